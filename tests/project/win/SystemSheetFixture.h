#pragma once
// The fixture of the system settings sheet's tests: the factory settings, an owner window standing
// for the stage editor window, the sheet in its owner's slot, and the moves a user makes on it.

#include <string>

#include "app/cDataStream.h"
#include "project/win/cSysPages.h"
#include "project/win/cSystemSettingsSheet.h"
#include "tests/project/win/PageInput.h"
#include "tests/support/TestSupport.h"
#include "tests/support/win/WindowTest.h"

// The settings the sheet edits, by a short name.
inline cSystemSettings& S = g_SystemSettings;


class SystemSheetTest : public cWindowTest {
protected:
  SystemSheetTest() {
    g_SystemSettings = cSystemSettings();
    CreateDirectoryA("data", nullptr);
    m_Owner.Create(0, 1);
  }
  ~SystemSheetTest() override {
    CloseSheet();
    g_SystemSettings = cSystemSettings();
  }

  // Opens the sheet as the stage editor's menu does; 1 when it runs.
  int Open() {
    CloseSheet();
    auto* sheet = new cSystemSettingsSheet(1, &m_Owner, &m_List, &m_pSheet, [this] { ++m_nRevalidates; });
    m_pSheet = sheet;
    return sheet->Create();
  }
  cSystemSettingsSheet* Sheet() const { return static_cast<cSystemSettingsSheet*>(m_pSheet); }
  // Cancels the sheet and lets the window list end it.
  void CloseSheet() {
    if (!m_pSheet) return;
    if (Sheet()->m_hWndSheet) EndSheet(PSBTN_CANCEL);
    delete m_pSheet;  // a sheet the list did not end
    m_pSheet = nullptr;
  }
  // Presses OK or Cancel; the window list ends the sheet at the next message of the loop.
  void EndSheet(int button) {
    SendMessageA(Sheet()->m_hWndSheet, PSM_PRESSBUTTON, button, 0);
    PostMessageA(m_Owner.m_hWnd, WM_NULL, 0, 0);
    PumpMessages(&m_List);
  }
  // Makes the tab current, as a click on it does (a click on the current tab does nothing); its
  // page window.
  HWND ShowPage(int page) {
    if (Sheet()->CurrentPageIndex() != page) {
      Sheet()->SetCurrentPage(page);
      PumpMessages(&m_List);
    }
    return Sheet()->m_apPages[page]->m_hWnd;
  }
  void PressApply() {
    SendMessageA(Sheet()->m_hWndSheet, PSM_PRESSBUTTON, PSBTN_APPLYNOW, 0);
    PumpMessages(&m_List);
  }
  // What the document's own save writes into a data file.
  static Bytes SavedFile(cSystemSettings& settings) {
    cWriteStream out;
    out.WriteU32(771);
    settings.Save(out);
    return out.Bytes();
  }

  cFakeShell m_Shell;
  cProbeDialog<60> m_Owner{kIddTestOwner, nullptr, &m_List};
  cPropSheet* m_pSheet = nullptr;
  int m_nRevalidates = 0;
};
