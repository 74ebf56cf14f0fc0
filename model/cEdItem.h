#pragma once
// An item: a palette entry, an item placed on a stage cell, or the project's default item, with
// the effect commands that run when it is taken. An item whose graphic number is 0 is empty.

#include <cstdint>

#include "app/cDataRecord.h"
#include "model/cCommandData.h"
#include "model/cCondData.h"
#include "model/cFlagVector.h"

class cEdItem : public cDataRecord {
public:
  static constexpr int kGroupCount = 13;

  int16_t m_nCellX = 0;
  int16_t m_nCellY = 0;
  int8_t m_cInheritPalette = 0;
  int16_t m_nInheritIndex = 0;
  cFlagVector<kGroupCount> m_bbInherit;
  cString m_strName;
  cVector<cCondData> m_vAppearCond;
  int8_t m_cAppearJudge = 0;
  int8_t m_bAppearOnce = 0;
  int16_t m_nOffsetX = 0;
  int16_t m_nOffsetY = 0;
  int16_t m_nGraphic = 0;
  int8_t m_cGraphicSheet = 2;
  int16_t m_nGraphicFrame = 0;
  int8_t m_cZ = 6;
  int8_t m_bTransparent = 0;
  int8_t m_cMarkShow = 0;
  int16_t m_nMark = 0;
  int8_t m_cTakeMode = 0;
  int8_t m_bShowOnTake = 1;
  int8_t m_cGiant = 1;
  int16_t m_nSound = 0;
  cVector<cCommandData> m_vEffect;

  // Every field back to its default, 13 zero flags; conditions, effects and cell stay.
  void SetDefaults();
  void RegisterFields(uint32_t version) override;
  void Load(cReadStream& stream) override;
  void Save(cWriteStream& stream) override;
  // Takes the flagged groups from the palette entry the record follows (model/Inheritance.h).
  void ApplyInheritance();
  void ValidateRefs();
  // Repairs the palette references of every effect command, once every palette is present.
  void ValidatePaletteRefs();

private:
  // Everything ValidateRefs checks but the conditions and effects.
  void ValidateOwnRefs();

public:

  // Two empty items are equal whatever else they hold; the cell position takes no part.
  bool operator==(const cEdItem& other) const;
  bool operator!=(const cEdItem& other) const { return !(*this == other); }
};

// The fewest bytes a stored cEdItem takes (the two counts of the body, the cell, the flag,
// condition and effect counts), so that a list count the file cannot hold fails before anything is
// allocated.
template <>
struct cStoredSize<cEdItem> {
  static constexpr size_t kMin = 24;
};

extern const cString TakeModeNames[4];
