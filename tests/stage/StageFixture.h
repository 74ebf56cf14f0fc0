#pragma once
// The stage file's layout written out by hand, field by field with the version that first stores
// each one, so that the fixtures never come from the registry they test. Each field carries a
// value of its own (no two alike) and the value that a file too old to hold it loads as.

#include <cstring>
#include <string>
#include <vector>

#include "stage/cStageDoc.h"
#include "tests/support/TestSupport.h"

struct cStageField {
  const char* m_pName;
  uint32_t m_nFrom;  // the first version that stores it; 0 for every version
  int32_t cStageDoc::*m_pInt;
  double cStageDoc::*m_pDouble;
  double m_dValue;  // a value no other field holds (the derived ones agree with the rest)
  // What a file older than m_nFrom loads as: m_dOld, or the value of m_pOldFrom.
  double m_dOld;
  int32_t cStageDoc::*m_pOldFrom;
};

#define VX_INT(name, from, value) {#name, from, &cStageDoc::name, nullptr, value, 0, nullptr}
#define VX_DOUBLE(name, value) {#name, 0, nullptr, &cStageDoc::name, value, 0, nullptr}
#define VX_GATED(name, from, value, old) {#name, from, &cStageDoc::name, nullptr, value, old, nullptr}
#define VX_TAKES(name, from, value, source) {#name, from, &cStageDoc::name, nullptr, value, 0, &cStageDoc::source}

