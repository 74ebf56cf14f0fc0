#pragma once
// A combo box bound to an integer member: the member holds the data of the selected item, which is
// its position plus the offset of the first item. The items come from an array of names that ends
// with an empty one, or from a vector (for numbered database and palette labels, MakeComboLabels).
// A value given to show is kept: storing writes it unchanged until the user chooses an item, also
// when no item stands for it or a refill of the items moved the selection.

#include <vector>

#include "ui/ComboItems.h"
#include "ui/win/cCtrl.h"

// The error-code box of a combo box with a conversion table where no rule exists for one.
void ReportComboTableRefusal(const char* text);

template <class T>
class cCtrlCombo : public cCtrl {
public:
  struct cCtrlParam {
    uint16_t m_wId = 0;
    T* m_lpData = nullptr;
    const cString* m_lpItems = nullptr;
    std::vector<cString>* m_lpItemVec = nullptr;
    int32_t m_nOffset = 0;
    const cVector<T>* m_lpTable = nullptr;
    void Set(uint16_t id, T* data, const cString* items, int32_t offset) {
      *this = cCtrlParam{id, data, items, nullptr, offset, nullptr};
    }
    void Set(uint16_t id, T* data, std::vector<cString>* items, int32_t offset) {
      *this = cCtrlParam{id, data, nullptr, items, offset, nullptr};
    }
    // Item i stores element i of the table.
    void Set(uint16_t id, T* data, const cString* items, const cVector<T>* table) {
      *this = cCtrlParam{id, data, items, nullptr, 0, table};
    }
  };

  cCtrlCombo() { m_nKind = kCtrlCombo; }

  // Fills the box; the first item ends selected until DataToCtrl shows the bound value.
  void Attach(cDialog* owner, const cCtrlParam& param) {
    cCtrl::Attach(owner, param.m_wId);
    m_lpData = param.m_lpData;
    m_lpItems = param.m_lpItems;
    m_lpItemVec = param.m_lpItemVec;
    if (m_lpItems) SetItemArray(m_lpItems);
    else if (m_lpItemVec) SetItemVector(m_lpItemVec);
    m_nOffset = param.m_nOffset;
    m_lpTable = param.m_lpTable;
    m_nShownPos = CurSel();
    m_Given = SelectedData();
  }

  int DataToPos(T data) const { return ComboDataToPos<T>(data, m_nOffset, m_lpTable); }
  T PosToData(int position) const {
    int32_t overrun = 0;
    T data = ComboPosToData<T>(position, m_nOffset, m_lpTable, &overrun);
    if (overrun) ReportComboTableRefusal("コンボボックスのPosToDataに失敗！");
    return data;
  }
  // The value that storing takes: the data given, or that of the item the user chose.
  T GetCurData() const { return ChangedByUser() ? SelectedData() : m_Given; }
  int ChangedByUser() const override { return !Showing() && (cCtrl::ChangedByUser() || CurSel() != m_nShownPos); }
  // The data of the selected item.
  T SelectedData() const { return PosToData(CurSel()); }
  // Shows given data: storing writes it as it is until the user chooses an item.
  void SetCurData(T data) {
    m_Given = data;
    NoteGiven();
    Select(data);
  }

  // A new item source: the box is filled again and keeps the selected data where it can.
  void SetItemArray(const cString* items) {
    m_lpItems = items;
    m_lpItemVec = nullptr;
    Fill();
  }
  void SetItemVector(std::vector<cString>* items) {
    m_lpItemVec = items;
    m_lpItems = nullptr;
    Fill();
  }
  void Refill() {
    if (m_lpItems) SetItemArray(m_lpItems);
    else if (m_lpItemVec) SetItemVector(m_lpItemVec);
  }
  int ItemCount() const {
    return m_lpItems ? CountComboItems(m_lpItems) : m_lpItemVec ? static_cast<int>(m_lpItemVec->size()) : 0;
  }
  // Moves the selection into the items: no selection becomes the first item.
  void Adjust() {
    if (m_lpTable) {
      ReportComboTableRefusal("Adjust Err 変換テーブルポインタには未対応です");
      return;
    }
    int32_t low = m_nOffset;
    int32_t high = m_nOffset + ItemCount() - 1;
    int32_t current = static_cast<int32_t>(SelectedData());
    if (current < low) Select(static_cast<T>(low));
    else if (current > high) Select(static_cast<T>(high));
  }
  // The first item stands for a new data value; the selected position stays.
  void SetMin(int32_t offset) {
    if (m_lpTable) {
      ReportComboTableRefusal("SetMin Err 変換テーブルポインタには未対応です");
      return;
    }
    m_nOffset = offset;
    if (m_lpData && *m_lpData < offset) *m_lpData = static_cast<T>(offset);
    int position = static_cast<int>(SendMessageA(m_hWnd, CB_GETCURSEL, 0, 0));
    Refill();
    Select(PosToData(position));
    Adjust();
    m_Given = SelectedData();
  }

  void DataToCtrl() override {
    if (m_lpData) SetCurData(*m_lpData);
  }
  void CtrlToData() override {
    if (!m_lpData) return;
    *m_lpData = GetCurData();
    m_Given = *m_lpData;
    m_nShownPos = CurSel();
    NoteGiven();
  }
  // CBN_SELCHANGE: the user chose an item.
  void OnChange() override { NoteUserChange(); }

  T* m_lpData = nullptr;
  const cString* m_lpItems = nullptr;
  std::vector<cString>* m_lpItemVec = nullptr;
  int32_t m_nOffset = 0;
  const cVector<T>* m_lpTable = nullptr;

private:
  // Selects the item of data, none when no item stands for it; what the combo keeps stays.
  void Select(T data) {
    SendMessageA(m_hWnd, CB_SETCURSEL, static_cast<WPARAM>(DataToPos(data)), 0);
    m_nShownPos = CurSel();
  }
  int CurSel() const { return static_cast<int>(SendMessageA(m_hWnd, CB_GETCURSEL, 0, 0)); }

  T m_Given = T(0);
  int m_nShownPos = -1;  // the item the wrapper last selected

  void Fill() {
    T current = GetCurData();
    SendMessageA(m_hWnd, CB_RESETCONTENT, 0, 0);
    int count = ItemCount();
    for (int i = 0; i < count; ++i) {
      const cString& item = m_lpItems ? m_lpItems[i] : (*m_lpItemVec)[i];
      SendMessageA(m_hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.GetStr()));
    }
    Select(current);
    Adjust();
  }
};

// The labels of a table (FillDatabaseCombo) go into labels, which must live as long as the combo.
template <class T, class R>
void FillDatabaseCombo(cCtrlGroups<cCtrlCombo<T>>& groups, uint16_t id, std::vector<cString>& labels,
                       const cVector<R>& table) {
  MakeComboLabels(labels, table);
  if (cCtrlCombo<T>* combo = FindCtrlById(groups, id)) combo->SetItemVector(&labels);
}

// Plays the sound effect selected in the combo box; 1 when it plays. Entry 0 stands for none.
int PlayComboSound(HWND dialog, int32_t data);
template <class T>
int PlayComboSound(HWND dialog, cCtrlGroups<cCtrlCombo<T>>& groups, uint16_t id) {
  cCtrlCombo<T>* combo = FindCtrlById(groups, id);
  return combo ? PlayComboSound(dialog, static_cast<int32_t>(combo->GetCurData())) : 0;
}
