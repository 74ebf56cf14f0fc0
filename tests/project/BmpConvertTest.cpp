#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "app/cBmpReader.h"
#include "project/BmpConvert.h"
#include "tests/support/BmpFixture.h"
#include "tests/support/FileCallFaults.h"
#include "tests/support/TestSupport.h"

namespace {

cColourEntry Rgb(int red, int green, int blue) {
  cColourEntry colour;
  colour.m_nRed = static_cast<uint8_t>(red);
  colour.m_nGreen = static_cast<uint8_t>(green);
  colour.m_nBlue = static_cast<uint8_t>(blue);
  return colour;
}

Bytes TableBytes(const std::vector<cColourEntry>& colours) {
  Bytes table;
  for (const cColourEntry& c : colours) table.insert(table.end(), {c.m_nBlue, c.m_nGreen, c.m_nRed, 0});
  return table;
}

// Palettes whose entries are far apart, so that each test colour has one clear nearest entry: the
// second palette holds grey i at entry i; the program palette is red i.
struct cPalettes {
  cColourEntry m_aSecond[kPaletteSize];
  cColourEntry m_aProgram[kPaletteSize];
  cPalettes() {
    for (int i = 0; i < kPaletteSize; ++i) {
      m_aSecond[i] = Rgb(i, i, i);
      m_aProgram[i] = Rgb(i, 0, 0);
    }
  }
  cBmpConvertOptions Options() const {
    cBmpConvertOptions options;
    options.m_pSecondPalette = m_aSecond;
    options.m_pProgramPalette = m_aProgram;
    return options;
  }
};

// The picture of a written file, top row first, and its colours.
struct cReadBack {
  int m_nResult = -1;
  int32_t m_nWidth = 0, m_nHeight = 0, m_nBits = 0;
  std::vector<uint8_t> m_vPixels;
  std::vector<cColourEntry> m_vColours;
};

cReadBack ReadBack(const char* path) {
  cReadBack back;
  cBmpReader reader;
  back.m_nResult = reader.Open(path);
  if (back.m_nResult != cBmpReader::kOk) return back;
  back.m_nWidth = reader.Width();
  back.m_nHeight = reader.Height();
  back.m_nBits = reader.BitCount();
  back.m_vPixels.resize(static_cast<size_t>(back.m_nWidth) * back.m_nHeight);
  reader.ReadRows(back.m_vPixels.data(), back.m_nWidth);
  for (int i = 0; i < reader.ColourCount(); ++i) back.m_vColours.push_back(reader.Colour(i));
  return back;
}

// A path inside the working folder in the system's own absolute form, and one that cannot be made
// relative to it (another drive, or outside the folder's tree).
std::string Absolute(const char* relative) {
  return (std::filesystem::current_path() / std::filesystem::path(relative).make_preferred()).string();
}
#ifdef _WIN32
const char* const kElsewhere = "Q:\\elsewhere\\e.bmp";
#else
const char* const kElsewhere = "/elsewhere/e.bmp";
#endif

class BmpConvertTest : public ::testing::Test {
protected:
  cScratchFolder m_Folder;
  cFakeShell m_Shell;
  cPalettes m_Palettes;
  cBmpConvertOptions m_Options = m_Palettes.Options();
};

}  // namespace

TEST(BmpConvertRulesTest, NearestEntriesMoveIntoTheDrawableRange) {
  std::map<int, int> cases = {{0, 52},  {1, 16},   {9, 16},   {15, 16},  {16, 16},  {17, 17},
                              {100, 100}, {207, 207}, {208, 16}, {239, 16}, {254, 16}, {255, 31}};
  for (auto [nearest, drawn] : cases) EXPECT_EQ(DrawableIndex(nearest), drawn) << nearest;
}

