#include "database/win/cDbPageCharaExc.h"

#include "model/cEdChara.h"

cDbPageCharaExc::cDbPageCharaExc(uint16_t templateId, cDatabaseWnd& window, cDbPageCharaExcCore& core)
    : cDbFilePage(templateId, window, kTabCharaExc, core, kListCharaExcTable, kIdcPath, &cCharaExcData::m_strPath) {
  AddCtrlGroup(m_vChecks, kIdcGiant, &m_Core.m_Edit.m_bGiant);
  AddCtrlGroup(m_vCombos, kIdcGiantSize, &m_Core.m_Edit.m_nGiantSize, GiantSizeNames, kGiantSizeItemOffset);
}

void cDbPageCharaExc::UpdateDependentControls() {
  cDbFilePage::UpdateDependentControls();
  if (cCtrlCheck<int32_t>* giant = FindCtrlById(m_vChecks, kIdcGiant))
    EnableCtrl(kIdcGiantSize, GiantSizeEnabled(giant->GetCheck()));
}
