#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/win/cShellWin.h"
#include "tests/support/BmpFixture.h"
#include "tests/support/TestSupport.h"
#include "tests/support/win/BoxAnswerer.h"
#include "tests/support/win/GuiObjects.h"
#include "tests/support/win/ProbeDialog.h"
#include "tests/support/win/UserInput.h"
#include "tests/ui/win/TestTemplates.h"
#include "ui/win/cModelessList.h"
#include "ui/win/cPopupMenu.h"

namespace {
constexpr uint16_t kToolbarWindowTemplate = 530;
constexpr uint16_t kPopupMenuId = 620;
constexpr uint16_t kSaveAccelerators = 621;  // Ctrl+S: 40005
constexpr uint16_t kToolbarId = 124;
constexpr WORD kSaveCommand = 40005;
constexpr int32_t kViewWidth = 320;
constexpr int32_t kViewHeight = 120;

TBBUTTON Button(int image, int command, BYTE style) {
  TBBUTTON button = {};
  button.iBitmap = image;
  button.idCommand = command;
  button.fsState = TBSTATE_ENABLED;
  button.fsStyle = style;
  return button;
}

const cToolButton kFileButtons[] = {
    {Button(STD_FILENEW, 40079, TBSTYLE_BUTTON), "新規作成"},
    {Button(STD_FILEOPEN, 40074, TBSTYLE_BUTTON), "開く"},
    {Button(STD_FILESAVE, 40077, TBSTYLE_BUTTON), "上書き保存"},
    {Button(0, 0, TBSTYLE_SEP), nullptr},
    {Button(STD_UNDO, 40052, TBSTYLE_BUTTON), "元に戻す"},
};
const cToolButton kPenButtons[] = {
    {Button(0, 40044, TBSTYLE_CHECKGROUP), "普通"},     {Button(1, 40045, TBSTYLE_CHECKGROUP), "直線"},
    {Button(2, 40046, TBSTYLE_CHECKGROUP), "矩形"},     {Button(3, 40047, TBSTYLE_CHECKGROUP), "塗り潰し"},
    {Button(4, 40087, TBSTYLE_CHECKGROUP), "パラメーターの編集"},
};
const cToolButton kSeparator[] = {{Button(0, 0, TBSTYLE_SEP), nullptr}};
const cToolButton kClickButtons[] = {
    {Button(0, 40139, TBSTYLE_CHECKGROUP), "右クリックでパレットデータの編集"},
    {Button(1, 40140, TBSTYLE_CHECKGROUP), "右クリックでメニュー"},
};

// Button image colours of the test bitmap files: one solid colour an image.
const COLORREF kImageColours[] = {RGB(200, 30, 30), RGB(30, 160, 30), RGB(30, 30, 200)};

// A 24-bit bitmap file of count images of 16 x 15, image i painted in kImageColours[i]. Rows of
// 16 pixels of 3 bytes an image need no padding.
void WriteToolBitmap(const char* path, int count) {
  cBmpFields fields;
  fields.m_nWidth = count * kToolImageWidth;
  fields.m_nHeight = kToolImageHeight;
  fields.m_nBitCount = 24;
  for (int y = 0; y < kToolImageHeight; ++y)
    for (int x = 0; x < fields.m_nWidth; ++x) {
      COLORREF colour = kImageColours[x / kToolImageWidth];
      fields.m_Pixels.insert(fields.m_Pixels.end(), {GetBValue(colour), GetGValue(colour), GetRValue(colour)});
    }
  WriteFileBytes(path, BmpFile(fields));
}

// The factory's toolbar pictures that the build wrote.
std::string ToolbarPicture(const char* name) {
  return BuildTreePath((std::string("project\\e_bmp\\") + name).c_str());
}

// The tool window the tests drive: a modeless dialog of our own with a toolbar of standard images
// and of the palette windows' pictures, tooltips, an accelerator table and a popup menu on right
// clicks.
class cToolWindow : public cDialog {
public:
  explicit cToolWindow(cModelessList* list)
      : cDialog(kToolbarWindowTemplate, nullptr, kKindDialog, list, 40, 40),
        m_strPens(ToolbarPicture("ToolBar_Pen.bmp")),
        m_strClicks(ToolbarPicture("ToolBar_PltEdit.bmp")) {
    s_lpInstance = this;
    m_lpfnProc = Proc;
    SetGeometry(kViewWidth, kViewHeight, 100, 100, 640, 480, 0, 0, 1, 0, 0, 0);
  }
  ~cToolWindow() override {
    Destroy();
    if (s_lpInstance == this) s_lpInstance = nullptr;
  }
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
  }

  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    LRESULT result = WindowProc(window, message, wParam, lParam);
    if (message == WM_CLOSE) {
      Close(0);
      return 1;
    }
    m_MenuDriver.OnMessage(message, wParam);
    if (IsRightClicked()) {
      ++m_nPopups;
      TrackPopupMenu(m_Popup.Popup());
    }
    return result;
  }
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override {
    cDialog::OnInitDialog(wParam, lParam);
    CreateToolbar(kToolbarId);
    AddToolbarButtons(kFileButtons, 5);
    AddToolbarBitmap(kPenButtons, 5, m_strPens.c_str());
    AddToolbarButtons(kSeparator, 1);
    AddToolbarBitmap(kClickButtons, 2, m_strClicks.c_str());
    AddAccelerators(m_hWnd, kSaveAccelerators);
    m_Popup.Load(m_hInstance, kPopupMenuId);
    m_bInitialized = 1;
  }
  void OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (!AcceptCommand(wParam)) return;
    cDialog::OnCommand(wParam, lParam);
    m_vCommands.push_back(LOWORD(wParam));
  }

  // A screen point of the view, at (x, y) from the view's top-left corner.
  POINT ViewPoint(int32_t x, int32_t y) const {
    POINT point = {m_nViewX + x, m_nViewY + y};
    ClientToScreen(m_hWnd, &point);
    return point;
  }

  cPopupMenu m_Popup;
  std::vector<WORD> m_vCommands;
  int m_nPopups = 0;
  // Runs once an opening, with the menu window, while the popup waits for the user.
  cPopupMenuDriver m_MenuDriver;
  static cToolWindow* s_lpInstance;

