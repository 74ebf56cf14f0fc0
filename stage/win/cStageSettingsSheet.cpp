#include "stage/win/cStageSettingsSheet.h"

#include <algorithm>
#include <new>

#include "app/DataPaths.h"
#include "app/MessageBox.h"
#include "app/cBgmManager.h"
#include "stage/StageBgmPreview.h"
#include "stage/StageRowLabels.h"
#include "stage/cStageEditState.h"
#include "stage/cStageEditorHost.h"
#include "stage/win/FieldBinding.h"
#include "stage/win/cDlgBackground.h"
#include "ui/win/cModelessList.h"
#include "ui/win/cValueInputDlg.h"

namespace {
const char* const kSheetTitle = "ステージの設定";

// The sheet window of a page: its parent, also while the sheet is still being made.
HWND SheetOf(const cDialog& page) { return page.m_hWndSheet ? page.m_hWndSheet : GetParent(page.m_hWnd); }

void TellSheetChanged(const cDialog& page) {
  SendMessageA(SheetOf(page), PSM_CHANGED, reinterpret_cast<WPARAM>(page.m_hWnd), 0);
}

// A notification's answer to the sheet: 0, carry on.
void AnswerSheet(HWND page) { SetWindowLongPtrA(page, DWLP_MSGRESULT, 0); }

// The ids whose change moves what the scroll limits hide.
bool ChangesHiddenWidths(uint16_t id) {
  static const uint16_t kIds[] = {kIdcBasicLimitLeftOn, kIdcBasicLimitRightOn, kIdcBasicLimitTopOn,
                                  kIdcBasicLimitBottomOn, kIdcBasicLimitLeft, kIdcBasicLimitRight,
                                  kIdcBasicLimitTop, kIdcBasicLimitBottom, kIdcBasicWidth, kIdcBasicHeight};
  return std::find(std::begin(kIds), std::end(kIds), id) != std::end(kIds);
}

template <class Page>
Page* NewPage(uint16_t templateId, cWindow* parent, cModelessList* manager) {
  Page* page = new (std::nothrow) Page(templateId, parent, kKindPage, manager);
  if (!page) OutOfMemory();
  return page;
}
}  // namespace

// The sheet.

cStageSettingsSheet::cStageSettingsSheet(int32_t mode, cWindow* parent, cModelessList* manager, cPropSheet** owner,
                                         cStageEditorHost* host)
    : cPropSheet(mode, parent, manager), m_pHost(host) {
  m_lpKey = this;
  if (manager) manager->AddSheet(this, owner);
}

cStageSettingsSheet::~cStageSettingsSheet() {
  // The pages hear of their window's end while they still exist.
  DestroySheetWindow();
  delete m_pBasicPage;
  delete m_pAdvancedPage;
  delete m_pAdvancedPage2;
}

void cStageSettingsSheet::Create() {
  m_pBasicPage = NewPage<cStagePageBasic>(kIddStagePageBasic, m_lpParentClass, m_lpManager);
  if (m_pBasicPage) m_pAdvancedPage = NewPage<cStagePageAdvanced>(kIddStagePageAdvanced, m_lpParentClass, m_lpManager);
  if (m_pAdvancedPage)
    m_pAdvancedPage2 = NewPage<cStagePageAdvanced2>(kIddStagePageAdvanced2, m_lpParentClass, m_lpManager);
  if (!m_pAdvancedPage2) {
    // The sheet does not run: the editor, which hid its windows for it, has them back at once.
    if (m_pHost) m_pHost->OnStageSettingsClosed();
    return;
  }
  AddPage(m_pBasicPage);
  AddPage(m_pAdvancedPage);
  AddPage(m_pAdvancedPage2);
  Run();
  if (m_hWndSheet) SetWindowTextA(m_hWndSheet, kSheetTitle);
}

void cStageSettingsSheet::ApplyAll() {
  for (int pass = 0; pass < 2; ++pass) {
    m_pBasicPage->ApplySize();
    m_pAdvancedPage->Apply();
    m_pAdvancedPage2->Apply();
  }
}

// The basic page.

cStagePageBasic* cStagePageBasic::s_lpInstance = nullptr;

