#pragma once
// An Ogg Vorbis file held in memory, decoded to interleaved 16-bit samples.

#include <cstdint>
#include <vector>

struct stb_vorbis;

class cOggDecoder {
public:
  cOggDecoder() = default;
  ~cOggDecoder() { Close(); }
  cOggDecoder(const cOggDecoder&) = delete;
  cOggDecoder& operator=(const cOggDecoder&) = delete;

  // Keeps the file's bytes; 0 when they are not Ogg Vorbis.
  int Open(std::vector<uint8_t>&& file);
  void Close();

  int Channels() const { return m_nChannels; }
  uint32_t SampleRate() const { return m_nSampleRate; }
  uint32_t FrameCount() const { return m_nFrameCount; }
  // Decodes up to frames sample frames into out; the frames decoded, 0 at the end.
  int Read(int16_t* out, int frames);
  // Back to the first frame.
  int Rewind();

private:
  std::vector<uint8_t> m_vFile;
  stb_vorbis* m_pVorbis = nullptr;
  int m_nChannels = 0;
  uint32_t m_nSampleRate = 0;
  uint32_t m_nFrameCount = 0;
};
