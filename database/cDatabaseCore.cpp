#include "database/cDatabaseCore.h"

#include "app/cBgmManager.h"

const cDbTabInfo kDbTabs[kTabCount] = {
    {212, "基本アニメセット", 1159}, {226, "アニメ", 1160},         {141, "キャラの専用bmp", 1054},
    {222, "ソードタイプ", 1207},     {211, "エフェクト", 1158},     {210, "キャラエフェクト", 1157},
    {235, "画面エフェクト", 1224},   {237, "ピクチャー", 1232},     {199, "効果音", 1057},
    {220, "BGM", 1198},
};
const char* const kDatabaseTitle = "データベース";

cDatabaseCore::cDatabaseCore(cDatabaseSet& set, cCharaBitmapTarget& bitmaps, cDatabaseHost& host)
    : m_AnimeSet(set.m_vAnimeSet),
      m_Anime(set.m_vAnime),
      m_CharaExc(set.m_vCharaExc, bitmaps),
      m_SwordType(set.m_vSwordType),
      m_Effect(set.m_vEffect),
      m_CharaEffect(set.m_vCharaEffect),
      m_ScrEffect(set.m_vScrEffect),
      m_Picture(set.m_vPicture),
      m_Sound(set.m_vSound),
      m_Bgm(set.m_vBgm),
      m_Set(set),
      m_Host(host),
      m_apPage{&m_AnimeSet, &m_Anime,       &m_CharaExc, &m_SwordType, &m_Effect,
               &m_CharaEffect, &m_ScrEffect, &m_Picture,  &m_Sound,     &m_Bgm} {}

cDbPageCore& cDatabaseCore::Page(int tab) { return *m_apPage[tab]; }

void cDatabaseCore::OnPageShown(int tab) {
  if (!Page(tab).WasShown()) Page(tab).OnShown();
}

int cDatabaseCore::ApplyAll() {
  for (int pass = 0; pass < 2; ++pass)
    for (cDbPageCore* page : m_apPage) page->Apply();
  m_bApplyEnabled = m_Set.SaveDatabaseTables() ? 0 : 1;
  return !m_bApplyEnabled;
}

int cDatabaseCore::OnOk() {
  if (!ApplyAll()) return 0;
  Close();
  return 1;
}

void cDatabaseCore::OnCancel() { Close(); }

void cDatabaseCore::Close() {
  if (!m_bOpen) return;
  m_bOpen = 0;
  g_BgmManager.Stop();
  m_Host.OnDatabaseClosed();
}
