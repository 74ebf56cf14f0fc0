// The command dialogs of effects, pictures, items, animes, sounds, BGM, backgrounds, graphics and
// the screen colour on their own templates: every control their descriptions bind is there and
// every label fits; stored rows past their tables; the previews reach the players and the canvas;
// the cell picker; the colour trackbars. Asked to (tests/editors/win/cmd_screenshot.sh), the
// dialogs stay on screen on the factory project for a screenshot each.

#include <algorithm>
#include <filesystem>
#include <functional>

#include "app/cBgmManager.h"
#include "app/cMciSound.h"
#include "app/cValInfoData.h"
#include "app/win/ProjectSheets.h"
#include "app/win/cSoundWin.h"
#include "database/cDatabaseSet.h"
#include "editors/EffectCommandRules.h"
#include "editors/LookCommandRules.h"
#include "editors/MediaCommandRules.h"
#include "editors/win/cDlgCommand.h"
#include "editors/win/cDlgGraphicPick.h"
#include "model/VariableNames.h"
#include "stage/win/PaintCanvas.h"
#include "tests/editors/win/EditorWndTest.h"
#include "tests/support/CmdDialogRows.h"
#include "tests/support/FakeSound.h"
#include "tests/support/win/DialogItems.h"
#include "tests/support/win/GuiObjects.h"
#include "tests/support/win/LabelFit.h"
#include "tests/support/win/UserInput.h"
#include "ui/win/cModelessList.h"

namespace fs = std::filesystem;

namespace {
const int kMediaKinds[] = {kCmdEffect,  kCmdCharaEffect, kCmdScrEffect, kCmdPicture, kCmdTakeItem, kCmdAnimeSet,
                           kCmdAnime,   kCmdSound,       kCmdBgm,       kCmdBackground, kCmdGraphic,
                           kCmdScreenColour};

// The screenshot of the item dialog with its note comes after one of each dialog.
constexpr int kMediaShotItemNote = sizeof kMediaKinds / sizeof kMediaKinds[0];

cCommandData CommandOf(int kind, std::initializer_list<int32_t> params = {}) {
  cCommandData command;
  command.m_cKind = static_cast<int8_t>(kind);
  command.m_vParam.assign(params.begin(), params.end());
  return command;
}

std::string SelectedRow(HWND dialog, int id) {
  HWND combo = GetDlgItem(dialog, id);
  LRESULT row = SendMessageA(combo, CB_GETCURSEL, 0, 0);
  if (row < 0) return "(none)";
  char text[256] = {};
  SendMessageA(combo, CB_GETLBTEXT, row, reinterpret_cast<LPARAM>(text));
  return text;
}

// The 32 x 32 pixels of a canvas, 0x00RRGGBB each.
std::vector<uint32_t> Pixels(const cCanvas& canvas) {
  std::vector<uint32_t> pixels;
  cPixelView image = canvas.Image();
  for (int y = 0; y < kCmdPreviewPixels; ++y)
    for (int x = 0; x < kCmdPreviewPixels; ++x) {
      const uint8_t* pixel = image.At(x, y);
      pixels.push_back(static_cast<uint32_t>(pixel[2]) << 16 | static_cast<uint32_t>(pixel[1]) << 8 | pixel[0]);
    }
  return pixels;
}

uint32_t PixelOf(const cCanvas& canvas, int x, int y) {
  const uint8_t* pixel = canvas.Image().At(x, y);
  return static_cast<uint32_t>(pixel[2]) << 16 | static_cast<uint32_t>(pixel[1]) << 8 | pixel[0];
}

// What the graphic preview shows of one of the first 15 characters: the first frame of its row of
// the first character sheet, facing left, copied as it is.
std::vector<uint32_t> CharaCell(int cell) {
  std::vector<uint32_t> pixels;
  const cCanvas& sheet = g_aSheetCanvas[kSheetChara];
  for (int y = 0; y < kCmdPreviewPixels; ++y)
    for (int x = 0; x < kCmdPreviewPixels; ++x) pixels.push_back(PixelOf(sheet, x, 32 * cell + y));
  return pixels;
}

class CmdMediaWndTest : public EditorWndTest {
protected:
  void SetUp() override {
    EditorWndTest::SetUp();
    m_vSavedNames.swap(g_vValInfo);
    SetUpCmdDialogWorld();
  }
  void TearDown() override {
    g_MciSound.Shutdown();
    g_BgmManager.Shutdown();
    RegisterVariableNames<cValInfoData>(kVarScopeCommon, nullptr);
    RegisterVariableNames<cValInfoData>(kVarScopeStage, nullptr);
    m_vSavedNames.swap(g_vValInfo);
    EditorWndTest::TearDown();
  }

