#include "tools/vox/cOggDecoder.h"

// The whole decoder is in this header; this is the one file that includes it.
#include "stb_vorbis.h"

int cOggDecoder::Open(std::vector<uint8_t>&& file) {
  Close();
  m_vFile = std::move(file);
  int error = 0;
  m_pVorbis = stb_vorbis_open_memory(m_vFile.data(), static_cast<int>(m_vFile.size()), &error, nullptr);
  if (!m_pVorbis) {
    Close();
    return 0;
  }
  stb_vorbis_info info = stb_vorbis_get_info(m_pVorbis);
  m_nChannels = info.channels;
  m_nSampleRate = info.sample_rate;
  m_nFrameCount = stb_vorbis_stream_length_in_samples(m_pVorbis);
  return 1;
}

void cOggDecoder::Close() {
  if (m_pVorbis) stb_vorbis_close(m_pVorbis);
  m_pVorbis = nullptr;
  std::vector<uint8_t>().swap(m_vFile);
  m_nChannels = 0;
  m_nSampleRate = 0;
  m_nFrameCount = 0;
}

int cOggDecoder::Read(int16_t* out, int frames) {
  if (!m_pVorbis) return 0;
  return stb_vorbis_get_samples_short_interleaved(m_pVorbis, m_nChannels, out, frames * m_nChannels);
}

int cOggDecoder::Rewind() { return m_pVorbis ? stb_vorbis_seek_start(m_pVorbis) : 0; }
