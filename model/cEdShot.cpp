#include "model/cEdShot.h"

#include "app/cApplication.h"
#include "database/cDatabaseSet.h"
#include "model/cPaletteLists.h"

const cString FormationNames[7] = {"直進A", "直進B", "拡散", "落雷", "爆発", "包囲", ""};
const cString AimSubjectNames[4] = {"ターゲット", "主人公", "自分", ""};
const cString ShotMoveNames[11] = {"直進",
                                   "主人公を狙う",
                                   "近いキャラを狙う",
                                   "ターゲットを狙う",
                                   "主人公へ誘導",
                                   "近いキャラへ誘導（対象死亡時、誘導を無効化）",
                                   "ターゲットへ誘導",
                                   "近いキャラへ誘導（対象死亡時、対象を変更）",
                                   "ウェーブ",
                                   "落下",
                                   ""};
const cString BlockSummonModeNames[4] = {"ブロックを召喚", "ブロックを消す",
                                         "ブロックがなければ召喚、ブロックがあれば消す", ""};
const cString SummonPaletteNames[3] = {"コモンパレット", "ステージパレット", ""};
const cString SummonPaletteNamesCommon[2] = {"コモンパレット", ""};
const cString SummonFactionNames[4] = {"パレットの設定に準ずる", "使用者と同じ", "番号で指定", ""};

namespace {
const cEffectParam kNone;
const cEffectParam kSpacing("間隔(hbl)", 0, 40, 0);
const cEffectParam kCourse("軌道変更(hbl)", 0, 40, 0);
const cEffectParam kHomingStart("誘導開始(hbl)", 0, 40, 0);
const cEffectParam kHomingEnd("誘導終了(hbl)", 0, 999, 999);
const cEffectParam kTargetFaction("対象勢力", 0, 7, 0);
}  // namespace

const cEffectParam FormationParamTable[18] = {
    kSpacing, kNone, kNone,  // 直進A
    kSpacing, kNone, kNone,  // 直進B
    {"角度", 0, 180, 30}, kNone, kNone,  // 拡散
    kSpacing, {"列の数", 1, 50, 1}, {"列の間隔(hbl)", 0, 40, 0},  // 落雷
    kNone, kNone, kNone,  // 爆発
    {"距離(hbl)", 0, 40, 6}, kNone, kNone,  // 包囲
};

const cEffectParam ShotMoveParamTable[30] = {
    kNone, kNone, kNone,  // 直進
    kCourse, kNone, kNone,  // 主人公を狙う
    kCourse, kTargetFaction, kNone,  // 近いキャラを狙う
    kCourse, kNone, kNone,  // ターゲットを狙う
    kHomingStart, kHomingEnd, kNone,  // 主人公へ誘導
    kHomingStart, kHomingEnd, kTargetFaction,  // 近いキャラへ誘導
    kHomingStart, kHomingEnd, kNone,  // ターゲットへ誘導
    kHomingStart, kHomingEnd, kTargetFaction,  // 近いキャラへ誘導
    {"波の最大(hbl)", 0, 100, 4}, {"波の速度", 0, 100, 4}, {"開始角度", 0, 359, 0},  // ウェーブ
    kCourse, kNone, kNone,  // 落下
};

void cEdShot::SetDefaults() {
  const cEdShot fresh;
  CopyFrom(const_cast<cEdShot&>(fresh));
}

