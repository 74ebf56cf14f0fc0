#include "model/cEdChara.h"

#include <algorithm>

#include "app/cApplication.h"
#include "database/cDatabaseSet.h"
#include "model/cEdBlock.h"
#include "model/cPaletteLists.h"

const cString ControlNames[3] = {"プレイヤー", "コンピューター", ""};
const cString PlayerNoNames[2] = {"1", ""};
const cString FlyingNames[5] = {"OFF", "ON (ブロックをすり抜ける)", "ON (ブロックに当たる)", "ON (ブロックに当たると即死)", ""};
const cString InvincibleNames[4] = {"OFF", "ON (ショットが当たる)", "ON (ショットがすり抜ける)", ""};
const cString GiantNames[11] = {"しない", "×4", "×9", "×16", "×25", "×36", "×49", "×64", "×81", "×100", ""};
const cString GiantSizeNames[10] = {"×4", "×9", "×16", "×25", "×36", "×49", "×64", "×81", "×100", ""};
const cString ViewShapeNames[6] = {"画面内全て", "キャラを中心とした円形", "キャラの前方に円形",
                                   "キャラを中心とした正方形", "キャラの前方に正方形", ""};
const cString BodyHitRangeNames[5] = {"キャラ対キャラの当たり判定範囲（推奨）", "キャラ対ショットの当たり判定範囲",
                                      "ショット対キャラの当たり判定範囲", "32×32", ""};
const cString ActRangeNames[5] = {"画面内", "X座標のみ画面内", "Y座標のみ画面内", "全範囲", ""};
const cString ActJudgeNames[4] = {"範囲かグループが真なら成立", "一度範囲かグループが真になると、以後無条件で成立",
                                  "範囲とグループが偽なら成立", ""};

void cEdChara::SetDefaults() {
  const cEdChara fresh;
  m_nHeldItem = 0;
  CopyFrom(const_cast<cEdChara&>(fresh));
  m_bbInherit = fresh.m_bbInherit;
}

void cEdChara::RegisterFields(uint32_t version) {
  ClearFields();
  RegisterChar(&m_cInheritPalette);
  RegisterShort(&m_nInheritIndex);
  RegisterString(&m_strName);
  RegisterChar(&m_cAppearJudge);
  RegisterChar(&m_bAppearOnce);
  RegisterChar(&m_bFaceRight);
  RegisterChar(&m_cCloneCount);
  RegisterShort(&m_nOffsetX);
  RegisterShort(&m_nCloneOffsetX);
  RegisterShort(&m_nOffsetY);
  RegisterShort(&m_nCloneOffsetY);
  RegisterChar(&m_bMirrorOffsetX);
  RegisterChar(&m_bMirrorOffsetY);
  RegisterShort(&m_nGraphic);
  RegisterChar(&m_cGraphicSheet);
  RegisterShort(&m_nGraphicFrame);
  RegisterShort(&m_nAnimeSet);
  RegisterChar(&m_cZ);
  RegisterChar(&m_bTransparent);
  RegisterShort(&m_nStartEffect);
  if (version >= 196) RegisterChar(&m_cStartEffectRun);
  RegisterChar(&m_bStartEffectLoop);
  RegisterShort(&m_nDeathEffect);
  if (version >= 196) RegisterChar(&m_cDeathEffectRun);
  RegisterChar(&m_cMarkShow);
  RegisterShort(&m_nMark);
  RegisterChar(&m_cControl);
  RegisterChar(&m_cPlayerNo);
  RegisterChar(&m_cFaction);
  RegisterChar(&m_cCharaId);
  RegisterChar(&m_cFlying);
  RegisterChar(&m_bFixedFacing);
  RegisterChar(&m_cInvincible);
  if (version >= 285) RegisterChar(&m_cInvincibleEffect);
  RegisterChar(&m_bBlock);
  RegisterChar(&m_cGiant);
  if (version >= 210) RegisterChar(&m_bScrollSync);
  RegisterChar(&m_cViewShape);
  RegisterChar(&m_cViewRange);
  RegisterInt(&m_nHp);
  RegisterInt(&m_nSp);
  RegisterShort(&m_nStopEase);
  if (version >= 201) RegisterChar(&m_cBodyHitRange);
  RegisterInt(&m_nBodyPower);
  RegisterChar(&m_cBodyImpact);
  RegisterShort(&m_nBodyEffect);
  if (version >= 168) RegisterInt(&m_nDefence);
  RegisterChar(&m_cImpactResist);
  RegisterInt(&m_nScore);
  RegisterChar(&m_bHoldItem);
  RegisterChar(&m_bHasGroup);
  RegisterShort(&m_nGroupNo);
  RegisterChar(&m_cActRange);
  RegisterChar(&m_cActJudge);
}

