#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/win/WindowTest.h"
#include "tests/ui/win/TestTemplates.h"

namespace {
constexpr uint16_t kModalTemplate = 500;
constexpr uint16_t kScrollTemplate = 503;

class DialogTest : public cWindowTest {};

bool Visible(HWND window) { return (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0; }
bool Disabled(HWND window) { return (GetWindowLongA(window, GWL_STYLE) & WS_DISABLED) != 0; }

// The dialog windows of this thread (the input method keeps a window of its own beside them).
int DialogWindowCount() {
  int count = 0;
  for (HWND window : ThreadWindows()) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    count += lstrcmpA(name, "#32770") == 0;
  }
  return count;
}

int CountOf(const std::vector<WORD>& commands, WORD id) {
  return static_cast<int>(std::count(commands.begin(), commands.end(), id));
}
}  // namespace

TEST_F(DialogTest, ModalDialogRoutesNotificationsToItsControls) {
  cProbeDialog<1> dialog(kModalTemplate, nullptr, &m_List);
  cProbeCtrl edit(1002, kCtrlEditText);
  cProbeCtrl list(1003, kCtrlList);
  cProbeCtrl button(1004, kCtrlButton);
  dialog.m_vProbeCtrls = {&edit, &list, &button};
  WORD changed = 0;
  dialog.m_OnCommand = [&](cProbeDialog<1>& self, WORD id) {
    if (id == 1004) changed = self.FindCommandCtrl(MAKEWPARAM(1004, BN_CLICKED));
  };
  dialog.m_OnInit = [&](cProbeDialog<1>& self) {
    EXPECT_EQ(edit.m_hWnd, GetDlgItem(self.m_hWnd, 1002)) << "attached to its item";
    HWND window = self.m_hWnd;
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(1002, EN_UPDATE), 0);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(1002, EN_KILLFOCUS), 0);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(1003, LBN_SELCHANGE), 0);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(1777, 0), 0);  // no control of that id
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(1004, BN_CLICKED), 0);
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(kIdcOk, BN_CLICKED), 0);
  };
  EXPECT_EQ(dialog.DoModal(0), 1);
  EXPECT_EQ(edit.m_strCalls, "DOKC") << "shown, changed, left, stored on OK";
  // The list hears its own change and redraws after every command, whoever it was for.
  EXPECT_EQ(list.m_strCalls, "DAAOAAAAC");
  EXPECT_EQ(button.m_strCalls, "DC") << "buttons get no notification through the routing";
  EXPECT_EQ(changed, 1004);
  EXPECT_EQ(dialog.m_vCommands, (std::vector<WORD>{1002, 1002, 1003, 1777, 1004, kIdcOk}));
  EXPECT_EQ(dialog.m_nResult, 1);
  EXPECT_EQ(dialog.m_hWnd, nullptr) << "a modal run clears the handle";
  EXPECT_TRUE(dialog.m_vCtrl.empty()) << "Close releases the control list";
  EXPECT_EQ(DialogWindowCount(), 0);
}

TEST_F(DialogTest, CommandSentFromInsideACommandIsDropped) {
  cProbeDialog<2> dialog(kModalTemplate, nullptr, &m_List);
  LRESULT inner = -1;
  dialog.m_OnCommand = [&](cProbeDialog<2>& self, WORD id) {
    if (id == 2000) inner = SendMessageA(self.m_hWnd, WM_COMMAND, MAKEWPARAM(2001, 0), 0);
  };
  dialog.m_OnInit = [](cProbeDialog<2>& self) {
    SendMessageA(self.m_hWnd, WM_COMMAND, MAKEWPARAM(2000, 0), 0);
    SendMessageA(self.m_hWnd, WM_COMMAND, MAKEWPARAM(2002, 0), 0);
    PostMessageA(self.m_hWnd, WM_CLOSE, 0, 0);
  };
  EXPECT_EQ(dialog.DoModal(0), 0) << "WM_CLOSE closes with 0";
  EXPECT_EQ(inner, 0);
  EXPECT_EQ(dialog.m_vCommands, (std::vector<WORD>{2000, 2002}));
}

