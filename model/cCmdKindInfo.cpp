#include "model/cCmdKindInfo.h"

const cCmdKindInfo CharaCmdSet[kCharaCmdCount] = {
    {"", 0},
    {"ウエイト", 0},
    {"直線移動", 0},
    {"地上折り返し移動", 0},
    {"円移動", 0},
    {"突撃移動", 0},
    {"誘導移動", 0},
    {"画面外回避移動", 0},
    {"移動の無効化", 0},
    {"向き変更", 1},
    {"ジャンプ", 5},
    {"ショット", 0},
    {"ソード", 0},
    {"ブロック召喚", 0},
    {"キャラ召喚", 0},
    {"アイテム召喚", 0},
    {"フローの操作", 4},
    {"ステージクリア", 9},
    {"ゲームウエイト", 1},
    {"メッセージ", 18},
    {"ワープ", 0},
    {"ターゲットの設定", 16},
    {"ステータスの操作", 18},
    {"ステータスの操作2", 3},
    {"消滅", 3},
    {"アイテムの取得", 2},
    {"グラフィックの変更", 3},
    {"基本アニメセットの変更", 1},
    {"アニメの実行", 1},
    {"エフェクトの実行", 8},
    {"キャラエフェクトの実行", 3},
    {"画面エフェクトの実行", 3},
    {"ピクチャーの表示", 15},
    {"画面の色を変更", 8},
    {"背景の変更", 2},
    {"効果音の再生", 1},
    {"BGMの再生", 2},
    {"コードの実行", 0},
    {"アレンジ", 5},
    {"ループ", 2},
};

// Same translation unit: the character set is initialised first.
const cCmdKindInfo ItemCmdSet[kItemCmdCount] = {
    {"", 0},          {"フローの変更", 2}, CharaCmdSet[17], CharaCmdSet[18], CharaCmdSet[19],
    CharaCmdSet[20],  CharaCmdSet[21],     CharaCmdSet[22], CharaCmdSet[23], CharaCmdSet[24],
    CharaCmdSet[25],  CharaCmdSet[26],     CharaCmdSet[27], CharaCmdSet[28], CharaCmdSet[29],
    CharaCmdSet[30],  CharaCmdSet[31],     CharaCmdSet[32], CharaCmdSet[33], CharaCmdSet[34],
    CharaCmdSet[35],  CharaCmdSet[36],     CharaCmdSet[37], CharaCmdSet[38], CharaCmdSet[39],
};

const cCmdKindInfo* FindCmdKind(int set, int kind) {
  if (set == 0) return kind >= 0 && kind < kCharaCmdCount ? &CharaCmdSet[kind] : nullptr;
  return kind >= 0 && kind < kItemCmdCount ? &ItemCmdSet[kind] : nullptr;
}
