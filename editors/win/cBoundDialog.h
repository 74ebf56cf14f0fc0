#pragma once
// A modal dialog of the element editors over one record: its controls bound from field tables to
// a copy of the record, the rules of the dialog run after every change of a bound control, OK
// storing every control and accepting, "ｷｬﾝｾﾙ" and the close box closing with 0.

#include "editors/CtrlStates.h"
#include "editors/win/BoundCtrls.h"
#include "ui/win/cDialog.h"

class cBoundDialog : public cDialog {
public:
  cBoundDialog(uint16_t templateId, cWindow* parent, cModelessList* list, cCtrl* place, int32_t center);

  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
  // After the groups are attached: rows given at run time.
  virtual void InitDialog() {}
  // The value rules on the shown record after a change of the control changed (0: a refresh of
  // the whole dialog), and the states of the controls.
  virtual void Rules(uint16_t changed, cCtrlStates& states) = 0;
  // A command of the dialog's own: 1 when it handled it.
  virtual int DialogCommand(WPARAM) { return 0; }
  // OK after the controls were stored: 1 when the record was accepted (the dialog closes with 1).
  virtual int Accept() = 0;
  // Stores the controls when asked, runs the rules and shows the result; the control being typed
  // into keeps its text.
  void Refresh(int store, const cCtrl* changed);

  cBoundCtrls m_Ctrls;

private:
  int32_t m_bRefreshing = 0;
};
