#pragma once
// The flow editor page (template 201): a character's flows with, for the flow shown, its basic
// conditions, key conditions and commands. The fourth page of the character data sheet, or alone
// the modal "フローデータ" over the flows nested in an item's "フローの変更" command
// (m_pEditFlows of the edit state), which OK writes back.

#include "editors/FlowPageRules.h"
#include "editors/win/cCharaDataSheet.h"
#include "listctrl/win/cCtrlList.h"

class cDlgCommandSelect;
class cDlgCondKind;
class cDlgKeyCond;

constexpr const char* kFlowDataTitle = "フローデータ";

class cFlowEditPage : public cCharaPage {
public:
  // With a sheet: its fourth page. Without: the flows of m_pEditFlows, run by RunFlowDataDialog.
  cFlowEditPage(cWindow* parent, cModelessList* list, cCharaDataSheet* sheet);
  ~cFlowEditPage() override;
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

  int Mode() const { return m_nMode; }
  const cFlowData& ShownFlow() const { return m_EditFlow; }
  cCtrlList<cFlowData>& FlowList() { return m_cgFlowList.m_Ctrl; }
  cCtrlList<cCondData>& CondList() { return m_cgCondList.m_Ctrl; }
  cCtrlList<cKeyCondData>& KeyCondList() { return m_cgKeyCondList.m_Ctrl; }
  cCtrlList<cCommandData>& CommandList() { return m_cgCommandList.m_Ctrl; }
  // The page running alone, or null.
  static cFlowEditPage* Standalone();

protected:
  void InitPage() override;
  void ValueRules(uint16_t id) override;
  void PageStates(cCtrlStates& states) override;
  int PageCommand(WPARAM wParam) override;
  void OnSheetNotify(UINT code) override;
  void AfterStep() override;

private:
  // The flow of the selected row in the fields and the three inner lists.
  void ShowSelectedFlow();
  int RouteFlowList(WPARAM wParam);
  int RouteInnerLists(WPARAM wParam);
  void StoreBuffers();

  int32_t m_nMode = kFlowModeSheet;
  cFlowData m_EditFlow;
  cCtrlGroup<cCtrlList<cFlowData>> m_cgFlowList;
  cCtrlGroup<cCtrlList<cCondData>> m_cgCondList;
  cCtrlGroup<cCtrlList<cKeyCondData>> m_cgKeyCondList;
  cCtrlGroup<cCtrlList<cCommandData>> m_cgCommandList;
  cListEditContext m_CondContext;
  cListEditContext m_KeyCondContext;
  cListEditContext m_CommandContext;
  cDialog* m_pNoDialog = nullptr;  // the flow list edits no row in a dialog
  cDlgCondKind* m_pCondChooser = nullptr;
  cDlgKeyCond* m_pKeyCondDialog = nullptr;
  cDlgCommandSelect* m_pCommandChooser = nullptr;

  static cFlowEditPage* s_lpInstance;
};

// Runs the page alone, modal, over *m_pEditFlows of the edit state (the caller sets it, and the
// operation, before and clears it after): 1 after OK (the flows written back), 0 after cancel, the
// close box or an allocation failure.
int RunFlowDataDialog(cWindow* parent, cModelessList* list);
