#pragma once
// The command choosers "コマンド": the character command chooser (template 205) and the item
// effect command chooser (template 216), one button per command kind of their set. A button writes
// its kind into the command and runs that kind's dialog, whose result the chooser closes with; an
// existing command runs its kind's dialog before the chooser is ever shown. The character chooser
// also serves the flows of an item's "フローの変更" command.

#include "editors/CommandChooser.h"
#include "editors/CommandEdit.h"
#include "listctrl/ListEditContext.h"
#include "ui/win/cCtrlCheck.h"
#include "ui/win/cDialog.h"

class cDlgCommand;

constexpr uint16_t kIddCommandSelect = 205;

// What the two choosers share; each keeps its own live instance, as one can run inside the other's
// dialogs.
class cCmdChooser : public cDialog {
public:
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnPaint() override;

protected:
  // The command list hands the command of its row (m_pElement) and the insert flag.
  cCmdChooser(const cCmdSelectTable& table, uint16_t templateId, cWindow* parent, cListEditContext* context,
              cModelessList* list, cCtrl* place, int32_t center);
  // A press of a button: the kind's dialog's result, -1 for a button that offers no kind.
  virtual int Press(uint16_t button);
  // Runs the dialog of a kind of the chooser's set over the command; its result.
  int RunKind(int kind);

  const cCmdSelectTable& m_Table;
  cCmdEditContext m_Context;
  cCtrlGroups<cCtrlButton> m_cgButton;
  cDlgCommand* m_pDialog = nullptr;
};

class cDlgCommandSelect : public cCmdChooser {
public:
  cDlgCommandSelect(uint16_t templateId, cWindow* parent, int32_t kind, cListEditContext* context,
                    cModelessList* list, cCtrl* place, int32_t center);
  ~cDlgCommandSelect() override;
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
  static cDlgCommandSelect* s_lpInstance;
};

// The item effect command chooser, run by the effect command list of the item sheet's second page.
class cDlgItemCommandSelect : public cCmdChooser {
public:
  cDlgItemCommandSelect(uint16_t templateId, cWindow* parent, int32_t kind, cListEditContext* context,
                        cModelessList* list, cCtrl* place, int32_t center);
  ~cDlgItemCommandSelect() override;
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

protected:
  // RunItemCommandDialog: with no item sheet in use no dialog is made and the result is 0, so that
  // the page removes the row it inserted.
  int Press(uint16_t button) override;

private:
  static cDlgItemCommandSelect* s_lpInstance;
};
