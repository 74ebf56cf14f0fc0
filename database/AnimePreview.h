#pragma once
// The animated samples of the two anime pages and the anime pattern dialog: the schedule a page
// hands to the preview player, the cell the sample shows, and the dialog's working copy of frames.

#include <cstdint>

#include "app/Utility.h"
#include "database/DbPageRules.h"
#include "database/cAnimeData.h"
#include "listctrl/cCtrlListCore.h"

// Ticks of the 60-a-second idle tick in one tenth of a second.
constexpr int32_t kTicksPerTenth = 6;

// One entry per frame (its cell, its display time in ticks), then a restart. An anime without
// frames plays one default frame; a cell below 0 (a damaged file) plays as cell 0, so that no
// frame is taken for a code of the player.
cAnimeSchedule BuildPreviewSchedule(const cAnimeData& anime);
// The schedule as the only pattern of the preview player, started from its first entry.
void StartPreview(const cAnimeData& anime);

// The frame cell the sample adds to its cell: the preview player stepped one tick (advance 1) or
// as it stands (0); 0 while the player has no schedule.
int32_t PreviewFrameCell(int advance);

// The motions of an anime set whose sample adds the flying shift.
inline int IsFlyingMotion(int motion) { return motion == kMotionFly || motion == kMotionFlyMove; }
// The cell the sample shows: the start cell, the flying shift for a flying motion (-1: no motion,
// the anime page), and the player's frame cell.
int32_t SampleCell(int32_t startCell, int motion, int32_t flyingShift, int32_t frameCell);

// Before a motion's pattern is edited it takes the graphic of motion 0, which the page's sample
// controls edit; the motion to edit is returned.
cAnimeData& PrepareMotion(cAnimeSetData& set, int motion);

// The anime pattern dialog: a working copy of the target's frames in its frame list of 1 to 99
// frames, which the dialog attaches with ListParam() and binds here.
class cAnimePatternCore {
public:
  // An anime without frames gets one default frame first, which stays even after Cancel. motion:
  // the anime set's motion being edited, -1 when the anime page opened the dialog.
  cAnimePatternCore(cAnimeData& target, int motion);
  cAnimePatternCore(const cAnimePatternCore&) = delete;
  cAnimePatternCore& operator=(const cAnimePatternCore&) = delete;

  // The frame list: m_vWork edited, m_Edit the frame the dialog's controls show.
  cListParam<cAnimeFrameData> ListParam();
  void BindList(cCtrlListCore<cAnimeFrameData>& list) { m_pList = &list; }

  // Commands run only for the anime page's animes; a motion's frames run none.
  int RunCommandEnabled() const { return m_nMotion < 0 ? 1 : 0; }
  // LBN_SELCHANGE of the frame list.
  void OnSelChange() { m_pList->OnSelChange(); }
  // The edits' values, clamped, into the edited frame, and it into the selected frame.
  void StoreControls(int64_t cell, int64_t time, int32_t runCommand);
  int Insert() { return m_pList->Insert(); }
  int Delete() { return m_pList->Delete(-1, 0); }
  // OK: the working copy becomes the target's frames. Cancel leaves them.
  void Ok() { m_Target.m_vFrame = m_vWork; }
  // The still preview: the target's start cell, the cell edit's value, the flying shift of a
  // flying motion.
  int32_t PreviewCell(int32_t cellShown, int32_t flyingShift) const;

  cAnimeData& Target() { return m_Target; }
  cCtrlListCore<cAnimeFrameData>& List() { return *m_pList; }

  cVector<cAnimeFrameData> m_vWork;
  cAnimeFrameData m_Edit;

private:
  cAnimeData& m_Target;
  int m_nMotion;
  cCtrlListCore<cAnimeFrameData>* m_pList = nullptr;
};
