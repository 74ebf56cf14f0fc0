#include "model/cEdShot.h"

#include <map>
#include <set>

#include "tests/model/ModelTest.h"

namespace {

// The 64 fields of a new shot block in stored order, by a short name.
const std::vector<std::pair<std::string, std::string>> kShotFields = {
    {"cnt", "00"}, {"frm", "00"}, {"fp", "000000000000"}, {"aim", "00"}, {"dir", "00"}, {"aa", "00"},
    {"tno", "00"}, {"ang", "0000"}, {"cang", "0000"}, {"mrot", "01"}, {"spr", "0000"}, {"aoff", "00"},
    {"ccnt", "00"}, {"ox", "0000"}, {"cox", "0000"}, {"oy", "0000"}, {"coy", "0000"}, {"mx", "01"},
    {"my", "00"}, {"gr", "0000"}, {"z", "00"}, {"tr", "00"}, {"uf", "01"}, {"fac", "00"}, {"r1", "00"},
    {"gi", "01"}, {"r2", "00"}, {"mt", "00"}, {"mp", "000000000000"}, {"mtno", "00"}, {"ss", "00"},
    {"spd", "0000"}, {"cspd", "0000"}, {"ua", "00"}, {"acc", "0000"}, {"cacc", "0000"}, {"rng", "0000"},
    {"ur", "00"}, {"crng", "0000"}, {"kae", "00"}, {"ul", "00"}, {"life", "0000"}, {"clife", "0000"},
    {"pb", "00"}, {"pc", "00"}, {"pbc", "00"}, {"vbs", "00"}, {"vv", "00"}, {"pow", "00000000"},
    {"r3", "0000"}, {"imp", "00"}, {"eff", "0000"}, {"ip", "00"}, {"ii", "0000"}, {"bm", "00"},
    {"fop", "00"}, {"foe", "00"}, {"sp", "00"}, {"si", "0000"}, {"fm", "00"}, {"ns", "00"}, {"rf", "00"},
    {"atk", "00"}, {"vfi", "00"},
};

Bytes ShotBody(const std::set<std::string>& absent, const std::map<std::string, std::string>& values) {
  std::string hex;
  uint32_t count = 0;
  for (const auto& field : kShotFields) {
    if (absent.count(field.first)) continue;
    auto value = values.find(field.first);
    hex += (value != values.end() ? value->second : field.second) + " ";
    ++count;
  }
  return Cat({U32(count), Hex(hex), U32(0)});
}

const std::set<std::string> k157 = {"aim", "tno", "mrot", "mtno", "ss", "ua", "acc", "cacc", "pbc", "foe", "atk", "vfi"};
const std::set<std::string> k196 = {"aim", "tno", "mtno", "ss", "ua", "acc", "cacc", "pbc", "foe", "atk", "vfi"};
const std::set<std::string> k210 = {"aim", "tno", "mtno", "ss", "ua", "acc", "cacc", "pbc", "atk", "vfi"};
const std::set<std::string> k212 = {"aim", "tno", "mtno", "ua", "acc", "cacc", "pbc", "atk", "vfi"};
const std::set<std::string> k670 = {"aim", "tno", "mtno", "atk", "vfi"};
const std::set<std::string> k766 = {"tno", "mtno"};

}  // namespace

