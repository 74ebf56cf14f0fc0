#include "app/cBgmManager.h"

#include <cstring>

#include "app/DataFile.h"
#include "app/MessageBox.h"
#include "app/PathUtil.h"
#include "app/ReportLog.h"
#include "app/cSoundSeam.h"

namespace {

template <size_t N>
void CopyPath(char (&dest)[N], const char* source) {
  std::strncpy(dest, source, N - 1);
  dest[N - 1] = 0;
}

// A bad index is reported as the core vectors report it (the main window is asked to close) and
// then refused, so that no path table is read out of its bounds.
template <class T>
int CheckIndex(const cCoreVector<T>& vector, int index) {
  if (index >= 0 && index < vector.Count()) return 1;
  ReportBadIndex('V', index, vector.Count(), static_cast<int>(sizeof(T)), true);
  return 0;
}

}  // namespace

// --- cVoxPlayer

int cVoxPlayer::Init() {
  Release();
  m_hModule = SoundSeam().OpenModule("Vox.dll");
  if (m_hModule)
    m_pCreateVox = reinterpret_cast<CreateVoxFunction>(SoundSeam().FindFunction(m_hModule, "CreateVox"));
  if (m_pCreateVox) return 1;
  if (m_hModule) SoundSeam().CloseModule(m_hModule);
  m_hModule = nullptr;
  ErrorBoxF("oggの初期化に失敗！");
  return 0;
}

void cVoxPlayer::ReleasePlayers() {
  for (cVox* player : m_vPlayers)
    if (player) player->Release();
  m_vPlayers.Release();
  m_nCurrent = -1;
}

int cVoxPlayer::SetCount(int count) {
  ReleasePlayers();
  if (!m_pCreateVox) return 0;
  m_vPlayers.Reset(count);
  for (cVox*& player : m_vPlayers) {
    player = m_pCreateVox();
    if (!player) {
      OutOfMemory();
      return 0;
    }
  }
  return 1;
}

int cVoxPlayer::Play(int index, const char* path, int loop) {
  // Without the library the Ogg side is simply not there.
  if (!path || !*path || !m_pCreateVox) return 0;
  if (!CheckIndex(m_vPlayers, index) || !m_vPlayers[index]) return 0;
  Stop();
  cVox* player = m_vPlayers[index];
  player->Reset();
  if (!player->Load(path)) {
    m_nCurrent = -1;
    return 0;
  }
  player->SetLoopCount(loop ? kVoxLoopForever : 0);
  player->Play();
  m_nCurrent = index;
  return 1;
}

void cVoxPlayer::Stop() {
  if (m_nCurrent < 0) return;
  if (m_nCurrent < m_vPlayers.Count() && m_vPlayers[m_nCurrent]) m_vPlayers[m_nCurrent]->Stop();
  m_nCurrent = -1;
}

int cVoxPlayer::Release() {
  ReleasePlayers();
  m_pCreateVox = nullptr;
  if (!m_hModule) return 0;
  int result = SoundSeam().CloseModule(m_hModule);
  m_hModule = nullptr;
  return result;
}

// --- cMidiPlayerList

void cMidiPlayerList::SetCount(int count) {
  DestroyPlayers();
  m_vPlayers.Reset(count);
}

void cMidiPlayerList::DestroyPlayers() {
  for (std::unique_ptr<cMidiPlayer>& player : m_vPlayers) player.reset();
}

int cMidiPlayerList::Play(int channel, const char* path, int loop) {
  // Only one piece plays at a time, and each from a new player.
  StopAll(1);
  DestroyPlayers();
  if (!HasExtension(path, "mid") || !CheckIndex(m_vPlayers, channel)) return 0;
  m_vPlayers[channel].reset(new cMidiPlayer(path));
  // A player without a sequence stays in the list until the next Play or the shut-down.
  if (!m_vPlayers[channel]->HasImage()) return 0;
  m_vPlayers[channel]->Restart(loop);
  return 1;
}

void cMidiPlayerList::StopAll(int pause) {
  for (std::unique_ptr<cMidiPlayer>& player : m_vPlayers)
    if (player) player->Stop(pause);
}

void cMidiPlayerList::Clear() {
  DestroyPlayers();
  m_vPlayers.Release();
}

// --- cBgmManager

