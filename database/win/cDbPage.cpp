#include "database/win/cDbPage.h"

#include "app/DataFile.h"
#include "app/win/FileDialogs.h"
#include "database/win/cDatabaseWnd.h"

cDbPage::cDbPage(uint16_t templateId, cDatabaseWnd& window, int tab)
    : cDialog(templateId, window.m_lpParentClass, kKindPage, window.m_lpManager), m_Window(window), m_nTab(tab) {}

void cDbPage::TellSheetChanged() {
  HWND sheet = m_hWndSheet ? m_hWndSheet : GetParent(m_hWnd);
  SendMessageA(sheet, PSM_CHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void cDbPage::StoreControlsExceptLists() {
  for (cCtrl* ctrl : m_vCtrl)
    if (ctrl->m_nKind != kCtrlList) ctrl->CtrlToData();
}

cCtrl* cDbPage::BoundCtrl(uint16_t id) {
  for (cCtrl* ctrl : m_vCtrl)
    if (ctrl->m_wId == id) return ctrl;
  return nullptr;
}

void cDbPage::EnableCtrl(uint16_t id, int flag) {
  if (cCtrl* ctrl = BoundCtrl(id)) ctrl->Enable(flag);
}

void cDbPage::AttachFieldGroups() {
  AttachCtrlGroups(m_vTexts);
  AttachCtrlGroups(m_vInts);
  AttachCtrlGroups(m_vChecks);
  AttachCtrlGroups(m_vCombos);
  AttachCtrlGroups(m_vButtons);
  AttachCtrlGroups(m_vStatics);
  AttachCtrlGroups(m_vBitmaps);
}

int cDbPage::ChooseFile(const cBrowseForm& browse, cString& path) {
  char buffer[kMaxPath] = {};
  if (!OpenFileDialog(m_hWnd, buffer, kMaxPath, browse.m_pFolder, browse.m_pTitle, browse.m_pFilter,
                      browse.m_pDefaultExtension, 0, nullptr))
    return 0;
  path = buffer;
  return 1;
}
