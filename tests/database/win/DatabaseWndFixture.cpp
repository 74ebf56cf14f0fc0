#include "tests/database/win/DatabaseWndTest.h"

#include <cstdio>

#include "app/PathUtil.h"
#include "app/SheetCanvases.h"
#include "app/win/ProjectSheets.h"

BOOL cFileChoice::RunOpen(OPENFILENAMEA& record) {
  ++m_nRuns;
  m_strFolder = record.lpstrInitialDir ? record.lpstrInitialDir : "";
  m_strTitle = record.lpstrTitle ? record.lpstrTitle : "";
  m_strExtension = record.lpstrDefExt ? record.lpstrDefExt : "";
  // The filter: pairs of texts each ended by a zero, the list by a second zero.
  const char* end = record.lpstrFilter;
  while (end && (end[0] || end[1])) ++end;
  m_strFilter.assign(record.lpstrFilter, end + 1);
  if (m_strAnswer.empty()) return FALSE;
  std::snprintf(record.lpstrFile, record.nMaxFile, "%s", m_strAnswer.c_str());
  return TRUE;
}

DatabaseWndTest::DatabaseWndTest() {
  MakeDirectory("data");
  MakeDirectory("data\\database");
  g_DatabaseSet.SetDefaults();
  g_DatabaseSet.m_vEffect[1].m_strName = "炎";
  g_DatabaseSet.m_vPicture[1].m_strName = "タイトル";
  g_vCharaExcCanvas.clear();
  m_Host.Create(0, 1);
}

DatabaseWndTest::~DatabaseWndTest() {
  delete m_pSheet;
  PumpMessages(&m_List);
  g_vCharaExcCanvas.clear();
  g_DatabaseSet.SetDefaults();
}

cDatabaseWnd* DatabaseWndTest::Open() {
  m_pDatabase = new cDatabaseWnd(1, &m_Host, &m_List, &m_pSheet, m_Host);
  m_pSheet = m_pDatabase;
  EXPECT_EQ(m_pDatabase->Create(), 1);
  return m_pDatabase;
}

HWND DatabaseWndTest::Page(int tab) {
  m_pDatabase->SetCurrentPage(tab);
  return m_pDatabase->Page(tab)->m_hWnd;
}

void DatabaseWndTest::Type(HWND window, int id, const char* text) { SetDlgItemTextA(window, id, text); }

