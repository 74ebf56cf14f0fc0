#include "editors/MediaCommandRules.h"

#include <algorithm>

#include "app/cBgmManager.h"
#include "database/MediaPreview.h"
#include "database/cDatabaseSet.h"
#include "editors/CharaSheetEdit.h"
#include "editors/DatabaseRows.h"
#include "editors/ShotCommandRules.h"
#include "model/FlowVocabulary.h"
#include "model/cPaletteLists.h"
#include "stage/cStageEditState.h"

using C = cCommandData;

cVector<cString> AnimeSetPickRows(const cDatabaseSet& db) { return DatabaseRows(db.m_vAnimeSet, 3, 1, nullptr); }
cVector<cString> AnimePickRows(const cDatabaseSet& db) { return PaletteRows(db.m_vAnime); }
cVector<cString> SoundPickRows(const cDatabaseSet& db) { return PaletteRows(db.m_vSound); }
cVector<cString> BgmPickRows(const cDatabaseSet& db) { return DatabaseRows(db.m_vBgm, 3, 0, "BGMの停止"); }

cVector<cString> ItemGetRows(int palette) {
  return palette == 0 || palette == 1 ? PaletteItemRows(palette + kPaletteCommon) : cVector<cString>();
}

int ItemGetNoteShown(const cOpenSheets& sheets) { return sheets.m_bChara || (sheets.m_bItem && sheets.m_bEditFlows); }

void PlayCmdSound(int32_t row) {
  const cVector<cSoundData>& sounds = g_DatabaseSet.m_vSound;
  if (row > 0 && row < sounds.Count()) PlaySoundPreview(sounds[row].m_strPath);
}

void PlayCmdBgm(int32_t row) {
  const cVector<cBgmData>& bgm = g_DatabaseSet.m_vBgm;
  if (row > 0 && row < bgm.Count()) PlayBgmPreview(bgm[row].m_strPath);
}

void StopCmdBgm() { g_BgmManager.Stop(); }

