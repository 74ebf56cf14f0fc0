#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "app/DataFile.h"
#include "app/cValInfoData.h"
#include "model/VariableNames.h"
#include "project/cWorldEventRules.h"
#include "project/cWorldMapSettings.h"
#include "tests/support/TestSupport.h"

namespace {

// The common variable names of a test, registered as the game's are after the project load.
class cCommonNames {
public:
  cCommonNames() {
    m_Saved.swap(g_vValInfo);
    g_vValInfo.resize(1000);
    RegisterVariableNames(kVarScopeCommon, &g_vValInfo);
  }
  ~cCommonNames() {
    m_Saved.swap(g_vValInfo);
    RegisterVariableNames(kVarScopeCommon, &g_vValInfo);
  }

private:
  cVector<cValInfoData> m_Saved;
};

}  // namespace

TEST(WorldEventRules, PageRowsAndTypeRule) {
  struct cRow {
    int32_t m_nType, m_nNumber;
    const char* m_pRow;
    int32_t m_nNumberAfter;
    int m_bChanged;
  };
  const cRow rows[] = {
      {0, 0, "ワールド番号 0", 0, 0}, {0, 12, "ワールド番号 12", 12, 0}, {0, 999, "ワールド番号 999", 999, 0},
      {1, 5, "ワールド番号 0", 0, 1}, {2, 7, "ワールド番号 0", 0, 1}, {1, 0, "ワールド番号 0", 0, 0},
  };
  for (const cRow& row : rows) {
    cWorldEventPage page;
    page.m_nType = row.m_nType;
    page.m_nWorldNo = row.m_nNumber;
    EXPECT_EQ(cWorldEventRules::ApplyType(page), row.m_bChanged);
    EXPECT_EQ(page.m_nWorldNo, row.m_nNumberAfter);
    EXPECT_EQ(cWorldEventRules::PageRow(page), row.m_pRow);
  }
  // Back to "ワールド" the number stays 0.
  cWorldEventPage page;
  page.m_nType = cWorldEventPage::kTypeRoad;
  page.m_nWorldNo = 4;
  cWorldEventRules::ApplyType(page);
  page.m_nType = cWorldEventPage::kTypeWorld;
  cWorldEventRules::ApplyType(page);
  EXPECT_EQ(page.m_nWorldNo, 0);
}

TEST(WorldEventRules, EnablesFollowTypeConditionAndVariation) {
  struct cRow {
    int32_t m_nType, m_nCondVar, m_bVariation;
    int32_t m_bCondition, m_bWorld, m_bVariationControls;
  };
  const cRow rows[] = {
      {0, 0, 0, 0, 1, 0}, {0, 5, 0, 1, 1, 0}, {0, 0, 1, 0, 1, 1},
      {1, 3, 1, 1, 0, 0}, {2, 0, 1, 0, 0, 0}, {2, 999, 0, 1, 0, 0},
  };
  for (const cRow& row : rows) {
    SCOPED_TRACE(row.m_nType * 100 + row.m_nCondVar + row.m_bVariation);
    cWorldEventPage page;
    page.m_nType = row.m_nType;
    page.m_nCondVar = row.m_nCondVar;
    page.m_bVariation = row.m_bVariation;
    std::map<int, int32_t> enabled;
    for (const cCtrlEnable& control : cWorldEventRules::Enables(page)) enabled[control.m_nId] = control.m_bEnabled;
    ASSERT_EQ(enabled.size(), 12u);
    for (int id : {kIdcCondValue, kIdcCondCompare}) EXPECT_EQ(enabled[id], row.m_bCondition) << id;
    for (int id : {kIdcWorldNo, kIdcWorldName, kIdcStartStage, kIdcVariation, kIdcPassWithoutClear,
                   kIdcPlayAfterClear, kIdcGameClear})
      EXPECT_EQ(enabled[id], row.m_bWorld) << id;
    for (int id : {kIdcVariationVar, kIdcVariationRename, kIdcVariationValue})
      EXPECT_EQ(enabled[id], row.m_bVariationControls) << id;
  }
}

TEST(WorldEventRules, NumericRanges) {
  cWorldEventPage page;
  for (const cWorldEventNumber& number : kWorldEventNumbers) {
    page.*number.m_pMember = number.m_nMax;
    EXPECT_LT(number.m_nMin, number.m_nMax);
  }
  EXPECT_EQ(page.m_nWorldNo, 999);
  EXPECT_EQ(page.m_nNeedClearWorld, 999);
  EXPECT_EQ(page.m_nCondValue, 999999);
  EXPECT_EQ(page.m_nTotalScore, 999999);
  EXPECT_EQ(page.m_nVariationValue, 999999);
  EXPECT_EQ(kWorldEventNumbers[1].m_nMin, -999999);
}

