#include "model/FlowVocabulary.h"

#include "model/cEdBlock.h"
#include "model/cEdChara.h"

#define VX_LETTERS_UPPER "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M", "N", "O", \
    "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"
#define VX_LETTERS_LOWER "a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m", "n", "o", \
    "p", "q", "r", "s", "t", "u", "v", "w", "x", "y", "z"

const cString FlowIdNames[28] = {"-", VX_LETTERS_UPPER, ""};
const cString FlowGroupNames[28] = {"-", VX_LETTERS_LOWER, ""};
const cString FlowTriggerNames[24] = {
    "常時",
    "ダメージを受けた時",
    "衝撃を受けた時",
    "死亡した時",
    "キャラに当たった時",
    "ブロックキャラに当たった時",
    "ブロックキャラに乗っている時",
    "ショットに当たった時",
    "アイテムに当たった時",
    "ブロックに当たった時",
    "自分の左右にブロックが当たった時",
    "自分の左にブロックが当たった時",
    "自分の右にブロックが当たった時",
    "自分の上下にブロックが当たった時",
    "自分の上にブロックが当たった時",
    "自分の下にブロックが当たった時",
    "主人公に乗られている時",
    "キャラに乗られている時",
    "アタックでダメージを与えた時",
    "アタックで衝撃を与えた時",
    "アタックを当てた時",
    "ステージ開始前",
    "なし（フローの操作コマンドで実行）",
    ""};

const cString FlowOpNames[7] = {"開始", "終了", "一時停止", "再開", "削除", "永久停止", ""};
const cString FlowOpScopeNames[4] = {"このフロー", "このフロー以外全て", "指定IDのフロー", ""};
const cString FlowOpTargetNames[6] = {"自分", "ターゲット1", "ターゲット2", "ターゲット3", "ターゲット4", ""};
const cString FlowChangeOpNames[4] = {"追加", "変更", "削除", ""};
const cString FlowChangeIdNames[28] = {"全て削除", VX_LETTERS_UPPER, ""};
const cString ValidFlowIdNames[28] = {"全て", VX_LETTERS_UPPER, ""};

#undef VX_LETTERS_UPPER
#undef VX_LETTERS_LOWER

const cString SelfSubjectNames[6] = {"自分", "ターゲット1", "ターゲット2", "ターゲット3", "ターゲット4", ""};
const cString SelfSubjectSysNames[7] = {
    "自分", "ターゲット1", "ターゲット2", "ターゲット3", "ターゲット4", "システム", ""};
const cString HeroSubjectNames[6] = {"主人公", "ターゲット1", "ターゲット2", "ターゲット3", "ターゲット4", ""};
const cString HeroSubjectSysNames[7] = {
    "主人公", "ターゲット1", "ターゲット2", "ターゲット3", "ターゲット4", "システム", ""};

const cString StatusValueKindNames[3] = {"ステータス", "変数", ""};
const cString OperandKindNames[5] = {"定数", "乱数", "ステータス", "変数", ""};
const cString VariableScopeNames[3] = {"コモン変数", "ステージ変数", ""};
const cString StatusCalcNames[4] = {"通常の計算", "最大値に対する％で指定", "現在値に対する％で指定", ""};
const cString VanishOptionNames[2] = {"ON", ""};

const cString StateCheckNames[6] = {
    "左向き", "右向き", "ブロックに乗っている(ブロックキャラも含む)", "画面内にいる", "存在している", ""};
const cString KeyJudgeNames[4] = {
    "全てのキーが真なら成立", "1つ以上のキーが真なら成立", "1つだけキーが真なら成立", ""};
const cString KeyStateNames[4] = {"--", "押", "離", ""};

const cString StageClearModeNames[5] = {"次のステージへ", "番号で指定", "パスで指定", "ワールドクリア", ""};
const cString ClearFacingNames[4] = {"左向き", "右向き", "ステージクリア時の向きと同じ", ""};
const cString MessagePosNames[10] = {
    "画面中央に表示",   "自分の上に表示",   "自分の下に表示",   "自分の中心に表示", "主人公の上に表示",
    "主人公の下に表示", "主人公の中心に表示", "画面座標で指定", "ステージ座標で指定", ""};
const cString MessageDurNames[4] = {"進行キーが押されるまで表示", "ステージ終了まで表示", "時間で指定", ""};
const cString TargetChoiceNames[12] = {
    "主人公",
    "自分",
    "最も近いキャラ",
    "キャラ（キャラIDで指定）",
    "親キャラ（自分を召喚したキャラ）",
    "子キャラ（最後に召喚したキャラ）",
    "子キャラ（条件付き。後で召喚したキャラ優先)",
    "ターゲット1",
    "ターゲット2",
    "ターゲット3",
    "ターゲット4",
    ""};
