#include <gtest/gtest.h>

#include <atomic>

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
  int m_nDelay = 0;  // milliseconds before the load first looks at its stop flag
  std::atomic<int> m_nSteps{0};
  std::atomic<int> m_bCleanEnd{0};
};

unsigned __stdcall StoppableLoad(void* param) {
  cLoad* load = static_cast<cLoad*>(param);
  Sleep(load->m_nDelay);
  while (!load->m_pWorker->ShouldStop()) {
    ++load->m_nSteps;
    Sleep(1);
  }
  load->m_bCleanEnd = 1;
  return 1;
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
  cLoad load;
  load.m_pWorker = &m_Worker;
  load.m_nDelay = 300;  // longer than 200 polls of a millisecond: the load is not cut short
  ASSERT_EQ(m_Worker.Start(StoppableLoad, &load), 1);
  DWORD start = GetTickCount();
  m_Worker.Stop();
  EXPECT_GE(GetTickCount() - start, 250u);
  EXPECT_EQ(load.m_bCleanEnd, 1) << "the load reached its own end";
  EXPECT_EQ(m_Worker.Result(), 0u) << "a stopped load has failed";
  EXPECT_EQ(m_Worker.m_hThread, nullptr);

  load.m_nDelay = 0;
  ASSERT_EQ(m_Worker.Start(StoppableLoad, &load), 1);
  while (load.m_nSteps < 3) Sleep(1);
  m_Worker.Stop();
  EXPECT_EQ(load.m_bCleanEnd, 1);
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
