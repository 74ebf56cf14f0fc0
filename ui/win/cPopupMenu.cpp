#include "ui/win/cPopupMenu.h"

HMENU cPopupMenu::Load(HINSTANCE module, uint16_t menuId) {
  if (m_hMenu && m_hModule == module && m_wMenuId == menuId) return m_hPopup;
  Release();
  m_hMenu = LoadMenuA(module, MAKEINTRESOURCEA(menuId));
  if (!m_hMenu) return nullptr;
  m_hModule = module;
  m_wMenuId = menuId;
  m_hPopup = GetSubMenu(m_hMenu, 0);
  return m_hPopup;
}

void cPopupMenu::Release() {
  // Destroying the bar destroys its popups with it.
  if (m_hMenu) DestroyMenu(m_hMenu);
  m_hMenu = m_hPopup = nullptr;
  m_hModule = nullptr;
  m_wMenuId = 0;
}
