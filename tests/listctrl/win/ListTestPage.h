#pragma once
// The page that the Windows list tests drive, routed as the editor's pages route their lists: a
// single-selection list (1044) and a multi-selection list (1086) of test records on template 700
// (702: the same with a larger font), the page's buttons, the accelerator and menu commands, a
// redraw of both lists after every command, and the popup menu of the list under a right click.
// Rows are edited in the row dialog (template 701), which answers as the test tells it.

#include <functional>
#include <vector>

#include "listctrl/win/cCtrlList.h"
#include "tests/listctrl/ListFixture.h"
#include "tests/support/win/UserInput.h"

constexpr uint16_t kIddListPage = 700;
constexpr uint16_t kIddBigListPage = 702;
constexpr uint16_t kIddRowDialog = 701;
constexpr uint16_t kIdcSingleList = 1044;
constexpr uint16_t kIdcMultiList = 1086;

// What the row dialog does and what it saw: the test sets the answer and the edit made on OK.
struct cRowDialogScript {
  WORD m_wAnswer = kIdcOk;
  std::function<void()> m_OnOk;
  // Runs while the dialog is up, after it was placed.
  std::function<void(HWND)> m_OnShown;
  int m_nRuns = 0;
  RECT m_rcWindow = {};
  cListEditContext m_Context = {};  // the block a dialog of the second form was handed
  void* m_pHolder = nullptr;        // the holder's value while the dialog ran
};
extern cRowDialogScript g_RowScript;

// The row dialog of the first form: it finds the element itself (the test's OK edit does).
class cRowDialog : public cDialog {
public:
  cRowDialog(uint16_t templateId, cWindow* parent, int32_t kind, cModelessList* list, cCtrl* place, int32_t center);
  ~cRowDialog() override;
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;

  // Where the holder of the running dialog is, so that the dialog can tell it was reachable.
  static cRowDialog** s_lppHolder;

private:
  static cRowDialog* s_lpInstance;
};

// The second form: it copies the page's context block.
class cRowDialog2 : public cRowDialog {
public:
  cRowDialog2(uint16_t templateId, cWindow* parent, int32_t kind, cListEditContext* context, cModelessList* list,
              cCtrl* place, int32_t center);
};

class cListTestPage : public cDialog {
public:
  using tList = cCtrlList<cTestRec>;

  explicit cListTestPage(cModelessList* list, uint16_t templateId = kIddListPage);
  ~cListTestPage() override;
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  // The records and shapes of the two lists, before the window is made. The lists answer to the
  // ids, buttons and sub-dialog of the instances given (none: the constructor's ids, no buttons).
  void SetSingle(const cListShape& shape, const char* names, const cListInstance* ids = nullptr);
  void SetMulti(const cListShape& shape, const char* names, const cListInstance* ids = nullptr);

  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;

  tList& Single() { return m_cgSingle.m_Ctrl; }
  tList& Multi() { return m_cgMulti.m_Ctrl; }
  // The records of a list and the rows its list box shows.
  static std::string Names(const cVector<cTestRec>& records);
  static std::vector<std::string> Rows(const tList& list);
  // The centre of a row of a list on screen.
  static POINT RowPoint(const tList& list, int row);

  cVector<cTestRec> m_vSingle;
  cVector<cTestRec> m_vMulti;
  cTestRec m_SingleEdit;
  cTestRec m_MultiEdit;
  cCtrlGroup<tList> m_cgSingle;
  cCtrlGroup<tList> m_cgMulti;
  const cListInstance* m_pSingleIds = nullptr;
  const cListInstance* m_pMultiIds = nullptr;
  cRowDialog* m_pRowDialog = nullptr;  // the holders of the edit sub-dialogs of both forms
  cRowDialog2* m_pRowDialog2 = nullptr;
  cListEditContext m_Context;
  std::vector<WORD> m_vCommands;       // every command id that reached the page
  std::vector<int> m_vDone;            // results of the list commands that ran, in order
  int m_nPopups = 0;
  cPopupMenuDriver m_MenuDriver;

private:
  // A selection change, a button, an accelerator or a menu command for one list.
  void RouteToList(tList& list, const cListInstance* ids, WPARAM wParam);

  static cListTestPage* s_lpInstance;
};