// In file order. A 40 x 25 stage (pitch 64) at hit level 14 (4 steps) with gravity 0.5.
inline const std::vector<cStageField>& StageFields() {
  static const std::vector<cStageField> fields = {
      VX_INT(m_nWidth, 0, 40), VX_INT(m_nPitch, 0, 64), VX_INT(m_nPitch_Shift, 0, 6), VX_INT(m_nHeight, 0, 25),
      VX_INT(m_bLimitLeft, 0, 101), VX_INT(m_bLimitRight, 0, 102), VX_INT(m_bLimitTop, 0, 103),
      VX_INT(m_bLimitBottom, 0, 104), VX_INT(m_nLimitLeft, 0, 17), VX_INT(m_nLimitRight, 0, 37),
      VX_INT(m_nLimitTop, 0, 9), VX_INT(m_nLimitBottom, 0, 23),
      VX_INT(m_nFrameRate, 0, 105), VX_INT(m_bTimeLimit, 0, 106), VX_INT(m_nTimeLimit, 0, 107),
      VX_INT(m_nWarningTime, 0, 108), VX_INT(m_nScrollKindX, 0, 109), VX_INT(m_nScrollKindY, 0, 110),
      VX_INT(m_nAutoScrollX, 0, 111), VX_INT(m_nAutoScrollY, 0, 112),
      VX_DOUBLE(m_dGravity, 0.5),
      VX_INT(m_nHitLevel, 0, 14), VX_INT(m_nShotHitPrecision, 0, 113), VX_INT(m_nBgm, 0, 114),
      VX_GATED(m_bBgmLoop, 166, 115, 1), VX_GATED(m_bBgmKeep, 199, 116, 0),
      VX_INT(m_bZEnabled, 0, 117), VX_INT(m_bStockLoad, 0, 118), VX_INT(m_bStockStore, 0, 119),
      VX_GATED(m_bStatusWindow, 183, 120, 1), VX_GATED(m_bNoClearWait, 184, 121, 0),
      VX_INT(m_bShowStageX, 0, 122), VX_GATED(m_bShowReady, 225, 123, 0), VX_INT(m_bShowClear, 0, 124),
      VX_INT(m_bShowGameOver, 0, 125),
      VX_GATED(m_nHitPlWalkBlockW, 200, 126, 16), VX_GATED(m_nHitPlWalkBlockH, 200, 127, 24),
      VX_GATED(m_nHitPlFlyBlockW, 200, 128, 16), VX_GATED(m_nHitPlFlyBlockH, 200, 129, 16),
      VX_INT(m_nHitPlWalkCharaW, 0, 130), VX_INT(m_nHitPlWalkCharaH, 0, 131),
      VX_TAKES(m_nHitPlFlyCharaW, 155, 132, m_nHitPlWalkCharaW), VX_TAKES(m_nHitPlFlyCharaH, 155, 133, m_nHitPlWalkCharaH),
      VX_INT(m_nHitPlShotW, 0, 134), VX_INT(m_nHitPlShotH, 0, 135), VX_INT(m_nHitPlItemW, 0, 136),
      VX_INT(m_nHitPlItemH, 0, 137),
      VX_GATED(m_nHitPlWalkBlockPos, 200, 138, 1), VX_GATED(m_nHitPlFlyBlockPos, 200, 139, 0),
      VX_GATED(m_nHitPlWalkCharaPos, 155, 140, 0), VX_GATED(m_nHitPlFlyCharaPos, 155, 141, 0),
      VX_GATED(m_nHitPlBlockShow, 200, 142, 0), VX_INT(m_nHitPlCharaShow, 0, 143), VX_INT(m_nHitPlShotShow, 0, 144),
      VX_INT(m_nHitPlItemShow, 0, 145),
      VX_GATED(m_nHitPlBlockColor, 200, 146, 5), VX_INT(m_nHitPlCharaColor, 0, 147),
      VX_INT(m_nHitPlShotColor, 0, 148), VX_INT(m_nHitPlItemColor, 0, 149),
      VX_GATED(m_nHitEnWalkBlockW, 200, 150, 16), VX_GATED(m_nHitEnWalkBlockH, 200, 151, 30),
      VX_GATED(m_nHitEnFlyBlockW, 200, 152, 16), VX_GATED(m_nHitEnFlyBlockH, 200, 153, 30),
      VX_INT(m_nHitEnWalkCharaW, 0, 154), VX_INT(m_nHitEnWalkCharaH, 0, 155),
      VX_TAKES(m_nHitEnFlyCharaW, 155, 156, m_nHitEnWalkCharaW), VX_TAKES(m_nHitEnFlyCharaH, 155, 157, m_nHitEnWalkCharaH),
      VX_INT(m_nHitEnShotW, 0, 158), VX_INT(m_nHitEnShotH, 0, 159),
      VX_GATED(m_nHitEnWalkBlockPos, 200, 160, 1), VX_GATED(m_nHitEnFlyBlockPos, 200, 161, 1),
      VX_GATED(m_nHitEnWalkCharaPos, 155, 162, 0), VX_GATED(m_nHitEnFlyCharaPos, 155, 163, 0),
      VX_INT(m_nHitItemCharaW, 0, 164), VX_INT(m_nHitItemCharaH, 0, 165), VX_INT(m_nHitPlShotCharaW, 0, 166),
      VX_INT(m_nHitPlShotCharaH, 0, 167), VX_INT(m_nHitPlShotShotW, 0, 168), VX_INT(m_nHitPlShotShotH, 0, 169),
      VX_INT(m_nHitEnShotCharaW, 0, 170), VX_INT(m_nHitEnShotCharaH, 0, 171), VX_INT(m_nHitEnShotShotW, 0, 172),
      VX_INT(m_nHitEnShotShotH, 0, 173),
      VX_INT(m_nUndoDepth, 0, 174),
      VX_INT(m_nWidthPx, 0, 1280), VX_INT(m_nHeightPx, 0, 800), VX_INT(m_nHitSteps, 0, 4),
      VX_DOUBLE(m_dHitSteps, 4.0), VX_DOUBLE(m_dHitStepsSq, 16.0), VX_DOUBLE(m_dMaxSpeed, 60.0),
      VX_DOUBLE(m_dGravityPerStep, 0.03125), VX_DOUBLE(m_dMaxSpeedPerStep, 15.0),
      VX_INT(m_nHitSteps8, 0, 32), VX_INT(m_bNoDamageOffScreen, 0, 175), VX_INT(m_nPlInvincibleSame, 0, 176),
      VX_INT(m_nPlInvincible, 0, 177), VX_INT(m_nEnInvincibleSame, 0, 178), VX_INT(m_nEnInvincible, 0, 179),
  };
  return fields;
}

