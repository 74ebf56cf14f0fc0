// The pages with rules of their own: the inner lists and their dialogs, the anime pattern dialog,
// the effect-kind pages, the anime samples on the idle tick, the dedicated bitmaps rebuilt on
// apply, and the sound previews.
#include <windows.h>

#include <mmsystem.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <iterator>

#include "app/ProgramPalette.h"
#include "app/SheetCanvases.h"
#include "app/cAnimePlayer.h"
#include "app/cBgmManager.h"
#include "app/cMciSound.h"
#include "app/win/ProjectSheets.h"
#include "app/win/cSoundWin.h"
#include "database/win/cDbPageAnime.h"
#include "database/win/cDbPageCharaEffect.h"
#include "tests/database/win/DatabaseWndTest.h"
#include "tests/support/FakeSound.h"

namespace {

void CommandTo(HWND dialog, int id, int code = BN_CLICKED) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// The bytes of one pixel of a canvas (a palette index, or blue, green, red and perhaps a fourth).
Bytes PixelOf(const cCanvas& canvas, int x, int y) {
  cPixelView image = canvas.Image();
  const uint8_t* pixel = image.At(x, y);
  return Bytes(pixel, pixel + image.m_nBytesPerPixel);
}

// Every pixel of a canvas, row by row.
Bytes Pixels(const cCanvas& canvas) {
  GdiFlush();
  Bytes pixels;
  for (int y = 0; y < canvas.Height(); ++y)
    for (int x = 0; x < canvas.Width(); ++x) {
      Bytes pixel = PixelOf(canvas, x, y);
      pixels.insert(pixels.end(), pixel.begin(), pixel.end());
    }
  return pixels;
}

}  // namespace

TEST_F(DatabaseWndTest, SwordPositionsInsertThenEditInTheirDialog) {
  Open();
  HWND page = Page(kTabSwordType);
  const std::string first = "前(0,0) 横0 縦0 時間1";
  ASSERT_EQ(Rows(page, 1215), (std::vector<std::string>{first, std::string(64, '-')}));
  // Insert, then OK: the new position takes the selected row's place, which moves down.
  cModalDriver ok([&](HWND dialog) {
    EXPECT_EQ(ItemText(dialog, 1113), "0") << "a new position";
    SetDlgItemTextA(dialog, 11210, "700");
    SetDlgItemTextA(dialog, 1040, "-400");
    SendDlgItemMessageA(dialog, 1128, CB_SETCURSEL, 2, 0);
    CommandTo(dialog, kIdcOk);
  });
  Press(page, 1214);
  EXPECT_TRUE(ok.Ran());
  const cVector<cSwordPosData>& positions = Core().m_SwordType.m_vWork[0].m_vPos;
  ASSERT_EQ(positions.Count(), 2);
  EXPECT_EQ(positions[0].m_nWidth, 640);
  EXPECT_EQ(positions[0].m_nOffsetX, -320);
  EXPECT_EQ(positions[0].m_nDirection, 2);
  EXPECT_EQ(positions[1].m_nTime, 1);
  EXPECT_EQ(Rows(page, 1215)[0], "上(-320,0) 横640 縦0 時間0");
  EXPECT_EQ(Core().m_SwordType.InnerList().GetCurIndex(), 1) << "the row that moved down";
  // Insert, then Cancel: nothing changes.
  cModalDriver cancel([&](HWND dialog) { CommandTo(dialog, kIdcCancel); });
  Press(page, 1214);
  EXPECT_TRUE(cancel.Ran());
  EXPECT_EQ(Core().m_SwordType.m_vWork[0].m_vPos.Count(), 2);
  // A double click edits the position in place; Cancel leaves it and its row.
  SelectRows(page, 1215, {0});
  cModalDriver look([&](HWND dialog) {
    EXPECT_EQ(ItemText(dialog, 11210), "640");
    SetDlgItemTextA(dialog, 11210, "12");
    CommandTo(dialog, kIdcCancel);
  });
  DoubleClick(page, 1215);
  EXPECT_TRUE(look.Ran());
  EXPECT_EQ(Core().m_SwordType.m_vWork[0].m_vPos[0].m_nWidth, 640);
  cModalDriver edit([&](HWND dialog) {
    SetDlgItemTextA(dialog, 1113, "7");
    CommandTo(dialog, kIdcOk);
  });
  Press(page, 1212);
  EXPECT_EQ(Rows(page, 1215)[0], "上(-320,0) 横640 縦0 時間7");
  // "削除" takes the selected positions, never the last one.
  Press(page, 1213);
  EXPECT_EQ(Core().m_SwordType.m_vWork[0].m_vPos.Count(), 1);
  int beeps = m_Shell.m_nBeeps;
  Press(page, 1213);
  EXPECT_EQ(Core().m_SwordType.m_vWork[0].m_vPos.Count(), 1);
  EXPECT_EQ(m_Shell.m_nBeeps, beeps + 1);
}

