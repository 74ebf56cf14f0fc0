#include <gtest/gtest.h>

#include "tests/support/win/GuiObjects.h"
#include "tests/support/win/UserInput.h"
#include "tests/support/win/WindowTest.h"
#include "tests/ui/win/CtrlTestPage.h"

namespace {
class CtrlLeakTest : public cWindowTest {
protected:
  // Opens the page with every control kind, lets it paint and type, and closes it with OK.
  void OpenAndClose() {
    cCtrlTestPage page(&m_Record, &m_List);
    page.Create(0, 1);
    UpdateWindow(page.m_hWnd);
    SetWindowTextA(GetDlgItem(page.m_hWnd, kIdcName), "名前");
    SendMessageA(page.m_hWnd, WM_COMMAND, kIdcOk, 0);
    PumpMessages(&m_List);
  }
  cPageRecord m_Record;
};
}  // namespace

TEST_F(CtrlLeakTest, TheCountsSeeALeak) {
  cGuiObjects before = CountGuiObjects();
  HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  HWND window = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  cGuiObjects during = CountGuiObjects();
  EXPECT_GT(during.m_nGdi, before.m_nGdi);
  EXPECT_GT(during.m_nUser, before.m_nUser);
  DeleteObject(brush);
  DestroyWindow(window);
  cGuiObjects after = CountGuiObjects();
  EXPECT_EQ(after.m_nGdi, before.m_nGdi);
  EXPECT_EQ(after.m_nUser, before.m_nUser);
}

TEST_F(CtrlLeakTest, OpeningAndClosingAPageAHundredTimesLeavesNoHandles) {
  OpenAndClose();  // the first run loads what the process keeps: fonts, classes, cached contexts
  cGuiObjects before = CountGuiObjects();
  for (int i = 0; i < 100; ++i) OpenAndClose();
  cGuiObjects after = CountGuiObjects();
  EXPECT_EQ(after.m_nGdi, before.m_nGdi);
  EXPECT_EQ(after.m_nUser, before.m_nUser);
  EXPECT_EQ(m_Record.m_strName, "名前");
  EXPECT_TRUE(m_List.m_Windows.empty());
}

TEST_F(CtrlLeakTest, TheViewGivesBackEachDeviceContextItTakes) {
  cCtrlTestPage page(&m_Record, &m_List);
  page.Create(0, 1);
  cCtrlGroup<cCtrlBitmap>& view = page.m_cgView;
  cGuiObjects before = CountGuiObjects();
  for (int i = 0; i < 100; ++i) {
    view.m_Ctrl.Attach(&page, view.m_Param);  // a page that rebuilds its view takes a new context
    page.DrawPreview();
    view.m_Ctrl.Present();
    InvalidateRect(view.m_Ctrl.m_hWnd, nullptr, TRUE);
    UpdateWindow(view.m_Ctrl.m_hWnd);
  }
  cGuiObjects after = CountGuiObjects();
  EXPECT_EQ(after.m_nGdi, before.m_nGdi);
  SendMessageA(page.m_hWnd, WM_COMMAND, kIdcCancel, 0);
}
