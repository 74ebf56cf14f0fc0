#include "app/cMidiSequence.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "app/ReportLog.h"
#include "app/cDataStream.h"

namespace {

constexpr uint32_t kHeaderSize = 14;

struct cTrackEvent {
  uint64_t m_nTime;
  uint32_t m_nData;    // offset of the bytes after the status byte
  uint32_t m_nLength;  // bytes after the status byte
  uint8_t m_nStatus;
};

uint32_t BigEndian32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 |
         static_cast<uint32_t>(p[2]) << 8 | p[3];
}

uint32_t BigEndian16(const uint8_t* p) { return static_cast<uint32_t>(p[0]) << 8 | p[1]; }

void PutBigEndian32(uint8_t* p, uint32_t value) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(value >> (24 - 8 * i));
}

void PutLittleEndian32(uint8_t* p, uint32_t value) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(value >> (8 * i));
}

// Bytes after the status byte of an event that begins at p; 0 when they run past end.
uint32_t EventLength(uint8_t status, const uint8_t* p, const uint8_t* end) {
  uint32_t count;
  int n;
  switch (status) {
    case 0xF0:
    case 0xF7:
      n = ReadVarLen(p, end, count);
      return n && count <= static_cast<uint64_t>(end - p) - n ? n + count : 0;
    case 0xFF:
      if (end - p < 2) return 0;
      n = ReadVarLen(p + 1, end, count);
      return n && count <= static_cast<uint64_t>(end - p) - 1 - n ? 1 + n + count : 0;
    default: {
      uint32_t length = (status & 0xE0) == 0xC0 ? 1 : 2;
      return static_cast<uint32_t>(end - p) >= length ? length : 0;
    }
  }
}

// Reads the events of one track chunk [begin, end) with their absolute times. The track ends at
// FF 2F or at the end of its chunk. 0 when an event or a quantity runs past the chunk.
int ReadTrack(const uint8_t* bytes, uint32_t begin, uint32_t end, std::vector<cTrackEvent>& events,
              uint64_t& endTime) {
  const uint8_t* limit = bytes + end;
  uint64_t time = 0;
  uint8_t running = 0;
  uint32_t p = begin;
  while (p < end) {
    uint32_t delta;
    int n = ReadVarLen(bytes + p, limit, delta);
    if (!n || p + n >= end) return 0;
    time += delta;
    p += n;
    if (bytes[p] & 0x80) running = bytes[p++];
    if (!running) return 0;
    if (running == 0xFF && p < end && bytes[p] == 0x2F) {
      endTime = time;
      return 1;
    }
    uint32_t length = EventLength(running, bytes + p, limit);
    if (!length) return 0;
    events.push_back({time, p, length, running});
    p += length;
  }
  endTime = time;
  return 1;
}

}  // namespace

int ReadVarLen(const uint8_t* bytes, const uint8_t* end, uint32_t& value) {
  value = 0;
  for (int i = 0; i < 4 && bytes + i < end; ++i) {
    value = value << 7 | (bytes[i] & 0x7F);
    if (!(bytes[i] & 0x80)) return i + 1;
  }
  return 0;
}

int WriteVarLen(uint8_t* out, uint32_t value) {
  if (value > 0x0FFFFFFF) return 0;
  int length = 1;
  while (length < 4 && value >> (7 * length)) ++length;
  for (int i = 0; i < length; ++i) {
    uint8_t group = static_cast<uint8_t>(value >> (7 * (length - 1 - i)) & 0x7F);
    out[i] = i + 1 < length ? group | 0x80 : group;
  }
  return length;
}

cMidiSequence::cMidiSequence(const char* path) : m_strName(path) { Create(path); }

uint32_t cMidiSequence::Division() const { return HasImage() ? BigEndian16(&m_vImage[12]) : 0; }

void cMidiSequence::LogRefusal(const char* reason) const {
  LogReportAndError("Midi %s Init %s", m_strName.GetStr(), reason);
}

