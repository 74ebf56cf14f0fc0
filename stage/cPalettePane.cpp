#include "stage/cPalettePane.h"

#include <algorithm>

#include "app/DataPaths.h"
#include "stage/PaletteAccess.h"
#include "stage/ProjectDefaults.h"
#include "stage/cDataMove.h"

namespace {

// Virtual-key codes a palette window passes on to the stage editor window.
constexpr int kKeySpace = 0x20, kKeyF5 = 0x74, kKeyF7 = 0x76;
// The stage editor's accelerators that a palette window sends on unchanged.
const uint16_t kForwardedCommands[] = {40003, 40004, 40005, 40006, 40010, 40011, 40133};
const uint16_t kToolButtons[5] = {kIdtToolPen, kIdtToolLine, kIdtToolRect, kIdtToolFill, kIdtToolEdit};
// Rows drawn at most: the tallest client shows 30.
constexpr int32_t kPaletteScreenRows = kPaletteMaxClientHeight / kCellPixels;
constexpr int32_t kSelectionPen = 2;
// Past the cell by the width of the selection frame's pen.
constexpr int32_t kFrameMargin = kSelectionPen;

void DrawEntry(cPaintList& list, const cSheetExtents& sheets, int32_t x, int32_t y, const cEdBlock& block) {
  AddBlockGraphic(list, sheets, x, y, block, 0);
}
void DrawEntry(cPaintList& list, const cSheetExtents& sheets, int32_t x, int32_t y, const cEdChara& chara) {
  AddCharaGraphic(list, sheets, x, y, chara, 0);
}
void DrawEntry(cPaintList& list, const cSheetExtents& sheets, int32_t x, int32_t y, const cEdItem& item) {
  AddItemGraphic(list, sheets, x, y, item, 0);
}

// The clipboard pointer of a kind.
bool ClipHolds(const cStageEditState& state, int kind) {
  switch (kind) {
    case 0:
      return static_cast<bool>(state.m_spClipBlock);
    case 1:
      return static_cast<bool>(state.m_spClipChara);
    case 2:
      return static_cast<bool>(state.m_spClipItem);
  }
  return false;
}

cEdBlock*& EditPointer(cStageEditState& state, const cEdBlock*) { return state.m_pEditBlock; }
cEdChara*& EditPointer(cStageEditState& state, const cEdChara*) { return state.m_pEditChara; }
cEdItem*& EditPointer(cStageEditState& state, const cEdItem*) { return state.m_pEditItem; }

}  // namespace

const cPaletteWndInfo kPaletteWindows[kPaletteWndCount] = {
    {0, 0, "[コモン]ブロックパレット", &cEditConfig::m_wpCommonBlocks},
    {0, 1, "[コモン]キャラパレット", &cEditConfig::m_wpCommonCharas},
    {0, 2, "[コモン]アイテムパレット", &cEditConfig::m_wpCommonItems},
    {1, 0, "[ステージ]ブロックパレット", &cEditConfig::m_wpStageBlocks},
    {1, 1, "[ステージ]キャラパレット", &cEditConfig::m_wpStageCharas},
    {1, 2, "[ステージ]アイテムパレット", &cEditConfig::m_wpStageItems},
};

const int kLayerWindowCreationOrder[kLayerWindowCount] = {0, 3, 1, 4, kGroupWnd, 2, 5};

const cPaletteToolButton kPaletteToolButtons[8] = {
    {0, kIdtToolPen, 0, "普通"},
    {1, kIdtToolLine, 0, "直線"},
    {2, kIdtToolRect, 0, "矩形"},
    {3, kIdtToolFill, 0, "塗り潰し"},
    {4, kIdtToolEdit, 0, "パラメーターの編集"},
    {-1, 0, -1, nullptr},
    {0, kIdtRightClickSheet, 1, "右クリックでパレットデータの編集"},
    {1, kIdtRightClickMenu, 1, "右クリックでメニュー"},
};
const char* const kPaletteToolBitmaps[2] = {"e_bmp\\ToolBar_Pen.bmp", "e_bmp\\ToolBar_PltEdit.bmp"};

