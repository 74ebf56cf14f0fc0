#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/PathUtil.h"
#include "database/cDbPages.h"
#include "model/cEdChara.h"
#include "tests/database/PageLists.h"
#include "tests/support/TestSupport.h"

namespace {

cVector<cPictureData> Pictures(std::initializer_list<const char*> names) {
  cVector<cPictureData> table;
  for (const char* name : names) {
    table.emplace_back();
    table.back().m_strName = name;
  }
  return table;
}

std::vector<std::string> Names(const cVector<cPictureData>& table) {
  std::vector<std::string> names;
  for (const cPictureData& record : table) names.push_back(record.m_strName);
  return names;
}

// What a sub-dialog does: OK writes its values through the fields' ranges, Cancel writes nothing.
// It edits the position at the current row of the page's inner list, as the sword position dialog
// finds it.
struct cSwordPosDialog {
  cDbPageSwordTypeCore& m_Page;
  int m_bOk;
  int64_t m_nWidth;
  int m_nRuns = 0;
  int operator()() {
    ++m_nRuns;
    cSwordPosData& position = m_Page.m_Edit.m_vPos.At(m_Page.InnerList().GetCurIndex());
    if (m_bOk) StoreClamped(position, kSwordPosFields[2], m_nWidth);
    return m_bOk;
  }
};

// The text a row label writes for a record.
template <class T>
std::string Label(tRowLabel<T> label, const T& record) {
  cString text;
  label(&text, 0, &record);
  return text.GetStr();
}

// Stands in for the canvases where a page needs a bitmap target.
struct cNoBitmaps : cCharaBitmapTarget {
  void Reset(int) override {}
  int Load(int, const char*, int32_t) override { return 1; }
};

#ifdef _WIN32
const char* const kSeparator = "\\";
const char* const kOtherDrive = "Q:\\other.bmp";
#else
const char* const kSeparator = "/";
const char* const kOtherDrive = "/elsewhere/other.bmp";
#endif

}  // namespace

TEST(TablePage, ShortTablesArePaddedAtConstruction) {
  cDatabaseSet set;
  set.m_vAnimeSet.clear();
  set.m_vAnime.resize(1);
  set.m_vCharaExc.resize(1);
  set.m_vSwordType.clear();
  set.m_vPicture.resize(1);
  set.m_vPicture[0].m_strName = "kept";
  cDbPageAnimeSetCore animeSets(set.m_vAnimeSet);
  cDbPageAnimeCore animes(set.m_vAnime);
  cDbPageSwordTypeCore swords(set.m_vSwordType);
  cDbPagePictureCore pictures(set.m_vPicture);
  EXPECT_EQ(set.m_vAnimeSet.size(), 1u) << "the anime sets have no reserved entry";
  EXPECT_EQ(set.m_vAnime.size(), 2u);
  EXPECT_EQ(set.m_vSwordType.size(), 1u);
  EXPECT_EQ(set.m_vPicture.size(), 2u);
  EXPECT_EQ(set.m_vPicture[0].m_strName, "kept");
  EXPECT_EQ(swords.DataCount(), 1) << "the data count counts every sword type";
  EXPECT_EQ(pictures.DataCount(), 1) << "entry 0 is never shown";
  cTableLists<cPictureData> lists(pictures);
  EXPECT_EQ(pictures.List().GetCurIndex(), 1) << "row 0 is entry 1";
}

TEST(TablePage, DataCountApplyAndTheShownFlag) {
  cVector<cPictureData> table = Pictures({"", "a", "b"});
  cDbPagePictureCore page(table);
  cTableLists<cPictureData> lists(page);
  EXPECT_EQ(page.DataCount(), 2);
  EXPECT_EQ(page.SetDataCount(5), 1);
  EXPECT_EQ(page.m_vWork.size(), 6u);
  page.Apply();
  EXPECT_EQ(table.size(), 3u) << "a page never shown leaves its table";

  page.OnShown();
  EXPECT_EQ(page.m_vWork.size(), 3u) << "showing the page takes the table again";
  EXPECT_EQ(page.m_Edit.m_strName, "a");
  for (int outside : {0, 1000, -3}) EXPECT_EQ(page.SetDataCount(outside), 0) << outside;
  EXPECT_EQ(lists.m_Table.m_View.m_nBeeps, 3);
  ASSERT_EQ(page.SetDataCount(5), 1);
  page.Apply();
  EXPECT_EQ(Names(table), (std::vector<std::string>{"", "a", "b", "", "", ""}));
  ASSERT_EQ(page.SetDataCount(1), 1);
  page.Apply();
  EXPECT_EQ(Names(table), (std::vector<std::string>{"", "a"}));
}