#undef VX_INT
#undef VX_DOUBLE
#undef VX_GATED
#undef VX_TAKES

inline double FieldValue(const cStageDoc& doc, const cStageField& field) {
  return field.m_pInt ? doc.*field.m_pInt : doc.*field.m_pDouble;
}

inline Bytes I32Bytes(int32_t value) { return U32(static_cast<uint32_t>(value)); }

inline Bytes DoubleBytes(double value) {
  Bytes bytes(8);
  std::memcpy(bytes.data(), &value, 8);  // the machines here are little-endian, as the file is
  return bytes;
}

// The record body a file of a version holds for a document: the fields that version stores, then
// the name.
inline Bytes StageBodyAt(const cStageDoc& doc, uint32_t version) {
  Bytes fields;
  uint32_t count = 0;
  for (const cStageField& field : StageFields()) {
    if (field.m_nFrom > version) continue;
    fields = Cat({fields, field.m_pInt ? I32Bytes(doc.*field.m_pInt) : DoubleBytes(doc.*field.m_pDouble)});
    ++count;
  }
  return Cat({U32(count), fields, U32(1), StoredString(doc.m_strName)});
}

// A stage whose every stored field holds the value of the table.
inline void FillDistinct(cStageDoc& doc) {
  for (const cStageField& field : StageFields()) {
    if (field.m_pInt) doc.*field.m_pInt = static_cast<int32_t>(field.m_dValue);
    else doc.*field.m_pDouble = field.m_dValue;
  }
  doc.m_strName = "面";
}

// An auto-vanish rule: from 125 the four switches and the four margins, before it the left switch
// and the margins.
inline Bytes AutoVanishBodyAt(const cAutoVanishData& rule, uint32_t version) {
  if (version < 125)
    return Cat({U32(5), I32Bytes(rule.m_bLeft), I32Bytes(rule.m_nLeft), I32Bytes(rule.m_nRight), I32Bytes(rule.m_nTop),
                I32Bytes(rule.m_nBottom), U32(0)});
  return Cat({U32(8), I32Bytes(rule.m_bLeft), I32Bytes(rule.m_bRight), I32Bytes(rule.m_bTop), I32Bytes(rule.m_bBottom),
              I32Bytes(rule.m_nLeft), I32Bytes(rule.m_nRight), I32Bytes(rule.m_nTop), I32Bytes(rule.m_nBottom), U32(0)});
}

// A background: from 62 ten fields; at 61 nine, the last two read and dropped; before it five, the
// last two dropped. Then the picture.
inline Bytes BackgroundBodyAt(const cBackgroundData& background, uint32_t version) {
  Bytes dropped = Cat({I32Bytes(0x77777777), I32Bytes(0x77777777)});
  Bytes kept = Cat({I32Bytes(background.m_bUseColor), I32Bytes(background.m_nColor), I32Bytes(background.m_bFront)});
  Bytes scroll = Cat({DoubleBytes(background.m_dScrollX), DoubleBytes(background.m_dScrollY),
                      I32Bytes(background.m_bAutoScrollX), I32Bytes(background.m_bAutoScrollY)});
  Bytes fields;
  if (version >= 62)
    fields = Cat({U32(10), I32Bytes(background.m_bShowFromStart), kept, scroll, DoubleBytes(background.m_dSpare1),
                  DoubleBytes(background.m_dSpare2)});
  else if (version == 61)
    fields = Cat({U32(9), kept, scroll, dropped});
  else
    fields = Cat({U32(5), kept, dropped});
  return Cat({fields, U32(1), StoredString(background.m_strPicture)});
}
