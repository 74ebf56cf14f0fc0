// The database window as a user meets it: its ten tabs, the table page pattern on every page
// (new, clear, data count, browse, the name rule), and what OK, Apply and Cancel leave in the
// tables and in the ten files.
#include "tests/database/win/DatabaseWndTest.h"

#include <functional>

#include "app/DataFile.h"
#include "app/PathUtil.h"
#include "database/EffectKindTables.h"
#include "tests/support/win/GuiObjects.h"
#include "tests/support/win/LabelFit.h"

namespace {

// The caption of every tab, from the sheet's tab control.
std::vector<std::string> TabCaptions(HWND sheet) {
  HWND tabs = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
  std::vector<std::string> captions;
  int count = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[64] = {};
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(tabs, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
    captions.push_back(text);
  }
  return captions;
}

std::string WindowText(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

}  // namespace

TEST_F(DatabaseWndTest, TenTabsInTableOrderEachPageFilledAndLabelledInside) {
  g_DatabaseSet.m_vAnimeSet.clear();
  g_DatabaseSet.m_vCharaExc.resize(1);
  g_DatabaseSet.m_vSwordType.clear();
  Open();
  EXPECT_EQ(WindowText(m_pDatabase->m_hWndSheet), "データベース");
  // Short tables get their default records at once, before any apply.
  EXPECT_EQ(g_DatabaseSet.m_vAnimeSet.Count(), 1);
  EXPECT_EQ(g_DatabaseSet.m_vCharaExc.Count(), 2);
  EXPECT_EQ(g_DatabaseSet.m_vSwordType.Count(), 1);
  std::vector<std::string> captions = TabCaptions(m_pDatabase->m_hWndSheet);
  ASSERT_EQ(captions.size(), static_cast<size_t>(kTabCount));
  EXPECT_EQ(m_pDatabase->CurrentPageIndex(), kTabAnimeSet);
  for (int tab = 0; tab < kTabCount; ++tab) {
    SCOPED_TRACE(kDbTabs[tab].m_pCaption);
    EXPECT_EQ(captions[tab], kDbTabs[tab].m_pCaption);
    EXPECT_EQ(m_pDatabase->Page(tab)->m_wTemplateId, kDbTabs[tab].m_nTemplate);
    HWND page = Page(tab);
    ASSERT_NE(page, nullptr);
    ExpectLabelsInside(page);
    std::vector<std::string> rows = Rows(page, kDbTabs[tab].m_nListId);
    ASSERT_EQ(rows.size(), 2u) << "one record and the end row";
    EXPECT_EQ(rows[0].rfind("1", 0), 0u) << rows[0];
  }
  // The anime page hides "なし"; the others show what their tables hold from their first row.
  EXPECT_NE(Rows(Page(kTabAnime), 1160)[0].find("アクションA"), std::string::npos);
  EXPECT_NE(Rows(Page(kTabEffect), 1158)[0].find("炎"), std::string::npos);
  EXPECT_EQ(Rows(Page(kTabAnimeSet), 1160).size(), 4u) << "the four motions";
  EXPECT_TRUE(m_List.m_Sheets.size() == 1);
}

TEST_F(DatabaseWndTest, NewClearAndDataCountThroughTheValueDialog) {
  Open();
  HWND page = Page(kTabPicture);
  Type(page, kIdcName, "背景");
  EXPECT_EQ(Core().m_Picture.m_vWork[1].m_strName, "背景");
  Press(page, kIdcNew);
  ASSERT_EQ(Core().m_Picture.m_vWork.Count(), 3);
  EXPECT_EQ(Rows(page, 1232).size(), 3u);
  EXPECT_EQ(ItemText(page, kIdcName), "") << "the new record is edited";
  SelectRows(page, 1232, {0});
  EXPECT_EQ(ItemText(page, kIdcName), "背景");
  Press(page, kIdcClear);
  EXPECT_EQ(Core().m_Picture.m_vWork[1].m_strName, "");
  EXPECT_EQ(ItemText(page, kIdcName), "");

  int32_t asked = -1;
  cModalDriver driver([&](HWND dialog) {
    asked = static_cast<int32_t>(GetDlgItemInt(dialog, 1003, nullptr, TRUE));
    SetDlgItemTextA(dialog, 1003, "5");
    PostMessageA(dialog, WM_COMMAND, kIdcOk, 0);
  });
  Press(page, kIdcDataCount);
  EXPECT_TRUE(driver.Ran());
  EXPECT_EQ(asked, 2) << "the shown records, entry 0 not counted";
  EXPECT_EQ(Core().m_Picture.m_vWork.Count(), 6);
  EXPECT_EQ(Rows(page, 1232).size(), 6u);

  // The sword types show entry 0: the dialog starts at every entry.
  HWND swords = Page(kTabSwordType);
  cModalDriver cancel([&](HWND dialog) {
    asked = static_cast<int32_t>(GetDlgItemInt(dialog, 1003, nullptr, TRUE));
    PostMessageA(dialog, WM_COMMAND, kIdcCancel, 0);
  });
  Press(swords, kIdcDataCount);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(Core().m_SwordType.m_vWork.Count(), 1);
  EXPECT_EQ(g_DatabaseSet.m_vPicture.Count(), 2) << "nothing reaches the table before Apply";
}

namespace {
// An effect record of another kind, with that kind's own parameters.
template <class T>
void GiveEffectKind(T& record, int kind, const cEffectParam (*params)[kEffectParams]) {
  record.m_nKind = kind;
  for (int i = 0; i < kEffectParams; ++i) record.m_anParam[i] = params[kind][i].m_nDefault;
}
}  // namespace

// A right click on another row selects it and shows its record before the popup menu opens: with
// the menu dismissed, what the user types next goes into that record alone, beside its own values.
TEST_F(DatabaseWndTest, ADismissedPopupMenuLeavesTheRightClickedRecordShownAndStoredAsItsOwn) {
  cDatabaseSet& set = g_DatabaseSet;
  // The second shown record of every table differs from the first in fields that controls show.
  set.m_vAnimeSet.resize(2);
  for (cAnimeSetData& animeSet : set.m_vAnimeSet) animeSet.m_vMotion[0].m_nGraphic = 1;  // within the edit's range
  set.m_vAnimeSet[1].m_nShiftFly = 7;
  set.m_vAnimeSet[1].m_nShiftBlock = 3;
  set.m_vAnime.resize(3);
  set.m_vAnime[2].m_nGraphic = 5;
  set.m_vAnime[2].m_nStartCell = 3;
  set.m_vCharaExc.resize(3);
  set.m_vCharaExc[2].m_strPath = "bmp\\chara_sp\\b.bmp";
  set.m_vCharaExc[2].m_bGiant = 1;
  set.m_vCharaExc[2].m_nGiantSize = 4;
  set.m_vSwordType.resize(2);
  set.m_vSwordType[1].m_strPathLeft = "bmp\\sword\\b.bmp";
  set.m_vSwordType[1].m_strPathRight = "bmp\\sword\\c.bmp";
  set.m_vEffect.resize(3);
  set.m_vEffect[2].m_strPath = "bmp\\effect\\b.bmp";
  set.m_vEffect[2].m_nCellWidth = 64;
  set.m_vCharaEffect.resize(3);
  GiveEffectKind(set.m_vCharaEffect[2], 2, CharaEffectParams);
  set.m_vScrEffect.resize(3);
  GiveEffectKind(set.m_vScrEffect[2], 2, ScrEffectParams);
  set.m_vPicture.resize(3);
  set.m_vPicture[2].m_strPath = "bmp\\picture\\b.bmp";
  set.m_vSound.resize(3);
  set.m_vSound[2].m_strPath = "wave\\b.wav";
  set.m_vBgm.resize(3);
  set.m_vBgm[2].m_strPath = "bgm\\b.ogg";
  // No names: what is typed is the whole name.
  auto unnamed = [](auto&... tables) {
    auto clear = [](auto& table) {
      for (auto& record : table) record.m_strName = "";
    };
    (clear(tables), ...);
  };
  unnamed(set.m_vAnimeSet, set.m_vAnime, set.m_vCharaExc, set.m_vSwordType, set.m_vEffect, set.m_vCharaEffect,
          set.m_vScrEffect, set.m_vPicture, set.m_vSound, set.m_vBgm);
  Open();
  int menus = 0;
  cPopupMenuWatch watch([&](HWND) {
    ++menus;
    TypeKey(VK_ESCAPE);
  });
  // The table stays as it was until Apply: the record as the table holds it, with the typed name.
  auto check = [&](int tab, auto& table, auto& work, int lead) {
    SCOPED_TRACE(kDbTabs[tab].m_pCaption);
    HWND page = Page(tab);
    int list = kDbTabs[tab].m_nListId;
    ClickRow(page, list, 0);
    ClickRow(page, list, 1, VK_RBUTTON);
    TypeKeys(page, kIdcName, "n");
    auto expected = table[lead + 1];
    expected.m_strName = "n";
    EXPECT_EQ(ToHex(SavedBytes(work[lead + 1])), ToHex(SavedBytes(expected)));
    EXPECT_EQ(ToHex(SavedBytes(work[lead])), ToHex(SavedBytes(table[lead])));
  };
  check(kTabAnimeSet, set.m_vAnimeSet, Core().m_AnimeSet.m_vWork, 0);
  check(kTabAnime, set.m_vAnime, Core().m_Anime.m_vWork, 1);
  check(kTabCharaExc, set.m_vCharaExc, Core().m_CharaExc.m_vWork, 1);
  check(kTabSwordType, set.m_vSwordType, Core().m_SwordType.m_vWork, 0);
  check(kTabEffect, set.m_vEffect, Core().m_Effect.m_vWork, 1);
  check(kTabCharaEffect, set.m_vCharaEffect, Core().m_CharaEffect.m_vWork, 1);
  check(kTabScrEffect, set.m_vScrEffect, Core().m_ScrEffect.m_vWork, 1);
  check(kTabPicture, set.m_vPicture, Core().m_Picture.m_vWork, 1);
  check(kTabSound, set.m_vSound, Core().m_Sound.m_vWork, 1);
  check(kTabBgm, set.m_vBgm, Core().m_Bgm.m_vWork, 1);
  EXPECT_EQ(menus, kTabCount);
}

namespace {
// A browse button of a page, its path edit and field, and what its dialog offers.
struct cBrowseCase {
  int m_nTab;
  int m_nButton;
  int m_nPathEdit;
  std::function<std::string(cDatabaseCore&)> m_Path;
  const char* m_pFolder;
  const char* m_pTitle;
  const char* m_pFilter;
  const char* m_pExtension;
  const char* m_pFile;
};
}  // namespace

TEST_F(DatabaseWndTest, BrowseOffersItsFolderAndFilterAndTheNameFollowsTheFile) {
  const std::string bmp("BitmapFile ( *.bmp )\0*.bmp\0", sizeof "BitmapFile ( *.bmp )\0*.bmp\0" - 1);
  const std::string wav("WaveFile ( *.wav )\0*.wav\0", sizeof "WaveFile ( *.wav )\0*.wav\0" - 1);
  const std::string bgm("BgmFile ( *.mid;*.ogg )\0*.mid;*.ogg\0", sizeof "BgmFile ( *.mid;*.ogg )\0*.mid;*.ogg\0" - 1);
  const cBrowseCase cases[] = {
      {kTabCharaExc, 1055, 1003, [](cDatabaseCore& c) { return c.m_CharaExc.m_vWork[1].m_strPath.GetStr(); },
       "bmp\\chara_sp\\", "専用bmpの選択", bmp.c_str(), "bmp", "bmp\\chara_sp\\boss.bmp"},
      {kTabSwordType, 1209, 1208, [](cDatabaseCore& c) { return c.m_SwordType.m_vWork[0].m_strPathLeft.GetStr(); },
       "bmp\\sword\\", "ビットマップの選択", bmp.c_str(), "bmp", "bmp\\sword\\blade.bmp"},
      {kTabEffect, 1055, 1003, [](cDatabaseCore& c) { return c.m_Effect.m_vWork[1].m_strPath.GetStr(); },
       "bmp\\effect\\", "ビットマップの選択", bmp.c_str(), "bmp", "bmp\\effect\\fire.bmp"},
      {kTabPicture, 1055, 1003, [](cDatabaseCore& c) { return c.m_Picture.m_vWork[1].m_strPath.GetStr(); },
       "bmp\\picture\\", "ビットマップの選択", bmp.c_str(), "bmp", "bmp\\picture\\title.bmp"},
      {kTabSound, 1055, 1003, [](cDatabaseCore& c) { return c.m_Sound.m_vWork[1].m_strPath.GetStr(); }, "wave",
       "効果音の選択", wav.c_str(), "wav", "wave\\jump.wav"},
      {kTabBgm, 1055, 1003, [](cDatabaseCore& c) { return c.m_Bgm.m_vWork[1].m_strPath.GetStr(); }, "bgm\\",
       "BGMの選択", bgm.c_str(), "mid;ogg", "bgm\\stage1.ogg"},
  };
  Open();
  cFileChoice choice;
  for (const cBrowseCase& row : cases) {
    SCOPED_TRACE(row.m_pFile);
    HWND page = Page(row.m_nTab);
    SetCheck(page, kIdcSameAsFileName, 1);
    EXPECT_FALSE(Enabled(page, kIdcName)) << "the name follows the file";
    choice.m_strAnswer = Here() + "\\" + row.m_pFile;
    Press(page, row.m_nButton);
    EXPECT_EQ(choice.m_strFolder, row.m_pFolder);
    EXPECT_EQ(choice.m_strTitle, row.m_pTitle);
    EXPECT_EQ(choice.m_strFilter, std::string(row.m_pFilter, choice.m_strFilter.size()));
    EXPECT_EQ(choice.m_strExtension, row.m_pExtension);
    std::string relative = std::string(".\\") + row.m_pFile;
    EXPECT_EQ(ItemText(page, row.m_nPathEdit), relative);
    EXPECT_EQ(row.m_Path(Core()), relative) << "stored into the working copy";
    std::string name = row.m_pFile;
    name = name.substr(name.rfind('\\') + 1);
    name = name.substr(0, name.rfind('.'));
    EXPECT_EQ(ItemText(page, kIdcName), name);
    // A file name without a dot leaves the name; a cancelled browse changes nothing.
    Type(page, row.m_nPathEdit, "bmp\\noext");
    EXPECT_EQ(ItemText(page, kIdcName), name);
    choice.m_strAnswer.clear();
    Press(page, row.m_nButton);
    EXPECT_EQ(ItemText(page, row.m_nPathEdit), "bmp\\noext");
    SetCheck(page, kIdcSameAsFileName, 0);
    EXPECT_TRUE(Enabled(page, kIdcName));
  }
  // The right-facing bitmap of a sword type: its own path alone; the name follows the left one.
  HWND swords = Page(kTabSwordType);
  SetCheck(swords, kIdcSameAsFileName, 1);
  choice.m_strAnswer = Here() + "\\bmp\\sword\\mirror.bmp";
  Press(swords, 1211);
  EXPECT_EQ(ItemText(swords, 1210), ".\\bmp\\sword\\mirror.bmp");
  EXPECT_EQ(ItemText(swords, 1208), "bmp\\noext");
  EXPECT_EQ(Core().m_SwordType.m_vWork[0].m_strPathRight, ".\\bmp\\sword\\mirror.bmp");
  EXPECT_EQ(ItemText(swords, kIdcName), "blade");
}

TEST_F(DatabaseWndTest, TheEffectPageAppliesTheNameRuleOnlyFromItsFirstCommand) {
  g_DatabaseSet.m_vEffect[1].m_bSameAsFileName = 1;
  g_DatabaseSet.m_vEffect[1].m_strPath = "bmp\\effect\\fire.bmp";
  Open();
  HWND page = Page(kTabEffect);
  EXPECT_TRUE(Enabled(page, kIdcName)) << "until the first command";
  EXPECT_EQ(ItemText(page, kIdcName), "炎");
  Type(page, 11210, "0");
  EXPECT_FALSE(Enabled(page, kIdcName));
  EXPECT_EQ(ItemText(page, kIdcName), "fire");
  EXPECT_EQ(Core().m_Effect.m_vWork[1].m_nCellWidth, 1) << "0 stores 1";
  Type(page, 11211, "500");
  EXPECT_EQ(Core().m_Effect.m_vWork[1].m_nCellHeight, 480);
}

TEST_F(DatabaseWndTest, TheGiantSizeFollowsItsCheckBox) {
  Open();
  HWND page = Page(kTabCharaExc);
  EXPECT_FALSE(Enabled(page, kIdcGiantSize));
  SetCheck(page, kIdcGiant, 1);
  EXPECT_TRUE(Enabled(page, kIdcGiantSize));
  Choose(page, kIdcGiantSize, 3);
  EXPECT_EQ(Core().m_CharaExc.m_vWork[1].m_nGiantSize, 5) << "×25: giant size 5";
  SetCheck(page, kIdcGiant, 0);
  EXPECT_FALSE(Enabled(page, kIdcGiantSize));
  EXPECT_EQ(Core().m_CharaExc.m_vWork[1].m_nGiantSize, 5) << "the size stays in the record";
}

// What Apply, OK and Cancel leave behind.
TEST_F(DatabaseWndTest, ApplyOkAndCancelEdgeCases) {
  struct cCase {
    const char* m_pName;
    std::function<void()> m_Run;
    const char* m_pAnimeSetName;  // the table's entry 0 afterwards
    const char* m_pEffectName;    // the table's entry 1 afterwards
    bool m_bFilesWritten;
    bool m_bOpen;
  };
  const cCase cases[] = {
      {"Apply with only the first tab shown",
       [this] {
         Type(Page(kTabAnimeSet), kIdcName, "勇者");
         Core().m_Effect.m_vWork[1].m_strName = "never shown";
         Apply();
       },
       "勇者", "炎", true, true},
      {"OK after an edit on the effect tab",
       [this] {
         Type(Page(kTabEffect), kIdcName, "雷");
         Finish(PSBTN_OK);
       },
       "", "雷", true, false},
      {"Cancel after an Apply",
       [this] {
         Type(Page(kTabEffect), kIdcName, "氷");
         Apply();
         Type(Page(kTabEffect), kIdcName, "水");
         Finish(PSBTN_CANCEL);
       },
       "", "氷", true, false},
      {"Cancel without Apply",
       [this] {
         Type(Page(kTabEffect), kIdcName, "風");
         Finish(PSBTN_CANCEL);
       },
       "", "炎", false, false},
  };
  for (const cCase& row : cases) {
    SCOPED_TRACE(row.m_pName);
    for (const char* path : cDatabaseSet::kTableFiles) DeleteFileA(path);
    g_DatabaseSet.SetDefaults();
    g_DatabaseSet.m_vEffect[1].m_strName = "炎";
    m_Host.m_nClosed = 0;
    Open();
    row.m_Run();
    EXPECT_STREQ(g_DatabaseSet.m_vAnimeSet[0].m_strName.GetStr(), row.m_pAnimeSetName);
    EXPECT_STREQ(g_DatabaseSet.m_vEffect[1].m_strName.GetStr(), row.m_pEffectName);
    for (const Bytes& file : TableFiles()) EXPECT_EQ(!file.empty(), row.m_bFilesWritten);
    if (row.m_bFilesWritten) {
      cDatabaseSet loaded;
      ASSERT_EQ(loaded.LoadDatabaseTables(), 1);
      EXPECT_STREQ(loaded.m_vEffect[1].m_strName.GetStr(), row.m_pEffectName);
    }
    EXPECT_EQ(m_pSheet != nullptr, row.m_bOpen);
    EXPECT_EQ(m_Host.m_nClosed, row.m_bOpen ? 0 : 1) << "the stage editor hears of the closing once";
    if (row.m_bOpen) {
      EXPECT_FALSE(ApplyEnabled());
      Finish(PSBTN_CANCEL);
      EXPECT_EQ(m_Host.m_nClosed, 1);
    }
    EXPECT_TRUE(m_List.m_Sheets.empty());
    EXPECT_EQ(m_List.m_Windows.size(), 1u) << "the pages left the window list";
  }
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());
}