  // Runs the dialog of the command's kind with the action on its window, as the chooser does;
  // the dialog's result.
  int Run(cCommandData& command, int isNew, const std::function<void(HWND)>& action) {
    cCmdEditContext context{&command, isNew};
    cDlgCommand* slot = nullptr;
    cDialogScript script({[&](HWND dialog) {
      m_pDialog = slot;
      action(dialog);
    }});
    int result = RunCommandDialog(slot, command.m_cSet, command.m_cKind, &Editor(), &context, &g_ModelessList, nullptr);
    EXPECT_EQ(script.Ran(), 1) << int(command.m_cKind);
    m_pDialog = nullptr;
    return result;
  }

  // The boxes the fake shell saw, and forgets them.
  std::vector<std::string> TakeBoxes() {
    std::vector<std::string> texts;
    for (const cFakeShell::cBox& box : m_Shell.m_vBoxes) texts.push_back(box.m_strText);
    m_Shell.m_vBoxes.clear();
    return texts;
  }

  cVector<cValInfoData> m_vSavedNames;
  cDlgCommand* m_pDialog = nullptr;
};

// Every control the description binds, with its up-down or value edit, its buttons and its preview.
void ExpectControlsOf(HWND dialog, const cCmdDialogDesc& desc) {
  ForEachCmdCtrl(desc, [&](const cCmdCtrl& ctrl) {
    EXPECT_NE(GetDlgItem(dialog, ctrl.m_nId), nullptr) << desc.m_pClass << " " << ctrl.m_nId;
    if (ctrl.m_nSpinId) {
      EXPECT_NE(GetDlgItem(dialog, ctrl.m_nSpinId), nullptr) << desc.m_pClass << " " << ctrl.m_nSpinId;
    }
  });
  for (int i = 0; i < desc.m_nButtons; ++i) EXPECT_NE(GetDlgItem(dialog, desc.m_pButtons[i]), nullptr) << desc.m_pClass;
  if (desc.m_nPreview) {
    EXPECT_NE(GetDlgItem(dialog, desc.m_nPreview), nullptr) << desc.m_pClass;
  }
  for (int id : {kIdcOk, kIdcCancel}) EXPECT_NE(GetDlgItem(dialog, id), nullptr) << desc.m_pClass;
  char caption[64] = {};
  GetWindowTextA(dialog, caption, sizeof caption);
  EXPECT_EQ(std::string(caption), CmdDialogCaption(desc).GetStr());
}
}  // namespace

