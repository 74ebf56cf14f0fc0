#pragma once
// Answers the message boxes of the current thread: a CBT hook reads each box's caption and text as
// it is activated and presses the next queued button.

#include <windows.h>

#include <string>
#include <vector>

class cBoxAnswerer {
public:
  struct cSeen {
    std::string m_strCaption;
    std::string m_strText;
    HWND m_hOwner;  // null for a box of its own
  };
  // answers: button ids (IDOK, IDYES, ...) pressed in order; when they run out, the first button.
  explicit cBoxAnswerer(std::vector<int> answers = {});
  ~cBoxAnswerer();
  const std::vector<cSeen>& Seen() const { return m_vSeen; }

private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
  void OnActivate(HWND box);

  HHOOK m_hHook = nullptr;
  std::vector<int> m_vAnswers;
  std::vector<cSeen> m_vSeen;
  // A box is activated again when another program takes the desktop's focus and gives it back.
  std::vector<HWND> m_vAnswered;
};

// Creates a plain top-level window to stand for the main frame; destroyed with the object.
class cTestMainWindow {
public:
  cTestMainWindow();
  ~cTestMainWindow();
  HWND Handle() const { return m_hWnd; }
  bool Destroyed() const { return !IsWindow(m_hWnd); }
  // Reads the messages queued for the window without dispatching them.
  bool CloseRequested();

private:
  HWND m_hWnd = nullptr;
};
