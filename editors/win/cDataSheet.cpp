#include "editors/win/cDataSheet.h"

#include "database/cDatabaseSet.h"
#include "editors/win/PageSupport.h"
#include "editors/win/cDlgCond.h"
#include "editors/win/cDlgGraphicPick.h"
#include "model/NameTable.h"
#include "stage/cStageEditState.h"
#include "stage/win/PaintCanvas.h"
#include "stage/win/cStageEditorWnd.h"
#include "ui/win/cModelessList.h"

namespace {
// The keys and menu item that insert a condition and edit it, and those that paste.
const uint16_t kCondInsertIds[2] = {40033, 40042};
const uint16_t kCondPasteIds[2] = {40007, 40040};
constexpr int kCondListKindPage = 0;

// The stage editor enables the other windows again and takes the edited entry as its brush.
void TellSheetClosed(int kind) {
  if (!g_pStageEditorWnd) return;
  if (kind == 0) g_pStageEditorWnd->OnBlockSheetClosed();
  if (kind == 1) g_pStageEditorWnd->OnCharaSheetClosed();
  if (kind == 2) g_pStageEditorWnd->OnItemSheetClosed();
}
}  // namespace

int DedicatedBitmapCount() { return g_DatabaseSet.m_vCharaExc.Count(); }

// The sheet.

template <class T>
cDataSheet<T>::cDataSheet(int32_t mode, cWindow* owner, cModelessList* list, cPropSheet** slot)
    : cPropSheet(mode, owner, list) {
  m_lpKey = this;
  if (list) list->AddSheet(this, slot);
}

template <class T>
cDataSheet<T>::~cDataSheet() {
  DestroySheetWindow();
  for (int i = 0; i < m_nPages; ++i) SafeDelete(m_apPage[i]);
}

template <class T>
int cDataSheet<T>::RunPages(const char* title) {
  for (int i = 0; i < m_nPages; ++i) AddPage(m_apPage[i]);
  Run();
  if (!m_hWndSheet) return 0;
  KeepInsideWorkArea();
  SetWindowTextA(m_hWndSheet, title);
  SetCurrentPage(SheetStartPage<T>());
  return 1;
}

template <class T>
void cDataSheet<T>::Relay(const T& record, int fromPage) {
  T* copies[kMaxSheetPages] = {};
  for (int i = 0; i < m_nPages; ++i) copies[i] = m_apPage[i] ? &m_apPage[i]->Record() : nullptr;
  RelaySheetRecord(copies, m_nPages, record, fromPage);
}

// The pages.

template <class T>
cSheetPage<T>::cSheetPage(uint16_t templateId, cWindow* parent, cModelessList* list, cDataSheet<T>* sheet, int page)
    : cDialog(templateId, parent, sheet ? kKindPage : kKindDialog, list), m_pSheet(sheet), m_nPage(page) {
  if (sheet) {
    if (page == 0) m_pRecord = &sheet->Edit().Record();
    else m_OwnRecord = sheet->Edit().Record();
  }
  m_cgPreview.m_Param.Set(kIdcSheetPreview, 32, 32);
  m_cgPreview2.m_Param.Set(kIdcSheetPreview2, 32, 32);
}

template <class T>
cSheetPage<T>::~cSheetPage() {
  if (m_bModeless) Destroy();
}

template <class T>
void cSheetPage<T>::BindDesc(const cPageDesc<T>& desc) {
  AddFields(m_Ctrls, desc.m_pNum, desc.m_nNum, Record());
  AddFields(m_Ctrls, desc.m_pCombo, desc.m_nCombo, Record());
  AddFields(m_Ctrls, desc.m_pCheck, desc.m_nCheck, Record());
  AddFields(m_Ctrls, desc.m_pText, desc.m_nText, Record());
  for (int i = 0; i < desc.m_nButtons; ++i)
    AddCtrlGroup(m_Ctrls.m_vChecks, desc.m_pButtons[i], MemoryRef(&Record().m_bbInherit[desc.m_nFirstGroup + i], 1));
}

template <class T>
void cSheetPage<T>::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  m_Ctrls.AttachTo(*this);
  AttachCtrlGroup(m_cgPreview);
  if (m_bTwoPreviews) AttachCtrlGroup(m_cgPreview2);
  InitPage();
  Refresh(0, nullptr);
  m_bInitialized = 1;
}

template <class T>
cSheetPageView cSheetPage<T>::View() const {
  if (m_pSheet) return SheetPageView(m_pSheet->Edit());
  cSheetPageView view;
  view.m_nContext = g_StageEditState.m_nEditContext;
  return view;
}

template <class T>
void cSheetPage<T>::Refresh(int store, const cCtrl* except) {
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
  DrawPreviews();
}

template <class T>
void cSheetPage<T>::Step(int delta) {
  if (!m_pSheet) return;
  StoreControls();
  const T* entry = m_pSheet->Edit().Step(delta, Record());
  if (!entry) return;
  if (m_pRecord != &m_pSheet->Edit().Record()) *m_pRecord = *entry;
  AfterStep();
  Refresh(0, nullptr);
  InvalidateRect(m_hWnd, nullptr, TRUE);
}

