#include "model/cEdBlock.h"

#include "app/cApplication.h"
#include "model/cPaletteLists.h"

const cString OnOffNames[3] = {"OFF", "ON", ""};
const cString GraphicSheetNames[6] = {"ブロック", "キャラ", "アイテム", "ショット", "専用bmp", ""};
const cString MarkShowNames[4] = {"表示しない", "表示する", "エディターでのみ表示", ""};
const cString BlockTypeNames[4] = {"当たらない", "当たる", "主人公が当たると即死", ""};
const cString FactionNames[10] = {"なし", "0", "1", "2", "3", "4", "5", "6", "7", ""};
const cString BlockActionNames[7] = {"なし",
                                     "ジャンプ X=高さ(hbl)",
                                     "ジャンプ禁止",
                                     "移動速度変更 X=％",
                                     "左移動 X=移動速度",
                                     "右移動 X=移動速度",
                                     ""};
const cString ItemPaletteNames[4] = {"なし", "コモンパレット", "ステージパレット", ""};
const cString ItemPaletteNamesCommon[3] = {"なし", "コモンパレット", ""};

int ShiftedShotGraphic(int graphic) { return graphic >= 119 ? 119 : graphic + 1; }

void cEdBlock::SetDefaults() {
  const cEdBlock fresh;
  CopyFrom(const_cast<cEdBlock&>(fresh));
  m_bbInherit = fresh.m_bbInherit;
}

void cEdBlock::RegisterFields(uint32_t) {
  ClearFields();
  RegisterChar(&m_cInheritPalette);
  RegisterShort(&m_nInheritIndex);
  RegisterString(&m_strName);
  RegisterChar(&m_cAppearJudge);
  RegisterChar(&m_bAppearOnce);
  RegisterShort(&m_nGraphic);
  RegisterChar(&m_cGraphicSheet);
  RegisterShort(&m_nGraphicFrame);
  RegisterChar(&m_bFront);
  RegisterChar(&m_bTransparent);
  RegisterChar(&m_cMarkShow);
  RegisterShort(&m_nMark);
  RegisterChar(&m_cBlockType);
  RegisterChar(&m_cDisabledFaction);
  RegisterChar(&m_cAction);
  RegisterInt(&m_nActionX);
  RegisterChar(&m_cItemPalette);
  RegisterShort(&m_nItemIndex);
  RegisterChar(&m_bNoBlockSummon);
}

void cEdBlock::Load(cReadStream& stream) {
  cDataRecord::Load(stream);
  stream.Read(&m_nCellX, 2);
  stream.Read(&m_nCellY, 2);
  ReadByteVector(m_bbInherit, stream);
  LoadList(m_vAppearCond, stream);
  if (stream.Failed()) return;
  // 219: the shot sheet's numbering moved up one.
  if (VersionRead() < 219 && m_cGraphicSheet == 3) m_nGraphic = static_cast<int16_t>(ShiftedShotGraphic(m_nGraphic));
  // Palettes load before what follows them, so the source is already in place.
  ApplyInheritance();
  // The conditions validated themselves as they loaded (inherited ones in their palette).
  ValidateOwn();
}

void cEdBlock::Save(cWriteStream& stream) {
  Validate();
  cDataRecord::Save(stream);
  stream.Write(&m_nCellX, 2);
  stream.Write(&m_nCellY, 2);
  WriteByteVector(m_bbInherit, stream);
  SaveList(m_vAppearCond, stream);
}

void cEdBlock::Validate() {
  ValidateOwn();
  for (cCondData& cond : m_vAppearCond) cond.Validate();
}

void cEdBlock::ValidateOwn() {
  ValidateInheritSource(m_cInheritPalette, m_nInheritIndex, PaletteBlockCount(m_cInheritPalette));
  // An empty block neither blocks nor refuses a summon.
  if (m_nGraphic == 0) {
    m_cBlockType = 0;
    m_bNoBlockSummon = 0;
  }
}

void cEdBlock::ValidateItemRef() {
  if ((m_cItemPalette == kPaletteCommon || m_cItemPalette == kPaletteStage) &&
      !IsValidIndex(m_nItemIndex, PaletteItemCount(m_cItemPalette))) {
    m_cItemPalette = 0;
    m_nItemIndex = 0;
  }
}

bool cEdBlock::operator==(const cEdBlock& other) const {
  if (m_nGraphic == 0 && other.m_nGraphic == 0) return true;
  return Equal(const_cast<cEdBlock&>(*this), const_cast<cEdBlock&>(other)) && m_bbInherit == other.m_bbInherit &&
         m_vAppearCond == other.m_vAppearCond;
}
