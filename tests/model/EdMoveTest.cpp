#include "model/cEdMove.h"

#include "tests/model/ModelTest.h"

namespace {

// The fields every version holds, in four runs, and the bodies of a version around them.
const std::string kAngles = "01 02 0300 0400 ";                                    // set, direction, angles
const std::string kTargets = "00 00 0500 0600 0700 0800 01 00 01 01 00 01 00 01 "; // use X..no jitter
const std::string kSpeeds = "02 1400 0100 0200 0300 ";                             // time mode..clone distance
const std::string kInertia = "0400 0500 01 C800 000000000000F83F ";               // homing..turn rate 1.5

Bytes MoveBody(int fields, const std::string& hex) { return Cat({U32(fields), Hex(hex), U32(0)}); }

void ExpectCommonRuns(const cEdMove& m) {
  EXPECT_EQ(m.m_cSetType, 1);
  EXPECT_EQ(m.m_cDirection, 2);
  EXPECT_EQ(m.m_nAngle, 3);
  EXPECT_EQ(m.m_nCloneAngle, 4);
  EXPECT_EQ(m.m_bUseTargetX, 0);
  EXPECT_EQ(m.m_nTargetDotY, 8);
  EXPECT_EQ(m.m_cTargetType, 1);
  EXPECT_EQ(m.m_bUntilTarget, 0);
  EXPECT_EQ(m.m_bMirrorX, 0);
  EXPECT_EQ(m.m_bMirrorY, 1);
  EXPECT_EQ(m.m_bReverseOnTurn, 0);
  EXPECT_EQ(m.m_bNoJitter, 1);
  EXPECT_EQ(m.m_cTimeMode, 2);
  EXPECT_EQ(m.m_nSpeed, 20);
  EXPECT_EQ(m.m_nCloneDistance, 3);
  EXPECT_EQ(m.m_nCloneHoming, 5);
  EXPECT_EQ(m.m_nMaxSpeed, 200);
  EXPECT_EQ(m.m_dTurnRate, 1.5);
}

}  // namespace

TEST(EdMove, LoadsEveryVersionAndUpgrades) {
  using Row = cLoadRow<cEdMove>;
  RunLoadRows<cEdMove>({
      Row{157, MoveBody(28, kAngles + kTargets + kSpeeds + kInertia),
          [](const cEdMove& m) {
            ExpectCommonRuns(m);
            EXPECT_EQ(m.m_bMirrorRotate, 0);  // the default is 1
            EXPECT_EQ(m.m_bKeepFacing, 0);
            EXPECT_EQ(m.m_cUnit, 0);
            EXPECT_EQ(m.m_bNoMoveAnime, 0);
          }},
      Row{158, MoveBody(29, kAngles + "01" + kTargets + kSpeeds + kInertia),
          [](const cEdMove& m) {
            ExpectCommonRuns(m);
            EXPECT_EQ(m.m_bMirrorRotate, 1);
          }},
      Row{161, MoveBody(30, kAngles + "01" + kTargets + kSpeeds + "01" + kInertia),
          [](const cEdMove& m) {
            ExpectCommonRuns(m);
            EXPECT_EQ(m.m_cUnit, 1);
            EXPECT_EQ(m.m_bKeepFacing, 0);
          }},
      Row{766, MoveBody(32, kAngles + "01" + kTargets + "01" + kSpeeds + "01" + kInertia + "01"),
          [](const cEdMove& m) {
            ExpectCommonRuns(m);
            EXPECT_EQ(m.m_bKeepFacing, 1);
            EXPECT_EQ(m.m_bNoMoveAnime, 1);
            EXPECT_EQ(m.m_cTarget, 0);
          }},
      Row{771, MoveBody(33, kAngles + "00" + kTargets + "01" + kSpeeds + "01" + kInertia + "01 03"),
          [](const cEdMove& m) {
            ExpectCommonRuns(m);
            EXPECT_EQ(m.m_bMirrorRotate, 0);
            EXPECT_EQ(m.m_cTarget, 3);
          }},
  });
}

TEST(EdMove, DefaultBodyAndRoundTrip) {
  cEdMove move;
  // 33 fields, 53 bytes; the turn rate is the double 1.0.
  EXPECT_EQ(ToHex(SavedBytes(move)),
            ToHex(MoveBody(33, "00 00 0000 0000 01 01 01 0000 0000 0000 0000 00 01 00 00 01 00 01 00 00 00 0A00 0000 "
                               "0000 0000 00 0000 0000 00 0000 000000000000F03F 00 00")));
  ExpectRoundTrip(move);
  EXPECT_TRUE(move == cEdMove());
  move.m_dTurnRate = 0.1;
  move.m_nHoming = -3;
  ExpectRoundTrip(move);
  EXPECT_TRUE(move != cEdMove());
  move.SetDefaults();
  EXPECT_TRUE(move == cEdMove());
}

TEST(EdMove, OptionTables) {
  EXPECT_EQ(DirectionNames[12], "入力方向");
  EXPECT_TRUE(DirectionNames[13].empty());
  EXPECT_EQ(FacingNames[11], "最後にブロックが当たった方の逆を向く");
  EXPECT_EQ(WarpModeNames[5], "目標座標で指定");
  EXPECT_EQ(TargetNoNames[3], "ターゲット4");
}
