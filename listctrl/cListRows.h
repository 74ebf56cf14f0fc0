#pragma once
// The rows and the selection of a record list, apart from the records themselves: which rows the
// list box shows, which row is current, which rows are marked, and which command ids the list
// answers to. The list box is reached only through a cListBoxView, so the same logic runs against
// the Windows list box and against the tests' own list.
//
// Rows: with n records and the leading offset k, row r shows record k + r; with the extra row,
// row n - k stands for the place after the last record. Row numbers are what m_nCurSel, m_nAnchor
// and the selection flags hold.

#include <cstdint>

#include "app/cString.h"
#include "app/cVector.h"
#include "listctrl/ListCommandSets.h"
#include "listctrl/cListBoxView.h"

// What a page fixes about one list: selection mode, numbering and row limits. The counts do not
// include the leading records.
struct cListShape {
  int32_t m_bMultiSel;
  int32_t m_bNumbered;
  int32_t m_nMinCount;
  int32_t m_nMaxCount;
  int32_t m_nLeadOffset;
  int32_t m_bExtraRow;
  int32_t m_bNoSelOk;  // having no current row is a valid state
};

class cListRows {
public:
  cListRows();
  virtual ~cListRows() = default;

  // Takes the shape; a list that may be empty and has no extra row may also be without selection.
  void SetShape(const cListShape& shape);

  // Records that have rows (n - k, never below 0), and rows with the extra row.
  int RecordRows() const;
  int RowCount() const;
  int IsExtraRow(int row) const;
  int IsRecordRow(int row) const;

  // The list box's own count and selection.
  int GetCount();
  int GetCurSel();
  // The record index of the current row; -1 for none or the extra row.
  int GetCurIndex();
  int GetCaretIndex();
  int GetAnchorIndex();
  static int CountMarked(const cVector<int>& flags);

  void SetCurSel(int row, int load);
  void SelectOnly(int row, int load);
  void SelectNextRow(int load);
  // Selects the row under a screen point and focuses the list; 0 when no row is there.
  int SelectAtPoint(int x, int y);
  // Reads the list box's selection after the user changed it; 1 when a record row is current.
  int OnSelChange();
  // Copies the current record into the page's edited record.
  virtual void LoadSelected() = 0;

  // Rebuilds every row and puts the selection back.
  void Fill();
  // Makes sure a selection exists where one is required, shows it and switches drawing on.
  void Redraw();
  void OnKillFocus();
  // The dialog switched drawing off for a command; Redraw switches it on again.
  void NoteRedrawHeld() { m_bRedrawHeld = 1; }

  // Command ids: a standard set by layout and kind, or ids of the page's own.
  int SelectAccelSet(int layout, int kind);
  int SelectMenuSet(int layout, int kind);
  void StoreAccelIds(const uint16_t* ids);
  void StoreMenuIds(const uint16_t* ids);
  // The command ids a key sends (modal dialogs); returns how many were written to out.
  int KeyCommandIds(uint16_t key, int ctrlHeld, uint16_t* out) const;
  // Runs the command of a key or menu id while the list has the focus; 1 when it was carried out.
  int OnAccelCommand(uint16_t id);
  int OnMenuCommand(uint16_t id);
  // Either of them, as a page offers every command to its list: -1 when the id is none of the
  // list's or the list has not the focus, else 1 when the command was carried out, 0 refused.
  int OnCommandId(uint16_t id);

  int32_t m_nCurSel = -1;  // in multi-selection mode the caret row
  int32_t m_nAnchor = -1;
  cVector<int> m_vSelFlag;  // multi-selection mode: non-zero marks the row
  int32_t m_nPrevSel = -1;  // snapshots of the last Redraw
  cVector<int> m_vPrevSelFlag;
  int32_t m_nTopIndex = 0;  // put back on every refill
  int32_t m_bMultiSel = 0;
  int32_t m_bNumbered = 0;
  int32_t m_nMinCount = 0;
  int32_t m_nMaxCount = 0;
  int32_t m_bNoSelOk = 0;
  int32_t m_nLeadOffset = 0;
  int32_t m_bExtraRow = 0;
  uint16_t m_wAccelId[kListCommandCount];
  uint16_t m_wMenuId[kListCommandCount];
  cString m_strExtraRow;

protected:
  virtual int RecordCount() const = 0;
  // The row label of record index (the label callback), without the row number.
  virtual void RowLabel(cString& text, int index) = 0;
  virtual int HasEdited() const = 0;
  virtual void BlankEdited() = 0;
  virtual int RunCommand(int command) = 0;

  // The text of a record row, its number in front in a numbered list.
  cString RowText(int row);
  // Replaces the text of one record row; the whole list when the list box holds other rows.
  void RefreshRow(int row);
  // Makes the list box's marks those of the flags, touching only the rows that differ.
  void ShowMarks();
  // Clears every flag and marks row alone (when it has a flag).
  void MarkOnly(int row);
  // Refusals: a beep, result 0.
  int Refuse();

  cListBoxView* m_pView = nullptr;

private:
  int RunCommandId(const uint16_t* ids, uint16_t id);
  void ReadMarks();
  void RedrawMarks();
  void RedrawCurrent();
  // Switches drawing off unless it is off already; 1 when this call did it.
  int HoldRedraw();
  void ReleaseRedraw(int held);

  int32_t m_bRedrawHeld = 0;
};
