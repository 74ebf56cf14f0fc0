// The rules of the character sheet's first three pages: inheritance groups, enables, ranges and
// combo rows.
#include <set>
#include <string>

#include "database/cDatabaseSet.h"
#include "editors/CharaPageRules.h"
#include "editors/ComboChoice.h"
#include "tests/editors/EditorTest.h"

namespace {
constexpr int kPlayer = 0;
constexpr int kComputer = 1;

cCharaPageView CharaView(int context, int index = 1, int canStep = 1) {
  cCharaPageView view;
  view.m_nContext = context;
  view.m_nIndex = index;
  view.m_bCanStep = canStep;
  return view;
}

cEdChara Chara(int control, std::initializer_list<int> inherited = {}, int source = kPaletteCommon) {
  cEdChara chara = NamedChara("c");
  chara.m_cControl = static_cast<int8_t>(control);
  chara.m_cInheritPalette = static_cast<int8_t>(source);
  chara.m_nInheritIndex = 1;
  for (int group : inherited) chara.m_bbInherit[group] = 1;
  return chara;
}

const cCharaPageForm* const kPages[] = {&kBasicPageForm, &kGraphicPageForm, &kStatusPageForm};

void PageStates(const cCharaPageForm* page, const cEdChara& chara, const cCharaPageView& view, cCtrlStates& states) {
  if (page == &kBasicPageForm) BasicPageStates(chara, view, states);
  if (page == &kGraphicPageForm) GraphicPageStates(chara, view, 3, states);
  if (page == &kStatusPageForm) StatusPageStates(chara, view, states);
}
}  // namespace

using CharaPageRulesTest = EditorTest;

TEST_F(CharaPageRulesTest, EveryGroupOfTheThreePagesHasItsButtonAndControls) {
  std::set<int> groups;
  for (const cCharaPageForm* page : kPages)
    for (int i = 0; i < page->m_nButtons; ++i) {
      int group = page->m_nFirstGroup + i;
      EXPECT_TRUE(groups.insert(group).second) << group;
      EXPECT_FALSE(GroupCtrlIds(*page, group).empty()) << group;
    }
  // Groups 0-35 belong to the three pages; 36, the flows, to the flow page.
  EXPECT_EQ(groups.size(), 36u);
  EXPECT_EQ(*groups.rbegin(), 35);
  EXPECT_EQ(GroupCtrlIds(kBasicPageForm, 4), (cVector<uint16_t>{1255, 1051, 1044, 1041, 1042, 1043}));
  EXPECT_EQ(GroupCtrlIds(kGraphicPageForm, 9), (cVector<uint16_t>{1036, 1038, 1254, 1446}));
}

TEST_F(CharaPageRulesTest, AnInheritedGroupDisablesItsControlsAndChecksItsButton) {
  for (const cCharaPageForm* page : kPages)
    for (int i = 0; i < page->m_nButtons; ++i) {
      int group = page->m_nFirstGroup + i;
      SCOPED_TRACE(group);
      for (int control : {kPlayer, kComputer}) {
        cCtrlStates inherited, free;
        PageStates(page, Chara(control, {group}), CharaView(kEditStagePalette), inherited);
        PageStates(page, Chara(control), CharaView(kEditStagePalette), free);
        EXPECT_EQ(inherited.Checked(page->m_pButtons[i]), 1);
        EXPECT_EQ(free.Checked(page->m_pButtons[i]), 0);
        for (uint16_t id : GroupCtrlIds(*page, group)) EXPECT_EQ(inherited.Enabled(id), 0) << id;
      }
    }
}

TEST_F(CharaPageRulesTest, WithoutASourceNoInheritButtonCanBeChecked) {
  for (const cCharaPageForm* page : kPages)
    for (int source : {kPaletteNone, kPaletteCommon}) {
      cCtrlStates states;
      PageStates(page, Chara(kComputer, {}, source), CharaView(kEditStagePalette), states);
      for (int i = 0; i < page->m_nButtons; ++i) EXPECT_EQ(states.Enabled(page->m_pButtons[i]), source != 0);
    }
}

