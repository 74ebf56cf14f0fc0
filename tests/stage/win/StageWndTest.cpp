#include "tests/stage/win/StageWndTest.h"

#include <windows.h>

#include "app/DataPaths.h"
#include "app/Utility.h"
#include "app/cEditConfig.h"
#include "app/win/MainLoop.h"
#include "app/win/cGameProcess.h"
#include "ui/win/cModelessList.h"

namespace {
const char* const kFolders[] = {"data", "data\\stg4", "data\\stg4\\old_ver", "data\\work", "data\\plt4", "e_data", "e_bmp"};
const char* const kToolbarPictures[] = {"ToolBar_Palette.bmp", "ToolBar_TestPlay.bmp", "ToolBar_Pen.bmp",
                                        "ToolBar_PltEdit.bmp"};
std::vector<int> g_vSheetRequests;

int RecordSheetRequest(int kind, cWindow*, cPropSheet**) {
  g_vSheetRequests.push_back(kind);
  return 0;
}
}  // namespace

std::vector<int>& StageWndTest::SheetRequests() { return g_vSheetRequests; }

void StageWndTest::SetUp() {
  StageTest::SetUp();
  g_nUiThreadId = GetCurrentThreadId();
  SetShell(&m_Clock);
  static const int registered = RegisterMainFrameClass(GetModuleHandleA(nullptr));
  ASSERT_EQ(registered, 1);
  for (const char* folder : kFolders) CreateDirectoryA(folder, nullptr);
  for (const char* picture : kToolbarPictures) {
    std::string source = BuildTreePath((std::string("project\\e_bmp\\") + picture).c_str());
    ASSERT_TRUE(CopyFileA(source.c_str(), (std::string("e_bmp\\") + picture).c_str(), FALSE)) << source;
  }
  EditConfig.SetDefaults();
  g_StateStack.Reset();
  g_nLastLaunchTime = 0;
  InstallStageEditor(g_MainFrame);
  SheetRequests().clear();
  g_ElementEditors.m_pfnOpenSheet = RecordSheetRequest;
  ASSERT_EQ(CreateMainFrameWindow(GetModuleHandleA(nullptr)), 1);
  MakeSheet(g_aSheetCanvas[kSheetBlock], 64, 480, 32, 1);
  MakeSheet(g_aSheetCanvas[kSheetChara], 640, 480, 32, 2);
  MakeSheet(g_aSheetCanvas[kSheetChara + 1], 640, 480, 32, 3);
  MakeSheet(g_aSheetCanvas[kSheetItem], 128, 480, 32, 4);
  MakeSheet(g_aSheetCanvas[kSheetItemMini], 64, 240, 16, 5);
  MakeSheet(g_aSheetCanvas[kSheetMark], 64, 480, 32, 6);
}

void StageWndTest::TearDown() {
  SafeDelete(g_MainFrame.m_lpStageEditor);
  g_GameProcess.Forget();
  if (IsWindow(g_hMainWnd)) DestroyWindow(g_hMainWnd);
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {}  // the quit message too
  g_hMainWnd = nullptr;
  g_MainFrame.m_Services = cStageEditorServices();
  g_ElementEditors.m_pfnOpenSheet = nullptr;
  g_bAppActive = 0;
  for (cCanvas& sheet : g_aSheetCanvas) sheet.Release();
  g_vCharaExcCanvas.clear();
  SetShell(nullptr);
  StageTest::TearDown();
}

void StageWndTest::OpenStage(int width, int height, const char* path) {
  g_StageDoc.SetSize(width, height, 0, 0);
  g_StageDoc.m_nUndoDepth = 5;
  g_StageEditState.m_bStageOpen = 1;
  g_StageEditState.m_strStagePath = path;
  g_StageEditState.AllocateUndo(5, g_StageDoc.m_nPitch, g_StageDoc.m_nHeight);
  MakeWindow();
}

void StageWndTest::MakeWindow() {
  g_MainFrame.CreateStageEditor();
  ASSERT_NE(g_pStageEditorWnd, nullptr);
  g_MainFrame.m_lpStageEditor->CreatePaletteWindows();
}

int StageWndTest::Command(int id) { return static_cast<int>(SendMessageA(Window(), WM_COMMAND, id, 0)); }

void StageWndTest::Mouse(UINT message, int x, int y, WPARAM keys) {
  cStageEditorWnd& editor = Editor();
  SendMessageA(Window(), message, keys, MAKELPARAM(x + editor.m_nViewX, y + editor.m_nViewY));
}

void StageWndTest::Key(WPARAM key) { SendMessageA(Window(), WM_KEYDOWN, key, 0); }

std::string StageWndTest::MenuText(int id) {
  char text[256] = {};
  GetMenuStringA(GetMenu(Window()), id, text, sizeof text, MF_BYCOMMAND);
  return text;
}

bool StageWndTest::MenuEnabled(int id) {
  return !(GetMenuState(GetMenu(Window()), id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED));
}

bool StageWndTest::MenuChecked(int id) { return (GetMenuState(GetMenu(Window()), id, MF_BYCOMMAND) & MF_CHECKED) != 0; }

bool StageWndTest::ButtonEnabled(int id) {
  return SendMessageA(Editor().m_hWndToolbar, TB_ISBUTTONENABLED, id, 0) != 0;
}

bool StageWndTest::ButtonChecked(int id) {
  return SendMessageA(Editor().m_hWndToolbar, TB_ISBUTTONCHECKED, id, 0) != 0;
}

std::string StageWndTest::StatusText() {
  char text[256] = {};
  SendMessageA(Editor().m_hWndStatus, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
  return text;
}

std::string StageWndTest::Title() {
  char text[512] = {};
  GetWindowTextA(Window(), text, sizeof text);
  return text;
}

void StageWndTest::MakeSheet(cCanvas& canvas, int width, int height, int cellSize, int tag) {
  ASSERT_EQ(canvas.Create(width, height, 32, 0), 1);
  cPixelView image = canvas.Image();
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      COLORREF colour = SheetColour(tag, x / cellSize, y / cellSize);
      uint8_t* pixel = image.At(x, y);
      pixel[0] = GetBValue(colour);
      pixel[1] = GetGValue(colour);
      pixel[2] = GetRValue(colour);
    }
}

void StageWndTest::Pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) continue;
    if (g_ModelessList.PreTranslateMessage(&message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

bool StageWndTest::RebuildPosted() {
  MSG message;
  bool posted = false;
  while (PeekMessageA(&message, g_hMainWnd, WM_USER, WM_USER, PM_REMOVE)) posted = posted || message.wParam == 1;
  return posted;
}
