// A stand-in for the game program that the editor's test play launches. It writes the command line
// it was given to FakeGame.txt in the working folder, adds a line to FakeGameRuns.txt, and tells
// the editor's main frame that the test play has ended, as the game does when it closes.
//
// Two settings of the environment make it behave as a game that is played for a while or one that
// ends badly: VX_FAKEGAME_HOLD names an event that it waits for before it ends (at most a minute),
// and VX_FAKEGAME_SILENT=1 makes it end without telling the editor.
#include <windows.h>

#include <cstdio>
#include <cstring>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int) {
  if (FILE* file = std::fopen("FakeGame.txt", "wb")) {
    std::fputs(arguments, file);
    std::fclose(file);
  }
  if (FILE* runs = std::fopen("FakeGameRuns.txt", "ab")) {
    std::fprintf(runs, "%s\n", arguments);
    std::fclose(runs);
  }
  char setting[128] = {};
  if (GetEnvironmentVariableA("VX_FAKEGAME_HOLD", setting, sizeof setting) && setting[0]) {
    if (HANDLE event = OpenEventA(SYNCHRONIZE, FALSE, setting)) {
      WaitForSingleObject(event, 60000);
      CloseHandle(event);
    }
  }
  if (GetEnvironmentVariableA("VX_FAKEGAME_SILENT", setting, sizeof setting) && setting[0] == '1') return 2;
  HWND frame = FindWindowA("Vontaris_Editor", nullptr);
  if (!frame) return 1;
  COPYDATASTRUCT data = {0, static_cast<DWORD>(std::strlen(arguments) + 1), arguments};
  SendMessageA(frame, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
  return 0;
}