TEST_F(CharaPageRulesTest, ChoosingNoSourceClearsEveryGroupFlag) {
  cEdChara chara = Chara(kComputer);
  for (int8_t& flag : chara.m_bbInherit) flag = 1;
  chara.m_cInheritPalette = kPaletteNone;
  ApplySourceKind(chara);
  EXPECT_EQ(chara.m_bbInherit.Count(), cEdChara::kGroupCount);
  for (int8_t flag : chara.m_bbInherit) EXPECT_EQ(flag, 0);
  EXPECT_EQ(chara.m_strName, "c");
}

TEST_F(CharaPageRulesTest, ChoosingAPaletteKeepsTheIndexOnOneOfItsEntries) {
  struct cCase {
    int m_nPalette;
    int m_nIndex;
    int m_nKept;
    const char* m_pName;  // group 0 is inherited
  };
  const cCase cases[] = {
      {kPaletteStage, 0, 1, "stage1"},  {kPaletteStage, 3, 3, "stage3"}, {kPaletteStage, 9, 3, "stage3"},
      {kPaletteCommon, 5, 2, "common2"}, {kPaletteCommon, -4, 1, "common1"},
  };
  for (const cCase& c : cases) {
    cEdChara chara = Follower("own", c.m_nPalette, c.m_nIndex, {0});
    ApplySourceKind(chara);
    EXPECT_EQ(chara.m_nInheritIndex, c.m_nKept) << c.m_nPalette << " " << c.m_nIndex;
    EXPECT_EQ(chara.m_strName, c.m_pName);
    EXPECT_EQ(chara.m_cInheritPalette, c.m_nPalette);
  }
}

TEST_F(CharaPageRulesTest, TheSourceIndexRowsNeverOfferEntryZero) {
  EXPECT_EQ(InheritIndexRows(kPaletteStage), (cVector<cString>{"001 stage1", "002 stage2", "003 stage3"}));
  EXPECT_EQ(InheritIndexRows(kPaletteCommon), (cVector<cString>{"001 common1", "002 common2"}));
  EXPECT_TRUE(InheritIndexRows(kPaletteNone).empty());
  // Row r stands for index r + 1; index 0 names no row.
  const cComboField<cEdChara>& index = *FindField(kBasicComboFields, kIdcBasicSourceIndex);
  EXPECT_EQ(ComboChoice(InheritIndexRows(kPaletteStage), 2, index.m_nOffset).m_nSel, 1);
  EXPECT_EQ(ComboChoice(InheritIndexRows(kPaletteStage), 0, index.m_nOffset).m_bUnknown, 1);
}

TEST_F(CharaPageRulesTest, BasicPageFollowsTheControlTypeUnlessInherited) {
  struct cCase {
    int m_nControl;
    std::initializer_list<int> m_Inherited;
    const char* m_pEnabled;  // appearance list, its judge, clone count
  };
  const cCase cases[] = {
      {kPlayer, {}, "000"},   {kComputer, {}, "111"},  {kComputer, {4}, "001"},
      {kComputer, {6}, "110"}, {kPlayer, {4, 6}, "000"},
  };
  for (const cCase& c : cases) {
    cCtrlStates states;
    BasicPageStates(Chara(c.m_nControl, c.m_Inherited), CharaView(kEditStagePalette), states);
    EXPECT_EQ(EnabledOf(states, {kIdcBasicAppearList, 1255, kIdcBasicClones}), c.m_pEnabled) << c.m_nControl;
  }
}