TEST_F(DialogTest, RunFlagsHideAndDisableTheRegisteredWindowsWhileADialogRuns) {
  cProbeDialog<3> first(kToolTemplate, nullptr, &m_List);
  cProbeDialog<4> second(kToolTemplate, nullptr, &m_List);
  first.Create(0, 1);
  second.Create(0, 0);  // hidden before: shown again afterwards all the same
  ASSERT_TRUE(first.m_hWnd && second.m_hWnd);
  EXPECT_EQ(m_List.m_Windows.size(), 2u);
  EXPECT_EQ(first.m_lpRegistered, &first);
  for (int flags : {2, 4, 6}) {
    ShowWindow(second.m_hWnd, SW_HIDE);
    cProbeDialog<5> modal(kModalTemplate, nullptr, &m_List);
    bool hidden[2] = {}, disabled[2] = {};
    modal.m_OnInit = [&](cProbeDialog<5>& self) {
      hidden[0] = !Visible(first.m_hWnd);
      hidden[1] = !Visible(second.m_hWnd);
      disabled[0] = Disabled(first.m_hWnd);
      disabled[1] = Disabled(second.m_hWnd);
      PostMessageA(self.m_hWnd, WM_COMMAND, kIdcCancel, 0);
    };
    EXPECT_EQ(modal.DoModal(flags), 0);
    EXPECT_EQ(hidden[0], (flags & 2) != 0) << flags;
    EXPECT_EQ(disabled[0], (flags & 4) != 0) << flags;
    EXPECT_EQ(disabled[1], (flags & 4) != 0) << flags;
    EXPECT_EQ(Visible(second.m_hWnd), (flags & 2) != 0) << "ShowAll(1) shows every registered window";
    EXPECT_TRUE(Visible(first.m_hWnd));
    EXPECT_FALSE(Disabled(first.m_hWnd));
    EXPECT_FALSE(Disabled(second.m_hWnd));
  }
}

TEST_F(DialogTest, ModelessDialogsLeaveTheListWhenDestroyed) {
  cFakeShell shell;
  {
    cProbeDialog<6> tool(kToolTemplate, nullptr, &m_List);
    tool.Create(0, 1);
    HWND window = tool.m_hWnd;
    ASSERT_TRUE(IsWindow(window));
    EXPECT_EQ(GetPropA(window, "DLG_CLASS"), &tool);
    EXPECT_EQ(GetPropA(window, "cHook"), &tool.m_Hook);
    EXPECT_EQ(m_List.IsRegistered(&tool), 1);
    DestroyWindow(window);  // gone before its object
    EXPECT_EQ(tool.m_hWnd, window) << "the former handle stays after WM_NCDESTROY";
    tool.Create(0, 1);
    EXPECT_FALSE(IsWindow(tool.m_hWnd)) << "Create makes a window only for an object that never had one";
  }
  EXPECT_TRUE(m_List.m_Windows.empty()) << "its destructor's Destroy took it out";
  EXPECT_TRUE(shell.m_vBoxes.empty());

  cProbeDialog<7> stray(kToolTemplate, nullptr, &m_List);
  stray.Create(0, 1);
  m_List.RemoveWindow(&stray);
  stray.Destroy();
  ASSERT_EQ(shell.m_vBoxes.size(), 1u);
  EXPECT_EQ(shell.m_vBoxes[0].m_strText, "ウインドウの破棄に失敗！");
}

