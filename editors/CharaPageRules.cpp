#include "editors/CharaPageRules.h"

#include <algorithm>
#include <cstdint>

#include "app/DataPaths.h"
#include "database/cDatabaseSet.h"
#include "editors/DatabaseRows.h"
#include "model/FlowVocabulary.h"
#include "model/cCondData.h"
#include "model/cEdBlock.h"
#include "model/cPaletteLists.h"

using C = cEdChara;

// Basic page: groups 0-8.
const cNumField<C> kBasicNumFields[7] = {
    {1261, 1262, &C::m_cFaction, 0, 7, 2},
    {1263, 1264, &C::m_cCharaId, 0, 99, 3},
    {1259, 1260, &C::m_cCloneCount, 0, 32, 6},
    {1040, 1045, &C::m_nOffsetX, -640, 640, 7},
    {1046, 1047, &C::m_nCloneOffsetX, -640, 640, 7},
    {1048, 1049, &C::m_nOffsetY, -640, 640, 8},
    {1050, 1054, &C::m_nCloneOffsetY, -640, 640, 8},
};
const cComboField<C> kBasicComboFields[5] = {
    {kIdcBasicSource, &C::m_cInheritPalette, nullptr, 0, kNoGroup},  // rows by context
    {kIdcBasicSourceIndex, &C::m_nInheritIndex, nullptr, 1, kNoGroup},  // InheritIndexRows
    {kIdcBasicControl, &C::m_cControl, ControlNames, 0, 1},
    {kIdcBasicPlayerNo, &C::m_cPlayerNo, PlayerNoNames, 0, 1},
    {1255, &C::m_cAppearJudge, CondJudgeNames, 0, 4},
};
const cCheckField<C> kBasicCheckFields[4] = {
    {1051, &C::m_bAppearOnce, 4},
    {1052, &C::m_bFaceRight, 5},
    {1053, &C::m_bMirrorOffsetX, 7},
    {1055, &C::m_bMirrorOffsetY, 8},
};
const cTextField<C> kBasicTextFields[1] = {{1002, &C::m_strName, 20, 0}};
const cGroupCtrl kBasicExtraCtrls[4] = {
    {kIdcBasicAppearList, 4}, {kIdcBasicAppearInsert, 4}, {kIdcBasicAppearEdit, 4}, {kIdcBasicAppearDelete, 4}};
const uint16_t kBasicInheritButtons[9] = {1024, 1025, 1026, 1027, 1028, 1029, 1030, 1031, 1032};
const cCharaPageForm kBasicPageForm = {kBasicNumFields,   7, kBasicComboFields,   5, kBasicCheckFields,
                                       4, kBasicTextFields, 1, kBasicExtraCtrls,    4, kBasicInheritButtons,
                                       9, 0};

// Graphic page: groups 9-22.
const cNumField<C> kGraphicNumFields[5] = {
    {kIdcGraphicCell, 1037, &C::m_nGraphic, 1, 119, 9},  // limits by sheet: GraphicRanges
    {kIdcGraphicOffset, 1039, &C::m_nGraphicFrame, -19, 19, 9},
    {1256, 1257, &C::m_cZ, 0, 7, 11},
    {kIdcGraphicMark, 1047, &C::m_nMark, 0, 119, 15},
    {kIdcGraphicSightRange, 1269, &C::m_cViewRange, 0, 40, 22},
};
const cComboField<C> kGraphicComboFields[14] = {
    {kIdcGraphicSheet, &C::m_cGraphicSheet, GraphicSheetNames, 0, 9},
    {1263, &C::m_nAnimeSet, nullptr, 0, 10},  // AnimeSetRows
    {1258, &C::m_bTransparent, OnOffNames, 0, 12},
    {1270, &C::m_nStartEffect, nullptr, 0, 13},  // CharaEffectRows
    {1452, &C::m_cStartEffectRun, PlayModeNames, 0, 13},
    {1264, &C::m_nDeathEffect, nullptr, 0, 14},  // CharaEffectRows
    {1179, &C::m_cDeathEffectRun, PlayModeNames, 0, 14},
    {kIdcGraphicMarkShow, &C::m_cMarkShow, MarkShowNames, 0, 15},
    {1265, &C::m_cFlying, FlyingNames, 0, 17},
    {1261, &C::m_cInvincible, InvincibleNames, 0, 18},
    {1271, &C::m_cInvincibleEffect, g_InvincibleColourNames, 0, 18},
    {kIdcGraphicBlock, &C::m_bBlock, OnOffNames, 0, 19},
    {1266, &C::m_cGiant, GiantNames, 1, 20},
    {kIdcGraphicSight, &C::m_cViewShape, ViewShapeNames, 0, 22},
};
const cCheckField<C> kGraphicCheckFields[3] = {
    {1186, &C::m_bStartEffectLoop, 13},
    {1059, &C::m_bFixedFacing, 16},
    {1061, &C::m_bScrollSync, 21},
};
const cGroupCtrl kGraphicExtraCtrls[2] = {{kIdcGraphicCellPick, 9}, {kIdcGraphicMarkPick, 15}};
const uint16_t kGraphicInheritButtons[14] = {1024, 1025, 1026, 1027, 1028, 1029, 1030,
                                             1031, 1032, 1033, 1034, 1035, 11036, 1041};
