// Every label of the eight pages lies inside its control, drawn with the page's own font; with
// VX_SCREENSHOT_DIR set, each page is also saved as a picture of the sheet on screen
// (tests/project/win/screenshot.sh).
#include <gtest/gtest.h>

#include <string>

#include "tests/project/win/SystemSheetFixture.h"
#include "tests/project/win/WindowPicture.h"
#include "tests/support/win/LabelFit.h"

TEST_F(SystemSheetTest, EveryLabelFitsInsideItsControl) {
  ASSERT_EQ(Open(), 1);
  char title[64] = {};
  GetWindowTextA(Sheet()->m_hWndSheet, title, sizeof title);
  EXPECT_STREQ(title, "システムの設定");
  for (int page = 0; page < kSysPageCount; ++page) {
    SCOPED_TRACE("page " + std::to_string(page + 1));
    ExpectLabelsInside(ShowPage(page));
    SaveScreenshot(Sheet()->m_hWndSheet, ("page" + std::to_string(page + 1)).c_str(), &m_List);
  }
}
