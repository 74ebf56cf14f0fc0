#pragma once
// The small wrappers: a check box bound to a flag, and the static text and push button that only
// give a page a handle on an item (Show, Enable, SetText).

#include "ui/win/cCtrl.h"

template <class T>
class cCtrlCheck : public cCtrl {
public:
  struct cCtrlParam {
    uint16_t m_wId = 0;
    T* m_lpData = nullptr;
    void Set(uint16_t id, T* data) { *this = cCtrlParam{id, data}; }
  };

  cCtrlCheck() { m_nKind = kCtrlCheck; }

  void Attach(cDialog* owner, const cCtrlParam& param) {
    cCtrl::Attach(owner, param.m_wId);
    m_lpData = param.m_lpData;
  }
  // Shows a given flag: storing writes it as it is until the user clicks the box.
  void SetCheck(T value) {
    m_Given = value;
    NoteGiven();
    SendMessageA(m_hWnd, BM_SETCHECK, static_cast<WPARAM>(static_cast<int32_t>(value)), 0);
    m_nShown = GetCheck();
  }
  int GetCheck() const { return static_cast<int>(SendMessageA(m_hWnd, BM_GETCHECK, 0, 0)); }
  // The value that storing takes: the flag given, or the box's state after the user's click.
  T Value() const { return ChangedByUser() ? static_cast<T>(GetCheck()) : m_Given; }
  int ChangedByUser() const override { return !Showing() && (cCtrl::ChangedByUser() || GetCheck() != m_nShown); }
  void DataToCtrl() override {
    if (m_lpData) SetCheck(*m_lpData);
  }
  void CtrlToData() override {
    if (!m_lpData) return;
    *m_lpData = Value();
    m_Given = *m_lpData;
    m_nShown = GetCheck();
    NoteGiven();
  }
  // BN_CLICKED: the user's click.
  void OnChange() override { NoteUserChange(); }

  T* m_lpData = nullptr;

private:
  T m_Given = T(0);
  int m_nShown = 0;  // the box's state as the wrapper last set it
};

class cCtrlStatic : public cCtrl {
public:
  using cCtrlParam = cCtrlIdParam;
  cCtrlStatic() { m_nKind = kCtrlStatic; }
  void Attach(cDialog* owner, const cCtrlParam& param) { cCtrl::Attach(owner, param.m_wId); }
};

class cCtrlButton : public cCtrl {
public:
  using cCtrlParam = cCtrlIdParam;
  cCtrlButton() { m_nKind = kCtrlButton; }
  void Attach(cDialog* owner, const cCtrlParam& param) { cCtrl::Attach(owner, param.m_wId); }
};