const uint16_t kEntryMenuItems[9] = {kIdmEntryEdit,         kIdmEntryCut,       kIdmEntryCopy,
                                     kIdmEntryPaste,        kIdmEntryInsertCopied, kIdmEntryInsertNew,
                                     kIdmEntryDelete,       kIdmEntryAppendCopied, kIdmEntryAppendNew};

void LayerWindowsShown(const cStageEditState& state, const cEditConfig& config, int32_t shown[kLayerWindowCount]) {
  std::fill(shown, shown + kLayerWindowCount, 0);
  int layer = state.m_nLayer;
  if (!state.m_bStageOpen || layer < 0 || layer > 2) return;
  for (int palette = 0; palette < 2; ++palette) {
    int index = PaletteWndIndex(palette, layer);
    shown[index] = (config.*kPaletteWindows[index].m_pPlacement).m_bShown != 0;
  }
  if (layer == 1) shown[kGroupWnd] = config.m_wpCharaGroup.m_bShown != 0;
}

cCommandState PaletteToolbarState(int id, const cStageEditState& state) {
  cCommandState result;
  for (int tool = 0; tool < 5; ++tool)
    if (id == kToolButtons[tool]) result.m_bChecked = state.m_nTool == tool;
  if (id == kIdtRightClickSheet) result.m_bChecked = state.m_nRightClickMode == 0;
  if (id == kIdtRightClickMenu) result.m_bChecked = state.m_nRightClickMode == 1;
  return result;
}

cPaletteKey PaletteKeyAction(int key) {
  cPaletteKey action;
  if (key == kKeyF5) action.m_nCommand = 40006;
  if (key == kKeyF7) action.m_nCommand = 40133;
  if (key == kKeySpace) action.m_nKey = kKeySpace;
  return action;
}

cPaletteGeometry PaletteStartGeometry(int index, const cEditConfig& config, int32_t editorX, int32_t editorY,
                                      int32_t editorWidth, int32_t twinFrameHeight) {
  const cPaletteWndInfo& info = kPaletteWindows[index];
  const cWindowPlacement& placement = config.*info.m_pPlacement;
  cPaletteGeometry geometry;
  if (placement.m_bValid) {
    geometry.m_nX = placement.m_nX;
    geometry.m_nY = placement.m_nY;
    geometry.m_nClientWidth = placement.m_nWidth;
    geometry.m_nClientHeight = placement.m_nHeight;
    return geometry;
  }
  geometry.m_nClientWidth = kPaletteClientWidth;
  geometry.m_nClientHeight = kPaletteMaxClientHeight;
  geometry.m_nX = editorX + editorWidth + 8;
  // A stage window lies below its twin's title bar, so that both titles can be read.
  geometry.m_nY = editorY + (info.m_bStagePalette ? twinFrameHeight : 0) + 8;
  return geometry;
}

int32_t PaletteLargestHeight(int count, int32_t toolbarHeight, int32_t statusHeight, int32_t workAreaBottom) {
  return std::min(PaletteRows(count) * kCellPixels + toolbarHeight + statusHeight, workAreaBottom);
}

int32_t PaletteWindowTop(int32_t y) { return y < 0 ? 8 : y; }

int32_t PaletteRows(int count) { return (count - 1) / kPaletteColumns + 1; }

void PaletteCell(int entry, int32_t topRow, int32_t& x, int32_t& y) {
  x = entry % kPaletteColumns * kCellPixels;
  y = (entry / kPaletteColumns - topRow) * kCellPixels;
}

cCommandState cEntryMenu::State(int id) const {
  for (int i = 0; i < 9; ++i)
    if (kEntryMenuItems[i] == id) return m_aItem[i];
  return cCommandState();
}

cPalettePanes::cPalettePanes(cStageDoc& stage, cPaletteDoc& common, cStageEditState& state, cStageEditorHost& host)
    : m_Stage(stage), m_Common(common), m_State(state), m_Host(host) {
  for (int index = 0; index < kPaletteWndCount; ++index) m_vPane.emplace_back(new cPalettePane(*this, index));
}

