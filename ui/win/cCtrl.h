#pragma once
// The base of the control wrappers: one dialog item, bound to one member of a record. The dialog
// routes the item's notifications to its wrapper through these virtual operations.
//
// A page keeps its wrappers in control groups declared as data: one cCtrlGroups<W> per wrapper
// class, each group a wrapper and its parameter block (control id first, then the bound member and
// the limits). The page fills the blocks in its constructor, one line a control:
//   AddCtrlGroup(m_vEdits, kIdcSpeed, &m_Rec.m_nSpeed, 0, 100, kIdcSpeedSpin, 1);
// and attaches them when its window exists (cDialog::AttachCtrlGroups); from then on
// DataToControls shows the record and ControlsToData stores it.
//
// Showing never changes a stored value. DataToCtrl, and a wrapper's own show (SetValue,
// SetCurData, SetCheck, SetPos, SetText), give the wrapper a value; CtrlToData writes that value
// back unchanged unless the user changed the control since (ChangedByUser), and what it wrote is
// the value given from then on. A range or item change, a disabled control and whatever the
// control can display (a clamped number, no row, a cut text) store nothing new. A clamp that a
// rule orders is made on the record, which the controls then show.

#include <windows.h>

#include <cstdint>
#include <exception>
#include <utility>

#include "app/cString.h"
#include "app/cVector.h"
#include "ui/CtrlCommand.h"

class cDialog;

class cCtrl {
public:
  cCtrl() = default;
  virtual ~cCtrl() = default;
  virtual void Enable(int flag) { EnableWindow(m_hWnd, flag); }
  virtual void DataToCtrl() {}
  virtual void CtrlToData() {}
  virtual void OnChange() {}
  virtual int OnNotify(WPARAM, LPARAM) { return 0; }
  virtual int OnScroll(WPARAM, LPARAM) { return 0; }
  virtual void Reserved() {}
  virtual void Redraw() {}
  virtual void OnKillFocus() {}
  virtual void AfterCommand() {}
  virtual void OnKeyDown(WPARAM, LPARAM, int32_t) {}

  // Binds the wrapper to the owner's dialog item.
  void Attach(cDialog* owner, uint16_t id);
  void UpdatePos();
  // 0 for a wrapper that was never attached.
  int SetSize(int32_t width, int32_t height);
  // x, y in the owner's client area; the size stays.
  void MoveTo(int32_t x, int32_t y);
  int ContainsPoint(POINT screen) const;
  void Show(int flag) { ShowWindow(m_hWnd, flag ? SW_SHOW : SW_HIDE); }
  void RemoveStyle(uint32_t style);
  int HasStyle(uint32_t style) const;
  int IsEnabled() const;

  // The rule of every bound wrapper: its store writes back the value it was given to show unless
  // the user changed the control since (typing, the input method, the up-down, a list choice, the
  // trackbar, a click). Showing a value gives a new one; a range or item change, a clamp of what
  // the control displays and the wrapper's own writes into the item are no change of the user's.
  // A wrapper also counts a state of its item other than the one it last wrote (a page or a
  // control whose notices reach no wrapper).
  virtual int ChangedByUser() const { return m_bUserChanged; }
  // 1 while the wrapper writes into its item: nothing the item shows then is the user's.
  int Showing() const { return m_nShowing; }
  // A change of the item while no showing runs is the user's.
  void NoteUserChange() {
    if (!m_nShowing) m_bUserChanged = 1;
  }

  // The item's own window text.
  void SetText(const char* text);
  void GetText(cString& text) const;
  void AppendText(const char* text);
  // The text of the owner's dialog item with this wrapper's id.
  void SetItemString(const cString& text);

  HWND m_hWnd = nullptr;
  WNDPROC m_lpfnOldProc = nullptr;
  cDialog* m_lpOwner = nullptr;
  HWND m_hWndOwner = nullptr;
  int32_t m_nKind = kCtrlStatic;
  uint16_t m_wId = 0;
  HMENU m_hPopupMenu = nullptr;
  POINT m_ptScreen = {};
  POINT m_ptClient = {};
  int32_t m_bBusy = 0;
  cString m_strTip;

private:
  int32_t m_bUserChanged = 0;
  int32_t m_nShowing = 0;

protected:
  // A value given to show (or just stored): the user has changed nothing since.
  void NoteGiven() { m_bUserChanged = 0; }
  // Holds for one write of the wrapper into its item: the notices that write causes are not the
  // user's change.
  class cShowing {
  public:
    explicit cShowing(cCtrl& ctrl) : m_Ctrl(ctrl) { ++m_Ctrl.m_nShowing; }
    ~cShowing() { --m_Ctrl.m_nShowing; }
    cShowing(const cShowing&) = delete;
    cShowing& operator=(const cShowing&) = delete;