void cEdChara::Load(cReadStream& stream) {
  cDataRecord::Load(stream);
  stream.Read(&m_nCellX, 2);
  stream.Read(&m_nCellY, 2);
  stream.Read(&m_nHeldItem, 4);
  ReadByteVector(m_bbInherit, stream);
  LoadList(m_vAppearCond, stream);
  LoadList(m_vFlow, stream);
  if (stream.Failed()) return;
  if (VersionRead() < kDataVersion) Upgrade(VersionRead());
  // Palettes load before what follows them, so the source is already in place.
  ApplyInheritance();
  // Conditions and flows validated themselves as they loaded (inherited ones in their palette).
  ValidateOwn();
  DropEmptyFlows();
}

void cEdChara::Save(cWriteStream& stream) {
  Validate();
  cDataRecord::Save(stream);
  stream.Write(&m_nCellX, 2);
  stream.Write(&m_nCellY, 2);
  stream.Write(&m_nHeldItem, 4);
  WriteByteVector(m_bbInherit, stream);
  SaveList(m_vAppearCond, stream);
  SaveList(m_vFlow, stream);
}

void cEdChara::Upgrade(uint32_t v) {
  // 168: defence arrived, with its inheritance group.
  if (v < 168) {
    m_nDefence = 0;
    InsertInheritFlag(27);
  }
  // 196: the run types of the two character effects arrived.
  if (v < 196) {
    m_cStartEffectRun = 0;
    m_cDeathEffectRun = 0;
  }
  // 201: the body hit range arrived, with its group.
  if (v < 201) {
    m_cBodyHitRange = 0;
    InsertInheritFlag(24);
  }
  // 206: a body hit range was inserted at 2.
  if (v < 206 && m_cBodyHitRange >= 2) ++m_cBodyHitRange;
  // 210: the auto-scroll sync arrived, with its group.
  if (v < 210) {
    m_bScrollSync = 0;
    InsertInheritFlag(21);
  }
  // 219: the shot sheet's numbering moved up one.
  if (v < 219 && m_cGraphicSheet == 3) m_nGraphic = static_cast<int16_t>(ShiftedShotGraphic(m_nGraphic));
  // 285: the invincibility effect arrived; older characters get row 1 ("白").
  if (v < 285) m_cInvincibleEffect = 1;
}

void cEdChara::InsertInheritFlag(int index) {
  m_bbInherit.resize(kGroupCount);
  ShiftFlagsUp(m_bbInherit, index);
  m_bbInherit[index] = 1;
}

void cEdChara::Validate() {
  ValidateOwn();
  for (cCondData& cond : m_vAppearCond) cond.Validate();
  for (cFlowData& flow : m_vFlow) flow.Validate();
  DropEmptyFlows();
}

void cEdChara::DropEmptyFlows() {
  m_vFlow.erase(std::remove_if(m_vFlow.begin(), m_vFlow.end(), [](const cFlowData& flow) { return flow.IsEmpty(); }),
                m_vFlow.end());
}

void cEdChara::ValidateOwn() {
  ValidateInheritSource(m_cInheritPalette, m_nInheritIndex, PaletteCharaCount(m_cInheritPalette));
  // A dedicated bitmap that no longer exists falls back to the first one.
  if (m_cGraphicSheet == 4 && !IsValidIndex(m_nGraphic, g_DatabaseSet.m_vCharaExc.Count())) m_nGraphic = 1;
  if (m_cGiant <= 0) m_cGiant = 1;
  ClearInvalid(m_nAnimeSet, g_DatabaseSet.m_vAnimeSet.Count());
  ClearInvalid(m_nStartEffect, g_DatabaseSet.m_vCharaEffect.Count());
  ClearInvalid(m_nDeathEffect, g_DatabaseSet.m_vCharaEffect.Count());
  ClearInvalid(m_nBodyEffect, g_DatabaseSet.m_vEffect.Count());
  // A player character neither clones nor acts as a block.
  if (m_cControl == 0) {
    m_bBlock = 0;
    m_cCloneCount = 0;
  }
}

void cEdChara::ValidatePaletteRefs() {
  for (cFlowData& flow : m_vFlow) flow.ValidatePaletteRefs();
}

bool cEdChara::operator==(const cEdChara& other) const {
  if (m_nGraphic == 0 && other.m_nGraphic == 0) return true;
  return Equal(const_cast<cEdChara&>(*this), const_cast<cEdChara&>(other)) && m_bbInherit == other.m_bbInherit &&
         m_vAppearCond == other.m_vAppearCond && m_vFlow == other.m_vFlow;
}
