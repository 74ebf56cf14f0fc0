#pragma once
// The Windows side of the sound seam: run-time libraries, MIDI streams and MCI command messages.

#include <windows.h>

#include "app/cSoundSeam.h"

class cSoundWin : public cSoundSeam {
public:
  void* OpenModule(const char* name) override;
  cModuleFunction FindFunction(void* module, const char* name) override;
  int CloseModule(void* module) override;
  std::unique_ptr<cMidiStream> NewMidiStream() override;
  uint32_t MciOpen(cMciOpenRecord& record) override;
  uint32_t MciClose(uint32_t device) override;
  uint32_t MciPlay(uint32_t device, uint32_t from) override;
  uint32_t MciStop(uint32_t device) override;
  uint32_t MciSeekToStart(uint32_t device) override;
};
