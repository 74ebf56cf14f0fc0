#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/EffectKindTables.h"

namespace {

struct cFamily {
  const char* m_pName;
  int m_nKinds;
  const cString* m_pNames;
  const cString* m_pNotes;
  const cEffectParam (*m_pParams)[kEffectParams];
  std::vector<int> m_vUsedMasks;  // per kind 1..N, bit i: parameter i has a label
};

const cFamily kFamilies[] = {
    {"chara", kCharaEffectKinds, CharaEffectNames, CharaEffectNotes, CharaEffectParams,
     {0x07, 0x0F, 0x0F, 0x1F, 0x1F, 0x03, 0x07, 0x07, 0x07, 0x0F, 0x07, 0x1F, 0x0F, 0x03, 0x07, 0x07}},
    {"screen", kScrEffectKinds, ScrEffectNames, ScrEffectNotes, ScrEffectParams,
     {0x1F, 0x07, 0x07, 0x0F, 0x0F, 0x1F, 0x1F, 0x03, 0x07, 0x0F, 0x07, 0x1F, 0x07}},
};

}  // namespace

TEST(EffectKindTablesTest, EveryKindHasNameNoteAndItsParameters) {
  for (const cFamily& family : kFamilies) {
    SCOPED_TRACE(family.m_pName);
    ASSERT_EQ(family.m_vUsedMasks.size(), static_cast<size_t>(family.m_nKinds));
    EXPECT_TRUE(family.m_pNames[family.m_nKinds].empty());
    EXPECT_TRUE(family.m_pNotes[family.m_nKinds].empty());
    for (int i = 0; i < kEffectParams; ++i) EXPECT_TRUE(family.m_pParams[0][i].m_strLabel.empty()) << "kind 0";
    for (int kind = 1; kind <= family.m_nKinds; ++kind) {
      SCOPED_TRACE(kind);
      EXPECT_FALSE(family.m_pNames[kind - 1].empty());
      const std::string& note = family.m_pNotes[kind - 1];
      EXPECT_EQ(note.rfind("Direct3D有効時：", 0), 0u);
      EXPECT_NE(note.find("\nDirect3D無効時："), std::string::npos);
      const cEffectParam* row = family.m_pParams[kind];
      EXPECT_EQ(row[0].m_strLabel, "実行時間(1/10s)");
      EXPECT_EQ(row[0].m_nMin, 1);
      EXPECT_EQ(row[0].m_nMax, 9999);
      for (int i = 0; i < kEffectParams; ++i) {
        bool used = (family.m_vUsedMasks[kind - 1] >> i) & 1;
        EXPECT_EQ(row[i].m_strLabel.IsNotEmpty(), used ? 1 : 0) << "parameter " << i;
        if (!used) {
          EXPECT_EQ(row[i].m_nMin | row[i].m_nMax | row[i].m_nDefault, 0) << "parameter " << i;
        }
        if (used) {
          EXPECT_LE(row[i].m_nMin, row[i].m_nDefault) << "parameter " << i;
        }
        if (used) {
          EXPECT_LE(row[i].m_nDefault, row[i].m_nMax) << "parameter " << i;
        }
      }
    }
  }
}

TEST(EffectKindTablesTest, TextsRangesAndDefaultsThatMatter) {
  EXPECT_EQ(CharaEffectNames[6], "回転A");
  EXPECT_EQ(CharaEffectNotes[6], "Direct3D有効時：回転Aと回転Bは同じ\nDirect3D無効時：巨大キャラには実行速度重視");
  EXPECT_EQ(CharaEffectNames[15], "ぼかし");
  EXPECT_EQ(CharaEffectNotes[15], "Direct3D有効時：遅い\nDirect3D無効時：画面が16bit色以上でのみ有効。遅い");
  EXPECT_EQ(CharaEffectNotes[0], "Direct3D有効時：\nDirect3D無効時：");
  EXPECT_EQ(ScrEffectNames[12], "モザイク");

  struct cRange {
    const cEffectParam& m_Param;
    const char* m_pLabel;
    int m_nMin, m_nMax, m_nDefault;
  };
  const cRange ranges[] = {
      {CharaEffectParams[12][3], "ズレX(dot)", -16, 16, 0},
      {CharaEffectParams[12][4], "ズレY(dot)", -16, 16, 0},
      {ScrEffectParams[12][3], "ズレX(dot)", -320, 320, 0},
      {ScrEffectParams[12][4], "ズレY(dot)", -240, 240, 0},
      {ScrEffectParams[1][1], "開始座標X(dot)", -640, 640, 0},
      {ScrEffectParams[1][2], "開始座標Y(dot)", -480, 480, 0},
      {ScrEffectParams[11][2], "終了幅(dot)", 0, 6400, 1280},
      {CharaEffectParams[13][3], "色", 16, 207, 16},
      // The defaults that old effect files take.
      {CharaEffectParams[4][4], "波の粗さ(dot)", 1, 4, 2},
      {CharaEffectParams[10][3], "円の粗さ(dot)", 1, 4, 2},
      {ScrEffectParams[6][4], "波の粗さ(dot)", 1, 48, 8},
      {ScrEffectParams[7][4], "波の粗さ(dot)", 1, 64, 10},
      {ScrEffectParams[10][3], "円の粗さ(dot)", 1, 48, 8},
  };
  for (const cRange& range : ranges) {
    SCOPED_TRACE(range.m_pLabel);
    EXPECT_EQ(range.m_Param.m_strLabel, range.m_pLabel);
    EXPECT_EQ(range.m_Param.m_nMin, range.m_nMin);
    EXPECT_EQ(range.m_Param.m_nMax, range.m_nMax);
    EXPECT_EQ(range.m_Param.m_nDefault, range.m_nDefault);
  }

  int mosaic[kEffectParams];
  for (int i = 0; i < kEffectParams; ++i) mosaic[i] = ScrEffectParams[13][i].m_nDefault;
  EXPECT_EQ(std::vector<int>(mosaic, mosaic + kEffectParams), (std::vector<int>{10, 1, 60, 0, 0}));
}
