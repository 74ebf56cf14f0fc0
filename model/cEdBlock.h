#pragma once
// A block: a palette entry, the content of one stage cell, or the project's default block.
// A block whose graphic number is 0 is the empty block.

#include <cstdint>

#include "app/cDataRecord.h"
#include "model/cCondData.h"
#include "model/cFlagVector.h"

class cEdBlock : public cDataRecord {
public:
  static constexpr int kGroupCount = 11;

  int16_t m_nCellX = 0;
  int16_t m_nCellY = 0;
  int8_t m_cInheritPalette = 0;
  int16_t m_nInheritIndex = 0;
  cFlagVector<kGroupCount> m_bbInherit;
  cString m_strName;
  cVector<cCondData> m_vAppearCond;
  int8_t m_cAppearJudge = 0;
  int8_t m_bAppearOnce = 0;
  int16_t m_nGraphic = 0;
  int8_t m_cGraphicSheet = 0;
  int16_t m_nGraphicFrame = 0;
  int8_t m_bFront = 0;
  int8_t m_bTransparent = 0;
  int8_t m_cMarkShow = 0;
  int16_t m_nMark = 0;
  int8_t m_cBlockType = 1;
  int8_t m_cDisabledFaction = -1;
  int8_t m_cAction = 0;
  int32_t m_nActionX = 0;
  int8_t m_cItemPalette = 0;
  int16_t m_nItemIndex = 0;
  int8_t m_bNoBlockSummon = 0;

  // Every field and string back to its default, 11 zero flags; conditions and cell stay.
  void SetDefaults();
  void RegisterFields(uint32_t version) override;
  void Load(cReadStream& stream) override;
  void Save(cWriteStream& stream) override;
  // Takes the flagged groups from the palette entry the record follows (model/Inheritance.h).
  void ApplyInheritance();
  // Repairs the inheritance source; the obtained item waits for ValidateItemRef.
  void Validate();
  // Repairs the obtained item, once every palette is present.
  void ValidateItemRef();

private:
  // Everything Validate checks but the conditions.
  void ValidateOwn();

public:

  // Two empty blocks are equal whatever else they hold; the cell position takes no part.
  bool operator==(const cEdBlock& other) const;
  bool operator!=(const cEdBlock& other) const { return !(*this == other); }
};

// The fewest bytes a stored cEdBlock takes (the two counts of the body, the cell, the flag and
// condition counts), so that a list count the file cannot hold fails before anything is allocated.
template <>
struct cStoredSize<cEdBlock> {
  static constexpr size_t kMin = 20;
};

// Option rows of the data sheets; the stored value is the row (FactionNames: row - 1).
extern const cString OnOffNames[3];
extern const cString GraphicSheetNames[6];
extern const cString MarkShowNames[4];
extern const cString BlockTypeNames[4];
extern const cString FactionNames[10];
extern const cString BlockActionNames[7];
extern const cString ItemPaletteNames[4];
extern const cString ItemPaletteNamesCommon[3];

// A graphic number of the shot sheet stored before version 219, where numbering started one
// lower; the sheet has 120 cells.
int ShiftedShotGraphic(int graphic);
