#pragma once
// The character data sheet apart from its windows: the shared sheet edit (editors/SheetEdit.h) on a
// character, which the sheet holds; its first page works on the edit's character, the other pages
// on copies of their own.

#include <cstdint>

#include "app/cString.h"
#include "editors/SheetEdit.h"
#include "model/cEdChara.h"

// The four pages, in tab order.
enum : int32_t { kCharaPageBasic = 0, kCharaPageGraphic = 1, kCharaPageStatus = 2, kCharaPageFlow = 3 };
constexpr int kCharaPageCount = 4;

using cCharaEditTarget = cSheetEditTarget<cEdChara>;
using cCharaSheetSetup = cSheetSetup;

inline cCharaEditTarget CharaEditTargetOf(const cStageEditState& state) { return SheetEditTargetOf<cEdChara>(state); }
inline const cCharaSheetSetup& CharaSheetSetup(int context) { return SheetSetup(context); }
inline int CharaSheetStartPage() { return SheetStartPage<cEdChara>(); }

// Gives a character its first flow when it has none; 1 when one was added.
int EnsureFlow(cEdChara& chara);

class cCharaSheetEdit : public cSheetEdit<cEdChara> {
public:
  cEdChara& Chara() { return Record(); }
};

// Copies a page's character into the working copies of the other three pages; any from-page but
// 0..3 does nothing. copies[i] is page i's copy.
inline void RelayChara(cEdChara* const (&copies)[kCharaPageCount], const cEdChara& chara, int fromPage) {
  RelaySheetRecord(copies, chara, fromPage);
}
