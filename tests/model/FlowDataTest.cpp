#include "model/cFlowData.h"

#include "tests/model/ModelTest.h"

namespace {

// A flow body: the numeric fields given, the memo when the version stores it, three empty lists.
Bytes FlowBody(uint32_t fields, const char* hex, bool memo) {
  return Cat({U32(fields), Hex(hex), memo ? Cat({U32(1), StoredString("")}) : U32(0), U32(0), U32(0), U32(0)});
}

}  // namespace

TEST(FlowData, LoadsEveryVersionAndUpgradesTriggers) {
  using Row = cLoadRow<cFlowData>;
  //                     id gr tp jd on tg ke hr
  RunLoadRows<cFlowData>({
      // 132, 163, 164: trigger 11 becomes 12, loses its group, then 14.
      Row{131, FlowBody(8, "01 02 00 00 00 0B 03 00", false),
          [](const cFlowData& f) {
            EXPECT_EQ(f.m_cTrigger, 14);
            EXPECT_EQ(f.m_cGroup, 0);
            EXPECT_EQ(f.m_cId, 1);
          }},
      Row{131, FlowBody(8, "01 02 00 00 00 00 03 00", false),
          [](const cFlowData& f) {
            EXPECT_EQ(f.m_cTrigger, 0);
            EXPECT_EQ(f.m_cGroup, 2);
          }},
      Row{132, FlowBody(8, "00 02 00 00 00 0B 03 00", false),
          [](const cFlowData& f) { EXPECT_EQ(f.m_cTrigger, 13); }},
      Row{163, FlowBody(8, "00 02 00 00 00 05 03 00", false),
          [](const cFlowData& f) {
            EXPECT_EQ(f.m_cTrigger, 7);
            EXPECT_EQ(f.m_cGroup, 2);
          }},
      Row{164, FlowBody(8, "00 00 00 00 00 05 03 00", false), [](const cFlowData& f) { EXPECT_EQ(f.m_cTrigger, 5); }},
      // 762: three triggers at 18.
      Row{700, FlowBody(8, "00 00 01 01 01 12 07 01", true),
          [](const cFlowData& f) {
            EXPECT_EQ(f.m_cTrigger, 21);
            EXPECT_EQ(f.m_bTestPlayOnly, 1);
            EXPECT_EQ(f.m_cJudge, 1);
            EXPECT_EQ(f.m_bOnce, 1);
            EXPECT_EQ(f.m_cKeyEase, 7);
            EXPECT_EQ(f.m_bHoldRepeat, 1);
          }},
      // 676: the memo; 762: the trigger target; 767: its number.
      Row{675, FlowBody(8, "00 00 00 00 00 00 03 00", false), [](const cFlowData& f) { EXPECT_TRUE(f.m_strMemo.empty()); }},
      Row{761, Cat({U32(8), Hex("00 00 00 00 00 00 03 00"), U32(1), StoredString("メモ"), U32(0), U32(0), U32(0)}),
          [](const cFlowData& f) {
            EXPECT_EQ(f.m_strMemo, "メモ");
            EXPECT_EQ(f.m_bTriggerTarget, 0);
          }},
      Row{762, FlowBody(9, "00 00 00 00 00 12 01 03 00", true),
          [](const cFlowData& f) {
            EXPECT_EQ(f.m_cTrigger, 18);
            EXPECT_EQ(f.m_bTriggerTarget, 1);
          }},
      Row{766, FlowBody(9, "00 00 00 00 00 00 01 03 00", true),
          [](const cFlowData& f) { EXPECT_EQ(f.m_cTriggerTargetNo, 0); }},
      Row{771, FlowBody(10, "1A 1A 00 00 00 16 01 03 0F 00", true),
          [](const cFlowData& f) {
            EXPECT_EQ(f.m_cId, 26);
            EXPECT_EQ(f.m_cGroup, 26);
            EXPECT_EQ(f.m_cTrigger, 22);
            EXPECT_EQ(f.m_cTriggerTargetNo, 3);
            EXPECT_EQ(f.m_cKeyEase, 15);
          }},
  });
}

TEST(FlowData, DefaultsListsAndEquality) {
  cFlowData flow;
  EXPECT_EQ(ToHex(SavedBytes(flow)), ToHex(FlowBody(10, "00 00 00 00 00 00 00 00 03 00", true)));
  EXPECT_TRUE(flow.IsEmpty());

  flow.m_vCond.resize(1);
  flow.m_vKeyCond.resize(2);
  flow.m_vKeyCond[1].m_vKeyState[18] = 1;
  cCommandData wait, jump;
  wait.m_cKind = kCmdWait;
  jump.m_cKind = kCmdJump;
  flow.m_vCommand = {wait, jump};
  flow.m_strMemo = "a";
  ExpectRoundTrip(flow);

  cFlowData swapped = flow;
  EXPECT_TRUE(swapped == flow);
  std::swap(swapped.m_vCommand[0], swapped.m_vCommand[1]);
  EXPECT_TRUE(swapped != flow);
  cFlowData key = flow;
  key.m_vKeyCond[1].m_vKeyState[18] = 0;
  EXPECT_TRUE(key != flow);

  // A flow is empty only without memo, letters, trigger and lists.
  cFlowData other;
  other.m_bOnce = 1;
  other.m_cKeyEase = 0;
  EXPECT_TRUE(other.IsEmpty());
  other.m_cGroup = 1;
  EXPECT_FALSE(other.IsEmpty());
  other.SetDefaults();
  EXPECT_TRUE(other == cFlowData());
}
