// The stage settings sheet driven through its controls: bindings, ranges, labels, enables, the
// hidden widths and the memory estimate, apply, cancel and close.
#include "tests/stage/win/StageSettingsTest.h"

#include <cmath>
#include <functional>
#include <vector>

#include <mmsystem.h>

#include "app/DataPaths.h"
#include "app/PathUtil.h"
#include "app/win/cSoundWin.h"
#include "app/cBgmManager.h"
#include "tests/stage/StageTest.h"
#include "tests/support/FakeSound.h"
#include "tests/support/MidiFixtures.h"

namespace {

using S = cStageDoc;
using tRead = std::function<double()>;

tRead Member(int32_t S::*member) {
  return [member] { return g_StageDoc.*member; };
}
tRead Vanish(int rule, int32_t cAutoVanishData::*member) {
  return [rule, member] { return g_StageDoc.m_aAutoVanish[rule].*member; };
}

// A numeric edit: its page, id, the member it stores into and its range.
struct cNumCtrl {
  int m_nPage;
  uint16_t m_nId;
  tRead m_Read;
  double m_dMin;
  double m_dMax;
};

std::vector<cNumCtrl> NumCtrls() {
  std::vector<cNumCtrl> rows = {
      {0, 11214, Member(&S::m_nLimitLeft), 0, 492},       {0, 11216, Member(&S::m_nLimitRight), 19, 511},
      {0, 11218, Member(&S::m_nLimitTop), 0, 497},        {0, 11220, Member(&S::m_nLimitBottom), 14, 511},
      {0, 1256, Member(&S::m_nAutoScrollX), -480, 480},   {0, 1259, Member(&S::m_nAutoScrollY), -480, 480},
      {0, 1258, Member(&S::m_nTimeLimit), 1, 999},        {0, 1262, Member(&S::m_nWarningTime), 0, 999},
      {0, 1273, Member(&S::m_nPlInvincible), 0, 9999},    {0, 1275, Member(&S::m_nPlInvincibleSame), 1, 9999},
      {0, 1277, Member(&S::m_nEnInvincible), 0, 9999},    {0, 1279, Member(&S::m_nEnInvincibleSame), 1, 9999},
      {1, 11222, Member(&S::m_nFrameRate), 30, 120},
      {2, 1312, Member(&S::m_nHitPlWalkBlockW), 1, 32},   {2, 11232, Member(&S::m_nHitPlWalkBlockH), 1, 32},
      {2, 1315, Member(&S::m_nHitPlFlyBlockW), 1, 32},    {2, 11237, Member(&S::m_nHitPlFlyBlockH), 1, 32},
      {2, 1270, Member(&S::m_nHitPlWalkCharaW), 1, 32},   {2, 11224, Member(&S::m_nHitPlWalkCharaH), 1, 32},
      {2, 1304, Member(&S::m_nHitPlFlyCharaW), 1, 32},    {2, 11230, Member(&S::m_nHitPlFlyCharaH), 1, 32},
      {2, 1276, Member(&S::m_nHitPlShotW), 1, 32},        {2, 11226, Member(&S::m_nHitPlShotH), 1, 32},
      {2, 1272, Member(&S::m_nHitPlItemW), 1, 32},        {2, 11225, Member(&S::m_nHitPlItemH), 1, 32},
      {2, 1320, Member(&S::m_nHitEnWalkBlockW), 1, 32},   {2, 11238, Member(&S::m_nHitEnWalkBlockH), 1, 32},
      {2, 1323, Member(&S::m_nHitEnFlyBlockW), 1, 32},    {2, 11239, Member(&S::m_nHitEnFlyBlockH), 1, 32},
      {2, 1280, Member(&S::m_nHitEnWalkCharaW), 1, 32},   {2, 11227, Member(&S::m_nHitEnWalkCharaH), 1, 32},
      {2, 1307, Member(&S::m_nHitEnFlyCharaW), 1, 32},    {2, 11231, Member(&S::m_nHitEnFlyCharaH), 1, 32},
      {2, 1288, Member(&S::m_nHitEnShotW), 1, 32},        {2, 11229, Member(&S::m_nHitEnShotH), 1, 32},
      {2, 1282, Member(&S::m_nHitItemCharaW), 1, 32},     {2, 11228, Member(&S::m_nHitItemCharaH), 1, 32},
      {2, 1284, Member(&S::m_nHitPlShotCharaW), 1, 16},   {2, 11233, Member(&S::m_nHitPlShotCharaH), 1, 16},
      {2, 1294, Member(&S::m_nHitPlShotShotW), 1, 16},    {2, 11234, Member(&S::m_nHitPlShotShotH), 1, 16},
      {2, 1296, Member(&S::m_nHitEnShotCharaW), 1, 16},   {2, 11235, Member(&S::m_nHitEnShotCharaH), 1, 16},
      {2, 1298, Member(&S::m_nHitEnShotShotW), 1, 16},    {2, 11236, Member(&S::m_nHitEnShotShotH), 1, 16},
  };
  int32_t cAutoVanishData::*sides[4] = {&cAutoVanishData::m_nLeft, &cAutoVanishData::m_nRight,
                                        &cAutoVanishData::m_nTop, &cAutoVanishData::m_nBottom};
  for (int k = 0; k < 20; ++k) rows.push_back({1, static_cast<uint16_t>(11223 + k), Vanish(k / 4, sides[k % 4]), 0, 99});
  return rows;
}

// A check box and the flag it stores.
struct cCheckCtrl {
  int m_nPage;
  uint16_t m_nId;
  std::function<int32_t()> m_Read;
};

std::vector<cCheckCtrl> CheckCtrls() {
  auto flag = [](int32_t S::*member) { return [member] { return g_StageDoc.*member; }; };
  std::vector<cCheckCtrl> rows = {
      {0, 1265, flag(&S::m_bLimitLeft)},    {0, 1266, flag(&S::m_bLimitRight)},  {0, 1267, flag(&S::m_bLimitTop)},
      {0, 1268, flag(&S::m_bLimitBottom)},  {0, 1269, flag(&S::m_bTimeLimit)},   {0, 1284, flag(&S::m_bStatusWindow)},
      {0, 1448, flag(&S::m_bBgmLoop)},      {0, 1449, flag(&S::m_bBgmKeep)},     {0, 1285, flag(&S::m_bNoClearWait)},
      {0, 1271, flag(&S::m_bStockLoad)},    {0, 1272, flag(&S::m_bStockStore)},  {0, 1281, flag(&S::m_bShowStageX)},
      {0, 1288, flag(&S::m_bShowReady)},    {0, 1282, flag(&S::m_bShowClear)},   {0, 1283, flag(&S::m_bShowGameOver)},
      {1, 1272, flag(&S::m_bZEnabled)},     {1, 1273, flag(&S::m_bNoDamageOffScreen)},
  };
  for (int item = 0; item < 5; ++item)
    rows.push_back({0, static_cast<uint16_t>(1316 + item), [item] { return g_StageDoc.m_vRankingItem[item]; }});
  int32_t cAutoVanishData::*sides[4] = {&cAutoVanishData::m_bLeft, &cAutoVanishData::m_bRight,
                                        &cAutoVanishData::m_bTop, &cAutoVanishData::m_bBottom};
  for (int k = 0; k < 20; ++k) {
    int32_t cAutoVanishData::*side = sides[k % 4];
    rows.push_back({1, static_cast<uint16_t>(1434 + k), [k, side] { return g_StageDoc.m_aAutoVanish[k / 4].*side; }});
  }
  return rows;
}

// A combo box: the value it stores, its row count and the value of its first row.
struct cComboCtrl {
  int m_nPage;
  uint16_t m_nId;
  std::function<int32_t()> m_Read;
  int m_nRows;
  int m_nOffset;
};

std::vector<cComboCtrl> ComboCtrls() {
  auto value = [](int32_t S::*member) { return [member] { return g_StageDoc.*member; }; };
  return {
      {0, 1286, [] { return EditConfig.m_nResizeDirX; }, 2, 0},
      {0, 1287, [] { return EditConfig.m_nResizeDirY; }, 2, 0},
      {0, 1263, value(&S::m_nScrollKindX), 2, 0},       {0, 1264, value(&S::m_nScrollKindY), 2, 0},
      {0, 11222, value(&S::m_nBgm), 3, 0},
      {1, 1271, value(&S::m_nHitLevel), 19, 1},         {1, 1279, value(&S::m_nShotHitPrecision), 6, 0},
      {2, 1314, value(&S::m_nHitPlWalkBlockPos), 2, 0}, {2, 1317, value(&S::m_nHitPlFlyBlockPos), 2, 0},
      {2, 1286, value(&S::m_nHitPlWalkCharaPos), 2, 0}, {2, 1306, value(&S::m_nHitPlFlyCharaPos), 2, 0},
      {2, 1322, value(&S::m_nHitEnWalkBlockPos), 2, 0}, {2, 1325, value(&S::m_nHitEnFlyBlockPos), 2, 0},
      {2, 1310, value(&S::m_nHitEnWalkCharaPos), 2, 0}, {2, 1311, value(&S::m_nHitEnFlyCharaPos), 2, 0},
      {2, 1318, value(&S::m_nHitPlBlockShow), 3, 0},    {2, 1319, value(&S::m_nHitPlBlockColor), 8, 0},
      {2, 1268, value(&S::m_nHitPlCharaShow), 3, 0},    {2, 1269, value(&S::m_nHitPlCharaColor), 8, 0},
      {2, 1274, value(&S::m_nHitPlItemShow), 3, 0},     {2, 1275, value(&S::m_nHitPlItemColor), 8, 0},
      {2, 1278, value(&S::m_nHitPlShotShow), 3, 0},     {2, 1279, value(&S::m_nHitPlShotColor), 8, 0},
  };
}

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

}  // namespace

