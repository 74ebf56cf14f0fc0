#include "database/EffectKindTables.h"

namespace {

cString Note(const char* withDirect3D, const char* withoutDirect3D) {
  cString note;
  note.Format("Direct3D有効時：%s\nDirect3D無効時：%s", withDirect3D, withoutDirect3D);
  return note;
}

// Every kind runs for a time in tenths of a second first.
cEffectParam RunTime(int16_t defaultValue) { return cEffectParam("実行時間(1/10s)", 1, 9999, defaultValue); }

const cEffectParam kUnused;

}  // namespace

const cString CharaEffectNames[kCharaEffectKinds + 1] = {
    "破裂", "分割（横）", "分割（縦）", "波（横）", "波（縦）", "点滅", "回転A", "回転B",
    "回転（奥）", "円", "拡大", "レンズ", "色変化", "半透明", "モザイク", "ぼかし", "",
};

const cString CharaEffectNotes[kCharaEffectKinds + 1] = {
    Note("", ""),
    Note("", ""),
    Note("", ""),
    Note("やや遅い", "やや遅い"),
    Note("やや遅い", "やや遅い"),
    Note("速い", "速い"),
    Note("回転Aと回転Bは同じ", "巨大キャラには実行速度重視"),
    Note("回転Aと回転Bは同じ", "やや遅い。巨大キャラには描画精度重視"),
    Note("", ""),
    Note("やや遅い", "やや遅い"),
    Note("", ""),
    Note("遅過ぎ", "遅い"),
    Note("", "画面が8bit色→精度悪い、16bit色以上→やや遅い"),
    Note("", "画面が8bit色→精度悪い、16bit色以上→遅過ぎ"),
    Note("遅い", "画面が16bit色以上だと遅い"),
    Note("遅い", "画面が16bit色以上でのみ有効。遅い"),
    "",
};

const cEffectParam CharaEffectParams[kCharaEffectKinds + 1][kEffectParams] = {
    {kUnused, kUnused, kUnused, kUnused, kUnused},
    // 1 破裂
    {RunTime(5), {"開始位置(dot)", 0, 999, 0}, {"終了位置(dot)", 0, 999, 32}, kUnused, kUnused},
    // 2 分割（横）
    {RunTime(5), {"開始位置(dot)", 0, 999, 0}, {"終了位置(dot)", 0, 999, 32}, {"分割数", 2, 16, 4}, kUnused},
    // 3 分割（縦）
    {RunTime(5), {"開始位置(dot)", 0, 999, 0}, {"終了位置(dot)", 0, 999, 32}, {"分割数", 2, 16, 4}, kUnused},
    // 4 波（横）
    {RunTime(5), {"開始幅(dot)", 0, 999, 0}, {"終了幅(dot)", 0, 999, 32}, {"波の数", 2, 16, 2},
     {"波の粗さ(dot)", 1, 4, 2}},
    // 5 波（縦）
    {RunTime(5), {"開始幅(dot)", 0, 999, 0}, {"終了幅(dot)", 0, 999, 32}, {"波の数", 2, 16, 2},
     {"波の粗さ(dot)", 1, 4, 2}},
    // 6 点滅
    {RunTime(10), {"点滅間隔(1/60s)", 1, 9999, 2}, kUnused, kUnused, kUnused},
    // 7 回転A
    {RunTime(10), {"開始角度", 0, 9999, 0}, {"終了角度", 0, 9999, 1440}, kUnused, kUnused},
    // 8 回転B
    {RunTime(10), {"開始角度", 0, 9999, 0}, {"終了角度", 0, 9999, 1440}, kUnused, kUnused},
    // 9 回転（奥）
    {RunTime(10), {"開始位置(dot)", 0, 9999, 0}, {"終了位置(dot)", 0, 9999, 256}, kUnused, kUnused},
    // 10 円
    {RunTime(5), {"開始半径(dot)", 0, 32, 32}, {"終了半径(dot)", 0, 32, 0}, {"円の粗さ(dot)", 1, 4, 2}, kUnused},
    // 11 拡大
    {RunTime(10), {"開始幅(dot)", 0, 320, 32}, {"終了幅(dot)", 0, 320, 64}, kUnused, kUnused},
    // 12 レンズ
    {RunTime(10), {"開始距離", 0, 100, 100}, {"終了距離", 0, 100, 5}, {"ズレX(dot)", -16, 16, 0},
     {"ズレY(dot)", -16, 16, 0}},
    // 13 色変化
    {RunTime(10), {"開始合成度", 1, 4, 1}, {"終了合成度", 1, 4, 1}, {"色", 16, 207, 16}, kUnused},
    // 14 半透明
    {RunTime(10), {"点滅間隔(1/60s)", 1, 9999, 9999}, kUnused, kUnused, kUnused},
    // 15 モザイク
    {RunTime(10), {"開始強度", 1, 16, 1}, {"終了強度", 1, 16, 8}, kUnused, kUnused},
    // 16 ぼかし
    {RunTime(10), {"開始強度", 1, 4, 1}, {"終了強度", 1, 4, 4}, kUnused, kUnused},
};

