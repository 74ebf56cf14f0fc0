// The command dialogs' runner rows played through the window-free dialog model: each row's inputs,
// OK's result and messages and what the command then holds; the same inputs followed by cancel
// leave the command as opening left it.
#include <set>
#include <string>

#include "app/cValInfoData.h"
#include "editors/CmdDialogDesc.h"
#include "model/CmdParamTable.h"
#include "model/VariableNames.h"
#include "project/cSystemSettings.h"
#include "tests/editors/EditorTest.h"
#include "tests/support/CmdDialogRows.h"

namespace {
class CmdDialogRunnerTest : public EditorTest {
protected:
  void SetUp() override {
    EditorTest::SetUp();
    BuildCmdParamTable();
    m_vSavedNames.swap(g_vValInfo);
    SetUpCmdDialogWorld();
  }
  void TearDown() override {
    g_SystemSettings.m_bCompat751 = 0;
    RegisterVariableNames<cValInfoData>(kVarScopeCommon, nullptr);
    RegisterVariableNames<cValInfoData>(kVarScopeStage, nullptr);
    m_vSavedNames.swap(g_vValInfo);
    EditorTest::TearDown();
  }
  cVector<cValInfoData> m_vSavedNames;
};

// Gives every input; a line for each input whose outcome differs from the row's.
std::string GiveInputs(cCmdDialogModel& dialog, const cCmdDialogRow& row) {
  std::string problems;
  for (const cCtrlInput& input : row.m_vInput) {
    int taken =
        input.m_pText ? dialog.SetText(input.m_nId, input.m_pText) : dialog.SetValue(input.m_nId, input.m_nValue);
    if (taken != input.m_bRefused) continue;
    problems += "input to " + std::to_string(input.m_nId) + (taken ? " taken\n" : " refused\n");
  }
  return problems;
}

std::vector<std::string> BoxTexts(const cFakeShell& shell) {
  std::vector<std::string> texts;
  for (const cFakeShell::cBox& box : shell.m_vBoxes) texts.push_back(box.m_strText);
  return texts;
}
}  // namespace

TEST_F(CmdDialogRunnerTest, EveryRowStoresWhatItExpects) {
  for (const cCmdDialogRow& row : CmdDialogRows()) {
    SCOPED_TRACE(row.m_pName);
    const cCmdDialogDesc* desc = FindCmdDialogDesc(row.m_nSet, row.m_nKind);
    ASSERT_NE(desc, nullptr);
    g_SystemSettings.m_bCompat751 = row.m_bCompat751;
    cCommandData command = RowCommand(row);
    cFakeShell shell;
    cCmdDialogModel dialog(*desc, {&command, row.m_bNew});
    const cCommandData opened = command;
    EXPECT_EQ(GiveInputs(dialog, row), "");
    EXPECT_EQ(dialog.PressOk(), row.m_nResult);
    EXPECT_EQ(BoxTexts(shell), row.m_vMessages);
    if (!row.m_nResult) {
      EXPECT_TRUE(command == opened) << "a refused OK stored something";
    }
    EXPECT_EQ(StoredDifferences(command, row), "");
  }
}

TEST_F(CmdDialogRunnerTest, CancelAfterTheSameInputsLeavesTheCommandAsOpened) {
  for (const cCmdDialogRow& row : CmdDialogRows()) {
    SCOPED_TRACE(row.m_pName);
    cCommandData command = RowCommand(row);
    cFakeShell shell;
    cCommandData opened;
    {
      cCmdDialogModel dialog(*FindCmdDialogDesc(row.m_nSet, row.m_nKind), {&command, row.m_bNew});
      opened = command;
      GiveInputs(dialog, row);
    }
    EXPECT_TRUE(command == opened);
    EXPECT_TRUE(shell.m_vBoxes.empty());
  }
}

TEST_F(CmdDialogRunnerTest, EveryDescribedDialogHasRows) {
  std::set<const cCmdDialogDesc*> played;
  for (const cCmdDialogRow& row : CmdDialogRows()) played.insert(FindCmdDialogDesc(row.m_nSet, row.m_nKind));
  for (const cCmdDialogDesc* desc : CmdDialogDescs()) EXPECT_EQ(played.count(desc), 1u) << desc->m_pClass;
}
