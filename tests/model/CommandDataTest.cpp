#include "model/cCommandData.h"

#include <cstdio>

#include "tests/model/ModelTest.h"

namespace {

using Params = std::vector<int32_t>;

// Payload flags: none of the three (two before 764), or a record after a flag of 1.
const char* kNone = "00000000 00000000 00000000";
const char* kNone763 = "00000000 00000000";

// A record body of zeros after the given leading bytes: fields, their bytes, no strings.
Bytes ZeroRecord(uint32_t fields, size_t bytes, const std::string& head = "") {
  Bytes lead = Hex(head);
  lead.resize(bytes, 0);
  return Cat({U32(fields), lead, U32(0)});
}

// A command body: set and kind (time, sound and anime 0, mute 1), the text, the payload part as
// given, no flows, then the parameters.
Bytes Command(int set, int kind, const Bytes& payloads, const Params& params, const std::string& text = "") {
  char fields[64];
  std::snprintf(fields, sizeof fields, "%02X %02X 0000 0000 00 0000 01 0000", set & 0xFF, kind & 0xFF);
  Bytes body = Cat({U32(8), Hex(fields), U32(1), StoredString(text), payloads, U32(0), U32(static_cast<uint32_t>(params.size()))});
  for (int32_t p : params) body = Cat({body, U32(static_cast<uint32_t>(p))});
  return body;
}
Bytes Command(int set, int kind, const char* payloads, const Params& params) {
  return Command(set, kind, Hex(payloads), params);
}

// The movement block of versions 162 to 766 (32 fields) and the shot block of 213 to 635 (58).
Bytes Move766(const std::string& head = "") { return Cat({U32(1), ZeroRecord(32, 52, head)}); }
Bytes Shot219() { return Cat({U32(1), ZeroRecord(58, 91)}); }

cLoadRow<cCommandData> Expect(uint32_t version, const Bytes& body, int kind, const Params& params) {
  return {version, body, [kind, params](const cCommandData& c) {
            EXPECT_EQ(c.m_cKind, kind);
            EXPECT_EQ(c.m_vParam, cVector<int32_t>(params.begin(), params.end()));
          }};
}

}  // namespace

