#pragma once
// The database window's tests: a window standing for the stage editor, known tables in the
// database set, a scratch project folder, and the window opened over them and driven as a user
// drives it: tabs, list rows, buttons and the controls of its pages and dialogs.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/win/FileDialogs.h"
#include "database/cDatabaseSet.h"
#include "database/win/cDatabaseWnd.h"
#include "database/win/cDbPage.h"
#include "tests/support/TestSupport.h"
#include "tests/support/win/ProbeDialog.h"
#include "tests/support/win/UserInput.h"
#include "ui/win/cModelessList.h"

// Stands for the stage editor: the window's parent, told when the window closes.
class cDbHost : public cProbeDialog<80>, public cDatabaseHost {
public:
  explicit cDbHost(cModelessList* list) : cProbeDialog<80>(700, nullptr, list) {}
  void OnDatabaseClosed() override { ++m_nClosed; }
  int m_nClosed = 0;
};

// Answers the open-file dialog with a path and notes what it was asked.
class cFileChoice : public cFileDialogSeam {
public:
  cFileChoice() { SetFileDialogSeam(this); }
  ~cFileChoice() override { SetFileDialogSeam(nullptr); }
  BOOL RunOpen(OPENFILENAMEA& record) override;
  std::string m_strAnswer;  // empty: cancelled
  std::string m_strFolder, m_strTitle, m_strExtension, m_strFilter;
  int m_nRuns = 0;
};

class DatabaseWndTest : public ::testing::Test {
protected:
  DatabaseWndTest();
  ~DatabaseWndTest() override;

  cDatabaseWnd* Open();
  cDatabaseCore& Core() { return m_pDatabase->Core(); }
  // The page's window, its tab made current first (a page gets its window when first shown).
  HWND Page(int tab);
  template <class P>
  P& PageObject(int tab) {
    return *static_cast<P*>(m_pDatabase->Page(tab));
  }
  void Type(HWND window, int id, const char* text);
  void SetCheck(HWND window, int id, int on);
  void Choose(HWND window, int id, int row);
  void Press(HWND window, int id);
  void DoubleClick(HWND window, int id);
  // Selects rows of a list box (the first alone, the others added as with Ctrl) and tells the page.
  void SelectRows(HWND window, int id, std::initializer_list<int> rows);
  // A click with the button (VK_LBUTTON or VK_RBUTTON) on a row of a list box, through the input
  // queue as the user's mouse makes it.
  void ClickRow(HWND window, int id, int row, int button = VK_LBUTTON);
  // A key on the focused list box, with Ctrl held when asked.
  void KeyOnList(HWND window, int id, WORD key, bool ctrl);
  // Typing into an edit with the keyboard.
  void TypeKeys(HWND window, int id, const char* text);
  std::string ItemText(HWND window, int id);
  std::vector<std::string> Rows(HWND window, int id);
  bool Enabled(HWND window, int id);
  bool ApplyEnabled();
  void Apply();
  // OK, Cancel or the close box, then the message on which the window list ends the sheet.
  void Finish(int button);
  std::vector<std::string> Boxes() const;
  // The bytes of every table file, in table order (empty: not there).
  std::vector<Bytes> TableFiles() const;
  // Copies a picture the factory tool made into the project, under the same relative path.
  static void CopyFactoryPicture(const char* relative);
  // Every picture of the factory project copied in, the program palettes and the sheets loaded.
  static int LoadFactorySheets();
  // The current folder, where the project is.
  static std::string Here();

  cScratchFolder m_Folder;
  cTestReportLog m_Log;
  cFakeShell m_Shell;
  cModelessList m_List;
  cDbHost m_Host{&m_List};
  cPropSheet* m_pSheet = nullptr;
  cDatabaseWnd* m_pDatabase = nullptr;
};
