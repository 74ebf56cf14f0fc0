#include "tests/listctrl/win/ListTestPage.h"

#include "tests/support/win/ProbeDialog.h"

cRowDialogScript g_RowScript;
cRowDialog* cRowDialog::s_lpInstance = nullptr;
cRowDialog** cRowDialog::s_lppHolder = nullptr;
cListTestPage* cListTestPage::s_lpInstance = nullptr;

cRowDialog::cRowDialog(uint16_t templateId, cWindow* parent, int32_t kind, cModelessList* list, cCtrl* place,
                       int32_t center)
    : cDialog(templateId, parent, kind, list, place, center) {
  s_lpInstance = this;
  m_lpfnProc = Proc;
}

cRowDialog::~cRowDialog() {
  if (s_lpInstance == this) s_lpInstance = nullptr;
}

INT_PTR CALLBACK cRowDialog::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
}

LRESULT cRowDialog::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = WindowProc(window, message, wParam, lParam);
  if (message == WM_CLOSE) {
    Close(0);
    return 1;
  }
  return result;
}

void cRowDialog::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  m_bInitialized = 1;
  ++g_RowScript.m_nRuns;
  GetWindowRect(m_hWnd, &g_RowScript.m_rcWindow);
  g_RowScript.m_pHolder = s_lppHolder ? *s_lppHolder : nullptr;
  if (g_RowScript.m_OnShown) g_RowScript.m_OnShown(m_hWnd);
  PostMessageA(m_hWnd, WM_COMMAND, g_RowScript.m_wAnswer, 0);
}

void cRowDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!AcceptCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  if (LOWORD(wParam) == kIdcOk) {
    if (g_RowScript.m_OnOk) g_RowScript.m_OnOk();
    Close(1);
  } else if (LOWORD(wParam) == kIdcCancel) {
    Close(0);
  }
}

cRowDialog2::cRowDialog2(uint16_t templateId, cWindow* parent, int32_t kind, cListEditContext* context,
                         cModelessList* list, cCtrl* place, int32_t center)
    : cRowDialog(templateId, parent, kind, list, place, center) {
  g_RowScript.m_Context = *context;
}

cListTestPage::cListTestPage(cModelessList* list, uint16_t templateId)
    : cDialog(templateId, nullptr, kKindDialog, list, 40, 40) {
  s_lpInstance = this;
  m_lpfnProc = Proc;
}

cListTestPage::~cListTestPage() {
  if (m_bModeless) Destroy();
  if (s_lpInstance == this) s_lpInstance = nullptr;
}

INT_PTR CALLBACK cListTestPage::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
}

void cListTestPage::SetSingle(const cListShape& shape, const char* names, const cListInstance* ids) {
  m_vSingle = TestRecords(names);
  m_cgSingle.m_Param.Set(kIdcSingleList, nullptr, &m_vSingle, &m_SingleEdit, TestRowLabel, shape);
  m_pSingleIds = ids;
}

void cListTestPage::SetMulti(const cListShape& shape, const char* names, const cListInstance* ids) {
  m_vMulti = TestRecords(names);
  m_cgMulti.m_Param.Set(kIdcMultiList, nullptr, &m_vMulti, &m_MultiEdit, TestRowLabel, shape);
  m_pMultiIds = ids;
}

LRESULT cListTestPage::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = WindowProc(window, message, wParam, lParam);
  m_MenuDriver.OnMessage(message, wParam);
  if (message == WM_CLOSE) {
    Close(0);
    return 1;
  }
  // The lists are tried in a fixed order; the first with a row under the cursor shows its menu.
  if (IsRightClicked()) {
    ++m_nPopups;
    if (!Single().PopupAt(m_ptCursorScreen)) Multi().PopupAt(m_ptCursorScreen);
  }
  return result;
}

void cListTestPage::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  AttachCtrlGroup(m_cgSingle);
  AttachCtrlGroup(m_cgMulti);
  if (m_pSingleIds) Single().SetInstanceIds(*m_pSingleIds);
  if (m_pMultiIds) Multi().SetInstanceIds(*m_pMultiIds);
  Single().SetCurSel(0, 1);
  Multi().SetCurSel(0, 1);
  DataToControls();
  m_bInitialized = 1;
}

void cListTestPage::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!AcceptCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  m_vCommands.push_back(LOWORD(wParam));
  RouteToList(Single(), m_pSingleIds, wParam);
  RouteToList(Multi(), m_pMultiIds, wParam);
  RedrawList();
}

void cListTestPage::RouteToList(tList& list, const cListInstance* ids, WPARAM wParam) {
  // Without an instance the list has no buttons and no sub-dialog, only its ids.
  static const cListInstance kIdsOnly = {};
  const cListInstance& instance = ids ? *ids : kIdsOnly;
  uint32_t command = static_cast<uint32_t>(wParam);
  int done = instance.m_Edit.m_nForm == 2
                 ? list.OnPageCommand(instance, command, m_lpManager, m_pRowDialog2, &m_Context)
                 : list.OnPageCommand(instance, command, m_lpManager, m_pRowDialog);
  if (done >= 0) m_vDone.push_back(done);
}

std::string cListTestPage::Names(const cVector<cTestRec>& records) {
  std::string names;
  for (const cTestRec& record : records) names += (names.empty() ? "" : " ") + record.m_strName;
  return names;
}

std::vector<std::string> cListTestPage::Rows(const tList& list) {
  std::vector<std::string> rows;
  int count = static_cast<int>(SendMessageA(list.m_hWnd, LB_GETCOUNT, 0, 0));
  for (int row = 0; row < count; ++row) {
    char text[256] = {};
    SendMessageA(list.m_hWnd, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text));
    rows.push_back(text);
  }
  return rows;
}

POINT cListTestPage::RowPoint(const tList& list, int row) {
  RECT item = {};
  SendMessageA(list.m_hWnd, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&item));
  POINT point = {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
  ClientToScreen(list.m_hWnd, &point);
  return point;
}