TEST_F(DatabaseWndTest, EffectFramesOfANewEffect) {
  Open();
  HWND page = Page(kTabEffect);
  Press(page, kIdcNew);
  EXPECT_EQ(ItemText(page, 11210), "32");
  EXPECT_EQ(ItemText(page, 11211), "32");
  EXPECT_EQ(IsDlgButtonChecked(page, 1225), 0u);
  EXPECT_EQ(Rows(page, 1206), std::vector<std::string>{std::string(64, '-')}) << "no frames, the end row";
  cModalDriver cancel([&](HWND dialog) {
    EXPECT_EQ(ItemText(dialog, 1202), "0");
    EXPECT_EQ(ItemText(dialog, 1204), "1");
    CommandTo(dialog, kIdcCancel);
  });
  Press(page, 1227);
  EXPECT_TRUE(cancel.Ran());
  EXPECT_EQ(Rows(page, 1206), (std::vector<std::string>{"0-1", std::string(64, '-')}))
      << "cancelled at the fewest frames: the default frame stays";
  ASSERT_EQ(Core().m_Effect.m_vWork[2].m_vFrame.Count(), 1) << "the frame the list keeps is the effect's";
  EXPECT_EQ(Core().m_Effect.m_vWork[2].m_vFrame[0].m_nTime, 1);
  cModalDriver ok([&](HWND dialog) {
    SetDlgItemTextA(dialog, 1202, "641");
    SetDlgItemTextA(dialog, 1204, "5");
    CommandTo(dialog, kIdcOk);
  });
  Press(page, 1227);
  ASSERT_EQ(Core().m_Effect.m_vWork[2].m_vFrame.Count(), 2);
  EXPECT_EQ(Core().m_Effect.m_vWork[2].m_vFrame[0].m_nCell, 640);
  EXPECT_EQ(Rows(page, 1206), (std::vector<std::string>{"640-5", "0-1", std::string(64, '-')}));
}

TEST_F(DatabaseWndTest, AnimePatternOfTheAnimePage) {
  Open();
  HWND page = Page(kTabAnime);
  cModalDriver driver([&](HWND dialog) {
    EXPECT_FALSE(IsWindowEnabled(m_Host.m_hWnd)) << "every other window is disabled";
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, 1201))) << "an anime's frame runs its command";
    ASSERT_EQ(Rows(dialog, 1206).size(), 2u) << "the anime got one frame";
    CommandTo(dialog, 1066);  // 挿入
    EXPECT_EQ(Rows(dialog, 1206).size(), 3u);
    SendDlgItemMessageA(dialog, 1206, LB_SETSEL, FALSE, -1);
    SendDlgItemMessageA(dialog, 1206, LB_SETSEL, TRUE, 0);
    CommandTo(dialog, 1206, LBN_SELCHANGE);
    SendDlgItemMessageA(dialog, 1201, BM_SETCHECK, BST_CHECKED, 0);
    CommandTo(dialog, 1201);
    SetDlgItemTextA(dialog, 1202, "3");
    SetDlgItemTextA(dialog, 1204, "5");
    EXPECT_EQ(Rows(dialog, 1206)[0], "実行 3-5");
    CommandTo(dialog, kIdcOk);
  });
  Press(page, 1226);
  EXPECT_TRUE(driver.Ran());
  EXPECT_TRUE(IsWindowEnabled(m_Host.m_hWnd));
  const cVector<cAnimeFrameData>& frames = Core().m_Anime.m_vWork[1].m_vFrame;
  ASSERT_EQ(frames.Count(), 2);
  EXPECT_EQ(frames[0].m_nCell, 3);
  EXPECT_EQ(frames[0].m_nTime, 5);
  EXPECT_EQ(frames[0].m_bRunCommand, 1);
  EXPECT_EQ(frames[1].m_nTime, 1) << "the default frame, moved down";
}