cStagePageBasic::cStagePageBasic(uint16_t templateId, cWindow* parent, int32_t kind, cModelessList* manager)
    : cDialog(templateId, parent, kind, manager) {
  s_lpInstance = this;
  m_lpfnProc = Proc;
  cStageDoc& stage = g_StageDoc;
  m_NewSize.m_nNewWidth = stage.m_nWidth;
  m_NewSize.m_nNewHeight = stage.m_nHeight;
  MakeBgmLabels(m_vBgmLabels);
  m_cgBackgroundList.m_Param.Set(kIdcBasicBackgrounds, &stage.m_vBackground, &m_vBackgroundWork, nullptr,
                                 BackgroundRowLabel, kListBackgrounds.m_Shape);
  AddFieldGroups(m_vTextEdits, kStageBasicTextFields, stage);
  AddFieldGroups(m_vIntEdits, kStageBasicSizeFields, m_NewSize);
  AddFieldGroups(m_vIntEdits, kStageBasicNumFields, stage);
  AddFieldGroups(m_vRealEdits, kStageBasicRealFields, stage);
  AddFieldGroups(m_vCombos, kStageBasicAnchorFields, EditConfig);
  AddFieldGroups(m_vCombos, kStageBasicComboFields, stage);
  AddCtrlGroup(m_vCombos, kIdcBasicBgm, &stage.m_nBgm, &m_vBgmLabels, 0);
  AddFieldGroups(m_vChecks, kStageBasicCheckFields, stage);
  int items = std::min(kRankingItemCount, stage.m_vRankingItem.Count());
  for (int item = 0; item < items; ++item)
    AddCtrlGroup(m_vChecks, static_cast<uint16_t>(kIdcBasicRanking + item), &stage.m_vRankingItem[item]);
  AddCtrlGroup(m_vStatics, kIdcBasicMemory);
  AddCtrlGroup(m_vStatics, kIdcBasicUndoWarning);
  for (int side = 0; side < 4; ++side) AddCtrlGroup(m_vStatics, static_cast<uint16_t>(kIdcBasicHiddenLeft + side));
}

cStagePageBasic::~cStagePageBasic() {
  if (m_bModeless) Destroy();
  if (s_lpInstance == this) s_lpInstance = nullptr;
}

INT_PTR CALLBACK cStagePageBasic::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
}

cBackgroundData* cStagePageBasic::CurrentBackground() {
  cStagePageBasic* page = s_lpInstance;
  int index = page ? page->BackgroundList().GetCurIndex() : -1;
  return index < 0 ? nullptr : &page->m_vBackgroundWork.At(index);
}

void cStagePageBasic::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  AttachCtrlGroup(m_cgBackgroundList);
  AttachCtrlGroups(m_vTextEdits);
  AttachCtrlGroups(m_vIntEdits);
  AttachCtrlGroups(m_vRealEdits);
  AttachCtrlGroups(m_vCombos);
  AttachCtrlGroups(m_vChecks);
  AttachCtrlGroups(m_vStatics);
  BackgroundList().SetInstanceIds(kListBackgrounds);
  UpdateEnables();
  BackgroundList().SetCurSel(0, 1);
  DataToControls();
  UpdateMemoryEstimate();
  UpdateHiddenWidths();
  UpdateEnables();
  m_bInitialized = 1;
}

void cStagePageBasic::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!AcceptCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  static const cCmdBinding<cStagePageBasic> kCommands[] = {
      {kCtrlButton, kIdcBasicBgmPlay, &cStagePageBasic::PreviewBgm},
  };
  DispatchCommand(*this, kCommands, wParam);
  BackgroundList().OnPageCommand(kListBackgrounds, static_cast<uint32_t>(wParam), m_lpManager, m_pBackgroundDlg);
  uint16_t id = LOWORD(wParam);
  if (m_bInitialized) {
    if (ChangesHiddenWidths(id)) UpdateHiddenWidths();
    if (id == kIdcBasicWidth || id == kIdcBasicHeight) UpdateMemoryEstimate();
    if (FindCommandCtrl(wParam)) UpdateEnables();
  }
  RedrawList();
  TellSheetChanged(*this);
}

LRESULT cStagePageBasic::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = WindowProc(window, message, wParam, lParam);
  switch (NotifyCode(message, lParam)) {
    case static_cast<UINT>(PSN_SETACTIVE):
      UpdateEnables();
      AnswerSheet(window);
      result = 1;
      break;
    case static_cast<UINT>(PSN_APPLY):
      static_cast<cStageSettingsSheet*>(m_lpSheet)->ApplyAll();
      g_StageEditState.m_bStageModified = 1;
      AnswerSheet(window);
      result = 1;
      break;
    default:
      break;
  }
  if (message == WM_DESTROY) {
    g_BgmManager.Stop();
    if (cStageEditorHost* host = m_lpSheet ? static_cast<cStageSettingsSheet*>(m_lpSheet)->m_pHost : nullptr)
      host->OnStageSettingsClosed();
  } else if (message == WM_CLOSE) {
    Close(0);
    result = 1;
  } else if (IsRightClicked()) {
    BackgroundList().PopupAt(m_ptCursorScreen);
  }
  if (result) OnPaint();
  return result;
}

