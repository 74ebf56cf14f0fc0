#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/cApplication.h"
#include "app/cDataStream.h"
#include "app/cEditConfig.h"
#include "stage/cPalettePane.h"
#include "tests/e2e/cProgramRun.h"

#include <commctrl.h>
#include "tests/support/TestSupport.h"

namespace fs = std::filesystem;

namespace {
constexpr DWORD kWaitMs = 30000;
const char* const kFrameClass = "Vontaris_Editor";
const char* const kDialogClass = "#32770";
const char* const kTitle = "ヴォンタリス";
const char* const kDataCaption = "デフォルトデータ作成の確認";
const char* const kDataQuestion = "データが存在しません！デフォルトデータを作成しますか？\n";
const char* const kExitCaption = "終了確認";
const char* const kExitQuestion = "終了しますか？\n";
const char* const kErrorCaption = "エラー";
const char* const kProjectFailure =
    "プロジェクトのロードに失敗しました！フォルダやファイルの位置や名称が変更された可能性があります！";
const char* const kNewerFile =
    " は新しいバージョンのヴォンタリスで保存されたファイルです！\nこのバージョンでは読み込むことも上書きすることもできません。";
const char* const kNotSaved = " の保存に失敗しました！\n保存前のファイルはそのまま残っています。";

std::string FactoryPath(const char* part) { return BuildTreePath((std::string("project\\") + part).c_str()); }

// The files below a folder, as paths relative to it.
std::vector<std::string> FilesBelow(const fs::path& folder) {
  std::vector<std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    if (entry.is_regular_file()) files.push_back(fs::relative(entry.path(), folder).string());
  std::sort(files.begin(), files.end());
  return files;
}

// The lines of the editor's report log in the working folder.
std::vector<std::string> ReportLines() {
  Bytes bytes = ReadFileBytes("Report_Editor.txt");
  std::string text(bytes.begin(), bytes.end());
  std::vector<std::string> lines;
  for (size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  return lines;
}

Bytes DataFileOf(cDataRecord& record) {
  cWriteStream stream;
  record.Save(stream);
  return Cat({U32(kDataVersion), stream.Bytes()});
}

// What the editor writes for 1,000 empty variable names.
Bytes EmptyNames() {
  Bytes bytes = Cat({U32(kDataVersion), U32(1000)});
  Bytes entry = Cat({U32(0), U32(1), U32(1)});
  for (int i = 0; i < 1000; ++i) bytes.insert(bytes.end(), entry.begin(), entry.end());
  return bytes;
}

class EditorStartTest : public ::testing::Test {
protected:
  EditorStartTest() { SetDataVersion(kDataVersion, 0); }

  // The factory pictures, and the factory data when asked, as a new author's folder holds them.
  void LayOutFactory(bool withDefault) {
    fs::copy(FactoryPath("bmp"), "bmp", fs::copy_options::recursive);
    fs::copy(FactoryPath("e_bmp"), "e_bmp", fs::copy_options::recursive);
    if (withDefault) fs::copy(FactoryPath("default"), "default", fs::copy_options::recursive);
  }
  // A project that has been started before.
  void LayOutProject() {
    LayOutFactory(true);
    fs::copy("default", "data", fs::copy_options::recursive);
  }
  std::unique_ptr<cProgramRun> Start() {
    auto run = std::make_unique<cProgramRun>(BuildTreePath("tests\\VontarisQuick.exe"), m_Folder.Path());
    EXPECT_TRUE(run->Started());
    return run;
  }
  static void ExpectBox(cProgramRun& run, const char* caption, const std::string& text, int answer) {
    cSeenBox box;
    ASSERT_TRUE(run.WaitBox(caption, box, kWaitMs)) << "no box " << caption << "\n" << run.Describe();
    EXPECT_EQ(box.m_strText, text);
    run.Answer(box, answer);
  }
  static HWND WaitWorkingWindow(cProgramRun& run, const char* title = kTitle) {
    return run.WaitWindow(kDialogClass, title, kWaitMs);
  }
  // Closing the stage editor window with nothing to save ends the program without a question.
  static void CloseEditor(cProgramRun& run, HWND working) {
    PostMessageA(working, WM_CLOSE, 0, 0);
    ASSERT_TRUE(run.WaitExit(kWaitMs));
    EXPECT_EQ(run.ExitCode(), 0u);
    EXPECT_TRUE(run.m_vBoxes.empty());
  }
  // The stage editor window: its menu bar, its toolbar and its status bar.
  static void ExpectStageEditor(HWND working) {
    // The menu's items live in the editor's process; that it has one is what shows from here.
    EXPECT_NE(GetMenu(working), nullptr);
    HWND toolbar = GetDlgItem(working, 124);
    ASSERT_NE(toolbar, nullptr);
    EXPECT_EQ(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0), 13) << "the standard images and both pictures";
    EXPECT_NE(GetDlgItem(working, 1), nullptr) << "the status bar";
    EXPECT_NE(GetDlgItem(working, 1006), nullptr) << "the map view";
  }
  static void ExpectEndsQuietly(cProgramRun& run) {
    ASSERT_TRUE(run.WaitExit(kWaitMs));
    EXPECT_EQ(run.ExitCode(), 0u);
    for (const cSeenBox& box : run.m_vBoxes) ADD_FAILURE() << "unexpected box " << box.m_strCaption;
  }
  // The report log holds the version line and the seven lines of the system report.
  static void ExpectReportHead() {
    std::vector<std::string> lines = ReportLines();
    ASSERT_GE(lines.size(), 8u);
    EXPECT_EQ(lines[0], "App : ver 771");
    EXPECT_EQ(lines[1].rfind("OS : ", 0), 0u) << lines[1];
    EXPECT_EQ(lines[2].rfind("CPU : ", 0), 0u) << lines[2];
    EXPECT_EQ(lines[7].rfind("HD Free : ", 0), 0u) << lines[7];
  }

  cScratchFolder m_Folder;
};

TEST_F(EditorStartTest, FirstStartMakesTheDataFromTheFactoryCopyAndSavesAtExit) {
  LayOutFactory(true);
  auto run = Start();
  ExpectBox(*run, kDataCaption, kDataQuestion, IDYES);
  HWND working = WaitWorkingWindow(*run);
  ASSERT_NE(working, nullptr) << run->Describe();
  HWND frame = run->FindWindowOf(kFrameClass, kTitle);
  ASSERT_NE(frame, nullptr) << "the hidden main frame";
  RECT place = {};
  GetWindowRect(frame, &place);
  EXPECT_EQ(place.left, 9999);
  EXPECT_EQ(place.top, 9999);
  EXPECT_EQ(GetWindow(working, GW_OWNER), frame);
  ExpectStageEditor(working);

  ASSERT_EQ(FilesBelow("data"), FilesBelow("default"));
  for (const std::string& file : FilesBelow("default"))
    EXPECT_EQ(ReadFileBytes("data\\" + file), ReadFileBytes("default\\" + file)) << file;
  for (const char* folder :
       {"e_data", "e_bmp", "user_data\\rpl4", "data\\stg4\\old_ver", "data\\plt4", "bmp\\hbt", "wave", "bgm"})
    EXPECT_TRUE(fs::is_directory(folder)) << folder;

  RECT window = {};
  GetWindowRect(working, &window);
  CloseEditor(*run, working);
  // The defaults, with the places of the stage editor, palette and group windows and the heights of
  // the bars.
  cEditConfig saved;
  ASSERT_EQ(saved.LoadFile("e_data\\EditConfig.dat"), 1);
  EXPECT_EQ(saved.m_wpStageEditor.m_bValid, 1);
  EXPECT_EQ(saved.m_wpStageEditor.m_nX, window.left);
  EXPECT_EQ(saved.m_wpStageEditor.m_nWidth, 640);
  EXPECT_EQ(saved.m_wpStageEditor.m_nHeight, 480);
  EXPECT_GT(saved.m_nToolbarRowHeight, 0);
  EXPECT_GT(saved.m_nStatusBarHeight, 0);
  cEditConfig defaults;
  // The palette windows keep their places as well.
  for (const cPaletteWndInfo& palette : kPaletteWindows) {
    EXPECT_EQ((saved.*palette.m_pPlacement).m_bValid, 1) << palette.m_pTitle;
    EXPECT_EQ((saved.*palette.m_pPlacement).m_nWidth, 256) << palette.m_pTitle;
    saved.*palette.m_pPlacement = defaults.*palette.m_pPlacement;
  }
  // So does the character group window.
  EXPECT_EQ(saved.m_wpCharaGroup.m_bValid, 1);
  saved.m_wpCharaGroup = defaults.m_wpCharaGroup;
  saved.m_wpStageEditor = defaults.m_wpStageEditor;
  saved.m_nToolbarRowHeight = defaults.m_nToolbarRowHeight;
  saved.m_nStatusBarHeight = defaults.m_nStatusBarHeight;
  EXPECT_EQ(DataFileOf(saved), DataFileOf(defaults));
  EXPECT_EQ(ReadFileBytes("data\\GValInfo.dat"), EmptyNames());
  ExpectReportHead();
}

TEST_F(EditorStartTest, NoToTheDataQuestionEndsWithoutData) {
  LayOutFactory(true);
  auto run = Start();
  ExpectBox(*run, kDataCaption, kDataQuestion, IDNO);
  ExpectEndsQuietly(*run);
  EXPECT_FALSE(fs::exists("data"));
  EXPECT_FALSE(fs::exists("e_data"));
  EXPECT_EQ(ReportLines().size(), 8u);
}

TEST_F(EditorStartTest, WithoutDataAndFactoryCopyEndsSilentlyAfterTheReport) {
  LayOutFactory(false);
  auto run = Start();
  ExpectEndsQuietly(*run);
  EXPECT_FALSE(fs::exists("data"));
  ExpectReportHead();
  EXPECT_EQ(ReportLines().size(), 8u);
}

TEST_F(EditorStartTest, MissingTableNamesItsFileAndForgetsTheLastStage) {
  LayOutProject();
  fs::remove("data\\database\\Sound.dat");
  fs::create_directory("e_data");
  cEditConfig config;
  config.m_strLastStagePath.Set("data\\stg4\\Default.stg4_771");
  ASSERT_EQ(config.SaveFile("e_data\\EditConfig.dat"), 1);

  auto run = Start();
  ExpectBox(*run, kErrorCaption,
            "data\\database\\Sound.dat の読み込みに失敗しました！\nこのファイルが存在しない場合は「default」フォルダから「data」フォルダへ同名のファイルをコピーして下さい。",
            IDOK);
  ExpectBox(*run, kErrorCaption, kProjectFailure, IDOK);
  ExpectEndsQuietly(*run);
  cEditConfig saved;
  ASSERT_EQ(saved.LoadFile("e_data\\EditConfig.dat"), 1);
  EXPECT_STREQ(saved.m_strLastStagePath.GetStr(), "");
}

TEST_F(EditorStartTest, LastStageIsReopenedAndRememberedAtExit) {
  LayOutProject();
  fs::create_directory("e_data");
  struct cCase {
    const char* m_pLastStage;
    const char* m_pRemembered;
    const char* m_pTitle;
  };
  const cCase cases[] = {
      {"data\\stg4\\Default.stg4_771", "data\\stg4\\Default.stg4_771", "ヴォンタリス  data\\stg4\\Default.stg4_771"},
      {"data\\stg4\\Gone.stg4_771", "", kTitle},  // a stage that no longer loads is forgotten
  };
  for (const cCase& c : cases) {
    cEditConfig config;
    config.m_strLastStagePath.Set(c.m_pLastStage);
    ASSERT_EQ(config.SaveFile("e_data\\EditConfig.dat"), 1);
    auto run = Start();
    HWND working = WaitWorkingWindow(*run, c.m_pTitle);
    ASSERT_NE(working, nullptr) << run->Describe();
    CloseEditor(*run, working);
    cEditConfig saved;
    ASSERT_EQ(saved.LoadFile("e_data\\EditConfig.dat"), 1);
    EXPECT_STREQ(saved.m_strLastStagePath.GetStr(), c.m_pRemembered) << c.m_pLastStage;
  }
}

TEST_F(EditorStartTest, AFileOfANewerVersionStopsTheStartAndIsLeftAsItWas) {
  LayOutProject();
  fs::create_directory("e_data");
  cEditConfig config;
  config.m_strLastStagePath.Set("data\\stg4\\Default.stg4_771");
  ASSERT_EQ(config.SaveFile("e_data\\EditConfig.dat"), 1);
  const struct {
    const char* m_pPath;
    bool m_bProject;  // a project file: the project's failure follows, and the last stage is forgotten
  } rows[] = {{"data\\GValInfo.dat", true}, {"data\\PrjOption.dat", true}, {"e_data\\EditConfig.dat", false}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.m_pPath);
    const Bytes whole = ReadFileBytes(row.m_pPath);
    Bytes newer = whole;
    newer[0] = 0x04;  // data version 772
    WriteFileBytes(row.m_pPath, newer);
    const std::string before = FileState(row.m_pPath);
    auto run = Start();
    ExpectBox(*run, kErrorCaption, row.m_pPath + std::string(kNewerFile), IDOK);
    if (row.m_bProject) ExpectBox(*run, kErrorCaption, kProjectFailure, IDOK);
    ExpectEndsQuietly(*run);
    EXPECT_EQ(FileState(row.m_pPath), before) << "never written over";
    WriteFileBytes(row.m_pPath, whole);
  }
}

