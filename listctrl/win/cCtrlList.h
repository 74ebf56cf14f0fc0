#pragma once
// The record list control of the dialog framework: the list core over a list box of a page. The
// core keeps the records, rows, selection and commands; this binds it to the list box window,
// the page's accelerator tables and popup menu, its key handler and the edit sub-dialogs.
//
// A page keeps one group per list, fills its block in the constructor and attaches it in
// OnInitDialog (cDialog::AttachCtrlGroup), then gives it its ids (SetMenus, or SetAccelIds with
// SetPopupIds). On LBN_SELCHANGE it calls OnSelChange; for every WM_COMMAND it offers the message
// to OnAccelCommand and then OnMenuCommand, and at the end it calls Redraw of every list.

#include <new>
#include <type_traits>

#include "app/MessageBox.h"
#include "app/Utility.h"
#include "listctrl/ListEditContext.h"
#include "listctrl/ListInstances.h"
#include "listctrl/cCtrlListCore.h"
#include "listctrl/win/cListBoxWin.h"
#include "ui/win/cCtrl.h"
#include "ui/win/cDialog.h"
#include "ui/win/cModelessList.h"
#include "ui/win/cPopupMenu.h"
#include "ui/win/cValueInputDlg.h"

constexpr const char* kListProperty = "CTRL_LIST_CLASS";

template <class T>
class cCtrlList : public cCtrl, public cCtrlListCore<T> {
  using Core = cCtrlListCore<T>;

public:
  using cCtrlParam = cListParam<T>;

  cCtrlList() { m_nKind = kCtrlList; }
  cCtrlList(const cCtrlList&) = delete;
  cCtrlList& operator=(const cCtrlList&) = delete;
  // The popup menu goes with the list; a list box that outlives it gets its own procedure back.
  ~cCtrlList() override { ReleaseSubclass(kListProperty); }

  void Attach(cDialog* owner, const cCtrlParam& param) {
    cCtrl::Attach(owner, LOWORD(param.m_wId));
    m_ListBox.m_hWnd = m_hWnd;
    m_ListBox.m_pOwnProc = &m_lpfnOldProc;
    // Rows stand in record order (the list box appends them unsorted whatever its style, cListBoxWin).
    RemoveStyle(LBS_SORT);
    if (!m_lpfnOldProc) SubclassItem(kListProperty, ListWndProc);
    Core::Attach(&m_ListBox, param);
  }

  void DataToCtrl() override { Core::DataToCtrl(); }
  void CtrlToData() override { Core::CtrlToData(); }
  void Redraw() override { Core::Redraw(); }
  void OnKillFocus() override { Core::OnKillFocus(); }
  // The dialog switched drawing off while it routes a command.
  void AfterCommand() override { Core::NoteRedrawHeld(); }
  // Modal dialogs: a key of the list's commands becomes their command messages to the page, sent by
  // the focused list alone: lists that share ids would otherwise run one key's command twice.
  void OnKeyDown(WPARAM key, LPARAM, int32_t ctrlHeld) override {
    if (!m_ListBox.HasFocus()) return;
    uint16_t ids[kListCommandCount];
    int count = Core::KeyCommandIds(static_cast<uint16_t>(key), ctrlHeld, ids);
    for (int i = 0; i < count; ++i) SendMessageA(m_hWndOwner, WM_COMMAND, ids[i], 0);
  }

  // The accelerator table is registered and the popup loaded whatever the layout and kind; 1 when
  // both id sets exist.
  int SetMenus(uint16_t accelTable, uint16_t menu, int layout, int kind) {
    int keys = SetAccelerators(accelTable, layout, kind);
    int items = SetPopupMenu(menu, layout, kind);
    return keys && items ? 1 : 0;
  }
  int SetAccelerators(uint16_t accelTable, int layout, int kind) {
    m_lpOwner->AddAccelerators(m_hWnd, accelTable);
    return Core::SelectAccelSet(layout, kind);
  }
  int SetPopupMenu(uint16_t menu, int layout, int kind) {
    LoadPopup(menu);
    return Core::SelectMenuSet(layout, kind);
  }
  // Ids of the page's own, in command order cut, copy, paste, new, insert, clear, delete.
  void SetAccelIds(uint16_t accelTable, const uint16_t (&ids)[kListCommandCount]) {
    m_lpOwner->AddAccelerators(m_hWnd, accelTable);
    Core::StoreAccelIds(ids);
  }
  void SetPopupIds(uint16_t menu, const uint16_t (&ids)[kListCommandCount]) {
    LoadPopup(menu);
    Core::StoreMenuIds(ids);
  }
  // The ids the editor's list of this kind gets from its page.
  void SetInstanceIds(const cListInstance& instance) {
    const cListCommandSet& set = instance.m_Set;
    if (instance.m_nIds == kListIdsSetMenus) {
      SetMenus(set.m_wAccelTable, set.m_wMenu, set.m_nLayout, set.m_nKind);
    } else if (instance.m_nIds == kListIdsExplicit) {
      SetAccelIds(set.m_wAccelTable, set.m_wAccelId);
      SetPopupIds(set.m_wMenu, set.m_wMenuId);
    }
  }

