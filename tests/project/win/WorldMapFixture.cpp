#include "tests/project/win/WorldMapFixture.h"

#include <windows.h>

#include "app/DataPaths.h"
#include "app/cEditConfig.h"
#include "app/cValInfoData.h"
#include "app/win/cMainFrame.h"
#include "model/VariableNames.h"
#include "stage/cStageDoc.h"
#include "stage/cStageEditState.h"
#include "ui/win/cModelessList.h"

namespace {

const char* const kFolders[] = {"data", "data\\stg4", "e_data", "e_bmp", "bmp"};
const char* const kToolbarPictures[] = {"ToolBar_Palette.bmp", "ToolBar_TestPlay.bmp", "ToolBar_WorldPalette.bmp"};

// The popup menu's choice while it waits: a WM_ENTERIDLE hook on this thread, as a user's click.
cPopupMenuDriver* g_lpMenuDriver = nullptr;
HHOOK g_hMenuHook = nullptr;

LRESULT CALLBACK MenuIdleHook(int code, WPARAM wParam, LPARAM lParam) {
  const CWPSTRUCT* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && g_lpMenuDriver) g_lpMenuDriver->OnMessage(sent->message, sent->wParam);
  return CallNextHookEx(g_hMenuHook, code, wParam, lParam);
}

}  // namespace

cWorldEvent NamedEvent(const char* name, int32_t number) {
  cWorldEvent event;
  event.m_strName = name;
  event.m_vPage[0].m_nWorldNo = number;
  return event;
}

void WorldMapWndTest::SetUp() {
  g_nUiThreadId = GetCurrentThreadId();
  SetShell(&m_Shell);
  static const int registered = RegisterMainFrameClass(GetModuleHandleA(nullptr));
  ASSERT_EQ(registered, 1);
  for (const char* folder : kFolders) CreateDirectoryA(folder, nullptr);
  for (const char* picture : kToolbarPictures) {
    std::string source = BuildTreePath((std::string("project\\e_bmp\\") + picture).c_str());
    ASSERT_TRUE(CopyFileA(source.c_str(), (std::string("e_bmp\\") + picture).c_str(), FALSE)) << source;
  }
  EditConfig.SetDefaults();
  // The placing options start off here (a new configuration has two on): each test sets its own.
  EditConfig.m_bEditBeforePlacing = 0;
  EditConfig.m_bAutoWorldNo = 0;
  g_StageDoc.SetDefaults();
  g_StageEditState.Reset();
  g_vValInfo.clear();
  g_vValInfo.resize(1000);
  RegisterVariableNames(kVarScopeCommon, &g_vValInfo);
  g_WorldMap.SetDefaults();
  g_WorldMap.m_vTemplate[0].m_strName = "村";
  SaveMapFile();
  g_WorldMapEditState.Reset(g_WorldMap);
  MakeSheet(g_aSheetCanvas[kSheetWorldChip], 160, 96, 1);
  MakeSheet(g_aSheetCanvas[kSheetWorldEvent], 64, 128, 2);
  InstallStageEditor(g_MainFrame);
  ASSERT_EQ(CreateMainFrameWindow(GetModuleHandleA(nullptr)), 1);
  g_MainFrame.CreateStageEditor();
  ASSERT_NE(g_pStageEditorWnd, nullptr);
}

void WorldMapWndTest::TearDown() {
  StopChoosingFromMenus();
  SafeDelete(g_MainFrame.m_lpStageEditor);
  if (IsWindow(g_hMainWnd)) DestroyWindow(g_hMainWnd);
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {}  // the quit message too
  g_hMainWnd = nullptr;
  g_MainFrame.m_Services = cStageEditorServices();
  g_MainFrame.m_nEditorKind = 0;
  for (cCanvas& sheet : g_aSheetCanvas) sheet.Release();
  RegisterVariableNames<cValInfoData>(kVarScopeCommon, nullptr);
  g_vValInfo.clear();
  g_WorldMap.SetDefaults();
  g_WorldMapEditState.Reset(g_WorldMap);
  EditConfig.SetDefaults();
  SetShell(nullptr);
}

void WorldMapWndTest::OpenWorldMap() {
  SendMessageA(g_pStageEditorWnd->m_hWnd, WM_COMMAND, 40064, 0);
  ASSERT_NE(g_pStageEditorWnd->m_pWorldMapWnd, nullptr);
  ASSERT_NE(Window(), nullptr);
}

int WorldMapWndTest::Command(int id) { return static_cast<int>(SendMessageA(Window(), WM_COMMAND, id, 0)); }

void WorldMapWndTest::Mouse(UINT message, int x, int y, WPARAM keys) {
  SendMessageA(Window(), message, keys, MAKELPARAM(x + Map().m_nViewX, y + Map().m_nViewY));
}

void WorldMapWndTest::ClickCell(int column, int row) {
  MouseAtCell(WM_LBUTTONDOWN, column, row, MK_LBUTTON);
  MouseAtCell(WM_LBUTTONUP, column, row, 0);
}

