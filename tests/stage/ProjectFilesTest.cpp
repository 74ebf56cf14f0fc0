// Every kind of file an author keeps, through the editor's own loads and saves: a damaged file, one
// of a newer version, a read-only one and a folder in its place each get their box, and the file is
// left exactly as it was.
#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "app/DataFile.h"
#include "app/DataPaths.h"
#include "app/PathUtil.h"
#include "app/ProjectLoad.h"
#include "app/Startup.h"
#include "app/cEditConfig.h"
#include "model/VariableNames.h"
#include "project/ProjectOptionsPages.h"
#include "project/SystemSettingsPages.h"
#include "project/cSystemSettings.h"
#include "project/cWorldMapDoc.h"
#include "project/cWorldMapEditState.h"
#include "project/cWorldMapEditor.h"
#include "stage/StageFile.h"
#include "tests/stage/StageEditorTest.h"

class ProjectFiles;

namespace {

namespace fs = std::filesystem;

enum : int { kDamaged, kNewer, kNewest, kReadOnly, kFolder };

const struct {
  int m_nCase;
  const char* m_pName;
} kCases[] = {
    {kDamaged, "damaged"},
    {kNewer, "the next data version"},
    {kNewest, "data version 0x7fffffff"},
    {kReadOnly, "read-only"},
    {kFolder, "a folder in its place"},
};

const char* const kNewerBox =
    "%s は新しいバージョンのヴォンタリスで保存されたファイルです！\nこのバージョンでは読み込むことも上書きすることもできません。";
const char* const kProjectLoadBox =
    "%s の読み込みに失敗しました！\nこのファイルが存在しない場合は「default」フォルダから「data」フォルダへ同名のファイルをコピーして下さい。";
const char* const kSaveBox = "%s の保存に失敗しました！\n保存前のファイルはそのまま残っています。";

std::string BoxText(const char* format, const char* path) {
  std::string text = format;
  return text.replace(text.find("%s"), 2, path);
}

// A document kind: its file, the editor's load and save of it with the boxes they give.
struct cDocumentKind {
  const char* m_pName;
  const char* m_pPath;
  // The load as start-up or the command does it: 1 when the editor goes on (with the file's
  // content or, where a file may be unreadable, without it).
  std::function<int(ProjectFiles&)> m_Load;
  // The load's result and box for a damaged file and for a folder (null: no box).
  int m_nUnreadableResult;
  const char* m_pDamagedBox;
  const char* m_pFolderBox;
  std::function<int(ProjectFiles&)> m_Save;
  const char* m_pSaveBox;
};

class cNoDialogView : public cWorldMapView {
public:
  int RunEventDialog(cWorldEvent&, int) override { return 0; }
};

}  // namespace

// A project made from the factory copy, a stage palette file and an editor configuration.
class ProjectFiles : public StageEditorTest {
protected:
  void SetUp() override {
    StageEditorTest::SetUp();
    SetDataVersion(kDataVersion, 0);
    fs::copy(BuildTreePath("project\\default"), "data", fs::copy_options::recursive);
    ASSERT_EQ(CreateFolderTree(), 0);
    ASSERT_TRUE(g_StageDoc.SaveStagePalette("data\\plt4\\p.plt4"));
    ASSERT_TRUE(EditConfig.SaveFile("e_data\\EditConfig.dat"));
    OpenStage(20, 15);
  }
  void TearDown() override {
    RegisterVariableNames<cValInfoData>(kVarScopeCommon, nullptr);
    RegisterVariableNames<cValInfoData>(kVarScopeStage, nullptr);
    g_vValInfo.clear();
    g_SystemSettings.SetDefaults();
    g_WorldMap.SetDefaults();
    EditConfig.SetDefaults();
    StageEditorTest::TearDown();
  }

public:
  // Gives the file at path the case's form; the whole file it was is returned.
  static Bytes Spoil(const char* path, int kind) {
    const Bytes whole = ReadFileBytes(path);
    Bytes spoilt = whole;
    if (kind == kDamaged) spoilt.resize(whole.size() / 2);
    if (kind == kNewer || kind == kNewest) {
      Bytes version = U32(kind == kNewer ? kDataVersion + 1 : 0x7FFFFFFFu);
      std::copy(version.begin(), version.end(), spoilt.begin());
    }
    if (kind == kReadOnly) {
      SetReadOnly(path, true);
    } else if (kind == kFolder) {
      fs::remove(HostPath(path));
      fs::create_directory(HostPath(path));
    } else {
      WriteFileBytes(path, spoilt);
    }
    return whole;
  }
  static void PutBack(const char* path, const Bytes& whole) {
    std::string host = HostPath(path);
    if (fs::is_directory(host)) fs::remove(host);
    else SetReadOnly(path, false);
    WriteFileBytes(path, whole);
  }

