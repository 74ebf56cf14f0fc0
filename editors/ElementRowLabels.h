#pragma once
// Row labels of the element editors' lists: flows, conditions, key conditions and commands.

#include <cstdint>

#include "app/cString.h"

class cCommandData;
class cCondData;
class cFlowData;
class cKeyCondData;

// "×%d %s %s": the number of commands, the ID letter ("-", "A".."Z"), the group letter ("-",
// "a".."z").
void FlowRowLabel(cString* text, int32_t index, const cFlowData* flow);
// The condition's one-line text, its subject 0 the player: blocks and items.
void HeroCondRowLabel(cString* text, int32_t index, const cCondData* condition);
// The same with subject 0 the character itself: characters, flows and flow operations.
void SelfCondRowLabel(cString* text, int32_t index, const cCondData* condition);
void KeyCondRowLabel(cString* text, int32_t index, const cKeyCondData* keyCondition);
// The command's one-line text by its kind; kind 0 shows nothing.
void CommandRowLabel(cString* text, int32_t index, const cCommandData* command);
