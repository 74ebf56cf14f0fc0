#include "app/win/cWorkerThread.h"

#include <process.h>

#include <exception>

#include "app/Fault.h"
#include "app/ReportLog.h"

namespace {
thread_local cWorkerThread* t_pWorker = nullptr;
}

cWorkerThread::~cWorkerThread() {
  // A thread that would not stop has been waited for once already.
  if (!StillRunning()) Stop();
}

int cWorkerThread::Start(cThreadProc proc, void* param) {
  if (!Stop()) return 0;
  m_pfnProc = proc;
  m_pParam = param;
  m_bCancel = 0;
  m_bFault = 0;
  m_nResult = 0;
  unsigned id = 0;
  m_hThread = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, ThreadMain, this, 0, &id));
  m_nThreadId = m_hThread ? id : 0;
  return m_hThread ? 1 : 0;
}

unsigned __stdcall cWorkerThread::ThreadMain(void* self) { return static_cast<cWorkerThread*>(self)->Run(); }

unsigned cWorkerThread::Run() {
  t_pWorker = this;
  unsigned result = 0;
  try {
    result = m_pfnProc(m_pParam);
  } catch (const std::exception& fault) {
    ReportFault("WorkerThread", fault.what());
  } catch (...) {
    ReportFault("WorkerThread", "unknown");
  }
  // A load that met a fault or was told to stop holds data no one may use.
  if (ShouldStop()) result = 0;
  m_nResult = result;
  t_pWorker = nullptr;
  return result;
}

void cWorkerThread::NoteFaultOnThisThread() {
  if (t_pWorker) t_pWorker->m_bFault = 1;
}

int cWorkerThread::Resume() {
  if (!m_hThread) return 1;
  return ResumeThread(m_hThread) == static_cast<DWORD>(-1) ? 0 : 1;
}

int cWorkerThread::Finished() const {
  return !m_hThread || WaitForSingleObject(m_hThread, 0) == WAIT_OBJECT_0 ? 1 : 0;
}

int cWorkerThread::Stop() {
  if (!m_hThread) return 1;
  Resume();
  m_bCancel = 1;
  LogErrorF("Exit A");
  PostThreadMessageA(m_nThreadId, WM_QUIT, 0, 0);
  LogErrorF("Exit B");
  LogErrorF("Exit C");
  // A thread that makes its message queue late still gets its quit message.
  DWORD start = GetTickCount();
  while (WaitForSingleObject(m_hThread, 1) == WAIT_TIMEOUT) {
    if (GetTickCount() - start >= m_nStopWaitMs) {
      LogReport("WorkerThread : %lu ms 待っても終了しません", static_cast<unsigned long>(m_nStopWaitMs));
      return 0;
    }
    PostThreadMessageA(m_nThreadId, WM_QUIT, 0, 0);
  }
  LogErrorF("Exit D");
  CloseHandle(m_hThread);
  m_hThread = nullptr;
  m_nThreadId = 0;
  LogErrorF("Exit E");
  return 1;
}
