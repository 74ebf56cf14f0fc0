#include <gtest/gtest.h>

#include <map>
#include <string>

#include "model/CmdParamTable.h"
#include "model/FlowVocabulary.h"
#include "model/NameTable.h"
#include "model/VariableNames.h"
#include "model/VariableVocabulary.h"
#include "tests/support/TestSupport.h"

namespace {
struct cTableCase {
  const char* m_pName;
  const cString* m_pTable;
  const char* m_pRows;  // rows joined by "|"
};

std::string Joined(const cString* table) {
  std::string text;
  for (const cString& row : NameList(table)) text += (text.empty() ? "" : "|") + row;
  return text;
}

const cTableCase kTables[] = {
    {"FlowIdNames", FlowIdNames, "-|A|B|C|D|E|F|G|H|I|J|K|L|M|N|O|P|Q|R|S|T|U|V|W|X|Y|Z"},
    {"FlowGroupNames", FlowGroupNames, "-|a|b|c|d|e|f|g|h|i|j|k|l|m|n|o|p|q|r|s|t|u|v|w|x|y|z"},
    {"FlowTriggerNames", FlowTriggerNames,
     "常時|ダメージを受けた時|衝撃を受けた時|死亡した時|キャラに当たった時|ブロックキャラに当たった時|"
     "ブロックキャラに乗っている時|ショットに当たった時|アイテムに当たった時|ブロックに当たった時|"
     "自分の左右にブロックが当たった時|自分の左にブロックが当たった時|自分の右にブロックが当たった時|"
     "自分の上下にブロックが当たった時|自分の上にブロックが当たった時|自分の下にブロックが当たった時|"
     "主人公に乗られている時|キャラに乗られている時|アタックでダメージを与えた時|アタックで衝撃を与えた時|"
     "アタックを当てた時|ステージ開始前|なし（フローの操作コマンドで実行）"},
    {"FlowOpNames", FlowOpNames, "開始|終了|一時停止|再開|削除|永久停止"},
    {"FlowOpScopeNames", FlowOpScopeNames, "このフロー|このフロー以外全て|指定IDのフロー"},
    {"FlowOpTargetNames", FlowOpTargetNames, "自分|ターゲット1|ターゲット2|ターゲット3|ターゲット4"},
    {"FlowChangeOpNames", FlowChangeOpNames, "追加|変更|削除"},
    {"FlowChangeIdNames", FlowChangeIdNames,
     "全て削除|A|B|C|D|E|F|G|H|I|J|K|L|M|N|O|P|Q|R|S|T|U|V|W|X|Y|Z"},
    {"ValidFlowIdNames", ValidFlowIdNames, "全て|A|B|C|D|E|F|G|H|I|J|K|L|M|N|O|P|Q|R|S|T|U|V|W|X|Y|Z"},
    {"SelfSubjectNames", SelfSubjectNames, "自分|ターゲット1|ターゲット2|ターゲット3|ターゲット4"},
    {"SelfSubjectSysNames", SelfSubjectSysNames, "自分|ターゲット1|ターゲット2|ターゲット3|ターゲット4|システム"},
    {"HeroSubjectNames", HeroSubjectNames, "主人公|ターゲット1|ターゲット2|ターゲット3|ターゲット4"},
    {"HeroSubjectSysNames", HeroSubjectSysNames,
     "主人公|ターゲット1|ターゲット2|ターゲット3|ターゲット4|システム"},
    {"StatusValueKindNames", StatusValueKindNames, "ステータス|変数"},
    {"OperandKindNames", OperandKindNames, "定数|乱数|ステータス|変数"},
    {"VariableScopeNames", VariableScopeNames, "コモン変数|ステージ変数"},
    {"StatusCalcNames", StatusCalcNames, "通常の計算|最大値に対する％で指定|現在値に対する％で指定"},
    {"VanishOptionNames", VanishOptionNames, "ON"},
    {"StateCheckNames", StateCheckNames,
     "左向き|右向き|ブロックに乗っている(ブロックキャラも含む)|画面内にいる|存在している"},
    {"KeyJudgeNames", KeyJudgeNames, "全てのキーが真なら成立|1つ以上のキーが真なら成立|1つだけキーが真なら成立"},
    {"KeyStateNames", KeyStateNames, "--|押|離"},
    {"StageClearModeNames", StageClearModeNames, "次のステージへ|番号で指定|パスで指定|ワールドクリア"},
    {"ClearFacingNames", ClearFacingNames, "左向き|右向き|ステージクリア時の向きと同じ"},
    {"MessagePosNames", MessagePosNames,
     "画面中央に表示|自分の上に表示|自分の下に表示|自分の中心に表示|主人公の上に表示|主人公の下に表示|"
     "主人公の中心に表示|画面座標で指定|ステージ座標で指定"},
    {"MessageDurNames", MessageDurNames, "進行キーが押されるまで表示|ステージ終了まで表示|時間で指定"},
    {"TargetChoiceNames", TargetChoiceNames,
     "主人公|自分|最も近いキャラ|キャラ（キャラIDで指定）|親キャラ（自分を召喚したキャラ）|"
     "子キャラ（最後に召喚したキャラ）|子キャラ（条件付き。後で召喚したキャラ優先)|ターゲット1|ターゲット2|"
     "ターゲット3|ターゲット4"},
    {"TargetRangeNames", TargetRangeNames, "全範囲（画面内のキャラ優先）|全範囲|画面内"},
    {"TargetFailNames", TargetFailNames, "ターゲット無し|ターゲットを変更しない"},
    {"VanishKindNames", VanishKindNames,
     "キャラ|ショット|子以下のキャラ|子のショット|子以下のキャラと子以下のショット|"
     "子以下のキャラと孫以下のショット"},
    {"VanishScopeNames", VanishScopeNames, "画面内|全範囲"},
    {"ItemGetPaletteNames", ItemGetPaletteNames, "コモンパレット|ステージパレット"},
    {"ItemGetCommonOnlyNames", ItemGetCommonOnlyNames, "コモンパレット"},
    {"ScreenPosNames", ScreenPosNames,
     "画面中央に表示|キャラの中心に表示|主人公の中心に表示|画面座標で指定|ステージ座標で指定"},
    {"PictureDurNames", PictureDurNames, "進行キーが押されるまで表示|ステージ終了まで表示|時間で指定"},
    {"PlayModeNames", PlayModeNames, "通常実行|反転実行|往復実行"},
    {"BackgroundOpNames", BackgroundOpNames, "表示|非表示|反転(表示⇔非表示)"},
    {"ArrangeVarScopeNames", ArrangeVarScopeNames, "コモン変数|ステージ変数|キャラ変数"},
    {"CharaVarNames", CharaVarNames,
     "1 キャラ変数-1|2 キャラ変数-2|3 キャラ変数-3|4 キャラ変数-4|5 キャラ変数-5|6 キャラ変数-6|"
     "7 キャラ変数-7|8 キャラ変数-8"},
    {"VarOpNames", VarOpNames, "＝|＋|－|×|÷|÷ X の余り|X ％"},
    {"CompareNames", CompareNames, "である|でない|以上|以下|より上|より下|の倍数である|の倍数でない"},
    {"NaraNames", NaraNames, "なら|でないなら"},
};
}  // namespace

