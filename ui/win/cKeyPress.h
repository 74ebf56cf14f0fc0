#pragma once
// One press of a key that reaches a window twice: through the window's accelerator table and as
// the key the keyboard hook passes on (or, without an input method, as that key translated once
// more). The window acts on the first arrival only.

#include <windows.h>

#include <cstdint>

class cKeyPress {
public:
  // 1 when this press was served already; from now on it counts as served.
  int Repeated() {
    // The key's release ends a press; a release the window never heard, a second at the latest.
    DWORD now = GetMessageTime();
    int same = m_bServed && now - m_nTime < kSamePressMs;
    m_bServed = 1;
    m_nTime = now;
    return same;
  }
  void Release() { m_bServed = 0; }

private:
  static constexpr DWORD kSamePressMs = 1000;
  int32_t m_bServed = 0;
  DWORD m_nTime = 0;
};