TEST(EdShot, LoadsEveryVersionAndUpgrades) {
  using Row = cLoadRow<cEdShot>;
  RunLoadRows<cEdShot>({
      // 52 fields: mirrored rotation off (158), enemy failure follows the player's (197), no
      // acceleration (213), block characters passed like characters (636).
      Row{157, ShotBody(k157, {{"fop", "01"}, {"pc", "01"}, {"fp", "010002000300"}, {"mp", "FFFF0000E703"}}),
          [](const cEdShot& s) {
            EXPECT_EQ(s.m_bMirrorRotate, 0);
            EXPECT_EQ(s.m_bFailOnEnemy, 1);
            EXPECT_EQ(s.m_bPassBlockChara, 1);
            EXPECT_EQ(s.m_bUseAccel, 0);
            EXPECT_EQ(s.m_cAimSubject, 0);
            EXPECT_EQ(s.m_nFormParam[1], 2);
            EXPECT_EQ(s.m_nFormParam[2], 3);
            EXPECT_EQ(s.m_nMoveParam[0], -1);
            EXPECT_EQ(s.m_nMoveParam[2], 999);
          }},
      Row{196, ShotBody(k196, {{"fop", "01"}}), [](const cEdShot& s) { EXPECT_EQ(s.m_bFailOnEnemy, 1); }},
      Row{197, ShotBody(k210, {{"fop", "01"}}), [](const cEdShot& s) { EXPECT_EQ(s.m_bFailOnEnemy, 0); }},
      // 212: homing movement types follow the auto scroll, even over a stored flag of 211.
      Row{210, ShotBody(k210, {{"mt", "06"}}), [](const cEdShot& s) { EXPECT_EQ(s.m_bScrollSync, 1); }},
      Row{210, ShotBody(k210, {{"mt", "08"}}), [](const cEdShot& s) { EXPECT_EQ(s.m_bScrollSync, 0); }},
      Row{211, ShotBody(k212, {{"mt", "04"}, {"ss", "00"}}), [](const cEdShot& s) { EXPECT_EQ(s.m_bScrollSync, 1); }},
      Row{211, ShotBody(k212, {{"mt", "03"}, {"ss", "01"}}), [](const cEdShot& s) { EXPECT_EQ(s.m_bScrollSync, 0); }},
      Row{212, ShotBody(k212, {{"mt", "03"}, {"ss", "01"}}), [](const cEdShot& s) { EXPECT_EQ(s.m_bScrollSync, 1); }},
      Row{213, ShotBody({"aim", "tno", "mtno", "pbc", "atk", "vfi"}, {{"ua", "01"}, {"acc", "0500"}}),
          [](const cEdShot& s) {
            EXPECT_EQ(s.m_bUseAccel, 1);
            EXPECT_EQ(s.m_nAccel, 5);
          }},
      Row{635, ShotBody({"aim", "tno", "mtno", "pbc", "atk", "vfi"}, {{"pc", "01"}}),
          [](const cEdShot& s) { EXPECT_EQ(s.m_bPassBlockChara, 1); }},
      Row{636, ShotBody(k670, {{"pc", "01"}}), [](const cEdShot& s) { EXPECT_EQ(s.m_bPassBlockChara, 0); }},
      Row{670, ShotBody(k670, {}), [](const cEdShot& s) { EXPECT_EQ(s.m_cAimSubject, 0); }},
      Row{671, ShotBody({"tno", "mtno", "atk", "vfi"}, {{"aim", "02"}}), [](const cEdShot& s) { EXPECT_EQ(s.m_cAimSubject, 2); }},
      Row{766, ShotBody(k766, {{"atk", "01"}, {"vfi", "1A"}}),
          [](const cEdShot& s) {
            EXPECT_EQ(s.m_bAttack, 1);
            EXPECT_EQ(s.m_cValidFlowId, 26);
            EXPECT_EQ(s.m_cTargetNo, 0);
            EXPECT_EQ(s.m_cMoveTargetNo, 0);
          }},
      Row{771, ShotBody({}, {{"tno", "03"}, {"mtno", "02"}, {"pow", "C1BDF0FF"}, {"r1", "07"}, {"r3", "0900"}, {"si", "0100"}}),
          [](const cEdShot& s) {
            EXPECT_EQ(s.m_cTargetNo, 3);
            EXPECT_EQ(s.m_cMoveTargetNo, 2);
            EXPECT_EQ(s.m_nPower, -999999);
            EXPECT_EQ(s.m_cReserved1, 7);
            EXPECT_EQ(s.m_nReserved3, 9);
            EXPECT_EQ(s.m_nSummonIndex, 1);
          }},
  });
}

TEST(EdShot, DefaultBodyCopyAndRoundTrip) {
  cEdShot shot;
  Bytes body = SavedBytes(shot);
  EXPECT_EQ(ToHex(body), ToHex(ShotBody({}, {})));
  EXPECT_EQ(body.size(), 4 + 97 + 4u);
  shot.m_nMoveParam[1] = 4;
  shot.m_cReserved2 = 1;
  shot.m_bReverseFacing = 1;
  ExpectRoundTrip(shot);
  cEdShot copy = shot;
  EXPECT_TRUE(copy == shot);
  copy.m_nFormParam[2] = 1;
  EXPECT_TRUE(copy != shot);
  copy.SetDefaults();
  EXPECT_TRUE(copy == cEdShot());
  ExpectPrefixesFail<cEdShot>(body);
}

TEST(EdShot, OptionTables) {
  EXPECT_EQ(FormationNames[5], "包囲");
  EXPECT_EQ(ShotMoveNames[9], "落下");
  EXPECT_TRUE(ShotMoveNames[10].empty());
  EXPECT_EQ(SummonFactionNames[2], "番号で指定");
  EXPECT_TRUE(SummonPaletteNamesCommon[1].empty());
}
