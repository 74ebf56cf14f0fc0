#include "database/win/cDatabaseWnd.h"

#include <new>

#include "app/MessageBox.h"
#include "app/SheetCanvases.h"
#include "database/cDatabaseSet.h"
#include "database/win/cDbPageAnime.h"
#include "database/win/cDbPageCharaEffect.h"
#include "database/win/cDbPageCharaExc.h"
#include "database/win/cDbPageEffect.h"
#include "database/win/cDbPageMedia.h"
#include "database/win/cDbPageSwordType.h"
#include "ui/win/cModelessList.h"

cDatabaseWnd* cDatabaseWnd::s_lpInstance = nullptr;

namespace {
template <class Page, class Core>
cDbPage* NewPage(int tab, cDatabaseWnd& window, Core& core) {
  cDbPage* page = new (std::nothrow) Page(static_cast<uint16_t>(kDbTabs[tab].m_nTemplate), window, core);
  if (!page) OutOfMemory();
  return page;
}
}  // namespace

cDatabaseWnd::cDatabaseWnd(int32_t mode, cWindow* parent, cModelessList* manager, cPropSheet** owner,
                           cDatabaseHost& host)
    : cPropSheet(mode, parent, manager), m_Bitmaps(g_vCharaExcCanvas), m_Core(g_DatabaseSet, m_Bitmaps, host) {
  s_lpInstance = this;
  m_lpKey = this;
  if (manager) manager->AddSheet(this, owner);
}

cDatabaseWnd::~cDatabaseWnd() {
  // The pages hear of their window's end while they still exist.
  DestroySheetWindow();
  for (cDbPage*& page : m_apPage) {
    delete page;
    page = nullptr;
  }
  if (s_lpInstance == this) s_lpInstance = nullptr;
}

int cDatabaseWnd::Create() {
  cDatabaseCore& core = m_Core;
  cDbPage* pages[kTabCount] = {
      NewPage<cDbPageAnimeSet>(kTabAnimeSet, *this, core.m_AnimeSet),
      NewPage<cDbPageAnime>(kTabAnime, *this, core.m_Anime),
      NewPage<cDbPageCharaExc>(kTabCharaExc, *this, core.m_CharaExc),
      NewPage<cDbPageSwordType>(kTabSwordType, *this, core.m_SwordType),
      NewPage<cDbPageEffect>(kTabEffect, *this, core.m_Effect),
      NewPage<cDbPageCharaEffect>(kTabCharaEffect, *this, core.m_CharaEffect),
      NewPage<cDbPageScrEffect>(kTabScrEffect, *this, core.m_ScrEffect),
      NewPage<cDbPagePicture>(kTabPicture, *this, core.m_Picture),
      NewPage<cDbPageSound>(kTabSound, *this, core.m_Sound),
      NewPage<cDbPageBgm>(kTabBgm, *this, core.m_Bgm),
  };
  int complete = 1;
  for (int tab = 0; tab < kTabCount; ++tab) {
    m_apPage[tab] = pages[tab];
    if (!pages[tab]) complete = 0;
  }
  // Without all ten pages the sheet is not run; the opener takes the window down again.
  if (!complete) return 0;
  for (cDbPage* page : m_apPage) AddPage(page);
  Run();
  if (!m_hWndSheet) return 0;
  SetWindowTextA(m_hWndSheet, kDatabaseTitle);
  return 1;
}

int cDatabaseWnd::PreviewAnimates() { return m_hWndSheet ? cDatabaseCore::IsAnimatedTab(CurrentPageIndex()) : 0; }

void cDatabaseWnd::OnIdleTick(int advance) {
  int tab = m_hWndSheet ? CurrentPageIndex() : -1;
  if (tab < 0 || tab >= kTabCount || !m_apPage[tab]) return;
  m_apPage[tab]->OnIdleTick(advance);
}
