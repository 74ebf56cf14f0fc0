#include "ui/win/cPropSheet.h"

#include <algorithm>
#include <new>

#include "app/MessageBox.h"
#include "ui/win/cDialog.h"
#include "ui/win/cModelessList.h"

namespace {
int CALLBACK PropSheetCallback(HWND window, UINT message, LPARAM) {
  // The caption gets no help button.
  if (message == PSCB_INITIALIZED)
    SetWindowLongA(window, GWL_EXSTYLE, GetWindowLongA(window, GWL_EXSTYLE) & ~WS_EX_CONTEXTHELP);
  return 0;
}
}  // namespace

UINT NotifyCode(UINT message, LPARAM lParam) {
  return message == WM_NOTIFY ? reinterpret_cast<const NMHDR*>(lParam)->code : 0;
}

cPropSheet::cPropSheet(int32_t mode, cWindow* parent, cModelessList* manager)
    : m_nMode(mode), m_hWndParent(parent ? parent->m_hWnd : nullptr), m_lpParentClass(parent), m_lpManager(manager) {}

cPropSheet::~cPropSheet() {
  delete[] m_phPages;
  if (!m_lpManager || !m_lpManager->RemoveSheet(this)) ErrorBoxF("ウインドウの破棄に失敗！");
}

void cPropSheet::Run() {
  m_nMode = 1;
  for (cDialog* page : m_vPages) {
    page->m_bModeless = m_nMode;
    page->m_lpSheet = this;
    page->m_lpParentClass = m_lpParentClass;
  }
  HINSTANCE module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(m_hWndParent, GWLP_HINSTANCE));
  delete[] m_phPages;
  m_phPages = new (std::nothrow) HPROPSHEETPAGE[m_vPages.size() + 1];
  if (!m_phPages) {
    OutOfMemory();
    return;
  }
  for (int i = 0; i < m_vPages.Count(); ++i) {
    PROPSHEETPAGEA page = {};
    page.dwSize = PROPSHEETPAGEA_V1_SIZE;
    page.hInstance = module;
    page.pszTemplate = MAKEINTRESOURCEA(m_vPages.At(i)->m_wTemplateId);
    page.pfnDlgProc = m_vPages.At(i)->m_lpfnProc;
    m_phPages[i] = CreatePropertySheetPageA(&page);
  }
  PROPSHEETHEADERA header = {};
  header.dwSize = PROPSHEETHEADERA_V1_SIZE;
  header.dwFlags = PSH_MODELESS | PSH_USECALLBACK;
  header.hwndParent = m_hWndParent;
  header.hInstance = module;
  header.nPages = static_cast<UINT>(m_vPages.size());
  header.phpage = m_phPages;
  header.pfnCallback = PropSheetCallback;
  INT_PTR sheet = PropertySheetA(&header);
  // A sheet that could not be made comes back null, or -1 as a modal one does (an owner gone).
  m_hWndSheet = sheet == -1 ? nullptr : reinterpret_cast<HWND>(sheet);
  if (!m_hWndSheet) {
    ErrorBox("ウインドウの生成に失敗！");
    PostMessageA(m_hWndParent, WM_CLOSE, 0, 0);
    return;
  }
  for (cDialog* page : m_vPages) page->m_hWndSheet = m_hWndSheet;
}

void cPropSheet::SetCurrentPage(int index) { SendMessageA(m_hWndSheet, PSM_SETCURSEL, index, -1); }

int cPropSheet::CurrentPageIndex() const {
  HWND tabs = reinterpret_cast<HWND>(SendMessageA(m_hWndSheet, PSM_GETTABCONTROL, 0, 0));
  return static_cast<int>(SendMessageA(tabs, TCM_GETCURSEL, 0, 0));
}

void cPropSheet::PaintCurrentPage() {
  int index = CurrentPageIndex();
  if (index >= 0 && index < m_vPages.Count()) m_vPages.At(index)->OnPaint();
}

void cPropSheet::DestroySheetWindow() {
  if (m_nMode == 0 || !m_hWndSheet) return;
  DestroyWindow(m_hWndSheet);
  m_hWndSheet = nullptr;
}

void cPropSheet::KeepInsideWorkArea() {
  RECT window = {}, area = {};
  if (!m_hWndSheet || !GetWindowRect(m_hWndSheet, &window) || !SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0))
    return;
  LONG x = std::max(area.left, std::min(window.left, area.right - (window.right - window.left)));
  LONG y = std::max(area.top, std::min(window.top, area.bottom - (window.bottom - window.top)));
  if (x != window.left || y != window.top)
    SetWindowPos(m_hWndSheet, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void cPropSheet::AddStyle(uint32_t style) {
  SetWindowLongA(m_hWndSheet, GWL_STYLE, static_cast<LONG>(GetWindowLongA(m_hWndSheet, GWL_STYLE) | style));
}

void cPropSheet::RemoveStyle(uint32_t style) {
  SetWindowLongA(m_hWndSheet, GWL_STYLE, static_cast<LONG>(GetWindowLongA(m_hWndSheet, GWL_STYLE) & ~style));
}