template <class T>
void cSheetPage<T>::FillSourceRows(int withKinds) {
  if (cCtrlChoice* kinds = m_Ctrls.Combo(kIdcInheritSource); kinds && withKinds)
    kinds->SetRows(NameList(SheetSetup(View().m_nContext).m_pSources), 0);
  if (cCtrlChoice* index = m_Ctrls.Combo(kIdcInheritIndex))
    index->SetRows(SourceIndexRows<T>(Record().m_cInheritPalette), 1);
}

template <class T>
int cSheetPage<T>::RunGraphicPicker(WPARAM wParam) {
  uint16_t id = LOWORD(wParam);
  const cObjectGraphicIds& ids = kObjectGraphicIds;
  if (HIWORD(wParam) != BN_CLICKED || (id != ids.m_nCellPick && id != ids.m_nMarkPick)) return 0;
  StoreControls();
  cCtrl button;
  button.Attach(this, id);
  int picked = id == ids.m_nCellPick ? PickGraphicCell(&Record().m_nGraphic, Record().m_cGraphicSheet, this, &button)
                                     : OpenGraphicPicker(&Record().m_nMark, kPickerSheetMark, this, &button);
  if (picked) Refresh(0, nullptr);
  return 1;
}

template <class T>
void cSheetPage<T>::OnCommand(WPARAM wParam, LPARAM lParam) {
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

template <class T>
LRESULT cSheetPage<T>::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  bool closing = message == WM_DESTROY && m_nPage == 0 && m_pSheet;
  if (closing) OnFirstPageDestroyed();
  LRESULT result = WindowProc(window, message, wParam, lParam);
  UINT code = NotifyCode(message, lParam);
  switch (code) {
    case static_cast<UINT>(PSN_SETACTIVE):
      OnSheetNotify(code);
      Refresh(0, nullptr);
      AnswerSheet(window, 0);
      result = 1;
      break;
    case static_cast<UINT>(PSN_KILLACTIVE):
      StoreControls();
      if (m_pSheet) m_pSheet->Relay(Record(), m_nPage);
      AnswerSheet(window, FALSE);
      result = 1;
      break;
    case static_cast<UINT>(PSN_APPLY):
    case static_cast<UINT>(PSN_RESET):
      // Only the first page commits; OK on another page has relayed that page's copy to it.
      if (m_nPage == 0 && m_pSheet) {
        int current = m_pSheet->CurrentPageIndex();
        if (code == static_cast<UINT>(PSN_RESET)) {
          m_pSheet->Edit().Cancel(current);
        } else {
          if (current == 0) StoreControls();
          m_pSheet->Edit().Commit(current);
        }
      }
      OnSheetNotify(code);
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
  if (closing) TellSheetClosed(SheetKind<T>());
  if (result) OnPaint();
  return result;
}

template <class T>
void cSheetPage<T>::OnPaint() {
  if (m_bInitialized) DrawPreviews();
}

template <class T>
void cSheetPage<T>::DrawPreviews() {
  cSheetExtents extents;
  MeasureSheets(extents);
  cCtrlGroup<cCtrlBitmap>* previews[2] = {&m_cgPreview, m_bTwoPreviews ? &m_cgPreview2 : nullptr};
  for (int which = 0; which < 2; ++which) {
    cCtrlBitmap* preview = previews[which] ? &previews[which]->m_Ctrl : nullptr;
    if (!preview || !preview->m_hWnd || !preview->m_Back.Dc()) continue;
    cPaintList list;
    list.Begin(0, 0, 32, 32);
    list.AddFill(0, 0, 32, 32, kColourBackground);
    AddPreview(list, extents, which);
    DrawPaintList(preview->m_Back, list);
    preview->Present();
  }
}

// The appearance conditions.

void cAppearCondList::Bind(cVector<cCondData>* conditions, void (*label)(cString*, int32_t, const cCondData*)) {
  m_cgList.m_Param.Set(kListConditions.m_wListId, nullptr, conditions, nullptr, label, kListConditions.m_Shape);
  m_Context.m_anPage[0] = kCondListKindPage;
}

void cAppearCondList::Attach(cDialog& page) {
  page.AttachCtrlGroup(m_cgList);
  List().SetInstanceIds(kListConditions);
  List().m_vCopyBuf = g_StageEditState.m_vCondClipboard;
  ReloadList(List());
}

int cAppearCondList::Route(cDialog& page, WPARAM wParam, int refuseDistance) {
  uint16_t id = LOWORD(wParam);
  // The keys and menu items act on the focused list only, as the list itself does.
  bool paste = (id == kCondPasteIds[0] || id == kCondPasteIds[1]) && GetFocus() == List().m_hWnd;
  if (refuseDistance && paste && RefuseDistancePaste(List().m_vCopyBuf)) return 1;
  int done = RouteListCommand(page, List(), kListConditions, kCondInsertIds, wParam, m_pChooser, &m_Context, 0);
  return done != kListUntouched;
}

void cAppearCondList::StoreBuffer() { g_StageEditState.m_vCondClipboard = List().m_vCopyBuf; }

template class cDataSheet<cEdBlock>;
template class cDataSheet<cEdChara>;
template class cDataSheet<cEdItem>;
template class cSheetPage<cEdBlock>;
template class cSheetPage<cEdChara>;
template class cSheetPage<cEdItem>;
