// The stage settings sheet's rules: control rows, enables, hidden widths, the memory estimate,
// the hit-box labels and the size change.
#include <climits>
#include <string>
#include <vector>

#include "app/cBgmManager.h"
#include "stage/StageBgmPreview.h"
#include "stage/StageSettingsRules.h"
#include "tests/support/FakeSound.h"
#include "tests/stage/StageTest.h"

namespace {

using S = cStageDoc;

// An enable decision: the id and whether it is enabled (or shown).
struct cDecision {
  uint16_t m_nId;
  int m_nOn;
};

void ExpectEnabled(const cCtrlStates& states, std::initializer_list<cDecision> decisions, const char* why) {
  for (const cDecision& d : decisions) EXPECT_EQ(states.Enabled(d.m_nId), d.m_nOn) << why << " id " << d.m_nId;
}

class StageSettingsRules : public StageTest {};

}  // namespace

TEST_F(StageSettingsRules, NumericFieldsHoldTheirRangesAndMembers) {
  struct cRow {
    uint16_t m_nId;
    uint16_t m_nSpin;
    int32_t S::*m_pMember;
    int32_t m_nMin;
    int32_t m_nMax;
  } rows[] = {
      {11214, 11215, &S::m_nLimitLeft, 0, 492},      {11216, 11217, &S::m_nLimitRight, 19, 511},
      {11218, 11219, &S::m_nLimitTop, 0, 497},       {11220, 11221, &S::m_nLimitBottom, 14, 511},
      {1256, 1257, &S::m_nAutoScrollX, -480, 480},   {1259, 1260, &S::m_nAutoScrollY, -480, 480},
      {1258, 1261, &S::m_nTimeLimit, 1, 999},        {1262, 1270, &S::m_nWarningTime, 0, 999},
      {1273, 1274, &S::m_nPlInvincible, 0, 9999},    {1275, 1276, &S::m_nPlInvincibleSame, 1, 9999},
      {1277, 1278, &S::m_nEnInvincible, 0, 9999},    {1279, 1280, &S::m_nEnInvincibleSame, 1, 9999},
  };
  ASSERT_EQ(std::size(rows), std::size(kStageBasicNumFields));
  for (const cRow& row : rows) {
    const cNumField<S>* field = FindField(kStageBasicNumFields, row.m_nId);
    ASSERT_NE(field, nullptr) << row.m_nId;
    EXPECT_EQ(field->m_nSpinId, row.m_nSpin) << row.m_nId;
    EXPECT_EQ(field->m_nMin, row.m_nMin) << row.m_nId;
    EXPECT_EQ(field->m_nMax, row.m_nMax) << row.m_nId;
    S& stage = g_StageDoc;
    for (int64_t typed : {int64_t{row.m_nMin} - 1, int64_t{row.m_nMin} + 1, int64_t{row.m_nMax} + 1}) {
      StoreClamped(stage, *field, typed);
      EXPECT_EQ(stage.*row.m_pMember, std::max<int64_t>(row.m_nMin, std::min<int64_t>(row.m_nMax, typed)))
          << row.m_nId << " typed " << typed;
    }
  }
  EXPECT_EQ(kStageBasicSizeFields[0].m_nMin, 1);
  EXPECT_EQ(kStageBasicSizeFields[0].m_nMax, 512);
  EXPECT_EQ(kStageBasicSizeFields[1].m_nSpinId, 11166);
  EXPECT_EQ(kStageBasicTextFields[0].m_nMaxBytes, 30);
  EXPECT_EQ(kStageBasicRealFields[0].m_dMin, 0.1);
  EXPECT_EQ(kStageBasicRealFields[0].m_dStep, 0.1);
  EXPECT_EQ(kStageAdvNumFields[0].m_nMin, 30);
  EXPECT_EQ(kStageAdvNumFields[0].m_nMax, 120);
  EXPECT_EQ(kBackgroundNumFields[0].m_nMin, 16);
  EXPECT_EQ(kBackgroundNumFields[0].m_nMax, 207);
  EXPECT_EQ(kBackgroundRealFields[0].m_dMax, 640.0);
  EXPECT_EQ(kBackgroundRealFields[1].m_dMin, -480.0);
}