// A right click on another frame of the pattern dialog shows that frame before its menu opens: with
// the menu dismissed, a typed cell goes into that frame beside its own display time.
TEST_F(DatabaseWndTest, ADismissedPopupMenuOfThePatternDialogLeavesTheRightClickedFrameShown) {
  cVector<cAnimeFrameData>& stored = g_DatabaseSet.m_vAnime[1].m_vFrame;
  stored.resize(2);
  stored[0].m_nCell = 3;
  stored[0].m_nTime = 5;
  stored[1].m_nCell = 7;
  stored[1].m_nTime = 9;
  stored[1].m_bRunCommand = 1;
  Open();
  HWND page = Page(kTabAnime);
  int menus = 0;
  cPopupMenuWatch watch([&](HWND) {
    ++menus;
    TypeKey(VK_ESCAPE);
  });
  cModalDriver driver([&](HWND dialog) {
    ClickRow(dialog, 1206, 0);
    ClickRow(dialog, 1206, 1, VK_RBUTTON);
    EXPECT_EQ(ItemText(dialog, 1204), "9");
    FocusItem(dialog, 1202);
    PressKey(VK_HOME, false, &m_List);
    PressKey(VK_END, true, &m_List);
    TypeText("1", &m_List);
    CommandTo(dialog, kIdcOk);
  });
  Press(page, 1226);
  ASSERT_TRUE(driver.Ran());
  EXPECT_EQ(menus, 1);
  const cVector<cAnimeFrameData>& frames = Core().m_Anime.m_vWork[1].m_vFrame;
  ASSERT_EQ(frames.Count(), 2);
  EXPECT_EQ(frames[0].m_nCell, 3);
  EXPECT_EQ(frames[0].m_nTime, 5);
  EXPECT_EQ(frames[0].m_bRunCommand, 0);
  EXPECT_EQ(frames[1].m_nCell, 1);
  EXPECT_EQ(frames[1].m_nTime, 9);
  EXPECT_EQ(frames[1].m_bRunCommand, 1);
}

TEST_F(DatabaseWndTest, AnimePatternOfAMotionTakesMotionZerosGraphic) {
  Open();
  HWND page = Page(kTabAnimeSet);
  Choose(page, 1254, 1);
  Type(page, 1036, "7");
  Type(page, 1038, "3");
  SelectRows(page, 1160, {2});
  cModalDriver driver([&](HWND dialog) {
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, 1201))) << "a motion's frames run no command";
    CommandTo(dialog, kIdcCancel);
  });
  Press(page, 1067);
  EXPECT_TRUE(driver.Ran());
  // "編集" counts as a change of the record even when the dialog was cancelled.
  const cAnimeData& motion = Core().m_AnimeSet.m_vWork[0].m_vMotion[2];
  EXPECT_EQ(motion.m_cGraphicSheet, 1);
  EXPECT_EQ(motion.m_nGraphic, 7);
  EXPECT_EQ(motion.m_nStartCell, 3);
  EXPECT_EQ(motion.m_vFrame.Count(), 1) << "the motion got its frame, also on Cancel";
  EXPECT_EQ(Rows(page, 1160)[2], "飛行 ×1");
}

TEST_F(DatabaseWndTest, TheGraphicRuleOfTheAnimePages) {
  g_DatabaseSet.m_vCharaExc.resize(3);
  Open();
  HWND page = Page(kTabAnime);
  Type(page, 1038, "15");
  Choose(page, 1254, 4);  // 専用bmp
  Type(page, 1036, "9");
  EXPECT_EQ(ItemText(page, 1036), "2") << "1 .. the dedicated bitmaps less entry 0";
  Type(page, 1038, "200");
  EXPECT_EQ(Core().m_Anime.m_vWork[1].m_nStartCell, 200);
  EXPECT_FALSE(Enabled(page, 1446));
  Choose(page, 1254, 0);  // ブロック
  EXPECT_FALSE(Enabled(page, 1038));
  EXPECT_EQ(ItemText(page, 1038), "200") << "the start cell keeps its value";
  EXPECT_TRUE(Enabled(page, 1446));
  Choose(page, 1254, 1);  // キャラ
  EXPECT_TRUE(Enabled(page, 1038));
  EXPECT_EQ(ItemText(page, 1038), "19");
  EXPECT_EQ(Core().m_Anime.m_vWork[1].m_nStartCell, 19) << "the store takes what the new range left";
}

