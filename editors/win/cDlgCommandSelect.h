#pragma once
// The command chooser "コマンド" (template 205): one button per character command kind. A button
// writes its kind into the command and runs that kind's dialog, whose result the chooser closes
// with; an existing command runs its kind's dialog before the chooser is ever shown. The same
// chooser serves the flows of an item's "フローの変更" command.

#include "editors/CommandChooser.h"
#include "editors/CommandEdit.h"
#include "listctrl/ListEditContext.h"
#include "ui/win/cCtrlCheck.h"
#include "ui/win/cDialog.h"

class cDlgCommand;

constexpr uint16_t kIddCommandSelect = 205;

class cDlgCommandSelect : public cDialog {
public:
  // The command list hands the command of its row (m_pElement) and the insert flag.
  cDlgCommandSelect(uint16_t templateId, cWindow* parent, int32_t kind, cListEditContext* context,
                    cModelessList* list, cCtrl* place, int32_t center);
  ~cDlgCommandSelect() override;
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnPaint() override;

private:
  cCmdEditContext m_Context;
  cCtrlGroups<cCtrlButton> m_cgButton;
  cDlgCommand* m_pDialog = nullptr;

  static cDlgCommandSelect* s_lpInstance;
};
