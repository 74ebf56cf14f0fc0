#include "tests/stage/win/StageSettingsTest.h"

#include "app/PathUtil.h"

StageSettingsTest::StageSettingsTest() {
  g_StageDoc.SetDefaults();
  g_StageEditState.Reset();
  g_StageEditState.ReleaseUndo();
  g_DatabaseSet.SetDefaults();
  g_DatabaseSet.m_vBgm.resize(3);
  g_DatabaseSet.m_vBgm[1].m_strName = "草原";
  g_DatabaseSet.m_vBgm[2].m_strName = "洞窟";
  EditConfig.SetDefaults();
  MakeDirectory("e_data");
  m_Host.Create(0, 1);
}

StageSettingsTest::~StageSettingsTest() {
  delete m_pSheet;
  PumpMessages(&m_List);
  g_StageDoc.SetDefaults();
  g_StageEditState.Reset();
  g_StageEditState.ReleaseUndo();
}

cStageSettingsSheet* StageSettingsTest::Open() {
  m_pSettings = new cStageSettingsSheet(1, &m_Host, &m_List, &m_pSheet, &m_Host);
  m_pSheet = m_pSettings;
  m_pSettings->Create();
  return m_pSettings;
}

HWND StageSettingsTest::Page(int index) {
  m_pSettings->SetCurrentPage(index);
  return m_pSettings->m_vPages.At(index)->m_hWnd;
}

void StageSettingsTest::Type(HWND page, int id, const char* text) { SetDlgItemTextA(page, id, text); }

void StageSettingsTest::SetCheck(HWND page, int id, int on) {
  SendDlgItemMessageA(page, id, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
  SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
}

void StageSettingsTest::Choose(HWND page, int id, int row) {
  SendDlgItemMessageA(page, id, CB_SETCURSEL, row, 0);
  SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
}

void StageSettingsTest::Press(HWND page, int id) {
  SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
}

std::string StageSettingsTest::ItemText(HWND page, int id) {
  char text[1024] = {};
  GetDlgItemTextA(page, id, text, sizeof text);
  return text;
}

namespace {
BOOL CALLBACK CollectText(HWND window, LPARAM texts) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  reinterpret_cast<std::set<std::string>*>(texts)->insert(text);
  return TRUE;
}
}  // namespace

std::set<std::string> StageSettingsTest::PageTexts(HWND page) {
  std::set<std::string> texts;
  EnumChildWindows(page, CollectText, reinterpret_cast<LPARAM>(&texts));
  return texts;
}

void StageSettingsTest::Apply() { SendMessageA(m_pSettings->m_hWndSheet, PSM_PRESSBUTTON, PSBTN_APPLYNOW, 0); }

void StageSettingsTest::Finish(int button) {
  SendMessageA(m_pSettings->m_hWndSheet, PSM_PRESSBUTTON, button, 0);
  PostMessageA(m_Host.m_hWnd, WM_NULL, 0, 0);
  PumpMessages(&m_List);
  if (!m_pSheet) m_pSettings = nullptr;
}
