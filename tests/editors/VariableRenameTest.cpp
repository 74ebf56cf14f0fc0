// Renaming variables: which name changes, and when data\GValInfo.dat is written.
#include "app/DataFile.h"
#include "app/DataPaths.h"
#include "app/PathUtil.h"
#include "app/cValInfoData.h"
#include "editors/VariableRename.h"
#include "model/VariableNames.h"
#include "tests/editors/EditorTest.h"

namespace {
class VariableRenameTest : public EditorTest {
protected:
  void SetUp() override {
    EditorTest::SetUp();
    m_vSaved.swap(g_vValInfo);
    g_vValInfo.resize(1000);
    g_StageDoc.m_vStageVarName.resize(1000);
  }
  void TearDown() override {
    m_vSaved.swap(g_vValInfo);
    EditorTest::TearDown();
  }
  cVector<cValInfoData> m_vSaved;
};
}  // namespace

TEST_F(VariableRenameTest, OnlyThreeDialogsSaveTheCommonNamesAtOnce) {
  struct cCase {
    int m_nSite, m_nScope, m_bSaves;
  };
  const cCase cases[] = {
      {kRenameCommonVarCond, kVarScopeCommon, 1}, {kRenameMessage, kVarScopeCommon, 1},
      {kRenameCode, kVarScopeCommon, 1},          {kRenameStatusCond, kVarScopeCommon, 0},
      {kRenameOther, kVarScopeCommon, 0},         {kRenameStageVarCond, kVarScopeStage, 0},
      {kRenameStatusCond, kVarScopeStage, 0},     {kRenameMessage, kVarScopeStage, 0},
      {kRenameCommonVarCond, 5, 0},
  };
  for (const cCase& c : cases)
    EXPECT_EQ(RenameSavesAtOnce(c.m_nSite, c.m_nScope), c.m_bSaves) << c.m_nSite << " " << c.m_nScope;
}

TEST_F(VariableRenameTest, TheSlotIsTheNameOfAnOfferedVariable) {
  EXPECT_EQ(VariableNameSlot(kVarScopeCommon, 5), &g_vValInfo[5].m_strName);
  EXPECT_EQ(VariableNameSlot(kVarScopeStage, 999), &g_StageDoc.m_vStageVarName[999].m_strName);
  for (int number : {0, -1, 1000}) {
    EXPECT_EQ(VariableNameSlot(kVarScopeCommon, number), nullptr) << number;
    EXPECT_EQ(VariableNameSlot(kVarScopeStage, number), nullptr) << number;
  }
  EXPECT_EQ(VariableNameSlot(2, 5), nullptr);
}

TEST_F(VariableRenameTest, ACommonRenameWritesTheNamesFileAtOnceAStageRenameNothing) {
  ASSERT_TRUE(MakeDirectory("data"));
  *VariableNameSlot(kVarScopeStage, 3) = "扉";
  EXPECT_EQ(FinishVariableRename(kRenameStageVarCond, kVarScopeStage), 1);
  *VariableNameSlot(kVarScopeCommon, 5) = "所持金";
  EXPECT_EQ(FinishVariableRename(kRenameStatusCond, kVarScopeCommon), 1);
  EXPECT_FALSE(FileThere("data\\GValInfo.dat"));
  EXPECT_EQ(FinishVariableRename(kRenameCommonVarCond, kVarScopeCommon), 1);
  cVector<cValInfoData> loaded;
  ASSERT_EQ(LoadTableFile(loaded, "data\\GValInfo.dat"), 1);
  ASSERT_EQ(loaded.Count(), 1000);
  EXPECT_EQ(loaded[5].m_strName, "所持金");
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());
}

TEST_F(VariableRenameTest, AFailedWriteIsReportedByItsPath) {
  WriteFileBytes("data", Bytes{1});  // a file where the folder should be
  *VariableNameSlot(kVarScopeCommon, 5) = "所持金";
  EXPECT_EQ(FinishVariableRename(kRenameCode, kVarScopeCommon), 0);
  ASSERT_EQ(m_Shell.m_vBoxes.size(), 1u);
  EXPECT_EQ(m_Shell.m_vBoxes[0].m_strText,
            "data\\GValInfo.dat の保存に失敗しました！\n保存前のファイルはそのまま残っています。");
  EXPECT_EQ(m_Shell.m_vBoxes[0].m_strCaption, "エラー");
}