int cBgmManager::ValidSlot(int slot) const { return CheckIndex(m_vSlotKinds, slot); }
int cBgmManager::ValidChannel(int channel) const { return CheckIndex(m_vChannelStates, channel); }

int32_t cBgmManager::SlotKind(int slot) const { return slot >= 0 && slot < m_vSlotKinds.Count() ? m_vSlotKinds[slot] : -1; }

int32_t cBgmManager::ChannelState(int channel) const {
  return channel >= 0 && channel < m_vChannelStates.Count() ? m_vChannelStates[channel] : -1;
}

int cBgmManager::Init(const cBgmInitData& data) {
  m_bEnabled = 1;
  m_MidiPlayers.Clear();
  int ogg = m_Vox.Init();
  if (!ogg) LogErrorF("m_Vox.Init失敗！");
  // Channels and slots are made either way: without the library only the Ogg side is missing.
  int channels = data.m_nChannels > 0 ? data.m_nChannels : 0;
  m_MidiPlayers.SetCount(channels);
  if (ogg) m_Vox.SetCount(channels);
  m_vChannelStates.Reset(channels);
  m_pOggPaths = data.m_pOggPaths;
  m_pMidiPaths = data.m_pMidiPaths;
  m_vSlotKinds.Reset(data.m_nSlots > 0 ? data.m_nSlots : 0);
  m_nCurSlot = -1;
  return ogg;
}

int cBgmManager::SetSlotFile(int slot, const char* path) {
  if (!m_bEnabled) return 1;
  if (!ValidSlot(slot)) return 0;
  cString extension;
  if (!GetExtension(extension, path)) {
    m_pOggPaths[slot][0] = 0;
    m_pMidiPaths[slot][0] = 0;
    m_vSlotKinds[slot] = kBgmOggThenMidi;
    return 0;
  }
  // Exact comparisons: only these two spellings of each extension count.
  if (extension == "mid" || extension == "MID") {
    char changed[kMaxPath];
    ChangeExtension(changed, path, "mid");
    CopyPath(m_pMidiPaths[slot], changed);
    m_vSlotKinds[slot] = kBgmMidiOnly;
    return 1;
  }
  if (extension == "ogg" || extension == "OGG") {
    CopyPath(m_pOggPaths[slot], path);
    m_vSlotKinds[slot] = kBgmOggOnly;
    return 1;
  }
  CopyPath(m_pOggPaths[slot], path);
  CopyPath(m_pMidiPaths[slot], path);
  m_vSlotKinds[slot] = kBgmOggThenMidi;
  return 0;
}

int cBgmManager::Play(int channel, int slot, int loop, int force) {
  if (!m_bEnabled) return 1;
  if (!ValidSlot(slot) || !ValidChannel(channel)) return 0;
  if (slot == m_nCurSlot && !force) return 1;
  m_nCurSlot = slot;
  int32_t kind = m_vSlotKinds[slot];
  if (kind != kBgmMidiOnly && m_Vox.Play(channel, m_pOggPaths[slot], loop)) {
    m_vChannelStates[channel] = kBgmPlayingOgg;
    m_MidiPlayers.StopAll(0);
    return 1;
  }
  if (kind != kBgmOggOnly && m_MidiPlayers.Play(channel, m_pMidiPaths[slot], loop)) {
    m_vChannelStates[channel] = kBgmPlayingMidi;
    m_Vox.Stop();
    return 1;
  }
  m_vChannelStates[channel] = kBgmSilent;
  m_nCurSlot = -1;
  m_Vox.Stop();
  m_MidiPlayers.StopAll(0);
  return 0;
}

void cBgmManager::Stop() {
  if (!m_bEnabled) return;
  m_MidiPlayers.StopAll(0);
  m_Vox.Stop();
  // Nothing plays now, so the next preview of any slot must start it again.
  m_nCurSlot = -1;
}

void cBgmManager::Shutdown() {
  m_Vox.Release();
  m_MidiPlayers.Clear();
  m_bEnabled = 0;
}

int InitDefaultBgm(cBgmManager& manager) {
  static char oggPaths[1][kBgmOggPathSize] = {"bgm\\Free.ogg"};
  static char midiPaths[1][kBgmMidiPathSize] = {"bgm\\Free.mid"};
  return manager.Init({1, oggPaths, midiPaths, 1});
}
