#include "project/cWorldMapEditor.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "app/DataPaths.h"
#include "app/MessageBox.h"
#include "app/cEditConfig.h"
#include "database/ReportFileLoadFailure.h"

const char* const kWorldMapSaveQuestion = "ワールドマップが変更された可能性があります。\n保存しますか？";
const char* const kWorldMapSaveCaption = "保存確認";
const char* const kWorldMapClearChipsQuestion = "全てのマップチップをクリアしますか？";
const char* const kWorldMapClearEventsQuestion = "全てのイベントをクリアしますか？";
const char* const kWorldMapClearCaption = "データクリアの確認";

const cWorldMapEditor::cCommand cWorldMapEditor::kCommands[] = {
    {kCmdWorldMapSaveKey, &cWorldMapEditor::Save},
    {kCmdWorldMapSave, &cWorldMapEditor::Save},
    {kCmdWorldMapUndoKey, &cWorldMapEditor::Undo},
    {kCmdWorldMapUndo, &cWorldMapEditor::Undo},
    {kCmdWorldMapRedoKey, &cWorldMapEditor::Redo},
    {kCmdWorldMapRedo, &cWorldMapEditor::Redo},
    {kCmdWorldMapClearChips, &cWorldMapEditor::ClearChips},
    {kCmdWorldMapClearEvents, &cWorldMapEditor::ClearEvents},
    {kCmdWorldMapChipButton, &cWorldMapEditor::ChipMode},
    {kCmdWorldMapChipMenu, &cWorldMapEditor::ChipMode},
    {kCmdWorldMapEventButton, &cWorldMapEditor::EventMode},
    {kCmdWorldMapEventMenu, &cWorldMapEditor::EventMode},
    {kCmdWorldEventEdit, &cWorldMapEditor::EditPopupEvent},
    {kCmdWorldEventCut, &cWorldMapEditor::CutPopupEvent},
    {kCmdWorldEventCopy, &cWorldMapEditor::CopyPopupEvent},
    {kCmdWorldEventPaste, &cWorldMapEditor::PastePopupEvent},
    {kCmdWorldEventNew, &cWorldMapEditor::NewPopupEvent},
    {kCmdWorldEventDelete, &cWorldMapEditor::DeletePopupEvent},
};

cWorldMapEditor::cWorldMapEditor(cWorldMapDoc& doc, cWorldMapEditState& state, cEditConfig& config,
                                 int32_t& modified, cWorldMapView& view)
    : m_Doc(doc), m_State(state), m_Config(config), m_bModified(modified), m_View(view) {
  m_bModified = 0;
}

void cWorldMapEditor::SetPictureSize(int32_t width, int32_t height) {
  m_nPictureWidth = std::max(width, 0);
  m_nPictureHeight = std::max(height, 0);
}

void cWorldMapEditor::SetScroll(int32_t x, int32_t y) {
  m_nScrollX = std::max(x, 0);
  m_nScrollY = std::max(y, 0);
}

cScrollRange cWorldMapEditor::HorizontalRange() const {
  return {0, m_Doc.m_nWidth - 1, m_nPictureWidth / kCellPixels};
}

cScrollRange cWorldMapEditor::VerticalRange() const {
  return {0, m_Doc.m_nHeight - 1, m_nPictureHeight / kCellPixels};
}

int cWorldMapEditor::IsOutside(int32_t x, int32_t y) const {
  return x < 0 || y < 0 || x >= m_nPictureWidth || y >= m_nPictureHeight ? 1 : 0;
}

void cWorldMapEditor::SetCursor(int32_t x, int32_t y) {
  x = std::clamp(x, 0, std::max(m_nPictureWidth - 1, 0));
  y = std::clamp(y, 0, std::max(m_nPictureHeight - 1, 0));
  m_Cursor.m_nX = m_nScrollX + x / kCellPixels;
  m_Cursor.m_nY = m_nScrollY + y / kCellPixels;
  m_Cursor.m_nPixelX = x / kCellPixels * kCellPixels;
  m_Cursor.m_nPixelY = y / kCellPixels * kCellPixels;
}

