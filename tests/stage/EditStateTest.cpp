// The edit state: layers, tools and brushes, and undo and redo of the stage's layers.
#include <functional>
#include <map>
#include <string>

#include "tests/stage/StageTest.h"

namespace {

// Paints one cell of the layers that the flags name with a graphic number.
void Paint(cStageDoc& stage, int flags, int x, int graphic) {
  int16_t g = static_cast<int16_t>(graphic);
  if (flags & kLayerFlagBlock) stage.m_vBlockLayer.At(x).m_nGraphic = g;
  if (flags & kLayerFlagChara) stage.m_vCharaLayer.At(x).m_nGraphic = g;
  if (flags & kLayerFlagItem) stage.m_vItemLayer.At(x).m_nGraphic = g;
}

// The first row of a layer as text: a digit per graphic number, '.' for an empty cell.
template <class T>
std::string Row(const cStageLayer<T>& layer) {
  std::string row;
  for (int x = 0; x < 8; ++x) {
    int graphic = layer.Get(x).m_nGraphic;
    row += graphic ? static_cast<char>('0' + graphic) : '.';
  }
  return row;
}

// Runs actions on the stage: "e<flags><x><graphic>" pushes the flagged layers and paints them,
// "p<flags>" only pushes, "u" undoes, "r" redoes.
void RunActions(const std::string& actions) {
  for (size_t i = 0; i < actions.size(); ++i) {
    char action = actions[i];
    if (action == 'e') {
      int flags = actions[i + 1] - '0', x = actions[i + 2] - '0', graphic = actions[i + 3] - '0';
      g_StageEditState.PushUndo(flags, g_StageDoc);
      Paint(g_StageDoc, flags, x, graphic);
      i += 3;
    } else if (action == 'p') {
      g_StageEditState.PushUndo(actions[++i] - '0', g_StageDoc);
    } else if (action == 'u') {
      g_StageEditState.Undo(g_StageDoc);
    } else if (action == 'r') {
      g_StageEditState.Redo(g_StageDoc);
    } else if (action == 'B') {
      // A change made without a snapshot (such as the palette moving a block).
      Paint(g_StageDoc, kLayerFlagBlock, actions[i + 1] - '0', actions[i + 2] - '0');
      i += 2;
    }
  }
}

class RecordingView : public cStageEditView {
public:
  void ShowLayer(int layer) override { m_strCalls += "L" + std::to_string(layer); }
  void SyncToolButtons(int tool) override { m_strCalls += "T" + std::to_string(tool); }
  void PushUndo(int flags) override { m_strCalls += "U" + std::to_string(flags); }
  std::string m_strCalls;
};

}  // namespace

using EditState = StageTest;

TEST_F(EditState, UndoAndRedo) {
  struct Case {
    const char* m_pName;
    int m_nDepth;
    const char* m_pActions;
    const char* m_pBlocks;
    const char* m_pCharas;
    int m_nUndo, m_nRedo;
  } cases[] = {
      {"depth 1: the second undo does nothing", 1, "e101e112uu", "1.......", "........", 0, 1},
      {"depth 3: all the way back", 3, "e101e112e123uuu", "........", "........", 0, 3},
      {"and forward again", 3, "e101e112e123uuurr", "12......", "........", 2, 1},
      {"an edit after undo empties redo", 3, "e101e112ue133r", "1..3....", "........", 2, 0},
      {"only the characters", 3, "e101e205u", "1.......", "........", 1, 1},
      {"redo brings back the characters only", 3, "e101e255uB77r", "1......7", ".....5..", 2, 0},
      {"the deepest steps fall off", 2, "e101e112e123uuu", "1.......", "........", 0, 2},
      {"all three layers", 3, "e701e712u", "1.......", "1.......", 1, 1},
      {"a plain push without an edit", 3, "p1uu", "........", "........", 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m_pName);
    g_StageDoc.SetDefaults();
    g_StageEditState.AllocateUndo(c.m_nDepth, g_StageDoc.m_nPitch, g_StageDoc.m_nHeight);
    RunActions(c.m_pActions);
    EXPECT_EQ(Row(g_StageDoc.m_vBlockLayer), c.m_pBlocks);
    EXPECT_EQ(Row(g_StageDoc.m_vCharaLayer), c.m_pCharas);
    EXPECT_EQ(Row(g_StageDoc.m_vItemLayer), c.m_pCharas == std::string("1.......") ? "1......." : "........");
    EXPECT_EQ(g_StageEditState.UndoCount(), c.m_nUndo);
    EXPECT_EQ(g_StageEditState.RedoCount(), c.m_nRedo);
  }
}

