// The command chooser's table and buttons, and the command dialog base: sizing on opening, new
// command defaults, OK storing and cancel leaving the command as opening left it.
#include <string>

#include "database/cDatabaseSet.h"
#include "editors/CommandChooser.h"
#include "editors/CommandEdit.h"
#include "model/cCmdKindInfo.h"
#include "tests/editors/EditorTest.h"

namespace {
cCommandData Command(int set, int kind, int params) {
  cCommandData command;
  command.m_cSet = static_cast<int8_t>(set);
  command.m_cKind = static_cast<int8_t>(kind);
  for (int i = 0; i < params; ++i) command.m_vParam.push_back(i + 1);
  return command;
}
}  // namespace

TEST(CommandChooser, ThirtyNineKindsAreOfferedUnderTheirNames) {
  cCtrlStates states;
  CmdSelectStates(states);
  int shown = 0;
  for (int i = 1; i < kCmdSelectEntryCount; ++i) {
    uint16_t id = kCmdSelectEntries[i].m_nCtrlId;
    EXPECT_NE(id, 1299);
    shown += states.Shown(id);
    if (i < 40) {
      ASSERT_NE(states.Text(id), nullptr) << i;
      EXPECT_EQ(*states.Text(id), CharaCmdSet[i].m_strName) << i;
    } else {
      EXPECT_EQ(states.Shown(id), 0) << id;
    }
  }
  EXPECT_EQ(shown, 39);
  EXPECT_EQ(*states.Text(1276), "ジャンプ");
  EXPECT_EQ(*states.Text(1300), "画面の色を変更");
}

TEST(CommandChooser, AnExistingCommandPressesItsKindsButtonOnlyForAKindWithADialog) {
  const std::pair<int, uint16_t> kinds[] = {{1, 1267}, {10, 1276}, {32, 1298}, {33, 1300}, {39, 1306}, {0, 0},
                                            {40, 0},   {45, 0},    {46, 0},    {127, 0},   {-3, 0}};
  for (const auto& kind : kinds) {
    EXPECT_EQ(CmdSelectButtonOfKind(kind.first), kind.second) << kind.first;
    if (kind.second) {
      EXPECT_EQ(CmdSelectKindOfButton(kind.second), kind.first);
    }
  }
  for (uint16_t spare : {1299, 1307, 1312, 0, 1000}) EXPECT_EQ(CmdSelectKindOfButton(spare), 0) << spare;
}

TEST(CommandChooser, PressingAKindButtonWritesTheKindAndReturnsItsDialogsResult) {
  for (int result : {0, 1}) {
    cCommandData command = Command(1, 5, 0);
    int ranKind = 0, ranTemplate = 0;
    int chosen = PressCommandButton(command, 1277, [&](int kind, uint16_t templateId) {
      ranKind = kind;
      ranTemplate = templateId;
      return result;
    });
    EXPECT_EQ(chosen, result);
    EXPECT_EQ(ranKind, 11);
    EXPECT_EQ(ranTemplate, 209);
    // Whatever the dialog returns, the command is now a character command of that kind.
    EXPECT_EQ(command.m_cSet, 0);
    EXPECT_EQ(command.m_cKind, 11);
  }
  cCommandData command = Command(0, 9, 0);
  bool ran = false;
  EXPECT_EQ(PressCommandButton(command, 1308, [&](int, uint16_t) { return ran = true, 1; }), -1);
  EXPECT_FALSE(ran);
  EXPECT_EQ(command.m_cKind, 9);
}

TEST(CommandEdit, OpeningSizesTheParametersToTheKindAndCancelKeepsThat) {
  struct cCase {
    int m_nSet, m_nKind, m_nParams, m_nSized;
  };
  const cCase cases[] = {
      {0, 10, 2, 5},  {0, 10, 8, 5}, {0, 19, 0, 18}, {0, 2, 3, 0},   {1, 1, 0, 2},
      {1, 23, 9, 5},  {7, 1, 0, 2},  {0, 45, 3, 3},  {1, 30, 4, 4},
  };
  for (const cCase& c : cases) {
    cCommandData command = Command(c.m_nSet, c.m_nKind, c.m_nParams);
    cCmdEditContext context;
    context.m_pCommand = &command;
    {
      cCommandEdit edit(context, nullptr);
      EXPECT_EQ(edit.Work().m_vParam.Count(), c.m_nSized);
    }  // cancelled
    ASSERT_EQ(command.m_vParam.Count(), c.m_nSized) << c.m_nSet << " " << c.m_nKind;
    for (int i = 0; i < c.m_nSized; ++i) EXPECT_EQ(command.m_vParam[i], i < c.m_nParams ? i + 1 : 0);
  }
}

TEST(CommandEdit, OnlyOkStoresAndANewCommandGetsItsDefaults) {
  auto defaults = [](cCommandData& command) {
    command.m_nTime = 0;
    command.m_bParallel = 1;
  };
  for (int isNew : {0, 1}) {
    for (bool ok : {false, true}) {
      cCommandData command = Command(0, 16, 4);
      command.m_nTime = 30;
      cCmdEditContext context{&command, isNew};
      cCommandEdit edit(context, defaults);
      EXPECT_EQ(command.m_nTime, isNew ? 0 : 30);
      EXPECT_EQ(command.m_bParallel, isNew ? 1 : 0);
      // The flow-operation kind works on a condition list; only a new command is given one here.
      EXPECT_EQ(command.m_pCondList.Get() != nullptr, isNew == 1);
      edit.Work().m_nTime = 77;
      edit.Work().m_vParam[2] = 9;
      if (edit.Work().m_pCondList) edit.Work().m_pCondList->m_bHasCond = 1;
      if (ok) edit.Ok();
      EXPECT_EQ(command.m_nTime, ok ? 77 : (isNew ? 0 : 30));
      EXPECT_EQ(command.m_vParam[2], ok ? 9 : 3);
      if (command.m_pCondList) {
        EXPECT_EQ(command.m_pCondList->m_bHasCond, ok ? 1 : 0);
      }
    }
  }
}

TEST(CommandEdit, CommonFieldsAndTheirRows) {
  cCommandData command;
  StoreClamped(command, *FindField(kCmdCommonNumFields, kIdcCmdTime), 0);
  EXPECT_EQ(command.m_nTime, 1);
  StoreClamped(command, *FindField(kCmdCommonNumFields, kIdcCmdTime), 10000);
  EXPECT_EQ(command.m_nTime, 9999);
  StoreClamped(command, *FindField(kCmdCommonNumFields, kIdcCmdTimeClone), -501);
  EXPECT_EQ(command.m_nCloneTime, -500);
  EXPECT_EQ(FindField(kCmdCommonCheckFields, kIdcCmdSoundInView)->m_pMember, &cCommandData::m_bMuteOffScreen);
  cDatabaseSet db;
  db.m_vAnime.resize(3);
  db.m_vAnime[2].m_strName = "走る";
  db.m_vSound.resize(2);
  db.m_vSound[1].m_strName = "ジャンプ音";
  EXPECT_EQ(AnimeRows(db), (cVector<cString>{"なし", "01 " + db.m_vAnime[1].m_strName, "02 走る"}));
  EXPECT_EQ(SoundRows(db), (cVector<cString>{"なし", "01 ジャンプ音"}));
}
