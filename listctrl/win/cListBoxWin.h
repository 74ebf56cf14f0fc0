#pragma once
// The list box window behind a record list: the list view's requests as list box messages.

#include <windows.h>

#include "listctrl/cListBoxView.h"

class cListBoxWin : public cListBoxView {
public:
  HWND m_hWnd = nullptr;
  // The list box's own procedure behind the control's subclass, while there is one: the list's
  // requests go to it directly. The subclass wants none of them, and finding its control for each
  // costs a trip to the window server, a thousand of them in a refill.
  const WNDPROC* m_pOwnProc = nullptr;

  void ResetContent() override;
  void AddString(const char* text) override;
  void InsertString(int row, const char* text) override;
  void DeleteString(int row) override;
  int GetCount() override;
  int GetCurSel() override;
  void SetCurSel(int row) override;
  void GetSelItems(cVector<int>& rows) override;
  void SetSel(int flag, int row) override;
  int GetCaretIndex() override;
  void SetCaretIndex(int row) override;
  int GetAnchorIndex() override;
  void SetAnchorIndex(int row) override;
  int GetTopIndex() override;
  void SetTopIndex(int row) override;
  // Measured by the list box itself, so that any font and item height finds the right row.
  int ItemFromPoint(int x, int y) override;
  void SetRedraw(int on) override;
  void SetFocus() override;
  int HasFocus() override;
  void Beep() override;

private:
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    if (m_pOwnProc && *m_pOwnProc) return CallWindowProcA(*m_pOwnProc, m_hWnd, message, wParam, lParam);
    return SendMessageA(m_hWnd, message, wParam, lParam);
  }
};
