#pragma once
// A numeric edit bound to a member of type T (char, unsigned char, short, int, double), with the
// up-down beside it. The text stays a number within the member's limits while the user types:
// characters that cannot belong to a number are refused, full-width digits from the input method
// become half-width, and every change is shown limited. Reading the text saturates to the type and
// storing keeps the limits. A value given to show is displayed within the limits but kept as it
// is: storing writes it unchanged until the user types or steps (cCtrl::ChangedByUser).

#include <windows.h>
#include <commctrl.h>
#include <imm.h>

#include "ui/NumericText.h"
#include "ui/win/cCtrlEdit.h"

// The up-down beside a numeric edit; the edit fills its parameter block.
template <class T>
class cCtrlSpin : public cCtrl {
public:
  struct cCtrlParam {
    uint16_t m_wId = 0;
    HWND m_hWndBuddy = nullptr;
    T* m_lpData = nullptr;
    T m_Step = T(0);
    T m_Min = T(0);
    T m_Max = T(0);
  };

  cCtrlSpin() { m_nKind = kCtrlSpin; }

  void Attach(cDialog* owner, const cCtrlParam& param) {
    cCtrl::Attach(owner, param.m_wId);
    m_lpData = param.m_lpData;
    m_hWndBuddy = param.m_hWndBuddy;
    m_Step = param.m_Step;
    SetRange(param.m_Min, param.m_Max);
  }
  void SetRange(T min, T max) {
    m_Min = min;
    m_Max = max;
    SendMessageA(m_hWnd, UDM_SETRANGE32, static_cast<WPARAM>(static_cast<int32_t>(min)),
                 static_cast<LPARAM>(static_cast<int32_t>(max)));
  }

  T* m_lpData = nullptr;
  HWND m_hWndBuddy = nullptr;
  T m_Step = T(0);
  T m_Min = T(0);
  T m_Max = T(0);
};

// Where the input method's result text comes from; tests hand in the text a user composed.
using CompositionResultFn = cString (*)(HWND edit);
void SetCompositionResultSource(CompositionResultFn source);
cString CompositionResult(HWND edit);

constexpr const char* kEditValProperty = "CTRL_EDITVAL_CLASS";

template <class T>
class cCtrlEditVal : public cCtrlEdit {
public:
  struct cCtrlParam {
    uint16_t m_wId = 0;
    T* m_lpData = nullptr;
    T m_Min = T(0);
    T m_Max = T(0);
    uint16_t m_wSpinId = 0;  // 0: no up-down
    T m_Step = T(1);
    void Set(uint16_t id, T* data, T min, T max, uint16_t spinId, T step) {
      *this = cCtrlParam{id, data, min, max, spinId, step};
    }
  };

  cCtrlEditVal() { m_nKind = kCtrlEditVal; }
  ~cCtrlEditVal() override { ReleaseSubclass(kEditValProperty); }
  cCtrlEditVal(const cCtrlEditVal&) = default;
  cCtrlEditVal& operator=(const cCtrlEditVal&) = default;

  void Attach(cDialog* owner, const cCtrlParam& param) {
    cCtrl::Attach(owner, param.m_wId);
    RemoveStyle(ES_NUMBER);  // the sign and the decimal point must get through
    m_lpData = param.m_lpData;
    m_Min = param.m_Min;
    m_Max = param.m_Max;
    m_Step = param.m_Step;
    m_nDecimals = DecimalsNeeded(static_cast<double>(m_Step));
    if (param.m_wSpinId) {
      m_Spin.Attach(owner, {param.m_wSpinId, m_hWnd, m_lpData, m_Step, m_Min, m_Max});
      // The up-down never writes into the edit by itself: its clicks come through OnNotify.
      m_Spin.RemoveStyle(UDS_SETBUDDYINT);
    }
    m_nType = ValueTypeCode<T>();
    m_bFloat = IsFloatType(m_nType);
    SubclassItem(kEditValProperty, Procedure);
    SetValue(m_lpData ? *m_lpData : T(0));
  }

  // Shows a given value: storing writes it as it is until the user changes the edit.
  void SetValue(T value) {
    m_Given = value;
    NoteGiven();
    m_bTyping = 0;
    m_strTyped.clear();
    cShowing showing(*this);
    Display(value);
  }

  void ShowValue(T value, int32_t force) {
    int32_t limited = 0;
    value = ClampValue(value, m_Min, m_Max, &limited);
    if (m_bEmpty) return;
    if (m_bFloat && !force && !limited) {
      if (!m_strTyped.empty()) ShowText(m_strTyped);
      return;
    }
    if (!m_bFloat && !m_strTyped.empty()) ShowText(m_strTyped);
    else ShowText(FormatNumber(static_cast<double>(value), m_bFloat, m_nDecimals));
  }

  // The text's value within the type (not yet within the limits); notes what is being typed.
  T ParseText() {
    cString text;
    GetDlgItemString(m_hWndOwner, m_wId, text, 1024);
    cNumberReading<T> reading = ReadNumberText<T>(text.GetStr(), m_Min, m_Max, m_nDecimals);
    m_strTyped = reading.m_strTyped;
    m_bEmpty = reading.m_bEmpty;
    return reading.m_Value;
  }