private:
  std::string m_strPens;
  std::string m_strClicks;
};
cToolWindow* cToolWindow::s_lpInstance = nullptr;

class ToolbarTest : public ::testing::Test {
protected:
  ToolbarTest() { InstallShellWin(); }
  ~ToolbarTest() override {
    PumpMessages(&m_List);
    SetShell(nullptr);
  }
  // Opens the tool window, active, with the cursor parked away from it.
  void Open() {
    m_pWindow.reset(new cToolWindow(&m_List));
    m_pWindow->Create(0, 1);
    SetActiveWindow(m_pWindow->m_hWnd);
    MoveCursorTo(POINT{900, 700});
    PumpMessages(&m_List);
  }
  void Close() {
    m_pWindow.reset();
    PumpMessages(&m_List);
  }
  HWND Toolbar() const { return m_pWindow->m_hWndToolbar; }
  int ButtonCount() const { return static_cast<int>(SendMessageA(Toolbar(), TB_BUTTONCOUNT, 0, 0)); }
  TBBUTTON ButtonAt(int index) const {
    TBBUTTON button = {};
    SendMessageA(Toolbar(), TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&button));
    return button;
  }
  RECT ButtonRect(int index) const {
    RECT rect = {};
    SendMessageA(Toolbar(), TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
    return rect;
  }
  POINT ButtonCentre(int index) const {
    RECT rect = ButtonRect(index);
    POINT point = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ClientToScreen(Toolbar(), &point);
    return point;
  }
  void ClickButton(int index) {
    MoveCursorTo(ButtonCentre(index));
    PressButton(VK_LBUTTON);
    PumpMessages(&m_List);
    ReleaseButton(VK_LBUTTON);
    PumpMessages(&m_List);
  }
  // A right click in the view; a popup menu that opens is answered by the menu driver.
  void RightClickView(int32_t x, int32_t y) {
    MoveCursorTo(m_pWindow->ViewPoint(x, y));
    PressButton(VK_RBUTTON);
    PumpMessages(&m_List);
    ReleaseButton(VK_RBUTTON);
    PumpMessages(&m_List);
  }

  cScratchFolder m_Folder;
  cTestMainWindow m_Main;
  cModelessList m_List;
  std::unique_ptr<cToolWindow> m_pWindow;
};

int ImageCount(HWND toolbar) {
  return ImageList_GetImageCount(reinterpret_cast<HIMAGELIST>(SendMessageA(toolbar, TB_GETIMAGELIST, 0, 0)));
}

