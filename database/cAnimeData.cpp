#include "database/cAnimeData.h"

#include "app/cApplication.h"

const char* const kMotionNames[kMotionCount] = {"立ち", "立ち移動", "飛行", "飛行移動"};

void cAnimeFrameData::RegisterFields(uint32_t) {
  ClearFields();
  RegisterInt(&m_nCell);
  RegisterInt(&m_nTime);
  RegisterInt(&m_bRunCommand);
}

// Every field is registered, so setting each is the record's clear, without walking the registry
// for each of the many frames a table holds.
void cAnimeFrameData::SetDefaults() {
  m_nCell = 0;
  m_nTime = 1;
  m_bRunCommand = 0;
}

void cAnimeData::RegisterFields(uint32_t version) {
  ClearFields();
  RegisterString(&m_strName);
  if (version >= 55) {
    RegisterShort(&m_nGraphic);
    RegisterChar(&m_cGraphicSheet);
    RegisterShort(&m_nStartCell);
  }
}

void cAnimeData::Load(cReadStream& stream) {
  cDataRecord::Load(stream);
  if (!stream.Failed()) LoadList(m_vFrame, stream);
}

void cAnimeData::Save(cWriteStream& stream) {
  cDataRecord::Save(stream);
  SaveList(m_vFrame, stream);
}

void cAnimeData::SetDefaults() {
  Clear();
  m_vFrame.Reset(1);
  m_cGraphicSheet = 1;
}

void cAnimeSetData::RegisterFields(uint32_t version) {
  ClearFields();
  RegisterString(&m_strName);
  RegisterInt(&m_nShiftInvincible);
  RegisterInt(&m_nShiftBlock);
  if (version >= 119) RegisterInt(&m_nShiftFly);
}

void cAnimeSetData::Load(cReadStream& stream) {
  cDataRecord::Load(stream);
  if (stream.Failed() || !LoadList(m_vMotion, stream)) return;
  Upgrade(VersionRead());
}

void cAnimeSetData::Save(cWriteStream& stream) {
  cDataRecord::Save(stream);
  SaveList(m_vMotion, stream);
}

void cAnimeSetData::SetDefaults() {
  Clear();
  m_nShiftInvincible = 4;
  m_nShiftBlock = 8;
  m_nShiftFly = 0;
  FitMotions();
  for (int i = 0; i < kMotionCount; ++i) m_vMotion[i].m_strName = kMotionNames[i];
}

void cAnimeSetData::Upgrade(uint32_t version) {
  // A set whose file held more or fewer motions would leave the pages and the game without one.
  FitMotions();
  // Before 128 the two flying motions were stored under other names.
  if (version < 128) {
    m_vMotion[kMotionFly].m_strName = kMotionNames[kMotionFly];
    m_vMotion[kMotionFlyMove].m_strName = kMotionNames[kMotionFlyMove];
  }
}

void cAnimeSetData::FitMotions() {
  int stored = m_vMotion.Count();
  m_vMotion.resize(kMotionCount);
  for (int i = stored; i < kMotionCount; ++i) m_vMotion[i].m_strName = kMotionNames[i];
}
