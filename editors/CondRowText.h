#pragma once
// The row texts of condition lists and key-condition lists: one line that reads like a sentence.

#include "app/cString.h"
#include "app/cVector.h"

class cCondData;
class cKeyCondData;

// Sets text to the row of a condition. subjects names subjects 0..5 as the list in use offers
// them: "主人公" first for blocks and items, "自分" for characters and flows, "システム" last.
void CondRowText(cString& text, const cCondData& condition, const cVector<cString>& subjects);

// Appends the row of a key condition: its press time, then the pressed keys joined by the
// judge type's symbol, with one blank at the end.
void KeyCondRowText(cString& text, const cKeyCondData& keyCondition);
