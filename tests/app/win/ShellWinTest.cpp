#include <gtest/gtest.h>

#include <cstring>

#include "app/MessageBox.h"
#include "app/PathUtil.h"
#include "app/ReportLog.h"
#include "app/cVector.h"
#include "app/win/FileDialogs.h"
#include "app/win/SystemReport.h"
#include "app/win/cShellWin.h"
#include "tests/support/TestSupport.h"
#include "tests/support/win/BoxAnswerer.h"

namespace {
class ShellWinTest : public ::testing::Test {
protected:
  ShellWinTest() { InstallShellWin(); }
  ~ShellWinTest() override { SetShell(nullptr); }
  cScratchFolder m_Folder;
  cTestReportLog m_Log;
};
}  // namespace

TEST_F(ShellWinTest, AnsiCodePageIs932) { EXPECT_EQ(GetACP(), 932u); }

TEST_F(ShellWinTest, MessageBoxesShowTheirBytesAndReturnTheButton) {
  cBoxAnswerer answerer({IDNO, IDYES, IDOK});
  EXPECT_EQ(MessageBoxActive("既に起動しています。\n二重起動しますか？", "二重起動", kMbYesNo), kIdNo);
  cTestMainWindow main;
  EXPECT_EQ(ConfirmExit(main.Handle()), 1);
  ErrorBoxF("%s の読み込みに失敗しました！", "ソ表.dat");
  ASSERT_EQ(answerer.Seen().size(), 3u);
  EXPECT_EQ(answerer.Seen()[0].m_strCaption, "二重起動");
  EXPECT_EQ(answerer.Seen()[0].m_strText, "既に起動しています。\n二重起動しますか？");
  EXPECT_EQ(answerer.Seen()[1].m_strCaption, "終了確認");
  EXPECT_EQ(answerer.Seen()[2].m_strCaption, "エラー");
  EXPECT_EQ(answerer.Seen()[2].m_strText, "ソ表.dat の読み込みに失敗しました！");
}

TEST_F(ShellWinTest, BoxWithoutOwnerBelongsToNoWindowWhileAnotherIsActive) {
  HWND active = CreateWindowExA(0, "STATIC", "active", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                nullptr, nullptr);
  HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 60, 0, 50, 50, nullptr, nullptr,
                               nullptr, nullptr);
  SetActiveWindow(active);
  ASSERT_EQ(GetActiveWindow(), active);
  cBoxAnswerer answerer;
  ShowMessageBox(nullptr, "none", "c", kMbOk);
  SetActiveWindow(active);
  MessageBoxActive("active", "c", kMbOk);
  SetActiveWindow(active);
  ErrorBoxOwnerF(other, "%s", "other");
  ASSERT_EQ(answerer.Seen().size(), 3u);
  EXPECT_EQ(answerer.Seen()[0].m_hOwner, nullptr) << "not the active window";
  EXPECT_EQ(answerer.Seen()[1].m_hOwner, active);
  EXPECT_EQ(answerer.Seen()[2].m_hOwner, other);
  DestroyWindow(other);
  DestroyWindow(active);
}

TEST_F(ShellWinTest, OutOfMemoryShowsTheBoxThenAsksTheMainWindowToClose) {
  cTestMainWindow main;
  cBoxAnswerer answerer;
  OutOfMemory();
  ASSERT_EQ(answerer.Seen().size(), 1u);
  EXPECT_EQ(answerer.Seen()[0].m_strText, "メモリが不足しています！");
  EXPECT_TRUE(main.CloseRequested());
}

TEST_F(ShellWinTest, BadIndexDestroysTheMainWindowOrAsksItToClose) {
  cTestMainWindow main;
  cCoreVector<int> core(1);
  core.At(4);
  EXPECT_FALSE(main.Destroyed());
  EXPECT_TRUE(main.CloseRequested());
  cVector<int> plain(1);
  plain.At(-3);
  EXPECT_TRUE(main.Destroyed());
  EXPECT_EQ(m_Log.Lines(), (std::vector<std::string>{"err V[4] ( 1 , 4 )", "err V[-3] ( 1 , 4 )"}));
}

TEST_F(ShellWinTest, RelativeAndAbsolutePaths) {
  char path[260] = "bmp\\a.bmp";
  EXPECT_EQ(MakeRelativePath(path), 1);
  EXPECT_STREQ(path, "bmp\\a.bmp");
  char absolute[260];
  GetCurrentDirectoryA(sizeof absolute, absolute);
  lstrcatA(absolute, "\\bgm\\ソ.mid");
  char copy[260];
  lstrcpyA(copy, absolute);
  EXPECT_EQ(MakeRelativePath(copy), 1);
  EXPECT_STREQ(copy, ".\\bgm\\ソ.mid");
  char other[260] = "Q:\\elsewhere\\a.stg4_771";
  EXPECT_EQ(MakeRelativePath(other), 0);
  EXPECT_STREQ(other, "Q:\\elsewhere\\a.stg4_771");
  char relative[260] = "bgm\\ソ.mid";
  EXPECT_EQ(MakeAbsolutePath(relative), 1);
  EXPECT_STREQ(relative, absolute);
  cString s(absolute);
  EXPECT_EQ(MakeRelativePath(s), 1);
  EXPECT_EQ(s, ".\\bgm\\ソ.mid");
}