// A start cell beyond a character's 0..19 (a dedicated bitmap's 0..239, or any for the kinds
// without a start cell) is shown and kept as stored, whether its record is shown first or selected
// after a character's; so is a graphic number that a dedicated bitmap's range would cut.
TEST_F(DatabaseWndTest, TheAnimePagesShowAndKeepTheStoredGraphic) {
  g_DatabaseSet.m_vCharaExc.resize(3);
  struct cGraphic {
    int8_t m_cKind;
    int16_t m_nNumber;
    int16_t m_nStart;
  };
  // ブロック, アイテム and ショット (0, 2, 3) have no start cell: each follows a character.
  const cGraphic graphics[] = {{4, 2, 100}, {1, 30, 5}, {4, 1, 200}, {1, 3, 3}, {0, 7, 100},
                               {1, 4, 4},   {2, 8, 300}, {1, 5, 5},  {3, 9, -40}};
  const int count = static_cast<int>(std::size(graphics));
  auto give = [](cAnimeData& anime, const cGraphic& graphic) {
    anime.m_cGraphicSheet = graphic.m_cKind;
    anime.m_nGraphic = graphic.m_nNumber;
    anime.m_nStartCell = graphic.m_nStart;
  };
  g_DatabaseSet.m_vAnimeSet.resize(count);
  g_DatabaseSet.m_vAnime.resize(count + 1);
  for (int i = 0; i < count; ++i) {
    give(g_DatabaseSet.m_vAnimeSet[i].m_vMotion[0], graphics[i]);
    give(g_DatabaseSet.m_vAnime[i + 1], graphics[i]);
  }
  Open();
  struct cPage {
    int m_nTab;
    int m_nList;
    std::function<const cAnimeData&(int row)> m_Stored;
  };
  const cPage pages[] = {
      {kTabAnimeSet, 1159, [&](int row) -> const cAnimeData& { return Core().m_AnimeSet.m_vWork[row].m_vMotion[0]; }},
      {kTabAnime, 1160, [&](int row) -> const cAnimeData& { return Core().m_Anime.m_vWork[row + 1]; }},
  };
  for (const cPage& tab : pages) {
    HWND page = Page(tab.m_nTab);
    for (int row = 0; row < count; ++row) {
      ClickRow(page, tab.m_nList, row);
      m_pDatabase->TickPreview(1);
      const cGraphic& graphic = graphics[row];
      EXPECT_EQ(ItemText(page, 1036), std::to_string(graphic.m_nNumber)) << tab.m_nTab << " row " << row;
      EXPECT_EQ(ItemText(page, 1038), std::to_string(graphic.m_nStart)) << tab.m_nTab << " row " << row;
      TypeKeys(page, 1002, "n");
      const cAnimeData& stored = tab.m_Stored(row);
      EXPECT_EQ(stored.m_nGraphic, graphic.m_nNumber) << tab.m_nTab << " row " << row;
      EXPECT_EQ(stored.m_nStartCell, graphic.m_nStart) << tab.m_nTab << " row " << row;
    }
  }
}

// "データ数" only counts: a count that leaves the selection on another record shows it as stored,
// within the ranges of its own graphic, and stores nothing.
TEST_F(DatabaseWndTest, TheDataCountOfTheAnimePagesKeepsTheGraphicOfTheRecordItSelects) {
  g_DatabaseSet.m_vCharaExc.resize(3);
  auto give = [](cAnimeData& anime, int8_t kind, int16_t number, int16_t start) {
    anime.m_cGraphicSheet = kind;
    anime.m_nGraphic = number;
    anime.m_nStartCell = start;
  };
  g_DatabaseSet.m_vAnimeSet.resize(3);
  g_DatabaseSet.m_vAnime.resize(4);
  // A dedicated bitmap's start cell beyond a character's 0..19 first, then two characters.
  for (int row = 0; row < 3; ++row) {
    give(g_DatabaseSet.m_vAnimeSet[row].m_vMotion[0], row ? 1 : 4, row ? 30 : 2, row ? 5 : 100);
    give(g_DatabaseSet.m_vAnime[row + 1], row ? 1 : 4, row ? 30 : 2, row ? 5 : 100);
  }
  Open();
  struct cPage {
    int m_nTab;
    int m_nList;
    std::function<const cAnimeData&()> m_First;
  };
  const cPage pages[] = {
      {kTabAnimeSet, 1159, [&]() -> const cAnimeData& { return Core().m_AnimeSet.m_vWork[0].m_vMotion[0]; }},
      {kTabAnime, 1160, [&]() -> const cAnimeData& { return Core().m_Anime.m_vWork[1]; }},
  };
  for (const cPage& tab : pages) {
    SCOPED_TRACE(tab.m_nTab);
    HWND page = Page(tab.m_nTab);
    ClickRow(page, tab.m_nList, 2);
    cModalDriver count([](HWND dialog) {
      SetDlgItemTextA(dialog, 1003, "2");
      PostMessageA(dialog, WM_COMMAND, kIdcOk, 0);
    });
    Press(page, kIdcDataCount);
    ASSERT_TRUE(count.Ran());
    ASSERT_EQ(Rows(page, tab.m_nList).size(), 3u) << "two records and the end row";
    const cAnimeData& first = tab.m_First();
    EXPECT_EQ(first.m_cGraphicSheet, 4);
    EXPECT_EQ(first.m_nGraphic, 2);
    EXPECT_EQ(first.m_nStartCell, 100) << "kept as stored, not as the edits first showed it";
    m_pDatabase->TickPreview(1);
    EXPECT_EQ(ItemText(page, 1036), "2");
    EXPECT_EQ(ItemText(page, 1038), "100");
  }
}

