#include <gtest/gtest.h>

#include "app/win/cShellWin.h"
#include "tests/support/TestSupport.h"
#include "tests/support/win/BoxAnswerer.h"
#include "tests/support/win/ProbeDialog.h"
#include "ui/win/cModelessList.h"

namespace {
// What the input method holds while a test runs: whether there is a context, and the text length.
int g_bContext = 1;
LONG g_nComposing = 0;
LONG FakeComposition(HWND, int* hasContext) {
  *hasContext = g_bContext;
  return g_bContext ? g_nComposing : 0;
}

class KeyboardHookTest : public ::testing::Test {
protected:
  KeyboardHookTest() { InstallShellWin(); }
  ~KeyboardHookTest() override {
    SetCompositionLengthSource(nullptr);
    PumpMessages();
    SetShell(nullptr);
  }
  cScratchFolder m_Folder;
  cTestMainWindow m_Main;
  cModelessList m_List;
};

// The key messages posted to the window, taken from its queue without dispatching them.
std::vector<UINT> Posted(HWND window) {
  std::vector<UINT> messages;
  MSG message;
  while (PeekMessageA(&message, window, WM_KEYDOWN, kMsgHookKey, PM_REMOVE))
    if (message.message == WM_KEYDOWN || message.message == WM_KEYUP || message.message == kMsgHookKey)
      messages.push_back(message.message);
  return messages;
}

constexpr LPARAM kPressed = 0x00000001;
constexpr LPARAM kReleased = static_cast<LPARAM>(0xC0000001);
}  // namespace

TEST_F(KeyboardHookTest, TypedKeysReachTheEditAndTheDialog) {
  cProbeDialog<30> dialog(500, nullptr, &m_List);
  HWND edit = nullptr;
  dialog.m_OnInit = [&](cProbeDialog<30>& self) {
    EXPECT_EQ(KeyboardHookInstalled(), 1) << "the first dialog installs the hook";
    SetTimer(self.m_hWnd, 1, 5000, nullptr);  // a safety net: the test never hangs
    edit = GetDlgItem(self.m_hWnd, 1002);
    SetForegroundWindow(self.m_hWnd);
    SetFocus(edit);
    keybd_event('A', 0, 0, 0);
    keybd_event('A', 0, KEYEVENTF_KEYUP, 0);
  };
  std::vector<std::pair<UINT, WPARAM>> keys;
  char text[16] = {};
  dialog.m_OnMessage = [&](cProbeDialog<30>& self, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_KEYDOWN || message == WM_KEYUP) keys.emplace_back(message, wParam);
    if ((message == WM_KEYUP && wParam == 'A') || message == WM_TIMER) {
      GetWindowTextA(edit, text, sizeof text);
      self.Close(message == WM_TIMER ? 9 : 1);
    }
  };
  EXPECT_EQ(dialog.DoModal(0), 1);
  EXPECT_STREQ(text, "a") << "the focused control still gets its key";
  EXPECT_EQ(keys, (std::vector<std::pair<UINT, WPARAM>>{{WM_KEYDOWN, 'A'}, {WM_KEYUP, 'A'}}));
  RemoveKeyboardHook();
  EXPECT_EQ(KeyboardHookInstalled(), 0);
}

TEST_F(KeyboardHookTest, ForwardsKeysToTheActiveDialogAsItsRulesSay) {
  SetCompositionLengthSource(FakeComposition);
  cProbeDialog<31> tool(501, nullptr, &m_List);
  tool.Create(0, 1);
  HWND window = tool.m_hWnd;
  SetForegroundWindow(window);
  SetActiveWindow(window);
  ASSERT_EQ(GetActiveWindow(), window);
  Posted(window);
  struct Row {
    const char* m_pName;
    int32_t m_bModeless;
    int m_bContext;
    LONG m_nComposing;
    WPARAM m_nKey;
    LPARAM m_nData;
    std::vector<UINT> m_vPosted;
  } rows[] = {
      {"arrow", 1, 1, 0, VK_LEFT, kPressed, {kMsgHookKey}},
      {"F8", 1, 1, 0, VK_F8, kPressed, {kMsgHookKey}},
      {"arrow while composing", 1, 1, 3, VK_LEFT, kPressed, {WM_KEYDOWN}},
      {"arrow without a context", 1, 0, 0, VK_LEFT, kPressed, {WM_KEYDOWN}},
      {"Enter while composing", 1, 1, 3, VK_RETURN, kPressed, {}},
      {"Enter", 1, 1, 0, VK_RETURN, kPressed, {WM_KEYDOWN}},
      {"Tab", 1, 1, 0, VK_TAB, kPressed, {}},
      {"letter", 1, 1, 0, 'A', kPressed, {WM_KEYDOWN}},
      {"letter released", 1, 1, 0, 'A', kReleased, {WM_KEYUP}},
      {"Ctrl in a modeless dialog", 1, 1, 0, VK_CONTROL, kPressed, {}},
      {"letter with Ctrl held", 1, 1, 0, 'A', kPressed, {}},
      {"letter released with Ctrl held", 1, 1, 0, 'A', kReleased, {}},
      {"arrow with Ctrl held", 1, 1, 0, VK_DOWN, kPressed, {kMsgHookKey}},
      {"letter with Ctrl held, modal", 0, 1, 0, 'A', kPressed, {WM_KEYDOWN}},
      {"Ctrl released", 1, 1, 0, VK_CONTROL, kReleased, {WM_KEYUP}},
      {"letter after Ctrl", 1, 1, 0, 'B', kPressed, {WM_KEYDOWN}},
  };
  for (const Row& row : rows) {
    tool.m_Hook.m_bModeless = row.m_bModeless;
    g_bContext = row.m_bContext;
    g_nComposing = row.m_nComposing;
    KeyboardHookProc(HC_ACTION, row.m_nKey, row.m_nData);
    EXPECT_EQ(Posted(window), row.m_vPosted) << row.m_pName;
  }
  EXPECT_EQ(CtrlKeyHeld(), 0);
  KeyboardHookProc(HC_NOREMOVE, 'A', kPressed);
  EXPECT_TRUE(Posted(window).empty()) << "a key only looked at is not forwarded";

  // Windows without the holder (the main frame, message boxes, sheets) are left alone.
  SetActiveWindow(m_Main.Handle());
  KeyboardHookProc(HC_ACTION, 'A', kPressed);
  EXPECT_TRUE(Posted(m_Main.Handle()).empty());
  EXPECT_TRUE(Posted(window).empty());
}

TEST_F(KeyboardHookTest, ModalDialogOffersTheHookKeysToItsControls) {
  cProbeDialog<32> dialog(500, nullptr, &m_List);
  cProbeCtrl probe(1002, kCtrlEditText);
  dialog.m_vProbeCtrls = {&probe};
  dialog.m_OnInit = [](cProbeDialog<32>& self) {
    SendMessageA(self.m_hWnd, kMsgHookKey, VK_DOWN, kPressed);
    PostMessageA(self.m_hWnd, WM_COMMAND, kIdcCancel, 0);
  };
  EXPECT_EQ(dialog.DoModal(0), 0);
  EXPECT_EQ(probe.m_vKeys, (std::vector<int>{VK_DOWN}));
  EXPECT_EQ(probe.m_nCtrlFlag, 0);
  EXPECT_EQ(dialog.Count(WM_VSCROLL), 1) << "Down scrolls, with no bar of its own";
}