void WorldMapWndTest::PopupCommand(int column, int row, int id) {
  SetForegroundWindow(Window());
  SetActiveWindow(Window());
  POINT point = {Map().m_nViewX + 32 * column + 16, Map().m_nViewY + 32 * row + 16};
  ClientToScreen(Window(), &point);
  MoveCursorTo(point);
  Pump();
  m_vPopupEnabled.clear();
  ChooseFromMenus([&] {
    HMENU popup = Map().m_hPopupMenu;
    for (int item : kPopupIds)
      m_vPopupEnabled.push_back((GetMenuState(popup, item, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) ? 0 : 1);
    bool enabled = !(GetMenuState(popup, id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED));
    if (id && enabled) ClickMenuItem(popup, id);
    else TypeKey(VK_ESCAPE);
  });
  PressButton(VK_RBUTTON);
  Pump();
  ReleaseButton(VK_RBUTTON);
  Pump();
  StopChoosingFromMenus();
  Pump();
}

void WorldMapWndTest::ChooseFromMenus(std::function<void()> action) {
  m_MenuDriver.m_Action = [action](HWND) { action(); };
  g_lpMenuDriver = &m_MenuDriver;
  g_hMenuHook = SetWindowsHookExA(WH_CALLWNDPROC, MenuIdleHook, nullptr, GetCurrentThreadId());
}

void WorldMapWndTest::StopChoosingFromMenus() {
  if (g_hMenuHook) UnhookWindowsHookEx(g_hMenuHook);
  g_hMenuHook = nullptr;
  g_lpMenuDriver = nullptr;
}

void WorldMapWndTest::ClickChip(int chip) {
  cMapChipPaletteWnd* palette = ChipPalette();
  ASSERT_NE(palette, nullptr);
  int x = chip % 5 * 32 + 16, y = (chip / 5 - palette->m_nScrollRow) * 32 + 16;
  SendMessageA(palette->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x + palette->m_nViewX, y + palette->m_nViewY));
  SendMessageA(palette->m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(x + palette->m_nViewX, y + palette->m_nViewY));
}

std::string WorldMapWndTest::Chips(int columns, int rows) {
  std::string text;
  for (int y = 0; y < rows; ++y) {
    if (y) text += '/';
    for (int x = 0; x < columns; ++x) text += static_cast<char>('0' + g_WorldMap.ChipAt(x, y));
  }
  return text;
}

std::string WorldMapWndTest::Events() {
  std::string text;
  for (const cWorldEvent& event : g_WorldMap.m_vEvent) {
    if (!text.empty()) text += ' ';
    text += std::string(event.m_strName.GetStr()) + "@" + std::to_string(event.m_nX) + "," + std::to_string(event.m_nY) +
            "#" + std::to_string(event.m_vPage.empty() ? -1 : event.m_vPage[0].m_nWorldNo);
  }
  return text;
}

bool WorldMapWndTest::MenuEnabled(int id) {
  return !(GetMenuState(GetMenu(Window()), id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED));
}

bool WorldMapWndTest::MenuChecked(int id) {
  return (GetMenuState(GetMenu(Window()), id, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

std::string WorldMapWndTest::MenuText(int id) {
  char text[256] = {};
  GetMenuStringA(GetMenu(Window()), id, text, sizeof text, MF_BYCOMMAND);
  return text;
}

bool WorldMapWndTest::ButtonEnabled(int id) { return SendMessageA(Map().m_hWndToolbar, TB_ISBUTTONENABLED, id, 0) != 0; }

bool WorldMapWndTest::ButtonChecked(int id) { return SendMessageA(Map().m_hWndToolbar, TB_ISBUTTONCHECKED, id, 0) != 0; }

std::string WorldMapWndTest::StatusText(HWND statusBar) {
  char text[256] = {};
  // A simple status bar hands out its one text as part 0.
  SendMessageA(statusBar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
  return text;
}

COLORREF WorldMapWndTest::PicturePixel(int x, int y) {
  const uint8_t* pixel = Map().PictureCanvas().Image().At(x, y);
  return RGB(pixel[2], pixel[1], pixel[0]);
}

std::vector<std::string> WorldMapWndTest::TemplateRows() {
  std::vector<std::string> rows;
  HWND list = EventPalette()->List().m_hWnd;
  int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  for (int row = 0; row < count; ++row) {
    char text[256] = {};
    SendMessageA(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text));
    rows.push_back(text);
  }
  return rows;
}

void WorldMapWndTest::Pump() { PumpMessages(&g_ModelessList); }

void WorldMapWndTest::SaveMapFile() { ASSERT_EQ(g_WorldMap.SaveFile(g_DataPaths[kPathWorldMap].GetStr()), 1); }

void WorldMapWndTest::MakeSheet(cCanvas& canvas, int width, int height, int tag) {
  ASSERT_EQ(canvas.Create(width, height, 32, 0), 1);
  cPixelView image = canvas.Image();
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      COLORREF colour = TestSheetColour(tag, x / 32, y / 32);
      uint8_t* pixel = image.At(x, y);
      pixel[0] = GetBValue(colour);
      pixel[1] = GetGValue(colour);
      pixel[2] = GetRValue(colour);
    }
}