TEST_F(StageSettingsTest, EveryNumericEditStoresTheTypedValueWithinItsRange) {
  Open();
  std::vector<cNumCtrl> rows = NumCtrls();
  // Below, inside (a value of its own for each edit) and above the range.
  for (int round = 0; round < 3; ++round) {
    std::vector<double> expected;
    for (size_t i = 0; i < rows.size(); ++i) {
      const cNumCtrl& row = rows[i];
      double inside = row.m_dMin + 1 + static_cast<int>(i) % static_cast<int>(row.m_dMax - row.m_dMin - 1);
      double typed = round == 0 ? row.m_dMin - 1 : round == 1 ? inside : row.m_dMax + 1;
      Type(Page(row.m_nPage), row.m_nId, Number(typed).c_str());
      expected.push_back(std::max(row.m_dMin, std::min(row.m_dMax, typed)));
    }
    Apply();
    for (size_t i = 0; i < rows.size(); ++i)
      EXPECT_EQ(rows[i].m_Read(), expected[i]) << "page " << rows[i].m_nPage << " id " << rows[i].m_nId << " round "
                                               << round;
  }
  // Gravity steps by a tenth within 0.1 to 1.0.
  const char* typed[] = {"0", "0.4", "1.5"};
  const double stored[] = {0.1, 0.4, 1.0};
  for (int round = 0; round < 3; ++round) {
    Type(Page(0), 11223, typed[round]);
    Apply();
    EXPECT_NEAR(g_StageDoc.m_dGravity, stored[round], 1e-9) << typed[round];
  }
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());
}

