#pragma once
// What the palettes and the stage take from the project options: the default record of each kind,
// which a palette list with fewer than two entries receives as entry 1, and the inheritance that a
// new stage palette entry and a brush chosen in a palette window get.

#include <cstdint>

#include "model/cEdBlock.h"
#include "model/cEdChara.h"
#include "model/cEdItem.h"

const cEdBlock& ProjectDefault(const cEdBlock*);
const cEdChara& ProjectDefault(const cEdChara*);
const cEdItem& ProjectDefault(const cEdItem*);

// Points a new stage palette entry at index of the palette the project names for new entries of
// its kind, with that case's flags, and resolves it.
void SetNewStageEntrySource(cEdBlock& entry, int16_t index);
void SetNewStageEntrySource(cEdChara& entry, int16_t index);
void SetNewStageEntrySource(cEdItem& entry, int16_t index);

// Points a brush taken from entry index of a palette (selPalette: 0 common, 1 stage) at that entry,
// with the source palette and flags of the project's case for objects placed from that palette.
void SetBrushSource(cEdBlock& brush, int selPalette, int16_t index);
void SetBrushSource(cEdChara& brush, int selPalette, int16_t index);
void SetBrushSource(cEdItem& brush, int selPalette, int16_t index);
