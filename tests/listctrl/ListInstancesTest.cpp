#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "database/DbRowLabels.h"
#include "database/cAnimeData.h"
#include "database/cCharaEffectData.h"
#include "database/cCharaExcData.h"
#include "database/cEffectData.h"
#include "database/cPictureData.h"
#include "database/cSwordTypeData.h"
#include "editors/ElementRowLabels.h"
#include "listctrl/ListEditContext.h"
#include "listctrl/ListInstances.h"
#include "listctrl/ListRowLabels.h"
#include "listctrl/cCtrlListCore.h"
#include "model/cFlowData.h"
#include "project/ProjectRowLabels.h"
#include "project/cWorldMapDoc.h"
#include "stage/StageRowLabels.h"
#include "stage/cBackgroundData.h"
#include "tests/support/FakeListBox.h"

namespace {
const std::string kExtra(64, '-');

// One of the editor's lists over records of type T, with the list's own shape.
template <class T>
struct cInstanceList {
  cInstanceList(const cListInstance& instance, const cVector<T>& records, tRowLabel<T> label)
      : m_View(instance.m_Shape.m_bMultiSel), m_vWork(records) {
    cListParam<T> param;
    param.Set(instance.m_wListId, nullptr, &m_vWork, nullptr, label, instance.m_Shape);
    m_List.Attach(&m_View, param);
    m_View.m_bFocus = 1;
  }
  cFakeListBox m_View;
  cVector<T> m_vWork;
  cCtrlListCore<T> m_List;
};

template <class T>
std::vector<std::string> Rows(const cListInstance& instance, const cVector<T>& records, tRowLabel<T> label) {
  cInstanceList<T> list(instance, records, label);
  return list.m_View.m_vRows;
}

// Records of a table named in order; entry 0 is the "none" entry.
template <class T>
cVector<T> Named(std::initializer_list<const char*> names) {
  cVector<T> records;
  for (const char* name : names) {
    records.emplace_back();
    records.back().m_strName = name;
  }
  return records;
}

cVector<cAnimeData> Motions() {
  cAnimeSetData set;
  set.m_vMotion[1].m_vFrame.resize(3);
  return set.m_vMotion;
}

cVector<cAnimeFrameData> AnimeFrames() {
  cVector<cAnimeFrameData> frames(2);
  frames[0].m_nCell = 3;
  frames[0].m_nTime = 5;
  frames[1].m_nCell = 4;
  frames[1].m_nTime = 1;
  frames[1].m_bRunCommand = 1;
  return frames;
}

cVector<cEffectFrameData> EffectFrames() {
  cVector<cEffectFrameData> frames(1);
  frames[0].m_nCell = 12;
  frames[0].m_nTime = 30;
  return frames;
}

cVector<cSwordPosData> SwordPositions() {
  cVector<cSwordPosData> positions(2);
  positions[0].m_nDirection = 1;
  positions[0].m_nOffsetX = 3;
  positions[0].m_nOffsetY = -2;
  positions[0].m_nWidth = 16;
  positions[0].m_nHeight = 8;
  positions[0].m_nTime = 2;
  positions[1].m_nDirection = 4;
  return positions;
}

cVector<cCondData> Conditions() {
  cVector<cCondData> conditions(1);
  conditions[0].m_cKind = 4;
  conditions[0].m_cStatus = 1;
  conditions[0].m_nValue = 50;
  conditions[0].m_cCompare = 5;
  return conditions;
}

cVector<cFlowData> Flows() {
  cVector<cFlowData> flows(2);
  flows[0].m_vCommand.resize(2);
  flows[0].m_cGroup = 1;
  flows[0].m_cId = 2;
  return flows;
}

cVector<cKeyCondData> KeyConditions() {
  cVector<cKeyCondData> keys(1);
  keys[0].m_bOpenEnd = 1;
  keys[0].m_vKeyState[11] = 1;  // Z
  keys[0].m_vKeyState[12] = 1;  // X
  return keys;
}

cVector<cCommandData> Commands(int set, int kind, int16_t time, int8_t parallel) {
  cVector<cCommandData> commands(2);
  commands[0].m_cSet = static_cast<int8_t>(set);
  commands[0].m_cKind = static_cast<int8_t>(kind);
  commands[0].m_nTime = time;
  commands[0].m_bParallel = parallel;
  return commands;
}

cVector<cBackgroundData> Backgrounds() {
  cVector<cBackgroundData> backgrounds(2);
  backgrounds[0].m_bShowFromStart = 1;
  backgrounds[0].m_bUseColor = 1;
  backgrounds[0].m_nColor = 5;
  backgrounds[1].m_bShowFromStart = 0;
  backgrounds[1].m_strPicture = "bmp\\back\\sky.bmp";
  return backgrounds;
}

cVector<cWorldEventPage> Pages() {
  cVector<cWorldEventPage> pages(1);
  pages[0].m_nWorldNo = 3;
  return pages;
}

struct cRowCase {
  const cListInstance* m_pList;
  std::function<std::vector<std::string>()> m_Rows;
  std::vector<std::string> m_vRows;
};
}  // namespace

