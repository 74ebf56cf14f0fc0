#include "tests/support/win/ShownRecordInput.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <utility>

#include "tests/support/win/UserInput.h"

cString FullText(const char* wide, int length, int charMode) {
  std::string text;
  for (int i = 1; i < length; ++i) text += charMode ? wide : "a";
  return cString((text + "Z").c_str());
}

void RetypeLastChar(HWND dialog, int id, cModelessList* list) {
  char text[1024] = {};
  int length = GetDlgItemTextA(dialog, id, text, sizeof text);
  ASSERT_GT(length, 0) << "an empty text has no last character";
  FocusItem(dialog, id);
  PressKey(VK_END, false, list);
  PressKey(VK_BACK, false, list);
  TypeText(std::string(1, text[length - 1]), list);
}

namespace {
void ClickScreen(POINT at, cModelessList* list) {
  MoveCursorTo(at);
  PressButton(VK_LBUTTON);
  PumpFor(20, list);
  ReleaseButton(VK_LBUTTON);
  PumpFor(50, list);
}
}  // namespace

void ClickItem(HWND dialog, int id, cModelessList* list) {
  RECT rect = {};
  GetWindowRect(GetDlgItem(dialog, id), &rect);
  SetForegroundWindow(GetAncestor(dialog, GA_ROOT));  // a page's sheet, or the dialog itself
  ClickScreen(POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}, list);
}

void ClickSheetTab(HWND sheet, int tab, cModelessList* list) {
  HWND tabs = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
  RECT rect = {};
  SendMessageA(tabs, TCM_GETITEMRECT, tab, reinterpret_cast<LPARAM>(&rect));
  POINT at = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  ClientToScreen(tabs, &at);
  ClickScreen(at, list);
}

void DismissPopupOnRow(HWND dialog, int listId, int row, cModelessList* list) {
  cPopupMenuWatch watch([](HWND) { TypeKey(VK_ESCAPE); });
  ClickListBoxRow(GetDlgItem(dialog, listId), row, VK_RBUTTON, list);
  PumpFor(50, list);
}

cShownRecordStep cModalScript::Step(std::string name, std::function<void(HWND)> step) {
  return {std::move(name), [this, step] { m_vSteps.push_back(step); }};
}

cShownRecordStep cModalScript::Store(std::string name, std::function<void(HWND)> step, std::function<void()> run) {
  return {std::move(name), [this, step, run] {
            m_vSteps.push_back(step);
            cModalDriver driver([this](HWND dialog) {
              for (const std::function<void(HWND)>& each : m_vSteps) each(dialog);
            });
            run();
            EXPECT_TRUE(driver.Ran());
            EXPECT_FALSE(driver.TimedOut()) << "the dialog stayed open";
          }};
}
