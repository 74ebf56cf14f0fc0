// The database window on screen: every page and dialog with the factory project's pictures, each
// label inside its control; held for a screenshot when asked (database/win/screenshot.sh), the
// anime set page with its sample playing.
#include "app/SheetCanvases.h"
#include "app/win/ProjectSheets.h"
#include "tests/database/win/DatabaseWndTest.h"
#include "tests/support/win/LabelFit.h"

TEST_F(DatabaseWndTest, EveryPageAndDialogOnScreen) {
  int hold = HoldMilliseconds();
  ASSERT_EQ(LoadFactorySheets(), 1);
  cVector<cCharaExcData>& bitmaps = g_DatabaseSet.m_vCharaExc;
  bitmaps.resize(3);
  bitmaps[1].m_strName = "勇者";
  bitmaps[1].m_strPath = "bmp\\chara_sp\\Hero.bmp";
  bitmaps[1].m_bSameAsFileName = 0;
  bitmaps[2].m_strName = "Giant";
  bitmaps[2].m_strPath = "bmp\\chara_sp\\Giant.bmp";
  bitmaps[2].m_bSameAsFileName = 1;
  bitmaps[2].m_bGiant = 1;
  bitmaps[2].m_nGiantSize = 2;
  ASSERT_EQ(RebuildCharaBitmaps(g_vCharaExcCanvas, bitmaps), 1);
  cAnimeSetData& set = g_DatabaseSet.m_vAnimeSet[0];
  set.m_strName = "主人公";
  set.m_nShiftFly = 4;
  cAnimeData& stand = set.m_vMotion[0];
  stand.m_cGraphicSheet = 1;
  stand.m_nGraphic = 3;
  stand.m_vFrame.resize(4);
  for (int i = 0; i < 4; ++i) {
    stand.m_vFrame[i].m_nCell = i;
    stand.m_vFrame[i].m_nTime = 2;
  }
  g_DatabaseSet.m_vEffect[1].m_strPath = "bmp\\effect\\炎.bmp";
  g_DatabaseSet.m_vEffect[1].m_vFrame.resize(3);
  g_DatabaseSet.m_vEffect[1].m_vFrame[1].m_nCell = 1;
  g_DatabaseSet.m_vEffect[1].m_vFrame[2].m_nCell = 2;
  g_DatabaseSet.m_vCharaEffect[1].m_strName = "点滅";
  g_DatabaseSet.m_vCharaEffect[1].m_nKind = 13;
  g_DatabaseSet.m_vCharaEffect[1].m_anParam[3] = 100;
  g_DatabaseSet.m_vBgm[1].m_strName = "草原";
  g_DatabaseSet.m_vBgm[1].m_strPath = "bgm\\草原.ogg";
  Open();
  SetForegroundWindow(m_pDatabase->m_hWndSheet);
  for (int tab = 0; tab < kTabCount; ++tab) {
    SCOPED_TRACE(kDbTabs[tab].m_pCaption);
    HWND page = Page(tab);
    if (tab == kTabAnimeSet) SelectRows(page, 1160, {0});
    ExpectLabelsInside(page);
    // Meanwhile the database window's idle step runs sixty times a second.
    HoldForShot(tab, hold, &m_List, [this] { m_pDatabase->TickPreview(1); });
  }
  // The three dialogs, over the pages that open them.
  struct cDialogShot {
    int m_nTab;
    int m_nButton;
  };
  const cDialogShot dialogs[] = {{kTabAnimeSet, 1067}, {kTabSwordType, 1212}, {kTabEffect, 1228}};
  int shot = kTabCount;
  for (const cDialogShot& dialog : dialogs) {
    HWND page = Page(dialog.m_nTab);
    cModalDriver driver([&](HWND window) {
      ExpectLabelsInside(window);
      HoldForShot(shot, hold);
      PostMessageA(window, WM_COMMAND, kIdcCancel, 0);
    });
    Press(page, dialog.m_nButton);
    EXPECT_TRUE(driver.Ran()) << dialog.m_nButton;
    ++shot;
  }
  Finish(PSBTN_CANCEL);
}
