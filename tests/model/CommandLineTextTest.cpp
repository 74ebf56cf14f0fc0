#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "database/cDatabaseSet.h"
#include "model/CmdParamTable.h"
#include "model/CommandLineText.h"
#include "model/FlowVocabulary.h"
#include "model/VariableNames.h"
#include "model/cCommandData.h"
#include "model/cEdBlock.h"
#include "model/cEdChara.h"
#include "model/cEdItem.h"
#include "model/cPaletteLists.h"
#include "tests/support/TestSupport.h"

namespace {
const cString kScrollKinds[3] = {"主人公の位置に合わせてスクロール", "オートスクロール", ""};

struct cVarName {
  cString m_strName;
};

cCommandData Command(int set, int kind, std::vector<int32_t> params = {}, int16_t time = 0, int8_t parallel = 0) {
  cCommandData command;
  command.m_cSet = static_cast<int8_t>(set);
  command.m_cKind = static_cast<int8_t>(kind);
  command.m_vParam.assign(params.begin(), params.end());
  command.m_nTime = time;
  command.m_bParallel = parallel;
  return command;
}

cCommandData Move(int kind, int16_t time, std::function<void(cEdMove&)> set, int8_t parallel = 0) {
  cCommandData command = Command(0, kind, {}, time, parallel);
  command.m_pMove.Create();
  set(*command.m_pMove.Get());
  return command;
}

cCommandData Shot(int kind, int16_t time, std::function<void(cEdShot&)> set) {
  cCommandData command = Command(0, kind, {}, time);
  command.m_pShot.Create();
  set(*command.m_pShot.Get());
  return command;
}

cCommandData WithText(cCommandData command, const char* text) {
  command.m_strText = text;
  return command;
}

cCommandData WithConditions(cCommandData command, int8_t hasCond) {
  command.m_pCondList.Create();
  command.m_pCondList.Get()->m_bHasCond = hasCond;
  return command;
}

struct cLineCase {
  const char* m_pName;
  cCommandData m_Command;
  const char* m_pLine;
};

// The project the lines read names from: palettes, variables and database entries.
class CommandLineTextTest : public ::testing::Test {
protected:
  void SetUp() override {
    m_SavedDatabase = g_DatabaseSet;
    BuildCmdParamTable();
    FillScrollStatusTable(ScrollStatusTable, kScrollKinds);

    m_vCommonBlock.resize(3);
    m_vCommonBlock[2].m_strName = "岩";
    m_vCommonChara.resize(3);
    m_vCommonChara[1].m_strName = "スライム";
    m_vStageItem.resize(3);
    m_vStageItem[1].m_strName = "薬草";
    m_vStageItem[2].m_strName = "鍵";
    PaletteLists(kPaletteCommon)->m_pvBlock = &m_vCommonBlock;
    PaletteLists(kPaletteCommon)->m_pvChara = &m_vCommonChara;
    PaletteLists(kPaletteStage)->m_pvItem = &m_vStageItem;

    m_vCommonVar.resize(1000);
    m_vCommonVar[5].m_strName = "所持金";
    m_vStageVar.resize(1000);
    m_vStageVar[7].m_strName = "扉";
    RegisterVariableNames(kVarScopeCommon, &m_vCommonVar);
    RegisterVariableNames(kVarScopeStage, &m_vStageVar);

    cDatabaseSet& db = g_DatabaseSet;
    db.m_vSwordType.resize(2);
    db.m_vSwordType[1].m_strName = "大剣";
    db.m_vAnimeSet.resize(2);
    db.m_vAnimeSet[1].m_strName = "勇者";
    db.m_vAnime.resize(2);
    db.m_vAnime[1].m_strName = "踊り";
    db.m_vAnime[1].m_vFrame.resize(2);
    db.m_vAnime[1].m_vFrame[0].m_nTime = 6000;
    db.m_vAnime[1].m_vFrame[1].m_nTime = 5000;
    db.m_vEffect.resize(2);
    db.m_vEffect[1].m_strName = "爆発";
    db.m_vEffect[1].m_vFrame.resize(2);
    db.m_vEffect[1].m_vFrame[0].m_nTime = 5;
    db.m_vEffect[1].m_vFrame[1].m_nTime = 7;
    db.m_vCharaEffect.resize(2);
    db.m_vCharaEffect[0].m_anParam[0] = 4;
    db.m_vCharaEffect[1].m_strName = "点滅";
    db.m_vCharaEffect[1].m_anParam[0] = 20;
    db.m_vScrEffect.resize(2);
    db.m_vScrEffect[1].m_strName = "揺れ";
    db.m_vScrEffect[1].m_anParam[0] = 15;
    db.m_vPicture.resize(2);
    db.m_vPicture[1].m_strName = "地図";
    db.m_vSound.resize(2);
    db.m_vSound[1].m_strName = "剣の音";
    db.m_vBgm.resize(2);
    db.m_vBgm[1].m_strName = "戦闘";
  }

