#pragma once
// The background dialog (template 136): edits one background of the stage settings page's list,
// a colour with its preview or a picture with its scroll speeds.

#include "stage/StageSettingsRules.h"
#include "ui/win/cCtrlBitmap.h"
#include "ui/win/cCtrlCheck.h"
#include "ui/win/cCtrlEditText.h"
#include "ui/win/cCtrlEditVal.h"
#include "ui/win/cDialog.h"

class cDlgBackground : public cDialog {
public:
  // Edits *record, which OK stores; placed at the control place (the list) when given.
  cDlgBackground(cWindow* parent, cModelessList* manager, cBackgroundData* record, cCtrl* place);
  ~cDlgBackground() override;
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnPaint() override;
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void UpdateEnables();

  cCtrlGroups<cCtrlEditVal<int32_t>> m_vIntEdits;
  cCtrlGroups<cCtrlEditVal<double>> m_vRealEdits;
  cCtrlGroups<cCtrlEditText> m_vTextEdits;
  cCtrlGroups<cCtrlCheck<int32_t>> m_vChecks;
  cCtrlGroups<cCtrlBitmap> m_vPictures;
  cCtrlGroups<cCtrlButton> m_vButtons;

private:
  // "参照": a picture of bmp\back\, kept as a path relative to the working folder.
  void BrowsePicture();

  static cDlgBackground* s_lpInstance;
};
