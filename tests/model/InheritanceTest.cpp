// Inheritance: each flag makes exactly its group of members follow the source entry.
#include "model/Inheritance.h"

#include <cstring>
#include <set>

#include "model/cEdBlock.h"
#include "model/cEdChara.h"
#include "model/cEdItem.h"
#include "tests/model/CharaFixture.h"
#include "tests/model/ModelTest.h"

namespace {

using B = cEdBlock;
using C = cEdChara;
using I = cEdItem;

// The members of each group, by address inside a record (the groups as the sheets label them).
std::vector<std::vector<const void*>> Groups(const B& b) {
  return {{&b.m_strName},
          {&b.m_vAppearCond, &b.m_cAppearJudge, &b.m_bAppearOnce},
          {&b.m_cGraphicSheet, &b.m_nGraphic, &b.m_nGraphicFrame},
          {&b.m_bFront},
          {&b.m_bTransparent},
          {&b.m_cMarkShow, &b.m_nMark},
          {&b.m_cBlockType},
          {&b.m_cDisabledFaction},
          {&b.m_cAction, &b.m_nActionX},
          {&b.m_cItemPalette, &b.m_nItemIndex},
          {&b.m_bNoBlockSummon}};
}

std::vector<std::vector<const void*>> Groups(const C& c) {
  return {{&c.m_strName},
          {&c.m_cControl, &c.m_cPlayerNo},
          {&c.m_cFaction},
          {&c.m_cCharaId},
          {&c.m_vAppearCond, &c.m_cAppearJudge, &c.m_bAppearOnce},
          {&c.m_bFaceRight},
          {&c.m_cCloneCount},
          {&c.m_nOffsetX, &c.m_nCloneOffsetX, &c.m_bMirrorOffsetX},
          {&c.m_nOffsetY, &c.m_nCloneOffsetY, &c.m_bMirrorOffsetY},
          {&c.m_cGraphicSheet, &c.m_nGraphic, &c.m_nGraphicFrame},
          {&c.m_nAnimeSet},
          {&c.m_cZ},
          {&c.m_bTransparent},
          {&c.m_nStartEffect, &c.m_cStartEffectRun, &c.m_bStartEffectLoop},
          {&c.m_nDeathEffect, &c.m_cDeathEffectRun},
          {&c.m_cMarkShow, &c.m_nMark},
          {&c.m_bFixedFacing},
          {&c.m_cFlying},
          {&c.m_cInvincible, &c.m_cInvincibleEffect},
          {&c.m_bBlock},
          {&c.m_cGiant},
          {&c.m_bScrollSync},
          {&c.m_cViewShape, &c.m_cViewRange},
          {&c.m_nHp},
          {&c.m_nSp},
          {&c.m_cBodyHitRange},
          {&c.m_nBodyPower},
          {&c.m_cBodyImpact},
          {&c.m_nBodyEffect},
          {&c.m_nDefence},
          {&c.m_cImpactResist},
          {&c.m_nStopEase},
          {&c.m_cActRange, &c.m_cActJudge},
          {&c.m_nGroupNo, &c.m_bHasGroup},
          {&c.m_nScore},
          {&c.m_bHoldItem},
          {&c.m_vFlow}};
}

std::vector<std::vector<const void*>> Groups(const I& i) {
  return {{&i.m_strName},
          {&i.m_vAppearCond, &i.m_cAppearJudge, &i.m_bAppearOnce},
          {&i.m_nOffsetX},
          {&i.m_nOffsetY},
          {&i.m_cGraphicSheet, &i.m_nGraphic, &i.m_nGraphicFrame},
          {&i.m_cZ},
          {&i.m_bTransparent},
          {&i.m_cMarkShow, &i.m_nMark},
          {&i.m_cGiant},
          {&i.m_cTakeMode},
          {&i.m_bShowOnTake},
          {&i.m_nSound},
          {&i.m_vEffect}};
}

// Lists outside the field registry.
std::vector<const void*> Lists(const B& b) { return {&b.m_vAppearCond}; }
std::vector<const void*> Lists(const C& c) { return {&c.m_vAppearCond, &c.m_vFlow}; }
std::vector<const void*> Lists(const I& i) { return {&i.m_vAppearCond, &i.m_vEffect}; }

bool SameList(const B& a, const B& b, const void* member) {
  return member == &a.m_vAppearCond && a.m_vAppearCond == b.m_vAppearCond;
}
bool SameList(const C& a, const C& b, const void* member) {
  return member == &a.m_vAppearCond ? a.m_vAppearCond == b.m_vAppearCond : a.m_vFlow == b.m_vFlow;
}
bool SameList(const I& a, const I& b, const void* member) {
  return member == &a.m_vAppearCond ? a.m_vAppearCond == b.m_vAppearCond : a.m_vEffect == b.m_vEffect;
}

// A source entry that differs from a new record in every stored member and every list.
template <class T>
T DifferentFromNew() {
  T source;
  for (const cFieldDesc& field : source.Fields(kDataVersion)) {
    unsigned char* bytes = static_cast<unsigned char*>(field.m_pMember);
    for (int k = 0; k < field.m_nWidth * field.m_nCount; ++k) bytes[k] ^= 0x5A;
  }
  source.m_strName = "源";
  source.m_vAppearCond.resize(1);
  source.m_vAppearCond[0].m_cKind = 1;
  source.m_nCellX = 7;
  source.m_nCellY = 8;
  return source;
}
void AddLists(C& c) {
  c.m_vFlow.resize(1);
  c.m_vFlow[0].m_cId = 3;
  c.m_nHeldItem = 9;
}
void AddLists(I& i) {
  i.m_vEffect.resize(1);
  i.m_vEffect[0].m_cKind = 2;
}
void AddLists(B&) {}

// The members of a record that resolving changed, by address.
template <class T>
std::set<const void*> ChangedMembers(const T& before, const T& after) {
  std::set<const void*> changed;
  T& b = const_cast<T&>(before);
  T& a = const_cast<T&>(after);
  cVector<cFieldDesc> fieldsBefore = b.Fields(kDataVersion), fieldsAfter = a.Fields(kDataVersion);
  for (int k = 0; k < fieldsAfter.Count(); ++k)
    if (std::memcmp(fieldsBefore[k].m_pMember, fieldsAfter[k].m_pMember, fieldsAfter[k].m_nWidth * fieldsAfter[k].m_nCount))
      changed.insert(fieldsAfter[k].m_pMember);
  if (before.m_strName != after.m_strName) changed.insert(&after.m_strName);
  for (const void* list : Lists(after))
    if (!SameList(after, before, list)) changed.insert(list);
  return changed;
}

template <class T>
struct cStagePalette {
  cVector<B> m_vBlock = cVector<B>(2);
  cVector<C> m_vChara = cVector<C>(2);
  cVector<I> m_vItem = cVector<I>(2);
  cPaletteScope m_Scope{kPaletteStage, {&m_vBlock, &m_vChara, &m_vItem}};
  cVector<T>& List();
};
template <>
cVector<B>& cStagePalette<B>::List() { return m_vBlock; }
template <>
cVector<C>& cStagePalette<C>::List() { return m_vChara; }
template <>
cVector<I>& cStagePalette<I>::List() { return m_vItem; }

template <class T>
void ExpectEachFlagCopiesExactlyItsGroup() {
  cStagePalette<T> palette;
  T source = DifferentFromNew<T>();
  AddLists(source);
  palette.List()[1] = source;
  for (int group = 0; group < T::kGroupCount; ++group) {
    SCOPED_TRACE(testing::Message() << "group " << group);
    T before;
    before.m_cInheritPalette = kPaletteStage;
    before.m_nInheritIndex = 1;
    before.m_bbInherit[group] = 1;
    T after = before;
    after.ApplyInheritance();
    std::vector<const void*> expected = Groups(after)[group];
    EXPECT_EQ(ChangedMembers(before, after), std::set<const void*>(expected.begin(), expected.end()));
    EXPECT_EQ(after.m_nCellX, 0);
    EXPECT_EQ(after.m_cInheritPalette, kPaletteStage);
    EXPECT_EQ(after.m_nInheritIndex, 1);
    // Resolved once, the record follows its source: nothing left to change.
    EXPECT_FALSE(InheritanceChanges(after));
    EXPECT_EQ(InheritanceChanges(before), true);
  }
}

}  // namespace

