// The flow editor page's rules: trigger rules, inheritance, modes, its lists with the flow row text,
// and the key condition dialog's time rule.
#include <string>

#include "editors/ElementRowLabels.h"
#include "editors/FlowPageRules.h"
#include "editors/KeyCondRules.h"
#include "listctrl/ListInstances.h"
#include "tests/editors/EditorTest.h"

namespace {
cFlowPageView SheetView(int context = kEditStagePalette) {
  cFlowPageView view;
  view.m_Page.m_nContext = context;
  view.m_Page.m_nIndex = 2;
  view.m_Page.m_bCanStep = 1;
  return view;
}

cFlowPageView StandaloneView(int operation) {
  cFlowPageView view;
  view.m_nMode = kFlowModeStandalone;
  view.m_nFlowOperation = operation;
  return view;
}

cFlowData Flow(int trigger, int group = 3, int target = 1) {
  cFlowData flow;
  flow.m_cTrigger = static_cast<int8_t>(trigger);
  flow.m_cGroup = static_cast<int8_t>(group);
  flow.m_bTriggerTarget = static_cast<int8_t>(target);
  return flow;
}

cEdChara Owner(int source, bool inherited) {
  cEdChara chara;
  chara.m_cInheritPalette = static_cast<int8_t>(source);
  chara.m_bbInherit[kFlowInheritGroup] = inherited ? 1 : 0;
  return chara;
}
}  // namespace

TEST(FlowPageRules, TheTriggerDecidesNoteGroupAndTarget) {
  struct cCase {
    int m_nTrigger;
    const char* m_pNote;
    const char* m_pEnabled;  // group, target-X check, target
    int m_nGroup;            // after the rule
    int m_nTarget;
  };
  const cCase cases[] = {
      {0, " ", "100", 3, 0},
      {1, " ", "011", 0, 1},
      {2, " ", "011", 0, 1},
      {3, "※実行時間0の並列実行コマンド（P-0）のみ実行可", "000", 0, 0},
      {4, " ", "011", 0, 1},
      {7, " ", "011", 0, 1},
      {8, " ", "000", 0, 0},
      {16, " ", "011", 0, 1},
      {20, " ", "011", 0, 1},
      {21, "※移動・アクション系以外の並列実行コマンド（P-）のみ実行可", "000", 0, 0},
      {22, " ", "000", 0, 0},
      {60, " ", "000", 0, 0},
  };
  for (const cCase& c : cases) {
    SCOPED_TRACE(c.m_nTrigger);
    cFlowData flow = Flow(c.m_nTrigger);
    ApplyTriggerRule(flow, false);
    EXPECT_EQ(flow.m_cGroup, c.m_nGroup);
    EXPECT_EQ(flow.m_bTriggerTarget, c.m_nTarget);
    cCtrlStates states;
    FlowPageStates(flow, Owner(kPaletteCommon, false), SheetView(), states);
    ASSERT_NE(states.Text(kIdcFlowNote), nullptr);
    EXPECT_EQ(*states.Text(kIdcFlowNote), c.m_pNote);
    EXPECT_EQ(EnabledOf(states, {kIdcFlowGroup, kIdcFlowTargetCheck, kIdcFlowTarget}), c.m_pEnabled);
  }
}

TEST(FlowPageRules, InheritedFlowsDisableTheWholeEditorAndStayAsTheSourceHasThem) {
  cFlowData flow = Flow(5, 3, 1);
  ApplyTriggerRule(flow, true);
  EXPECT_EQ(flow.m_cGroup, 3);
  EXPECT_EQ(flow.m_bTriggerTarget, 1);
  for (bool inherited : {true, false}) {
    cCtrlStates states;
    FlowPageStates(Flow(0), Owner(kPaletteCommon, inherited), SheetView(), states);
    for (uint16_t id : kFlowEditorCtrls) {
      bool byTrigger = id == kIdcFlowGroup || id == kIdcFlowTargetCheck || id == kIdcFlowTarget;
      if (byTrigger && !inherited) continue;
      EXPECT_EQ(states.Enabled(id), inherited ? 0 : 1) << id;
    }
    EXPECT_EQ(states.Checked(kIdcFlowInherit), inherited ? 1 : 0);
    EXPECT_EQ(states.Enabled(kIdcFlowInherit), 1);
  }
  cCtrlStates noSource;
  FlowPageStates(Flow(0), Owner(kPaletteNone, false), SheetView(), noSource);
  EXPECT_EQ(noSource.Enabled(kIdcFlowInherit), 0);
}

TEST(FlowPageRules, StandaloneModeHidesTheSheetsControlsAndChangeKeepsTheIds) {
  for (int operation : {0, 1, 2}) {
    cCtrlStates states;
    FlowPageStates(Flow(0), Owner(kPaletteNone, true), StandaloneView(operation), states);
    for (uint16_t id : std::initializer_list<uint16_t>{kIdcEntryNumber, kIdcPrevEntry, kIdcNextEntry,
                                                       kIdcCharaPreview, kIdcFlowInherit})
      EXPECT_EQ(states.Shown(id), 0) << id;
    EXPECT_EQ(states.Shown(1000) + states.Shown(1001), 2);
    // The flag of the character that holds nested flows means nothing here.
    EXPECT_EQ(states.Enabled(kIdcFlowMemo), 1);
    EXPECT_EQ(states.Enabled(kIdcFlowId), operation == 1 ? 0 : 1) << operation;
  }
  cCtrlStates sheet;
  FlowPageStates(Flow(0), Owner(kPaletteNone, false), SheetView(kEditPlaced), sheet);
  EXPECT_EQ(sheet.Shown(1000) + sheet.Shown(1001), 0);
  EXPECT_EQ(sheet.Shown(kIdcPrevEntry), 0);
  EXPECT_EQ(sheet.Shown(kIdcFlowTestButton), 0);
}

