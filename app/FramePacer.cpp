#include "app/FramePacer.h"

#include "app/cShellSeam.h"

int cFramePacer::Wait(uint32_t rate, uint32_t now) {
  if (!m_bStarted) {
    m_nDue = now;
    m_bStarted = 1;
  }
  if (rate == 0) return 1;
  // The clock wraps every 49.7 days: the signed difference stays right across the wrap.
  if (static_cast<int32_t>(now - m_nDue) < 0) return 0;
  m_nDue = now + 1000 / rate;
  return 1;
}

int WaitFrame(uint32_t rate) {
  static cFramePacer pacer;
  return pacer.Wait(rate, Shell().TickCount());
}