  // A right click that ended at a screen point: the row under it is selected, the list focused and
  // its popup menu shown at the cursor. 1 when a row was hit (the page then tries no other list).
  // The page hears of the selection as of a click (LBN_SELCHANGE) before the menu opens, so that
  // its controls show the row's record: a menu dismissed without a choice then leaves no values of
  // the record shown before to be stored into this one.
  int PopupAt(POINT screen) {
    if (!Core::SelectAtPoint(screen.x, screen.y)) return 0;
    SendMessageA(m_hWndOwner, WM_COMMAND, MAKEWPARAM(m_wId, LBN_SELCHANGE), reinterpret_cast<LPARAM>(m_hWnd));
    if (m_hPopupMenu) m_lpOwner->TrackPopupMenu(m_hPopupMenu);
    return 1;
  }

  // The button of a page, or a double click on the list: the commands the list carries out itself
  // (new, clear, insert, delete, the record count through the value dialog "データ数"). Returns the
  // action for the page to run when it is its own (edit, insert-then-edit, adding files), else
  // kListActNone; result receives the command's result.
  int RunAction(const cListInstance& instance, uint32_t wParam, cModelessList* list, int* result) {
    int action = ListActionOf(instance, wParam);
    *result = 0;
    switch (action) {
      case kListActNew: *result = Core::New(); break;
      case kListActClear: *result = Core::Clear(); break;
      case kListActInsert: *result = Core::Insert(); break;
      case kListActDelete: *result = Core::Delete(-1, 0); break;
      case kListActRemoveAll: Core::RemoveAll(); *result = 1; break;
      case kListActDataCount: *result = AskCount(list, LOWORD(wParam)); break;
      default: return action;
    }
    return kListActNone;
  }
  // The page's part of every WM_COMMAND for the editor's list of this kind, in order: the selection
  // change, the page's buttons and the double click (the edits run in holder's sub-dialog, a dialog
  // of the second form reading context), then the key and menu ids while the list has the focus.
  // The result of the list's command that ran (1 done, 0 refused); -1 when none did.
  template <class Dlg>
  int OnPageCommand(const cListInstance& instance, uint32_t wParam, cModelessList* list, Dlg*& holder,
                    cListEditContext* context = nullptr) {
    if (LOWORD(wParam) == m_wId && HIWORD(wParam) == LBN_SELCHANGE) Core::OnSelChange();
    int result = -1;
    switch (int action = ListActionOf(instance, wParam)) {
      case kListActNone:
      case kListActAddFiles:  // the page's own file dialog
        break;
      case kListActEdit:
      case kListActInsertEdit:
        result = EditAsInstance(holder, instance, action == kListActInsertEdit ? 1 : 0, list, context);
        break;
      default:
        RunAction(instance, wParam, list, &result);
        break;
    }
    int byId = Core::OnCommandId(LOWORD(wParam));
    return byId >= 0 ? byId : result;
  }

  // Asks for the number of records (those with rows) in the value dialog over the page's button and
  // sets it; 0 when cancelled or refused.
  int AskCount(cModelessList* list, uint16_t buttonId) {
    cCtrl button;
    button.Attach(m_lpOwner, buttonId);
    int32_t count = Core::RecordRows();
    if (!RunValueInputDialog(m_lpOwner, list, &count, Core::m_nMinCount, Core::m_nMaxCount, "データ数", &button, 1))
      return 0;
    return Core::SetCount(count);
  }

  // Edit in a sub-dialog (command 7), first form: the dialog finds the element itself. Placed
  // centred on the list with center set, else at its own position. The dialog's result; 0 without
  // a record row.
  template <class Dlg>
  int EditInDialog(Dlg*& holder, uint16_t templateId, cModelessList* list, int runMode, int center) {
    return RunEditDialog(holder, templateId, list, runMode, center);
  }
  template <class Dlg>
  int RunEditDialog(Dlg*& holder, uint16_t templateId, cModelessList* list, int runMode, int center) {
    return Core::EditCurrent(DialogRun(holder, list, runMode, templateId, Owner(), kKindDialog, list,
                                       center ? this : nullptr, center));
  }
  // Inserts a default record at the current row and edits it: cancelled, the row goes again unless
  // the list is at its minimum count (a beep); confirmed, the row after it becomes current. 0 when
  // cancelled, and when the list is full (one beep, no dialog).
  template <class Dlg>
  int InsertInDialog(Dlg*& holder, uint16_t templateId, cModelessList* list, int runMode, int center) {
    return Core::InsertAndEdit(DialogRun(holder, list, runMode, templateId, Owner(), kKindDialog, list,
                                         center ? this : nullptr, center));
  }

