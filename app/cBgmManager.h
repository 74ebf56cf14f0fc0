#pragma once
// Background music previews: slots that name an Ogg and a MIDI file, played on channels through
// the Ogg player library (one player object per channel) or a MIDI stream player.

#include <cstdint>
#include <memory>

#include "app/cMidiPlayer.h"
#include "app/cVector.h"
#include "app/cVox.h"

constexpr int kBgmOggPathSize = 260;
constexpr int kBgmMidiPathSize = 264;

// Slot kinds: which player a slot tries.
enum : int32_t { kBgmOggThenMidi = 0, kBgmOggOnly = 1, kBgmMidiOnly = 2 };
// Channel states.
enum : int32_t { kBgmSilent = 0, kBgmPlayingOgg = 1, kBgmPlayingMidi = 2 };

// The player objects of Vox.dll, one per channel.
class cVoxPlayer {
public:
  cVoxPlayer() = default;
  ~cVoxPlayer() { Release(); }
  cVoxPlayer(const cVoxPlayer&) = delete;
  cVoxPlayer& operator=(const cVoxPlayer&) = delete;

  // Loads Vox.dll and finds CreateVox; 0 after telling the user when either is missing.
  int Init();
  // Replaces the players by count new ones; 0 (out of memory) when one cannot be made.
  int SetCount(int count);
  // Plays the file on the player of index; 1 when it plays.
  int Play(int index, const char* path, int loop);
  void Stop();
  // Releases every player and unloads the library: the result of the unloading.
  int Release();

private:
  void ReleasePlayers();

  cCoreVector<cVox*> m_vPlayers;
  int32_t m_nCurrent = -1;
  void* m_hModule = nullptr;
  CreateVoxFunction m_pCreateVox = nullptr;
};

// The MIDI players, one per channel; a MIDI file plays from a new player each time.
class cMidiPlayerList {
public:
  void SetCount(int count);
  int Play(int channel, const char* path, int loop);
  // 1 pauses, 0 stops every player.
  void StopAll(int pause);
  // Destroys every player and empties the list.
  void Clear();

private:
  void DestroyPlayers();

  cCoreVector<std::unique_ptr<cMidiPlayer>> m_vPlayers;
};

struct cBgmInitData {
  int32_t m_nChannels;
  char (*m_pOggPaths)[kBgmOggPathSize];
  char (*m_pMidiPaths)[kBgmMidiPathSize];
  int32_t m_nSlots;
};

class cBgmManager {
public:
  cBgmManager() = default;
  ~cBgmManager() { Shutdown(); }
  cBgmManager(const cBgmManager&) = delete;
  cBgmManager& operator=(const cBgmManager&) = delete;

  // Sets up the channels and slots over the caller's path tables; 0 when the Ogg player library
  // cannot be used, which leaves MIDI playing.
  int Init(const cBgmInitData& data);
  // Puts the file into the slot by its extension; 1 for a MIDI or an Ogg file.
  int SetSlotFile(int slot, const char* path);
  // Plays the slot on the channel; a slot already playing plays on unless force is set.
  int Play(int channel, int slot, int loop, int force);
  void Stop();
  void Shutdown();

  int32_t CurrentSlot() const { return m_nCurSlot; }
  int32_t SlotKind(int slot) const;
  int32_t ChannelState(int channel) const;

private:
  int ValidSlot(int slot) const;
  int ValidChannel(int channel) const;

  int32_t m_bEnabled = 0;
  cVoxPlayer m_Vox;
  char (*m_pOggPaths)[kBgmOggPathSize] = nullptr;
  cMidiPlayerList m_MidiPlayers;
  char (*m_pMidiPaths)[kBgmMidiPathSize] = nullptr;
  int32_t m_nCurSlot = -1;
  cCoreVector<int32_t> m_vSlotKinds;
  cCoreVector<int32_t> m_vChannelStates;
};

extern cBgmManager g_BgmManager;

// Start-up's set-up: one channel and one slot that holds "bgm\Free.ogg" and "bgm\Free.mid".
int InitDefaultBgm(cBgmManager& manager);