TEST_F(CharaPageRulesTest, BasicPageByContext) {
  struct cCase {
    int m_nContext;
    int m_nSource;
    const char* m_pEnabled;  // source, source index, control type, its "継承→"
    int m_bNavigation;
  };
  const cCase cases[] = {
      {kEditPlaced, kPaletteStage, "1100", 0},        {kEditPlaced, kPaletteNone, "1000", 0},
      {kEditStagePalette, kPaletteCommon, "1111", 1}, {kEditStagePalette, kPaletteNone, "1010", 1},
      {kEditCommonPalette, kPaletteNone, "0010", 1},  {kEditProjectDefault, kPaletteNone, "0000", 0},
  };
  for (const cCase& c : cases) {
    SCOPED_TRACE(c.m_nContext);
    cCtrlStates states;
    BasicPageStates(Chara(kComputer, {}, c.m_nSource), CharaView(c.m_nContext, 5), states);
    EXPECT_EQ(EnabledOf(states, {kIdcBasicSource, kIdcBasicSourceIndex, kIdcBasicControl, kIdcBasicControlInherit}),
              c.m_pEnabled);
    EXPECT_EQ(states.Shown(kIdcBasicPlayerNo), 0);
    for (uint16_t id : {kIdcPrevEntry, kIdcNextEntry, kIdcEntryNumber}) EXPECT_EQ(states.Shown(id), c.m_bNavigation);
    const cString* number = states.Text(kIdcEntryNumber);
    EXPECT_EQ(number ? *number : cString("none"), c.m_bNavigation ? "No.5" : "none");
  }
}

TEST_F(CharaPageRulesTest, PreviousAndNextAreDisabledWithoutAnotherEntry) {
  for (int canStep : {0, 1}) {
    cCtrlStates states;
    StatusPageStates(Chara(kComputer), CharaView(kEditCommonPalette, 1, canStep), states);
    EXPECT_EQ(EnabledOf(states, {kIdcPrevEntry, kIdcNextEntry}), canStep ? "11" : "00");
  }
}

TEST_F(CharaPageRulesTest, TheGraphicSheetSetsTheRangesAndThePicker) {
  struct cCase {
    int m_nSheet;
    int m_nDedicated;
    int m_nCellMax;
    const char* m_pEnabled;  // offset, "一覧"
    int m_nOffsetMin, m_nOffsetMax;  // a disabled offset shows any 16-bit value
  };
  const cCase cases[] = {
      {1, 3, 119, "11", -19, 19},   {4, 3, 2, "10", -239, 239},   {0, 3, 119, "01", -32768, 32767},
      {2, 3, 119, "01", -32768, 32767}, {3, 3, 119, "01", -32768, 32767}, {4, 0, 1, "10", -239, 239},
      {4, 1, 1, "10", -239, 239},   {9, 3, 119, "01", -32768, 32767},
  };
  for (const cCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "sheet " << c.m_nSheet << " with " << c.m_nDedicated);
    cEdChara chara = Chara(kComputer);
    chara.m_cGraphicSheet = static_cast<int8_t>(c.m_nSheet);
    cCtrlStates states;
    GraphicPageStates(chara, CharaView(kEditPlaced), c.m_nDedicated, states);
    int32_t min = 0, max = 0;
    ASSERT_TRUE(states.Range(kIdcGraphicCell, min, max));
    EXPECT_EQ(min, 1);
    EXPECT_EQ(max, c.m_nCellMax);
    EXPECT_EQ(EnabledOf(states, {kIdcGraphicOffset, kIdcGraphicCellPick}), c.m_pEnabled);
    ASSERT_TRUE(states.Range(kIdcGraphicOffset, min, max));
    EXPECT_EQ(min, c.m_nOffsetMin);
    EXPECT_EQ(max, c.m_nOffsetMax);
  }
}

