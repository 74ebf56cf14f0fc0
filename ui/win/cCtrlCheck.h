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
  void SetCheck(T value) { SendMessageA(m_hWnd, BM_SETCHECK, static_cast<WPARAM>(static_cast<int32_t>(value)), 0); }
  int GetCheck() const { return static_cast<int>(SendMessageA(m_hWnd, BM_GETCHECK, 0, 0)); }
  void DataToCtrl() override {
    if (m_lpData) SetCheck(*m_lpData);
  }
  void CtrlToData() override {
    if (m_lpData) *m_lpData = static_cast<T>(GetCheck());
  }

  T* m_lpData = nullptr;
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
