#include "model/cEdMove.h"

#include "app/cApplication.h"

const cString MoveSetNames[3] = {"方向で指定", "目標座標で指定", ""};
const cString WarpModeNames[7] = {"方向と距離で指定",
                                  "ターゲット1からの方向と距離で指定",
                                  "ターゲット2からの方向と距離で指定",
                                  "ターゲット3からの方向と距離で指定",
                                  "ターゲット4からの方向と距離で指定",
                                  "目標座標で指定",
                                  ""};
const cString DirectionNames[14] = {"前", "後", "左", "右", "前Y", "後Y", "上", "下",
                                    "左上", "左下", "右上", "右下", "入力方向", ""};
const cString TargetCoordNames[5] = {"配置位置からの相対座標", "相対座標", "絶対座標", "画面座標", ""};
const cString CoordNames[4] = {"相対座標", "絶対座標", "画面座標", ""};
const cString TargetNoNames[5] = {"ターゲット1", "ターゲット2", "ターゲット3", "ターゲット4", ""};
const cString RotationNames[5] = {"右回り", "左回り", "左向きなら右回り、右向きなら左回り",
                                  "左向きなら左回り、右向きなら右回り", ""};
const cString FacingNames[13] = {"左を向く",
                                 "右を向く",
                                 "ターゲット1がいる方を向く",
                                 "ターゲット1がいる方の逆を向く",
                                 "ターゲット2がいる方を向く",
                                 "ターゲット2がいる方の逆を向く",
                                 "ターゲット3がいる方を向く",
                                 "ターゲット3がいる方の逆を向く",
                                 "ターゲット4がいる方を向く",
                                 "ターゲット4がいる方の逆を向く",
                                 "最後にブロックが当たった方を向く",
                                 "最後にブロックが当たった方の逆を向く",
                                 ""};
const cString TimeModeNames[4] = {"時間と速度を指定", "時間と距離を指定", "速度と距離を指定", ""};
const cString CircleTimeModeNames[3] = {"時間を指定", "速度を指定", ""};
const cString JumpHeightNames[4] = {"高さがキーで調節できない", "高さがキーで調節できる(主人公のみ有効)",
                                    "慣性移動速度に応じて高さを決定(主人公のみ有効)", ""};
const cString UnitNames[3] = {"(hbl)で指定", "(dot)で指定", ""};

void cEdMove::SetDefaults() {
  const cEdMove fresh;
  CopyFrom(const_cast<cEdMove&>(fresh));
}

void cEdMove::RegisterFields(uint32_t version) {
  ClearFields();
  RegisterChar(&m_cSetType);
  RegisterChar(&m_cDirection);
  RegisterShort(&m_nAngle);
  RegisterShort(&m_nCloneAngle);
  if (version >= 158) RegisterChar(&m_bMirrorRotate);
  RegisterChar(&m_bUseTargetX);
  RegisterChar(&m_bUseTargetY);
  RegisterShort(&m_nTargetX);
  RegisterShort(&m_nTargetY);
  RegisterShort(&m_nTargetDotX);
  RegisterShort(&m_nTargetDotY);
  RegisterChar(&m_cTargetType);
  RegisterChar(&m_bUntilTarget);
  RegisterChar(&m_bNoMoveX);
  RegisterChar(&m_bNoMoveY);
  RegisterChar(&m_bMirrorX);
  RegisterChar(&m_bMirrorY);
  RegisterChar(&m_bReverseOnTurn);
  RegisterChar(&m_bNoJitter);
  if (version >= 162) RegisterChar(&m_bKeepFacing);
  RegisterChar(&m_cTimeMode);
  RegisterShort(&m_nSpeed);
  RegisterShort(&m_nCloneSpeed);
  RegisterShort(&m_nDistance);
  RegisterShort(&m_nCloneDistance);
  if (version >= 159) RegisterChar(&m_cUnit);
  RegisterShort(&m_nHoming);
  RegisterShort(&m_nCloneHoming);
  RegisterChar(&m_bInertia);
  RegisterShort(&m_nMaxSpeed);
  AddDoubleField(&m_dTurnRate);
  if (version >= 162) RegisterChar(&m_bNoMoveAnime);
  if (version >= 767) RegisterChar(&m_cTarget);
}

void cEdMove::Load(cReadStream& stream) {
  cDataRecord::Load(stream);
  if (stream.Failed()) return;
  if (VersionRead() < kDataVersion) Upgrade(VersionRead());
  Validate();
}

void cEdMove::Save(cWriteStream& stream) {
  Validate();
  cDataRecord::Save(stream);
}

void cEdMove::Upgrade(uint32_t v) {
  // 158: the mirrored rotation arrived, off for older blocks.
  if (v < 158) m_bMirrorRotate = 0;
  // 159: the distance unit arrived; older distances are in blocks.
  if (v < 159) m_cUnit = 0;
  // 162: keeping the facing and the move animation switch arrived.
  if (v < 162) {
    m_bKeepFacing = 0;
    m_bNoMoveAnime = 0;
  }
}

bool cEdMove::operator==(const cEdMove& other) const {
  return Equal(const_cast<cEdMove&>(*this), const_cast<cEdMove&>(other)) != 0;
}
