#include "database/DbRowLabels.h"

#include "database/cAnimeData.h"
#include "database/cEffectData.h"
#include "database/cSwordTypeData.h"

void AnimeMotionRowLabel(cString* text, int32_t, const cAnimeData* motion) {
  text->Format("%s ×%d", motion->m_strName.GetStr(), motion->m_vFrame.Count());
}

void AnimeFrameRowLabel(cString* text, int32_t, const cAnimeFrameData* frame) {
  text->Format(frame->m_bRunCommand ? "実行 %d-%d" : "%d-%d", frame->m_nCell, frame->m_nTime);
}

void EffectFrameRowLabel(cString* text, int32_t, const cEffectFrameData* frame) {
  text->Format("%d-%d", frame->m_nCell, frame->m_nTime);
}

void SwordPosRowLabel(cString* text, int32_t, const cSwordPosData* position) {
  // Direction 4 has an empty name, and so has a value no dialog offers (a damaged file).
  int direction = position->m_nDirection;
  const char* name = direction >= 0 && direction < 5 ? SwordDirNames[direction].GetStr() : "";
  text->Format("%s(%d,%d) 横%d 縦%d 時間%d", name, position->m_nOffsetX, position->m_nOffsetY,
               position->m_nWidth, position->m_nHeight, position->m_nTime);
}