namespace {
constexpr cRowNumbering kThreeDigits{3, 0};

int32_t P(const C& command, int16_t index) { return ReadCmdSlot(command, cParamSlot{index}); }

void ItemPaletteRows(const C&, cCmdRows& rows) {
  bool common = g_StageEditState.m_nEditContext == kEditCommonPalette;
  rows.m_vRows = NameList(common ? ItemGetCommonOnlyNames : ItemGetPaletteNames);
}
void ItemRows(const C& shown, cCmdRows& rows) {
  rows.m_vRows = ItemGetRows(P(shown, 0));
  rows.m_nOffset = 1;
  rows.m_Numbering = kThreeDigits;
}
// Anime set r is shown as number r + 1.
void AnimeSetRows(const C&, cCmdRows& rows) {
  rows.m_vRows = AnimeSetPickRows(g_DatabaseSet);
  rows.m_Numbering = {3, 1};
}
void AnimeRunRows(const C&, cCmdRows& rows) {
  rows.m_vRows = AnimePickRows(g_DatabaseSet);
  rows.m_nOffset = 1;
  rows.m_Numbering = kThreeDigits;
}
void SoundPlayRows(const C&, cCmdRows& rows) {
  rows.m_vRows = SoundPickRows(g_DatabaseSet);
  rows.m_nOffset = 1;
  rows.m_Numbering = kThreeDigits;
}
void BgmRows(const C&, cCmdRows& rows) {
  rows.m_vRows = BgmPickRows(g_DatabaseSet);
  rows.m_Numbering = kThreeDigits;
}

// A newly chosen palette keeps the item number on its items.
void ChangeItemGet(C& shown, const C& before) {
  if (P(shown, 0) == P(before, 0)) return;
  int count = ItemGetRows(P(shown, 0)).Count();
  if (count > 0) WriteCmdSlot(shown, cParamSlot{1}, std::clamp(P(shown, 1), 1, count));
}

void ItemGetStates(const C&, cCtrlStates& states) {
  states.Show(kIdcItemGetNote, ItemGetNoteShown(OpenSheetsOf(g_StageEditState)) != 0);
}

const cCmdCtrl kItemGetCtrls[] = {
    FnRowsCtrl(kIdcItemGetPalette, cParamSlot{0}, ItemPaletteRows),
    FnRowsCtrl(kIdcItemGetItem, cParamSlot{1}, ItemRows),
};
const cCmdCtrl kAnimeSetCtrls[] = {FnRowsCtrl(kIdcAnimeSet, cParamSlot{0}, AnimeSetRows)};
const cCmdCtrl kAnimeCtrls[] = {FnRowsCtrl(kIdcAnimeRun, cParamSlot{0}, AnimeRunRows)};
const cCmdCtrl kSoundCtrls[] = {
    FnRowsCtrl(kIdcSoundPlay, cParamSlot{0}, SoundPlayRows),
    CommonCmdCtrl(kIdcCmdSoundInView),
};
const cCmdCtrl kBgmCtrls[] = {
    FnRowsCtrl(kIdcBgm, cParamSlot{0}, BgmRows),
    CheckCtrl(kIdcBgmLoop, cParamSlot{1}),
};
const uint16_t kBgmButtons[] = {kIdcBgmPlay};
const cCmdCtrl kBackgroundCtrls[] = {
    NumCtrl(kIdcBackgroundNumber, 1260, cParamSlot{0}, 1, 8),
    ComboCtrl(kIdcBackgroundShow, cParamSlot{1}, BackgroundOpNames, 0),
};

// Each of the six gives a new command time 0 and runs it in parallel.
void WriteParallel(C& command) {
  command.m_nTime = 0;
  command.m_bParallel = 1;
}

// Then parameter 0 = 1: anime 1, sound 1, BGM 1, background 1.
void WriteFirstEntry(C& command) {
  WriteParallel(command);
  WriteCmdSlot(command, cParamSlot{0}, 1);
}

// Item 1 of the common palette.
void WriteItemGetDefaults(C& command) {
  WriteParallel(command);
  WriteCmdSlot(command, cParamSlot{1}, 1);
}
}  // namespace

const cCmdDialogDesc kItemGetDialog = CmdDialog(0, kCmdTakeItem, 268, "cDlgCommandItemGet")
                                          .Ctrls(kItemGetCtrls)
                                          .Defaults(WriteItemGetDefaults)
                                          .Change(ChangeItemGet)
                                          .States(ItemGetStates);

const cCmdDialogDesc kAnimeSetDialog =
    CmdDialog(0, kCmdAnimeSet, 230, "cDlgCommandAnimeSet").Ctrls(kAnimeSetCtrls).Defaults(WriteParallel);

const cCmdDialogDesc kAnimeDialog =
    CmdDialog(0, kCmdAnime, 227, "cDlgCommandAnime").Ctrls(kAnimeCtrls).Defaults(WriteFirstEntry);

const cCmdDialogDesc kBackgroundDialog =
    CmdDialog(0, kCmdBackground, 240, "cDlgCommandBackground").Ctrls(kBackgroundCtrls).Defaults(WriteFirstEntry);

const cCmdDialogDesc kSoundDialog = CmdDialog(0, kCmdSound, 228, "cDlgCommandSound")
                                        .Ctrls(kSoundCtrls)
                                        .Defaults(WriteFirstEntry)
                                        .SoundPreview(kIdcSoundPlay);

const cCmdDialogDesc kBgmDialog = CmdDialog(0, kCmdBgm, 229, "cDlgCommandBgm")
                                      .Ctrls(kBgmCtrls)
                                      .Buttons(kBgmButtons)
                                      .Defaults(WriteFirstEntry)
                                      .BgmPreview(kIdcBgmPlay, kIdcBgm);