TEST_F(DialogTest, MainLoopRoutingServesNavigationAndTheActiveWindowsAccelerators) {
  cProbeDialog<8> tool(kToolTemplate, nullptr, &m_List);
  cProbeDialog<9> other(kToolTemplate, nullptr, &m_List);
  tool.Create(0, 1);
  other.Create(0, 1);
  tool.AddAccelerators(tool.m_hWnd, 600);
  other.AddAccelerators(GetDlgItem(other.m_hWnd, 1005), 600);
  SetActiveWindow(tool.m_hWnd);
  ASSERT_EQ(GetActiveWindow(), tool.m_hWnd);

  MSG key = {GetDlgItem(tool.m_hWnd, 1002), WM_KEYDOWN, VK_F9, 0x00430001, 0, {0, 0}};
  EXPECT_EQ(m_List.PreTranslateMessage(&key), 1);
  EXPECT_EQ(CountOf(tool.m_vCommands, 2001), 1) << "the accelerator's command reaches the dialog";
  EXPECT_EQ(CountOf(other.m_vCommands, 2001), 0) << "a registered window that is not active is not asked";

  SetActiveWindow(other.m_hWnd);
  SetFocus(GetDlgItem(other.m_hWnd, 1002));
  key.hwnd = GetDlgItem(other.m_hWnd, 1002);
  m_List.PreTranslateMessage(&key);
  EXPECT_EQ(CountOf(other.m_vCommands, 2001), 0) << "a control's table works only while the control has the focus";
  SetFocus(GetDlgItem(other.m_hWnd, 1005));
  key.hwnd = GetDlgItem(other.m_hWnd, 1005);
  EXPECT_EQ(m_List.PreTranslateMessage(&key), 1);
  EXPECT_EQ(CountOf(other.m_vCommands, 2001), 1);

  // Tab moves between the controls of a modeless dialog through its navigation.
  SetFocus(GetDlgItem(other.m_hWnd, 1002));
  MSG tab = {GetDlgItem(other.m_hWnd, 1002), WM_KEYDOWN, VK_TAB, 0x000F0001, 0, {0, 0}};
  EXPECT_EQ(m_List.PreTranslateMessage(&tab), 1);
  EXPECT_EQ(GetFocus(), GetDlgItem(other.m_hWnd, 1005));
  MSG plain = {m_Main.Handle(), WM_USER + 5, 0, 0, 0, {0, 0}};
  EXPECT_EQ(m_List.PreTranslateMessage(&plain), 0);
}

TEST_F(DialogTest, ScrollBarsKeysAndTheHookMessage) {
  cProbeDialog<10> view(kScrollTemplate, nullptr, &m_List);
  view.SetGeometry(100, 80, 100, 80, 640, 480, 0, 0, 0, 0, 0, 3);
  cProbeCtrl probe(1002, kCtrlStatic);
  view.m_vProbeCtrls = {&probe};
  view.Create(0, 1);
  HWND bar = view.ScrollBar(SB_VERT);
  ASSERT_EQ(bar, GetDlgItem(view.m_hWnd, 1009));
  SCROLLINFO info = {sizeof info, SIF_RANGE | SIF_PAGE, 0, 50, 10, 0, 0};
  SetScrollInfo(bar, SB_CTL, &info, TRUE);

  auto position = [&] {
    SCROLLINFO read = {sizeof read, SIF_POS, 0, 0, 0, 0, 0};
    GetScrollInfo(bar, SB_CTL, &read);
    return read.nPos;
  };
  LPARAM barParam = reinterpret_cast<LPARAM>(bar);
  SendMessageA(view.m_hWnd, WM_VSCROLL, SB_LINEDOWN, barParam);
  EXPECT_EQ(position(), 1);
  EXPECT_EQ(view.m_nPaints, 1) << "a moved position repaints";
  SendMessageA(view.m_hWnd, WM_VSCROLL, SB_THUMBPOSITION, barParam);
  EXPECT_EQ(position(), 1) << "only the thumb track moves";
  SendMessageA(view.m_hWnd, WM_VSCROLL, SB_PAGEDOWN, barParam);
  EXPECT_EQ(position(), 11);
  SendMessageA(view.m_hWnd, WM_VSCROLL, SB_LINEUP, 0);  // not the dialog's bar: only the controls hear it
  EXPECT_EQ(position(), 11);
  EXPECT_EQ(probe.m_strCalls, "DSSSS");

  // The hook's key message becomes a WM_KEYDOWN, and Page Down a scroll message of its own.
  SendMessageA(view.m_hWnd, kMsgHookKey, VK_NEXT, 0);
  PumpMessages();
  EXPECT_EQ(view.Count(WM_KEYDOWN), 1);
  EXPECT_EQ(position(), 21);
  EXPECT_TRUE(probe.m_vKeys.empty()) << "a modeless dialog offers no keys to its controls";
}

