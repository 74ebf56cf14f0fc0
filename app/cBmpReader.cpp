#include "app/cBmpReader.h"

#include <cstring>

#include "app/MessageBox.h"
#include "app/cDataStream.h"

namespace {
constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kLargestHeaderSize = 124;
constexpr uint32_t kRgb = 0;
constexpr uint32_t kBitFields = 3;

uint32_t U16(const uint8_t* p) { return p[0] | p[1] << 8; }
uint32_t U32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }

// 32-bit files may describe their plain blue-green-red-x layout with masks.
bool PlainMasks(const uint8_t* masks) {
  return U32(masks) == 0x00FF0000 && U32(masks + 4) == 0x0000FF00 && U32(masks + 8) == 0x000000FF;
}
}  // namespace

int32_t BitmapStride(int32_t width, int32_t bitCount) {
  return static_cast<int32_t>((static_cast<int64_t>(width) * bitCount + 31) / 32 * 4);
}

cBmpReader::~cBmpReader() {
  if (m_pFile) std::fclose(m_pFile);
}

int cBmpReader::Open(const char* path) {
  m_pFile = std::fopen(HostPath(path).c_str(), "rb");
  if (!m_pFile) return kCannotOpen;
  if (std::fseek(m_pFile, 0, SEEK_END) != 0) return kDamaged;
  long size = std::ftell(m_pFile);
  if (size < 0) return kDamaged;
  m_nFileSize = static_cast<uint64_t>(size);
  uint8_t head[kFileHeaderSize + kLargestHeaderSize + 12 + 4 * kPaletteSize] = {};
  size_t headSize = static_cast<size_t>(size) < sizeof head ? static_cast<size_t>(size) : sizeof head;
  if (!ReadAt(0, head, headSize)) return kDamaged;
  return ParseHeaders(head, headSize, static_cast<uint64_t>(size));
}

int cBmpReader::Parse(const uint8_t* data, size_t size) {
  m_pData = data;
  return ParseHeaders(data, size, size);
}

int cBmpReader::ParseHeaders(const uint8_t* head, size_t headSize, uint64_t fileSize) {
  m_nFileSize = fileSize;
  if (headSize < kFileHeaderSize + 4 || head[0] != 'B' || head[1] != 'M') return kDamaged;
  const uint8_t* info = head + kFileHeaderSize;
  uint32_t infoSize = U32(info);
  if (infoSize < kInfoHeaderSize) return kUnsupported;  // the old core header
  if (infoSize > kLargestHeaderSize || kFileHeaderSize + infoSize > headSize) return kDamaged;
  int32_t width = static_cast<int32_t>(U32(info + 4));
  int32_t height = static_cast<int32_t>(U32(info + 8));
  m_nBitCount = static_cast<int32_t>(U16(info + 14));
  uint32_t compression = U32(info + 16);
  uint32_t coloursUsed = U32(info + 32);
  uint32_t tableStart = kFileHeaderSize + infoSize;

  if (m_nBitCount != 8 && m_nBitCount != 24 && m_nBitCount != 32) return kUnsupported;
  if (compression == kBitFields && m_nBitCount == 32) {
    // The masks follow a 40-byte header and lie inside the longer ones, which hold all three.
    constexpr uint32_t kMasksEnd = kInfoHeaderSize + 12;
    if (infoSize > kInfoHeaderSize && infoSize < kMasksEnd) return kDamaged;
    if (kFileHeaderSize + kMasksEnd > headSize) return kDamaged;
    if (infoSize == kInfoHeaderSize) tableStart += 12;
    if (!PlainMasks(info + kInfoHeaderSize)) return kUnsupported;
  } else if (compression != kRgb) {
    return kUnsupported;
  }
  if (width <= 0 || width > kMaxBitmapSide || height == 0 || height < -kMaxBitmapSide || height > kMaxBitmapSide)
    return kDamaged;
  m_nWidth = width;
  m_bTopDown = height < 0;
  m_nHeight = height < 0 ? -height : height;

  m_nColourCount = 0;
  if (m_nBitCount == 8) {
    if (coloursUsed > kPaletteSize) return kDamaged;
    m_nColourCount = coloursUsed ? static_cast<int>(coloursUsed) : kPaletteSize;
    if (tableStart + 4u * m_nColourCount > headSize) return kDamaged;
    for (int i = 0; i < m_nColourCount; ++i) std::memcpy(&m_aColour[i], head + tableStart + 4 * i, 4);
    tableStart += 4u * m_nColourCount;
  }

  // A file that names no pixel offset keeps its pixels right after the headers and the colours.
  uint32_t offset = U32(head + 10);
  m_nPixelOffset = offset ? offset : tableStart;
  if (m_nPixelOffset < kFileHeaderSize + kInfoHeaderSize) return kDamaged;
  uint64_t rowBytes = static_cast<uint64_t>(m_nWidth) * (m_nBitCount / 8);
  uint64_t end = m_nPixelOffset + static_cast<uint64_t>(BitmapStride(m_nWidth, m_nBitCount)) * (m_nHeight - 1) + rowBytes;
  if (end > m_nFileSize) return kDamaged;
  return kOk;
}

int cBmpReader::ReadAt(uint64_t offset, uint8_t* destination, size_t size) {
  if (offset + size > m_nFileSize) return 0;
  if (m_pData) {
    std::memcpy(destination, m_pData + offset, size);
    return 1;
  }
  if (std::fseek(m_pFile, static_cast<long>(offset), SEEK_SET) != 0) return 0;
  return std::fread(destination, 1, size, m_pFile) == size ? 1 : 0;
}

int cBmpReader::ReadRows(uint8_t* bits, int32_t stride) {
  size_t rowBytes = static_cast<size_t>(m_nWidth) * (m_nBitCount / 8);
  int32_t fileStride = BitmapStride(m_nWidth, m_nBitCount);
  for (int32_t row = 0; row < m_nHeight; ++row) {
    // A bottom-up file stores the bottom row first.
    int32_t y = m_bTopDown ? row : m_nHeight - 1 - row;
    uint64_t offset = m_nPixelOffset + static_cast<uint64_t>(fileStride) * row;
    if (!ReadAt(offset, bits + static_cast<size_t>(stride) * y, rowBytes)) return 0;
  }
  return 1;
}

void ReportBitmapFailure(const char* path, int result) {
  if (result == cBmpReader::kUnsupported)
    ErrorBoxF("%s の読み込みに失敗しました！\n256色と24bit色以外の形式には対応していません。", path);
  else
    ErrorBoxF("%s が読み込めません！", path);
}