void cStagePageBasic::UpdateEnables() {
  static const uint16_t kLimitChecks[4] = {kIdcBasicLimitLeftOn, kIdcBasicLimitRightOn, kIdcBasicLimitTopOn,
                                           kIdcBasicLimitBottomOn};
  cBasicPageChecks checks;
  for (int side = 0; side < 4; ++side) checks.m_abLimit[side] = IsDlgButtonChecked(m_hWnd, kLimitChecks[side]);
  checks.m_bTimeLimit = IsDlgButtonChecked(m_hWnd, kIdcBasicTimeLimitOn);
  checks.m_bNoClearWait = IsDlgButtonChecked(m_hWnd, kIdcBasicNoClearWait);
  cCtrlStates states;
  BasicPageStates(checks, states);
  ApplyCtrlStates(*this, states);
}

int32_t cStagePageBasic::TypedValue(uint16_t id) {
  cCtrlEditVal<int32_t>* edit = FindCtrlById(m_vIntEdits, id);
  return edit ? edit->Value() : 0;
}

void cStagePageBasic::UpdateHiddenWidths() {
  cHiddenWidths hidden = HiddenWidths(TypedValue(kIdcBasicWidth), TypedValue(kIdcBasicHeight),
                                      TypedValue(kIdcBasicLimitLeft), TypedValue(kIdcBasicLimitRight),
                                      TypedValue(kIdcBasicLimitTop), TypedValue(kIdcBasicLimitBottom));
  for (int side = 0; side < 4; ++side)
    if (cCtrlStatic* text = FindCtrlById(m_vStatics, static_cast<uint16_t>(kIdcBasicHiddenLeft + side)))
      text->SetText(HiddenWidthText(hidden.m_anWidth[side]).GetStr());
}

void cStagePageBasic::UpdateMemoryEstimate() {
  const cStageDoc& stage = g_StageDoc;
  cMemoryEstimate estimate = EstimateSizeMemory(TypedValue(kIdcBasicWidth), TypedValue(kIdcBasicHeight), stage.m_nWidth,
                                                stage.m_nHeight, SizeChangeMemory(stage, g_StageEditState));
  if (cCtrlStatic* memory = FindCtrlById(m_vStatics, kIdcBasicMemory))
    memory->SetText(MemoryEstimateText(estimate).GetStr());
  if (cCtrlStatic* warning = FindCtrlById(m_vStatics, kIdcBasicUndoWarning))
    warning->SetText(UndoWarningText(estimate, stage.m_nUndoDepth).GetStr());
}

void cStagePageBasic::ApplySize() {
  // The anchors the first pass stored are saved by the second.
  EditConfig.SaveFile(g_DataPaths[kPathEditConfig].GetStr());
  ControlsToData();
  ApplyStageSize(g_StageDoc, g_StageEditState, m_NewSize, EditConfig.m_nResizeDirX, EditConfig.m_nResizeDirY, *this);
}

void cStagePageBasic::PreviewBgm() {
  cCtrlCombo<int32_t>* combo = FindCtrlById(m_vCombos, kIdcBasicBgm);
  if (!combo) return;
  PreviewStageBgm(static_cast<int>(SendMessageA(combo->m_hWnd, CB_GETCURSEL, 0, 0)));
}

void cStagePageBasic::ShowBusy(const char* text, const char* caption) {
  ShowStatusPopup(this, m_lpManager, text, caption, this, 1, 1);
}

void cStagePageBasic::CloseBusy() { CloseStatusPopup(); }

// The advanced page.

cStagePageAdvanced* cStagePageAdvanced::s_lpInstance = nullptr;

cStagePageAdvanced::cStagePageAdvanced(uint16_t templateId, cWindow* parent, int32_t kind, cModelessList* manager)
    : cDialog(templateId, parent, kind, manager) {
  s_lpInstance = this;
  m_lpfnProc = Proc;
  cStageDoc& stage = g_StageDoc;
  AddFieldGroups(m_vIntEdits, kStageAdvNumFields, stage);
  AddFieldGroups(m_vCombos, kStageAdvComboFields, stage);
  AddFieldGroups(m_vChecks, kStageAdvCheckFields, stage);
  for (int rule = 0; rule < kVanishRuleCount; ++rule) {
    cAutoVanishData& vanish = stage.m_aAutoVanish[rule];
    for (const cCheckField<cAutoVanishData, int32_t>& field : kVanishCheckFields)
      AddCtrlGroup(m_vChecks, VanishCtrlId(field.m_nId, rule), &(vanish.*field.m_pMember));
    for (const cNumField<cAutoVanishData>& field : kVanishMarginFields)
      AddCtrlGroup(m_vIntEdits, VanishCtrlId(field.m_nId, rule), IntMemberOf(vanish, field.m_Member), field.m_nMin,
                   field.m_nMax, VanishCtrlId(field.m_nSpinId, rule), 1);
  }
}