TEST(Vocabulary, EveryTableHasExactlyItsRows) {
  for (const cTableCase& c : kTables) EXPECT_EQ(Joined(c.m_pTable), c.m_pRows) << c.m_pName;
}

TEST(Vocabulary, TextsAreCodePage932Bytes) {
  // The operators are single double-byte characters.
  std::string ops;
  for (int row = 0; row < 5; ++row) ops += VarOpNames[row];
  EXPECT_EQ(Bytes(ops.begin(), ops.end()), Hex("81 81 81 7b 81 7c 81 7e 81 80"));
  EXPECT_EQ(Bytes(KeyStateNames[1].begin(), KeyStateNames[1].end()), Hex("89 9f"));
}

TEST(Vocabulary, RowsOutsideATableShowThePlaceholder) {
  EXPECT_EQ(NameRow(FlowIdNames, 0), "-");
  EXPECT_EQ(NameRow(FlowIdNames, 26), "Z");
  EXPECT_EQ(NameRow(FlowIdNames, 27), kUnknownName);  // the empty end entry is no row
  EXPECT_EQ(NameRow(FlowTriggerNames, 22), "なし（フローの操作コマンドで実行）");
  EXPECT_EQ(NameRow(FlowTriggerNames, -1), kUnknownName);
  EXPECT_EQ(CharaVarName(1), "1 キャラ変数-1");
  EXPECT_EQ(CharaVarName(8), "8 キャラ変数-8");
  EXPECT_EQ(CharaVarName(0), kUnknownName);
  EXPECT_EQ(CharaStatusName(14), "倒したら獲得するスコア");
  EXPECT_EQ(CharaStatusName(15), kUnknownName);
  EXPECT_EQ(SystemStatusName(4), "残り人数");
  EXPECT_EQ(SystemStatusName(-3), kUnknownName);
  EXPECT_EQ(NameList(FlowChangeIdNames).Count(), 27);
  EXPECT_EQ(NameList(FlowChangeIdNames)[0], "全て削除");
}

