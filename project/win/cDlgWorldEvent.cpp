#include "project/win/cDlgWorldEvent.h"

#include "app/PathUtil.h"
#include "app/win/FileDialogs.h"
#include "model/VariableNames.h"
#include "model/VariableVocabulary.h"
#include "project/win/cWorldMapWnd.h"
#include "ui/win/cValueInputDlg.h"

cDlgWorldEvent* cDlgWorldEvent::s_lpInstance = nullptr;

namespace {
// The open-file dialog's filter: one description and pattern, each ended by a zero byte.
const char kStageFilter[] = "StageFile ( *.stg4_* )\0*.stg4_*\0";
constexpr int32_t kVariableNameLimit = 12;

void PageRowLabel(cString* text, int32_t, const cWorldEventPage* page) { *text = cWorldEventRules::PageRow(*page); }
}  // namespace

cDlgWorldEvent::cDlgWorldEvent(cWorldMapWnd* owner, cModelessList* list, cWorldEvent* target)
    : cDialog(kIddWorldEvent, owner, kKindDialog, list), m_pTarget(target), m_Event(*target), m_pOwner(owner) {
  s_lpInstance = this;
  m_lpfnProc = Proc;
  SetGeometry(0, 0, 100, 100, 640, 480, 0, 0, 0, 0, 0, 0);
  using R = cWorldEventRules;
  m_vGraphicItems = R::GraphicRows(g_aSheetCanvas[kSheetWorldEvent].Height());
  m_vCondVarItems = R::CondVarRows();
  m_vVariationVarItems = R::VariationVarRows();
  m_cgPages.m_Param.Set(kIdcPageList, &m_Event.m_vPage, &m_vPageWork, &m_Page, PageRowLabel,
                        kListWorldEventPages.m_Shape);
  AddCtrlGroup(m_vTexts, kIdcEventName, &m_Event.m_strName, R::kNameLimit, 1);
  AddCtrlGroup(m_vTexts, kIdcWorldName, &m_Page.m_strWorldName, R::kWorldNameLimit, 1);
  AddCtrlGroup(m_vTexts, kIdcStartStage, &m_Page.m_strStartStage, R::kStartStageLimit, 0);
  for (const cWorldEventNumber& number : kWorldEventNumbers)
    AddCtrlGroup(m_vNumbers, number.m_nId, &(m_Page.*number.m_pMember), number.m_nMin, number.m_nMax, number.m_nSpinId,
                 1);
  AddCtrlGroup(m_vCombos, kIdcCondVar, &m_Page.m_nCondVar, &m_vCondVarItems, R::kCondVarRowOffset);
  AddCtrlGroup(m_vCombos, kIdcCondCompare, &m_Page.m_nCondCompare, CompareNames, 0);
  AddCtrlGroup(m_vCombos, kIdcEventGraphic, &m_Page.m_nGraphic, &m_vGraphicItems, 0);
  AddCtrlGroup(m_vCombos, kIdcEventType, &m_Page.m_nType, g_vWorldEventType.data(), 0);
  AddCtrlGroup(m_vCombos, kIdcVariationVar, &m_Page.m_nVariationVar, &m_vVariationVarItems, R::kVariationVarRowOffset);
  AddCtrlGroup(m_vCombos, kIdcGameClear, &m_Page.m_nGameClear, g_vGameClearAction.data(), 0);
  AddCtrlGroup(m_vChecks, kIdcVariation, &m_Page.m_bVariation);
  AddCtrlGroup(m_vChecks, kIdcPassWithoutClear, &m_Page.m_bPassWithoutClear);
  AddCtrlGroup(m_vChecks, kIdcPlayAfterClear, &m_Page.m_bPlayAfterClear);
  AddCtrlGroup(m_vPictures, kIdcEventPreview, kPreviewPixels, kPreviewPixels);
  for (uint16_t id : {kIdcStartStageBrowse, kIdcCondVarRename, kIdcVariationRename}) AddCtrlGroup(m_vButtons, id);
}

cDlgWorldEvent::~cDlgWorldEvent() {
  if (s_lpInstance == this) s_lpInstance = nullptr;
}

INT_PTR CALLBACK cDlgWorldEvent::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
}

void cDlgWorldEvent::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  ShowWindow(GetDlgItem(m_hWnd, kIdcFrameBitmap), SW_HIDE);
  // The list first: it loads the current page that the other controls show.
  AttachCtrlGroup(m_cgPages);
  AttachCtrlGroups(m_vTexts);
  AttachCtrlGroups(m_vNumbers);
  AttachCtrlGroups(m_vCombos);
  AttachCtrlGroups(m_vChecks);
  AttachCtrlGroups(m_vPictures);
  AttachCtrlGroups(m_vButtons);
  Pages().SetInstanceIds(kListWorldEventPages);
  Pages().SelectOnly(0, 1);
  DataToControls();
  ApplyEnables();
  m_bInitialized = 1;
  PaintPreview();
}