cPalettePane::cPalettePane(cPalettePanes& panes, int index)
    : m_Panes(panes),
      m_nIndex(index),
      m_bStagePalette(kPaletteWindows[index].m_bStagePalette),
      m_nKind(kPaletteWindows[index].m_nKind) {}

template <class Visit>
void cPalettePane::VisitList(Visit visit) const {
  VisitPaletteList(m_Panes.m_Common, m_Panes.m_Stage, m_bStagePalette, m_nKind, visit);
}

int cPalettePane::GetEntryCount() const {
  return PaletteListSize(m_Panes.m_Common, m_Panes.m_Stage, m_bStagePalette, m_nKind);
}

int cPalettePane::SavePlacement(cEditConfig& config, int32_t x, int32_t y, int32_t width, int32_t height) const {
  Placement(config).Set(x, y, width, height);
  return config.SaveFile(g_DataPaths[kPathEditConfig].GetStr());
}

int cPalettePane::EntryAt(int32_t x, int32_t y) const {
  // A pixel right of the eighth column still belongs to it, not to the next row.
  int32_t column = std::clamp(x / kCellPixels, 0, kPaletteColumns - 1);
  return (std::max(y, 0) / kCellPixels + m_nTopRow) * kPaletteColumns + column;
}

void cPalettePane::SetClientHeight(int32_t height) {
  m_nClientHeight = std::max(height, 0);
  SetTopRow(m_nTopRow);
}

void cPalettePane::SetTopRow(int32_t row) {
  // As the scroll bar keeps it: the last whole page ends with the last row.
  int32_t limit = std::max(0, PaletteRows(GetEntryCount()) - std::max(ScrollPage(), 1));
  m_nTopRow = std::clamp(row, 0, limit);
}

int cPalettePane::OnWheel(int32_t delta) {
  int32_t before = m_nTopRow;
  SetTopRow(m_nTopRow + m_Wheel.Take(delta));
  return m_nTopRow != before;
}

void cPalettePane::UpdateSize() { SetTopRow(m_nTopRow); }

void cPalettePane::OnLButtonDown(int32_t x, int32_t y) { SelectAtCursor(x, y); }

void cPalettePane::OnRButtonDown(int32_t x, int32_t y) {
  cStageEditState& state = m_Panes.m_State;
  if (state.m_nRightClickMode == 0) {
    int index = EntryAt(x, y);
    // Entry 0 is the empty entry: it has no sheet. The sheet may change this palette and, through
    // what follows it, the stage.
    if (index != 0 && OpenDataSheet(index)) {
      state.m_bStageModified = 1;
      MarkModified();
    }
  } else if (state.m_nRightClickMode == 1) {
    MarkModified();
  }
}

cEntryMenu cPalettePane::OnRightClick(int32_t x, int32_t y) {
  cEntryMenu menu;
  const cStageEditState& state = m_Panes.m_State;
  if (state.m_nRightClickMode != 1) return menu;
  SelectAtCursor(x, y);
  int index = EntryAt(x, y);
  if (index < 0 || index >= GetEntryCount()) return menu;
  menu.m_bOpen = 1;
  bool holds = state.m_bClipValid != 0, entry = index != 0;
  auto set = [&](int id, bool enabled) {
    for (int i = 0; i < 9; ++i)
      if (kEntryMenuItems[i] == id) menu.m_aItem[i].m_bEnabled = enabled;
  };
  set(kIdmEntryEdit, entry);
  set(kIdmEntryCut, entry);
  set(kIdmEntryCopy, entry);
  // A pending cut is inserted, never pasted over an entry.
  set(kIdmEntryPaste, entry && holds && !state.m_bClipCut);
  set(kIdmEntryInsertCopied, entry && holds);
  set(kIdmEntryInsertNew, entry);
  set(kIdmEntryDelete, entry);
  set(kIdmEntryAppendCopied, holds);
  set(kIdmEntryAppendNew, true);
  return menu;
}

