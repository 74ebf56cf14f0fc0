#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/cDbPages.h"
#include "tests/database/PageLists.h"

namespace {

// The user clicks a record row; the page hears it.
template <class T>
void SelectRecord(cEffectKindPageCore<T>& page, cTableLists<T>& lists, int row) {
  lists.m_Table.Click({row});
  page.OnSelectRecord();
  lists.m_Table.m_List.Redraw();
}

std::vector<std::string> Labels(const cEffectKindPanel& panel) {
  std::vector<std::string> labels;
  for (int i = 0; i < kEffectParams; ++i) labels.push_back(panel.Param(i).m_strLabel);
  return labels;
}
std::vector<int> Enabled(const cEffectKindPanel& panel) {
  std::vector<int> enabled;
  for (int i = 0; i < kEffectParams; ++i) enabled.push_back(panel.Param(i).m_bEnabled);
  return enabled;
}
std::vector<int> Values(const cEffectKindPanel& panel) {
  std::vector<int> values;
  for (int i = 0; i < kEffectParams; ++i) values.push_back(panel.Param(i).m_nValue);
  return values;
}
std::vector<int> Stored(const cEffectKindData& record) {
  return std::vector<int>(record.m_anParam, record.m_anParam + kEffectParams);
}

// A chara effect table whose entry 1 is kind 1 with its defaults, entry 2 kind 12 with values
// partly outside kind 1's ranges.
cVector<cCharaEffectData> CharaTable() {
  cVector<cCharaEffectData> table(3);
  table[1].m_nKind = 1;
  int32_t burst[] = {5, 0, 32, 0, 0};
  std::copy(burst, burst + kEffectParams, table[1].m_anParam);
  table[2].m_nKind = 12;
  int32_t lens[] = {10, 100, 5, -16, 16};
  std::copy(lens, lens + kEffectParams, table[2].m_anParam);
  return table;
}

}  // namespace

TEST(EffectKindPage, ChangingTheKindLoadsItsLabelsRangesAndDefaults) {
  cVector<cCharaEffectData> table = CharaTable();
  cDbPageCharaEffectCore page(table);
  cTableLists<cCharaEffectData> lists(page);
  page.OnShown();
  cEffectKindPanel& panel = page.Panel();
  EXPECT_EQ(panel.PrevKind(), 1);
  EXPECT_EQ(Enabled(panel), (std::vector<int>{1, 1, 1, 0, 0})) << "破裂 uses three parameters";
  EXPECT_EQ(Values(panel), (std::vector<int>{5, 0, 32, 0, 0}));

  page.OnKindChosen(1);
  EXPECT_EQ(Labels(panel), (std::vector<std::string>{"実行時間(1/10s)", "開始位置(dot)", "終了位置(dot)", "分割数", ""}));
  EXPECT_EQ(Enabled(panel), (std::vector<int>{1, 1, 1, 1, 0}));
  EXPECT_EQ(page.m_vWork[1].m_nKind, 2);
  EXPECT_EQ(Stored(page.m_vWork[1]), (std::vector<int>{5, 0, 32, 4, 0}));

  page.m_Edit.m_anParam[3] = 9;
  panel.TypeValue(3, 9);
  page.OnKindChosen(1);
  EXPECT_EQ(Stored(page.m_vWork[1]), (std::vector<int>{5, 0, 32, 9, 0})) << "the kind already shown keeps the values";
  panel.TypeValue(3, 40);
  EXPECT_EQ(panel.Param(3).m_nValue, 16) << "typed values are clamped to 2..16";
}

