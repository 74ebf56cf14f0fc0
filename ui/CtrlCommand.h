#pragma once
// The kinds of bound control and which notification of a dialog command counts for each.

#include <cstdint>

enum : int32_t {
  kCtrlStatic = 0,
  kCtrlButton = 1,
  kCtrlEditVal = 2,
  kCtrlEditText = 3,
  kCtrlBitmap = 4,
  kCtrlCheck = 5,
  kCtrlCombo = 7,
  kCtrlList = 8,
  kCtrlSpin = 9,
  kCtrlSlider = 10,
  kCtrlScroll = 11,
};

// 1 when a command (wParam of WM_COMMAND: id in the low word, notification in the high word) is
// the change of an item of that kind and id: a click of a button or check box, a changed edit, a
// new selection in a combo or list box.
int MatchCommand(int32_t kind, uint16_t id, uint32_t wParam);
