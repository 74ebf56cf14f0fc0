// The data move dialog's rules: runs moved, copied and deleted, its edits and their ranges, and
// what OK does to the selection, the followers, the clipboard and the modified flags.
#include "tests/stage/PaletteTest.h"

namespace {

// A list of ten entries named by their numbers, entry 0 empty.
cVector<cEdBlock> TenBlocks() {
  cVector<cEdBlock> list(1);
  for (int i = 1; i < 10; ++i) list.push_back(Named<cEdBlock>(std::to_string(i).c_str()));
  return list;
}

}  // namespace

using DataMove = PaletteTest;

TEST_F(DataMove, Runs) {
  struct Case {
    const char* m_pName;
    int m_nFirst, m_nLast, m_nDest, m_nOperation;
    const char* m_pList;
  } cases[] = {
      {"move 2 ～ 3 to 8", 2, 3, 8, kMoveRun, "_ 1 4 5 6 7 2 3 8 9"},
      {"move 6 ～ 7 to 2", 6, 7, 2, kMoveRun, "_ 1 6 7 2 3 4 5 8 9"},
      {"move 3 ～ 5 to 3", 3, 5, 3, kMoveRun, "_ 1 2 3 4 5 6 7 8 9"},
      {"move 3 ～ 5 to 4", 3, 5, 4, kMoveRun, "_ 1 2 3 4 5 6 7 8 9"},
      {"move 3 ～ 5 to 5", 3, 5, 5, kMoveRun, "_ 1 2 3 4 5 6 7 8 9"},
      {"move 3 ～ 5 to 6", 3, 5, 6, kMoveRun, "_ 1 2 3 4 5 6 7 8 9"},
      {"move 3 ～ 5 to the end", 3, 5, 10, kMoveRun, "_ 1 2 6 7 8 9 3 4 5"},
      {"move 9 ～ 9 to 1", 9, 9, 1, kMoveRun, "_ 9 1 2 3 4 5 6 7 8"},
      {"copy and insert 1 ～ 2 to 10", 1, 2, 10, kCopyRun, "_ 1 2 3 4 5 6 7 8 9 1 2"},
      {"copy and insert 2 ～ 3 to 1", 2, 3, 1, kCopyRun, "_ 2 3 1 2 3 4 5 6 7 8 9"},
      {"delete 8 ～ 9", 8, 9, 1, kDeleteRun, "_ 1 2 3 4 5 6 7"},
      {"delete 1 ～ 9", 1, 9, 1, kDeleteRun, "_"},
      {"a run ending before it starts", 5, 3, 1, kDeleteRun, "_ 1 2 3 4 5 6 7 8 9"},
      {"entry 0 never moves, the end is the end", 0, 2, 99, kMoveRun, "_ 3 4 5 6 7 8 9 1 2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m_pName);
    g_CommonPalette.m_vBlock = TenBlocks();
    cDataMove move(g_StageDoc, g_CommonPalette, g_StageEditState, 0, 0);
    move.m_nFirst = c.m_nFirst, move.m_nLast = c.m_nLast, move.m_nDest = c.m_nDest, move.m_nOperation = c.m_nOperation;
    move.MoveEntries();
    EXPECT_EQ(ListText(g_CommonPalette.m_vBlock), c.m_pList);
  }
}

TEST_F(DataMove, TheDialogsValues) {
  g_StageDoc.m_vStageItem.resize(10);
  cDataMove move(g_StageDoc, g_CommonPalette, g_StageEditState, 1, 2);
  EXPECT_EQ(move.m_nCount, 10);
  EXPECT_EQ(move.RunMaximum(), 9);
  EXPECT_EQ(move.DestMaximum(), 10);
  EXPECT_EQ(move.m_nFirst, 1);
  EXPECT_EQ(move.m_nLast, 1);
  EXPECT_EQ(move.m_nDest, 1);
  EXPECT_EQ(move.m_nOperation, kMoveRun);
  EXPECT_EQ(move.m_vOperationNames, (cVector<cString>{"移動", "コピー＆挿入", "削除"}));
  // Choosing "削除" disables the destination; "移動" enables it again; no row changes nothing.
  const struct {
    int m_nRow, m_nEnabled;
  } rows[] = {{kMoveRun, 1}, {kCopyRun, 1}, {kDeleteRun, 0}, {-1, -1}};
  for (const auto& row : rows) EXPECT_EQ(cDataMove::DestEnabled(row.m_nRow), row.m_nEnabled) << row.m_nRow;
}

TEST_F(DataMove, ApplyKeepsTheSelectionInItsList) {
  struct Case {
    const char* m_pName;
    int m_nSelPalette, m_nSelIndex;
    int m_nFirst, m_nLast;
    int m_nSelAfter;
  } cases[] = {
      {"delete 5 ～ 9 while entry 8 is selected", 1, 8, 5, 9, 4},
      {"delete 5 ～ 9 while entry 3 is selected", 1, 3, 5, 9, 3},
      {"a selection in the common palette stays", 0, 8, 5, 9, 8},
      {"no selection stays none", 1, -1, 5, 9, -1},
      {"a run ending before it starts", 1, 8, 9, 5, 8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m_pName);
    Restart();
    g_StageDoc.m_vStageBlock = TenBlocks();
    g_CommonPalette.m_vBlock = TenBlocks();
    g_StageEditState.m_nSelPalette = c.m_nSelPalette;
    g_StageEditState.m_nSelIndex = c.m_nSelIndex;
    Run(0, "c2 c:copy");
    g_StageEditState.m_nSelPalette = c.m_nSelPalette;
    g_StageEditState.m_nSelIndex = c.m_nSelIndex;
    cDataMove move(g_StageDoc, g_CommonPalette, g_StageEditState, 1, 0);
    move.m_nFirst = c.m_nFirst, move.m_nLast = c.m_nLast, move.m_nOperation = kDeleteRun;
    move.Apply();
    EXPECT_EQ(g_StageEditState.m_nSelIndex, c.m_nSelAfter);
    // The clipboard is emptied and the stage palette marked, whatever the run.
    EXPECT_EQ(g_StageEditState.m_bClipValid, 0);
    EXPECT_EQ(g_StageEditState.m_bStageModified, 1);
    EXPECT_EQ(g_StageEditState.m_bCommonModified, 0);
  }
}

TEST_F(DataMove, FollowersKeepTheirNumbers) {
  // The map row follows stage 3 and 2 and common 5; a move in either palette reaches it at once.
  cDataMove stageMove(g_StageDoc, g_CommonPalette, g_StageEditState, 1, 1);
  stageMove.m_nFirst = 3, stageMove.m_nLast = 3, stageMove.m_nDest = 1;
  stageMove.Apply();
  cDataMove commonMove(g_StageDoc, g_CommonPalette, g_StageEditState, 0, 1);
  commonMove.m_nFirst = 5, commonMove.m_nLast = 6, commonMove.m_nOperation = kDeleteRun;
  commonMove.Apply();
  EXPECT_EQ(State(1), "C[_ A B C D] S[_ r p C<c3 s<s1] M[C<s3 E p<s2 x] brush[_] clip[-] sel[c0] mod[cs]");
}
