#pragma once
// The Windows side of a database page: a page of the database window's sheet whose list and field
// controls show a page core of database/cDbPages.h. The core keeps the working copy, the record
// being edited and the rules; the page binds its controls to the core's record, hands the user's
// commands to the core and shows what the core changed.
//
// Every command runs the same steps: the page's own command (a selection, a button, a browse),
// the list's keys and popup menu, then, on an initialised page, the rules by which controls follow
// others, the controls stored into the edited record and the record into the working copy when
// the command concerns a bound control, a redraw of the lists, and the change notice that enables
// the sheet's Apply.

#include <cstdint>
#include <type_traits>
#include <utility>

#include "database/cDbPages.h"
#include "database/win/cDatabaseWnd.h"
#include "listctrl/win/cCtrlList.h"
#include "stage/win/FieldBinding.h"
#include "ui/win/cCtrlBitmap.h"
#include "ui/win/cCtrlCheck.h"
#include "ui/win/cCtrlCombo.h"
#include "ui/win/cCtrlEditText.h"
#include "ui/win/cCtrlEditVal.h"
#include "ui/win/cDialog.h"


// What every page shares, whatever its table: its place in the sheet and its control groups.
class cDbPage : public cDialog {
public:
  cDbPage(uint16_t templateId, cDatabaseWnd& window, int tab);
  // The database window's idle step while the page is in front; the anime pages step their sample.
  virtual void OnIdleTick(int) { OnPaint(); }

protected:
  // PSM_CHANGED to the sheet: Apply is enabled.
  void TellSheetChanged();
  // Every bound control but the lists into the record it shows.
  void StoreControlsExceptLists();
  // The bound control with the id enabled or disabled (a numeric edit with its up-down).
  void EnableCtrl(uint16_t id, int flag);
  cCtrl* BoundCtrl(uint16_t id);
  // The group vectors below, bound to their items.
  void AttachFieldGroups();
  // The browse of a page whose records name a file: the open-file dialog with its folder, title and filter;
  // 1 with the path chosen, 0 when cancelled.
  int ChooseFile(const cBrowseForm& browse, cString& path);

  cDatabaseWnd& m_Window;
  int m_nTab;
  cCtrlGroups<cCtrlEditText> m_vTexts;
  cCtrlGroups<cCtrlEditVal<int32_t>> m_vInts;
  cCtrlGroups<cCtrlCheck<int32_t>> m_vChecks;
  cCtrlGroups<cCtrlCombo<int32_t>> m_vCombos;
  cCtrlGroups<cCtrlButton> m_vButtons;  // the buttons whose click counts as a change
  cCtrlGroups<cCtrlStatic> m_vStatics;
  cCtrlGroups<cCtrlBitmap> m_vBitmaps;
};

// A table page over its core: the record list bound to the table, the common commands (a selected
// row, "新規", "クリア", "データ数") and the command steps. Core is one of the page cores.
template <class Core>
class cDbTablePage : public cDbPage {
public:
  using tRecord = std::remove_reference_t<decltype(std::declval<Core&>().m_Edit)>;
  using tList = cCtrlList<tRecord>;

  cDbTablePage(uint16_t templateId, cDatabaseWnd& window, int tab, Core& core, const cListInstance& list)
      : cDbPage(templateId, window, tab), m_Core(core), m_Instance(list) {
    s_lpInstance = this;
    m_lpfnProc = Proc;
    m_cgList.m_Param = m_Core.ListParam();
    AddCtrlGroup(m_vTexts, kIdcName, &m_Core.m_Edit.m_strName, kNameLimit, 1);
  }
  ~cDbTablePage() override {
    if (m_bModeless) Destroy();
    if (s_lpInstance == this) s_lpInstance = nullptr;
  }
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
  }

  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

  Core& PageCore() { return m_Core; }
  tList& List() { return m_cgList.m_Ctrl; }

protected:
  // The lists besides the record list, and the groups besides those of cDbPage, attached (the lists
  // bound to the core) before the page is shown.
  virtual void AttachOtherGroups() {}
  // After the first showing: the rules by which controls follow others.
  virtual void AfterShown() { UpdateDependentControls(); }
  virtual void UpdateDependentControls() {}
  // The page's own commands; 0 ends the command at once (no store, no change notice).
  virtual int OwnCommand(WPARAM) { return 1; }
  // A key or popup-menu command of a list other than the record list; 1 when one ran it.
  virtual int InnerListCommand(uint16_t) { return 0; }
  // After the record list ran one of its key or popup-menu commands and the refresh.
  virtual void AfterListCommand(uint16_t) {}
  // The store step of a command on a bound control: the controls into the edited record (the
  // command then copies it into the working copy).
  virtual void StoreControls() { StoreControlsExceptLists(); }
  // The last step of every command that was not ended early.
  virtual void EndOfCommand() {}
  // Another record row selected.
  virtual void SelectRecord() {
    m_Core.OnSelChange();
    Refresh();
  }
  // The edited record in every bound control but the record list.
  virtual void Refresh() { RefreshControlsExcept(0, &m_cgList.m_Ctrl); }
  // After a message the page handled.
  virtual void AfterHandled() {}
  // A right click: the popup menu of the list under the cursor, the record list first. The row it
  // selects in the record list is shown as a click's selection is.
  virtual int PopupAt(POINT screen) { return List().PopupAt(screen); }
  // The sheet's notifications beyond the page's activation.
  virtual void OnSheetNotice(HWND, const NMHDR&) {}

  // The browse of the page's file into the path edit; 0 for a file on another drive (the command
  // ends). pathEdit and path name the edit and the field of a page with two paths.
  int BrowseInto(uint16_t pathEdit, cString tRecord::*path);
  int BrowseInto(uint16_t pathEdit);

  Core& m_Core;
  const cListInstance& m_Instance;
  cCtrlGroup<tList> m_cgList;

