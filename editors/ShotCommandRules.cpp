#include "editors/ShotCommandRules.h"

#include <algorithm>

#include "database/cDatabaseSet.h"
#include "editors/CharaPageRules.h"
#include "editors/DatabaseRows.h"
#include "model/FlowVocabulary.h"
#include "model/cEdBlock.h"
#include "model/cEdChara.h"
#include "model/cEdItem.h"
#include "model/cEdMove.h"
#include "model/cPaletteLists.h"
#include "stage/cMapView.h"
#include "stage/cStageEditState.h"

using C = cCommandData;
using S = cEdShot;

const uint16_t kFormParamEdits[3] = {1041, 1042, 1043};
const uint16_t kFormParamLabels[3] = {1151, 1152, 1153};
const uint16_t kMoveParamEdits[3] = {1044, 1058, 1060};
const uint16_t kMoveParamLabels[3] = {1154, 1155, 1156};

namespace {
constexpr int kFormationCount = 6;
constexpr int kMoveTypeCount = 10;
enum : int { kFormLightning = 3, kFormBlast = 4, kFormSurround = 5 };
enum : int { kMoveAimTarget = 3, kMoveHomeTarget = 6 };
enum : int { kFactionByNumber = 2 };
enum : int { kBlockSummonRemove = 1 };

bool AsksSubject(int formation) { return formation == kFormLightning || formation == kFormSurround; }
}  // namespace

int ShotFormationRow(int formation) { return formation >= 0 && formation < kFormationCount ? formation : 0; }
int ShotMoveRow(int moveType) { return moveType >= 0 && moveType < kMoveTypeCount ? moveType : 0; }
const cEffectParam* FormationParams(int formation) { return &FormationParamTable[3 * ShotFormationRow(formation)]; }
const cEffectParam* MoveTypeParams(int moveType) { return &ShotMoveParamTable[3 * ShotMoveRow(moveType)]; }

void ShotParamStates(const cEffectParam* params, const uint16_t* edits, const uint16_t* labels, cCtrlStates& states) {
  for (int i = 0; i < 3; ++i) {
    states.SetText(labels[i], params[i].m_strLabel);
    bool used = !params[i].m_strLabel.empty();
    states.Enable(edits[i], used);
    if (used) states.SetRange(edits[i], params[i].m_nMin, params[i].m_nMax);
  }
}

int32_t FormationAim(int formation, int32_t aim) {
  if (formation == kFormBlast) return 0;
  return AsksSubject(formation) ? 1 : aim;
}

void ShotFormationStates(int formation, int32_t aim, int32_t subject, cCtrlStates& states) {
  bool free = formation < kFormLightning;
  states.Enable(kIdcShotAimAngle, free);
  if (!free) states.Check(kIdcShotAimAngle, FormationAim(formation, aim) != 0);
  bool targetNo = free ? aim != 0 : AsksSubject(formation) && subject == 0;
  states.Enable(kIdcShotTargetNo, targetNo);
  states.Enable(kIdcShotAngleOffset, formation == 0 || formation == 2);
  states.Enable(kIdcShotAimSubject, AsksSubject(formation));
}

void ShotMoveTypeStates(int moveType, cCtrlStates& states) {
  states.Enable(kIdcShotMoveTargetNo, moveType == kMoveAimTarget || moveType == kMoveHomeTarget);
}

void ShotStates(const cEdShot& shown, cCtrlStates& states) {
  states.Enable(kIdcShotFaction, !shown.m_bUserFaction);
  states.Enable(kIdcShotAccel, shown.m_bUseAccel != 0);
  states.Enable(kIdcShotAccelClone, shown.m_bUseAccel != 0);
  for (uint16_t id : {kIdcShotRange, kIdcShotRangeClone, kIdcShotKeepAtEnd}) states.Enable(id, shown.m_bUseRange != 0);
  states.Enable(kIdcShotLife, shown.m_bUseLife != 0);
  states.Enable(kIdcShotLifeClone, shown.m_bUseLife != 0);
  states.Enable(kIdcShotVanishValue, shown.m_bVanishByShot != 0);
  states.Enable(kIdcShotFlowId, shown.m_bAttack != 0);
  states.Enable(kIdcShotItem, shown.m_cItemPalette == kPaletteCommon || shown.m_cItemPalette == kPaletteStage);
}