TEST_F(StageSettingsTest, EveryCheckBoxAndComboBoxStoresItsMember) {
  Open();
  std::vector<cCheckCtrl> checks = CheckCtrls();
  std::vector<cComboCtrl> combos = ComboCtrls();
  for (int on : {1, 0}) {
    for (const cCheckCtrl& row : checks) SetCheck(Page(row.m_nPage), row.m_nId, on);
    for (const cComboCtrl& row : combos) Choose(Page(row.m_nPage), row.m_nId, on ? row.m_nRows - 1 : 0);
    Apply();
    for (const cCheckCtrl& row : checks) EXPECT_EQ(row.m_Read(), on) << "page " << row.m_nPage << " check " << row.m_nId;
    for (const cComboCtrl& row : combos) {
      EXPECT_EQ(SendDlgItemMessageA(Page(row.m_nPage), row.m_nId, CB_GETCOUNT, 0, 0), row.m_nRows) << row.m_nId;
      EXPECT_EQ(row.m_Read(), row.m_nOffset + (on ? row.m_nRows - 1 : 0)) << "page " << row.m_nPage << " combo "
                                                                            << row.m_nId;
    }
  }
  // The hit level's tenth row stores 10.
  Choose(Page(1), 1271, 9);
  Apply();
  EXPECT_EQ(g_StageDoc.m_nHitLevel, 10);
}

TEST_F(StageSettingsTest, NameAndSizeEdits) {
  Open();
  HWND basic = Page(0);
  EXPECT_EQ(ItemText(basic, 11210), "20");
  EXPECT_EQ(ItemText(basic, 11211), "15");
  Type(basic, 1002, "草原ステージ");
  Type(basic, 11210, "10");
  Type(basic, 11211, "5");
  Apply();
  EXPECT_STREQ(g_StageDoc.m_strName.GetStr(), "草原ステージ");
  EXPECT_EQ(g_StageDoc.m_nWidth, 20) << "a width below 20 gives 20";
  EXPECT_EQ(g_StageDoc.m_nHeight, 15) << "a height below 15 gives 15";
  m_Shell.m_nFreeMemory = 8ull << 30;
  Type(basic, 11210, "600");
  Type(basic, 11211, "0");
  Apply();
  EXPECT_EQ(g_StageDoc.m_nWidth, 512);
  EXPECT_EQ(g_StageDoc.m_nHeight, 15);
  Type(basic, 11210, "64");
  Type(basic, 11211, "40");
  Apply();
  EXPECT_EQ(g_StageDoc.m_nWidth, 64);
  EXPECT_EQ(g_StageDoc.m_nHeight, 40);
  // The name takes at most 30 bytes.
  Type(basic, 1002, "あいうえおかきくけこさしすせそ");
  Apply();
  EXPECT_STREQ(g_StageDoc.m_strName.GetStr(), "あいうえおかきくけこさしすせそ");
  Type(basic, 1002, "あいうえおかきくけこさしすせそた");
  Apply();
  EXPECT_LE(std::string(g_StageDoc.m_strName.GetStr()).size(), 30u);
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());
}

