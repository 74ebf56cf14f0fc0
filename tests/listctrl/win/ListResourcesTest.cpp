#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "listctrl/ListCommandSets.h"

// The accelerator tables and popup menus of the resources are the portable tables, entry by entry.

TEST(ListResources, AcceleratorTablesAreThePortableTables) {
  HINSTANCE module = GetModuleHandleA(nullptr);
  for (uint16_t table : kListAccelTableIds) {
    SCOPED_TRACE(table);
    HACCEL accel = LoadAcceleratorsA(module, MAKEINTRESOURCEA(table));
    ASSERT_NE(accel, nullptr);
    int count = CopyAcceleratorTableA(accel, nullptr, 0);
    std::vector<ACCEL> entries(static_cast<size_t>(count));
    CopyAcceleratorTableA(accel, entries.data(), count);
    cVector<cAccelKeyDef> expected = ListAccelTable(table);
    ASSERT_EQ(count, expected.Count());
    for (int i = 0; i < count; ++i) {
      SCOPED_TRACE(i);
      const ACCEL& entry = entries[static_cast<size_t>(i)];
      EXPECT_EQ(entry.fVirt & (FVIRTKEY | FCONTROL | FSHIFT | FALT), FVIRTKEY | (expected[i].m_bCtrl ? FCONTROL : 0));
      EXPECT_EQ(entry.key, expected[i].m_wKey);
      EXPECT_EQ(entry.cmd, expected[i].m_wCmd);
    }
    DestroyAcceleratorTable(accel);
  }
}

TEST(ListResources, PopupMenusAreThePortableMenus) {
  HINSTANCE module = GetModuleHandleA(nullptr);
  for (const cPopupMenuDef& def : kListPopupMenus) {
    SCOPED_TRACE(def.m_wId);
    HMENU bar = LoadMenuA(module, MAKEINTRESOURCEA(def.m_wId));
    ASSERT_NE(bar, nullptr);
    char text[64] = {};
    EXPECT_EQ(GetMenuItemCount(bar), 1);
    GetMenuStringA(bar, 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, def.m_pszTitle);
    HMENU popup = GetSubMenu(bar, 0);
    ASSERT_NE(popup, nullptr);
    ASSERT_EQ(GetMenuItemCount(popup), def.m_nCount);
    for (int i = 0; i < def.m_nCount; ++i) {
      SCOPED_TRACE(i);
      const cMenuItemDef& item = def.m_pItems[i];
      if (!item.m_pszText) {
        EXPECT_NE(GetMenuState(popup, i, MF_BYPOSITION) & MF_SEPARATOR, 0u);
        continue;
      }
      GetMenuStringA(popup, i, text, sizeof text, MF_BYPOSITION);
      EXPECT_STREQ(text, item.m_pszText);
      EXPECT_EQ(GetMenuItemID(popup, i), item.m_wId);
    }
    DestroyMenu(bar);
  }
}
