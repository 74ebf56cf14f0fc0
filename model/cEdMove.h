#pragma once
// The movement block of the movement and warp commands. One record serves every movement kind;
// each kind uses the members its dialog binds, and a few change meaning between kinds.

#include <cstdint>

#include "app/cDataRecord.h"

class cEdMove : public cDataRecord {
public:
  int8_t m_cSetType = 0;
  int8_t m_cDirection = 0;
  int16_t m_nAngle = 0;
  int16_t m_nCloneAngle = 0;
  int8_t m_bMirrorRotate = 1;
  int8_t m_bUseTargetX = 1;
  int8_t m_bUseTargetY = 1;
  int16_t m_nTargetX = 0;
  int16_t m_nTargetY = 0;
  int16_t m_nTargetDotX = 0;
  int16_t m_nTargetDotY = 0;
  int8_t m_cTargetType = 0;
  int8_t m_bUntilTarget = 1;
  int8_t m_bNoMoveX = 0;
  int8_t m_bNoMoveY = 0;
  int8_t m_bMirrorX = 1;
  int8_t m_bMirrorY = 0;
  int8_t m_bReverseOnTurn = 1;
  int8_t m_bNoJitter = 0;
  int8_t m_bKeepFacing = 0;
  int8_t m_cTimeMode = 0;
  int16_t m_nSpeed = 10;
  int16_t m_nCloneSpeed = 0;
  int16_t m_nDistance = 0;
  int16_t m_nCloneDistance = 0;
  int8_t m_cUnit = 0;
  int16_t m_nHoming = 0;
  int16_t m_nCloneHoming = 0;
  int8_t m_bInertia = 0;
  int16_t m_nMaxSpeed = 0;
  double m_dTurnRate = 1.0;
  int8_t m_bNoMoveAnime = 0;
  int8_t m_cTarget = 0;

  void SetDefaults();
  void RegisterFields(uint32_t version) override;
  void Load(cReadStream& stream) override;
  void Save(cWriteStream& stream) override;
  void Validate() {}

  bool operator==(const cEdMove& other) const;
  bool operator!=(const cEdMove& other) const { return !(*this == other); }

private:
  void Upgrade(uint32_t version);
};

// Option rows of the movement, facing and jump dialogs; the stored value is the row.
extern const cString MoveSetNames[3];
extern const cString WarpModeNames[7];
extern const cString DirectionNames[14];
extern const cString TargetCoordNames[5];
extern const cString CoordNames[4];
extern const cString TargetNoNames[5];
extern const cString RotationNames[5];
extern const cString FacingNames[13];
extern const cString TimeModeNames[4];
extern const cString CircleTimeModeNames[3];
extern const cString JumpHeightNames[4];
extern const cString UnitNames[3];