int cMidiSequence::Create(const char* path) {
  m_vImage.clear();
  FILE* file = std::fopen(HostPath(path).c_str(), "rb");
  if (!file) {
    LogReportAndError("Midi %s Create ファイルが開けません", m_strName.GetStr());
    return 0;
  }
  std::vector<uint8_t> bytes;
  uint8_t block[65536];
  for (size_t n; (n = std::fread(block, 1, sizeof block, file)) > 0;) bytes.insert(bytes.end(), block, block + n);
  std::fclose(file);
  return Init(bytes.data(), bytes.size());
}

int cMidiSequence::Init(const uint8_t* bytes, size_t size) {
  m_vImage.clear();
  if (size < 4 || std::memcmp(bytes, "MThd", 4) != 0) {
    LogRefusal("標準MIDIでない(4)");
    return 0;
  }
  if (size < kHeaderSize || BigEndian32(bytes + 4) != 6) {
    LogRefusal("標準MIDIでない(6)");
    return 0;
  }
  uint32_t format = BigEndian16(bytes + 8);
  if (format == 2) {
    LogRefusal("対応フォーマットが2でない");
    return 0;
  }
  if (format > 2) {
    LogRefusal("対応フォーマットが0または1でない");
    return 0;
  }
  if (size < kHeaderSize + 4 || std::memcmp(bytes + kHeaderSize, "MTrk", 4) != 0) {
    LogRefusal("標準MIDIでない(4)");
    return 0;
  }
  return Convert(bytes, size);
}

int cMidiSequence::Convert(const uint8_t* bytes, size_t size) {
  m_vImage.clear();
  if (size < kHeaderSize || size > 0xFFFFFFF0u) {
    LogRefusal("データが壊れている");
    return 0;
  }
  uint32_t tracks = BigEndian16(bytes + 10);
  if (tracks == 0) {
    LogRefusal("トラックがない");
    return 0;
  }
  if (bytes[12] & 0x80) {
    LogRefusal("SMPTE形式の時間単位には対応していない");
    return 0;
  }
  // Every track's events in track order; a stable sort by time then merges them exactly as taking
  // the earliest head each time would, the first track winning on equal times.
  std::vector<cTrackEvent> events;
  events.reserve(size / 3);
  uint64_t endTime = 0;
  uint32_t fileEnd = static_cast<uint32_t>(size);
  for (uint32_t chunk = kHeaderSize, read = 0; read < tracks && fileEnd - chunk >= 8;) {
    uint32_t body = chunk + 8;
    uint32_t end = body + std::min(BigEndian32(bytes + chunk + 4), fileEnd - body);
    if (std::memcmp(bytes + chunk, "MTrk", 4) == 0) {
      uint64_t trackEnd;
      if (!ReadTrack(bytes, body, end, events, trackEnd)) {
        LogRefusal("データが壊れている");
        return 0;
      }
      endTime = std::max(endTime, trackEnd);
      ++read;
    }
    chunk = end;
  }
  std::stable_sort(events.begin(), events.end(),
                   [](const cTrackEvent& a, const cTrackEvent& b) { return a.m_nTime < b.m_nTime; });

  std::vector<uint8_t> image(kMidiTrackStart);
  std::memcpy(&image[0], "MThd\0\0\0\6\0\0\0\1", 12);
  image[12] = bytes[12];
  image[13] = bytes[13];
  std::memcpy(&image[14], "MTrk", 4);
  image.reserve(size + size / 2 + 64);
  uint64_t previous = 0;
  uint8_t delta[4];
  // Consecutive merged events are never further apart than one delta of their own track.
  for (const cTrackEvent& event : events) {
    image.insert(image.end(), delta, delta + WriteVarLen(delta, static_cast<uint32_t>(event.m_nTime - previous)));
    image.push_back(event.m_nStatus);
    image.insert(image.end(), bytes + event.m_nData, bytes + event.m_nData + event.m_nLength);
    previous = event.m_nTime;
  }
  image.insert(image.end(), delta, delta + WriteVarLen(delta, static_cast<uint32_t>(endTime - previous)));
  image.insert(image.end(), {0xFF, 0x2F, 0x00});
  PutBigEndian32(&image[18], static_cast<uint32_t>(image.size() - kMidiTrackStart));
  m_vImage.swap(image);
  return 1;
}

