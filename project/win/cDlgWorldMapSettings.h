#pragma once
// The world map settings dialog "ワールドマップの設定" (template 153): the map's size, the start
// position and the background, bound to the world map itself. OK resizes the map and reloads the
// background picture; the world map window then pulls the start and the events into the map.

#include "project/cWorldMapSettings.h"
#include "ui/win/cCtrlBitmap.h"
#include "ui/win/cCtrlCheck.h"
#include "ui/win/cCtrlEditText.h"
#include "ui/win/cCtrlEditVal.h"
#include "ui/win/cDialog.h"

class cWorldMapWnd;

class cDlgWorldMapSettings : public cDialog {
public:
  static constexpr uint16_t kIdcFrameBitmap = 1075;
  static constexpr int32_t kPreviewPixels = 32;

  cDlgWorldMapSettings(cWorldMapWnd* owner, cModelessList* list);
  ~cDlgWorldMapSettings() override;
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnPaint() override { PaintPreview(); }
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;

  // The colour preview as last painted; empty before the dialog has a window.
  const cCanvas* PreviewCanvas() const { return m_vPictures.Count() ? &m_vPictures[0].m_Ctrl.m_Back : nullptr; }

  cWorldMapSettings m_Settings;

private:
  static cDlgWorldMapSettings* s_lpInstance;

  void Apply();
  // "参照": a picture of bmp\, stored into the world map at once, relative to the working folder.
  void BrowseBackImage();
  void PaintPreview();

  cWorldMapWnd* m_pOwner;
  cCtrlGroups<cCtrlEditVal<int32_t>> m_vNumbers;
  cCtrlGroups<cCtrlCheck<int32_t>> m_vChecks;
  cCtrlGroups<cCtrlEditText> m_vTexts;
  cCtrlGroups<cCtrlBitmap> m_vPictures;
  cCtrlGroups<cCtrlButton> m_vButtons;
};