// The pixels of one image of the toolbar's image list, drawn over white.
std::vector<COLORREF> ImagePixels(HWND toolbar, int index) {
  HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageA(toolbar, TB_GETIMAGELIST, 0, 0));
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = kToolImageWidth;
  info.bmiHeader.biHeight = -kToolImageHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  PatBlt(dc, 0, 0, kToolImageWidth, kToolImageHeight, WHITENESS);
  ImageList_Draw(images, index, dc, 0, 0, ILD_NORMAL);
  GdiFlush();
  const uint32_t* pixels = static_cast<const uint32_t*>(bits);
  std::vector<COLORREF> result;
  for (int i = 0; i < kToolImageWidth * kToolImageHeight; ++i)
    result.push_back(RGB((pixels[i] >> 16) & 0xFF, (pixels[i] >> 8) & 0xFF, pixels[i] & 0xFF));
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(bitmap);
  return result;
}

COLORREF ImageCentre(HWND toolbar, int index) { return ImagePixels(toolbar, index)[7 * kToolImageWidth + 8]; }

// The tooltip windows of a window: top-level windows of this thread that it owns.
std::vector<HWND> TooltipsOf(HWND owner) {
  std::vector<HWND> tips;
  for (HWND window : ThreadWindows()) {
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpA(name, TOOLTIPS_CLASSA) == 0 && GetWindow(window, GW_OWNER) == owner) tips.push_back(window);
  }
  return tips;
}

// A tool of a tooltip window, with its text.
struct cTool {
  TOOLINFOA m_Info;
  std::string m_strText;
};
cTool ToolOf(HWND tip, int index) {
  cTool tool = {};
  tool.m_Info.cbSize = TTTOOLINFOA_V1_SIZE;
  SendMessageA(tip, TTM_ENUMTOOLSA, index, reinterpret_cast<LPARAM>(&tool.m_Info));
  char text[256] = {};
  TOOLINFOA query = tool.m_Info;
  query.lpszText = text;
  SendMessageA(tip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&query));
  tool.m_strText = text;
  return tool;
}

// The text of the tip on show, empty when none is.
std::string ShownTip(HWND owner) {
  for (HWND tip : TooltipsOf(owner)) {
    if (!IsWindowVisible(tip)) continue;
    TOOLINFOA current = {};
    current.cbSize = TTTOOLINFOA_V1_SIZE;
    if (!SendMessageA(tip, TTM_GETCURRENTTOOLA, 0, reinterpret_cast<LPARAM>(&current))) continue;
    char text[256] = {};
    current.lpszText = text;
    SendMessageA(tip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&current));
    return text;
  }
  return "";
}

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// Pumps messages until the condition holds or two seconds have passed.
bool PumpUntil(cModelessList* list, const std::function<bool()>& condition) {
  for (DWORD start = GetTickCount(); GetTickCount() - start < 2000; Sleep(10)) {
    PumpMessages(list);
    if (condition()) return true;
  }
  return false;
}

// All the buttons of the window in order: file buttons, pens, a separator, right-click modes.
const cToolButton* const kAllButtons[] = {
    &kFileButtons[0], &kFileButtons[1], &kFileButtons[2], &kFileButtons[3], &kFileButtons[4],
    &kPenButtons[0],  &kPenButtons[1],  &kPenButtons[2],  &kPenButtons[3],  &kPenButtons[4],
    &kSeparator[0],   &kClickButtons[0], &kClickButtons[1]};
constexpr int kButtonCount = 13;
constexpr int kImageCount = 15 + 5 + 2;  // the standard small colour bitmap, pens, right-click modes
}  // namespace

TEST_F(ToolbarTest, ButtonsTakeStandardImagesAndTheImagesOfTheirBitmapFile) {
  Open();
  ASSERT_EQ(GetDlgCtrlID(Toolbar()), kToolbarId);
  ASSERT_EQ(ButtonCount(), kButtonCount);
  ASSERT_EQ(ImageCount(Toolbar()), kImageCount);
  struct cRow {
    int m_nIndex;
    int m_nImage;
    int m_nCommand;
  } rows[] = {
      {0, STD_FILENEW, 40079}, {2, STD_FILESAVE, 40077}, {3, 0, 0} /* a separator keeps its index */,
      {4, STD_UNDO, 40052},    {5, 15, 40044},           {9, 19, 40087},
      {10, 0, 0},              {11, 20, 40139},          {12, 21, 40140},
  };
  for (const cRow& row : rows) {
    TBBUTTON button = ButtonAt(row.m_nIndex);
    EXPECT_EQ(button.iBitmap, row.m_nImage) << row.m_nIndex;
    EXPECT_EQ(button.idCommand, row.m_nCommand) << row.m_nIndex;
  }
  EXPECT_EQ(kPenButtons[4].m_tbButton.iBitmap, 4) << "the window's descriptions stay as they are";
}