  void TearDown() override {
    g_DatabaseSet = m_SavedDatabase;
    *PaletteLists(kPaletteCommon) = cPaletteLists();
    *PaletteLists(kPaletteStage) = cPaletteLists();
    RegisterVariableNames<cVarName>(kVarScopeCommon, nullptr);
    RegisterVariableNames<cVarName>(kVarScopeStage, nullptr);
  }

  std::string Line(const cCommandData& command) {
    cString text;
    FormatCommandLine(text, command);
    return text;
  }

  cFakeShell m_Shell;
  cDatabaseSet m_SavedDatabase;
  cVector<cEdBlock> m_vCommonBlock;
  cVector<cEdChara> m_vCommonChara;
  cVector<cEdItem> m_vStageItem;
  cVector<cVarName> m_vCommonVar;
  cVector<cVarName> m_vStageVar;
};
}  // namespace

TEST_F(CommandLineTextTest, EveryKindHasItsLine) {
  const cLineCase cases[] = {
      // Frame and prefixes.
      {"wait", Command(0, 1, {}, 10), "10 ◆ ウエイト ◆"},
      {"parallel wait", Command(0, 1, {}, 10, 1), "P-10 ◆ ウエイト ◆"},
      {"parallel flag 2", Command(0, 1, {}, 10, 2), "10 ◆ ウエイト ◆"},
      // Movements.
      {"estimated straight move",
       Move(2, 0, [](cEdMove& m) { m.m_cTimeMode = 2; m.m_nSpeed = 20; m.m_nDistance = 4; }),
       "5.3? ◆ 直線移動 ◆ 前 速20 距4"},
      {"parallel estimate",
       Move(2, 0, [](cEdMove& m) { m.m_cTimeMode = 2; m.m_nSpeed = 20; m.m_nDistance = 4; }, 1),
       "P-5.3? ◆ 直線移動 ◆ 前 速20 距4"},
      {"speed 0", Move(2, 0, [](cEdMove& m) { m.m_cTimeMode = 2; m.m_nSpeed = 0; m.m_nDistance = 4; }),
       "0.0? ◆ 直線移動 ◆ 前 速0 距4"},
      {"direction with angle", Move(2, 10, [](cEdMove& m) { m.m_nAngle = 45; }), "10 ◆ 直線移動 ◆ 前45 時10 速10"},
      {"target Y only",
       Move(2, 20,
            [](cEdMove& m) {
              m.m_cSetType = 1;
              m.m_bUseTargetX = 0;
              m.m_nTargetY = 12;
              m.m_cTimeMode = 1;
              m.m_nDistance = 3;
              m.m_cUnit = 1;
            }),
       "20 ◆ 直線移動 ◆ 目標(-,12) 時20 距3dot"},
      {"both targets", Move(2, 5, [](cEdMove& m) { m.m_cSetType = 1; m.m_nTargetX = 3; m.m_nTargetY = -2; }),
       "5 ◆ 直線移動 ◆ 目標(3,-2) 時5 速10"},
      {"no target", Move(2, 5, [](cEdMove& m) { m.m_cSetType = 1; m.m_bUseTargetX = 0; m.m_bUseTargetY = 0; }),
       "5 ◆ 直線移動 ◆ 目標(-,-) 時5 速10"},
      {"ground move", Move(3, 0, [](cEdMove& m) { m.m_cTimeMode = 2; m.m_nDistance = 6; m.m_cUnit = 1; }),
       "1.0? ◆ 地上折り返し移動 ◆ 速10 距6dot"},
      {"circle by speed",
       Move(4, 0, [](cEdMove& m) { m.m_cTimeMode = 1; m.m_nAngle = 0; m.m_nDistance = 360; m.m_nSpeed = 10; }),
       "60.0? ◆ 円移動 ◆ 速10 角0～360"},
      {"circle by time", Move(4, 30, [](cEdMove& m) { m.m_nDistance = 360; }), "30 ◆ 円移動 ◆ 時30 角0～360"},
      {"charge", Move(5, 5, [](cEdMove& m) { m.m_cTarget = 1; }), "5 ◆ 突撃移動 ◆ ターゲット2 時5 速10"},
      {"homing", Move(6, 5, [](cEdMove& m) { m.m_cTarget = 3; m.m_cTimeMode = 7; }), "5 ◆ 誘導移動 ◆ ターゲット4"},
      {"evade", Move(7, 5, [](cEdMove& m) { m.m_cSetType = 1; m.m_bUseTargetX = 0; m.m_nTargetX = 3; m.m_nTargetY = 4; }),
       "5 ◆ 画面外回避移動 ◆ 目標(3,4) 時5 速10"},
      {"stop move", Command(0, 8, {}, 7), "7 ◆ 移動の無効化 ◆"},
      {"move without its block", Command(0, 2, {}, 10), "10 ◆ 直線移動 ◆"},
      // Turn and jump.
      {"turn", Command(0, 9, {1}), "0 ◆ 向き変更 ◆ 右を向く"},
      {"turn outside its table", Command(0, 9, {99}), "0 ◆ 向き変更 ◆ ？"},
      {"jump range", Command(0, 10, {2, 0, 3, 0, 1}), "? ◆ ジャンプ ◆ 高さ1～3"},
      {"parallel jump", Command(0, 10, {0, 0, 5, 0, 0}, 0, 1), "P-? ◆ ジャンプ ◆ 高さ5"},
      // Shots, swords and summons.
      {"shot",
       Shot(11, 5,
            [](cEdShot& s) {
              s.m_cFormation = 2;
              s.m_cCount = 3;
              s.m_cCloneCount = 1;
              s.m_nSpeed = 20;
              s.m_nPower = 1;
              s.m_cMoveType = 1;
            }),
       "5 ◆ ショット ◆ 拡散 数3(1) 前 速20 威1 主人公を狙う"},
      {"shot with angle", Shot(11, 0, [](cEdShot& s) { s.m_cDirection = 1; s.m_nAngle = -30; s.m_cMoveType = 12; }),
       "0 ◆ ショット ◆ 直進A 数0(0) 後-30 速0 威0 ？"},
      {"sword", Shot(12, 12, [](cEdShot& s) { s.m_cMoveType = 1; s.m_nPower = 10; }), "12 ◆ ソード ◆ 大剣 威10"},
      {"sword type outside the table", Shot(12, 12, [](cEdShot& s) { s.m_cMoveType = 9; }), "12 ◆ ソード ◆ ？ 威0"},
      {"block summon", Shot(13, 0, [](cEdShot& s) { s.m_nSummonIndex = 2; }), "0 ◆ ブロック召喚 ◆ 「002 岩」"},
      {"block removal", Shot(13, 0, [](cEdShot& s) { s.m_cBlockMode = 1; }), "0 ◆ ブロック召喚 ◆ ブロックを消す"},
      {"summon past the list", Shot(14, 0, [](cEdShot& s) { s.m_nSummonIndex = 12; }), "0 ◆ キャラ召喚 ◆ 「012 」"},
      {"chara summon", Shot(14, 3, [](cEdShot& s) { s.m_nSummonIndex = 1; }), "3 ◆ キャラ召喚 ◆ 「001 スライム」"},
      {"item summon", Shot(15, 0, [](cEdShot& s) { s.m_cSummonPalette = 1; s.m_nSummonIndex = 2; }),
       "0 ◆ アイテム召喚 ◆ 「002 鍵」"},
      {"summon from no palette", Shot(15, 0, [](cEdShot& s) { s.m_cSummonPalette = 4; s.m_nSummonIndex = 1; }),
       "0 ◆ アイテム召喚 ◆ 「001 」"},
      // Flow operations.
      {"flow operation", WithConditions(Command(0, 16, {4, 2, 3, 0}, 30), 0),
       "0 ◆ フローの操作 ◆ 自分 の 指定IDのフロー を 削除 (ID:C)"},
      {"conditional flow operation", WithConditions(Command(0, 16, {0, 0, 0, 2}), 1),
       "0 ◆ フローの操作 ◆ ターゲット2 の このフロー を 開始  ★条件あり★"},
      {"flow change", Command(1, 1, {0, 0}), "0 ◆ フローの変更 ◆"},
      // The shared kinds.
      {"stage clear", Command(0, 17, {}, 40), "0 ◆ ステージクリア ◆"},
      {"item stage clear", Command(1, 2), "0 ◆ ステージクリア ◆"},
      {"game wait", Command(0, 18, {25}), "25 ◆ ゲームウエイト ◆"},
      {"game wait in 16 bits", Command(0, 18, {65537}, 0, 1), "P-1 ◆ ゲームウエイト ◆"},
      {"message erase", WithText(Command(0, 19, {0, 0, 0, 0, 0, 0, 2, 30, 0, 0, 0, 0, 0, 0, 0, 1}, 0, 1), "やあ"),
       "P-0 ◆ メッセージ ◆ メッセージの消去"},
      {"message until a key", WithText(Command(0, 19, {}, 0, 1), "やあ"), "? ◆ メッセージ ◆ やあ"},
      {"message to the end", WithText(Command(0, 19, {0, 0, 0, 0, 0, 0, 1}), "やあ"), "P-0(∞) ◆ メッセージ ◆ やあ"},
      {"message for a time", WithText(Command(0, 19, {0, 0, 0, 0, 0, 0, 2, 30}), "やあ"), "0(30) ◆ メッセージ ◆ やあ"},
      {"parallel message for a time", WithText(Command(0, 19, {0, 0, 0, 0, 0, 0, 2, 30}, 0, 1), "やあ"),
       "P-0(30) ◆ メッセージ ◆ やあ"},
      {"message without a mode", WithText(Command(4, 4, {0, 0, 0, 0, 0, 0, 3}), "やあ"), " ◆ メッセージ ◆ やあ"},
      {"warp by direction", Move(20, 25, [](cEdMove& m) { m.m_cDirection = 3; m.m_nDistance = 2; }, 1),
       "P-0 ◆ ワープ ◆ 方向と距離で指定 右 距2"},
      {"warp to coordinates",
       Move(20, 0, [](cEdMove& m) { m.m_cSetType = 5; m.m_cTargetType = 2; m.m_nTargetX = 3; m.m_nTargetY = 4; }),
       "0 ◆ ワープ ◆ 目標座標で指定 画面座標 (3,4)"},
      {"set target", Command(1, 6, {0, 2}), "0 ◆ ターゲットの設定 ◆ ターゲット1 を 最も近いキャラ にする"},
      {"status: HP of target 1 plus 5", Command(0, 22, {0, 0, 0, 1, 1, 1, 0, 5}),
       "0 ◆ ステータスの操作 ◆ ターゲット1 の HP を ＋ 5"},
      {"status: common variable set to a random percent",
       Command(0, 22, {1, 0, 5, 0, 0, 0, 1, 0, 1, 6, 0, 0, 0, 0, 1}),
       "0 ◆ ステータスの操作 ◆ 「005 所持金」を ＝ 1～6%"},
      {"status: character variable times system time", Command(0, 22, {0, 0, 3, 0, 0, 3, 2, 0, 0, 0, 0, 0, 5, 0}),
       "0 ◆ ステータスの操作 ◆ 自分 の 「3 キャラ変数-3」を × 時間"},
      {"status: score minus a stage variable", Command(0, 22, {0, 0, 0, 5, 3, 2, 3, 0, 0, 0, 1, 7}),
       "0 ◆ ステータスの操作 ◆ スコア を － 「007 扉」"},
      {"status: right status of a target", Command(0, 22, {0, 0, 0, 0, 2, 4, 2, 0, 0, 0, 0, 4, 2, 0}),
       "0 ◆ ステータスの操作 ◆ 自分 の SP を ÷ ターゲット2 の 「4 キャラ変数-4」"},
      {"status without parameters", Command(0, 22), "0 ◆ ステータスの操作 ◆ 自分 の 「？」を ＝ 0"},
      {"status with unknown sides", Command(0, 22, {0, 0, 0, 9, 0, 6, 7}), "0 ◆ ステータスの操作 ◆ X ％"},
      {"status 2: giant", Command(0, 23, {0, 5, 3}), "0 ◆ ステータスの操作2 ◆ 自分 の 巨大化 を ×9 にする"},
      {"status 2: giant value 0", Command(0, 23, {1, 5, 0}), "0 ◆ ステータスの操作2 ◆ ターゲット1 の 巨大化 を ？ にする"},
      {"status 2: vanish", Command(1, 8, {0, 0, 0}), "0 ◆ ステータスの操作2 ◆ 自分 の 消滅 を ON にする"},
      {"status 2: flag outside its table", Command(0, 23, {0, 7, 0}), "0 ◆ ステータスの操作2 ◆ 自分 の ？ を ？ にする"},
      {"status 2: scroll", Command(0, 23, {5, 0, 1}), "0 ◆ ステータスの操作2 ◆ 横スクロール を オートスクロール にする"},
      {"vanish characters", Command(0, 24, {0, 2, 1}), "0 ◆ 消滅 ◆ キャラ 全範囲 対象勢力2"},
      {"vanish child shots", Command(0, 24, {3, 2, 1}), "0 ◆ 消滅 ◆ 子のショット"},
      {"take item", Command(0, 25, {1, 2}, 25), "25 ◆ アイテムの取得 ◆ 「002 鍵」"},
      {"graphic", Command(0, 26, {1, 2, 3}, 9), "0 ◆ グラフィックの変更 ◆"},
      {"anime set", Command(0, 27, {1}), "0 ◆ 基本アニメセットの変更 ◆ 勇者"},
      {"anime length capped", Command(0, 28, {1}), "0(9999) ◆ アニメの実行 ◆ 踊り"},
      {"anime outside the table", Command(0, 28, {5}), "0(0) ◆ アニメの実行 ◆ ？"},
      {"effect erase", Command(0, 29, {0}, 0, 1), "P-0 ◆ エフェクトの実行 ◆ エフェクトの消去"},
      {"effect", Command(0, 29, {1}), "0(12) ◆ エフェクトの実行 ◆ 爆発"},
      {"chara effect back and forth", Command(0, 30, {1, 2, 1}), "0(40) ◆ キャラエフェクトの実行 ◆ 点滅 往復実行 ループ実行"},
      {"chara effect none", Command(0, 30, {0, 0, 0}), "0(4) ◆ キャラエフェクトの実行 ◆ なし"},
      {"screen effect", Command(1, 16, {1, 1, 0}, 0, 1), "P-0(15) ◆ 画面エフェクトの実行 ◆ 揺れ 反転実行"},
      {"picture erase", Command(0, 32, {0}), "P-0 ◆ ピクチャーの表示 ◆ ピクチャーの消去"},
      {"picture for a time", Command(0, 32, {1, 0, 0, 0, 0, 0, 0, 0, 2, 50}), "0(50) ◆ ピクチャーの表示 ◆ 地図"},
      {"picture until a key", Command(0, 32, {1}), "? ◆ ピクチャーの表示 ◆ 地図"},
      {"picture to the end", Command(0, 32, {1, 0, 0, 0, 0, 0, 0, 0, 1}), "P-0(∞) ◆ ピクチャーの表示 ◆ 地図"},
      {"screen colour flashes", Command(0, 33, {255, 0, 0, 50, 0, 10, 1, 3}),
       "0(30) ◆ 画面の色を変更 ◆ R255 G0 B0 50% 瞬間表示 × 3"},
      {"screen colour back", Command(0, 33, {0, 0, 0, 0, 1, 10, 0, 3}), "0(10) ◆ 画面の色を変更 ◆ 元に戻す"},
      {"background", Command(0, 34, {2, 2}), "0 ◆ 背景の変更 ◆ 2番 を 反転(表示⇔非表示)"},
      {"sound", Command(0, 35, {1}), "0 ◆ 効果音の再生 ◆ 剣の音"},
      {"bgm", Command(1, 21, {1, 1}), "0 ◆ BGMの再生 ◆ 戦闘"},
      {"code", WithText(Command(0, 37), "C5 = rand(0,5)"), "0 ◆ コードの実行 ◆ C5 = rand(0,5)"},
      {"arrange of a kind without settings", Command(0, 38, {1, 0, 0, 0, 1}),
       "0 ◆ アレンジ ◆ ※不正です。設定を見直して下さい。"},
      {"arrange in an item", Command(1, 23, {1, 0, 0, 0, 1}), "0 ◆ アレンジ ◆ ※不正です。設定を見直して下さい。"},
      {"arrange by a common variable", Command(1, 23, {11, 27, 1, 0, 5}),
       "0 ◆ アレンジ ◆ 次の 「ショット」 の 威力 ＋ 「005 所持金」"},
      {"arrange by a character variable", Command(0, 38, {34, 0, 0, 2, 3}),
       "0 ◆ アレンジ ◆ 次の 「背景の変更」 の 背景番号 ＝ 「003 3 キャラ変数-3」"},
      {"arrange of a kind outside the set", Command(0, 38, {40}), "0 ◆ アレンジ ◆ ※不正です。設定を見直して下さい。"},
      {"arrange of a setting outside the kind", Command(0, 38, {11, 29, 7, 1, 7}),
       "0 ◆ アレンジ ◆ 次の 「ショット」 の ？ ？ 「007 扉」"},
      {"loop", Command(0, 39, {3, 2}), "0 ◆ ループ ◆ 後続 2 個のコマンドを 3 回繰り返す"},
      // Kind 0 shows nothing; a kind outside its set shows its stored number.
      {"kind 0", Command(0, 0), ""},
      {"character kind 40", Command(0, 40), "◆ ？ ◆ 40"},
      {"item kind 25", Command(1, 25), "◆ ？ ◆ 25"},
      {"item kind 39", Command(1, 39), "◆ ？ ◆ 39"},
      {"kind stored as 253", Command(0, -3), "◆ ？ ◆ 253"},
  };
  for (const cLineCase& c : cases) EXPECT_EQ(Line(c.m_Command), c.m_pLine) << c.m_pName;
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());
}

