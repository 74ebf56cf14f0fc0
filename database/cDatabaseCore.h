#pragma once
// The database window without its windows: the ten pages in tab order, which of them were shown,
// the commit of OK and Apply, and what closing leaves behind. The window (database/win) is a
// property sheet that hands its notifications to this.

#include <cstdint>

#include "database/cDbPages.h"

enum : int {
  kTabAnimeSet,
  kTabAnime,
  kTabCharaExc,
  kTabSwordType,
  kTabEffect,
  kTabCharaEffect,
  kTabScrEffect,
  kTabPicture,
  kTabSound,
  kTabBgm,
  kTabCount
};

// What each tab is built from: its template, its caption and its record list.
struct cDbTabInfo {
  int m_nTemplate;
  const char* m_pCaption;
  int m_nListId;
};
extern const cDbTabInfo kDbTabs[kTabCount];
extern const char* const kDatabaseTitle;

// Whom the window tells that it has closed: the stage editor, which checks its references into
// the new tables and shows its windows again.
class cDatabaseHost {
public:
  virtual ~cDatabaseHost() = default;
  virtual void OnDatabaseClosed() = 0;
};

class cDatabaseCore {
public:
  // The pages take their tables from the set (padding the short ones at once) and rebuild the
  // dedicated bitmaps into the target on every apply.
  cDatabaseCore(cDatabaseSet& set, cCharaBitmapTarget& bitmaps, cDatabaseHost& host);

  cDbPageCore& Page(int tab);
  // The sheet made the page's window; the first time, the page takes its table again.
  void OnPageShown(int tab);
  // A page told the sheet of a change (PSM_CHANGED): Apply is enabled.
  void OnPageChanged() { m_bApplyEnabled = 1; }
  // Every page's apply in tab order, twice, then the ten files. 1 when all were written; 0 after
  // the box of the files that were not, and Apply stays enabled so that the user can try again.
  int ApplyAll();
  // OK: apply; the window closes only when everything was written (result 1).
  int OnOk();
  // Cancel or the close box: nothing more is applied or written; the window closes.
  void OnCancel();

  int IsOpen() const { return m_bOpen; }
  int ApplyEnabled() const { return m_bApplyEnabled; }
  // The idle tick runs at 60 a second while one of the two anime tabs is in front.
  static int IsAnimatedTab(int tab) { return tab == kTabAnimeSet || tab == kTabAnime ? 1 : 0; }

  cDbPageAnimeSetCore m_AnimeSet;
  cDbPageAnimeCore m_Anime;
  cDbPageCharaExcCore m_CharaExc;
  cDbPageSwordTypeCore m_SwordType;
  cDbPageEffectCore m_Effect;
  cDbPageCharaEffectCore m_CharaEffect;
  cDbPageScrEffectCore m_ScrEffect;
  cDbPagePictureCore m_Picture;
  cDbPageSoundCore m_Sound;
  cDbPageBgmCore m_Bgm;

private:
  // The BGM preview stops and the host takes over again.
  void Close();

  cDatabaseSet& m_Set;
  cDatabaseHost& m_Host;
  cDbPageCore* m_apPage[kTabCount];
  int32_t m_bOpen = 1;
  int32_t m_bApplyEnabled = 0;
};
