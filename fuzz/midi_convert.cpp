// Arbitrary bytes as a MIDI file: whatever the reader accepts must convert again to the same image
// and go through small stream buffers to its end, always moving on.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "app/cMidiSequence.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  cMidiSequence sequence;
  if (!sequence.Init(data, size)) return 0;
  cMidiSequence again;
  if (!again.Init(sequence.Image().data(), sequence.Image().size()) || again.Image() != sequence.Image())
    __builtin_trap();
  std::vector<uint8_t> buffer(64);
  for (uint32_t position = kMidiTrackStart; position < sequence.ImageEnd();) {
    uint32_t recorded;
    uint32_t consumed = sequence.FillStreamBuffer(position, buffer.data(), static_cast<uint32_t>(buffer.size()), recorded);
    if (consumed == 0 || recorded > buffer.size()) __builtin_trap();
    position += consumed;
  }
  return 0;
}