unsigned cWorldMapEditor::OnMouse(const cWorldMapMouse& mouse) {
  SetCursor(mouse.m_nX, mouse.m_nY);
  bool press = mouse.m_nEvent == cWorldMapMouse::kLeftDown || mouse.m_nEvent == cWorldMapMouse::kRightDown;
  // A click counts as a change even when it changes nothing.
  if (press) m_bModified = 1;
  if (Mode() == cWorldMapEditState::kModeChips) {
    if (mouse.m_nEvent == cWorldMapMouse::kLeftDown) Checkpoint();
    if (mouse.m_bLeftHeld) PaintBrush();
    if (mouse.m_nEvent == cWorldMapMouse::kRightDown) BeginCapture();
    else if (mouse.m_nEvent == cWorldMapMouse::kRightUp && m_State.m_bCaptureActive) FinishCapture();
  } else {
    if (mouse.m_nEvent == cWorldMapMouse::kLeftDown) {
      m_bStroke = 0;
      // Where a dialog opens, its OK takes the checkpoint.
      int editPlaced = m_Config.m_bEditIfPlaced && m_Doc.HasEventAt(m_Cursor.m_nX, m_Cursor.m_nY);
      if (!editPlaced && !m_Config.m_bEditBeforePlacing) Checkpoint();
    }
    if (mouse.m_bLeftHeld) PlaceAtCursor();
    else m_bStroke = 0;
  }
  if (press) m_nRefresh |= kWmFocus;
  return TakeRefresh() | kWmRepaint;
}

void cWorldMapEditor::PaintBrush() {
  int32_t chips = m_Doc.m_vChipDef.Count();
  int32_t width = std::min(m_State.m_nBrushW, m_Doc.m_nWidth - m_Cursor.m_nX);
  int32_t height = std::min(m_State.m_nBrushH, m_Doc.m_nHeight - m_Cursor.m_nY);
  width = std::min(width, static_cast<int32_t>(cWorldMapEditState::kBrushColumns));
  height = std::min(height, static_cast<int32_t>(cWorldMapEditState::kBrushRows));
  for (int32_t r = 0; r < height; ++r) {
    for (int32_t c = 0; c < width; ++c) {
      int32_t chip = m_State.m_anBrush[r][c];
      // "No chip" cells of the brush and chips the table does not hold leave the map alone.
      if (chip >= 0 && chip < chips) m_Doc.ChipAt(m_Cursor.m_nX + c, m_Cursor.m_nY + r) = chip;
    }
  }
  m_nRefresh |= kWmChipPalette;
}

void cWorldMapEditor::PlaceAtCursor() {
  m_nRefresh |= kWmEventList;
  if (m_State.m_nSelect < 0) return;
  // Mouse moves inside the cell just placed would only place the same event again.
  if (m_bStroke && m_nStrokeX == m_Cursor.m_nX && m_nStrokeY == m_Cursor.m_nY) return;
  m_bStroke = 1;
  m_nStrokeX = m_Cursor.m_nX;
  m_nStrokeY = m_Cursor.m_nY;
  for (int32_t r = 0; r < m_State.m_nBrushH; ++r)
    for (int32_t c = 0; c < m_State.m_nBrushW; ++c)
      if (m_Doc.InMap(m_Cursor.m_nX + c, m_Cursor.m_nY + r)) PlaceOnCell(m_Cursor.m_nX + c, m_Cursor.m_nY + r);
}

void cWorldMapEditor::PlaceOnCell(int32_t x, int32_t y) {
  cWorldEvent* placed = m_Doc.FindEventAt(x, y);
  if (m_Config.m_bEditIfPlaced && placed) {
    m_View.RunEventDialog(*placed, kWorldEventRunDisableOthers);
    return;
  }
  PrepareNewEvent(m_State.m_CurEvent, x, y);
  if (m_Config.m_bEditBeforePlacing && !m_View.RunEventDialog(m_NewEvent, kWorldEventRunDisableOthers)) return;
  m_Doc.PlaceEvent(m_NewEvent, x, y);
}

void cWorldMapEditor::PrepareNewEvent(const cWorldEvent& source, int32_t x, int32_t y) {
  m_NewEvent = source;
  m_NewEvent.m_nX = x;
  m_NewEvent.m_nY = y;
  // The free number is searched once for each event placed.
  if (m_Config.m_bAutoWorldNo) m_Doc.AssignWorldNo(m_NewEvent, m_Doc.FindEventAt(x, y));
}

