#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/DataPaths.h"
#include "app/cEditConfig.h"
#include "app/win/MainLoop.h"
#include "database/win/cDbPage.h"
#include "tests/stage/win/StageWndTest.h"
#include "tests/support/win/ProgramMinimise.h"
#include "tests/support/win/UserInput.h"
#include "ui/win/cModelessList.h"

namespace {

struct cMenuRow {
  int m_nId;
  const char* m_pText;
};
// Every item of menu 128 with its text.
const cMenuRow kMenuRows[] = {
    {40079, "ステージの新規作成(&N)\tCtrl+N"},
    {40074, "ステージを開く(&O)\tCtrl+O"},
    {40130, "ステージを閉じる(&C)"},
    {40077, "コモンパレットの上書き保存＆ステージの上書き保存(&S)\tCtrl+S"},
    {40076, "コモンパレットの上書き保存＆ステージの新規保存(&A)"},
    {40129, "コモンパレットの上書き保存(&B)"},
    {40052, "元に戻す(&U)\tCtrl+Z"},
    {40053, "やり直し(&R)\tCtrl+Y"},
    {40054, "ブロック(&B)"},
    {40055, "キャラ(&C)"},
    {40056, "アイテム(&I)"},
    {40161, "全ての配置データをクリア(&A)"},
    {40057, "全てのブロックをクリア(&B)"},
    {40058, "全てのキャラをクリア(&C)"},
    {40059, "全てのアイテムをクリア(&I)"},
    {40148, "コモンパレット(&C)"},
    {40149, "ステージパレット(&S)"},
    {40150, "グループ情報(&G)"},
    {40013, "ステージの設定(&E)"},
    {40083, "ステージパレットの読み込み(&L)"},
    {40084, "ステージパレットの保存(&A)"},
    {40085, "ステージオプション(&O)"},
    {40063, "データベース(&D)"},
    {40064, "ワールドマップ(&W)"},
    {40122, "システム(&S)"},
    {40062, "プロジェクトオプション(&O)"},
    {40060, "テストプレイ(&T)\tF5 or Ctrl+T"},
    {40131, "ゲーム全体のテストプレイ(&G)\tF7 or Ctrl+G"},
    {40061, "ビットマップ変換ツール(&B)"},
};

// The popup menus that hold an item, by the path of their texts.
std::string PathOf(HMENU menu, int id, const std::string& prefix = "") {
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    char text[128] = {};
    GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
    if (HMENU sub = GetSubMenu(menu, i)) {
      std::string found = PathOf(sub, id, prefix + text + ">");
      if (!found.empty()) return found;
    } else if (static_cast<int>(GetMenuItemID(menu, i)) == id) {
      return prefix;
    }
  }
  return "";
}

struct cButtonRow {
  int m_nId;  // 0: a separator
  const char* m_pTip;
};
const cButtonRow kToolbarRows[] = {
    {40079, "新規作成"},       {40074, "開く"},           {40077, "上書き保存"},      {0, nullptr},
    {40052, "元に戻す"},       {40053, "やり直し"},       {0, nullptr},               {40048, "ブロックパレット"},
    {40049, "キャラパレット"}, {40050, "アイテムパレット"}, {0, nullptr},             {40081, "テストプレイ"},
    {40134, "ゲーム全体のテストプレイ"},
};

// The player at (x, y) of a stage of that size, and the view's start.
struct cStartRow {
  int m_nWidth, m_nHeight, m_nPlayerX, m_nPlayerY;
  int m_nScrollX, m_nScrollY;
};

}  // namespace

