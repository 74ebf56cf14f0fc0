#pragma once
// The fixture of the window tests: the Windows shell seam, a scratch working folder with its report
// log, a window standing for the main frame, and a modeless-window list of the test's own.

#include <gtest/gtest.h>

#include "app/win/cShellWin.h"
#include "tests/support/TestSupport.h"
#include "tests/support/win/BoxAnswerer.h"
#include "tests/support/win/ProbeDialog.h"
#include "ui/win/cModelessList.h"

class cWindowTest : public ::testing::Test {
protected:
  cWindowTest() { InstallShellWin(); }
  ~cWindowTest() override {
    PumpMessages();
    SetShell(nullptr);
  }
  cScratchFolder m_Folder;
  cTestReportLog m_Log;
  cTestMainWindow m_Main;
  cModelessList m_List;
};
