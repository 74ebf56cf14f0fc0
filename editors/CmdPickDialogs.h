#pragma once
// The dialogs that pick one thing from a list: "アイテムの取得" (268), "基本アニメセットの変更" (230),
// "アニメの実行" (227), "背景の変更" (240), "効果音の再生" (228) and "BGMの再生" (229), with the
// sound and BGM previews.

#include <cstdint>

#include "app/cString.h"
#include "app/cVector.h"
#include "editors/CmdDialogCore.h"
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
// and sound effects from record 1 on (row r stores record r + 1), and the BGM after "BGMの停止".
cVector<cString> AnimeSetPickRows(const cDatabaseSet& db);
cVector<cString> AnimePickRows(const cDatabaseSet& db);
cVector<cString> SoundPickRows(const cDatabaseSet& db);
cVector<cString> BgmPickRows(const cDatabaseSet& db);
// The item rows of "アイテムの取得" for its palette parameter (0 common, 1 stage); none for another.
cVector<cString> ItemGetRows(int palette);
// The note about items that change flows is for commands inside a flow, not an item's own list.
int ItemGetNoteShown(const cOpenSheets& sheets);

extern const cCmdDialogSpec kPickDialogs[6];
