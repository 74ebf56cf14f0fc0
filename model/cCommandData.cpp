#include "model/cCommandData.h"

#include "app/cApplication.h"
#include "database/cDatabaseSet.h"
#include "model/cEdBlock.h"
#include "model/cFlagVector.h"
#include "model/cPaletteLists.h"

namespace {

// Flows nest inside commands and commands inside flows; a hostile file could nest them until
// the stack runs out. Files this editor writes nest one level.
constexpr int kMaxFlowNesting = 16;
thread_local int t_nFlowNesting = 0;

// Parameters are stored values of any size: steps that raise them wrap as the stored form does.
void Raise(int32_t& value, int32_t by = 1) {
  value = static_cast<int32_t>(static_cast<uint32_t>(value) + static_cast<uint32_t>(by));
}

struct cNesting {
  cNesting() { ++t_nFlowNesting; }
  ~cNesting() { --t_nFlowNesting; }
};

}  // namespace

void cCommandData::SetDefaults() {
  const cCommandData fresh;
  CopyFrom(const_cast<cCommandData&>(fresh));
  m_pMove.Reset();
  m_pShot.Reset();
  m_pCondList.Reset();
}

void cCommandData::RegisterFields(uint32_t) {
  ClearFields();
  RegisterChar(&m_cSet);
  RegisterChar(&m_cKind);
  RegisterShort(&m_nTime);
  RegisterShort(&m_nCloneTime);
  RegisterChar(&m_bParallel);
  RegisterShort(&m_nSound);
  RegisterChar(&m_bMuteOffScreen);
  RegisterShort(&m_nAnime);
  RegisterString(&m_strText);
}

void cCommandData::Load(cReadStream& stream) {
  cDataRecord::Load(stream);
  m_pMove.Load(stream);
  m_pShot.Load(stream);
  // Condition lists arrived in 764.
  if (VersionRead() >= 764) m_pCondList.Load(stream);
  else m_pCondList.Reset();
  LoadFlows(stream);
  ReadIntVector(m_vParam, stream);
  if (stream.Failed()) return;
  // A foreign file may lack the payload that the upgrades and the validation work on.
  CreateNeededPayload();
  if (VersionRead() < kDataVersion) Upgrade(VersionRead());
  // The nested flows validated themselves as they loaded.
  ValidateOwn();
}

void cCommandData::LoadFlows(cReadStream& stream) {
  cNesting nesting;
  if (t_nFlowNesting <= kMaxFlowNesting) {
    LoadList(m_vFlow, stream);
    return;
  }
  uint32_t count = 0;
  if (stream.ReadU32(count) && count) stream.Fail();
  m_vFlow.Release();
}

void cCommandData::Save(cWriteStream& stream) {
  Validate();
  cDataRecord::Save(stream);
  m_pMove.Save(stream);
  m_pShot.Save(stream);
  m_pCondList.Save(stream);
  SaveList(m_vFlow, stream);
  WriteIntVector(m_vParam, stream);
}

const cCmdKindInfo* cCommandData::KindInfo() const { return FindCmdKind(m_cSet, m_cKind); }

int cCommandData::CharaKind() const {
  if (m_cSet == 0) return m_cKind;
  return m_cKind >= 2 ? m_cKind + kItemCmdOffset : 0;
}

void cCommandData::SizeParams() {
  if (const cCmdKindInfo* info = KindInfo()) m_vParam.resize(info->m_nParamCount);
}

void cCommandData::CreateNeededPayload() {
  int kind = CharaKind();
  if (((kind >= kCmdStraightMove && kind <= kCmdStopMove) || kind == kCmdWarp) && !m_pMove) m_pMove.Create();
  if (kind >= kCmdShot && kind <= kCmdItemSummon && !m_pShot) m_pShot.Create();
  if (kind == kCmdFlowOp && !m_pCondList) m_pCondList.Create();
}

int32_t& cCommandData::Param(int i) {
  // Upgrades read parameters of old files that may hold fewer than the kind has.
  if (static_cast<size_t>(i) >= m_vParam.size()) m_vParam.resize(i + 1);
  return m_vParam[i];
}

void cCommandData::InsertParam(int i, int32_t value, int count) {
  ResizeParams(count);
  ShiftParamsUp(m_vParam, i);
  m_vParam[i] = value;
}

// A status row inserted in the status command: the left status (subject P3, row P4) and, for a
// status on the right, P12 and P13; subject 2 keeps its rows.
void cCommandData::InsertStatusRow(int row) {
  if (Param(0) == 0 && Param(3) != 2 && Param(4) >= row) Raise(Param(4));
  if (Param(6) == 2 && Param(12) != 2 && Param(13) >= row) Raise(Param(13));
}

