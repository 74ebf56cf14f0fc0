// The two status condition dialogs: status lists, variable pickers, value limits, the percent
// permission, the right side by its type, and the flag and scroll statuses with their options.
#include <string>

#include "editors/StatusCondRules.h"
#include "stage/cStageDoc.h"
#include "tests/editors/EditorTest.h"

namespace {
cCondData Status(int leftType, int subject, int status, int rightType = 0) {
  cCondData cond;
  cond.m_cKind = 4;
  cond.m_cLeftKind = static_cast<int8_t>(leftType);
  cond.m_cSubject = static_cast<int8_t>(subject);
  cond.m_cStatus = static_cast<int8_t>(status);
  cond.m_cRightKind = static_cast<int8_t>(rightType);
  return cond;
}

class StatusCondRulesTest : public EditorTest {
protected:
  void SetUp() override {
    EditorTest::SetUp();
    FillScrollStatusTable(ScrollStatusTable, ScrollKindNames);
  }
};
}  // namespace

TEST_F(StatusCondRulesTest, TheStatusListFollowsTheSubject) {
  EXPECT_EQ(StatusRows(0).Count(), 15);
  EXPECT_EQ(StatusRows(4)[5], "キャラID");
  EXPECT_EQ(Joined(StatusRows(5)), "時間|横スクロール速度|縦スクロール速度|スコア|残り人数|");
  EXPECT_TRUE(StatusRows(6).empty());
  EXPECT_TRUE(StatusRows(-1).empty());
  EXPECT_EQ(StatusDescOf(5, 5), nullptr);
  EXPECT_EQ(StatusDescOf(0, 15), nullptr);
  EXPECT_EQ(StatusDescOf(9, 0), nullptr);
}

TEST_F(StatusCondRulesTest, VariablePickersByTypeSubjectStatusAndScope) {
  struct cCase {
    cCondData m_Cond;
    int m_nLeft;
    const char* m_pEnabled;  // subject, status, scope, variable, rename
  };
  cCondData commonVar = Status(1, 0, 0);
  cCondData stageVar = Status(1, 0, 0);
  stageVar.m_cLeftScope = 1;
  cCondData badScope = Status(1, 0, 0);
  badScope.m_cLeftScope = 4;
  const cCase cases[] = {
      {Status(0, 0, 0), kVarPickerCharaVar, "11010"}, {Status(0, 4, 0), kVarPickerCharaVar, "11010"},
      {Status(0, 5, 0), kVarPickerOff, "11000"},      {Status(0, 0, 1), kVarPickerOff, "11000"},
      {commonVar, kVarPickerCommon, "00111"},         {stageVar, kVarPickerStage, "00111"},
      {badScope, kVarPickerOff, "00100"},             {Status(3, 0, 0), kVarPickerOff, "00000"},
  };
  for (const cCase& c : cases) {
    EXPECT_EQ(LeftVarPicker(c.m_Cond), c.m_nLeft) << c.m_pEnabled;
    cCtrlStates states;
    StatusCondStates(c.m_Cond, states);
    EXPECT_EQ(EnabledOf(states, {kIdcStatSubject, kIdcStatStatus, kIdcStatLeftScope, kIdcStatLeftVar,
                                 kIdcStatLeftRename}),
              c.m_pEnabled);
  }
  EXPECT_EQ(Joined(VarPickerRows(kVarPickerCharaVar)).substr(0, 15), "1 キャラ変数-1|");
  EXPECT_EQ(VarPickerRows(kVarPickerCharaVar).Count(), 8);
  EXPECT_EQ(VarPickerRows(kVarPickerStage).Count(), 999);
  EXPECT_TRUE(VarPickerRows(kVarPickerOff).empty());
}

TEST_F(StatusCondRulesTest, TheRightSideFollowsItsType) {
  struct cCase {
    int m_nType;
    const char* m_pEnabled;  // value, random min, random max, subject, status, scope, variable, rename
  };
  const cCase cases[] = {
      {0, "10000000"}, {1, "01100000"}, {2, "00011010"}, {3, "00000111"}, {9, "00000000"},
  };
  for (const cCase& c : cases) {
    cCondData cond = Status(0, 0, 1, c.m_nType);
    cond.m_cRightSubject = 0;
    cond.m_cRightStatus = 0;  // a character's variable
    cCtrlStates states;
    StatusCondStates(cond, states);
    EXPECT_EQ(EnabledOf(states, {kIdcStatValue, kIdcStatRandMin, kIdcStatRandMax, kIdcStatRightSubject,
                                 kIdcStatRightStatus, kIdcStatRightScope, kIdcStatRightVar, kIdcStatRightRename}),
              c.m_pEnabled)
        << c.m_nType;
  }
}