  // The texts of the boxes shown, one after the other.
  std::string BoxTexts() const {
    std::string texts;
    for (const cFakeShell::cBox& box : m_Shell.m_vBoxes) texts += (texts.empty() ? "" : " | ") + box.m_strText;
    return texts;
  }
  int LoadAtStart() { return LoadProjectDocuments(); }
  int SaveStage(const char* path) {
    g_StageEditState.m_strStagePath = path;
    g_StageEditState.m_bStageModified = 1;
    return SaveStageOver(g_StageDoc, g_StageEditState);
  }
  int SaveWorldMap() {
    auto state = std::make_unique<cWorldMapEditState>();
    cEditConfig config;
    int32_t modified = 1;
    cNoDialogView view;
    cWorldMapEditor editor(g_WorldMap, *state, config, modified, view);
    return editor.SaveMap();
  }

  using StageEditorTest::m_Host;
  cStageEditor m_Editor{g_StageDoc, g_StageEditState, m_Host};
};

namespace {

const char* const kStage = "data\\stg4\\Default.stg4_771";
const char* const kStagePalette = "data\\plt4\\p.plt4";

const cDocumentKind kKinds[] = {
    {"stage", kStage, [](ProjectFiles&) { return LoadStage(kStage); }, 0,
     "破損ファイル %s を復旧できませんでした！\n「data\\work\\」にバックアップファイルがありません。",
     "ステージファイル %s の読み込みに失敗しました！", [](ProjectFiles& t) { return t.SaveStage(kStage); },
     "ステージファイル %s の保存に失敗しました！\n保存前のファイルはそのまま残っています。"},
    {"common palette", "data\\CommonPalette.cplt4", &ProjectFiles::LoadAtStart, 0, kProjectLoadBox, kProjectLoadBox,
     [](ProjectFiles& t) { return t.m_Editor.Files().SaveCommonPalette(); }, "コモンパレットファイル %s の保存に失敗しました！"},
    {"stage palette", kStagePalette,
     [](ProjectFiles& t) {
       t.m_Host.m_Paths = {kStagePalette};
       return t.m_Editor.Files().LoadStagePaletteFile();
     },
     0, "ステージパレットファイル %s の読み込みに失敗しました！", "ステージパレットファイル %s の読み込みに失敗しました！",
     [](ProjectFiles& t) {
       t.m_Host.m_Paths = {kStagePalette};
       return t.m_Editor.Files().SaveStagePaletteFile();
     },
     "ステージパレットファイル %s の保存に失敗しました！"},
    {"database table", "data\\database\\Sound.dat", &ProjectFiles::LoadAtStart, 0, kProjectLoadBox, kProjectLoadBox,
     [](ProjectFiles&) { return g_DatabaseSet.SaveDatabaseTables(); }, "データベースのファイルを保存できませんでした！\n%s"},
    {"system settings", "data\\System.dat", &ProjectFiles::LoadAtStart, 0, kProjectLoadBox, kProjectLoadBox,
     [](ProjectFiles&) { return SaveSystemSettings(g_SystemSettings); }, kSaveBox},
    {"project options", "data\\PrjOption.dat", &ProjectFiles::LoadAtStart, 0, kProjectLoadBox, kProjectLoadBox,
     [](ProjectFiles&) { return SaveProjectSettings(g_ProjectSettings); }, kSaveBox},
    {"world map", "data\\WorldMap.dat", &ProjectFiles::LoadAtStart, 0, kProjectLoadBox, kProjectLoadBox,
     &ProjectFiles::SaveWorldMap,
     "ワールドマップ %s の保存に失敗しました！\n保存前のファイルはそのまま残っています。"},
    {"variable names", "data\\GValInfo.dat", &ProjectFiles::LoadAtStart, 0, kProjectLoadBox, kProjectLoadBox,
     [](ProjectFiles&) { return SaveAtExit(); }, kSaveBox},
    // Missing or unreadable, the configuration leaves its defaults: start-up goes on without a box.
    {"editor configuration", "e_data\\EditConfig.dat", [](ProjectFiles&) { return LoadEditConfigAtStart(); }, 1,
     nullptr, nullptr, [](ProjectFiles&) { return SaveAtExit(); }, kSaveBox},
};

}  // namespace

