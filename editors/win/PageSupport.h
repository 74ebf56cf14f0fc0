#pragma once
// What the element editors' pages and dialogs share around the framework: the property-sheet
// notifications, showing a page's values apart from its lists, and the commands of its record
// lists (selection, buttons, keys and popup menus, the edit sub-dialogs).

#include <cstdint>

#include "editors/CtrlStates.h"
#include "editors/OpenSheets.h"
#include "listctrl/win/cCtrlList.h"
#include "ui/win/cDialog.h"
#include "ui/win/cPropSheet.h"

// A notification's answer to the sheet: result (0 carry on).
void AnswerSheet(HWND page, LONG_PTR result);
// Tells the sheet that a page changed something (PSM_CHANGED): its Apply button turns on.
void TellSheetChanged(const cDialog& page);

// Shows the bound values of every control but the lists (refilled by their own commands) and the
// one given (the control the user is changing).
void ShowValues(cDialog& dialog, const cCtrl* except);
// The bound control with the id; null when none.
cCtrl* BoundCtrlOf(cDialog& dialog, uint16_t id);
// Ranges, values, then enables, checks and texts: what a refresh shows after the rules ran.
void PresentStates(cDialog& dialog, const cCtrlStates& states, const cCtrl* except);

// The data sheets in use as the edit state names them, with the character sheet's current page.
cOpenSheets CurrentOpenSheets();

// What a command did to a list.
enum : int { kListUntouched = 0, kListSelected = 1, kListChanged = 2 };

// A list whose records were replaced as a whole: one flag a row, the first row alone selected.
template <class T>
void ReloadList(cCtrlList<T>& list) {
  list.m_vSelFlag.assign(list.RowCount(), 0);
  list.m_vPrevSelFlag.assign(list.RowCount(), 0);
  list.m_nTopIndex = 0;
  list.Fill();
  list.SelectOnly(0, 1);
  list.Redraw();
}

// A list whose records may have changed under it: its rows again, its selection kept where the
// rows still are.
template <class T>
void RefillList(cCtrlList<T>& list) {
  list.m_vSelFlag.resize(list.RowCount(), 0);
  list.m_vPrevSelFlag.resize(list.RowCount(), 0);
  if (list.m_nCurSel >= list.RowCount()) list.m_nCurSel = list.RowCount() - 1;
  list.Fill();
  list.Redraw();
}

// Routes a page's command to one of its lists: a selection change, a button or a double click of
// its instance (insert-then-edit and edit through the sub-dialog Dlg, which reads context), and
// its key and popup-menu ids; the page's own insert ids (key, menu item) insert-then-edit too.
// Insertion only while the list has a current row, when onlyWithRow is set.
template <class T, class Dlg>
int RouteListCommand(cDialog& page, cCtrlList<T>& list, const cListInstance& instance, const uint16_t* insertIds,
                     WPARAM wParam, Dlg*& holder, cListEditContext* context, int onlyWithRow) {
  uint16_t id = LOWORD(wParam);
  if (id == list.m_wId && HIWORD(wParam) == LBN_SELCHANGE) return list.OnSelChange() ? kListSelected : kListUntouched;
  auto edit = [&](int insert) {
    if (insert && onlyWithRow && list.GetCurSel() == -1) {
      list.m_ListBox.Beep();
      return kListUntouched;
    }
    int done = list.EditAsInstance(holder, instance, insert, page.m_lpManager, context);
    return done || insert ? kListChanged : kListUntouched;
  };
  if (ListActionOf(instance, static_cast<uint32_t>(wParam)) != kListActNone) {
    int done = 0;
    int action = list.RunAction(instance, static_cast<uint32_t>(wParam), page.m_lpManager, &done);
    if (action == kListActEdit) return edit(0);
    if (action == kListActInsertEdit) return edit(1);
    return done ? kListChanged : kListUntouched;
  }
  if (insertIds && id != 0 && (id == insertIds[0] || id == insertIds[1])) return edit(1);
  if (FindListCommand(list.m_wAccelId, id) >= 0 || FindListCommand(list.m_wMenuId, id) >= 0)
    return list.OnAccelCommand(id) || list.OnMenuCommand(id) ? kListChanged : kListUntouched;
  return kListUntouched;
}
