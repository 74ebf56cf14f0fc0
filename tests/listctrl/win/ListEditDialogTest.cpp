#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "tests/listctrl/win/ListWinFixture.h"
#include "tests/support/win/ProbeDialog.h"

namespace {
using ListEditDialogTest = cListWinTest;
using tList = cListTestPage::tList;

// A dialog for which no memory is left: new (std::nothrow) gives null.
class cNoMemoryDialog : public cRowDialog2 {
public:
  using cRowDialog2::cRowDialog2;
  static void* operator new(size_t, const std::nothrow_t&) noexcept { return nullptr; }
  static void operator delete(void* pointer) { ::operator delete(pointer); }
};

// The list of the page that has the instance's selection mode, with the instance's shape and the
// page's own ids for buttons and dialog.
cListInstance OnTestPage(const cListInstance& instance) {
  cListInstance list = instance;
  list.m_wListId = instance.m_Shape.m_bMultiSel ? kIdcMultiList : kIdcSingleList;
  list.m_Edit.m_wDialog = kIddRowDialog;
  list.m_Buttons = {};
  return list;
}

POINT Centre(const RECT& rect) { return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

bool Visible(HWND window) { return IsWindowVisible(window) != 0; }
bool Disabled(HWND window) { return (GetWindowLongA(window, GWL_STYLE) & WS_DISABLED) != 0; }
}  // namespace

// Every list of the editor that edits its rows in a sub-dialog, with the test's row dialog in the
// place of its own: edit and insert-then-edit, cancelled and confirmed, the run mode and where the
// dialog opens.
TEST_F(ListEditDialogTest, EveryListWithASubDialogEditsAndInsertsThroughIt) {
  cProbeDialog<2> other(kIddRowDialog, nullptr, &m_List);
  other.Create(0, 1);

  int rows = 0;
  for (const cListInstance* instance : kListInstances) {
    if (!instance->m_Edit.m_wDialog) continue;
    ++rows;
    SCOPED_TRACE(instance->m_pszPage);
    g_RowScript = cRowDialogScript();
    cListInstance ids = OnTestPage(*instance);
    const cListEditForm& form = ids.m_Edit;
    bool multi = ids.m_Shape.m_bMultiSel != 0;
    cListTestPage& page = Open([&](cListTestPage& p) {
      p.SetSingle(multi ? kSingleShape : ids.m_Shape, multi ? "a" : "a b c d", multi ? nullptr : &ids);
      p.SetMulti(multi ? ids.m_Shape : kSubShape, "a b c d", multi ? &ids : nullptr);
    });
    tList& list = multi ? page.Multi() : page.Single();
    cVector<cTestRec>& records = multi ? page.m_vMulti : page.m_vSingle;
    Click(list, 1);
    // Where the row dialog opens by itself over this page, with no reference.
    cRowDialog alone(kIddRowDialog, &page, kKindDialog, &m_List, nullptr, 0);
    alone.DoModal(0);
    RECT own = g_RowScript.m_rcWindow;
    RECT listRect = {};
    GetWindowRect(list.m_hWnd, &listRect);

    // The run: the holder points at the dialog, the other windows fare as the run mode says.
    auto open = [&](int insert, WORD answer, const char* newName) {
      g_RowScript.m_wAnswer = answer;
      g_RowScript.m_OnOk = [&list, &records, newName] { records.At(list.GetCurIndex()).m_strName = newName; };
      g_RowScript.m_OnShown = [&](HWND) {
        EXPECT_EQ(Visible(other.m_hWnd), form.m_nRunMode != kListRunHide);
        EXPECT_EQ(Disabled(other.m_hWnd), form.m_nRunMode == kListRunDisable);
      };
      int result = 0;
      if (form.m_nForm == 2) {
        cRowDialog::s_lppHolder = reinterpret_cast<cRowDialog**>(&page.m_pRowDialog2);
        result = list.EditAsInstance(page.m_pRowDialog2, ids, insert, &m_List, &page.m_Context);
        EXPECT_EQ(page.m_pRowDialog2, nullptr);
      } else {
        cRowDialog::s_lppHolder = &page.m_pRowDialog;
        result = list.EditAsInstance(page.m_pRowDialog, ids, insert, &m_List);
        EXPECT_EQ(page.m_pRowDialog, nullptr);
      }
      EXPECT_NE(g_RowScript.m_pHolder, nullptr) << "the holder points at the running dialog";
      EXPECT_TRUE(Visible(other.m_hWnd));
      EXPECT_FALSE(Disabled(other.m_hWnd));
      EXPECT_FALSE(Disabled(page.m_hWnd));
      return result;
    };
    // Where it opened: centred over the list, at its top-left corner, or where it opens alone.
    auto placedAt = [&](int place) {
      const RECT& window = g_RowScript.m_rcWindow;
      if (place == kListPlaceCorner) {
        EXPECT_EQ(window.left, listRect.left);
        EXPECT_EQ(window.top, listRect.top);
      } else if (place == kListPlaceCentred) {
        EXPECT_LE(std::abs(Centre(window).x - Centre(listRect).x), 8);
        EXPECT_LE(std::abs(Centre(window).y - Centre(listRect).y), 16);
      } else {
        EXPECT_EQ(window.left, own.left);
        EXPECT_EQ(window.top, own.top);
      }
    };

    std::string before = cListTestPage::Names(records);
    EXPECT_EQ(open(0, kIdcCancel, "x"), 0);
    EXPECT_EQ(cListTestPage::Names(records), before);
    placedAt(form.m_nEditPlace);
    if (form.m_nForm == 2) {
      EXPECT_EQ(g_RowScript.m_Context.m_pElement, &records[1]);
      EXPECT_EQ(g_RowScript.m_Context.m_bInsert, 0);
    }
    EXPECT_EQ(open(0, kIdcOk, "edited"), 1);
    EXPECT_EQ(cListTestPage::Names(records), "a edited c d");
    std::string row = cListTestPage::Rows(list)[1];
    EXPECT_EQ(row.substr(row.size() - 6), "edited") << "the rows were rebuilt";
    EXPECT_EQ(list.GetCurSel(), 1);
    if (!form.m_bInsertEdit) continue;

    EXPECT_EQ(open(1, kIdcCancel, "x"), 0);
    EXPECT_EQ(cListTestPage::Names(records), "a edited c d") << "the inserted row went again";
    placedAt(form.m_nInsertPlace);
    if (form.m_nForm == 2) {
      EXPECT_EQ(g_RowScript.m_Context.m_bInsert, 1);
    }
    EXPECT_EQ(open(1, kIdcOk, "inserted"), 1);
    EXPECT_EQ(cListTestPage::Names(records), "a inserted edited c d");
    EXPECT_EQ(list.GetCurSel(), 2) << "the row after the new one";
    if (form.m_nForm == 2) {
      EXPECT_EQ(g_RowScript.m_Context.m_pElement, &records[1]);
    }
  }
  g_RowScript = cRowDialogScript();  // its callbacks saw the pages of the loop
  EXPECT_EQ(rows, 10);
}

// Run mode 1 hides the registered windows while the dialog runs; no list of the editor asks for it.
TEST_F(ListEditDialogTest, RunMode1HidesTheOtherWindowsUntilTheDialogEnds) {
  cListInstance ids = OnTestPage(kListEffectFrames);
  ids.m_Edit.m_nRunMode = kListRunHide;
  cListTestPage& page = Open([&ids](cListTestPage& p) {
    p.SetSingle(kSingleShape, "a");
    p.SetMulti(kSubShape, "p q", &ids);
  });
  bool hidden = false;
  g_RowScript.m_wAnswer = kIdcCancel;
  g_RowScript.m_OnShown = [&](HWND) { hidden = !Visible(page.m_hWnd); };
  EXPECT_EQ(page.Multi().EditAsInstance(page.m_pRowDialog, ids, 0, &m_List), 0);
  EXPECT_TRUE(hidden);
  EXPECT_TRUE(Visible(page.m_hWnd));
}

// A dialog that cannot be made counts as cancelled: no memory (the box, a close request, the windows
// back), or no window (a template that does not exist). An inserted row goes again.
TEST_F(ListEditDialogTest, ADialogThatCannotBeMadeCountsAsCancelled) {
  cListInstance ids = OnTestPage(kListWorldEvents);
  cListTestPage& page = Open([&ids](cListTestPage& p) {
    p.SetSingle(kSingleShape, "a");
    p.SetMulti(ids.m_Shape, "p q r", &ids);
  });
  Click(page.Multi(), 1);
  cNoMemoryDialog* holder = nullptr;
  {
    cBoxAnswerer boxes;
    EXPECT_EQ(page.Multi().EditInDialog(holder, kIddRowDialog, &page.m_Context, &m_List, kListRunDisable, 0,
                                        nullptr),
              0);
    // The answerer also hears the page activated again after the box.
    ASSERT_FALSE(boxes.Seen().empty());
    EXPECT_EQ(boxes.Seen()[0].m_strText, "メモリが不足しています！");
  }
  EXPECT_EQ(holder, nullptr);
  EXPECT_TRUE(m_Main.CloseRequested());
  EXPECT_FALSE(Disabled(page.m_hWnd)) << "the windows are enabled again";

  cListInstance missing = ids;
  missing.m_Edit.m_wDialog = 799;
  EXPECT_EQ(page.Multi().EditAsInstance(page.m_pRowDialog2, missing, 1, &m_List, &page.m_Context), 0);
  EXPECT_EQ(cListTestPage::Names(page.m_vMulti), "p q r");
  EXPECT_EQ(g_RowScript.m_nRuns, 0);
}

// The page's own starts of command 7: its buttons and a double click on a row.
TEST_F(ListEditDialogTest, ButtonsAndDoubleClicksOpenTheDialogOnRecordRowsOnly) {
  // The effect page's frame list with this page's buttons.
  cListInstance ids = OnTestPage(kListEffectFrames);
  ids.m_Buttons = {{{1083, kListActInsertEdit}, {1084, kListActEdit}, {1085, kListActDelete}}};
  cListTestPage& page = Open([&ids](cListTestPage& p) {
    p.SetSingle(kSingleShape, "a");
    p.SetMulti(kSubShape, "p q r", &ids);
  });
  cRowDialog::s_lppHolder = &page.m_pRowDialog;

  auto doubleClick = [this, &page](int row) {
    MoveCursorTo(cListTestPage::RowPoint(page.Multi(), row));
    for (int i = 0; i < 2; ++i) {
      PressButton(VK_LBUTTON);
      ReleaseButton(VK_LBUTTON);
    }
    PumpFor(60, &m_List);
  };
  g_RowScript.m_wAnswer = kIdcCancel;
  doubleClick(1);
  EXPECT_EQ(g_RowScript.m_nRuns, 1);
  EXPECT_EQ(page.m_vDone.back(), 0) << "cancelled";
  doubleClick(3);
  EXPECT_EQ(g_RowScript.m_nRuns, 1) << "the extra row opens nothing";
  ClickButton(1084);
  EXPECT_EQ(g_RowScript.m_nRuns, 1);

  // Insert-then-edit twice from the button: the new rows stand in the order of entry before the row
  // that was current, which is current again.
  Click(page.Multi(), 1);
  int entered = 0;
  g_RowScript.m_wAnswer = kIdcOk;
  g_RowScript.m_OnOk = [&page, &entered] {
    page.m_vMulti.At(page.Multi().GetCurIndex()).m_strName = entered++ ? "y" : "x";
  };
  ClickButton(1083);
  ClickButton(1083);
  EXPECT_EQ(cListTestPage::Names(page.m_vMulti), "p x y q r");
  EXPECT_EQ(page.Multi().GetCurSel(), 3);
  EXPECT_EQ(cListTestPage::Rows(page.Multi())[3], "q");
}

// An effect without frames, whose list must hold one: "挿入" cancelled keeps the default frame with
// a beep, where other lists lose the new row again.
TEST_F(ListEditDialogTest, AnInsertCancelledOnAnEmptyListAtItsMinimumKeepsTheDefaultRow) {
  cListInstance ids = OnTestPage(kListEffectFrames);
  ids.m_Buttons = {{{1083, kListActInsertEdit}, {1084, kListActEdit}, {1085, kListActDelete}}};
  ASSERT_EQ(ids.m_Shape.m_nMinCount, 1);
  cListTestPage& page = Open([&ids](cListTestPage& p) {
    p.SetSingle(kSingleShape, "a");
    p.SetMulti(ids.m_Shape, "", &ids);
  });
  cRowDialog::s_lppHolder = &page.m_pRowDialog;
  g_RowScript.m_wAnswer = kIdcCancel;
  int beeps = m_Shell.m_nBeeps;
  ClickButton(1083);
  EXPECT_EQ(g_RowScript.m_nRuns, 1);
  EXPECT_EQ(page.m_vDone.back(), 0) << "cancelled";
  EXPECT_EQ(m_Shell.m_nBeeps, beeps + 1);
  EXPECT_EQ(cListTestPage::Names(page.m_vMulti), "new");
  EXPECT_EQ(cListTestPage::Rows(page.Multi()), (std::vector<std::string>{"new", std::string(64, '-')}));
}