TEST_F(StageSettingsTest, LabelsAreThoseOfTheTemplates) {
  cStageSettingsSheet* sheet = Open();
  char title[64] = {};
  GetWindowTextA(sheet->m_hWndSheet, title, sizeof title);
  EXPECT_STREQ(title, "ステージの設定");
  HWND tabs = reinterpret_cast<HWND>(SendMessageA(sheet->m_hWndSheet, PSM_GETTABCONTROL, 0, 0));
  const char* tabTitles[] = {"基本設定", "高度な設定", "高度な設定2"};
  for (int i = 0; i < 3; ++i) {
    char text[64] = {};
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(tabs, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(text, tabTitles[i]);
  }

  struct cLabel {
    int m_nPage;
    int m_nId;  // 0: a label of its own beside its control
    const char* m_pText;
  } labels[] = {
      {0, 0, "ステージ名"},
      {0, 0, "横幅(20～512)"},
      {0, 0, "縦幅(15～512)"},
      {0, 1265, "横スクロールの最小値（左端）を設定 →"},
      {0, 1266, "横スクロールの最大値（右端）を設定 →"},
      {0, 1267, "縦スクロールの最小値（上端）を設定 →"},
      {0, 1268, "縦スクロールの最大値（下端）を設定 →"},
      {0, 0, "横スクロール"},
      {0, 0, "縦スクロール"},
      {0, 0, "オートスクロール速度"},
      {0, 1269, "制限時間あり →"},
      {0, 0, "警告音の開始時間"},
      {0, 0, "重力"},
      {0, 0, "※「0.4」以外での動作は無保障"},
      {0, 0, "主人公の連続ダメージ無効化時間(1/60s)"},
      {0, 0, "主人公の同一キャラから受ける連続ダメージ無効化時間(1/60s)"},
      {0, 0, "敵の連続ダメージ無効化時間(1/60s)"},
      {0, 0, "敵の同一キャラから受ける連続ダメージ無効化時間(1/60s)"},
      {0, 1284, "ステータスウインドウを表示する"},
      {0, 0, "BGM"},
      {0, 1448, "ループ再生"},
      {0, 1449, "ステージのBGMが変わらないなら再生し直さない"},
      {0, 1285, "ステージクリアの後、決定キーの入力を待たずにシーンの切り替えを行う　※ただし、ランキングへ登録できなくなる"},
      {0, 0, "背景"},
      {0, 1271, "ステージ開始前、ストックからステータスを継承"},
      {0, 1272, "ステージクリア後、ストックへステータスを記憶"},
      {0, 1281, "STAGE X\n(テストプレイでは無効)"},
      {0, 1288, "READY\n(テストプレイでは無効)"},
      {0, 1282, "CLEAR！"},
      {0, 1283, "GAMEOVER"},
      {0, 1316, "スコア"},
      {0, 1317, "残り時間"},
      {0, 1318, "クリア時間"},
      {0, 1319, "残りHP"},
      {0, 1320, "残りSP"},
      {0, 0, "消費メモリ\r\n上限"},
      {0, 1217, "再生"},
      {0, 1219, "挿入"},
      {0, 1220, "編集"},
      {0, 1221, "削除"},
      {1, 0, "フレームレート"},
      {1, 0, "※「60」を推奨。\n※Direct3D使用時は垂直同期(System.iniの「VSync」)が有効だと「60」で固定される。"},
      {1, 0, "当たり判定レベル"},
      {1, 0, "※「レベル10」以外での動作は無保障（詳細はヘルプを参照）"},
      {1, 0, "キャラ対ショットの当たり判定精度"},
      {1, 0, "※「最大」以外での動作は無保障（詳細はヘルプを参照）"},
      {1, 1272, "キャラ・アイテム・ショット・ソードの「Z座標」を有効にする（OFFにすると実行速度が上がります）"},
      {1, 1273, "画面外ではダメージを受けない（OFFにすると実行速度が大幅に落ちます）"},
      {1, 0,
       "※「キャラ対ショットの当たり判定精度」が「当たり判定レベル」を超えないようにして下さい。\n　 「当たり判定レベル」 ÷ "
       "「キャラ対ショットの当たり判定精度」　が割り切れるようにして下さい。"},
      {1, 0, "自動消滅"},
      {1, 0, "敵(非ブロック)"},
      {1, 0, "敵(ブロック)"},
      {1, 0, "アイテム"},
      {1, 0, "主人公のショット"},
      {1, 0, "敵のショット"},
      {1, 0, "(bl)より左なら消滅"},
      {1, 0, "(bl)より右なら消滅"},
      {1, 0, "(bl)より上なら消滅"},
      {1, 0, "(bl)より下なら消滅"},
      {1, 1434, "画面左端＋"},
      {1, 1451, "画面右端＋"},
      {1, 1444, "画面上端＋"},
      {1, 1441, "画面下端＋"},
      {2, 0, "当たり判定範囲"},
      {2, 0, "横"},
      {2, 0, "縦"},
      {2, 0, "主人公"},
      {2, 0, "敵"},
      {2, 0, "アイテム"},
      {2, 0, "主人公のショット"},
      {2, 0, "敵のショット"},
      {2, 12862, "歩行時：対ブロック (16,24,下)"},
      {2, 12863, "飛行時：対ブロック (16,16,中)"},
      {2, 12860, "歩行時：対キャラ (16,24,下)"},
      {2, 12861, "飛行時：対キャラ (16,16,中)"},
      {2, 1290, "対ショット (12,8)"},
      {2, 1287, "対アイテム (16,16)"},
      {2, 1326, "歩行時：対ブロック (16,24,下)"},
      {2, 1327, "飛行時：対ブロック (16,16,中)"},
      {2, 1291, "歩行時：対キャラ (12,24,下)"},
      {2, 1308, "飛行時：対キャラ (12,16,中)"},
      {2, 1292, "対ショット (30,30)"},
      {2, 1293, "対キャラ (28,28)"},
      {2, 1300, "対キャラ (16,16)"},
      {2, 1301, "対ショット (16,16)"},
      {2, 1302, "対キャラ (16,16)"},
      {2, 1303, "対ショット (16,16)"},
      {2, 0,
       "＜説明＞\nそれぞれ「横」×「縦」の形式で設定します。( )内の値はデフォルト値です。\n「位置」が指定できないものは全て「中央」"
       "です(範囲の中心＝キャラの中心)。歩行時の「位置」は「下」を推奨します。\n\n※デフォルト値以外の動作は保障できません。特にデ"
       "フォルト値より小さくすると、ショットがキャラをすり抜ける（当たらずに貫通する）等の不具合が起こる可能性があります。\n※必ず"
       "偶数値にして下さい。"},
  };
  for (const cLabel& label : labels) {
    HWND page = Page(label.m_nPage);
    if (label.m_nId) EXPECT_EQ(ItemText(page, label.m_nId), label.m_pText) << label.m_nId;
    else EXPECT_EQ(PageTexts(page).count(label.m_pText), 1u) << label.m_pText;
  }
  const char* scrollKinds[] = {"主人公の位置に合わせてスクロール", "オートスクロール"};
  for (int row = 0; row < 2; ++row) {
    char text[128] = {};
    SendDlgItemMessageA(Page(0), 1263, CB_GETLBTEXT, row, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, scrollKinds[row]);
  }
  char bgm[64] = {};
  SendDlgItemMessageA(Page(0), 11222, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(bgm));
  EXPECT_STREQ(bgm, "001 草原");
}

TEST_F(StageSettingsTest, EnablesFollowTheCheckBoxesAndDisplayCombos) {
  Open();
  HWND basic = Page(0);
  auto enabled = [](HWND page, int id) { return IsWindowEnabled(GetDlgItem(page, id)) ? 1 : 0; };
  auto shown = [](HWND page, int id) { return (GetWindowLongA(GetDlgItem(page, id), GWL_STYLE) & WS_VISIBLE) ? 1 : 0; };
  const int checks[] = {1265, 1266, 1267, 1268}, edits[] = {11214, 11216, 11218, 11220}, spins[] = {11215, 11217, 11219, 11221};
  for (int side = 0; side < 4; ++side) {
    EXPECT_EQ(enabled(basic, edits[side]), 0) << "a new stage sets no limit";
    EXPECT_EQ(shown(basic, 1429 + side), 0);
    SetCheck(basic, checks[side], 1);
    EXPECT_EQ(enabled(basic, edits[side]), 1);
    EXPECT_EQ(enabled(basic, spins[side]), 1) << "the up-down goes with its edit";
    EXPECT_EQ(shown(basic, 1429 + side), 1);
  }
  SetCheck(basic, 1269, 1);
  EXPECT_EQ(enabled(basic, 1258), 1);
  EXPECT_EQ(enabled(basic, 1262), 1);
  SetCheck(basic, 1269, 0);
  EXPECT_EQ(enabled(basic, 1258), 0);
  EXPECT_EQ(enabled(basic, 1262), 0);
  SetCheck(basic, 1285, 1);
  for (int id = 1316; id <= 1320; ++id) EXPECT_EQ(enabled(basic, id), 0) << id;
  SetCheck(basic, 1285, 0);
  for (int id = 1316; id <= 1320; ++id) EXPECT_EQ(enabled(basic, id), 1) << id;

  HWND advanced = Page(1);
  EXPECT_EQ(enabled(advanced, 11226), 0);
  SetCheck(advanced, 1437, 1);
  EXPECT_EQ(enabled(advanced, 11226), 1);
  Type(advanced, 11226, "7");
  SetCheck(advanced, 1437, 0);
  EXPECT_EQ(enabled(advanced, 11226), 0);
  Apply();
  EXPECT_EQ(g_StageDoc.m_aAutoVanish[0].m_nBottom, 7) << "a disabled margin keeps its value";
  EXPECT_EQ(g_StageDoc.m_aAutoVanish[0].m_bBottom, 0);

  HWND advanced2 = Page(2);
  const int shows[] = {1318, 1268, 1274, 1278}, colours[] = {1319, 1269, 1275, 1279};
  for (int k = 0; k < 4; ++k) {
    Choose(advanced2, shows[k], 0);
    EXPECT_EQ(enabled(advanced2, colours[k]), 0) << colours[k];
    Choose(advanced2, shows[k], 2);
    EXPECT_EQ(enabled(advanced2, colours[k]), 1) << colours[k];
  }
}

TEST_F(StageSettingsTest, HiddenWidthsFollowWhatIsTyped) {
  g_StageDoc.SetSize(100, 50, 0, 0);
  Open();
  HWND basic = Page(0);
  SetCheck(basic, 1265, 1);
  SetCheck(basic, 1266, 1);
  Type(basic, 11214, "95");
  EXPECT_EQ(ItemText(basic, 1429), "隠れる幅 80(bl)");
  Type(basic, 11216, "99");
  EXPECT_EQ(ItemText(basic, 1430), "隠れる幅 0(bl)");
  Type(basic, 11216, "89");
  EXPECT_EQ(ItemText(basic, 1430), "隠れる幅 10(bl)");
  Type(basic, 11210, "120");
  EXPECT_EQ(ItemText(basic, 1429), "隠れる幅 95(bl)") << "a wider map hides all that the limit says";
  Type(basic, 11218, "5");
  EXPECT_EQ(ItemText(basic, 1431), "隠れる幅 5(bl)");
  Type(basic, 11220, "40");
  EXPECT_EQ(ItemText(basic, 1432), "隠れる幅 9(bl)");
}

TEST_F(StageSettingsTest, MemoryEstimateWithTheFreeMemoryOfTheShell) {
  const uint64_t step20x15 = 15ull * 32 * kSnapshotBytesPerCell;
  m_Shell.m_nFreeMemory = 11 * step20x15;
  g_StageDoc.m_nUndoDepth = 20;
  g_StageEditState.AllocateUndo(g_StageDoc.m_nUndoDepth, g_StageDoc.m_nPitch, g_StageDoc.m_nHeight);
  g_StageEditState.PushUndo(kLayerFlagBlock, g_StageDoc);
  Open();
  HWND basic = Page(0);
  EXPECT_EQ(ItemText(basic, 1427), "     2179 KB\r\n    13078 KB\r\n");
  EXPECT_EQ(ItemText(basic, 1428), "※元に戻せる回数 20 → 10");
  EXPECT_EQ(g_StageEditState.UndoCount(), 1) << "opening the sheet keeps the history";
  Type(basic, 11210, "512");
  Type(basic, 11211, "512");
  EXPECT_EQ(ItemText(basic, 1427), "  1190400 KB\r\n    13078 KB\r\n");
  EXPECT_EQ(ItemText(basic, 1428), "※元に戻せる回数 20 → 0") << "a need beyond the limit leaves no step";
  m_Shell.m_nFreeMemory = 64ull << 30;
  Type(basic, 11210, "20");
  Type(basic, 11211, "15");
  EXPECT_EQ(ItemText(basic, 1428), "");
  EXPECT_EQ(g_StageEditState.UndoCount(), 1) << "editing the size keeps the history";
}

TEST_F(StageSettingsTest, ApplyResizesWithTheAnchorsAndRescuesThePlayer) {
  cStageDoc& stage = g_StageDoc;
  stage.SetSize(50, 20, 0, 0);
  cEdChara player;
  player.m_nGraphic = 3;
  player.m_cControl = 0;
  stage.m_vCharaLayer.At(stage.CellIndex(40, 5)) = player;
  stage.m_vBlockLayer.At(stage.CellIndex(10, 19)).m_nGraphic = 4;
  g_StageEditState.AllocateUndo(5, stage.m_nPitch, stage.m_nHeight);
  g_StageEditState.PushUndo(kLayerFlagBlock, stage);
  Open();
  HWND basic = Page(0);
  Type(basic, 1002, "一面");
  Apply();
  EXPECT_EQ(g_StageEditState.UndoCount(), 1) << "an apply that keeps the size keeps the history";
  EXPECT_EQ(g_StageEditState.m_bStageModified, 1);

  Choose(basic, 1287, 1);  // grow or shrink at the top
  Type(basic, 11210, "30");
  Type(basic, 11211, "18");
  Apply();
  EXPECT_EQ(stage.m_nWidth, 30);
  EXPECT_EQ(stage.m_nHeight, 18);
  int x = -1, y = -1;
  stage.FindPlayer(x, y);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0) << "the player beyond the new width is rescued into the first cell";
  EXPECT_EQ(stage.m_vBlockLayer.Get(stage.CellIndex(10, 17)).m_nGraphic, 4) << "rows went at the top";
  EXPECT_EQ(g_StageEditState.UndoCount(), 0);
  cEditConfig saved;
  ASSERT_EQ(saved.LoadFile(g_DataPaths[kPathEditConfig].GetStr()), 1);
  EXPECT_EQ(saved.m_nResizeDirY, 1) << "the second pass saves the anchor the first stored";
  EXPECT_EQ(EditConfig.m_nResizeDirY, 1);
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());
}