TEST(BmpConvertRulesTest, TheNearestColourIsTheFirstOfTheSmallestSquaredDistance) {
  cColourEntry table[kPaletteSize];
  table[3] = Rgb(200, 0, 0);
  table[7] = Rgb(0, 200, 0);
  table[8] = Rgb(0, 200, 0);  // the same colour again: its first entry wins
  table[9] = Rgb(100, 100, 100);
  table[10] = Rgb(110, 100, 100);
  struct cCase {
    cColourEntry m_Colour;
    int m_nEntry;
  } cases[] = {
      {Rgb(0, 0, 0), 0},       {Rgb(190, 10, 0), 3},     {Rgb(0, 255, 0), 7},      {Rgb(104, 100, 100), 9},
      {Rgb(105, 100, 100), 9},  // a tie
      {Rgb(106, 100, 100), 10}, {Rgb(255, 255, 255), 10},  {Rgb(20, 20, 20), 0},
  };
  for (const cCase& c : cases) EXPECT_EQ(NearestEntry(table, c.m_Colour), c.m_nEntry);
}

TEST(BmpConvertRulesTest, TheWrittenPaletteTakesTheLineAndReservedColoursFromTheProgramPalette) {
  cPalettes palettes;
  cColourEntry palette[kPaletteSize];
  MakeConvertedPalette(palette, palettes.m_aSecond, palettes.m_aProgram);
  for (int i = 0; i < kPaletteSize; ++i) {
    bool program = (i >= 10 && i <= 15) || (i >= 208 && i <= 239);
    EXPECT_TRUE(palette[i].SameColour(program ? palettes.m_aProgram[i] : palettes.m_aSecond[i])) << i;
  }
}

TEST(BmpConvertRulesTest, OutputNamesKeepTheFileNameInTheOutputFolder) {
  struct cCase {
    const char* m_pFolder;
    const char* m_pInput;
    int m_bOverwrite;
    const char* m_pOutput;
  } cases[] = {
      {"bmp\\convert", ".\\pic\\a.bmp", 0, "bmp\\convert\\a.bmp"},
      {"bmp\\convert", "a.bmp", 0, "bmp\\convert\\a.bmp"},
      {"out", "C:\\絵\\表.bmp", 0, "out\\表.bmp"},
      {"out", ".\\pic\\a.bmp", 1, ".\\pic\\a.bmp"},
  };
  for (const cCase& c : cases)
    EXPECT_EQ(ConvertOutputName(c.m_pFolder, c.m_pInput, c.m_bOverwrite), c.m_pOutput) << c.m_pInput;
}

TEST(BmpConvertRulesTest, EachNumberIsEnabledWithItsBoxAndTheFolderWhileNotOverwriting) {
  class cShown : public cShownCtrls {
  public:
    explicit cShown(std::set<uint16_t> checked) : m_Checked(std::move(checked)) {}
    int Checked(uint16_t id) const override { return m_Checked.count(id) ? 1 : 0; }
    int Row(uint16_t) const override { return 0; }
    std::set<uint16_t> m_Checked;
  };
  struct cCase {
    std::set<uint16_t> m_Checked;
    int m_nIndex, m_nLine, m_nFolder;
  } cases[] = {
      {{}, 0, 0, 1},
      {{kIdcConvTransparent}, 1, 0, 1},
      {{kIdcConvReplaceLine}, 0, 1, 1},
      {{kIdcConvOverwrite, kIdcConvTransparent, kIdcConvReplaceLine}, 1, 1, 0},
  };
  for (const cCase& c : cases) {
    cCtrlStates states;
    BmpConvertStates(cShown(c.m_Checked), states);
    EXPECT_EQ(states.Enabled(kIdcConvTransparentIndex), c.m_nIndex);
    EXPECT_EQ(states.Enabled(kIdcConvLineFrom), c.m_nLine);
    EXPECT_EQ(states.Enabled(kIdcConvLineTo), c.m_nLine);
    EXPECT_EQ(states.Enabled(kIdcConvOutputFolder), c.m_nFolder);
  }
}

