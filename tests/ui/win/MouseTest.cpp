#include <gtest/gtest.h>

#include "app/win/cShellWin.h"
#include "tests/support/TestSupport.h"
#include "tests/support/win/BoxAnswerer.h"
#include "tests/support/win/ProbeDialog.h"
#include "tests/support/win/UserInput.h"
#include "tests/ui/win/TestTemplates.h"
#include "ui/win/cModelessList.h"

namespace {
const POINT kAway = {900, 700};  // off every window of these tests

class MouseTest : public ::testing::Test {
protected:
  MouseTest() {
    InstallShellWin();
    MoveCursorTo(kAway);
    PumpMessages(&m_List);
  }
  ~MouseTest() override {
    ReleaseButton(VK_LBUTTON);
    ReleaseButton(VK_RBUTTON);
    PumpMessages(&m_List);
    SetShell(nullptr);
  }
  cScratchFolder m_Folder;
  cTestMainWindow m_Main;
  cModelessList m_List;
};

// The screen point at (x, y) from a window's view origin.
POINT ViewPoint(const cWindow& window, int32_t x, int32_t y) {
  POINT point = {window.m_nViewX + x, window.m_nViewY + y};
  ClientToScreen(window.m_hWnd, &point);
  return point;
}

struct cEdges {
  int32_t m_bDown, m_bPressed, m_bReleased;
  bool operator==(const cEdges& other) const {
    return m_bDown == other.m_bDown && m_bPressed == other.m_bPressed && m_bReleased == other.m_bReleased;
  }
};
std::ostream& operator<<(std::ostream& out, const cEdges& edges) {
  return out << "{held " << edges.m_bDown << ", pressed " << edges.m_bPressed << ", released " << edges.m_bReleased
             << "}";
}

// The window's state of one button after an update with the mask.
cEdges Update(cWindow& window, int button, int32_t mask) {
  EXPECT_EQ(window.UpdateMouse(0, mask), 1);
  const cMouseState& m = window.m_Mouse;
  return button == VK_LBUTTON ? cEdges{m.m_bLDown, m.m_bLPressed, m.m_bLReleased}
                              : cEdges{m.m_bRDown, m.m_bRPressed, m.m_bRReleased};
}

// Counts the right clicks a window takes, asking on every message as windows with popups do.
template <int Tag>
void CountRightClicks(cProbeDialog<Tag>& dialog, int& clicks) {
  dialog.m_OnMessage = [&clicks](cProbeDialog<Tag>& self, UINT, WPARAM, LPARAM) { clicks += self.IsRightClicked(); };
}
}  // namespace

TEST_F(MouseTest, PressIsReportedOnceToTheFirstWindowThatSeesItAndEachWindowSeesItsRelease) {
  // Two windows at one place: the cursor is over both views.
  cProbeDialog<70> first(kToolTemplate, nullptr, &m_List, 100, 100);
  cProbeDialog<71> second(kToolTemplate, nullptr, &m_List, 100, 100);
  first.Create(0, 1);
  second.Create(0, 1);
  MoveCursorTo(ViewPoint(first, 20, 10));
  PumpMessages(&m_List);
  for (int button : {VK_LBUTTON, VK_RBUTTON}) {
    PressButton(button);
    EXPECT_EQ(Update(first, button, 1), (cEdges{1, 0, 0})) << "bit 0 refreshes the held state alone";
    EXPECT_EQ(Update(first, button, 7), (cEdges{1, 1, 0})) << button;
    EXPECT_EQ(Update(second, button, 7), (cEdges{1, 0, 0})) << "reported once, to the first window";
    EXPECT_EQ(Update(first, button, 7), (cEdges{1, 0, 0})) << "the press is an edge";
    ReleaseButton(button);
    EXPECT_EQ(Update(first, button, 7), (cEdges{0, 0, 1}));
    EXPECT_EQ(Update(first, button, 7), (cEdges{0, 0, 0})) << "the release is an edge";
    EXPECT_EQ(Update(second, button, 7), (cEdges{0, 0, 1})) << "each window sees its own release";
    PressButton(button);
    EXPECT_EQ(Update(second, button, 7), (cEdges{1, 1, 0})) << "a new press goes to whoever looks first";
    EXPECT_EQ(Update(first, button, 7), (cEdges{1, 0, 0}));
    ReleaseButton(button);
    EXPECT_EQ(Update(first, button, 3), (cEdges{0, 0, 0})) << "without bit 2 no release is noted";
  }
}

