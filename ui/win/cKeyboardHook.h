#pragma once
// One keyboard hook for the user-interface thread lets the active dialog see its keys too: each key
// is re-posted to the dialog (the focused control still gets it), and the scrolling and editing keys
// arrive as a message of their own. Keys stay with the input method while it composes.

#include <windows.h>

#include <cstdint>

// The hook's key message: the virtual key in wParam, the key data in lParam.
constexpr UINT kMsgHookKey = 2024;

class cKeyboardHook {
public:
  cKeyboardHook() = default;
  // The holder leaves a window that outlives it, so that the hook never reaches a freed holder.
  virtual ~cKeyboardHook();
  // Puts the holder on the window ("cHook") and installs the hook when there is none yet;
  // 1 when a hook exists afterwards.
  int Install(HWND window, int32_t modeless);
  static int IsForwardedKey(WPARAM key);

  HWND m_hWnd = nullptr;
  int32_t m_bModeless = 0;
};

// The installed hook's procedure.
LRESULT CALLBACK KeyboardHookProc(int code, WPARAM key, LPARAM keyData);
// Removes the hook at shut-down.
void RemoveKeyboardHook();
int KeyboardHookInstalled();
// 1 from a Ctrl press seen by the hook until its release.
int32_t CtrlKeyHeld();

// How the hook learns whether the input method is composing; tests replace it.
using CompositionLengthFn = LONG (*)(HWND window, int* hasContext);
void SetCompositionLengthSource(CompositionLengthFn source);