TEST_F(BmpConvertTest, A256ColourPictureTakesTheNearestGreysWithTheTransparentAndLineRules) {
  // Width 3: rows of 4 bytes, the last of them padding.
  std::vector<cColourEntry> colours = {Rgb(9, 9, 9), Rgb(250, 0, 0), Rgb(100, 100, 100), Rgb(3, 3, 3),
                                       Rgb(255, 255, 255), Rgb(212, 212, 212), Rgb(60, 62, 61)};
  cBmpFields fields;
  fields.m_nWidth = 3;
  fields.m_nHeight = 2;
  fields.m_Table = TableBytes(colours);
  fields.m_nColoursUsed = 7;
  // Bottom row first: 4 5 6 | pad, then the top row 0 1 2 | pad; index 9 has no colour.
  fields.m_Pixels = Hex("04 05 06 EE 00 01 02 EE");
  WriteFileBytes("in.bmp", BmpFile(fields));
  struct cCase {
    const char* m_pWhat;
    int m_bTransparent, m_nTransparent, m_bReplace, m_nFrom, m_nTo;
    std::vector<uint8_t> m_vExpected;  // top row first
  } cases[] = {
      // 0: grey 9 is nearest to entry 9 -> 16; 1: (250,0,0) nearest grey 83 -> 83; 2: 100; 3: grey 3 -> 16;
      // 4: 255 -> 31; 5: 212 -> 16; 6: grey 61. Top row 0 1 2, bottom row 4 5 6.
      {"no rules", 0, 0, 0, 1, 15, {16, 83, 100, 31, 16, 61}},
      {"index 0 transparent", 1, 0, 0, 1, 15, {0, 83, 100, 31, 16, 61}},
      {"line 1 to 15", 1, 0, 1, 1, 15, {0, 15, 100, 31, 16, 61}},
      {"index 4 transparent before its line rule", 1, 4, 1, 4, 12, {16, 83, 100, 0, 16, 61}},
      {"line 6 to 12", 0, 0, 1, 6, 12, {16, 83, 100, 31, 16, 12}},
  };
  for (const cCase& c : cases) {
    m_Options.m_bTransparent = c.m_bTransparent;
    m_Options.m_nTransparentIndex = c.m_nTransparent;
    m_Options.m_bReplaceLine = c.m_bReplace;
    m_Options.m_nLineFrom = c.m_nFrom;
    m_Options.m_nLineTo = c.m_nTo;
    ASSERT_EQ(ConvertBitmapFile("out.bmp", "in.bmp", m_Options), 1) << c.m_pWhat;
    cReadBack back = ReadBack("out.bmp");
    ASSERT_EQ(back.m_nResult, cBmpReader::kOk);
    EXPECT_EQ(back.m_nBits, 8);
    EXPECT_EQ(back.m_nWidth, 3);
    EXPECT_EQ(back.m_nHeight, 2);
    EXPECT_EQ(back.m_vPixels, c.m_vExpected) << c.m_pWhat;
  }
  // The whole file: standard headers, 256 colours, rows bottom first padded with zeros.
  Bytes out = ReadFileBytes("out.bmp");
  ASSERT_EQ(out.size(), 14u + 40 + 1024 + 8);
  EXPECT_EQ(ToHex(Bytes(out.begin() + 10, out.begin() + 14)), ToHex(U32(1078)));
  EXPECT_EQ(ToHex(Bytes(out.end() - 8, out.end())), "1F 10 0C 00 10 53 64 00");
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());
}

TEST_F(BmpConvertTest, AnIndexBeyondTheColoursAndATopDownPictureAreReadAsTheyAre) {
  cBmpFields fields;
  fields.m_nWidth = 2;
  fields.m_nHeight = -2;  // top row first
  fields.m_Table = TableBytes({Rgb(0, 0, 0), Rgb(120, 120, 120)});
  fields.m_nColoursUsed = 2;
  fields.m_Gap = Hex("AA BB CC DD");  // the pixels start after a gap the offset names
  fields.m_Pixels = Hex("01 07 00 00 07 01 00 00");
  WriteFileBytes("in.bmp", BmpFile(fields));
  m_Options.m_bTransparent = 0;
  ASSERT_EQ(ConvertBitmapFile("out.bmp", "in.bmp", m_Options), 1);
  cReadBack back = ReadBack("out.bmp");
  // Index 7 lies beyond the two colours: black, nearest entry 0, written 52.
  EXPECT_EQ(back.m_vPixels, (std::vector<uint8_t>{120, 52, 52, 120}));
}

