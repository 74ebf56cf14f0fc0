#include "model/cFlowData.h"

#include "app/cApplication.h"

void cFlowData::SetDefaults() {
  const cFlowData fresh;
  CopyFrom(const_cast<cFlowData&>(fresh));
}

void cFlowData::RegisterFields(uint32_t version) {
  ClearFields();
  RegisterChar(&m_cId);
  RegisterChar(&m_cGroup);
  RegisterChar(&m_bTestPlayOnly);
  RegisterChar(&m_cJudge);
  RegisterChar(&m_bOnce);
  RegisterChar(&m_cTrigger);
  if (version >= 762) RegisterChar(&m_bTriggerTarget);
  if (version >= 767) RegisterChar(&m_cTriggerTargetNo);
  RegisterChar(&m_cKeyEase);
  RegisterChar(&m_bHoldRepeat);
  if (version >= 676) RegisterString(&m_strMemo);
}

void cFlowData::Load(cReadStream& stream) {
  cDataRecord::Load(stream);
  LoadList(m_vCond, stream);
  LoadList(m_vKeyCond, stream);
  LoadList(m_vCommand, stream);
  if (stream.Failed()) return;
  // Its conditions, key conditions and commands validated themselves as they loaded.
  if (VersionRead() < kDataVersion) Upgrade(VersionRead());
}

void cFlowData::Save(cWriteStream& stream) {
  Validate();
  cDataRecord::Save(stream);
  SaveList(m_vCond, stream);
  SaveList(m_vKeyCond, stream);
  SaveList(m_vCommand, stream);
}

void cFlowData::Upgrade(uint32_t v) {
  // 132: a trigger was inserted at 11.
  if (v <= 131 && m_cTrigger >= 11) ++m_cTrigger;
  // 163: triggered flows lose their group.
  if (v < 163 && m_cTrigger != 0) m_cGroup = 0;
  // 164: two triggers were inserted at 5.
  if (v < 164 && m_cTrigger >= 5) m_cTrigger += 2;
  // 762: three triggers were inserted at 18.
  if (v < 762 && m_cTrigger >= 18) m_cTrigger += 3;
}

void cFlowData::Validate() {
  for (cCondData& cond : m_vCond) cond.Validate();
  for (cKeyCondData& key : m_vKeyCond) key.Validate();
  for (cCommandData& command : m_vCommand) command.Validate();
}

void cFlowData::ValidatePaletteRefs() {
  for (cCommandData& command : m_vCommand) command.ValidatePaletteRefs();
}

bool cFlowData::IsEmpty() const {
  return m_strMemo.empty() && m_cId == 0 && m_cGroup == 0 && m_cTrigger == 0 && m_vCond.empty() &&
         m_vKeyCond.empty() && m_vCommand.empty();
}

bool cFlowData::operator==(const cFlowData& other) const {
  return Equal(const_cast<cFlowData&>(*this), const_cast<cFlowData&>(other)) && m_vCond == other.m_vCond &&
         m_vKeyCond == other.m_vKeyCond && m_vCommand == other.m_vCommand;
}
