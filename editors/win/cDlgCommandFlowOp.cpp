#include "editors/win/cDlgCommandFlowOp.h"

#include "editors/ElementRowLabels.h"
#include "editors/FlowOpCommandRules.h"
#include "editors/ItemCommandChooser.h"
#include "editors/win/PageSupport.h"
#include "editors/win/cDlgCond.h"
#include "editors/win/cFlowEditPage.h"
#include "stage/cStageEditState.h"

cDlgCommandFlowOp* cDlgCommandFlowOp::s_lpInstance = nullptr;
cDlgItemFlowOp* cDlgItemFlowOp::s_lpInstance = nullptr;

namespace {
// The list's own ids of insert-then-edit: the key Ctrl+I and the popup menu's "新規挿入".
const uint16_t kCondInsertIds[2] = {40033, 40042};
constexpr int32_t kCondListKindFlowOp = 2;
}  // namespace

// "フローの操作".

cDlgCommandFlowOp::cDlgCommandFlowOp(const cCmdDialogDesc& desc, cWindow* parent, const cCmdEditContext* context,
                                     cModelessList* list, cCtrl* anchor)
    : cDlgCommand(desc, parent, kKindDialog, context, list, anchor) {
  s_lpInstance = this;
  m_lpfnProc = Proc;
  // A command of this kind holds its condition list; one read from a damaged file gets an empty
  // one, stored on OK.
  cCommandData& shown = m_Model.Work();
  if (!shown.m_pCondList) shown.m_pCondList.Create();
  m_cgCondList.m_Param.Set(desc.m_nCondList, nullptr, &shown.m_pCondList->m_vCond, nullptr, SelfCondRowLabel,
                           kListConditions.m_Shape);
  m_CondContext.m_anPage[0] = kCondListKindFlowOp;
}

cDlgCommandFlowOp::~cDlgCommandFlowOp() {
  if (s_lpInstance == this) s_lpInstance = nullptr;
}

INT_PTR CALLBACK cDlgCommandFlowOp::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
}

void cDlgCommandFlowOp::InitDialog() {
  cDlgCommand::InitDialog();
  AttachCtrlGroup(m_cgCondList);
  CondList().SetInstanceIds(kListConditions);
  ReloadList(CondList());
}

int cDlgCommandFlowOp::DialogCommand(WPARAM wParam) {
  int done = RouteListCommand(*this, CondList(), kListConditions, kCondInsertIds, wParam, m_pCondDialog,
                              &m_CondContext, 0);
  if (done == kListUntouched) return cDlgCommand::DialogCommand(wParam);
  if (done == kListChanged) RefillList(CondList());
  return 1;
}

void cDlgCommandFlowOp::OnCommand(WPARAM wParam, LPARAM lParam) {
  cDlgCommand::OnCommand(wParam, lParam);
  // The framework held the list's drawing while it routed the command.
  RedrawList();
}

LRESULT cDlgCommandFlowOp::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = cDlgCommand::OnMessage(window, message, wParam, lParam);
  if (m_bInitialized && IsRightClicked()) CondList().PopupAt(m_ptCursorScreen);
  return result;
}

// "フローの変更".

cDlgItemFlowOp::cDlgItemFlowOp(const cCmdDialogDesc& desc, cWindow* parent, const cCmdEditContext* context,
                               cModelessList* list, cCtrl* anchor)
    : cDlgCommand(desc, parent, kKindDialog, context, list, anchor) {
  s_lpInstance = this;
  m_lpfnProc = Proc;
}

cDlgItemFlowOp::~cDlgItemFlowOp() {
  if (s_lpInstance == this) s_lpInstance = nullptr;
}

INT_PTR CALLBACK cDlgItemFlowOp::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
}

int cDlgItemFlowOp::DialogCommand(WPARAM wParam) {
  if (LOWORD(wParam) != kIdcItemFlowSetting || HIWORD(wParam) != BN_CLICKED) return cDlgCommand::DialogCommand(wParam);
  EditNestedFlows();
  return 1;
}

void cDlgItemFlowOp::EditNestedFlows() {
  // The flow editor reads the operation and the ID as the controls show them now.
  ControlsToData();
  BeginItemFlowSetting(*m_Model.Context().m_pCommand, m_Model.Work(), g_StageEditState);
  RunFlowDataDialog(this, m_lpManager);
  EndItemFlowSetting(g_StageEditState);
}
