#pragma once
// The two option dialogs of the stage editor window: the stage options (how many steps can be
// undone, which way the mouse wheel scrolls) and the edit options, which have no settings.

#include "project/StageOptions.h"
#include "ui/win/cCtrlCombo.h"
#include "ui/win/cCtrlEditVal.h"
#include "ui/win/cDialog.h"

// Bound to the stage document itself; OK stores, and the undo depth takes effect at once.
class cDlgStageOptions : public cDialog {
public:
  cDlgStageOptions(cWindow* owner, cModelessList* list);
  ~cDlgStageOptions() override;
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

  cCtrlGroups<cCtrlEditVal<int32_t>> m_vEdits;
  cCtrlGroups<cCtrlCombo<int32_t>> m_vCombos;

private:
  void OnOk();
};

class cDlgEditOptions : public cDialog {
public:
  cDlgEditOptions(cWindow* owner, cModelessList* list);
  ~cDlgEditOptions() override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
};
