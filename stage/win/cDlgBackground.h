#pragma once
// The background dialog (template 136): edits one background of the stage settings page's list,
// a colour with its preview or a picture with its scroll speeds. The list runs it as the edit of
// a row (first form): it finds the background of the list's current row through the basic page.

#include "stage/StageSettingsRules.h"
#include "ui/win/cCtrlBitmap.h"
#include "ui/win/cCtrlCheck.h"
#include "ui/win/cCtrlEditText.h"
#include "ui/win/cCtrlEditVal.h"
#include "ui/win/cDialog.h"

class cDlgBackground : public cDialog {
public:
  // Placed centred on place (the list) with center set, at its corner otherwise, or at its own
  // position without one.
  cDlgBackground(uint16_t templateId, cWindow* parent, int32_t kind, cModelessList* manager, cCtrl* place,
                 int32_t center);
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
  // The controls edit a copy; OK stores it into the row's background (none: no list row current).
  cBackgroundData m_Background;
  cBackgroundData* m_pTarget = nullptr;

private:
  // "参照": a picture of bmp\back\, kept as a path relative to the working folder.
  void BrowsePicture();

  static cDlgBackground* s_lpInstance;
};
