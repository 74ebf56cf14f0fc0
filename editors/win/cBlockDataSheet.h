#pragma once
// The block data sheet "ブロックデータ": a modeless property sheet of one page over one block (a
// placed one, a stage or common palette entry, or the project's default), the page that is edited
// and the page that commits (editors/win/cDataSheet.h).

#include "editors/BlockPageRules.h"
#include "editors/win/cDataSheet.h"

class cBlockDataPage;

class cBlockDataSheet : public cDataSheet<cEdBlock> {
public:
  // The sheet becomes the block sheet opened last.
  cBlockDataSheet(int32_t mode, cWindow* owner, cModelessList* list, cPropSheet** slot);
  // The edit state forgets the sheet, so that nothing reaches it once it is gone.
  ~cBlockDataSheet() override;

  // Makes the page and runs the sheet. 0 when the page could not be made or the edit state names
  // no record: nothing runs then.
  int Create();
  cBlockDataPage* BlockPage() const;
};

class cBlockDataPage : public cSheetPage<cEdBlock> {
public:
  cBlockDataPage(cWindow* parent, cModelessList* list, cBlockDataSheet* sheet);
  ~cBlockDataPage() override;
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

  cCtrlList<cCondData>& CondList() { return m_Conds.List(); }

protected:
  void InitPage() override;
  void ValueRules(uint16_t id) override;
  void PageStates(cCtrlStates& states) override;
  int PageCommand(WPARAM wParam) override;
  void OnSheetNotify(UINT code) override;
  void AfterStep() override;
  void OnFirstPageDestroyed() override { m_Conds.StoreBuffer(); }
  void AddPreview(cPaintList& list, const cSheetExtents& extents, int which) override;

private:
  // The acquired item's entries, of the palette chosen in "取得アイテム".
  void FillItemRows();

  cAppearCondList m_Conds;
  // Only the user's change of the action resets X to the action's default.
  cBlockActionMemory m_Action;

  static cBlockDataPage* s_lpInstance;
};
