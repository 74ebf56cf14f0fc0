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

// What a page's button, or a double click on the list, asks of the list.
enum : int {
  kListActNone,
  kListActNew,
  kListActClear,
  kListActDataCount,  // the value dialog "データ数" within the list's limits, then the count
  kListActInsert,
  kListActDelete,
  kListActEdit,        // the row's edit sub-dialog (also a double click on a row)
  kListActInsertEdit,  // a default record inserted and edited in the sub-dialog
  kListActAddFiles,    // names chosen in the page's file dialog
  kListActRemoveAll,
};

struct cListButton {
  uint16_t m_wId;
  int m_nAction;
};
constexpr int kListButtonMax = 4;
struct cListButtons {
  cListButton m_aButton[kListButtonMax];  // id 0 ends them
};

// Where an edit sub-dialog opens.
enum : int {
  kListPlaceOwn,      // its own position
  kListPlaceCentred,  // centred over the list
  kListPlaceCorner,   // at the list's top-left corner
};

// The edit sub-dialog of a list: its template, its form (1: it finds the element itself; 2: it
// reads it from the page's context block), whether the page inserts through it, how the other
// windows fare while it runs (ListEditContext.h) and where it opens for an edit and an insert.
struct cListEditForm {
  uint16_t m_wDialog;  // 0: no sub-dialog
  int m_nForm;
  int m_bInsertEdit;
  int m_nRunMode;
  int m_nEditPlace;
  int m_nInsertPlace;
};

struct cListInstance {
  const char* m_pszRecord;
  const char* m_pszPage;
  uint16_t m_wTemplate;  // the page's template
  uint16_t m_wListId;
  cListShape m_Shape;
  int m_nIds;
  cListCommandSet m_Set;  // accelerator table, popup menu and ids; unused with kListIdsNone
  cListButtons m_Buttons;
  cListEditForm m_Edit;
};

// The action of a WM_COMMAND (its wParam) for a list: a click of one of its page's buttons, or a
// double click on a row of a list with a sub-dialog; kListActNone for any other.
int ListActionOf(const cListInstance& list, uint32_t wParam);

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