private:
  // "データ数": the count asked in the value dialog over the button, then set.
  void AskDataCount();
  // The common commands of the record list; 1 when the command was one of them.
  int TableCommand(WPARAM wParam);
  static cDbTablePage* s_lpInstance;
};

template <class Core>
cDbTablePage<Core>* cDbTablePage<Core>::s_lpInstance = nullptr;

template <class Core>
void cDbTablePage<Core>::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  AttachCtrlGroup(m_cgList);
  m_Core.BindList(List());
  List().SetInstanceIds(m_Instance);
  AttachOtherGroups();
  AttachFieldGroups();
  m_Window.Core().OnPageShown(m_nTab);
  DataToControls();
  AfterShown();
  m_bInitialized = 1;
}

template <class Core>
void cDbTablePage<Core>::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!AcceptCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  // The focus and texts that arrive while the page opens, before its lists are bound, change
  // nothing: the page shows its record once it is initialised.
  if (!m_bInitialized || (!TableCommand(wParam) && !OwnCommand(wParam))) {
    RedrawList();
    return;
  }
  uint16_t id = LOWORD(wParam);
  if (m_Core.ListCommand(id)) {
    Refresh();
    AfterListCommand(id);
  } else if (InnerListCommand(id)) {
    m_Core.StoreEdited();
  }
  // The rules first: what they clamp or fill in is what the store takes.
  UpdateDependentControls();
  if (FindCommandCtrl(wParam)) {
    StoreControls();
    m_Core.StoreEdited();
  }
  EndOfCommand();
  RedrawList();
  TellSheetChanged();
}

template <class Core>
int cDbTablePage<Core>::TableCommand(WPARAM wParam) {
  uint16_t id = LOWORD(wParam);
  uint16_t code = HIWORD(wParam);
  if (id == m_Instance.m_wListId && code == LBN_SELCHANGE) {
    SelectRecord();
    return 1;
  }
  if (code != BN_CLICKED) return 0;
  switch (id) {
    case kIdcNew:
      if (m_Core.New()) Refresh();
      return 1;
    case kIdcClear:
      if (m_Core.Clear()) Refresh();
      return 1;
    case kIdcDataCount:
      AskDataCount();
      return 1;
    default:
      return 0;
  }
}

template <class Core>
void cDbTablePage<Core>::AskDataCount() {
  int32_t count = m_Core.DataCount();
  // The button is no change of the record: a count shows a record, it never stores the controls.
  cCtrl button;
  button.Attach(this, kIdcDataCount);
  if (!RunValueInputDialog(this, m_lpManager, &count, kDataCountMin, kDataCountMax, "データ数", &button, 1)) return;
  if (m_Core.SetDataCount(count)) Refresh();
}

template <class Core>
LRESULT cDbTablePage<Core>::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = WindowProc(window, message, wParam, lParam);
  if (IsRightClicked()) PopupAt(m_ptCursorScreen);
  if (message == WM_DESTROY) {
    result = 1;
  } else if (message == WM_NOTIFY) {
    const NMHDR& notice = *reinterpret_cast<const NMHDR*>(lParam);
    // Answers the sheet "carry on" unless the notice says otherwise.
    SetWindowLongPtrA(window, DWLP_MSGRESULT, 0);
    if (notice.code == static_cast<UINT>(PSN_SETACTIVE)) m_Core.ReloadEdited();
    OnSheetNotice(window, notice);
    result = 1;
  }
  if (result) AfterHandled();
  return result;
}

template <class Core>
int cDbTablePage<Core>::BrowseInto(uint16_t pathEdit, cString tRecord::*path) {
  cString chosen;
  if (!ChooseFile(m_Core.Browse(), chosen)) return 1;
  if (!m_Core.OnBrowsed(chosen, path)) return 0;
  if (cCtrlEditText* edit = FindCtrlById(m_vTexts, pathEdit)) edit->DataToCtrl();
  return 1;
}

template <class Core>
int cDbTablePage<Core>::BrowseInto(uint16_t pathEdit) {
  cString chosen;
  if (!ChooseFile(m_Core.Browse(), chosen)) return 1;
  if (!m_Core.OnBrowsed(chosen)) return 0;
  if (cCtrlEditText* edit = FindCtrlById(m_vTexts, pathEdit)) edit->DataToCtrl();
  return 1;
}
