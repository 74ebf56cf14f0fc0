#include "editors/win/cCharaDataSheet.h"

#include <new>

#include "database/cDatabaseSet.h"
#include "editors/ElementRowLabels.h"
#include "editors/win/PageSupport.h"
#include "editors/win/cDlgCond.h"
#include "editors/win/cDlgGraphicPick.h"
#include "editors/win/cFlowEditPage.h"
#include "model/NameTable.h"
#include "stage/cStageEditState.h"
#include "stage/win/PaintCanvas.h"
#include "stage/win/cStageEditorWnd.h"
#include "ui/win/cModelessList.h"

namespace {
// The keys and menu item that insert a condition and edit it.
const uint16_t kCondInsertIds[2] = {40033, 40042};
constexpr int kCondListKindPage = 0;

int DedicatedBitmapCount() { return g_DatabaseSet.m_vCharaExc.Count(); }
}  // namespace

// The sheet.

cCharaDataSheet::cCharaDataSheet(int32_t mode, cWindow* owner, cModelessList* list, cPropSheet** slot)
    : cPropSheet(mode, owner, list) {
  m_lpKey = this;
  if (list) list->AddSheet(this, slot);
  g_StageEditState.m_pCharaSheet = this;
  g_StageEditState.m_pBlockSheet = nullptr;
  g_StageEditState.m_pItemSheet = nullptr;
}

cCharaDataSheet::~cCharaDataSheet() {
  // The pages hear of their window's end while they still exist.
  DestroySheetWindow();
  for (cCharaPage*& page : m_apPage) SafeDelete(page);
  if (g_StageEditState.m_pCharaSheet == this) g_StageEditState.m_pCharaSheet = nullptr;
}

int cCharaDataSheet::Create() {
  auto make = [this](int index) -> cCharaPage* {
    switch (index) {
      case kCharaPageBasic: return new (std::nothrow) cCharaBasicPage(m_lpParentClass, m_lpManager, this);
      case kCharaPageGraphic: return new (std::nothrow) cCharaGraphicPage(m_lpParentClass, m_lpManager, this);
      case kCharaPageStatus: return new (std::nothrow) cCharaStatusPage(m_lpParentClass, m_lpManager, this);
      default: return new (std::nothrow) cFlowEditPage(m_lpParentClass, m_lpManager, this);
    }
  };
  if (!MakeSheetPages(m_apPage, make)) return 0;
  if (!Basic()->Opened()) {
    for (cCharaPage*& page : m_apPage) SafeDelete(page);
    return 0;
  }
  for (cCharaPage* page : m_apPage) AddPage(page);
  Run();
  if (!m_hWndSheet) return 0;
  SetWindowTextA(m_hWndSheet, kCharaSheetTitle);
  SetCurrentPage(CharaSheetStartPage());
  return 1;
}

void cCharaDataSheet::RelayChara(const cEdChara& chara, int fromPage) {
  cEdChara* copies[kCharaPageCount] = {};
  for (int i = 0; i < kCharaPageCount; ++i) copies[i] = m_apPage[i] ? &m_apPage[i]->Chara() : nullptr;
  RelaySheetRecord(copies, chara, fromPage);
}

cCharaBasicPage* cCharaDataSheet::Basic() const { return static_cast<cCharaBasicPage*>(m_apPage[kCharaPageBasic]); }

cFlowEditPage* cCharaDataSheet::FlowPage() const { return static_cast<cFlowEditPage*>(m_apPage[kCharaPageFlow]); }

cCharaSheetEdit& cCharaDataSheet::Edit() const { return Basic()->Edit(); }

// What the pages share.

cCharaPage::cCharaPage(uint16_t templateId, cWindow* parent, cModelessList* list, cCharaDataSheet* sheet, int page)
    : cDialog(templateId, parent, sheet ? kKindPage : kKindDialog, list), m_pSheet(sheet), m_nPage(page) {
  if (sheet && sheet->Basic() && page != kCharaPageBasic) m_OwnChara = sheet->Basic()->Chara();
  m_cgPreview.m_Param.Set(kIdcCharaPreview, 32, 32);
  m_cgPreview2.m_Param.Set(kIdcGraphicPreview2, 32, 32);
}