TEST(CommandData, UpgradesParametersOfEveryVersion) {
  RunLoadRows<cCommandData>({
      // 145 (resize to 9) and 722 (a stage clear mode inserted at 2).
      Expect(144, Command(0, 17, kNone763, {2}), 17, {3, 0, 0, 0, 0, 0, 0, 0, 0}),
      Expect(721, Command(0, 17, kNone763, {1, 0, 0, 0, 0, 0, 0, 0, 0}), 17, {1, 0, 0, 0, 0, 0, 0, 0, 0}),
      Expect(722, Command(0, 17, kNone763, {2, 0, 0, 0, 0, 0, 0, 0, 0}), 17, {2, 0, 0, 0, 0, 0, 0, 0, 0}),
      // 166: BGM play, stored as 35, gains its loop flag and becomes 36 at 734.
      Expect(165, Command(0, 35, kNone763, {1}), 36, {1, 1}),
      // 168 and 203: status rows at 10 and 5, left and right.
      Expect(167, Command(0, 22, kNone763, {0, 0, 0, 0, 10, 0, 2, 0, 0, 0, 0, 0, 0, 12, 0, 0, 0, 0}), 22,
             {0, 0, 0, 0, 12, 0, 2, 0, 0, 0, 0, 0, 0, 14, 0, 0, 0, 0}),
      Expect(202, Command(0, 22, kNone763, {0, 0, 0, 2, 5, 0, 2, 0, 0, 0, 0, 0, 0, 5, 0, 0, 0, 0}), 22,
             {0, 0, 0, 5, 5, 0, 2, 0, 0, 0, 0, 0, 0, 6, 0, 0, 0, 0}),
      Expect(203, Command(0, 22, kNone763, {0, 0, 0, 0, 5, 0, 2, 0, 0, 0, 0, 0, 0, 5, 0, 0, 0, 0}), 22,
             {0, 0, 0, 0, 5, 0, 2, 0, 0, 0, 0, 0, 0, 5, 0, 0, 0, 0}),
      // Steps read parameters that a short old list lacks as 0.
      Expect(167, Command(0, 22, kNone763, {0}), 22, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}),
      // 189, 747 and 767 on target setting.
      Expect(188, Command(0, 21, kNone763, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}), 21,
             {0, 1, 2, 0, 3, 4, 5, 6, 7, 8, 9, 0, 1, 12, 13, 0}),
      Expect(746, Command(0, 21, kNone763, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}), 21,
             {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0, 1, 13, 14, 0}),
      Expect(766, Command(0, 21, kNone, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}), 21,
             {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}),
      // 194, 545, 547 and 723 on the picture display, stored as 31 until 734.
      Expect(193, Command(0, 31, kNone763, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}), 32,
             {1, 2, 3, 4, 5, 6, 1, 7, 8, 9, 10, 0, 0, 0, 0}),
      Expect(546, Command(0, 31, kNone763, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}), 32,
             {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0, 0, 0}),
      Expect(722, Command(0, 31, kNone763, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}), 32,
             {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 0}),
      // 195: character and screen effects, stored as 29 and 30, gain a parameter at 1.
      Expect(194, Command(0, 29, kNone763, {1, 6}), 30, {1, 0, 6}),
      Expect(194, Command(0, 30, kNone763, {1, 6}), 31, {1, 0, 6}),
      Expect(195, Command(0, 30, kNone763, {1, 6, 7}), 31, {1, 6, 7}),
      // 203: summons lose their parameters; flow operations keep four (760 clears P3).
      Expect(202, Command(0, 14, kNone763, {1, 2}), 14, {}),
      Expect(202, Command(0, 16, kNone763, {1, 2, 3, 4, 5}), 16, {1, 2, 3, 0}),
      Expect(760, Command(0, 16, kNone763, {1, 2, 3, 4}), 16, {1, 2, 3, 4}),
      // 210: a flag status at 6, not for the scroll statuses (P0 = 2).
      Expect(209, Command(0, 23, kNone763, {0, 6, 0}), 23, {0, 7, 0}),
      Expect(209, Command(0, 23, kNone763, {2, 6, 0}), 23, {5, 6, 0}),  // 767 moves P0 2 to 5
      Expect(209, Command(0, 23, kNone763, {0, INT32_MAX, 0}), 23, {0, INT32_MIN, 0}),  // wraps as stored
      // 219: the graphic change, stored as 25, on the shot sheet.
      Expect(218, Command(0, 25, kNone763, {3, 5, 0}), 26, {3, 6, 0}),
      Expect(218, Command(0, 25, kNone763, {3, 119, 0}), 26, {3, 119, 0}),
      Expect(219, Command(0, 25, kNone763, {3, 5, 0}), 26, {3, 5, 0}),
      // 545 to 723 on the message.
      Expect(544, Command(0, 19, kNone763, {0}), 19, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 1, 0}),
      Expect(545, Command(0, 19, kNone763, {3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 9, 9, 9, 9, 9, 9, 9}), 19,
             {3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0}),
      Expect(722, Command(0, 19, kNone763, {7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 9, 9, 9, 9, 9, 9, 9}), 19,
             {7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 9, 9, 9, 9, 9, 9, 0}),
      // 726 and 727 on the arrange command, stored as 37; 734 moves the kinds it names past 23.
      Expect(725, Command(0, 37, kNone763, {}), 38, {11, 0, 0, 0, 0}),
      Expect(726, Command(0, 37, kNone763, {11, 2, 0, 0, 0}), 38, {11, 5, 0, 0, 0}),
      Expect(726, Command(0, 37, kNone763, {11, 14, 0, 0, 0}), 38, {11, 21, 0, 0, 0}),
      Expect(733, Command(0, 37, kNone763, {30, 2, 0, 0, 0}), 38, {31, 2, 0, 0, 0}),
      Expect(734, Command(0, 38, kNone763, {30, 2, 0, 0, 0}), 38, {30, 2, 0, 0, 0}),
      // 734: "消滅" inserted at 24 (item kind 9).
      Expect(733, Command(0, 24, kNone763, {1, 2}), 25, {1, 2}),
      Expect(733, Command(0, 23, kNone763, {0, 0, 0}), 23, {0, 0, 0}),
      Expect(733, Command(1, 9, kNone763, {1, 2}), 10, {1, 2}),
      Expect(733, Command(1, 8, kNone763, {0, 0, 0}), 8, {0, 0, 0}),
      Expect(725, Command(1, 22, kNone763, {}), 23, {11, 0, 0, 0, 0}),  // the item arrange
      // 767 on turning, the statuses and the status command.
      Expect(766, Command(0, 9, kNone, {4}), 9, {10}),
      Expect(766, Command(0, 9, kNone, {3}), 9, {3}),
      Expect(766, Command(0, 22, kNone, {0, 0, 0, 2, 0, 0, 2, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0}), 22,
             {0, 0, 0, 5, 0, 0, 2, 0, 0, 0, 0, 0, 5, 0, 0, 0, 0, 0}),
      Expect(766, Command(0, 23, kNone, {2, 0, 0}), 23, {5, 0, 0}),
      Expect(767, Command(0, 23, kNone, {2, 0, 0}), 23, {2, 0, 0}),
  });
}

