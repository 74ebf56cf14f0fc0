#include "app/win/cMidiStreamWin.h"

uint32_t cMidiStreamWin::Open(cMidiPlayer* player) {
  m_pPlayer = player;
  m_hThread = CreateThread(nullptr, 0, ThreadProc, this, 0, &m_nThreadId);
  if (!m_hThread) return MMSYSERR_NOMEM;
  // A thread has a message queue once it has asked for a message; the stream posts to that queue.
  while (!PostThreadMessageA(m_nThreadId, WM_APP, 0, 0) && WaitForSingleObject(m_hThread, 0) == WAIT_TIMEOUT)
    Sleep(1);
  // Without any MIDI output the mapper cannot open. Asking all the same is not harmless: Wine then
  // keeps a freed stream in its table, and a later open reads it.
  if (midiOutGetNumDevs() == 0) return MIDIERR_NODEVICE;
  UINT device = MIDI_MAPPER;
  MMRESULT result = midiStreamOpen(&m_hStream, &device, 1, m_nThreadId, 0, CALLBACK_THREAD);
  // A failed open may still leave a handle behind, of a stream that is already gone.
  if (result) m_hStream = nullptr;
  return result;
}

DWORD WINAPI cMidiStreamWin::ThreadProc(void* self) {
  static_cast<cMidiStreamWin*>(self)->RunMessageLoop();
  return 0;
}

void cMidiStreamWin::RunMessageLoop() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    int buffer = BufferOf(msg.lParam);
    if (buffer < 0) continue;
    if (msg.message == MM_MOM_POSITIONCB) m_pPlayer->OnPositionCallback(buffer, m_aHeaders[buffer].dwOffset);
    else if (msg.message == MM_MOM_DONE) m_pPlayer->OnBufferDone(buffer);
  }
}

int cMidiStreamWin::BufferOf(LPARAM header) const {
  for (int i = 0; i < kMidiBufferCount; ++i)
    if (reinterpret_cast<LPARAM>(&m_aHeaders[i]) == header) return i;
  return -1;
}

void cMidiStreamWin::EndThread() {
  if (!m_hThread) return;
  while (!PostThreadMessageA(m_nThreadId, WM_QUIT, 0, 0) && WaitForSingleObject(m_hThread, 0) == WAIT_TIMEOUT)
    Sleep(1);
  WaitForSingleObject(m_hThread, INFINITE);
  CloseHandle(m_hThread);
  m_hThread = nullptr;
}

uint32_t cMidiStreamWin::SetTimeDivision(uint32_t division) {
  MIDIPROPTIMEDIV property = {sizeof property, division};
  return midiStreamProperty(m_hStream, reinterpret_cast<LPBYTE>(&property), MIDIPROP_SET | MIDIPROP_TIMEDIV);
}

uint32_t cMidiStreamWin::Prepare(int buffer, uint8_t* data, uint32_t size, uint32_t recorded) {
  MIDIHDR& header = m_aHeaders[buffer];
  header = MIDIHDR();
  header.lpData = reinterpret_cast<LPSTR>(data);
  header.dwBufferLength = size;
  header.dwBytesRecorded = recorded;
  header.dwUser = static_cast<DWORD_PTR>(buffer);
  return midiOutPrepareHeader(reinterpret_cast<HMIDIOUT>(m_hStream), &header, sizeof header);
}

uint32_t cMidiStreamWin::Out(int buffer) { return midiStreamOut(m_hStream, &m_aHeaders[buffer], sizeof(MIDIHDR)); }

int cMidiStreamWin::IsQueued(int buffer) {
  // The device's own thread clears the flag when it is done with the buffer.
  volatile DWORD* flags = &m_aHeaders[buffer].dwFlags;
  return *flags & MHDR_INQUEUE ? 1 : 0;
}

uint32_t cMidiStreamWin::Restart() { return midiStreamRestart(m_hStream); }
uint32_t cMidiStreamWin::Pause() { return midiStreamPause(m_hStream); }
uint32_t cMidiStreamWin::Stop() { return midiStreamStop(m_hStream); }
uint32_t cMidiStreamWin::Reset() { return midiOutReset(reinterpret_cast<HMIDIOUT>(m_hStream)); }

uint32_t cMidiStreamWin::Unprepare(int buffer) {
  return midiOutUnprepareHeader(reinterpret_cast<HMIDIOUT>(m_hStream), &m_aHeaders[buffer], sizeof(MIDIHDR));
}

uint32_t cMidiStreamWin::Close() {
  MMRESULT result = midiStreamClose(m_hStream);
  m_hStream = nullptr;
  return result;
}

cString cMidiStreamWin::ErrorText(uint32_t code) {
  char text[MAXERRORLENGTH];
  if (midiOutGetErrorTextA(code, text, sizeof text) != MMSYSERR_NOERROR) text[0] = 0;
  return text;
}