// The factory project's sheets and database, as a new project has them: what the screenshots show.
TEST_F(CmdMediaWndTest, EveryDialogOnTheFactoryProjectHasItsControlsAndItsLabelsFit) {
  fs::copy(BuildTreePath("project\\bmp"), "bmp", fs::copy_options::recursive);
  fs::copy(BuildTreePath("project\\default\\database"), "data\\database", fs::copy_options::recursive);
  // The project's own sheets, in place of the test's, their transparent colour from its palette.
  ASSERT_EQ(LoadProgramPalettes(), 1);
  ASSERT_EQ(LoadSheetCanvases("", ""), 1);
  ASSERT_EQ(g_DatabaseSet.LoadDatabaseTables(), 1);
  int hold = HoldMilliseconds();
  int shot = 0;
  for (int kind : kMediaKinds) {
    const cCmdDialogDesc* desc = CmdDialogOf(0, kind);
    ASSERT_NE(desc, nullptr) << kind;
    EXPECT_EQ(CmdDialogOf(1, kind - kItemCmdOffset), desc) << "the item effect kind has the same dialog";
    cCommandData command = CommandOf(kind);
    if (kind == kCmdScreenColour) command.m_vParam = {200, 40, 0, 50, 0, 10, 1, 3};
    Run(command, kind != kCmdScreenColour, [&](HWND dialog) {
      ExpectControlsOf(dialog, *desc);
      ExpectLabelsInside(dialog);
      if (kind == kCmdGraphic) {
        std::vector<uint32_t> black(kCmdPreviewPixels * kCmdPreviewPixels, 0);
        EXPECT_NE(Pixels(m_pDialog->PreviewCanvas()), black) << "the first character of the factory sheet";
      }
      if (kind == kCmdScreenColour) {
        EXPECT_EQ(PixelOf(m_pDialog->PreviewCanvas(), 16, 16), 0xC82800u);
      }
      HoldForShot(shot, hold, &g_ModelessList);
      PostClick(dialog, kIdcCancel);
    });
    ++shot;
  }
}

TEST_F(CmdMediaWndTest, TheItemNoteShowsForACommandInsideACharactersFlow) {
  for (int sheetOpen : {0, 1}) {
    if (sheetOpen) {
      Place(1, 1, NamedChara("歩兵"));
      ASSERT_NE(OpenPlaced(1, 1), nullptr);
    }
    cCommandData command = CommandOf(kCmdTakeItem);
    Run(command, 1, [&](HWND dialog) {
      EXPECT_EQ(Shown(dialog, kIdcItemGetNote), sheetOpen == 1);
      if (sheetOpen) {
        ExpectLabelsInside(dialog);
        HoldForShot(kMediaShotItemNote, HoldMilliseconds(), &g_ModelessList);
      }
      PostClick(dialog, kIdcCancel);
    });
  }
  Press(PSBTN_CANCEL);
}

// Sounds, BGM and animes past their tables show as their number with a blank name and stay stored;
// a run type past its table shows, and is stored as, the first.
TEST_F(CmdMediaWndTest, StoredRowsPastTheirTablesShowTheirNumberAndStay) {
  struct cCase {
    int m_nKind;
    std::vector<int32_t> m_vParam;
    uint16_t m_nId;
    const char* m_pShown;
    std::vector<int32_t> m_vStored;
  };
  const cCase cases[] = {
      {kCmdBgm, {40, 1}, kIdcBgm, "040 ", {40, 1}},
      {kCmdSound, {9}, kIdcSoundPlay, "009 ", {9}},
      {kCmdSound, {0}, kIdcSoundPlay, "000 ", {0}},
      {kCmdAnime, {12}, kIdcAnimeRun, "012 ", {12}},
      {kCmdAnimeSet, {5}, kIdcAnimeSet, "006 ", {5}},
      {kCmdPicture, {7, 0, 0, 0, 0, 0, 1, 100, 0, 10, 1, 0, 0, 0, 0}, kIdcPicture, "007 ", {7}},
      {kCmdEffect, {-2, 0, 0, 0, 0, 0, 100, 0}, kIdcEffect, "-002 ", {-2}},
      {kCmdTakeItem, {1, 9}, kIdcItemGetItem, "009 ", {1, 9}},
      {kCmdCharaEffect, {2, 7, 1}, kIdcEffectRunType, "通常実行", {2, 0, 1}},
      {kCmdScrEffect, {1, 2, 0}, kIdcScrEffect, "001 暗転", {1, 2, 0}},
  };
  for (const cCase& c : cases) {
    cCommandData command = CommandOf(c.m_nKind);
    command.m_vParam.assign(c.m_vParam.begin(), c.m_vParam.end());
    std::string shown;
    EXPECT_EQ(Run(command, 0, [&](HWND dialog) {
                shown = SelectedRow(dialog, c.m_nId);
                PostClick(dialog, kIdcOk);
              }),
              1);
    EXPECT_EQ(shown, c.m_pShown) << c.m_nKind;
    for (size_t i = 0; i < c.m_vStored.size(); ++i) EXPECT_EQ(command.m_vParam[int(i)], c.m_vStored[i]) << c.m_nKind << " " << i;
  }
}

