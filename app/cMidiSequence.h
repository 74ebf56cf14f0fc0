#pragma once
// A standard MIDI file read into memory and merged into one format-0 track whose events all carry
// their status byte, and the conversion of that track into the event format of MIDI streams.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "app/cString.h"

// The first event of the merged track; a rewound player starts here.
constexpr uint32_t kMidiTrackStart = 22;

// Stream event words (the event format of the system's MIDI stream output).
constexpr uint32_t kMidiEventCallback = 0x40000000;
constexpr uint32_t kMidiEventLong = 0x80000000;
constexpr uint32_t kMidiEventTempo = 0x01000000;
// The low 24 bits of the event word that ends the piece.
constexpr uint32_t kMidiEndOfPiece = 0x2FFF;
// Delta time, stream id and event word.
constexpr uint32_t kMidiShortEventSize = 12;

// One variable-length quantity at bytes, never reading at or past end: its length (1 to 4), or 0
// when it does not end within 4 bytes or within the data.
int ReadVarLen(const uint8_t* bytes, const uint8_t* end, uint32_t& value);
// The shortest encoding of value into out (4 bytes): its length, or 0 above 0x0FFFFFFF.
int WriteVarLen(uint8_t* out, uint32_t value);

class cMidiSequence {
public:
  cMidiSequence() = default;
  // Keeps the path as the name and reads the file.
  explicit cMidiSequence(const char* path);
  virtual ~cMidiSequence() = default;

  // Reads the whole file and keeps its converted image; 0 (logged) when there is none.
  int Create(const char* path);
  // Checks the header of a file's bytes, then converts them; 0 (logged) when they are refused.
  int Init(const uint8_t* bytes, size_t size);
  // Merges every track into the format-0 image; 0 (logged) for data that cannot be a MIDI file.
  int Convert(const uint8_t* bytes, size_t size);

  int HasImage() const { return m_vImage.empty() ? 0 : 1; }
  const std::vector<uint8_t>& Image() const { return m_vImage; }
  uint32_t ImageEnd() const { return static_cast<uint32_t>(m_vImage.size()); }
  uint32_t Division() const;
  const cString& Name() const { return m_strName; }

  // Converts the events from position on into stream events in buffer (size bytes, cleared first)
  // until it is full or the piece ends; recorded receives the bytes written. Returns the image bytes
  // consumed. Meta events other than tempo send nothing, and their time goes to the next event.
  uint32_t FillStreamBuffer(uint32_t position, uint8_t* buffer, uint32_t size, uint32_t& recorded) const;

private:
  void LogRefusal(const char* reason) const;

  std::vector<uint8_t> m_vImage;
  cString m_strName;
};
