#pragma once
// The game program a test play started, kept until the test play ends. Its end is watched: a game
// that closes without telling the editor still ends the test play, through a message to the main
// frame. The one instance outlives the stage editor window, which is rebuilt while a game may run.

#include <windows.h>

#include <cstdint>

// Posted to the main frame when the kept game has ended; wParam names the launch it belongs to.
constexpr UINT kMsgGameEnded = WM_APP + 1;

class cGameProcess {
public:
  cGameProcess() = default;
  ~cGameProcess() { Forget(); }
  cGameProcess(const cGameProcess&) = delete;
  cGameProcess& operator=(const cGameProcess&) = delete;

  // Starts the program with the verb "open" in the working folder (parameters null: none) and
  // keeps its process; 1 when it started.
  int Launch(HWND owner, const char* program, const char* parameters);
  // Lets go of the kept process: its end no longer concerns the editor.
  void Forget();
  // 1 when an end message of this launch is still the news it was.
  int IsCurrent(WPARAM launch) const { return m_hProcess && launch == m_nLaunch; }
  int Running() const { return m_hProcess ? 1 : 0; }

private:
  static void CALLBACK OnEnded(void* launch, BOOLEAN timedOut);

  HANDLE m_hProcess = nullptr;
  HANDLE m_hWait = nullptr;
  uint32_t m_nLaunch = 0;
};

extern cGameProcess g_GameProcess;
