// The command dialogs' runner rows (tests/support/CmdDialogRows.h) played on the real dialogs: every
// row whose kind the editor has a template for opens through RunCommandDialog, gets its inputs
// through the controls as a user gives them, and is confirmed with OK; the boxes OK shows are
// answered and compared, and the command is compared with the row. The same inputs followed by
// "ｷｬﾝｾﾙ" leave the command as opening left it. A kind joins as soon as its template joins the
// editor's resources (app/win/Editor.rc, which this test program holds whole) and its rows are
// there.

#include <set>
#include <sstream>
#include <string>

#include "app/cMciSound.h"
#include "app/cValInfoData.h"
#include "app/win/cShellWin.h"
#include "editors/CmdDialogDesc.h"
#include "editors/win/cDlgCommand.h"
#include "model/CmdParamTable.h"
#include "model/VariableNames.h"
#include "project/cSystemSettings.h"
#include "tests/editors/EditorTest.h"
#include "tests/support/CmdDialogRows.h"
#include "tests/support/FakeSound.h"
#include "tests/support/win/BoxAnswerer.h"
#include "tests/support/win/UserInput.h"
#include "ui/win/cModelessList.h"

namespace {
class CmdDialogRunnerWndTest : public EditorTest {
protected:
  void SetUp() override {
    EditorTest::SetUp();
    SetShell(&m_WinShell);
    BuildCmdParamTable();
    m_vSavedNames.swap(g_vValInfo);
    SetUpCmdDialogWorld();
    ASSERT_EQ(OpenDefaultWave(g_MciSound), 1);
  }
  void TearDown() override {
    g_MciSound.Shutdown();
    g_SystemSettings.m_bCompat751 = 0;
    RegisterVariableNames<cValInfoData>(kVarScopeCommon, nullptr);
    RegisterVariableNames<cValInfoData>(kVarScopeStage, nullptr);
    m_vSavedNames.swap(g_vValInfo);
    SetShell(nullptr);
    EditorTest::TearDown();
  }

