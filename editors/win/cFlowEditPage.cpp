#include "editors/win/cFlowEditPage.h"

#include <new>

#include "editors/ElementRowLabels.h"
#include "editors/win/PageSupport.h"
#include "editors/win/cDlgCommandSelect.h"
#include "editors/win/cDlgCond.h"
#include "editors/win/cDlgKeyCond.h"
#include "stage/cStageEditState.h"

cFlowEditPage* cFlowEditPage::s_lpInstance = nullptr;

namespace {
// The page's own ids of paste (menu item, key).
const uint16_t kFlowPasteIds[2] = {40040, 40007};
const uint16_t kCommandPasteIds[2] = {40117, 40096};
constexpr int kCondListKindFlow = 1;

bool IsOneOf(uint16_t id, const uint16_t (&ids)[2]) { return id == ids[0] || id == ids[1]; }

bool FlowsInherited(const cEdChara& chara) {
  return kFlowInheritGroup < chara.m_bbInherit.Count() && chara.m_bbInherit[kFlowInheritGroup] != 0;
}
}  // namespace

cFlowEditPage::cFlowEditPage(cWindow* parent, cModelessList* list, cCharaDataSheet* sheet)
    : cCharaPage(kIddFlowEdit, parent, list, sheet, kCharaPageFlow) {
  s_lpInstance = this;
  m_lpfnProc = Proc;
  m_nMode = sheet ? kFlowModeSheet : kFlowModeStandalone;
  if (!sheet && g_StageEditState.m_pEditFlows) Chara().m_vFlow = *g_StageEditState.m_pEditFlows;
  EnsureFlow(Chara());
  AddFields(m_Ctrls, kFlowTextFields, m_EditFlow);
  AddFields(m_Ctrls, kFlowComboFields, m_EditFlow);
  AddFields(m_Ctrls, kFlowCheckFields, m_EditFlow);
  AddFields(m_Ctrls, kFlowNumFields, m_EditFlow);
  AddCtrlGroup(m_Ctrls.m_vChecks, kIdcFlowInherit, MemoryRef(&Chara().m_bbInherit[kFlowInheritGroup], 1));
  m_cgFlowList.m_Param.Set(kIdcFlowList, nullptr, &Chara().m_vFlow, &m_EditFlow, FlowRowLabel, kListFlows.m_Shape);
  m_cgCondList.m_Param.Set(kIdcFlowCondList, nullptr, &m_EditFlow.m_vCond, nullptr, SelfCondRowLabel,
                           kListFlowConditions.m_Shape);
  m_cgKeyCondList.m_Param.Set(kIdcFlowKeyList, nullptr, &m_EditFlow.m_vKeyCond, nullptr, KeyCondRowLabel,
                              kListKeyConditions.m_Shape);
  m_cgCommandList.m_Param.Set(kIdcFlowCommandList, nullptr, &m_EditFlow.m_vCommand, nullptr, CommandRowLabel,
                              kListFlowCommands.m_Shape);
  m_CondContext.m_anPage[0] = kCondListKindFlow;
}

cFlowEditPage::~cFlowEditPage() {
  if (s_lpInstance == this) s_lpInstance = nullptr;
}

INT_PTR CALLBACK cFlowEditPage::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
}

cFlowEditPage* cFlowEditPage::Standalone() {
  return s_lpInstance && s_lpInstance->m_nMode == kFlowModeStandalone ? s_lpInstance : nullptr;
}

void cFlowEditPage::InitPage() {
  if (m_nMode == kFlowModeStandalone) SetWindowTextA(m_hWnd, kFlowDataTitle);
  AttachCtrlGroup(m_cgFlowList);
  AttachCtrlGroup(m_cgCondList);
  AttachCtrlGroup(m_cgKeyCondList);
  AttachCtrlGroup(m_cgCommandList);
  FlowList().SetInstanceIds(kListFlows);
  CondList().SetInstanceIds(kListFlowConditions);
  KeyCondList().SetInstanceIds(kListKeyConditions);
  CommandList().SetInstanceIds(kListFlowCommands);
  FlowList().m_vCopyBuf = g_StageEditState.m_vFlowClipboard;
  CondList().m_vCopyBuf = g_StageEditState.m_vFlowCondClipboard;
  KeyCondList().m_vCopyBuf = g_StageEditState.m_vKeyCondClipboard;
  CommandList().m_vCopyBuf = g_StageEditState.m_vCommandClipboard;
  ReloadList(FlowList());
  ShowSelectedFlow();
}

void cFlowEditPage::StoreBuffers() {
  g_StageEditState.m_vFlowClipboard = FlowList().m_vCopyBuf;
  g_StageEditState.m_vFlowCondClipboard = CondList().m_vCopyBuf;
  g_StageEditState.m_vKeyCondClipboard = KeyCondList().m_vCopyBuf;
  g_StageEditState.m_vCommandClipboard = CommandList().m_vCopyBuf;
}

