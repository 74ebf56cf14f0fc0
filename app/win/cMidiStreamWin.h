#pragma once
// A MIDI stream on the MIDI mapper whose callbacks go, as thread messages, to a thread of its own
// that hands them to the player.

#include <windows.h>
#include <mmsystem.h>

#include "app/cMidiPlayer.h"

class cMidiStreamWin : public cMidiStream {
public:
  cMidiStreamWin() = default;
  ~cMidiStreamWin() override { EndThread(); }
  cMidiStreamWin(const cMidiStreamWin&) = delete;
  cMidiStreamWin& operator=(const cMidiStreamWin&) = delete;

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

  DWORD ThreadId() const { return m_nThreadId; }
  HANDLE Thread() const { return m_hThread; }
  MIDIHDR* Header(int buffer) { return &m_aHeaders[buffer]; }

private:
  static DWORD WINAPI ThreadProc(void* self);
  void RunMessageLoop();
  // The buffer of a header the device hands back; -1 for anything else.
  int BufferOf(LPARAM header) const;

  HMIDISTRM m_hStream = nullptr;
  MIDIHDR m_aHeaders[kMidiBufferCount] = {};
  HANDLE m_hThread = nullptr;
  DWORD m_nThreadId = 0;
  cMidiPlayer* m_pPlayer = nullptr;
};