const cCharaPageForm kGraphicPageForm = {kGraphicNumFields,   5,  kGraphicComboFields, 14, kGraphicCheckFields,
                                         3,  nullptr,             0,  kGraphicExtraCtrls,  2,  kGraphicInheritButtons,
                                         14, 9};

// Status page: groups 23-35.
const cNumField<C> kStatusNumFields[9] = {
    {1061, 1062, &C::m_nHp, 1, 999999, 23},
    {1063, 1064, &C::m_nSp, 0, 999999, 24},
    {1065, 1066, &C::m_nBodyPower, -999999, 999999, 26},
    {1067, 1068, &C::m_cBodyImpact, -20, 20, 27},
    {1081, 1082, &C::m_nDefence, 0, 999999, 29},
    {1069, 1070, &C::m_cImpactResist, 0, 20, 30},
    {1259, 1260, &C::m_nStopEase, 0, 200, 31},
    {kIdcStatusGroupNo, 1080, &C::m_nGroupNo, 0, 59, 33},
    {kIdcStatusScore, 1072, &C::m_nScore, -999999, 999999, 34},
};
const cComboField<C> kStatusComboFields[4] = {
    {1231, &C::m_cBodyHitRange, BodyHitRangeNames, 0, 25},
    {1230, &C::m_nBodyEffect, nullptr, 0, 28},  // EffectRows
    {kIdcStatusActRange, &C::m_cActRange, ActRangeNames, 0, 32},
    {kIdcStatusActJudge, &C::m_cActJudge, ActJudgeNames, 0, 32},
};
const cCheckField<C> kStatusCheckFields[2] = {{kIdcStatusHasGroup, &C::m_bHasGroup, 33}, {kIdcStatusHoldItem, &C::m_bHoldItem, 35}};
const uint16_t kStatusInheritButtons[13] = {1024, 1025, 1026, 1027, 1028, 1029, 1030, 1031, 1032, 1033, 1034, 1035, 11036};
const cCharaPageForm kStatusPageForm = {kStatusNumFields,  9,  kStatusComboFields, 4, kStatusCheckFields, 2,
                                        nullptr,           0,  nullptr,            0, kStatusInheritButtons,
                                        13,                23};

namespace {
constexpr int8_t kControlComputer = 1;
// The two sets of the basic page that only a computer-controlled character has.
const uint16_t kAppearCtrls[] = {kIdcBasicAppearList, kIdcBasicAppearInsert, kIdcBasicAppearEdit,
                                 kIdcBasicAppearDelete, 1255, 1051};
const uint16_t kCloneCtrls[] = {kIdcBasicClones};
// Those of the status page, each with its group.
struct cComputerSet {
  int m_nGroup;
  uint16_t m_aId[2];
  int m_nCount;
};
const cComputerSet kStatusComputerSets[] = {
    {32, {kIdcStatusActRange, kIdcStatusActJudge}, 2},
    {33, {kIdcStatusHasGroup, kIdcStatusGroupNo}, 2},
    {34, {kIdcStatusScore, 0}, 1},
    {35, {kIdcStatusHoldItem, 0}, 1},
};
// The template's "EX" and "お金" edits have no function.
const uint16_t kStatusUnusedCtrls[] = {1073, 1075};

bool Computer(const cEdChara& chara) { return chara.m_cControl == kControlComputer; }

}  // namespace

void CommonPageStates(const cCharaPageForm& page, const cEdChara& chara, const cCharaPageView& view,
                      cCtrlStates& states) {
  InheritPageStates(page, chara, view, states);
}