TEST(ListInstances, ShowTheirRowTexts) {
  const cRowCase cases[] = {
      {&kListAnimeTable,
       [] { return Rows(kListAnimeTable, Named<cAnimeData>({"なし", "歩き", "走り"}), NameRowLabel); },
       {"1 歩き", "2 走り", kExtra}},
      {&kListAnimeMotions, [] { return Rows(kListAnimeMotions, Motions(), AnimeMotionRowLabel); },
       {"立ち ×1", "立ち移動 ×3", "飛行 ×1", "飛行移動 ×1"}},
      {&kListAnimeSetTable,
       [] { return Rows(kListAnimeSetTable, Named<cAnimeSetData>({"標準", "巨大"}), NameRowLabel); },
       {"1 標準", "2 巨大", kExtra}},
      {&kListAnimeFrames, [] { return Rows(kListAnimeFrames, AnimeFrames(), AnimeFrameRowLabel); },
       {"3-5", "実行 4-1", kExtra}},
      {&kListBgmTable, [] { return Rows(kListBgmTable, Named<cBgmData>({"", "ボス"}), NameRowLabel); },
       {"1 ボス", kExtra}},
      {&kListCharaExcTable, [] { return Rows(kListCharaExcTable, Named<cCharaExcData>({"", "竜"}), NameRowLabel); },
       {"1 竜", kExtra}},
      {&kListEffectTable, [] { return Rows(kListEffectTable, Named<cEffectData>({"", "爆発"}), NameRowLabel); },
       {"1 爆発", kExtra}},
      {&kListEffectFrames, [] { return Rows(kListEffectFrames, EffectFrames(), EffectFrameRowLabel); },
       {"12-30", kExtra}},
      {&kListCharaEffectTable,
       [] { return Rows(kListCharaEffectTable, Named<cCharaEffectData>({"", "点滅"}), NameRowLabel); },
       {"1 点滅", kExtra}},
      {&kListScrEffectTable,
       [] { return Rows(kListScrEffectTable, Named<cScrEffectData>({"", "揺れ"}), NameRowLabel); },
       {"1 揺れ", kExtra}},
      {&kListPictureTable, [] { return Rows(kListPictureTable, Named<cPictureData>({"", "空"}), NameRowLabel); },
       {"1 空", kExtra}},
      {&kListSoundTable, [] { return Rows(kListSoundTable, Named<cSoundData>({"", "剣"}), NameRowLabel); },
       {"1 剣", kExtra}},
      {&kListSwordTypeTable, [] { return Rows(kListSwordTypeTable, Named<cSwordTypeData>({"短剣"}), NameRowLabel); },
       {"1 短剣", kExtra}},
      {&kListSwordPositions, [] { return Rows(kListSwordPositions, SwordPositions(), SwordPosRowLabel); },
       {"後(3,-2) 横16 縦8 時間2", "(0,0) 横0 縦0 時間0", kExtra}},
      {&kListConditions, [] { return Rows(kListConditions, Conditions(), HeroCondRowLabel); },
       {"ステータス条件 ： 主人公 の HP が 50 より下", kExtra}},
      {&kListConditions, [] { return Rows(kListConditions, Conditions(), SelfCondRowLabel); },
       {"ステータス条件 ： 自分 の HP が 50 より下", kExtra}},
      {&kListFlowConditions, [] { return Rows(kListFlowConditions, Conditions(), SelfCondRowLabel); },
       {"ステータス条件 ： 自分 の HP が 50 より下", kExtra}},
      {&kListFlows, [] { return Rows(kListFlows, Flows(), FlowRowLabel); }, {"1 ×2 B a", "2 ×0 - -", kExtra}},
      {&kListKeyConditions, [] { return Rows(kListKeyConditions, KeyConditions(), KeyCondRowLabel); },
       {"1～∞ ： Z + X ", kExtra}},
      {&kListFlowCommands, [] { return Rows(kListFlowCommands, Commands(0, 1, 10, 1), CommandRowLabel); },
       {"P-10 ◆ ウエイト ◆", "", kExtra}},
      {&kListItemCommands, [] { return Rows(kListItemCommands, Commands(1, 2, 0, 0), CommandRowLabel); },
       {"0 ◆ ステージクリア ◆", "", kExtra}},
      {&kListBackgrounds, [] { return Rows(kListBackgrounds, Backgrounds(), BackgroundRowLabel); },
       {"1 ○ 色番号5", "2 ‐ bmp\\back\\sky.bmp", kExtra}},
      {&kListWorldEvents, [] { return Rows(kListWorldEvents, Named<cWorldEvent>({"村"}), NameRowLabel); },
       {"1 村", kExtra}},
      {&kListWorldEventPages, [] { return Rows(kListWorldEventPages, Pages(), WorldEventPageRowLabel); },
       {"1 ワールド番号 3", kExtra}},
      {&kListFileNames, [] { return Rows(kListFileNames, cVector<cString>{"a.bmp"}, TextRowLabel); },
       {"a.bmp", kExtra}},
  };
  for (const cRowCase& c : cases) {
    SCOPED_TRACE(c.m_pList->m_pszRecord);
    SCOPED_TRACE(c.m_pList->m_pszPage);
    EXPECT_EQ(c.m_Rows(), c.m_vRows);
  }
}

