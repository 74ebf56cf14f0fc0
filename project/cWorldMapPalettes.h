#pragma once
// The rules of the world map editor's two palettes: the map chip palette (five chips a row, a click
// makes the brush that one chip) and the event palette (the template list, 1 to 99 templates, the
// current event and the event clipboard). Both work on the world map editor's document and state.

#include <cstdint>

#include "app/cString.h"
#include "project/cWorldMapEditor.h"

// Control ids of the event palette (template 158).
enum : int {
  kIdcTemplateList = 1241,
  kIdcTemplateGroup = 1053,
  kIdcEditIfPlaced = 1037,
  kIdcEditBeforePlacing = 1035,
  kIdcAutoWorldNo = 1036,
  kIdcTemplateInsert = 1066,
  kIdcTemplateEdit = 1226,
  kIdcTemplateDelete = 1067,
  kIdcTemplateCount = 11071,
  kIdcEventPaletteHidden = 1006,
};

class cMapChipPaletteRules {
public:
  static constexpr int32_t kColumns = 5;
  static constexpr int32_t kCellPixels = 32;

  // The chip shown at a picture pixel with the given first row; past the last chip is possible.
  static int32_t ChipAt(int32_t x, int32_t y, int32_t scrollRow);
  // The click: the brush becomes that one chip. A chip the table lacks then paints nothing.
  static void Select(cWorldMapEditState& state, int32_t chip);
  // "%d : %s" with the selected chip and its name; empty without a chip.
  static cString StatusText(const cWorldMapDoc& doc, int32_t select);
  // Rows of chips, for the scroll bar's range 0 .. rows - 1.
  static int32_t RowCount(const cWorldMapDoc& doc);
  // Picture pixel of the selection frame.
  static void FrameAt(int32_t select, int32_t scrollRow, int32_t& x, int32_t& y);
};

class cEventPaletteRules {
public:
  static constexpr int kMinTemplates = 1;
  static constexpr int kMaxTemplates = 99;

  explicit cEventPaletteRules(cWorldMapEditor& editor);

  // "%s" with the template's name; the list numbers its rows itself.
  static cString RowText(const cWorldEvent& event);
  // A default template before the row (appended past the end); its row, or -1 and a beep when full.
  int Insert(int row);
  // 0 and a beep for the last template or a row that is not there.
  int Delete(int row);
  // "ﾃﾞｰﾀ数": 1 .. 99 templates, new ones default events; 0 for any other count.
  int SetCount(int count);
  // "挿入": a new template edited at once; a cancelled dialog takes it out again. Its row, or -1.
  int InsertAndEdit(int row);
  // "編集": the dialog on the template of the row; 0 when no row is selected.
  int Edit(int row);
  // The list's current row (-1 none) becomes the current event and brush of mode 1.
  void UpdateSelection(int row);
  // After the list's cut or copy: its first copied record may be pasted on the map.
  void TakeListCopy(const cWorldEvent& first);

private:
  cWorldMapEditor& m_Editor;
};
