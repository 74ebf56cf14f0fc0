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

TEST_F(KeyboardHookTest, FirstDialogInstallsTheHookAndShutDownRemovesIt) {
  RemoveKeyboardHook();
  ASSERT_EQ(KeyboardHookInstalled(), 0);
  cProbeDialog<30> dialog(500, nullptr, &m_List);
  dialog.m_OnInit = [](cProbeDialog<30>& self) {
    EXPECT_EQ(KeyboardHookInstalled(), 1);
    EXPECT_EQ(GetPropA(self.m_hWnd, "cHook"), &self.m_Hook);
    EXPECT_EQ(self.m_Hook.m_bModeless, 0);
    PostMessageA(self.m_hWnd, WM_COMMAND, kIdcOk, 0);
  };
  EXPECT_EQ(dialog.DoModal(0), 1);
  EXPECT_EQ(KeyboardHookInstalled(), 1) << "the hook outlives the dialog";
  RemoveKeyboardHook();
  EXPECT_EQ(KeyboardHookInstalled(), 0);

  // A holder that goes before its window takes its property with it.
  HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  {
    cKeyboardHook holder;
    EXPECT_EQ(holder.Install(window, 1), 1);
    EXPECT_EQ(GetPropA(window, "cHook"), &holder);
  }
  EXPECT_EQ(GetPropA(window, "cHook"), nullptr);
  DestroyWindow(window);
}

TEST_F(KeyboardHookTest, ForwardsKeysToTheActiveDialogAsItsRulesSay) {
  SetCompositionLengthSource(FakeComposition);
  cProbeDialog<31> tool(501, nullptr, &m_List);
  tool.Create(0, 1);
  HWND window = tool.m_hWnd;
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