TEST(ListInstances, AreMultiSelectionWithTheExtraRowButTwo) {
  for (const cListInstance* list : kListInstances) {
    SCOPED_TRACE(list->m_pszPage);
    const cListShape& shape = list->m_Shape;
    bool motions = list == &kListAnimeMotions, names = list == &kListFileNames;
    EXPECT_EQ(shape.m_bMultiSel, motions || names ? 0 : 1);
    EXPECT_EQ(shape.m_bExtraRow, motions ? 0 : 1);
    EXPECT_EQ(shape.m_bNoSelOk, 0);
    EXPECT_LE(shape.m_nMinCount, shape.m_nMaxCount);
  }
}

// A page that calls SetMenus gives a standard set; one that inserts itself gives the ids of a
// layout 1 set without new, insert and clear.
TEST(ListInstances, HaveTheIdsOfAStandardSet) {
  for (const cListInstance* list : kListInstances) {
    SCOPED_TRACE(list->m_pszPage);
    const cListCommandSet& ids = list->m_Set;
    if (list->m_nIds == kListIdsNone) continue;
    const cListCommandSet* set = FindListCommandSet(ids.m_nLayout, ids.m_nKind);
    ASSERT_NE(set, nullptr);
    cListCommandSet expected = list->m_nIds == kListIdsExplicit ? WithoutInsert(*set) : *set;
    EXPECT_EQ(ids.m_wAccelTable, set->m_wAccelTable);
    EXPECT_EQ(ids.m_wMenu, set->m_wMenu);
    EXPECT_EQ(std::vector<uint16_t>(ids.m_wAccelId, ids.m_wAccelId + kListCommandCount),
              std::vector<uint16_t>(expected.m_wAccelId, expected.m_wAccelId + kListCommandCount));
    EXPECT_EQ(std::vector<uint16_t>(ids.m_wMenuId, ids.m_wMenuId + kListCommandCount),
              std::vector<uint16_t>(expected.m_wMenuId, expected.m_wMenuId + kListCommandCount));
  }
  EXPECT_EQ(kListConditions.m_Set.m_wAccelId[kListInsert], 0);
  EXPECT_EQ(kListFlowCommands.m_Set.m_wAccelTable, 112);
  EXPECT_EQ(kListFlowCommands.m_Set.m_wMenu, 177);
  EXPECT_EQ(kListKeyConditions.m_Set.m_wMenuId[kListDelete], 40112);
  EXPECT_EQ(kListAnimeTable.m_Set.m_wAccelId[kListNew], 40002);
}

