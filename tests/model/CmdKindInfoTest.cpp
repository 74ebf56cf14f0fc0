#include "model/cCmdKindInfo.h"

#include <gtest/gtest.h>

TEST(CmdKindInfo, BothSetsNameAndSizeTheirKinds) {
  struct Row {
    int m_nSet, m_nKind;
    const char* m_pName;
    int m_nCount;
  } rows[] = {
      {0, 0, "", 0},          {1, 0, "", 0},          {0, 1, "ウエイト", 0},    {0, 10, "ジャンプ", 5},
      {0, 16, "フローの操作", 4}, {0, 17, "ステージクリア", 9}, {1, 2, "ステージクリア", 9},
      {0, 19, "メッセージ", 18},  {1, 1, "フローの変更", 2},   {0, 38, "アレンジ", 5},
      {1, 23, "アレンジ", 5},     {0, 39, "ループ", 2},       {1, 24, "ループ", 2},
      {7, 24, "ループ", 2},  // any set but 0 is the item-effect set
  };
  for (const Row& row : rows) {
    const cCmdKindInfo* info = FindCmdKind(row.m_nSet, row.m_nKind);
    ASSERT_NE(info, nullptr) << row.m_nSet << "/" << row.m_nKind;
    EXPECT_EQ(info->m_strName, row.m_pName) << row.m_nSet << "/" << row.m_nKind;
    EXPECT_EQ(info->m_nParamCount, row.m_nCount) << row.m_nSet << "/" << row.m_nKind;
  }
  // Every item kind from 2 on is the character kind 15 higher.
  for (int kind = 2; kind < kItemCmdCount; ++kind) {
    EXPECT_EQ(ItemCmdSet[kind].m_strName, CharaCmdSet[kind + kItemCmdOffset].m_strName);
    EXPECT_EQ(ItemCmdSet[kind].m_nParamCount, CharaCmdSet[kind + kItemCmdOffset].m_nParamCount);
  }
  // Kinds outside the sets have no entry.
  EXPECT_EQ(FindCmdKind(0, 40), nullptr);
  EXPECT_EQ(FindCmdKind(1, 25), nullptr);
  EXPECT_EQ(FindCmdKind(0, -1), nullptr);
}