// "一覧" on both anime pages: the picker on the chosen sheet, a clicked cell becoming the graphic
// number; closing the picker leaves the number.
TEST_F(DatabaseWndTest, TheListButtonOfTheAnimePagesPicksTheGraphicNumber) {
  ASSERT_EQ(LoadFactorySheets(), 1);
  Open();
  for (int tab : {kTabAnimeSet, kTabAnime}) {
    HWND page = Page(tab);
    Choose(page, 1254, 1);  // キャラ
    Type(page, 1036, "3");
    cModalDriver closed([](HWND picker) { PostMessageA(picker, WM_CLOSE, 0, 0); });
    Press(page, 1446);
    EXPECT_TRUE(closed.Ran()) << tab;
    EXPECT_EQ(ItemText(page, 1036), "3") << tab;
    char caption[64] = {};
    cModalDriver picked([&](HWND picker) {
      GetWindowTextA(picker, caption, sizeof caption);
      SendMessageA(picker, WM_MOUSEMOVE, 0, MAKELPARAM(40, 8));
      SendMessageA(picker, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 8));
    });
    Press(page, 1446);
    EXPECT_TRUE(picked.Ran()) << tab;
    EXPECT_EQ(std::string(caption), "グラフィック");
    EXPECT_EQ(ItemText(page, 1036), "15") << "the second column's top cell, tab " << tab;
  }
  EXPECT_EQ(Core().m_AnimeSet.m_vWork[0].m_vMotion[0].m_nGraphic, 15);
  EXPECT_EQ(Core().m_Anime.m_vWork[1].m_nGraphic, 15);
}

TEST_F(DatabaseWndTest, TheSamplePlaysAFrameForItsDisplayTimeTimesSixIdleTicks) {
  CopyFactoryPicture("bmp\\plt\\Palette.bmp");
  CopyFactoryPicture("bmp\\plt\\Palette2.bmp");
  ASSERT_EQ(LoadProgramPalettes(), 1);
  CopyFactoryPicture("bmp\\chara_sp\\Hero.bmp");
  g_DatabaseSet.m_vCharaExc[1].m_strPath = "bmp\\chara_sp\\Hero.bmp";
  ASSERT_EQ(RebuildCharaBitmaps(g_vCharaExcCanvas, g_DatabaseSet.m_vCharaExc), 1);
  cAnimeData& anime = g_DatabaseSet.m_vAnime[1];
  anime.m_cGraphicSheet = 4;
  anime.m_nGraphic = 1;
  anime.m_vFrame.resize(2);
  anime.m_vFrame[0].m_nCell = 0;
  anime.m_vFrame[0].m_nTime = 5;
  anime.m_vFrame[1].m_nCell = 1;
  anime.m_vFrame[1].m_nTime = 5;
  Open();
  Page(kTabAnime);
  auto& sample = PageObject<cDbPageAnime>(kTabAnime);
  EXPECT_EQ(m_pDatabase->PreviewAnimates(), 1);
  m_pDatabase->TickPreview(0);
  Bytes frame0 = Pixels(sample.SampleCanvas());
  std::vector<int> changes;
  Bytes last = frame0;
  for (int tick = 1; tick <= 120; ++tick) {
    m_pDatabase->TickPreview(1);
    Bytes now = Pixels(sample.SampleCanvas());
    if (now != last) changes.push_back(tick);
    last = now;
  }
  ASSERT_EQ(changes.size(), 4u);
  for (size_t i = 1; i < changes.size(); ++i) EXPECT_EQ(changes[i] - changes[i - 1], 30) << i;
  // The second frame shows the next cell of the bitmap: what the first shows from start cell 1.
  while (g_AnimePlayer.CurrentCell() != 1) m_pDatabase->TickPreview(1);
  Bytes frame1 = Pixels(sample.SampleCanvas());
  EXPECT_NE(frame1, frame0);
  Type(m_pDatabase->Page(kTabAnime)->m_hWnd, 1038, "1");
  EXPECT_EQ(Pixels(sample.SampleCanvas()), frame1) << "a command restarts the sample at its first frame";
  // Only the two anime tabs animate.
  Page(kTabEffect);
  EXPECT_EQ(m_pDatabase->PreviewAnimates(), 0);
  Page(kTabAnimeSet);
  EXPECT_EQ(m_pDatabase->PreviewAnimates(), 1);
}

