// The stage clear, warp, target and vanish dialogs: their enable rules as tables, and the stage
// file browse that stores a path relative to the working folder.
#include "editors/CmdStageDialogs.h"
#include "tests/editors/CmdDialogRunTest.h"

TEST(CmdStageRules, StageClearEnablesByModeAndChecks) {
  struct cCase {
    int32_t m_nMode, m_bMoveMap, m_bForceStart;
    const char* m_pEnabled;  // number, path, browse, map X, map Y, start X, start Y, facing
  };
  const cCase cases[] = {
      {0, 0, 0, "00000000"}, {1, 0, 0, "10000000"}, {2, 1, 0, "01111000"}, {3, 0, 1, "00000111"}, {9, 1, 1, "00011111"},
  };
  for (const cCase& c : cases) {
    cCtrlStates states;
    StageClearStates(c.m_nMode, c.m_bMoveMap, c.m_bForceStart, states);
    EXPECT_EQ(EnabledOf(states, {kIdcClearNumber, kIdcClearPath, kIdcClearBrowse, kIdcClearMapX, kIdcClearMapY,
                                 kIdcClearStartX, kIdcClearStartY, kIdcClearFacing}),
              c.m_pEnabled)
        << c.m_nMode;
  }
}

TEST(CmdStageRules, WarpTargetsTakeTheirCoordinatesAndOnlyRelativeOnesMirror) {
  struct cCase {
    int32_t m_nMode, m_nTargetMode;
    const char* m_pEnabled;  // direction, distance, clone, target mode, X, X dot, mirror X, Y, Y dot, mirror Y
    int32_t m_nMirrorAfter;
  };
  const cCase cases[] = {
      {0, 1, "1110000000", 1}, {4, 2, "1110000000", 1}, {5, 0, "0001111111", 1},
      {5, 1, "0001110110", 0}, {5, 2, "0001110110", 0}, {6, 1, "1110000000", 1},
  };
  for (const cCase& c : cases) {
    cCtrlStates states;
    int32_t mirrorX = 1, mirrorY = 1;
    WarpStates(c.m_nMode, c.m_nTargetMode, mirrorX, mirrorY, states);
    EXPECT_EQ(EnabledOf(states, {kIdcWarpDirection, kIdcWarpDistance, kIdcWarpDistanceClone, kIdcWarpTargetMode,
                                 kIdcWarpTargetX, kIdcWarpTargetDotX, kIdcWarpMirrorX, kIdcWarpTargetY,
                                 kIdcWarpTargetDotY, kIdcWarpMirrorY}),
              c.m_pEnabled)
        << c.m_nMode << " " << c.m_nTargetMode;
    EXPECT_EQ(mirrorX, c.m_nMirrorAfter);
    EXPECT_EQ(mirrorY, c.m_nMirrorAfter);
    EXPECT_EQ(states.Checked(kIdcWarpMirrorX), c.m_nMirrorAfter ? -1 : 0);
  }
}

TEST(CmdStageRules, TargetSearchOptionsAndVanishRanges) {
  struct cCase {
    int32_t m_nWhom, m_bAll, m_bId, m_bVar;
    // range, faction, all factions, use id, id, use variable, variable, value, compare, the four
    // exclusions, none found
    const char* m_pEnabled;
  };
  const cCase cases[] = {
      {0, 0, 0, 0, "00000000000001"}, {1, 1, 1, 1, "00000000000001"},  {4, 0, 0, 0, "00000000000001"},
      {5, 0, 0, 0, "00000000000001"}, {7, 0, 0, 0, "00000000000001"},  {10, 0, 0, 0, "00000000000001"},
      {2, 0, 0, 0, "11110100011111"}, {2, 1, 1, 1, "10111111111111"},  {3, 0, 1, 0, "01111100011111"},
      {6, 1, 0, 1, "00110111111111"}, {11, 0, 0, 0, "00000000000001"},
  };
  for (const cCase& c : cases) {
    cCtrlStates states;
    TargetStates(c.m_nWhom, c.m_bAll, c.m_bId, c.m_bVar, states);
    EXPECT_EQ(
        EnabledOf(states, {kIdcTargetRange, kIdcTargetFaction, kIdcTargetAllFactions, kIdcTargetUseId, kIdcTargetId,
                           kIdcTargetUseVar, kIdcTargetVar, kIdcTargetVarValue, kIdcTargetVarCompare, kIdcTargetNotSelf,
                           kIdcTargetNotInvincible, kIdcTargetNotPassing, kIdcTargetNotBlock, kIdcTargetNone}),
        c.m_pEnabled)
        << c.m_nWhom << " " << c.m_bAll << c.m_bId << c.m_bVar;
  }
  for (int target = 0; target < 6; ++target) {
    cCtrlStates states;
    VanishStates(target, states);
    EXPECT_EQ(EnabledOf(states, {kIdcVanishRange, kIdcVanishFaction}), target < 2 ? "11" : "00") << target;
  }
}

TEST_F(CmdDialogRunTest, TheStageFileBrowseStoresARelativePathOrNothing) {
  cString path("keep.stg4_1");
  EXPECT_EQ(AcceptStageFile(cString((m_Folder.Path() + "\\data\\stg4\\stage-1.stg4_0").c_str()), path), 1);
  EXPECT_EQ(path, ".\\data\\stg4\\stage-1.stg4_0");
  EXPECT_EQ(AcceptStageFile(cString(kOtherDrivePath), path), 0);
  EXPECT_EQ(path, ".\\data\\stg4\\stage-1.stg4_0");
  EXPECT_EQ(AcceptStageFile(cString(), path), 0);
  EXPECT_EQ(std::string(kStageFileBrowse.m_pFolder), "data\\stg4");
  EXPECT_EQ(std::string(kStageFileBrowse.m_pFilter), "StageFile ( *.stg4_* )");
  EXPECT_EQ(std::string(kStageFileBrowse.m_pFilter + sizeof "StageFile ( *.stg4_* )"), "*.stg4_*");

  // A browse that the user cancels leaves the path as it was, without a message.
  cCommandData command;
  command.m_cKind = kCmdStageClear;
  command.m_strText = "old.stg4_0";
  cCmdDialogRun dialog({&command, 0}, cCmdDialogEnv(), m_Host);
  dialog.Init();
  EXPECT_EQ(EnabledOf(dialog.States(), {kIdcClearNumber, kIdcClearPath, kIdcClearBrowse}), "000");
  Act(dialog, Choose(kIdcClearMode, 2));
  EXPECT_EQ(EnabledOf(dialog.States(), {kIdcClearNumber, kIdcClearPath, kIdcClearBrowse}), "011");
  Act(dialog, Click(kIdcClearBrowse));
  EXPECT_EQ(dialog.Shown().m_strText, "old.stg4_0");
  EXPECT_EQ(m_Host.m_vCalls, (std::vector<std::string>{"browse"}));
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());
}
