#include "editors/win/cDlgCond.h"

#include <new>

#include "app/MessageBox.h"
#include "app/Utility.h"
#include "app/cShellSeam.h"
#include "editors/VariableRename.h"
#include "editors/win/PageSupport.h"
#include "editors/win/cBlockDataSheet.h"
#include "editors/win/cCharaDataSheet.h"
#include "editors/win/cItemDataSheet.h"
#include "editors/win/cFlowEditPage.h"
#include "model/VariableNames.h"
#include "stage/cStageEditState.h"
#include "stage/win/FieldBinding.h"
#include "ui/win/cValueInputDlg.h"

cDlgCondKind* cDlgCondKind::s_lpInstance = nullptr;
cDlgCond* cDlgCond::s_lpInstance = nullptr;

namespace {
constexpr const char* kRenameTitle = "変数名の入力";
constexpr int32_t kVariableNameLimit = 12;
enum : uint16_t { kIdcCommonVar = 1045, kIdcStageVar = 1049, kIdcStatus3Subject = 11174 };

// The list a kind dialog is placed by, from the data sheet in use; null for a sheet whose lists
// are not there (the chooser's own list places it then).
cCtrl* AnchorList(int anchor) {
  cCharaDataSheet* sheet = g_StageEditState.m_pCharaSheet;
  cBlockDataSheet* blocks = g_StageEditState.m_pBlockSheet;
  cItemDataSheet* items = g_StageEditState.m_pItemSheet;
  switch (anchor) {
    case kCondAnchorBlockPage: return blocks && blocks->BlockPage() ? &blocks->BlockPage()->CondList() : nullptr;
    case kCondAnchorItemPage: return items && items->Page1() ? &items->Page1()->CondList() : nullptr;
    case kCondAnchorCharaBasicPage: return sheet ? &sheet->Basic()->CondList() : nullptr;
    case kCondAnchorCharaFlowPage: return sheet && sheet->FlowPage() ? &sheet->FlowPage()->CondList() : nullptr;
    case kCondAnchorItemFlowPage: return cFlowEditPage::Standalone() ? &cFlowEditPage::Standalone()->CondList() : nullptr;
    default: return nullptr;
  }
}
}  // namespace

// The chooser.

cDlgCondKind::cDlgCondKind(uint16_t templateId, cWindow* parent, int32_t, cListEditContext* context,
                           cModelessList* list, cCtrl* place, int32_t center)
    : cDialog(templateId, parent, kKindDialog, list, place, center) {
  s_lpInstance = this;
  m_lpfnProc = Proc;
  m_Context.m_pCond = static_cast<cCondData*>(context->m_pElement);
  m_Context.m_bNew = context->m_bInsert;
  m_Context.m_nListKind = context->m_anPage[0];
  for (int kind = 1; kind < kCondKindCount; ++kind) AddCtrlGroup(m_vButtons, kCondKindEntries[kind].m_nButton);
}

cDlgCondKind::~cDlgCondKind() {
  if (s_lpInstance == this) s_lpInstance = nullptr;
}

INT_PTR CALLBACK cDlgCondKind::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
}

void cDlgCondKind::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  AttachCtrlGroups(m_vButtons);
  cCtrlStates states;
  CondChooserStates(m_Context.m_nListKind, g_StageEditState.m_nLayer, states);
  ApplyCtrlStates(*this, states);
  // An existing row opens its kind's dialog before the chooser is ever shown.
  if (!m_Context.m_bNew)
    if (uint16_t button = CondKindButton(m_Context.m_pCond->m_cKind)) SendMessageA(m_hWnd, WM_COMMAND, button, 0);
  m_bInitialized = 1;
}

void cDlgCondKind::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!AcceptCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  auto run = [this](int kind, uint16_t templateId, int anchor) { return RunKindDialog(kind, templateId, anchor); };
  int result = PressCondKindButton(*m_Context.m_pCond, LOWORD(wParam), CurrentOpenSheets(), run);
  if (result >= 0) Close(result);
}

LRESULT cDlgCondKind::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = WindowProc(window, message, wParam, lParam);
  if (message == WM_CLOSE) {
    Close(0);
    result = 1;
  }
  if (result && m_lpParentClass) m_lpParentClass->RedrawList();
  return result;
}