int cPalettePane::RunCommand(int id) {
  if (std::find(std::begin(kForwardedCommands), std::end(kForwardedCommands), id) != std::end(kForwardedCommands))
    return kPaletteCmdForward;
  for (int tool = 0; tool < 5; ++tool)
    if (id == kToolButtons[tool]) {
      m_Panes.m_State.SetTool(tool);
      return kPaletteCmdDone;
    }
  static const struct {
    uint16_t m_nId;
    void (cPalettePane::*m_pfnRun)();
  } kCommands[] = {
      {kIdtRightClickSheet, &cPalettePane::OnRightClickSheet}, {kIdtRightClickMenu, &cPalettePane::OnRightClickMenu},
      {kIdmEntryCount, &cPalettePane::ChangeEntryCount},       {kIdmDataMove, &cPalettePane::RunDataMove},
      {kIdmEntryEdit, &cPalettePane::OnEdit},                  {kIdmEntryCut, &cPalettePane::OnCut},
      {kIdmEntryCopy, &cPalettePane::OnCopy},                  {kIdmEntryPaste, &cPalettePane::OnPaste},
      {kIdmEntryInsertCopied, &cPalettePane::OnInsertCopied},  {kIdmEntryInsertNew, &cPalettePane::OnInsertNew},
      {kIdmEntryDelete, &cPalettePane::OnDelete},              {kIdmEntryAppendCopied, &cPalettePane::OnAppendCopied},
      {kIdmEntryAppendNew, &cPalettePane::OnAppendNew},
  };
  for (const auto& command : kCommands)
    if (command.m_nId == id) {
      (this->*command.m_pfnRun)();
      return kPaletteCmdDone;
    }
  return kPaletteCmdNone;
}

void cPalettePane::OnRightClickSheet() { m_Panes.m_State.SetRightClickMode(0); }

void cPalettePane::OnRightClickMenu() { m_Panes.m_State.SetRightClickMode(1); }

void cPalettePane::OnEdit() {
  int target = CommandTarget();
  if (target < 0) return;
  OpenDataSheet(target);
  m_Panes.m_Stage.ValidateAll();
  m_Panes.m_Common.ValidateEntries();
  m_Panes.m_State.ClearClipboard();
  m_Panes.m_Host.RepaintEditor();
}

void cPalettePane::OnCut() {
  if (CommandTarget() >= 0) CutOrCopy(1);
}

void cPalettePane::OnCopy() {
  if (CommandTarget() >= 0) CutOrCopy(0);
}

void cPalettePane::OnPaste() {
  const cStageEditState& state = m_Panes.m_State;
  int target = CommandTarget();
  if (target < 0 || !state.m_bClipValid || state.m_bClipCut) return;
  PasteEntry(target);
  AfterChange(1, 1);
}

void cPalettePane::OnInsertCopied() {
  int target = CommandTarget();
  if (target < 0 || !m_Panes.m_State.m_bClipValid) return;
  InsertCopiedEntry(target);
  AfterChange(1, 1);
}

void cPalettePane::OnInsertNew() {
  int target = CommandTarget();
  if (target < 0) return;
  InsertNewEntry(target);
  AfterChange(1, 1);
}

void cPalettePane::OnDelete() {
  int target = CommandTarget();
  if (target < 0) return;
  DeleteEntry(target);
  AfterChange(1, 1);
}

// The two commands that add at the end leave the selection and the brush as they are.
void cPalettePane::OnAppendCopied() {
  if (!m_Panes.m_State.m_bClipValid) return;
  InsertCopiedEntry(kPaletteAppendIndex);
  AfterChange(1, 0);
}

void cPalettePane::OnAppendNew() {
  InsertNewEntry(kPaletteAppendIndex);
  AfterChange(1, 0);
}

int cPalettePane::CommandTarget() const {
  const cStageEditState& state = m_Panes.m_State;
  if (state.m_nSelPalette != m_bStagePalette || state.m_nSelIndex < 1 || state.m_nSelIndex >= GetEntryCount())
    return -1;
  return state.m_nSelIndex;
}

void cPalettePane::SelectAtCursor(int32_t x, int32_t y) {
  int index = EntryAt(x, y);
  if (index < 0 || index >= GetEntryCount()) return;
  cStageEditState& state = m_Panes.m_State;
  state.m_nSelPalette = m_bStagePalette;
  state.m_nSelIndex = index;
  SetBrushFromSelection();
}