TEST_F(MouseTest, CursorOutsideTheViewLeavesTheStateAloneUnlessForced) {
  // A view below one toolbar row and above a status bar.
  cProbeDialog<72> window(kToolTemplate, nullptr, &m_List, 100, 100);
  window.SetGeometry(200, 100, 100, 100, 640, 480, 0, 0, 1, 1, 0, 0);
  window.Create(0, 1);
  ASSERT_EQ(window.m_nViewY, g_nToolbarRowHeight);
  ASSERT_EQ(window.m_nViewHeight, 100);
  POINT inside = ViewPoint(window, 30, 5);
  MoveCursorTo(inside);
  EXPECT_EQ(window.UpdateMouse(0, 7), 1);
  EXPECT_EQ(window.m_Mouse.x, 30);
  EXPECT_EQ(window.m_Mouse.y, 5) << "measured from the view's origin below the toolbar";

  struct cOutside {
    int32_t m_nX, m_nY;
    const char* m_pWhere;
  } outside[] = {{30, -10, "over the toolbar"}, {30, 100, "over the status bar"}, {200, 20, "right of the view"},
                 {-5, 20, "left of the window"}};
  for (const cOutside& where : outside) {
    MoveCursorTo(ViewPoint(window, where.m_nX, where.m_nY));
    PressButton(VK_LBUTTON);
    EXPECT_EQ(window.UpdateMouse(0, 7), 0) << where.m_pWhere;
    EXPECT_EQ(window.m_Mouse.x, 30) << where.m_pWhere;
    EXPECT_EQ(window.m_Mouse.m_bLDown, 0) << "the press is not seen from " << where.m_pWhere;
    ReleaseButton(VK_LBUTTON);
  }
  EXPECT_EQ(window.UpdateMouse(1, 7), 1) << "forced";
  EXPECT_EQ(window.m_Mouse.x, -5);
  EXPECT_EQ(window.m_Mouse.y, 20);

  // A press made outside is seen once the cursor is back, and so is a release made outside.
  PressButton(VK_LBUTTON);
  window.UpdateMouse(0, 7);
  MoveCursorTo(inside);
  EXPECT_EQ(Update(window, VK_LBUTTON, 7), (cEdges{1, 1, 0}));
  MoveCursorTo(ViewPoint(window, 30, -10));
  ReleaseButton(VK_LBUTTON);
  EXPECT_EQ(window.UpdateMouse(0, 7), 0);
  EXPECT_EQ(window.m_Mouse.m_bLDown, 1);
  MoveCursorTo(inside);
  EXPECT_EQ(Update(window, VK_LBUTTON, 7), (cEdges{0, 0, 1}));
}

namespace {
// A right click where the cursor is; between runs with the right button down.
void RightClick(cModelessList& list, void (*between)() = nullptr) {
  PressButton(VK_RBUTTON);
  PumpMessages(&list);
  if (between) between();
  ReleaseButton(VK_RBUTTON);
  PumpMessages(&list);
  ReleaseButton(VK_LBUTTON);
  PumpMessages(&list);
}
}  // namespace

TEST_F(MouseTest, RightButtonHeldAsTheWindowOpensIsNotAClickOnIt) {
  struct cCase {
    POINT m_ptAtOpening;
    const char* m_pWhere;
  } cases[] = {{kAway, "away from the window"}, {{130, 130}, "over the window"}};
  for (const cCase& c : cases) {
    MoveCursorTo(c.m_ptAtOpening);
    PressButton(VK_RBUTTON);
    cProbeDialog<73> window(kToolTemplate, nullptr, &m_List, 100, 100);
    int clicks = 0;
    CountRightClicks(window, clicks);
    window.Create(0, 1);
    SetActiveWindow(window.m_hWnd);
    EXPECT_EQ(window.m_bRightArmed, 0) << c.m_pWhere;
    MoveCursorTo(ViewPoint(window, 20, 10));
    PumpMessages(&m_List);
    ReleaseButton(VK_RBUTTON);
    PumpMessages(&m_List);
    EXPECT_EQ(clicks, 0) << "the click that opened the window, " << c.m_pWhere;
    EXPECT_EQ(window.m_bRightArmed, 1) << "armed once the button was seen up";
    RightClick(m_List);
    EXPECT_EQ(clicks, 1) << c.m_pWhere;
  }
}

TEST_F(MouseTest, RightClickCountsOnlyOverTheInitialisedActiveWindowWithTheLeftButtonUp) {
  cProbeDialog<74> window(kToolTemplate, nullptr, &m_List, 100, 100);
  int clicks = 0;
  CountRightClicks(window, clicks);
  window.Create(0, 1);
  SetActiveWindow(window.m_hWnd);
  MoveCursorTo(ViewPoint(window, 20, 10));
  PumpMessages(&m_List);
  RightClick(m_List);
  EXPECT_EQ(clicks, 1);
  RightClick(m_List, [] {
    PressButton(VK_LBUTTON);
    PumpMessages();
  });
  EXPECT_EQ(clicks, 1) << "the left button held";
  cProbeDialog<75> other(kToolTemplate, nullptr, &m_List, 500, 400);
  other.Create(0, 1);
  RightClick(m_List, [] { SetActiveWindow(cProbeDialog<75>::s_lpInstance->m_hWnd); });
  EXPECT_EQ(clicks, 1) << "another window became active meanwhile";
  SetActiveWindow(window.m_hWnd);
  window.m_bInitialized = 0;
  RightClick(m_List);
  EXPECT_EQ(clicks, 1) << "not initialised";
  window.m_bInitialized = 1;
  RightClick(m_List);
  EXPECT_EQ(clicks, 2);
}
