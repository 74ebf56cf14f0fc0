#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "listctrl/ListCommandSets.h"
#include "tests/listctrl/ListFixture.h"

namespace {
std::vector<uint16_t> Ids(const uint16_t* ids) { return std::vector<uint16_t>(ids, ids + kListCommandCount); }

uint16_t AccelId(const cVector<cAccelKeyDef>& table, uint16_t key, int ctrl) {
  for (const cAccelKeyDef& entry : table)
    if (entry.m_wKey == key && entry.m_bCtrl == ctrl) return entry.m_wCmd;
  return 0;
}
}  // namespace

TEST(ListCommandSets, FindsTheSetsOfLayoutsAndKinds) {
  struct cCase {
    int m_nLayout;
    int m_nKind;
    uint16_t m_wAccelTable;
    uint16_t m_wMenu;
  };
  const cCase cases[] = {{0, 1, 105, 112}, {0, 2, 106, 113}, {0, 3, 107, 114}, {0, 4, 111, 176},
                         {1, 1, 108, 115}, {1, 2, 110, 116}, {1, 3, 109, 117}, {1, 4, 112, 177}};
  for (const cCase& c : cases) {
    const cListCommandSet* set = FindListCommandSet(c.m_nLayout, c.m_nKind);
    ASSERT_NE(set, nullptr);
    EXPECT_EQ(set->m_wAccelTable, c.m_wAccelTable);
    EXPECT_EQ(set->m_wMenu, c.m_wMenu);
  }
  EXPECT_EQ(FindListCommandSet(1, 5), nullptr);
  EXPECT_EQ(FindListCommandSet(2, 1), nullptr);
  EXPECT_EQ(FindListCommandSet(0, 0), nullptr);
}

// The five list keys of each set's accelerator table are the set's key ids: Ctrl+I new or insert,
// Delete clear or delete.
TEST(ListCommandSets, KeyIdsAreThoseOfTheirAcceleratorTable) {
  for (const cListCommandSet& set : kListCommandSets) {
    SCOPED_TRACE(set.m_wAccelTable);
    cVector<cAccelKeyDef> table = ListAccelTable(set.m_wAccelTable);
    const uint16_t* ids = set.m_wAccelId;
    bool layout0 = set.m_nLayout == 0;
    EXPECT_EQ(AccelId(table, 'X', 1), ids[kListCut]);
    EXPECT_EQ(AccelId(table, 'C', 1), ids[kListCopy]);
    EXPECT_EQ(AccelId(table, 'V', 1), ids[kListPaste]);
    EXPECT_EQ(AccelId(table, 'I', 1), ids[layout0 ? kListNew : kListInsert]);
    EXPECT_EQ(AccelId(table, kVkDelete, 0), ids[layout0 ? kListClear : kListDelete]);
    EXPECT_EQ(ids[layout0 ? kListInsert : kListNew], 0);
    EXPECT_EQ(ids[layout0 ? kListDelete : kListClear], 0);
  }
}

TEST(ListCommandSets, AcceleratorTablesHoldTheirOtherKeys) {
  struct cCase {
    uint16_t m_wTable;
    int m_nEntries;
    uint16_t m_wCtrlT;
    uint16_t m_wCtrlZ;
  };
  const cCase cases[] = {{105, 15, 40006, 40011}, {106, 12, 40154, 40021}, {107, 12, 40156, 40031},
                         {108, 12, 40006, 40011}, {109, 10, 0, 40031},     {110, 10, 0, 40021},
                         {111, 12, 40157, 40100}, {112, 10, 0, 40100}};
  for (const cCase& c : cases) {
    SCOPED_TRACE(c.m_wTable);
    cVector<cAccelKeyDef> table = ListAccelTable(c.m_wTable);
    EXPECT_EQ(table.Count(), c.m_nEntries);
    EXPECT_EQ(AccelId(table, 'T', 1), c.m_wCtrlT);
    EXPECT_EQ(AccelId(table, 'Z', 1), c.m_wCtrlZ);
    EXPECT_EQ(table.front().m_wKey, 'X');
  }
  cVector<cAccelKeyDef> editor = ListAccelTable(105);
  EXPECT_EQ(AccelId(editor, 'D', 1), 40162);
  EXPECT_EQ(AccelId(editor, kVkF5, 0), 40165);
  EXPECT_EQ(AccelId(editor, kVkSpace, 0), 40163);
  EXPECT_EQ(AccelId(editor, 'G', 1), 40133);
  EXPECT_TRUE(ListAccelTable(113).empty());
}

