#include "editors/win/cDlgKeyCond.h"

#include "model/FlowVocabulary.h"

cDlgKeyCond* cDlgKeyCond::s_lpInstance = nullptr;

cDlgKeyCond::cDlgKeyCond(uint16_t templateId, cWindow* parent, int32_t, cListEditContext* context,
                         cModelessList* list, cCtrl* place, int32_t center)
    : cBoundDialog(templateId, parent, list, place, center),
      m_Edit(static_cast<cKeyCondData*>(context->m_pElement)) {
  s_lpInstance = this;
  m_lpfnProc = Proc;
  cKeyCondData& shown = m_Edit.Work();
  // A record of a damaged file may hold fewer states; the dialog shows all of them.
  if (shown.m_vKeyState.Count() < cKeyCondData::kKeyCount) shown.m_vKeyState.resize(cKeyCondData::kKeyCount, 0);
  for (int key = 0; key < cKeyCondData::kKeyCount; ++key)
    AddCtrlGroup(m_Ctrls.m_vCombos, kKeyStateCombos[key], MemoryRef(&shown.m_vKeyState[key], 1), KeyStateNames, 0);
  AddFields(m_Ctrls, kKeyCondNumFields, shown);
  AddFields(m_Ctrls, kKeyCondCheckFields, shown);
  AddFields(m_Ctrls, kKeyCondComboFields, shown);
}

cDlgKeyCond::~cDlgKeyCond() {
  if (s_lpInstance == this) s_lpInstance = nullptr;
}

INT_PTR CALLBACK cDlgKeyCond::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
}

void cDlgKeyCond::Rules(uint16_t, cCtrlStates& states) { ApplyKeyCondTimeRule(m_Edit.Work(), states); }

int cDlgKeyCond::Accept() {
  m_Edit.Ok();
  return 1;
}