TEST_F(ToolbarTest, ImagesOfAFileComeInItsOrderItsSeparatorIsOffsetAndAMissingFileAddsNothing) {
  Open();
  const cToolButton withSeparator[] = {{Button(0, 40081, TBSTYLE_BUTTON), "テストプレイ"},
                                       {Button(0, 0, TBSTYLE_SEP), nullptr},
                                       {Button(1, 40134, TBSTYLE_BUTTON), "ゲーム全体のテストプレイ"}};
  m_pWindow->AddToolbarBitmap(withSeparator, 3, "missing.bmp");
  EXPECT_EQ(ButtonCount(), kButtonCount);
  EXPECT_EQ(ImageCount(Toolbar()), kImageCount);
  EXPECT_EQ(SendMessageA(m_pWindow->m_hWndToolTip, TTM_GETTOOLCOUNT, 0, 0), kButtonCount - 2);
  WriteToolBitmap("colours.bmp", 3);
  m_pWindow->AddToolbarBitmap(withSeparator, 3, "colours.bmp");
  ASSERT_EQ(ButtonCount(), kButtonCount + 3);
  EXPECT_EQ(ButtonAt(kButtonCount).iBitmap, kImageCount);
  EXPECT_EQ(ButtonAt(kButtonCount + 1).iBitmap, kImageCount) << "offset like any other button";
  EXPECT_EQ(ButtonAt(kButtonCount + 2).iBitmap, kImageCount + 1);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(ImageCentre(Toolbar(), kImageCount + i), kImageColours[i]) << i;
}

TEST_F(ToolbarTest, FactoryToolbarPicturesGiveEveryButtonAnImageOfItsOwnOnAClearGround) {
  Open();
  struct cFile {
    const char* m_pPath;
    int m_nImages;
  } files[] = {{"ToolBar_Palette.bmp", 3}, {"ToolBar_TestPlay.bmp", 2}, {"ToolBar_Pen.bmp", 5},
               {"ToolBar_PltEdit.bmp", 2}, {"ToolBar_WorldPalette.bmp", 2}};
  static const char* const kTips[] = {"一", "二", "三", "四", "五"};
  for (const cFile& file : files) {
    std::vector<cToolButton> buttons;
    for (int i = 0; i < file.m_nImages; ++i) buttons.push_back({Button(i, 41000 + i, TBSTYLE_CHECKGROUP), kTips[i]});
    int first = ImageCount(Toolbar());
    m_pWindow->AddToolbarBitmap(buttons.data(), file.m_nImages, ToolbarPicture(file.m_pPath).c_str());
    ASSERT_EQ(ImageCount(Toolbar()), first + file.m_nImages) << file.m_pPath;
    std::vector<std::vector<COLORREF>> images;
    for (int i = 0; i < file.m_nImages; ++i) images.push_back(ImagePixels(Toolbar(), first + i));
    for (int i = 0; i < file.m_nImages; ++i) {
      int drawn = 0;
      for (COLORREF pixel : images[i]) drawn += pixel != RGB(255, 255, 255);
      EXPECT_GT(drawn, 30) << file.m_pPath << " image " << i;
      EXPECT_EQ(images[i][0], RGB(255, 255, 255)) << "the grey ground is drawn clear: " << file.m_pPath;
      for (int j = 0; j < i; ++j) EXPECT_NE(images[i], images[j]) << file.m_pPath << " images " << j << ", " << i;
    }
  }
}

TEST_F(ToolbarTest, ClickedButtonsSendTheirCommandsAndACheckGroupKeepsOneChecked) {
  Open();
  ClickButton(6);  // 直線
  EXPECT_EQ(m_pWindow->m_vCommands, (std::vector<WORD>{40045}));
  ClickButton(7);  // 矩形
  ClickButton(12);  // the other group: 右クリックでメニュー
  ClickButton(0);  // a plain button
  EXPECT_EQ(m_pWindow->m_vCommands, (std::vector<WORD>{40045, 40046, 40140, 40079}));
  struct cState {
    int m_nCommand;
    bool m_bChecked;
  } states[] = {{40044, false}, {40045, false}, {40046, true}, {40139, false}, {40140, true}, {40079, false}};
  for (const cState& state : states)
    EXPECT_EQ(SendMessageA(Toolbar(), TB_ISBUTTONCHECKED, state.m_nCommand, 0) != 0, state.m_bChecked)
        << state.m_nCommand;
}