void cWorldMapEditor::BeginCapture() {
  m_State.m_nAnchorX = m_Cursor.m_nX;
  m_State.m_nAnchorY = m_Cursor.m_nY;
  m_State.m_nCaptureState = 1;
  m_State.m_nSelect = -1;
  m_State.m_bCaptureActive = 1;
  m_nRefresh |= kWmChipPalette;
}

void cWorldMapEditor::FinishCapture() {
  int32_t left = std::min(m_State.m_nAnchorX, m_Cursor.m_nX);
  int32_t top = std::min(m_State.m_nAnchorY, m_Cursor.m_nY);
  int32_t width = std::abs(m_Cursor.m_nX - m_State.m_nAnchorX) + 1;
  int32_t height = std::abs(m_Cursor.m_nY - m_State.m_nAnchorY) + 1;
  m_State.m_nBrushW = std::min(width, static_cast<int32_t>(cWorldMapEditState::kBrushColumns));
  m_State.m_nBrushH = std::min(height, static_cast<int32_t>(cWorldMapEditState::kBrushRows));
  for (int32_t r = 0; r < m_State.m_nBrushH; ++r) {
    for (int32_t c = 0; c < m_State.m_nBrushW; ++c) {
      int32_t x = left + c, y = top + r;
      m_State.m_anBrush[r][c] = m_Doc.InMap(x, y) ? m_Doc.ChipAt(x, y) : cWorldMapEditState::kNoChip;
    }
  }
  EndCapture();
}

void cWorldMapEditor::EndCapture() {
  m_State.m_nCaptureState = 0;
  m_State.m_bCaptureActive = 0;
}

unsigned cWorldMapEditor::OnIdle(const cWorldMapMouse& mouse) {
  if (!m_State.m_bCaptureActive || !IsOutside(mouse.m_nX, mouse.m_nY)) return 0;
  SetCursor(mouse.m_nX, mouse.m_nY);
  if (mouse.m_bRightPressed) EndCapture();
  else if (mouse.m_bRightReleased) FinishCapture();
  else if (mouse.m_bRightHeld) m_nRefresh |= kWmDragScroll;
  return TakeRefresh() | kWmRepaint;
}

int cWorldMapEditor::OpenPopup(cWorldEventPopup& popup) {
  if (Mode() != cWorldMapEditState::kModeEvents) return 0;
  m_PopupCell = m_Cursor;
  m_State.m_pPopupEvent = m_Doc.FindEventAt(m_PopupCell.m_nX, m_PopupCell.m_nY);
  popup.m_bEdit = m_State.m_pPopupEvent ? 1 : 0;
  popup.m_bPaste = m_State.m_bClipboard ? 1 : 0;
  return 1;
}

unsigned cWorldMapEditor::OnCommand(int id) {
  for (const cCommand& command : kCommands)
    if (command.m_nId == id) return (this->*command.m_pRun)() | kWmHandled | kWmRepaint;
  return 0;
}

unsigned cWorldMapEditor::Save() {
  SaveMap();
  return TakeRefresh() | kWmRepaint;
}

int cWorldMapEditor::SaveMap() {
  const char* path = g_DataPaths[kPathWorldMap].GetStr();
  // Saving drops events beyond the map: none may stay under the popup.
  m_State.m_pPopupEvent = nullptr;
  if (!m_Doc.SaveFile(path)) {
    ErrorBoxOwnerF(m_pOwner, "ワールドマップ %s の保存に失敗しました！\n保存前のファイルはそのまま残っています。",
                   path);
    return 0;
  }
  m_bModified = 0;
  return 1;
}

int cWorldMapEditor::AskSave() {
  if (!m_bModified) return 1;
  int answer = ShowMessageBox(m_pOwner, kWorldMapSaveQuestion, kWorldMapSaveCaption, kMbYesNoCancel);
  // A save that failed keeps the window open, so the changes are not lost with it.
  if (answer == kIdYes) return SaveMap();
  if (answer != kIdNo) return 0;
  const cString& path = g_DataPaths[kPathWorldMap];
  m_State.m_pPopupEvent = nullptr;
  if (!m_Doc.LoadFile(path.GetStr())) ReportFileLoadFailure(path);
  return 1;
}

