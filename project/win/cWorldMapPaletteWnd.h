#pragma once
// The two palettes beside the world map window, one for each edit mode: the map chip palette
// (the chips as pictures; a click makes the brush that chip) and the event palette (the event
// templates, the current event and the placing options). The world map window owns them; the
// user cannot close them.

#include "listctrl/win/cCtrlList.h"
#include "project/cWorldMapPalettes.h"
#include "ui/win/cCtrlCheck.h"
#include "ui/win/cDialog.h"

class cWorldMapWnd;

class cMapChipPaletteWnd : public cDialog {
public:
  enum : uint16_t { kTemplateId = 154, kIdcPicture = 1006, kIdcStatus = 1 };
  // The picture: five chips a row, one or two rows high.
  static constexpr int32_t kViewWidth = cMapChipPaletteRules::kColumns * cMapChipPaletteRules::kCellPixels;
  static constexpr int32_t kMinViewHeight = 32, kMaxViewHeight = 64;

  cMapChipPaletteWnd(cWorldMapWnd* owner, cModelessList* list);
  ~cMapChipPaletteWnd() override;
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnPaint() override { Repaint(); }
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;

  void Repaint();
  const cCanvas& PictureCanvas() const { return m_cgView.m_Ctrl.m_Back; }

  int32_t m_nScrollRow = 0;

private:
  static cMapChipPaletteWnd* s_lpInstance;

  void LayoutPicture();
  void Select(LPARAM lParam);

  cWorldMapWnd* m_pOwner;
};

class cEventPaletteWnd : public cDialog {
public:
  enum : uint16_t { kTemplateId = 158 };
  // The list's insert of its popup menu and of its accelerator table: the palette's own insert.
  static constexpr int kCmdInsertMenu = 40042, kCmdInsertKey = 40033;
  using tList = cCtrlList<cWorldEvent>;

  cEventPaletteWnd(cWorldMapWnd* owner, cModelessList* list);
  ~cEventPaletteWnd() override;
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;

  // An event cut or copied on the map becomes the list's copy buffer, ready to paste as a template.
  void TakeClipEvent(const cWorldEvent& event);
  tList& List() { return m_cgList.m_Ctrl; }

private:
  static cEventPaletteWnd* s_lpInstance;

  // A command of the palette's own (its buttons and options, the list's selection), 1 when it was one.
  int RunOwnCommand(WPARAM wParam);
  // The list's own cut, copy, paste and delete of its keys and popup menu.
  void RunListCommand(uint16_t id);
  // A default template inserted at the current row and edited at once; cancelled, it goes again.
  void InsertTemplate();
  // The current row becomes the current event and brush of the event mode.
  void UpdateSelection();

  cWorldMapWnd* m_pOwner;
  cEventPaletteRules m_Rules;
  cCtrlGroup<tList> m_cgList;
  cCtrlGroups<cCtrlCheck<int32_t>> m_vChecks;
  cCtrlGroups<cCtrlButton> m_vButtons;
};
