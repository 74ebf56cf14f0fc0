#include "tests/editors/win/EditorWndTest.h"


#include "app/cApplication.h"
#include "app/cStateStack.h"
#include "app/win/MainLoop.h"
#include "app/win/cCanvas.h"
#include "app/win/cMainFrame.h"
#include "editors/GraphicCells.h"
#include "editors/win/ElementEditors.h"
#include "model/FlowVocabulary.h"
#include "project/cProjectSettings.h"
#include "tests/support/win/UserInput.h"
#include "ui/win/cModelessList.h"

namespace {
const char* const kFolders[] = {"data", "data\\stg4", "data\\work", "data\\plt4", "e_data", "e_bmp"};
const char* const kToolbarPictures[] = {"ToolBar_Palette.bmp", "ToolBar_TestPlay.bmp"};

BOOL CALLBACK CollectWindow(HWND window, LPARAM windows) {
  reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
  return TRUE;
}

// The editor's own windows (the palette and group windows, the sheets) come and go with the layer
// and are never a dialog a script waits for.
bool Modeless(HWND window) {
  for (cDialog* dialog : g_ModelessList.m_Windows)
    if (dialog && dialog->m_hWnd == window) return true;
  for (const cSheetEntry& sheet : g_ModelessList.m_Sheets)
    if (sheet.m_lpKey && sheet.m_lpKey->m_hWndSheet == window) return true;
  return false;
}

// The modal dialogs of this thread that are on screen.
std::vector<HWND> ThreadDialogs() {
  std::vector<HWND> windows;
  EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&windows));
  std::vector<HWND> dialogs;
  for (HWND window : windows) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpA(name, "#32770") == 0 && IsWindowVisible(window) && !Modeless(window)) dialogs.push_back(window);
  }
  return dialogs;
}

cDialogScript* g_pScript = nullptr;

// A sheet of cells of one colour a column, for the previews and the picker.
void MakeSheet(cCanvas& canvas, int width, int height) {
  ASSERT_EQ(canvas.Create(width, height, 32, 0), 1);
  cPixelView image = canvas.Image();
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      uint8_t* pixel = image.At(x, y);
      pixel[0] = static_cast<uint8_t>(40 + 8 * (y / 32));
      pixel[1] = static_cast<uint8_t>(64 + 16 * (x / 32));
      pixel[2] = 200;
    }
}
}  // namespace

cDialogScript::cDialogScript(std::vector<std::function<void(HWND)>> actions)
    : m_vActions(std::move(actions)), m_vKnown(ThreadDialogs()) {
  g_pScript = this;
  m_nFirstNew = m_vKnown.size();
  m_nLastAction = GetTickCount();
  m_nTimer = SetTimer(nullptr, 0, 20, Tick);
}

cDialogScript::~cDialogScript() {
  KillTimer(nullptr, m_nTimer);
  g_pScript = nullptr;
}

void CALLBACK cDialogScript::Tick(HWND, UINT, UINT_PTR, DWORD) {
  cDialogScript* script = g_pScript;
  if (!script) return;
  constexpr DWORD kGiveUpMs = 8000;
  if (GetTickCount() - script->m_nLastAction > kGiveUpMs) {
    for (size_t i = script->m_nFirstNew; i < script->m_vKnown.size(); ++i)
      if (IsWindow(script->m_vKnown[i])) PostMessageA(script->m_vKnown[i], WM_CLOSE, 0, 0);
    script->m_nLastAction = GetTickCount();
  }
  for (HWND dialog : ThreadDialogs()) {
    bool known = false;
    for (HWND old : script->m_vKnown) known = known || old == dialog;
    if (known) continue;
    script->m_vKnown.push_back(dialog);
    script->m_nLastAction = GetTickCount();
    char caption[256] = {};
    GetWindowTextA(dialog, caption, sizeof caption);
    script->m_vCaptions.push_back(caption);
    if (script->m_nRan < static_cast<int>(script->m_vActions.size())) {
      SetForegroundWindow(dialog);
      script->m_vActions[static_cast<size_t>(script->m_nRan++)](dialog);
    } else {
      PostMessageA(dialog, WM_CLOSE, 0, 0);
    }
    return;
  }
}

