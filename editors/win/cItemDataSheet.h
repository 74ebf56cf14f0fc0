#pragma once
// The item data sheet "アイテムデータ": a modeless property sheet of two pages over one item (a placed
// one, a stage or common palette entry, or the project's default): the first page (inheritance,
// name, appearance, offsets, look), which commits, and the effect page (giant size, taking, sound
// and the effect commands, edited through the item effect command chooser).

#include "editors/ItemPageRules.h"
#include "editors/win/cDataSheet.h"

class cDlgItemCommandSelect;
class cItemPage1;
class cItemPage2;

class cItemDataSheet : public cDataSheet<cEdItem> {
public:
  // The sheet becomes the item sheet opened last.
  cItemDataSheet(int32_t mode, cWindow* owner, cModelessList* list, cPropSheet** slot);
  // The edit state forgets the sheet, so that nothing reaches it once it is gone.
  ~cItemDataSheet() override;

  // Makes the two pages and runs the sheet on the page it was last closed on. 0 when a page could
  // not be made or the edit state names no record: nothing runs then.
  int Create();
  cItemPage1* Page1() const;
  cItemPage2* Page2() const;
};

class cItemPage1 : public cSheetPage<cEdItem> {
public:
  cItemPage1(cWindow* parent, cModelessList* list, cItemDataSheet* sheet);
  ~cItemPage1() override;
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
  cAppearCondList m_Conds;

  static cItemPage1* s_lpInstance;
};

class cItemPage2 : public cSheetPage<cEdItem> {
public:
  cItemPage2(cWindow* parent, cModelessList* list, cItemDataSheet* sheet);
  ~cItemPage2() override;
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

  cCtrlList<cCommandData>& CommandList() { return m_cgCommandList.m_Ctrl; }
  // The item effect command chooser while it runs from this page, else null.
  cDlgItemCommandSelect* Chooser() const { return m_pChooser; }

protected:
  void InitPage() override;
  void PageStates(cCtrlStates& states) override;
  int PageCommand(WPARAM wParam) override;
  void OnSheetNotify(UINT code) override;
  void AfterStep() override;
  void AddPreview(cPaintList& list, const cSheetExtents& extents, int which) override;

private:
  cCtrlGroup<cCtrlList<cCommandData>> m_cgCommandList;
  cListEditContext m_CommandContext;
  cDlgItemCommandSelect* m_pChooser = nullptr;

  static cItemPage2* s_lpInstance;
};