TEST_F(EditState, NoSnapshotsWithoutLevels) {
  struct Case {
    const char* m_pName;
    std::function<void()> m_Setup;
  } cases[] = {
      {"released", [] { g_StageEditState.ReleaseUndo(); }},
      {"depth 0", [] { g_StageEditState.AllocateUndo(0, 32, 15); }},
      {"test play", [] { g_bTestPlayRunning = 1; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m_pName);
    g_StageDoc.SetDefaults();
    g_StageEditState.AllocateUndo(3, g_StageDoc.m_nPitch, g_StageDoc.m_nHeight);
    c.m_Setup();
    RunActions("e101u");
    EXPECT_EQ(Row(g_StageDoc.m_vBlockLayer), "1.......");
    EXPECT_EQ(g_StageEditState.UndoCount(), 0);
    g_bTestPlayRunning = 0;
  }
}

TEST_F(EditState, DepthFromFreeMemory) {
  EXPECT_EQ(cStageEditState::EstimateSnapshotBytes(32, 15), 15u * 32 * 2325);
  EXPECT_EQ(cStageEditState::EstimateSnapshotBytes(20, 15), 15u * 32 * 2325);
  EXPECT_EQ(cStageEditState::EstimateSnapshotBytes(1, 1), 2325u);
  const uint64_t small = 15u * 32 * 2325;
  const uint64_t full = 512ull * 512 * 2325;  // beyond 32 bits once multiplied by a depth
  struct Case {
    int m_nDepth, m_nPitch, m_nHeight;
    uint64_t m_nFree;
    int m_nLevels;
  } cases[] = {
      {5, 32, 15, 1ull << 30, 5},
      {3, 32, 15, small + 2 * small * 3, 3},
      {3, 32, 15, small + 2 * small * 3 - 1, 2},
      {3, 32, 15, small + 2 * small - 1, 0},
      {3, 32, 15, small - 1, 0},
      {5, 512, 512, 8ull << 30, 5},
      {5, 512, 512, 4ull << 30, 3},
      {9, 512, 512, 2ull << 30, 1},
      {2, 512, 512, full - 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.m_nDepth << " steps of " << c.m_nPitch << " x " << c.m_nHeight << " in " << c.m_nFree);
    m_Shell.m_nFreeMemory = c.m_nFree;
    g_StageEditState.AllocateUndo(c.m_nDepth, c.m_nPitch, c.m_nHeight);
    EXPECT_EQ(g_StageEditState.UndoLevels(), c.m_nLevels);
  }
  // A lowered depth is this session's only: the stage keeps the depth its author chose.
  g_StageDoc.m_nUndoDepth = 4;
  m_Shell.m_nFreeMemory = 1000;
  g_StageEditState.AllocateUndo(g_StageDoc.m_nUndoDepth, g_StageDoc.m_nPitch, g_StageDoc.m_nHeight);
  EXPECT_EQ(g_StageEditState.UndoLevels(), 0);
  EXPECT_EQ(g_StageDoc.m_nUndoDepth, 4);
  ASSERT_TRUE(g_StageDoc.SaveFile("s.stg4_771"));
  cStageDoc saved;
  ASSERT_TRUE(saved.LoadStageFile("s.stg4_771"));
  EXPECT_EQ(saved.m_nUndoDepth, 4);
}

TEST_F(EditState, SnapshotsShareWhatDidNotChange) {
  cStageDoc& stage = g_StageDoc;
  stage.SetSize(512, 512, 0, 0);
  m_Shell.m_nFreeMemory = 8ull << 30;
  for (int i = 0; i < stage.m_vBlockLayer.Count(); i += cStageLayer<cEdBlock>::kChunkCells) stage.m_vBlockLayer.At(i).m_nGraphic = 1;
  const int chunks = stage.m_vBlockLayer.StoredChunks();
  EXPECT_EQ(chunks, 512 * 512 / cStageLayer<cEdBlock>::kChunkCells);
  g_StageEditState.AllocateUndo(3, stage.m_nPitch, stage.m_nHeight);
  for (int step = 0; step < 3; ++step) {
    g_StageEditState.PushUndo(kLayerFlagAll, stage);
    stage.m_vBlockLayer.At(step * 1000 + 1).m_nGraphic = 2;
  }
  // Each edit copied the one chunk it wrote: the stage shares every other chunk with the newest
  // step, which in turn shares all but one with the step before it.
  EXPECT_EQ(stage.m_vBlockLayer.SharedChunks(), chunks - 1);
  EXPECT_EQ(stage.m_vCharaLayer.StoredChunks(), 0);
  g_StageEditState.Undo(stage);
  EXPECT_EQ(stage.m_vBlockLayer.Get(2001).m_nGraphic, 0);
  EXPECT_EQ(stage.m_vBlockLayer.Get(1001).m_nGraphic, 2);
}

TEST_F(EditState, TheHistoryHoldsTheChunksTheStageNoLongerShares) {
  constexpr uint64_t kCells = cStageLayer<cEdBlock>::kChunkCells;
  const struct {
    const char* m_pName;
    const char* m_pActions;  // RunActions; cells 0 to 7 are one chunk, 8 and 9 the next
    int m_nBlock, m_nChara, m_nItem;  // chunks the history alone holds
  } rows[] = {
      {"no step", "B11", 0, 0, 0},
      {"a step without an edit shares everything", "B11p7", 0, 0, 0},
      {"an edit of a painted chunk", "B11e122", 1, 0, 0},
      {"an edit of a chunk never painted", "e101", 0, 0, 0},
      {"two edits of one chunk", "B11e122e133", 2, 0, 0},
      {"a chunk two steps share counts once", "B11B81e102e182", 2, 0, 0},
      {"an undone edit: redo holds the chunk", "B11e122u", 1, 0, 0},
      {"undo and redo back", "B11e122ur", 1, 0, 0},
      {"the characters", "e201e212", 0, 1, 0},
      {"all three layers", "e701e712", 1, 1, 1},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.m_pName);
    g_StageDoc.SetDefaults();
    g_StageEditState.AllocateUndo(3, g_StageDoc.m_nPitch, g_StageDoc.m_nHeight);
    RunActions(row.m_pActions);
    uint64_t cellBytes = row.m_nBlock * kBlockCellBytes + row.m_nChara * kCharaCellBytes + row.m_nItem * kItemCellBytes;
    EXPECT_EQ(g_StageEditState.HistoryBytes(g_StageDoc), kCells * cellBytes);
  }
  g_StageEditState.ReleaseUndo();
  EXPECT_EQ(g_StageEditState.HistoryBytes(g_StageDoc), 0u);
}

