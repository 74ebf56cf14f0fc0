#pragma once
// The rules of the database pages and their dialogs that need no window: what a browse offers,
// how a name follows its file, which controls a choice enables, the ranges of every numeric edit
// (what OK stores) and the sound previews. The texts of list rows are in DbRowLabels.h.

#include <cstdint>

#include "app/cString.h"
#include "database/MediaPreview.h"
#include "database/cAnimeData.h"
#include "database/cEffectData.h"
#include "database/cSwordTypeData.h"
#include "editors/FieldTable.h"

// Control ids shared by the table pages.
enum : int {
  kIdcName = 1002,
  kIdcPath = 1003,
  kIdcBrowse = 1055,
  kIdcNew = 1066,
  kIdcClear = 1056,
  kIdcDataCount = 11071,
  kIdcSameAsFileName = 14390,
  kIdcGiant = 14391,
  kIdcGiantSize = 1266,
  kIdcPlay = 1309,
};
constexpr int kNameLimit = 12;    // characters, a double-byte one counting as one
constexpr int kPathLimit = 260;   // bytes
constexpr int kDataCountMin = 1;  // the range of the data count dialog
constexpr int kDataCountMax = 999;

extern const cBrowseForm kCharaExcBrowse;
extern const cBrowseForm kSwordBrowse;
extern const cBrowseForm kEffectBrowse;
extern const cBrowseForm kPictureBrowse;
extern const cBrowseForm kSoundBrowse;
extern const cBrowseForm kBgmBrowse;

// A file chosen in a browse, made relative to the working folder. 0 for a file on another drive:
// the command then ends at once, with no change and no change notice.
int AcceptBrowsedFile(cString& path);

// The name rule of the pages with "ファイル名と同じ": with the flag on, the name becomes the file
// name of the path without its extension (a file name without a dot leaves the name). The result
// is whether the name edit is enabled.
int FollowFileName(int32_t sameAsFileName, const cString& path, cString& name);

// The giant rule of the dedicated bitmap page: the size combo box is enabled with "巨大キャラ"; its
// item p stands for giant size p + 2.
constexpr int kGiantSizeItemOffset = 2;
inline int GiantSizeEnabled(int32_t giant) { return giant ? 1 : 0; }

// The graphic rule of the two anime pages, by the graphic kind of the sample combo box.
enum : int { kGraphicKindChara = 1, kGraphicKindDedicated = 4 };
struct cGraphicRule {
  int32_t m_bStartCellEnabled = 0;
  int32_t m_nStartCellMax = 0;  // the start cell runs from 0
  int32_t m_nNumberMax = 0;     // the graphic number runs from 1
  int32_t m_bPickerEnabled = 0;
};
cGraphicRule GraphicRuleOf(int kind, int charaExcCount);
// The graphic kind the user chose for an anime: its graphic number within 1 .. the kind's last
// number, and its start cell within the kind's cells where the kind has a start cell (the other
// kinds keep it).
void ApplyGraphicKind(cAnimeData& anime, int charaExcCount);

// The numeric edits (each with its up-down), check boxes and combo boxes of the pages and their
// dialogs, as rows of field tables: the windows bind their controls from them, and OK stores what
// the rows' ranges allow (StoreClamped).
// The sword position dialog (template 223).
constexpr int kSwordPosFieldCount = 7;
extern const cNumField<cSwordPosData> kSwordPosFields[kSwordPosFieldCount];
extern const cCheckField<cSwordPosData, int32_t> kSwordPosChecks[2];
constexpr int kIdcSwordDirection = 1128;
extern const cComboField<cSwordPosData> kSwordPosCombos[1];
// The effect frame dialog (template 236).
extern const cNumField<cEffectFrameData> kEffectFrameFields[2];
// The anime pattern dialog (template 221): cell, display time and the run-command check box.
extern const cNumField<cAnimeFrameData> kAnimeFrameFields[2];
extern const cCheckField<cAnimeFrameData, int32_t> kAnimeFrameRunCheck[1];
// The effect page's cell size (template 211) and its check box "巨大化を許可" ("ファイル名と同じ" is
// every file page's).
extern const cNumField<cEffectData> kEffectCellFields[2];
extern const cCheckField<cEffectData, int32_t> kEffectChecks[1];
// The anime set page's three cell shifts (template 212).
extern const cNumField<cAnimeSetData> kAnimeSetShiftFields[3];