TEST_F(DatabaseWndTest, AFileThatCannotBeWrittenKeepsTheWindowOpenAndApplyEnabled) {
  // A folder in the place of a table file.
  MakeDirectory("data\\database\\Effect.dat");
  Open();
  Type(Page(kTabEffect), kIdcName, "雷");
  Finish(PSBTN_OK);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0], "データベースのファイルを保存できませんでした！\ndata\\database\\Effect.dat");
  ASSERT_NE(m_pSheet, nullptr) << "OK keeps the window open";
  EXPECT_TRUE(ApplyEnabled());
  EXPECT_EQ(m_Host.m_nClosed, 0);
  EXPECT_STREQ(g_DatabaseSet.m_vEffect[1].m_strName.GetStr(), "雷") << "the tables are applied";
  EXPECT_FALSE(TableFiles()[0].empty()) << "the other files are written";
  RemoveDirectoryA("data\\database\\Effect.dat");
  Apply();
  EXPECT_FALSE(ApplyEnabled());
  EXPECT_FALSE(TableFiles()[4].empty());
  Finish(PSBTN_CANCEL);
  EXPECT_EQ(m_Host.m_nClosed, 1);
}

TEST_F(DatabaseWndTest, OpeningEveryPageAndClosingLeavesNoHandles) {
  auto openAndClose = [this] {
    Open();
    for (int tab = kTabCount - 1; tab >= 0; --tab) Page(tab);
    cModalDriver driver([](HWND dialog) { PostMessageA(dialog, WM_COMMAND, kIdcCancel, 0); });
    Press(Page(kTabAnime), 1226);
    Finish(PSBTN_CANCEL);
  };
  openAndClose();  // the first run loads what the process keeps: fonts, classes, cached contexts
  cGuiObjects before = CountGuiObjects();
  for (int i = 0; i < 5; ++i) openAndClose();
  EXPECT_EQ(CountGuiObjects(), before);
  EXPECT_EQ(m_Host.m_nClosed, 6);
  EXPECT_EQ(m_List.m_Windows.size(), 1u);
}
