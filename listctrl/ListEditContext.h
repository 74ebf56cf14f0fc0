#pragma once
// What a page hands to the edit dialog of a list row, and how the dialog runs.

#include <cstdint>

// The block of the second form of edit dialogs: the element edited, whether the row was inserted
// just before, and words that the page and its dialog use between them. The dialog copies it.
struct cListEditContext {
  void* m_pElement = nullptr;
  int32_t m_bInsert = 0;
  int32_t m_anPage[4] = {};
};
static_assert(sizeof(void*) != 4 || sizeof(cListEditContext) == 24, "the block is 24 bytes");

// What happens to the registered windows and open sheets while an edit dialog runs.
enum : int {
  kListRunAlone = 0,    // left as they are
  kListRunHide = 1,     // hidden
  kListRunDisable = 2,  // disabled
};