TEST_F(DatabaseWndTest, CharaEffectParametersFollowTheKind) {
  g_ProgramPalette.m_Pal[16] = {30, 60, 200, 0};
  Open();
  HWND page = Page(kTabCharaEffect);
  EXPECT_EQ(ItemText(page, 1165), "実行時間(1/10s)") << "kind 1: 破裂";
  Choose(page, 1040, 1);  // 分割（横）
  const char* labels[] = {"実行時間(1/10s)", "開始位置(dot)", "終了位置(dot)", "分割数", ""};
  const int labelIds[] = {1165, 1166, 1167, 1168, 1170};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(ItemText(page, labelIds[i]), labels[i]) << i;
  EXPECT_FALSE(Enabled(page, 1171));
  const cCharaEffectData& record = Core().m_CharaEffect.m_vWork[1];
  EXPECT_EQ(record.m_nKind, 2);
  EXPECT_EQ(std::vector<int32_t>(record.m_anParam, record.m_anParam + 5), (std::vector<int32_t>{5, 0, 32, 4, 0}));
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(page, 1185)));
  // 色変化: the swatch in palette colour 16, the colour 16..207.
  Choose(page, 1040, 12);
  EXPECT_EQ(ItemText(page, 1168), "色");
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(page, 1185)));
  auto& swatch = *reinterpret_cast<cCtrlBitmap*>(m_pDatabase->Page(kTabCharaEffect)->m_vCtrl.back());
  Bytes colour = PixelOf(swatch.m_Back, 16, 16);
  EXPECT_EQ(Bytes(colour.begin(), colour.begin() + 3), (Bytes{30, 60, 200})) << "blue, green, red";
  Type(page, 1169, "300");
  EXPECT_EQ(Core().m_CharaEffect.m_vWork[1].m_anParam[3], 207);
  EXPECT_NE(ItemText(page, 1455).find("Direct3D無効時：画面が8bit色"), std::string::npos);
  // "新規" shows kind 1 but keeps the labels of the kind shown before.
  Press(page, kIdcNew);
  EXPECT_EQ(SendDlgItemMessageA(page, 1040, CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(ItemText(page, 1168), "色");
  // A pasted record brings its kind's labels.
  SelectRows(page, 1157, {0});
  FocusItem(page, 1157);
  CommandTo(page, 40001, 1);  // Ctrl+C
  SelectRows(page, 1157, {1});
  FocusItem(page, 1157);
  CommandTo(page, 40007, 1);  // Ctrl+V
  EXPECT_EQ(Core().m_CharaEffect.m_vWork[2].m_nKind, 13);
  EXPECT_EQ(ItemText(page, 1168), "色");
  EXPECT_EQ(SendDlgItemMessageA(page, 1040, CB_GETCURSEL, 0, 0), 12);
  SelectRows(page, 1157, {2});
  EXPECT_EQ(ItemText(page, 1168), "") << "kind 1 again, no fourth parameter";

  HWND screen = Page(kTabScrEffect);
  Choose(screen, 1040, 12);  // モザイク
  EXPECT_EQ(GetDlgItem(screen, 1185), nullptr) << "the screen effects have no swatch";
  EXPECT_EQ(Core().m_ScrEffect.m_vWork[1].m_nKind, 13);
}

// The record list's keys and popup menu leave another record edited: the page shows that record's
// own kind (its values within the ranges of the kind shown before, as after "新規"), and the next
// store keeps it, values and all: 分割's defaults stay {5, 0, 32, 4, 0}, not what 色変化's ranges
// show of them.
TEST_F(DatabaseWndTest, ListKeysAndThePopupMenuShowTheKindOfTheRecordTheyLeaveEdited) {
  cVector<cCharaEffectData>& table = g_DatabaseSet.m_vCharaEffect;
  const int kinds[] = {1, 13, 13, 2, 13, 3, 13};  // 13: 色変化, 2 and 3: 分割
  const int32_t colour[] = {10, 1, 1, 100, 0};
  const int32_t split[] = {5, 0, 32, 4, 0};
  table.resize(7);
  for (int entry = 1; entry < 7; ++entry) {
    table[entry].m_nKind = kinds[entry];
    std::copy_n(kinds[entry] == 13 ? colour : split, 5, table[entry].m_anParam);
  }
  Open();
  HWND page = Page(kTabCharaEffect);
  auto& list = PageObject<cDbPageCharaEffect>(kTabCharaEffect).List();
  const int paramIds[] = {1160, 1161, 1162, 1169, 1171};
  int menus = 0;
  cPopupMenuWatch watch([&](HWND) {
    ++menus;
    if (!ClickMenuItem(list.m_hPopupMenu, 40041)) TypeKey(VK_ESCAPE);
  });
  struct cRow {
    const char* m_pCommand;
    int m_nRow;  // clicked first
    std::function<void()> m_Command;
    int m_nEntry;  // edited after the command
    int m_nKind;
    std::vector<int32_t> m_vShown;
    std::vector<int32_t> m_vStored;
  };
  const cCharaEffectData fresh;
  const std::vector<int32_t> cleared(fresh.m_anParam, fresh.m_anParam + 5);
  const std::vector<int32_t> clearedShown = {1, 1, 1, 16, 0};
  const cRow rows[] = {
      {"Delete (クリア)", 0, [&] { KeyOnList(page, 1157, VK_DELETE, false); }, 1, 1, clearedShown, cleared},
      {"Ctrl+X", 1, [&] { KeyOnList(page, 1157, 'X', true); }, 2, 2, {5, 1, 4, 16, 0}, {5, 0, 32, 4, 0}},
      {"データのクリア", 2, [&] { ClickRow(page, 1157, 2, VK_RBUTTON); }, 3, 1, clearedShown, cleared},
      {"Ctrl+I (新規)", 4, [&] { KeyOnList(page, 1157, 'I', true); }, 6, 1, clearedShown, cleared},
  };
  for (const cRow& row : rows) {
    ClickRow(page, 1157, row.m_nRow);
    ASSERT_EQ(SendDlgItemMessageA(page, 1040, CB_GETCURSEL, 0, 0), 12) << row.m_pCommand << ": 色変化";
    row.m_Command();
    ASSERT_EQ(list.m_nCurSel + 1, row.m_nEntry) << row.m_pCommand;
    EXPECT_EQ(SendDlgItemMessageA(page, 1040, CB_GETCURSEL, 0, 0), row.m_nKind - 1) << row.m_pCommand;
    std::vector<int32_t> shown;
    for (int id : paramIds) shown.push_back(std::atoi(ItemText(page, id).c_str()));
    EXPECT_EQ(shown, row.m_vShown) << row.m_pCommand;
    TypeKeys(page, 1002, "n");
    const cCharaEffectData& stored = Core().m_CharaEffect.m_vWork[row.m_nEntry];
    EXPECT_EQ(stored.m_strName, "n") << row.m_pCommand;
    EXPECT_EQ(stored.m_nKind, row.m_nKind) << row.m_pCommand;
    EXPECT_EQ(std::vector<int32_t>(stored.m_anParam, stored.m_anParam + 5), row.m_vStored) << row.m_pCommand;
  }
  EXPECT_EQ(menus, 1);
}

TEST_F(DatabaseWndTest, ApplyRebuildsTheDedicatedBitmapsFromTheFactoryPictures) {
  CopyFactoryPicture("bmp\\chara_sp\\Hero.bmp");
  CopyFactoryPicture("bmp\\chara_sp\\Giant.bmp");
  g_DatabaseSet.m_vCharaExc.resize(4);
  g_DatabaseSet.m_vCharaExc[1].m_strPath = "bmp\\chara_sp\\Hero.bmp";
  g_DatabaseSet.m_vCharaExc[3].m_strPath = "bmp\\chara_sp\\Giant.bmp";
  g_DatabaseSet.m_vCharaExc[3].m_bGiant = 1;
  g_DatabaseSet.m_vCharaExc[3].m_nGiantSize = 2;
  Open();
  Apply();  // the page was never shown: the table stays, the pictures are made from it
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());
  ASSERT_EQ(g_vCharaExcCanvas.size(), 8u);
  EXPECT_EQ(g_vCharaExcCanvas[0].Width(), 0);
  EXPECT_EQ(g_vCharaExcCanvas[4].Width(), 0) << "an entry without a path";
  // Facing right: every column of cells mirrored, 32 pixels wide, 64 for the giant of size 2.
  struct cMirror {
    int m_nPicture;
    int m_nSide;
  };
  for (cMirror mirror : {cMirror{2, 32}, cMirror{6, 64}}) {
    const cCanvas& left = g_vCharaExcCanvas[mirror.m_nPicture];
    const cCanvas& right = g_vCharaExcCanvas[mirror.m_nPicture + 1];
    ASSERT_EQ(right.Width(), left.Width());
    int differ = 0;
    for (int y = 0; y < left.Height(); y += 7)
      for (int x = 0; x < left.Width(); x += 3) {
        int cellX = x / mirror.m_nSide * mirror.m_nSide;
        int mirrored = cellX + mirror.m_nSide - 1 - (x - cellX);
        EXPECT_EQ(PixelOf(right, x, y), PixelOf(left, mirrored, y)) << x << "," << y;
        differ += PixelOf(left, x, y) != PixelOf(left, mirrored, y);
      }
    EXPECT_GT(differ, 0) << "the pictures are not symmetric";
  }
}

