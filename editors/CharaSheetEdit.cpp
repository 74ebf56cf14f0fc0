#include "editors/CharaSheetEdit.h"

int EnsureFlow(cEdChara& chara) {
  if (!chara.m_vFlow.empty()) return 0;
  chara.m_vFlow.push_back(cFlowData());
  return 1;
}