TEST_F(StageWndTest, WindowOfTemplate104WithItsMenuToolbarAndStatusBar) {
  OpenStage(30, 20);
  char name[32] = {};
  GetClassNameA(Window(), name, sizeof name);
  EXPECT_STREQ(name, "#32770");
  EXPECT_EQ(GetWindow(Window(), GW_OWNER), g_hMainWnd);
  EXPECT_TRUE(IsWindowVisible(Window()));
  EXPECT_EQ(g_ModelessList.IsRegistered(&Editor()), 1);
  EXPECT_EQ(g_MainFrame.m_nEditorKind, 0);
  EXPECT_NE(GetDlgItem(Window(), 1006), nullptr);
  EXPECT_EQ(Editor().ViewWindow(), GetDlgItem(Window(), 1006));
  EXPECT_NE(GetDlgItem(Window(), 1008), nullptr);
  EXPECT_NE(GetDlgItem(Window(), 1009), nullptr);

  for (const cMenuRow& row : kMenuRows) EXPECT_EQ(MenuText(row.m_nId), row.m_pText) << row.m_nId;
  HMENU menu = GetMenu(Window());
  EXPECT_EQ(PathOf(menu, 40054), "編集(&E)>パレット変更(&P)>");
  EXPECT_EQ(PathOf(menu, 40161), "編集(&E)>配置データのクリア(&C)>");
  EXPECT_EQ(PathOf(menu, 40148), "表示(&V)>");
  EXPECT_EQ(PathOf(menu, 40013), "ステージ(&S)>");
  EXPECT_EQ(PathOf(menu, 40063), "プロジェクト(&P)>");
  EXPECT_EQ(PathOf(menu, 40061), "その他(&O)>");

  HWND toolbar = Editor().m_hWndToolbar;
  ASSERT_NE(toolbar, nullptr);
  EXPECT_EQ(GetDlgCtrlID(toolbar), 124);
  const int count = sizeof kToolbarRows / sizeof kToolbarRows[0];
  ASSERT_EQ(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0), count);
  for (int i = 0; i < count; ++i) {
    TBBUTTON button = {};
    SendMessageA(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
    EXPECT_EQ(button.idCommand, kToolbarRows[i].m_nId) << i;
    EXPECT_EQ((button.fsStyle & TBSTYLE_SEP) != 0, kToolbarRows[i].m_nId == 0) << i;
    if (kToolbarRows[i].m_nId >= 40048 && kToolbarRows[i].m_nId <= 40050) {
      EXPECT_EQ(button.fsStyle & TBSTYLE_CHECKGROUP, TBSTYLE_CHECKGROUP) << i;
    }
  }
  // The standard images, then three pictures of the palette file and two of the test play file.
  TBBUTTON first = {}, block = {}, game = {};
  SendMessageA(toolbar, TB_GETBUTTON, 0, reinterpret_cast<LPARAM>(&first));
  SendMessageA(toolbar, TB_GETBUTTON, 7, reinterpret_cast<LPARAM>(&block));
  SendMessageA(toolbar, TB_GETBUTTON, 12, reinterpret_cast<LPARAM>(&game));
  EXPECT_EQ(first.iBitmap, STD_FILENEW);
  EXPECT_EQ(game.iBitmap, block.iBitmap + 4);
  HWND tips = Editor().m_hWndToolTip;
  ASSERT_NE(tips, nullptr);
  EXPECT_EQ(SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0), 10);

  ASSERT_NE(Editor().m_hWndStatus, nullptr);
  EXPECT_EQ(GetDlgCtrlID(Editor().m_hWndStatus), 1);
  EXPECT_EQ(Editor().m_AccelList.size(), 1u);
  EXPECT_NE(Editor().m_AccelList.front().m_hAccel, nullptr);
  EXPECT_EQ(Editor().m_AccelList.front().m_hWndTarget, Window());
  // The measured heights go to the configuration for the next start.
  RECT status = {}, bar = {};
  GetWindowRect(Editor().m_hWndStatus, &status);
  GetWindowRect(toolbar, &bar);
  EXPECT_EQ(EditConfig.m_nStatusBarHeight, status.bottom - status.top);
  EXPECT_EQ(EditConfig.m_nToolbarRowHeight, bar.bottom - bar.top);
}

TEST_F(StageWndTest, TitleNamesTheStagePath) {
  MakeWindow();
  EXPECT_EQ(Title(), "ヴォンタリス");
  SafeDelete(g_MainFrame.m_lpStageEditor);
  OpenStage(20, 15, "data\\stg4\\面1.stg4_771");
  EXPECT_EQ(Title(), "ヴォンタリス  data\\stg4\\面1.stg4_771");
}