cCharaPage::~cCharaPage() {
  if (m_bModeless) Destroy();
}

void cCharaPage::BindSpec(const cCharaPageSpec& spec) {
  AddFields(m_Ctrls, spec.m_pNum, spec.m_nNum, Chara());
  AddFields(m_Ctrls, spec.m_pCombo, spec.m_nCombo, Chara());
  AddFields(m_Ctrls, spec.m_pCheck, spec.m_nCheck, Chara());
  AddFields(m_Ctrls, spec.m_pText, spec.m_nText, Chara());
  for (int i = 0; i < spec.m_nButtons; ++i)
    AddCtrlGroup(m_Ctrls.m_vChecks, spec.m_pButtons[i], MemoryRef(&Chara().m_bbInherit[spec.m_nFirstGroup + i], 1));
}

void cCharaPage::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  m_Ctrls.AttachTo(*this);
  AttachCtrlGroup(m_cgPreview);
  if (m_bTwoPreviews) AttachCtrlGroup(m_cgPreview2);
  InitPage();
  Refresh(0, nullptr);
  m_bInitialized = 1;
}

cCharaPageView cCharaPage::View() const {
  if (m_pSheet) return PageView(m_pSheet->Edit());
  cCharaPageView view;
  view.m_nContext = g_StageEditState.m_nEditContext;
  return view;
}

void cCharaPage::Refresh(int store, const cCtrl* except) {
  if (m_bRefreshing) return;
  m_bRefreshing = 1;
  if (store) StoreControls();
  ValueRules(except ? except->m_wId : 0);
  cCtrlStates states;
  PageStates(states);
  // The control being typed into keeps its text; any other shows the record.
  const cCtrl* typing = except && (except->m_nKind == kCtrlEditVal || except->m_nKind == kCtrlEditText) ? except : nullptr;
  PresentStates(*this, states, typing);
  m_bRefreshing = 0;
  DrawPreview();
}

void cCharaPage::Step(int delta) {
  if (!m_pSheet) return;
  StoreControls();
  const cEdChara* entry = m_pSheet->Edit().Step(delta, Chara());
  if (!entry) return;
  if (m_pChara != &m_pSheet->Edit().Chara()) *m_pChara = *entry;
  AfterStep();
  Refresh(0, nullptr);
  InvalidateRect(m_hWnd, nullptr, TRUE);
}

void cCharaPage::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!AcceptCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  if (!m_bInitialized || m_bRefreshing) {
    // The framework held the lists' drawing for the command; they draw again.
    RedrawList();
    return;
  }
  uint16_t id = LOWORD(wParam);
  if (id == kIdcPrevEntry && HIWORD(wParam) == BN_CLICKED) {
    Step(-1);
  } else if (id == kIdcNextEntry && HIWORD(wParam) == BN_CLICKED) {
    Step(1);
  } else if (!PageCommand(wParam)) {
    if (uint16_t changed = FindCommandCtrl(wParam)) Refresh(1, BoundCtrlOf(*this, changed));
  }
  RedrawList();
  TellSheetChanged(*this);
}

LRESULT cCharaPage::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = WindowProc(window, message, wParam, lParam);
  switch (NotifyCode(message, lParam)) {
    case static_cast<UINT>(PSN_SETACTIVE):
      OnSheetNotify(PSN_SETACTIVE);
      Refresh(0, nullptr);
      AnswerSheet(window, 0);
      result = 1;
      break;
    case static_cast<UINT>(PSN_KILLACTIVE):
      StoreControls();
      if (m_pSheet) m_pSheet->RelayChara(Chara(), m_nPage);
      AnswerSheet(window, FALSE);
      result = 1;
      break;
    case static_cast<UINT>(PSN_APPLY):
    case static_cast<UINT>(PSN_RESET):
      OnSheetNotify(NotifyCode(message, lParam));
      AnswerSheet(window, PSNRET_NOERROR);
      result = 1;
      break;
    default:
      break;
  }
  if (message == WM_CLOSE) {
    Close(0);
    result = 1;
  }
  if (result) OnPaint();
  return result;
}