TEST(ListInstances, KeepTheirLimits) {
  cInstanceList<cAnimeData> motions(kListAnimeMotions, Motions(), AnimeMotionRowLabel);
  EXPECT_EQ(motions.m_List.New(), 0);
  EXPECT_EQ(motions.m_List.SetCount(3), 0);
  EXPECT_EQ(motions.m_List.SetCount(5), 0);
  EXPECT_EQ(motions.m_List.Delete(-1, 0), 0);
  EXPECT_EQ(motions.m_View.m_vRows.size(), 4u);
  EXPECT_EQ(motions.m_View.m_nBeeps, 4);

  cInstanceList<cBackgroundData> backgrounds(kListBackgrounds, Backgrounds(), BackgroundRowLabel);
  EXPECT_EQ(backgrounds.m_List.SetCount(9), 0);
  EXPECT_EQ(backgrounds.m_List.SetCount(8), 1);
  EXPECT_EQ(backgrounds.m_List.New(), 0);
  EXPECT_EQ(backgrounds.m_List.SetCount(0), 1);
  EXPECT_EQ(backgrounds.m_View.m_vRows, std::vector<std::string>{kExtra});

  cInstanceList<cWorldEvent> events(kListWorldEvents, Named<cWorldEvent>({"村"}), NameRowLabel);
  EXPECT_EQ(events.m_List.Delete(-1, 0), 0);
  EXPECT_EQ(events.m_vWork.Count(), 1);

  cInstanceList<cBgmData> table(kListBgmTable, Named<cBgmData>({""}), NameRowLabel);
  EXPECT_EQ(table.m_View.m_vRows, std::vector<std::string>{kExtra});
  EXPECT_EQ(table.m_List.GetCurIndex(), -1);
}

TEST(ListInstances, InsertingPagesGetNothingFromCtrlI) {
  cInstanceList<cCondData> conditions(kListFlowConditions, Conditions(), SelfCondRowLabel);
  conditions.m_List.StoreAccelIds(kListFlowConditions.m_Set.m_wAccelId);
  uint16_t sent[kListCommandCount];
  EXPECT_EQ(conditions.m_List.KeyCommandIds('I', 1, sent), 0);
  ASSERT_EQ(conditions.m_List.KeyCommandIds(kVkDelete, 0, sent), 1);
  EXPECT_EQ(sent[0], 40035);
}

namespace {
uint32_t Clicked(uint16_t id) { return id; }
uint32_t DoubleClicked(uint16_t id) { return (2u << 16) | id; }
}  // namespace

TEST(ListInstances, TheirPagesButtonsAndDoubleClicks) {
  struct cCase {
    const cListInstance* m_pList;
    uint32_t m_wParam;
    int m_nAction;
  };
  const cCase cases[] = {
      {&kListAnimeTable, Clicked(1066), kListActNew},
      {&kListAnimeTable, Clicked(1056), kListActClear},
      {&kListAnimeTable, Clicked(11071), kListActDataCount},
      {&kListAnimeTable, DoubleClicked(1160), kListActNone},
      {&kListAnimeTable, (5u << 16) | 1066, kListActNone},  // another notification of the button
      {&kListAnimeMotions, Clicked(1067), kListActEdit},
      {&kListAnimeMotions, DoubleClicked(1160), kListActEdit},
      {&kListAnimeFrames, Clicked(1066), kListActInsert},
      {&kListAnimeFrames, Clicked(1067), kListActDelete},
      {&kListEffectFrames, Clicked(1227), kListActInsertEdit},
      {&kListEffectFrames, Clicked(1228), kListActEdit},
      {&kListEffectFrames, Clicked(1229), kListActDelete},
      {&kListEffectFrames, Clicked(1066), kListActNone},  // the table list's button
      {&kListSwordPositions, Clicked(1214), kListActInsertEdit},
      {&kListSwordPositions, Clicked(1212), kListActEdit},
      {&kListSwordPositions, Clicked(1213), kListActDelete},
      {&kListSwordPositions, DoubleClicked(1215), kListActEdit},
      {&kListConditions, Clicked(1041), kListActInsertEdit},
      {&kListConditions, Clicked(1042), kListActEdit},
      {&kListConditions, Clicked(1043), kListActDelete},
      {&kListFlowConditions, Clicked(1083), kListActInsertEdit},
      {&kListFlowConditions, Clicked(1084), kListActEdit},
      {&kListFlowConditions, Clicked(1085), kListActDelete},
      {&kListFlows, Clicked(1066), kListActInsert},
      {&kListFlows, Clicked(1067), kListActDelete},
      {&kListFlows, DoubleClicked(1082), kListActNone},
      {&kListFlows, Clicked(1083), kListActNone},  // the condition list's button
      {&kListKeyConditions, Clicked(1091), kListActInsertEdit},
      {&kListKeyConditions, Clicked(1092), kListActEdit},
      {&kListKeyConditions, Clicked(1093), kListActDelete},
      {&kListFlowCommands, Clicked(1068), kListActInsertEdit},
      {&kListFlowCommands, Clicked(1070), kListActEdit},
      {&kListFlowCommands, Clicked(1069), kListActDelete},
      {&kListItemCommands, Clicked(1068), kListActInsertEdit},
      {&kListBackgrounds, Clicked(1219), kListActInsertEdit},
      {&kListBackgrounds, Clicked(1220), kListActEdit},
      {&kListBackgrounds, Clicked(1221), kListActDelete},
      {&kListWorldEvents, Clicked(1066), kListActInsertEdit},
      {&kListWorldEvents, Clicked(1226), kListActEdit},
      {&kListWorldEvents, Clicked(1067), kListActDelete},
      {&kListWorldEvents, Clicked(11071), kListActDataCount},
      {&kListWorldEvents, DoubleClicked(1241), kListActEdit},
      {&kListWorldEventPages, Clicked(1066), kListActInsert},
      {&kListWorldEventPages, Clicked(1067), kListActDelete},
      {&kListFileNames, Clicked(1008), kListActAddFiles},
      {&kListFileNames, Clicked(1009), kListActRemoveAll},
      {&kListFileNames, Clicked(0), kListActNone},
  };
  for (const cCase& c : cases) {
    SCOPED_TRACE(c.m_pList->m_pszPage);
    EXPECT_EQ(ListActionOf(*c.m_pList, c.m_wParam), c.m_nAction) << (c.m_wParam & 0xFFFF);
  }
  // Every database table offers new, clear and the count.
  for (const cListInstance* list : kListInstances)
    if (list->m_Set.m_wAccelTable == 105) {
      SCOPED_TRACE(list->m_pszPage);
      EXPECT_EQ(ListActionOf(*list, Clicked(11071)), kListActDataCount);
    }
}