void cPalettePane::SetBrushFromSelection() {
  cStageEditState& state = m_Panes.m_State;
  if (state.m_nSelIndex == -1) return;
  VisitList([&](auto& list) {
    if (list.empty()) return;
    auto& brush = BrushOf(state, list.data());
    if (brush.empty()) brush.resize(1);
    if (state.m_nSelIndex < 0 || state.m_nSelIndex >= list.Count()) {
      state.m_nSelIndex = 0;
      brush[0] = list[0];
    } else {
      brush[0] = list[static_cast<size_t>(state.m_nSelIndex)];
      SetBrushSource(brush[0], state.m_nSelPalette, static_cast<int16_t>(state.m_nSelIndex));
    }
  });
  state.m_nBrushWidth = 1;
  state.m_nBrushHeight = 1;
}

int cPalettePane::OpenDataSheet(int index) {
  if (index < 0 || index >= GetEntryCount()) return 0;
  cStageEditState& state = m_Panes.m_State;
  state.m_nSelPalette = m_bStagePalette;
  state.m_nSelIndex = index;
  state.m_nBrushWidth = state.m_nBrushHeight = 1;
  state.m_nEditContext = m_bStagePalette ? 1 : 2;
  state.m_nEditIndex = index;
  state.m_pEditBlock = nullptr;
  state.m_pEditChara = nullptr;
  state.m_pEditItem = nullptr;
  VisitList([&](auto& list) {
    auto& entry = list[static_cast<size_t>(index)];
    auto& brush = BrushOf(state, list.data());
    if (brush.empty()) brush.resize(1);
    // The brush keeps the inheritance source it had; the sheet edits the entry itself.
    brush[0] = entry;
    EditPointer(state, list.data()) = &entry;
  });
  m_Panes.m_Host.OpenDataSheet(m_nKind);
  return 1;
}

void cPalettePane::CutOrCopy(int cut) {
  cStageEditState& state = m_Panes.m_State;
  int index = state.m_nSelIndex;
  state.ClearClipboard();
  CopyEntry(index);
  state.m_bClipValid = 1;
  state.m_bClipCut = cut;
  state.m_nClipIndex = index;
  state.m_nClipPalette = state.m_nSelPalette;
}

void cPalettePane::CopyEntry(int index) {
  if (index < 1 || index >= GetEntryCount()) return;
  VisitList([&](auto& list) { m_Panes.m_State.ClipboardSet(list[static_cast<size_t>(index)]); });
}

void cPalettePane::PasteEntry(int index) {
  int count = GetEntryCount();
  if (index < 1 || count < 2) return;
  index = std::min(index, count - 1);
  VisitList([&](auto& list) {
    auto& entry = list[static_cast<size_t>(index)];
    if (!m_Panes.m_State.ClipboardGet(entry)) return;
    // A common palette entry never follows anything; a stage palette entry keeps a source in the
    // common palette but would not follow its own palette.
    if (!m_bStagePalette || entry.m_cInheritPalette == kPaletteStage) entry.m_cInheritPalette = kPaletteNone;
  });
  MarkModified();
  InvalidateAll();
}

int cPalettePane::InsertNewEntry(int index) {
  if (index < 1) return -1;
  VisitList([&](auto& list) {
    list.InsertAt(index, ProjectDefault(list.data()));
    index = std::min(index, list.Count() - 1);
    // A new stage palette entry follows the common palette entry of its own number.
    if (m_bStagePalette) SetNewStageEntrySource(list[static_cast<size_t>(index)], static_cast<int16_t>(index));
  });
  cStageEditState& state = m_Panes.m_State;
  // A pending cut goes on naming its source entry.
  if (state.m_bClipValid && state.m_nClipPalette == m_bStagePalette && state.m_nClipIndex >= index)
    ++state.m_nClipIndex;
  MarkModified();
  InvalidateAll();
  return index;
}

