// The character data sheet's edit contexts: what opening copies in, what a commit writes back with
// its undo step and modified flag, previous and next, and the pages' relay and creation.
#include <functional>
#include <string>

#include "editors/CharaSheetEdit.h"
#include "editors/OpenSheets.h"
#include "tests/editors/EditorTest.h"

namespace {
cCharaEditTarget CharaTarget(int context, int index = 0) {
  cCharaEditTarget target;
  target.m_nContext = context;
  target.m_nIndex = index;
  if (context == kEditProjectDefault) target.m_pRecord = &g_ProjectSettings.m_DefChara;
  return target;
}

// The record a target names, as the documents hold it now.
const cEdChara& Record(int context, int index) {
  switch (context) {
    case kEditPlaced: return g_StageDoc.m_vCharaLayer.Get(index);
    case kEditStagePalette: return g_StageDoc.m_vStageChara[index];
    case kEditCommonPalette: return g_CommonPalette.m_vChara[index];
    default: return g_ProjectSettings.m_DefChara;
  }
}

class CharaSheetEditTest : public EditorTest {
protected:
  void SetUp() override {
    EditorTest::SetUp();
    g_StageDoc.m_vCharaLayer.At(kPlacedCell) = NamedChara("placed");
    g_ProjectSettings.m_DefChara = NamedChara("default");
  }
};
}  // namespace

TEST_F(CharaSheetEditTest, CommitWritesBackByContext) {
  struct cCase {
    int m_nContext;
    int m_nIndex;
    int m_bStageModified;
    int m_bCommonModified;
    int m_nUndo;
  };
  const cCase cases[] = {
      {kEditPlaced, kPlacedCell, 1, 0, 1},
      {kEditStagePalette, 2, 1, 0, 0},
      {kEditCommonPalette, 1, 0, 1, 0},
      {kEditProjectDefault, 0, 0, 0, 0},
  };
  for (const cCase& c : cases) {
    SCOPED_TRACE(c.m_nContext);
    SetUp();
    cCharaSheetEdit edit;
    ASSERT_EQ(edit.Open(CharaTarget(c.m_nContext, c.m_nIndex)), 1);
    edit.Chara().m_strName = "新しい名前";
    EXPECT_NE(Record(c.m_nContext, c.m_nIndex).m_strName, "新しい名前");  // nothing before the commit
    EXPECT_EQ(edit.Commit(2), 1);
    EXPECT_EQ(Record(c.m_nContext, c.m_nIndex).m_strName, "新しい名前");
    EXPECT_EQ(g_StageEditState.m_bStageModified, c.m_bStageModified);
    EXPECT_EQ(g_StageEditState.m_bCommonModified, c.m_bCommonModified);
    EXPECT_EQ(g_StageEditState.UndoCount(), c.m_nUndo);
    EXPECT_EQ(EditConfig.m_nCharaSheetPage, 2);
  }
}

TEST_F(CharaSheetEditTest, PlacedCommitLeavesTheUndoStepAsItWas) {
  cCharaSheetEdit edit;
  ASSERT_EQ(edit.Open(CharaTarget(kEditPlaced, kPlacedCell)), 1);
  edit.Chara().m_strName = "after";
  ASSERT_EQ(edit.Commit(0), 1);
  g_StageEditState.Undo(g_StageDoc);
  EXPECT_EQ(g_StageDoc.m_vCharaLayer.Get(kPlacedCell).m_strName, "placed");
  g_StageEditState.Redo(g_StageDoc);
  EXPECT_EQ(g_StageDoc.m_vCharaLayer.Get(kPlacedCell).m_strName, "after");
}

TEST_F(CharaSheetEditTest, ApplyTwiceCommitsFromTheSameCopies) {
  cCharaSheetEdit edit;
  ASSERT_EQ(edit.Open(CharaTarget(kEditStagePalette, 1)), 1);
  edit.Chara().m_nHp = 50;
  ASSERT_EQ(edit.Commit(0), 1);
  edit.Chara().m_nSp = 7;
  ASSERT_EQ(edit.Commit(0), 1);
  EXPECT_EQ(g_StageDoc.m_vStageChara[1].m_nHp, 50);
  EXPECT_EQ(g_StageDoc.m_vStageChara[1].m_nSp, 7);
}

