#pragma once
// What portable code needs of the running shell: message boxes, the main window, free memory, the
// clock, the screen size and the warning beep. The Windows shell installs its own; tests install
// fakes; without either, a quiet stand-in answers (boxes are logged and answered with their
// default button).

#include <cstdint>

class cShellSeam {
public:
  virtual ~cShellSeam() = default;
  // owner null: a box of its own, owned by no window. Returns the button chosen.
  virtual int ShowBox(void* owner, const char* text, const char* caption, unsigned type);
  // The active window of the user-interface thread, null for none.
  virtual void* ActiveWindow() { return nullptr; }
  virtual void DestroyMainWindow() {}
  virtual void PostCloseRequest() {}
  virtual uint64_t FreePhysicalMemory();
  virtual uint32_t TickCount();
  // The client area a maximised window gets on the primary screen; placements are kept inside it.
  virtual void FullScreenSize(int32_t& width, int32_t& height);
  // The short warning sound of a refused action.
  virtual void Beep() {}
};

cShellSeam& Shell();
// Installs a seam for the life of the process or a test; null brings back the stand-in.
void SetShell(cShellSeam* seam);

// Free physical memory in bytes, as the shell reports it.
uint64_t FreePhysicalMemory();
