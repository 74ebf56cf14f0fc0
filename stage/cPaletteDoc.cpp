#include "stage/cPaletteDoc.h"

#include <memory>

#include "app/DataFile.h"
#include "stage/ProjectDefaults.h"

namespace {

template <class T>
void ClearInheritFlags(cVector<T>& list) {
  for (T& entry : list)
    for (auto& flag : entry.m_bbInherit) flag = 0;
}

// 1 when the list was short and entry 1 became the project's default record.
template <class T>
int FillShortList(cVector<T>& list) {
  if (list.Count() >= 2) return 0;
  list.resize(2);
  list[1] = ProjectDefault(static_cast<const T*>(nullptr));
  return 1;
}

}  // namespace

cPaletteDoc::cPaletteDoc(int palette) : m_nPalette(palette) {
  if (cPaletteLists* lists = PaletteLists(m_nPalette)) *lists = {&m_vBlock, &m_vChara, &m_vItem};
  SetDefaults();
}

cPaletteDoc::~cPaletteDoc() {
  cPaletteLists* lists = PaletteLists(m_nPalette);
  if (lists && lists->m_pvBlock == &m_vBlock) *lists = cPaletteLists();
}

void cPaletteDoc::SetDefaults() {
  Clear();
  m_vBlock.Reset(1);
  m_vChara.Reset(1);
  m_vItem.Reset(1);
  m_nFilledLists = 0;
}

void cPaletteDoc::Normalise() {
  cPaletteListsScope own(kPaletteCommon, {&m_vBlock, &m_vChara, &m_vItem});
  if (FillShortList(m_vBlock)) m_nFilledLists |= 1;
  if (FillShortList(m_vChara)) m_nFilledLists |= 2;
  if (FillShortList(m_vItem)) m_nFilledLists |= 4;
  for (cEdBlock& block : m_vBlock) {
    block.Validate();
    block.ValidateItemRef();
  }
  for (cEdChara& chara : m_vChara) {
    chara.Validate();
    chara.ValidatePaletteRefs();
  }
  for (cEdItem& item : m_vItem) {
    item.ValidateRefs();
    item.ValidatePaletteRefs();
  }
}

void cPaletteDoc::ValidateEntries() {
  cPaletteListsScope own(kPaletteCommon, {&m_vBlock, &m_vChara, &m_vItem});
  for (cEdBlock& block : m_vBlock) block.Validate();
  for (cEdChara& chara : m_vChara) chara.Validate();
  for (cEdItem& item : m_vItem) item.ValidateRefs();
  for (cEdBlock& block : m_vBlock) block.ValidateItemRef();
  for (cEdChara& chara : m_vChara) chara.ValidatePaletteRefs();
  for (cEdItem& item : m_vItem) item.ValidatePaletteRefs();
}

void cPaletteDoc::ApplyProjectDefaults() {
  if (m_nFilledLists & 1) m_vBlock[1] = ProjectDefault(static_cast<const cEdBlock*>(nullptr));
  if (m_nFilledLists & 2) m_vChara[1] = ProjectDefault(static_cast<const cEdChara*>(nullptr));
  if (m_nFilledLists & 4) m_vItem[1] = ProjectDefault(static_cast<const cEdItem*>(nullptr));
  m_nFilledLists = 0;
  Normalise();
}

void cPaletteDoc::Load(cReadStream& stream) {
  // Entries load into the lists that records name as the common palette.
  cPaletteListsScope own(kPaletteCommon, {&m_vBlock, &m_vChara, &m_vItem});
  cDataRecord::Load(stream);
  if (stream.Failed() || !LoadList(m_vBlock, stream) || !LoadList(m_vChara, stream) || !LoadList(m_vItem, stream))
    return;
  if (!m_vBlock.empty()) m_vBlock[0] = cEdBlock();
  if (!m_vChara.empty()) m_vChara[0] = cEdChara();
  if (!m_vItem.empty()) m_vItem[0] = cEdItem();
  ClearInheritFlags(m_vBlock);
  ClearInheritFlags(m_vChara);
  ClearInheritFlags(m_vItem);
  m_nFilledLists = 0;
  Normalise();
}

void cPaletteDoc::Save(cWriteStream& stream) {
  Normalise();
  cDataRecord::Save(stream);
  SaveList(m_vBlock, stream);
  SaveList(m_vChara, stream);
  SaveList(m_vItem, stream);
}

int cPaletteDoc::LoadPaletteFile(const char* path) {
  cReadStream* stream = OpenDataFileRead(path);
  if (!stream) return 0;
  std::unique_ptr<cPaletteDoc> loaded(new cPaletteDoc);
  loaded->Load(*stream);
  bool ok = !stream->Failed();
  CloseDataFile(stream);
  if (!ok) return 0;
  m_vBlock.swap(loaded->m_vBlock);
  m_vChara.swap(loaded->m_vChara);
  m_vItem.swap(loaded->m_vItem);
  m_nFilledLists = loaded->m_nFilledLists;
  return 1;
}