  // Second form: the dialog reads the element from the context block, whose first two words the
  // list fills (the element of the current row, the insert flag). Placed on place when given,
  // else centred on the list with center set, else at its own position.
  template <class Dlg>
  int EditInDialog(Dlg*& holder, uint16_t templateId, cListEditContext* context, cModelessList* list, int runMode,
                   int center, cCtrl* place) {
    return RunEditDialog(holder, templateId, context, list, runMode, center, place);
  }
  template <class Dlg>
  int RunEditDialog(Dlg*& holder, uint16_t templateId, cListEditContext* context, cModelessList* list, int runMode,
                    int center, cCtrl* place) {
    FillContext(context, 0);
    return Core::EditCurrent(DialogRun(holder, list, runMode, templateId, Owner(), kKindDialog, context, list,
                                       Place(place, center), PlaceCenter(place, center)));
  }
  template <class Dlg>
  int InsertInDialog(Dlg*& holder, uint16_t templateId, cListEditContext* context, cModelessList* list,
                     int runMode, int center, cCtrl* place) {
    auto run = DialogRun(holder, list, runMode, templateId, Owner(), kKindDialog, context, list, Place(place, center),
                         PlaceCenter(place, center));
    return Core::InsertAndEdit([this, context, run]() {
      FillContext(context, 1);
      return run();
    });
  }

  // The edit (insert 0) or insert-then-edit (insert 1) of the editor's list of this kind: its form,
  // run mode and placements. A dialog of the second form reads the element from context.
  template <class Dlg>
  int EditAsInstance(Dlg*& holder, const cListInstance& instance, int insert, cModelessList* list,
                     cListEditContext* context = nullptr) {
    const cListEditForm& form = instance.m_Edit;
    int place = insert ? form.m_nInsertPlace : form.m_nEditPlace;
    int center = place == kListPlaceCentred ? 1 : 0;
    if constexpr (std::is_constructible_v<Dlg, uint16_t, cWindow*, int32_t, cListEditContext*, cModelessList*, cCtrl*,
                                          int32_t>) {
      cCtrl* corner = place == kListPlaceCorner ? this : nullptr;
      return insert ? InsertInDialog(holder, form.m_wDialog, context, list, form.m_nRunMode, center, corner)
                    : EditInDialog(holder, form.m_wDialog, context, list, form.m_nRunMode, center, corner);
    } else {
      return insert ? InsertInDialog(holder, form.m_wDialog, list, form.m_nRunMode, center)
                    : EditInDialog(holder, form.m_wDialog, list, form.m_nRunMode, center);
    }
  }

  cListBoxWin m_ListBox;

private:
  static LRESULT CALLBACK ListWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<cCtrlList*>(FromItem(window, kListProperty));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    auto top = [window] { return static_cast<int32_t>(SendMessageA(window, LB_GETTOPINDEX, 0, 0)); };
    return GuardedItemMessage([&] {
      if (message == WM_VSCROLL) self->m_nTopIndex = top();
      LRESULT result = self->PassOn(kListProperty, window, message, wParam, lParam);
      // The wheel scrolls without WM_VSCROLL; the next refill must not jump back.
      if (message == WM_MOUSEWHEEL) self->m_nTopIndex = top();
      return result;
    });
  }

  cWindow* Owner() const { return m_lpOwner; }
  cCtrl* Place(cCtrl* place, int center) { return place ? place : center ? this : nullptr; }
  static int PlaceCenter(cCtrl* place, int center) { return place || center ? center : 0; }

  void FillContext(cListEditContext* context, int32_t insert) {
    int index = Core::GetCurIndex();
    if (!context || index < 0) return;
    context->m_pElement = &Core::m_pWork->At(index);
    context->m_bInsert = insert;
  }

  void LoadPopup(uint16_t menu) { m_hPopupMenu = m_Popup.Load(m_lpOwner->m_hInstance, menu); }

  // Creates the dialog into the holder and runs it with the other windows hidden or disabled as
  // asked; deleted at once. A dialog that cannot be made (no memory, no window) counts as cancelled.
  template <class Dlg, class... Args>
  static auto DialogRun(Dlg*& holder, cModelessList* list, int runMode, Args... args) {
    return [&holder, list, runMode, args...]() -> int {
      HoldOthers(list, runMode, 0);
      holder = new (std::nothrow) Dlg(args...);
      if (!holder) {
        OutOfMemory();
        HoldOthers(list, runMode, 1);
        return 0;
      }
      INT_PTR result = holder->DoModal(0);
      SafeDelete(holder);
      HoldOthers(list, runMode, 1);
      return result == -1 ? 0 : static_cast<int>(result);
    };
  }
  static void HoldOthers(cModelessList* list, int runMode, int flag) {
    if (!list) return;
    if (runMode == kListRunHide) list->ShowAll(flag);
    else if (runMode == kListRunDisable) list->EnableAll(flag);
  }

  cPopupMenu m_Popup;
};
