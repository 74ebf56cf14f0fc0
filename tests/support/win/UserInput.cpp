#include "tests/support/win/UserInput.h"

#include <cstdlib>
#include <vector>

#include "tests/support/win/ProbeDialog.h"
#include "ui/win/cModelessList.h"

namespace {
void SendMouse(DWORD flags, LONG x, LONG y) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  input.mi.dx = x;
  input.mi.dy = y;
  SendInput(1, &input, sizeof input);
}

void SendKey(WORD key, DWORD flags) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, 0));
  input.ki.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

// The system takes injected input in on its own time: on a loaded machine a message pump right after
// SendInput can run before the event is queued. The input counts as arrived once its state shows.
template <class Arrived>
void WaitUntilInputArrived(Arrived arrived) {
  for (int i = 0; i < 2000 && !arrived(); ++i) Sleep(1);
}

// Absolute coordinates span the screen as 0 to 65536; rounded up, they land on the pixel asked for.
LONG Normalised(LONG pixel, int extent) { return static_cast<LONG>((pixel * 65536LL + extent - 1) / extent); }

// As the main loop and a modal dialog's own loop do: the registered windows' routing, then the
// navigation of the active dialog (Enter chooses its default button).
void PumpOnce(cModelessList* list) {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (list && list->PreTranslateMessage(&message)) continue;
    HWND active = GetActiveWindow();
    if (active && IsDialogMessageA(active, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}
}  // namespace

void PumpFor(int milliseconds, cModelessList* list) {
  DWORD start = GetTickCount();
  do {
    PumpOnce(list);
    Sleep(1);
  } while (GetTickCount() - start < static_cast<DWORD>(milliseconds));
  PumpOnce(list);
}

int HoldMilliseconds() {
  const char* hold = getenv("VX_SCREENSHOT_HOLD_MS");
  return hold ? atoi(hold) : 0;
}

void HoldForShot(int shot, int hold, cModelessList* list, const std::function<void()>& tick) {
  if (!hold) return;
  PumpFor(200, list);
  char ready[32], taken[32];
  wsprintfA(ready, "shot-%d.ready", shot);
  wsprintfA(taken, "shot-%d.taken", shot);
  HANDLE file = CreateFileA(ready, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  DWORD start = GetTickCount();
  while (GetFileAttributesA(taken) == INVALID_FILE_ATTRIBUTES && GetTickCount() - start < static_cast<DWORD>(hold)) {
    PumpFor(16, list);
    if (tick) tick();
  }
}

void PressKey(WORD key, bool shift, cModelessList* list) {
  if (shift) SendKey(VK_SHIFT, 0);
  TypeKey(key);
  if (shift) SendKey(VK_SHIFT, KEYEVENTF_KEYUP);
  PumpFor(30, list);
}

void PressKeyWith(WORD modifier, WORD key, cModelessList* list) {
  SendKey(modifier, 0);
  TypeKey(key);
  SendKey(modifier, KEYEVENTF_KEYUP);
  PumpFor(30, list);
}

void TypeText(const std::string& text, cModelessList* list) {
  for (char c : text) {
    SHORT scan = VkKeyScanA(c);
    PressKey(static_cast<WORD>(LOBYTE(scan)), (HIBYTE(scan) & 1) != 0, list);
  }
}

void FocusItem(HWND dialog, int id) {
  SetForegroundWindow(dialog);
  SetActiveWindow(dialog);
  SetFocus(GetDlgItem(dialog, id));
}

namespace {
cModalDriver* g_lpDriver = nullptr;
std::vector<HWND> g_vBefore;

bool IsNewDialog(HWND window) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpA(name, "#32770") != 0 || !IsWindowVisible(window)) return false;
  for (HWND old : g_vBefore)
    if (old == window) return false;
  return true;
}
}  // namespace

cModalDriver::cModalDriver(std::function<void(HWND)> action) : m_Action(std::move(action)) {
  g_lpDriver = this;
  g_vBefore = ThreadWindows();
  m_nTimer = SetTimer(nullptr, 0, 20, Tick);
}

cModalDriver::~cModalDriver() {
  if (m_nTimer) KillTimer(nullptr, m_nTimer);
  if (m_nGuard) KillTimer(nullptr, m_nGuard);
  g_lpDriver = nullptr;
}

