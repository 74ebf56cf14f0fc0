#pragma once
// Which data sheet is in use, as the stage editor's open-sheet pointers tell it: m_pBlockSheet,
// m_pCharaSheet and m_pItemSheet name the sheet of each kind opened last, and opening one clears
// the other two. The condition and command editors decide from this which list they serve, which
// subjects they name and which flow page is meant; the windows fill it from the pointers.

#include <cstdint>

struct cOpenSheets {
  int32_t m_bBlock = 0;
  int32_t m_bChara = 0;
  int32_t m_bItem = 0;
  // The current page of the character or item sheet.
  int32_t m_nPage = 0;
  // The item sheet's effect command chooser is running (the second page's "フローの変更" flows).
  int32_t m_bItemEffectChooser = 0;
  // m_pEditFlows is set: the standalone flow page ("フローデータ") of an item command runs.
  int32_t m_bEditFlows = 0;
};

class cStageEditState;
// The flags the edit state's pointers give; the windows add the current page and the chooser.
cOpenSheets OpenSheetsOf(const cStageEditState& state);
