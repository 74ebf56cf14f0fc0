#pragma once
// The character group window (template 271, "キャラのグループ情報") apart from its window: its 60
// group buttons, which of them the placed characters use, the shortcuts it passes on to the stage
// editor window, and where it opens and what it stores of its place.

#include <cstdint>

#include "editors/CtrlStates.h"

class cStageDoc;
class cWindowPlacement;

constexpr int kCharaGroupCount = 60;
// The button of group i (its caption is the decimal number i).
extern const uint16_t kCharaGroupButtons[kCharaGroupCount];

// Sets used[g] to 1 for each group g in 0 .. 59 that a placed character uses (its has-group flag
// set), 0 for the others. A stored group number outside 0 .. 59 checks no button.
void UsedCharaGroups(const cStageDoc& stage, int32_t (&used)[kCharaGroupCount]);

// The buttons as a repaint shows them: captions "0" .. "59", checked exactly for the groups used.
void CharaGroupStates(const cStageDoc& stage, cCtrlStates& states);

// 1 for the stage editor's shortcuts that the group window sends on unchanged: 40003 (Ctrl+N),
// 40004 (Ctrl+O), 40005 (Ctrl+S), 40006 (Ctrl+T), 40010 (Ctrl+Y), 40011 (Ctrl+Z), 40133 (Ctrl+G).
int IsForwardedGroupCommand(uint16_t id);
// 1 for the key the group window sends on as a key-down: Space (virtual key 0x20).
int IsForwardedGroupKey(unsigned virtualKey);

// Where the window opens: its stored place when valid, else 8 pixels right of the stage editor
// window and 80 pixels above it.
void CharaGroupWindowPos(const cWindowPlacement& placement, int32_t editorX, int32_t editorY, int32_t& x,
                         int32_t& y);
// What closing stores: the window rectangle, sizes counting both edges, marked valid.
void StoreCharaGroupPlacement(cWindowPlacement& placement, int32_t left, int32_t top, int32_t right, int32_t bottom);