const cString TargetRangeNames[4] = {"全範囲（画面内のキャラ優先）", "全範囲", "画面内", ""};
const cString TargetFailNames[3] = {"ターゲット無し", "ターゲットを変更しない", ""};
const cString VanishKindNames[7] = {
    "キャラ",         "ショット", "子以下のキャラ", "子のショット", "子以下のキャラと子以下のショット",
    "子以下のキャラと孫以下のショット", ""};
const cString VanishScopeNames[3] = {"画面内", "全範囲", ""};
const cString ItemGetPaletteNames[3] = {"コモンパレット", "ステージパレット", ""};
const cString ItemGetCommonOnlyNames[2] = {"コモンパレット", ""};
const cString ScreenPosNames[6] = {
    "画面中央に表示", "キャラの中心に表示", "主人公の中心に表示", "画面座標で指定", "ステージ座標で指定", ""};
const cString PictureDurNames[4] = {"進行キーが押されるまで表示", "ステージ終了まで表示", "時間で指定", ""};
const cString PlayModeNames[4] = {"通常実行", "反転実行", "往復実行", ""};
const cString BackgroundOpNames[4] = {"表示", "非表示", "反転(表示⇔非表示)", ""};
const cString ArrangeVarScopeNames[4] = {"コモン変数", "ステージ変数", "キャラ変数", ""};

const cStatusDesc CharaStatusTable[kCharaStatusCount] = {
    {"キャラ変数", -999999, 999999, -999999, 999999, 0, 0, 1},
    {"HP", 0, 999999, -999999, 999999, 0, 1, 1},
    {"SP", 0, 999999, -999999, 999999, 0, 1, 1},
    {"最大HP", 0, 999999, -999999, 999999, 0, 0, 1},
    {"最大SP", 0, 999999, -999999, 999999, 0, 0, 1},
    {"キャラID", 0, 99, -99, 99, 0, 0, 0},
    {"Z座標", 0, 8, -8, 8, 0, 0, 0},
    {"マーク番号", 0, 119, -119, 119, 0, 0, 0},
    {"視界範囲(hbl)", 0, 40, -40, 40, 0, 0, 1},
    {"体当たりの威力", -999999, 999999, -999999, 999999, 0, 0, 1},
    {"体当たりの衝撃", -20, 20, -20, 20, 0, 0, 1},
    {"防御力", 0, 999999, -999999, 999999, 0, 0, 1},
    {"衝撃耐性", 0, 20, -20, 20, 0, 0, 1},
    {"止まりやすさ", 0, 200, -200, 200, 0, 0, 1},
    {"倒したら獲得するスコア", -999999, 999999, -999999, 999999, 0, 0, 1},
};

const cStatusDesc SystemStatusTable[kSystemStatusCount] = {
    {"時間", 0, 999, -999, 999, 0, 0, 1},
    {"横スクロール速度", -480, 480, -480, 480, 0, 0, 1},
    {"縦スクロール速度", -480, 480, -480, 480, 0, 0, 1},
    {"スコア", 0, 999999, -999999, 999999, 0, 0, 1},
    {"残り人数", 0, 99, -99, 99, 0, 0, 1},
};

const cOptionStatusDesc FlagStatusTable[kFlagStatusCount] = {
    {"消滅", 0, 0, VanishOptionNames, 0},
    {"透明", 0, 1, OnOffNames, 0},
    {"向き固定", 0, 1, OnOffNames, 0},
    {"飛行", 0, 3, FlyingNames, 0},
    {"無敵", 0, 2, InvincibleNames, 0},
    {"巨大化", 1, 10, GiantNames, 1},
    {"オートスクロールとシンクロ", 0, 1, OnOffNames, 0},
};

cOptionStatusDesc ScrollStatusTable[kScrollStatusCount];

void FillScrollStatusTable(cOptionStatusDesc* table, const cString* scrollKindNames) {
  const char* const names[kScrollStatusCount] = {"横スクロール", "縦スクロール"};
  for (int row = 0; row < kScrollStatusCount; ++row) table[row] = {names[row], 0, 1, scrollKindNames, 0};
}

const cString& cOptionStatusDesc::Option(int row) const {
  return row >= 0 && row < OptionCount() ? m_pOption[row] : kUnknownName;
}

const cString& CharaStatusName(int row) {
  return row >= 0 && row < kCharaStatusCount ? CharaStatusTable[row].m_strName : kUnknownName;
}

const cString& SystemStatusName(int row) {
  return row >= 0 && row < kSystemStatusCount ? SystemStatusTable[row].m_strName : kUnknownName;
}

const cOptionStatusDesc* FlagStatus(int row) {
  return row >= 0 && row < kFlagStatusCount ? &FlagStatusTable[row] : nullptr;
}

const cOptionStatusDesc* ScrollStatus(int row) {
  return row >= 0 && row < kScrollStatusCount ? &ScrollStatusTable[row] : nullptr;
}