TEST(CommandData, UpgradesPayloads) {
  using Row = cLoadRow<cCommandData>;
  RunLoadRows<cCommandData>({
      // 220: shot graphics moved up one.
      Row{219, Command(0, 11, Cat({Hex("00000000"), Shot219()}), {}),
          [](const cCommandData& c) { EXPECT_EQ(c.m_pShot->m_nGraphic, 1); }},
      Row{220, Command(0, 11, Cat({Hex("00000000"), Shot219()}), {}),
          [](const cCommandData& c) { EXPECT_EQ(c.m_pShot->m_nGraphic, 0); }},
      // 514: charge moves turn mirrored.
      Row{513, Command(0, 5, Cat({Move766(), Hex("00000000")}), {}),
          [](const cCommandData& c) { EXPECT_EQ(c.m_pMove->m_bMirrorRotate, 1); }},
      Row{514, Command(0, 5, Cat({Move766(), Hex("00000000")}), {}),
          [](const cCommandData& c) { EXPECT_EQ(c.m_pMove->m_bMirrorRotate, 0); }},
      // 767: warp modes from 2 on move behind the three new targets.
      Row{766, Command(0, 20, Cat({Move766("02"), Hex("00000000 00000000")}), {}),
          [](const cCommandData& c) { EXPECT_EQ(c.m_pMove->m_cSetType, 5); }},
      Row{766, Command(1, 5, Cat({Move766("01"), Hex("00000000 00000000")}), {}),
          [](const cCommandData& c) { EXPECT_EQ(c.m_pMove->m_cSetType, 1); }},
      // 764: flow operations gain run conditions, not set; the item's "フローの変更" does not.
      Row{763, Command(0, 16, kNone763, {1, 2, 3, 4}),
          [](const cCommandData& c) {
            ASSERT_TRUE(c.m_pCondList);
            EXPECT_EQ(c.m_pCondList->m_bHasCond, 0);
          }},
      Row{763, Command(1, 1, kNone763, {1, 2}), [](const cCommandData& c) { EXPECT_FALSE(c.m_pCondList); }},
      Row{764, Command(0, 16, Hex("00000000 00000000 01000000 02000000 01 01 00000000"), {1, 2, 3, 4}),
          [](const cCommandData& c) {
            ASSERT_TRUE(c.m_pCondList);
            EXPECT_EQ(c.m_pCondList->m_bHasCond, 1);
            EXPECT_EQ(c.m_pCondList->m_cJudge, 1);
          }},
  });
  // A flow operation read from 763 saves with its condition list.
  cCommandData command;
  ASSERT_TRUE(LoadBytes(command, 763, Command(0, 16, kNone763, {1, 2, 3, 4})));
  EXPECT_EQ(ToHex(SavedBytes(command)),
            ToHex(Command(0, 16, Hex("00000000 00000000 01000000 02000000 00 00 00000000 00000000"), {1, 2, 3, 4})));
}