TEST(TablePage, NewClearSelectAndStore) {
  cVector<cPictureData> table = Pictures({"", "a", "b", "c"});
  cDbPagePictureCore page(table);
  cTableLists<cPictureData> lists(page);
  page.OnShown();
  lists.Select(page, {1});
  EXPECT_EQ(page.m_Edit.m_strName, "b");
  page.m_Edit.m_strName = "B";
  EXPECT_EQ(page.StoreEdited(), 1);
  lists.Select(page, {3});
  EXPECT_EQ(page.List().GetCurIndex(), -1) << "the end row holds no record";
  EXPECT_EQ(page.m_Edit.m_strName, "") << "the end row shows a blank record";
  EXPECT_EQ(page.StoreEdited(), 0);
  page.List().SetCurSel(-1, 1);
  EXPECT_EQ(page.List().GetCurSel(), 0) << "a request for no row selects row 0";

  lists.Select(page, {0, 2, 3});
  EXPECT_EQ(page.Clear(), 1);
  EXPECT_EQ(Names(page.m_vWork), (std::vector<std::string>{"", "", "B", ""}));
  EXPECT_EQ(page.New(), 1);
  EXPECT_EQ(page.List().m_nCurSel, 3);
  EXPECT_EQ(page.m_Edit.m_strName, "") << "the new record is edited";
  ASSERT_EQ(page.SetDataCount(999), 1);
  EXPECT_EQ(page.New(), 0) << "999 records: the list beeps";
  EXPECT_EQ(lists.m_Table.m_View.m_nBeeps, 1);
  EXPECT_EQ(page.m_vWork.size(), 1000u);
}

TEST(InnerList, InsertAndDeleteKeepTheirLimits) {
  cVector<cEffectFrameData> frames(3);
  for (int i = 0; i < 3; ++i) frames[i].m_nCell = i;
  cListParam<cEffectFrameData> param;
  param.Set(1206, nullptr, &frames, nullptr, EffectFrameRowLabel, cListShape{1, 0, 1, 4, 0, 1, 0});
  cFakeList<cEffectFrameData> rows(param);
  auto select = [&rows](std::initializer_list<int> marked) {
    rows.Click(marked);
    rows.m_List.OnSelChange();
    rows.m_List.Redraw();
  };
  select({1});
  ASSERT_EQ(rows.m_List.Insert(), 1);
  EXPECT_EQ(frames[1].m_nCell, 0);
  EXPECT_EQ(frames[2].m_nCell, 1) << "the selected record moves down";
  EXPECT_EQ(rows.m_List.Insert(), 0) << "the most records";
  select({0, 1, 3});
  ASSERT_EQ(rows.m_List.Delete(-1, 0), 1);
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0].m_nCell, 1);
  EXPECT_EQ(rows.m_List.m_nCurSel, 1) << "the caret's row moved up past the rows removed: now the end row";
  EXPECT_EQ(rows.m_List.Delete(-1, 0), 0) << "never below the fewest";
  EXPECT_EQ(rows.m_View.m_nBeeps, 2);
  select({1});
  EXPECT_EQ(rows.m_List.Insert(), 1);
  ASSERT_EQ(frames.size(), 2u) << "an insert on the end row appends";
  EXPECT_EQ(frames[0].m_nCell, 1);
}

TEST(PageRules, NameFollowsTheFileName) {
  struct cRow {
    int32_t m_bSame;
    const char* m_pPath;
    const char* m_pName;
    int m_bEnabled;
  };
  const cRow rows[] = {
      {1, "bmp\\chara_sp\\boss.bmp", "boss", 0},
      {1, ".\\bgm\\stage1.ogg", "stage1", 0},
      {1, "bmp\\chara_sp\\boss", "old", 0},          // no dot: the name stays
      {1, "bmp\\v1.2\\boss", "old", 0},              // a dot of a folder is no extension
      {1, "bmp\\表\\竜.bmp", "竜", 0},               // a backslash inside a double-byte name
      {1, "a.tar.bmp", "a.tar", 0},
      {0, "bmp\\chara_sp\\boss.bmp", "old", 1},
  };
  for (const cRow& row : rows) {
    cString name("old");
    EXPECT_EQ(FollowFileName(row.m_bSame, row.m_pPath, name), row.m_bEnabled) << row.m_pPath;
    EXPECT_EQ(name, row.m_pName) << row.m_pPath;
  }
}

