#include "ui/win/cKeyboardHook.h"

#include <imm.h>

#include <exception>

#include "app/Fault.h"
#include "app/MessageBox.h"

namespace {
HHOOK g_hHook = nullptr;
int32_t g_bCtrlHeld = 0;

LONG ImeCompositionLength(HWND window, int* hasContext) {
  HIMC context = ImmGetContext(window);
  *hasContext = context ? 1 : 0;
  if (!context) return 0;
  LONG length = ImmGetCompositionStringA(context, GCS_COMPSTR, nullptr, 0);
  ImmReleaseContext(window, context);
  return length;
}

CompositionLengthFn g_pfnCompositionLength = ImeCompositionLength;

// 1 while the input method of the window holds text it is composing.
int Composing(HWND window, int* hasContext) {
  LONG length = g_pfnCompositionLength(window, hasContext);
  if (!*hasContext) DebugBoxF("Err ImmGetContext");
  return length != 0 ? 1 : 0;
}

void PostUnlessCtrlInModeless(const cKeyboardHook& holder, HWND active, UINT message, WPARAM key, LPARAM data) {
  if (holder.m_bModeless && g_bCtrlHeld) return;
  PostMessageA(active, message, key, data);
}

void OnKey(WPARAM key, LPARAM data) {
  HWND active = GetActiveWindow();
  cKeyboardHook* holder = static_cast<cKeyboardHook*>(GetPropA(active, "cHook"));
  if (!holder || holder->m_hWnd != active) return;
  if (data & 0x80000000) {
    if (key == VK_CONTROL) g_bCtrlHeld = 0;
    PostUnlessCtrlInModeless(*holder, active, WM_KEYUP, key, data);
    return;
  }
  if (key == VK_TAB) return;
  int hasContext = 0;
  int composing = Composing(active, &hasContext);
  if (key == VK_RETURN) {
    if (composing) return;  // Enter finishes the input method's text
  } else if (hasContext && !composing && cKeyboardHook::IsForwardedKey(key)) {
    PostMessageA(active, kMsgHookKey, key, data);
    return;
  } else if (key == VK_CONTROL) {
    g_bCtrlHeld = 1;
  }
  PostUnlessCtrlInModeless(*holder, active, WM_KEYDOWN, key, data);
}
}  // namespace

cKeyboardHook::~cKeyboardHook() {
  if (m_hWnd && GetPropA(m_hWnd, "cHook") == this) RemovePropA(m_hWnd, "cHook");
}

int cKeyboardHook::Install(HWND window, int32_t modeless) {
  m_hWnd = window;
  m_bModeless = modeless;
  SetPropA(window, "cHook", this);
  if (!g_hHook) g_hHook = SetWindowsHookExA(WH_KEYBOARD, KeyboardHookProc, nullptr, GetCurrentThreadId());
  return g_hHook ? 1 : 0;
}

int cKeyboardHook::IsForwardedKey(WPARAM key) {
  switch (key) {
    case VK_SPACE: case VK_LEFT: case VK_UP: case VK_RIGHT: case VK_DOWN: case VK_DELETE:
    case VK_F1: case VK_F2: case VK_F3: case VK_F4: case VK_F5: case VK_F6: case VK_F7: case VK_F8:
      return 1;
    default:
      return 0;
  }
}

LRESULT CALLBACK KeyboardHookProc(int code, WPARAM key, LPARAM keyData) {
  if (code >= 0 && code != HC_NOREMOVE) {
    try {
      OnKey(key, keyData);
    } catch (const std::exception& fault) {
      ReportFault("KeyboardHookProc", fault.what());
    } catch (...) {
      ReportFault("KeyboardHookProc", "unknown");
    }
  }
  return CallNextHookEx(g_hHook, code, key, keyData);
}

void RemoveKeyboardHook() {
  if (!g_hHook) return;
  UnhookWindowsHookEx(g_hHook);
  g_hHook = nullptr;
}

int KeyboardHookInstalled() { return g_hHook ? 1 : 0; }

int32_t CtrlKeyHeld() { return g_bCtrlHeld; }

void SetCompositionLengthSource(CompositionLengthFn source) {
  g_pfnCompositionLength = source ? source : ImeCompositionLength;
}
