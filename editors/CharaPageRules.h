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
#include "editors/SheetPageRules.h"
#include "model/cEdChara.h"

class cDatabaseSet;

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
  kIdcGraphicPreview2 = kIdcSheetPreview2,
  kIdcStatusActRange = 1257,
  kIdcStatusActJudge = 1078,
  kIdcStatusHasGroup = 1180,
  kIdcStatusGroupNo = 1079,
  kIdcStatusScore = 1071,
  kIdcStatusHoldItem = 1077,
};

using cCharaPageForm = cPageDesc<cEdChara>;
// The character pages' preview is the shared one.
constexpr uint16_t kIdcCharaPreview = kIdcSheetPreview;

extern const cNumField<cEdChara> kBasicNumFields[7];
extern const cComboField<cEdChara> kBasicComboFields[5];
extern const cCheckField<cEdChara> kBasicCheckFields[4];
extern const cTextField<cEdChara> kBasicTextFields[1];
extern const cGroupCtrl kBasicExtraCtrls[4];
extern const uint16_t kBasicInheritButtons[9];
extern const cCharaPageForm kBasicPageForm;

extern const cNumField<cEdChara> kGraphicNumFields[5];
extern const cComboField<cEdChara> kGraphicComboFields[14];
extern const cCheckField<cEdChara> kGraphicCheckFields[3];
extern const cGroupCtrl kGraphicExtraCtrls[2];
extern const uint16_t kGraphicInheritButtons[14];
extern const cCharaPageForm kGraphicPageForm;

extern const cNumField<cEdChara> kStatusNumFields[9];
extern const cComboField<cEdChara> kStatusComboFields[4];
extern const cCheckField<cEdChara> kStatusCheckFields[2];
extern const uint16_t kStatusInheritButtons[13];
extern const cCharaPageForm kStatusPageForm;

using cCharaPageView = cSheetPageView;

// Shared by every page (InheritPageStates).
void CommonPageStates(const cCharaPageForm& page, const cEdChara& chara, const cCharaPageView& view,
                      cCtrlStates& states);

// The whole refresh of each page.
void BasicPageStates(const cEdChara& chara, const cCharaPageView& view, cCtrlStates& states);
// dedicatedCount: entries of the character dedicated bitmap table.
void GraphicPageStates(const cEdChara& chara, const cCharaPageView& view, int dedicatedCount, cCtrlStates& states);
void StatusPageStates(const cEdChara& chara, const cCharaPageView& view, cCtrlStates& states);

// Rows of "継承データ" (SourceIndexRows); row r stands for index r + 1.
inline cVector<cString> InheritIndexRows(int palette) { return SourceIndexRows<cEdChara>(palette); }

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
// Holds the cell number, and for the sheets with an offset the offset, to the sheet's limits: the
// rule of a sheet the user chose.
void ClampGraphicToSheet(cEdChara& chara, int dedicatedCount);

// Combo rows from the database: anime sets ("01 name" for entry 0), character effects ("なし",
// then "001 name") and effects ("なし", then "01 name").
cVector<cString> AnimeSetRows(const cDatabaseSet& db);
cVector<cString> CharaEffectRows(const cDatabaseSet& db);
cVector<cString> EffectRows(const cDatabaseSet& db);

// A giant object covers side x side cells; the stored giant size is the side, 1 ("しない") to 10
// ("×100"), a stored value outside that range counting as the nearest.
int GiantSide(int giant);
