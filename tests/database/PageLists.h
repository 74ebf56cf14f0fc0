#pragma once
// The list controls of the database pages in the portable tests: lists over the tests' own list
// box, attached with each page's parameter blocks and bound to the page, as the window's pages do
// before the sheet shows them.

#include "database/cDatabaseCore.h"
#include "tests/support/FakeList.h"

// A table page's list.
template <class T>
struct cTableLists {
  explicit cTableLists(cTablePageCore<T>& page) : m_Table(page.ListParam()) { page.BindList(m_Table.m_List); }
  // The user clicks rows of the table list (Ctrl for the second and later); the page hears it.
  void Select(cTablePageCore<T>& page, std::initializer_list<int> rows) {
    m_Table.Click(rows);
    page.OnSelChange();
    m_Table.m_List.Redraw();
  }
  cFakeList<T> m_Table;
};

// A page with an inner list of the edited record's sub-records.
template <class T, class Item>
struct cInnerLists : cTableLists<T> {
  explicit cInnerLists(cListPageCore<T, Item>& page) : cTableLists<T>(page), m_Inner(page.InnerParam()) {
    page.BindInnerList(m_Inner.m_List);
  }
  // The user clicks rows of the inner list.
  void SelectInner(std::initializer_list<int> rows) {
    m_Inner.Click(rows);
    m_Inner.m_List.OnSelChange();
    m_Inner.m_List.Redraw();
  }
  cFakeList<Item> m_Inner;
};

struct cAnimeSetLists : cTableLists<cAnimeSetData> {
  explicit cAnimeSetLists(cDbPageAnimeSetCore& page) : cTableLists(page), m_Motions(page.MotionsParam()) {
    page.BindMotions(m_Motions.m_List);
  }
  cFakeList<cAnimeData> m_Motions;
};

// The lists of every page of the database window.
struct cDatabaseLists {
  explicit cDatabaseLists(cDatabaseCore& window)
      : m_AnimeSet(window.m_AnimeSet),
        m_Anime(window.m_Anime),
        m_CharaExc(window.m_CharaExc),
        m_SwordType(window.m_SwordType),
        m_Effect(window.m_Effect),
        m_CharaEffect(window.m_CharaEffect),
        m_ScrEffect(window.m_ScrEffect),
        m_Picture(window.m_Picture),
        m_Sound(window.m_Sound),
        m_Bgm(window.m_Bgm) {}
  cAnimeSetLists m_AnimeSet;
  cTableLists<cAnimeData> m_Anime;
  cTableLists<cCharaExcData> m_CharaExc;
  cInnerLists<cSwordTypeData, cSwordPosData> m_SwordType;
  cInnerLists<cEffectData, cEffectFrameData> m_Effect;
  cTableLists<cCharaEffectData> m_CharaEffect;
  cTableLists<cScrEffectData> m_ScrEffect;
  cTableLists<cPictureData> m_Picture;
  cTableLists<cSoundData> m_Sound;
  cTableLists<cBgmData> m_Bgm;
};
