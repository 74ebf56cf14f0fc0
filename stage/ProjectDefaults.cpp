#include "stage/ProjectDefaults.h"

#include "model/Inheritance.h"

// Stand-ins until the project options exist: new records, and no source.
const cEdBlock& ProjectDefault(const cEdBlock*) {
  static const cEdBlock record;
  return record;
}
const cEdChara& ProjectDefault(const cEdChara*) {
  static const cEdChara record;
  return record;
}
const cEdItem& ProjectDefault(const cEdItem*) {
  static const cEdItem record;
  return record;
}

void SetNewStageEntrySource(cEdBlock& entry, int16_t index) {
  SetInheritSource(&entry, 0, 0, index, cVector<int8_t>(cEdBlock::kGroupCount));
}
void SetNewStageEntrySource(cEdChara& entry, int16_t index) {
  SetInheritSource(&entry, 1, 0, index, cVector<int8_t>(cEdChara::kGroupCount));
}
void SetNewStageEntrySource(cEdItem& entry, int16_t index) {
  SetInheritSource(&entry, 2, 0, index, cVector<int8_t>(cEdItem::kGroupCount));
}
