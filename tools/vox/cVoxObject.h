#pragma once
// The player object of Vox.dll: one Ogg Vorbis file on one waveOut device, fed by a thread that
// decodes a few buffers ahead and starts the piece again while loops are left.

#include <windows.h>
#include <mmsystem.h>

#include <vector>

#include "app/cVox.h"
#include "tools/vox/cOggDecoder.h"

class cVoxObject final : public cVox {
public:
  static cVoxObject* Create();

  uint8_t VX_STDCALL Load(const char* path) override;
  void VX_STDCALL Play() override;
  void VX_STDCALL Stop() override;
  void VX_STDCALL Reset() override;
  void VX_STDCALL SetLoopCount(int32_t count) override;
  uint8_t VX_STDCALL IsPlaying() override;
  uint32_t VX_STDCALL GetPlayedFrames() override;
  uint32_t VX_STDCALL GetFrameCount() override;
  uint32_t VX_STDCALL GetSampleRate() override;
  void VX_STDCALL Release() override;

private:
  static constexpr int kBuffers = 4;
  static constexpr int kBufferFrames = 8192;

  explicit cVoxObject(HANDLE done) : m_hDone(done) {}
  ~cVoxObject();
  static DWORD WINAPI FeedThread(void* self);
  void Feed();
  // Decodes the next frames into the buffer and sends it; 0 when the piece has ended.
  int Send(int buffer);
  uint32_t Decode(int buffer);
  void EndFeed();
  void Unprepare(int buffer);

  cOggDecoder m_Decoder;
  HWAVEOUT m_hWave = nullptr;
  // Signalled by the device whenever it gives a buffer back.
  HANDLE m_hDone;
  WAVEHDR m_aHeaders[kBuffers] = {};
  std::vector<int16_t> m_aSamples[kBuffers];
  bool m_aSent[kBuffers] = {};
  HANDLE m_hThread = nullptr;
  volatile LONG m_bQuit = 0;
  volatile LONG m_bPlaying = 0;
  volatile LONG m_nPlayedFrames = 0;
  int32_t m_nLoopCount = 0;
  int32_t m_nLoopsLeft = 0;
};