TEST_F(BmpConvertTest, PicturesTheToolCannotReadAreRefusedAndNothingIsWritten) {
  cBmpFields rle;
  rle.m_nWidth = 2;
  rle.m_nHeight = 1;
  rle.m_nCompression = 1;
  rle.m_Table = RampTable(256);
  rle.m_Pixels = Hex("02 05 00 01");
  cBmpFields trueColour;
  trueColour.m_nWidth = 3;
  trueColour.m_nHeight = 1;
  trueColour.m_nBitCount = 24;
  trueColour.m_Pixels = Hex("FF 00 FF  28 28 28  FF FF FF  00 00 00");  // blue green red, padded to 12
  cBmpFields deep;
  deep.m_nWidth = 1;
  deep.m_nHeight = 1;
  deep.m_nBitCount = 32;
  deep.m_Pixels = Hex("01 02 03 00");
  cBmpFields shortRows;
  shortRows.m_nWidth = 4;
  shortRows.m_nHeight = 3;
  shortRows.m_Table = RampTable(256);
  shortRows.m_Pixels = Hex("00 01 02 03");
  cBmpFields farPixels = shortRows;
  farPixels.m_Pixels = Hex("00 01 02 03 00 01 02 03 00 01 02 03");
  farPixels.m_nOffset = 1 << 20;
  struct cCase {
    const char* m_pWhat;
    Bytes m_File;
    const char* m_pMessage;
  } cases[] = {
      {"run-length compressed", BmpFile(rle), "in.bmp は256色ではありません！"},
      {"24 bits a pixel", BmpFile(trueColour), "in.bmp は256色ではありません！"},
      {"32 bits a pixel", BmpFile(deep), "in.bmp は256色ではありません！"},
      {"rows beyond the end", BmpFile(shortRows), "in.bmp のロードに失敗！"},
      {"a pixel offset beyond the end", BmpFile(farPixels), "in.bmp のロードに失敗！"},
      {"no bitmap at all", Hex("42 4D 00"), "in.bmp のロードに失敗！"},
      {"a header size past the file", Cat({Hex("42 4D"), U32(60), U32(0), U32(54), U32(4000)}), "in.bmp のロードに失敗！"},
  };
  for (const cCase& c : cases) {
    m_Shell.m_vBoxes.clear();
    WriteFileBytes("in.bmp", c.m_File);
    for (const char* output : {"out.bmp", "in.bmp"}) {
      EXPECT_EQ(ConvertBitmapFile(output, "in.bmp", m_Options), 0) << c.m_pWhat;
      EXPECT_FALSE(FileThere("out.bmp")) << c.m_pWhat;
      EXPECT_EQ(ReadFileBytes("in.bmp"), c.m_File) << c.m_pWhat << ": the input is never written over";
    }
    ASSERT_EQ(m_Shell.m_vBoxes.size(), 2u) << c.m_pWhat;
    EXPECT_EQ(m_Shell.m_vBoxes[0].m_strText, c.m_pMessage) << c.m_pWhat;
    EXPECT_EQ(m_Shell.m_vBoxes[0].m_strCaption, "エラー");
  }
  m_Shell.m_vBoxes.clear();
  EXPECT_EQ(ConvertBitmapFile("out.bmp", "missing.bmp", m_Options), 0);
  ASSERT_EQ(m_Shell.m_vBoxes.size(), 1u);
  EXPECT_EQ(m_Shell.m_vBoxes[0].m_strText, "missing.bmp のロードに失敗！");
}

TEST_F(BmpConvertTest, AFailedWriteLeavesTheInputItOverwritesWhole) {
  cBmpFields fields;
  fields.m_nWidth = 5;
  fields.m_nHeight = 3;
  fields.m_Table = RampTable(256);
  fields.m_Pixels = Bytes(24, 0x40);
  Bytes input = BmpFile(fields);
  WriteFileBytes("pic.bmp", input);
  // Every write, flush, close and rename of the save fails in turn; the input stays as it was.
  int calls = ExpectEveryFailureKeepsTheFile(
      "pic.bmp", [&] { return ConvertBitmapFile("pic.bmp", "pic.bmp", m_Options); },
      [&] { WriteFileBytes("pic.bmp", input); });
  EXPECT_GE(calls, 4);
  for (const auto& box : m_Shell.m_vBoxes) EXPECT_EQ(box.m_strText, "pic.bmp のオープンに失敗！");
  m_Shell.m_vBoxes.clear();
  // A folder that is not there: the output cannot be made.
  EXPECT_EQ(ConvertBitmapFile("nowhere\\pic.bmp", "pic.bmp", m_Options), 0);
  ASSERT_EQ(m_Shell.m_vBoxes.size(), 1u);
  EXPECT_EQ(m_Shell.m_vBoxes[0].m_strText, "nowhere\\pic.bmp のオープンに失敗！");
}