TEST_F(CharaSheetEditTest, ARecordWithoutFlowsKeepsItsNewFlowOnCancel) {
  const std::pair<int, int> targets[] = {
      {kEditPlaced, kPlacedCell}, {kEditStagePalette, 3}, {kEditCommonPalette, 2}, {kEditProjectDefault, 0}};
  for (const auto& target : targets) {
    SCOPED_TRACE(target.first);
    SetUp();
    ASSERT_TRUE(Record(target.first, target.second).m_vFlow.empty());
    cCharaSheetEdit edit;
    ASSERT_EQ(edit.Open(CharaTarget(target.first, target.second)), 1);
    EXPECT_EQ(edit.Chara().m_vFlow.Count(), 1);
    edit.Cancel(3);
    EXPECT_EQ(Record(target.first, target.second).m_vFlow.Count(), 1);
    EXPECT_TRUE(Record(target.first, target.second).m_vFlow[0] == cFlowData());
    EXPECT_EQ(EditConfig.m_nCharaSheetPage, 3);
    EXPECT_EQ(g_StageEditState.m_bStageModified + g_StageEditState.m_bCommonModified, 0);
  }
  // A record that has flows keeps exactly those.
  g_StageDoc.m_vStageChara[1].m_vFlow.resize(2);
  cCharaSheetEdit edit;
  ASSERT_EQ(edit.Open(CharaTarget(kEditStagePalette, 1)), 1);
  EXPECT_EQ(edit.Chara().m_vFlow.Count(), 2);
}

TEST_F(CharaSheetEditTest, ATargetThatNamesNoRecordOpensNothing) {
  const cCharaEditTarget targets[] = {
      CharaTarget(kEditPlaced, -1), CharaTarget(kEditPlaced, 8 * 4), CharaTarget(kEditStagePalette, 4), CharaTarget(kEditCommonPalette, -1),
      {kEditProjectDefault, 0, nullptr}, CharaTarget(7, 1)};
  for (const cCharaEditTarget& target : targets) {
    cCharaSheetEdit edit;
    EXPECT_EQ(edit.Open(target), 0) << target.m_nContext << " " << target.m_nIndex;
    EXPECT_EQ(edit.Commit(1), 0);
    EXPECT_EQ(edit.CanStep(), 0);
  }
  EXPECT_TRUE(g_StageDoc.m_vStageChara[1].m_vFlow.empty());
  EXPECT_EQ(g_StageEditState.UndoCount(), 0);
  EXPECT_EQ(g_StageEditState.m_bStageModified, 0);
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());
}

TEST_F(CharaSheetEditTest, PreviousAndNextWrapWithinTheEntries) {
  struct cCase {
    int m_nContext;
    int m_nCount;  // entries of the stage palette list
    int m_nIndex;
    int m_nDelta;
    int m_nNext;  // -1: the buttons are disabled and nothing moves
  };
  const cCase cases[] = {
      {kEditStagePalette, 4, 3, +1, 1},  {kEditStagePalette, 4, 1, -1, 3}, {kEditStagePalette, 4, 2, +1, 3},
      {kEditStagePalette, 4, 0, +1, 1},  {kEditStagePalette, 4, 0, -1, 3}, {kEditStagePalette, 2, 0, +1, 1},
      {kEditStagePalette, 2, 1, +1, -1}, {kEditStagePalette, 1, 0, +1, -1}, {kEditStagePalette, 1, 0, -1, -1},
      {kEditCommonPalette, 3, 2, +1, 1}, {kEditPlaced, 4, kPlacedCell, +1, -1},  {kEditProjectDefault, 4, 0, +1, -1},
  };
  for (const cCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.m_nContext << " count " << c.m_nCount << " at " << c.m_nIndex << " by "
                                    << c.m_nDelta);
    SetUp();
    g_StageDoc.m_vStageChara.resize(c.m_nCount);
    cCharaSheetEdit edit;
    ASSERT_EQ(edit.Open(CharaTarget(c.m_nContext, c.m_nIndex)), 1);
    EXPECT_EQ(edit.CanStep(), c.m_nNext >= 0 ? 1 : 0);
    const cEdChara* next = edit.Step(c.m_nDelta, edit.Chara());
    EXPECT_EQ(next != nullptr, c.m_nNext >= 0);
    EXPECT_EQ(edit.EditIndex(), c.m_nNext >= 0 ? c.m_nNext : c.m_nIndex);
    EXPECT_EQ(g_StageEditState.m_nEditIndex, c.m_nNext >= 0 ? c.m_nNext : 0);
    if (next) {
      EXPECT_EQ(next->m_strName, edit.List()[c.m_nNext].m_strName);
    }
  }
}