const cString ScrEffectNames[kScrEffectKinds + 1] = {
    "移動", "振動（横）", "振動（縦）", "分割（横）", "分割（縦）", "波（横）", "波（縦）",
    "点滅", "回転", "円", "拡大", "レンズ", "モザイク", "",
};

const cString ScrEffectNotes[kScrEffectKinds + 1] = {
    Note("", ""),
    Note("", ""),
    Note("", ""),
    Note("", ""),
    Note("", ""),
    Note("やや遅い", "やや遅い"),
    Note("やや遅い", "やや遅い"),
    Note("速い", "速い"),
    Note("", "遅い"),
    Note("やや遅い", "やや遅い"),
    Note("", "やや遅い"),
    Note("遅過ぎ", "遅過ぎ"),
    Note("遅過ぎ", "画面が16bit色以上だと遅過ぎ"),
    "",
};

const cEffectParam ScrEffectParams[kScrEffectKinds + 1][kEffectParams] = {
    {kUnused, kUnused, kUnused, kUnused, kUnused},
    // 1 移動
    {RunTime(10), {"開始座標X(dot)", -640, 640, 0}, {"開始座標Y(dot)", -480, 480, 0},
     {"終了座標X(dot)", -640, 640, 640}, {"終了座標Y(dot)", -480, 480, 0}},
    // 2 振動（横）
    {RunTime(10), {"振動幅(dot)", 1, 640, 4}, {"振動回数", 1, 9999, 4}, kUnused, kUnused},
    // 3 振動（縦）
    {RunTime(10), {"振動幅(dot)", 1, 480, 4}, {"振動回数", 1, 9999, 4}, kUnused, kUnused},
    // 4 分割（横）
    {RunTime(10), {"開始位置(dot)", 0, 640, 0}, {"終了位置(dot)", 0, 640, 640}, {"分割数", 2, 240, 15}, kUnused},
    // 5 分割（縦）
    {RunTime(10), {"開始位置(dot)", 0, 480, 0}, {"終了位置(dot)", 0, 480, 480}, {"分割数", 2, 320, 20}, kUnused},
    // 6 波（横）
    {RunTime(10), {"開始幅(dot)", 0, 640, 0}, {"終了幅(dot)", 0, 640, 640}, {"波の数", 2, 240, 4},
     {"波の粗さ(dot)", 1, 48, 8}},
    // 7 波（縦）
    {RunTime(10), {"開始幅(dot)", 0, 480, 0}, {"終了幅(dot)", 0, 480, 480}, {"波の数", 2, 320, 4},
     {"波の粗さ(dot)", 1, 64, 10}},
    // 8 点滅
    {RunTime(10), {"点滅間隔(1/60s)", 1, 9999, 10}, kUnused, kUnused, kUnused},
    // 9 回転
    {RunTime(10), {"開始角度", 0, 9999, 0}, {"終了角度", 0, 9999, 1440}, kUnused, kUnused},
    // 10 円
    {RunTime(10), {"開始半径(dot)", 0, 640, 640}, {"終了半径(dot)", 0, 640, 0}, {"円の粗さ(dot)", 1, 48, 8}, kUnused},
    // 11 拡大
    {RunTime(10), {"開始幅(dot)", 0, 6400, 640}, {"終了幅(dot)", 0, 6400, 1280}, kUnused, kUnused},
    // 12 レンズ
    {RunTime(10), {"開始距離", 0, 1500, 1500}, {"終了距離", 0, 1500, 5}, {"ズレX(dot)", -320, 320, 0},
     {"ズレY(dot)", -240, 240, 0}},
    // 13 モザイク
    {RunTime(10), {"開始強度", 1, 240, 1}, {"終了強度", 1, 240, 60}, kUnused, kUnused},
};
