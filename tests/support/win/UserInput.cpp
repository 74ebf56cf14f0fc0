#include "tests/support/win/UserInput.h"

#include <vector>

#include "tests/support/win/ProbeDialog.h"
#include "ui/win/cModelessList.h"

namespace {
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

void PressKey(WORD key, bool shift, cModelessList* list) {
  std::vector<INPUT> inputs;
  auto add = [&](WORD vk, DWORD flags) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, 0));
    input.ki.dwFlags = flags;
    inputs.push_back(input);
  };
  if (shift) add(VK_SHIFT, 0);
  add(key, 0);
  add(key, KEYEVENTF_KEYUP);
  if (shift) add(VK_SHIFT, KEYEVENTF_KEYUP);
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
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
      driver->m_nGuard = SetTimer(nullptr, 0, 3000, Guard);
      SetForegroundWindow(window);
      driver->m_Action(window);
      return;
    }
}

namespace {
// The GDI handles still to be had: made until the table is full, then given back.
long FreeGdiHandles() {
  std::vector<HGDIOBJ> made;
  made.reserve(70000);
  while (made.size() < 200000) {
    HGDIOBJ pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    if (!pen) break;
    made.push_back(pen);
  }
  for (HGDIOBJ pen : made) DeleteObject(pen);
  return static_cast<long>(made.size());
}

BOOL CALLBACK CountChild(HWND, LPARAM count) {
  ++*reinterpret_cast<long*>(count);
  return TRUE;
}

// A top-level window and all the windows inside it.
BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
  ++*reinterpret_cast<long*>(count);
  EnumChildWindows(window, CountChild, count);
  return TRUE;
}
}  // namespace

cGuiCounts GuiObjectCounts() {
  cGuiCounts counts;
  counts.m_nGdi = static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
  counts.m_nUser = static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS));
  if (counts.m_nGdi == 0) counts.m_nGdi = -FreeGdiHandles();
  if (counts.m_nUser == 0) EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&counts.m_nUser));
  return counts;
}