void cDlgWorldEvent::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!AcceptCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  uint16_t id = LOWORD(wParam);
  bool clicked = HIWORD(wParam) == BN_CLICKED;
  switch (id) {
    case kIdcOk:
      Commit();
      return;
    case kIdcCancel:
      Close(0);
      return;
    default:
      break;
  }
  // The values shown while the dialog starts are no changes, and the list is not attached yet.
  if (!m_bInitialized) return;
  uint16_t changed = FindCommandCtrl(wParam);
  if (RunPageCommand(wParam)) {
  } else if (id == kIdcStartStageBrowse && clicked) {
    BrowseStartStage();
  } else if (id == kIdcCondVarRename && clicked) {
    RenameVariable(id, kIdcCondVar);
  } else if (id == kIdcVariationRename && clicked) {
    RenameVariable(id, kIdcVariationVar);
  } else if (changed) {
    StoreChange();
  }
  if (changed == kIdcWorldNo || changed == kIdcEventGraphic) PaintPreview();
  if (id != kIdcWorldNo) ApplyEnables();
  RedrawList();
}

int cDlgWorldEvent::RunPageCommand(WPARAM wParam) {
  tPageList& pages = Pages();
  uint16_t id = LOWORD(wParam);
  if (id == kIdcPageList) {
    if (HIWORD(wParam) != LBN_SELCHANGE) return 1;
    pages.OnSelChange();
    ShowPage();
    return 1;
  }
  if (ListActionOf(kListWorldEventPages, static_cast<uint32_t>(wParam)) != kListActNone) {
    int done = 0;
    pages.RunAction(kListWorldEventPages, static_cast<uint32_t>(wParam), m_lpManager, &done);
    if (done) ShowPage();
    return 1;
  }
  if (!pages.OnAccelCommand(id) && !pages.OnMenuCommand(id)) return 0;
  ShowPage();
  return 1;
}

void cDlgWorldEvent::ShowPage() {
  RefreshControlsExcept(0, &Pages());
  PaintPreview();
}

void cDlgWorldEvent::StoreChange() {
  for (cCtrl* ctrl : m_vCtrl)
    if (ctrl != &Pages()) ctrl->CtrlToData();
  Pages().StoreEdited();
}

void cDlgWorldEvent::ApplyTypeRule() {
  if (!cWorldEventRules::ApplyType(m_Page)) return;
  if (cCtrlEditVal<int32_t>* edit = FindCtrlById(m_vNumbers, kIdcWorldNo)) edit->SetValue(m_Page.m_nWorldNo);
  Pages().StoreEdited();
}

void cDlgWorldEvent::ApplyEnables() {
  ApplyTypeRule();
  for (const cCtrlEnable& enable : cWorldEventRules::Enables(m_Page))
    for (cCtrl* ctrl : m_vCtrl)
      if (ctrl->m_wId == enable.m_nId) ctrl->Enable(enable.m_bEnabled);
}

void cDlgWorldEvent::Commit() {
  StoreChange();
  ControlsToData();
  m_pOwner->Editor().CommitEventEdit(*m_pTarget, m_Event);
  Close(1);
}

void cDlgWorldEvent::PaintPreview() {
  cCtrlBitmap* preview = m_vPictures.Count() ? &m_vPictures[0].m_Ctrl : nullptr;
  if (!m_bInitialized || !preview || !preview->m_Back.Dc()) return;
  cCtrlEditVal<int32_t>* number = FindCtrlById(m_vNumbers, kIdcWorldNo);
  cCtrlCombo<int32_t>* graphic = FindCtrlById(m_vCombos, kIdcEventGraphic);
  if (!number || !graphic) return;
  int32_t x, y;
  EventSheetCell(graphic->GetCurData(), number->Value(), x, y);
  preview->m_Back.Fill(RGB(0, 0, 0));
  preview->m_Back.Blit(0, 0, kPreviewPixels, kPreviewPixels, g_aSheetCanvas[kSheetWorldEvent], x, y, 0);
  preview->Present();
}

void cDlgWorldEvent::BrowseStartStage() {
  char path[kMaxPath] = {};
  if (!OpenFileDialog(m_hWnd, path, kMaxPath, "data\\stg4", "ステージファイルの選択", kStageFilter, "stg4_*", 0,
                      nullptr))
    return;
  // A stage on another drive has no relative path and is not taken.
  if (!AssignRelativePath(m_Page.m_strStartStage, path)) return;
  if (cCtrlEditText* stage = FindCtrlById(m_vTexts, kIdcStartStage)) stage->SetText(m_Page.m_strStartStage);
  Pages().StoreEdited();
}

void cDlgWorldEvent::RenameVariable(uint16_t buttonId, uint16_t comboId) {
  cCtrlCombo<int32_t>* combo = FindCtrlById(m_vCombos, comboId);
  if (!combo) return;
  int32_t number = combo->GetCurData();
  if (!cWorldEventRules::CanRenameVariable(number)) return;
  cString name = VariableName(kVarScopeCommon, number);
  if (!RunStringInputDialog(this, m_lpManager, &name, kVariableNameLimit, 1, "変数名の入力",
                            FindCtrlById(m_vButtons, buttonId), 0))
    return;
  cWorldEventRules::RenameVariable(number, name);
  m_vCondVarItems = cWorldEventRules::CondVarRows();
  m_vVariationVarItems = cWorldEventRules::VariationVarRows();
  for (uint16_t id : {kIdcCondVar, kIdcVariationVar})
    if (cCtrlCombo<int32_t>* rows = FindCtrlById(m_vCombos, id)) rows->Refill();
}

LRESULT cDlgWorldEvent::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = WindowProc(window, message, wParam, lParam);
  if (message == WM_CLOSE) {
    Close(0);
    return 1;
  }
  if (IsRightClicked()) Pages().PopupAt(m_ptCursorScreen);
  return result;
}