TEST(Inheritance, EachBlockFlagCopiesExactlyItsGroup) { ExpectEachFlagCopiesExactlyItsGroup<B>(); }
TEST(Inheritance, EachCharaFlagCopiesExactlyItsGroup) { ExpectEachFlagCopiesExactlyItsGroup<C>(); }
TEST(Inheritance, EachItemFlagCopiesExactlyItsGroup) { ExpectEachFlagCopiesExactlyItsGroup<I>(); }

TEST(Inheritance, SourcesThatAreNoSource) {
  cStagePalette<B> palette;
  palette.m_vBlock[1].m_strName = "源";
  palette.m_vBlock[0].m_strName = "零";
  struct Case {
    int m_nPalette, m_nIndex, m_nFlags;
    const char* m_pName;
    int m_nPaletteAfter;
  } cases[] = {
      {2, 1, 0, "", 2},      // every flag 0
      {2, 0, 1, "", 2},      // entry 0 is never a source
      {0, 1, 1, "", 0},      // no palette
      {3, 1, 1, "", 3},      // a palette kind without lists
      {1, 1, 1, "", 0},      // the common palette is not named here: its list is empty
      {2, 2, 1, "", 0},      // index equal to the list's length: the kind drops, the index stays
      {2, -1, 1, "", 0},     // negative index
      {2, 1, 1, "源", 2},    // the group follows
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.m_nPalette << "/" << c.m_nIndex);
    B block;
    block.m_cInheritPalette = static_cast<int8_t>(c.m_nPalette);
    block.m_nInheritIndex = static_cast<int16_t>(c.m_nIndex);
    block.m_bbInherit[0] = static_cast<int8_t>(c.m_nFlags);
    block.ApplyInheritance();
    EXPECT_EQ(block.m_strName, c.m_pName);
    EXPECT_EQ(block.m_cInheritPalette, c.m_nPaletteAfter);
    EXPECT_EQ(block.m_nInheritIndex, c.m_nIndex);
  }
}

