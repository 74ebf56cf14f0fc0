#include "editors/CtrlStates.h"

void cCtrlStates::SetText(uint16_t id, const cString& text) {
  cState& state = At(id);
  state.m_bHasText = 1;
  state.m_strText = text;
}

void cCtrlStates::SetRange(uint16_t id, int32_t min, int32_t max) {
  cState& state = At(id);
  state.m_bHasRange = 1;
  state.m_nMin = min;
  state.m_nMax = max;
}

void cCtrlStates::EnableAll(const uint16_t* ids, int count, bool on) {
  for (int i = 0; i < count; ++i) Enable(ids[i], on);
}

int cCtrlStates::Enabled(uint16_t id) const {
  const cState* state = Find(id);
  return state ? state->m_nEnabled : -1;
}

int cCtrlStates::Shown(uint16_t id) const {
  const cState* state = Find(id);
  return state ? state->m_nShown : -1;
}

int cCtrlStates::Checked(uint16_t id) const {
  const cState* state = Find(id);
  return state ? state->m_nChecked : -1;
}

const cString* cCtrlStates::Text(uint16_t id) const {
  const cState* state = Find(id);
  return state && state->m_bHasText ? &state->m_strText : nullptr;
}

int cCtrlStates::Range(uint16_t id, int32_t& min, int32_t& max) const {
  const cState* state = Find(id);
  if (!state || !state->m_bHasRange) return 0;
  min = state->m_nMin;
  max = state->m_nMax;
  return 1;
}

cCtrlStates::cState& cCtrlStates::At(uint16_t id) {
  for (cState& state : m_vState)
    if (state.m_nId == id) return state;
  m_vState.push_back(cState());
  m_vState.back().m_nId = id;
  return m_vState.back();
}

const cCtrlStates::cState* cCtrlStates::Find(uint16_t id) const {
  for (const cState& state : m_vState)
    if (state.m_nId == id) return &state;
  return nullptr;
}