TEST_F(StageSettingsTest, GrowingBeyondFreeMemoryIsRefusedAndTheOtherSettingsStay) {
  m_Shell.m_nFreeMemory = 1 << 20;
  Open();
  HWND basic = Page(0);
  Type(basic, 11210, "200");
  Type(basic, 1258, "300");
  Apply();
  EXPECT_EQ(g_StageDoc.m_nWidth, 20);
  EXPECT_EQ(g_StageDoc.m_nTimeLimit, 300);
  ASSERT_GE(m_Shell.m_vBoxes.size(), 1u);
  EXPECT_EQ(m_Shell.m_vBoxes[0].m_strText, "メモリ不足により、サイズの変更に失敗しました！");
}

TEST_F(StageSettingsTest, TheEstimateCountsTheMemoryTheUndoHistoryHoldsAsApplyDoes) {
  // 40 and 41 columns share the pitch of 64: the history holds half of what 41 x 30 needs.
  const uint64_t held = cStageEditState::EstimateSnapshotBytes(40, 30);
  const uint64_t need = 2 * cStageEditState::EstimateSnapshotBytes(41, 30);
  const struct {
    const char* m_pName;
    uint64_t m_nFree;
    const char* m_pWarning;
    int m_nWidth;
  } rows[] = {
      {"the rest is free: room for the one step, and applied", need - held, "", 41},
      {"a byte less: no step, and refused", need - held - 1, "※元に戻せる回数 1 → 0", 40},
  };
  {
    cHistoryMemoryShell shell;
    for (const auto& row : rows) {
      SCOPED_TRACE(row.m_pName);
      cStageDoc& stage = g_StageDoc;
      shell.m_nFreeMemory = 1ull << 30;
      shell.m_nHeld = 0;
      shell.m_vBoxes.clear();
      MakeHistoryHoldAPicture(stage, g_StageEditState, 40, 30);
      ASSERT_EQ(stage.m_nUndoDepth, 1);
      ASSERT_EQ(g_StageEditState.UndoLevels(), 1);
      shell.m_nFreeMemory = row.m_nFree;
      shell.m_nHeld = held;
      Open();
      HWND basic = Page(0);
      Type(basic, 11210, "41");
      char memory[64];
      std::snprintf(memory, sizeof memory, "%9u KB\r\n%9u KB\r\n", static_cast<unsigned>(need >> 10),
                    static_cast<unsigned>((held + row.m_nFree + held) >> 10));
      EXPECT_EQ(ItemText(basic, 1427), memory) << "beside one snapshot of the stage: the free memory and the history";
      EXPECT_EQ(ItemText(basic, 1428), row.m_pWarning);
      Apply();
      EXPECT_EQ(stage.m_nWidth, row.m_nWidth);
      // Refused, each pass of the apply says so.
      EXPECT_EQ(shell.m_vBoxes.empty(), row.m_nWidth == 41);
      for (const cFakeShell::cBox& box : shell.m_vBoxes)
        EXPECT_EQ(box.m_strText, "メモリ不足により、サイズの変更に失敗しました！");
      EXPECT_EQ(g_StageEditState.UndoLevels(), 0) << "released for the new size";
      Finish(PSBTN_CANCEL);
    }
  }
  SetShell(&m_Shell);
}