// A new choice of sound effect plays at once; "再生" plays the chosen BGM, which stops however the
// dialog closes; files that cannot be played say so.
TEST_F(CmdMediaWndTest, TheSoundAndBgmPreviewsReachThePlayers) {
  cFakeSound sound;
  sound.m_Playable = {"bgm\\field.ogg"};
  sound.m_MciMissing = {"wave\\jump.wav"};
  ASSERT_EQ(OpenDefaultWave(g_MciSound), 1);
  ASSERT_EQ(InitDefaultBgm(g_BgmManager), 1);
  SetShell(&m_Shell);
  auto called = [&sound](const std::string& call) {
    std::vector<std::string> calls = sound.Take();
    return std::find(calls.begin(), calls.end(), call) != calls.end();
  };
  // The Ogg player of the preview was told to stop.
  auto stopped = [&sound]() {
    for (const std::string& call : sound.Take())
      if (call.rfind("vox", 0) == 0 && call.size() > 5 && call.compare(call.size() - 5, 5, " Stop") == 0) return true;
    return false;
  };
  sound.Take();

  cCommandData playing = CommandOf(kCmdSound);
  EXPECT_EQ(Run(playing, 1, [&](HWND dialog) {
              Choose(dialog, kIdcSoundPlay, 1);
              EXPECT_TRUE(called("MciOpen waveaudio wave\\bomb.wav"));
              EXPECT_TRUE(TakeBoxes().empty());
              Choose(dialog, kIdcSoundPlay, 0);
              EXPECT_EQ(TakeBoxes(), std::vector<std::string>{"読み込み失敗！"});
              EXPECT_EQ(SelectedRow(dialog, kIdcSoundPlay), "001 ジャンプ音") << "the choice stays";
              PostClick(dialog, kIdcOk);
            }),
            1);
  EXPECT_EQ(playing.m_vParam[0], 1);

  struct cClosing {
    const char* m_pName;
    std::function<void(HWND)> m_Close;
    int m_nResult;
  };
  const cClosing closings[] = {
      {"OK", [](HWND dialog) { PostClick(dialog, kIdcOk); }, 1},
      {"cancel", [](HWND dialog) { PostClick(dialog, kIdcCancel); }, 0},
      {"close box", [](HWND dialog) { PostMessageA(dialog, WM_CLOSE, 0, 0); }, 0},
  };
  for (const cClosing& closing : closings) {
    cCommandData bgm = CommandOf(kCmdBgm);
    EXPECT_EQ(Run(bgm, 1, [&](HWND dialog) {
                Choose(dialog, kIdcBgm, 0);
                sound.Take();
                Click(dialog, kIdcBgmPlay);
                EXPECT_TRUE(sound.Take().empty()) << "\"BGMの停止\" plays nothing";
                Choose(dialog, kIdcBgm, 1);
                Click(dialog, kIdcBgmPlay);
                EXPECT_EQ(g_BgmManager.ChannelState(0), kBgmPlayingOgg);
                closing.m_Close(dialog);
              }),
              closing.m_nResult)
        << closing.m_pName;
    EXPECT_TRUE(stopped()) << closing.m_pName;
    EXPECT_EQ(g_BgmManager.CurrentSlot(), -1) << closing.m_pName << ": nothing plays";
  }
  cCommandData past = CommandOf(kCmdBgm, {40, 1});
  Run(past, 0, [&](HWND dialog) {
    sound.Take();
    Click(dialog, kIdcBgmPlay);
    EXPECT_TRUE(sound.Take().empty()) << "a BGM past its table plays nothing";
    PostClick(dialog, kIdcCancel);
  });
  cCommandData bgm = CommandOf(kCmdBgm);
  Run(bgm, 1, [&](HWND dialog) {
    Choose(dialog, kIdcBgm, 2);
    Click(dialog, kIdcBgmPlay);
    EXPECT_EQ(TakeBoxes(), std::vector<std::string>{"読み込み失敗！"}) << "the MIDI file is not there";
    PostClick(dialog, kIdcCancel);
  });
  EXPECT_TRUE(TakeBoxes().empty());
  // The players go before the fake they play through.
  g_MciSound.Shutdown();
  g_BgmManager.Shutdown();
}