TEST_F(StageSettingsRules, AutoVanishAndHitBoxIdsFollowTheirRules) {
  // Rule 4's bottom side: check 1453, edit 11242, up-down 11187.
  EXPECT_EQ(VanishCtrlId(kVanishCheckFields[3].m_nId, 4), 1453);
  EXPECT_EQ(VanishCtrlId(kVanishMarginFields[3].m_nId, 4), 11242);
  EXPECT_EQ(VanishCtrlId(kVanishMarginFields[3].m_nSpinId, 4), 11187);
  EXPECT_EQ(kVanishMarginFields[0].m_nMax, 99);
  // Label ids in binding order: rows 1, 2, 3, 4, 6, 5, 7, ...
  const uint16_t labels[] = {12862, 12863, 12860, 12861, 1287, 1290, 1326, 1327,
                             1291,  1308,  1292,  1293,  1300, 1301, 1302, 1303};
  const int rowOf[] = {0, 1, 2, 3, 5, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
  for (int i = 0; i < kHitBoxRowCount; ++i) EXPECT_EQ(kHitBoxRows[rowOf[i]].m_nLabelId, labels[i]) << i;
  for (int row = 0; row < kHitBoxRowCount; ++row) {
    EXPECT_EQ(kHitBoxRows[row].m_Width.m_nMax, row < 12 ? 32 : 16) << row;
    EXPECT_EQ(kHitBoxRows[row].m_Height.m_nMin, 1) << row;
    EXPECT_EQ(kHitBoxRows[row].m_nPosId != 0, row < 4 || (row >= 6 && row < 10)) << row;
  }
  EXPECT_EQ(kHitBoxRows[9].m_Width.m_nSpinId, 1309) << "row 10's up-down skips 1308, its label";
}

TEST_F(StageSettingsRules, HitBoxLabelsEndWithTheirDefaults) {
  struct cCase {
    int m_nRow;
    const char* m_pSuffix;
  } cases[] = {{0, " (16,24,下)"}, {1, " (16,16,中)"}, {4, " (12,8)"}, {8, " (12,24,下)"}, {10, " (30,30)"}, {15, " (16,16)"}};
  for (const cCase& c : cases) EXPECT_EQ(std::string(HitBoxLabelSuffix(kHitBoxRows[c.m_nRow]).GetStr()), c.m_pSuffix);
  // The defaults the labels show are the stage's own defaults.
  g_StageDoc.SetDefaults();
  for (const cHitBoxRow& row : kHitBoxRows) {
    EXPECT_EQ(g_StageDoc.*std::get<int32_t S::*>(row.m_Width.m_Member), row.m_nDefWidth) << row.m_nLabelId;
    EXPECT_EQ(g_StageDoc.*std::get<int32_t S::*>(row.m_Height.m_Member), row.m_nDefHeight) << row.m_nLabelId;
    if (row.m_pPos) {
      EXPECT_EQ(g_StageDoc.*row.m_pPos, row.m_nDefPos) << row.m_nLabelId;
    }
  }
}

TEST_F(StageSettingsRules, BasicPageEnables) {
  cCtrlStates none;
  BasicPageStates(cBasicPageChecks(), none);
  ExpectEnabled(none, {{11214, 0}, {11216, 0}, {11218, 0}, {11220, 0}, {1258, 0}, {1262, 0}, {1316, 1}, {1320, 1}},
                "nothing checked");
  for (int side = 0; side < 4; ++side) EXPECT_EQ(none.Shown(static_cast<uint16_t>(1429 + side)), 0);

  cBasicPageChecks checks;
  checks.m_abLimit[1] = 1;
  checks.m_abLimit[3] = 1;
  checks.m_bTimeLimit = 1;
  checks.m_bNoClearWait = 1;
  cCtrlStates some;
  BasicPageStates(checks, some);
  ExpectEnabled(some, {{11214, 0}, {11216, 1}, {11218, 0}, {11220, 1}, {1258, 1}, {1262, 1}},
                "right and bottom limits, time limit");
  for (uint16_t id = 1316; id <= 1320; ++id) EXPECT_EQ(some.Enabled(id), 0) << id;
  EXPECT_EQ(some.Shown(1429), 0);
  EXPECT_EQ(some.Shown(1430), 1);
  EXPECT_EQ(some.Shown(1432), 1);
}

TEST_F(StageSettingsRules, AdvancedPagesAndBackgroundEnables) {
  int32_t checks[20] = {};
  checks[3] = 1;
  checks[19] = 1;
  cCtrlStates advanced;
  AdvancedPageStates(checks, advanced);
  for (int k = 0; k < 20; ++k) EXPECT_EQ(advanced.Enabled(static_cast<uint16_t>(11223 + k)), k == 3 || k == 19) << k;

  const int32_t shows[4] = {0, 1, 2, 0};
  cCtrlStates colours;
  Advanced2PageStates(shows, colours);
  ExpectEnabled(colours, {{1319, 0}, {1269, 1}, {1275, 1}, {1279, 0}}, "display rows 0, 1, 2, 0");

  cCtrlStates colour, picture;
  BackgroundStates(1, colour);
  BackgroundStates(0, picture);
  for (uint16_t id : {1253, 1254, 1256, 1259, 1258, 1261}) {
    EXPECT_EQ(colour.Enabled(id), 0) << id;
    EXPECT_EQ(picture.Enabled(id), 1) << id;
  }
  EXPECT_EQ(colour.Enabled(1251), 1);
  EXPECT_EQ(picture.Enabled(1251), 0);
}

TEST_F(StageSettingsRules, HiddenWidthsFromTheTypedValues) {
  struct cCase {
    int32_t w, h, l, r, t, b;
    int32_t hidden[4];
  } cases[] = {
      {100, 50, 95, 99, 0, 49, {80, 0, 0, 0}},    // the left limit is lowered to w - 20
      {100, 50, 10, 89, 5, 40, {10, 10, 5, 9}},
      {20, 15, 0, 19, 0, 14, {0, 0, 0, 0}},
      {20, 15, 492, 511, 497, 511, {0, 0, 0, 0}},  // every limit held to the map
      {512, 512, 492, 19, 497, 14, {492, 492, 497, 497}},
  };
  for (const cCase& c : cases) {
    cHiddenWidths hidden = HiddenWidths(c.w, c.h, c.l, c.r, c.t, c.b);
    for (int side = 0; side < 4; ++side) EXPECT_EQ(hidden.m_anWidth[side], c.hidden[side]) << c.w << " side " << side;
  }
  EXPECT_EQ(std::string(HiddenWidthText(80).GetStr()), "隠れる幅 80(bl)");
}

TEST_F(StageSettingsRules, MemoryEstimateInSixtyFourBits) {
  const uint64_t kStep20x15 = 15ull * 32 * kSnapshotBytesPerCell;  // the pitch of 20 is 32
  struct cCase {
    int32_t newW, newH, w, h;
    uint64_t free;
    uint64_t step, need, limit;
    int32_t depth;
  } cases[] = {
      {20, 15, 20, 15, 0, kStep20x15, 2 * kStep20x15, kStep20x15, 0},  // need above limit: no step
      {20, 15, 20, 15, 11 * kStep20x15, kStep20x15, 2 * kStep20x15, 12 * kStep20x15, 10},
      {33, 15, 20, 15, 3 * kStep20x15, 2 * kStep20x15, 4 * kStep20x15, 4 * kStep20x15, 0},
      // 6 GB free: the limit and the depth no longer fit 32 bits.
      {512, 512, 20, 15, 6ull << 30, 512ull * 512 * kSnapshotBytesPerCell, 1024ull * 512 * kSnapshotBytesPerCell,
       kStep20x15 + (6ull << 30), static_cast<int32_t>((kStep20x15 + (6ull << 30) - 1024ull * 512 * kSnapshotBytesPerCell) /
                                                       (512ull * 512 * kSnapshotBytesPerCell))},
      {512, 512, 20, 15, 1ull << 40, 512ull * 512 * kSnapshotBytesPerCell, 1024ull * 512 * kSnapshotBytesPerCell,
       kStep20x15 + (1ull << 40), 1802},
  };
  for (const cCase& c : cases) {
    cMemoryEstimate estimate = EstimateSizeMemory(c.newW, c.newH, c.w, c.h, c.free);
    EXPECT_EQ(estimate.m_nStep, c.step) << c.newW;
    EXPECT_EQ(estimate.m_nNeed, c.need) << c.newW;
    EXPECT_EQ(estimate.m_nLimit, c.limit) << c.newW;
    EXPECT_EQ(estimate.m_nDepth, c.depth) << c.newW << " free " << c.free;
  }

  cMemoryEstimate small = EstimateSizeMemory(20, 15, 20, 15, 11 * kStep20x15);
  EXPECT_EQ(std::string(MemoryEstimateText(small).GetStr()), "     2179 KB\r\n    13078 KB\r\n");
  EXPECT_EQ(std::string(UndoWarningText(small, 10).GetStr()), "");
  EXPECT_EQ(std::string(UndoWarningText(small, 11).GetStr()), "※元に戻せる回数 11 → 10");
  cMemoryEstimate none = EstimateSizeMemory(20, 15, 20, 15, 0);
  EXPECT_EQ(std::string(UndoWarningText(none, 1).GetStr()), "※元に戻せる回数 1 → 0");
  cMemoryEstimate huge = EstimateSizeMemory(20, 15, 20, 15, 1ull << 62);
  EXPECT_EQ(std::string(MemoryEstimateText(huge).GetStr()), "     2179 KB\r\n4294967295 KB\r\n")
      << "a limit beyond what the format shows is shown at its largest";
  EXPECT_EQ(huge.m_nDepth, INT32_MAX);
}

namespace {
// Records the status popup a size change shows.
class cBusyRecorder : public cSizeChangeView {
public:
  void ShowBusy(const char* text, const char* caption) override { m_vShown.push_back(std::string(text) + "|" + caption); }
  void CloseBusy() override { ++m_nClosed; }
  std::vector<std::string> m_vShown;
  int m_nClosed = 0;
};

int Graphic(const cStageDoc& stage, int x, int y) { return stage.m_vBlockLayer.Get(stage.CellIndex(x, y)).m_nGraphic; }
}  // namespace

TEST_F(StageSettingsRules, SizeChangeRaisesToTheSmallestStageAndKeepsTheAnchoredSide) {
  cStageDoc& stage = g_StageDoc;
  stage.SetSize(30, 20, 0, 0);
  stage.m_vBlockLayer.At(stage.CellIndex(29, 19)).m_nGraphic = 7;
  g_StageEditState.AllocateUndo(5, stage.m_nPitch, stage.m_nHeight);
  g_StageEditState.PushUndo(kLayerFlagBlock, stage);

  cBusyRecorder view;
  cStageNewSize size{30, 20};
  EXPECT_EQ(ApplyStageSize(stage, g_StageEditState, size, 0, 0, view), kSizeKept);
  EXPECT_EQ(g_StageEditState.UndoCount(), 1) << "an unchanged size keeps the history";
  EXPECT_TRUE(view.m_vShown.empty());

  size = {10, 5};
  EXPECT_EQ(ApplyStageSize(stage, g_StageEditState, size, 1, 1, view), kSizeChanged);
  EXPECT_EQ(size.m_nNewWidth, 20);
  EXPECT_EQ(size.m_nNewHeight, 15);
  EXPECT_EQ(stage.m_nWidth, 20);
  EXPECT_EQ(stage.m_nHeight, 15);
  EXPECT_EQ(Graphic(stage, 19, 14), 7) << "anchored left and top: the right and bottom part stays";
  EXPECT_EQ(g_StageEditState.UndoCount(), 0);
  EXPECT_EQ(g_StageEditState.UndoLevels(), 0) << "snapshots of the old size are released";
  ASSERT_EQ(view.m_vShown.size(), 1u);
  EXPECT_EQ(view.m_vShown[0], "サイズを変更しています...|ステージサイズの変更");
  EXPECT_EQ(view.m_nClosed, 1);
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());
}

