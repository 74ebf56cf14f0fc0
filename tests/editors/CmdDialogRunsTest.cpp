// Every run of the command dialog runs table, replayed through the dialogs' portable core: what the
// command holds afterwards, and how the dialog closed.
#include "tests/editors/CmdDialogRunTest.h"

namespace {
int ExpectedResult(uint8_t end) {
  switch (end) {
    case kEndOk: return 1;
    case kEndRefused: return -1;
    default: return 0;
  }
}
}  // namespace

TEST_F(CmdDialogRunTest, EveryRunStoresWhatItsRowSays) {
  for (const cCmdRun& run : CmdDialogRuns()) {
    SCOPED_TRACE(run.m_pName);
    SetUpCmdDialogWorld();
    cCommandData command = CmdRunCommand(run);
    EXPECT_EQ(Replay(run, command), ExpectedResult(run.m_nEnd));
    for (const cCmdStored& stored : run.m_vStored) {
      if (stored.m_pText) {
        EXPECT_EQ(command.m_strText, stored.m_pText);
        continue;
      }
      EXPECT_TRUE(HasRef(command, stored.m_Ref)) << stored.m_dValue;
      EXPECT_EQ(ReadRef(command, stored.m_Ref), stored.m_dValue);
    }
  }
}

TEST_F(CmdDialogRunTest, EveryKindOfTheTableHasADialogAndARun) {
  const int kinds[] = {3,  4,  5,  6,  7,  8,  11, 12, 13, 14, 15, 17, 18, 20, 21,
                       22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36};
  EXPECT_EQ(CmdDialogSpecs().Count(), static_cast<int>(sizeof kinds / sizeof kinds[0]));
  for (int kind : kinds) {
    const cCmdDialogSpec* spec = FindCmdDialog(kind);
    ASSERT_NE(spec, nullptr) << kind;
    bool run = false;
    for (const cCmdRun& each : CmdDialogRuns()) {
      cCommandData command = CmdRunCommand(each);
      run = run || command.CharaKind() == kind;
    }
    EXPECT_TRUE(run) << kind;
  }
  for (int other : {0, 1, 2, 9, 10, 16, 19, 37, 38, 39, 40, -1}) EXPECT_EQ(FindCmdDialog(other), nullptr) << other;
}
