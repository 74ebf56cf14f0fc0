// A stand-in for the game program that the editor's test play launches. It writes the command line
// it was given to FakeGame.txt in the working folder and tells the editor's main frame that the
// test play has ended, as the game does when it closes.
#include <windows.h>

#include <cstdio>
#include <cstring>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int) {
  if (FILE* file = std::fopen("FakeGame.txt", "wb")) {
    std::fputs(arguments, file);
    std::fclose(file);
  }
  HWND frame = FindWindowA("Vontaris_Editor", nullptr);
  if (!frame) return 1;
  COPYDATASTRUCT data = {0, static_cast<DWORD>(std::strlen(arguments) + 1), arguments};
  SendMessageA(frame, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
  return 0;
}
