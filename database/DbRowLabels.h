#pragma once
// Row labels of the database pages' lists of sub-records. The table lists show the record's
// name (NameRowLabel).

#include <cstdint>

#include "app/cString.h"

class cAnimeData;
class cAnimeFrameData;
class cEffectFrameData;
class cSwordPosData;

// "%s ×%d": the motion's name and its number of frames.
void AnimeMotionRowLabel(cString* text, int32_t index, const cAnimeData* motion);
// "実行 %d-%d" for a frame that runs the command, else "%d-%d": cell, display time.
void AnimeFrameRowLabel(cString* text, int32_t index, const cAnimeFrameData* frame);
// "%d-%d": cell, display time.
void EffectFrameRowLabel(cString* text, int32_t index, const cEffectFrameData* frame);
// "%s(%d,%d) 横%d 縦%d 時間%d": direction, offset, size, display time.
void SwordPosRowLabel(cString* text, int32_t index, const cSwordPosData* position);
