// The bitmap conversion tool as the stage editor window runs it: files added by dropping them on
// the window and through the open dialog, the settings stored in the editor configuration at every
// change, and real pictures converted, each pixel checked against a nearest-colour computation of
// the test's own.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "app/DataFile.h"
#include "app/ProgramPalette.h"
#include "app/cEditConfig.h"
#include "app/win/FileDialogs.h"
#include "project/BmpConvert.h"
#include "project/win/RunToolDialog.h"
#include "project/win/cDlgBmpConvert.h"
#include "tests/project/win/PageInput.h"
#include "tests/project/win/WindowPicture.h"
#include "tests/support/win/LabelFit.h"
#include "tests/support/TestSupport.h"
#include "tests/support/win/UserInput.h"
#include "tests/support/win/WindowTest.h"

namespace {


uint32_t Le32(const Bytes& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

// A plain bitmap file as the test reads it itself: 40-byte header, rows bottom first.
struct cPicture {
  int m_nWidth = 0, m_nHeight = 0, m_nBits = 0;
  std::vector<std::array<uint8_t, 3>> m_vTable;  // blue, green, red
  std::vector<std::vector<uint8_t>> m_vRows;      // top row first, the pixel bytes without padding
};

cPicture ReadPicture(const std::string& path) {
  Bytes file = ReadFileBytes(path);
  cPicture picture;
  EXPECT_GE(file.size(), 54u) << path;
  if (file.size() < 54) return picture;
  EXPECT_EQ(Le32(file, 14), 40u) << path;
  EXPECT_EQ(Le32(file, 30), 0u) << path << ": no compression";
  picture.m_nWidth = static_cast<int>(Le32(file, 18));
  picture.m_nHeight = static_cast<int>(Le32(file, 22));
  picture.m_nBits = file[28];
  if (picture.m_nBits == 8) {
    uint32_t colours = Le32(file, 46) ? Le32(file, 46) : 256;
    for (uint32_t i = 0; i < colours; ++i)
      picture.m_vTable.push_back({file[54 + 4 * i], file[55 + 4 * i], file[56 + 4 * i]});
  }
  size_t rowBytes = static_cast<size_t>(picture.m_nWidth) * picture.m_nBits / 8;
  size_t stride = (rowBytes + 3) / 4 * 4;
  size_t offset = Le32(file, 10);
  EXPECT_LE(offset + stride * picture.m_nHeight, file.size()) << path;
  for (int y = picture.m_nHeight - 1; y >= 0; --y) {
    size_t at = offset + stride * static_cast<size_t>(y);
    picture.m_vRows.emplace_back(file.begin() + at, file.begin() + at + rowBytes);
  }
  return picture;
}

// The test's own conversion of one colour: the first entry of the smallest squared distance in
// the second palette, moved out of the reserved ranges.
int ExpectedIndex(int blue, int green, int red) {
  int best = -1;
  long bestDistance = 0;
  for (int i = 0; i < 256; ++i) {
    const cColourEntry& e = g_aSecondPalette[i];
    long distance = (e.m_nBlue - blue) * (e.m_nBlue - blue) + (e.m_nGreen - green) * (e.m_nGreen - green) +
                    (e.m_nRed - red) * (e.m_nRed - red);
    if (best < 0 || distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  if (best == 0) return 52;
  if (best == 255) return 31;
  if ((best >= 1 && best <= 15) || (best >= 208 && best <= 254)) return 16;
  return best;
}

// Every pixel of the converted file against the 256-colour input, and the written palette.
void ExpectConverted(const std::string& input, const std::string& output, int transparentIndex) {
  cPicture in = ReadPicture(input), out = ReadPicture(output);
  ASSERT_EQ(in.m_nBits, 8) << input;
  ASSERT_EQ(out.m_nBits, 8) << output;
  ASSERT_EQ(out.m_nWidth, in.m_nWidth);
  ASSERT_EQ(out.m_nHeight, in.m_nHeight);
  ASSERT_EQ(out.m_vTable.size(), 256u);
  for (int i = 0; i < 256; ++i) {
    bool program = (i >= 10 && i <= 15) || (i >= 208 && i <= 239);
    const cColourEntry& e = program ? g_ProgramPalette.m_Pal[i] : g_aSecondPalette[i];
    EXPECT_EQ(out.m_vTable[i], (std::array<uint8_t, 3>{e.m_nBlue, e.m_nGreen, e.m_nRed})) << "colour " << i;
  }
  int keyed = 0, differing = 0;
  for (int y = 0; y < in.m_nHeight; ++y) {
    for (int x = 0; x < in.m_nWidth; ++x) {
      int index = in.m_vRows[y][x];
      const std::array<uint8_t, 3>& colour = in.m_vTable.at(index);
      int expected = index == transparentIndex ? 0 : ExpectedIndex(colour[0], colour[1], colour[2]);
      keyed += expected == 0;
      if (out.m_vRows[y][x] != expected && ++differing <= 5)
        ADD_FAILURE() << output << " (" << x << ", " << y << "): " << int(out.m_vRows[y][x]) << ", expected " << expected;
    }
  }
  EXPECT_EQ(differing, 0) << output;
  EXPECT_GT(keyed, 0) << input << ": the picture's background is keyed out";
}

// The head of a drop's memory block (the shell's DROPFILES).
struct cDropHead {
  DWORD m_nFilesAt;
  POINT m_Point;
  BOOL m_bNonClient;
  BOOL m_bWide;
};

// The files of one drop, as the shell hands them to the window.
HDROP MakeDrop(const std::vector<std::string>& paths) {
  size_t size = sizeof(cDropHead) + 1;
  for (const std::string& path : paths) size += path.size() + 1;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  auto* drop = static_cast<cDropHead*>(GlobalLock(memory));
  drop->m_nFilesAt = sizeof(cDropHead);
  char* names = reinterpret_cast<char*>(drop) + sizeof(cDropHead);
  for (const std::string& path : paths) {
    std::memcpy(names, path.c_str(), path.size() + 1);
    names += path.size() + 1;
  }
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

// The file rows of the list, without its closing row of dashes.
std::vector<std::string> Rows(HWND dialog) {
  std::vector<std::string> rows;
  int count = static_cast<int>(SendDlgItemMessageA(dialog, kIdcConvFiles, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[300] = {};
    SendDlgItemMessageA(dialog, kIdcConvFiles, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
    if (*text && *text != '-') rows.push_back(text);
  }
  return rows;
}

class cToolDialogs : public cFileDialogSeam {
public:
  BOOL RunOpen(OPENFILENAMEA& record) override {
    m_strFolder = record.lpstrInitialDir ? record.lpstrInitialDir : "";
    m_strTitle = record.lpstrTitle ? record.lpstrTitle : "";
    m_bMulti = (record.Flags & OFN_ALLOWMULTISELECT) != 0;
    if (m_Choice.empty()) return FALSE;
    std::memcpy(record.lpstrFile, m_Choice.data(), m_Choice.size());
    return TRUE;
  }
  BOOL RunFolder(HWND, const char* initialFolder, const char* title, char* folder) override {
    m_strFolderStart = initialFolder;
    m_strTitle = title;
    if (m_strFolderChoice.empty()) return FALSE;
    lstrcpynA(folder, m_strFolderChoice.c_str(), MAX_PATH);
    return TRUE;
  }
  std::vector<char> m_Choice;  // the buffer as the open dialog fills it
  std::string m_strFolderChoice;
  std::string m_strFolder, m_strTitle, m_strFolderStart;
  bool m_bMulti = false;
};

class BmpConvertToolTest : public cWindowTest {
protected:
  BmpConvertToolTest() {
    m_Saved = EditConfig;
    EditConfig = cEditConfig();
    ReadBmpPalette(g_ProgramPalette.m_Pal, BuildTreePath("project\\bmp\\plt\\Palette.bmp").c_str());
    ReadBmpPalette(g_aSecondPalette, BuildTreePath("project\\bmp\\plt\\Palette2.bmp").c_str());
    GetCurrentDirectoryA(MAX_PATH, m_szFolder);
    CreateDirectoryA("bmp", nullptr);
    CreateDirectoryA("bmp\\convert", nullptr);
    CreateDirectoryA("pics", nullptr);
    for (const char* name : {"logo8.bmp", "logo8rle.bmp", "logo24.bmp"}) {
      std::string source = BuildTreePath((std::string("testdata\\") + name).c_str());
      EXPECT_TRUE(CopyFileA(source.c_str(), (std::string("pics\\") + name).c_str(), FALSE)) << source;
    }
    SetFileDialogSeam(&m_Dialogs);
    m_Owner.Create(0, 1);
  }
  ~BmpConvertToolTest() override {
    SetFileDialogSeam(nullptr);
    EditConfig = m_Saved;
  }

  // Runs the tool as the stage editor window does; user acts in it and closes it.
  void Run(std::function<void(HWND)> user) {
    cModalDriver driver([&](HWND dialog) {
      user(dialog);
      SendMessageA(dialog, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(RunToolDialog(m_pTool, &m_Owner, &m_List), 0);
    EXPECT_TRUE(driver.Ran());
    EXPECT_FALSE(driver.TimedOut());
  }
  std::string Here(const char* relative) const { return std::string(m_szFolder) + "\\" + relative; }
  std::vector<std::string> BoxTexts() const {
    std::vector<std::string> texts;
    for (const auto& box : m_Shell.m_vBoxes) texts.push_back(box.m_strText);
    return texts;
  }

  cFakeShell m_Shell;
  cToolDialogs m_Dialogs;
  cEditConfig m_Saved;
  char m_szFolder[MAX_PATH] = {};
  cProbeDialog<64> m_Owner{kIddTestOwner, nullptr, &m_List};
  cDlgBmpConvert* m_pTool = nullptr;
};

}  // namespace

TEST_F(BmpConvertToolTest, RealPicturesDroppedOnTheWindowAreConvertedToTheirNearestColours) {
  std::vector<std::string> rows;
  char caption[64] = {};
  WriteFileBytes("pics\\notes.txt", Hex("41"));
  Run([&](HWND dialog) {
    GetWindowTextA(dialog, caption, sizeof caption);
    // The folder brings its bitmaps; a second drop of it and of one of them adds nothing.
    SendMessageA(dialog, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({Here("pics")})), 0);
    SendMessageA(dialog, WM_DROPFILES,
                 reinterpret_cast<WPARAM>(MakeDrop({Here("pics"), Here("pics\\logo8.bmp"), Here("pics\\notes.txt")})), 0);
    rows = Rows(dialog);
    ClickButton(dialog, kIdcConvRun);
  });
  EXPECT_STREQ(caption, "ビットマップ変換ツール");
  std::vector<std::string> sorted = rows;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(sorted, (std::vector<std::string>{".\\pics\\logo24.bmp", ".\\pics\\logo8.bmp", ".\\pics\\logo8rle.bmp"}));
  ExpectConverted("pics\\logo8.bmp", "bmp\\convert\\logo8.bmp", 0);
  EXPECT_FALSE(FileThere("bmp\\convert\\logo24.bmp")) << "a 24-bit picture is refused";
  EXPECT_FALSE(FileThere("bmp\\convert\\logo8rle.bmp")) << "a compressed picture is refused";
  // The refusals in list order, then the end of the run.
  std::vector<std::string> expected;
  for (const std::string& row : rows)
    if (row != ".\\pics\\logo8.bmp") expected.push_back(row + " は256色ではありません！");
  expected.push_back("変換完了！");
  EXPECT_EQ(BoxTexts(), expected);
  for (const auto& box : m_Shell.m_vBoxes)
    EXPECT_EQ(box.m_strCaption, box.m_strText == "変換完了！" ? "変換完了" : "エラー");
}

TEST_F(BmpConvertToolTest, TheSettingsGoIntoTheEditorConfigurationAtOnceAndRuleTheEnables) {
  std::vector<bool> enables;
  Run([&](HWND dialog) {
    // The factory settings: transparent index 0 on, no line replacement, the folder bmp\convert.
    enables = {Enabled(dialog, kIdcConvTransparentIndex), Enabled(dialog, kIdcConvLineFrom),
               Enabled(dialog, kIdcConvLineTo), Enabled(dialog, kIdcConvOutputFolder)};
    SetCheckAsUser(dialog, kIdcConvReplaceLine, true);
    EXPECT_EQ(EditConfig.m_bBmpReplaceLine, 1);
    EXPECT_TRUE(Enabled(dialog, kIdcConvLineFrom));
    EnterText(dialog, kIdcConvLineFrom, "300");
    EXPECT_EQ(EditConfig.m_nBmpLineFrom, 255) << "held to 0 .. 255";
    EnterText(dialog, kIdcConvLineFrom, "3");
    EnterText(dialog, kIdcConvLineTo, "12");
    EnterText(dialog, kIdcConvTransparentIndex, "7");
    SetCheckAsUser(dialog, kIdcConvTransparent, false);
    EXPECT_FALSE(Enabled(dialog, kIdcConvTransparentIndex));
    EnterText(dialog, kIdcConvOutputFolder, "out");
    SetCheckAsUser(dialog, kIdcConvOverwrite, true);
    EXPECT_FALSE(Enabled(dialog, kIdcConvOutputFolder));
  });
  EXPECT_EQ(enables, (std::vector<bool>{true, false, false, true}));
  EXPECT_EQ(EditConfig.m_nBmpLineFrom, 3);
  EXPECT_EQ(EditConfig.m_nBmpLineTo, 12);
  EXPECT_EQ(EditConfig.m_nBmpTransparentIndex, 7);
  EXPECT_EQ(EditConfig.m_bBmpTransparent, 0);
  EXPECT_EQ(EditConfig.m_bBmpOverwrite, 1);
  EXPECT_EQ(EditConfig.m_strBmpOutDir, "out");
  // Written with the editor configuration, they come back from e_data\EditConfig.dat.
  CreateDirectoryA("e_data", nullptr);
  ASSERT_EQ(EditConfig.SaveFile("e_data\\EditConfig.dat"), 1);
  cEditConfig loaded;
  ASSERT_EQ(loaded.LoadFile("e_data\\EditConfig.dat"), 1);
  EXPECT_EQ(loaded.m_bBmpReplaceLine, 1);
  EXPECT_EQ(loaded.m_nBmpLineFrom, 3);
  EXPECT_EQ(loaded.m_nBmpLineTo, 12);
  EXPECT_EQ(loaded.m_nBmpTransparentIndex, 7);
  EXPECT_EQ(loaded.m_bBmpOverwrite, 1);
  EXPECT_EQ(loaded.m_strBmpOutDir, "out");
  // Opened again, the tool shows them.
  Run([&](HWND dialog) {
    EXPECT_TRUE(Checked(dialog, kIdcConvReplaceLine));
    EXPECT_FALSE(Checked(dialog, kIdcConvTransparent));
    EXPECT_EQ(GetDlgItemInt(dialog, kIdcConvLineTo, nullptr, FALSE), 12u);
    EXPECT_FALSE(Enabled(dialog, kIdcConvOutputFolder));
  });
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());
}

TEST_F(BmpConvertToolTest, BrowsedFilesAreConvertedOverTheInputsWithTheLineAndTransparentRules) {
  // The open dialog's answer to a multiple choice: the folder, then each name.
  std::string folder = Here("pics");
  std::string choice = folder + '\0' + "logo8.bmp" + '\0' + "logo24.bmp" + '\0' + '\0';
  m_Dialogs.m_Choice.assign(choice.begin(), choice.end());
  cPicture before = ReadPicture("pics\\logo8.bmp");
  int transparent = before.m_vRows[0][0];  // the background
  int lineFrom = transparent;                // the first other index of the middle row
  for (uint8_t index : before.m_vRows[26])
    if (lineFrom == transparent) lineFrom = index;
  ASSERT_NE(lineFrom, transparent);
  Bytes trueColour = ReadFileBytes("pics\\logo24.bmp");
  std::vector<std::string> rows;
  Run([&](HWND dialog) {
    ClickButton(dialog, kIdcConvAddFiles);
    ClickButton(dialog, kIdcConvAddFiles);  // the same files again: nothing new
    rows = Rows(dialog);
    SetCheckAsUser(dialog, kIdcConvOverwrite, true);
    SetCheckAsUser(dialog, kIdcConvReplaceLine, true);
    EnterText(dialog, kIdcConvLineFrom, std::to_string(lineFrom).c_str());
    EnterText(dialog, kIdcConvLineTo, "13");
    EnterText(dialog, kIdcConvTransparentIndex, std::to_string(transparent).c_str());
    ClickButton(dialog, kIdcConvRun);
  });
  EXPECT_EQ(m_Dialogs.m_strFolder, "bmp\\");
  EXPECT_EQ(m_Dialogs.m_strTitle, "bmpの選択");
  EXPECT_TRUE(m_Dialogs.m_bMulti);
  EXPECT_EQ(rows, (std::vector<std::string>{".\\pics\\logo8.bmp", ".\\pics\\logo24.bmp"}));
  cPicture after = ReadPicture("pics\\logo8.bmp");
  ASSERT_EQ(after.m_vRows.size(), before.m_vRows.size());
  int lines = 0;
  for (size_t y = 0; y < before.m_vRows.size(); ++y)
    for (size_t x = 0; x < before.m_vRows[y].size(); ++x) {
      int index = before.m_vRows[y][x];
      if (index == transparent) EXPECT_EQ(after.m_vRows[y][x], 0);
      else if (index == lineFrom) EXPECT_EQ(after.m_vRows[y][x], 13) << "unconverted, as the user asked";
      else EXPECT_NE(after.m_vRows[y][x], 0);
      lines += index == lineFrom;
    }
  EXPECT_GT(lines, 0);
  EXPECT_EQ(ReadFileBytes("pics\\logo24.bmp"), trueColour) << "a 24-bit picture is refused, not rewritten";
  EXPECT_FALSE(FileThere("bmp\\convert\\logo8.bmp"));
  EXPECT_EQ(BoxTexts(),
            (std::vector<std::string>{".\\pics\\logo24.bmp は256色ではありません！", "変換完了！"}));
}

TEST_F(BmpConvertToolTest, TheOutputFolderIsChosenRelativeAndTheListClearedWithNothingLeftToConvert) {
  CreateDirectoryA("out", nullptr);
  std::string shown;
  std::vector<std::string> rowsAfterClear;
  Run([&](HWND dialog) {
    m_Dialogs.m_strFolderChoice = Here("out");
    ClickButton(dialog, kIdcConvBrowse);
    char text[MAX_PATH] = {};
    GetDlgItemTextA(dialog, kIdcConvOutputFolder, text, sizeof text);
    shown = text;
    m_Dialogs.m_strFolderChoice = "Q:\\elsewhere";  // another drive: no relative path, dropped
    ClickButton(dialog, kIdcConvBrowse);
    SendMessageA(dialog, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({Here("pics\\logo8.bmp")})), 0);
    ClickButton(dialog, kIdcConvRun);
    ClickButton(dialog, kIdcConvClearFiles);
    rowsAfterClear = Rows(dialog);
    ClickButton(dialog, kIdcConvRun);  // an empty list: nothing runs
  });
  EXPECT_EQ(m_Dialogs.m_strTitle, "出力先のパス指定");
  EXPECT_EQ(shown, ".\\out");
  EXPECT_EQ(EditConfig.m_strBmpOutDir, ".\\out");
  EXPECT_TRUE(rowsAfterClear.empty());
  ExpectConverted("pics\\logo8.bmp", "out\\logo8.bmp", 0);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"変換完了！"}) << "one run only";
}

TEST_F(BmpConvertToolTest, EveryLabelFitsInsideItsControl) {
  Run([&](HWND dialog) {
    SendMessageA(dialog, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({Here("pics")})), 0);
    ExpectLabelsInside(dialog);
    SaveScreenshot(dialog, "bitmap_tool", &m_List);
  });
}
