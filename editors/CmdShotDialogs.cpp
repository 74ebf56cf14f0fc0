#include "editors/CmdShotDialogs.h"

#include "database/cDatabaseSet.h"
#include "editors/CharaPageRules.h"
#include "editors/DatabaseRows.h"
#include "model/FlowVocabulary.h"
#include "model/cEdBlock.h"
#include "model/cEdChara.h"
#include "model/cEdItem.h"
#include "model/cEdMove.h"
#include "model/cPaletteLists.h"

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
constexpr cRowNumbering kDatabaseNumbers{2, 0};
constexpr cRowNumbering kPaletteNumbers{3, 0};

bool AsksSubject(int formation) { return formation == kFormLightning || formation == kFormSurround; }
}  // namespace

int ShotFormationRow(int formation) { return formation >= 0 && formation < kFormationCount ? formation : 0; }
int ShotMoveRow(int moveType) { return moveType >= 0 && moveType < kMoveTypeCount ? moveType : 0; }

void ShotFormationStates(int formation, int32_t& aim, int32_t subject, cCtrlStates& states) {
  bool free = formation < kFormLightning;
  states.Enable(kIdcShotAimAngle, free);
  if (!free) {
    aim = formation == kFormBlast ? 0 : 1;
    states.Check(kIdcShotAimAngle, aim != 0);
  }
  bool targetNo = free ? aim != 0 : AsksSubject(formation) && subject == 0;
  states.Enable(kIdcShotTargetNo, targetNo);
  states.Enable(kIdcShotAngleOffset, formation == 0 || formation == 2);
  states.Enable(kIdcShotAimSubject, AsksSubject(formation));
}

void ShotMoveTypeStates(int moveType, cCtrlStates& states) {
  states.Enable(kIdcShotMoveTargetNo, moveType == kMoveAimTarget || moveType == kMoveHomeTarget);
}

