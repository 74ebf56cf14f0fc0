#include "tests/support/BmpFixture.h"

namespace {
Bytes U16(uint16_t value) { return Bytes{static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8)}; }
}  // namespace

Bytes BmpFile(const cBmpSpec& spec) {
  uint32_t start = 14 + 40 + static_cast<uint32_t>(spec.m_Extra.size() + spec.m_Table.size() + spec.m_Gap.size());
  uint32_t offset = spec.m_nOffset < 0 ? start : static_cast<uint32_t>(spec.m_nOffset);
  uint32_t size = start + static_cast<uint32_t>(spec.m_Pixels.size());
  Bytes file = Cat({Hex("42 4D"), U32(size), U32(0), U32(offset)});
  Bytes info = Cat({U32(40), U32(static_cast<uint32_t>(spec.m_nWidth)), U32(static_cast<uint32_t>(spec.m_nHeight)),
                    U16(1), U16(spec.m_nBitCount), U32(spec.m_nCompression), U32(0), U32(2835), U32(2835),
                    U32(spec.m_nColoursUsed), U32(0)});
  return Cat({file, info, spec.m_Extra, spec.m_Table, spec.m_Gap, spec.m_Pixels});
}

Bytes RampTable(int count) {
  Bytes table;
  for (int i = 0; i < count; ++i) {
    table.push_back(static_cast<unsigned char>(i));
    table.push_back(static_cast<unsigned char>(255 - i));
    table.push_back(static_cast<unsigned char>(i / 2));
    table.push_back(0);
  }
  return table;
}
