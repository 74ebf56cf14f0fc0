#pragma once
// A dialog and a control that record what reaches them, for the framework's tests. Each tag is a
// class of its own with its own instance pointer and static procedure, as every dialog class has.

#include <functional>
#include <string>
#include <vector>

#include "ui/win/cCtrl.h"
#include "ui/win/cDialog.h"

class cProbeCtrl : public cCtrl {
public:
  cProbeCtrl(uint16_t id, int32_t kind) {
    m_wId = id;
    m_nKind = kind;
  }
  void DataToCtrl() override { m_strCalls += "D"; }
  void CtrlToData() override { m_strCalls += "C"; }
  void OnChange() override { m_strCalls += "O"; }
  void OnKillFocus() override { m_strCalls += "K"; }
  void AfterCommand() override { m_strCalls += "A"; }
  void Redraw() override { m_strCalls += "R"; }
  int OnScroll(WPARAM, LPARAM) override {
    m_strCalls += "S";
    return 0;
  }
  void OnKeyDown(WPARAM key, LPARAM, int32_t ctrl) override {
    m_vKeys.push_back(static_cast<int>(key));
    m_nCtrlFlag = ctrl;
  }
  std::string m_strCalls;
  std::vector<int> m_vKeys;
  int32_t m_nCtrlFlag = -1;
};

template <int Tag>
class cProbeDialog : public cDialog {
public:
  cProbeDialog(uint16_t templateId, cWindow* parent, cModelessList* list, int32_t kind = kKindDialog)
      : cDialog(templateId, parent, kind, list) {
    Register();
  }
  // Placed at a stored position.
  cProbeDialog(uint16_t templateId, cWindow* parent, cModelessList* list, int32_t x, int32_t y)
      : cDialog(templateId, parent, kKindDialog, list, x, y) {
    Register();
  }
  // Placed at another window, centred on it or at its corner.
  cProbeDialog(uint16_t templateId, cWindow* parent, cModelessList* list, cWindow* place, int32_t center)
      : cDialog(templateId, parent, kKindDialog, list, place, center) {
    Register();
  }
  ~cProbeDialog() override {
    if (m_bModeless) Destroy();
    if (s_lpInstance == this) s_lpInstance = nullptr;
  }
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
  }

  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    LRESULT result = WindowProc(window, message, wParam, lParam);
    m_vMessages.push_back(message);
    if (m_OnMessage) m_OnMessage(*this, message, wParam, lParam);
    if (message == WM_CLOSE) {
      Close(0);
      return 1;
    }
    return result;
  }
  void OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (!AcceptCommand(wParam)) return;
    cDialog::OnCommand(wParam, lParam);
    m_vCommands.push_back(LOWORD(wParam));
    if (m_OnCommand) m_OnCommand(*this, LOWORD(wParam));
    if (LOWORD(wParam) == kIdcOk) {
      ControlsToData();
      Close(1);
    } else if (LOWORD(wParam) == kIdcCancel) {
      Close(0);
    }
  }
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override {
    cDialog::OnInitDialog(wParam, lParam);
    for (cCtrl* ctrl : m_vProbeCtrls) {
      ctrl->Attach(this, ctrl->m_wId);
      m_vCtrl.push_back(ctrl);
    }
    DataToControls();
    m_bInitialized = 1;
    if (m_OnInit) m_OnInit(*this);
  }
  void OnIdle() override { ++m_nIdle; }
  void OnPaint() override { ++m_nPaints; }

  int Count(UINT message) const {
    int count = 0;
    for (UINT seen : m_vMessages) count += seen == message;
    return count;
  }

  std::vector<cCtrl*> m_vProbeCtrls;
  std::function<void(cProbeDialog&)> m_OnInit;
  std::function<void(cProbeDialog&, WORD)> m_OnCommand;
  std::function<void(cProbeDialog&, UINT, WPARAM, LPARAM)> m_OnMessage;
  std::vector<UINT> m_vMessages;
  std::vector<WORD> m_vCommands;
  int m_nIdle = 0;
  int m_nPaints = 0;
  static cProbeDialog* s_lpInstance;

private:
  void Register() {
    s_lpInstance = this;
    m_lpfnProc = Proc;
  }
};

template <int Tag>
cProbeDialog<Tag>* cProbeDialog<Tag>::s_lpInstance = nullptr;

// Every window of this thread, in the order the system lists them.
std::vector<HWND> ThreadWindows();
// Dispatches what is queued for this thread (through the list's routing when one is given).
void PumpMessages(class cModelessList* list = nullptr);