void ShotStates(const cEdShot& shown, cCtrlStates& states) {
  int32_t aim = shown.m_bAimAngle;
  cCtrlStates formation;
  ShotFormationStates(ShotFormationRow(shown.m_cFormation), aim, shown.m_cAimSubject, formation);
  states.Enable(kIdcShotTargetNo, formation.Enabled(kIdcShotTargetNo) == 1);
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
  SummonFormationStates(kind, ShotFormationRow(shown.m_cFormation), shown.m_cAimSubject, states);
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

namespace {
// Labels, limits and, when the choice changed since the parameters were last set up, the defaults
// of the three parameters of a formation or move type.
void ApplyParams(cCmdDialogRun& run, const cEffectParam* params, const uint16_t* edits, const uint16_t* labels,
                 int& previous, int now) {
  for (int i = 0; i < 3; ++i) {
    const cEffectParam& param = params[i];
    run.Decide().SetText(labels[i], param.m_strLabel);
    bool used = !param.m_strLabel.empty();
    run.Decide().Enable(edits[i], used);
    if (!used) continue;
    run.SetRange(edits[i], param.m_nMin, param.m_nMax);
    run.Reclamp(edits[i]);
  }
  if (previous != -1 && previous != now)
    for (int i = 0; i < 3; ++i) run.SetValue(edits[i], params[i].m_nDefault);
  previous = now;
}

void ApplyFormationParams(cCmdDialogRun& run, int& previous) {
  int formation = ShotFormationRow(run.IntValue(kIdcShotFormation));
  ApplyParams(run, &FormationParamTable[3 * formation], kFormParamEdits, kFormParamLabels, previous, formation);
}

// A stored choice outside its table shows, and is stored, as row 0.
void HoldToRow(cCmdDialogRun& run, uint16_t id, int row) {
  if (run.IntValue(id) != row) run.SetValue(id, row);
}

const cString* ItemSourceRows(const cCmdDialogRun& run) {
  return run.Env().m_nEditContext == kEditCommonPalette ? ItemPaletteNamesCommon : ItemPaletteNames;
}

// The item palette and item combos shared by the shot and the sword.
void ItemRows(cCmdDialogRun& run) {
  run.SetComboRows(kIdcShotItem, PaletteItemRows(run.IntValue(kIdcShotItemPalette)), kPaletteNumbers);
}

class cShotDialog : public cCmdDialogKind {
public:
  void Init(cCmdDialogRun& run) override {
    run.SetComboRows(kIdcShotEffect, EffectRows(g_DatabaseSet), kDatabaseNumbers);
    run.SetComboRows(kIdcShotItemPalette, NameList(ItemSourceRows(run)), cRowNumbering());
    HoldToRow(run, kIdcShotFormation, ShotFormationRow(run.IntValue(kIdcShotFormation)));
    HoldToRow(run, kIdcShotMoveType, ShotMoveRow(run.IntValue(kIdcShotMoveType)));
    Update(run);
    ApplyFormation(run);
    ApplyMoveType(run);
  }
  void Command(cCmdDialogRun& run, uint16_t id, int code) override {
    if (id == kIdcShotFormation)
      ApplyFormation(run);
    else if (id == kIdcShotMoveType)
      ApplyMoveType(run);
    else if (id == kIdcShotPick && code == kBnClicked)
      Pick(run);
    else if (id == kIdcCmdSound && code == kCbnSelChange)
      run.PreviewSound(id);
    else
      cCmdDialogKind::Command(run, id, code);
  }
  void Update(cCmdDialogRun& run) override {
    ShotStates(*run.Shown().m_pShot, run.Decide());
    ItemRows(run);
  }
  void Paint(cCmdDialogRun& run) override {
    int32_t x = 0, y = 0;
    ShotPreviewOrigin(run.IntValue(kIdcShotGraphic), x, y);
    run.Host().DrawShotCell(x, y);
  }

private:
  void ApplyFormation(cCmdDialogRun& run) {
    int32_t aim = run.IntValue(kIdcShotAimAngle);
    ShotFormationStates(ShotFormationRow(run.IntValue(kIdcShotFormation)), aim, run.IntValue(kIdcShotAimSubject),
                        run.Decide());
    run.SetValue(kIdcShotAimAngle, aim);
    ApplyFormationParams(run, m_nPrevFormation);
  }
  void ApplyMoveType(cCmdDialogRun& run) {
    int moveType = ShotMoveRow(run.IntValue(kIdcShotMoveType));
    ShotMoveTypeStates(moveType, run.Decide());
    ApplyParams(run, &ShotMoveParamTable[3 * moveType], kMoveParamEdits, kMoveParamLabels, m_nPrevMoveType, moveType);
  }
  void Pick(cCmdDialogRun& run) {
    int32_t cell = 0;
    if (run.Host().PickCell(3, cell)) run.SetValue(kIdcShotGraphic, cell);
  }

  int m_nPrevFormation = -1;
  int m_nPrevMoveType = -1;
};

class cSwordDialog : public cCmdDialogKind {
public:
  void Init(cCmdDialogRun& run) override {
    const cVector<cSwordTypeData>& types = g_DatabaseSet.m_vSwordType;
    // Without sword types the combo stays empty rather than naming one.
    run.SetComboRows(kIdcSwordType, DatabaseRows(types, 2, 0, nullptr),
                     types.empty() ? cRowNumbering{-1, 0} : kDatabaseNumbers);
    run.SetComboRows(kIdcShotEffect, EffectRows(g_DatabaseSet), kDatabaseNumbers);
    run.SetComboRows(kIdcShotItemPalette, NameList(ItemSourceRows(run)), cRowNumbering());
    // The time is the sword type's: shown, never typed.
    run.Decide().Enable(kIdcCmdTime, false);
    Update(run);
    ApplySwordType(run);
  }
  void Command(cCmdDialogRun& run, uint16_t id, int code) override {
    if (id == kIdcSwordType)
      ApplySwordType(run);
    else if (id == kIdcCmdSound && code == kCbnSelChange)
      run.PreviewSound(id);
    else
      cCmdDialogKind::Command(run, id, code);
  }
  void Update(cCmdDialogRun& run) override {
    const cEdShot& shot = *run.Shown().m_pShot;
    run.Decide().Enable(kIdcShotFaction, !shot.m_bUserFaction);
    run.Decide().Enable(kIdcShotFlowId, shot.m_bAttack != 0);
    run.Decide().Enable(kIdcShotItem, shot.m_cItemPalette == kPaletteCommon || shot.m_cItemPalette == kPaletteStage);
    ItemRows(run);
  }

private:
  void ApplySwordType(cCmdDialogRun& run) {
    run.SetValue(kIdcCmdTime, SwordTypeTime(g_DatabaseSet.m_vSwordType, run.IntValue(kIdcSwordType)));
  }
};

class cSummonDialog : public cCmdDialogKind {
public:
  explicit cSummonDialog(int kind) : m_nKind(kind) {}
  void Init(cCmdDialogRun& run) override {
    bool common = run.Env().m_nEditContext == kEditCommonPalette;
    run.SetComboRows(kIdcSummonPalette, NameList(common ? SummonPaletteNamesCommon : SummonPaletteNames),
                     cRowNumbering());
    HoldToRow(run, kIdcShotFormation, ShotFormationRow(run.IntValue(kIdcShotFormation)));
    Update(run);
    ApplyFormation(run);
  }
  void Command(cCmdDialogRun& run, uint16_t id, int code) override {
    if (id == kIdcShotFormation)
      ApplyFormation(run);
    else if (id == kIdcCmdSound && code == kCbnSelChange)
      run.PreviewSound(id);
    else
      cCmdDialogKind::Command(run, id, code);
  }
  void Update(cCmdDialogRun& run) override {
    SummonStates(m_nKind, *run.Shown().m_pShot, run.Decide());
    run.SetComboRows(kIdcSummonIndex, SummonRows(m_nKind, run.IntValue(kIdcSummonPalette)), kPaletteNumbers);
  }

private:
  void ApplyFormation(cCmdDialogRun& run) {
    SummonFormationStates(m_nKind, ShotFormationRow(run.IntValue(kIdcShotFormation)), run.IntValue(kIdcShotAimSubject),
                          run.Decide());
    ApplyFormationParams(run, m_nPrevFormation);
  }

  int m_nKind;
  int m_nPrevFormation = -1;
};

template <int Kind>
std::unique_ptr<cCmdDialogKind> NewSummon() {
  return std::make_unique<cSummonDialog>(Kind);
}

const auto kShotCtrls = Ctrls(
    // "表示"
    CtrlEdit(kIdcShotGraphic, 1037, &S::m_nGraphic, 1, 120), CtrlButton(kIdcShotPick), CtrlBitmap(kIdcShotPreview),
    CtrlCheck(1147, &S::m_bTransparent), CtrlEdit(1256, 1257, &S::m_cZ, 0, 7),
    // "発射"
    CtrlCombo(kIdcShotFormation, &S::m_cFormation, FormationNames, 0), CtrlEdit(1041, 1051, FormParamRef(0), 0, 999),
    CtrlEdit(1042, 1052, FormParamRef(1), 0, 999), CtrlEdit(1043, 1056, FormParamRef(2), 0, 999), CtrlStatic(1151),
    CtrlStatic(1152), CtrlStatic(1153), CtrlEdit(1069, 1071, &S::m_cCount, 1, 127),
    CtrlEdit(1259, 1260, &S::m_cCloneCount, 0, 20), CtrlCombo(1128, &S::m_cDirection, DirectionNames, 0),
    CtrlCombo(kIdcShotAimSubject, &S::m_cAimSubject, AimSubjectNames, 0), CtrlCheck(kIdcShotAimAngle, &S::m_bAimAngle),
    CtrlCombo(kIdcShotTargetNo, &S::m_cTargetNo, TargetNoNames, 0), CtrlEdit(1130, 1132, &S::m_nAngle, -7200, 7200),
    CtrlEdit(1133, 1134, &S::m_nCloneAngle, -7200, 7200), CtrlCheck(1158, &S::m_bMirrorRotate),
    CtrlEdit(11135, 11136, &S::m_nSpread, 0, 180), CtrlCheck(kIdcShotAngleOffset, &S::m_bAngleOffset),
    CtrlEdit(1040, 1045, &S::m_nOffsetX, -640, 640), CtrlEdit(1046, 1047, &S::m_nCloneOffsetX, -640, 640),
    CtrlCheck(1053, &S::m_bMirrorX), CtrlEdit(1048, 1049, &S::m_nOffsetY, -640, 640),
    CtrlEdit(1050, 1054, &S::m_nCloneOffsetY, -640, 640), CtrlCheck(1055, &S::m_bMirrorY),
    // "性能"
    CtrlEdit(kIdcShotFaction, 1262, &S::m_cFaction, 0, 7), CtrlCheck(kIdcShotUserFaction, &S::m_bUserFaction),
    CtrlCombo(1266, &S::m_cGiant, GiantNames, 1), CtrlCombo(kIdcShotMoveType, &S::m_cMoveType, ShotMoveNames, 0),
    CtrlEdit(1044, 1057, MoveParamRef(0), 0, 999), CtrlEdit(1058, 1059, MoveParamRef(1), 0, 999),
    CtrlEdit(1060, 1061, MoveParamRef(2), 0, 999), CtrlStatic(1154), CtrlStatic(1155), CtrlStatic(1156),
    CtrlCombo(kIdcShotMoveTargetNo, &S::m_cMoveTargetNo, TargetNoNames, 0), CtrlCheck(1064, &S::m_bScrollSync),
    CtrlEdit(1118, 1119, &S::m_nSpeed, -200, 200), CtrlEdit(1120, 1121, &S::m_nCloneSpeed, -200, 200),
    CtrlCheck(kIdcShotUseAccel, &S::m_bUseAccel), CtrlEdit(kIdcShotAccel, 1127, &S::m_nAccel, -200, 200),
    CtrlEdit(kIdcShotAccelClone, 1135, &S::m_nCloneAccel, -200, 200), CtrlCheck(kIdcShotUseRange, &S::m_bUseRange),
    CtrlEdit(kIdcShotRange, 1123, &S::m_nRange, 0, 64), CtrlEdit(kIdcShotRangeClone, 11270, &S::m_nCloneRange, -40, 40),
    CtrlCheck(kIdcShotKeepAtEnd, &S::m_bKeepAtEnd), CtrlCheck(kIdcShotUseLife, &S::m_bUseLife),
    CtrlEdit(kIdcShotLife, 1395, &S::m_nLife, 1, 999), CtrlEdit(kIdcShotLifeClone, 11271, &S::m_nCloneLife, -99, 99),
    CtrlCheck(kIdcShotVanishByShot, &S::m_bVanishByShot), CtrlEdit(kIdcShotVanishValue, 1125, &S::m_cVanishValue, 1, 9),
    CtrlCheck(1149, &S::m_bPassBlock), CtrlCheck(1150, &S::m_bPassChara), CtrlCheck(1159, &S::m_bPassBlockChara),
    CtrlEdit(1065, 1066, &S::m_nPower, -999999, 999999), CtrlEdit(1067, 1068, &S::m_cImpact, -20, 20),
    CtrlCombo(kIdcShotEffect, &S::m_nEffect, nullptr, 0), CtrlCheck(kIdcShotAttack, &S::m_bAttack),
    CtrlCombo(kIdcShotFlowId, &S::m_cValidFlowId, ValidFlowIdNames, 0),
    CtrlCombo(kIdcShotItemPalette, &S::m_cItemPalette, nullptr, 0),
    CtrlCombo(kIdcShotItem, &S::m_nItemIndex, nullptr, 1),
    // The command's own.
    CtrlCommon(kIdcCmdParallel), CtrlCommon(kIdcCmdTime), CtrlCommon(kIdcCmdTimeClone), CtrlCommon(kIdcCmdAnime),
    CtrlCommon(kIdcCmdSound), CtrlCommon(kIdcCmdSoundInView));

const auto kSwordCtrls =
    Ctrls(CtrlCombo(kIdcSwordType, &S::m_cMoveType, nullptr, 0), CtrlEdit(kIdcShotFaction, 1262, &S::m_cFaction, 0, 7),
          CtrlCheck(kIdcShotUserFaction, &S::m_bUserFaction), CtrlCombo(1266, &S::m_cGiant, GiantNames, 1),
          CtrlEdit(1065, 1066, &S::m_nPower, -999999, 999999), CtrlEdit(1067, 1068, &S::m_cImpact, -20, 20),
          CtrlCombo(kIdcShotEffect, &S::m_nEffect, nullptr, 0), CtrlCheck(kIdcShotAttack, &S::m_bAttack),
          CtrlCombo(kIdcShotFlowId, &S::m_cValidFlowId, ValidFlowIdNames, 0),
          CtrlCombo(kIdcShotItemPalette, &S::m_cItemPalette, nullptr, 0),
          CtrlCombo(kIdcShotItem, &S::m_nItemIndex, nullptr, 1), CtrlCheck(1147, &S::m_bTransparent),
          CtrlEdit(1256, 1257, &S::m_cZ, 0, 7), CtrlCommon(kIdcCmdParallel), CtrlCommon(kIdcCmdTime),
          CtrlCommon(kIdcCmdAnime), CtrlCommon(kIdcCmdSound), CtrlCommon(kIdcCmdSoundInView));

// The placement controls of the three summons and the command's own.
const auto kSummonCommon = Ctrls(
    CtrlCombo(kIdcSummonPalette, &S::m_cSummonPalette, nullptr, 0),
    CtrlCombo(kIdcSummonIndex, &S::m_nSummonIndex, nullptr, 1),
    CtrlCombo(kIdcShotFormation, &S::m_cFormation, FormationNames, 0), CtrlEdit(1041, 1051, FormParamRef(0), 0, 999),
    CtrlEdit(1042, 1052, FormParamRef(1), 0, 999), CtrlEdit(1043, 1056, FormParamRef(2), 0, 999), CtrlStatic(1151),
    CtrlStatic(1152), CtrlStatic(1153), CtrlEdit(1069, 1071, &S::m_cCount, 1, 127),
    CtrlCombo(1128, &S::m_cDirection, DirectionNames, 0),
    CtrlCombo(kIdcShotAimSubject, &S::m_cAimSubject, AimSubjectNames, 0),
    CtrlCombo(kIdcShotTargetNo, &S::m_cTargetNo, TargetNoNames, 0), CtrlEdit(1040, 1045, &S::m_nOffsetX, -640, 640),
    CtrlCheck(1053, &S::m_bMirrorX), CtrlEdit(1048, 1049, &S::m_nOffsetY, -640, 640), CtrlCheck(1055, &S::m_bMirrorY),
    CtrlCommon(kIdcCmdParallel), CtrlCommon(kIdcCmdTime), CtrlCommon(kIdcCmdTimeClone), CtrlCommon(kIdcCmdAnime),
    CtrlCommon(kIdcCmdSound), CtrlCommon(kIdcCmdSoundInView));

const auto kBlockSummonCtrls =
    Join(kSummonCommon, Ctrls(CtrlCombo(kIdcSummonMode, &S::m_cBlockMode, BlockSummonModeNames, 0),
                              CtrlCheck(kIdcSummonFailOnPlayer, &S::m_bFailOnPlayer),
                              CtrlCheck(kIdcSummonFailOnEnemy, &S::m_bFailOnEnemy)));

const auto kCharaSummonCtrls =
    Join(kSummonCommon,
         Ctrls(CtrlCheck(kIdcSummonUseLife, &S::m_bUseRange), CtrlEdit(kIdcSummonLife, 1395, &S::m_nRange, 1, 9999),
               CtrlCombo(kIdcSummonMode, &S::m_cFactionMode, SummonFactionNames, 0),
               CtrlEdit(kIdcShotFaction, 1262, &S::m_cFaction, 0, 8), CtrlCheck(1382, &S::m_bReverseFacing),
               CtrlCheck(kIdcShotAttack, &S::m_bAttack),
               CtrlCombo(kIdcShotFlowId, &S::m_cValidFlowId, ValidFlowIdNames, 0), CtrlCheck(1381, &S::m_bNoScore)));

const auto kItemSummonCtrls = Join(kSummonCommon, Ctrls(CtrlCheck(kIdcSummonUseLife, &S::m_bUseRange),
                                                        CtrlEdit(kIdcSummonLife, 1395, &S::m_nRange, 1, 9999)));

void ShotDefaults(C& command) {
  S& shot = *command.m_pShot;
  shot.m_nGraphic = 1;
  command.m_nTime = 1;
  shot.m_nSpeed = 20;
  shot.m_nPower = 1;
  shot.m_bPassBlock = 1;
  shot.m_cZ = 3;
  command.m_nAnime = 1;
  command.m_nSound = 1;
  shot.m_nEffect = 1;
}

void SwordDefaults(C& command) {
  S& shot = *command.m_pShot;
  shot.m_bPassBlock = 1;
  shot.m_bPassChara = 1;
  shot.m_bVanishByShot = 0;
  shot.m_nPower = 10;
  shot.m_cZ = 3;
  command.m_nAnime = 1;
  command.m_nSound = 1;
  shot.m_nEffect = 1;
}

void SummonDefaults(C& command) {
  command.m_nTime = 1;
  command.m_nAnime = 1;
  command.m_nSound = 1;
  command.m_pShot->m_nSummonIndex = 1;
}

void BlockSummonDefaults(C& command) {
  SummonDefaults(command);
  S& shot = *command.m_pShot;
  shot.m_bFailOnPlayer = 0;
  shot.m_bFailOnEnemy = 1;
  shot.m_bMirrorX = 1;
}

// The life time of a summoned character or item lives in the shot block's distance members.
void LifeDefaults(S& shot) {
  shot.m_bNoScore = 1;
  shot.m_bUseRange = 1;
  shot.m_nRange = 100;
}

void CharaSummonDefaults(C& command) {
  SummonDefaults(command);
  LifeDefaults(*command.m_pShot);
}

void ItemSummonDefaults(C& command) {
  SummonDefaults(command);
  LifeDefaults(*command.m_pShot);
  command.m_pShot->m_bMirrorX = 1;
}
}  // namespace

const cCmdDialogSpec kShotDialogs[5] = {
    DialogSpec(kCmdShot, 209, "ショット", kShotCtrls, ShotDefaults, NewKind<cShotDialog>),
    DialogSpec(kCmdSword, 224, "ソード", kSwordCtrls, SwordDefaults, NewKind<cSwordDialog>),
    DialogSpec(kCmdBlockSummon, 258, "ブロック召喚", kBlockSummonCtrls, BlockSummonDefaults,
               NewSummon<kCmdBlockSummon>),
    DialogSpec(kCmdCharaSummon, 256, "キャラ召喚", kCharaSummonCtrls, CharaSummonDefaults, NewSummon<kCmdCharaSummon>),
    DialogSpec(kCmdItemSummon, 257, "アイテム召喚", kItemSummonCtrls, ItemSummonDefaults, NewSummon<kCmdItemSummon>),
};
