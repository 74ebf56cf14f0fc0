#pragma once
// Answers the message boxes of the current thread: a CBT hook reads each box's caption and text as
// it is activated and presses the next queued button.

#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/win/ThreadHook.h"

class cBoxAnswerer {
public:
  struct cSeen {
    std::string m_strCaption;
    std::string m_strText;
    HWND m_hOwner;  // null for a box of its own
  };
  // answers: button ids (IDOK, IDYES, ...) pressed in order; when they run out, the first button.
  explicit cBoxAnswerer(std::vector<int> answers = {}) : m_vAnswers(std::move(answers)) {}
  const std::vector<cSeen>& Seen() const { return m_vSeen; }
  // The CBT hook's call.
  void OnHook(int code, WPARAM wParam, LPARAM lParam);

private:
  void OnActivate(HWND box);

  std::vector<int> m_vAnswers;
  std::vector<cSeen> m_vSeen;
  // A box is activated again when another program takes the desktop's focus and gives it back.
  std::vector<HWND> m_vAnswered;
  cThreadHook<cBoxAnswerer> m_Hook{WH_CBT, this};  // last: the answers are there before any box
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