TEST_F(CommandLineTextTest, EveryKindOfBothSetsHasAFormatter) {
  for (int kind = 1; kind < 40; ++kind) EXPECT_NE(CharaCommandLineFormatters[kind], nullptr) << kind;
  for (int kind = 1; kind < 25; ++kind) EXPECT_NE(ItemCommandLineFormatters[kind], nullptr) << kind;
  // An item kind's line differs from its character kind's only in the name's source table.
  for (int kind = 2; kind < 25; ++kind) {
    cCommandData item = Command(1, kind, std::vector<int32_t>(18, 1));
    cCommandData chara = Command(0, kind + 15, std::vector<int32_t>(18, 1));
    if (kind == 5) {
      item.m_pMove.Create();
      chara.m_pMove.Create();
    }
    EXPECT_EQ(Line(item), Line(chara)) << kind;
  }
}

TEST_F(CommandLineTextTest, LongTextsAreCutNotOverrun) {
  std::string message(8000, 'a');
  std::string line = Line(WithText(Command(0, 19), message.c_str()));
  EXPECT_EQ(line.rfind("? ◆ メッセージ ◆ aaa", 0), 0u);
  EXPECT_LT(line.size(), message.size());
  EXPECT_GE(line.size(), static_cast<size_t>(kStringWorkSize - 1));
}

