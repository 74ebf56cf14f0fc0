#pragma once
// Input as a user makes it: keys through the system's input queue (SendInput), so that they pass
// the keyboard hook, the dialog manager and the focused control; and modal dialogs driven from a
// thread timer, which their own message loop serves.

#include <windows.h>

#include <functional>
#include <string>

#include "tests/support/win/ThreadHook.h"

class cModelessList;

// Serves this thread's messages for a while (through the list's routing when one is given).
void PumpFor(int milliseconds, cModelessList* list = nullptr);
// How long the windows stay on screen for a screenshot: VX_SCREENSHOT_HOLD_MS, 0 in a plain run.
int HoldMilliseconds();
// With a hold, keeps the windows on screen for a screenshot script: announces them by a file
// "shot-N.ready" in the current folder and serves messages (calling tick every 16 ms, when given)
// until the script answers with "shot-N.taken", or for the hold at most; without one, does nothing.
void HoldForShot(int shot, int hold, cModelessList* list = nullptr, const std::function<void()>& tick = {});
// Presses and releases a key; with shift held when asked.
void PressKey(WORD key, bool shift = false, cModelessList* list = nullptr);
// The same with another key held (VK_CONTROL for Ctrl+X).
void PressKeyWith(WORD modifier, WORD key, cModelessList* list = nullptr);
// Types the printable ASCII characters of a text, one key each.
void TypeText(const std::string& text, cModelessList* list = nullptr);
// Brings the window to the front and gives the item the focus.
void FocusItem(HWND dialog, int id);

// Runs the action once on the next visible dialog window of this thread that is not one of the
// windows that existed before, with the dialog in front; call it right before the modal run. A
// dialog still open ten seconds after the action is closed, so that no test hangs.
class cModalDriver {
public:
  explicit cModalDriver(std::function<void(HWND)> action);
  ~cModalDriver();
  bool Ran() const { return m_bRan; }
  bool TimedOut() const { return m_bTimedOut; }

private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  static void CALLBACK Guard(HWND, UINT, UINT_PTR, DWORD);
  std::function<void(HWND)> m_Action;
  UINT_PTR m_nTimer = 0;
  UINT_PTR m_nGuard = 0;
  HWND m_hWndDialog = nullptr;
  bool m_bRan = false;
  bool m_bTimedOut = false;
};

// Mouse and key events through the system's input queue, so that the cursor, the button and key
// states that the program reads, and the messages it gets, change as they would. Each test program
// runs on a desktop of its own, so the events stay with it.
// Moves the cursor to a screen point; the window under it gets WM_MOUSEMOVE.
void MoveCursorTo(POINT screen);
// Presses or releases VK_LBUTTON or VK_RBUTTON where the cursor is.
void PressButton(int button);
void ReleaseButton(int button);
// A click with VK_LBUTTON or VK_RBUTTON on the middle of a list box's row; messages are served
// (through the list's routing when one is given) while the button is down and after it.
void ClickListBoxRow(HWND listBox, int row, int button = VK_LBUTTON, cModelessList* list = nullptr);
// Presses and releases a key without serving messages (for use inside a menu's own loop).
void TypeKey(WORD key);
// Holds a key down, or lets it go, without serving messages (a modifier around clicks).
void HoldKey(WORD key);
void LetGoKey(WORD key);

// Runs an action once each time a popup menu of a window opens, while the menu waits for the user.
// The window that owns the menu hands it its messages: WM_ENTERIDLE from the menu's loop runs the
// action with the menu window, WM_EXITMENULOOP ends the opening.
class cPopupMenuDriver {
public:
  std::function<void(HWND menu)> m_Action;
  void OnMessage(UINT message, WPARAM wParam);

private:
  bool m_bSeen = false;
};
// The same for windows whose messages the test cannot reach (an editor's own pages): a hook sees
// every message sent on this thread while the watch lives.
class cPopupMenuWatch {
public:
  explicit cPopupMenuWatch(std::function<void(HWND menu)> action) { m_Driver.m_Action = std::move(action); }
  // The hook's call for every message sent on this thread.
  void OnHook(int code, WPARAM wParam, LPARAM lParam);

private:
  cPopupMenuDriver m_Driver;
  cThreadHook<cPopupMenuWatch> m_Hook{WH_CALLWNDPROC, this};
};
// Clicks the item with the command id of a popup menu that is open on screen; false without one.
bool ClickMenuItem(HMENU popup, UINT id);
