#pragma once
// What a record list needs of the list box that shows its rows. The Windows side answers with the
// list box messages; the tests answer with a list of their own. Rows are numbered from 0; -1 means
// no row.

#include "app/cVector.h"

class cListBoxView {
public:
  virtual ~cListBoxView() = default;

  // Rows and their texts.
  virtual void ResetContent() = 0;
  virtual void AddString(const char* text) = 0;
  virtual void InsertString(int row, const char* text) = 0;
  virtual void DeleteString(int row) = 0;
  virtual int GetCount() = 0;

  // The one selected row of a single-selection list box.
  virtual int GetCurSel() = 0;
  virtual void SetCurSel(int row) = 0;

  // The marks of an extended-selection list box, its caret and its anchor.
  virtual void GetSelItems(cVector<int>& rows) = 0;
  virtual void SetSel(int flag, int row) = 0;
  virtual int GetCaretIndex() = 0;
  virtual void SetCaretIndex(int row) = 0;
  virtual int GetAnchorIndex() = 0;
  virtual void SetAnchorIndex(int row) = 0;

  virtual int GetTopIndex() = 0;
  virtual void SetTopIndex(int row) = 0;
  // The row drawn under a screen point; -1 outside the list box or below its last row.
  virtual int ItemFromPoint(int x, int y) = 0;

  virtual void SetRedraw(int on) = 0;
  virtual void SetFocus() = 0;
  virtual int HasFocus() = 0;
  // The short sound of a refused command.
  virtual void Beep() = 0;
};