TEST_F(StageSettingsTest, CancelChangesNothingAndClosingTellsTheEditor) {
  g_StageDoc.m_strName = "元の名前";
  Bytes before = SavedBytes(g_StageDoc);
  Open();
  HWND basic = Page(0);
  Type(basic, 1002, "別の名前");
  Type(basic, 11210, "40");
  SetCheck(basic, 1284, 1);
  Type(Page(1), 11222, "90");
  Choose(Page(2), 1318, 2);
  Finish(PSBTN_CANCEL);
  EXPECT_EQ(m_pSheet, nullptr) << "the window list ended the sheet";
  EXPECT_EQ(SavedBytes(g_StageDoc), before);
  EXPECT_EQ(g_StageEditState.m_bStageModified, 0);
  EXPECT_EQ(m_Host.m_nSettingsClosed, 1);

  Open();
  Type(Page(0), 1002, "新しい名前");
  Finish(PSBTN_OK);
  EXPECT_STREQ(g_StageDoc.m_strName.GetStr(), "新しい名前");
  EXPECT_EQ(g_StageEditState.m_bStageModified, 1);
  EXPECT_EQ(m_Host.m_nSettingsClosed, 2);
  EXPECT_TRUE(m_List.m_Sheets.empty());
  EXPECT_EQ(m_List.m_Windows.size(), 1u) << "the pages left the window list";
}