TEST(EffectKindPage, TheColourChangeKindShowsItsSwatchOnTheCharaPageOnly) {
  cVector<cCharaEffectData> chara = CharaTable();
  cDbPageCharaEffectCore charaPage(chara);
  cTableLists<cCharaEffectData> charaLists(charaPage);
  charaPage.OnShown();
  EXPECT_EQ(charaPage.Panel().SwatchShown(), 0);
  charaPage.OnKindChosen(kColourChangeKind - 1);
  const cParamEdit& colour = charaPage.Panel().Param(3);
  EXPECT_EQ(charaPage.Panel().SwatchShown(), 1);
  EXPECT_EQ(charaPage.Panel().SwatchColour(), 16);
  EXPECT_EQ(colour.m_strLabel, "色");
  EXPECT_EQ(colour.m_nMin, 16);
  EXPECT_EQ(colour.m_nMax, 207);
  charaPage.OnKindChosen(0);
  EXPECT_EQ(charaPage.Panel().SwatchShown(), 0);

  cVector<cScrEffectData> screen(2);
  cDbPageScrEffectCore screenPage(screen);
  cTableLists<cScrEffectData> screenLists(screenPage);
  screenPage.OnShown();
  screenPage.OnKindChosen(12);
  EXPECT_EQ(screenPage.Panel().SwatchShown(), 0) << "the screen page has no swatch";
  EXPECT_EQ(Stored(screenPage.m_vWork[1]), (std::vector<int>{10, 1, 60, 0, 0}));
  EXPECT_EQ(screenPage.Panel().Note(), ScrEffectNotes[12]);
  EXPECT_EQ(Enabled(screenPage.Panel()), (std::vector<int>{1, 1, 1, 0, 0}));
  screenPage.OnKindChosen(0);
  EXPECT_EQ(Enabled(screenPage.Panel()), (std::vector<int>{1, 1, 1, 1, 1})) << "移動 uses all five";
  screenPage.Panel().TypeValue(1, -700);
  EXPECT_EQ(screenPage.Panel().Param(1).m_nValue, -640);
}

TEST(EffectKindPage, AnotherRecordKeepsItsValuesWhateverTheRanges) {
  cVector<cCharaEffectData> table = CharaTable();
  table[2].m_anParam[1] = 150;  // lens distances end at 100
  cDbPageCharaEffectCore page(table);
  cTableLists<cCharaEffectData> lists(page);
  page.OnShown();
  SelectRecord(page, lists, 1);
  EXPECT_EQ(page.Panel().Kind(), 12);
  EXPECT_EQ(page.Panel().Param(1).m_nMax, 100) << "the kind's own ranges";
  EXPECT_EQ(Values(page.Panel()), (std::vector<int>{10, 150, 5, -16, 16})) << "showing changes no value";
  page.StoreControls();
  EXPECT_EQ(Stored(page.m_vWork[2]), (std::vector<int>{10, 150, 5, -16, 16})) << "a store writes what was shown";
  page.Panel().TypeValue(1, 150);
  page.StoreControls();
  EXPECT_EQ(page.m_vWork[2].m_anParam[1], 100) << "what the user types is taken within the range";
}

TEST(EffectKindPage, NewKeepsTheLabelsOfTheKindShownBefore) {
  cVector<cCharaEffectData> table = CharaTable();
  cDbPageCharaEffectCore page(table);
  cTableLists<cCharaEffectData> lists(page);
  page.OnShown();
  SelectRecord(page, lists, 1);
  ASSERT_EQ(page.New(), 1);
  EXPECT_EQ(page.Panel().Kind(), 1) << "the new record shows kind 1";
  EXPECT_EQ(page.Panel().Param(3).m_strLabel, "ズレX(dot)") << "the labels are still those of レンズ";
  page.OnKindChosen(0);
  EXPECT_EQ(page.Panel().Param(3).m_strLabel, "");
  EXPECT_EQ(Stored(page.m_vWork[3]), (std::vector<int>{5, 0, 32, 0, 0})) << "kind 1's defaults";

  ASSERT_EQ(page.SetDataCount(1), 1);
  EXPECT_EQ(page.Panel().Kind(), 1);
  EXPECT_EQ(page.Panel().Param(3).m_bEnabled, 0) << "a count change updates the labels";
}