TEST_F(StageWndTest, GeometryComesFromTheSavedPlacementWithinItsLimits) {
  struct cRow {
    int m_bValid, m_nX, m_nY, m_nWidth, m_nHeight;
    int m_nViewWidth, m_nViewHeight, m_nLeft, m_nTop;
  } rows[] = {
      {0, 300, 300, 100, 100, 640, 480, 50, 50},   // nothing saved: the defaults
      {1, 120, 90, 480, 320, 480, 320, 120, 90},   // as saved
      {1, 10, 20, 2000, 10, 640, 160, 10, 20},     // a damaged size is held to the limits
  };
  for (const cRow& row : rows) {
    EditConfig.m_wpStageEditor = cWindowPlacement();
    if (row.m_bValid) EditConfig.m_wpStageEditor.Set(row.m_nX, row.m_nY, row.m_nWidth, row.m_nHeight);
    OpenStage(40, 30);
    cStageEditorWnd& editor = Editor();
    RECT view = {};
    GetWindowRect(editor.ViewWindow(), &view);
    EXPECT_EQ(view.right - view.left, row.m_nViewWidth) << row.m_nWidth;
    EXPECT_EQ(view.bottom - view.top, row.m_nViewHeight) << row.m_nHeight;
    EXPECT_EQ(editor.Core().View().ClientWidth(), row.m_nViewWidth);
    RECT window = {};
    GetWindowRect(Window(), &window);
    EXPECT_EQ(window.left, row.m_nLeft);
    EXPECT_EQ(window.top, row.m_nTop);
    // The view sits right below the toolbar.
    POINT origin = {view.left, view.top};
    ScreenToClient(Window(), &origin);
    EXPECT_EQ(origin.x, 0);
    EXPECT_EQ(origin.y, editor.m_nViewY);
    MINMAXINFO limits = {};
    SendMessageA(Window(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    int frameWidth = editor.m_nBorderLeft + editor.m_nBorderRight;
    EXPECT_EQ(limits.ptMinTrackSize.x - frameWidth, 384 + GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_EQ(limits.ptMaxTrackSize.x - frameWidth, 640 + GetSystemMetrics(SM_CXVSCROLL));
    // Closing stores what the next window is made with.
    SafeDelete(g_MainFrame.m_lpStageEditor);
    EXPECT_EQ(EditConfig.m_wpStageEditor.m_bValid, 1);
    EXPECT_EQ(EditConfig.m_wpStageEditor.m_nX, row.m_nLeft);
    EXPECT_EQ(EditConfig.m_wpStageEditor.m_nWidth, row.m_nViewWidth);
    EXPECT_EQ(EditConfig.m_wpStageEditor.m_nHeight, row.m_nViewHeight);
    EXPECT_TRUE(FileThere("data\\PrjOption.dat")) << "every window that goes saves the project options";
    DeleteFileA("data\\PrjOption.dat");
  }
}

TEST_F(StageWndTest, AProjectOptionsFileThatCannotBeSavedAsTheWindowGoesIsNamed) {
  const char* path = "data\\PrjOption.dat";
  struct cRow {
    const char* m_pName;
    bool m_bFolder;
  } rows[] = {{"read-only", false}, {"a folder in its place", true}};
  for (const cRow& row : rows) {
    SCOPED_TRACE(row.m_pName);
    if (row.m_bFolder) {
      CreateDirectoryA(path, nullptr);
    } else {
      WriteFileBytes(path, Hex("03 03 00 00 01 02"));
      SetFileAttributesA(path, FILE_ATTRIBUTE_READONLY);
    }
    const std::string before = FileState(path);
    OpenStage(20, 15);
    cBoxAnswerer answerer;
    SafeDelete(g_MainFrame.m_lpStageEditor);
    ASSERT_EQ(answerer.Seen().size(), 1u);
    EXPECT_EQ(answerer.Seen()[0].m_strCaption, "エラー");
    EXPECT_EQ(answerer.Seen()[0].m_strText, "data\\PrjOption.dat の保存に失敗しました！\n保存前のファイルはそのまま残っています。");
    EXPECT_EQ(FileState(path), before);
    EXPECT_EQ(g_pStageEditorWnd, nullptr) << "the window went all the same";
    SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
    if (row.m_bFolder) RemoveDirectoryA(path);
    else DeleteFileA(path);
  }
}

TEST_F(StageWndTest, TheViewStartsWithThePlayerInTheMiddle) {
  const cStartRow rows[] = {
      {100, 60, 50, 40, 40, 33},  // the middle of a 20 x 15 view
      {100, 60, 3, 2, 0, 0},      // never before the first column or row
      {100, 60, 98, 58, 80, 45},  // never past the last page
      {12, 10, 11, 9, 0, 0},      // a stage smaller than the view
      {100, 60, -1, -1, 0, 0},    // no player
  };
  for (const cStartRow& row : rows) {
    EditConfig.m_wpStageEditor.Set(10, 10, 640, 480);
    g_StageDoc.SetSize(row.m_nWidth, row.m_nHeight, 0, 0);
    g_StageDoc.m_vBlockLayer.At(0) = Record<cEdBlock>(1);
    cEdChara player = PlayerRecord(1);
    if (row.m_nPlayerX >= 0) g_StageDoc.PutChara(g_StageDoc.CellIndex(row.m_nPlayerX, row.m_nPlayerY), player);
    g_StageEditState.m_bStageOpen = 1;
    MakeWindow();
    EXPECT_EQ(Editor().Core().View().ScrollX(), row.m_nScrollX) << row.m_nPlayerX;
    EXPECT_EQ(Editor().Core().View().ScrollY(), row.m_nScrollY) << row.m_nPlayerY;
    EXPECT_EQ(GetScrollPos(GetDlgItem(Window(), 1008), SB_CTL), row.m_nScrollX);
    EXPECT_EQ(GetScrollPos(GetDlgItem(Window(), 1009), SB_CTL), row.m_nScrollY);
    SCROLLINFO info = {sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(GetDlgItem(Window(), 1008), SB_CTL, &info);
    EXPECT_EQ(info.nMax, row.m_nWidth - 1);
    EXPECT_EQ(info.nPage, static_cast<UINT>(std::min(20, row.m_nWidth))) << "a page no larger than the map";
    SafeDelete(g_MainFrame.m_lpStageEditor);
    g_StageDoc.SetDefaults();
  }
}

TEST_F(StageWndTest, ScrollingByBarsKeysAndTheWheel) {
  OpenStage(60, 40);
  cMapView& view = Editor().Core().View();
  HWND horizontal = GetDlgItem(Window(), 1008);
  HWND vertical = GetDlgItem(Window(), 1009);
  SendMessageA(Window(), WM_HSCROLL, SB_LINERIGHT, reinterpret_cast<LPARAM>(horizontal));
  EXPECT_EQ(view.ScrollX(), 1);
  SendMessageA(Window(), WM_VSCROLL, SB_PAGEDOWN, reinterpret_cast<LPARAM>(vertical));
  EXPECT_EQ(view.ScrollY(), 15);
  Key(VK_RIGHT);
  Key(VK_UP);
  Pump();
  EXPECT_EQ(view.ScrollX(), 2);
  EXPECT_EQ(view.ScrollY(), 14);

  struct cWheel {
    int m_nDelta;
    WPARAM m_nKeys;
    int m_nX, m_nY;
  } turns[] = {
      {-120, 0, 3, 14},            // a backward notch: one cell right
      {360, 0, 0, 14},             // three forward notches: three cells left
      {-360, 0, 3, 14},            // three backward notches: three right, notch by notch
      {-120, MK_CONTROL, 3, 15},   // with Ctrl: down
      {60, MK_CONTROL, 3, 15},     // half a notch waits for the other half
      {60, MK_CONTROL, 3, 14},
  };
  for (const cWheel& turn : turns) {
    SendMessageA(Window(), WM_MOUSEWHEEL, MAKEWPARAM(turn.m_nKeys, static_cast<WORD>(turn.m_nDelta)), 0);
    EXPECT_EQ(view.ScrollX(), turn.m_nX) << turn.m_nDelta;
    EXPECT_EQ(view.ScrollY(), turn.m_nY) << turn.m_nDelta;
    EXPECT_EQ(GetScrollPos(horizontal, SB_CTL), view.ScrollX());
    EXPECT_EQ(GetScrollPos(vertical, SB_CTL), view.ScrollY());
  }
  g_StageDoc.m_nWheelAxis = 1;
  SendMessageA(Window(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
  EXPECT_EQ(view.ScrollY(), 15) << "axis 1 turns vertically";
  g_StageDoc.m_nWheelAxis = 5;
  SendMessageA(Window(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
  EXPECT_EQ(view.ScrollX(), 3);
  EXPECT_EQ(view.ScrollY(), 15) << "another axis does nothing";
}

TEST_F(StageWndTest, MenuAndToolbarStatesFollowTheStage) {
  MakeWindow();
  for (int id : {40079, 40074, 40129, 40063, 40064, 40122, 40062, 40131, 40061, 40161, 40148, 40149, 40150})
    EXPECT_TRUE(MenuEnabled(id)) << id;
  for (int id : {40130, 40076, 40077, 40052, 40053, 40054, 40055, 40056, 40057, 40058, 40059, 40013, 40083, 40084,
                 40085, 40060})
    EXPECT_FALSE(MenuEnabled(id)) << id;
  for (int id : {40079, 40074, 40134}) EXPECT_TRUE(ButtonEnabled(id)) << id;
  for (int id : {40077, 40052, 40053, 40048, 40049, 40050, 40081}) EXPECT_FALSE(ButtonEnabled(id)) << id;
  SafeDelete(g_MainFrame.m_lpStageEditor);

  OpenStage(20, 15);
  for (int id : {40130, 40076, 40077, 40054, 40055, 40056, 40057, 40058, 40059, 40013, 40083, 40084, 40085, 40060})
    EXPECT_TRUE(MenuEnabled(id)) << id;
  for (int id : {40077, 40048, 40049, 40050, 40081}) EXPECT_TRUE(ButtonEnabled(id)) << id;
  // Undo and redo follow their steps.
  EXPECT_FALSE(MenuEnabled(40052));
  EXPECT_FALSE(ButtonEnabled(40052));
  EXPECT_TRUE(MenuChecked(40054));
  EXPECT_TRUE(ButtonChecked(40048));
  EXPECT_FALSE(ButtonChecked(40049));

  Command(40055);
  EXPECT_EQ(g_StageEditState.m_nLayer, 1);
  EXPECT_TRUE(MenuChecked(40055));
  EXPECT_FALSE(MenuChecked(40054));
  EXPECT_TRUE(ButtonChecked(40049));
  Command(40050);  // the toolbar's button
  EXPECT_EQ(g_StageEditState.m_nLayer, 2);
  EXPECT_TRUE(MenuChecked(40056));
  Key(VK_SPACE);
  EXPECT_EQ(g_StageEditState.m_nLayer, 0);
  EXPECT_TRUE(ButtonChecked(40048));
  EXPECT_EQ(GetFocus(), Editor().ViewWindow());

  g_StageEditState.m_vBrushBlock[0] = Record<cEdBlock>(2);
  MouseAtCell(WM_LBUTTONDOWN, 1, 1, MK_LBUTTON);
  MouseAtCell(WM_LBUTTONUP, 1, 1, 0);
  EXPECT_TRUE(MenuEnabled(40052));
  EXPECT_TRUE(ButtonEnabled(40052));
  Command(40011);  // Ctrl+Z
  EXPECT_FALSE(MenuEnabled(40052));
  EXPECT_TRUE(MenuEnabled(40053));
  EXPECT_TRUE(ButtonEnabled(40053));
}

TEST_F(StageWndTest, ClearCommandsAskFirstAndCanBeUndone) {
  OpenStage(4, 2);
  struct cRow {
    int m_nId;
    const char* m_pQuestion;
    const char* m_pBlocks;
    const char* m_pCharas;
    const char* m_pItems;
  } rows[] = {
      {40057, "全てのブロックをクリアしますか？", "..../....", "1.../....", "..2./...."},
      {40058, "全てのキャラをクリアしますか？", "3.../....", "..../....", "..2./...."},
      {40059, "全てのアイテムをクリアしますか？", "3.../....", "1.../....", "..../...."},
      {40161, "全ての配置データ（ブロック・キャラ・アイテム）をクリアしますか？", "..../....", "..../....", "..../...."},
  };
  for (const cRow& row : rows) {
    g_StageDoc.m_vBlockLayer.At(0) = Record<cEdBlock>(3);
    g_StageDoc.m_vCharaLayer.At(0) = Record<cEdChara>(1);
    g_StageDoc.m_vItemLayer.At(2) = Record<cEdItem>(2);
    g_StageEditState.m_bStageModified = 0;
    {
      cBoxAnswerer answerer({IDNO});
      Command(row.m_nId);
      ASSERT_EQ(answerer.Seen().size(), 1u);
      EXPECT_EQ(answerer.Seen()[0].m_strText, row.m_pQuestion);
      EXPECT_EQ(answerer.Seen()[0].m_strCaption, "データクリアの確認");
      EXPECT_EQ(answerer.Seen()[0].m_hOwner, Window());
    }
    EXPECT_EQ(LayerText(g_StageDoc.m_vBlockLayer, g_StageDoc), "3.../....") << "No keeps everything";
    EXPECT_EQ(g_StageEditState.m_bStageModified, 0);
    {
      cBoxAnswerer answerer({IDYES});
      Command(row.m_nId);
    }
    EXPECT_EQ(LayerText(g_StageDoc.m_vBlockLayer, g_StageDoc), row.m_pBlocks) << row.m_nId;
    EXPECT_EQ(LayerText(g_StageDoc.m_vCharaLayer, g_StageDoc), row.m_pCharas) << row.m_nId;
    EXPECT_EQ(LayerText(g_StageDoc.m_vItemLayer, g_StageDoc), row.m_pItems) << row.m_nId;
    EXPECT_EQ(g_StageEditState.m_bStageModified, 1);
    Command(40052);
    EXPECT_EQ(LayerText(g_StageDoc.m_vBlockLayer, g_StageDoc), "3.../....");
    EXPECT_EQ(LayerText(g_StageDoc.m_vCharaLayer, g_StageDoc), "1.../....");
    EXPECT_EQ(LayerText(g_StageDoc.m_vItemLayer, g_StageDoc), "..2./....");
  }
}

TEST_F(StageWndTest, ViewTogglesAreSavedAndChecked) {
  OpenStage(20, 15);
  struct cRow {
    int m_nId;
    cWindowPlacement cEditConfig::*m_pFirst;
    cWindowPlacement cEditConfig::*m_pLast;
  } rows[] = {
      {40148, &cEditConfig::m_wpCommonBlocks, &cEditConfig::m_wpCommonItems},
      {40149, &cEditConfig::m_wpStageBlocks, &cEditConfig::m_wpStageItems},
      {40150, &cEditConfig::m_wpCharaGroup, &cEditConfig::m_wpCharaGroup},
  };
  for (const cRow& row : rows) {
    EXPECT_TRUE(MenuChecked(row.m_nId)) << row.m_nId;
    Command(row.m_nId);
    EXPECT_EQ((EditConfig.*row.m_pFirst).m_bShown, 0);
    EXPECT_EQ((EditConfig.*row.m_pLast).m_bShown, 0);
    EXPECT_FALSE(MenuChecked(row.m_nId));
    cEditConfig saved;
    ASSERT_EQ(saved.LoadFile(g_DataPaths[kPathEditConfig].GetStr()), 1);
    EXPECT_EQ((saved.*row.m_pFirst).m_bShown, 0) << row.m_nId;
    Command(row.m_nId);
    EXPECT_TRUE(MenuChecked(row.m_nId));
  }
}

TEST_F(StageWndTest, TheDatabaseOpensOverHiddenWindowsAndItsClosingRevalidatesThePalettes) {
  CreateDirectoryA("data\\database", nullptr);
  g_DatabaseSet.m_vEffect.resize(3);
  g_CommonPalette.m_vChara.resize(2);
  g_CommonPalette.m_vChara[1].m_nGraphic = 5;
  g_CommonPalette.m_vChara[1].m_nBodyEffect = 2;
  OpenStage(20, 15);
  Command(40063);
  cDatabaseWnd* database = cDatabaseWnd::Instance();
  ASSERT_NE(database, nullptr);
  EXPECT_EQ(Editor().m_pDatabaseWnd, database);
  EXPECT_EQ(Editor().m_lpDatabaseWnd, database) << "the idle tick steps its samples";
  EXPECT_FALSE(IsWindowVisible(Window()));
  EXPECT_FALSE(IsWindowEnabled(Window()));
  EXPECT_TRUE(IsWindowVisible(database->m_hWndSheet));
  // Two effects less one: the body effect 2 of the common palette's character points past the end.
  database->SetCurrentPage(kTabEffect);
  HWND page = database->Page(kTabEffect)->m_hWnd;
  cModalDriver count([](HWND dialog) {
    SetDlgItemTextA(dialog, 1003, "1");
    PostMessageA(dialog, WM_COMMAND, kIdcOk, 0);
  });
  SendMessageA(page, WM_COMMAND, MAKEWPARAM(11071, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(page, 11071)));
  EXPECT_TRUE(count.Ran());
  SendMessageA(database->m_hWndSheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
  Pump();
  EXPECT_EQ(cDatabaseWnd::Instance(), nullptr);
  EXPECT_EQ(Editor().m_pDatabaseWnd, nullptr);
  EXPECT_EQ(Editor().m_lpDatabaseWnd, nullptr);
  EXPECT_EQ(g_DatabaseSet.m_vEffect.Count(), 2);
  EXPECT_EQ(g_CommonPalette.m_vChara[1].m_nBodyEffect, 0) << "the palette checked against the new tables";
  EXPECT_TRUE(IsWindowVisible(Window()));
  EXPECT_TRUE(IsWindowEnabled(Window()));
  EXPECT_TRUE(FileThere("data\\database\\Effect.dat"));
}

TEST_F(StageWndTest, MinimisingHidesTheEditorAndTheFrameRestoresIt) {
  OpenStage(20, 15);
  EXPECT_EQ(SendMessageA(Window(), WM_SYSCOMMAND, SC_MINIMIZE, 0), 0);
  EXPECT_EQ(Editor().m_bMinimised, 1);
  EXPECT_FALSE(IsWindowVisible(Window()));
  EXPECT_TRUE(IsIconic(g_hMainWnd));
  SendMessageA(g_hMainWnd, WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_EQ(Editor().m_bMinimised, 0);
  EXPECT_TRUE(IsWindowVisible(Window()));
}

TEST_F(StageWndTest, MinimisingTheProgramBringsBackOnlyTheWindowsTheUserSaw) {
  const struct {
    const char* m_pName;
    int m_nCommand;  // what the stage editor's menu opens over it; 0 nothing
  } rows[] = {
      {"the stage editor and its palettes", 0},
      {"the stage settings", kIdmStageSettings},
      {"the database", kIdmDatabase},
      {"the system settings", kIdmSystemSettings},
      {"the project options", kIdmProjectOptions},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.m_pName);
    OpenStage(20, 15);
    SetForegroundWindow(Window());
    if (row.m_nCommand) Command(row.m_nCommand);
    Pump();
    ExpectTaskbarRoundTripKeepsTheWindows(g_hMainWnd, [this] { Pump(); });
    EXPECT_EQ(IsWindowVisible(Window()) != 0, row.m_nCommand == 0) << "the stage editor waits for the other to close";
    EXPECT_EQ(Editor().m_bMinimised, 0);
  }
}

TEST_F(StageWndTest, TheFrameRebuildsTheEditorKeepingTheStageAndItsFlags) {
  OpenStage(20, 15, "data\\stg4\\a.stg4_771");
  g_StageEditState.m_bStageModified = 1;
  g_StageEditState.m_bCommonModified = 1;
  g_StageEditState.SetLayer(2);
  HWND before = Window();
  SendMessageA(g_hMainWnd, WM_USER, 1, 0);
  ASSERT_NE(g_pStageEditorWnd, nullptr);
  EXPECT_FALSE(IsWindow(before));
  EXPECT_NE(Window(), before);
  EXPECT_EQ(g_StageEditState.m_strStagePath, "data\\stg4\\a.stg4_771");
  EXPECT_EQ(g_StageEditState.m_bStageOpen, 1);
  EXPECT_EQ(g_StageEditState.m_bStageModified, 1);
  EXPECT_EQ(g_StageEditState.m_bCommonModified, 1);
  EXPECT_EQ(g_StageEditState.m_nLayer, 0) << "the rest of the edit state starts again";
  EXPECT_EQ(g_StageEditState.m_pView, g_pStageEditorWnd);
  EXPECT_EQ(Title(), "ヴォンタリス  data\\stg4\\a.stg4_771");
  // The new editor and its six palette windows; nothing is left of the old ones.
  EXPECT_EQ(g_ModelessList.m_Windows.size(), 1u + kPaletteWndCount);
}
