// The movement dialogs: the distance/speed ratio with its display and its check on OK, the groups
// that follow the setting type, inertia and the move anime, and "円移動"'s own time rule.
#include "editors/CmdMoveDialogs.h"
#include "tests/editors/CmdDialogRunTest.h"

TEST(CmdMoveRules, TheRatioIsDotsPerSpeedAndRefusedStrictlyBetweenMinusAndPlusOneTenth) {
  struct cCase {
    int32_t m_nDistance, m_nSpeed, m_nUnit;
    double m_dRatio;
    int m_bAccepted;
  };
  const cCase cases[] = {
      {1, 160, 0, 0.1, 1}, {1, 161, 0, 16.0 / 161, 0}, {1, -160, 0, -0.1, 1}, {1, -161, 0, -16.0 / 161, 0},
      {1, 10, 1, 0.1, 1},  {1, 11, 1, 1.0 / 11, 0},    {64, 1, 0, 1024, 1},   {3, 0, 0, 0, 0},
      {3, 0, 1, 0, 0},     {2, 10, 7, 3.2, 1},
  };
  for (const cCase& c : cases) {
    double ratio = MoveRatio(c.m_nDistance, c.m_nSpeed, c.m_nUnit);
    EXPECT_DOUBLE_EQ(ratio, c.m_dRatio) << c.m_nDistance << "/" << c.m_nSpeed << " unit " << c.m_nUnit;
    EXPECT_EQ(MoveRatioAccepted(c.m_nDistance, c.m_nSpeed, c.m_nUnit), c.m_bAccepted)
        << c.m_nDistance << "/" << c.m_nSpeed;
    // What the double-precision ratio says, on a unit that keeps it in a double.
    volatile double stored = ratio;
    EXPECT_EQ(stored <= -0.1 || stored >= 0.1, c.m_bAccepted == 1);
  }
  EXPECT_EQ(MoveRatioText(1.0 / 3), "距離(dot)÷速度　＝　0.33 (※分身は無視)");
  EXPECT_EQ(MoveRatioText(-0.1), "距離(dot)÷速度　＝　-0.10 (※分身は無視)");
}

TEST(CmdMoveRules, TheTimeSpeedDistanceGroupFollowsItsSettingType) {
  struct cCase {
    int32_t m_nMode;
    const char* m_pEnabled;  // time, time clone, speed, speed clone, distance, distance clone, unit
    int m_bRatioShown;
  };
  const cCase cases[] = {
      {0, "1111000", 0}, {1, "1100111", 0}, {2, "0011111", 1}, {7, "1111000", 0}, {-1, "1111000", 0},
  };
  for (const cCase& c : cases) {
    cCtrlStates states;
    MoveTimeGroupStates(c.m_nMode, 0.25, states);
    EXPECT_EQ(EnabledOf(states, {kIdcCmdTime, kIdcCmdTimeClone, kIdcMoveSpeed, kIdcMoveSpeedClone, kIdcMoveDistance,
                                 kIdcMoveDistanceClone, kIdcMoveUnit}),
              c.m_pEnabled)
        << c.m_nMode;
    EXPECT_EQ(states.Shown(kIdcMoveRatio), c.m_bRatioShown);
    EXPECT_EQ(states.Shown(kIdcMoveRatioNote), c.m_bRatioShown);
    EXPECT_EQ(states.Text(kIdcMoveRatio) != nullptr, c.m_bRatioShown == 1);
  }
  cCtrlStates inertia, anime, circle;
  MoveInertiaStates(0, inertia);
  MoveAnimeStates(1, anime);
  EXPECT_EQ(EnabledOf(inertia, {kIdcMoveMaxSpeed, kIdcMoveTurnRate}), "00");
  EXPECT_EQ(EnabledOf(anime, {kIdcCmdAnime}), "1");
  CircleTimeStates(0, circle);
  EXPECT_EQ(EnabledOf(circle, {kIdcCmdTime, kIdcCmdTimeClone, kIdcMoveSpeed, kIdcMoveSpeedClone}), "1100");
  CircleTimeStates(1, circle);
  EXPECT_EQ(EnabledOf(circle, {kIdcCmdTime, kIdcCmdTimeClone, kIdcMoveSpeed, kIdcMoveSpeedClone}), "0011");
}

TEST_F(CmdDialogRunTest, ARefusedRatioShowsItsMessageAndStoresNothing) {
  cCommandData command;
  command.m_cKind = kCmdHomingMove;
  cCmdDialogRun dialog({&command, 1}, cCmdDialogEnv(), m_Host);
  dialog.Init();
  EXPECT_EQ(dialog.States().Shown(kIdcMoveRatio), 0);
  Act(dialog, Choose(kIdcMoveSpeedMode, 2));
  ASSERT_NE(dialog.States().Text(kIdcMoveRatio), nullptr);
  EXPECT_EQ(*dialog.States().Text(kIdcMoveRatio), "距離(dot)÷速度　＝　1.60 (※分身は無視)") << "1 hbl at speed 10";
  EXPECT_EQ(EnabledOf(dialog.States(), {kIdcCmdTime, kIdcMoveSpeed, kIdcMoveDistance}), "011");
  Act(dialog, TypeNumber(kIdcMoveSpeed, "200"));
  EXPECT_EQ(dialog.Ok(), 0);
  ASSERT_EQ(m_Host.m_vCalls.size(), 1u);
  EXPECT_EQ(m_Host.m_vCalls[0], std::string("error ") + kMoveRatioRefusal);
  EXPECT_EQ(command.m_pMove->m_cTimeMode, 0);
  Act(dialog, TypeNumber(kIdcMoveSpeed, "160"));
  EXPECT_EQ(dialog.Ok(), 1);
  EXPECT_EQ(command.m_pMove->m_nSpeed, 160);
}

TEST_F(CmdDialogRunTest, OpeningAMovementDialogShowsTheGroupsByTheStoredValues) {
  cCommandData command;
  command.m_cKind = kCmdGroundMove;
  command.m_pMove.Create();
  command.m_pMove->m_bInertia = 1;
  command.m_pMove->m_bNoMoveAnime = 0;
  cCmdDialogRun dialog({&command, 0}, cCmdDialogEnv(), m_Host);
  dialog.Init();
  EXPECT_EQ(EnabledOf(dialog.States(), {kIdcMoveMaxSpeed, kIdcMoveTurnRate, kIdcCmdAnime}), "110");
  ASSERT_NE(dialog.States().Rows(kIdcCmdAnime), nullptr);
  EXPECT_EQ(dialog.States().Rows(kIdcCmdAnime)->m_Choice.m_vRows[2], "02 走る");
  Act(dialog, Tick(kIdcMoveNoAnime, 1));
  EXPECT_EQ(EnabledOf(dialog.States(), {kIdcCmdAnime}), "1");
  Act(dialog, Tick(kIdcMoveInertia, 0));
  EXPECT_EQ(EnabledOf(dialog.States(), {kIdcMoveMaxSpeed, kIdcMoveTurnRate}), "00");
}