TEST(Vocabulary, StatusDescriptorsCarryTheirLimitsAndPercentFlags) {
  int percentConditions = 0;
  for (const cStatusDesc& status : CharaStatusTable) percentConditions += status.m_bPercentCond;
  EXPECT_EQ(percentConditions, 2);  // HP and SP only
  const cStatusDesc& id = CharaStatusTable[5];
  EXPECT_EQ(id.m_strName, "キャラID");
  EXPECT_EQ(id.m_nOpMin, -99);
  EXPECT_EQ(id.m_nOpMax, 99);
  EXPECT_EQ(id.m_bPercentOp, 0);
  const cStatusDesc& time = SystemStatusTable[0];
  EXPECT_EQ(time.m_strName, "時間");
  EXPECT_EQ(time.m_nOpMin, -999);
  EXPECT_EQ(time.m_bPercentCond, 0);
  EXPECT_EQ(SystemStatusTable[1].m_nMin, -480);
}

TEST(CmdParamTable, HoldsTheSettingsOfEveryKind) {
  // Kinds not listed have no settings that can be arranged.
  const std::map<int, std::string> kinds = {
      {2, "目標X(bl):-640..640|目標X(dot):-640..640|目標Y(bl):-640..640|目標Y(dot):-640..640|角度:-7200..7200|分身値による増加角度:-7200..7200"},
      {5, "目標X(bl):-640..640|目標X(dot):-640..640|目標Y(bl):-640..640|目標Y(dot):-640..640|角度:-7200..7200|分身値による増加角度:-7200..7200"},
      {6, "誘導性能の悪さ:0..10|分身値による増加誘導性能の悪さ:0..10|目標X(bl):-640..640|目標X(dot):-640..640|目標Y(bl):-640..640|目標Y(dot):-640..640"},
      {11, "グラフィック:1..120|Z座標:0..7|フォーメーション固有1:0..2147483647|フォーメーション固有2:0..2147483647|フォーメーション固有3:0..2147483647|発射数:1..127|発射数に対する分身数:0..20|角度のズレ:-7200..7200|分身値による角度のズレ:-7200..7200|分散角度:0..180|発射位置のズレX(dot):-640..640|分身値による発射位置のズレX(dot):-640..640|発射位置のズレY(dot):-640..640|分身値による発射位置のズレY(dot):-640..640|勢力:0..7|移動タイプ固有1:0..2147483647|移動タイプ固有2:0..2147483647|移動タイプ固有3:0..2147483647|速度:-200..200|分身値による増加速度:-200..200|加速度:-200..200|分身値による増加加速度:-200..200|飛距離(hbl):0..64|分身値による増加飛距離:-40..40|存在時間(1/10s):1..999|分身値よる増加存在時間:-99..99|消滅値:1..9|威力:-999999..999999|衝撃:-20..20"},
      {12, "勢力:0..7|Z座標:0..7|威力:-999999..999999|衝撃:-20..20"},
      {13, "フォーメーション固有1:0..2147483647|フォーメーション固有2:0..2147483647|フォーメーション固有3:0..2147483647|数:1..127|召喚位置のズレX(dot):-640..640|召喚位置のズレY(dot):-640..640"},
      {14, "存在時間(1/10s):1..9999|勢力:0..7|フォーメーション固有1:0..2147483647|フォーメーション固有2:0..2147483647|フォーメーション固有3:0..2147483647|数:1..127|召喚位置のズレX(dot):-640..640|召喚位置のズレY(dot):-640..640"},
      {15, "存在時間(1/10s):1..9999|フォーメーション固有1:0..2147483647|フォーメーション固有2:0..2147483647|フォーメーション固有3:0..2147483647|数:1..127|召喚位置のズレX(dot):-640..640|召喚位置のズレY(dot):-640..640"},
      {17, "次のステージの番号:1..99|次のステージの初期位置X(bl):0..999|次のステージの初期位置Y(bl):0..999|クリア後のワールドマップの位置X:0..999|クリア後のワールドマップの位置Y:0..999"},
      {19, "メッセージID:0..999|座標X(bl):0..20|座標Y(bl):0..15|表示位置のズレX(dot):-999..999|表示位置のズレY(dot):-999..999"},
      {20, "距離(hbl):0..64|分身値による増加距離(hbl):-40..40|目標X(bl):-640..640|目標Y(bl):-640..640|目標Xのズレ(dot):-640..640|目標Yのズレ(dot):-640..640"},
      {21, "対象勢力:0..7|対象キャラID:0..99|キャラ変数と比較する数値:-999999..999999"},
      {22, "乱数の最小値:-999999..999999|乱数の最大値:-999999..999999"},
      {24, "対象勢力:0..7"},
      {26, "グラフィック:1..119|ズレ:-999..999"},
      {29, "座標X(bl):0..511|座標Y(bl):0..511|表示位置のズレX(dot):-999..999|表示位置のズレY(dot):-999..999|表示倍率(%):1..1000"},
      {32, "ピクチャーID:0..999|座標X(bl):0..511|座標Y(bl):0..511|表示位置のズレX(dot):-999..999|表示位置のズレY(dot):-999..999|表示倍率(%):1..1000"},
      {33, "R:0..255|G:0..255|B:0..255|%:0..100"},
      {34, "背景番号:1..8"},
  };
  BuildCmdParamTable();
  BuildCmdParamTable();  // building again gives the same table, not a doubled one
  ASSERT_EQ(CmdParamTable.Count(), 40);
  int total = 0;
  for (int kind = 0; kind < 40; ++kind) {
    std::string text;
    for (const cCmdParam& param : CmdParamTable[kind])
      text += (text.empty() ? "" : "|") + param.m_strName + ":" + std::to_string(param.m_nMin) + ".." +
              std::to_string(param.m_nMax);
    auto expected = kinds.find(kind);
    EXPECT_EQ(text, expected == kinds.end() ? "" : expected->second) << kind;
    total += CmdParamTable[kind].Count();
  }
  EXPECT_EQ(total, 112);
}

