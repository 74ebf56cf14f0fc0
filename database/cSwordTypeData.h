#pragma once
// Sword types: a pair of bitmaps and the positions the sword takes in turn.

#include <cstdint>

#include "app/cDataRecord.h"

// Attack directions of a sword position, by value, ended by an empty entry.
extern const cString SwordDirNames[5];

class cSwordPosData : public cDataRecord {
public:
  cSwordPosData() { SetDefaults(); }
  void RegisterFields(uint32_t version) override;
  void SetDefaults();

  int32_t m_nOffsetX = 0;  // dots from the character
  int32_t m_nOffsetY = 0;
  int32_t m_bFlipX = 0;  // mirror the offset when the character faces right
  int32_t m_bFlipY = 0;
  int32_t m_nDirection = 0;  // a row of SwordDirNames
  int32_t m_nSrcX = 0;       // the picture's rectangle in the bitmap
  int32_t m_nSrcY = 0;
  int32_t m_nWidth = 0;
  int32_t m_nHeight = 0;
  int32_t m_nTime = 0;  // tenths of a second
};

class cSwordTypeData : public cDataRecord {
public:
  cSwordTypeData() { SetDefaults(); }
  void RegisterFields(uint32_t version) override;
  void Load(cReadStream& stream) override;
  void Save(cWriteStream& stream) override;
  void SetDefaults();

  cString m_strName;
  int32_t m_bSameAsFileName = 0;
  cString m_strPathLeft;   // used while the character faces left
  cString m_strPathRight;  // used while it faces right
  cVector<cSwordPosData> m_vPos;
};

// The command time of a sword of this type: the display times of its positions added up in order
// as a 16-bit value, set to 9999 whenever the running sum reaches 9999 or more.
int16_t SwordTypeTotalTime(const cSwordTypeData& type);
