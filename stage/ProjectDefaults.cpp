#include "stage/ProjectDefaults.h"

#include "model/Inheritance.h"
#include "project/cProjectSettings.h"

namespace {
// The project's cases: a new entry of a stage palette, an object placed from the common palette,
// an object placed from the stage palette.
enum { kNewStageEntry = 0, kPlacedFromCommon = 1, kPlacedFromStage = 2 };

template <class T>
void SetCaseSource(T& record, int situation, int kind, int16_t index) {
  SetInheritSource(&record, kind, g_ProjectSettings.m_nDefInheritPal[situation][kind], index,
                   g_ProjectSettings.m_bbDefInherit[situation][kind]);
}

int BrushCase(int selPalette) { return selPalette == 0 ? kPlacedFromCommon : kPlacedFromStage; }
}  // namespace

const cEdBlock& ProjectDefault(const cEdBlock*) { return g_ProjectSettings.m_DefBlock; }
const cEdChara& ProjectDefault(const cEdChara*) { return g_ProjectSettings.m_DefChara; }
const cEdItem& ProjectDefault(const cEdItem*) { return g_ProjectSettings.m_DefItem; }

void SetNewStageEntrySource(cEdBlock& entry, int16_t index) {
  SetCaseSource(entry, kNewStageEntry, cProjectSettings::kKindBlock, index);
}
void SetNewStageEntrySource(cEdChara& entry, int16_t index) {
  SetCaseSource(entry, kNewStageEntry, cProjectSettings::kKindChara, index);
}
void SetNewStageEntrySource(cEdItem& entry, int16_t index) {
  SetCaseSource(entry, kNewStageEntry, cProjectSettings::kKindItem, index);
}

void SetBrushSource(cEdBlock& brush, int selPalette, int16_t index) {
  SetCaseSource(brush, BrushCase(selPalette), cProjectSettings::kKindBlock, index);
}
void SetBrushSource(cEdChara& brush, int selPalette, int16_t index) {
  SetCaseSource(brush, BrushCase(selPalette), cProjectSettings::kKindChara, index);
}
void SetBrushSource(cEdItem& brush, int selPalette, int16_t index) {
  SetCaseSource(brush, BrushCase(selPalette), cProjectSettings::kKindItem, index);
}