void cPalettePane::InsertCopiedEntry(int index) {
  cStageEditState& state = m_Panes.m_State;
  if (index < 1 || !state.m_bClipValid) return;
  InsertNewEntry(index);
  PasteEntry(index);
  if (!state.m_bClipCut) return;
  // A moved entry leaves its place and can be inserted once.
  cPalettePane& source = state.m_nClipPalette == m_bStagePalette ? *this : m_Panes.Twin(*this);
  source.DeleteEntry(state.m_nClipIndex);
  state.ClearClipboard();
}

void cPalettePane::DeleteEntry(int index) {
  int erased = 0;
  if (index >= 1) VisitList([&](auto& list) { erased = list.EraseAt(index); });
  if (!erased) return;
  cStageEditState& state = m_Panes.m_State;
  if (state.m_bClipValid && state.m_nClipPalette == m_bStagePalette) {
    if (state.m_nClipIndex == index) state.ClearClipboard();
    else if (state.m_nClipIndex > index) --state.m_nClipIndex;
  }
  if (state.m_nSelIndex >= 1 && state.m_nSelPalette == m_bStagePalette) {
    if (state.m_nSelIndex == index) state.m_nSelIndex = 0;
    else if (state.m_nSelIndex > index) --state.m_nSelIndex;
    SetBrushFromSelection();
  }
  MarkModified();
  InvalidateAll();
}

void cPalettePane::ChangeEntryCount() {
  cPalettePanes& p = m_Panes;
  int32_t value = GetEntryCount() - 1;
  if (!p.m_Host.RunValueInput(value, 1, kPaletteMaxEntryCount, "データ数", m_nIndex)) return;
  value = std::clamp(value, 1, kPaletteMaxEntryCount);
  VisitList([&](auto& list) {
    int old = list.Count();
    list.resize(static_cast<size_t>(value) + 1, ProjectDefault(list.data()));
    if (!m_bStagePalette) return;
    // New stage palette entries follow the common palette entries of their numbers.
    for (int k = old; k < list.Count(); ++k)
      SetNewStageEntrySource(list[static_cast<size_t>(k)], static_cast<int16_t>(k));
  });
  if (m_bStagePalette) RefreshFromStage(p.m_Stage, m_nKind);
  else RefreshFromCommon(p.m_Stage, m_nKind);
  MarkModified();
  p.m_State.ClearClipboard();
  InvalidateAll();
  AfterChange(0, 1);
}

void cPalettePane::RunDataMove() {
  cPalettePanes& p = m_Panes;
  RefreshFromCommon(p.m_Stage, m_nKind);
  cDataMove move(p.m_Stage, p.m_Common, p.m_State, m_bStagePalette, m_nKind);
  if (p.m_Host.RunDataMove(move, m_nIndex)) InvalidateAll();
  AfterChange(0, 1);
}

void cPalettePane::AfterChange(int refresh, int brush) {
  cPalettePanes& p = m_Panes;
  if (refresh) RefreshFromCommon(p.m_Stage, m_nKind);
  p.m_Stage.ValidateAll();
  p.m_Common.ValidateEntries();
  // A move of an entry between the palettes changed the twin's list as well.
  UpdateSize();
  p.Twin(*this).UpdateSize();
  p.m_Host.RepaintEditor();
  // A selection in the other palette, or none, is not this list's to move.
  if (brush && p.m_State.m_nSelPalette == m_bStagePalette && p.m_State.m_nSelIndex != -1) SetBrushFromSelection();
}

void cPalettePane::MarkModified() {
  if (m_bStagePalette) m_Panes.m_State.m_bStageModified = 1;
  else m_Panes.m_State.m_bCommonModified = 1;
}

int cPalettePane::SelectedHere() const {
  const cStageEditState& state = m_Panes.m_State;
  if (state.m_nSelPalette != m_bStagePalette || state.m_nSelIndex < 0 || state.m_nSelIndex >= GetEntryCount())
    return -1;
  return state.m_nSelIndex;
}

