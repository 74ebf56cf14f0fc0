#pragma once
// The list commands and the ids that stand for them: the eight command sets, the accelerator
// tables and popup menus behind them, and the keys of the list's own key handler. The Windows
// side makes its resources from these tables.

#include <cstdint>

#include "app/cVector.h"

// The commands of a record list, in the order of every id array.
enum : int {
  kListCut,
  kListCopy,
  kListPaste,
  kListNew,
  kListInsert,
  kListClear,
  kListDelete,
  kListCommandCount,
  kListEdit = kListCommandCount,  // started by the page itself, never by an id of the list
};

// A list that is never given a set answers to these.
inline constexpr uint16_t kDefaultAccelIds[kListCommandCount] = {40009, 40001, 40007, 40002, 40033, 40008, 40032};
inline constexpr uint16_t kDefaultMenuIds[kListCommandCount] = {40038, 40039, 40040, 0, 40042, 40041, 40043};

// Layout 0: records are appended and cleared (database tables); layout 1: inserted and deleted.
struct cListCommandSet {
  int m_nLayout;
  int m_nKind;  // 1..4: separate ids for up to four lists of one page
  uint16_t m_wAccelTable;
  uint16_t m_wMenu;
  uint16_t m_wAccelId[kListCommandCount];  // 0: the command has no key
  uint16_t m_wMenuId[kListCommandCount];   // 0: the command has no menu item
};

// Constant data, so that pages built before the program starts can read them.
constexpr int kListCommandSetCount = 8;
inline constexpr cListCommandSet kListCommandSets[kListCommandSetCount] = {
    {0, 1, 105, 112, {40009, 40001, 40007, 40002, 0, 40008, 0}, {40038, 40039, 40040, 0, 0, 40041, 0}},
    {0, 2, 106, 113, {40019, 40012, 40017, 40013, 0, 40018, 0}, {40103, 40104, 40105, 0, 0, 40113, 0}},
    {0, 3, 107, 114, {40029, 40022, 40027, 40023, 0, 40028, 0}, {40108, 40109, 40110, 0, 0, 40114, 0}},
    {0, 4, 111, 176, {40098, 40091, 40096, 40092, 0, 40097, 0}, {40115, 40116, 40117, 0, 0, 40118, 0}},
    {1, 1, 108, 115, {40009, 40001, 40007, 0, 40033, 0, 40032}, {40038, 40039, 40040, 0, 40042, 0, 40043}},
    {1, 2, 110, 116, {40019, 40012, 40017, 0, 40034, 0, 40035}, {40103, 40104, 40105, 0, 40106, 0, 40107}},
    {1, 3, 109, 117, {40029, 40022, 40027, 0, 40036, 0, 40037}, {40108, 40109, 40110, 0, 40111, 0, 40112}},
    {1, 4, 112, 177, {40098, 40091, 40096, 0, 40101, 0, 40102}, {40115, 40116, 40117, 0, 40119, 0, 40120}},
};

// The set of a layout and kind; null for any other.
const cListCommandSet* FindListCommandSet(int layout, int kind);

// The set with new, insert and clear taken out: for pages that start insert themselves.
constexpr cListCommandSet WithoutInsert(const cListCommandSet& set) {
  cListCommandSet result = set;
  for (int command : {kListNew, kListInsert, kListClear}) {
    result.m_wAccelId[command] = 0;
    result.m_wMenuId[command] = 0;
  }
  return result;
}
// The command whose id in ids equals id; -1 for id 0 or no match.
int FindListCommand(const uint16_t* ids, uint16_t id);

// Virtual-key codes the tables use.
enum : uint16_t {
  kVkSpace = 0x20,
  kVkDelete = 0x2E,
  kVkF5 = 0x74,
};

// One entry of an accelerator table (all are virtual-key entries).
struct cAccelKeyDef {
  uint16_t m_wKey;
  int m_bCtrl;
  uint16_t m_wCmd;
};

// Accelerator tables 105..112: every key with an id in that table, in table order.
constexpr int kListAccelTableCount = 8;
extern const uint16_t kListAccelTableIds[kListAccelTableCount];
// The entries of a table in table order; none for an id that is not a list table.
cVector<cAccelKeyDef> ListAccelTable(uint16_t tableId);

// An item of a popup menu; a null text is a separator.
struct cMenuItemDef {
  const char* m_pszText;
  uint16_t m_wId;
};

// A menu bar with one popup, the one the list shows.
struct cPopupMenuDef {
  uint16_t m_wId;
  const char* m_pszTitle;
  const cMenuItemDef* m_pItems;
  int m_nCount;
};

constexpr int kListPopupMenuCount = 8;
extern const cPopupMenuDef kListPopupMenus[kListPopupMenuCount];
const cPopupMenuDef* FindListPopupMenu(uint16_t menuId);

// The list's own key handler (modal dialogs): the key of each command and whether it needs Ctrl.
struct cListKeyDef {
  uint16_t m_wKey;
  int m_bNeedsCtrl;
};
extern const cListKeyDef kListKeys[kListCommandCount];

// The ids a key press sends, in command order: every command with a non-zero id whose key it is.
// Returns how many were written to out (room for kListCommandCount).
int ListKeyCommandIds(const uint16_t* ids, uint16_t key, int ctrlHeld, uint16_t* out);