  // The value that storing takes: the value given, or after the user's change the text's value
  // within the limits.
  T Value() { return ChangedByUser() ? ClampValue(ParseText(), m_Min, m_Max) : m_Given; }
  // 1 when the user changed the text since it was given or stored: a change notice outside the
  // wrapper's own writes, or a text other than the one it wrote (an edit whose notices reach no
  // wrapper, as a slider's value edit).
  int ChangedByUser() const override {
    return !Showing() && (cCtrl::ChangedByUser() || ItemText() != m_strShown);
  }

  // New limits for what the user types and steps; the value given stays as it is and is shown
  // again within them, unless the user is changing the text.
  void SetRange(T min, T max) {
    bool changed = min != m_Min || max != m_Max;
    m_Min = min;
    m_Max = max;
    if (m_Spin.m_hWnd) m_Spin.SetRange(min, max);
    if (!changed || !m_hWnd || m_bTyping || ChangedByUser()) return;
    cShowing showing(*this);
    Display(m_Given);
  }

  void Enable(int flag) override {
    EnableWindow(m_hWnd, flag);
    EnableWindow(m_Spin.m_hWnd, flag);
  }
  void DataToCtrl() override {
    if (m_lpData) SetValue(*m_lpData);
  }
  void CtrlToData() override {
    if (!m_lpData) return;
    *m_lpData = Value();
    Stored(*m_lpData);
  }
  // What was stored is the value given from now on: a later range change stores nothing new.
  void Stored(T value) {
    m_Given = value;
    NoteGiven();
    m_strShown = ItemText();
  }

  void OnChange() override {
    NoteUserChange();
    if (cCtrl::ChangedByUser()) m_bTyping = 1;
    ParseText();
    if (m_bBusy) return;
    m_bBusy = 1;
    DWORD start = 0, end = 0;
    SendMessageA(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    T value = ParseText();
    if (!m_bEmpty) ShowValue(value, 0);
    SendMessageA(m_hWnd, EM_SETSEL, start, end);
    m_bBusy = 0;
  }

  int OnNotify(WPARAM wParam, LPARAM lParam) override {
    const NMUPDOWN* notice = reinterpret_cast<const NMUPDOWN*>(lParam);
    if (!m_Spin.m_hWnd || wParam != m_Spin.m_wId || notice->hdr.code != static_cast<UINT>(UDN_DELTAPOS)) return 0;
    T value = StepValue(ParseText(), notice->iDelta, m_Spin.m_Step, m_Min, m_Max);
    NoteUserChange();
    m_bEmpty = 0;
    m_strTyped.clear();
    Display(value);
    return 1;
  }

  // Finishing the typing: the edit shows the value that storing takes. An edit the user never
  // typed into keeps what it shows; the value edit of a slider leaves it to the slider.
  void OnKillFocus() override {
    if (m_bBusy) return;
    if (m_lpLeaveTarget) {
      m_lpLeaveTarget->OnKillFocus();
      return;
    }
    if (!m_bTyping) return;
    m_bBusy = 1;
    T value = ParseText();
    m_bEmpty = 0;
    m_strTyped.clear();
    m_bTyping = 0;
    Display(value);
    m_bBusy = 0;
  }

  T* m_lpData = nullptr;
  T m_Given = T(0);  // the value given to show, which storing keeps until the user's change
  cCtrlSpin<T> m_Spin;
  T m_Min = T(0);
  T m_Max = T(0);
  T m_Step = T(0);
  int32_t m_nType = kTypeOther;
  int32_t m_bFloat = 0;
  int32_t m_nDecimals = 0;
  int32_t m_bEmpty = 0;
  cString m_strTyped;
  int32_t m_bTyping = 0;  // the user typed since the edit last showed a finished value
  cString m_strShown;  // the text the wrapper itself last wrote
  // For an edit inside another wrapper (the slider's value edit): told when the typing ends.
  cCtrl* m_lpLeaveTarget = nullptr;

private:
  // The value written into the edit within the limits; what the wrapper keeps stays. A value
  // given to show is written under cShowing, one the user stepped or finished typing is not.
  void Display(T value) {
    m_bEmpty = 0;
    ShowValue(value, 1);
    m_strShown = ItemText();
  }
  cString ItemText() const {
    cString text;
    GetDlgItemString(m_hWndOwner, m_wId, text, 1024);
    return text;
  }
  // Rewrites the edit only when its text changes, so that the selection survives.
  void ShowText(const cString& text) {
    if (ItemText() != text) SetText(text.GetStr());
  }

  LRESULT OnItemMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
      case WM_CHAR:
        if (!AcceptsNumberChar(static_cast<unsigned>(wParam), m_bFloat)) return 0;
        break;
      case WM_IME_COMPOSITION:
        if (!(lParam & GCS_RESULTSTR)) break;
        // The composed text never reaches the edit; its digits arrive as typed characters.
        for (char half : HalfWidthNumberChars(CompositionResult(window).GetStr()))
          SendMessageA(window, WM_CHAR, static_cast<unsigned char>(half), 1);
        return 0;
      case WM_KILLFOCUS:
        // An edit outside the dialog's control list hears of its own end of typing here.
        if (m_lpLeaveTarget) {
          LRESULT result = PassOn(kEditValProperty, window, message, wParam, lParam);
          OnKillFocus();
          return result;
        }
        break;
      default:
        break;
    }
    return PassOn(kEditValProperty, window, message, wParam, lParam);
  }

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<cCtrlEditVal*>(FromItem(window, kEditValProperty));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    return GuardedItemMessage([&] { return self->OnItemMessage(window, message, wParam, lParam); });
  }
};
