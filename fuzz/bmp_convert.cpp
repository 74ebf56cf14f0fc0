// The bitmap conversion from arbitrary bytes: a 256-colour picture the reader accepts is converted
// and written as a 256-colour file of the same size that the reader accepts again, with every index
// drawable; any other picture is refused.
#include <cstring>

#include "app/cBmpReader.h"
#include "app/cDataStream.h"
#include "project/BmpConvert.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  cBmpReader reader;
  if (reader.Parse(data, size) != cBmpReader::kOk) return 0;
  cBmpConvertOptions options;
  uint8_t rules = size > 0 ? data[size - 1] : 0;
  options.m_bTransparent = rules & 1;
  options.m_nTransparentIndex = rules;
  options.m_bReplaceLine = (rules >> 1) & 1;
  options.m_nLineFrom = rules ^ 0x55;
  options.m_nLineTo = 12;
  cConvertedImage image;
  int result = ConvertPicture(reader, options, image);
  if (reader.BitCount() != 8) {
    if (result != kConvertUnsupported) __builtin_trap();
    return 0;
  }
  if (result != kConvertOk) __builtin_trap();  // the headers said the rows are there
  cWriteStream out;
  WriteConvertedBitmap(out, image, options);
  const std::vector<unsigned char>& written = out.Bytes();
  cBmpReader again;
  if (again.Parse(written.data(), written.size()) != cBmpReader::kOk) __builtin_trap();
  if (again.Width() != reader.Width() || again.Height() != reader.Height() || again.BitCount() != 8) __builtin_trap();
  for (int32_t y = 0; y < image.m_nHeight; ++y)
    for (int32_t x = 0; x < image.m_nWidth; ++x) {
      uint8_t index = image.m_vPixels[static_cast<size_t>(image.m_nStride) * y + x];
      bool drawable = (index >= 16 && index < 208) || index == 0 || index == options.m_nLineTo;
      if (!drawable) __builtin_trap();
    }
  return 0;
}
