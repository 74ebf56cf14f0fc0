#include "editors/OpenSheets.h"

#include "stage/cStageEditState.h"

cOpenSheets OpenSheetsOf(const cStageEditState& state) {
  cOpenSheets sheets;
  sheets.m_bBlock = state.m_pBlockSheet != nullptr;
  sheets.m_bChara = state.m_pCharaSheet != nullptr;
  sheets.m_bItem = state.m_pItemSheet != nullptr;
  sheets.m_bEditFlows = state.m_pEditFlows != nullptr;
  return sheets;
}