TEST_F(DatabaseWndTest, AMissingDedicatedBitmapFailsTheRebuildTwiceAndTheFilesAreSaved) {
  g_DatabaseSet.m_vCharaExc[1].m_strPath = "bmp\\chara_sp\\missing.bmp";
  Open();
  Finish(PSBTN_OK);
  const std::string missing = "bmp\\chara_sp\\missing.bmp";
  std::vector<std::string> series = {missing + " が読み込めません！", missing + " の読み込みに失敗！",
                                     "キャラの専用bmpの生成に失敗しました！"};
  std::vector<std::string> twice = series;
  twice.insert(twice.end(), series.begin(), series.end());
  EXPECT_EQ(Boxes(), twice);
  for (const Bytes& file : TableFiles()) EXPECT_FALSE(file.empty());
  EXPECT_EQ(m_pSheet, nullptr) << "the window closes";
  EXPECT_EQ(m_Host.m_nClosed, 1);
}

TEST_F(DatabaseWndTest, PreviewsGoThroughTheSoundServices) {
  cFakeSound sound;
  sound.m_Playable = {"bgm\\field.ogg"};
  ASSERT_EQ(InitDefaultBgm(g_BgmManager), 1);
  g_DatabaseSet.m_vBgm[1].m_strPath = "bgm\\field.ogg";
  g_DatabaseSet.m_vSound[1].m_strPath = "wave\\jump.txt";
  Open();
  HWND bgm = Page(kTabBgm);
  Press(bgm, kIdcPlay);
  EXPECT_EQ(g_BgmManager.ChannelState(0), kBgmPlayingOgg);
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());
  EXPECT_TRUE(ApplyEnabled());
  Apply();
  Type(bgm, kIdcPath, "bgm\\broken.ogg");
  Apply();
  ASSERT_FALSE(ApplyEnabled());
  Press(bgm, kIdcPlay);
  EXPECT_EQ(Boxes(), std::vector<std::string>{"読み込み失敗！"});
  EXPECT_FALSE(ApplyEnabled()) << "a BGM that cannot play ends the command without a change notice";
  m_Shell.m_vBoxes.clear();

  HWND wave = Page(kTabSound);
  Press(wave, kIdcPlay);
  EXPECT_EQ(Boxes(), std::vector<std::string>{"読み込み失敗！"}) << "a .txt file";
  EXPECT_TRUE(ApplyEnabled()) << "the sound effect's command goes on";
  m_Shell.m_vBoxes.clear();
  Type(wave, kIdcPath, "");
  Press(wave, kIdcPlay);
  EXPECT_TRUE(m_Shell.m_vBoxes.empty()) << "an empty path plays nothing";
  EXPECT_EQ(GetDlgItem(Page(kTabPicture), kIdcPlay), nullptr) << "pictures are never played";

  Type(bgm, kIdcPath, "bgm\\field.ogg");
  Press(bgm, kIdcPlay);
  sound.Take();
  Finish(PSBTN_CANCEL);
  std::vector<std::string> calls = sound.Take();
  EXPECT_NE(std::find(calls.begin(), calls.end(), "vox0 Stop"), calls.end()) << "closing stops the preview";
  g_BgmManager.Shutdown();
}

