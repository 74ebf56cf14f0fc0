#include "project/BmpConvert.h"

#include <cstring>
#include <new>

#include "app/DataFile.h"
#include "app/MessageBox.h"
#include "app/PathUtil.h"
#include "app/cBmpReader.h"
#include "app/cDataStream.h"
#include "app/cEditConfig.h"

namespace {
constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kPaletteBytes = 4 * kPaletteSize;

void Put16(uint8_t* p, uint32_t value) {
  p[0] = static_cast<uint8_t>(value);
  p[1] = static_cast<uint8_t>(value >> 8);
}
void Put32(uint8_t* p, uint32_t value) {
  Put16(p, value);
  Put16(p + 2, value >> 16);
}

// The index a 256-colour pixel becomes, for every index at once.
void MakeIndexMap(const cBmpReader& reader, const cBmpConvertOptions& options, uint8_t* map) {
  for (int index = 0; index < kPaletteSize; ++index) {
    if (options.m_bTransparent && index == options.m_nTransparentIndex) {
      map[index] = 0;
    } else if (options.m_bReplaceLine && index == options.m_nLineFrom) {
      map[index] = static_cast<uint8_t>(options.m_nLineTo);
    } else {
      // An index beyond the file's colours has none: it counts as black.
      cColourEntry colour = index < reader.ColourCount() ? reader.Colour(index) : cColourEntry();
      map[index] = DrawableIndex(NearestEntry(options.m_pSecondPalette, colour));
    }
  }
}

// The rows' padding stays 0 in the image.
void ConvertIndexedRows(const std::vector<uint8_t>& source, const uint8_t* map, cConvertedImage& image) {
  for (int32_t y = 0; y < image.m_nHeight; ++y) {
    size_t row = static_cast<size_t>(image.m_nStride) * y;
    for (int32_t x = 0; x < image.m_nWidth; ++x) image.m_vPixels[row + x] = map[source[row + x]];
  }
}

// Reads and converts; the reader's file is closed when this returns, before anything is written.
int ReadConverted(const char* input, const cBmpConvertOptions& options, cConvertedImage& image) {
  cBmpReader reader;
  int opened = reader.Open(input);
  if (opened == cBmpReader::kOk) return ConvertPicture(reader, options, image);
  return opened == cBmpReader::kUnsupported ? kConvertUnsupported : kConvertDamaged;
}
}  // namespace

cBmpConvertOptions ConvertOptionsOf(const cEditConfig& config) {
  cBmpConvertOptions options;
  options.m_bTransparent = config.m_bBmpTransparent;
  options.m_nTransparentIndex = config.m_nBmpTransparentIndex;
  options.m_bReplaceLine = config.m_bBmpReplaceLine;
  options.m_nLineFrom = config.m_nBmpLineFrom;
  options.m_nLineTo = config.m_nBmpLineTo;
  return options;
}

uint8_t DrawableIndex(int nearest) {
  if (nearest == 0) return 52;
  if (nearest == 255) return 31;
  if (nearest < 16 || nearest >= 208) return 16;
  return static_cast<uint8_t>(nearest);
}