TEST_F(CommandLineTextTest, MessageAndCodeTextsAreShownAsTyped) {
  // A text holding "%" is never read as a format; a long one is cut between two characters.
  EXPECT_EQ(Line(WithText(Command(0, 37), "C1 = %s%n")), "0 ◆ コードの実行 ◆ C1 = %s%n");
  EXPECT_EQ(Line(WithText(Command(1, 4, {0, 0, 0, 0, 0, 0, 1}), "100%")), "P-0(∞) ◆ メッセージ ◆ 100%");
  std::string code;
  while (code.size() < 6000) code += "あ";
  std::string line = Line(WithText(Command(0, 37), code.c_str()));
  EXPECT_LE(line.size(), static_cast<size_t>(kStringWorkSize - 1));
  EXPECT_GE(line.size(), static_cast<size_t>(kStringWorkSize - 2));
  std::string head = "0 ◆ コードの実行 ◆ ";
  ASSERT_EQ(line.rfind(head, 0), 0u);
  EXPECT_EQ((line.size() - head.size()) % 2, 0u);  // whole double-byte characters only
}

TEST(TimeEstimates, FollowSpeedDistanceAndAngles) {
  EXPECT_NEAR(TimeFromSpeedDistance(20, 4, 0), 64 / 2.0 / 6.0, 1e-9);
  EXPECT_NEAR(TimeFromSpeedDistance(10, 6, 1), 1.0, 1e-9);
  EXPECT_EQ(TimeFromSpeedDistance(0, 6, 1), 0.0);
  EXPECT_NEAR(TimeFromAngleRange(360, 0, 10), 60.0, 1e-9);
  EXPECT_NEAR(TimeFromAngleRange(0, 90, 30), -5.0, 1e-9);
  EXPECT_EQ(TimeFromAngleRange(360, 0, 0), 0.0);
}
