#pragma once
// The table pages with an inner list, a list of the edited record's own sub-records (the sword
// type's positions, the effect's frames), and the modal dialog that edits one sub-record in place:
// "挿入" inserts a default sub-record and edits it, "編集" and a double click edit the selected one,
// "削除" deletes; whatever the inner list changed goes into the working copy at once.

#include "database/win/cDbFilePage.h"

template <class Core, class Item, class Dlg>
class cDbListPage : public cDbFilePage<Core> {
  using Base = cDbFilePage<Core>;

public:
  using tRecord = typename Base::tRecord;

  cDbListPage(uint16_t templateId, cDatabaseWnd& window, int tab, Core& core, const cListInstance& list,
              cString tRecord::*path, uint16_t browse, const cListInstance& inner)
      : Base(templateId, window, tab, core, list, PathEditOf(browse), path, browse), m_Inner(inner) {
    m_cgInner.m_Param = this->m_Core.InnerParam();
  }
  cCtrlList<Item>& Inner() { return m_cgInner.m_Ctrl; }

protected:
  // The path edit beside each browse button.
  static uint16_t PathEditOf(uint16_t browse) { return browse == kIdcBrowse ? kIdcPath : browse - 1; }

  void AttachOtherGroups() override {
    this->AttachCtrlGroup(m_cgInner);
    this->m_Core.BindInnerList(Inner());
    Inner().SetInstanceIds(m_Inner);
  }
  int OwnCommand(WPARAM wParam) override {
    if (LOWORD(wParam) == m_Inner.m_wListId && HIWORD(wParam) == LBN_SELCHANGE) Inner().OnSelChange();
    switch (ListActionOf(m_Inner, static_cast<uint32_t>(wParam))) {
      case kListActEdit: EditInner(0); break;
      case kListActInsertEdit: EditInner(1); break;
      case kListActDelete: this->m_Core.DeleteInner(); break;
      default: break;
    }
    return Base::OwnCommand(wParam);
  }
  int InnerListCommand(uint16_t id) override { return Inner().OnAccelCommand(id) || Inner().OnMenuCommand(id); }
  int PopupAt(POINT screen) override { return Base::PopupAt(screen) || Inner().PopupAt(screen); }

private:
  // The dialog on the selected sub-record, or on a new one inserted at the selection; what it
  // changed goes into the working copy.
  void EditInner(int insert) {
    this->m_Core.EditInnerWith([&] { return Inner().EditAsInstance(m_pDialog, m_Inner, insert, this->m_lpManager); });
  }

  const cListInstance& m_Inner;
  cCtrlGroup<cCtrlList<Item>> m_cgInner;
  Dlg* m_pDialog = nullptr;  // while the dialog runs
};

// The dialog of one sub-record, bound to it in place: OK stores the controls into it, Cancel
// leaves it. Find names the sub-record at the inner list's current row of the open database
// window's page.
template <class Item>
class cDbItemDialog : public cDialog {
public:
  cDbItemDialog(uint16_t templateId, cWindow* parent, int32_t kind, cModelessList* list, cCtrl* place, int32_t center,
                Item* item)
      : cDialog(templateId, parent, kind, list, place, center), m_pItem(item ? item : &m_Spare) {
    s_lpInstance = this;
    m_lpfnProc = Proc;
  }
  ~cDbItemDialog() override {
    if (s_lpInstance == this) s_lpInstance = nullptr;
  }
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
  }
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override {
    cDialog::OnInitDialog(wParam, lParam);
    AttachCtrlGroups(m_vInts);
    AttachCtrlGroups(m_vChecks);
    AttachCtrlGroups(m_vCombos);
    DataToControls();
    m_bInitialized = 1;
  }
  void OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (!AcceptCommand(wParam)) return;
    cDialog::OnCommand(wParam, lParam);
    if (LOWORD(wParam) == kIdcOk) {
      ControlsToData();
      Close(1);
    } else if (LOWORD(wParam) == kIdcCancel) {
      Close(0);
    }
  }
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    LRESULT result = WindowProc(window, message, wParam, lParam);
    if (message != WM_CLOSE) return result;
    Close(0);
    return 1;
  }
  Item& Record() { return *m_pItem; }

protected:
  cCtrlGroups<cCtrlEditVal<int32_t>> m_vInts;
  cCtrlGroups<cCtrlCheck<int32_t>> m_vChecks;
  cCtrlGroups<cCtrlCombo<int32_t>> m_vCombos;

private:
  Item m_Spare;  // bound when no sub-record is current (never shown: the list runs no dialog then)
  Item* m_pItem;
  static cDbItemDialog* s_lpInstance;
};

template <class Item>
cDbItemDialog<Item>* cDbItemDialog<Item>::s_lpInstance = nullptr;
