#include "database/cDatabaseSet.h"

#include "app/DataFile.h"
#include "app/MessageBox.h"
#include "database/ReportFileLoadFailure.h"

const char* const cDatabaseSet::kTableFiles[kDatabaseTableCount] = {
    "data\\database\\AnimeSet.dat",    "data\\database\\Anime.dat",       "data\\database\\Bmp_CharaExc.dat",
    "data\\database\\SwordType.dat",   "data\\database\\Effect.dat",      "data\\database\\CharaEffect.dat",
    "data\\database\\ScrEffect.dat",   "data\\database\\Picture.dat",     "data\\database\\Sound.dat",
    "data\\database\\Bgm.dat",
};

template <class Visit>
int cDatabaseSet::ForEachTable(Visit visit) {
  return visit(m_vAnimeSet, kTableFiles[0]) && visit(m_vAnime, kTableFiles[1]) &&
         visit(m_vCharaExc, kTableFiles[2]) && visit(m_vSwordType, kTableFiles[3]) &&
         visit(m_vEffect, kTableFiles[4]) && visit(m_vCharaEffect, kTableFiles[5]) &&
         visit(m_vScrEffect, kTableFiles[6]) && visit(m_vPicture, kTableFiles[7]) &&
         visit(m_vSound, kTableFiles[8]) && visit(m_vBgm, kTableFiles[9]);
}

void cDatabaseSet::SetDefaults() {
  m_vAnimeSet.Reset(1);
  m_vAnime.Reset(2);
  m_vAnime[0].m_strName = "なし";
  m_vAnime[1].m_strName = "アクションA";
  m_vCharaExc.Reset(2);
  m_vSwordType.Reset(1);
  m_vEffect.Reset(2);
  m_vCharaEffect.Reset(2);
  m_vScrEffect.Reset(2);
  m_vPicture.Reset(2);
  m_vSound.Reset(2);
  m_vBgm.Reset(2);
}

int cDatabaseSet::LoadDatabaseTables() {
  int loaded = ForEachTable([](auto& table, const char* path) {
    if (LoadTableFile(table, path)) return 1;
    ReportFileLoadFailure(path);
    return 0;
  });
  if (!loaded) return 0;
  ResetNoneEffectKinds();
  return 1;
}

int cDatabaseSet::SaveDatabaseTables() {
  ResetNoneEffectKinds();
  cString failed;
  ForEachTable([&failed](auto& table, const char* path) {
    if (!SaveTableFile(table, path)) failed.AppendFormat("\n%s", path);
    return 1;
  });
  if (failed.IsEmpty()) return 1;
  // One box for all: the user sees at once every file that still holds the old tables.
  cString text("データベースのファイルを保存できませんでした！");
  text += failed.GetStr();
  ErrorBox(text.GetStr());
  return 0;
}

void cDatabaseSet::ResetNoneEffectKinds() {
  if (m_vCharaEffect.empty()) m_vCharaEffect.resize(1);
  if (m_vScrEffect.empty()) m_vScrEffect.resize(1);
  m_vCharaEffect[0].m_nKind = 0;
  m_vScrEffect[0].m_nKind = 0;
}