TEST(CommandData, KindsOutsideTheSetsKeepTheirParameters) {
  using Row = cLoadRow<cCommandData>;
  RunLoadRows<cCommandData>({
      Row{771, Command(0, 40, kNone, {1, 2, 3}),
          [](const cCommandData& c) {
            EXPECT_EQ(c.m_vParam.size(), 3u);
            EXPECT_EQ(c.KindInfo(), nullptr);
          }},
      Row{771, Command(1, 25, kNone, {}), [](const cCommandData& c) { EXPECT_TRUE(c.m_vParam.empty()); }},
      Row{771, Command(0, -3, kNone, {7}), [](const cCommandData& c) { EXPECT_EQ(c.m_vParam.size(), 1u); }},
      Row{600, Command(0, 120, kNone763, {7}),  // renumbered like every kind past 23, nothing more
          [](const cCommandData& c) {
            EXPECT_EQ(c.m_cKind, 121);
            EXPECT_EQ(c.m_vParam.size(), 1u);
          }},
  });
  cCommandData command;
  ASSERT_TRUE(LoadBytes(command, kDataVersion, Command(0, 99, kNone, {5, 6})));
  ExpectRoundTrip(command);
}

TEST(CommandData, MissingPayloadsAreCreatedBeforeUpgrading) {
  using Row = cLoadRow<cCommandData>;
  RunLoadRows<cCommandData>({
      Row{771, Command(0, 2, kNone, {}),
          [](const cCommandData& c) {
            ASSERT_TRUE(c.m_pMove);
            EXPECT_TRUE(*c.m_pMove == cEdMove());
          }},
      Row{513, Command(0, 5, kNone763, {}), [](const cCommandData& c) { EXPECT_EQ(c.m_pMove->m_nAngle, 0); }},
      Row{219, Command(0, 11, kNone763, {}), [](const cCommandData& c) { EXPECT_EQ(c.m_pShot->m_nGraphic, 1); }},
      Row{766, Command(1, 5, kNone, {}), [](const cCommandData& c) { EXPECT_TRUE(c.m_pMove); }},
      Row{771, Command(0, 15, kNone, {}), [](const cCommandData& c) { EXPECT_TRUE(c.m_pShot); }},
      Row{771, Command(0, 16, kNone, {0, 0, 0, 0}), [](const cCommandData& c) { EXPECT_TRUE(c.m_pCondList); }},
      // Payloads of other kinds stay as stored.
      Row{771, Command(0, 1, kNone, {}),
          [](const cCommandData& c) { EXPECT_FALSE(c.m_pMove || c.m_pShot || c.m_pCondList); }},
  });
}