void BasicPageStates(const cEdChara& chara, const cCharaPageView& view, cCtrlStates& states) {
  CommonPageStates(kBasicPageForm, chara, view, states);
  const cCharaSheetSetup& setup = CharaSheetSetup(view.m_nContext);
  SourceComboStates(view.m_nContext, chara.m_cInheritPalette, kIdcBasicSource, kIdcBasicSourceIndex, states);
  // The player number has a single value; the template's combo stays hidden.
  states.Show(kIdcBasicPlayerNo, false);
  if (setup.m_bControlTypeLocked) {
    states.Enable(kIdcBasicControlInherit, false);
    states.Enable(kIdcBasicControl, false);
    states.Enable(kIdcBasicPlayerNo, false);
  }
  bool computer = Computer(chara);
  if (!Inherited(chara, 4)) states.EnableAll(kAppearCtrls, 6, computer);
  if (!Inherited(chara, 6)) states.EnableAll(kCloneCtrls, 1, computer);
}

cGraphicRanges GraphicRanges(int sheet, int dedicatedCount) {
  switch (sheet) {
    case 1: return {1, 119, 1, -19, 19, 1};
    // A table of one entry or none still leaves cell 1, so the range never turns upside down.
    case 4: return {1, std::max(1, dedicatedCount - 1), 1, -239, 239, 0};
    // Without an offset the disabled edit shows any stored one whole.
    default: return {1, 119, 0, INT16_MIN, INT16_MAX, 1};
  }
}

void ClampGraphicToSheet(cEdChara& chara, int dedicatedCount) {
  cGraphicRanges ranges = GraphicRanges(chara.m_cGraphicSheet, dedicatedCount);
  chara.m_nGraphic = static_cast<int16_t>(std::clamp<int32_t>(chara.m_nGraphic, ranges.m_nCellMin, ranges.m_nCellMax));
  if (ranges.m_bOffset)
    chara.m_nGraphicFrame =
        static_cast<int16_t>(std::clamp<int32_t>(chara.m_nGraphicFrame, ranges.m_nOffsetMin, ranges.m_nOffsetMax));
}

void GraphicPageStates(const cEdChara& chara, const cCharaPageView& view, int dedicatedCount, cCtrlStates& states) {
  CommonPageStates(kGraphicPageForm, chara, view, states);
  cGraphicRanges ranges = GraphicRanges(chara.m_cGraphicSheet, dedicatedCount);
  states.SetRange(kIdcGraphicCell, ranges.m_nCellMin, ranges.m_nCellMax);
  states.SetRange(kIdcGraphicOffset, ranges.m_nOffsetMin, ranges.m_nOffsetMax);
  if (!Inherited(chara, 9)) {
    states.Enable(kIdcGraphicOffset, ranges.m_bOffset != 0);
    states.Enable(kIdcGraphicCellPick, ranges.m_bPicker != 0);
  }
  if (!Inherited(chara, 15) && chara.m_cMarkShow == 0) {
    states.Enable(kIdcGraphicMark, false);
    states.Enable(kIdcGraphicMarkPick, false);
  }
  bool computer = Computer(chara);
  if (!Inherited(chara, 19)) states.Enable(kIdcGraphicBlock, computer);
  if (!Inherited(chara, 22)) {
    states.Enable(kIdcGraphicSight, !computer);
    states.Enable(kIdcGraphicSightRange, !computer && chara.m_cViewShape != 0);
  }
  states.Show(kIdcGraphicPreview2, true);
}

void StatusPageStates(const cEdChara& chara, const cCharaPageView& view, cCtrlStates& states) {
  CommonPageStates(kStatusPageForm, chara, view, states);
  for (uint16_t id : kStatusUnusedCtrls) states.Show(id, false);
  bool computer = Computer(chara);
  for (const cComputerSet& set : kStatusComputerSets)
    if (!Inherited(chara, set.m_nGroup)) states.EnableAll(set.m_aId, set.m_nCount, computer);
  // The group number follows "グループあり" only while that check can be changed.
  if (!Inherited(chara, 33) && computer) states.Enable(kIdcStatusGroupNo, chara.m_bHasGroup != 0);
}

cVector<cString> AnimeSetRows(const cDatabaseSet& db) { return DatabaseRows(db.m_vAnimeSet, 2, 1, nullptr); }
cVector<cString> CharaEffectRows(const cDatabaseSet& db) { return DatabaseRows(db.m_vCharaEffect, 3, 0, "なし"); }
cVector<cString> EffectRows(const cDatabaseSet& db) { return DatabaseRows(db.m_vEffect, 2, 0, "なし"); }

int GiantSide(int giant) { return std::clamp(giant, 1, 10); }