TEST_F(CharaPageRulesTest, ChangingTheSheetHoldsCellAndOffsetToIt) {
  cEdChara chara = Chara(kComputer);
  chara.m_cGraphicSheet = 4;
  chara.m_nGraphic = 50;
  chara.m_nGraphicFrame = 100;
  ClampGraphicToSheet(chara, 3);
  EXPECT_EQ(chara.m_nGraphic, 2);
  EXPECT_EQ(chara.m_nGraphicFrame, 100);
  chara.m_cGraphicSheet = 1;
  ClampGraphicToSheet(chara, 3);
  EXPECT_EQ(chara.m_nGraphicFrame, 19);
  chara.m_cGraphicSheet = 0;
  chara.m_nGraphic = 0;
  chara.m_nGraphicFrame = -30;
  ClampGraphicToSheet(chara, 3);
  EXPECT_EQ(chara.m_nGraphic, 1);
  EXPECT_EQ(chara.m_nGraphicFrame, -30);  // the block sheet has no offset
}

TEST_F(CharaPageRulesTest, GraphicPageEmblemBlockAndSight) {
  struct cCase {
    int m_nControl;
    int m_nMarkShow;
    int m_nSight;
    std::initializer_list<int> m_Inherited;
    const char* m_pEnabled;  // mark number, its "一覧", block, sight, sight range
  };
  const cCase cases[] = {
      {kComputer, 0, 0, {}, "00100"},   {kComputer, 1, 2, {}, "11100"}, {kComputer, 2, 0, {}, "11100"},
      {kPlayer, 1, 0, {}, "11010"},     {kPlayer, 1, 3, {}, "11011"},   {kPlayer, 0, 3, {15, 19, 22}, "00000"},
      {kComputer, 1, 1, {22}, "11100"},
  };
  for (const cCase& c : cases) {
    cEdChara chara = Chara(c.m_nControl, c.m_Inherited);
    chara.m_cMarkShow = static_cast<int8_t>(c.m_nMarkShow);
    chara.m_cViewShape = static_cast<int8_t>(c.m_nSight);
    cCtrlStates states;
    GraphicPageStates(chara, CharaView(kEditPlaced), 3, states);
    EXPECT_EQ(EnabledOf(states, {kIdcGraphicMark, kIdcGraphicMarkPick, kIdcGraphicBlock, kIdcGraphicSight,
                                 kIdcGraphicSightRange}),
              c.m_pEnabled)
        << c.m_nControl << " " << c.m_nMarkShow << " " << c.m_nSight;
  }
}

TEST_F(CharaPageRulesTest, StatusPageForPlayersAndGroups) {
  struct cCase {
    int m_nControl;
    int m_bHasGroup;
    std::initializer_list<int> m_Inherited;
    const char* m_pEnabled;  // action range, action judge, has group, group number, score, held item
  };
  const cCase cases[] = {
      {kPlayer, 1, {}, "000000"},   {kComputer, 1, {}, "111111"},  {kComputer, 0, {}, "111011"},
      {kComputer, 1, {33}, "110011"}, {kComputer, 1, {32, 34, 35}, "001100"},
  };
  for (const cCase& c : cases) {
    cEdChara chara = Chara(c.m_nControl, c.m_Inherited);
    chara.m_bHasGroup = static_cast<int8_t>(c.m_bHasGroup);
    cCtrlStates states;
    StatusPageStates(chara, CharaView(kEditPlaced), states);
    EXPECT_EQ(EnabledOf(states, {kIdcStatusActRange, kIdcStatusActJudge, kIdcStatusHasGroup, kIdcStatusGroupNo,
                                 kIdcStatusScore, kIdcStatusHoldItem}),
              c.m_pEnabled)
        << c.m_nControl << " " << c.m_bHasGroup;
    EXPECT_EQ(states.Shown(1073) + states.Shown(1075), 0);
  }
}