TEST_F(StageSettingsTest, BgmPreviewPlaysTheChosenRecordAndClosingStopsIt) {
  cFakeSound sound;
  sound.m_Playable = {"bgm\\field.ogg"};
  ASSERT_EQ(InitDefaultBgm(g_BgmManager), 1);
  g_DatabaseSet.m_vBgm[1].m_strPath = "bgm\\field.ogg";
  g_DatabaseSet.m_vBgm[2].m_strPath = "bgm\\broken.ogg";
  Open();
  HWND basic = Page(0);
  sound.Take();
  Choose(basic, 11222, 0);
  Press(basic, 1217);
  EXPECT_TRUE(sound.Take().empty()) << "なし plays nothing";
  Choose(basic, 11222, 1);
  Press(basic, 1217);
  EXPECT_EQ(g_BgmManager.ChannelState(0), kBgmPlayingOgg);
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());
  Choose(basic, 11222, 2);
  Press(basic, 1217);
  ASSERT_EQ(m_Shell.m_vBoxes.size(), 1u);
  EXPECT_EQ(m_Shell.m_vBoxes[0].m_strText, "読み込み失敗！");
  Choose(basic, 11222, 1);
  Press(basic, 1217);
  sound.Take();
  Finish(PSBTN_CANCEL);
  std::vector<std::string> calls = sound.Take();
  EXPECT_NE(std::find(calls.begin(), calls.end(), "vox0 Stop"), calls.end()) << "closing stops the preview";
  g_BgmManager.Shutdown();
}