unsigned cWorldMapEditor::Undo() {
  m_State.m_pPopupEvent = nullptr;
  m_State.Undo(m_Doc.m_vMap, m_Doc.m_vEvent);
  m_bModified = 1;
  return TakeRefresh() | kWmUndoButtons | kWmRepaint;
}

unsigned cWorldMapEditor::Redo() {
  m_State.m_pPopupEvent = nullptr;
  m_State.Redo(m_Doc.m_vMap, m_Doc.m_vEvent);
  m_bModified = 1;
  return TakeRefresh() | kWmUndoButtons | kWmRepaint;
}

int cWorldMapEditor::AskYesNo(const char* question) {
  return ShowMessageBox(m_pOwner, question, kWorldMapClearCaption, kMbYesNo) == kIdYes ? 1 : 0;
}

unsigned cWorldMapEditor::ClearChips() {
  if (AskYesNo(kWorldMapClearChipsQuestion)) {
    Checkpoint();
    m_Doc.ClearChips();
    m_bModified = 1;
  }
  return TakeRefresh() | kWmRepaint;
}

unsigned cWorldMapEditor::ClearEvents() {
  if (AskYesNo(kWorldMapClearEventsQuestion)) {
    Checkpoint();
    m_State.m_pPopupEvent = nullptr;
    m_Doc.m_vEvent.clear();
    m_bModified = 1;
  }
  return TakeRefresh() | kWmRepaint;
}

unsigned cWorldMapEditor::SetMode(int32_t mode) {
  // A capture belongs to mode 0 and would otherwise finish on the other mode's brush.
  if (m_State.m_bCaptureActive) EndCapture();
  m_State.SetMode(mode);
  m_bStroke = 0;
  return TakeRefresh() | kWmModeShown | kWmFocus | kWmRepaint;
}

unsigned cWorldMapEditor::ToggleMode() { return SetMode(Mode() == cWorldMapEditState::kModeChips ? 1 : 0); }

cWorldEvent* cWorldMapEditor::PopupEvent() {
  for (cWorldEvent& placed : m_Doc.m_vEvent)
    if (&placed == m_State.m_pPopupEvent) return &placed;
  return nullptr;
}

unsigned cWorldMapEditor::EndPopup(unsigned refresh) {
  m_State.m_pPopupEvent = nullptr;
  return TakeRefresh() | refresh | kWmEventList | kWmRepaint;
}

unsigned cWorldMapEditor::EditPopupEvent() {
  if (cWorldEvent* event = PopupEvent()) m_View.RunEventDialog(*event, kWorldEventRunDisableOthers);
  return EndPopup(0);
}

unsigned cWorldMapEditor::CutPopupEvent() {
  m_State.m_bClipboard = 1;
  cWorldEvent* event = PopupEvent();
  if (!event) return EndPopup(0);
  Checkpoint();
  m_State.m_ClipEvent = *event;
  m_Doc.RemoveEvent(event);
  m_bModified = 1;
  return EndPopup(kWmTemplateCopy);
}

unsigned cWorldMapEditor::CopyPopupEvent() {
  m_State.m_bClipboard = 1;
  cWorldEvent* event = PopupEvent();
  if (!event) return EndPopup(0);
  m_State.m_ClipEvent = *event;
  return EndPopup(kWmTemplateCopy);
}

unsigned cWorldMapEditor::PastePopupEvent() {
  if (!m_State.m_bClipboard) return EndPopup(0);
  Checkpoint();
  PrepareNewEvent(m_State.m_ClipEvent, m_PopupCell.m_nX, m_PopupCell.m_nY);
  m_Doc.PlaceEvent(m_NewEvent, m_PopupCell.m_nX, m_PopupCell.m_nY);
  m_bModified = 1;
  return EndPopup(0);
}

unsigned cWorldMapEditor::NewPopupEvent() {
  cWorldEvent fresh;
  PrepareNewEvent(fresh, m_PopupCell.m_nX, m_PopupCell.m_nY);
  if (m_View.RunEventDialog(m_NewEvent, kWorldEventRunDisableOthers))
    m_Doc.PlaceEvent(m_NewEvent, m_PopupCell.m_nX, m_PopupCell.m_nY);
  m_bModified = 1;
  return EndPopup(0);
}