TEST_F(StageSettingsRules, GrowingWithoutMemoryIsRefusedAndShrinkingIsNot) {
  cStageDoc& stage = g_StageDoc;
  stage.SetSize(40, 30, 0, 0);
  g_StageEditState.AllocateUndo(3, stage.m_nPitch, stage.m_nHeight);
  g_StageEditState.PushUndo(kLayerFlagBlock, stage);
  m_Shell.m_nFreeMemory = 2 * cStageEditState::EstimateSnapshotBytes(41, 30) - 1;

  cBusyRecorder view;
  cStageNewSize grow{41, 30};
  EXPECT_EQ(ApplyStageSize(stage, g_StageEditState, grow, 0, 0, view), kSizeRefused);
  EXPECT_EQ(stage.m_nWidth, 40);
  ASSERT_EQ(m_Shell.m_vBoxes.size(), 1u);
  EXPECT_EQ(m_Shell.m_vBoxes[0].m_strText, "メモリ不足により、サイズの変更に失敗しました！");
  EXPECT_EQ(m_Shell.m_vBoxes[0].m_strCaption, "エラー");
  EXPECT_EQ(g_StageEditState.UndoLevels(), 0) << "the history was given up to make room, in vain";

  m_Shell.m_nFreeMemory = 0;
  cStageNewSize shrink{30, 30};
  EXPECT_EQ(ApplyStageSize(stage, g_StageEditState, shrink, 0, 0, view), kSizeChanged);
  EXPECT_EQ(stage.m_nWidth, 30);
  EXPECT_EQ(m_Shell.m_vBoxes.size(), 1u);
  EXPECT_EQ(m_Shell.m_nDestroys, 0);
}

