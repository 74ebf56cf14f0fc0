#pragma once
// A hook of one kind on the calling thread, handing what it hears to one object while the hook
// lives: the object's OnHook(code, wParam, lParam) runs before the next hook in the chain.

#include <windows.h>

template <class Owner>
class cThreadHook {
public:
  cThreadHook(int kind, Owner* owner) {
    t_lpOwner = owner;
    m_hHook = SetWindowsHookExA(kind, Proc, nullptr, GetCurrentThreadId());
  }
  ~cThreadHook() {
    if (m_hHook) UnhookWindowsHookEx(m_hHook);
    t_lpOwner = nullptr;
  }
  cThreadHook(const cThreadHook&) = delete;
  cThreadHook& operator=(const cThreadHook&) = delete;

private:
  static LRESULT CALLBACK Proc(int code, WPARAM wParam, LPARAM lParam) {
    if (t_lpOwner) t_lpOwner->OnHook(code, wParam, lParam);
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static thread_local Owner* t_lpOwner;
  HHOOK m_hHook = nullptr;
};

template <class Owner>
thread_local Owner* cThreadHook<Owner>::t_lpOwner = nullptr;