// Each set's menu ids are the items of its popup menu, in order, with separators between the
// clipboard items and the rest.
TEST(ListCommandSets, MenuIdsAreThoseOfTheirPopupMenu) {
  for (const cListCommandSet& set : kListCommandSets) {
    SCOPED_TRACE(set.m_wMenu);
    const cPopupMenuDef* menu = FindListPopupMenu(set.m_wMenu);
    ASSERT_NE(menu, nullptr);
    EXPECT_STREQ(menu->m_pszTitle, "メニュー");
    std::vector<std::string> texts;
    std::vector<uint16_t> ids;
    for (int i = 0; i < menu->m_nCount; ++i) {
      texts.push_back(menu->m_pItems[i].m_pszText ? menu->m_pItems[i].m_pszText : "-");
      ids.push_back(menu->m_pItems[i].m_wId);
    }
    const uint16_t* m = set.m_wMenuId;
    if (set.m_nLayout == 0) {
      EXPECT_EQ(texts, (std::vector<std::string>{"切り取り", "コピー", "貼り付け", "-", "データのクリア"}));
      EXPECT_EQ(ids, (std::vector<uint16_t>{m[kListCut], m[kListCopy], m[kListPaste], 0, m[kListClear]}));
    } else {
      EXPECT_EQ(texts, (std::vector<std::string>{"切り取り", "コピー", "貼り付け", "-", "新規挿入", "-", "削除"}));
      EXPECT_EQ(ids, (std::vector<uint16_t>{m[kListCut], m[kListCopy], m[kListPaste], 0, m[kListInsert], 0,
                                            m[kListDelete]}));
    }
    EXPECT_EQ(m[kListNew], 0);  // no menu appends
  }
  EXPECT_EQ(FindListPopupMenu(105), nullptr);
}

TEST(ListCommandSets, WithoutInsertLeavesClipboardAndDelete) {
  cListCommandSet set = WithoutInsert(*FindListCommandSet(1, 2));
  EXPECT_EQ(Ids(set.m_wAccelId), (std::vector<uint16_t>{40019, 40012, 40017, 0, 0, 0, 40035}));
  EXPECT_EQ(Ids(set.m_wMenuId), (std::vector<uint16_t>{40103, 40104, 40105, 0, 0, 0, 40107}));
}

TEST(ListCommandSets, KeysSendTheIdsOfTheirCommands) {
  const uint16_t explicitIds[kListCommandCount] = {40019, 40012, 40017, 0, 0, 0, 40035};
  struct cCase {
    const char* m_pName;
    const uint16_t* m_pIds;
    uint16_t m_wKey;
    int m_bCtrl;
    std::vector<uint16_t> m_vSent;
  };
  const cCase cases[] = {
      {"Ctrl+X", kDefaultAccelIds, 'X', 1, {40009}},
      {"plain X", kDefaultAccelIds, 'X', 0, {}},
      {"Ctrl+I: new and insert", kDefaultAccelIds, 'I', 1, {40002, 40033}},
      {"Delete: clear and delete", kDefaultAccelIds, kVkDelete, 0, {40008, 40032}},
      {"Ctrl+Delete fires as well", kDefaultAccelIds, kVkDelete, 1, {40008, 40032}},
      {"Ctrl+I without an insert id", explicitIds, 'I', 1, {}},
      {"Ctrl+V of kind 2", explicitIds, 'V', 1, {40017}},
      {"Ctrl+N is no list key", kDefaultAccelIds, 'N', 1, {}},
  };
  for (const cCase& c : cases) {
    SCOPED_TRACE(c.m_pName);
    uint16_t sent[kListCommandCount];
    int count = ListKeyCommandIds(c.m_pIds, c.m_wKey, c.m_bCtrl, sent);
    EXPECT_EQ(std::vector<uint16_t>(sent, sent + count), c.m_vSent);
  }
}

TEST(ListCommandSets, ListsKeepTheirIdsWhenASetIsUnknown) {
  cTestList l(kSubShape, "a");
  EXPECT_EQ(Ids(l.m_List.m_wAccelId), Ids(kDefaultAccelIds));
  EXPECT_EQ(Ids(l.m_List.m_wMenuId), Ids(kDefaultMenuIds));
  EXPECT_EQ(l.m_List.SelectAccelSet(1, 5), 0);
  EXPECT_EQ(l.m_List.SelectMenuSet(2, 1), 0);
  EXPECT_EQ(Ids(l.m_List.m_wAccelId), Ids(kDefaultAccelIds));
  EXPECT_EQ(Ids(l.m_List.m_wMenuId), Ids(kDefaultMenuIds));
  EXPECT_EQ(l.m_List.SelectAccelSet(1, 4), 1);
  EXPECT_EQ(l.m_List.SelectMenuSet(1, 4), 1);
  EXPECT_EQ(l.m_List.m_wAccelId[kListCut], 40098);
  EXPECT_EQ(l.m_List.m_wMenuId[kListDelete], 40120);
}