// Kinds below are those a file stored: before 734 every character kind from 24 on (item kind
// from 9 on) was one lower.
void cCommandData::Upgrade(uint32_t v) {
  int kind = CharaKind();
  // 145: stage clear gained its settings.
  if (v < 145 && kind == kCmdStageClear) ResizeParams(9);
  // 166: BGM play (then 35) gained its loop flag.
  if (v < 166 && kind == 35) {
    ResizeParams(2);
    Param(1) = 1;
  }
  // 168: a status row at 10.
  if (v < 168 && kind == kCmdStatus) InsertStatusRow(10);
  // 189: target setting gained a parameter at 2.
  if (v < 189 && kind == kCmdSetTarget) InsertParam(2, 0, 16);
  // 194: picture display (then 31) gained a parameter at 6.
  if (v < 194 && kind == 31) InsertParam(6, 1, 15);
  // 195: character and screen effects (then 29, 30) gained a parameter at 1.
  if (v < 195 && (kind == 29 || kind == 30)) InsertParam(1, 0, 3);
  // 203: summons lost their parameters, flow operations hold four; a status row at 5.
  if (v < 203 && (kind == kCmdCharaSummon || kind == kCmdItemSummon)) ResizeParams(0);
  if (v < 203 && kind == kCmdFlowOp) ResizeParams(4);
  if (v < 203 && kind == kCmdStatus) InsertStatusRow(5);
  // 210: a flag status at 6.
  if (v < 210 && kind == kCmdStatus2 && Param(0) != 2 && Param(1) >= 6) Raise(Param(1));
  // 219: the shot sheet's numbering moved up one (graphic change, then 25).
  if (v < 219 && kind == 25 && Param(0) == 3) Param(1) = ShiftedShotGraphic(Param(1));
  if (v < 220 && kind == kCmdShot) m_pShot->m_nGraphic = static_cast<int16_t>(ShiftedShotGraphic(m_pShot->m_nGraphic));
  // 514: charge moves gained an angle.
  if (v < 514 && kind == kCmdChargeMove) {
    m_pMove->m_nAngle = 0;
    m_pMove->m_nCloneAngle = 0;
    m_pMove->m_bMirrorRotate = 1;
  }
  if (kind == kCmdMessage) UpgradeMessage(v);
  if (kind == 31) UpgradePicture(v);
  // 722: a stage clear mode at 2.
  if (v < 722 && kind == kCmdStageClear && Param(0) > 1) Raise(Param(0));
  if (kind == 37) UpgradeArrange(v);
  // 734: "消滅" was inserted at 24 (item kind 9); arrange names character kinds.
  if (v < 734) {
    if (m_cSet == 0 ? m_cKind > 23 : m_cKind > 8) ++m_cKind;
    kind = CharaKind();
    if (kind == kCmdArrange && Param(0) > 23) Raise(Param(0));
  }
  UpgradeFrom734(v, kind);
}

// Message steps of 545 to 723: new settings, each with its default.
void cCommandData::UpgradeMessage(uint32_t v) {
  if (v < 545) {
    ResizeParams(18);
    Param(10) = 1;
  }
  if (v < 546) Param(10) = Param(0) == 0 || Param(0) == 7 ? 1 : 0;
  if (v < 547) {
    ResizeParams(18);
    Param(11) = Param(12) = Param(13) = 0;
    Param(14) = 1;
    Param(15) = 0;
  }
  if (v < 556) {
    ResizeParams(18);
    Param(16) = 1;
  }
  if (v < 723) {
    ResizeParams(18);
    Param(17) = 0;
  }
}

// Picture display steps of 545 to 723 (then kind 31).
void cCommandData::UpgradePicture(uint32_t v) {
  if (v < 545) {
    ResizeParams(15);
    Param(11) = 0;
  }
  if (v < 547) {
    ResizeParams(15);
    Param(12) = Param(13) = 0;
  }
  if (v < 723) {
    ResizeParams(15);
    Param(14) = 0;
  }
}

// Arrange (then kind 37): 726 gave it a target kind, 727 inserted shot settings it names.
void cCommandData::UpgradeArrange(uint32_t v) {
  if (v < 726) {
    ResizeParams(5);
    Param(0) = kCmdShot;
  }
  if (v < 727 && Param(0) == kCmdShot)
    for (int t : {1, 2, 3, 13, 14, 15, 16})
      if (Param(1) > t) Raise(Param(1));
}

void cCommandData::UpgradeFrom734(uint32_t v, int kind) {
  // 747: target setting gained three settings.
  if (v < 747 && kind == kCmdSetTarget) {
    ResizeParams(16);
    Param(10) = 0;
    Param(11) = 1;
    Param(14) = 0;
  }
  // 760: flow operations gained P3.
  if (v < 760 && kind == kCmdFlowOp) {
    ResizeParams(4);
    Param(3) = 0;
  }
  // 764: flow operations gained run conditions, none set.
  if (v < 764 && kind == kCmdFlowOp) {
    m_pCondList.Create();
    m_pCondList->m_bHasCond = 0;
  }
  // 767: targets 2 to 4 arrived.
  if (v < 767) UpgradeTargets(kind);
}

