// The character group window's rules, the graphic cell picker's cells, combo choices over stored
// values and the control-state list.
#include "app/cWindowPlacement.h"
#include "editors/CharaGroupRules.h"
#include "editors/ComboChoice.h"
#include "editors/CtrlStates.h"
#include "editors/GraphicCells.h"
#include "model/FlowVocabulary.h"
#include "tests/editors/EditorTest.h"

using CharaGroupRulesTest = EditorTest;

TEST_F(CharaGroupRulesTest, OnlyPlacedCharactersWithTheirFlagSetUseAGroup) {
  auto place = [](int cell, int hasGroup, int number) {
    cEdChara& chara = g_StageDoc.m_vCharaLayer.At(cell);
    chara = NamedChara("c");
    chara.m_bHasGroup = static_cast<int8_t>(hasGroup);
    chara.m_nGroupNo = static_cast<int16_t>(number);
  };
  place(0, 1, 0);
  place(9, 1, 59);
  place(17, 0, 30);   // a number without the flag
  place(20, 1, 60);   // numbers outside 0 .. 59 check nothing
  place(21, 1, -1);
  int32_t used[kCharaGroupCount];
  used[30] = 7;
  UsedCharaGroups(g_StageDoc, used);
  for (int group = 0; group < kCharaGroupCount; ++group) EXPECT_EQ(used[group], group == 0 || group == 59) << group;
  cCtrlStates states;
  CharaGroupStates(g_StageDoc, states);
  EXPECT_EQ(*states.Text(1453), "0");
  EXPECT_EQ(*states.Text(1472), "59");
  int checked = 0;
  for (uint16_t id : kCharaGroupButtons) checked += states.Checked(id);
  EXPECT_EQ(checked, 2);
  EXPECT_EQ(states.Checked(1453) + states.Checked(1472), 2);
}

TEST(CharaGroupRules, ButtonsShortcutsAndPlace) {
  EXPECT_EQ(kCharaGroupButtons[0], 1453);
  EXPECT_EQ(kCharaGroupButtons[1], 1413);
  EXPECT_EQ(kCharaGroupButtons[40], 1452);
  EXPECT_EQ(kCharaGroupButtons[41], 1454);
  EXPECT_EQ(kCharaGroupButtons[59], 1472);
  for (uint16_t id : {40003, 40004, 40005, 40006, 40010, 40011, 40133}) EXPECT_EQ(IsForwardedGroupCommand(id), 1) << id;
  for (uint16_t id : {40007, 40012, 40134, 1453, 0}) EXPECT_EQ(IsForwardedGroupCommand(id), 0) << id;
  EXPECT_EQ(IsForwardedGroupKey(0x20), 1);
  EXPECT_EQ(IsForwardedGroupKey(0x0D), 0);

  cWindowPlacement placement;
  int32_t x = 0, y = 0;
  CharaGroupWindowPos(placement, 100, 300, x, y);
  EXPECT_EQ(x, 108);
  EXPECT_EQ(y, 220);
  StoreCharaGroupPlacement(placement, 40, 50, 139, 249);
  EXPECT_EQ(placement.m_bValid, 1);
  EXPECT_EQ(placement.m_nWidth, 100);
  EXPECT_EQ(placement.m_nHeight, 200);
  CharaGroupWindowPos(placement, 100, 300, x, y);
  EXPECT_EQ(x, 40);
  EXPECT_EQ(y, 50);
}

TEST(GraphicCells, ClicksNameCellsDownTheColumns) {
  struct cCase {
    int32_t m_nX, m_nY;
    int m_nCell;
  };
  const cCase cases[] = {
      {40, 10, 15}, {10, 40, 1}, {0, 0, 0}, {31, 31, 0}, {255, 479, 119}, {32, 448, 29},
      {-5, -5, 0},  {300, 10, 105}, {10, 600, 14},
  };
  for (const cCase& c : cases) EXPECT_EQ(CellAtPoint(c.m_nX, c.m_nY), c.m_nCell) << c.m_nX << "," << c.m_nY;
  const int origins[][3] = {{0, 0, 0}, {15, 32, 0}, {37, 64, 224}, {119, 224, 448}, {120, 224, 448}, {-1, 0, 0}};
  for (const auto& o : origins) {
    int32_t x = -1, y = -1;
    CellOrigin(o[0], x, y);
    EXPECT_EQ(x, o[1]) << o[0];
    EXPECT_EQ(y, o[2]) << o[0];
    if (o[0] >= 0 && o[0] < kSheetCells) {
      EXPECT_EQ(CellAtPoint(x + 31, y + 31), o[0]);
    }
  }
  const std::pair<int, int> kinds[] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, -1}, {5, 0}, {-1, 0}};
  for (const auto& kind : kinds) EXPECT_EQ(PickerSheetOfKind(kind.first), kind.second) << kind.first;
}

TEST(ComboChoice, AValueOutsideItsRowsShowsAsUnknownAndStaysStored) {
  struct cCase {
    int32_t m_nValue, m_nOffset;
    int m_nSel, m_bUnknown;
  };
  const cCase cases[] = {{0, 0, 0, 0}, {2, 0, 2, 0}, {3, 0, 3, 1}, {-1, 0, 3, 1}, {1, 1, 0, 0}, {0, 1, 3, 1}};
  for (const cCase& c : cases) {
    cComboChoice choice = ComboChoice(KeyStateNames, c.m_nValue, c.m_nOffset);
    EXPECT_EQ(choice.m_nSel, c.m_nSel) << c.m_nValue << "+" << c.m_nOffset;
    EXPECT_EQ(choice.m_bUnknown, c.m_bUnknown);
    EXPECT_EQ(choice.m_vRows.Count(), 3 + c.m_bUnknown);
    EXPECT_EQ(choice.m_vRows[choice.m_nSel], c.m_bUnknown ? "？" : KeyStateNames[c.m_nValue - c.m_nOffset]);
    EXPECT_EQ(ComboChoiceValue(choice, choice.m_nSel, c.m_nOffset, c.m_nValue), c.m_nValue);
    EXPECT_EQ(ComboChoiceValue(choice, 1, c.m_nOffset, c.m_nValue), 1 + c.m_nOffset);
    EXPECT_EQ(ComboChoiceValue(choice, -1, c.m_nOffset, c.m_nValue), c.m_nValue);
  }
}

TEST(CtrlStates, ALaterDecisionReplacesAnEarlierOne) {
  cCtrlStates states;
  EXPECT_EQ(states.Enabled(5), -1);
  states.Enable(5, true);
  states.Show(6, false);
  states.Enable(5, false);
  states.Check(5, true);
  states.SetText(7, "a");
  states.SetText(7, "b");
  states.SetRange(8, -3, 3);
  EXPECT_EQ(states.Enabled(5), 0);
  EXPECT_EQ(states.Checked(5), 1);
  EXPECT_EQ(states.Shown(5), -1);
  EXPECT_EQ(states.Shown(6), 0);
  EXPECT_EQ(*states.Text(7), "b");
  EXPECT_EQ(states.Text(8), nullptr);
  int32_t min = 0, max = 0;
  EXPECT_EQ(states.Range(8, min, max), 1);
  EXPECT_EQ(min, -3);
  EXPECT_EQ(max, 3);
  EXPECT_EQ(states.Range(7, min, max), 0);
  EXPECT_EQ(states.States().Count(), 4);
}
