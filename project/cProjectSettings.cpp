#include "project/cProjectSettings.h"

#include <algorithm>

#include "app/cApplication.h"
#include "app/cWindowPlacement.h"
#include "model/cFlagVector.h"

cProjectSettings::cProjectSettings() {
  RegisterFields(kDataVersion);
  SetDefaults();
}

int cProjectSettings::GroupCount(int kind) {
  static const int kCounts[kKinds] = {cEdBlock::kGroupCount, cEdChara::kGroupCount, cEdItem::kGroupCount};
  return kCounts[kind];
}

int8_t cProjectSettings::DefaultFlag(int situation, int kind, int group) {
  if (situation == 0) return 0;
  // Placed objects follow their source in everything but where and whether they appear (and, for
  // characters, their facing, group and held item).
  switch (kind) {
    case kKindBlock:
    case kKindItem:
      return group == 1 ? 0 : 1;
    default:
      return group == 4 || group == 5 || group == 33 || group == 35 ? 0 : 1;
  }
}

void cProjectSettings::SetDefaults() {
  Clear();
  m_DefBlock.SetDefaults();
  m_DefChara.SetDefaults();
  m_DefItem.SetDefaults();
  m_DefBlock.m_nGraphic = 1;
  m_DefChara.m_nGraphic = 1;
  m_DefItem.m_nGraphic = 1;
  for (int situation = 0; situation < kSituations; ++situation) {
    for (int kind = 0; kind < kKinds; ++kind) {
      m_nDefInheritPal[situation][kind] = situation;
      cVector<int8_t>& flags = m_bbDefInherit[situation][kind];
      flags.Reset(GroupCount(kind));
      for (int group = 0; group < flags.Count(); ++group) flags[group] = DefaultFlag(situation, kind, group);
    }
  }
  m_bAutoGameProgram = 1;
  m_strGameProgram = "";
  m_nOldStageMode = kOldStageMove;
}

void cProjectSettings::RegisterFields(uint32_t version) {
  ClearFields();
  auto registerSituation = [&](int situation) {
    for (int kind = 0; kind < kKinds; ++kind) RegisterInt(&m_nDefInheritPal[situation][kind]);
  };
  if (version < 130) RegisterDiscard(4);
  if (version >= 51) registerSituation(0);
  if (version >= 70) registerSituation(1);
  if (version >= 51) registerSituation(2);
  RegisterInt(&m_bAutoGameProgram);
  if (version >= 142) RegisterInt(&m_nOldStageMode);
  if (version < 130) {
    RegisterDiscardString();
    RegisterDiscardString();
    RegisterDiscardString();
  }
  RegisterString(&m_strGameProgram);
}

void cProjectSettings::Load(cReadStream& stream) {
  uint32_t version = VersionRead();
  cDataRecord::Load(stream);
  if (stream.Failed()) return;
  if (version >= 120) {
    m_DefBlock.Load(stream);
    if (!stream.Failed()) m_DefChara.Load(stream);
    if (!stream.Failed()) m_DefItem.Load(stream);
  }
  // Window places that these files once carried; the editor configuration keeps them now.
  if (version >= 71 && version < 130) {
    cWindowPlacement dropped;
    for (int i = 0; i < 11 && !stream.Failed(); ++i) dropped.Load(stream);
  }
  bool read[kSituations];
  for (int situation = 0; situation < kSituations; ++situation) {
    read[situation] = version >= 50 && (situation != 1 || version >= 70);
    for (int kind = 0; kind < kKinds && read[situation]; ++kind)
      if (!stream.Failed()) ReadByteVector(m_bbDefInherit[situation][kind], stream);
  }
  if (stream.Failed()) return;
  if (version < kDataVersion) Upgrade(version, read);
  FitFlagsToGroups();
  std::fill(m_DefBlock.m_bbInherit.begin(), m_DefBlock.m_bbInherit.end(), 0);
  std::fill(m_DefChara.m_bbInherit.begin(), m_DefChara.m_bbInherit.end(), 0);
  std::fill(m_DefItem.m_bbInherit.begin(), m_DefItem.m_bbInherit.end(), 0);
}

void cProjectSettings::Save(cWriteStream& stream) {
  cDataRecord::Save(stream);
  m_DefBlock.Save(stream);
  m_DefChara.Save(stream);
  m_DefItem.Save(stream);
  for (auto& situation : m_bbDefInherit)
    for (cVector<int8_t>& flags : situation) WriteByteVector(flags, stream);
}

void cProjectSettings::Upgrade(uint32_t v, const bool read[kSituations]) {
  // Only vectors read from the file have the old layout; the others already have today's.
  auto resize = [&](int kind) {
    for (int situation = 0; situation < kSituations; ++situation)
      if (read[situation]) m_bbDefInherit[situation][kind].resize(static_cast<size_t>(GroupCount(kind)), 0);
  };
  // A group added in that version: placed objects follow their source in it, new entries do not.
  auto open = [&](int kind, int index) {
    resize(kind);
    for (int situation = 0; situation < kSituations; ++situation) {
      if (!read[situation]) continue;
      cVector<int8_t>& flags = m_bbDefInherit[situation][kind];
      ShiftFlagsUp(flags, index);
      flags[index] = situation == 0 ? 0 : 1;
    }
  };
  if (v < 81) resize(kKindChara);
  if (v < 88) {
    open(kKindBlock, 5);
    open(kKindChara, 14);
    open(kKindItem, 7);
  }
  if (v < 92) resize(kKindBlock);
  if (v < 105) open(kKindChara, 3);
  if (v < 142) m_nOldStageMode = kOldStageMove;
  if (v < 168) open(kKindChara, 27);
  if (v < 201) open(kKindChara, 24);
  if (v < 210) open(kKindChara, 21);
}

void cProjectSettings::FitFlagsToGroups() {
  // The editors address every group of a kind: a short vector takes the missing flags from the
  // defaults, and flags beyond the groups belong to nothing.
  for (int situation = 0; situation < kSituations; ++situation) {
    for (int kind = 0; kind < kKinds; ++kind) {
      cVector<int8_t>& flags = m_bbDefInherit[situation][kind];
      int count = GroupCount(kind);
      for (int group = flags.Count(); group < count; ++group) flags.push_back(DefaultFlag(situation, kind, group));
      flags.resize(static_cast<size_t>(count));
    }
  }
}
