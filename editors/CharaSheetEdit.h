#pragma once
// The character data sheet apart from its windows: which record a sheet edits in each of its four
// edit contexts, the copy its first page works on, previous and next through a palette, and what
// a commit writes back, with the undo step and modified flag it sets.
//
// The first page (cCharaBasicPage) owns one cCharaSheetEdit; the other pages hold their own copies
// and reach it through the sheet for previous and next.

#include <cstddef>
#include <cstdint>

#include "app/MessageBox.h"
#include "app/Utility.h"
#include "app/cString.h"
#include "app/cVector.h"
#include "model/cEdChara.h"

class cStageEditState;

// Edit contexts (cStageEditState::m_nEditContext).
enum : int32_t {
  kEditPlaced = 0,          // a character placed in the stage
  kEditStagePalette = 1,    // an entry of the stage palette
  kEditCommonPalette = 2,   // an entry of the common palette
  kEditProjectDefault = 3,  // the project's default character
};

// The four pages, in tab order.
enum : int32_t { kCharaPageBasic = 0, kCharaPageGraphic = 1, kCharaPageStatus = 2, kCharaPageFlow = 3 };
constexpr int kCharaPageCount = 4;

// Where the edited record lives. A placed character is named by its cell, never by a pointer: the
// layer shares its cells with the undo snapshots until one is written, so the commit must write the
// cell through the layer after the snapshot is taken.
struct cCharaEditTarget {
  int32_t m_nContext = kEditPlaced;
  int32_t m_nIndex = 0;           // the cell (context 0) or the palette index (contexts 1 and 2)
  cEdChara* m_pRecord = nullptr;  // the project's default character (context 3)
};

// The target the stage editor's edit state names: its context, its index (the cell in context 0,
// the palette index in 1 and 2) and, in context 3, the record m_pEditChara points at.
cCharaEditTarget CharaEditTargetOf(const cStageEditState& state);

// What a context offers on the pages.
struct cCharaSheetSetup {
  const cString* m_pSources;     // rows of "継承パレット", a name table
  int32_t m_bSourceCombos;       // "継承パレット" and "継承データ" can be changed
  int32_t m_bNavigation;         // previous, next and "No.%d" are shown
  int32_t m_bControlTypeLocked;  // the control-type group and its "継承→" stay disabled
};

// An unknown context offers the least: no sources, no navigation, a locked control type.
const cCharaSheetSetup& CharaSheetSetup(int context);

// The page the sheet opens on: the one current when it was last closed, held to the four pages.
int CharaSheetStartPage();

// Gives a character its first flow when it has none; 1 when one was added.
int EnsureFlow(cEdChara& chara);

// "No.%d" of a palette index.
cString EntryNumberText(int index);

class cCharaSheetEdit {
public:
  // Takes the record in: gives the record itself a flow when it has none (kept even on cancel),
  // copies the palette's list (contexts 1 and 2) and the record, and resolves the copy's
  // inheritance so that inherited groups show the source's values. 0 when the target names no
  // record; nothing is touched then.
  int Open(const cCharaEditTarget& target);

  int Context() const { return m_Target.m_nContext; }
  // The palette index shown (contexts 1 and 2).
  int EditIndex() const { return m_Target.m_nIndex; }
  const cCharaSheetSetup& Setup() const { return CharaSheetSetup(m_Target.m_nContext); }
  // The first page's working copy, the one a commit writes.
  cEdChara& Chara() { return m_Chara; }
  // The palette list copy that previous and next move through.
  const cVector<cEdChara>& List() const { return m_vList; }

  // 1 when previous and next lead to an entry other than the one shown.
  int CanStep() const;
  // Keeps shown (a page's copy of the entry) in the list copy, moves by delta (-1 previous, +1
  // next) within entries 1 .. count - 1 with wrap-around, gives the new entry a flow when it has
  // none, and returns it for the page to load; null when there is nothing to step to. The stage
  // editor's edit index follows, so that the closing sheet rebuilds the brush from the entry shown.
  const cEdChara* Step(int delta, const cEdChara& shown);

  // Apply and OK: records the current page, then writes the first page's copy back as the context
  // says. 0 when the record is no longer there (nothing written).
  int Commit(int currentPage);
  // Cancel: records the current page; writes nothing.
  void Cancel(int currentPage);

private:
  cVector<cEdChara>* PaletteList() const;

  cCharaEditTarget m_Target;
  cVector<cEdChara> m_vList;
  cEdChara m_Chara;
  int m_bOpen = 0;
};

// Copies a page's character into the working copies of the other three pages; any from-page but
// 0..3 does nothing. copies[i] is page i's copy.
void RelayChara(cEdChara* const (&copies)[kCharaPageCount], const cEdChara& chara, int fromPage);

// Makes every page of a sheet through make(i), in tab order. When one cannot be made, the out-of-
// memory message is shown, the pages made so far are deleted, every slot is null and 0 is
// returned: the caller must not run the sheet.
template <class Page, size_t N, class Make>
int MakeSheetPages(Page* (&pages)[N], Make make) {
  for (Page*& page : pages) page = nullptr;
  for (size_t i = 0; i < N; ++i) {
    pages[i] = make(static_cast<int>(i));
    if (pages[i]) continue;
    OutOfMemory();
    for (Page*& page : pages) SafeDelete(page);
    return 0;
  }
  return 1;
}
