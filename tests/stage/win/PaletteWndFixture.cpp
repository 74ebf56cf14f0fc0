#include <gtest/gtest.h>

#include "tests/stage/win/PaletteWndTest.h"
#include "tests/support/win/ProbeDialog.h"
#include "tests/support/win/UserInput.h"
#include "ui/win/cModelessList.h"

void PaletteWndTest::OpenPalettes(int commonBlocks) {
  g_StageDoc.SetSize(4, 1, 0, 0);
  FillTestPalettes();
  if (commonBlocks > g_CommonPalette.m_vBlock.Count())
    g_CommonPalette.m_vBlock.resize(static_cast<size_t>(commonBlocks), Record<cEdBlock>(1));
  g_StageDoc.m_nUndoDepth = 5;
  g_StageEditState.m_bStageOpen = 1;
  g_StageEditState.AllocateUndo(5, g_StageDoc.m_nPitch, g_StageDoc.m_nHeight);
  MakeWindow();
}

cPaletteWnd& PaletteWndTest::Palette(int stagePalette, int kind) {
  cPaletteWnd* window = Editor().PaletteWnd(PaletteWndIndex(stagePalette, kind));
  EXPECT_NE(window, nullptr);
  return *window;
}

void PaletteWndTest::Click(cPaletteWnd& window, int entry, UINT message) {
  WPARAM keys = message == WM_RBUTTONDOWN ? MK_RBUTTON : MK_LBUTTON;
  int32_t x = CellX(entry) + window.m_nViewX, y = CellY(entry) - 32 * window.Pane().TopRow() + window.m_nViewY;
  SendMessageA(window.m_hWnd, message, keys, MAKELPARAM(x, y));
}

void PaletteWndTest::PaletteCommand(cPaletteWnd& window, int id) { SendMessageA(window.m_hWnd, WM_COMMAND, id, 0); }

std::string PaletteWndTest::PaletteStatus(cPaletteWnd& window) {
  char text[256] = {};
  SendMessageA(window.m_hWndStatus, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
  return text;
}

bool PaletteWndTest::ToolChecked(cPaletteWnd& window, int id) {
  return SendMessageA(window.m_hWndToolbar, TB_ISBUTTONCHECKED, id, 0) != 0;
}

POINT PaletteWndTest::GridPoint(cPaletteWnd& window, int32_t x, int32_t y) {
  POINT point = {window.m_nViewX + x, window.m_nViewY + y};
  ClientToScreen(window.m_hWnd, &point);
  return point;
}

void PaletteWndTest::RightClickEntry(cPaletteWnd& window, int entry) {
  // The window in front, active, as after the user's first click on it.
  SetWindowPos(window.m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(window.m_hWnd);
  SetActiveWindow(window.m_hWnd);
  MoveCursorTo(GridPoint(window, CellX(entry), CellY(entry) - 32 * window.Pane().TopRow()));
  PumpMessages(&g_ModelessList);
  PressButton(VK_RBUTTON);
  PumpMessages(&g_ModelessList);
  ReleaseButton(VK_RBUTTON);
  PumpMessages(&g_ModelessList);
}

namespace {
cEntryMenuWatch* g_pWatch = nullptr;
}  // namespace

cEntryMenuWatch::cEntryMenuWatch(int choose) : m_nChoose(choose) {
  g_pWatch = this;
  m_hHook = SetWindowsHookExA(WH_CALLWNDPROC, Hook, nullptr, GetCurrentThreadId());
}

cEntryMenuWatch::~cEntryMenuWatch() {
  if (m_hHook) UnhookWindowsHookEx(m_hHook);
  g_pWatch = nullptr;
}

bool cEntryMenuWatch::Enabled(int id) const {
  for (int i = 0; i < 9; ++i)
    if (kEntryMenuItems[i] == id) return m_strStates[static_cast<size_t>(i)] == '+';
  return false;
}

std::string cEntryMenuWatch::States() const { return m_strStates; }

LRESULT CALLBACK cEntryMenuWatch::Hook(int code, WPARAM wParam, LPARAM lParam) {
  cEntryMenuWatch* watch = g_pWatch;
  const CWPSTRUCT* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && watch) {
    if (call->message == WM_INITMENUPOPUP) watch->m_hMenu = reinterpret_cast<HMENU>(call->wParam);
    // The menu waits for the user: its items as shown, then the user's choice.
    if (call->message == WM_ENTERIDLE && call->wParam == MSGF_MENU && watch->m_hMenu) {
      HMENU menu = watch->m_hMenu;
      watch->m_hMenu = nullptr;
      ++watch->m_nOpened;
      watch->m_strStates.clear();
      for (uint16_t id : kEntryMenuItems)
        watch->m_strStates += (GetMenuState(menu, id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) ? '-' : '+';
      if (!watch->m_nChoose || !ClickMenuItem(menu, static_cast<UINT>(watch->m_nChoose))) EndMenu();
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
