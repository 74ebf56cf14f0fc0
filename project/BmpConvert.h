#pragma once
// The bitmap conversion tool apart from any window: its control ids, the conversion of a 256-colour
// picture to the colours the program draws with, the names of the files it writes and
// reads, and the enable rules of its dialog.
//
// Every pixel takes the nearest colour of the second program palette (squared distance over red,
// green and blue, the first entry on a tie), moved into the range a picture may use. The input is
// read through the bitmap reader, which checks every header against the file; the output goes
// through the checked save, so a failed write leaves whatever was at its path, an input rewritten
// in place included, as it was.

#include <cstdint>
#include <vector>

#include "app/ProgramPalette.h"
#include "app/cString.h"
#include "app/cVector.h"
#include "editors/CtrlStates.h"

class cBmpReader;
class cEditConfig;
class cWriteStream;

enum : uint16_t {
  kIddBmpConvert = 188,
  kIdcConvRun = 1007,
  kIdcConvAddFiles = 1008,
  kIdcConvClearFiles = 1009,
  kIdcConvFiles = 1328,
  kIdcConvTransparentIndex = 1329,
  kIdcConvTransparentIndexSpin = 1330,
  kIdcConvOverwrite = 1331,
  kIdcConvOutputFolder = 1332,
  kIdcConvBrowse = 1333,
  kIdcConvTransparent = 1334,
  kIdcConvReplaceLine = 1338,
  kIdcConvLineFrom = 1339,
  kIdcConvLineFromSpin = 1340,
  kIdcConvLineTo = 1341,
  kIdcConvLineToSpin = 1342,
};
constexpr int32_t kConvOutputFolderLength = 259;

// What a conversion does besides finding the nearest colours.
struct cBmpConvertOptions {
  // Pixels of this input index become 0.
  int32_t m_bTransparent = 1;
  int32_t m_nTransparentIndex = 0;
  // Pixels of input index from become index to, unconverted.
  int32_t m_bReplaceLine = 0;
  int32_t m_nLineFrom = 1;
  int32_t m_nLineTo = 15;
  // The palette the colours are found in, and the program palette whose line and reserved colours
  // the written file carries; 256 entries each.
  const cColourEntry* m_pSecondPalette = g_aSecondPalette;
  const cColourEntry* m_pProgramPalette = g_ProgramPalette.m_Pal;
};
// The tool's settings as the editor configuration holds them, with the project's palettes.
cBmpConvertOptions ConvertOptionsOf(const cEditConfig& config);

// The index the program may draw with for a nearest entry: entries 1 to 15 and 208 to 254 are
// reserved and become 16, entry 0 becomes 52 and entry 255 becomes 31.
uint8_t DrawableIndex(int nearest);

// The nearest entry of a 256-colour table.
uint8_t NearestEntry(const cColourEntry* table, const cColourEntry& colour);

// The colours of a converted file: the second palette with entries 10 to 15 (the line colours) and
// 208 to 239 taken from the program palette.
void MakeConvertedPalette(cColourEntry* palette, const cColourEntry* second, const cColourEntry* program);

// A converted picture: one index a pixel, top row first, each row stride bytes (padded to 4).
struct cConvertedImage {
  int32_t m_nWidth = 0;
  int32_t m_nHeight = 0;
  int32_t m_nStride = 0;
  std::vector<uint8_t> m_vPixels;
};

enum : int { kConvertOk, kConvertUnsupported, kConvertDamaged, kConvertNoMemory };
// Converts the picture of a reader whose headers were accepted; only 256-colour pictures are
// converted: any other keeps colours the tool's index rules cannot speak of.
int ConvertPicture(cBmpReader& reader, const cBmpConvertOptions& options, cConvertedImage& image);
// Writes a 256-colour bitmap file of the image: headers, the converted palette, rows bottom first.
void WriteConvertedBitmap(cWriteStream& stream, const cConvertedImage& image, const cBmpConvertOptions& options);

// Converts one file into output (which may be the input itself); 1 on success, 0 after the message
// that says why not.
int ConvertBitmapFile(const char* output, const char* input, const cBmpConvertOptions& options);
// Converts every input into its output, in list order, going on after a failed one; the number of
// files converted.
int ConvertBitmapFiles(const cVector<cString>& inputs, const cString& folder, int32_t overwrite,
                       const cBmpConvertOptions& options);

// The file written for an input: the input itself when overwriting, otherwise the output folder
// with the input's file name.
cString ConvertOutputName(const cString& folder, const cString& input, int32_t overwrite);

// Adds the files chosen in the open dialog, each relative to the working folder where it can be;
// names already in the list are skipped. 1 when one was added.
int AddChosenFiles(cVector<cString>& names, const cVector<cString>& chosen);
// Adds a path dropped on the tool, relative to the working folder (one that cannot be made
// relative is skipped): a folder gives its *.bmp files, a file whose extension is "bmp" itself,
// anything else nothing; names already in the list are skipped. 1 when one was added.
int AddDroppedPath(cVector<cString>& names, const char* path);

// The transparent index with its box, the line indexes with theirs, and the output folder only
// while the inputs are not overwritten.
void BmpConvertStates(const cShownCtrls& shown, cCtrlStates& states);
