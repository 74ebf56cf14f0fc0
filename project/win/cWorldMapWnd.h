#pragma once
// The world map window: the map picture with its scroll bars, a menu, a toolbar and a status bar.
// Its logic is cWorldMapEditor; the window feeds it the picture's size, the scroll positions, the
// mouse and the commands, carries out the refreshes each call answers with, paints the map and
// runs the world event dialog and the settings dialog. It owns the palette of the current mode.

#include "project/cWorldMapEditor.h"
#include "ui/win/cDialog.h"
#include "ui/win/cKeyPress.h"
#include "ui/win/cPopupMenu.h"

class cMapChipPaletteWnd;
class cEventPaletteWnd;
class cDlgWorldMapSettings;
class cDlgWorldEvent;

class cWorldMapWnd : public cDialog, public cWorldMapView {
public:
  enum : uint16_t {
    kTemplateId = 152,
    kMenuId = 155,
    kPopupMenuId = 163,
    kAcceleratorId = 105,  // shared with the stage editor window
    kIdcPicture = 1006,
    kIdcStatus = 1,
    kIdcToolbar = 132,
  };
  // The Space key as the shared accelerator table turns it into a command.
  static constexpr int kCmdSpaceKey = 40163;
  static constexpr int32_t kMaxViewWidth = 640, kMaxViewHeight = 480;
  static constexpr int32_t kMinViewWidth = 192, kMinViewHeight = 160;

  // Owned by the stage editor window (owner), registered with the window list.
  cWorldMapWnd(cWindow* owner, cModelessList* list);
  ~cWorldMapWnd() override;
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  void OnIdle() override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnPaint() override;
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;

  // cWorldMapView: the world event dialog on the event, this window and its palette held as the
  // run flags ask (hidden or disabled) while it runs; 1 for OK.
  int RunEventDialog(cWorldEvent& event, int runFlags) override;

  // Carries out what a call of the editor (or a dialog or palette run meanwhile) asked for.
  void Refresh(unsigned refresh);
  void OpenPaletteOfMode();
  void OpenChipPalette();
  void OpenEventPalette();

  cWorldMapEditor& Editor() { return m_Editor; }
  HWND PictureWindow() const { return m_cgView.m_Ctrl.m_hWnd; }
  const cCanvas& PictureCanvas() const { return m_cgView.m_Ctrl.m_Back; }

  cMapChipPaletteWnd* m_pChipPalette = nullptr;
  cEventPaletteWnd* m_pEventPalette = nullptr;
  cDlgWorldMapSettings* m_pSettingsDlg = nullptr;
  cDlgWorldEvent* m_pEventDlg = nullptr;
  HMENU m_hPopupMenu = nullptr;  // submenu 0 of menu 163

private:
  static cWorldMapWnd* s_lpInstance;

  void SetUpGeometry();
  void CreateToolbarButtons();
  // The picture and the scroll bars after a change of the client area or of the map's size.
  void LayoutPicture();
  void ScrollToBars();
  void OnMouse(UINT message, WPARAM wParam, LPARAM lParam);
  // The popup menu of the events after a right click on the picture (mode 1).
  void OnRightClick(WPARAM keys);
  void ShowPopup();
  void OnClose();
  void OnDestroy(HWND window);
  void RunSettings();
  // This window and its palette, hidden or disabled around a dialog of their own.
  void HoldOwnWindows(int runFlags, int restore);
  // Shows (1) or hides (0) this window and its palette.
  void ShowWindows(int show);
  // The palette window of the current mode; null while none is open.
  cDialog* OpenPalette();
  void UpdateUndoStates();
  void UpdateModeStates();
  void Repaint();
  void PaintEvents(cCanvas& canvas);
  void SetStatusText(const char* text);
  void OnSpace();

  cWorldMapEditor m_Editor;
  cPopupMenu m_Popup;
  cKeyPress m_SpacePress;
  int32_t m_bRightPressed = 0;  // the right button went down on the picture
};
