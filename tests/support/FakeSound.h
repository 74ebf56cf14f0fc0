#pragma once
// A sound seam for tests: it records every call in one log, loads a fake Ogg player library whose
// objects play the files they are told are playable, and gives MIDI players a fake stream that
// plays its buffers when the test says so (or on a thread of its own).

#include <atomic>
#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "app/cMidiPlayer.h"
#include "app/cSoundSeam.h"

class cFakeSound;

class cFakeMidiStream : public cMidiStream {
public:
  explicit cFakeMidiStream(cFakeSound& sound) : m_Sound(sound) {}
  ~cFakeMidiStream() override { EndThread(); }

  uint32_t Open(cMidiPlayer* player) override;
  uint32_t SetTimeDivision(uint32_t division) override;
  uint32_t Prepare(int buffer, uint8_t* data, uint32_t size, uint32_t recorded) override;
  uint32_t Out(int buffer) override;
  int IsQueued(int buffer) override;
  uint32_t Restart() override;
  uint32_t Pause() override;
  uint32_t Stop() override;
  uint32_t Reset() override;
  uint32_t Unprepare(int buffer) override;
  uint32_t Close() override;
  void EndThread() override;
  cString ErrorText(uint32_t code) override;

  struct cPlayed {
    uint32_t m_nDelta;
    uint32_t m_nWord;
  };
  // While the stream runs, plays the oldest buffer it holds: its events go to Played(), its flagged
  // events and then its return reach the player as the device's callbacks. 0 when nothing plays.
  int PlayNext();
  // Plays until the player ends the thread.
  void StartPlayingThread();
  std::vector<cPlayed> Played();
  int Queued();

  // Hand the buffer back before its position callbacks instead of after them.
  bool m_bReturnFirst = false;

private:
  uint32_t Call(const std::string& call, const char* operation);

  cFakeSound& m_Sound;
  cMidiPlayer* m_pPlayer = nullptr;
  std::mutex m_Lock;
  bool m_bRunning = false;
  std::deque<int> m_Queue;
  uint8_t* m_aData[kMidiBufferCount] = {};
  uint32_t m_aRecorded[kMidiBufferCount] = {};
  std::vector<cPlayed> m_vPlayed;
  std::thread m_Thread;
  std::atomic<bool> m_bQuit{false};
};

class cFakeSound : public cSoundSeam {
public:
  cFakeSound();
  ~cFakeSound() override;

  void* OpenModule(const char* name) override;
  cModuleFunction FindFunction(void* module, const char* name) override;
  int CloseModule(void* module) override;
  std::unique_ptr<cMidiStream> NewMidiStream() override;
  uint32_t MciOpen(cMciOpenRecord& record) override;
  uint32_t MciClose(uint32_t device) override;
  uint32_t MciPlay(uint32_t device, uint32_t from) override;
  uint32_t MciStop(uint32_t device) override;
  uint32_t MciSeekToStart(uint32_t device) override;

  void Record(const std::string& call);
  // The calls since the last Take, and forgets them.
  std::vector<std::string> Take();

  // What the fakes offer and how they fail.
  bool m_bHasVox = true;
  bool m_bHasCreateVox = true;
  bool m_bCreateVoxFails = false;
  std::set<std::string> m_Playable;            // files the Vox objects load
  std::map<std::string, uint32_t> m_MidiErrors;  // stream operation -> error code
  std::set<std::string> m_MciMissing;          // files MCI cannot open
  cFakeMidiStream* m_pLastStream = nullptr;    // the stream of the newest MIDI player
  int m_nVoxMade = 0;

private:
  std::mutex m_Lock;
  std::vector<std::string> m_vCalls;
  uint32_t m_nNextDevice = 1;
};