// Version 767 added three targets: rows that name targets or what follows them move.
void cCommandData::UpgradeTargets(int kind) {
  switch (kind) {
    case kCmdTurn:
      if (Param(0) > 3) Raise(Param(0), 6);
      break;
    case kCmdWarp:
      if (m_pMove->m_cSetType > 1) m_pMove->m_cSetType += 3;
      break;
    case kCmdSetTarget:
      InsertParam(0, 0, 16);
      break;
    case kCmdStatus:
      if (Param(0) == 0 && Param(3) > 1) Raise(Param(3), 3);
      if (Param(6) == 2 && Param(12) > 1) Raise(Param(12), 3);
      break;
    case kCmdStatus2:
      if (Param(0) > 1) Raise(Param(0), 3);
      break;
  }
}

void cCommandData::Validate() {
  ValidateOwn();
  for (cFlowData& flow : m_vFlow) flow.Validate();
}

void cCommandData::ValidateOwn() {
  ClearInvalid(m_nAnime, g_DatabaseSet.m_vAnime.Count());
  ClearInvalid(m_nSound, g_DatabaseSet.m_vSound.Count());
  SizeParams();
  CreateNeededPayload();
  int kind = CharaKind();
  if (kind == kCmdSword && m_pShot) ValidateSword();
  ValidateTableParam(kind);
}

// The sword type, and the command's time: the sum of its positions' times, at most 9999.
void cCommandData::ValidateSword() {
  const cVector<cSwordTypeData>& types = g_DatabaseSet.m_vSwordType;
  if (!IsValidIndex(m_pShot->m_cMoveType, types.Count())) m_pShot->m_cMoveType = 0;
  // Without sword types there are no positions to time.
  if (types.empty()) return;
  m_nTime = SwordTypeTotalTime(types[m_pShot->m_cMoveType]);
}

// The kinds whose first parameter names a database entry; one outside its table becomes the
// first entry (the anime set: entry 0).
void cCommandData::ValidateTableParam(int kind) {
  int count, fallback = 1;
  switch (kind) {
    case kCmdAnimeSet:
      count = g_DatabaseSet.m_vAnimeSet.Count();
      fallback = 0;
      break;
    case kCmdAnime: count = g_DatabaseSet.m_vAnime.Count(); break;
    case kCmdEffect: count = g_DatabaseSet.m_vEffect.Count(); break;
    case kCmdCharaEffect: count = g_DatabaseSet.m_vCharaEffect.Count(); break;
    case kCmdScrEffect: count = g_DatabaseSet.m_vScrEffect.Count(); break;
    case kCmdPicture: count = g_DatabaseSet.m_vPicture.Count(); break;
    case kCmdSound: count = g_DatabaseSet.m_vSound.Count(); break;
    case kCmdBgm: count = g_DatabaseSet.m_vBgm.Count(); break;
    default: return;
  }
  if (!m_vParam.empty() && !IsValidIndex(m_vParam[0], count)) m_vParam[0] = fallback;
}

void cCommandData::ValidatePaletteRefs() {
  int kind = CharaKind();
  if ((kind == kCmdShot || kind == kCmdSword) && m_pShot) {
    cEdShot& shot = *m_pShot;
    if ((shot.m_cItemPalette == kPaletteCommon || shot.m_cItemPalette == kPaletteStage) &&
        !IsValidIndex(shot.m_nItemIndex, PaletteItemCount(shot.m_cItemPalette))) {
      shot.m_cItemPalette = 0;
      shot.m_nItemIndex = 0;
    }
  }
  if (kind >= kCmdBlockSummon && kind <= kCmdItemSummon && m_pShot) ValidateSummonRef();
  // Taking an item names its palette in P0 (0 common, 1 stage) and the item in P1.
  if (kind == kCmdTakeItem && m_vParam.size() >= 2 && (m_vParam[0] == 0 || m_vParam[0] == 1) &&
      !IsValidIndex(m_vParam[1], PaletteItemCount(m_vParam[0] + kPaletteCommon)))
    m_vParam[1] = 1;
  for (cFlowData& flow : m_vFlow) flow.ValidatePaletteRefs();
}

// Summons name their palette as 0 common, 1 stage, and an entry of the kind they summon.
void cCommandData::ValidateSummonRef() {
  cEdShot& shot = *m_pShot;
  if (shot.m_cSummonPalette != 0 && shot.m_cSummonPalette != 1) return;
  int palette = shot.m_cSummonPalette + kPaletteCommon;
  int count = m_cKind == kCmdBlockSummon  ? PaletteBlockCount(palette)
              : m_cKind == kCmdCharaSummon ? PaletteCharaCount(palette)
                                           : PaletteItemCount(palette);
  if (!IsValidIndex(shot.m_nSummonIndex, count)) shot.m_nSummonIndex = 1;
}

bool cCommandData::operator==(const cCommandData& other) const {
  return Equal(const_cast<cCommandData&>(*this), const_cast<cCommandData&>(other)) &&
         cDataPtr<cEdMove>::Equal(m_pMove, other.m_pMove) && cDataPtr<cEdShot>::Equal(m_pShot, other.m_pShot) &&
         cDataPtr<cCondList>::Equal(m_pCondList, other.m_pCondList) && m_vParam == other.m_vParam &&
         m_vFlow == other.m_vFlow;
}
