#include "project/ProjectRowLabels.h"

#include "project/cWorldMapDoc.h"

void WorldEventPageRowLabel(cString* text, int32_t, const cWorldEventPage* page) {
  text->Format("ワールド番号 %d", page->m_nWorldNo);
}