TEST_F(CharaPageRulesTest, NumericFieldsHoldTheirLimits) {
  struct cCase {
    uint16_t m_nId;
    const cNumField<cEdChara>* m_pTable;
    int m_nCount;
    int64_t m_nTyped;
    int32_t m_nStored;
  };
  const cCase cases[] = {
      {1061, kStatusNumFields, 9, 0, 1},               {1061, kStatusNumFields, 9, 1000000, 999999},
      {1063, kStatusNumFields, 9, -3, 0},              {1065, kStatusNumFields, 9, -1000000, -999999},
      {1071, kStatusNumFields, 9, -999999, -999999},   {1079, kStatusNumFields, 9, 60, 59},
      {1081, kStatusNumFields, 9, -1, 0},              {1067, kStatusNumFields, 9, -25, -20},
      {1259, kStatusNumFields, 9, 201, 200},           {1259, kBasicNumFields, 7, 33, 32},
      {1040, kBasicNumFields, 7, -700, -640},          {1050, kBasicNumFields, 7, 641, 640},
      {1261, kBasicNumFields, 7, 8, 7},                {1263, kBasicNumFields, 7, 100, 99},
      {1256, kGraphicNumFields, 5, 8, 7},              {1268, kGraphicNumFields, 5, 41, 40},
      {11040, kGraphicNumFields, 5, 120, 119},
  };
  for (const cCase& c : cases) {
    const cNumField<cEdChara>* field = nullptr;
    for (int i = 0; i < c.m_nCount; ++i)
      if (c.m_pTable[i].m_nId == c.m_nId) field = &c.m_pTable[i];
    ASSERT_NE(field, nullptr) << c.m_nId;
    cEdChara chara;
    StoreClamped(chara, *field, c.m_nTyped);
    EXPECT_EQ(ReadMember(chara, field->m_Member), c.m_nStored) << c.m_nId << " " << c.m_nTyped;
  }
}

TEST_F(CharaPageRulesTest, GiantSizeStoresTheRowPlusOne) {
  const cComboField<cEdChara>& giant = *FindField(kGraphicComboFields, 1266);
  EXPECT_EQ(ComboChoice(giant.m_pRows, 1, giant.m_nOffset).m_nSel, 0);
  EXPECT_EQ(ComboChoice(giant.m_pRows, 10, giant.m_nOffset).m_nSel, 9);
  EXPECT_EQ(ComboChoice(giant.m_pRows, 0, giant.m_nOffset).m_bUnknown, 1);
  cComboChoice choice = ComboChoice(giant.m_pRows, 1, giant.m_nOffset);
  EXPECT_EQ(ComboChoiceValue(choice, 0, giant.m_nOffset, 1), 1);
  EXPECT_EQ(ComboChoiceValue(choice, 9, giant.m_nOffset, 1), 10);
  EXPECT_EQ(choice.m_vRows[9], "×100");
  const std::pair<int, int> sides[] = {{1, 1}, {2, 2}, {10, 10}, {0, 1}, {11, 10}, {-5, 1}};
  for (const auto& side : sides) EXPECT_EQ(GiantSide(side.first), side.second) << side.first;
}

TEST_F(CharaPageRulesTest, DatabaseCombosNumberTheirRows) {
  g_DatabaseSet.m_vAnimeSet.resize(2);
  g_DatabaseSet.m_vAnimeSet[0].m_strName = "歩く";
  g_DatabaseSet.m_vAnimeSet[1].m_strName = "飛ぶ";
  g_DatabaseSet.m_vCharaEffect.resize(2);
  g_DatabaseSet.m_vCharaEffect[1].m_strName = "点滅";
  g_DatabaseSet.m_vEffect.resize(3);
  g_DatabaseSet.m_vEffect[2].m_strName = "爆発";
  EXPECT_EQ(AnimeSetRows(g_DatabaseSet), (cVector<cString>{"01 歩く", "02 飛ぶ"}));
  EXPECT_EQ(CharaEffectRows(g_DatabaseSet), (cVector<cString>{"なし", "001 点滅"}));
  cVector<cString> effects = EffectRows(g_DatabaseSet);
  ASSERT_EQ(effects.Count(), 3);
  EXPECT_EQ(effects[0], "なし");
  EXPECT_EQ(effects[2], "02 爆発");
}
