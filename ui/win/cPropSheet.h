#pragma once
// The base of the property sheets. Every sheet runs modeless: the main loop serves its keys, and
// the modeless-window list deletes it through its owner's pointer once the user has ended it.

#include <windows.h>
#include <commctrl.h>

#include <cstdint>

#include "app/cVector.h"

class cDialog;
class cModelessList;
class cWindow;

// The notification code of a WM_NOTIFY (a page's PSN_...); 0 for any other message.
UINT NotifyCode(UINT message, LPARAM lParam);

class cPropSheet {
public:
  cPropSheet(int32_t mode, cWindow* parent, cModelessList* manager);
  cPropSheet(const cPropSheet&) = delete;
  cPropSheet& operator=(const cPropSheet&) = delete;
  // Leaves the modeless-window list; the sheet window is the owner's to destroy.
  virtual ~cPropSheet();

  void AddPage(cDialog* page) { m_vPages.push_back(page); }
  // Creates the sheet window around the pages; the concrete sheet sets the title afterwards.
  void Run();
  void SetCurrentPage(int index);
  int CurrentPageIndex() const;
  void PaintCurrentPage();
  void DestroySheetWindow();
  // Moves the sheet window back inside the desktop's work area where it runs past an edge (a sheet
  // is centred on its owner, which may lie at the edge of the screen).
  void KeepInsideWorkArea();
  void AddStyle(uint32_t style);
  void RemoveStyle(uint32_t style);

  int32_t m_nMode = 0;
  HWND m_hWndParent = nullptr;
  cWindow* m_lpParentClass = nullptr;
  void* m_lpKey = nullptr;
  cModelessList* m_lpManager = nullptr;
  cVector<cDialog*> m_vPages;
  HPROPSHEETPAGE* m_phPages = nullptr;
  HWND m_hWndSheet = nullptr;
};
