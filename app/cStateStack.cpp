#include "app/cStateStack.h"

cStateStack::cStateStack() { Reset(); }

void cStateStack::Reset() {
  m_vStack.Reset(1);
  PointAtTop();
}

void cStateStack::Push(int32_t copy) {
  m_vStack.push_back(cStateRecord());
  int top = m_vStack.Count() - 1;
  if (copy == 1 && top >= 1) m_vStack.At(top) = m_vStack.At(top - 1);
  PointAtTop();
}

void cStateStack::Pop(int32_t mode) {
  if (m_vStack.Count() <= 1) return;
  cStateRecord removed = m_vStack.back();
  m_vStack.pop_back();
  cStateRecord& top = m_vStack.At(m_vStack.Count() - 1);
  if (mode == 0) top = cStateRecord();
  else if (mode == 2) top = removed;
  PointAtTop();
}

// The pointers go into the vector's storage, so they are set again after every change.
void cStateStack::PointAtTop() {
  int top = m_vStack.Count() - 1;
  m_lpCurrent = &m_vStack.At(top);
  m_lpPrevious = top >= 1 ? &m_vStack.At(top - 1) : nullptr;
}
