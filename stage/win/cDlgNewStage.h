#pragma once
// The new-stage dialog "ステージの新規作成" (template 247): a template stage file, the source of the
// new stage's palette and a stage palette file, as the editor configuration remembers them. OK makes
// the stage (cNewStage::Create); a stage palette file that does not load keeps the dialog open.

#include "stage/cNewStage.h"
#include "ui/win/cCtrlCheck.h"
#include "ui/win/cCtrlCombo.h"
#include "ui/win/cCtrlEditText.h"
#include "ui/win/cDialog.h"

class cDlgNewStage : public cDialog {
public:
  // Centred on the parent; its controls show the choices of the last use.
  cDlgNewStage(cWindow* parent, cModelessList* manager, cNewStage& logic);
  ~cDlgNewStage() override;
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  // The palette file's edit and browse button, only for a palette from a file.
  void UpdateControls();

  cNewStageChoice m_Choice;
  cCtrlGroups<cCtrlEditText> m_vTexts;
  cCtrlGroups<cCtrlCombo<int32_t>> m_vCombos;
  cCtrlGroups<cCtrlButton> m_vButtons;

private:
  // A browse button: the chosen file goes into the edit.
  void Browse(uint16_t editId, int (cNewStage::*browse)(cString&, void*));
  void Create();

  static cDlgNewStage* s_lpInstance;
  cNewStage& m_Logic;
};