void cEdShot::RegisterFields(uint32_t version) {
  ClearFields();
  RegisterChar(&m_cCount);
  RegisterChar(&m_cFormation);
  RegisterShort(m_nFormParam, 3);
  if (version >= 671) RegisterChar(&m_cAimSubject);
  RegisterChar(&m_cDirection);
  RegisterChar(&m_bAimAngle);
  if (version >= 767) RegisterChar(&m_cTargetNo);
  RegisterShort(&m_nAngle);
  RegisterShort(&m_nCloneAngle);
  if (version >= 158) RegisterChar(&m_bMirrorRotate);
  RegisterShort(&m_nSpread);
  RegisterChar(&m_bAngleOffset);
  RegisterChar(&m_cCloneCount);
  RegisterShort(&m_nOffsetX);
  RegisterShort(&m_nCloneOffsetX);
  RegisterShort(&m_nOffsetY);
  RegisterShort(&m_nCloneOffsetY);
  RegisterChar(&m_bMirrorX);
  RegisterChar(&m_bMirrorY);
  RegisterShort(&m_nGraphic);
  RegisterChar(&m_cZ);
  RegisterChar(&m_bTransparent);
  RegisterChar(&m_bUserFaction);
  RegisterChar(&m_cFaction);
  RegisterChar(&m_cReserved1);
  RegisterChar(&m_cGiant);
  RegisterChar(&m_cReserved2);
  RegisterChar(&m_cMoveType);
  RegisterShort(m_nMoveParam, 3);
  if (version >= 767) RegisterChar(&m_cMoveTargetNo);
  if (version >= 211) RegisterChar(&m_bScrollSync);
  RegisterShort(&m_nSpeed);
  RegisterShort(&m_nCloneSpeed);
  if (version >= 213) {
    RegisterChar(&m_bUseAccel);
    RegisterShort(&m_nAccel);
    RegisterShort(&m_nCloneAccel);
  }
  RegisterShort(&m_nRange);
  RegisterChar(&m_bUseRange);
  RegisterShort(&m_nCloneRange);
  RegisterChar(&m_bKeepAtEnd);
  RegisterChar(&m_bUseLife);
  RegisterShort(&m_nLife);
  RegisterShort(&m_nCloneLife);
  RegisterChar(&m_bPassBlock);
  RegisterChar(&m_bPassChara);
  if (version >= 636) RegisterChar(&m_bPassBlockChara);
  RegisterChar(&m_bVanishByShot);
  RegisterChar(&m_cVanishValue);
  RegisterInt(&m_nPower);
  RegisterShort(&m_nReserved3);
  RegisterChar(&m_cImpact);
  RegisterShort(&m_nEffect);
  RegisterChar(&m_cItemPalette);
  RegisterShort(&m_nItemIndex);
  RegisterChar(&m_cBlockMode);
  RegisterChar(&m_bFailOnPlayer);
  if (version >= 197) RegisterChar(&m_bFailOnEnemy);
  RegisterChar(&m_cSummonPalette);
  RegisterShort(&m_nSummonIndex);
  RegisterChar(&m_cFactionMode);
  RegisterChar(&m_bNoScore);
  RegisterChar(&m_bReverseFacing);
  if (version >= 762) {
    RegisterChar(&m_bAttack);
    RegisterChar(&m_cValidFlowId);
  }
}

void cEdShot::Load(cReadStream& stream) {
  cDataRecord::Load(stream);
  if (stream.Failed()) return;
  if (VersionRead() < kDataVersion) Upgrade(VersionRead());
  Validate();
}

void cEdShot::Save(cWriteStream& stream) {
  Validate();
  cDataRecord::Save(stream);
}

void cEdShot::Upgrade(uint32_t v) {
  // 158: the mirrored rotation arrived, off for older blocks.
  if (v < 158) m_bMirrorRotate = 0;
  // 197: one failure flag became two, for the player and for enemies.
  if (v < 197) m_bFailOnEnemy = m_bFailOnPlayer;
  // 212: homing shots follow the auto scroll; the flag that 211 stored is replaced too.
  if (v < 212) m_bScrollSync = m_cMoveType >= 4 && m_cMoveType <= 7 ? 1 : 0;
  // 213: acceleration arrived.
  if (v < 213) {
    m_bUseAccel = 0;
    m_nAccel = 0;
    m_nCloneAccel = 0;
  }
  // 636: passing block characters split from passing characters.
  if (v < 636) m_bPassBlockChara = m_bPassChara;
  // 671: the aim subject arrived; older shots aim at the target.
  if (v < 671) m_cAimSubject = 0;
}

void cEdShot::Validate() {
  if (m_cGiant <= 0) m_cGiant = 1;
  ClearInvalid(m_nEffect, g_DatabaseSet.m_vEffect.Count());
}

bool cEdShot::operator==(const cEdShot& other) const {
  return Equal(const_cast<cEdShot&>(*this), const_cast<cEdShot&>(other)) != 0;
}