void EditorWndTest::SetUp() {
  EditorTest::SetUp();
  g_nUiThreadId = GetCurrentThreadId();
  SetShell(&m_Beeps);
  static const int registered = RegisterMainFrameClass(GetModuleHandleA(nullptr));
  ASSERT_EQ(registered, 1);
  for (const char* folder : kFolders) CreateDirectoryA(folder, nullptr);
  for (const char* picture : kToolbarPictures) {
    std::string source = BuildTreePath((std::string("project\\e_bmp\\") + picture).c_str());
    ASSERT_TRUE(CopyFileA(source.c_str(), (std::string("e_bmp\\") + picture).c_str(), FALSE)) << source;
  }
  EditConfig.SetDefaults();
  EditConfig.m_wpCharaGroup.m_bShown = 1;
  FillScrollStatusTable(ScrollStatusTable, ScrollKindNames);
  g_StateStack.Reset();
  for (int i : {int(kSheetBlock), int(kSheetChara), kSheetChara + 1, int(kSheetItem), int(kSheetMark)})
    MakeSheet(g_aSheetCanvas[i], 256, 480);
  for (int i = kSheetOverviewBlock; i <= kSheetOverviewMark; ++i) MakeSheet(g_aSheetCanvas[i], 256, 480);
  g_StageDoc.m_nUndoDepth = 3;
  g_StageEditState.m_bStageOpen = 1;
  g_StageEditState.m_strStagePath = "data\\stg4\\test.stg4_771";
  InstallStageEditor(g_MainFrame);
  InstallElementEditors();
  ASSERT_EQ(CreateMainFrameWindow(GetModuleHandleA(nullptr)), 1);
  g_MainFrame.CreateStageEditor();
  ASSERT_NE(g_pStageEditorWnd, nullptr);
  g_MainFrame.m_lpStageEditor->CreatePaletteWindows();
}

void EditorWndTest::TearDown() {
  SafeDelete(g_MainFrame.m_lpStageEditor);
  if (IsWindow(g_hMainWnd)) DestroyWindow(g_hMainWnd);
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {}
  g_hMainWnd = nullptr;
  g_MainFrame.m_Services = cStageEditorServices();
  g_ElementEditors = cElementEditorHooks();
  g_bAppActive = 0;
  for (cCanvas& sheet : g_aSheetCanvas) sheet.Release();
  SetShell(nullptr);
  g_StageEditState.m_vCondClipboard.clear();
  g_StageEditState.m_vFlowClipboard.clear();
  g_StageEditState.m_vFlowCondClipboard.clear();
  g_StageEditState.m_vKeyCondClipboard.clear();
  g_StageEditState.m_vCommandClipboard.clear();
  EditorTest::TearDown();
}

void EditorWndTest::Place(int x, int y, const cEdChara& chara) {
  g_StageDoc.m_vCharaLayer.At(g_StageDoc.CellIndex(x, y)) = chara;
}

void EditorWndTest::Place(int x, int y, const cEdBlock& block) {
  g_StageDoc.m_vBlockLayer.At(g_StageDoc.CellIndex(x, y)) = block;
}

void EditorWndTest::Place(int x, int y, const cEdItem& item) {
  g_StageDoc.m_vItemLayer.At(g_StageDoc.CellIndex(x, y)) = item;
}

