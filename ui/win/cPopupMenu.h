#pragma once
// The popup menu that a window opens where the user right-clicks: the first popup of a menu
// resource, loaded once for its owner and destroyed with it, however often it is opened.

#include <windows.h>

#include <cstdint>

class cPopupMenu {
public:
  cPopupMenu() = default;
  ~cPopupMenu() { Release(); }
  cPopupMenu(const cPopupMenu&) = delete;
  cPopupMenu& operator=(const cPopupMenu&) = delete;

  // The first popup of the menu resource; loaded on the first call, the same menu afterwards. Another
  // resource id replaces the menu held. Null when the resource has no popup.
  HMENU Load(HINSTANCE module, uint16_t menuId);
  HMENU Popup() const { return m_hPopup; }
  void Release();

private:
  HMENU m_hMenu = nullptr;  // the loaded menu bar, which owns the popup
  HMENU m_hPopup = nullptr;
  HINSTANCE m_hModule = nullptr;
  uint16_t m_wMenuId = 0;
};