// The sub-dialogs of the lists: template, form, whether the page inserts through the dialog, the run
// mode and where it opens for an edit and an insert.
TEST(ListInstances, TheirEditDialogs) {
  struct cCase {
    const cListInstance* m_pList;
    cListEditForm m_Edit;
  };
  const cCase cases[] = {
      {&kListAnimeMotions, {221, 1, 0, kListRunAlone, kListPlaceCentred, kListPlaceCentred}},
      {&kListEffectFrames, {236, 1, 1, kListRunAlone, kListPlaceCentred, kListPlaceCentred}},
      {&kListSwordPositions, {223, 1, 1, kListRunAlone, kListPlaceCentred, kListPlaceCentred}},
      {&kListBackgrounds, {136, 1, 1, kListRunAlone, kListPlaceCentred, kListPlaceCentred}},
      {&kListConditions, {170, 2, 1, kListRunAlone, kListPlaceCentred, kListPlaceCentred}},
      {&kListFlowConditions, {170, 2, 1, kListRunAlone, kListPlaceCentred, kListPlaceCentred}},
      {&kListKeyConditions, {204, 2, 1, kListRunAlone, kListPlaceOwn, kListPlaceCentred}},
      {&kListFlowCommands, {205, 2, 1, kListRunAlone, kListPlaceCentred, kListPlaceCorner}},
      {&kListItemCommands, {216, 2, 1, kListRunAlone, kListPlaceCentred, kListPlaceCentred}},
      {&kListWorldEvents, {161, 2, 1, kListRunDisable, kListPlaceOwn, kListPlaceOwn}},
  };
  int withDialog = 0;
  for (const cListInstance* list : kListInstances) {
    SCOPED_TRACE(list->m_pszPage);
    if (!list->m_Edit.m_wDialog) {
      EXPECT_EQ(ListActionOf(*list, DoubleClicked(list->m_wListId)), kListActNone);
      continue;
    }
    ++withDialog;
    auto found = std::find_if(std::begin(cases), std::end(cases), [list](const cCase& c) { return c.m_pList == list; });
    ASSERT_NE(found, std::end(cases));
    const cListEditForm& want = found->m_Edit;
    const cListEditForm& form = list->m_Edit;
    EXPECT_EQ(form.m_wDialog, want.m_wDialog);
    EXPECT_EQ(form.m_nForm, want.m_nForm);
    EXPECT_EQ(form.m_bInsertEdit, want.m_bInsertEdit);
    EXPECT_EQ(form.m_nRunMode, want.m_nRunMode);
    EXPECT_EQ(form.m_nEditPlace, want.m_nEditPlace);
    EXPECT_EQ(form.m_nInsertPlace, want.m_nInsertPlace);
    // Insert-then-edit moves on to the row after the new one: such a list ends with the extra row.
    EXPECT_TRUE(list->m_Shape.m_bExtraRow || !form.m_bInsertEdit);
  }
  EXPECT_EQ(withDialog, 10);
}
