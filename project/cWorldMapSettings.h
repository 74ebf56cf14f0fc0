#pragma once
// The rules of the world map settings dialog: the map size being chosen, the ranges of its numeric
// edits, and OK, which resizes the map. The start position, colour and background fields are bound
// to the document itself; the world map editor then pulls the start and the events into the map.
// "参照" stores the chosen picture into the document at once (AssignRelativePath), so Cancel keeps it.

#include <cstdint>

#include "project/cWorldMapDoc.h"

// Template 153 "ワールドマップの設定" and its controls.
enum : int {
  kIddWorldMapSettings = 153,
  kIdcMapWidth = 11210,
  kIdcMapWidthSpin = 11212,
  kIdcMapHeight = 11211,
  kIdcMapHeightSpin = 11166,
  kIdcMapStartX = 1213,
  kIdcMapStartXSpin = 1214,
  kIdcMapStartY = 1215,
  kIdcMapStartYSpin = 1216,
  kIdcMapBackColor = 1257,
  kIdcMapBackColorSpin = 1258,
  kIdcMapBackColorPreview = 1259,
  kIdcMapUseBackImage = 1035,
  kIdcMapBackImage = 1255,
  kIdcMapBackImageBrowse = 1256,
};

class cWorldMapSettings {
public:
  // A numeric edit, its up-down control and its range.
  struct cRange {
    int m_nId;
    int m_nSpinId;
    int32_t m_nMin;
    int32_t m_nMax;
  };
  static const cRange kWidth, kHeight, kStartX, kStartY, kBackColor;
  static constexpr int kBackImageLimit = 260;

  int32_t m_nNewWidth = 0;
  int32_t m_nNewHeight = 0;

  explicit cWorldMapSettings(const cWorldMapDoc& doc);
  // OK, after the controls stored their values: the new size, every value held to its range.
  int Apply(cWorldMapDoc& doc) const;
};