TEST_F(DialogTest, FaultInsideADialogIsCaughtLoggedAndAsksTheMainWindowToClose) {
  cFakeShell shell;  // the modal loop would dispatch a real close request before the test sees it
  cProbeDialog<11> dialog(kModalTemplate, nullptr, &m_List);
  dialog.m_OnCommand = [](cProbeDialog<11>&, WORD id) {
    if (id == 1004) cVector<int>().At(0);  // an empty vector has no first element to hand out
  };
  dialog.m_OnInit = [](cProbeDialog<11>& self) {
    SendMessageA(self.m_hWnd, WM_COMMAND, MAKEWPARAM(1004, BN_CLICKED), 0);
    PostMessageA(self.m_hWnd, WM_COMMAND, kIdcCancel, 0);
  };
  EXPECT_EQ(dialog.DoModal(0), 0);
  std::vector<std::string> lines = m_Log.Lines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "err V[0] ( 0 , 4 )");
  EXPECT_EQ(lines[1], "err WindowProc ( invalid vector<T> subscript )");
  EXPECT_EQ(shell.m_nCloseRequests, 1);
  EXPECT_EQ(shell.m_nDestroys, 1) << "the bad index itself destroys the main window";
  EXPECT_EQ(dialog.m_vCommands, (std::vector<WORD>{1004, kIdcCancel})) << "the guard opens again after the fault";
}

TEST_F(DialogTest, GeometryAndPlacementKeepTheWindowInsideTheWorkArea) {
  cProbeDialog<12> tool(kToolTemplate, nullptr, &m_List, 20000, -50);
  tool.SetGeometry(200, 100, 100, 100, 640, 480, 0, 0, 1, 2, 0, 0);
  EXPECT_EQ(tool.m_rcInitClient.bottom, 100 + g_nStatusBarHeight + g_nToolbarRowHeight);
  EXPECT_EQ(tool.m_nViewY, g_nToolbarRowHeight);
  EXPECT_EQ(tool.m_nViewHeight, 100 + g_nStatusBarHeight) << "status mode 2 keeps the view's height";
  tool.Create(0, 1);
  RECT area = {}, placed = {};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  GetWindowRect(tool.m_hWnd, &placed);
  EXPECT_EQ(placed.right, area.right) << "moved left until its right edge is on the work area's";
  EXPECT_EQ(placed.top, 0) << "a negative position becomes 0";
  EXPECT_EQ(tool.m_nPosX, area.right - (placed.right - placed.left)) << "the stored position follows";
  RECT client = {};
  GetClientRect(tool.m_hWnd, &client);
  EXPECT_EQ(client.right, 200);

  cProbeDialog<13> centred(kModalTemplate, nullptr, &m_List, &tool, 1);
  centred.Create(0, 1);
  RECT inner = {};
  GetWindowRect(centred.m_hWnd, &inner);
  cRect own, reference;
  centred.GetClientRect(own);
  tool.GetClientRect(reference);
  EXPECT_EQ(inner.left, std::min<LONG>(placed.left + reference.right / 2 - own.right / 2, area.right - (inner.right - inner.left)));
}

TEST_F(DialogTest, DragBeyondTheViewScrollsFastFarOffAndSlowlyNearBy) {
  cProbeDialog<14> view(kScrollTemplate, nullptr, &m_List);
  view.SetGeometry(100, 80, 100, 80, 640, 480, 0, 0, 0, 0, 0, 3);
  view.Create(0, 1);
  HWND bar = view.ScrollBar(SB_HORZ);
  SCROLLINFO info = {sizeof info, SIF_RANGE | SIF_POS, 0, 100, 0, 50, 0};
  SetScrollInfo(bar, SB_CTL, &info, TRUE);
  int32_t x = -1, y = -1;
  // The mouse as the drag left it; the bar's own messages refresh the state, so it is set each tick.
  auto tick = [&](int32_t mouseX) {
    view.m_Mouse.x = mouseX;
    view.m_Mouse.y = 5;
    view.DragScroll(&x, &y);
  };
  for (int i = 0; i < 3; ++i) tick(-40);  // far beyond the left edge: a step every tick
  EXPECT_EQ(x, 47);
  for (int i = 0; i < 7; ++i) tick(-10);  // near: every eighth tick
  EXPECT_EQ(x, 47);
  tick(-10);
  EXPECT_EQ(x, 46);
  EXPECT_EQ(y, -1) << "the vertical position is only written on a vertical step";
  EXPECT_EQ(view.m_nViewWidth, 100);
  EXPECT_EQ(view.m_nViewHeight, 80);
}
