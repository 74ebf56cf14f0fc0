#include "model/cEdItem.h"

#include "app/cApplication.h"
#include "database/cDatabaseSet.h"
#include "model/cEdBlock.h"
#include "model/cPaletteLists.h"

const cString TakeModeNames[4] = {"1回だけ取れる", "何回でも取れる", "取れない", ""};

void cEdItem::SetDefaults() {
  const cEdItem fresh;
  CopyFrom(const_cast<cEdItem&>(fresh));
  m_bbInherit = fresh.m_bbInherit;
}

void cEdItem::RegisterFields(uint32_t) {
  ClearFields();
  RegisterChar(&m_cInheritPalette);
  RegisterShort(&m_nInheritIndex);
  RegisterString(&m_strName);
  RegisterChar(&m_cAppearJudge);
  RegisterChar(&m_bAppearOnce);
  RegisterShort(&m_nOffsetX);
  RegisterShort(&m_nOffsetY);
  RegisterShort(&m_nGraphic);
  RegisterChar(&m_cGraphicSheet);
  RegisterShort(&m_nGraphicFrame);
  RegisterChar(&m_cZ);
  RegisterChar(&m_bTransparent);
  RegisterChar(&m_cMarkShow);
  RegisterShort(&m_nMark);
  // Stored before the take mode, though declared after it.
  RegisterChar(&m_bShowOnTake);
  RegisterChar(&m_cTakeMode);
  RegisterChar(&m_cGiant);
  RegisterShort(&m_nSound);
}

void cEdItem::Load(cReadStream& stream) {
  cDataRecord::Load(stream);
  stream.Read(&m_nCellX, 2);
  stream.Read(&m_nCellY, 2);
  ReadByteVector(m_bbInherit, stream);
  LoadList(m_vAppearCond, stream);
  LoadList(m_vEffect, stream);
  if (stream.Failed()) return;
  // 219: the shot sheet's numbering moved up one.
  if (VersionRead() < 219 && m_cGraphicSheet == 3) m_nGraphic = static_cast<int16_t>(ShiftedShotGraphic(m_nGraphic));
  // Palettes load before what follows them, so the source is already in place.
  ApplyInheritance();
  // Conditions and effects validated themselves as they loaded (inherited ones in their palette).
  ValidateOwnRefs();
}

void cEdItem::Save(cWriteStream& stream) {
  ValidateRefs();
  cDataRecord::Save(stream);
  stream.Write(&m_nCellX, 2);
  stream.Write(&m_nCellY, 2);
  WriteByteVector(m_bbInherit, stream);
  SaveList(m_vAppearCond, stream);
  SaveList(m_vEffect, stream);
}

void cEdItem::ValidateRefs() {
  ValidateOwnRefs();
  for (cCondData& cond : m_vAppearCond) cond.Validate();
  for (cCommandData& command : m_vEffect) command.Validate();
}

void cEdItem::ValidateOwnRefs() {
  ValidateInheritSource(m_cInheritPalette, m_nInheritIndex, PaletteItemCount(m_cInheritPalette));
  if (m_cGiant <= 0) m_cGiant = 1;
  ClearInvalid(m_nSound, g_DatabaseSet.m_vSound.Count());
}

void cEdItem::ValidatePaletteRefs() {
  for (cCommandData& command : m_vEffect) command.ValidatePaletteRefs();
}

bool cEdItem::operator==(const cEdItem& other) const {
  if (m_nGraphic == 0 && other.m_nGraphic == 0) return true;
  return Equal(const_cast<cEdItem&>(*this), const_cast<cEdItem&>(other)) && m_bbInherit == other.m_bbInherit &&
         m_vAppearCond == other.m_vAppearCond && m_vEffect == other.m_vEffect;
}