TEST_F(ShellWinTest, JapaneseFileNamesReachTheFileSystem) {
  WriteFileBytes("ソ表.dat", Hex("01"));
  EXPECT_EQ(FileExists("ソ表.dat"), 1);
  cVector<cString> files;
  EXPECT_EQ(FindFiles(files, ".", "dat"), 1);
  EXPECT_EQ(files.Contains(".\\ソ表.dat"), 1);
}

namespace {
// Answers the shell dialogs as the shell would fill their buffers.
class cFakeDialogs : public cFileDialogSeam {
public:
  std::string m_strAnswer;  // zero-separated, as the shell writes it
  bool m_bCancel = false;
  OPENFILENAMEA m_Record{};
  std::string m_strInitialFolder;
  BOOL RunOpen(OPENFILENAMEA& record) override { return Answer(record); }
  BOOL RunSave(OPENFILENAMEA& record) override { return Answer(record); }
  BOOL RunFolder(HWND, const char* initialFolder, const char*, char* folder) override {
    m_strInitialFolder = initialFolder;
    if (m_bCancel) return FALSE;
    lstrcpyA(folder, m_strAnswer.c_str());
    return TRUE;
  }

private:
  BOOL Answer(OPENFILENAMEA& record) {
    m_Record = record;
    if (m_bCancel) return FALSE;
    std::memcpy(record.lpstrFile, m_strAnswer.data(), m_strAnswer.size());
    return TRUE;
  }
};
}  // namespace

TEST_F(ShellWinTest, OpenDialogCollectsOneOrManyChoices) {
  cFakeDialogs dialogs;
  SetFileDialogSeam(&dialogs);
  std::vector<char> buffer(260000, 'x');
  cVector<cString> results;
  dialogs.m_strAnswer = std::string("C:\\bgm\0a.mid\0b.ogg\0ソ.mid\0\0", 27);
  ASSERT_EQ(OpenFileDialog(nullptr, buffer.data(), 260000, "bgm", "BGM", "Bgm\0*.mid\0", "mid", 1, &results), 1);
  EXPECT_EQ(results, (cVector<cString>{cString("C:\\bgm\\a.mid"), cString("C:\\bgm\\b.ogg"), cString("C:\\bgm\\ソ.mid")}));
  EXPECT_TRUE(dialogs.m_Record.Flags & OFN_ALLOWMULTISELECT);
  EXPECT_TRUE(dialogs.m_Record.Flags & OFN_NOCHANGEDIR);
  EXPECT_EQ(dialogs.m_Record.lStructSize, OPENFILENAME_SIZE_VERSION_400A);

  results.clear();
  dialogs.m_strAnswer = std::string("C:\\bgm\\one.mid\0\0", 16);
  ASSERT_EQ(OpenFileDialog(nullptr, buffer.data(), 260000, "bgm", "BGM", "Bgm\0*.mid\0", "mid", 1, &results), 1);
  EXPECT_EQ(results, (cVector<cString>{cString("C:\\bgm\\one.mid")}));

  dialogs.m_bCancel = true;
  char single[260] = "old";
  EXPECT_EQ(OpenFileDialog(nullptr, single, 260, "bgm", "BGM", "Bgm\0*.mid\0", "mid", 0, nullptr), 0);
  EXPECT_EQ(single[0], 0) << "the buffer starts empty";
  SetFileDialogSeam(nullptr);
}

TEST_F(ShellWinTest, SaveDialogAndFolderChoice) {
  cFakeDialogs dialogs;
  SetFileDialogSeam(&dialogs);
  char path[260] = "proposed.stg4_771";
  dialogs.m_strAnswer = std::string("C:\\a.stg4_771\0", 14);
  EXPECT_EQ(SaveFileDialog(nullptr, path, "data\\stg4", "save", "Stage\0*.*\0", "stg4_771", 1), 1);
  EXPECT_STREQ(dialogs.m_Record.lpstrFile, "C:\\a.stg4_771");
  EXPECT_TRUE(dialogs.m_Record.Flags & OFN_OVERWRITEPROMPT);

  char folder[260];
  dialogs.m_strAnswer = "C:\\bmp";
  EXPECT_EQ(ChooseFolder(nullptr, folder, "bmp", "folder"), 1);
  EXPECT_STREQ(folder, "C:\\bmp");
  EXPECT_NE(dialogs.m_strInitialFolder.find("\\bmp"), std::string::npos);
  EXPECT_EQ(dialogs.m_strInitialFolder[1], ':') << "the initial folder is made absolute";
  dialogs.m_bCancel = true;
  EXPECT_EQ(ChooseFolder(nullptr, folder, "bmp", "folder"), 0);
  EXPECT_STREQ(folder, "");
  SetFileDialogSeam(nullptr);
}

TEST_F(ShellWinTest, SystemReportUnderWine) {
  SetCpuClockMeasure([] { return 1.5000005e9; });
  ASSERT_EQ(SystemReport(), 1);
  std::vector<std::string> lines = m_Log.Lines();
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[0].rfind("OS : Windows", 0), 0u);
  EXPECT_NE(lines[1].find(" 1500"), std::string::npos) << lines[1];
  EXPECT_EQ(lines[6].rfind("HD Free : ", 0), 0u);
  SetCpuClockMeasure(nullptr);
}
