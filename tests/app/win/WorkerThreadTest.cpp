#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "app/cVector.h"
#include "app/win/cShellWin.h"
#include "app/win/cWorkerThread.h"
#include "tests/support/TestSupport.h"
#include "tests/support/win/BoxAnswerer.h"

namespace {
class WorkerThreadTest : public ::testing::Test {
protected:
  WorkerThreadTest() { InstallShellWin(); }
  ~WorkerThreadTest() override { SetShell(nullptr); }
  cScratchFolder m_Folder;
  cTestReportLog m_Log;
  cTestMainWindow m_Main;
  cWorkerThread m_Worker;
};

struct cLoad {
  cWorkerThread* m_pWorker = nullptr;
  HANDLE m_hRelease = nullptr;  // set when a load that was asked to stop may end
  std::atomic<int> m_nSteps{0};
  std::atomic<int> m_bCleanEnd{0};
};

unsigned __stdcall StoppableLoad(void* param) {
  cLoad* load = static_cast<cLoad*>(param);
  while (!load->m_pWorker->ShouldStop()) {
    ++load->m_nSteps;
    Sleep(1);
  }
  load->m_bCleanEnd = 1;
  return 1;
}

// A load that sees the stop flag but ends only once it is released.
unsigned __stdcall LoadUntilReleased(void* param) {
  cLoad* load = static_cast<cLoad*>(param);
  while (!load->m_pWorker->ShouldStop()) Sleep(1);
  WaitForSingleObject(load->m_hRelease, INFINITE);
  load->m_bCleanEnd = 1;
  return 1;
}

DWORD WINAPI ReleaseWhenAsked(void* param) {
  cLoad* load = static_cast<cLoad*>(param);
  while (!load->m_pWorker->ShouldStop()) Sleep(1);
  SetEvent(load->m_hRelease);
  return 0;
}

unsigned __stdcall QuickLoad(void*) { return 7; }

unsigned __stdcall LoadWithBadIndex(void* param) {
  cVector<int> records(1);
  records.At(5);  // hands out the first record, but the load must not count
  static_cast<cLoad*>(param)->m_bCleanEnd = 1;
  return 1;
}

unsigned __stdcall LoadThatThrows(void*) {
  cVector<int> none;
  return static_cast<unsigned>(none.At(0));
}
}  // namespace

TEST_F(WorkerThreadTest, StopWithoutAThreadReturnsAtOnce) {
  m_Worker.Stop();
  m_Worker.Stop();
  EXPECT_EQ(m_Worker.m_hThread, nullptr);
  EXPECT_EQ(m_Worker.Finished(), 1);
  EXPECT_EQ(m_Worker.Resume(), 1);
}

TEST_F(WorkerThreadTest, FinishedLoadKeepsItsResult) {
  ASSERT_EQ(m_Worker.Start(QuickLoad, nullptr), 1);
  EXPECT_NE(m_Worker.m_nThreadId, 0u);
  while (!m_Worker.Finished()) Sleep(1);
  EXPECT_EQ(m_Worker.Result(), 7u);
  m_Worker.Stop();
  EXPECT_EQ(m_Worker.m_hThread, nullptr);
  EXPECT_EQ(m_Worker.Result(), 7u);
}

TEST_F(WorkerThreadTest, StopWaitsForTheLoadToGiveUpInsteadOfKillingIt) {
  // The load goes on after it was asked to stop until another thread lets it end: Stop must still
  // be waiting then, however long that takes.
  cLoad load;
  load.m_pWorker = &m_Worker;
  load.m_hRelease = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  ASSERT_EQ(m_Worker.Start(LoadUntilReleased, &load), 1);
  HANDLE releaser = CreateThread(nullptr, 0, ReleaseWhenAsked, &load, 0, nullptr);
  EXPECT_EQ(m_Worker.Stop(), 1);
  EXPECT_EQ(load.m_bCleanEnd, 1) << "the load reached its own end";
  EXPECT_EQ(m_Worker.Result(), 0u) << "a stopped load has failed";
  EXPECT_EQ(m_Worker.m_hThread, nullptr);
  EXPECT_EQ(m_Worker.StillRunning(), 0);
  WaitForSingleObject(releaser, INFINITE);
  CloseHandle(releaser);
  CloseHandle(load.m_hRelease);

  ASSERT_EQ(m_Worker.Start(StoppableLoad, &load), 1);
  while (load.m_nSteps < 3) Sleep(1);
  EXPECT_EQ(m_Worker.Stop(), 1);
  EXPECT_EQ(load.m_bCleanEnd, 1);
}

TEST_F(WorkerThreadTest, ALoadThatWillNotStopIsLeftAfterTheBoundAndSaidSo) {
  cLoad load;
  load.m_pWorker = &m_Worker;
  load.m_hRelease = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  ASSERT_EQ(m_Worker.Start(LoadUntilReleased, &load), 1);
  m_Worker.m_nStopWaitMs = 20;  // the test's own short bound
  EXPECT_EQ(m_Worker.Stop(), 0);
  EXPECT_EQ(m_Worker.StillRunning(), 1);
  EXPECT_NE(m_Worker.m_hThread, nullptr) << "still held";
  EXPECT_EQ(m_Log.Lines(), (std::vector<std::string>{"WorkerThread : 20 ms 待っても終了しません"}));
  EXPECT_EQ(m_Worker.Start(QuickLoad, nullptr), 0) << "no second worker beside it";

  // Once it ends, a later Stop releases it.
  SetEvent(load.m_hRelease);
  m_Worker.m_nStopWaitMs = cWorkerThread::kStopWaitMs;
  EXPECT_EQ(m_Worker.Stop(), 1);
  EXPECT_EQ(m_Worker.StillRunning(), 0);
  EXPECT_EQ(load.m_bCleanEnd, 1);
  CloseHandle(load.m_hRelease);
}

TEST_F(WorkerThreadTest, BadIndexOnTheWorkerFailsTheLoadAndAsksTheMainWindowToClose) {
  cLoad load;
  ASSERT_EQ(m_Worker.Start(LoadWithBadIndex, &load), 1);
  while (!m_Worker.Finished()) Sleep(1);
  EXPECT_EQ(load.m_bCleanEnd, 1);
  EXPECT_EQ(m_Worker.Result(), 0u);
  EXPECT_FALSE(m_Main.Destroyed()) << "the worker cannot destroy a window of another thread";
  EXPECT_TRUE(m_Main.CloseRequested());
  EXPECT_EQ(m_Log.Lines(), (std::vector<std::string>{"err V[5] ( 1 , 4 )"}));
  m_Worker.Stop();
}

TEST_F(WorkerThreadTest, FaultOnTheWorkerIsCaughtAtTheThreadBoundary) {
  ASSERT_EQ(m_Worker.Start(LoadThatThrows, nullptr), 1);
  while (!m_Worker.Finished()) Sleep(1);
  EXPECT_EQ(m_Worker.Result(), 0u);
  EXPECT_TRUE(m_Main.CloseRequested());
  std::vector<std::string> lines = m_Log.Lines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1], "err WorkerThread ( invalid vector<T> subscript )");
  m_Worker.Stop();
  // The next load starts clean.
  ASSERT_EQ(m_Worker.Start(QuickLoad, nullptr), 1);
  while (!m_Worker.Finished()) Sleep(1);
  EXPECT_EQ(m_Worker.Result(), 7u);
}
