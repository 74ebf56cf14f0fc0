#include "tests/support/BmpFixture.h"

namespace {
Bytes U16(uint16_t value) { return Bytes{static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8)}; }
}  // namespace

Bytes BmpFile(const cBmpFields& fields) {
  uint32_t start = 14 + 40 + static_cast<uint32_t>(fields.m_Extra.size() + fields.m_Table.size() + fields.m_Gap.size());
  uint32_t offset = fields.m_nOffset < 0 ? start : static_cast<uint32_t>(fields.m_nOffset);
  uint32_t size = start + static_cast<uint32_t>(fields.m_Pixels.size());
  Bytes file = Cat({Hex("42 4D"), U32(size), U32(0), U32(offset)});
  Bytes info = Cat({U32(40), U32(static_cast<uint32_t>(fields.m_nWidth)), U32(static_cast<uint32_t>(fields.m_nHeight)),
                    U16(1), U16(fields.m_nBitCount), U32(fields.m_nCompression), U32(0), U32(2835), U32(2835),
                    U32(fields.m_nColoursUsed), U32(0)});
  return Cat({file, info, fields.m_Extra, fields.m_Table, fields.m_Gap, fields.m_Pixels});
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