namespace {
// The machine's own sound devices: a null device plays, and with none at all (the test run again
// with VX_WINE_NO_SOUND) the previews fail as the sound services do.
class cRealSound : public cSoundWin {
public:
  cRealSound() { SetSoundSeam(this); }
  ~cRealSound() override { SetSoundSeam(nullptr); }
};
}  // namespace

TEST_F(DatabaseWndTest, PreviewsOnTheMachinesOwnSoundDevicesAlsoWithoutADevice) {
  cRealSound sound;
  CreateDirectoryA("bgm", nullptr);
  CreateDirectoryA("wave", nullptr);
  ASSERT_TRUE(CopyFileA("Z:\\usr\\share\\sounds\\freedesktop\\stereo\\bell.oga", "bgm\\bell.ogg", FALSE));
  ASSERT_TRUE(CopyFileA("Z:\\usr\\share\\sounds\\alsa\\Front_Center.wav", "wave\\center.wav", FALSE));
  InitDefaultBgm(g_BgmManager);
  ASSERT_EQ(OpenDefaultWave(g_MciSound), 1);
  g_DatabaseSet.m_vBgm[1].m_strPath = "bgm\\bell.ogg";
  g_DatabaseSet.m_vSound[1].m_strPath = "wave\\center.wav";
  Open();
  Press(Page(kTabBgm), kIdcPlay);
  Press(Page(kTabSound), kIdcPlay);
  if (waveOutGetNumDevs() > 0) {
    EXPECT_TRUE(m_Shell.m_vBoxes.empty());
    EXPECT_EQ(g_BgmManager.ChannelState(0), kBgmPlayingOgg);
  } else {
    ASSERT_FALSE(m_Shell.m_vBoxes.empty()) << "no device: the BGM preview says it failed";
    for (const std::string& text : Boxes()) EXPECT_EQ(text, "読み込み失敗！");
  }
  Finish(PSBTN_CANCEL);
  EXPECT_EQ(m_Host.m_nClosed, 1);
  g_MciSound.Shutdown();
  g_BgmManager.Shutdown();
}
