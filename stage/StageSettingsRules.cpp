#include "stage/StageSettingsRules.h"

#include <algorithm>
#include <climits>

#include "app/MessageBox.h"
#include "app/cShellSeam.h"
#include "database/cDatabaseSet.h"
#include "stage/cStageEditState.h"
#include "ui/ComboItems.h"

namespace {
using S = cStageDoc;
using V = cAutoVanishData;
using B = cBackgroundData;

constexpr uint16_t kLimitEdits[4] = {kIdcBasicLimitLeft, kIdcBasicLimitRight, kIdcBasicLimitTop,
                                     kIdcBasicLimitBottom};

// Display values in kilobytes stay within the format's unsigned 32 bits.
unsigned Kilobytes(uint64_t bytes) { return static_cast<unsigned>(std::min<uint64_t>(bytes >> 10, UINT_MAX)); }
}  // namespace

const cTextField<S> kStageBasicTextFields[1] = {{kIdcBasicName, &S::m_strName, kStageNameBytes, kNoGroup}};

const cNumField<cStageNewSize> kStageBasicSizeFields[2] = {
    {kIdcBasicWidth, kIdcBasicWidthSpin, &cStageNewSize::m_nNewWidth, kNewSizeMin, kNewSizeMax, kNoGroup},
    {kIdcBasicHeight, kIdcBasicHeightSpin, &cStageNewSize::m_nNewHeight, kNewSizeMin, kNewSizeMax, kNoGroup},
};

const cNumField<S> kStageBasicNumFields[12] = {
    {kIdcBasicLimitLeft, 11215, &S::m_nLimitLeft, 0, 492, kNoGroup},
    {kIdcBasicLimitRight, 11217, &S::m_nLimitRight, 19, 511, kNoGroup},
    {kIdcBasicLimitTop, 11219, &S::m_nLimitTop, 0, 497, kNoGroup},
    {kIdcBasicLimitBottom, 11221, &S::m_nLimitBottom, 14, 511, kNoGroup},
    {kIdcBasicAutoScrollX, 1257, &S::m_nAutoScrollX, -480, 480, kNoGroup},
    {kIdcBasicAutoScrollY, 1260, &S::m_nAutoScrollY, -480, 480, kNoGroup},
    {kIdcBasicTimeLimit, 1261, &S::m_nTimeLimit, 1, 999, kNoGroup},
    {kIdcBasicWarningTime, 1270, &S::m_nWarningTime, 0, 999, kNoGroup},
    {1273, 1274, &S::m_nPlInvincible, 0, 9999, kNoGroup},
    {1275, 1276, &S::m_nPlInvincibleSame, 1, 9999, kNoGroup},
    {1277, 1278, &S::m_nEnInvincible, 0, 9999, kNoGroup},
    {1279, 1280, &S::m_nEnInvincibleSame, 1, 9999, kNoGroup},
};

const cRealField<S> kStageBasicRealFields[1] = {{kIdcBasicGravity, kIdcBasicGravitySpin, &S::m_dGravity, 0.1, 1.0, 0.1}};

const cComboField<cEditConfig> kStageBasicAnchorFields[2] = {
    {kIdcBasicAnchorX, &cEditConfig::m_nResizeDirX, ExpandXNames, 0, kNoGroup},
    {kIdcBasicAnchorY, &cEditConfig::m_nResizeDirY, ExpandYNames, 0, kNoGroup},
};

const cComboField<S> kStageBasicComboFields[2] = {
    {kIdcBasicScrollKindX, &S::m_nScrollKindX, ScrollKindNames, 0, kNoGroup},
    {kIdcBasicScrollKindY, &S::m_nScrollKindY, ScrollKindNames, 0, kNoGroup},
};

