#pragma once
// A character: a palette entry, a character placed on a stage cell, or the project's default
// character, with its behaviour as a list of flows. A character whose graphic number is 0 is
// the empty character.

#include <cstdint>

#include "app/cDataRecord.h"
#include "model/cCondData.h"
#include "model/cFlagVector.h"
#include "model/cFlowData.h"

class cEdChara : public cDataRecord {
public:
  static constexpr int kGroupCount = 37;

  int16_t m_nCellX = 0;
  int16_t m_nCellY = 0;
  // Set by the stage save: the held item's place in the stage file's item list, or -1.
  int32_t m_nHeldItem = 0;
  int8_t m_cInheritPalette = 0;
  int16_t m_nInheritIndex = 0;
  cFlagVector<kGroupCount> m_bbInherit;
  cString m_strName;
  cVector<cCondData> m_vAppearCond;
  int8_t m_cAppearJudge = 0;
  int8_t m_bAppearOnce = 0;
  int8_t m_bFaceRight = 0;
  int8_t m_cCloneCount = 0;
  int16_t m_nOffsetX = 0;
  int16_t m_nCloneOffsetX = 0;
  int16_t m_nOffsetY = 0;
  int16_t m_nCloneOffsetY = 0;
  int8_t m_bMirrorOffsetX = 0;
  int8_t m_bMirrorOffsetY = 0;
  int16_t m_nGraphic = 0;
  int8_t m_cGraphicSheet = 1;
  int16_t m_nGraphicFrame = 0;
  int16_t m_nAnimeSet = 0;
  int8_t m_cZ = 3;
  int8_t m_bTransparent = 0;
  int16_t m_nStartEffect = 0;
  int8_t m_cStartEffectRun = 0;
  int8_t m_bStartEffectLoop = 1;
  int16_t m_nDeathEffect = 0;
  int8_t m_cDeathEffectRun = 0;
  int8_t m_cMarkShow = 0;
  int16_t m_nMark = 0;
  int8_t m_cControl = 1;
  int8_t m_cPlayerNo = 0;
  int8_t m_cFaction = 1;
  int8_t m_cCharaId = 0;
  int8_t m_cFlying = 0;
  int8_t m_bFixedFacing = 1;
  int8_t m_cInvincible = 0;
  int8_t m_cInvincibleEffect = 0;
  int8_t m_bBlock = 0;
  int8_t m_cGiant = 1;
  int8_t m_bScrollSync = 0;
  int8_t m_cViewShape = 0;
  int8_t m_cViewRange = 0;
  int32_t m_nHp = 10;
  int32_t m_nSp = 0;
  int16_t m_nStopEase = 10;
  int8_t m_cBodyHitRange = 0;
  int32_t m_nBodyPower = 0;
  int8_t m_cBodyImpact = 0;
  int16_t m_nBodyEffect = 0;
  int32_t m_nDefence = 0;
  int8_t m_cImpactResist = 0;
  int32_t m_nScore = 0;
  int8_t m_bHoldItem = 1;
  int8_t m_bHasGroup = 0;
  int16_t m_nGroupNo = 0;
  int8_t m_cActRange = 0;
  int8_t m_cActJudge = 0;
  cVector<cFlowData> m_vFlow;

  // Every field back to its default, 37 zero flags, held item 0; conditions, flows and cell stay.
  void SetDefaults();
  void RegisterFields(uint32_t version) override;
  void Load(cReadStream& stream) override;
  void Save(cWriteStream& stream) override;
  // Takes the flagged groups from the palette entry the record follows (model/Inheritance.h).
  void ApplyInheritance();
  // Repairs references and drops empty flows.
  void Validate();
  // Repairs the palette references of every command, once every palette is present.
  void ValidatePaletteRefs();

private:
  // Everything Validate checks but the conditions and flows.
  void ValidateOwn();
  void DropEmptyFlows();

public:

  // Two empty characters are equal whatever else they hold; cell and held item take no part.
  bool operator==(const cEdChara& other) const;
  bool operator!=(const cEdChara& other) const { return !(*this == other); }

private:
  void Upgrade(uint32_t version);
  // A group added in a later version: its flag is set, so that old records follow their source.
  void InsertInheritFlag(int index);
};

// The fewest bytes a stored cEdChara takes (the two counts of the body, cell and held item, the
// flag, condition and flow counts), so that a list count the file cannot hold fails before anything
// is allocated.
template <>
struct cStoredSize<cEdChara> {
  static constexpr size_t kMin = 28;
};

// Option rows of the character sheet; the stored value is the row (GiantNames: row + 1).
extern const cString ControlNames[3];
extern const cString PlayerNoNames[2];
extern const cString FlyingNames[5];
extern const cString InvincibleNames[4];
extern const cString GiantNames[11];
extern const cString GiantSizeNames[10];
extern const cString ViewShapeNames[6];
extern const cString BodyHitRangeNames[5];
extern const cString ActRangeNames[5];
extern const cString ActJudgeNames[4];