TEST_F(CharaSheetEditTest, OkAfterNextWritesEveryVisitedEntry) {
  cCharaSheetEdit edit;
  ASSERT_EQ(edit.Open(CharaTarget(kEditStagePalette, 3)), 1);
  edit.Chara().m_strName = "A";
  cEdChara shown = *edit.Step(+1, edit.Chara());  // from the last entry to entry 1
  EXPECT_EQ(edit.EditIndex(), 1);
  EXPECT_EQ(shown.m_vFlow.Count(), 1);  // the entry shown gains its flow as it is loaded
  shown.m_strName = "B";                // edited on another page, which steps itself
  edit.Step(+1, shown);
  edit.Chara().m_nHp = 77;
  EXPECT_EQ(g_StageDoc.m_vStageChara[3].m_strName, "stage3");  // nothing before the commit
  ASSERT_EQ(edit.Commit(0), 1);
  EXPECT_EQ(g_StageDoc.m_vStageChara[3].m_strName, "A");
  EXPECT_EQ(g_StageDoc.m_vStageChara[1].m_strName, "B");
  EXPECT_EQ(g_StageDoc.m_vStageChara[2].m_strName, "stage2");
  EXPECT_EQ(g_StageDoc.m_vStageChara[2].m_nHp, 77);
}

TEST_F(CharaSheetEditTest, APaletteCommitResolvesTheFollowersOfTheEntry) {
  // Stage entry 2 follows common entry 1; cells 1-4 follow common 1, stage 2, stage 1 and stage 3.
  struct cCase {
    int m_nContext;
    int m_nIndex;
    const char* m_pStageEntry2;
    const char* m_pCells;
  };
  const cCase cases[] = {
      {kEditStagePalette, 2, "renamed", "common1|renamed|stage1|stage3|"},
      {kEditStagePalette, 3, "common1", "common1|common1|stage1|renamed|"},
      {kEditCommonPalette, 1, "renamed", "renamed|renamed|stage1|stage3|"},
      {kEditCommonPalette, 2, "common1", "common1|common1|stage1|stage3|"},
  };
  for (const cCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.m_nContext << " " << c.m_nIndex);
    SetUp();
    g_StageDoc.m_vStageChara[2] = Follower("old", kPaletteCommon, 1, {0});
    g_StageDoc.m_vCharaLayer.At(1) = Follower("old", kPaletteCommon, 1, {0});
    g_StageDoc.m_vCharaLayer.At(2) = Follower("old", kPaletteStage, 2, {0});
    g_StageDoc.m_vCharaLayer.At(3) = Follower("old", kPaletteStage, 1, {0});
    g_StageDoc.m_vCharaLayer.At(4) = Follower("old", kPaletteStage, 3, {0});
    g_StageDoc.ResolveLayers(kLayerFlagChara);
    g_StageDoc.RefreshCharasFromCommon();
    cCharaSheetEdit edit;
    ASSERT_EQ(edit.Open(CharaTarget(c.m_nContext, c.m_nIndex)), 1);
    edit.Chara().m_strName = "renamed";
    ASSERT_EQ(edit.Commit(0), 1);
    EXPECT_EQ(g_StageDoc.m_vStageChara[2].m_strName, c.m_pStageEntry2);
    std::string cells;
    for (int cell = 1; cell <= 4; ++cell) cells += g_StageDoc.m_vCharaLayer.Get(cell).m_strName + "|";
    EXPECT_EQ(cells, c.m_pCells);
  }
}

TEST_F(CharaSheetEditTest, InheritedGroupsShowTheSourcesValuesOnOpening) {
  g_StageDoc.m_vStageChara[1] = Follower("stale", kPaletteCommon, 2, {0, 23});
  g_StageDoc.m_vStageChara[1].m_nHp = 3;
  g_CommonPalette.m_vChara[2].m_nHp = 40;
  cCharaSheetEdit edit;
  ASSERT_EQ(edit.Open(CharaTarget(kEditStagePalette, 1)), 1);
  EXPECT_EQ(edit.Chara().m_strName, "common2");
  EXPECT_EQ(edit.Chara().m_nHp, 40);
}

TEST_F(CharaSheetEditTest, EachContextOffersItsSourcesAndNavigation) {
  struct cCase {
    int m_nContext;
    const char* m_pSources;
    int m_bCombos;
    int m_bNavigation;
    int m_bLocked;
  };
  const cCase cases[] = {
      {kEditPlaced, "継承しない|コモンパレット|ステージパレット|", 1, 0, 1},
      {kEditStagePalette, "継承しない|コモンパレット|", 1, 1, 0},
      {kEditCommonPalette, "継承しない|", 0, 1, 0},
      {kEditProjectDefault, "継承しない|", 0, 0, 1},
      {-1, "継承しない|", 0, 0, 1},
  };
  for (const cCase& c : cases) {
    const cCharaSheetSetup& setup = CharaSheetSetup(c.m_nContext);
    std::string sources;
    for (const cString* row = setup.m_pSources; !row->empty(); ++row) sources += *row + "|";
    EXPECT_EQ(sources, c.m_pSources) << c.m_nContext;
    EXPECT_EQ(setup.m_bSourceCombos, c.m_bCombos) << c.m_nContext;
    EXPECT_EQ(setup.m_bNavigation, c.m_bNavigation) << c.m_nContext;
    EXPECT_EQ(setup.m_bControlTypeLocked, c.m_bLocked) << c.m_nContext;
  }
  EXPECT_EQ(EntryNumberText(12), "No.12");
}

