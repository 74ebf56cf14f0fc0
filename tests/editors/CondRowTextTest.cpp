#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "editors/CondRowText.h"
#include "model/FlowVocabulary.h"
#include "model/VariableNames.h"
#include "model/cCondData.h"
#include "model/cKeyCondData.h"
#include "tests/support/TestSupport.h"

namespace {
const cString kScrollKinds[3] = {"主人公の位置に合わせてスクロール", "オートスクロール", ""};

struct cVarName {
  cString m_strName;
};

cCondData Cond(int kind, std::function<void(cCondData&)> set) {
  cCondData condition;
  condition.m_cKind = static_cast<int8_t>(kind);
  set(condition);
  return condition;
}

struct cRowCase {
  const char* m_pName;
  cCondData m_Cond;
  int m_bHero;  // 1: the list of a block or an item, whose subject 0 is the player
  const char* m_pRow;
};

class CondRowTextTest : public ::testing::Test {
protected:
  void SetUp() override {
    FillScrollStatusTable(ScrollStatusTable, kScrollKinds);
    m_vCommonVar.resize(1000);
    m_vCommonVar[5].m_strName = "所持金";
    m_vStageVar.resize(1000);
    m_vStageVar[7].m_strName = "扉";
    RegisterVariableNames(kVarScopeCommon, &m_vCommonVar);
    RegisterVariableNames(kVarScopeStage, &m_vStageVar);
  }
  void TearDown() override {
    RegisterVariableNames<cVarName>(kVarScopeCommon, nullptr);
    RegisterVariableNames<cVarName>(kVarScopeStage, nullptr);
  }

  cVector<cVarName> m_vCommonVar;
  cVector<cVarName> m_vStageVar;
};
}  // namespace

TEST_F(CondRowTextTest, EveryKindHasItsRow) {
  auto randomPercent = [](cCondData& c) {
    c.m_nNumber = 3;
    c.m_cRightKind = 1;
    c.m_nRandMin = 1;
    c.m_nRandMax = 6;
    c.m_bPercent = 1;
    c.m_cCompare = 2;
  };
  const cRowCase cases[] = {
      {"common variable", Cond(1, [](cCondData& c) { c.m_nNumber = 5; c.m_nValue = 100; c.m_cCompare = 2; }), 0,
       "コモン変数条件 ： 「005 所持金」 が 100 以上"},
      {"stage variable", Cond(2, [](cCondData& c) { c.m_nNumber = 7; c.m_nValue = -1; c.m_cCompare = 7; }), 0,
       "ステージ変数条件 ： 「007 扉」 が -1 の倍数でない"},
      {"variable past the table", Cond(1, [](cCondData& c) { c.m_nNumber = 1000; c.m_cCompare = 9; }), 0,
       "コモン変数条件 ： 「1000 ？」 が 0 ？"},
      {"character variable", Cond(3, [](cCondData& c) { c.m_nNumber = 2; }), 0,
       "キャラ変数条件 ： キャラ変数 「2 キャラ変数-2」が 0 である"},
      {"character variable 0", Cond(3, [](cCondData& c) { c.m_nNumber = 0; }), 0,
       "キャラ変数条件 ： キャラ変数 「？」が 0 である"},
      {"block status, random percent", Cond(4, randomPercent), 1,
       "ステータス条件 ： 主人公 の 「3 キャラ変数-3」 が 1～6% 以上"},
      {"character status, random percent", Cond(4, randomPercent), 0,
       "ステータス条件 ： 自分 の 「3 キャラ変数-3」 が 1～6% 以上"},
      {"HP against a constant", Cond(4, [](cCondData& c) { c.m_cSubject = 2; c.m_cStatus = 1; c.m_nValue = 50; c.m_cCompare = 5; }),
       0, "ステータス条件 ： ターゲット2 の HP が 50 より下"},
      {"system time against a status",
       Cond(4,
            [](cCondData& c) {
              c.m_cSubject = 5;
              c.m_cRightKind = 2;
              c.m_cRightSubject = 1;
              c.m_cRightStatus = 11;
            }),
       0, "ステータス条件 ： 時間 が ターゲット1 の 防御力 である"},
      {"right character variable",
       Cond(4, [](cCondData& c) { c.m_cStatus = 2; c.m_cRightKind = 2; c.m_nRightNumber = 8; }), 0,
       "ステータス条件 ： 自分 の SP が 自分 の 「8 キャラ変数-8」 である"},
      {"right system status", Cond(4, [](cCondData& c) { c.m_cStatus = 2; c.m_cRightKind = 2; c.m_cRightSubject = 5; c.m_cRightStatus = 4; }),
       0, "ステータス条件 ： 自分 の SP が 残り人数 である"},
      {"variables on both sides",
       Cond(4,
            [](cCondData& c) {
              c.m_cLeftKind = 1;
              c.m_cLeftScope = 0;
              c.m_nNumber = 5;
              c.m_cRightKind = 3;
              c.m_cRightScope = 1;
              c.m_nRightNumber = 7;
              c.m_cCompare = 1;
            }),
       0, "ステータス条件 ： 「005 所持金」が 「007 扉」 でない"},
      {"sides outside their tables",
       Cond(4, [](cCondData& c) { c.m_cLeftKind = 1; c.m_cLeftScope = 2; c.m_cRightKind = 4; }), 0,
       "ステータス条件 ： である"},
      {"status row outside the table", Cond(4, [](cCondData& c) { c.m_cStatus = 15; c.m_cSubject = 7; c.m_cRightKind = 2; c.m_cRightStatus = 40; }),
       0, "ステータス条件 ： 自分 の ？ である"},
      {"flag status", Cond(5, [](cCondData& c) { c.m_cSubject = 0; c.m_cStatus = 3; c.m_nNumber = 2; }), 1,
       "ステータス条件2 ： 主人公 の 飛行 が ON (ブロックに当たる) である"},
      {"giant", Cond(5, [](cCondData& c) { c.m_cStatus = 5; c.m_nNumber = 10; c.m_cCompare = 1; }), 0,
       "ステータス条件2 ： 自分 の 巨大化 が ×100 でない"},
      {"giant 0", Cond(5, [](cCondData& c) { c.m_cStatus = 5; c.m_nNumber = 0; }), 0,
       "ステータス条件2 ： 自分 の 巨大化 が ？ である"},
      {"scroll", Cond(5, [](cCondData& c) { c.m_cSubject = 5; c.m_cStatus = 1; c.m_nNumber = 1; }), 0,
       "ステータス条件2 ： 縦スクロール が オートスクロール である"},
      {"flag status outside the table", Cond(5, [](cCondData& c) { c.m_cStatus = -1; }), 0,
       "ステータス条件2 ： 自分 の ？ が ？ である"},
      {"state", Cond(6, [](cCondData& c) { c.m_cCompare = 1; }), 1, "ステータス条件3 ： 主人公 が 左向き でないなら"},
      {"state of a target", Cond(6, [](cCondData& c) { c.m_cSubject = 3; c.m_cStatus = 4; }), 0,
       "ステータス条件3 ： ターゲット3 が 存在している なら"},
      {"distance", Cond(7, [](cCondData& c) { c.m_cSubject = 1; c.m_nValue = 4; }), 0,
       "距離条件 ： ターゲット1 が 横 4 以内"},
      {"distance outside", Cond(7, [](cCondData& c) { c.m_cAxis = 6; c.m_nValue = 10; c.m_cCompare = 1; }), 0,
       "距離条件 ： 主人公 が 円 10 外"},
      {"kind 0", Cond(0, [](cCondData&) {}), 0, ""},
      {"kind 9", Cond(9, [](cCondData&) {}), 0, "？"},
  };
  cVector<cString> self = NameList(SelfSubjectSysNames);
  cVector<cString> hero = NameList(HeroSubjectSysNames);
  for (const cRowCase& c : cases) {
    cString text = "old";
    CondRowText(text, c.m_Cond, c.m_bHero ? hero : self);
    EXPECT_EQ(text, c.m_pRow) << c.m_pName;
  }
}