int cDlgCondKind::RunKindDialog(int kind, uint16_t templateId, int anchor) {
  cCtrl* place = AnchorList(anchor);
  if (!place) place = m_lpPlaceCtrl;
  switch (kind) {
    case kCondStatus: m_pKindDialog = new (std::nothrow) cDlgCondStatus(templateId, this, &m_Context, m_lpManager, place); break;
    case kCondStatus2: m_pKindDialog = new (std::nothrow) cDlgCondStatus2(templateId, this, &m_Context, m_lpManager, place); break;
    default: m_pKindDialog = new (std::nothrow) cDlgCond(templateId, this, &m_Context, m_lpManager, place); break;
  }
  if (!m_pKindDialog) {
    OutOfMemory();
    return 0;
  }
  INT_PTR result = m_pKindDialog->DoModal(0);
  SafeDelete(m_pKindDialog);
  return result == 1 ? 1 : 0;
}

// Kinds 1, 2, 3, 6 and 7.

cDlgCond::cDlgCond(uint16_t templateId, cWindow* parent, const cCondEditContext* context, cModelessList* list,
                   cCtrl* place)
    : cBoundDialog(templateId, parent, list, place, 1), m_Edit(*context), m_nKind(context->m_pCond->m_cKind) {
  s_lpInstance = this;
  m_lpfnProc = Proc;
  if (m_nKind <= 0 || m_nKind >= kCondKindCount) return;
  const cDlgCondKindEntry& entry = kCondKindEntries[m_nKind];
  AddFields(m_Ctrls, entry.m_pNum, entry.m_nNum, m_Edit.Work());
  AddFields(m_Ctrls, entry.m_pCombo, entry.m_nCombo, m_Edit.Work());
  AddFields(m_Ctrls, entry.m_pCheck, entry.m_nCheck, m_Edit.Work());
}

cDlgCond::~cDlgCond() {
  if (s_lpInstance == this) s_lpInstance = nullptr;
}

INT_PTR CALLBACK cDlgCond::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
}

void cDlgCond::InitDialog() {
  // Rows given at run time; the ids mean other controls in the other kinds' templates.
  if (m_nKind == kCondCommonVar) m_Ctrls.Combo(kIdcCommonVar)->SetRows(VariableRows(kVarScopeCommon));
  if (m_nKind == kCondStageVar) m_Ctrls.Combo(kIdcStageVar)->SetRows(VariableRows(kVarScopeStage));
  if (m_nKind == kCondStatus3) {
    cVector<cString> names;
    BuildSubjectNames(names, 0, CurrentOpenSheets());
    m_Ctrls.Combo(kIdcStatus3Subject)->SetRows(names);
  }
}

void cDlgCond::Rules(uint16_t, cCtrlStates& states) {
  if (m_nKind == kCondDistance) DistanceCondStates(m_Edit.Work(), states);
}

int cDlgCond::DialogCommand(WPARAM wParam) {
  if (LOWORD(wParam) != kIdcCondRename || HIWORD(wParam) != BN_CLICKED) return 0;
  if (m_nKind == kCondCommonVar) Rename(kIdcCondRename, kIdcCommonVar, kVarScopeCommon, kRenameCommonVarCond);
  if (m_nKind == kCondStageVar) Rename(kIdcCondRename, kIdcStageVar, kVarScopeStage, kRenameStageVarCond);
  return 1;
}

void cDlgCond::Rename(uint16_t button, uint16_t picker, int scope, int site) {
  cCtrlChoice* combo = m_Ctrls.Combo(picker);
  cString* name = combo ? VariableNameSlot(scope, combo->Value()) : nullptr;
  if (!name) {
    Shell().Beep();
    return;
  }
  cCtrl place;
  place.Attach(this, button);
  if (!RunStringInputDialog(this, m_lpManager, name, kVariableNameLimit, 1, kRenameTitle, &place, 1)) return;
  combo->SetRows(VariableRows(scope));
  FinishVariableRename(site, scope);
}

int cDlgCond::Accept() {
  m_Edit.Ok();
  return 1;
}

// Kind 4.