int cPalettePane::ClipSourceHere() const {
  const cStageEditState& state = m_Panes.m_State;
  if (!state.m_bClipValid || state.m_nClipPalette != m_bStagePalette || !ClipHolds(state, m_nKind) ||
      state.m_nClipIndex < 0 || state.m_nClipIndex >= GetEntryCount())
    return -1;
  return state.m_nClipIndex;
}

cString cPalettePane::StatusText() const {
  cString text;
  int index = SelectedHere();
  if (index < 0) return text;
  VisitList([&](auto& list) { text.Format("%d : %s", index, list[static_cast<size_t>(index)].m_strName.GetStr()); });
  return text;
}

void cPalettePane::TakePaint(const cSheetExtents& sheets, cPalettePaint& out) {
  out.m_vLists.clear();
  int sel = SelectedHere(), clip = ClipSourceHere(), count = GetEntryCount();
  cString status = StatusText();
  out.m_bLayout = count != m_nPaintedCount || m_nTopRow != m_nPaintedTop || m_nClientHeight != m_nPaintedHeight;
  if (m_bAll || out.m_bLayout) {
    out.m_vLists.emplace_back();
    Paint(out.m_vLists.back(), sheets, 0, 0, kPaletteClientWidth, m_nClientHeight);
  } else {
    // Only the frames that came or went.
    if (sel != m_nPaintedSel) {
      AddCellArea(out, sheets, m_nPaintedSel);
      AddCellArea(out, sheets, sel);
    }
    if (clip != m_nPaintedClip) {
      AddCellArea(out, sheets, m_nPaintedClip);
      AddCellArea(out, sheets, clip);
    }
  }
  out.m_bStatus = m_bAll || status != m_strPaintedStatus;
  out.m_strStatus = status;
  m_bAll = 0;
  m_nPaintedSel = sel;
  m_nPaintedClip = clip;
  m_nPaintedCount = count;
  m_nPaintedTop = m_nTopRow;
  m_nPaintedHeight = m_nClientHeight;
  m_strPaintedStatus = status;
}

void cPalettePane::AddCellArea(cPalettePaint& out, const cSheetExtents& sheets, int entry) const {
  if (entry < 0) return;
  int32_t x, y;
  PaletteCell(entry, m_nTopRow, x, y);
  int32_t left = std::max(x - kFrameMargin, 0), top = std::max(y - kFrameMargin, 0);
  int32_t right = std::min(x + kCellPixels + kFrameMargin, kPaletteClientWidth);
  int32_t bottom = std::min(y + kCellPixels + kFrameMargin, m_nClientHeight);
  if (right <= left || bottom <= top) return;
  out.m_vLists.emplace_back();
  Paint(out.m_vLists.back(), sheets, left, top, right - left, bottom - top);
}

void cPalettePane::Paint(cPaintList& list, const cSheetExtents& sheets, int32_t x, int32_t y, int32_t width,
                         int32_t height) const {
  list.Begin(x, y, width, height);
  list.AddFill(x, y, width, height, kColourBackground);
  // Only the screen rows that meet the area.
  int32_t row0 = std::max(0, y / kCellPixels);
  int32_t row1 = std::min(kPaletteScreenRows - 1, (y + height - 1) / kCellPixels);
  VisitList([&](auto& entries) {
    for (int32_t row = row0; row <= row1; ++row)
      for (int32_t column = 0; column < kPaletteColumns; ++column) {
        int64_t index = static_cast<int64_t>(m_nTopRow + row) * kPaletteColumns + column;
        if (index >= entries.Count()) return;
        DrawEntry(list, sheets, column * kCellPixels, row * kCellPixels, entries[static_cast<size_t>(index)]);
      }
  });
  int32_t cellX, cellY;
  int sel = SelectedHere();
  if (sel >= 0) {
    PaletteCell(sel, m_nTopRow, cellX, cellY);
    list.AddOutline(cellX, cellY, kCellPixels, kCellPixels, kColourPaletteFrame, kSelectionPen);
  }
  int clip = ClipSourceHere();
  if (clip >= 0) {
    PaletteCell(clip, m_nTopRow, cellX, cellY);
    list.AddOutline(cellX, cellY, kCellPixels, kCellPixels, kColourPaletteFrame, 1, 1);
  }
}
