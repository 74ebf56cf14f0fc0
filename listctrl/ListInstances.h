#pragma once
// Every record list of the editor's pages: its list box, its shape (selection, numbering, leading
// offset, limits) and the command ids its page gives it. A page fills its parameter block with
// the shape and gives the list the ids as m_nIds says; the row label is the page's own.

#include <cstdint>

#include "listctrl/ListCommandSets.h"
#include "listctrl/cListRows.h"

// How a page gives a list its command ids.
enum : int {
  kListIdsNone,      // the constructor's ids, no popup menu (the page passes no command to it)
  kListIdsSetMenus,  // SetMenus(accelerator table, popup menu, layout, kind)
  kListIdsExplicit,  // SetAccelIds and SetPopupIds with the set's ids (the page inserts itself)
};

struct cListInstance {
  const char* m_pszRecord;
  const char* m_pszPage;
  uint16_t m_wTemplate;  // the page's template
  uint16_t m_wListId;
  cListShape m_Shape;
  int m_nIds;
  cListCommandSet m_Set;  // accelerator table, popup menu and ids; unused with kListIdsNone
};

extern const cListInstance kListAnimeTable;
extern const cListInstance kListAnimeMotions;
extern const cListInstance kListAnimeSetTable;
extern const cListInstance kListAnimeFrames;
extern const cListInstance kListBgmTable;
extern const cListInstance kListCharaExcTable;
extern const cListInstance kListEffectTable;
extern const cListInstance kListEffectFrames;
extern const cListInstance kListCharaEffectTable;
extern const cListInstance kListScrEffectTable;
extern const cListInstance kListPictureTable;
extern const cListInstance kListSoundTable;
extern const cListInstance kListSwordTypeTable;
extern const cListInstance kListSwordPositions;
// The appearance conditions of blocks (137), characters (140) and items (202), and the conditions
// of the flow-operation command (225).
extern const cListInstance kListConditions;
extern const cListInstance kListFlowConditions;
extern const cListInstance kListFlows;
extern const cListInstance kListKeyConditions;
extern const cListInstance kListFlowCommands;
extern const cListInstance kListItemCommands;
extern const cListInstance kListBackgrounds;
extern const cListInstance kListWorldEvents;
extern const cListInstance kListWorldEventPages;
extern const cListInstance kListFileNames;

constexpr int kListInstanceCount = 24;
extern const cListInstance* const kListInstances[kListInstanceCount];
