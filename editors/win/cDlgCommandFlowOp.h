#pragma once
// The two flow-operation dialogs, which have more than their description: "フローの操作"
// (cDlgCommandFlowOp, template 225) edits the command's own conditions in a full condition list
// (insert, edit, delete, cut, copy, paste, keys and popup menu) with the condition dialogs; the
// item command "フローの変更" (cDlgItemFlowOp, template 217) opens the flow editor alone on the
// flows nested in the command from "フローの設定".

#include "editors/win/cDlgCommand.h"
#include "listctrl/ListEditContext.h"
#include "listctrl/win/cCtrlList.h"
#include "model/cCondData.h"

class cDlgCondKind;

class cDlgCommandFlowOp : public cDlgCommand {
public:
  cDlgCommandFlowOp(const cCmdDialogDesc& desc, cWindow* parent, const cCmdEditContext* context,
                    cModelessList* list, cCtrl* anchor);
  ~cDlgCommandFlowOp() override;
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

  cCtrlList<cCondData>& CondList() { return m_cgCondList.m_Ctrl; }

protected:
  void InitDialog() override;
  int DialogCommand(WPARAM wParam) override;

private:
  // The list edits the shown copy's conditions, which OK stores with the rest.
  cCtrlGroup<cCtrlList<cCondData>> m_cgCondList;
  cListEditContext m_CondContext;
  cDlgCondKind* m_pCondDialog = nullptr;

  static cDlgCommandFlowOp* s_lpInstance;
};

class cDlgItemFlowOp : public cDlgCommand {
public:
  cDlgItemFlowOp(const cCmdDialogDesc& desc, cWindow* parent, const cCmdEditContext* context, cModelessList* list,
                 cCtrl* anchor);
  ~cDlgItemFlowOp() override;
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

protected:
  int DialogCommand(WPARAM wParam) override;

private:
  // "フローの設定": the flow editor alone over the command's nested flows, which it writes into the
  // command itself on its own OK.
  void EditNestedFlows();

  // Its own instance: the flow editor it opens can run a command dialog of the base class.
  static cDlgItemFlowOp* s_lpInstance;
};
