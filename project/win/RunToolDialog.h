#pragma once
// How the stage editor window runs the option dialogs and the bitmap tool: made in the window's
// slot, run modally with every other registered window disabled, and deleted.

#include <new>

#include "app/MessageBox.h"
#include "app/Utility.h"
#include "ui/win/cDialog.h"

// The dialog's result; 0 without memory for it (after the message).
template <class Dlg>
int RunToolDialog(Dlg*& slot, cWindow* owner, cModelessList* list) {
  SafeDelete(slot);
  slot = new (std::nothrow) Dlg(owner, list);
  if (!slot) {
    OutOfMemory();
    return 0;
  }
  int result = static_cast<int>(slot->DoModal(kRunDisableOthers));
  SafeDelete(slot);
  return result;
}
