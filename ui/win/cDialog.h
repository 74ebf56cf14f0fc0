#pragma once
// The base of every dialog: modal dialogs, modeless tool windows and property-sheet pages. It makes
// the window from its template, routes control notifications to the bound controls, scrolls with
// its own scroll bars and keys, and hides or disables the other registered windows while it runs.
//
// Each concrete dialog class keeps its live instance in one pointer; its static dialog procedure
// returns GuardedMessage(instance, ...). OnMessage calls WindowProc first and answers WM_CLOSE with
// Close(0); OnCommand calls AcceptCommand, then cDialog::OnCommand, then handles its own ids
// (kIdcOk: ControlsToData and Close(1); kIdcCancel: Close(0)); OnInitDialog calls
// cDialog::OnInitDialog first and sets m_bInitialized last.

#include "ui/win/cCtrlBitmap.h"
#include "ui/win/cCtrlScroll.h"
#include "ui/win/cKeyboardHook.h"
#include "ui/win/cWindow.h"

class cPropSheet;

// Template ids of OK and Cancel in every dialog.
enum : uint16_t { kIdcOk = 1000, kIdcCancel = 1001 };

// Run flags of DoModal and Create.
enum : int32_t { kRunHideOthers = 2, kRunDisableOthers = 4 };

class cDialog : public cWindow {
public:
  cDialog(uint16_t templateId, cWindow* parent, int32_t kind, cModelessList* manager);
  cDialog(uint16_t templateId, cWindow* parent, int32_t kind, cModelessList* manager, int32_t x, int32_t y);
  cDialog(uint16_t templateId, cWindow* parent, int32_t kind, cModelessList* manager, cWindow* place,
          int32_t center);
  cDialog(uint16_t templateId, cWindow* parent, int32_t kind, cModelessList* manager, cCtrl* place,
          int32_t center);

  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void RedrawList() override;
  virtual void OnInitDialog(WPARAM wParam, LPARAM lParam);
  // Around every RefreshControls, with its hint; a page may hold its painting meanwhile.
  virtual void BeginRefresh(int32_t) {}
  virtual void EndRefresh(int32_t) {}

  void Init(uint16_t templateId, cWindow* parent, int32_t kind, cModelessList* manager);
  // The result given to Close; 0 at once when the object already has a window.
  INT_PTR DoModal(int32_t runFlags);
  // Makes the modeless window, only for an object that never had one.
  void Create(int32_t runFlags, int32_t show);
  void Close(int32_t result);
  // Closes a modeless dialog and takes it out of the modeless-window list.
  void Destroy();
  void RestoreOtherWindows();
  void ReportResourceShortage();

  // Binds every group's wrapper to its item and adds it to the control list.
  template <class W>
  void AttachCtrlGroups(cCtrlGroups<W>& groups) {
    for (cCtrlGroup<W>& group : groups) AttachCtrlGroup(group);
  }
  template <class W>
  void AttachCtrlGroup(cCtrlGroup<W>& group) {
    group.m_Ctrl.Attach(this, group.m_Param);
    m_vCtrl.push_back(&group.m_Ctrl);
  }
  // Binds again groups that a page rebuilt; the control list stays as it is.
  template <class W>
  void ReattachCtrlGroups(cCtrlGroups<W>& groups) {
    for (cCtrlGroup<W>& group : groups) group.m_Ctrl.Attach(this, group.m_Param);
  }

  void DataToControls();
  void DataToControlsExcept(const cCtrl* except);
  void ControlsToData();
  void RefreshControls(int32_t hint);
  void RefreshControlsExcept(int32_t hint, const cCtrl* except);
  // The id of the bound control whose notification counts as a change; 0 when none.
  uint16_t FindCommandCtrl(WPARAM wParam) const;
  // Called once a tick while a drag is under way: scrolls when the mouse is beyond the view.
  void DragScroll(int32_t* x, int32_t* y);
  HWND ScrollBar(int bar) const { return (bar == SB_HORZ ? m_cgHScroll : m_cgVScroll).m_Ctrl.m_hWnd; }

  int32_t m_bModeless = 0;
  int32_t m_nRunFlags = 0;
  WNDPROC m_lpfnOldProc = nullptr;
  int32_t m_nResult = 0;
  cKeyboardHook m_Hook;
  cWindow* m_lpParentClass = nullptr;
  cPropSheet* m_lpSheet = nullptr;
  // The view control of a window that draws; attached by that window.
  cCtrlGroup<cCtrlBitmap> m_cgView;
  // The dialog's own scroll bars, attached when its geometry asks for them.
  cCtrlGroup<cCtrlScroll> m_cgHScroll;
  cCtrlGroup<cCtrlScroll> m_cgVScroll;
  cVector<cCtrl*> m_vCtrl;

private:
  void SetUpScrollBar(int bar);
  void PlaceScrollBars();
  void OnScroll(int bar, WPARAM wParam, LPARAM lParam);
  void HandleKeyDown(WPARAM key, LPARAM data);
  void HideAndDisableOthers();
  void DragStep(int32_t& counter, int32_t beyond, int bar, int32_t step, int32_t* out);
  void KeepFocusOffScrollBars();
};

// Control ids of the scroll bars that dialogs make for themselves; start-up sets them once.
void SetDialogScrollBarIds(uint16_t horizontal, uint16_t vertical);