TEST_F(StatusCondRulesTest, TheLeftStatusSetsLimitsAndThePercentPermission) {
  struct cCase {
    int m_nSubject, m_nStatus, m_nRightType;
    uint16_t m_nEdit;  // 0: no edit takes limits
    int32_t m_nMin, m_nMax;
    int m_bPercent;
  };
  const cCase cases[] = {
      {0, 5, 0, kIdcStatValue, -99, 99, 0},          {0, 1, 0, kIdcStatValue, -999999, 999999, 1},
      {0, 3, 0, kIdcStatValue, -999999, 999999, 0},  {2, 2, 1, kIdcStatRandMax, -999999, 999999, 1},
      {0, 6, 1, kIdcStatRandMin, -8, 8, 0},          {5, 0, 0, kIdcStatValue, -999, 999, 0},
      {5, 4, 1, kIdcStatRandMin, -99, 99, 0},        {0, 5, 2, 0, 0, 0, 0},
  };
  for (const cCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.m_nSubject << " " << c.m_nStatus << " " << c.m_nRightType);
    cCondData cond = Status(0, c.m_nSubject, c.m_nStatus, c.m_nRightType);
    cond.m_bPercent = 1;
    cond.m_nValue = cond.m_nRandMin = cond.m_nRandMax = 5000;
    cCtrlStates states;
    cStatusValueLimits limits;
    ApplyLeftStatus(cond, limits, states, 1);
    int32_t min = 0, max = 0;
    for (int i = 0; i < 3; ++i) {
      uint16_t edit = kStatusCondNums[i].m_nId;
      bool limited = c.m_nEdit == edit || (c.m_nEdit == kIdcStatRandMin && edit == kIdcStatRandMax) ||
                     (c.m_nEdit == kIdcStatRandMax && edit == kIdcStatRandMin);
      EXPECT_EQ(states.Range(edit, min, max), limited ? 1 : 0) << edit;
      if (limited) {
        EXPECT_EQ(min, c.m_nMin);
        EXPECT_EQ(max, c.m_nMax);
      }
      EXPECT_EQ(limits.m_anMin[i], limited ? c.m_nMin : -999999) << edit;
      EXPECT_EQ(limits.m_anMax[i], limited ? c.m_nMax : 999999) << edit;
    }
    EXPECT_EQ(cond.m_nValue, c.m_nRightType == 0 ? std::min(5000, c.m_nMax) : 5000);
    EXPECT_EQ(states.Enabled(kIdcStatPercent), c.m_bPercent);
    EXPECT_EQ(cond.m_bPercent, c.m_bPercent);
  }
  // Without reclamp the values stay; a left variable leaves everything alone.
  cCondData cond = Status(0, 0, 5, 0);
  cond.m_nValue = 5000;
  cCtrlStates states;
  cStatusValueLimits limits;
  ApplyLeftStatus(cond, limits, states, 0);
  EXPECT_EQ(cond.m_nValue, 5000);
  cCondData variable = Status(1, 0, 5, 0);
  variable.m_bPercent = 1;
  cCtrlStates none;
  ApplyLeftStatus(variable, limits, none, 1);
  EXPECT_TRUE(none.States().empty());
  EXPECT_EQ(variable.m_bPercent, 1);
}

// A re-clamp holds every value edit to the limits it has: those the new status gives the edits of
// the right type, and those an earlier status left on the others.
TEST_F(StatusCondRulesTest, ANewLeftStatusHoldsAllThreeValuesToTheirEditsLimits) {
  struct cCase {
    int m_nRightType, m_nStatus, m_bReclamp;
    int32_t m_nValue, m_nRandMin, m_nRandMax;
  };
  // Status 1 "HP" compares over -999999 .. 999999, status 5 "キャラID" over -99 .. 99.
  const cCase cases[] = {
      {1, 1, 1, 99, -5000, 5000},  {0, 1, 1, 5000, -8, 8},   {2, 1, 1, 99, -8, 8},
      {3, 5, 1, 99, -8, 8},        {1, 5, 1, 99, -99, 99},  {1, 1, 0, 5000, -5000, 5000},
  };
  for (const cCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.m_nRightType << " " << c.m_nStatus << " " << c.m_bReclamp);
    // Earlier statuses left the constant's edit at -99 .. 99 and the random number's at -8 .. 8.
    cStatusValueLimits limits;
    limits.m_anMin[0] = -99;
    limits.m_anMax[0] = 99;
    for (int i : {1, 2}) {
      limits.m_anMin[i] = -8;
      limits.m_anMax[i] = 8;
    }
    cCondData cond = Status(0, 0, c.m_nStatus, c.m_nRightType);
    cond.m_nValue = 5000;
    cond.m_nRandMin = -5000;
    cond.m_nRandMax = 5000;
    cCtrlStates states;
    ApplyLeftStatus(cond, limits, states, c.m_bReclamp);
    EXPECT_EQ(cond.m_nValue, c.m_nValue);
    EXPECT_EQ(cond.m_nRandMin, c.m_nRandMin);
    EXPECT_EQ(cond.m_nRandMax, c.m_nRandMax);
  }
}

