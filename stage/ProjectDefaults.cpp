#include "stage/ProjectDefaults.h"

#include "model/Inheritance.h"
#include "project/cProjectSettings.h"

namespace {
// The project's case for a new entry of a stage palette.
constexpr int kNewStageEntry = 0;

template <class T>
void SetNewEntrySource(T& entry, int kind, int16_t index) {
  SetInheritSource(&entry, kind, g_ProjectSettings.m_nDefInheritPal[kNewStageEntry][kind], index,
                   g_ProjectSettings.m_bbDefInherit[kNewStageEntry][kind]);
}
}  // namespace

const cEdBlock& ProjectDefault(const cEdBlock*) { return g_ProjectSettings.m_DefBlock; }
const cEdChara& ProjectDefault(const cEdChara*) { return g_ProjectSettings.m_DefChara; }
const cEdItem& ProjectDefault(const cEdItem*) { return g_ProjectSettings.m_DefItem; }

void SetNewStageEntrySource(cEdBlock& entry, int16_t index) {
  SetNewEntrySource(entry, cProjectSettings::kKindBlock, index);
}
void SetNewStageEntrySource(cEdChara& entry, int16_t index) {
  SetNewEntrySource(entry, cProjectSettings::kKindChara, index);
}
void SetNewStageEntrySource(cEdItem& entry, int16_t index) {
  SetNewEntrySource(entry, cProjectSettings::kKindItem, index);
}