TEST(Inheritance, FlagCountsOutsideTheGroupCount) {
  cStagePalette<I> palette;
  palette.m_vItem[1].m_strName = "源";
  palette.m_vItem[1].m_nSound = 4;
  palette.m_vItem[1].m_cZ = 1;
  I item;
  item.m_cInheritPalette = kPaletteStage;
  item.m_nInheritIndex = 1;
  // Longer than the group count: the extra flags are ignored.
  item.m_bbInherit.assign(std::vector<int>(20, 1));
  item.ApplyInheritance();
  EXPECT_EQ(item.m_strName, "源");
  EXPECT_EQ(item.m_nSound, 4);
  // Shorter: the groups without a flag stay unresolved.
  I shorter;
  shorter.m_cInheritPalette = kPaletteStage;
  shorter.m_nInheritIndex = 1;
  shorter.m_bbInherit.assign(std::vector<int>{1, 0, 0, 0, 0});
  shorter.ApplyInheritance();
  EXPECT_EQ(shorter.m_strName, "源");
  EXPECT_EQ(shorter.m_cZ, 6);
  EXPECT_EQ(shorter.m_nSound, 0);
}

TEST(Inheritance, FlowsOfAnEntryWithoutFlows) {
  cStagePalette<C> palette;
  palette.m_vChara[1].m_nGraphic = 3;
  C chara;
  chara.m_cInheritPalette = kPaletteStage;
  chara.m_nInheritIndex = 1;
  chara.m_bbInherit[36] = 1;
  chara.m_vFlow.resize(2);
  chara.m_vFlow[0].m_cId = 5;
  chara.ApplyInheritance();
  ASSERT_EQ(chara.m_vFlow.size(), 1u);
  EXPECT_TRUE(chara.m_vFlow[0] == cFlowData());
  EXPECT_FALSE(InheritanceChanges(chara));
  // Its own validation drops the empty flow again.
  chara.Validate();
  EXPECT_TRUE(chara.m_vFlow.empty());
}