void DatabaseWndTest::SetCheck(HWND window, int id, int on) {
  SendDlgItemMessageA(window, id, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
  Press(window, id);
}

void DatabaseWndTest::Choose(HWND window, int id, int row) {
  SendDlgItemMessageA(window, id, CB_SETCURSEL, row, 0);
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

void DatabaseWndTest::Press(HWND window, int id) {
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

void DatabaseWndTest::DoubleClick(HWND window, int id) {
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, LBN_DBLCLK), reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

void DatabaseWndTest::SelectRows(HWND window, int id, std::initializer_list<int> rows) {
  HWND list = GetDlgItem(window, id);
  bool multi = (GetWindowLongA(list, GWL_STYLE) & (LBS_EXTENDEDSEL | LBS_MULTIPLESEL)) != 0;
  if (multi) SendMessageA(list, LB_SETSEL, FALSE, -1);
  for (int row : rows) {
    if (multi) SendMessageA(list, LB_SETSEL, TRUE, row);
    else SendMessageA(list, LB_SETCURSEL, row, 0);
  }
  if (multi) SendMessageA(list, LB_SETCARETINDEX, *rows.begin(), 0);
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

void DatabaseWndTest::ClickRow(HWND window, int id, int row, int button) {
  ClickListBoxRow(GetDlgItem(window, id), row, button, &m_List);
}

void DatabaseWndTest::KeyOnList(HWND window, int id, WORD key, bool ctrl) {
  FocusItem(window, id);
  if (ctrl) PressKeyWith(VK_CONTROL, key, &m_List);
  else PressKey(key, false, &m_List);
}

void DatabaseWndTest::TypeKeys(HWND window, int id, const char* text) {
  FocusItem(window, id);
  TypeText(text, &m_List);
}

std::string DatabaseWndTest::ItemText(HWND window, int id) {
  char text[1024] = {};
  GetDlgItemTextA(window, id, text, sizeof text);
  return text;
}

std::vector<std::string> DatabaseWndTest::Rows(HWND window, int id) {
  std::vector<std::string> rows;
  HWND list = GetDlgItem(window, id);
  int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  for (int row = 0; row < count; ++row) {
    char text[256] = {};
    SendMessageA(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text));
    rows.push_back(text);
  }
  return rows;
}

bool DatabaseWndTest::Enabled(HWND window, int id) { return IsWindowEnabled(GetDlgItem(window, id)) != FALSE; }

bool DatabaseWndTest::ApplyEnabled() {
  // The sheet's own Apply button.
  const int kApplyButton = 0x3021;
  return IsWindowEnabled(GetDlgItem(m_pDatabase->m_hWndSheet, kApplyButton)) != FALSE;
}

void DatabaseWndTest::Apply() { SendMessageA(m_pDatabase->m_hWndSheet, PSM_PRESSBUTTON, PSBTN_APPLYNOW, 0); }

void DatabaseWndTest::Finish(int button) {
  SendMessageA(m_pDatabase->m_hWndSheet, PSM_PRESSBUTTON, button, 0);
  PostMessageA(m_Host.m_hWnd, WM_NULL, 0, 0);
  PumpMessages(&m_List);
  if (!m_pSheet) m_pDatabase = nullptr;
}

std::vector<std::string> DatabaseWndTest::Boxes() const {
  std::vector<std::string> texts;
  for (const cFakeShell::cBox& box : m_Shell.m_vBoxes) texts.push_back(box.m_strText);
  return texts;
}

std::vector<Bytes> DatabaseWndTest::TableFiles() const {
  std::vector<Bytes> files;
  for (const char* path : cDatabaseSet::kTableFiles) files.push_back(FileThere(path) ? ReadFileBytes(path) : Bytes{});
  return files;
}

void DatabaseWndTest::CopyFactoryPicture(const char* relative) {
  MakeDirectory("bmp");
  MakeDirectory("bmp\\chara_sp");
  MakeDirectory("bmp\\plt");
  std::string source = BuildTreePath((std::string("project\\") + relative).c_str());
  WriteFileBytes(relative, ReadFileBytes(source));
}

int DatabaseWndTest::LoadFactorySheets() {
  const char* const kFactoryPictures[] = {
      "bmp\\plt\\Palette.bmp", "bmp\\plt\\Palette2.bmp", "bmp\\Block.bmp",      "bmp\\Character1.bmp",
      "bmp\\Character2.bmp",   "bmp\\Character3.bmp",    "bmp\\Character4.bmp", "bmp\\Character5.bmp",
      "bmp\\Character6.bmp",   "bmp\\Character7.bmp",    "bmp\\Character8.bmp", "bmp\\Item.bmp",
      "bmp\\Item_Mini.bmp",    "bmp\\Shot.bmp",          "bmp\\Mark.bmp",       "bmp\\WorldMapChip.bmp",
      "bmp\\WorldEvent.bmp",   "bmp\\Symbol.bmp",        "bmp\\Accessory.bmp",  "bmp\\chara_sp\\Hero.bmp",
      "bmp\\chara_sp\\Giant.bmp",
  };
  for (const char* picture : kFactoryPictures) CopyFactoryPicture(picture);
  return LoadProgramPalettes() && LoadSheetCanvases(cString(), cString());
}

std::string DatabaseWndTest::Here() {
  char folder[MAX_PATH] = {};
  GetCurrentDirectoryA(sizeof folder, folder);
  return folder;
}