namespace {

// One event of the image as the stream sends it.
struct cStreamEvent {
  enum Kind { kShort, kLong, kEnd, kSkip } m_eKind;
  uint32_t m_nWord;
  const uint8_t* m_pLong;  // data of a long message, after its status byte
  uint32_t m_nLongLength;
  uint32_t m_nNext;  // image offset after the event
  uint32_t Size() const { return kMidiShortEventSize + (m_eKind == kLong ? (m_nLongLength + 3) & ~3u : 0); }
};

// Decodes the event whose status byte is at p; 0 when the image is damaged there.
int DecodeStreamEvent(const std::vector<uint8_t>& image, uint32_t p, cStreamEvent& event) {
  const uint8_t* at = image.data() + p;
  const uint8_t* end = image.data() + image.size();
  uint8_t status = *at;
  uint32_t length = status & 0x80 ? EventLength(status, at + 1, end) : 0;
  if (!length) return 0;
  event = {cStreamEvent::kShort, status, nullptr, 0, p + 1 + length};
  if (status == 0xF0 || status == 0xF7) {
    uint32_t count;
    int n = ReadVarLen(at + 1, end, count);
    event.m_eKind = cStreamEvent::kLong;
    event.m_pLong = at + 1 + n;
    event.m_nLongLength = count + 1;
    event.m_nWord = kMidiEventLong | event.m_nLongLength;
  } else if (status == 0xFF) {
    uint32_t count;
    int n = ReadVarLen(at + 2, end, count);
    const uint8_t* data = at + 2 + n;
    if (at[1] == 0x2F) {
      event.m_eKind = cStreamEvent::kEnd;
      event.m_nWord = kMidiEventCallback | kMidiEndOfPiece;
    } else if (at[1] == 0x51 && count >= 3) {
      event.m_nWord = kMidiEventTempo | static_cast<uint32_t>(data[0]) << 16 | data[1] << 8 | data[2];
    } else {
      event.m_eKind = cStreamEvent::kSkip;
    }
  } else {
    event.m_nWord |= at[1] << 8;
    if (length == 2) event.m_nWord |= at[2] << 16;
  }
  return 1;
}

}  // namespace

uint32_t cMidiSequence::FillStreamBuffer(uint32_t position, uint8_t* buffer, uint32_t size,
                                         uint32_t& recorded) const {
  std::memset(buffer, 0, size);
  uint32_t written = 0;
  uint32_t last = 0;          // offset of the last event written
  uint32_t consumed = position;  // image offset after the last event written
  uint32_t carried = 0;       // time of events consumed without sending
  uint32_t p = position;
  const uint8_t* end = m_vImage.data() + m_vImage.size();
  while (p < m_vImage.size()) {
    uint32_t delta;
    int n = ReadVarLen(&m_vImage[p], end, delta);
    cStreamEvent event;
    if (!n || p + n >= m_vImage.size() || !DecodeStreamEvent(m_vImage, p + n, event)) {
      consumed = ImageEnd();
      break;
    }
    delta += carried;
    uint32_t need = event.Size();
    // An event larger than a whole buffer could never be sent: it is dropped like a meta event.
    if (event.m_eKind == cStreamEvent::kSkip || need > size) {
      carried = delta;
      p = event.m_nNext;
      continue;
    }
    if (need > size - written) {
      // Full: the events consumed without sending after the last one sent are read again next time.
      if (written) buffer[last + 11] |= kMidiEventCallback >> 24;
      break;
    }
    PutLittleEndian32(buffer + written, delta);
    PutLittleEndian32(buffer + written + 8, event.m_nWord);
    if (event.m_eKind == cStreamEvent::kLong) {
      buffer[written + 12] = m_vImage[p + n];
      std::memcpy(buffer + written + 13, event.m_pLong, event.m_nLongLength - 1);
    }
    last = written;
    written += need;
    carried = 0;
    p = consumed = event.m_nNext;
    if (event.m_eKind == cStreamEvent::kEnd) break;
  }
  recorded = written;
  return consumed - position;
}
