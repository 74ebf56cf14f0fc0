#pragma once
// Drives a Windows program from a test: starts it in a working folder on a desktop of the test's
// own, finds its windows and message boxes by its process and their class and caption, answers
// the boxes and waits for its end.

#include <windows.h>

#include <string>
#include <vector>

struct cSeenBox {
  HWND m_hWnd = nullptr;
  std::string m_strCaption;
  std::string m_strText;
};

class cProgramRun {
public:
  cProgramRun(const std::string& program, const std::string& folder);
  // A program still running (a failed test) is ended.
  ~cProgramRun();
  cProgramRun(const cProgramRun&) = delete;
  cProgramRun& operator=(const cProgramRun&) = delete;

  bool Started() const { return m_Process.hProcess != nullptr; }
  bool Running() const;
  // Waits for the end; a box that appears meanwhile is recorded in m_vBoxes and answered with its
  // first button. False after the timeout.
  bool WaitExit(DWORD timeoutMs);
  DWORD ExitCode() const;
  // The visible top-level windows of the program of this class (and caption, unless null).
  std::vector<HWND> WindowsOf(const char* className, const char* caption) const;
  HWND FindWindowOf(const char* className, const char* caption) const;
  HWND WaitWindow(const char* className, const char* caption, DWORD timeoutMs) const;
  // Waits for a message box of the program with this caption, one not answered yet; false after the
  // timeout.
  bool WaitBox(const char* caption, cSeenBox& box, DWORD timeoutMs) const;
  // Presses the button; the box counts as answered from now on.
  void Answer(const cSeenBox& box, int button);
  // Every visible window of the program with its class, caption and texts, for failure messages.
  std::string Describe() const;

  std::vector<cSeenBox> m_vBoxes;

private:
  // A box of the program not answered yet, with its text; false when there is none.
  bool FindNewBox(const char* caption, cSeenBox& box) const;

  PROCESS_INFORMATION m_Process = {};
  std::vector<HWND> m_vAnswered;
};

// The caption and text of a message box.
cSeenBox ReadBox(HWND box);
// The id of a dialog's first push button; 0 for a dialog without buttons (not a message box).
int FirstButton(HWND dialog);
