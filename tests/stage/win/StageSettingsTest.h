#pragma once
// The stage settings sheet's window tests: a window standing for the stage editor, a clean stage,
// and the sheet opened over it and driven through its controls.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/cEditConfig.h"
#include "database/cDatabaseSet.h"
#include "stage/cStageEditState.h"
#include "stage/cStageEditorHost.h"
#include "stage/win/cStageSettingsSheet.h"
#include "tests/support/TestSupport.h"
#include "tests/support/win/BoxAnswerer.h"
#include "tests/support/win/ProbeDialog.h"
#include "ui/win/cModelessList.h"

// Stands for the stage editor window: the sheet's parent, told when the sheet closes.
class cSettingsHost : public cProbeDialog<70>, public cStageEditorHost {
public:
  explicit cSettingsHost(cModelessList* list) : cProbeDialog<70>(700, nullptr, list) {}
  void OnStageSettingsClosed() override { ++m_nSettingsClosed; }
  int m_nSettingsClosed = 0;
};

class StageSettingsTest : public ::testing::Test {
protected:
  StageSettingsTest();
  ~StageSettingsTest() override;

  cStageSettingsSheet* Open();
  cStagePageBasic& Basic() { return *m_pSettings->m_pBasicPage; }
  // The page's window, made current first (a page gets its window when first shown).
  HWND Page(int index);
  void Type(HWND page, int id, const char* text);
  void SetCheck(HWND page, int id, int on);
  void Choose(HWND page, int id, int row);
  void Press(HWND page, int id);
  std::string ItemText(HWND page, int id);
  // The texts of every control of a page.
  std::set<std::string> PageTexts(HWND page);
  void Apply();
  // OK or Cancel, then the message on which the window list ends the sheet.
  void Finish(int button);

  cScratchFolder m_Folder;
  cTestReportLog m_Log;
  cFakeShell m_Shell;
  cModelessList m_List;
  cSettingsHost m_Host{&m_List};
  cPropSheet* m_pSheet = nullptr;
  cStageSettingsSheet* m_pSettings = nullptr;
};