unsigned cWorldMapEditor::DeletePopupEvent() {
  if (PopupEvent()) {
    Checkpoint();
    m_Doc.RemoveEventsAt(m_PopupCell.m_nX, m_PopupCell.m_nY);
    m_bModified = 1;
  }
  return EndPopup(0);
}

unsigned cWorldMapEditor::SettingsApplied() {
  m_State.m_pPopupEvent = nullptr;
  m_Doc.Normalize();
  m_State.ClearUndo();
  m_bModified = 1;
  return TakeRefresh() | kWmScrollRanges | kWmChipPalette | kWmEventList | kWmUndoButtons | kWmRepaint;
}

void cWorldMapEditor::Checkpoint() {
  m_State.Checkpoint(m_Doc.m_vMap, m_Doc.m_vEvent);
  m_nRefresh |= kWmUndoButtons;
}

void cWorldMapEditor::CommitEventEdit(cWorldEvent& target, const cWorldEvent& edited) {
  Checkpoint();
  target = edited;
  m_bModified = 1;
  m_nRefresh |= kWmRepaint;
}

unsigned cWorldMapEditor::TakeRefresh() {
  unsigned refresh = m_nRefresh;
  m_nRefresh = 0;
  return refresh;
}

int cWorldMapEditor::CanUndo() const { return m_State.m_lUndoMap.empty() ? 0 : 1; }

int cWorldMapEditor::CanRedo() const { return m_State.m_lRedoMap.empty() ? 0 : 1; }

cString cWorldMapEditor::StatusText() const {
  cString text;
  text.Format("座標 (%d,%d)", m_Cursor.m_nX, m_Cursor.m_nY);
  return text;
}

cWorldMapFrame cWorldMapEditor::CursorFrame() const {
  cWorldMapFrame frame;
  if (m_State.m_bCaptureActive) {
    frame.m_nX = (std::min(m_State.m_nAnchorX, m_Cursor.m_nX) - m_nScrollX) * kCellPixels;
    frame.m_nY = (std::min(m_State.m_nAnchorY, m_Cursor.m_nY) - m_nScrollY) * kCellPixels;
    frame.m_nWidth = (std::abs(m_Cursor.m_nX - m_State.m_nAnchorX) + 1) * kCellPixels;
    frame.m_nHeight = (std::abs(m_Cursor.m_nY - m_State.m_nAnchorY) + 1) * kCellPixels;
  } else {
    frame.m_nX = m_Cursor.m_nPixelX;
    frame.m_nY = m_Cursor.m_nPixelY;
    frame.m_nWidth = m_State.m_nBrushW * kCellPixels;
    frame.m_nHeight = m_State.m_nBrushH * kCellPixels;
  }
  bool capturing = m_State.m_nCaptureState == 1;
  frame.m_byRed = capturing ? 255 : 128;
  frame.m_byGreen = 0;
  frame.m_byBlue = capturing ? 128 : 255;
  return frame;
}

cWorldEventMarker cWorldMapEditor::EventMarker(const cWorldEvent& event) const {
  cWorldEventMarker marker;
  // One cell more than fits is drawn, for the partly visible ones.
  int32_t columnX = event.m_nX - m_nScrollX, rowY = event.m_nY - m_nScrollY;
  if (event.m_vPage.empty() || columnX < 0 || rowY < 0 || columnX > m_nPictureWidth / kCellPixels ||
      rowY > m_nPictureHeight / kCellPixels)
    return marker;
  const cWorldEventPage& page = event.m_vPage[0];
  marker.m_bShown = 1;
  marker.m_nX = columnX * kCellPixels + 15;
  marker.m_nY = rowY * kCellPixels + 1;
  EventSheetCell(page.m_nGraphic, page.m_nWorldNo, marker.m_nSheetX, marker.m_nSheetY);
  marker.m_bNumber = page.m_nType == cWorldEventPage::kTypeWorld && page.m_nWorldNo != 0 ? 1 : 0;
  marker.m_nNumber = page.m_nWorldNo;
  char digits[16];
  int length = std::snprintf(digits, sizeof digits, "%d", page.m_nWorldNo);
  marker.m_nTextX = marker.m_nX + (length == 1 ? 4 : length == 2 ? 0 : -8);
  return marker;
}