TEST(PageRules, BrowsedFilesAreStoredRelative) {
  cScratchFolder folder;
  cVector<cCharaExcData> table(2);
  cNoBitmaps bitmaps;
  cDbPageCharaExcCore page(table, bitmaps);
  cTableLists<cCharaExcData> lists(page);
  page.OnShown();
  page.m_Edit.m_bSameAsFileName = 1;
  std::string chosen = folder.Path();
  for (const char* part : {"bmp", "chara_sp", "boss.bmp"}) chosen = chosen + kSeparator + part;
  EXPECT_EQ(page.OnBrowsed(cString(chosen)), 1);
  EXPECT_EQ(page.m_Edit.m_strPath, ".\\bmp\\chara_sp\\boss.bmp");
  EXPECT_EQ(FollowFileName(page.m_Edit.m_bSameAsFileName, page.m_Edit.m_strPath, page.m_Edit.m_strName), 0);
  EXPECT_EQ(page.m_Edit.m_strName, "boss");
  EXPECT_EQ(page.OnBrowsed(cString(kOtherDrive)), 0) << "a file on another drive";
  EXPECT_EQ(page.m_Edit.m_strPath, ".\\bmp\\chara_sp\\boss.bmp");

  EXPECT_STREQ(kCharaExcBrowse.m_pFolder, "bmp\\chara_sp\\");
  EXPECT_STREQ(kSoundBrowse.m_pFolder, "wave") << "no backslash at its end";
  EXPECT_EQ(std::string(kBgmBrowse.m_pFilter, 36), std::string("BgmFile ( *.mid;*.ogg )\0*.mid;*.ogg\0", 36));
  EXPECT_STREQ(kBgmBrowse.m_pDefaultExtension, "mid;ogg");
  EXPECT_STREQ(kCharaExcBrowse.m_pTitle, "専用bmpの選択");
}

TEST(PageRules, GiantSizeAndGraphicRules) {
  EXPECT_EQ(GiantSizeNames[5 - kGiantSizeItemOffset], "×25") << "item 3 stands for giant size 5";
  EXPECT_EQ(GiantSizeEnabled(0), 0);
  EXPECT_EQ(GiantSizeEnabled(1), 1);
  struct cRow {
    int m_nKind, m_nCharaExc;
    cGraphicRule m_Rule;
  };
  const cRow rows[] = {
      {0, 3, {0, 0, 119, 1}}, {1, 3, {1, 19, 119, 1}}, {2, 3, {0, 0, 119, 1}},
      {3, 3, {0, 0, 119, 1}}, {4, 3, {1, 239, 2, 0}},  {4, 1, {1, 239, 1, 0}},
  };
  for (const cRow& row : rows) {
    cGraphicRule rule = GraphicRuleOf(row.m_nKind, row.m_nCharaExc);
    EXPECT_EQ(rule.m_bStartCellEnabled, row.m_Rule.m_bStartCellEnabled) << row.m_nKind;
    EXPECT_EQ(rule.m_nStartCellMax, row.m_Rule.m_nStartCellMax) << row.m_nKind;
    EXPECT_EQ(rule.m_nNumberMax, row.m_Rule.m_nNumberMax) << row.m_nKind;
    EXPECT_EQ(rule.m_bPickerEnabled, row.m_Rule.m_bPickerEnabled) << row.m_nKind;
  }
}

// The kind the user chose brings an anime's graphic number and start cell into that kind's
// ranges; kinds without a start cell keep it.
TEST(PageRules, AChosenGraphicKindClampsTheAnimesGraphic) {
  struct cRow {
    uint8_t m_cKind;
    int16_t m_nGraphic, m_nStart;
    int m_nCharaExc;
    int16_t m_nWantGraphic, m_nWantStart;
  };
  const cRow rows[] = {
      {1, 200, 100, 3, 119, 19}, {1, 0, -5, 3, 1, 0},     {1, 50, 7, 3, 50, 7},    {4, 200, 300, 5, 4, 239},
      {4, 3, 100, 5, 3, 100},    {0, 200, 100, 3, 119, 100}, {2, -1, 100, 3, 1, 100}, {3, 119, -7, 3, 119, -7},
  };
  for (const cRow& row : rows) {
    cAnimeData anime;
    anime.m_cGraphicSheet = row.m_cKind;
    anime.m_nGraphic = row.m_nGraphic;
    anime.m_nStartCell = row.m_nStart;
    ApplyGraphicKind(anime, row.m_nCharaExc);
    EXPECT_EQ(anime.m_nGraphic, row.m_nWantGraphic) << int(row.m_cKind) << " " << row.m_nGraphic;
    EXPECT_EQ(anime.m_nStartCell, row.m_nWantStart) << int(row.m_cKind) << " " << row.m_nStart;
    EXPECT_EQ(anime.m_cGraphicSheet, row.m_cKind);
  }
}

