#pragma once
// The base of the control wrappers: one dialog item, bound to one member of a record. The dialog
// routes the item's notifications to its wrapper through these virtual operations.

#include <windows.h>

#include <cstdint>

#include "app/cString.h"

class cDialog;

// Kinds of wrapper.
enum : int32_t {
  kCtrlStatic = 0,
  kCtrlButton = 1,
  kCtrlEditVal = 2,
  kCtrlEditText = 3,
  kCtrlBitmap = 4,
  kCtrlCheck = 5,
  kCtrlCombo = 7,
  kCtrlList = 8,
  kCtrlSpin = 9,
  kCtrlSlider = 10,
  kCtrlScroll = 11,
};

class cCtrl {
public:
  cCtrl() = default;
  virtual ~cCtrl() = default;
  virtual void Enable(int flag) { EnableWindow(m_hWnd, flag); }
  virtual void DataToCtrl() {}
  virtual void CtrlToData() {}
  virtual void OnChange() {}
  virtual int OnNotify(WPARAM, LPARAM) { return 0; }
  virtual int OnScroll(WPARAM, LPARAM) { return 0; }
  virtual void Reserved() {}
  virtual void Redraw() {}
  virtual void OnKillFocus() {}
  virtual void AfterCommand() {}
  virtual void OnKeyDown(WPARAM, LPARAM, int32_t) {}

  // Binds the wrapper to the owner's dialog item.
  void Attach(cDialog* owner, uint16_t id);
  void UpdatePos();
  void Show(int flag) { ShowWindow(m_hWnd, flag ? SW_SHOW : SW_HIDE); }

  HWND m_hWnd = nullptr;
  WNDPROC m_lpfnOldProc = nullptr;
  cDialog* m_lpOwner = nullptr;
  HWND m_hWndOwner = nullptr;
  int32_t m_nKind = kCtrlStatic;
  uint16_t m_wId = 0;
  HMENU m_hPopupMenu = nullptr;
  POINT m_ptScreen = {};
  POINT m_ptClient = {};
  int32_t m_bBusy = 0;
  cString m_strTip;
};
