// Bitmap files from arbitrary bytes: the reader refuses what it cannot read, and what it accepts
// is read, mirrored and masked without a byte outside the picture.
#include <cstring>
#include <vector>

#include "app/cBmpReader.h"
#include "app/cPixelView.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  cBmpReader reader;
  if (reader.Parse(data, size) != cBmpReader::kOk) return 0;
  int32_t stride = BitmapStride(reader.Width(), reader.BitCount());
  std::vector<uint8_t> image(static_cast<size_t>(stride) * reader.Height());
  std::vector<uint8_t> mask(image.size());
  if (!reader.ReadRows(image.data(), stride)) __builtin_trap();  // headers said the rows are there
  int32_t bpp = reader.BitCount() / 8;
  cPixelView view{image.data(), reader.Width(), reader.Height(), stride, bpp};
  cPixelView maskView{mask.data(), reader.Width(), reader.Height(), stride, bpp};
  uint8_t cell = size > 0 ? data[size - 1] : 0;
  MirrorCells(view, cell % 40, cell / 40);
  cProgramPalette palette;
  BuildMask(view, maskView, palette);
  BlackenKeyedPixels(view, palette.m_TrueColourKey);
  return 0;
}
