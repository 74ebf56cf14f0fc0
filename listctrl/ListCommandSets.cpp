#include "listctrl/ListCommandSets.h"

const cListCommandSet* FindListCommandSet(int layout, int kind) {
  for (const cListCommandSet& set : kListCommandSets)
    if (set.m_nLayout == layout && set.m_nKind == kind) return &set;
  return nullptr;
}

int FindListCommand(const uint16_t* ids, uint16_t id) {
  if (id == 0) return -1;
  for (int command = 0; command < kListCommandCount; ++command)
    if (ids[command] == id) return command;
  return -1;
}

namespace {
// The keys of the accelerator tables and, per table 105..112, the id each key has there (0: none).
// Table 105 is also the editor windows' table; only the first five keys carry list commands.
struct cAccelRow {
  uint16_t m_wKey;
  int m_bCtrl;
  uint16_t m_wId[kListAccelTableCount];
};

const cAccelRow kAccelRows[] = {
    {'X', 1, {40009, 40019, 40029, 40009, 40029, 40019, 40098, 40098}},
    {'C', 1, {40001, 40012, 40022, 40001, 40022, 40012, 40091, 40091}},
    {'V', 1, {40007, 40017, 40027, 40007, 40027, 40017, 40096, 40096}},
    {'I', 1, {40002, 40013, 40023, 40033, 40036, 40034, 40092, 40101}},
    {kVkDelete, 0, {40008, 40018, 40028, 40032, 40037, 40035, 40097, 40102}},
    {'N', 1, {40003, 40014, 40024, 40003, 40024, 40014, 40093, 40093}},
    {'O', 1, {40004, 40015, 40025, 40004, 40025, 40015, 40094, 40094}},
    {'S', 1, {40005, 40016, 40026, 40005, 40026, 40016, 40095, 40095}},
    {'T', 1, {40006, 40154, 40156, 40006, 0, 0, 40157, 0}},
    {'G', 1, {40133, 40153, 40155, 40133, 0, 0, 40158, 0}},
    {'Y', 1, {40010, 40020, 40030, 40010, 40030, 40020, 40099, 40099}},
    {'Z', 1, {40011, 40021, 40031, 40011, 40031, 40021, 40100, 40100}},
    {'D', 1, {40162, 0, 0, 0, 0, 0, 0, 0}},
    {kVkF5, 0, {40165, 0, 0, 0, 0, 0, 0, 0}},
    {kVkSpace, 0, {40163, 0, 0, 0, 0, 0, 0, 0}},
};

const cMenuItemDef kMenu112[] = {{"切り取り", 40038}, {"コピー", 40039}, {"貼り付け", 40040}, {nullptr, 0},
                                 {"データのクリア", 40041}};
const cMenuItemDef kMenu113[] = {{"切り取り", 40103}, {"コピー", 40104}, {"貼り付け", 40105}, {nullptr, 0},
                                 {"データのクリア", 40113}};
const cMenuItemDef kMenu114[] = {{"切り取り", 40108}, {"コピー", 40109}, {"貼り付け", 40110}, {nullptr, 0},
                                 {"データのクリア", 40114}};
const cMenuItemDef kMenu176[] = {{"切り取り", 40115}, {"コピー", 40116}, {"貼り付け", 40117}, {nullptr, 0},
                                 {"データのクリア", 40118}};
const cMenuItemDef kMenu115[] = {{"切り取り", 40038}, {"コピー", 40039}, {"貼り付け", 40040}, {nullptr, 0},
                                 {"新規挿入", 40042}, {nullptr, 0}, {"削除", 40043}};
const cMenuItemDef kMenu116[] = {{"切り取り", 40103}, {"コピー", 40104}, {"貼り付け", 40105}, {nullptr, 0},
                                 {"新規挿入", 40106}, {nullptr, 0}, {"削除", 40107}};
const cMenuItemDef kMenu117[] = {{"切り取り", 40108}, {"コピー", 40109}, {"貼り付け", 40110}, {nullptr, 0},
                                 {"新規挿入", 40111}, {nullptr, 0}, {"削除", 40112}};
const cMenuItemDef kMenu177[] = {{"切り取り", 40115}, {"コピー", 40116}, {"貼り付け", 40117}, {nullptr, 0},
                                 {"新規挿入", 40119}, {nullptr, 0}, {"削除", 40120}};

template <int N>
constexpr cPopupMenuDef Popup(uint16_t id, const cMenuItemDef (&items)[N]) {
  return {id, "メニュー", items, N};
}
}  // namespace

const uint16_t kListAccelTableIds[kListAccelTableCount] = {105, 106, 107, 108, 109, 110, 111, 112};

cVector<cAccelKeyDef> ListAccelTable(uint16_t tableId) {
  cVector<cAccelKeyDef> entries;
  for (int column = 0; column < kListAccelTableCount; ++column) {
    if (kListAccelTableIds[column] != tableId) continue;
    for (const cAccelRow& row : kAccelRows)
      if (row.m_wId[column] != 0) entries.push_back({row.m_wKey, row.m_bCtrl, row.m_wId[column]});
  }
  return entries;
}

const cPopupMenuDef kListPopupMenus[kListPopupMenuCount] = {
    Popup(112, kMenu112), Popup(113, kMenu113), Popup(114, kMenu114), Popup(176, kMenu176),
    Popup(115, kMenu115), Popup(116, kMenu116), Popup(117, kMenu117), Popup(177, kMenu177),
};

const cPopupMenuDef* FindListPopupMenu(uint16_t menuId) {
  for (const cPopupMenuDef& menu : kListPopupMenus)
    if (menu.m_wId == menuId) return &menu;
  return nullptr;
}

const cListKeyDef kListKeys[kListCommandCount] = {
    {'X', 1}, {'C', 1}, {'V', 1}, {'I', 1}, {'I', 1}, {kVkDelete, 0}, {kVkDelete, 0},
};

int ListKeyCommandIds(const uint16_t* ids, uint16_t key, int ctrlHeld, uint16_t* out) {
  int count = 0;
  for (int command = 0; command < kListCommandCount; ++command) {
    const cListKeyDef& def = kListKeys[command];
    if (ids[command] != 0 && def.m_wKey == key && (!def.m_bNeedsCtrl || ctrlHeld)) out[count++] = ids[command];
  }
  return count;
}