  private:
    cCtrl& m_Ctrl;
  };

  // A wrapper that needs its item's messages puts itself in a window property of the item and
  // takes the item's procedure; another wrapper attached to the same item takes the property and
  // the item's procedure over.
  void SubclassItem(const char* property, WNDPROC procedure);
  // Gives the item its own procedure back (its WM_DESTROY, or a wrapper going before its item).
  void ReleaseSubclass(const char* property);
  // Hands the message to the item's own procedure; after WM_DESTROY the subclass is gone.
  LRESULT PassOn(const char* property, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static cCtrl* FromItem(HWND window, const char* property) {
    return static_cast<cCtrl*>(GetPropA(window, property));
  }
};

// Formats into a 1,024-byte buffer and appends the text to the control's window text.
void AppendTextF(cCtrl& ctrl, const char* format, ...) __attribute__((format(printf, 2, 3)));

void ReportItemFault(const char* what);

// Runs a subclass procedure's work; no exception leaves it (a fault is logged, the main window
// asked to close, and the message counts as handled with 0).
template <class Work>
LRESULT GuardedItemMessage(Work work) {
  try {
    return work();
  } catch (const std::exception& fault) {
    ReportItemFault(fault.what());
  } catch (...) {
    ReportItemFault("unknown");
  }
  return 0;
}

// A wrapper and its parameter block. The dialog's control list holds the wrapper's address, so the
// group must stay where it is while its dialog is open.
template <class W>
struct cCtrlGroup {
  W m_Ctrl;
  typename W::cCtrlParam m_Param{};
};

template <class W>
using cCtrlGroups = cVector<cCtrlGroup<W>>;

// Appends a group whose parameter block is filled by its Set with the given members.
template <class W, class... Args>
cCtrlGroup<W>& AddCtrlGroup(cCtrlGroups<W>& groups, Args&&... args) {
  groups.emplace_back();
  groups.back().m_Param.Set(std::forward<Args>(args)...);
  return groups.back();
}

// An id that a page asks for but does not hold: reported, and the program ends.
void ReportMissingCtrl(uint16_t id);

// The wrapper of the first group with the id; null (and the program ends) when there is none.
template <class W>
W* FindCtrlById(cCtrlGroups<W>& groups, uint16_t id) {
  for (cCtrlGroup<W>& group : groups)
    if (group.m_Ctrl.m_wId == id) return &group.m_Ctrl;
  ReportMissingCtrl(id);
  return nullptr;
}

template <class W>
void EnableCtrlById(cCtrlGroups<W>& groups, uint16_t id, int flag) {
  if (W* ctrl = FindCtrlById(groups, id)) ctrl->Enable(flag);
}

template <class W>
void ShowCtrlById(cCtrlGroups<W>& groups, uint16_t id, int flag) {
  if (W* ctrl = FindCtrlById(groups, id)) ctrl->Show(flag);
}

// The parameter block of the wrappers that only give a page a handle on an item.
struct cCtrlIdParam {
  uint16_t m_wId = 0;
  void Set(uint16_t id) { m_wId = id; }
};

// A command of a data-sheet page bound to one of the page's handlers.
template <class Page>
struct cCmdBinding {
  using Handler = void (Page::*)();
  void Set(int32_t type, uint16_t id, Handler handler) {
    m_nType = type;
    m_wId = id;
    m_lpfnHandler = handler;
  }
  int Match(WPARAM wParam) const { return MatchCommand(m_nType, m_wId, static_cast<uint32_t>(wParam)); }

  int32_t m_nType = 0;
  uint16_t m_wId = 0;
  Handler m_lpfnHandler = nullptr;
};

// Calls the handler of the first binding that matches the command; 1 when one did.
template <class Page, size_t N>
int DispatchCommand(Page& page, const cCmdBinding<Page> (&bindings)[N], WPARAM wParam) {
  for (const cCmdBinding<Page>& binding : bindings)
    if (binding.Match(wParam)) {
      (page.*binding.m_lpfnHandler)();
      return 1;
    }
  return 0;
}