TEST_F(StageSettingsRules, MemoryTheHistoryHoldsCountsAsFreeForGrowing) {
  // 40 and 41 columns share the pitch of 64: the history holds half of what 41 x 30 needs.
  const uint64_t held = cStageEditState::EstimateSnapshotBytes(40, 30);
  const uint64_t need = 2 * cStageEditState::EstimateSnapshotBytes(41, 30);
  ASSERT_EQ(need, 2 * held);
  const struct {
    const char* m_pName;
    uint64_t m_nFree;
    int m_nResult;
    int m_nWidth;
    int32_t m_nDepth;  // the steps the estimate finds room for
  } rows[] = {
      {"fits with what the history holds", need - held, kSizeChanged, 41, 1},
      {"fits without the history", need, kSizeChanged, 41, 2},
      {"a byte short with the history", need - held - 1, kSizeRefused, 40, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.m_pName);
    cStageDoc& stage = g_StageDoc;
    m_Shell.m_nFreeMemory = 1ull << 30;
    m_Shell.m_vBoxes.clear();
    MakeHistoryHoldAPicture(stage, g_StageEditState, 40, 30);
    ASSERT_EQ(g_StageEditState.UndoLevels(), 1);
    // The machine reports the memory the history holds as used until the history is released.
    m_Shell.m_nFreeMemory = row.m_nFree;
    EXPECT_EQ(SizeChangeMemory(stage, g_StageEditState), row.m_nFree + held);
    // The sheet's estimate of the same moment: beside one snapshot of the current size it counts
    // the memory the change measures, so a step fits exactly when the change is accepted.
    cMemoryEstimate estimate = EstimateSizeMemory(41, 30, 40, 30, SizeChangeMemory(stage, g_StageEditState));
    EXPECT_EQ(estimate.m_nLimit, held + row.m_nFree + held);
    EXPECT_EQ(estimate.m_nDepth, row.m_nDepth);
    cBusyRecorder view;
    cStageNewSize grow{41, 30};
    EXPECT_EQ(ApplyStageSize(stage, g_StageEditState, grow, 0, 0, view), row.m_nResult);
    EXPECT_EQ(stage.m_nWidth, row.m_nWidth);
    EXPECT_EQ(m_Shell.m_vBoxes.size(), row.m_nResult == kSizeRefused ? 1u : 0u);
    EXPECT_EQ(g_StageEditState.UndoLevels(), 0);
  }
}

