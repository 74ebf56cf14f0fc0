#include <gtest/gtest.h>

#include "database/cPictureData.h"
#include "model/cEdBlock.h"
#include "ui/ComboItems.h"
#include "ui/CtrlCommand.h"

namespace {
struct cNamed {
  cString m_strName;
};
cVector<cNamed> Table() { return {{"なし"}, {"a"}, {"b"}, {"c"}}; }
}  // namespace

TEST(ComboItems, RowsMapToDataWithTheirOffset) {
  struct Row {
    int data, offset, pos;
  } rows[] = {{2, 1, 1}, {3, 1, 2}, {0, 1, -1}, {4, 1, 3}, {7, 5, 2}, {0, 0, 0}};
  for (const Row& row : rows) EXPECT_EQ(ComboDataToPos<short>(row.data, row.offset, nullptr), row.pos);
  int32_t overrun = -1;
  EXPECT_EQ(ComboPosToData<char>(2, 1, nullptr, &overrun), 3);
  EXPECT_EQ(ComboPosToData<char>(-1, 1, nullptr, &overrun), 0) << "no selection: offset - 1";
  EXPECT_EQ(overrun, 0);
}

TEST(ComboItems, ConversionTableMapsBothWays) {
  cVector<int> table = {10, 20, 30};
  EXPECT_EQ(ComboDataToPos<int>(20, 0, &table), 1);
  EXPECT_EQ(ComboDataToPos<int>(25, 0, &table), -1);
  int32_t overrun = 0;
  EXPECT_EQ(ComboPosToData<int>(2, 0, &table, &overrun), 30);
  EXPECT_EQ(ComboPosToData<int>(3, 0, &table, &overrun), -1);
  EXPECT_EQ(overrun, 1);
}

TEST(ComboItems, ItemArraysEndAtTheirFirstEmptyText) {
  const cString items[] = {"上", "下", "", "後"};
  EXPECT_EQ(CountComboItems(items), 2);
  EXPECT_EQ(CountComboItems(nullptr), 0);
}

TEST(ComboItems, NumberedLabelsOfTablesAndPalettes) {
  std::vector<cString> labels;
  MakeComboLabels(labels, Table());
  EXPECT_EQ(labels, (std::vector<cString>{"001 a", "002 b", "003 c"}));
  MakeComboLabels(labels, Table(), "なし", 0, 2, 0);
  EXPECT_EQ(labels, (std::vector<cString>{"なし", "01 a", "02 b", "03 c"}));
  MakeComboLabels(labels, Table(), nullptr, 2, 4, 100);
  EXPECT_EQ(labels, (std::vector<cString>{"0102 b", "0103 c"}));
  MakeComboLabels(labels, cVector<cNamed>());
  EXPECT_TRUE(labels.empty());
}

TEST(CtrlCommand, BindingsMatchTheirKindsNotification) {
  auto wp = [](unsigned id, unsigned code) { return static_cast<uint32_t>(id | (code << 16)); };
  struct Row {
    int kind;
    uint32_t wParam;
    int match;
  } rows[] = {
      {kCtrlCheck, wp(1010, 0), 1},     {kCtrlBitmap, wp(1010, 0), 0},     {kCtrlCheck, wp(1011, 0), 0},
      {kCtrlButton, wp(1010, 0), 1},    {kCtrlButton, wp(1010, 5), 0},     {kCtrlEditVal, wp(1010, 0x300), 1},
      {kCtrlEditText, wp(1010, 0x400), 0}, {kCtrlCombo, wp(1010, 1), 1},   {kCtrlList, wp(1010, 1), 1},
      {kCtrlSlider, wp(1010, 0), 0},
  };
  for (const Row& row : rows) EXPECT_EQ(MatchCommand(row.kind, 1010, row.wParam), row.match) << row.kind;
}

TEST(ComboItems, LabelsOfPaletteEntriesAndDatabaseTables) {
  cVector<cEdBlock> blocks(3);
  blocks[1].m_strName = "草地";
  blocks[2].m_strName = "岩";
  std::vector<cString> labels;
  MakeComboLabels(labels, blocks, nullptr, 0, 3, 0);
  EXPECT_EQ(labels.size(), 3u);
  EXPECT_EQ(labels[2], "002 岩");
  cVector<cSoundData> sounds(2);
  sounds[1].m_strName = "ジャンプ";
  MakeComboLabels(labels, sounds);
  EXPECT_EQ(labels, (std::vector<cString>{"001 ジャンプ"}));
}
