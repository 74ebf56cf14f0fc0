// The condition kind chooser and the condition dialogs: kind buttons, the list a kind dialog is
// placed by, subject names, new-row defaults, OK and cancel, and the variable pickers.
#include <string>

#include "editors/ComboChoice.h"
#include "editors/CondDialogRules.h"
#include "editors/CondRowText.h"
#include "editors/StatusCondRules.h"
#include "model/VariableNames.h"
#include "tests/editors/EditorTest.h"

namespace {
cOpenSheets Sheets(const char* which, int page = 0, int chooser = 0) {
  cOpenSheets sheets;
  std::string kind = which;
  sheets.m_bBlock = kind == "block";
  sheets.m_bChara = kind == "chara";
  sheets.m_bItem = kind == "item";
  sheets.m_nPage = page;
  sheets.m_bItemEffectChooser = chooser;
  return sheets;
}

}  // namespace

TEST(CondDialogRules, SubjectNamesFollowTheSheetInUse) {
  struct cCase {
    cOpenSheets m_Sheets;
    const char* m_pFirst;  // "" for an empty list
  };
  const cCase cases[] = {
      {Sheets("block"), "主人公"},        {Sheets("chara"), "自分"},          {Sheets("chara", 3), "自分"},
      {Sheets("item"), "主人公"},         {Sheets("item", 1), "主人公"},      {Sheets("item", 1, 1), "自分"},
      {Sheets("item", 0, 1), "主人公"},   {Sheets("none"), ""},
  };
  for (const cCase& c : cases) {
    for (int withSystem : {0, 1}) {
      cVector<cString> list = {"leftover"};
      BuildSubjectNames(list, withSystem, c.m_Sheets);
      std::string expected;
      if (*c.m_pFirst) {
        expected = std::string(c.m_pFirst) + "|ターゲット1|ターゲット2|ターゲット3|ターゲット4|";
        if (withSystem) expected += "システム|";
      }
      EXPECT_EQ(Joined(list), expected) << c.m_pFirst << " " << withSystem;
    }
  }
}

TEST(CondDialogRules, SubjectNamesFeedTheRowText) {
  cCondData cond;
  cond.m_cKind = kCondStatus3;
  cond.m_cCompare = 1;
  cVector<cString> subjects;
  BuildSubjectNames(subjects, 0, Sheets("block"));
  cString row;
  CondRowText(row, cond, subjects);
  EXPECT_EQ(row, "ステータス条件3 ： 主人公 が 左向き でないなら");
  BuildSubjectNames(subjects, 0, Sheets("chara", 3));
  CondRowText(row, cond, subjects);
  EXPECT_EQ(row, "ステータス条件3 ： 自分 が 左向き でないなら");
}

TEST(CondDialogRules, KindButtonsAndTheKindOfAnExistingRow) {
  for (int kind = 1; kind < kCondKindCount; ++kind) {
    EXPECT_EQ(CondKindButton(kind), 1266 + kind);
    EXPECT_EQ(CondKindOfButton(static_cast<uint16_t>(1266 + kind)), kind);
  }
  // A new row (kind 0) and any stored kind outside the table show the chooser for a choice.
  for (int kind : {0, 8, 100, -1}) EXPECT_EQ(CondKindButton(kind), 0) << kind;
  for (uint16_t id : {0, 1266, 1274, 1000}) EXPECT_EQ(CondKindOfButton(id), 0) << id;
  EXPECT_EQ(kCondKindEntries[kCondStatus].m_nTemplate, 269);
  EXPECT_EQ(kCondKindEntries[kCondDistance].m_nTemplate, 219);
}

TEST(CondDialogRules, TheDistanceKindNeedsTheCharacterLayerInTheSheetsOwnLists) {
  struct cCase {
    int m_nListKind, m_nLayer, m_bEnabled;
  };
  const cCase cases[] = {{0, 0, 0}, {0, 1, 1}, {0, 2, 0}, {1, 0, 1}, {1, 2, 1}, {2, 0, 1}};
  for (const cCase& c : cases) {
    cCtrlStates states;
    CondChooserStates(c.m_nListKind, c.m_nLayer, states);
    EXPECT_EQ(states.Enabled(kIdcCondDistanceButton), c.m_bEnabled) << c.m_nListKind << " " << c.m_nLayer;
    EXPECT_EQ(*states.Text(1267), "コモン変数条件");
    EXPECT_EQ(*states.Text(1273), "距離条件");
  }
}

TEST(CondDialogRules, AKindDialogIsPlacedByTheListOfTheSheetInUse) {
  struct cCase {
    cOpenSheets m_Sheets;
    int m_nAnchor;
  };
  const cCase cases[] = {
      {Sheets("block"), kCondAnchorBlockPage},         {Sheets("chara"), kCondAnchorCharaBasicPage},
      {Sheets("chara", 3), kCondAnchorCharaFlowPage},  {Sheets("chara", 1), kCondAnchorCharaFlowPage},
      {Sheets("item"), kCondAnchorItemPage},           {Sheets("item", 1, 1), kCondAnchorItemFlowPage},
      {Sheets("none"), kCondAnchorNone},
  };
  for (const cCase& c : cases) EXPECT_EQ(CondKindDialogAnchor(c.m_Sheets), c.m_nAnchor) << c.m_nAnchor;
}