cStagePageAdvanced::~cStagePageAdvanced() {
  if (m_bModeless) Destroy();
  if (s_lpInstance == this) s_lpInstance = nullptr;
}

INT_PTR CALLBACK cStagePageAdvanced::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
}

void cStagePageAdvanced::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  AttachCtrlGroups(m_vIntEdits);
  AttachCtrlGroups(m_vChecks);
  AttachCtrlGroups(m_vCombos);
  UpdateEnables();
  DataToControls();
  UpdateEnables();
  m_bInitialized = 1;
}

void cStagePageAdvanced::UpdateEnables() {
  int32_t checks[4 * kVanishRuleCount] = {};
  for (int k = 0; k < 4 * kVanishRuleCount; ++k) checks[k] = IsDlgButtonChecked(m_hWnd, kIdcAdvVanishOn + k);
  cCtrlStates states;
  AdvancedPageStates(checks, states);
  ApplyCtrlStates(*this, states);
}

void cStagePageAdvanced::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!AcceptCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  if (m_bInitialized && FindCommandCtrl(wParam)) UpdateEnables();
  TellSheetChanged(*this);
}

LRESULT cStagePageAdvanced::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = WindowProc(window, message, wParam, lParam);
  if (NotifyCode(message, lParam) == static_cast<UINT>(PSN_SETACTIVE)) {
    UpdateEnables();
    AnswerSheet(window);
    result = 1;
  }
  if (!result) return 0;
  OnPaint();
  return 1;
}

// The advanced page 2.

cStagePageAdvanced2* cStagePageAdvanced2::s_lpInstance = nullptr;

cStagePageAdvanced2::cStagePageAdvanced2(uint16_t templateId, cWindow* parent, int32_t kind, cModelessList* manager)
    : cDialog(templateId, parent, kind, manager) {
  s_lpInstance = this;
  m_lpfnProc = Proc;
  cStageDoc& stage = g_StageDoc;
  for (const cHitBoxRow& row : kHitBoxRows) {
    for (const cNumField<cStageDoc>* size : {&row.m_Width, &row.m_Height})
      AddCtrlGroup(m_vIntEdits, size->m_nId, IntMemberOf(stage, size->m_Member), size->m_nMin, size->m_nMax,
                   size->m_nSpinId, 1);
    if (row.m_nPosId) AddCtrlGroup(m_vCombos, row.m_nPosId, &(stage.*row.m_pPos), HitBoxPosNames, 0);
    AddCtrlGroup(m_vStatics, row.m_nLabelId);
  }
  AddFieldGroups(m_vCombos, kHitBoxShowFields, stage);
  AddFieldGroups(m_vCombos, kHitBoxColorFields, stage);
}

cStagePageAdvanced2::~cStagePageAdvanced2() {
  if (m_bModeless) Destroy();
  if (s_lpInstance == this) s_lpInstance = nullptr;
}

INT_PTR CALLBACK cStagePageAdvanced2::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
}

void cStagePageAdvanced2::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  AttachCtrlGroups(m_vIntEdits);
  AttachCtrlGroups(m_vCombos);
  AttachCtrlGroups(m_vStatics);
  UpdateEnables();
  DataToControls();
  UpdateEnables();
  for (const cHitBoxRow& row : kHitBoxRows)
    if (cCtrlStatic* label = FindCtrlById(m_vStatics, row.m_nLabelId)) label->AppendText(HitBoxLabelSuffix(row).GetStr());
  m_bInitialized = 1;
}

void cStagePageAdvanced2::UpdateEnables() {
  int32_t shows[4] = {};
  for (int k = 0; k < 4; ++k)
    if (cCtrlCombo<int32_t>* show = FindCtrlById(m_vCombos, kHitBoxShowFields[k].m_nId)) shows[k] = show->GetCurData();
  cCtrlStates states;
  Advanced2PageStates(shows, states);
  ApplyCtrlStates(*this, states);
}

void cStagePageAdvanced2::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!AcceptCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  if (m_bInitialized && FindCommandCtrl(wParam)) UpdateEnables();
  TellSheetChanged(*this);
}

LRESULT cStagePageAdvanced2::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = WindowProc(window, message, wParam, lParam);
  if (NotifyCode(message, lParam) == static_cast<UINT>(PSN_SETACTIVE)) {
    UpdateEnables();
    AnswerSheet(window);
    result = 1;
  }
  if (!result) return 0;
  OnPaint();
  return 1;
}
