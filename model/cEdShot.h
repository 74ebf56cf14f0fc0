#pragma once
// The shot block of the commands that create something: shots, swords and the three summons.
// One record serves all five; some members change meaning between kinds.

#include <cstdint>

#include "app/cDataRecord.h"
#include "database/cEffectParam.h"

class cEdShot : public cDataRecord {
public:
  int8_t m_cCount = 0;
  int8_t m_cFormation = 0;
  int16_t m_nFormParam[3] = {};
  int8_t m_cAimSubject = 0;
  int8_t m_cDirection = 0;
  int8_t m_bAimAngle = 0;
  int8_t m_cTargetNo = 0;
  int16_t m_nAngle = 0;
  int16_t m_nCloneAngle = 0;
  int8_t m_bMirrorRotate = 1;
  int16_t m_nSpread = 0;
  int8_t m_bAngleOffset = 0;
  int8_t m_cCloneCount = 0;
  int16_t m_nOffsetX = 0;
  int16_t m_nCloneOffsetX = 0;
  int16_t m_nOffsetY = 0;
  int16_t m_nCloneOffsetY = 0;
  int8_t m_bMirrorX = 1;
  int8_t m_bMirrorY = 0;
  int16_t m_nGraphic = 0;
  int8_t m_cZ = 0;
  int8_t m_bTransparent = 0;
  int8_t m_bUserFaction = 1;
  int8_t m_cFaction = 0;
  int8_t m_cReserved1 = 0;
  int8_t m_cGiant = 1;
  int8_t m_cReserved2 = 0;
  int8_t m_cMoveType = 0;
  int16_t m_nMoveParam[3] = {};
  int8_t m_cMoveTargetNo = 0;
  int8_t m_bScrollSync = 0;
  int16_t m_nSpeed = 0;
  int16_t m_nCloneSpeed = 0;
  int8_t m_bUseAccel = 0;
  int16_t m_nAccel = 0;
  int16_t m_nCloneAccel = 0;
  int8_t m_bUseRange = 0;
  int16_t m_nRange = 0;
  int16_t m_nCloneRange = 0;
  int8_t m_bKeepAtEnd = 0;
  int8_t m_bUseLife = 0;
  int16_t m_nLife = 0;
  int16_t m_nCloneLife = 0;
  int8_t m_bPassBlock = 0;
  int8_t m_bPassChara = 0;
  int8_t m_bPassBlockChara = 0;
  int8_t m_bVanishByShot = 0;
  int8_t m_cVanishValue = 0;
  int32_t m_nPower = 0;
  int16_t m_nReserved3 = 0;
  int8_t m_cImpact = 0;
  int16_t m_nEffect = 0;
  int8_t m_cItemPalette = 0;
  int16_t m_nItemIndex = 0;
  int8_t m_cBlockMode = 0;
  int8_t m_cSummonPalette = 0;
  int16_t m_nSummonIndex = 0;
  int8_t m_cFactionMode = 0;
  int8_t m_bFailOnPlayer = 0;
  int8_t m_bFailOnEnemy = 0;
  int8_t m_bNoScore = 0;
  int8_t m_bReverseFacing = 0;
  int8_t m_bAttack = 0;
  int8_t m_cValidFlowId = 0;

  void SetDefaults();
  void RegisterFields(uint32_t version) override;
  void Load(cReadStream& stream) override;
  void Save(cWriteStream& stream) override;
  void Validate();

  bool operator==(const cEdShot& other) const;
  bool operator!=(const cEdShot& other) const { return !(*this == other); }

private:
  void Upgrade(uint32_t version);
};

// Option rows of the shot and summon dialogs; the stored value is the row.
extern const cString FormationNames[7];
extern const cString AimSubjectNames[4];
extern const cString ShotMoveNames[11];
extern const cString BlockSummonModeNames[4];
extern const cString SummonPaletteNames[3];
extern const cString SummonPaletteNamesCommon[2];
extern const cString SummonFactionNames[4];

// Labels, ranges and defaults of the three formation parameters (entry 3 x formation + i) and of
// the three movement-type parameters of a shot (entry 3 x movement type + i); an unused
// parameter has an empty label.
extern const cEffectParam FormationParamTable[18];
extern const cEffectParam ShotMoveParamTable[30];