TEST(PageRules, RowLabels) {
  cSwordTypeData sword;
  ASSERT_EQ(sword.m_vPos.size(), 1u);
  EXPECT_EQ(Label(SwordPosRowLabel, cSwordPosData()), "前(0,0) 横0 縦0 時間0");
  EXPECT_EQ(Label(SwordPosRowLabel, sword.m_vPos[0]), "前(0,0) 横0 縦0 時間1");
  cSwordPosData position;
  position.m_nDirection = 3;
  position.m_nOffsetX = -320;
  position.m_nOffsetY = 5;
  position.m_nWidth = 64;
  position.m_nHeight = 48;
  position.m_nTime = 7;
  EXPECT_EQ(Label(SwordPosRowLabel, position), "下(-320,5) 横64 縦48 時間7");
  position.m_nDirection = 9;
  EXPECT_EQ(Label(SwordPosRowLabel, position), "(-320,5) 横64 縦48 時間7") << "a damaged direction has no name";

  cAnimeFrameData frame;
  frame.m_nCell = 3;
  frame.m_nTime = 5;
  EXPECT_EQ(Label(AnimeFrameRowLabel, frame), "3-5");
  frame.m_bRunCommand = 1;
  EXPECT_EQ(Label(AnimeFrameRowLabel, frame), "実行 3-5");
  cEffectFrameData effectFrame;
  effectFrame.m_nCell = 3;
  effectFrame.m_nTime = 5;
  EXPECT_EQ(Label(EffectFrameRowLabel, effectFrame), "3-5");
  cAnimeSetData set;
  set.m_vMotion[2].m_vFrame.resize(3);
  EXPECT_EQ(Label(AnimeMotionRowLabel, set.m_vMotion[2]), "飛行 ×3");
  cPictureData picture;
  picture.m_strName = "100%";
  EXPECT_EQ(Label(NameRowLabel<cPictureData>, picture), "100%");
}

// What OK stores for a typed value: clamped to the edit's range.
TEST(PageRules, DialogsStoreClampedValues) {
  cSwordPosData position;
  StoreClamped(position, kSwordPosFields[2], 700);
  StoreClamped(position, kSwordPosFields[0], -400);
  StoreClamped(position, kSwordPosFields[4], 640);
  StoreClamped(position, kSwordPosFields[6], int64_t{1} << 40);
  EXPECT_EQ(position.m_nWidth, 640);
  EXPECT_EQ(position.m_nOffsetX, -320);
  EXPECT_EQ(position.m_nSrcX, 639) << "the source ends one before the width";
  EXPECT_EQ(position.m_nTime, 999);
  cEffectFrameData frame;
  StoreClamped(frame, kEffectFrameFields[0], 641);
  EXPECT_EQ(frame.m_nCell, 640);
  cEffectData effect;
  StoreClamped(effect, kEffectCellFields[0], 0);
  StoreClamped(effect, kEffectCellFields[1], 500);
  EXPECT_EQ(effect.m_nCellWidth, 1);
  EXPECT_EQ(effect.m_nCellHeight, 480);
  cAnimeFrameData animeFrame;
  StoreClamped(animeFrame, kAnimeFrameFields[1], 0);
  StoreClamped(animeFrame, kAnimeFrameFields[0], 300);
  EXPECT_EQ(animeFrame.m_nTime, 1);
  EXPECT_EQ(animeFrame.m_nCell, 299);
  const cComboField<cSwordPosData>* direction = FindField(kSwordPosCombos, kIdcSwordDirection);
  ASSERT_NE(direction, nullptr);
  EXPECT_EQ(direction->m_pRows, SwordDirNames) << "the direction's row is its value";
  EXPECT_EQ(direction->m_nOffset, 0);
}