cDlgCondStatus::cDlgCondStatus(uint16_t templateId, cWindow* parent, const cCondEditContext* context,
                               cModelessList* list, cCtrl* place)
    : cDlgCond(templateId, parent, context, list, place) {
  AddFields(m_Ctrls, kStatusCondCombos, m_Edit.Work());
  AddFields(m_Ctrls, kStatusCondNums, m_Edit.Work());
  AddFields(m_Ctrls, kStatusCondChecks, m_Edit.Work());
  BuildSubjectNames(m_vSubjects, 1, CurrentOpenSheets());
}

void cDlgCondStatus::InitDialog() {
  for (uint16_t id : {kIdcStatSubject, kIdcStatRightSubject})
    if (cCtrlChoice* subjects = m_Ctrls.Combo(id)) subjects->SetRows(m_vSubjects);
}

void cDlgCondStatus::FillRows() {
  const cCondData& shown = m_Edit.Work();
  if (cCtrlChoice* status = m_Ctrls.Combo(kIdcStatStatus)) status->SetRows(StatusRows(shown.m_cSubject));
  if (cCtrlChoice* status = m_Ctrls.Combo(kIdcStatRightStatus)) status->SetRows(StatusRows(shown.m_cRightSubject));
  // The variable rows are rebuilt only when the picker lists other variables.
  int left = LeftVarPicker(shown), right = RightVarPicker(shown);
  if (left != m_nLeftPicker)
    if (cCtrlChoice* picker = m_Ctrls.Combo(kIdcStatLeftVar)) picker->SetRows(VarPickerRows(left));
  if (right != m_nRightPicker)
    if (cCtrlChoice* picker = m_Ctrls.Combo(kIdcStatRightVar)) picker->SetRows(VarPickerRows(right));
  m_nLeftPicker = left;
  m_nRightPicker = right;
}

void cDlgCondStatus::Rules(uint16_t changed, cCtrlStates& states) {
  cCondData& shown = m_Edit.Work();
  FillRows();
  StatusCondStates(shown, states);
  if (changed == 0 || changed == kIdcStatStatus)
    ApplyLeftStatus(shown, m_Limits, states, g_StatusCondMemory.NoteLeftStatus(shown.m_cStatus, m_bInitialized));
}

int cDlgCondStatus::DialogCommand(WPARAM wParam) {
  uint16_t id = LOWORD(wParam);
  if ((id != kIdcStatLeftRename && id != kIdcStatRightRename) || HIWORD(wParam) != BN_CLICKED) return 0;
  ControlsToData();
  const cCondData& shown = m_Edit.Work();
  bool left = id == kIdcStatLeftRename;
  int scope = left ? shown.m_cLeftScope : shown.m_cRightScope;
  Rename(id, left ? kIdcStatLeftVar : kIdcStatRightVar, scope, kRenameStatusCond);
  return 1;
}

// Kind 5.

cDlgCondStatus2::cDlgCondStatus2(uint16_t templateId, cWindow* parent, const cCondEditContext* context,
                                 cModelessList* list, cCtrl* place)
    : cDlgCond(templateId, parent, context, list, place) {
  AddFields(m_Ctrls, kStatus2CondCombos, m_Edit.Work());
}

void cDlgCondStatus2::InitDialog() {
  cVector<cString> subjects;
  BuildSubjectNames(subjects, 1, CurrentOpenSheets());
  if (cCtrlChoice* combo = m_Ctrls.Combo(kIdcStat2Subject)) combo->SetRows(subjects);
}

void cDlgCondStatus2::FillRows() {
  const cCondData& shown = m_Edit.Work();
  cVector<cString> rows;
  int32_t offset = 0;
  if (Status2StatusRows(shown.m_cSubject, rows, offset))
    if (cCtrlChoice* status = m_Ctrls.Combo(kIdcStat2Status)) status->SetRows(rows, offset);
  if (Status2OptionRows(shown.m_cSubject, shown.m_cStatus, rows, offset))
    if (cCtrlChoice* option = m_Ctrls.Combo(kIdcStat2Option)) option->SetRows(rows, offset);
}

void cDlgCondStatus2::Rules(uint16_t changed, cCtrlStates&) {
  if (changed == kIdcStat2Subject) FitStatus2(m_Edit.Work());
  FillRows();
}
