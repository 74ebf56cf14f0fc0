#include "project/cWorldMapPalettes.h"

#include <algorithm>

#include "app/cShellSeam.h"

int32_t cMapChipPaletteRules::ChipAt(int32_t x, int32_t y, int32_t scrollRow) {
  // A pixel right of the fifth column still belongs to it, not to the next row.
  int32_t column = std::clamp(x / kCellPixels, 0, kColumns - 1);
  return (std::max(y, 0) / kCellPixels + scrollRow) * kColumns + column;
}

void cMapChipPaletteRules::Select(cWorldMapEditState& state, int32_t chip) {
  state.m_nSelect = chip;
  state.m_anBrush[0][0] = chip;
  state.m_nBrushW = 1;
  state.m_nBrushH = 1;
}

cString cMapChipPaletteRules::StatusText(const cWorldMapDoc& doc, int32_t select) {
  cString text;
  if (select >= 0 && select < doc.m_vChipDef.Count())
    text.Format("%d : %s", select, doc.m_vChipDef[select].m_strName.GetStr());
  return text;
}

int32_t cMapChipPaletteRules::RowCount(const cWorldMapDoc& doc) {
  return (doc.m_vChipDef.Count() + kColumns - 1) / kColumns;
}

void cMapChipPaletteRules::FrameAt(int32_t select, int32_t scrollRow, int32_t& x, int32_t& y) {
  x = select % kColumns * kCellPixels;
  y = (select / kColumns - scrollRow) * kCellPixels;
}

cEventPaletteRules::cEventPaletteRules(cWorldMapEditor& editor) : m_Editor(editor) {}

cString cEventPaletteRules::RowText(const cWorldEvent& event) { return event.m_strName; }

int cEventPaletteRules::Insert(int row) {
  cVector<cWorldEvent>& templates = m_Editor.Doc().m_vTemplate;
  if (templates.Count() >= kMaxTemplates) {
    Shell().Beep();
    return -1;
  }
  int at = row >= 0 && row < templates.Count() ? row : templates.Count();
  templates.InsertAt(at, cWorldEvent());
  return at;
}

int cEventPaletteRules::Delete(int row) {
  cVector<cWorldEvent>& templates = m_Editor.Doc().m_vTemplate;
  if (templates.Count() <= kMinTemplates || row < 0 || row >= templates.Count()) {
    Shell().Beep();
    return 0;
  }
  return templates.EraseAt(row);
}

int cEventPaletteRules::SetCount(int count) {
  if (count < kMinTemplates || count > kMaxTemplates) return 0;
  m_Editor.Doc().m_vTemplate.resize(static_cast<size_t>(count));
  return 1;
}

int cEventPaletteRules::InsertAndEdit(int row) {
  int at = Insert(row);
  if (at < 0) return -1;
  if (Edit(at)) return at;
  m_Editor.Doc().m_vTemplate.EraseAt(at);
  return -1;
}

int cEventPaletteRules::Edit(int row) {
  cVector<cWorldEvent>& templates = m_Editor.Doc().m_vTemplate;
  if (row < 0 || row >= templates.Count()) return 0;
  return m_Editor.View().RunEventDialog(templates[row], kWorldEventRunHideOthers);
}

void cEventPaletteRules::UpdateSelection(int row) {
  cWorldMapEditState& state = m_Editor.State();
  const cVector<cWorldEvent>& templates = m_Editor.Doc().m_vTemplate;
  state.m_nPaletteRow = row;
  if (row < 0 || row >= templates.Count()) {
    state.m_nSelect = -1;
    state.m_nBrushW = 0;
    state.m_nBrushH = 0;
  } else {
    state.m_nSelect = row;
    state.m_CurEvent = templates[row];
    state.m_nBrushW = 1;
    state.m_nBrushH = 1;
  }
  // Every action in the palette counts as a change of the world map.
  m_Editor.SetModified();
}

void cEventPaletteRules::TakeListCopy(const cWorldEvent& first) {
  cWorldMapEditState& state = m_Editor.State();
  state.m_bClipboard = 1;
  state.m_ClipEvent = first;
}