TEST_F(StageSettingsRules, BgmLabelsNumberTheTable) {
  g_DatabaseSet.m_vBgm[1].m_strName = "草原";
  g_DatabaseSet.m_vBgm[2].m_strName = "洞窟";
  std::vector<cString> labels;
  MakeBgmLabels(labels);
  ASSERT_EQ(labels.size(), 3u);
  EXPECT_EQ(std::string(labels[0].GetStr()), "なし");
  EXPECT_EQ(std::string(labels[1].GetStr()), "001 草原");
  EXPECT_EQ(std::string(labels[2].GetStr()), "002 洞窟");
}

TEST_F(StageSettingsRules, BgmPreviewPlaysTheRowsRecordOrSaysItFailed) {
  cFakeSound sound;
  sound.m_Playable = {"bgm\\field.ogg"};
  ASSERT_EQ(InitDefaultBgm(g_BgmManager), 1);
  g_DatabaseSet.m_vBgm[1].m_strPath = "bgm\\field.ogg";
  g_DatabaseSet.m_vBgm[2].m_strPath = "bgm\\broken.ogg";
  sound.Take();
  EXPECT_EQ(PreviewStageBgm(0), 1);
  EXPECT_EQ(PreviewStageBgm(3), 1);
  EXPECT_EQ(PreviewStageBgm(-1), 1);
  EXPECT_TRUE(sound.Take().empty()) << "none and rows past the table play nothing";
  EXPECT_EQ(PreviewStageBgm(1), 1);
  EXPECT_EQ(g_BgmManager.ChannelState(0), kBgmPlayingOgg);
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());
  EXPECT_EQ(PreviewStageBgm(2), 0);
  ASSERT_EQ(m_Shell.m_vBoxes.size(), 1u);
  EXPECT_EQ(m_Shell.m_vBoxes[0].m_strText, "読み込み失敗！");
  g_BgmManager.Shutdown();
}

TEST_F(StageSettingsRules, ASizeTheStageCannotTakeEndsTheProgramAfterABox) {
  cBusyRecorder view;
  cStageNewSize size{600, 20};
  EXPECT_EQ(ApplyStageSize(g_StageDoc, g_StageEditState, size, 0, 0, view), kSizeFailed);
  EXPECT_EQ(g_StageDoc.m_nWidth, 20);
  ASSERT_EQ(m_Shell.m_vBoxes.size(), 1u);
  EXPECT_EQ(m_Shell.m_vBoxes[0].m_strText, "サイズの変更に失敗しました！");
  EXPECT_EQ(m_Shell.m_nDestroys, 1);
  EXPECT_EQ(view.m_nClosed, 1) << "the status popup is closed before the box";
}