TEST_F(CharaSheetEditTest, TheEditStateNamesTheTarget) {
  const int contexts[] = {kEditPlaced, kEditStagePalette, kEditCommonPalette, kEditProjectDefault};
  for (int context : contexts) {
    g_StageEditState.m_nEditContext = context;
    g_StageEditState.m_nEditIndex = 2;
    g_StageEditState.m_pEditChara = &g_ProjectSettings.m_DefChara;
    cCharaEditTarget target = CharaEditTargetOf(g_StageEditState);
    EXPECT_EQ(target.m_nContext, context);
    EXPECT_EQ(target.m_nIndex, 2);
    EXPECT_EQ(target.m_pRecord, context == kEditProjectDefault ? &g_ProjectSettings.m_DefChara : nullptr);
  }
  g_StageEditState.m_pCharaSheet = reinterpret_cast<cCharaDataSheet*>(&g_StageEditState);
  g_StageEditState.m_pEditFlows = &g_StageDoc.m_vCharaLayer.At(0).m_vFlow;
  cOpenSheets sheets = OpenSheetsOf(g_StageEditState);
  EXPECT_EQ(sheets.m_bBlock + sheets.m_bItem, 0);
  EXPECT_EQ(sheets.m_bChara + sheets.m_bEditFlows, 2);
  g_StageEditState.m_pCharaSheet = nullptr;
  g_StageEditState.m_pEditFlows = nullptr;
}

TEST_F(CharaSheetEditTest, TheSheetOpensOnThePageItWasClosedOn) {
  const std::pair<int, int> pages[] = {{3, 3}, {0, 0}, {4, 0}, {-1, 0}};
  for (const auto& page : pages) {
    EditConfig.m_nCharaSheetPage = page.first;
    EXPECT_EQ(CharaSheetStartPage(), page.second) << page.first;
  }
}

TEST(RelayChara, CopiesIntoEveryOtherPage) {
  for (int from = -1; from <= kCharaPageCount; ++from) {
    cEdChara copies[kCharaPageCount];
    cEdChara* const pages[kCharaPageCount] = {&copies[0], &copies[1], &copies[2], &copies[3]};
    RelayChara(pages, NamedChara("relayed"), from);
    for (int page = 0; page < kCharaPageCount; ++page) {
      bool relayed = from >= 0 && from < kCharaPageCount && page != from;
      EXPECT_EQ(copies[page].m_strName == "relayed", relayed) << from << " to " << page;
    }
  }
}

namespace {
struct cFakePage {
  explicit cFakePage(int* deleted) : m_pDeleted(deleted) {}
  ~cFakePage() { ++*m_pDeleted; }
  int* m_pDeleted;
};
}  // namespace

TEST(MakeSheetPages, ASheetWithAPageMissingIsNeverRun) {
  for (int failing = -1; failing < kCharaPageCount; ++failing) {
    SCOPED_TRACE(failing);
    cFakeShell shell;
    int made = 0, deleted = 0;
    cFakePage* pages[kCharaPageCount];
    int result = MakeSheetPages(pages, kCharaPageCount, [&](int page) -> cFakePage* {
      if (page == failing) return nullptr;
      ++made;
      return new cFakePage(&deleted);
    });
    EXPECT_EQ(result, failing < 0 ? 1 : 0);
    EXPECT_EQ(made, failing < 0 ? kCharaPageCount : failing);
    EXPECT_EQ(deleted, failing < 0 ? 0 : failing);
    for (cFakePage* page : pages) EXPECT_EQ(page == nullptr, failing >= 0);
    ASSERT_EQ(shell.m_vBoxes.size(), failing < 0 ? 0u : 1u);
    if (failing >= 0) {
      EXPECT_EQ(shell.m_vBoxes[0].m_strText, "メモリが不足しています！");
    }
    EXPECT_EQ(shell.m_nCloseRequests, failing < 0 ? 0 : 1);
    if (failing < 0)
      for (cFakePage*& page : pages) delete page;
  }
}
