#include "tests/e2e/cProgramRun.h"

#include <algorithm>

#include "tests/support/win/OwnDesktop.h"

namespace {
constexpr DWORD kPollMs = 5;

struct cSearch {
  DWORD m_nProcessId;
  const char* m_pClass;
  const char* m_pCaption;
  std::vector<HWND> m_vFound;
};

std::string WindowText(HWND window) {
  char text[1024] = {};
  DWORD_PTR length = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 1000, &length);
  return text;
}

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
  cSearch& search = *reinterpret_cast<cSearch*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != search.m_nProcessId || !IsWindowVisible(window)) return TRUE;
  if (ClassOf(window) != search.m_pClass) return TRUE;
  if (search.m_pCaption && WindowText(window) != search.m_pCaption) return TRUE;
  search.m_vFound.push_back(window);
  return TRUE;
}

BOOL CALLBACK AddChildText(HWND child, LPARAM param) {
  *reinterpret_cast<std::string*>(param) +=
      " [" + ClassOf(child) + " " + std::to_string(GetDlgCtrlID(child)) + " \"" + WindowText(child) + "\"]";
  return TRUE;
}

BOOL CALLBACK FindBoxText(HWND child, LPARAM param) {
  if (lstrcmpiA(ClassOf(child).c_str(), "Static") != 0) return TRUE;
  std::string text = WindowText(child);
  if (text.empty()) return TRUE;
  *reinterpret_cast<std::string*>(param) = text;
  return FALSE;
}

BOOL CALLBACK FindFirstButton(HWND child, LPARAM param) {
  if (lstrcmpiA(ClassOf(child).c_str(), "Button") != 0) return TRUE;
  *reinterpret_cast<int*>(param) = GetDlgCtrlID(child);
  return FALSE;
}
}  // namespace

cSeenBox ReadBox(HWND box) {
  cSeenBox seen;
  seen.m_hWnd = box;
  seen.m_strCaption = WindowText(box);
  EnumChildWindows(box, FindBoxText, reinterpret_cast<LPARAM>(&seen.m_strText));
  return seen;
}

int FirstButton(HWND dialog) {
  int button = 0;
  EnumChildWindows(dialog, FindFirstButton, reinterpret_cast<LPARAM>(&button));
  return button;
}

cProgramRun::cProgramRun(const std::string& program, const std::string& folder) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  UseOwnDesktop();
  startup.lpDesktop = const_cast<char*>(OwnDesktopName());
  std::string command = "\"" + program + "\"";
  if (!CreateProcessA(program.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                      &m_Process))
    m_Process = PROCESS_INFORMATION{};
}

cProgramRun::~cProgramRun() {
  if (!Started()) return;
  if (Running()) {
    TerminateProcess(m_Process.hProcess, 1);
    WaitForSingleObject(m_Process.hProcess, 5000);
  }
  CloseHandle(m_Process.hThread);
  CloseHandle(m_Process.hProcess);
}

bool cProgramRun::Running() const {
  return Started() && WaitForSingleObject(m_Process.hProcess, 0) == WAIT_TIMEOUT;
}

bool cProgramRun::WaitExit(DWORD timeoutMs) {
  if (!Started()) return false;
  DWORD start = GetTickCount();
  while (WaitForSingleObject(m_Process.hProcess, kPollMs) == WAIT_TIMEOUT) {
    if (GetTickCount() - start > timeoutMs) return false;
    cSeenBox seen;
    if (!FindNewBox(nullptr, seen)) continue;
    m_vBoxes.push_back(seen);
    Answer(seen, FirstButton(seen.m_hWnd));
  }
  return true;
}

DWORD cProgramRun::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (Started()) GetExitCodeProcess(m_Process.hProcess, &code);
  return code;
}

std::vector<HWND> cProgramRun::WindowsOf(const char* className, const char* caption) const {
  cSearch search{m_Process.dwProcessId, className, caption, {}};
  UseOwnDesktop();
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.m_vFound;
}

HWND cProgramRun::FindWindowOf(const char* className, const char* caption) const {
  std::vector<HWND> found = WindowsOf(className, caption);
  return found.empty() ? nullptr : found.front();
}

HWND cProgramRun::WaitWindow(const char* className, const char* caption, DWORD timeoutMs) const {
  DWORD start = GetTickCount();
  for (;;) {
    if (HWND window = FindWindowOf(className, caption)) return window;
    if (GetTickCount() - start > timeoutMs || !Running()) return nullptr;
    Sleep(kPollMs);
  }
}

bool cProgramRun::FindNewBox(const char* caption, cSeenBox& box) const {
  for (HWND window : WindowsOf("#32770", caption)) {
    // The working window is a dialog too, but without buttons; a box may show before its text.
    if (!FirstButton(window) || std::find(m_vAnswered.begin(), m_vAnswered.end(), window) != m_vAnswered.end())
      continue;
    box = ReadBox(window);
    if (!box.m_strText.empty()) return true;
  }
  return false;
}

bool cProgramRun::WaitBox(const char* caption, cSeenBox& box, DWORD timeoutMs) const {
  DWORD start = GetTickCount();
  while (!FindNewBox(caption, box)) {
    if (GetTickCount() - start > timeoutMs || !Running()) return false;
    Sleep(kPollMs);
  }
  return true;
}

void cProgramRun::Answer(const cSeenBox& box, int button) {
  m_vAnswered.push_back(box.m_hWnd);
  PostMessageA(box.m_hWnd, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(box.m_hWnd, button)));
}

std::string cProgramRun::Describe() const {
  std::string text;
  for (const char* className : {"#32770", "Vontaris_Editor"})
    for (HWND window : WindowsOf(className, nullptr)) {
      text += std::string(className) + " \"" + WindowText(window) + "\"";
      EnumChildWindows(window, AddChildText, reinterpret_cast<LPARAM>(&text));
      text += "\n";
    }
  return text;
}
