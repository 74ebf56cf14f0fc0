#pragma once
// A dialog or page whose enable rules are portable functions (editors/CtrlStates.h): the rules
// read what it shows through cShownCtrls, and their decisions go to its bound controls.

#include "editors/CtrlStates.h"
#include "ui/win/cDialog.h"

class cRuleDialog : public cDialog, public cShownCtrls {
public:
  using cDialog::cDialog;

  int Checked(uint16_t id) const override;
  int Row(uint16_t id) const override;
  // A decision about a control the dialog did not bind changes nothing.
  void ApplyStates(const cCtrlStates& states);

private:
  cCtrl* FindBound(uint16_t id) const;
};