TEST(Inheritance, SetInheritSource) {
  cStagePalette<C> palette;
  palette.m_vChara.resize(3);
  palette.m_vChara[2].m_nHp = 77;
  palette.m_vChara[2].m_strName = "源";
  cVector<int8_t> flags(37);
  flags[0] = 1;
  flags[23] = 1;
  struct Case {
    int m_nPalette, m_nIndex;
    int m_nPaletteAfter, m_nIndexAfter;
    bool m_bFlags;
    int m_nHp;
  } cases[] = {
      {2, 2, 2, 2, true, 77},    // valid: source, flags and the groups at once
      {2, 3, 0, 0, false, 10},   // index equal to the stage list's size: cleared
      {1, 1, 0, 0, false, 10},   // the common palette has no entries here
      {1, -1, 0, 0, false, 10},  // read as unsigned
      {0, 2, 0, 2, true, 10},    // no source, but the flags are given
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.m_nPalette << "/" << c.m_nIndex);
    C chara;
    chara.m_cInheritPalette = 1;
    chara.m_nInheritIndex = 5;
    for (auto& flag : chara.m_bbInherit) flag = 1;
    chara.m_bbInherit.resize(40);
    SetInheritSource(&chara, 1, c.m_nPalette, static_cast<int16_t>(c.m_nIndex), flags);
    EXPECT_EQ(chara.m_cInheritPalette, c.m_nPaletteAfter);
    EXPECT_EQ(chara.m_nInheritIndex, c.m_nIndexAfter);
    if (c.m_bFlags) {
      EXPECT_TRUE(std::equal(flags.begin(), flags.end(), chara.m_bbInherit.begin(), chara.m_bbInherit.end()));
    } else {
      EXPECT_EQ(chara.m_bbInherit.size(), 40u);  // cleared in place, keeping its length
      EXPECT_EQ(std::count(chara.m_bbInherit.begin(), chara.m_bbInherit.end(), 0), 40);
    }
    EXPECT_EQ(chara.m_nHp, c.m_nHp);
  }
}

TEST(Inheritance, OldCharactersFollowTheirSourceForWidenedGroups) {
  cStagePalette<C> palette;
  C& source = palette.m_vChara[1];
  source.m_nDefence = 12;
  source.m_cBodyHitRange = 2;
  source.m_bScrollSync = 1;
  source.m_nHp = 50;
  // A character of version 150 that follows stage entry 1 with all 34 of its flags off: the
  // fields that version stores, the name, cell and held item, flags, no conditions, no flows.
  Bytes old = CharaBody(kBefore168, {{"ip", "02"}, {"ii", "0100"}}, CharaTail(Bytes(34, 0)));
  C loaded;
  ASSERT_TRUE(LoadBytes(loaded, 150, old));
  EXPECT_EQ(loaded.m_nDefence, 12);
  EXPECT_EQ(loaded.m_cBodyHitRange, 2);
  EXPECT_EQ(loaded.m_bScrollSync, 1);
  EXPECT_EQ(loaded.m_nHp, 10);  // its own flag stays off
}