const cCheckField<S, int32_t> kStageBasicCheckFields[15] = {
    {kIdcBasicLimitLeftOn, &S::m_bLimitLeft, kNoGroup},   {kIdcBasicLimitRightOn, &S::m_bLimitRight, kNoGroup},
    {kIdcBasicLimitTopOn, &S::m_bLimitTop, kNoGroup},     {kIdcBasicLimitBottomOn, &S::m_bLimitBottom, kNoGroup},
    {kIdcBasicTimeLimitOn, &S::m_bTimeLimit, kNoGroup},   {kIdcBasicStatusWindow, &S::m_bStatusWindow, kNoGroup},
    {kIdcBasicBgmLoop, &S::m_bBgmLoop, kNoGroup},         {kIdcBasicBgmKeep, &S::m_bBgmKeep, kNoGroup},
    {kIdcBasicNoClearWait, &S::m_bNoClearWait, kNoGroup}, {1271, &S::m_bStockLoad, kNoGroup},
    {1272, &S::m_bStockStore, kNoGroup},                  {1281, &S::m_bShowStageX, kNoGroup},
    {1288, &S::m_bShowReady, kNoGroup},                   {1282, &S::m_bShowClear, kNoGroup},
    {1283, &S::m_bShowGameOver, kNoGroup},
};

const cNumField<S> kStageAdvNumFields[1] = {
    {kIdcAdvFrameRate, kIdcAdvFrameRateSpin, &S::m_nFrameRate, 30, 120, kNoGroup}};

const cComboField<S> kStageAdvComboFields[2] = {
    {kIdcAdvHitLevel, &S::m_nHitLevel, HitLevelNames, 1, kNoGroup},
    {kIdcAdvShotPrecision, &S::m_nShotHitPrecision, ShotPrecisionNames, 0, kNoGroup},
};

const cCheckField<S, int32_t> kStageAdvCheckFields[2] = {
    {kIdcAdvZEnabled, &S::m_bZEnabled, kNoGroup},
    {kIdcAdvNoDamageOffScreen, &S::m_bNoDamageOffScreen, kNoGroup},
};

const cCheckField<V, int32_t> kVanishCheckFields[4] = {
    {kIdcAdvVanishOn, &V::m_bLeft, kNoGroup},
    {kIdcAdvVanishOn + 1, &V::m_bRight, kNoGroup},
    {kIdcAdvVanishOn + 2, &V::m_bTop, kNoGroup},
    {kIdcAdvVanishOn + 3, &V::m_bBottom, kNoGroup},
};

const cNumField<V> kVanishMarginFields[4] = {
    {kIdcAdvVanishMargin, kIdcAdvVanishSpin, &V::m_nLeft, 0, 99, kNoGroup},
    {kIdcAdvVanishMargin + 1, kIdcAdvVanishSpin + 1, &V::m_nRight, 0, 99, kNoGroup},
    {kIdcAdvVanishMargin + 2, kIdcAdvVanishSpin + 2, &V::m_nTop, 0, 99, kNoGroup},
    {kIdcAdvVanishMargin + 3, kIdcAdvVanishSpin + 3, &V::m_nBottom, 0, 99, kNoGroup},
};

uint16_t VanishCtrlId(uint16_t ruleZeroId, int rule) { return static_cast<uint16_t>(ruleZeroId + 4 * rule); }