TEST_F(ProjectFiles, EachLoadRefusesWhatItCannotReadWithItsBoxAndLeavesTheFile) {
  for (const cDocumentKind& kind : kKinds) {
    for (const auto& c : kCases) {
      SCOPED_TRACE(std::string(kind.m_pName) + ", " + c.m_pName);
      // Which box, and whether the editor goes on.
      const char* box = c.m_nCase == kDamaged ? kind.m_pDamagedBox
                        : c.m_nCase == kFolder ? kind.m_pFolderBox
                        : c.m_nCase == kReadOnly ? nullptr
                                                 : kNewerBox;
      int result = c.m_nCase == kReadOnly                           ? 1
                   : c.m_nCase == kDamaged || c.m_nCase == kFolder ? kind.m_nUnreadableResult
                                                                   : 0;
      Bytes whole = Spoil(kind.m_pPath, c.m_nCase);
      std::string before = FileState(kind.m_pPath);
      m_Shell.m_vBoxes.clear();

      EXPECT_EQ(kind.m_Load(*this), result);
      EXPECT_EQ(FileState(kind.m_pPath), before);
      EXPECT_TRUE(fs::is_empty(HostPath("data\\work"))) << "nothing was recovered";
      EXPECT_EQ(BoxTexts(), box ? BoxText(box, kind.m_pPath) : "");
      for (const cFakeShell::cBox& shown : m_Shell.m_vBoxes) EXPECT_EQ(shown.m_strCaption, "エラー");
      PutBack(kind.m_pPath, whole);
    }
  }
}

TEST_F(ProjectFiles, EachSaveRefusesAFileItMayNotReplaceBeforeItWritesAndSaysSo) {
  ASSERT_EQ(LoadProjectDocuments(), 1);
  for (const cDocumentKind& kind : kKinds) {
    for (const auto& c : kCases) {
      // A damaged file is the one a save is for.
      if (c.m_nCase == kDamaged) continue;
      SCOPED_TRACE(std::string(kind.m_pName) + ", " + c.m_pName);
      Bytes whole = Spoil(kind.m_pPath, c.m_nCase);
      std::string before = FileState(kind.m_pPath);
      m_Shell.m_vBoxes.clear();

      EXPECT_EQ(kind.m_Save(*this), 0);
      EXPECT_EQ(FileState(kind.m_pPath), before);
      EXPECT_FALSE(FileThere(std::string(kind.m_pPath) + ".~tmp"));
      EXPECT_TRUE(fs::is_empty(HostPath("data\\work"))) << "no safety copy of a refused save";
      EXPECT_EQ(BoxTexts(), BoxText(kind.m_pSaveBox, kind.m_pPath));
      PutBack(kind.m_pPath, whole);
    }
  }
}
