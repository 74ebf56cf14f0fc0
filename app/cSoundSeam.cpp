#include "app/cSoundSeam.h"

#include "app/cMidiPlayer.h"

namespace {
cSoundSeam* g_pSoundSeam = nullptr;
// Without the platform's sound, MCI answers that the device cannot be opened (MCIERR_CANNOT_LOAD_DRIVER).
constexpr uint32_t kNoDevice = 266;
}  // namespace

void* cSoundSeam::OpenModule(const char*) { return nullptr; }
cModuleFunction cSoundSeam::FindFunction(void*, const char*) { return nullptr; }
int cSoundSeam::CloseModule(void*) { return 0; }
std::unique_ptr<cMidiStream> cSoundSeam::NewMidiStream() { return nullptr; }
uint32_t cSoundSeam::MciOpen(cMciOpenRecord&) { return kNoDevice; }
uint32_t cSoundSeam::MciClose(uint32_t) { return kNoDevice; }
uint32_t cSoundSeam::MciPlay(uint32_t, uint32_t) { return kNoDevice; }
uint32_t cSoundSeam::MciStop(uint32_t) { return kNoDevice; }
uint32_t cSoundSeam::MciSeekToStart(uint32_t) { return kNoDevice; }

cSoundSeam& SoundSeam() { return g_pSoundSeam ? *g_pSoundSeam : PlatformSoundSeam(); }

void SetSoundSeam(cSoundSeam* seam) { g_pSoundSeam = seam; }

#ifndef _WIN32
cSoundSeam& PlatformSoundSeam() {
  // Never destroyed: globals that release sound devices at exit may still ask for it.
  static cSoundSeam* seam = new cSoundSeam;
  return *seam;
}
#endif
