#include "ui/win/cModelessList.h"

#include <algorithm>
#include <vector>

#include "ui/win/cDialog.h"
#include "ui/win/cPropSheet.h"

void cModelessList::AddWindow(cDialog* dialog) { m_Windows.push_back(dialog); }

int cModelessList::RemoveWindow(void* registered) {
  for (auto it = m_Windows.begin(); it != m_Windows.end(); ++it)
    if (*it == registered) {
      m_Windows.erase(it);
      return 1;
    }
  return 0;
}

int cModelessList::IsRegistered(const cDialog* dialog) const {
  return std::find(m_Windows.begin(), m_Windows.end(), dialog) != m_Windows.end() ? 1 : 0;
}

void cModelessList::AddSheet(cPropSheet* sheet, cPropSheet** owner) {
  cSheetEntry entry;
  entry.m_lpKey = sheet;
  entry.m_lppOwner = owner;
  m_Sheets.push_back(entry);
}

int cModelessList::RemoveSheet(const cPropSheet* key) {
  for (auto it = m_Sheets.begin(); it != m_Sheets.end(); ++it)
    if (it->m_lpKey == key) {
      m_Sheets.erase(it);
      return 1;
    }
  return 0;
}

int cModelessList::PreTranslateMessage(MSG* message) {
  if (TranslateAccelerators(message)) return 1;
  if (EndFinishedSheet()) return 1;
  for (cDialog* dialog : m_Windows)
    if (dialog->m_hWnd && IsDialogMessageA(dialog->m_hWnd, message)) return 1;
  for (const cSheetEntry& entry : m_Sheets)
    if (entry.m_lpKey->m_hWndSheet &&
        SendMessageA(entry.m_lpKey->m_hWndSheet, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(message)))
      return 1;
  return 0;
}

// Only the active window's tables translate; a table for a control only while it has the focus,
// and only the keys sent to it: the keyboard hook posts a copy of some keys to the window itself,
// which must not run the control's command a second time.
int cModelessList::TranslateAccelerators(MSG* message) {
  HWND active = GetActiveWindow();
  for (cDialog* dialog : m_Windows) {
    bool isActive;
    if (dialog->m_nKind == kKindPage)
      isActive = dialog->m_hWndSheet == active &&
                 reinterpret_cast<HWND>(SendMessageA(dialog->m_hWndSheet, PSM_GETCURRENTPAGEHWND, 0, 0)) ==
                     dialog->m_hWnd;
    else
      isActive = dialog->m_hWnd == active;
    if (!isActive) continue;
    for (const cAccelEntry& entry : dialog->m_AccelList) {
      if (!entry.m_hAccel) continue;
      bool forControl = entry.m_hWndTarget != dialog->m_hWnd;
      if (forControl && (GetFocus() != entry.m_hWndTarget || message->hwnd != entry.m_hWndTarget)) continue;
      if (TranslateAcceleratorA(dialog->m_hWnd, entry.m_hAccel, message)) return 1;
    }
  }
  return 0;
}

// A sheet whose user pressed OK, Cancel or the close box has no current page any more.
int cModelessList::EndFinishedSheet() {
  for (const cSheetEntry& entry : m_Sheets) {
    cPropSheet* sheet = entry.m_lpKey;
    if (!sheet->m_hWndSheet || SendMessageA(sheet->m_hWndSheet, PSM_GETCURRENTPAGEHWND, 0, 0)) continue;
    cPropSheet** owner = entry.m_lppOwner;
    sheet->DestroySheetWindow();
    delete sheet;  // leaves m_Sheets
    if (owner) *owner = nullptr;
    return 1;
  }
  return 0;
}

void cModelessList::ShowAll(int flag) {
  for (cDialog* dialog : m_Windows) ShowWindow(dialog->m_hWnd, flag ? SW_SHOW : SW_HIDE);
  for (const cSheetEntry& entry : m_Sheets)
    if (entry.m_lpKey->m_hWndSheet) ShowWindow(entry.m_lpKey->m_hWndSheet, flag ? SW_SHOW : SW_HIDE);
}

void cModelessList::EnableAll(int flag) {
  for (cDialog* dialog : m_Windows) dialog->Enable(flag);
  for (const cSheetEntry& entry : m_Sheets) {
    if (!entry.m_lpKey->m_hWndSheet) continue;
    if (flag) entry.m_lpKey->RemoveStyle(WS_DISABLED);
    else entry.m_lpKey->AddStyle(WS_DISABLED);
  }
}

void cModelessList::IdleAll() {
  // A window may close itself in its OnIdle: the walk goes over a copy and skips the windows gone.
  std::vector<cDialog*> windows(m_Windows.begin(), m_Windows.end());
  for (cDialog* dialog : windows)
    if (IsRegistered(dialog)) dialog->OnIdle();
}
