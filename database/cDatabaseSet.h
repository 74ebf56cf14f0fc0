#pragma once
// The ten tables of the database and their files. Other documents name an entry by its index;
// entry 0 of every table but the anime sets and the sword types stands for no entry.

#include "app/cDataRecord.h"
#include "database/cAnimeData.h"
#include "database/cCharaEffectData.h"
#include "database/cCharaExcData.h"
#include "database/cEffectData.h"
#include "database/cPictureData.h"
#include "database/cSwordTypeData.h"

constexpr int kDatabaseTableCount = 10;

class cDatabaseSet : public cDataRecord {
public:
  cDatabaseSet() { SetDefaults(); }
  void RegisterFields(uint32_t) override { RegisterNoFields(); }

  void SetDefaults();
  // Reads the ten files in table order; at the first that fails, the box names it and the result
  // is 0 (the tables before it keep what they read, that one and the later ones stay as they were).
  int LoadDatabaseTables();
  // Writes the ten files; a file that cannot be written does not stop the others. 0 after one box
  // that names every file not written.
  int SaveDatabaseTables();
  // Entry 0 of the two effect tables is the effect of kind 0, added when a table has none.
  void ResetNoneEffectKinds();

  // The file of each table, in table order.
  static const char* const kTableFiles[kDatabaseTableCount];

  cVector<cAnimeSetData> m_vAnimeSet;
  cVector<cAnimeData> m_vAnime;
  cVector<cCharaExcData> m_vCharaExc;
  cVector<cSwordTypeData> m_vSwordType;
  cVector<cEffectData> m_vEffect;
  cVector<cCharaEffectData> m_vCharaEffect;
  cVector<cScrEffectData> m_vScrEffect;
  cVector<cPictureData> m_vPicture;
  cVector<cSoundData> m_vSound;
  cVector<cBgmData> m_vBgm;

private:
  // Calls visit(table, file) for each table in table order while it returns non-zero.
  template <class Visit>
  int ForEachTable(Visit visit);
};

extern cDatabaseSet g_DatabaseSet;