uint8_t NearestEntry(const cColourEntry* table, const cColourEntry& colour) {
  int best = 0;
  int bestDistance = 3 * 255 * 255 + 1;
  for (int i = 0; i < kPaletteSize && bestDistance > 0; ++i) {
    int red = table[i].m_nRed - colour.m_nRed;
    int green = table[i].m_nGreen - colour.m_nGreen;
    int blue = table[i].m_nBlue - colour.m_nBlue;
    int distance = red * red + green * green + blue * blue;
    if (distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return static_cast<uint8_t>(best);
}

void MakeConvertedPalette(cColourEntry* palette, const cColourEntry* second, const cColourEntry* program) {
  for (int i = 0; i < kPaletteSize; ++i)
    palette[i] = (i >= 10 && i <= 15) || (i >= 208 && i <= 239) ? program[i] : second[i];
}

int ConvertPicture(cBmpReader& reader, const cBmpConvertOptions& options, cConvertedImage& image) {
  if (reader.BitCount() != 8) return kConvertUnsupported;
  image.m_nWidth = reader.Width();
  image.m_nHeight = reader.Height();
  image.m_nStride = BitmapStride(image.m_nWidth, 8);
  size_t bytes = static_cast<size_t>(image.m_nStride) * image.m_nHeight;
  std::vector<uint8_t> source;
  try {
    source.resize(bytes);
    image.m_vPixels.assign(bytes, 0);
  } catch (const std::bad_alloc&) {
    return kConvertNoMemory;
  }
  if (!reader.ReadRows(source.data(), image.m_nStride)) return kConvertDamaged;
  uint8_t map[kPaletteSize];
  MakeIndexMap(reader, options, map);
  ConvertIndexedRows(source, map, image);
  return kConvertOk;
}

void WriteConvertedBitmap(cWriteStream& stream, const cConvertedImage& image, const cBmpConvertOptions& options) {
  uint32_t pixelBytes = static_cast<uint32_t>(image.m_nStride) * static_cast<uint32_t>(image.m_nHeight);
  uint8_t head[kFileHeaderSize + kInfoHeaderSize] = {'B', 'M'};
  Put32(head + 2, kFileHeaderSize + kInfoHeaderSize + kPaletteBytes + pixelBytes);
  Put32(head + 10, kFileHeaderSize + kInfoHeaderSize + kPaletteBytes);
  uint8_t* info = head + kFileHeaderSize;
  Put32(info, kInfoHeaderSize);
  Put32(info + 4, static_cast<uint32_t>(image.m_nWidth));
  Put32(info + 8, static_cast<uint32_t>(image.m_nHeight));
  Put16(info + 12, 1);
  Put16(info + 14, 8);
  Put32(info + 20, pixelBytes);
  Put32(info + 32, kPaletteSize);
  stream.Write(head, sizeof head);
  cColourEntry palette[kPaletteSize];
  MakeConvertedPalette(palette, options.m_pSecondPalette, options.m_pProgramPalette);
  stream.Write(palette, sizeof palette);
  for (int32_t y = image.m_nHeight - 1; y >= 0; --y)
    stream.Write(image.m_vPixels.data() + static_cast<size_t>(image.m_nStride) * y, static_cast<size_t>(image.m_nStride));
}

int ConvertBitmapFile(const char* output, const char* input, const cBmpConvertOptions& options) {
  cConvertedImage image;
  switch (ReadConverted(input, options, image)) {
    case kConvertOk:
      break;
    case kConvertUnsupported:
      ErrorBoxF("%s は256色ではありません！", input);
      return 0;
    case kConvertNoMemory:
      OutOfMemory();
      return 0;
    default:
      ErrorBoxF("%s のロードに失敗！", input);
      return 0;
  }
  cWriteStream stream;
  if (std::strlen(output) < static_cast<size_t>(kMaxPath) && stream.OpenFile(output)) {
    WriteConvertedBitmap(stream, image, options);
    if (stream.Commit()) return 1;
  }
  ErrorBoxF("%s のオープンに失敗！", output);
  return 0;
}

int ConvertBitmapFiles(const cVector<cString>& inputs, const cString& folder, int32_t overwrite,
                       const cBmpConvertOptions& options) {
  int converted = 0;
  for (const cString& input : inputs)
    converted += ConvertBitmapFile(ConvertOutputName(folder, input, overwrite).GetStr(), input.GetStr(), options);
  return converted;
}

cString ConvertOutputName(const cString& folder, const cString& input, int32_t overwrite) {
  if (overwrite) return input;
  // The file name with the separator before it; a bare name gets one.
  int separator = LastSeparator(input.GetStr());
  cString name = separator >= 0 ? input.substr(static_cast<size_t>(separator)) : "\\" + input;
  cString output;
  output.Format("%s%s", folder.GetStr(), name.GetStr());
  return output;
}

int AddChosenFiles(cVector<cString>& names, const cVector<cString>& chosen) {
  int added = 0;
  for (cString path : chosen) {
    MakeRelativePath(path);  // another drive: the path stays absolute
    added |= names.AddUnique(path);
  }
  return added;
}

int AddDroppedPath(cVector<cString>& names, const char* path) {
  cString relative = path ? path : "";
  if (relative.IsEmpty() || !MakeRelativePath(relative)) return 0;
  if (DirectoryExists(relative.GetStr())) {
    cVector<cString> found;
    FindFiles(found, relative.GetStr(), "bmp");
    return names.AppendUnique(found);
  }
  if (!HasExtension(relative.GetStr(), "bmp")) return 0;
  return names.AddUnique(relative);
}

void BmpConvertStates(const cShownCtrls& shown, cCtrlStates& states) {
  states.Enable(kIdcConvTransparentIndex, shown.Checked(kIdcConvTransparent));
  bool replace = shown.Checked(kIdcConvReplaceLine);
  states.Enable(kIdcConvLineFrom, replace);
  states.Enable(kIdcConvLineTo, replace);
  states.Enable(kIdcConvOutputFolder, !shown.Checked(kIdcConvOverwrite));
}
