#pragma once
// A stack of small view-state records. The editors keep the cursor cell in the top record; a window
// that opens over another pushes its own record and hands its last value back when it pops.

#include <cstdint>

#include "app/cVector.h"

struct cStateRecord {
  int32_t m_nX = 0;  // the cursor cell
  int32_t m_nY = 0;
  int32_t m_nPixelX = 0;  // the view pixel of the cell's top-left corner
  int32_t m_nPixelY = 0;
};

class cStateStack {
public:
  cStateStack();
  // One zero record.
  void Reset();
  // copy 1: the new top starts as a copy of the record below it.
  void Push(int32_t copy);
  // Mode 0: the new top becomes zero; 2: it takes the removed record's value; 1: it keeps its own.
  void Pop(int32_t mode);
  int Count() const { return m_vStack.Count(); }

  cStateRecord* m_lpCurrent = nullptr;
  cStateRecord* m_lpPrevious = nullptr;  // null while the stack holds one record
  cCoreVector<cStateRecord> m_vStack;

private:
  void PointAtTop();
};

extern cStateStack g_StateStack;
