#pragma once
// The modeless dialogs and property sheets of the program. They run no message loop of their own:
// the main loop offers every message here first, for their accelerators and dialog navigation, and
// ends the sheets that the user has closed.

#include <windows.h>

#include "app/cVector.h"

class cDialog;
class cPropSheet;

struct cSheetEntry {
  cPropSheet* m_lpKey = nullptr;
  cPropSheet** m_lppOwner = nullptr;  // the owner's pointer, cleared when the list deletes the sheet
};

class cModelessList {
public:
  void AddWindow(cDialog* dialog);
  // 1 when the window was registered under that pointer (and is no longer), 0 otherwise.
  int RemoveWindow(void* registered);
  void AddSheet(cPropSheet* sheet, cPropSheet** owner);
  int RemoveSheet(const cPropSheet* key);
  // 1 when the message was consumed: the loop then neither translates nor dispatches it.
  int PreTranslateMessage(MSG* message);
  void ShowAll(int flag);
  void EnableAll(int flag);
  // Each registered window's OnIdle, in registration order.
  void IdleAll();
  int IsRegistered(const cDialog* dialog) const;

  cList<cDialog*> m_Windows;
  cList<cSheetEntry> m_Sheets;

private:
  int TranslateAccelerators(MSG* message);
  int EndFinishedSheet();
};

extern cModelessList g_ModelessList;
