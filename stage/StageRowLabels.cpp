#include "stage/StageRowLabels.h"

#include "stage/cBackgroundData.h"

void BackgroundRowLabel(cString* text, int32_t, const cBackgroundData* background) {
  text->Set(background->m_bShowFromStart ? "○" : "‐");
  if (background->m_bUseColor) text->AppendFormat(" 色番号%d", background->m_nColor);
  else text->AppendFormat(" %s", background->m_strPicture.GetStr());
}
