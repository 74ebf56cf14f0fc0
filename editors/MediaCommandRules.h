#pragma once
// The dialogs that pick one thing from a list: "アイテムの取得" (kind 25, item kind 10; template
// 268, cDlgCommandItemGet), "基本アニメセットの変更" (27 and 12; 230, cDlgCommandAnimeSet),
// "アニメの実行" (28 and 13; 227, cDlgCommandAnime), "背景の変更" (34 and 19; 240,
// cDlgCommandBackground), "効果音の再生" (35 and 20; 228, cDlgCommandSound) and "BGMの再生" (36 and
// 21; 229, cDlgCommandBgm), with the sound and BGM previews.

#include <cstdint>

#include "app/cString.h"
#include "app/cVector.h"
#include "editors/CmdDialogDesc.h"
#include "editors/OpenSheets.h"

class cDatabaseSet;

enum : uint16_t {
  kIdcItemGetPalette = 1408,
  kIdcItemGetItem = 1409,
  kIdcItemGetNote = 1450,
  kIdcAnimeSet = 1223,
  kIdcAnimeRun = 1263,
  kIdcSoundPlay = 1131,
  kIdcBgm = 11222,
  kIdcBgmLoop = 1168,
  kIdcBgmPlay = 1309,
  kIdcBackgroundNumber = 1259,
  kIdcBackgroundShow = 1261,
};

// Rows with three-digit numbers: the anime sets numbered from 1 (row r stores record r), the animes
// and sound effects from record 1 on (row r stores record r + 1), the BGM after "BGMの停止".
cVector<cString> AnimeSetPickRows(const cDatabaseSet& db);
cVector<cString> AnimePickRows(const cDatabaseSet& db);
cVector<cString> SoundPickRows(const cDatabaseSet& db);
cVector<cString> BgmPickRows(const cDatabaseSet& db);
// The items of "アイテムの取得" for its palette parameter (0 common, 1 stage); none for another.
cVector<cString> ItemGetRows(int palette);
// The note about items that change flows is for commands inside a flow, not an item's own list.
int ItemGetNoteShown(const cOpenSheets& sheets);

// The previews: the sound effect or BGM of a row of its table (row 0 and a row past the table play
// nothing), played through the program's players, which say "読み込み失敗！" for a file they
// cannot play and stay quiet without a sound device; the BGM stops when its dialog closes.
void PlayCmdSound(int32_t row);
void PlayCmdBgm(int32_t row);
void StopCmdBgm();

extern const cCmdDialogDesc kItemGetDialog;
extern const cCmdDialogDesc kAnimeSetDialog;
extern const cCmdDialogDesc kAnimeDialog;
extern const cCmdDialogDesc kBackgroundDialog;
extern const cCmdDialogDesc kSoundDialog;
extern const cCmdDialogDesc kBgmDialog;