TEST_F(ToolbarTest, EachButtonWithATextHasATooltipAtTheButton) {
  Open();
  std::vector<HWND> tips = TooltipsOf(m_pWindow->m_hWnd);
  ASSERT_EQ(tips.size(), 1u) << "one tooltip window serves the toolbar";
  EXPECT_NE(GetWindowLongA(tips[0], GWL_STYLE) & TTS_ALWAYSTIP, 0);
  ASSERT_EQ(SendMessageA(tips[0], TTM_GETTOOLCOUNT, 0, 0), kButtonCount - 2) << "separators have none";
  int tool = 0;
  for (int i = 0; i < kButtonCount; ++i) {
    const char* text = kAllButtons[i]->m_lpszTip;
    if (!text) continue;
    cTool seen = ToolOf(tips[0], tool++);
    EXPECT_EQ(seen.m_Info.hwnd, Toolbar());
    EXPECT_NE(seen.m_Info.uFlags & TTF_SUBCLASS, 0u);
    EXPECT_EQ(seen.m_Info.uId, reinterpret_cast<UINT_PTR>(text));
    EXPECT_TRUE(SameRect(seen.m_Info.rect, ButtonRect(i))) << i;
    EXPECT_EQ(seen.m_strText, text);
  }
}

TEST_F(ToolbarTest, RestingTheCursorOnAButtonShowsItsTooltip) {
  Open();
  for (int button : {11, 1, 6}) {
    MoveCursorTo(ButtonCentre(button));
    ASSERT_TRUE(PumpUntil(&m_List, [&] { return ShownTip(m_pWindow->m_hWnd) == kAllButtons[button]->m_lpszTip; }))
        << button << " shows " << ShownTip(m_pWindow->m_hWnd);
  }
  MoveCursorTo(m_pWindow->ViewPoint(100, 60));
  EXPECT_TRUE(PumpUntil(&m_List, [&] { return ShownTip(m_pWindow->m_hWnd).empty(); })) << "gone off the toolbar";
  // Held for a screenshot when one is being taken (tests/ui/win/toolbar-screenshot.sh).
  if (int hold = HoldMilliseconds()) {
    MoveCursorTo(ButtonCentre(11));
    PumpUntil(&m_List, [&] { return ShownTip(m_pWindow->m_hWnd) == kAllButtons[11]->m_lpszTip; });
    HoldForShot(0, hold, &m_List);
  }
}

TEST_F(ToolbarTest, AcceleratorKeysReachOnlyTheActiveWindow) {
  Open();
  cProbeDialog<60> other(kToolTemplate, nullptr, &m_List);
  other.Create(0, 1);
  other.AddAccelerators(other.m_hWnd, kSaveAccelerators);
  EXPECT_EQ(other.m_AccelList.front().m_hAccel, m_pWindow->m_AccelList.front().m_hAccel) << "a table is loaded once";
  auto typeCtrlS = [&] {
    INPUT keys[4] = {};
    WORD order[4][2] = {{VK_CONTROL, 0}, {'S', 0}, {'S', KEYEVENTF_KEYUP}, {VK_CONTROL, KEYEVENTF_KEYUP}};
    for (int i = 0; i < 4; ++i) {
      keys[i].type = INPUT_KEYBOARD;
      keys[i].ki.wVk = order[i][0];
      keys[i].ki.dwFlags = order[i][1];
    }
    SendInput(4, keys, sizeof keys[0]);
    PumpMessages(&m_List);
  };
  auto saves = [](const std::vector<WORD>& commands) {
    return std::count(commands.begin(), commands.end(), kSaveCommand);
  };
  SetActiveWindow(m_pWindow->m_hWnd);
  typeCtrlS();
  EXPECT_EQ(saves(m_pWindow->m_vCommands), 1);
  EXPECT_EQ(saves(other.m_vCommands), 0) << "a registered window that is not active";
  SetActiveWindow(other.m_hWnd);
  typeCtrlS();
  EXPECT_EQ(saves(other.m_vCommands), 1);
  EXPECT_EQ(saves(m_pWindow->m_vCommands), 1);
}

