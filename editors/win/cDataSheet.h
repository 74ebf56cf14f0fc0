#pragma once
// What the block, character and item data sheets share on the Windows side: the modeless sheet
// over one record with the sheet edit (editors/SheetEdit.h) that opens it, steps through its
// palette and commits it by edit context; the pages, each on its own copy of the record with its
// controls bound from its field tables, the "継承→" buttons, previous and next, the "一覧" pickers,
// the relay when a page is left and the previews; and the appearance-condition list of the first
// pages.

#include "editors/SheetEdit.h"
#include "editors/SheetPageRules.h"
#include "editors/win/BoundCtrls.h"
#include "listctrl/ListEditContext.h"
#include "listctrl/win/cCtrlList.h"
#include "stage/cMapView.h"
#include "stage/cStageEditState.h"
#include "ui/win/cCtrlBitmap.h"
#include "ui/win/cPropSheet.h"

class cDlgCondKind;
template <class T>
class cSheetPage;

constexpr int kMaxSheetPages = 4;

template <class T>
class cDataSheet : public cPropSheet {
public:
  // Registers the sheet with the window list and the owner's slot, which the list clears when it
  // ends the sheet.
  cDataSheet(int32_t mode, cWindow* owner, cModelessList* list, cPropSheet** slot);
  // The pages hear of their window's end while they still exist.
  ~cDataSheet() override;

  cSheetEdit<T>& Edit() { return m_Edit; }
  int PageCount() const { return m_nPages; }
  cSheetPage<T>* Page(int index) const { return index >= 0 && index < m_nPages ? m_apPage[index] : nullptr; }
  // Copies a page's record into the other pages' copies (a from-page outside the pages: nothing).
  void Relay(const T& record, int fromPage);

protected:
  // Opens the edit on the record the edit state names, makes the pages through make(i) and runs
  // the sheet titled title on the page it was last closed on. 0 when the edit state names no record
  // or a page could not be made: nothing runs then.
  template <class Make>
  int CreatePages(const char* title, Make make) {
    if (!m_Edit.Open(SheetEditTargetOf<T>(g_StageEditState))) return 0;
    if (!MakeSheetPages(m_apPage, m_nPages, make)) return 0;
    return RunPages(title);
  }

private:
  int RunPages(const char* title);

  cSheetEdit<T> m_Edit;
  int m_nPages = SheetPageCount<T>();
  cSheetPage<T>* m_apPage[kMaxSheetPages] = {};
};

// A page of a data sheet. The first page works on the edit's record, the one a commit writes; the
// others on copies of their own that the relay keeps equal. Without a sheet (the flow page run
// alone) a page is a dialog of its own on its own copy.
template <class T>
class cSheetPage : public cDialog {
public:
  cSheetPage(uint16_t templateId, cWindow* parent, cModelessList* list, cDataSheet<T>* sheet, int page);
  ~cSheetPage() override;

  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void OnPaint() override;

  // The page's copy of the record.
  T& Record() { return *m_pRecord; }
  cDataSheet<T>* Sheet() const { return m_pSheet; }
  // The page's controls into its copy (lists work on the copy itself).
  void StoreControls() { ControlsToData(); }

protected:
  // Binds the page's own controls; the constructor of a page calls it once its copy is set.
  void BindDesc(const cPageDesc<T>& desc);
  // After the groups are attached: rows given at run time, lists.
  virtual void InitPage() {}
  // The value rules of a refresh (the changed control's id; 0 for none), then the page's states.
  virtual void ValueRules(uint16_t) { Record().ApplyInheritance(); }
  virtual void PageStates(cCtrlStates& states) = 0;
  // A command of the page's own: 1 when it handled it.
  virtual int PageCommand(WPARAM) { return 0; }
  // A notification of the sheet beyond those the pages share.
  virtual void OnSheetNotify(UINT) {}
  // A new entry was loaded by previous or next.
  virtual void AfterStep() {}
  // The first page's window ends (the sheet is closing), before the stage editor hears of it.
  virtual void OnFirstPageDestroyed() {}
  // The record's picture in preview which (0 the bitmap 1060, 1 the bitmap 1070).
  virtual void AddPreview(cPaintList& list, const cSheetExtents& extents, int which) = 0;

  // Stores the controls when asked, runs the rules and shows the result; except is the control the
  // user is changing, whose text is left as typed.
  void Refresh(int store, const cCtrl* except);
  void Step(int delta);
  cSheetPageView View() const;
  // The first pages' source combos: the rows of "継承データ", the entries of the palette chosen,
  // and with withKinds those of "継承パレット", the palettes the context allows.
  void FillSourceRows(int withKinds);
  // The "一覧" buttons of the graphic (1446, the sheet kind's cells) and of the mark (1445): the
  // picked cell goes into the record. 1 when the command was one of them.
  int RunGraphicPicker(WPARAM wParam);

  cDataSheet<T>* m_pSheet = nullptr;
  int m_nPage = 0;
  T m_OwnRecord;
  T* m_pRecord = &m_OwnRecord;
  cBoundCtrls m_Ctrls;
  cCtrlGroup<cCtrlBitmap> m_cgPreview;
  cCtrlGroup<cCtrlBitmap> m_cgPreview2;
  int32_t m_bTwoPreviews = 0;
  // Showing values makes the edits report changes, which must not store half-shown controls.
  int32_t m_bRefreshing = 0;

private:
  void DrawPreviews();
};

// The appearance conditions (1044 with "挿入", "編集", "削除") of the first page of each sheet:
// insert-then-edit and edit through the condition kind chooser, the list's keys and popup menu, a
// copy buffer shared by every sheet through the edit state.
class cAppearCondList {
public:
  // Binds the list to the conditions of a record, with its row texts.
  void Bind(cVector<cCondData>* conditions, void (*label)(cString*, int32_t, const cCondData*));
  // Attaches the list to the page and takes the shared copy buffer.
  void Attach(cDialog& page);
  // A command of the list: 1 when it was the list's. refuseDistance: a paste whose copy buffer
  // holds a distance condition is refused with a message.
  int Route(cDialog& page, WPARAM wParam, int refuseDistance);
  // A right click on the page: the popup menu over the row under the cursor.
  void PopupAt(POINT at) { List().PopupAt(at); }
  // Gives the copy buffer back to the edit state, for the next sheet.
  void StoreBuffer();
  cCtrlList<cCondData>& List() { return m_cgList.m_Ctrl; }

private:
  cCtrlGroup<cCtrlList<cCondData>> m_cgList;
  cListEditContext m_Context;
  cDlgCondKind* m_pChooser = nullptr;
};

// The entries of the character dedicated bitmap table, which limit the graphic number of "専用bmp".
int DedicatedBitmapCount();

extern template class cDataSheet<cEdBlock>;
extern template class cDataSheet<cEdChara>;
extern template class cDataSheet<cEdItem>;
extern template class cSheetPage<cEdBlock>;
extern template class cSheetPage<cEdChara>;
extern template class cSheetPage<cEdItem>;