TEST_F(EditorStartTest, ALastStageThatIsThereButDoesNotReopenIsNamed) {
  LayOutProject();
  fs::create_directory("e_data");
  const struct {
    const char* m_pName;
    bool m_bFolder;
  } rows[] = {{"an empty file", false}, {"a folder in its place", true}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.m_pName);
    const char* path = "data\\stg4\\Last.stg4_771";
    if (row.m_bFolder) fs::create_directory(path);
    else WriteFileBytes(path, {});
    cEditConfig config;
    config.m_strLastStagePath.Set(path);
    ASSERT_EQ(config.SaveFile("e_data\\EditConfig.dat"), 1);
    auto run = Start();
    ExpectBox(*run, kErrorCaption, "ステージファイル data\\stg4\\Last.stg4_771 の読み込みに失敗しました！", IDOK);
    HWND working = WaitWorkingWindow(*run);
    ASSERT_NE(working, nullptr) << run->Describe();
    CloseEditor(*run, working);
    fs::remove(path);
  }
}

TEST_F(EditorStartTest, EveryFileThatCannotBeSavedAsTheEditorClosesIsNamed) {
  LayOutProject();
  fs::create_directory("e_data");
  cEditConfig config;
  ASSERT_EQ(config.SaveFile("e_data\\EditConfig.dat"), 1);
  // In the order of shut-down: the stage editor's window goes first, then the program's exit saves.
  const char* const files[] = {"data\\PrjOption.dat", "e_data\\EditConfig.dat", "data\\GValInfo.dat"};
  std::vector<std::string> before;
  for (const char* file : files) {
    ASSERT_TRUE(SetFileAttributesA(file, FILE_ATTRIBUTE_READONLY));
    before.push_back(FileState(file));
  }
  auto run = Start();
  HWND working = WaitWorkingWindow(*run);
  ASSERT_NE(working, nullptr) << run->Describe();
  PostMessageA(working, WM_CLOSE, 0, 0);
  ASSERT_TRUE(run->WaitExit(kWaitMs));
  EXPECT_EQ(run->ExitCode(), 0u);
  ASSERT_EQ(run->m_vBoxes.size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(run->m_vBoxes[i].m_strCaption, kErrorCaption);
    EXPECT_EQ(run->m_vBoxes[i].m_strText, files[i] + std::string(kNotSaved));
    EXPECT_EQ(FileState(files[i]), before[i]) << files[i];
    SetFileAttributesA(files[i], FILE_ATTRIBUTE_NORMAL);
  }
}

TEST_F(EditorStartTest, SecondStartAsksAndNoLeavesTheFirstEditorRunning) {
  LayOutProject();
  auto first = Start();
  HWND working = WaitWorkingWindow(*first);
  ASSERT_NE(working, nullptr);
  auto second = Start();
  ExpectBox(*second, "二重起動", "既に起動しています。\n二重起動しますか？  ※非推奨。データの上書き保存に注意！\n", IDNO);
  ExpectEndsQuietly(*second);
  EXPECT_TRUE(first->Running());
  // The hidden frame asks before it ends the program.
  HWND frame = first->FindWindowOf(kFrameClass, kTitle);
  ASSERT_NE(frame, nullptr);
  PostMessageA(frame, WM_CLOSE, 0, 0);
  ExpectBox(*first, kExitCaption, kExitQuestion, IDYES);
  ASSERT_TRUE(first->WaitExit(kWaitMs));
  EXPECT_EQ(first->ExitCode(), 0u);
}

}  // namespace
