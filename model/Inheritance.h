#pragma once
// Inheritance: a block, character or item may follow an entry of the common or the stage palette.
// The record names its source (palette kind and index) and holds one flag per field group; every
// flagged group takes the source entry's values whenever inheritance is resolved.
//
// Each record class has one table of groups in group order; group i copies exactly the members
// that flag i governs. A group copies only when its values differ from the source's, so resolving
// a record that already follows its source changes nothing and allocates nothing.

#include <cstdint>

#include "app/cString.h"
#include "model/cPaletteLists.h"

class cEdBlock;
class cEdChara;
class cEdItem;

// One field group: copy its members from a source record, or tell whether they already match.
template <class T>
struct cInheritGroup {
  void (*m_pfnCopy)(T& record, const T& source);
  bool (*m_pfnSame)(const T& record, const T& source);
};

extern const cInheritGroup<cEdBlock> kBlockInheritGroups[11];
extern const cInheritGroup<cEdChara> kCharaInheritGroups[37];
extern const cInheritGroup<cEdItem> kItemInheritGroups[13];

// Sources offered by the data sheets' "継承パレット" box; the stored value is the row.
extern const cString InheritSourceNames[4];
extern const cString InheritSourceNamesCommon[3];
extern const cString InheritSourceNamesNone[2];
extern const cString InheritSourceNamesStage[3];

// True when resolving the record would change it (its source went away, or a flagged group
// differs from the source).
bool InheritanceChanges(const cEdBlock& record);
bool InheritanceChanges(const cEdChara& record);
bool InheritanceChanges(const cEdItem& record);

// Points a record at a palette entry (kind: 0 block, 1 character, 2 item; palette: 1 common,
// 2 stage, other none) and gives it the flags; a source past the end of its list clears source and
// flags instead. Then resolves the record at once.
template <class T, class Flags>
void SetInheritSource(T* lpData, int kind, int palette, int16_t index, Flags DefInheritCheck);

namespace vx_detail {
int PaletteListCount(int kind, int palette);
void ReportInheritFlagCount();
}  // namespace vx_detail

template <class T, class Flags>
void SetInheritSource(T* lpData, int kind, int palette, int16_t index, Flags DefInheritCheck) {
  int count = vx_detail::PaletteListCount(kind, palette);
  // The common palette's test reads the index as unsigned; the stage palette's as signed.
  bool invalid = (palette == kPaletteCommon && static_cast<uint32_t>(static_cast<int32_t>(index)) >=
                                                   static_cast<uint32_t>(count)) ||
                 (palette == kPaletteStage && index >= count);
  if (invalid) {
    lpData->m_cInheritPalette = 0;
    lpData->m_nInheritIndex = 0;
    for (auto& flag : lpData->m_bbInherit) flag = 0;
  } else {
    lpData->m_cInheritPalette = static_cast<int8_t>(palette);
    lpData->m_nInheritIndex = index;
    if (lpData->m_bbInherit.size() != DefInheritCheck.size()) vx_detail::ReportInheritFlagCount();
    lpData->m_bbInherit.assign(DefInheritCheck);
  }
  lpData->ApplyInheritance();
}