// On the machine's own sound devices (a null device, or none at all when the test runs again with
// VX_WINE_NO_SOUND) the previews play real files; without a device they say only that they failed.
TEST_F(CmdMediaWndTest, PreviewsOnThePlatformsSoundWithoutADevice) {
  cSoundWin platform;
  SetSoundSeam(&platform);
  CreateDirectoryA("bgm", nullptr);
  CreateDirectoryA("wave", nullptr);
  ASSERT_TRUE(CopyFileA("Z:\\usr\\share\\sounds\\freedesktop\\stereo\\bell.oga", "bgm\\field.ogg", FALSE));
  ASSERT_TRUE(CopyFileA("Z:\\usr\\share\\sounds\\alsa\\Front_Center.wav", "wave\\bomb.wav", FALSE));
  InitDefaultBgm(g_BgmManager);
  ASSERT_EQ(OpenDefaultWave(g_MciSound), 1);
  SetShell(&m_Shell);
  cCommandData playing = CommandOf(kCmdSound);
  Run(playing, 1, [&](HWND dialog) {
    Choose(dialog, kIdcSoundPlay, 1);
    PostClick(dialog, kIdcOk);
  });
  cCommandData bgm = CommandOf(kCmdBgm);
  Run(bgm, 1, [&](HWND dialog) {
    Click(dialog, kIdcBgmPlay);
    PostClick(dialog, kIdcOk);
  });
  std::vector<std::string> boxes = TakeBoxes();
  if (waveOutGetNumDevs() > 0) {
    EXPECT_TRUE(boxes.empty());
  } else {
    for (const std::string& text : boxes) EXPECT_EQ(text, "読み込み失敗！");
  }
  EXPECT_EQ(g_BgmManager.CurrentSlot(), -1) << "closing stopped the music";
  g_MciSound.Shutdown();
  g_BgmManager.Shutdown();
  SetSoundSeam(nullptr);
}

// The preview shows the typed cell of the chosen sheet; "一覧" puts the picked cell into the number
// edit and the preview follows; the dedicated bitmaps have no picker.
TEST_F(CmdMediaWndTest, TheGraphicPreviewFollowsTheSheetTheCellAndThePicker) {
  cCommandData command = CommandOf(kCmdGraphic);
  EXPECT_EQ(Run(command, 1, [&](HWND dialog) {
              const cCanvas& preview = m_pDialog->PreviewCanvas();
              EXPECT_EQ(Pixels(preview), CharaCell(1)) << "a new command shows cell 1 of the character sheet";
              Type(dialog, kIdcGraphicNumber, "2");
              EXPECT_EQ(Pixels(preview), CharaCell(2));
              cDialogScript pick({[](HWND picker) { ClickPickerCell(picker, 4); }});
              Click(dialog, kIdcGraphicPick);
              EXPECT_EQ(pick.Captions(), std::vector<std::string>{"グラフィック"});
              EXPECT_EQ(Text(dialog, kIdcGraphicNumber), "4") << "the first column's fifth cell";
              EXPECT_EQ(Pixels(preview), CharaCell(4));
              {
                cDialogScript close({[](HWND picker) { PostMessageA(picker, WM_CLOSE, 0, 0); }});
                Click(dialog, kIdcGraphicPick);
              }
              EXPECT_EQ(Text(dialog, kIdcGraphicNumber), "4") << "closing the picker changes nothing";
              Choose(dialog, kIdcGraphicKind, 4);
              EXPECT_FALSE(Enabled(dialog, kIdcGraphicPick));
              EXPECT_EQ(Text(dialog, kIdcGraphicNumber), "3") << "held to the dedicated bitmaps";
              EXPECT_EQ(Pixels(preview), std::vector<uint32_t>(32 * 32, 0)) << "no dedicated bitmap is loaded";
              PostClick(dialog, kIdcOk);
            }),
            1);
  EXPECT_EQ(command.m_vParam, (cVector<int32_t>{4, 3, 0}));
}

