#pragma once
// The rules of the character data sheet's first three pages: their controls as data (id, member,
// limits, inheritance group), which controls each "継承→" button covers, and the enable, range and
// text decisions that every refresh applies. The pages store their controls into their working
// copy, call these, and apply the decided states (cCtrlStates) to their control wrappers.

#include <cstdint>

#include "app/cString.h"
#include "app/cVector.h"
#include "editors/CharaSheetEdit.h"
#include "editors/CtrlStates.h"
#include "editors/FieldTable.h"
#include "model/cEdChara.h"

class cDatabaseSet;

// Controls every page has.
enum : uint16_t {
  kIdcPrevEntry = 1021,
  kIdcNextEntry = 1022,
  kIdcEntryNumber = 1023,
  kIdcCharaPreview = 1060,
};

// Controls the rules name.
enum : uint16_t {
  kIdcBasicSource = 1268,
  kIdcBasicSourceIndex = 1269,
  kIdcBasicControl = 1256,
  kIdcBasicPlayerNo = 1257,
  kIdcBasicAppearList = 1044,
  kIdcBasicAppearInsert = 1041,
  kIdcBasicAppearEdit = 1042,
  kIdcBasicAppearDelete = 1043,
  kIdcBasicClones = 1259,
  kIdcBasicControlInherit = 1025,
  kIdcGraphicSheet = 1254,
  kIdcGraphicCell = 1036,
  kIdcGraphicOffset = 1038,
  kIdcGraphicCellPick = 1446,
  kIdcGraphicMarkShow = 1260,
  kIdcGraphicMark = 11040,
  kIdcGraphicMarkPick = 1445,
  kIdcGraphicBlock = 1262,
  kIdcGraphicSight = 1267,
  kIdcGraphicSightRange = 1268,
  kIdcGraphicPreview2 = 1070,
  kIdcStatusActRange = 1257,
  kIdcStatusActJudge = 1078,
  kIdcStatusHasGroup = 1180,
  kIdcStatusGroupNo = 1079,
  kIdcStatusScore = 1071,
  kIdcStatusHoldItem = 1077,
};

// A control of an inheritance group that binds no member (a list, its buttons, a "一覧" button).
struct cGroupCtrl {
  uint16_t m_nId;
  int8_t m_nGroup;
};

// One page: its bound controls, its other group controls, and its "継承→" buttons, button i
// standing for group m_nFirstGroup + i.
struct cCharaPageSpec {
  const cNumField<cEdChara>* m_pNum;
  int m_nNum;
  const cComboField<cEdChara>* m_pCombo;
  int m_nCombo;
  const cCheckField<cEdChara>* m_pCheck;
  int m_nCheck;
  const cTextField<cEdChara>* m_pText;
  int m_nText;
  const cGroupCtrl* m_pExtra;
  int m_nExtra;
  const uint16_t* m_pButtons;
  int m_nButtons;
  int m_nFirstGroup;
};

extern const cNumField<cEdChara> kBasicNumFields[7];
extern const cComboField<cEdChara> kBasicComboFields[5];
extern const cCheckField<cEdChara> kBasicCheckFields[4];
extern const cTextField<cEdChara> kBasicTextFields[1];
extern const cGroupCtrl kBasicExtraCtrls[4];
extern const uint16_t kBasicInheritButtons[9];
extern const cCharaPageSpec kBasicPageSpec;

extern const cNumField<cEdChara> kGraphicNumFields[5];
extern const cComboField<cEdChara> kGraphicComboFields[14];
extern const cCheckField<cEdChara> kGraphicCheckFields[3];
extern const cGroupCtrl kGraphicExtraCtrls[2];
extern const uint16_t kGraphicInheritButtons[14];
extern const cCharaPageSpec kGraphicPageSpec;

extern const cNumField<cEdChara> kStatusNumFields[9];
extern const cComboField<cEdChara> kStatusComboFields[4];
extern const cCheckField<cEdChara> kStatusCheckFields[2];
extern const uint16_t kStatusInheritButtons[13];
extern const cCharaPageSpec kStatusPageSpec;

// The controls of one inheritance group on a page, in table order.
cVector<uint16_t> GroupCtrlIds(const cCharaPageSpec& page, int group);

// What a page needs of the sheet for its rules.
struct cCharaPageView {
  int32_t m_nContext = kEditPlaced;
  int32_t m_nIndex = 0;
  int32_t m_bCanStep = 0;
};
cCharaPageView PageView(const cCharaSheetEdit& edit);

// Previous, next and "No.%d": shown in the palette contexts, the two buttons enabled while there
// is another entry to move to.
void NavigationStates(const cCharaPageView& view, cCtrlStates& states);

// Shared by every page: the "継承→" buttons enabled while the character has a source and checked
// by their flags; every control of a group enabled exactly while its flag is clear; navigation.
void CommonPageStates(const cCharaPageSpec& page, const cEdChara& chara, const cCharaPageView& view,
                      cCtrlStates& states);

// The whole refresh of each page.
void BasicPageStates(const cEdChara& chara, const cCharaPageView& view, cCtrlStates& states);
// dedicatedCount: entries of the character dedicated bitmap table.
void GraphicPageStates(const cEdChara& chara, const cCharaPageView& view, int dedicatedCount, cCtrlStates& states);
void StatusPageStates(const cEdChara& chara, const cCharaPageView& view, cCtrlStates& states);

// "継承パレット" changed (and every refresh): "継承しない" clears the flags of all 37 groups, those
// of the other pages too; a palette keeps the source index on one of its entries 1 .. count - 1.
// Then the inheritance is resolved, so inherited groups show the source's values.
void ApplySourceKind(cEdChara& chara);
// Rows of "継承データ": entries 1 .. count - 1 of the characters of palette kind 1 or 2 (none for
// another kind); row r stands for index r + 1.
cVector<cString> InheritIndexRows(int palette);

// The graphic sheet's limits: cell number, offset (enabled only for "キャラ" and "専用bmp") and
// whether the "一覧" picker can show the sheet.
struct cGraphicRanges {
  int32_t m_nCellMin;
  int32_t m_nCellMax;
  int32_t m_bOffset;
  int32_t m_nOffsetMin;
  int32_t m_nOffsetMax;
  int32_t m_bPicker;
};
cGraphicRanges GraphicRanges(int sheet, int dedicatedCount);
// Holds the cell number, and for the sheets with an offset the offset, to the sheet's limits.
void ClampGraphicToSheet(cEdChara& chara, int dedicatedCount);

// Combo rows from the database: anime sets ("01 name" for entry 0), character effects ("なし",
// then "001 name") and effects ("なし", then "01 name").
cVector<cString> AnimeSetRows(const cDatabaseSet& db);
cVector<cString> CharaEffectRows(const cDatabaseSet& db);
cVector<cString> EffectRows(const cDatabaseSet& db);

// A giant object covers side x side cells; the stored giant size is the side, 1 ("しない") to 10
// ("×100"), a stored value outside that range counting as the nearest.
int GiantSide(int giant);
