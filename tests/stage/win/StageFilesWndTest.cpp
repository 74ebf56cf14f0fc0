#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "app/win/FileDialogs.h"
#include "app/win/cWorkerThread.h"
#include "project/cProjectSettings.h"
#include "stage/StageFile.h"
#include "tests/stage/win/StageWndTest.h"
#include "ui/win/cValueInputDlg.h"

namespace {

// Answers the file dialogs with queued paths (made absolute, as the shell's dialogs give them); an
// empty one cancels. Keeps what each dialog was opened with.
class cAnsweringDialogs : public cFileDialogSeam {
public:
  cAnsweringDialogs() { SetFileDialogSeam(this); }
  ~cAnsweringDialogs() override { SetFileDialogSeam(nullptr); }
  BOOL RunOpen(OPENFILENAMEA& record) override { return Answer(record); }
  BOOL RunSave(OPENFILENAMEA& record) override { return Answer(record); }

  std::deque<std::string> m_Paths;
  std::vector<std::string> m_vTitles;
  std::vector<std::string> m_vOffered;

private:
  BOOL Answer(OPENFILENAMEA& record) {
    m_vTitles.push_back(record.lpstrTitle ? record.lpstrTitle : "");
    m_vOffered.push_back(record.lpstrFile);
    std::string path = m_Paths.empty() ? "" : m_Paths.front();
    if (!m_Paths.empty()) m_Paths.pop_front();
    if (path.empty()) return FALSE;
    char full[MAX_PATH];
    GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    lstrcpynA(record.lpstrFile, full, record.nMaxFile);
    return TRUE;
  }
};

// Remembers every text this thread gives a window, the status popup's caption and line among them.
class cTextWatch {
public:
  cTextWatch() {
    s_pWatch = this;
    m_hHook = SetWindowsHookExA(WH_CALLWNDPROC, Hook, nullptr, GetCurrentThreadId());
  }
  ~cTextWatch() {
    UnhookWindowsHookEx(m_hHook);
    s_pWatch = nullptr;
  }
  bool Saw(const std::string& text) const {
    for (const std::string& seen : m_vSeen)
      if (seen == text) return true;
    return false;
  }
  std::vector<std::string> m_vSeen;

private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    const CWPSTRUCT* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && s_pWatch && call->message == WM_SETTEXT && call->lParam)
      s_pWatch->m_vSeen.push_back(reinterpret_cast<const char*>(call->lParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  HHOOK m_hHook;
  static cTextWatch* s_pWatch;
};
cTextWatch* cTextWatch::s_pWatch = nullptr;

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// A stage file of 4 x 3 with one block of that graphic at (1, 1), and a player at (0, 0).
void WriteStage(const char* path, int graphic) {
  cStageDoc stage;
  stage.SetSize(4, 3, 0, 0);
  stage.m_vBlockLayer.At(stage.CellIndex(1, 1)) = Record<cEdBlock>(graphic);
  cEdChara player = PlayerRecord(1);
  stage.PutChara(0, player);
  ASSERT_EQ(SaveStageFile(stage, path), 1) << path;
}

}  // namespace

class StageFilesWndTest : public StageWndTest {
protected:
  int BlockAt(int x, int y) { return g_StageDoc.m_vBlockLayer.Get(g_StageDoc.CellIndex(x, y)).m_nGraphic; }
  cAnsweringDialogs m_Dialogs;
};

TEST_F(StageFilesWndTest, OpenLoadsOnTheWorkerBehindThePopupAndRebuilds) {
  WriteStage("data\\stg4\\b.stg4_771", 6);
  OpenStage(20, 15, "data\\stg4\\a.stg4_771");
  g_StageEditState.m_vBrushBlock[0] = Record<cEdBlock>(1);
  MouseAtCell(WM_LBUTTONDOWN, 0, 0, MK_LBUTTON);
  MouseAtCell(WM_LBUTTONUP, 0, 0, 0);
  g_StageEditState.m_bStageModified = 0;
  m_Dialogs.m_Paths = {"data\\stg4\\b.stg4_771"};
  cTextWatch watch;
  Command(40004);  // Ctrl+O
  EXPECT_EQ(m_Dialogs.m_vTitles, std::vector<std::string>{"読み込むファイルの選択"});
  EXPECT_EQ(g_StageDoc.m_nWidth, 4);
  EXPECT_EQ(BlockAt(1, 1), 6);
  EXPECT_TRUE(EndsWith(g_StageEditState.m_strStagePath, "data\\stg4\\b.stg4_771")) << g_StageEditState.m_strStagePath;
  EXPECT_EQ(g_StageEditState.m_bStageOpen, 1);
  EXPECT_EQ(g_StageEditState.UndoCount(), 0);
  EXPECT_EQ(g_WorkerThread.m_hThread, nullptr) << "the worker is done with";
  EXPECT_EQ(CurrentStatusPopup(), nullptr);
  EXPECT_TRUE(watch.Saw("ステージの読み込み")) << "the status popup's caption";
  EXPECT_TRUE(watch.Saw("ステージを読み込んでいます...")) << "and its line";
  EXPECT_TRUE(RebuildPosted());
  EXPECT_EQ(g_StageEditState.m_bStageModified, 0);
}

TEST_F(StageFilesWndTest, AFileThatFailsToLoadKeepsTheOpenStage) {
  // Of a version before the end marker: the check passes it, the load fails.
  WriteFileBytes("data\\stg4\\bad.stg4_150", Hex("96 00 00 00 01 02"));
  OpenStage(20, 15, "data\\stg4\\a.stg4_771");
  g_StageDoc.m_vBlockLayer.At(0) = Record<cEdBlock>(2);
  m_Dialogs.m_Paths = {"data\\stg4\\bad.stg4_150"};
  cBoxAnswerer answerer;
  Command(40074);
  ASSERT_EQ(answerer.Seen().size(), 1u);
  EXPECT_TRUE(answerer.Seen()[0].m_strText.find("の読み込みに失敗しました！") != std::string::npos);
  EXPECT_TRUE(answerer.Seen()[0].m_strText.find("bad.stg4_150") != std::string::npos);
  EXPECT_EQ(g_StageDoc.m_nWidth, 20);
  EXPECT_EQ(BlockAt(0, 0), 2);
  EXPECT_EQ(g_StageEditState.m_strStagePath, "data\\stg4\\a.stg4_771");
  EXPECT_FALSE(RebuildPosted());
  EXPECT_TRUE(IsWindow(g_hMainWnd)) << "the editor goes on";
  EXPECT_EQ(CurrentStatusPopup(), nullptr);
}

TEST_F(StageFilesWndTest, AStageOfANewerVersionIsRefusedAndLeftAsItWas) {
  WriteStage("data\\stg4\\n.stg4_771", 6);
  Bytes newer = ReadFileBytes("data\\stg4\\n.stg4_771");
  newer[0] = 0x04;  // data version 772
  WriteFileBytes("data\\stg4\\n.stg4_771", newer);
  OpenStage(20, 15, "data\\stg4\\a.stg4_771");
  g_StageDoc.m_vBlockLayer.At(0) = Record<cEdBlock>(2);
  m_Dialogs.m_Paths = {"data\\stg4\\n.stg4_771"};
  cBoxAnswerer answerer;
  Command(40074);
  ASSERT_EQ(answerer.Seen().size(), 1u);
  // The path as the open dialog gives it, made relative.
  EXPECT_TRUE(EndsWith(answerer.Seen()[0].m_strText,
                       "data\\stg4\\n.stg4_771 は新しいバージョンのヴォンタリスで保存されたファイルです！\n"
                       "このバージョンでは読み込むことも上書きすることもできません。"))
      << answerer.Seen()[0].m_strText;
  EXPECT_EQ(ReadFileBytes("data\\stg4\\n.stg4_771"), newer);
  EXPECT_EQ(BlockAt(0, 0), 2);
  EXPECT_EQ(g_StageEditState.m_strStagePath, "data\\stg4\\a.stg4_771");
  EXPECT_FALSE(RebuildPosted());
}

TEST_F(StageFilesWndTest, ABrokenFileIsRepairedFromItsSafetyCopyWhenOpened) {
  WriteStage("data\\work\\c.stg4_771", 7);
  Bytes broken = ReadFileBytes("data\\work\\c.stg4_771");
  broken.resize(broken.size() - 4);
  WriteFileBytes("data\\stg4\\c.stg4_771", broken);
  MakeWindow();
  m_Dialogs.m_Paths = {"data\\stg4\\c.stg4_771"};
  cBoxAnswerer answerer;
  Command(40074);
  ASSERT_GE(answerer.Seen().size(), 1u);
  EXPECT_EQ(answerer.Seen()[0].m_strCaption, "ファイルの復旧");
  const std::string& text = answerer.Seen()[0].m_strText;
  EXPECT_EQ(text.rfind("破損ファイル ", 0), 0u);
  EXPECT_NE(text.find("data\\stg4\\c.stg4_771 を復旧しました！"), std::string::npos) << text;
  EXPECT_NE(text.find("data\\stg4\\c.stg4_771.broken として残してあります。"), std::string::npos) << text;
  EXPECT_EQ(BlockAt(1, 1), 7);
  EXPECT_FALSE(FileThere("data\\work\\c.stg4_771"));
  EXPECT_EQ(ReadFileBytes("data\\stg4\\c.stg4_771.broken"), broken);
}

TEST_F(StageFilesWndTest, ReplacingAChangedStageAsksFirst) {
  OpenStage(20, 15, "data\\stg4\\a.stg4_771");
  g_StageEditState.m_bStageModified = 1;
  for (int id : {40074, 40130, 40079}) {
    cBoxAnswerer answerer({IDCANCEL});
    Command(id);
    ASSERT_EQ(answerer.Seen().size(), 1u) << id;
    EXPECT_EQ(answerer.Seen()[0].m_strText, "ステージが変更された可能性があります。\n保存しますか？");
    EXPECT_EQ(answerer.Seen()[0].m_strCaption, "保存確認");
    EXPECT_TRUE(m_Dialogs.m_vTitles.empty()) << id;
    EXPECT_EQ(g_StageEditState.m_bStageOpen, 1) << id;
    EXPECT_FALSE(RebuildPosted());
  }
  cBoxAnswerer answerer({IDNO});
  Command(40130);
  EXPECT_EQ(g_StageEditState.m_bStageOpen, 0);
  EXPECT_EQ(g_StageEditState.m_strStagePath, "");
  EXPECT_EQ(g_StageEditState.m_bStageModified, 0);
  EXPECT_TRUE(RebuildPosted());
}

TEST_F(StageFilesWndTest, SaveOverTheFileThroughASafetyCopy) {
  WriteStage("data\\stg4\\d.stg4_771", 3);
  OpenStage(4, 3, "data\\stg4\\d.stg4_771");
  cEdChara player = PlayerRecord(1);
  g_StageDoc.PutChara(0, player);
  g_StageDoc.m_vBlockLayer.At(g_StageDoc.CellIndex(2, 2)) = Record<cEdBlock>(9);
  g_StageEditState.m_bStageModified = 1;
  g_StageEditState.m_bCommonModified = 1;
  Command(40005);  // Ctrl+S
  EXPECT_EQ(g_StageEditState.m_bStageModified, 0);
  EXPECT_EQ(g_StageEditState.m_bCommonModified, 0);
  EXPECT_TRUE(FileThere("data\\CommonPalette.cplt4"));
  EXPECT_FALSE(FileThere("data\\work\\d.stg4_771")) << "the safety copy goes once the file is whole";
  cStageDoc saved;
  ASSERT_EQ(saved.LoadStageFile("data\\stg4\\d.stg4_771"), 1);
  EXPECT_EQ(saved.m_vBlockLayer.Get(saved.CellIndex(2, 2)).m_nGraphic, 9);
  EXPECT_TRUE(m_Dialogs.m_vTitles.empty());
  EXPECT_EQ(Title(), "ヴォンタリス  data\\stg4\\d.stg4_771");
}

TEST_F(StageFilesWndTest, AFailedSaveIsReportedWithItsPathAndKeepsTheFlags) {
  CreateDirectoryA("data\\stg4\\e.stg4_771", nullptr);  // a folder where the file should be
  OpenStage(4, 3, "data\\stg4\\e.stg4_771");
  cEdChara player = PlayerRecord(1);
  g_StageDoc.PutChara(0, player);
  g_StageEditState.m_bStageModified = 1;
  cBoxAnswerer answerer;
  Command(40077);
  bool named = false;
  for (const cBoxAnswerer::cSeen& seen : answerer.Seen())
    named = named || seen.m_strText.find("data\\stg4\\e.stg4_771") != std::string::npos;
  EXPECT_TRUE(named);
  EXPECT_EQ(g_StageEditState.m_bStageModified, 1);
}

TEST_F(StageFilesWndTest, SavingAnOlderVersionAsksForTheNameAndHandlesTheOldFile) {
  struct cRow {
    int m_nMode;
    bool m_bOldStays, m_bMoved;
  } rows[] = {{cProjectSettings::kOldStageMove, false, true},
              {cProjectSettings::kOldStageKeep, true, false},
              {cProjectSettings::kOldStageDelete, false, false}};
  for (const cRow& row : rows) {
    WriteFileBytes("data\\stg4\\f.stg4_700", Hex("bc 02 00 00"));
    DeleteFileA("data\\stg4\\f.stg4_771");
    DeleteFileA("data\\stg4\\old_ver\\f.stg4_700");
    g_ProjectSettings.m_nOldStageMode = row.m_nMode;
    OpenStage(4, 3, "data\\stg4\\f.stg4_700");
    cEdChara player = PlayerRecord(1);
    g_StageDoc.PutChara(0, player);
    m_Dialogs.m_Paths = {"data\\stg4\\f.stg4_771"};
    m_Dialogs.m_vOffered.clear();
    m_Dialogs.m_vTitles.clear();
    Command(40077);
    ASSERT_EQ(m_Dialogs.m_vTitles.size(), 1u);
    EXPECT_EQ(m_Dialogs.m_vTitles[0], "保存先のファイルの選択");
    EXPECT_EQ(m_Dialogs.m_vOffered[0], "data\\stg4\\f.stg4_771") << "the same name with the current extension";
    EXPECT_TRUE(FileThere("data\\stg4\\f.stg4_771"));
    EXPECT_EQ(FileThere("data\\stg4\\f.stg4_700"), row.m_bOldStays) << row.m_nMode;
    EXPECT_EQ(FileThere("data\\stg4\\old_ver\\f.stg4_700"), row.m_bMoved) << row.m_nMode;
    EXPECT_TRUE(EndsWith(g_StageEditState.m_strStagePath, "data\\stg4\\f.stg4_771"));
    SafeDelete(g_MainFrame.m_lpStageEditor);
  }
}

TEST_F(StageFilesWndTest, ACancelledDialogWarnsWhenTheStageFileHasGone) {
  OpenStage(4, 3, "data\\stg4\\gone.stg4_771");
  cBoxAnswerer answerer;
  Command(40074);
  ASSERT_EQ(answerer.Seen().size(), 1u);
  EXPECT_EQ(answerer.Seen()[0].m_strCaption, "警告");
  EXPECT_EQ(answerer.Seen()[0].m_strText,
            "現在編集中のステージのファイル名が変更された可能性があります。\n"
            "ステージファイルを開き直さないとデータの上書き保存やテストプレイに失敗する可能性があります。");
}

TEST_F(StageFilesWndTest, ClosingAsksForBothSavesAndCancelKeepsTheEditorOpen) {
  WriteStage("data\\stg4\\g.stg4_771", 3);
  OpenStage(4, 3, "data\\stg4\\g.stg4_771");
  cEdChara player = PlayerRecord(1);
  g_StageDoc.PutChara(0, player);
  struct cRow {
    std::vector<int> m_vAnswers;
    size_t m_nQuestions;
    bool m_bEnds;
  } rows[] = {
      {{IDCANCEL}, 1, false},
      {{IDNO, IDCANCEL}, 2, false},
      {{IDYES, IDYES}, 2, true},
  };
  for (const cRow& row : rows) {
    g_StageEditState.m_bStageModified = 1;
    g_StageEditState.m_bCommonModified = 1;
    cBoxAnswerer answerer(row.m_vAnswers);
    SendMessageA(Window(), WM_CLOSE, 0, 0);
    ASSERT_EQ(answerer.Seen().size(), row.m_nQuestions);
    EXPECT_EQ(answerer.Seen()[0].m_strText, "ステージが変更された可能性があります。\n保存しますか？");
    if (row.m_nQuestions > 1) {
      EXPECT_EQ(answerer.Seen()[1].m_strText, "コモンパレットが変更された可能性があります。\n保存しますか？");
    }
    EXPECT_EQ(!IsWindow(g_hMainWnd), row.m_bEnds);
  }
  EXPECT_EQ(g_StageEditState.m_bStageModified, 0);
  EXPECT_EQ(g_StageEditState.m_bCommonModified, 0);
  EXPECT_TRUE(FileThere("data\\CommonPalette.cplt4"));
}
