#pragma once
// The item data sheet's two pages (templates 202 and 203, "アイテムデータ") apart from their
// windows: their controls as data with the thirteen inheritance groups (0-7 on the first page,
// 8-12 on the second), the refresh decisions of each page, and the rules of the effect command
// list on the second page.

#include <cstdint>

#include "app/cString.h"
#include "app/cVector.h"
#include "editors/CtrlStates.h"
#include "editors/FieldTable.h"
#include "editors/SheetPageRules.h"
#include "model/cEdItem.h"

constexpr uint16_t kItemPage1Template = 202;
constexpr uint16_t kItemPage2Template = 203;
constexpr const char* kItemSheetCaption = "アイテムデータ";
constexpr int kItemPageCount = 2;

enum : uint16_t {
  kIdcItemSource = 1268,
  kIdcItemSourceIndex = 1269,
  kIdcItemName = 1002,
  kIdcItemCondList = 1044,
  kIdcItemCondInsert = 1041,
  kIdcItemCondEdit = 1042,
  kIdcItemCondDelete = 1043,
  kIdcItemSheet = 1254,
  kIdcItemCellPick = 1446,
  kIdcItemMarkPick = 1445,
  kIdcItemPreview2 = kIdcSheetPreview2,
  kIdcItemHiddenCheck = 1032,  // on template 202, neither shown nor bound
  kIdcItemGiant = 1266,
  kIdcItemTakeMode = 1265,
  kIdcItemShowOnTake = 1177,
  kIdcItemSound = 1131,
  kIdcItemCommandList = 1095,
  kIdcItemCommandInsert = 1068,
  kIdcItemCommandEdit = 1070,
  kIdcItemCommandDelete = 1069,
};

// First page: groups 0-7, "継承→" 1024-1031.
extern const cNumField<cEdItem> kItemPage1NumFields[6];
extern const cComboField<cEdItem> kItemPage1ComboFields[6];
extern const cCheckField<cEdItem> kItemPage1CheckFields[1];
extern const cTextField<cEdItem> kItemPage1TextFields[1];
extern const cGroupCtrl kItemPage1ExtraCtrls[6];
extern const uint16_t kItemPage1InheritButtons[8];
extern const cPageDesc<cEdItem> kItemPage1;

// Second page: groups 8-12, "継承→" 1024-1027 and "継承↓" 1028. The sound combo's rows are
// SoundRows (editors/CommandEdit.h).
extern const cComboField<cEdItem> kItemPage2ComboFields[3];
extern const cCheckField<cEdItem> kItemPage2CheckFields[1];
extern const cGroupCtrl kItemPage2ExtraCtrls[4];
extern const uint16_t kItemPage2InheritButtons[5];
extern const cPageDesc<cEdItem> kItemPage2;

// The value rules of a refresh of the first page: the inheritance source ("継承しない" clears the
// flags of both pages), and the graphic limits when the user chose the sheet (changed: the id of
// the control the user changed, 0 when the item is only shown).
void ApplyItemPage1Rules(cEdItem& shown, int dedicatedCount, uint16_t changed);
void ItemPage1States(const cEdItem& shown, const cSheetPageView& view, int dedicatedCount, cCtrlStates& states);
// The second page's five boxes are enabled while the item has a source, as on the first page.
void ItemPage2States(const cEdItem& shown, const cSheetPageView& view, cCtrlStates& states);

// Copies a page's item into the other page's working copy (from page 0 into page 2's copy, from
// page 1 into page 1's); any other from-page does nothing. copies[i] is page i's copy.
inline void RelayItem(cEdItem* const (&copies)[kItemPageCount], const cEdItem& item, int fromPage) {
  RelaySheetRecord(copies, item, fromPage);
}

// The effect command list's buttons and commands, which act only on a selected row: insert
// (1068, the popup's 40042 and Ctrl+I's 40033) needs a selected row, the extra row included;
// edit (1070 and a double click, here 0) and delete (1069) need a command row. curSel is the
// list's selected row (-1 none), curIndex the command it shows (-1 none or the extra row).
enum : uint16_t { kItemCommandPopupInsert = 40042, kItemCommandAccelInsert = 40033 };
int ItemCommandActionAllowed(uint16_t id, int curSel, int curIndex);
// After a paste (40007 or 40040) only the command at the list's current row has its palette
// references checked; the other pasted rows keep theirs as they were copied.
enum : uint16_t { kItemCommandAccelPaste = 40007, kItemCommandPopupPaste = 40040 };
int IsItemCommandPaste(uint16_t id);
void ValidatePastedCommand(cVector<cCommandData>& commands, int currentIndex);