// The trackbars choose the colour the preview shows at once (not its strength); "元の色に戻す" locks
// them and the instant showings.
TEST_F(CmdMediaWndTest, TheTrackbarsChooseTheColourAndRestoringLocksThem) {
  cCommandData command = CommandOf(kCmdScreenColour);
  EXPECT_EQ(Run(command, 1, [&](HWND dialog) {
              const cCanvas& preview = m_pDialog->PreviewCanvas();
              EXPECT_EQ(PixelOf(preview, 16, 16), 0u) << "a new command's colour is black";
              FocusItem(dialog, kIdcColourRed);
              PressKey(VK_END, false, &g_ModelessList);
              EXPECT_EQ(Text(dialog, 1242), "255");
              EXPECT_EQ(PixelOf(preview, 16, 16), 0xFF0000u) << "red at once";
              FocusItem(dialog, kIdcColourBlue);
              for (int i = 0; i < 2; ++i) PressKey(VK_NEXT, false, &g_ModelessList);
              EXPECT_EQ(Text(dialog, 1244), "60") << "a page is 30";
              EXPECT_EQ(PixelOf(preview, 16, 16), 0xFF003Cu);
              FocusItem(dialog, kIdcColourStrength);
              PressKey(VK_END, false, &g_ModelessList);
              EXPECT_EQ(Text(dialog, 1250), "100");
              EXPECT_EQ(PixelOf(preview, 16, 16), 0xFF003Cu) << "the strength is not shown";
              EXPECT_FALSE(Enabled(dialog, kIdcColourInstantCount));
              Check(dialog, kIdcColourInstant, 1);
              EXPECT_TRUE(Enabled(dialog, kIdcColourInstantCount));
              Check(dialog, kIdcColourRestore, 1);
              for (int id : {int(kIdcColourRed), 1242, int(kIdcColourStrength), int(kIdcColourInstant),
                             int(kIdcColourInstantCount)})
                EXPECT_FALSE(Enabled(dialog, id)) << id;
              EXPECT_FALSE(Checked(dialog, kIdcColourInstant));
              EXPECT_TRUE(Enabled(dialog, kIdcColourTime));
              Check(dialog, kIdcColourRestore, 0);
              EXPECT_TRUE(Enabled(dialog, kIdcColourGreen));
              EXPECT_FALSE(Enabled(dialog, kIdcColourInstantCount)) << "the count follows 瞬間表示";
              Type(dialog, kIdcColourTime, "25");
              PostClick(dialog, kIdcOk);
            }),
            1);
  EXPECT_EQ(command.m_vParam, (cVector<int32_t>{255, 0, 60, 100, 0, 25, 0, 1}));
}

TEST_F(CmdMediaWndTest, OpeningAndClosingTheDialogsLeavesNoHandles) {
  auto openAndClose = [this] {
    for (int kind : kMediaKinds) {
      cCommandData command = CommandOf(kind);
      Run(command, 1, [](HWND dialog) { PostClick(dialog, kIdcOk); });
    }
  };
  openAndClose();  // the first run loads what the process keeps: fonts, classes, cached contexts
  cGuiObjects before = CountGuiObjects();
  for (int i = 0; i < 5; ++i) openAndClose();
  EXPECT_EQ(CountGuiObjects(), before);
}