TEST_F(BmpConvertTest, ARunConvertsEveryFileAndGoesOnAfterAFailedOne) {
  std::filesystem::create_directories("pic");
  std::filesystem::create_directories("out");
  cBmpFields fields;
  fields.m_nWidth = 1;
  fields.m_nHeight = 1;
  fields.m_Table = TableBytes({Rgb(0, 0, 0), Rgb(77, 77, 77)});
  fields.m_nColoursUsed = 2;
  fields.m_Pixels = Hex("01 00 00 00");
  WriteFileBytes("pic/a.bmp", BmpFile(fields));
  WriteFileBytes("pic/c.bmp", BmpFile(fields));
  cVector<cString> inputs = {".\\pic\\a.bmp", ".\\pic\\b.bmp", ".\\pic\\c.bmp"};
  EXPECT_EQ(ConvertBitmapFiles(inputs, "out", 0, m_Options), 2);
  EXPECT_EQ(ReadBack("out/a.bmp").m_vPixels, std::vector<uint8_t>{77});
  EXPECT_EQ(ReadBack("out/c.bmp").m_vPixels, std::vector<uint8_t>{77});
  EXPECT_FALSE(FileThere("out/b.bmp"));
  ASSERT_EQ(m_Shell.m_vBoxes.size(), 1u);
  EXPECT_EQ(m_Shell.m_vBoxes[0].m_strText, ".\\pic\\b.bmp のロードに失敗！");
  // Overwriting: each input is rewritten in place.
  EXPECT_EQ(ConvertBitmapFiles({".\\pic\\a.bmp"}, "out", 1, m_Options), 1);
  EXPECT_EQ(ReadBack("pic/a.bmp").m_vPixels, std::vector<uint8_t>{77});
  EXPECT_EQ(ReadBack("pic/a.bmp").m_vColours.size(), 256u);
}

TEST_F(BmpConvertTest, DroppedFoldersGiveTheirBitmapsAndFilesOnlyWhenTheyAreBitmaps) {
  std::filesystem::create_directories("pic/sub");
  for (const char* name : {"pic/a.bmp", "pic/b.bmp", "pic/note.txt", "pic/sub/deep.bmp", "c.bmp", "d.png"})
    WriteFileBytes(name, Hex("00"));
  cVector<cString> names;
  EXPECT_EQ(AddDroppedPath(names, Absolute("pic").c_str()), 1);
  std::set<std::string> found(names.begin(), names.end());
  EXPECT_EQ(found, (std::set<std::string>{".\\pic\\a.bmp", ".\\pic\\b.bmp"})) << "not the sub-folder's";
  EXPECT_EQ(AddDroppedPath(names, Absolute("pic").c_str()), 0) << "the same folder again adds nothing";
  EXPECT_EQ(AddDroppedPath(names, Absolute("c.bmp").c_str()), 1);
  EXPECT_EQ(AddDroppedPath(names, Absolute("c.bmp").c_str()), 0);
  EXPECT_EQ(AddDroppedPath(names, Absolute("d.png").c_str()), 0);
  EXPECT_EQ(AddDroppedPath(names, kElsewhere), 0) << "outside the working folder";
  EXPECT_EQ(AddDroppedPath(names, ""), 0);
  EXPECT_EQ(names.Count(), 3);
  EXPECT_EQ(names[2], ".\\c.bmp");
}

TEST_F(BmpConvertTest, ChosenFilesAreAddedOnceAndKeptAbsoluteWhenTheyCannotBeRelative) {
  cVector<cString> names = {".\\a.bmp"};
  cVector<cString> chosen = {Absolute("a.bmp").c_str(), Absolute("b.bmp").c_str(), kElsewhere};
  EXPECT_EQ(AddChosenFiles(names, chosen), 1);
  EXPECT_EQ(names, (cVector<cString>{".\\a.bmp", ".\\b.bmp", kElsewhere}));
  EXPECT_EQ(AddChosenFiles(names, chosen), 0);
  EXPECT_EQ(names.Count(), 3);
}