void EditorWndTest::ClickCell(int x, int y) {
  g_StageEditState.SetTool(kToolEdit);
  cStageEditorWnd& editor = Editor();
  LPARAM at = MAKELPARAM(32 * x + 16 + editor.m_nViewX, 32 * y + 16 + editor.m_nViewY);
  SendMessageA(editor.m_hWnd, WM_MOUSEMOVE, 0, at);
  SendMessageA(editor.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(editor.m_hWnd, WM_LBUTTONUP, 0, at);
  Pump();
}

cCharaDataSheet* EditorWndTest::OpenPlaced(int x, int y) {
  ClickCell(x, y);
  return Sheet();
}

cCharaDataSheet* EditorWndTest::OpenEntry(int context, int index) {
  OpenPaletteEntry(context, 1, index);
  return Sheet();
}

void EditorWndTest::OpenPaletteEntry(int context, int kind, int index) {
  g_StageEditState.SetLayer(kind);
  RightClickEntry(context == 1, kind, index);
}

void EditorWndTest::RightClickEntry(int stagePalette, int kind, int index) {
  g_StageEditState.SetRightClickMode(0);
  cPaletteWnd* palette = Editor().PaletteWnd(PaletteWndIndex(stagePalette, kind));
  ASSERT_NE(palette, nullptr);
  // The window as tall as the list it shows now; the entries fill rows of eight cells of 32 pixels
  // from the grid's top-left corner.
  palette->UpdateSize();
  palette->Pane().SetTopRow(0);
  int32_t x = index % 8 * 32 + 16 + palette->m_nViewX, y = index / 8 * 32 + 16 + palette->m_nViewY;
  SendMessageA(palette->m_hWnd, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(x, y));
  SendMessageA(palette->m_hWnd, WM_RBUTTONUP, 0, MAKELPARAM(x, y));
  Pump();
}

HWND EditorWndTest::Page(int index) { return PageOf(Sheet(), index); }

HWND EditorWndTest::PageOf(cPropSheet* sheet, int index) {
  sheet->SetCurrentPage(index);
  return sheet->m_vPages[index]->m_hWnd;
}

void EditorWndTest::Press(int button) { PressOn(Sheet(), button); }

void EditorWndTest::PressOn(cPropSheet* sheet, int button) {
  SendMessageA(sheet->m_hWndSheet, PSM_PRESSBUTTON, button, 0);
  PostMessageA(Editor().m_hWnd, WM_NULL, 0, 0);
  Pump();
}

void EditorWndTest::Type(HWND window, int id, const char* text) { SetDlgItemTextA(window, id, text); }

void EditorWndTest::Check(HWND window, int id, int on) {
  SendDlgItemMessageA(window, id, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

void EditorWndTest::Choose(HWND window, int id, int row) {
  SendDlgItemMessageA(window, id, CB_SETCURSEL, row, 0);
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

void EditorWndTest::Click(HWND window, int id) {
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

void EditorWndTest::DoubleClick(HWND window, int id) {
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, LBN_DBLCLK), reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

void EditorWndTest::Command(HWND window, int id) { SendMessageA(window, WM_COMMAND, id, 0); }

void EditorWndTest::SelectRow(HWND window, int id, int row) {
  SendDlgItemMessageA(window, id, LB_SETSEL, FALSE, -1);
  SendDlgItemMessageA(window, id, LB_SETSEL, TRUE, row);
  SendDlgItemMessageA(window, id, LB_SETCARETINDEX, row, 0);
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

POINT EditorWndTest::PickerCellCentre(HWND picker, int cell) {
  int32_t x = 0, y = 0;
  CellOrigin(cell, x, y);
  POINT point = {x + kCellSize / 2, y + kCellSize / 2};
  ClientToScreen(picker, &point);
  return point;
}

void EditorWndTest::ClickPickerCell(HWND picker, int cell) {
  POINT before = {};
  GetCursorPos(&before);
  MoveCursorTo(PickerCellCentre(picker, cell));
  PressButton(VK_LBUTTON);
  ReleaseButton(VK_LBUTTON);
  PumpFor(30, &g_ModelessList);
  MoveCursorTo(before);
}

std::string EditorWndTest::Text(HWND window, int id) {
  char text[1024] = {};
  GetDlgItemTextA(window, id, text, sizeof text);
  return text;
}

int EditorWndTest::Row(HWND window, int id) { return static_cast<int>(SendDlgItemMessageA(window, id, CB_GETCURSEL, 0, 0)); }

std::vector<std::string> EditorWndTest::Rows(HWND window, int id) {
  HWND item = GetDlgItem(window, id);
  char name[32] = {};
  GetClassNameA(item, name, sizeof name);
  bool list = lstrcmpiA(name, "ListBox") == 0;
  int count = static_cast<int>(SendMessageA(item, list ? LB_GETCOUNT : CB_GETCOUNT, 0, 0));
  std::vector<std::string> rows;
  for (int row = 0; row < count; ++row) {
    char text[512] = {};
    SendMessageA(item, list ? LB_GETTEXT : CB_GETLBTEXT, row, reinterpret_cast<LPARAM>(text));
    rows.push_back(text);
  }
  return rows;
}

bool EditorWndTest::Enabled(HWND window, int id) { return IsWindowEnabled(GetDlgItem(window, id)) != 0; }

bool EditorWndTest::Shown(HWND window, int id) {
  return (GetWindowLongA(GetDlgItem(window, id), GWL_STYLE) & WS_VISIBLE) != 0;
}

bool EditorWndTest::Checked(HWND window, int id) {
  return SendDlgItemMessageA(window, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void EditorWndTest::Pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) continue;
    if (g_ModelessList.PreTranslateMessage(&message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}