namespace {
struct cNamedEntry {
  cString m_strName;
};
}  // namespace

TEST(VariableNames, NamesComeFromTheRegisteredTables) {
  cVector<cNamedEntry> common(3);
  common[2].m_strName = "所持金";
  EXPECT_EQ(VariableName(kVarScopeCommon, 2), kUnknownName);  // nothing registered yet
  RegisterVariableNames(kVarScopeCommon, &common);
  EXPECT_EQ(VariableName(kVarScopeCommon, 2), "所持金");
  EXPECT_EQ(VariableName(kVarScopeCommon, 0), "");
  EXPECT_EQ(VariableName(kVarScopeCommon, 3), kUnknownName);
  EXPECT_EQ(VariableName(kVarScopeCommon, -1), kUnknownName);
  EXPECT_EQ(VariableName(kVarScopeStage, 2), kUnknownName);
  EXPECT_EQ(VariableName(2, 0), kUnknownName);
  RegisterVariableNames<cNamedEntry>(kVarScopeCommon, nullptr);
  EXPECT_EQ(VariableName(kVarScopeCommon, 2), kUnknownName);
}

TEST(Vocabulary, OptionStatusesNameTheirValues) {
  const char* const flags[kFlagStatusCount][2] = {
      {"消滅", "ON"},
      {"透明", "OFF|ON"},
      {"向き固定", "OFF|ON"},
      {"飛行", "OFF|ON (ブロックをすり抜ける)|ON (ブロックに当たる)|ON (ブロックに当たると即死)"},
      {"無敵", "OFF|ON (ショットが当たる)|ON (ショットがすり抜ける)"},
      {"巨大化", "しない|×4|×9|×16|×25|×36|×49|×64|×81|×100"},
      {"オートスクロールとシンクロ", "OFF|ON"},
  };
  for (int row = 0; row < kFlagStatusCount; ++row) {
    EXPECT_EQ(FlagStatus(row)->m_strName, flags[row][0]);
    EXPECT_EQ(Joined(FlagStatusTable[row].m_pOption), flags[row][1]) << row;
  }
  // The giant status starts at value 1: 1 is "しない", 10 is "×100".
  const cOptionStatusDesc& giant = FlagStatusTable[5];
  EXPECT_EQ(giant.m_nMin, 1);
  EXPECT_EQ(giant.m_bFromOne, 1);
  EXPECT_EQ(giant.Option(1 - giant.m_nMin), "しない");
  EXPECT_EQ(giant.Option(10 - giant.m_nMin), "×100");
  EXPECT_EQ(giant.Option(0 - giant.m_nMin), kUnknownName);
  EXPECT_EQ(FlagStatus(7), nullptr);
  EXPECT_EQ(FlagStatus(-1), nullptr);
  EXPECT_EQ(ScrollStatus(2), nullptr);
}

TEST(Vocabulary, ScrollStatusesAreEmptyUntilFilled) {
  const cString scrollKinds[3] = {"主人公の位置に合わせてスクロール", "オートスクロール", ""};
  cOptionStatusDesc table[kScrollStatusCount];
  EXPECT_EQ(table[0].m_strName, "");
  EXPECT_EQ(table[0].OptionCount(), 0);
  EXPECT_EQ(table[0].Option(0), kUnknownName);
  FillScrollStatusTable(table, scrollKinds);
  EXPECT_EQ(table[0].m_strName, "横スクロール");
  EXPECT_EQ(table[1].m_strName, "縦スクロール");
  EXPECT_EQ(table[1].m_nMax, 1);
  EXPECT_EQ(Joined(table[1].m_pOption), "主人公の位置に合わせてスクロール|オートスクロール");
  EXPECT_EQ(table[1].OptionList().Count(), 2);
}
