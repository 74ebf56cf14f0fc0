#pragma once
// The fixture of the project options sheet's tests: the factory options, an owner window standing
// for the stage editor window, the sheet in its owner's slot, and the moves a user makes on it.

#include <vector>

#include "app/cDataStream.h"
#include "app/win/FileDialogs.h"
#include "project/win/cPrjPages.h"
#include "project/win/cProjectOptionSheet.h"
#include "stage/cStageEditState.h"
#include "tests/project/win/PageInput.h"
#include "tests/support/TestSupport.h"
#include "tests/support/win/WindowTest.h"

// The options the sheet edits, by a short name.
inline cProjectSettings& P = g_ProjectSettings;

class ProjectOptionsTest : public cWindowTest {
protected:
  ProjectOptionsTest() {
    P = cProjectSettings();
    CreateDirectoryA("data", nullptr);
    m_Owner.Create(0, 1);
  }
  ~ProjectOptionsTest() override {
    CloseSheet();
    SetFileDialogSeam(nullptr);
    P = cProjectSettings();
    g_StageEditState.m_nEditContext = 0;
    g_StageEditState.m_pEditChara = nullptr;
  }

  // Opens the sheet as the stage editor's menu does; 1 when it runs.
  int Open() {
    CloseSheet();
    cProjectOptionSheet::cOwnerCalls calls;
    calls.m_Closed = [this] { ++m_nClosed; };
    calls.m_OpenDataSheet = [this](int kind, cWindow* owner, cPropSheet**) {
      m_vSheetKinds.push_back(kind);
      EXPECT_EQ(owner, Sheet()->m_apPages[cProjectOptionSheet::kPageGeneral]) << "the page owns the record's sheet";
      return 0;
    };
    auto* sheet = new cProjectOptionSheet(1, &m_Owner, &m_List, &m_pSheet, calls);
    m_pSheet = sheet;
    return sheet->Create();
  }
  cProjectOptionSheet* Sheet() const { return static_cast<cProjectOptionSheet*>(m_pSheet); }
  void CloseSheet() {
    if (!m_pSheet) return;
    if (Sheet()->m_hWndSheet) EndSheet(PSBTN_CANCEL);
    delete m_pSheet;  // a sheet the list did not end
    m_pSheet = nullptr;
  }
  // Presses a button of the sheet; the window list ends a finished sheet at the next message.
  void EndSheet(int button) {
    SendMessageA(Sheet()->m_hWndSheet, PSM_PRESSBUTTON, button, 0);
    PostMessageA(m_Owner.m_hWnd, WM_NULL, 0, 0);
    PumpMessages(&m_List);
  }
  HWND ShowPage(int page) {
    Sheet()->SetCurrentPage(page);
    PumpMessages(&m_List);
    return Sheet()->m_apPages[page]->m_hWnd;
  }
  void PressApply() {
    SendMessageA(Sheet()->m_hWndSheet, PSM_PRESSBUTTON, PSBTN_APPLYNOW, 0);
    PumpMessages(&m_List);
  }
  static Bytes SavedFile() { return Cat({U32(771), SavedBytes(P)}); }

  cFakeShell m_Shell;
  cProbeDialog<61> m_Owner{kIddTestOwner, nullptr, &m_List};
  cPropSheet* m_pSheet = nullptr;
  int m_nClosed = 0;
  std::vector<int> m_vSheetKinds;  // the data sheets the buttons asked for
};