void cCharaPage::OnPaint() {
  if (m_bInitialized) DrawPreview();
}

void cCharaPage::DrawPreview() {
  cSheetExtents extents;
  MeasureSheets(extents);
  cCtrlGroup<cCtrlBitmap>* previews[2] = {&m_cgPreview, m_bTwoPreviews ? &m_cgPreview2 : nullptr};
  for (int half = 0; half < 2; ++half) {
    cCtrlBitmap* preview = previews[half] ? &previews[half]->m_Ctrl : nullptr;
    if (!preview || !preview->m_hWnd || !preview->m_Back.Dc()) continue;
    cPaintList list;
    list.Begin(0, 0, 32, 32);
    list.AddFill(0, 0, 32, 32, kColourBackground);
    AddCharaGraphic(list, extents, 0, 0, Chara(), half);
    DrawPaintList(preview->m_Back, list);
    preview->Present();
  }
}

// The basic page.

cCharaBasicPage* cCharaBasicPage::s_lpInstance = nullptr;

cCharaBasicPage::cCharaBasicPage(cWindow* parent, cModelessList* list, cCharaDataSheet* sheet)
    : cCharaPage(kIddCharaBasic, parent, list, sheet, kCharaPageBasic) {
  s_lpInstance = this;
  m_lpfnProc = Proc;
  m_bOpened = m_Edit.Open(CharaEditTargetOf(g_StageEditState));
  m_pChara = &m_Edit.Chara();
  BindSpec(kBasicPageSpec);
  m_cgCondList.m_Param.Set(kIdcBasicAppearList, nullptr, &Chara().m_vAppearCond, nullptr, SelfCondRowLabel,
                           kListConditions.m_Shape);
  m_CondContext.m_anPage[0] = kCondListKindPage;
}

cCharaBasicPage::~cCharaBasicPage() {
  if (s_lpInstance == this) s_lpInstance = nullptr;
}

INT_PTR CALLBACK cCharaBasicPage::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
}

void cCharaBasicPage::InitPage() {
  if (cCtrlChoice* sources = m_Ctrls.Combo(kIdcBasicSource)) sources->SetRows(NameList(m_Edit.Setup().m_pSources), 0);
  FillSourceRows();
  AttachCtrlGroup(m_cgCondList);
  CondList().SetInstanceIds(kListConditions);
  CondList().m_vCopyBuf = g_StageEditState.m_vCondClipboard;
  ReloadList(CondList());
}

void cCharaBasicPage::FillSourceRows() {
  if (cCtrlChoice* index = m_Ctrls.Combo(kIdcBasicSourceIndex)) index->SetRows(InheritIndexRows(Chara().m_cInheritPalette), 1);
}

void cCharaBasicPage::ValueRules(uint16_t id) {
  if (id == kIdcBasicSource || id == kIdcBasicSourceIndex) {
    ApplySourceKind(Chara());
    FillSourceRows();
  } else {
    Chara().ApplyInheritance();
  }
}

void cCharaBasicPage::PageStates(cCtrlStates& states) { BasicPageStates(Chara(), View(), states); }

int cCharaBasicPage::PageCommand(WPARAM wParam) {
  int done = RouteListCommand(*this, CondList(), kListConditions, kCondInsertIds, wParam, m_pCondChooser,
                              &m_CondContext, 0);
  return done != kListUntouched;
}

void cCharaBasicPage::OnSheetNotify(UINT code) {
  int current = m_pSheet->CurrentPageIndex();
  if (code == static_cast<UINT>(PSN_SETACTIVE)) {
    RefillList(CondList());
  } else if (code == static_cast<UINT>(PSN_APPLY)) {
    if (current == kCharaPageBasic) StoreControls();
    m_Edit.Commit(current);
  } else if (code == static_cast<UINT>(PSN_RESET)) {
    m_Edit.Cancel(current);
  }
}

