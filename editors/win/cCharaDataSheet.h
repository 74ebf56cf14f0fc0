#pragma once
// The character data sheet "キャラデータ": a modeless property sheet of four pages over one character
// (a placed one, a stage or common palette entry, or the project's default), each page working on
// its own copy, relayed to the others when it is left. The basic page holds the sheet's edit
// (editors/CharaSheetEdit.h): previous and next, and the commit by edit context on Apply and OK.

#include "editors/CharaPageRules.h"
#include "editors/CharaSheetEdit.h"
#include "editors/win/BoundCtrls.h"
#include "listctrl/win/cCtrlList.h"
#include "ui/win/cCtrlBitmap.h"
#include "ui/win/cPropSheet.h"

class cCharaPage;
class cCharaBasicPage;
class cFlowEditPage;
class cDlgCondKind;

constexpr const char* kCharaSheetTitle = "キャラデータ";
enum : uint16_t {
  kIddCharaBasic = 140,
  kIddCharaGraphic = 200,
  kIddCharaStatus = 143,
  kIddFlowEdit = 201,
};

class cCharaDataSheet : public cPropSheet {
public:
  // Registers the sheet with the window list and the owner's slot, which the list clears when it
  // ends the sheet; the sheet becomes the character sheet opened last.
  cCharaDataSheet(int32_t mode, cWindow* owner, cModelessList* list, cPropSheet** slot);
  // The edit state forgets the sheet, so that nothing reaches it once it is gone.
  ~cCharaDataSheet() override;

  // Makes the four pages and runs the sheet on the page it was last closed on. 0 when a page could
  // not be made or the edit state names no record: nothing runs then.
  int Create();
  // Copies a page's character into the other pages' copies (from-page 0-3; any other: nothing).
  void RelayChara(const cEdChara& chara, int fromPage);

  cCharaBasicPage* Basic() const;
  cFlowEditPage* FlowPage() const;
  cCharaPage* Page(int index) const { return index >= 0 && index < kCharaPageCount ? m_apPage[index] : nullptr; }
  // The sheet's edit, held by the basic page.
  cCharaSheetEdit& Edit() const;

private:
  cCharaPage* m_apPage[kCharaPageCount] = {};
};

// What the four pages share: their copy of the character, its controls bound from the page's
// field tables, the "継承→" buttons, previous and next, the relay when the page is left, and the
// preview of the character.
class cCharaPage : public cDialog {
public:
  // A page of the sheet; without a sheet, a dialog of its own (the flow page run alone).
  cCharaPage(uint16_t templateId, cWindow* parent, cModelessList* list, cCharaDataSheet* sheet, int page);
  ~cCharaPage() override;

  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void OnPaint() override;

  // The page's copy of the character.
  cEdChara& Chara() { return *m_pChara; }
  cCharaDataSheet* Sheet() const { return m_pSheet; }
  // The page's controls into its copy (lists work on the copy itself).
  void StoreControls() { ControlsToData(); }

protected:
  // Binds the page's own controls; the constructor of a page calls it once its copy is set.
  void BindSpec(const cCharaPageSpec& spec);
  // After the groups are attached: rows given at run time, lists.
  virtual void InitPage() {}
  // The value rules of a refresh (the changed control's id; 0 for none), then the page's states.
  virtual void ValueRules(uint16_t) { Chara().ApplyInheritance(); }
  virtual void PageStates(cCtrlStates& states) = 0;
  // A command of the page's own: 1 when it handled it.
  virtual int PageCommand(WPARAM) { return 0; }
  // A notification of the sheet beyond those the pages share.
  virtual void OnSheetNotify(UINT) {}
  // A new entry was loaded by previous or next.
  virtual void AfterStep() {}
  virtual void DrawPreview();

  // Stores the controls when asked, runs the rules and shows the result; except is the control the
  // user is changing, whose text is left as typed.
  void Refresh(int store, const cCtrl* except);
  void Step(int delta);
  cCharaPageView View() const;

  cCharaDataSheet* m_pSheet = nullptr;
  int m_nPage = 0;
  cEdChara m_OwnChara;
  cEdChara* m_pChara = &m_OwnChara;
  cBoundCtrls m_Ctrls;
  cCtrlGroup<cCtrlBitmap> m_cgPreview;
  cCtrlGroup<cCtrlBitmap> m_cgPreview2;
  int32_t m_bTwoPreviews = 0;
  // Showing values makes the edits report changes, which must not store half-shown controls.
  int32_t m_bRefreshing = 0;
};

class cCharaBasicPage : public cCharaPage {
public:
  cCharaBasicPage(cWindow* parent, cModelessList* list, cCharaDataSheet* sheet);
  ~cCharaBasicPage() override;
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

  // 0 when the edit state named no record.
  int Opened() const { return m_bOpened; }
  cCharaSheetEdit& Edit() { return m_Edit; }
  cCtrlList<cCondData>& CondList() { return m_cgCondList.m_Ctrl; }

protected:
  void InitPage() override;
  void ValueRules(uint16_t id) override;
  void PageStates(cCtrlStates& states) override;
  int PageCommand(WPARAM wParam) override;
  void OnSheetNotify(UINT code) override;
  void AfterStep() override;

private:
  void FillSourceRows();

  cCharaSheetEdit m_Edit;
  int32_t m_bOpened = 0;
  cCtrlGroup<cCtrlList<cCondData>> m_cgCondList;
  cListEditContext m_CondContext;
  cDlgCondKind* m_pCondChooser = nullptr;

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