TEST_F(ToolbarTest, RightClickOpensThePopupAtTheCursorAndTheChosenItemArrivesAsACommand) {
  Open();
  HMENU popup = m_pWindow->m_Popup.Popup();
  ASSERT_TRUE(IsMenu(popup));
  RECT menuRect = {};
  POINT opened = {};
  m_pWindow->m_MenuDriver.m_Action = [&](HWND menu) {
    GetWindowRect(menu, &menuRect);
    opened = m_pWindow->m_ptCursorScreen;
    ClickMenuItem(popup, 40039);  // コピー
  };
  RightClickView(30, 20);
  EXPECT_EQ(m_pWindow->m_nPopups, 1);
  POINT cursor = m_pWindow->ViewPoint(30, 20);
  EXPECT_EQ(opened.x, cursor.x);
  EXPECT_EQ(opened.y, cursor.y);
  EXPECT_EQ(menuRect.left, cursor.x) << "the menu opens at the cursor";
  EXPECT_EQ(menuRect.top, cursor.y);
  EXPECT_EQ(m_pWindow->m_vCommands, (std::vector<WORD>{40039}));

  // Escape closes the menu with no command; the same menu opens again.
  m_pWindow->m_MenuDriver.m_Action = [&](HWND) { TypeKey(VK_ESCAPE); };
  RightClickView(100, 60);
  EXPECT_EQ(m_pWindow->m_nPopups, 2);
  std::vector<WORD> fromMenu;
  for (WORD id : m_pWindow->m_vCommands)
    if (GetMenuState(popup, id, MF_BYCOMMAND) != static_cast<UINT>(-1)) fromMenu.push_back(id);
  EXPECT_EQ(fromMenu, (std::vector<WORD>{40039}));
  EXPECT_EQ(m_pWindow->m_Popup.Load(m_pWindow->m_hInstance, kPopupMenuId), popup) << "loaded once";

  // Over the toolbar the click is not the view's.
  MoveCursorTo(ButtonCentre(2));
  PressButton(VK_RBUTTON);
  PumpMessages(&m_List);
  ReleaseButton(VK_RBUTTON);
  PumpMessages(&m_List);
  EXPECT_EQ(m_pWindow->m_nPopups, 2);
  Close();
  EXPECT_FALSE(IsMenu(popup)) << "released with its window";
}

TEST_F(ToolbarTest, OpeningAndClosingTheWindowManyTimesLeavesNoObjectsBehind) {
  auto round = [&] {
    Open();
    SendMessageA(m_pWindow->m_hWndToolTip, TTM_SETDELAYTIME, TTDT_INITIAL, 1);
    MoveCursorTo(ButtonCentre(5));
    ASSERT_TRUE(PumpUntil(&m_List, [&] { return !ShownTip(m_pWindow->m_hWnd).empty(); }));
    m_pWindow->m_MenuDriver.m_Action = [&](HWND) { TypeKey(VK_ESCAPE); };
    RightClickView(30, 20);
    RightClickView(60, 20);
    ASSERT_EQ(m_pWindow->m_nPopups, 2);
    Close();
  };
  round();  // the first opening loads what the process keeps: the common controls' images, the table
  cGuiObjects before = CountGuiObjects();
  for (int i = 0; i < 10; ++i) round();
  EXPECT_EQ(CountGuiObjects(), before);
}

TEST(GuiObjects, CountsFollowObjectsMadeAndReleased) {
  HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
  cGuiObjects before = CountGuiObjects();
  HBITMAP bitmap = CreateBitmap(4, 4, 1, 1, nullptr);
  HMENU menu = CreatePopupMenu();
  ACCEL key = {FVIRTKEY, VK_F9, 1};
  HACCEL table = CreateAcceleratorTableA(&key, 1);
  HWND child = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 1, 1, parent, nullptr, nullptr, nullptr);
  cGuiObjects during = CountGuiObjects();
  EXPECT_EQ(during.m_nGdi, before.m_nGdi + 1);
  EXPECT_EQ(during.m_nUser, before.m_nUser + 3);
  DestroyWindow(child);
  DestroyAcceleratorTable(table);
  DestroyMenu(menu);
  DeleteObject(bitmap);
  EXPECT_EQ(CountGuiObjects(), before);
  DestroyWindow(parent);
}
