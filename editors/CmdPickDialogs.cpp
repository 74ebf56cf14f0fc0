#include "editors/CmdPickDialogs.h"

#include "database/cDatabaseSet.h"
#include "editors/CharaSheetEdit.h"
#include "editors/CmdShotDialogs.h"
#include "editors/DatabaseRows.h"
#include "model/FlowVocabulary.h"
#include "model/cPaletteLists.h"

using C = cCommandData;

namespace {
constexpr cRowNumbering kThreeDigits{3, 0};
}  // namespace

cVector<cString> AnimeSetPickRows(const cDatabaseSet& db) { return DatabaseRows(db.m_vAnimeSet, 3, 1, nullptr); }
cVector<cString> AnimePickRows(const cDatabaseSet& db) { return PaletteRows(db.m_vAnime); }
cVector<cString> SoundPickRows(const cDatabaseSet& db) { return PaletteRows(db.m_vSound); }
cVector<cString> BgmPickRows(const cDatabaseSet& db) { return DatabaseRows(db.m_vBgm, 3, 0, "BGMの停止"); }

cVector<cString> ItemGetRows(int palette) {
  return palette == 0 || palette == 1 ? PaletteItemRows(palette + kPaletteCommon) : cVector<cString>();
}

int ItemGetNoteShown(const cOpenSheets& sheets) { return sheets.m_bChara || (sheets.m_bItem && sheets.m_bEditFlows); }

namespace {
class cItemGetDialog : public cCmdDialogKind {
public:
  void Init(cCmdDialogRun& run) override {
    bool common = run.Env().m_nEditContext == kEditCommonPalette;
    run.SetComboRows(kIdcItemGetPalette, NameList(common ? ItemGetCommonOnlyNames : ItemGetPaletteNames), {});
    Update(run);
    run.Decide().Show(kIdcItemGetNote, ItemGetNoteShown(run.Env().m_Sheets) != 0);
  }
  void Update(cCmdDialogRun& run) override {
    int32_t palette = run.IntValue(kIdcItemGetPalette);
    if (palette == 0 || palette == 1) run.SetComboRows(kIdcItemGetItem, ItemGetRows(palette), kThreeDigits);
  }
};

class cAnimeSetDialog : public cCmdDialogKind {
public:
  void Init(cCmdDialogRun& run) override {
    // Anime set r is shown as number r + 1.
    run.SetComboRows(kIdcAnimeSet, AnimeSetPickRows(g_DatabaseSet), {3, 1});
  }
};

class cAnimeDialog : public cCmdDialogKind {
public:
  void Init(cCmdDialogRun& run) override { run.SetComboRows(kIdcAnimeRun, AnimePickRows(g_DatabaseSet), kThreeDigits); }
};

class cSoundDialog : public cCmdDialogKind {
public:
  void Init(cCmdDialogRun& run) override {
    run.SetComboRows(kIdcSoundPlay, SoundPickRows(g_DatabaseSet), kThreeDigits);
  }
  void Command(cCmdDialogRun& run, uint16_t id, int code) override {
    if (id == kIdcSoundPlay && code == kCbnSelChange) run.PreviewSound(id);
  }
};

class cBgmDialog : public cCmdDialogKind {
public:
  void Init(cCmdDialogRun& run) override { run.SetComboRows(kIdcBgm, BgmPickRows(g_DatabaseSet), kThreeDigits); }
  void Command(cCmdDialogRun& run, uint16_t id, int code) override {
    if (id == kIdcBgmPlay && code == kBnClicked) Play(run);
  }
  // OK, cancel and the close box stop the music first.
  void Close(cCmdDialogRun& run) override { run.Host().StopBgm(); }

private:
  static void Play(cCmdDialogRun& run) {
    const cVector<cBgmData>& bgm = g_DatabaseSet.m_vBgm;
    int32_t row = run.IntValue(kIdcBgm);
    if (row >= 1 && row < bgm.Count()) run.Host().PlayBgm(bgm[row].m_strPath);
  }
};

const auto kItemGetCtrls = Ctrls(CtrlCombo(kIdcItemGetPalette, ParamRef(0), nullptr, 0),
                                 CtrlCombo(kIdcItemGetItem, ParamRef(1), nullptr, 1), CtrlStatic(kIdcItemGetNote));
const auto kAnimeSetCtrls = Ctrls(CtrlCombo(kIdcAnimeSet, ParamRef(0), nullptr, 0));
const auto kAnimeCtrls = Ctrls(CtrlCombo(kIdcAnimeRun, ParamRef(0), nullptr, 1));
const auto kSoundCtrls = Ctrls(CtrlCombo(kIdcSoundPlay, ParamRef(0), nullptr, 1), CtrlCommon(kIdcCmdSoundInView));
const auto kBgmCtrls =
    Ctrls(CtrlCombo(kIdcBgm, ParamRef(0), nullptr, 0), CtrlCheck(kIdcBgmLoop, ParamRef(1)), CtrlButton(kIdcBgmPlay));
const auto kBackgroundCtrls = Ctrls(CtrlEdit(kIdcBackgroundNumber, 1260, ParamRef(0), 1, 8),
                                    CtrlCombo(kIdcBackgroundShow, ParamRef(1), BackgroundOpNames, 0));

// Each of the six gives a new command time 0 and runs it in parallel.
void Parallel(C& command) {
  command.m_nTime = 0;
  command.m_bParallel = 1;
}

// Parameter 0 = 1 after that: item 1, anime 1, sound 1, BGM 1, background 1.
void FirstEntry(C& command) {
  Parallel(command);
  command.m_vParam[0] = 1;
}

void ItemGetDefaults(C& command) {
  Parallel(command);
  command.m_vParam[1] = 1;
}
}  // namespace

const cCmdDialogSpec kPickDialogs[6] = {
    DialogSpec(kCmdTakeItem, 268, "アイテムの取得", kItemGetCtrls, ItemGetDefaults, NewKind<cItemGetDialog>),
    DialogSpec(kCmdAnimeSet, 230, "基本アニメセットの変更", kAnimeSetCtrls, Parallel, NewKind<cAnimeSetDialog>),
    DialogSpec(kCmdAnime, 227, "アニメの実行", kAnimeCtrls, FirstEntry, NewKind<cAnimeDialog>),
    DialogSpec(kCmdBackground, 240, "背景の変更", kBackgroundCtrls, FirstEntry, NewKind<cCmdDialogKind>),
    DialogSpec(kCmdSound, 228, "効果音の再生", kSoundCtrls, FirstEntry, NewKind<cSoundDialog>),
    DialogSpec(kCmdBgm, 229, "BGMの再生", kBgmCtrls, FirstEntry, NewKind<cBgmDialog>),
};
