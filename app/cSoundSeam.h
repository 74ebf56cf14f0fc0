#pragma once
// What the sound services need of the platform: run-time libraries (the Ogg player library),
// MIDI streams and MCI devices. Windows has its own; tests install fakes; elsewhere there is no
// sound at all (no library loads, no stream or device opens).

#include <cstdint>
#include <memory>

class cMidiStream;
struct cMciOpenRecord;

using cModuleFunction = void (*)();

class cSoundSeam {
public:
  virtual ~cSoundSeam() = default;
  // A library by name, null when it cannot be loaded.
  virtual void* OpenModule(const char* name);
  // An exported function, null when the library has none of that name.
  virtual cModuleFunction FindFunction(void* module, const char* name);
  // The result of unloading: 0 when it failed.
  virtual int CloseModule(void* module);
  // The device of one MIDI player; null when there is none on this platform.
  virtual std::unique_ptr<cMidiStream> NewMidiStream();
  // MCI command messages; every result is an MCI error code, 0 for success. A successful open
  // fills in the record's device id.
  virtual uint32_t MciOpen(cMciOpenRecord& record);
  virtual uint32_t MciClose(uint32_t device);
  virtual uint32_t MciPlay(uint32_t device, uint32_t from);
  virtual uint32_t MciStop(uint32_t device);
  virtual uint32_t MciSeekToStart(uint32_t device);
};

// The seam in use: the one a test installed, else the platform's own.
cSoundSeam& SoundSeam();
// Installs a seam; null brings back the platform's own.
void SetSoundSeam(cSoundSeam* seam);
// The platform's own seam, alive until the process ends (the Windows one lives in app/win).
cSoundSeam& PlatformSoundSeam();
