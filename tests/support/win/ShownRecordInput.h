#pragma once
// What the rows of a shown-record table do on a window: fill a text field to its full length, edit
// a text as a user and leave it as it was, click an item, dismiss a list row's popup menu, and run
// a modal dialog whose showing and store are steps added by the row.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "app/cString.h"
#include "tests/support/win/ShownRecordTable.h"

class cModelessList;

// A text of a field's full length ending in an ASCII character, which RetypeLastChar can take back
// and type again; wide (a double-byte character) fills the rest when the length counts
// characters, else 'a' does.
cString FullText(const char* wide, int length, int charMode);
// The user's edit of a text that leaves it as it was: its last character (an ASCII one) deleted
// and typed again with real keys.
void RetypeLastChar(HWND dialog, int id, cModelessList* list = nullptr);
// A real click on the middle of a dialog's item.
void ClickItem(HWND dialog, int id, cModelessList* list = nullptr);
// A real click on the middle of a property sheet's tab.
void ClickSheetTab(HWND sheet, int tab, cModelessList* list = nullptr);
// A right click on a list box's row whose popup menu the user leaves with Escape.
void DismissPopupOnRow(HWND dialog, int listId, int row, cModelessList* list = nullptr);

// A modal dialog run by a table row: each showing and the store add what the user does while it
// runs, and the store runs it; its last step (OK) ends the run.
class cModalScript {
public:
  void Reset() { m_vSteps.clear(); }
  cShownRecordStep Step(std::string name, std::function<void(HWND)> step);
  // A store: its step added last, then the dialog run by run.
  cShownRecordStep Store(std::string name, std::function<void(HWND)> step, std::function<void()> run);

private:
  std::vector<std::function<void(HWND)>> m_vSteps;
};
