#pragma once
// The block, character and item data sheets apart from their windows: which record a sheet edits
// in each of its four edit contexts, the copy its first page works on, previous and next through a
// palette, and what a commit writes back, with the undo step and modified flag it sets. One
// template serves the three kinds; what differs between them (their layer, lists, open page and
// what opening adds to a record) is the kind's own.

#include <cstddef>
#include <cstdint>

#include "app/MessageBox.h"
#include "app/Utility.h"
#include "app/cString.h"
#include "app/cVector.h"
#include "model/cEdBlock.h"
#include "model/cEdChara.h"
#include "model/cEdItem.h"

class cStageEditState;

// Edit contexts (cStageEditState::m_nEditContext).
enum : int32_t {
  kEditPlaced = 0,          // an object placed in the stage
  kEditStagePalette = 1,    // an entry of the stage palette
  kEditCommonPalette = 2,   // an entry of the common palette
  kEditProjectDefault = 3,  // the project's default record
};

// What a context offers on the pages of every sheet.
struct cSheetSetup {
  const cString* m_pSources;     // rows of "継承パレット", a name table
  int32_t m_bSourceCombos;       // "継承パレット" and "継承データ" can be changed
  int32_t m_bNavigation;         // previous, next and "No.%d" are shown
  int32_t m_bControlTypeLocked;  // the character's control-type group and its "継承→" stay disabled
};

// An unknown context offers the least: no sources, no navigation, a locked control type.
const cSheetSetup& SheetSetup(int context);

// "No.%d" of a palette index.
cString EntryNumberText(int index);

// Where the edited record lives. A placed object is named by its cell, never by a pointer: the
// layer shares its cells with the undo snapshots until one is written, so the commit must write the
// cell through the layer after the snapshot is taken.
template <class T>
struct cSheetEditTarget {
  int32_t m_nContext = kEditPlaced;
  int32_t m_nIndex = 0;    // the cell (context 0) or the palette index (contexts 1 and 2)
  T* m_pRecord = nullptr;  // the project's default record (context 3)
};

// The target the stage editor's edit state names: its context, its index and, in context 3, the
// record m_pEditBlock, m_pEditChara or m_pEditItem points at.
template <class T>
cSheetEditTarget<T> SheetEditTargetOf(const cStageEditState& state);

// The layer of each kind's records (0 blocks, 1 characters, 2 items), the pages of its sheet and
// the page the sheet opens on: the one current when it was last closed, held to its pages.
template <class T>
int SheetKind();
template <class T>
int SheetPageCount();
template <class T>
int SheetStartPage();

template <class T>
class cSheetEdit {
public:
  // Takes the record in: prepares the record itself as its kind needs (kept even on cancel),
  // copies the palette's list (contexts 1 and 2) and the record, and resolves the copy's
  // inheritance so that inherited groups show the source's values. 0 when the target names no
  // record; nothing is touched then.
  int Open(const cSheetEditTarget<T>& target);

  int Context() const { return m_Target.m_nContext; }
  // The palette index shown (contexts 1 and 2).
  int EditIndex() const { return m_Target.m_nIndex; }
  const cSheetSetup& Setup() const { return SheetSetup(m_Target.m_nContext); }
  // The first page's working copy, the one a commit writes.
  T& Record() { return m_Record; }
  const T& Record() const { return m_Record; }
  // The palette list copy that previous and next move through.
  const cVector<T>& List() const { return m_vList; }

  // 1 when previous and next lead to an entry other than the one shown.
  int CanStep() const;
  // Keeps shown (a page's copy of the entry) in the list copy, moves by delta (-1 previous, +1
  // next) within entries 1 .. count - 1 with wrap-around, prepares the new entry, and returns it
  // for the page to load; null when there is nothing to step to. The stage editor's edit index
  // follows, so that the closing sheet rebuilds the brush from the entry shown.
  const T* Step(int delta, const T& shown);

  // Apply and OK: records the current page, then writes the first page's copy back as the context
  // says. 0 when the record is no longer there (nothing written).
  int Commit(int currentPage);
  // Cancel: records the current page; writes nothing.
  void Cancel(int currentPage);

private:
  cVector<T>* PaletteList() const;

  cSheetEditTarget<T> m_Target;
  cVector<T> m_vList;
  T m_Record;
  int m_bOpen = 0;
};

extern template class cSheetEdit<cEdBlock>;
extern template class cSheetEdit<cEdChara>;
extern template class cSheetEdit<cEdItem>;
using cBlockSheetEdit = cSheetEdit<cEdBlock>;
using cItemSheetEdit = cSheetEdit<cEdItem>;

// Copies a page's record into the working copies of the sheet's other pages; a from-page outside
// the sheet's count pages does nothing. copies[i] is page i's copy (null: a page that keeps none).
template <class T>
void RelaySheetRecord(T* const* copies, int count, const T& record, int fromPage) {
  if (fromPage < 0 || fromPage >= count) return;
  for (int page = 0; page < count; ++page)
    if (page != fromPage && copies[page]) *copies[page] = record;
}
template <class T, size_t N>
void RelaySheetRecord(T* const (&copies)[N], const T& record, int fromPage) {
  RelaySheetRecord(copies, static_cast<int>(N), record, fromPage);
}

// Makes the count pages of a sheet through make(i), in tab order. When one cannot be made, the
// out-of-memory message is shown, the pages made so far are deleted, every slot is null and 0 is
// returned: the caller must not run the sheet.
template <class Page, class Make>
int MakeSheetPages(Page** pages, int count, Make make) {
  for (int i = 0; i < count; ++i) pages[i] = nullptr;
  for (int i = 0; i < count; ++i) {
    pages[i] = make(i);
    if (pages[i]) continue;
    OutOfMemory();
    for (int j = 0; j < count; ++j) SafeDelete(pages[j]);
    return 0;
  }
  return 1;
}