TEST_F(EditState, RestoredCellsFollowThePalettesAsTheyAreNow) {
  cStageDoc& stage = g_StageDoc;
  stage.m_vStageItem.resize(2);
  stage.m_vStageItem[1].m_nGraphic = 4;
  stage.m_vStageItem[1].m_strName = "前";
  cEdItem coin;
  coin.m_nGraphic = 4;
  coin.m_cInheritPalette = kPaletteStage;
  coin.m_nInheritIndex = 1;
  coin.m_bbInherit[0] = 1;
  coin.m_strName = "前";
  g_StageEditState.AllocateUndo(2, stage.m_nPitch, stage.m_nHeight);
  stage.m_vItemLayer.At(3) = coin;
  g_StageEditState.PushUndo(kLayerFlagItem, stage);
  stage.m_vItemLayer.At(3) = cEdItem();
  stage.m_vStageItem[1].m_strName = "後";
  g_StageEditState.Undo(stage);
  EXPECT_EQ(stage.m_vItemLayer.Get(3).m_strName, "後");
}

TEST_F(EditState, StepsOfAnotherSizeAreDropped) {
  cStageDoc& stage = g_StageDoc;
  g_StageEditState.AllocateUndo(3, stage.m_nPitch, stage.m_nHeight);
  RunActions("e101e112");
  stage.SetSize(40, 15, 0, 0);
  g_StageEditState.Undo(stage);
  EXPECT_EQ(Row(stage.m_vBlockLayer), "12......");
  EXPECT_EQ(g_StageEditState.UndoCount(), 0);
  EXPECT_EQ(g_StageEditState.RedoCount(), 0);
}

TEST_F(EditState, LayersToolsAndBrushes) {
  cStageEditState& state = g_StageEditState;
  RecordingView view;
  state.m_pView = &view;
  int modes[] = {0, 1, 2, 3, 3};
  for (int tool = 0; tool < 5; ++tool) {
    state.SetTool(tool);
    EXPECT_EQ(state.m_nMode, modes[tool]);
  }
  state.m_nMode = 5;
  state.SetTool(7);
  EXPECT_EQ(state.m_nMode, 5);
  state.SetTool(1);

  // Each layer keeps its brush size and selected entry.
  state.m_nBrushWidth = 3;
  state.m_nBrushHeight = 2;
  state.m_nSelIndex = 4;
  state.m_bClipValid = 1;
  state.m_spClipBlock.reset(new cEdBlock);
  state.SetLayer(2);
  EXPECT_EQ(state.m_nBrushWidth, 1);
  EXPECT_EQ(state.m_nSelIndex, 0);
  EXPECT_EQ(state.m_bClipValid, 0);
  EXPECT_FALSE(state.m_spClipBlock);
  state.SetLayer(0);
  EXPECT_EQ(state.m_nBrushWidth, 3);
  EXPECT_EQ(state.m_nBrushHeight, 2);
  EXPECT_EQ(state.m_nSelIndex, 4);
  EXPECT_EQ(view.m_strCalls, "L2T1L0T1");

  state.SwitchLayerKeepPrevious(1);
  EXPECT_EQ(state.m_nLayer, 1);
  EXPECT_EQ(state.m_nPrevLayer, 0);
  state.CycleLayer();
  EXPECT_EQ(state.m_nLayer, 2);
  EXPECT_EQ(state.m_nPrevLayer, 2);
  state.CycleLayer();
  EXPECT_EQ(state.m_nLayer, 0);

  state.m_strStagePath = "data\\stg4\\a.stg4_771";
  state.m_nSelAnchorX = 5;
  state.m_vBrushChara.resize(6);
  state.Reset();
  EXPECT_EQ(state.m_strStagePath, "");
  EXPECT_EQ(state.m_nSelAnchorX, -1);
  EXPECT_EQ(state.m_nBrushWidth, 1);
  EXPECT_EQ(state.m_vBrushChara.Count(), 1);
  EXPECT_EQ(state.m_aLayerBrush[0].m_nBrushWidth, 3);  // kept by Reset
  state.m_pView = nullptr;
}