const cHitBoxRow kHitBoxRows[kHitBoxRowCount] = {
    {12862, {1312, 1313, &S::m_nHitPlWalkBlockW, 1, 32, kNoGroup}, {11232, 11177, &S::m_nHitPlWalkBlockH, 1, 32, kNoGroup},
     1314, &S::m_nHitPlWalkBlockPos, 16, 24, 1},
    {12863, {1315, 1316, &S::m_nHitPlFlyBlockW, 1, 32, kNoGroup}, {11237, 11182, &S::m_nHitPlFlyBlockH, 1, 32, kNoGroup},
     1317, &S::m_nHitPlFlyBlockPos, 16, 16, 0},
    {12860, {1270, 1271, &S::m_nHitPlWalkCharaW, 1, 32, kNoGroup}, {11224, 11169, &S::m_nHitPlWalkCharaH, 1, 32, kNoGroup},
     1286, &S::m_nHitPlWalkCharaPos, 16, 24, 1},
    {12861, {1304, 1305, &S::m_nHitPlFlyCharaW, 1, 32, kNoGroup}, {11230, 11175, &S::m_nHitPlFlyCharaH, 1, 32, kNoGroup},
     1306, &S::m_nHitPlFlyCharaPos, 16, 16, 0},
    {1290, {1276, 1277, &S::m_nHitPlShotW, 1, 32, kNoGroup}, {11226, 11171, &S::m_nHitPlShotH, 1, 32, kNoGroup},
     0, nullptr, 12, 8, -1},
    {1287, {1272, 1273, &S::m_nHitPlItemW, 1, 32, kNoGroup}, {11225, 11170, &S::m_nHitPlItemH, 1, 32, kNoGroup},
     0, nullptr, 16, 16, -1},
    {1326, {1320, 1321, &S::m_nHitEnWalkBlockW, 1, 32, kNoGroup}, {11238, 11183, &S::m_nHitEnWalkBlockH, 1, 32, kNoGroup},
     1322, &S::m_nHitEnWalkBlockPos, 16, 24, 1},
    {1327, {1323, 1324, &S::m_nHitEnFlyBlockW, 1, 32, kNoGroup}, {11239, 11184, &S::m_nHitEnFlyBlockH, 1, 32, kNoGroup},
     1325, &S::m_nHitEnFlyBlockPos, 16, 16, 0},
    {1291, {1280, 1281, &S::m_nHitEnWalkCharaW, 1, 32, kNoGroup}, {11227, 11172, &S::m_nHitEnWalkCharaH, 1, 32, kNoGroup},
     1310, &S::m_nHitEnWalkCharaPos, 12, 24, 1},
    {1308, {1307, 1309, &S::m_nHitEnFlyCharaW, 1, 32, kNoGroup}, {11231, 11176, &S::m_nHitEnFlyCharaH, 1, 32, kNoGroup},
     1311, &S::m_nHitEnFlyCharaPos, 12, 16, 0},
    {1292, {1288, 1289, &S::m_nHitEnShotW, 1, 32, kNoGroup}, {11229, 11174, &S::m_nHitEnShotH, 1, 32, kNoGroup},
     0, nullptr, 30, 30, -1},
    {1293, {1282, 1283, &S::m_nHitItemCharaW, 1, 32, kNoGroup}, {11228, 11173, &S::m_nHitItemCharaH, 1, 32, kNoGroup},
     0, nullptr, 28, 28, -1},
    {1300, {1284, 1285, &S::m_nHitPlShotCharaW, 1, 16, kNoGroup}, {11233, 11178, &S::m_nHitPlShotCharaH, 1, 16, kNoGroup},
     0, nullptr, 16, 16, -1},
    {1301, {1294, 1295, &S::m_nHitPlShotShotW, 1, 16, kNoGroup}, {11234, 11179, &S::m_nHitPlShotShotH, 1, 16, kNoGroup},
     0, nullptr, 16, 16, -1},
    {1302, {1296, 1297, &S::m_nHitEnShotCharaW, 1, 16, kNoGroup}, {11235, 11180, &S::m_nHitEnShotCharaH, 1, 16, kNoGroup},
     0, nullptr, 16, 16, -1},
    {1303, {1298, 1299, &S::m_nHitEnShotShotW, 1, 16, kNoGroup}, {11236, 11181, &S::m_nHitEnShotShotH, 1, 16, kNoGroup},
     0, nullptr, 16, 16, -1},
};

const cComboField<S> kHitBoxShowFields[4] = {
    {1318, &S::m_nHitPlBlockShow, HitBoxShowNames, 0, kNoGroup},
    {1268, &S::m_nHitPlCharaShow, HitBoxShowNames, 0, kNoGroup},
    {1274, &S::m_nHitPlItemShow, HitBoxShowNames, 0, kNoGroup},
    {1278, &S::m_nHitPlShotShow, HitBoxShowNames, 0, kNoGroup},
};