namespace {
// The real sound devices, whatever this machine has: with the null device an Ogg piece plays, and
// with no device at all (the test run again with VX_WINE_NO_SOUND) it cannot.
class cRealSound : public cSoundWin {
public:
  cRealSound() { SetSoundSeam(this); }
  ~cRealSound() override { SetSoundSeam(nullptr); }
};
}  // namespace

TEST_F(StageSettingsTest, BgmPreviewOnTheMachinesOwnSoundDevices) {
  cRealSound sound;
  MakeDirectory("bgm");
  CopyFileA("Z:\\usr\\share\\sounds\\freedesktop\\stereo\\bell.oga", "bgm\\bell.ogg", FALSE);
  WriteFileBytes("bgm/song.mid", kSmfFormat0);
  g_DatabaseSet.m_vBgm[1].m_strPath = "bgm\\bell.ogg";
  g_DatabaseSet.m_vBgm[2].m_strPath = "bgm\\song.mid";
  InitDefaultBgm(g_BgmManager);
  Open();
  HWND basic = Page(0);
  Choose(basic, 11222, 1);
  Press(basic, 1217);
  if (waveOutGetNumDevs() > 0) {
    EXPECT_EQ(g_BgmManager.ChannelState(0), kBgmPlayingOgg);
    EXPECT_TRUE(m_Shell.m_vBoxes.empty());
  } else {
    ASSERT_EQ(m_Shell.m_vBoxes.size(), 1u) << "no device: the preview says it failed";
    EXPECT_EQ(m_Shell.m_vBoxes[0].m_strText, "読み込み失敗！");
  }
  m_Shell.m_vBoxes.clear();
  // No machine here has a MIDI sequencer: the MIDI player logs the device's refusal and goes on.
  Choose(basic, 11222, 2);
  Press(basic, 1217);
  EXPECT_EQ(g_BgmManager.ChannelState(0), kBgmPlayingMidi);
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());
  Finish(PSBTN_OK);
  EXPECT_EQ(m_Host.m_nSettingsClosed, 1);
  EXPECT_EQ(g_StageDoc.m_nBgm, 2);
  g_BgmManager.Shutdown();
}