TEST(FlowPageRules, FlowRowsShowCommandsIdAndGroup) {
  struct cCase {
    int m_nCommands, m_nId, m_nGroup;
    const char* m_pRow;
  };
  const cCase cases[] = {
      {0, 0, 0, "×0 - -"}, {3, 1, 2, "×3 A b"}, {12, 26, 26, "×12 Z z"}, {1, 27, -1, "×1 ？ ？"},
  };
  for (const cCase& c : cases) {
    cFlowData flow;
    flow.m_vCommand.resize(c.m_nCommands);
    flow.m_cId = static_cast<int8_t>(c.m_nId);
    flow.m_cGroup = static_cast<int8_t>(c.m_nGroup);
    cString text = "old";
    FlowRowLabel(&text, 0, &flow);
    EXPECT_EQ(text, c.m_pRow);
  }
}

// The page's four lists, their limits and editors, and the ids by which a key or a menu item inserts
// a row: the flow list's own, the page's for the three lists whose rows a dialog edits.
TEST(FlowPageRules, TheFourListsAndTheirEditors) {
  struct cCase {
    const cListInstance* m_pList;
    const uint16_t* m_pPageInsertIds;  // null: the list inserts through its own command set
    uint16_t m_nId;
    int m_nMax;
    uint16_t m_nTemplate;
    uint16_t m_nInsertKey, m_nInsertMenu;
  };
  const cCase cases[] = {
      {&kListFlows, nullptr, kIdcFlowList, 999, 0, 40033, 40042},
      {&kListFlowConditions, kFlowCondInsertIds, kIdcFlowCondList, 99, 170, 40034, 40106},
      {&kListKeyConditions, kFlowKeyCondInsertIds, kIdcFlowKeyList, 99, 204, 40036, 40111},
      {&kListFlowCommands, kFlowCommandInsertIds, kIdcFlowCommandList, 999, 205, 40101, 40119},
  };
  for (const cCase& c : cases) {
    const cListInstance& list = *c.m_pList;
    SCOPED_TRACE(c.m_nId);
    EXPECT_EQ(std::string(list.m_pszPage), "cFlowEditPage");
    EXPECT_EQ(list.m_wListId, c.m_nId);
    EXPECT_EQ(list.m_Shape.m_nMaxCount, c.m_nMax);
    EXPECT_EQ(list.m_Edit.m_wDialog, c.m_nTemplate);
    const uint16_t* set[2] = {list.m_Set.m_wAccelId, list.m_Set.m_wMenuId};
    for (int i = 0; i < 2; ++i) {
      uint16_t insert = c.m_pPageInsertIds ? c.m_pPageInsertIds[i] : set[i][kListInsert];
      EXPECT_EQ(insert, i == 0 ? c.m_nInsertKey : c.m_nInsertMenu);
      // Where the page inserts, the list does not.
      if (c.m_pPageInsertIds) {
        EXPECT_EQ(set[i][kListInsert], 0);
      }
    }
  }
}

TEST(KeyCondRules, TheLongestTimeNeverStaysBelowTheShortest) {
  struct cCase {
    int m_nMin, m_nMax, m_bOpen;
    int m_nShownMin, m_nShownMax;
    const char* m_pEnabled;
  };
  const cCase cases[] = {
      {50, 20, 0, 50, 50, "11"}, {3, 10, 0, 3, 10, "11"},     {0, 0, 0, 1, 1, "11"},
      {1000, 5, 0, 999, 999, "11"}, {50, 20, 1, 50, 50, "00"}, {7, 999, 1, 7, 999, "00"},
  };
  for (const cCase& c : cases) {
    cKeyCondData key;
    key.m_nPressMin = static_cast<int16_t>(c.m_nMin);
    key.m_nPressMax = static_cast<int16_t>(c.m_nMax);
    key.m_bOpenEnd = static_cast<int8_t>(c.m_bOpen);
    cCtrlStates states;
    ApplyKeyCondTimeRule(key, states);
    EXPECT_EQ(key.m_nPressMin, c.m_nShownMin) << c.m_nMin << " " << c.m_nMax;
    EXPECT_EQ(key.m_nPressMax, c.m_nShownMax) << c.m_nMin << " " << c.m_nMax;
    int32_t min = 0, max = 0;
    ASSERT_TRUE(states.Range(kIdcKeyPressMax, min, max));
    EXPECT_EQ(min, c.m_nShownMin);
    EXPECT_EQ(max, 999);
    EXPECT_EQ(EnabledOf(states, {kIdcKeyPressMin, kIdcKeyPressMax}), c.m_pEnabled);
  }
  EXPECT_EQ(kKeyStateCombos[0], 1089);
  EXPECT_EQ(kKeyStateCombos[11], 1099);
  EXPECT_EQ(kKeyStateCombos[18], 1106);
}