void SummonFormationStates(int kind, int formation, int32_t subject, cCtrlStates& states) {
  bool asks = AsksSubject(formation);
  states.Enable(kIdcShotAimSubject, asks);
  states.Enable(kIdcShotTargetNo, asks && (kind != kCmdCharaSummon || subject == 0));
}

void SummonStates(int kind, const cEdShot& shown, cCtrlStates& states) {
  if (kind == kCmdBlockSummon) {
    bool summons = shown.m_cBlockMode != kBlockSummonRemove;
    for (uint16_t id : {kIdcSummonPalette, kIdcSummonIndex, kIdcSummonFailOnPlayer, kIdcSummonFailOnEnemy})
      states.Enable(id, summons);
    return;
  }
  states.Enable(kIdcSummonLife, shown.m_bUseRange != 0);
  if (kind != kCmdCharaSummon) return;
  states.Enable(kIdcShotFaction, shown.m_cFactionMode == kFactionByNumber);
  states.Enable(kIdcShotFlowId, shown.m_bAttack != 0);
}

cVector<cString> PaletteItemRows(int palette) {
  cPaletteLists* lists = PaletteLists(palette);
  return lists && lists->m_pvItem ? PaletteRows(*lists->m_pvItem) : cVector<cString>();
}

cVector<cString> SummonRows(int kind, int summonPalette) {
  cPaletteLists* lists =
      summonPalette == 0 || summonPalette == 1 ? PaletteLists(summonPalette + kPaletteCommon) : nullptr;
  if (!lists) return cVector<cString>();
  if (kind == kCmdBlockSummon) return lists->m_pvBlock ? PaletteRows(*lists->m_pvBlock) : cVector<cString>();
  if (kind == kCmdCharaSummon) return lists->m_pvChara ? PaletteRows(*lists->m_pvChara) : cVector<cString>();
  return lists->m_pvItem ? PaletteRows(*lists->m_pvItem) : cVector<cString>();
}

int32_t SwordTypeTime(const cVector<cSwordTypeData>& types, int type) {
  return type >= 0 && type < types.Count() ? SwordTypeTotalTime(types[type]) : 1;
}

void ShotPreviewOrigin(int32_t n, int32_t& x, int32_t& y) {
  x = 32 * (n / 30);
  y = 16 * (n % 30);
}

void ShotPreview(const cCommandData& shown, const cSheetExtents&, cPaintList& list) {
  if (!shown.m_pShot) return;
  int32_t x = 0, y = 0;
  ShotPreviewOrigin(shown.m_pShot->m_nGraphic, x, y);
  list.AddBlit(kSheetShot, 0, 0, 0, kShotPreviewPixels, kShotPreviewPixels, x, y, kShotPreviewPixels,
               kShotPreviewPixels);
}