TEST(CommandData, DefaultBodyCopyAndEquality) {
  cCommandData command;
  EXPECT_EQ(ToHex(SavedBytes(command)), ToHex(Command(0, 0, kNone, {})));
  command.m_cKind = kCmdJump;
  EXPECT_EQ(ToHex(SavedBytes(command)), ToHex(Command(0, kCmdJump, kNone, {0, 0, 0, 0, 0})));

  cCommandData move;
  move.m_cKind = kCmdStraightMove;
  move.m_pMove.Create();
  move.m_pMove->m_nSpeed = 33;
  move.m_strText = "テキスト";
  move.m_nTime = 12;
  cCommandData copy = move;
  ASSERT_TRUE(copy.m_pMove);
  EXPECT_NE(copy.m_pMove.Get(), move.m_pMove.Get());
  EXPECT_TRUE(copy == move);
  copy.m_pMove->m_nSpeed = 34;
  EXPECT_EQ(move.m_pMove->m_nSpeed, 33);
  EXPECT_TRUE(copy != move);
  copy = move;
  EXPECT_NE(copy.m_pMove.Get(), move.m_pMove.Get());
  EXPECT_TRUE(copy == move);
  copy.m_pMove.Reset();
  EXPECT_TRUE(copy != move);
  EXPECT_TRUE(move != copy);
  copy = move;
  copy.m_vParam.push_back(1);
  EXPECT_TRUE(copy != move);

  move.SetDefaults();
  EXPECT_FALSE(move.m_pMove);
  EXPECT_EQ(move.m_bMuteOffScreen, 1);
  EXPECT_TRUE(move.m_strText.empty());
}

TEST(CommandData, RoundTripsWithPayloadsAndNestedFlows) {
  cCommandData effect;
  effect.m_cSet = 1;
  effect.m_cKind = kItemCmdFlowChange;
  effect.m_vParam = {1, 2};
  effect.m_vFlow.resize(2);
  effect.m_vFlow[1].m_strMemo = "メモ";
  cCommandData inner;
  inner.m_cKind = kCmdShot;
  inner.m_pShot.Create();
  inner.m_pShot->m_nFormParam[2] = 9;
  inner.m_pShot->m_nPower = -7;
  effect.m_vFlow[1].m_vCommand = {inner};
  cCommandData flowOp;
  flowOp.m_cKind = kCmdFlowOp;
  flowOp.m_vParam = {1, 2, 3, 4};
  flowOp.m_pCondList.Create();
  flowOp.m_pCondList->m_vCond.resize(1);
  effect.m_vFlow[1].m_vCommand.push_back(flowOp);
  ExpectRoundTrip(effect);

  cCommandData copy = effect;
  cCommandData& nested = copy.m_vFlow[1].m_vCommand[0];
  EXPECT_NE(nested.m_pShot.Get(), effect.m_vFlow[1].m_vCommand[0].m_pShot.Get());
  nested.m_pShot->m_nPower = 1;
  EXPECT_TRUE(copy != effect);
}

TEST(CommandData, DamagedOrHostileBodiesFail) {
  cEdMove move;
  Bytes body = Command(0, kCmdStraightMove, Cat({U32(1), SavedBytes(move), Hex("00000000 00000000")}), {});
  ExpectPrefixesFail<cCommandData>(body);
  cCommandData command;
  EXPECT_FALSE(LoadBytes(command, kDataVersion, Cat({Command(0, 1, kNone, {}), Hex("00")})));
  EXPECT_FALSE(LoadBytes(command, kDataVersion, Cat({Hex("08000000 00 01 0000 0000 00 0000 01 0000 01000000 01000000"),
                                                     Hex(kNone), U32(0), U32(0x40000000)})));

  // Flows nested in commands nested in flows: a few levels load, a hostile depth fails.
  auto nest = [](int levels) {
    Bytes flow = Hex("0A000000 00000000 00000000 03 00 01000000 01000000 00000000 00000000 00000000");
    for (int i = 0; i < levels; ++i) {
      Bytes cmd = Cat({Hex("08000000 01 01 0000 0000 00 0000 01 0000 01000000 01000000"), Hex(kNone), U32(1), flow,
                       U32(2), U32(0), U32(0)});
      flow = Cat({Hex("0A000000 00000000 00000000 03 00 01000000 01000000 00000000 00000000 01000000"), cmd});
    }
    return flow;
  };
  cFlowData flow;
  EXPECT_TRUE(LoadBytes(flow, kDataVersion, nest(16)));
  EXPECT_FALSE(LoadBytes(flow, kDataVersion, nest(17)));
}