void cCharaBasicPage::AfterStep() { ReloadList(CondList()); }

LRESULT cCharaBasicPage::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    g_StageEditState.m_vCondClipboard = CondList().m_vCopyBuf;
    LRESULT result = cCharaPage::OnMessage(window, message, wParam, lParam);
    if (g_pStageEditorWnd) g_pStageEditorWnd->OnCharaSheetClosed();
    return result;
  }
  LRESULT result = cCharaPage::OnMessage(window, message, wParam, lParam);
  if (m_bInitialized && IsRightClicked()) CondList().PopupAt(m_ptCursorScreen);
  return result;
}

// The graphic page.

cCharaGraphicPage* cCharaGraphicPage::s_lpInstance = nullptr;

cCharaGraphicPage::cCharaGraphicPage(cWindow* parent, cModelessList* list, cCharaDataSheet* sheet)
    : cCharaPage(kIddCharaGraphic, parent, list, sheet, kCharaPageGraphic) {
  s_lpInstance = this;
  m_lpfnProc = Proc;
  m_bTwoPreviews = 1;
  BindSpec(kGraphicPageSpec);
}

cCharaGraphicPage::~cCharaGraphicPage() {
  if (s_lpInstance == this) s_lpInstance = nullptr;
}

INT_PTR CALLBACK cCharaGraphicPage::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
}

void cCharaGraphicPage::InitPage() {
  if (cCtrlChoice* sets = m_Ctrls.Combo(1263)) sets->SetRows(AnimeSetRows(g_DatabaseSet), 0);
  cVector<cString> effects = CharaEffectRows(g_DatabaseSet);
  for (uint16_t id : {1270, 1264})
    if (cCtrlChoice* combo = m_Ctrls.Combo(id)) combo->SetRows(effects, 0);
}

void cCharaGraphicPage::ValueRules(uint16_t) {
  Chara().ApplyInheritance();
  ClampGraphicToSheet(Chara(), DedicatedBitmapCount());
}

void cCharaGraphicPage::PageStates(cCtrlStates& states) {
  GraphicPageStates(Chara(), View(), DedicatedBitmapCount(), states);
}

int cCharaGraphicPage::PageCommand(WPARAM wParam) {
  uint16_t id = LOWORD(wParam);
  if (HIWORD(wParam) != BN_CLICKED || (id != kIdcGraphicCellPick && id != kIdcGraphicMarkPick)) return 0;
  StoreControls();
  cCtrl button;
  button.Attach(this, id);
  int picked = id == kIdcGraphicCellPick
                   ? PickGraphicCell(&Chara().m_nGraphic, Chara().m_cGraphicSheet, this, &button)
                   : OpenGraphicPicker(&Chara().m_nMark, kPickerSheetMark, this, &button);
  if (picked) Refresh(0, nullptr);
  return 1;
}

// The status page.

cCharaStatusPage* cCharaStatusPage::s_lpInstance = nullptr;

cCharaStatusPage::cCharaStatusPage(cWindow* parent, cModelessList* list, cCharaDataSheet* sheet)
    : cCharaPage(kIddCharaStatus, parent, list, sheet, kCharaPageStatus) {
  s_lpInstance = this;
  m_lpfnProc = Proc;
  BindSpec(kStatusPageSpec);
}

cCharaStatusPage::~cCharaStatusPage() {
  if (s_lpInstance == this) s_lpInstance = nullptr;
}

INT_PTR CALLBACK cCharaStatusPage::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
}

void cCharaStatusPage::InitPage() {
  if (cCtrlChoice* effects = m_Ctrls.Combo(1230)) effects->SetRows(EffectRows(g_DatabaseSet), 0);
}

void cCharaStatusPage::PageStates(cCtrlStates& states) { StatusPageStates(Chara(), View(), states); }
