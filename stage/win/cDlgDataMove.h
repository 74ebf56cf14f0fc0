#pragma once
// The data move dialog "データの移動" (template 138): the first and last entry of a run of a palette
// list, the destination and the operation (move, copy and insert, delete); OK applies it to the
// list (cDataMove::Apply).

#include "stage/cDataMove.h"
#include "ui/win/cCtrlCombo.h"
#include "ui/win/cCtrlEditVal.h"
#include "ui/win/cDialog.h"

class cDlgDataMove : public cDialog {
public:
  // Edits move, placed at (x, y).
  cDlgDataMove(cWindow* parent, cModelessList* manager, cDataMove& move, int32_t x, int32_t y);
  ~cDlgDataMove() override;
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  // The destination only for a move or a copy.
  void UpdateEnables();

  cCtrlGroups<cCtrlEditVal<int32_t>> m_vEdits;
  cCtrlGroups<cCtrlCombo<int32_t>> m_vCombos;

private:
  static cDlgDataMove* s_lpInstance;
  cDataMove& m_Move;
};