const cComboField<S> kHitBoxColorFields[4] = {
    {1319, &S::m_nHitPlBlockColor, HitBoxColorNames, 0, kNoGroup},
    {1269, &S::m_nHitPlCharaColor, HitBoxColorNames, 0, kNoGroup},
    {1275, &S::m_nHitPlItemColor, HitBoxColorNames, 0, kNoGroup},
    {1279, &S::m_nHitPlShotColor, HitBoxColorNames, 0, kNoGroup},
};

cString HitBoxLabelSuffix(const cHitBoxRow& row) {
  cString suffix;
  if (row.m_nDefPos < 0) suffix.Format(" (%d,%d)", row.m_nDefWidth, row.m_nDefHeight);
  else suffix.Format(" (%d,%d,%s)", row.m_nDefWidth, row.m_nDefHeight, HitBoxPosShortNames[row.m_nDefPos].GetStr());
  return suffix;
}

const cNumField<B> kBackgroundNumFields[1] = {{kIdcBgColor, kIdcBgColorSpin, &B::m_nColor, 16, 207, kNoGroup}};

const cRealField<B> kBackgroundRealFields[2] = {
    {kIdcBgScrollX, kIdcBgScrollXSpin, &B::m_dScrollX, -640.0, 640.0, 0.01},
    {kIdcBgScrollY, kIdcBgScrollYSpin, &B::m_dScrollY, -480.0, 480.0, 0.01},
};

const cCheckField<B, int32_t> kBackgroundCheckFields[5] = {
    {kIdcBgShowFromStart, &B::m_bShowFromStart, kNoGroup}, {kIdcBgUseColor, &B::m_bUseColor, kNoGroup},
    {kIdcBgFront, &B::m_bFront, kNoGroup},                 {kIdcBgAutoScrollX, &B::m_bAutoScrollX, kNoGroup},
    {kIdcBgAutoScrollY, &B::m_bAutoScrollY, kNoGroup},
};

const cTextField<B> kBackgroundTextFields[1] = {{kIdcBgPicture, &B::m_strPicture, kBgPictureBytes - 1, kNoGroup}};

void BasicPageStates(const cBasicPageChecks& checks, cCtrlStates& states) {
  for (int side = 0; side < 4; ++side) {
    bool on = checks.m_abLimit[side] != 0;
    states.Enable(kLimitEdits[side], on);
    states.Show(static_cast<uint16_t>(kIdcBasicHiddenLeft + side), on);
  }
  states.Enable(kIdcBasicTimeLimit, checks.m_bTimeLimit != 0);
  states.Enable(kIdcBasicWarningTime, checks.m_bTimeLimit != 0);
  for (int item = 0; item < kRankingItemCount; ++item)
    states.Enable(static_cast<uint16_t>(kIdcBasicRanking + item), checks.m_bNoClearWait == 0);
}

void AdvancedPageStates(const int32_t (&checks)[20], cCtrlStates& states) {
  for (int k = 0; k < 20; ++k) states.Enable(static_cast<uint16_t>(kIdcAdvVanishMargin + k), checks[k] != 0);
}

void Advanced2PageStates(const int32_t (&shows)[4], cCtrlStates& states) {
  for (int k = 0; k < 4; ++k) states.Enable(kHitBoxColorFields[k].m_nId, shows[k] != 0);
}

void BackgroundStates(int32_t useColor, cCtrlStates& states) {
  static const uint16_t kPictureCtrls[] = {kIdcBgPicture,   kIdcBgBrowse,      kIdcBgScrollX,
                                           kIdcBgScrollY,   kIdcBgAutoScrollX, kIdcBgAutoScrollY};
  states.Enable(kIdcBgColor, useColor != 0);
  states.EnableAll(kPictureCtrls, static_cast<int>(sizeof kPictureCtrls / sizeof *kPictureCtrls), useColor == 0);
}