void cFlowEditPage::ShowSelectedFlow() {
  ReloadList(CondList());
  ReloadList(KeyCondList());
  ReloadList(CommandList());
}

void cFlowEditPage::ValueRules(uint16_t id) {
  bool inherited = m_nMode == kFlowModeSheet && FlowsInherited(Chara());
  if (id == kIdcFlowInherit && inherited) {
    // The source's flows replace the character's.
    Chara().ApplyInheritance();
    ReloadList(FlowList());
    ShowSelectedFlow();
    return;
  }
  ApplyTriggerRule(m_EditFlow, inherited);
  FlowList().StoreEdited();
}

void cFlowEditPage::PageStates(cCtrlStates& states) {
  cFlowPageView view;
  view.m_nMode = m_nMode;
  view.m_nFlowOperation = g_StageEditState.m_nFlowOperation;
  view.m_Page = View();
  FlowPageStates(m_EditFlow, Chara(), view, states);
}

int cFlowEditPage::RouteFlowList(WPARAM wParam) {
  int done = RouteListCommand(*this, FlowList(), kListFlows, nullptr, wParam, m_pNoDialog, nullptr, 0);
  if (done == kListUntouched) return 0;
  if (done == kListChanged && IsOneOf(LOWORD(wParam), kFlowPasteIds)) {
    for (cFlowData& flow : Chara().m_vFlow) flow.ValidatePaletteRefs();
    m_EditFlow.ValidatePaletteRefs();
    RefillList(FlowList());
  }
  ShowSelectedFlow();
  Refresh(0, nullptr);
  return 1;
}

int cFlowEditPage::RouteInnerLists(WPARAM wParam) {
  int done = RouteListCommand(*this, CondList(), kListFlowConditions, kFlowCondInsertIds, wParam, m_pCondChooser,
                              &m_CondContext, 0);
  if (done == kListUntouched)
    done = RouteListCommand(*this, KeyCondList(), kListKeyConditions, kFlowKeyCondInsertIds, wParam, m_pKeyCondDialog,
                            &m_KeyCondContext, 0);
  if (done == kListUntouched) {
    done = RouteListCommand(*this, CommandList(), kListFlowCommands, kFlowCommandInsertIds, wParam, m_pCommandChooser,
                            &m_CommandContext, 1);
    if (done == kListChanged && IsOneOf(LOWORD(wParam), kCommandPasteIds)) {
      for (cCommandData& command : m_EditFlow.m_vCommand) command.ValidatePaletteRefs();
      m_EditFlow.ValidatePaletteRefs();
      RefillList(CommandList());
    }
  }
  if (done == kListChanged) FlowList().StoreEdited();
  return done != kListUntouched;
}

int cFlowEditPage::PageCommand(WPARAM wParam) {
  uint16_t id = LOWORD(wParam);
  if (m_nMode == kFlowModeStandalone && (id == kIdcOk || id == kIdcCancel)) {
    if (id == kIdcOk) {
      StoreControls();
      FlowList().StoreEdited();
      if (g_StageEditState.m_pEditFlows) *g_StageEditState.m_pEditFlows = Chara().m_vFlow;
    }
    Close(id == kIdcOk ? 1 : 0);
    return 1;
  }
  return RouteFlowList(wParam) || RouteInnerLists(wParam);
}

void cFlowEditPage::OnSheetNotify(UINT code) {
  if (code != static_cast<UINT>(PSN_SETACTIVE)) return;
  RefillList(FlowList());
  FlowList().LoadSelected();
  ShowSelectedFlow();
}

void cFlowEditPage::AfterStep() {
  ReloadList(FlowList());
  ShowSelectedFlow();
}

LRESULT cFlowEditPage::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY && m_bInitialized) StoreBuffers();
  LRESULT result = cCharaPage::OnMessage(window, message, wParam, lParam);
  // The lists are tried in order; the first with a row under the cursor shows its menu.
  if (m_bInitialized && IsRightClicked()) {
    POINT at = m_ptCursorScreen;
    if (!FlowList().PopupAt(at) && !CondList().PopupAt(at) && !KeyCondList().PopupAt(at)) CommandList().PopupAt(at);
  }
  return result;
}

int RunFlowDataDialog(cWindow* parent, cModelessList* list) {
  cFlowEditPage* page = new (std::nothrow) cFlowEditPage(parent, list, nullptr);
  if (!page) {
    OutOfMemory();
    return 0;
  }
  INT_PTR result = page->DoModal(0);
  delete page;
  return result == 1 ? 1 : 0;
}