  cShellWin m_WinShell;
  cFakeSound m_Sound;  // a sound chosen where the dialog previews it plays on the fake wave player
  cVector<cValInfoData> m_vSavedNames;
};

bool Usable(HWND item) {
  return item && IsWindowEnabled(item) && (GetWindowLongA(item, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Notify(HWND dialog, HWND item, WORD code) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(item), code), reinterpret_cast<LPARAM>(item));
}

// Types over the whole text of an edit, as a user selects it and types, then tabs away.
void TypeInto(HWND dialog, HWND edit, const char* text) {
  SetFocus(edit);
  SendMessageA(edit, EM_SETSEL, 0, -1);
  SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
  SendMessageA(dialog, WM_NEXTDLGCTL, 0, FALSE);
}

void Click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

// The row a combo input chooses: its value less the combo's offset for what the dialog shows now.
int ComboRow(const cDlgCommand& dialog, const cCmdCtrl& ctrl, int32_t value) {
  return static_cast<int>(static_cast<int64_t>(value) - CmdCtrlOffset(ctrl, dialog.Model().Work()));
}

// Whether the user can give the input now: the control is there, enabled and shown, and a combo
// has the row.
bool CanGive(HWND dialog, const cDlgCommand& shown, const cCtrlInput& input) {
  HWND item = GetDlgItem(dialog, input.m_nId);
  if (!Usable(item)) return false;
  const cCmdCtrl* ctrl = FindCmdCtrl(shown.Model().Desc(), input.m_nId);
  if (!ctrl || ctrl->m_nKind != kCtrlCombo || input.m_pText) return true;
  int row = ComboRow(shown, *ctrl, input.m_nValue);
  return row >= 0 && row < static_cast<int>(SendMessageA(item, CB_GETCOUNT, 0, 0));
}

void Give(HWND dialog, const cDlgCommand& shown, const cCtrlInput& input) {
  HWND item = GetDlgItem(dialog, input.m_nId);
  if (input.m_pText) {
    TypeInto(dialog, item, input.m_pText);
    return;
  }
  const cCmdCtrl* ctrl = FindCmdCtrl(shown.Model().Desc(), input.m_nId);
  switch (ctrl->m_nKind) {
    case kCtrlCheck:
      SendMessageA(item, BM_SETCHECK, input.m_nValue ? BST_CHECKED : BST_UNCHECKED, 0);
      Notify(dialog, item, BN_CLICKED);
      break;
    case kCtrlCombo:
      SendMessageA(item, CB_SETCURSEL, static_cast<WPARAM>(ComboRow(shown, *ctrl, input.m_nValue)), 0);
      Notify(dialog, item, CBN_SELCHANGE);
      break;
    case kCtrlSlider:
      // The value edit beside the slider takes the number.
      TypeInto(dialog, GetDlgItem(dialog, ctrl->m_nSpinId), std::to_string(input.m_nValue).c_str());
      break;
    default:
      TypeInto(dialog, item, std::to_string(input.m_nValue).c_str());
      break;
  }
}

// Gives every input of the row; a line for each input whose control did not meet it as the row
// says (a refused input meets a control the user cannot use, and is not given).
std::string GiveInputs(HWND dialog, const cDlgCommand& shown, const cCmdDialogRow& row) {
  std::ostringstream problems;
  for (const cCtrlInput& input : row.m_vInput) {
    bool usable = CanGive(dialog, shown, input);
    if (input.m_bRefused) {
      if (usable) problems << "control " << input.m_nId << " takes a refused input\n";
      continue;
    }
    if (!usable) {
      problems << "control " << input.m_nId << " refuses its input\n";
      continue;
    }
    if (!FindCmdCtrl(shown.Model().Desc(), input.m_nId) && !input.m_pText) {
      problems << "control " << input.m_nId << " is not in the description\n";
      continue;
    }
    Give(dialog, shown, input);
  }
  return problems.str();
}

// One run of a row's dialog: opened on the command, the inputs given, then OK (and, when OK
// refuses, "ｷｬﾝｾﾙ") or only "ｷｬﾝｾﾙ".
struct cRun {
  int m_nResult = -1;
  bool m_bRan = false;
  bool m_bOpenAfterOk = false;
  std::string m_strInputProblems;
  std::vector<std::string> m_vBoxes;
  cCommandData m_Opened;  // what opening left in the command
};

cRun RunRow(const cCmdDialogRow& row, cCommandData& command, bool pressOk) {
  cRun run;
  cCmdEditContext context{&command, row.m_bNew};
  cModelessList list;
  cDlgCommand* dialog = nullptr;
  cBoxAnswerer boxes;
  cModalDriver driver([&](HWND window) {
    run.m_Opened = command;
    run.m_strInputProblems = GiveInputs(window, *dialog, row);
    if (pressOk) {
      Click(window, kIdcOk);
      run.m_bOpenAfterOk = IsWindowVisible(window) != 0;
      if (!run.m_bOpenAfterOk) return;
    }
    Click(window, kIdcCancel);
  });
  run.m_nResult = RunCommandDialog(dialog, row.m_nSet, row.m_nKind, nullptr, &context, &list, nullptr);
  run.m_bRan = driver.Ran() && !driver.TimedOut();
  for (const cBoxAnswerer::cSeen& seen : boxes.Seen()) run.m_vBoxes.push_back(seen.m_strText);
  return run;
}
}  // namespace

TEST_F(CmdDialogRunnerWndTest, EveryBuiltDialogStoresWhatItsRowsExpect) {
  for (const cCmdDialogRow& row : CmdDialogRows()) {
    SCOPED_TRACE(row.m_pName);
    g_SystemSettings.m_bCompat751 = row.m_bCompat751;
    cCommandData command = RowCommand(row);
    cRun run = RunRow(row, command, true);
    ASSERT_TRUE(run.m_bRan) << "the dialog opened and the run ended it";
    EXPECT_EQ(run.m_strInputProblems, "");
    EXPECT_EQ(run.m_nResult, row.m_nResult);
    EXPECT_EQ(run.m_bOpenAfterOk, row.m_nResult == 0) << "a refused OK keeps the dialog open";
    EXPECT_EQ(run.m_vBoxes, row.m_vMessages);
    if (row.m_nResult == 0) {
      EXPECT_TRUE(command == run.m_Opened) << "a refused OK stored something";
    }
    EXPECT_EQ(StoredDifferences(command, row), "");
  }
}

TEST_F(CmdDialogRunnerWndTest, CancelAfterTheSameInputsLeavesTheCommandAsOpened) {
  for (const cCmdDialogRow& row : CmdDialogRows()) {
    SCOPED_TRACE(row.m_pName);
    g_SystemSettings.m_bCompat751 = row.m_bCompat751;
    cCommandData command = RowCommand(row);
    cRun run = RunRow(row, command, false);
    ASSERT_TRUE(run.m_bRan);
    EXPECT_EQ(run.m_nResult, 0);
    EXPECT_TRUE(command == run.m_Opened);
    EXPECT_TRUE(run.m_vBoxes.empty());
  }
}