cHiddenWidths HiddenWidths(int32_t width, int32_t height, int32_t left, int32_t right, int32_t top,
                           int32_t bottom) {
  left = std::min(left, width - kStageMinWidth);
  right = std::min(right, width - 1);
  top = std::min(top, height - kStageMinHeight);
  bottom = std::min(bottom, height - 1);
  cHiddenWidths hidden;
  hidden.m_anWidth[0] = left;
  hidden.m_anWidth[1] = width - right - 1;
  hidden.m_anWidth[2] = top;
  hidden.m_anWidth[3] = height - bottom - 1;
  return hidden;
}

cString HiddenWidthText(int32_t width) {
  cString text;
  text.Format("隠れる幅 %d(bl)", width);
  return text;
}

uint64_t SizeChangeMemory(const cStageDoc& stage, const cStageEditState& state) {
  return FreePhysicalMemory() + state.HistoryBytes(stage);
}

cMemoryEstimate EstimateSizeMemory(int32_t newWidth, int32_t newHeight, int32_t width, int32_t height,
                                   uint64_t memory) {
  cMemoryEstimate estimate;
  estimate.m_nStep = cStageEditState::EstimateSnapshotBytes(newWidth, newHeight);
  estimate.m_nNeed = 2 * estimate.m_nStep;
  estimate.m_nLimit = cStageEditState::EstimateSnapshotBytes(width, height) + memory;
  // A size without cells leaves no step to count; a need beyond the limit leaves no step either.
  if (estimate.m_nStep && estimate.m_nLimit >= estimate.m_nNeed)
    estimate.m_nDepth =
        static_cast<int32_t>(std::min<uint64_t>((estimate.m_nLimit - estimate.m_nNeed) / estimate.m_nStep, INT32_MAX));
  return estimate;
}

cString MemoryEstimateText(const cMemoryEstimate& estimate) {
  cString text;
  text.Format("%9u KB\r\n%9u KB\r\n", Kilobytes(estimate.m_nNeed), Kilobytes(estimate.m_nLimit));
  return text;
}

cString UndoWarningText(const cMemoryEstimate& estimate, int32_t undoDepth) {
  cString text;
  if (estimate.m_nDepth < undoDepth) text.Format("※元に戻せる回数 %d → %d", undoDepth, estimate.m_nDepth);
  return text;
}

int ApplyStageSize(cStageDoc& stage, cStageEditState& state, cStageNewSize& size, int32_t anchorX, int32_t anchorY,
                   cSizeChangeView& view) {
  size.m_nNewWidth = std::max(size.m_nNewWidth, kStageMinWidth);
  size.m_nNewHeight = std::max(size.m_nNewHeight, kStageMinHeight);
  if (size.m_nNewWidth == stage.m_nWidth && size.m_nNewHeight == stage.m_nHeight) return kSizeKept;
  uint64_t memory = SizeChangeMemory(stage, state);
  // Snapshots of the old size cannot be given back to a stage of another size; the memory they
  // held, measured with them above, is the new size's.
  state.ReleaseUndo();
  uint64_t need = 2 * cStageEditState::EstimateSnapshotBytes(size.m_nNewWidth, size.m_nNewHeight);
  bool grows = size.m_nNewWidth > stage.m_nWidth || size.m_nNewHeight > stage.m_nHeight;
  if (grows && memory < need) {
    ErrorBoxF("メモリ不足により、サイズの変更に失敗しました！");
    return kSizeRefused;
  }
  view.ShowBusy("サイズを変更しています...", "ステージサイズの変更");
  int resized = stage.SetSize(size.m_nNewWidth, size.m_nNewHeight, anchorX, anchorY);
  view.CloseBusy();
  if (resized) return kSizeChanged;
  ErrorBoxF("サイズの変更に失敗しました！");
  Shell().DestroyMainWindow();
  return kSizeFailed;
}

void MakeBgmLabels(std::vector<cString>& labels) { MakeComboLabels(labels, g_DatabaseSet.m_vBgm, "なし", 0, 3, 0); }