TEST(CondDialogRules, WithoutASheetNoKindDialogRunsAndTheNewRowIsRemoved) {
  cCondData cond;
  int runs = 0;
  auto run = [&](int kind, uint16_t templateId, int anchor) {
    ++runs;
    EXPECT_EQ(kind, kCondCharaVar);
    EXPECT_EQ(templateId, 218);
    EXPECT_EQ(anchor, kCondAnchorCharaFlowPage);
    return 1;
  };
  EXPECT_EQ(PressCondKindButton(cond, 1269, Sheets("none"), run), 0);
  EXPECT_EQ(cond.m_cKind, kCondCharaVar);
  EXPECT_EQ(runs, 0);
  EXPECT_EQ(PressCondKindButton(cond, 1269, Sheets("chara", 3), run), 1);
  EXPECT_EQ(runs, 1);
  cCondData untouched;
  EXPECT_EQ(PressCondKindButton(untouched, 1274, Sheets("chara"), run), -1);
  EXPECT_EQ(untouched.m_cKind, 0);
  EXPECT_EQ(runs, 1);
}

TEST(CondDialogRules, NewRowsGetTheirKindsDefaultsAndOnlyOkStores) {
  struct cCase {
    int m_nKind;
    int m_nValue, m_nNumber, m_nRightNumber, m_nStatus, m_nRightKind, m_nRightSubject;
  };
  // Every field of a condition starts at 0; these are what a new row of each kind opens with.
  const cCase cases[] = {
      {kCondCommonVar, 0, 0, 0, 0, 0, 0}, {kCondStatus, 0, 1, 1, 0, 0, 0},   {kCondStatus2, 0, 0, 0, 1, 0, 0},
      {kCondStatus3, 0, 0, 0, 0, 0, 0},   {kCondDistance, 10, 0, 0, 0, 1, 1},
  };
  for (const cCase& c : cases) {
    SCOPED_TRACE(c.m_nKind);
    for (int isNew : {0, 1}) {
      cCondData cond;
      cond.m_cKind = static_cast<int8_t>(c.m_nKind);
      cCondEditContext context{&cond, isNew, 0};
      cCondEdit edit(context);
      cCondData expected;
      expected.m_cKind = cond.m_cKind;
      if (isNew) {
        expected.m_nValue = c.m_nValue;
        expected.m_nNumber = static_cast<int16_t>(c.m_nNumber);
        expected.m_nRightNumber = static_cast<int16_t>(c.m_nRightNumber);
        expected.m_cStatus = static_cast<int8_t>(c.m_nStatus);
        expected.m_cRightKind = static_cast<int8_t>(c.m_nRightKind);
        expected.m_cRightSubject = static_cast<int8_t>(c.m_nRightSubject);
      }
      EXPECT_TRUE(cond == expected);
      edit.Work().m_cCompare = 3;
      EXPECT_EQ(cond.m_cCompare, 0);  // cancel: as opening left it
      edit.Ok();
      EXPECT_EQ(cond.m_cCompare, 3);
    }
  }
}

TEST(CondDialogRules, TheRangeDisplayEnablesColourAndChecks) {
  for (int display : {0, 1, 2}) {
    cCondData cond;
    cond.m_cLeftKind = static_cast<int8_t>(display);
    cCtrlStates states;
    DistanceCondStates(cond, states);
    const char* expected = display ? "111" : "000";
    EXPECT_EQ(EnabledOf(states, {kIdcCondRangeColour, kIdcCondShowUnborn, kIdcCondShowTransparent}), expected);
  }
  const cDlgCondKindEntry& distance = kCondKindEntries[kCondDistance];
  cCondData cond;
  StoreClamped(cond, distance.m_pNum[0], 41);
  StoreClamped(cond, distance.m_pNum[1], -16);
  EXPECT_EQ(cond.m_nValue, 40);
  EXPECT_EQ(cond.m_nRightNumber, -15);
}

class VariableRowsTest : public EditorTest {
protected:
  void SetUp() override {
    EditorTest::SetUp();
    m_vCommon.resize(1000);
    m_vCommon[5].m_strName = "所持金";
    RegisterVariableNames(kVarScopeCommon, &m_vCommon);
    g_StageDoc.m_vStageVarName.resize(1000);
    g_StageDoc.m_vStageVarName[999].m_strName = "扉";
    // Other tests register names of their own; the stage's are the global stage's.
    RegisterVariableNames(kVarScopeStage, &g_StageDoc.m_vStageVarName);
  }
  void TearDown() override {
    RegisterVariableNames<cValInfoData>(kVarScopeCommon, nullptr);
    EditorTest::TearDown();
  }
  cVector<cValInfoData> m_vCommon;
};

TEST_F(VariableRowsTest, NineHundredNinetyNineRowsFromVariableOne) {
  cVector<cString> common = VariableRows(kVarScopeCommon);
  ASSERT_EQ(common.Count(), 999);
  EXPECT_EQ(common[0], "001 ");
  EXPECT_EQ(common[4], "005 所持金");
  cVector<cString> stage = VariableRows(kVarScopeStage);
  ASSERT_EQ(stage.Count(), 999);
  EXPECT_EQ(stage[998], "999 扉");
  // A stored variable 0 or past 999 names no row and is kept as it is.
  for (int stored : {0, 1000, -2}) {
    cComboChoice choice = ComboChoice(common, stored, 1);
    EXPECT_EQ(choice.m_bUnknown, 1);
    EXPECT_EQ(choice.m_vRows[choice.m_nSel], "？");
    EXPECT_EQ(ComboChoiceValue(choice, choice.m_nSel, 1, stored), stored);
  }
  cComboChoice five = ComboChoice(common, 5, 1);
  EXPECT_EQ(five.m_nSel, 4);
  EXPECT_EQ(ComboChoiceValue(five, 6, 1, 5), 7);
}
