#pragma once
// A palette: the ordered lists of blocks, characters and items that the author paints with. The
// common palette (data\CommonPalette.cplt4) is the one document of this class; each stage keeps
// its stage palette in three lists of its own (cStageDoc), under the same rules:
//  - entry 0 of every list is the empty entry;
//  - every list has at least two entries: a short list is filled up with new records and entry 1
//    becomes the project's default record of its kind;
//  - entries of the common palette never inherit.
// Entries are named by their index, which is never renumbered; references past the end of a list
// are reset by the validation.

#include <cstdint>

#include "app/cDataRecord.h"
#include "model/cEdBlock.h"
#include "model/cEdChara.h"
#include "model/cEdItem.h"
#include "model/cPaletteLists.h"

class cPaletteDoc : public cDataRecord {
public:
  // palette: the palette kind whose lists these are for the life of the document (the global
  // common palette is kPaletteCommon); other documents name theirs only while they work on them.
  explicit cPaletteDoc(int palette = kPaletteNone);
  ~cPaletteDoc() override;
  cPaletteDoc(const cPaletteDoc&) = delete;
  cPaletteDoc& operator=(const cPaletteDoc&) = delete;

  void RegisterFields(uint32_t) override { RegisterNoFields(); }
  void Load(cReadStream& stream) override;
  void Save(cWriteStream& stream) override;

  void SetDefaults();
  // The two-entry rule, then every entry validated.
  void Normalise();
  void ValidateEntries();
  // Reads a palette file into a separate document and takes its lists only when the whole file
  // loaded; 0 and this palette unchanged otherwise.
  int LoadPaletteFile(const char* path);
  // Start-up loads the common palette before the project options: once those are loaded, entry 1
  // of every list that loading had to fill up takes the project's default record as they say.
  void ApplyProjectDefaults();

  cVector<cEdBlock> m_vBlock;
  cVector<cEdChara> m_vChara;
  cVector<cEdItem> m_vItem;

private:
  // Which lists the two-entry rule filled up (1 blocks, 2 characters, 4 items) since the project
  // defaults were last applied.
  int m_nFilledLists = 0;
  int m_nPalette;
};

extern cPaletteDoc g_CommonPalette;