TEST_F(StatusCondRulesTest, TheEditsReclampOnlyWhenAnotherStatusIsChosenAfterInitialisation) {
  cStatusCondMemory memory;
  EXPECT_EQ(memory.NoteLeftStatus(5, 0), 0);  // initialisation remembers
  EXPECT_EQ(memory.NoteLeftStatus(5, 1), 0);
  EXPECT_EQ(memory.NoteLeftStatus(1, 1), 1);
  EXPECT_EQ(memory.NoteLeftStatus(1, 1), 0);
  EXPECT_EQ(memory.NoteLeftStatus(2, 0), 0);
  EXPECT_EQ(memory.NoteLeftStatus(1, 1), 1);
}

TEST_F(StatusCondRulesTest, FlagAndScrollStatusesFollowTheSubject) {
  cVector<cString> rows;
  int32_t offset = -1;
  ASSERT_EQ(Status2StatusRows(0, rows, offset), 1);
  EXPECT_EQ(Joined(rows), "透明|向き固定|飛行|無敵|巨大化|オートスクロールとシンクロ|");
  EXPECT_EQ(offset, 1);
  ASSERT_EQ(Status2StatusRows(5, rows, offset), 1);
  EXPECT_EQ(Joined(rows), "横スクロール|縦スクロール|");
  EXPECT_EQ(offset, 0);
  rows = {"kept"};
  EXPECT_EQ(Status2StatusRows(6, rows, offset), 0);

  struct cCase {
    int m_nSubject, m_nStatus;
    const char* m_pOptions;  // "" when no status
    int32_t m_nOffset;
  };
  const cCase cases[] = {
      {0, 3, "OFF|ON (ブロックをすり抜ける)|ON (ブロックに当たる)|ON (ブロックに当たると即死)|", 0},
      {2, 1, "OFF|ON|", 0},
      {1, 5, "しない|×4|×9|×16|×25|×36|×49|×64|×81|×100|", 1},
      {5, 1, "主人公の位置に合わせてスクロール|オートスクロール|", 0},
      {5, 2, "", 0},
      {0, 7, "", 0},
      {8, 1, "", 0},
  };
  for (const cCase& c : cases) {
    cVector<cString> options;
    int32_t optionOffset = 0;
    int found = Status2OptionRows(c.m_nSubject, c.m_nStatus, options, optionOffset);
    EXPECT_EQ(found, *c.m_pOptions ? 1 : 0) << c.m_nSubject << " " << c.m_nStatus;
    if (found) {
      EXPECT_EQ(Joined(options), c.m_pOptions);
      EXPECT_EQ(optionOffset, c.m_nOffset);
    }
  }
}

TEST_F(StatusCondRulesTest, ChangingTheSubjectKeepsStatusAndOptionOnTheirRows) {
  struct cCase {
    int m_nSubject, m_nStatus, m_nOption;
    int m_nKeptStatus, m_nKeptOption;
  };
  const cCase cases[] = {
      {5, 1, 1, 1, 1},  // "透明" 1 → "縦スクロール"
      {5, 6, 1, 1, 1},  // past the two scroll statuses: the last
      {0, 0, 0, 1, 0},  // back to a character: from "透明"
      {0, 5, 0, 5, 1},  // "巨大化" stores 1 .. 10
      {0, 3, 9, 3, 3},  // "飛行" 0 .. 3
      {7, 4, 4, 4, 4},  // no rows for this subject: nothing moves
  };
  for (const cCase& c : cases) {
    cCondData cond;
    cond.m_cKind = 5;
    cond.m_cSubject = static_cast<int8_t>(c.m_nSubject);
    cond.m_cStatus = static_cast<int8_t>(c.m_nStatus);
    cond.m_nNumber = static_cast<int16_t>(c.m_nOption);
    FitStatus2(cond);
    EXPECT_EQ(cond.m_cStatus, c.m_nKeptStatus) << c.m_nSubject << " " << c.m_nStatus;
    EXPECT_EQ(cond.m_nNumber, c.m_nKeptOption) << c.m_nSubject << " " << c.m_nStatus;
  }
}