TEST(WorldEventRules, ComboRows) {
  cCommonNames names;
  g_vValInfo[1].m_strName = "難易度";
  cVector<cString> graphic = cWorldEventRules::GraphicRows(96);
  EXPECT_EQ(graphic, (cVector<cString>{"1", "2", "3"}));
  EXPECT_TRUE(cWorldEventRules::GraphicRows(31).empty());
  cVector<cString> cond = cWorldEventRules::CondVarRows();
  ASSERT_EQ(cond.size(), 1000u);
  EXPECT_EQ(cond[0], "変数条件なし");
  EXPECT_EQ(cond[1], "001 難易度");
  EXPECT_EQ(cond[999], "999 ");
  cVector<cString> variation = cWorldEventRules::VariationVarRows();
  ASSERT_EQ(variation.size(), 999u);
  // The default page's variation variable 1 selects the first row.
  cWorldEventPage page;
  EXPECT_EQ(variation[page.m_nVariationVar - cWorldEventRules::kVariationVarRowOffset], "001 難易度");
  EXPECT_EQ(cond[page.m_nCondVar - cWorldEventRules::kCondVarRowOffset], "変数条件なし");
}

TEST(WorldEventRules, RenamingAVariableSavesTheNamesAtOnce) {
  cScratchFolder folder;
  cFakeShell shell;
  cCommonNames names;
  std::filesystem::create_directory("data");
  EXPECT_EQ(cWorldEventRules::CanRenameVariable(0), 0);
  EXPECT_EQ(shell.m_nBeeps, 1) << "\"変数条件なし\" has nothing to rename";
  EXPECT_EQ(cWorldEventRules::CanRenameVariable(1), 1);
  EXPECT_EQ(cWorldEventRules::CanRenameVariable(999), 1);
  EXPECT_EQ(shell.m_nBeeps, 1);
  EXPECT_EQ(cWorldEventRules::RenameVariable(12, "ハード"), 1);
  EXPECT_EQ(cWorldEventRules::CondVarRows()[12], "012 ハード");
  cVector<cValInfoData> saved;
  ASSERT_EQ(LoadTableFile(saved, "data\\GValInfo.dat"), 1);
  ASSERT_EQ(saved.size(), 1000u);
  EXPECT_EQ(saved[12].m_strName, "ハード");
  EXPECT_EQ(cWorldEventRules::RenameVariable(0, "x"), 0);
  EXPECT_TRUE(shell.m_vBoxes.empty());
  // A names file that cannot be written is told.
  std::filesystem::create_directory(HostPath("data\\GValInfo.dat.~tmp"));
  EXPECT_EQ(cWorldEventRules::RenameVariable(13, "y"), 0);
  ASSERT_EQ(shell.m_vBoxes.size(), 1u);
  EXPECT_EQ(shell.m_vBoxes[0].m_strText, "data\\GValInfo.dat の保存に失敗しました！");
}

TEST(WorldMapSettings, OkResizesTheMap) {
  cWorldMapDoc doc;
  cWorldMapSettings settings(doc);
  EXPECT_EQ(settings.m_nNewWidth, 20);
  EXPECT_EQ(settings.m_nNewHeight, 15);
  settings.m_nNewWidth = 200;
  settings.m_nNewHeight = 150;
  doc.m_nStartX = 199;
  doc.m_nStartY = 149;
  doc.m_nBackColor = 300;
  ASSERT_EQ(settings.Apply(doc), 1);
  EXPECT_EQ(doc.m_nPitch, 256);
  EXPECT_EQ(doc.m_vMap.size(), 256u * 150);
  EXPECT_EQ(doc.m_nBackColor, 207);
  EXPECT_EQ(doc.m_nStartX, 199);
  // Sizes and values outside the edits' ranges are held to them.
  struct cRow {
    int32_t m_nWidth, m_nHeight, m_nStartX, m_nBackColor;
    int32_t m_nWidthAfter, m_nHeightAfter, m_nStartXAfter, m_nBackColorAfter;
  };
  const cRow rows[] = {
      {20, 15, 0, 16, 20, 15, 0, 16},       {19, 14, -1, 15, 20, 15, 0, 16},
      {201, 151, 200, 208, 200, 150, 199, 207}, {33, 40, 12, 100, 33, 40, 12, 100},
  };
  for (const cRow& row : rows) {
    cWorldMapSettings chosen(doc);
    chosen.m_nNewWidth = row.m_nWidth;
    chosen.m_nNewHeight = row.m_nHeight;
    doc.m_nStartX = row.m_nStartX;
    doc.m_nBackColor = row.m_nBackColor;
    ASSERT_EQ(chosen.Apply(doc), 1);
    EXPECT_EQ(doc.m_nWidth, row.m_nWidthAfter);
    EXPECT_EQ(doc.m_nHeight, row.m_nHeightAfter);
    EXPECT_EQ(doc.m_nStartX, row.m_nStartXAfter);
    EXPECT_EQ(doc.m_nBackColor, row.m_nBackColorAfter);
  }
  EXPECT_EQ(cWorldMapSettings::kWidth.m_nId, kIdcMapWidth);
  EXPECT_EQ(cWorldMapSettings::kHeight.m_nSpinId, kIdcMapHeightSpin);
}