TEST(KeyCondRowText, ListsThePressedKeysWithTheJudgeSymbol) {
  struct cCase {
    int m_bOpenEnd;
    int m_nMin, m_nMax, m_nJudge;
    std::vector<int> m_vPressed, m_vReleased;
    const char* m_pRow;
  };
  const cCase cases[] = {
      {1, 0, 0, 0, {11, 12}, {}, "1～∞ ： Z + X "},
      {0, 3, 10, 1, {11}, {12}, "3～10 ： Z "},
      {0, 1, 1, 2, {0, 9, 10, 18}, {}, "1～1 ： 方n / 方向 / アn / F "},
      {0, 5, 9, 1, {1, 2}, {}, "5～9 ： ← ･ → "},
      {1, 0, 0, 0, {}, {3}, "1～∞ ： "},
      {0, 2, 4, 7, {5, 6}, {}, "2～4 ： ←↑ ？ ←↓ "},
  };
  for (const cCase& c : cases) {
    cKeyCondData key;
    key.m_bOpenEnd = static_cast<int8_t>(c.m_bOpenEnd);
    key.m_nPressMin = static_cast<int16_t>(c.m_nMin);
    key.m_nPressMax = static_cast<int16_t>(c.m_nMax);
    key.m_cJudge = static_cast<int8_t>(c.m_nJudge);
    for (int k : c.m_vPressed) key.m_vKeyState[k] = 1;
    for (int k : c.m_vReleased) key.m_vKeyState[k] = 2;
    cString text;
    KeyCondRowText(text, key);
    EXPECT_EQ(text, c.m_pRow);
  }
  cKeyCondData shortKey;  // a foreign file may hold fewer states
  shortKey.m_vKeyState.assign(2, 1);
  shortKey.m_bOpenEnd = 1;
  cString text;
  KeyCondRowText(text, shortKey);
  EXPECT_EQ(text, "1～∞ ： 方n + ← ");
}