namespace {
constexpr cRowNumbering kDatabaseNumbers{2, 0};
constexpr cRowNumbering kPaletteNumbers{3, 0};

// The shown shot block; a default one for a command that lacks it, so that the rules read values.
const S& ShotOf(const C& shown) {
  static const S kNone;
  return shown.m_pShot ? *shown.m_pShot : kNone;
}

// The stage palette can be named only while the edited record is not an entry of the common one.
bool CommonPaletteOnly() { return g_StageEditState.m_nEditContext == kEditCommonPalette; }

void EffectRowsOf(const C&, cCmdRows& rows) {
  rows.m_vRows = EffectRows(g_DatabaseSet);
  rows.m_Numbering = kDatabaseNumbers;
}
void ItemSourceRows(const C&, cCmdRows& rows) {
  rows.m_vRows = NameList(CommonPaletteOnly() ? ItemPaletteNamesCommon : ItemPaletteNames);
}
void ShotItemRows(const C& shown, cCmdRows& rows) {
  rows.m_vRows = PaletteItemRows(ShotOf(shown).m_cItemPalette);
  rows.m_nOffset = 1;
  rows.m_Numbering = kPaletteNumbers;
}
// Without sword types the combo stays empty rather than naming one.
void SwordTypeRows(const C&, cCmdRows& rows) {
  const cVector<cSwordTypeData>& types = g_DatabaseSet.m_vSwordType;
  rows.m_vRows = DatabaseRows(types, 2, 0, nullptr);
  rows.m_Numbering = types.empty() ? cRowNumbering{-1, 0} : kDatabaseNumbers;
}
void SummonPaletteRows(const C&, cCmdRows& rows) {
  rows.m_vRows = NameList(CommonPaletteOnly() ? SummonPaletteNamesCommon : SummonPaletteNames);
}
void SummonEntryRows(const C& shown, cCmdRows& rows) {
  rows.m_vRows = SummonRows(shown.CharaKind(), ShotOf(shown).m_cSummonPalette);
  rows.m_nOffset = 1;
  rows.m_Numbering = kPaletteNumbers;
}

// A value kept on rows that replaced others: moved to the first or the last when it lies outside.
template <class T>
void KeepOnRows(T& value, int count, int32_t offset) {
  if (count > 0) value = static_cast<T>(std::clamp<int32_t>(value, offset, offset + count - 1));
}

void WriteParamDefaults(int16_t (&params)[3], const cEffectParam* table) {
  for (int i = 0; i < 3; ++i) params[i] = table[i].m_nDefault;
}

// A newly chosen formation or move type puts its defaults into its three parameters.
void ChangeParams(S& shot, const S& before) {
  if (shot.m_cFormation != before.m_cFormation)
    WriteParamDefaults(shot.m_nFormParam, FormationParams(shot.m_cFormation));
  if (shot.m_cMoveType != before.m_cMoveType) WriteParamDefaults(shot.m_nMoveParam, MoveTypeParams(shot.m_cMoveType));
}

void ChangeItemPalette(S& shot, const S& before) {
  if (shot.m_cItemPalette != before.m_cItemPalette)
    KeepOnRows(shot.m_nItemIndex, PaletteItemRows(shot.m_cItemPalette).Count(), 1);
}

void ChangeShot(C& shown, const C& before) {
  if (!shown.m_pShot) return;
  ChangeParams(*shown.m_pShot, ShotOf(before));
  ChangeItemPalette(*shown.m_pShot, ShotOf(before));
}

void ApplyShotRules(C& shown) {
  if (S* shot = shown.m_pShot.Get())
    shot->m_bAimAngle = static_cast<int8_t>(FormationAim(shot->m_cFormation, shot->m_bAimAngle));
}

void ShotDialogStates(const C& shown, cCtrlStates& states) {
  const S& shot = ShotOf(shown);
  ShotStates(shot, states);
  ShotFormationStates(ShotFormationRow(shot.m_cFormation), shot.m_bAimAngle, shot.m_cAimSubject, states);
  ShotMoveTypeStates(ShotMoveRow(shot.m_cMoveType), states);
  ShotParamStates(FormationParams(shot.m_cFormation), kFormParamEdits, kFormParamLabels, states);
  ShotParamStates(MoveTypeParams(shot.m_cMoveType), kMoveParamEdits, kMoveParamLabels, states);
}

void ChangeSword(C& shown, const C& before) {
  if (shown.m_pShot) ChangeItemPalette(*shown.m_pShot, ShotOf(before));
}

// The time is the sword type's total display time, shown and never typed.
void ApplySwordRules(C& shown) {
  int32_t time = SwordTypeTime(g_DatabaseSet.m_vSwordType, ShotOf(shown).m_cMoveType);
  shown.m_nTime = static_cast<int16_t>(std::clamp(time, 1, 9999));
}

void SwordDialogStates(const C& shown, cCtrlStates& states) {
  const S& shot = ShotOf(shown);
  states.Enable(kIdcCmdTime, false);
  states.Enable(kIdcShotFaction, !shot.m_bUserFaction);
  states.Enable(kIdcShotFlowId, shot.m_bAttack != 0);
  states.Enable(kIdcShotItem, shot.m_cItemPalette == kPaletteCommon || shot.m_cItemPalette == kPaletteStage);
}

void ChangeSummon(C& shown, const C& before) {
  S* shot = shown.m_pShot.Get();
  if (!shot) return;
  const S& was = ShotOf(before);
  if (shot->m_cFormation != was.m_cFormation)
    WriteParamDefaults(shot->m_nFormParam, FormationParams(shot->m_cFormation));
  if (shot->m_cSummonPalette != was.m_cSummonPalette)
    KeepOnRows(shot->m_nSummonIndex, SummonRows(shown.CharaKind(), shot->m_cSummonPalette).Count(), 1);
}

void SummonDialogStates(const C& shown, cCtrlStates& states) {
  const S& shot = ShotOf(shown);
  int kind = shown.CharaKind();
  SummonStates(kind, shot, states);
  SummonFormationStates(kind, ShotFormationRow(shot.m_cFormation), shot.m_cAimSubject, states);
  ShotParamStates(FormationParams(shot.m_cFormation), kFormParamEdits, kFormParamLabels, states);
}

const cCmdCtrl kShotCtrls[] = {
    // "表示"
    NumCtrl(kIdcShotGraphic, 1037, &S::m_nGraphic, 1, 120),
    CheckCtrl(1147, &S::m_bTransparent),
    NumCtrl(1256, 1257, &S::m_cZ, 0, 7),
    // "発射"
    Fitted(ComboCtrl(kIdcShotFormation, &S::m_cFormation, FormationNames, 0)),
    NumCtrl(1041, 1051, FormParamSlot(0), 0, 999),
    NumCtrl(1042, 1052, FormParamSlot(1), 0, 999),
    NumCtrl(1043, 1056, FormParamSlot(2), 0, 999),
    NumCtrl(1069, 1071, &S::m_cCount, 1, 127),
    NumCtrl(1259, 1260, &S::m_cCloneCount, 0, 20),
    ComboCtrl(1128, &S::m_cDirection, DirectionNames, 0),
    ComboCtrl(kIdcShotAimSubject, &S::m_cAimSubject, AimSubjectNames, 0),
    CheckCtrl(kIdcShotAimAngle, &S::m_bAimAngle),
    ComboCtrl(kIdcShotTargetNo, &S::m_cTargetNo, TargetNoNames, 0),
    NumCtrl(1130, 1132, &S::m_nAngle, -7200, 7200),
    NumCtrl(1133, 1134, &S::m_nCloneAngle, -7200, 7200),
    CheckCtrl(1158, &S::m_bMirrorRotate),
    NumCtrl(11135, 11136, &S::m_nSpread, 0, 180),
    CheckCtrl(kIdcShotAngleOffset, &S::m_bAngleOffset),
    NumCtrl(1040, 1045, &S::m_nOffsetX, -640, 640),
    NumCtrl(1046, 1047, &S::m_nCloneOffsetX, -640, 640),
    CheckCtrl(1053, &S::m_bMirrorX),
    NumCtrl(1048, 1049, &S::m_nOffsetY, -640, 640),
    NumCtrl(1050, 1054, &S::m_nCloneOffsetY, -640, 640),
    CheckCtrl(1055, &S::m_bMirrorY),
    // "性能"
    NumCtrl(kIdcShotFaction, 1262, &S::m_cFaction, 0, 7),
    CheckCtrl(kIdcShotUserFaction, &S::m_bUserFaction),
    ComboCtrl(1266, &S::m_cGiant, GiantNames, 1),
    Fitted(ComboCtrl(kIdcShotMoveType, &S::m_cMoveType, ShotMoveNames, 0)),
    NumCtrl(1044, 1057, MoveParamSlot(0), 0, 999),
    NumCtrl(1058, 1059, MoveParamSlot(1), 0, 999),
    NumCtrl(1060, 1061, MoveParamSlot(2), 0, 999),
    ComboCtrl(kIdcShotMoveTargetNo, &S::m_cMoveTargetNo, TargetNoNames, 0),
    CheckCtrl(1064, &S::m_bScrollSync),
    NumCtrl(1118, 1119, &S::m_nSpeed, -200, 200),
    NumCtrl(1120, 1121, &S::m_nCloneSpeed, -200, 200),
    CheckCtrl(kIdcShotUseAccel, &S::m_bUseAccel),
    NumCtrl(kIdcShotAccel, 1127, &S::m_nAccel, -200, 200),
    NumCtrl(kIdcShotAccelClone, 1135, &S::m_nCloneAccel, -200, 200),
    CheckCtrl(kIdcShotUseRange, &S::m_bUseRange),
    NumCtrl(kIdcShotRange, 1123, &S::m_nRange, 0, 64),
    NumCtrl(kIdcShotRangeClone, 11270, &S::m_nCloneRange, -40, 40),
    CheckCtrl(kIdcShotKeepAtEnd, &S::m_bKeepAtEnd),
    CheckCtrl(kIdcShotUseLife, &S::m_bUseLife),
    NumCtrl(kIdcShotLife, 1395, &S::m_nLife, 1, 999),
    NumCtrl(kIdcShotLifeClone, 11271, &S::m_nCloneLife, -99, 99),
    CheckCtrl(kIdcShotVanishByShot, &S::m_bVanishByShot),
    NumCtrl(kIdcShotVanishValue, 1125, &S::m_cVanishValue, 1, 9),
    CheckCtrl(1149, &S::m_bPassBlock),
    CheckCtrl(1150, &S::m_bPassChara),
    CheckCtrl(1159, &S::m_bPassBlockChara),
    NumCtrl(kIdcShotPower, 1066, &S::m_nPower, -999999, 999999),
    NumCtrl(1067, 1068, &S::m_cImpact, -20, 20),
    FnRowsCtrl(kIdcShotEffect, &S::m_nEffect, EffectRowsOf),
    CheckCtrl(kIdcShotAttack, &S::m_bAttack),
    ComboCtrl(kIdcShotFlowId, &S::m_cValidFlowId, ValidFlowIdNames, 0),
    FnRowsCtrl(kIdcShotItemPalette, &S::m_cItemPalette, ItemSourceRows),
    FnRowsCtrl(kIdcShotItem, &S::m_nItemIndex, ShotItemRows),
    // The command's own.
    CommonCmdCtrl(kIdcCmdParallel),
    CommonCmdCtrl(kIdcCmdTime),
    CommonCmdCtrl(kIdcCmdTimeClone),
    CommonCmdCtrl(kIdcCmdAnime),
    CommonCmdCtrl(kIdcCmdSound),
    CommonCmdCtrl(kIdcCmdSoundInView),
};

const cCmdCtrl kSwordCtrls[] = {
    FnRowsCtrl(kIdcSwordType, &S::m_cMoveType, SwordTypeRows),
    NumCtrl(kIdcShotFaction, 1262, &S::m_cFaction, 0, 7),
    CheckCtrl(kIdcShotUserFaction, &S::m_bUserFaction),
    ComboCtrl(1266, &S::m_cGiant, GiantNames, 1),
    NumCtrl(kIdcShotPower, 1066, &S::m_nPower, -999999, 999999),
    NumCtrl(1067, 1068, &S::m_cImpact, -20, 20),
    FnRowsCtrl(kIdcShotEffect, &S::m_nEffect, EffectRowsOf),
    CheckCtrl(kIdcShotAttack, &S::m_bAttack),
    ComboCtrl(kIdcShotFlowId, &S::m_cValidFlowId, ValidFlowIdNames, 0),
    FnRowsCtrl(kIdcShotItemPalette, &S::m_cItemPalette, ItemSourceRows),
    FnRowsCtrl(kIdcShotItem, &S::m_nItemIndex, ShotItemRows),
    CheckCtrl(1147, &S::m_bTransparent),
    NumCtrl(1256, 1257, &S::m_cZ, 0, 7),
    CommonCmdCtrl(kIdcCmdParallel),
    CommonCmdCtrl(kIdcCmdTime),
    CommonCmdCtrl(kIdcCmdAnime),
    CommonCmdCtrl(kIdcCmdSound),
    CommonCmdCtrl(kIdcCmdSoundInView),
};

// The placement controls of the three summons and the command's own.
const cCmdCtrl kSummonSharedCtrls[] = {
    FnRowsCtrl(kIdcSummonPalette, &S::m_cSummonPalette, SummonPaletteRows),
    FnRowsCtrl(kIdcSummonIndex, &S::m_nSummonIndex, SummonEntryRows),
    Fitted(ComboCtrl(kIdcShotFormation, &S::m_cFormation, FormationNames, 0)),
    NumCtrl(1041, 1051, FormParamSlot(0), 0, 999),
    NumCtrl(1042, 1052, FormParamSlot(1), 0, 999),
    NumCtrl(1043, 1056, FormParamSlot(2), 0, 999),
    NumCtrl(1069, 1071, &S::m_cCount, 1, 127),
    ComboCtrl(1128, &S::m_cDirection, DirectionNames, 0),
    ComboCtrl(kIdcShotAimSubject, &S::m_cAimSubject, AimSubjectNames, 0),
    ComboCtrl(kIdcShotTargetNo, &S::m_cTargetNo, TargetNoNames, 0),
    NumCtrl(1040, 1045, &S::m_nOffsetX, -640, 640),
    CheckCtrl(1053, &S::m_bMirrorX),
    NumCtrl(1048, 1049, &S::m_nOffsetY, -640, 640),
    CheckCtrl(1055, &S::m_bMirrorY),
    CommonCmdCtrl(kIdcCmdParallel),
    CommonCmdCtrl(kIdcCmdTime),
    CommonCmdCtrl(kIdcCmdTimeClone),
    CommonCmdCtrl(kIdcCmdAnime),
    CommonCmdCtrl(kIdcCmdSound),
    CommonCmdCtrl(kIdcCmdSoundInView),
};

const cCmdCtrl kBlockSummonCtrls[] = {
    ComboCtrl(kIdcSummonMode, &S::m_cBlockMode, BlockSummonModeNames, 0),
    CheckCtrl(kIdcSummonFailOnPlayer, &S::m_bFailOnPlayer),
    CheckCtrl(kIdcSummonFailOnEnemy, &S::m_bFailOnEnemy),
};

// The life time of a summoned character or item lives in the shot block's distance members.
const cCmdCtrl kCharaSummonCtrls[] = {
    CheckCtrl(kIdcSummonUseLife, &S::m_bUseRange),
    NumCtrl(kIdcSummonLife, 1395, &S::m_nRange, 1, 9999),
    ComboCtrl(kIdcSummonMode, &S::m_cFactionMode, SummonFactionNames, 0),
    NumCtrl(kIdcShotFaction, 1262, &S::m_cFaction, 0, 8),
    CheckCtrl(1382, &S::m_bReverseFacing),
    CheckCtrl(kIdcShotAttack, &S::m_bAttack),
    ComboCtrl(kIdcShotFlowId, &S::m_cValidFlowId, ValidFlowIdNames, 0),
    CheckCtrl(1381, &S::m_bNoScore),
};

const cCmdCtrl kItemSummonCtrls[] = {
    CheckCtrl(kIdcSummonUseLife, &S::m_bUseRange),
    NumCtrl(kIdcSummonLife, 1395, &S::m_nRange, 1, 9999),
};

const uint16_t kShotButtons[] = {kIdcShotPick};

void WriteShotDefaults(C& command) {
  command.m_nTime = 1;
  command.m_nAnime = 1;
  command.m_nSound = 1;
  if (!command.m_pShot) return;
  S& shot = *command.m_pShot;
  shot.m_nGraphic = 1;
  shot.m_nSpeed = 20;
  shot.m_nPower = 1;
  shot.m_bPassBlock = 1;
  shot.m_cZ = 3;
  shot.m_nEffect = 1;
}

void WriteSwordDefaults(C& command) {
  command.m_nAnime = 1;
  command.m_nSound = 1;
  if (!command.m_pShot) return;
  S& shot = *command.m_pShot;
  shot.m_bPassBlock = 1;
  shot.m_bPassChara = 1;
  shot.m_bVanishByShot = 0;
  shot.m_nPower = 10;
  shot.m_cZ = 3;
  shot.m_nEffect = 1;
}

// Every summon summons entry 1 at time 1 with anime 1 and sound 1, besides its own values.
S* WriteSummonDefaults(C& command) {
  command.m_nTime = 1;
  command.m_nAnime = 1;
  command.m_nSound = 1;
  if (command.m_pShot) command.m_pShot->m_nSummonIndex = 1;
  return command.m_pShot.Get();
}

void WriteBlockSummonDefaults(C& command) {
  if (S* shot = WriteSummonDefaults(command)) {
    shot->m_bFailOnPlayer = 0;
    shot->m_bFailOnEnemy = 1;
    shot->m_bMirrorX = 1;
  }
}

// A summoned character or item lives 10 s and scores nothing.
void WriteLifeDefaults(S& shot) {
  shot.m_bNoScore = 1;
  shot.m_bUseRange = 1;
  shot.m_nRange = 100;
}

void WriteCharaSummonDefaults(C& command) {
  if (S* shot = WriteSummonDefaults(command)) WriteLifeDefaults(*shot);
}

void WriteItemSummonDefaults(C& command) {
  if (S* shot = WriteSummonDefaults(command)) {
    WriteLifeDefaults(*shot);
    shot->m_bMirrorX = 1;
  }
}
}  // namespace

