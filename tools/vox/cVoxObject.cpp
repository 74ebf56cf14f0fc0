#include "tools/vox/cVoxObject.h"

#include <new>

namespace {

// The file's bytes; empty when it cannot be read.
std::vector<uint8_t> ReadWholeFile(const char* path) {
  std::vector<uint8_t> bytes;
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  DWORD high = 0;
  DWORD size = GetFileSize(file, &high);
  // Pieces of music are far smaller; anything this large is not one.
  if (size != INVALID_FILE_SIZE && high == 0 && size < 0x10000000) {
    bytes.resize(size);
    DWORD read = 0;
    if (!ReadFile(file, bytes.data(), size, &read, nullptr) || read != size) bytes.clear();
  }
  CloseHandle(file);
  return bytes;
}

}  // namespace

extern "C" __declspec(dllexport) cVox* CreateVox() { return cVoxObject::Create(); }

cVoxObject* cVoxObject::Create() {
  HANDLE done = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  if (!done) return nullptr;
  cVoxObject* object = new (std::nothrow) cVoxObject(done);
  if (!object) CloseHandle(done);
  return object;
}

cVoxObject::~cVoxObject() { CloseHandle(m_hDone); }

void VX_STDCALL cVoxObject::Release() {
  Reset();
  delete this;
}

uint8_t VX_STDCALL cVoxObject::Load(const char* path) {
  Reset();
  try {
    if (!path || !m_Decoder.Open(ReadWholeFile(path))) return 0;
    int channels = m_Decoder.Channels();
    if (channels < 1 || channels > 2) {
      m_Decoder.Close();
      return 0;
    }
    for (std::vector<int16_t>& samples : m_aSamples) samples.assign(kBufferFrames * channels, 0);
  } catch (const std::bad_alloc&) {
    m_Decoder.Close();
    return 0;
  }
  WAVEFORMATEX format = {};
  format.wFormatTag = WAVE_FORMAT_PCM;
  format.nChannels = static_cast<WORD>(m_Decoder.Channels());
  format.nSamplesPerSec = m_Decoder.SampleRate();
  format.wBitsPerSample = 16;
  format.nBlockAlign = static_cast<WORD>(format.nChannels * 2);
  format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
  // Without a device the file cannot play, so it is not loaded.
  if (waveOutOpen(&m_hWave, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(m_hDone), 0, CALLBACK_EVENT)) {
    m_hWave = nullptr;
    m_Decoder.Close();
    return 0;
  }
  return 1;
}

void VX_STDCALL cVoxObject::Play() {
  if (!m_hWave) return;
  Stop();
  m_Decoder.Rewind();
  m_nLoopsLeft = m_nLoopCount;
  InterlockedExchange(&m_nPlayedFrames, 0);
  InterlockedExchange(&m_bQuit, 0);
  InterlockedExchange(&m_bPlaying, 1);
  m_hThread = CreateThread(nullptr, 0, FeedThread, this, 0, nullptr);
  if (!m_hThread) InterlockedExchange(&m_bPlaying, 0);
}

void VX_STDCALL cVoxObject::Stop() {
  EndFeed();
  if (m_hWave) {
    waveOutReset(m_hWave);
    for (int i = 0; i < kBuffers; ++i) Unprepare(i);
  }
  InterlockedExchange(&m_bPlaying, 0);
}

void VX_STDCALL cVoxObject::Reset() {
  Stop();
  if (m_hWave) waveOutClose(m_hWave);
  m_hWave = nullptr;
  m_Decoder.Close();
}

void VX_STDCALL cVoxObject::SetLoopCount(int32_t count) { m_nLoopCount = count > 0 ? count : 0; }
uint8_t VX_STDCALL cVoxObject::IsPlaying() { return m_bPlaying ? 1 : 0; }
uint32_t VX_STDCALL cVoxObject::GetPlayedFrames() { return static_cast<uint32_t>(m_nPlayedFrames); }
uint32_t VX_STDCALL cVoxObject::GetFrameCount() { return m_Decoder.FrameCount(); }
uint32_t VX_STDCALL cVoxObject::GetSampleRate() { return m_Decoder.SampleRate(); }

void cVoxObject::EndFeed() {
  if (!m_hThread) return;
  InterlockedExchange(&m_bQuit, 1);
  SetEvent(m_hDone);
  WaitForSingleObject(m_hThread, INFINITE);
  CloseHandle(m_hThread);
  m_hThread = nullptr;
}

void cVoxObject::Unprepare(int buffer) {
  if (m_aHeaders[buffer].dwFlags & WHDR_PREPARED) waveOutUnprepareHeader(m_hWave, &m_aHeaders[buffer], sizeof(WAVEHDR));
  m_aSent[buffer] = false;
}

DWORD WINAPI cVoxObject::FeedThread(void* self) {
  static_cast<cVoxObject*>(self)->Feed();
  return 0;
}

void cVoxObject::Feed() {
  int sent = 0;
  for (int i = 0; i < kBuffers; ++i) sent += Send(i);
  while (sent > 0 && !m_bQuit) {
    WaitForSingleObject(m_hDone, 100);
    for (int i = 0; i < kBuffers && !m_bQuit; ++i) {
      if (!m_aSent[i] || !(m_aHeaders[i].dwFlags & WHDR_DONE)) continue;
      m_aSent[i] = false;
      --sent;
      InterlockedExchangeAdd(&m_nPlayedFrames, static_cast<LONG>(m_aHeaders[i].dwUser));
      sent += Send(i);
    }
  }
  if (!m_bQuit) InterlockedExchange(&m_bPlaying, 0);
}

uint32_t cVoxObject::Decode(int buffer) {
  int channels = m_Decoder.Channels();
  int16_t* out = m_aSamples[buffer].data();
  uint32_t filled = 0;
  bool rewound = false;
  while (filled < kBufferFrames) {
    int frames = m_Decoder.Read(out + filled * channels, kBufferFrames - filled);
    if (frames > 0) {
      filled += frames;
      rewound = false;
      continue;
    }
    // The end: again while loops are left (a piece without frames never starts again).
    if (m_nLoopsLeft == 0 || rewound) break;
    if (m_nLoopsLeft != kVoxLoopForever) --m_nLoopsLeft;
    m_Decoder.Rewind();
    rewound = true;
  }
  return filled;
}

int cVoxObject::Send(int buffer) {
  Unprepare(buffer);
  uint32_t frames = Decode(buffer);
  if (!frames) return 0;
  WAVEHDR& header = m_aHeaders[buffer];
  header = WAVEHDR();
  header.lpData = reinterpret_cast<LPSTR>(m_aSamples[buffer].data());
  header.dwBufferLength = frames * m_Decoder.Channels() * 2;
  header.dwUser = frames;
  if (waveOutPrepareHeader(m_hWave, &header, sizeof header)) return 0;
  if (waveOutWrite(m_hWave, &header, sizeof header)) {
    waveOutUnprepareHeader(m_hWave, &header, sizeof header);
    return 0;
  }
  m_aSent[buffer] = true;
  return 1;
}
