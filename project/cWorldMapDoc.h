#pragma once
// The world map: a grid of map chips with world events placed on some cells, the chip
// definitions, the event templates that the event palette offers, the start position and the
// background. One global document, edited in place by the world map window.

#include <cstdint>

#include "app/cDataRecord.h"
#include "app/cString.h"
#include "app/cVector.h"

// What one chip number of the grid stands for.
class cMapChipDef : public cDataRecord {
public:
  int32_t m_nSpare = 0;  // kept as loaded
  int32_t m_bNoPass = 0;
  int32_t m_nGraphic = 0;  // cell of the chip sheet, five per row
  cString m_strSpare;      // kept as loaded
  cString m_strName;

  cMapChipDef();
  // The factory chips: 0-4 impassable, 5-9 passable, each showing its own cell.
  void SetDefaults(int index);
  void RegisterFields(uint32_t version) override;
};

// One page of a world event; page 0 decides how the event is drawn.
class cWorldEventPage : public cDataRecord {
public:
  enum : int32_t { kTypeWorld = 0, kTypeRoad = 1, kTypeWall = 2 };

  int32_t m_nType = 0;
  int32_t m_nGraphic = 0;  // row of the event sheet
  int32_t m_nWorldNo = 0;  // 0: no number, cleared from the start
  int32_t m_bPassWithoutClear = 0;
  int32_t m_bPlayAfterClear = 0;
  int32_t m_nGameClear = 0;
  int32_t m_nNeedClearWorld = 0;
  int32_t m_nCondVar = 0;
  int32_t m_nCondValue = 0;
  int32_t m_nCondCompare = 0;
  int32_t m_nTotalScore = 0;
  int32_t m_bVariation = 0;
  int32_t m_nVariationVar = 0;
  int32_t m_nVariationValue = 0;
  cString m_strWorldName;
  cString m_strStartStage;

  cWorldEventPage();
  void SetDefaults();
  void RegisterFields(uint32_t version) override;
  // Pages from before the score and variation conditions get the values that change nothing.
  void Load(cReadStream& stream) override;
};

// An event placed on the map or offered as a template; its pages follow its body in the file.
class cWorldEvent : public cDataRecord {
public:
  int32_t m_nX = 0;
  int32_t m_nY = 0;
  cString m_strName;
  cVector<cWorldEventPage> m_vPage;

  cWorldEvent();
  // Cleared, with one default page.
  void SetDefaults();
  void RegisterFields(uint32_t version) override;
  void Load(cReadStream& stream) override;
  void Save(cWriteStream& stream) override;
};

class cWorldMapDoc : public cDataRecord {
public:
  // The settings dialog offers sizes up to these, and the brush is as large.
  static constexpr int32_t kMaxWidth = 200;
  static constexpr int32_t kMaxHeight = 150;
  static constexpr int32_t kMaxWorldNo = 999;

  int32_t m_nWidth = 0;
  int32_t m_nHeight = 0;
  int32_t m_nPitch = 0;  // row pitch of m_vMap: the smallest power of two not below the width
  int32_t m_nPitch_Shift = 0;
  int32_t m_nStartX = 0;
  int32_t m_nStartY = 0;
  int32_t m_nBackColor = 0;  // program palette index
  int32_t m_bUseBackImage = 0;
  cString m_strName;
  cString m_strBackImage;
  cVector<cMapChipDef> m_vChipDef;
  // Row after row with m_nPitch cells each; cells right of the width hold 0.
  cVector<int32_t> m_vMap;
  cVector<cWorldEvent> m_vEvent;
  cVector<cWorldEvent> m_vTemplate;

  cWorldMapDoc();
  void SetDefaults();
  void RegisterFields(uint32_t version) override;
  // A grid that does not fit its size, or a size no editor could have made, fails the load.
  void Load(cReadStream& stream) override;
  void Save(cWriteStream& stream) override;

  // Resizes the grid, keeping the cells that lie inside both sizes; 0 for a size out of range.
  int SetSize(int32_t width, int32_t height);
  // Pulls the start position inside the map and drops events that lie beyond it.
  void Normalize();
  void ClearChips();

  int InMap(int32_t x, int32_t y) const;
  // The grid element of a cell inside the map.
  int32_t& ChipAt(int32_t x, int32_t y);
  // The definition a map cell names; null outside the map or for a chip the table does not hold.
  const cMapChipDef* ChipDefAt(int32_t x, int32_t y) const;

  int HasEventAt(int32_t x, int32_t y) const;
  cWorldEvent* FindEventAt(int32_t x, int32_t y);
  // Replaces whatever stands on the cell by a copy of the event, moved there.
  void PlaceEvent(cWorldEvent& event, int32_t x, int32_t y);
  int RemoveEventsAt(int32_t x, int32_t y);
  // Removes that very placed event.
  int RemoveEvent(const cWorldEvent* event);
  // The lowest world number 1..999 no placed world page holds (leftOut not counted); 0 when none.
  int32_t GetFreeWorldNo(const cWorldEvent* leftOut) const;
  void AssignWorldNo(cWorldEvent& event, const cWorldEvent* leftOut) const;

  static int IsValidSize(int32_t width, int32_t height);
  // Shift of the row pitch for a width: (width - 1) halved this often reaches 0.
  static int32_t PitchShiftFor(int32_t width);
};

// Sheet pixels of the 32 x 32 cells that show a chip graphic and an event page's graphic; a page
// without world number shows the numberless picture of its row.
void ChipSheetCell(int32_t graphic, int32_t& x, int32_t& y);
void EventSheetCell(int32_t graphic, int32_t worldNo, int32_t& x, int32_t& y);

// Value tables of the page fields, each ending in an empty entry.
extern cVector<cString> g_vWorldEventType;
extern cVector<cString> g_vGameClearAction;

extern cWorldMapDoc g_WorldMap;