void CALLBACK cModalDriver::Guard(HWND, UINT, UINT_PTR, DWORD) {
  cModalDriver* driver = g_lpDriver;
  if (!driver) return;
  KillTimer(nullptr, driver->m_nGuard);
  driver->m_nGuard = 0;
  if (IsWindow(driver->m_hWndDialog) && IsWindowVisible(driver->m_hWndDialog)) {
    driver->m_bTimedOut = true;
    PostMessageA(driver->m_hWndDialog, WM_CLOSE, 0, 0);
  }
}

void CALLBACK cModalDriver::Tick(HWND, UINT, UINT_PTR, DWORD) {
  cModalDriver* driver = g_lpDriver;
  if (!driver || driver->m_bRan) return;
  for (HWND window : ThreadWindows())
    if (IsNewDialog(window)) {
      driver->m_bRan = true;
      KillTimer(nullptr, driver->m_nTimer);
      driver->m_nTimer = 0;
      driver->m_hWndDialog = window;
      SetForegroundWindow(window);
      driver->m_Action(window);
      // Counted from the action's end: an action may hold the dialog (for a picture) as long as it
      // needs, and a loaded machine may take a while to end it.
      driver->m_nGuard = SetTimer(nullptr, 0, 10000, Guard);
      return;
    }
}


void MoveCursorTo(POINT screen) {
  SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, Normalised(screen.x, GetSystemMetrics(SM_CXSCREEN)),
            Normalised(screen.y, GetSystemMetrics(SM_CYSCREEN)));
  WaitUntilInputArrived([screen] {
    POINT at = {};
    return GetCursorPos(&at) && at.x == screen.x && at.y == screen.y;
  });
}

void PressButton(int button) {
  SendMouse(button == VK_RBUTTON ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN, 0, 0);
  WaitUntilInputArrived([button] { return (GetAsyncKeyState(button) & 0x8000) != 0; });
}

void ReleaseButton(int button) {
  SendMouse(button == VK_RBUTTON ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP, 0, 0);
  WaitUntilInputArrived([button] { return (GetAsyncKeyState(button) & 0x8000) == 0; });
}

void ClickListBoxRow(HWND listBox, int row, int button, cModelessList* list) {
  RECT item = {};
  SendMessageA(listBox, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&item));
  POINT point = {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
  ClientToScreen(listBox, &point);
  MoveCursorTo(point);
  PressButton(button);
  PumpFor(20, list);
  ReleaseButton(button);
  PumpFor(100, list);
}

void TypeKey(WORD key) {
  SendKey(key, 0);
  SendKey(key, KEYEVENTF_KEYUP);
}

void HoldKey(WORD key) { SendKey(key, 0); }

void LetGoKey(WORD key) { SendKey(key, KEYEVENTF_KEYUP); }

void cPopupMenuDriver::OnMessage(UINT message, WPARAM wParam) {
  if (message == WM_EXITMENULOOP) m_bSeen = false;
  if (message != WM_ENTERIDLE || wParam != MSGF_MENU || m_bSeen || !m_Action) return;
  m_bSeen = true;
  for (HWND window : ThreadWindows()) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpA(name, "#32768") == 0 && IsWindowVisible(window)) m_Action(window);
  }
}

void cPopupMenuWatch::OnHook(int code, WPARAM, LPARAM lParam) {
  if (code != HC_ACTION) return;
  const CWPSTRUCT& sent = *reinterpret_cast<const CWPSTRUCT*>(lParam);
  m_Driver.OnMessage(sent.message, sent.wParam);
}

bool ClickMenuItem(HMENU popup, UINT id) {
  int count = GetMenuItemCount(popup);
  for (int position = 0; position < count; ++position) {
    if (GetMenuItemID(popup, position) != id) continue;
    RECT item = {};
    if (!GetMenuItemRect(nullptr, popup, position, &item)) return false;
    MoveCursorTo(POINT{(item.left + item.right) / 2, (item.top + item.bottom) / 2});
    PressButton(VK_LBUTTON);
    ReleaseButton(VK_LBUTTON);
    return true;
  }
  return false;
}