TEST(InnerList, SwordPositionsThroughTheDialog) {
  cVector<cSwordTypeData> table(1);
  table[0].m_vPos.resize(2);
  table[0].m_vPos[0].m_nTime = 10;
  table[0].m_vPos[1].m_nTime = 11;
  cDbPageSwordTypeCore page(table);
  cInnerLists<cSwordTypeData, cSwordPosData> lists(page);
  page.OnShown();
  auto times = [&page]() {
    std::vector<int> result;
    for (const cSwordPosData& position : page.m_vWork[0].m_vPos) result.push_back(position.m_nTime);
    return result;
  };
  cCtrlListCore<cSwordPosData>& rows = page.InnerList();

  cSwordPosDialog cancel{page, 0, 0};
  lists.SelectInner({1});
  EXPECT_EQ(page.InsertInner(std::ref(cancel)), 0);
  EXPECT_EQ(times(), (std::vector<int>{10, 11})) << "a cancelled insert leaves the list";
  EXPECT_EQ(page.m_Edit.m_vPos.size(), 2u);
  EXPECT_EQ(rows.GetCurSel(), 1);

  cSwordPosDialog ok{page, 1, 700};
  EXPECT_EQ(page.InsertInner(std::ref(ok)), 1);
  EXPECT_EQ(times(), (std::vector<int>{10, 0, 11})) << "the new position takes the place of the selected one";
  EXPECT_EQ(page.m_vWork[0].m_vPos[1].m_nWidth, 640);
  EXPECT_EQ(rows.GetCurSel(), 2) << "the one that moved down is selected";

  EXPECT_EQ(page.EditInner(std::ref(cancel)), 0);
  EXPECT_EQ(page.m_vWork[0].m_vPos[2].m_nWidth, 0);
  cSwordPosData before = page.m_vWork[0].m_vPos[2];
  cSwordPosDialog edit{page, 1, 12};
  EXPECT_EQ(page.EditInner(std::ref(edit)), 1);
  EXPECT_EQ(page.m_vWork[0].m_vPos[2].m_nWidth, 12);
  EXPECT_EQ(Label(SwordPosRowLabel, before), "前(0,0) 横0 縦0 時間11");
  lists.SelectInner({3});
  EXPECT_EQ(page.EditInner(std::ref(edit)), 0) << "the end row opens nothing";
  EXPECT_EQ(edit.m_nRuns, 1);

  lists.SelectInner({0, 1, 2});
  EXPECT_EQ(page.DeleteInner(), 1) << "deleting stops at one position";
  EXPECT_EQ(times(), (std::vector<int>{11}));
  lists.SelectInner({0});
  EXPECT_EQ(page.DeleteInner(), 0) << "never below one position";
  EXPECT_EQ(lists.m_Inner.m_View.m_nBeeps, 1);

  ASSERT_EQ(page.m_vWork[0].m_vPos.size(), 1u);
  page.m_Edit.m_vPos.resize(kListSwordPositions.m_Shape.m_nMaxCount);
  cSwordPosDialog full{page, 1, 1};
  EXPECT_EQ(page.InsertInner(std::ref(full)), 0) << "at 99 positions nothing is added";
  EXPECT_EQ(full.m_nRuns, 0) << "and no dialog opens";
  EXPECT_EQ(page.m_Edit.m_vPos.size(), 99u);
}

TEST(InnerList, AnEffectWithoutFramesInsertsAtRow0) {
  cVector<cEffectData> table(3);
  table[1].m_vFrame.clear();
  cDbPageEffectCore page(table);
  cInnerLists<cEffectData, cEffectFrameData> lists(page);
  page.OnShown();
  EXPECT_EQ(page.InnerList().RecordRows(), 0);
  cEffectFrameData seen;
  seen.m_nTime = -1;
  auto cancel = [&page, &seen]() {
    seen = page.m_Edit.m_vFrame.At(page.InnerList().GetCurIndex());
    return 0;
  };
  EXPECT_EQ(page.InsertInner(cancel), 0);
  EXPECT_EQ(seen.m_nCell, 0);
  EXPECT_EQ(seen.m_nTime, 1);
  EXPECT_EQ(page.m_Edit.m_vFrame.size(), 1u) << "Cancel keeps the default frame: never below the fewest frames";
  EXPECT_EQ(page.m_vWork[1].m_vFrame.size(), 1u) << "and the effect holds the frame its list shows";
  EXPECT_EQ(lists.m_Inner.m_View.m_nBeeps, 1);
  EXPECT_EQ(page.New(), 1);
  EXPECT_EQ(page.m_Edit.m_nCellWidth, 32);
  EXPECT_EQ(page.m_Edit.m_bAllowGiant, 0);
  EXPECT_TRUE(page.m_Edit.m_vFrame.empty()) << "a new effect has no frames";
  EXPECT_EQ(lists.m_Inner.m_View.m_vRows, std::vector<std::string>{std::string(64, '-')})
      << "the inner list follows the edited record";
}