const cCmdDialogDesc kShotDialog = CmdDialog(0, kCmdShot, 209, "cDlgCommandShot")
                                       .Ctrls(kShotCtrls)
                                       .Buttons(kShotButtons)
                                       .Defaults(WriteShotDefaults)
                                       .Change(ChangeShot)
                                       .Apply(ApplyShotRules)
                                       .States(ShotDialogStates)
                                       .SoundPreview(kIdcCmdSound)
                                       .CellPickerOfKind(kIdcShotPick, kShotGraphicKind, kIdcShotGraphic)
                                       .Preview(kIdcShotPreview, ShotPreview, kShotPreviewPixels);

const cCmdDialogDesc kSwordDialog = CmdDialog(0, kCmdSword, 224, "cDlgCommandSword")
                                        .Ctrls(kSwordCtrls)
                                        .Defaults(WriteSwordDefaults)
                                        .Change(ChangeSword)
                                        .Apply(ApplySwordRules)
                                        .States(SwordDialogStates)
                                        .SoundPreview(kIdcCmdSound);

const cCmdDialogDesc kBlockSummonDialog = CmdDialog(0, kCmdBlockSummon, 258, "cDlgCommandBlockSummon")
                                              .Ctrls(kBlockSummonCtrls)
                                              .Shared(kSummonSharedCtrls)
                                              .Defaults(WriteBlockSummonDefaults)
                                              .Change(ChangeSummon)
                                              .States(SummonDialogStates)
                                              .SoundPreview(kIdcCmdSound);

const cCmdDialogDesc kCharaSummonDialog = CmdDialog(0, kCmdCharaSummon, 256, "cDlgCommandCharaSummon")
                                              .Ctrls(kCharaSummonCtrls)
                                              .Shared(kSummonSharedCtrls)
                                              .Defaults(WriteCharaSummonDefaults)
                                              .Change(ChangeSummon)
                                              .States(SummonDialogStates)
                                              .SoundPreview(kIdcCmdSound);

const cCmdDialogDesc kItemSummonDialog = CmdDialog(0, kCmdItemSummon, 257, "cDlgCommandItemSummon")
                                             .Ctrls(kItemSummonCtrls)
                                             .Shared(kSummonSharedCtrls)
                                             .Defaults(WriteItemSummonDefaults)
                                             .Change(ChangeSummon)
                                             .States(SummonDialogStates)
                                             .SoundPreview(kIdcCmdSound);
