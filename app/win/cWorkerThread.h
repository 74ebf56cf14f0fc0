#pragma once
// One worker thread with an orderly stop. The stage loader runs on it while the user-interface
// thread polls its end; the loader checks ShouldStop between its steps, so Stop can wait for it
// instead of killing it in the middle of a document.

#include <windows.h>

#include <atomic>
#include <cstdint>

// The thread procedure in the C runtime's form; its result is the load's result (0: failed).
using cThreadProc = unsigned(__stdcall*)(void* param);

class cWorkerThread {
public:
  // Long enough for any load to reach its next step; only a worker that hangs takes it all.
  static constexpr uint32_t kStopWaitMs = 30000;

  cWorkerThread() = default;
  ~cWorkerThread();
  cWorkerThread(const cWorkerThread&) = delete;
  cWorkerThread& operator=(const cWorkerThread&) = delete;

  // 1, or 0 when no thread was made. A thread still held is stopped first.
  int Start(cThreadProc proc, void* param);
  int Resume();
  // Asks the thread to stop, waits until it has and releases the handle: 1. A thread that has not
  // ended within m_nStopWaitMs is left running and still held (a later Stop waits again), the
  // report log says so, and Stop returns 0.
  int Stop();
  // 1 while a thread that was asked to stop has not ended: what it holds is not to be used.
  int StillRunning() const { return m_bCancel.load() && !Finished() ? 1 : 0; }
  // Set when Stop asks the thread to end or when the thread met a fault: the load gives up.
  int ShouldStop() const { return m_bCancel.load() || m_bFault.load() ? 1 : 0; }
  // 1 when no thread runs (any more); polled without waiting.
  int Finished() const;
  // The procedure's result; 0 when it failed, met a fault or was asked to stop.
  uint32_t Result() const { return m_nResult.load(); }

  // A fault on a worker thread (a bad index) fails that thread's load.
  static void NoteFaultOnThisThread();

  uint32_t m_nThreadId = 0;
  HANDLE m_hThread = nullptr;
  uint32_t m_nStopWaitMs = kStopWaitMs;

private:
  static unsigned __stdcall ThreadMain(void* self);
  unsigned Run();

  cThreadProc m_pfnProc = nullptr;
  void* m_pParam = nullptr;
  std::atomic<int32_t> m_bCancel{0};
  std::atomic<int32_t> m_bFault{0};
  std::atomic<uint32_t> m_nResult{0};
};

extern cWorkerThread g_WorkerThread;
