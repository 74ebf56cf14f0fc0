#pragma once
// The character data sheet "キャラデータ": a modeless property sheet of four pages over one character
// (a placed one, a stage or common palette entry, or the project's default), each page working on
// its own copy, relayed to the others when it is left (editors/win/cDataSheet.h); the basic page's
// copy is the one Apply and OK commit.

#include "editors/CharaPageRules.h"
#include "editors/CharaSheetEdit.h"
#include "editors/win/cDataSheet.h"

class cCharaPage;
class cCharaBasicPage;
class cFlowEditPage;

constexpr const char* kCharaSheetTitle = "キャラデータ";
enum : uint16_t {
  kIddCharaBasic = 140,
  kIddCharaGraphic = 200,
  kIddCharaStatus = 143,
  kIddFlowEdit = 201,
};

class cCharaDataSheet : public cDataSheet<cEdChara> {
public:
  // The sheet becomes the character sheet opened last.
  cCharaDataSheet(int32_t mode, cWindow* owner, cModelessList* list, cPropSheet** slot);
  // The edit state forgets the sheet, so that nothing reaches it once it is gone.
  ~cCharaDataSheet() override;

  // Makes the four pages and runs the sheet on the page it was last closed on. 0 when a page could
  // not be made or the edit state names no record: nothing runs then.
  int Create();

  cCharaBasicPage* Basic() const;
  cFlowEditPage* FlowPage() const;
  cCharaPage* Page(int index) const;
};

// A page of the character sheet: the character's preview on it, and the page kept for the flow
// page, which also runs alone.
class cCharaPage : public cSheetPage<cEdChara> {
public:
  cCharaPage(uint16_t templateId, cWindow* parent, cModelessList* list, cCharaDataSheet* sheet, int page)
      : cSheetPage(templateId, parent, list, sheet, page) {}

  cEdChara& Chara() { return Record(); }

protected:
  void AddPreview(cPaintList& list, const cSheetExtents& extents, int which) override;
};

class cCharaBasicPage : public cCharaPage {
public:
  cCharaBasicPage(cWindow* parent, cModelessList* list, cCharaDataSheet* sheet);
  ~cCharaBasicPage() override;
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

private:
  cAppearCondList m_Conds;

  static cCharaBasicPage* s_lpInstance;
};

class cCharaGraphicPage : public cCharaPage {
public:
  cCharaGraphicPage(cWindow* parent, cModelessList* list, cCharaDataSheet* sheet);
  ~cCharaGraphicPage() override;
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

protected:
  void InitPage() override;
  void ValueRules(uint16_t id) override;
  void PageStates(cCtrlStates& states) override;
  int PageCommand(WPARAM wParam) override;

private:
  static cCharaGraphicPage* s_lpInstance;
};

class cCharaStatusPage : public cCharaPage {
public:
  cCharaStatusPage(cWindow* parent, cModelessList* list, cCharaDataSheet* sheet);
  ~cCharaStatusPage() override;
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

protected:
  void InitPage() override;
  void PageStates(cCtrlStates& states) override;

private:
  static cCharaStatusPage* s_lpInstance;
};