// A record of a kind the family does not have (a damaged file): nothing is read outside the tables.
TEST(EffectKindPage, AKindOutsideTheFamilyShowsNoParameters) {
  cVector<cScrEffectData> table(3);
  table[1].m_nKind = 99;
  table[1].m_anParam[0] = 77;
  table[2].m_nKind = 0;
  cDbPageScrEffectCore page(table);
  cTableLists<cScrEffectData> lists(page);
  page.OnShown();
  EXPECT_EQ(page.Panel().Item(), -1);
  EXPECT_EQ(page.Panel().Note(), "");
  EXPECT_EQ(Enabled(page.Panel()), (std::vector<int>(kEffectParams, 0)));
  page.StoreControls();
  EXPECT_EQ(page.m_vWork[1].m_nKind, 99) << "without a choice the kind stays";
  EXPECT_EQ(page.m_vWork[1].m_anParam[0], 77);
  SelectRecord(page, lists, 1);
  EXPECT_EQ(page.Panel().Kind(), 0);
  page.OnKindChosen(0);
  EXPECT_EQ(Stored(page.m_vWork[2]), (std::vector<int>{1, 0, 0, 0, 0}))
      << "no kind was shown before: no defaults, the values clamped into the new kind's ranges";
  page.OnKindChosen(1);
  EXPECT_EQ(Stored(page.m_vWork[2]), (std::vector<int>{10, 4, 4, 0, 0})) << "from then on a new kind brings its defaults";
}

// The record list's keys and popup menu leave another record edited; the kind shown and stored
// with it is its own, and so are its values, whatever the ranges of the kind updated last (kind 13
// here, whose ranges would clamp 分割's defaults to {5, 1, 4, 16, 0}).
TEST(EffectKindPage, AListCommandShowsTheKindOfTheRecordItLeavesEdited) {
  const int kinds[] = {1, kColourChangeKind, kColourChangeKind, 2, kColourChangeKind, 3, kColourChangeKind};
  const int32_t colour[] = {10, 1, 1, 100, 0};
  const int32_t split[] = {5, 0, 32, 4, 0};  // 分割's own defaults (kinds 2 and 3)
  cVector<cCharaEffectData> table(7);
  for (int entry = 1; entry < 7; ++entry) {
    table[entry].m_nKind = kinds[entry];
    std::copy_n(kinds[entry] == kColourChangeKind ? colour : split, kEffectParams, table[entry].m_anParam);
  }
  cDbPageCharaEffectCore page(table);
  cTableLists<cCharaEffectData> lists(page);
  lists.m_Table.m_List.SelectAccelSet(0, 1);
  lists.m_Table.m_List.SelectMenuSet(0, 1);
  page.OnShown();
  struct cRow {
    const char* m_pCommand;
    int m_nRow;  // selected first
    uint16_t m_wId;
    int m_nEntry;  // edited after the command
    int m_nKind;
    std::vector<int> m_vStored;
  };
  const std::vector<int> cleared = Stored(cCharaEffectData());
  const cRow rows[] = {
      {"Delete (クリア)", 0, 40008, 1, 1, cleared},
      {"Ctrl+X", 1, 40009, 2, 2, {5, 0, 32, 4, 0}},
      {"データのクリア", 2, 40041, 3, 1, cleared},
      {"Ctrl+I (新規)", 4, 40002, 6, 1, cleared},
  };
  for (const cRow& row : rows) {
    SelectRecord(page, lists, row.m_nRow);
    ASSERT_EQ(page.Panel().Kind(), kColourChangeKind) << row.m_pCommand;
    ASSERT_EQ(page.ListCommand(row.m_wId), 1) << row.m_pCommand;
    ASSERT_EQ(page.List().m_nCurSel + 1, row.m_nEntry) << row.m_pCommand;
    EXPECT_EQ(page.Panel().Kind(), row.m_nKind) << row.m_pCommand;
    page.StoreControls();
    EXPECT_EQ(page.m_vWork[row.m_nEntry].m_nKind, row.m_nKind) << row.m_pCommand;
    EXPECT_EQ(Stored(page.m_vWork[row.m_nEntry]), row.m_vStored) << row.m_pCommand;
  }
}
