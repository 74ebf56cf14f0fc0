#include "app/win/cSoundWin.h"

#include <mmsystem.h>

#include "app/cMciSound.h"
#include "app/win/cMidiStreamWin.h"

cSoundSeam& PlatformSoundSeam() {
  // Never destroyed: globals that release sound devices at exit may still ask for it.
  static cSoundWin* seam = new cSoundWin;
  return *seam;
}

void* cSoundWin::OpenModule(const char* name) { return LoadLibraryA(name); }

cModuleFunction cSoundWin::FindFunction(void* module, const char* name) {
  return reinterpret_cast<cModuleFunction>(GetProcAddress(static_cast<HMODULE>(module), name));
}

int cSoundWin::CloseModule(void* module) { return FreeLibrary(static_cast<HMODULE>(module)) ? 1 : 0; }

std::unique_ptr<cMidiStream> cSoundWin::NewMidiStream() { return std::make_unique<cMidiStreamWin>(); }

uint32_t cSoundWin::MciOpen(cMciOpenRecord& record) {
  MCI_OPEN_PARMSA parms = {};
  parms.lpstrDeviceType = record.m_strDeviceType.GetStr();
  parms.lpstrElementName = record.m_strElement.GetStr();
  MCIERROR result = mciSendCommandA(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_ELEMENT, reinterpret_cast<DWORD_PTR>(&parms));
  record.m_nDeviceId = result ? 0 : parms.wDeviceID;
  return result;
}

uint32_t cSoundWin::MciClose(uint32_t device) {
  MCI_GENERIC_PARMS parms = {};
  return mciSendCommandA(device, MCI_CLOSE, 0, reinterpret_cast<DWORD_PTR>(&parms));
}

uint32_t cSoundWin::MciPlay(uint32_t device, uint32_t from) {
  MCI_PLAY_PARMS parms = {};
  parms.dwFrom = from;
  return mciSendCommandA(device, MCI_PLAY, MCI_FROM, reinterpret_cast<DWORD_PTR>(&parms));
}

uint32_t cSoundWin::MciStop(uint32_t device) {
  MCI_GENERIC_PARMS parms = {};
  return mciSendCommandA(device, MCI_STOP, 0, reinterpret_cast<DWORD_PTR>(&parms));
}

uint32_t cSoundWin::MciSeekToStart(uint32_t device) {
  MCI_SEEK_PARMS parms = {};
  return mciSendCommandA(device, MCI_SEEK, MCI_SEEK_TO_START, reinterpret_cast<DWORD_PTR>(&parms));
}
