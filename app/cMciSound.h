#pragma once
// Wave previews (and MIDI files on the same road) through MCI devices: a set of device records,
// one of which plays at a time.

#include <cstdint>
#include <memory>

#include "app/cString.h"

// An MCI open record: the device type ("waveaudio" or "sequencer") and the file; device id 0 is a
// record whose device is not open.
struct cMciOpenRecord {
  uint32_t m_nDeviceId = 0;
  cString m_strDeviceType;
  cString m_strElement;
};

class cMciSound {
public:
  cMciSound() = default;
  ~cMciSound() { CloseAll(); }
  cMciSound(const cMciSound&) = delete;
  cMciSound& operator=(const cMciSound&) = delete;

  void Enable();
  // Closes every device, then opens one record per path (the list ends with a null entry); a
  // record whose file cannot be opened stays closed. 0 only when the records cannot be allocated.
  int Open(const char* deviceType, const char* const* paths);
  // Reopens the record on another device and file; 0 when the open fails.
  int ChangeSound(int index, const char* deviceType, const char* path);
  // Plays the record from position (in the device's time format); it becomes current.
  void Play(int index, uint32_t position);
  // Stops the current record and rewinds it; none is current.
  void Stop();
  void CloseAll();
  void Shutdown();

  int Enabled() const { return m_bEnabled; }
  int Count() const { return m_nCount; }
  int Current() const { return m_nCurrent; }
  // Null for an index outside the records.
  const cMciOpenRecord* Record(int index) const;

private:
  int ValidIndex(int index) const { return index >= 0 && index < m_nCount; }
  void CloseRecord(int index);

  uint8_t m_bEnabled = 0;
  std::unique_ptr<cMciOpenRecord[]> m_pRecords;
  int32_t m_nCurrent = -1;
  int32_t m_nCount = 0;
};

extern cMciSound g_MciSound;

// Plays a wave or MIDI file on the record by its extension: "mid"/"MID" (changed to "mid" in
// path itself) on a sequencer, "wav"/"WAV" on a wave device. 1 when it plays.
int PlaySoundFile(cMciSound& sound, int index, char* path, uint32_t position);

// Start-up's set-up: enabled, with one wave device on "wave\free.wav"; 0 only without memory.
int OpenDefaultWave(cMciSound& sound);
