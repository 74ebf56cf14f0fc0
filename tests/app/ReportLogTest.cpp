#include <gtest/gtest.h>

#include "app/MessageBox.h"
#include "app/ReportLog.h"
#include "tests/support/TestSupport.h"

TEST(ReportLog, LinesEndInCrLfAndAStartEmptiesTheLog) {
  cScratchFolder folder;
  WriteFileBytes("Report_Editor.txt", Hex("41 42"));
  ASSERT_EQ(CreateReportLog("Report_Editor.txt"), 1);
  EXPECT_TRUE(ReadFileBytes("Report_Editor.txt").empty());
  LogReport("App : ver %s", "771");
  LogReport("two\n");
  LogReportAndError("%d", 3);
  Bytes text = ReadFileBytes("Report_Editor.txt");
  EXPECT_EQ(std::string(text.begin(), text.end()), "App : ver 771\r\ntwo\r\n\r\n3\r\n");
}

TEST(ReportLog, DeletedLogDropsEntries) {
  cScratchFolder folder;
  ASSERT_EQ(CreateReportLog("Report_Editor.txt"), 1);
  std::remove("Report_Editor.txt");
  EXPECT_EQ(LogReport("gone"), 0);
  EXPECT_FALSE(FileThere("Report_Editor.txt"));
}

TEST(ReportLog, SystemReportLines) {
  cScratchFolder folder;
  cTestReportLog log;
  cSystemFacts facts;
  facts.m_strOs = FormatOsVersion(2, 5, 1, 2600, "");
  facts.m_strCpuVendor = "GenuineX";
  facts.m_strCpuBrand = "Brand";
  facts.m_dClockHz = 2999999999.0;
  facts.m_nMemTotal = 1048576u * 512;
  facts.m_nMemFree = 1048576u * 100 + 262144;
  facts.m_nVirTotal = 2147352576u;
  facts.m_nVirFree = 0;
  facts.m_nDiskFree = CapDiskSpace(5000000000ull);
  ASSERT_EQ(WriteSystemReport(facts), 1);
  std::vector<std::string> expected = {
      "OS : Windows XP  PID 2 Build 2600", "CPU : GenuineX Brand 2999", "Mem Total : 512.000MB",
      "Mem Free : 100MB", "Vir Total : 2047.875MB", "Vir Free :   0MB", "HD Free : 2048MB"};
  EXPECT_EQ(log.Lines(), expected);
}

TEST(ReportLog, SizesAreCappedToTheReportsFields) {
  struct {
    uint64_t m_nBytes;
    int32_t m_nDisk;
    uint32_t m_nMemory;
  } rows[] = {{0, 0, 0},
              {0x7FFFFFFFull, 0x7FFFFFFF, 0x7FFFFFFFu},
              {0x80000000ull, 0x7FFFFFFF, 0x80000000u},
              {0xFFFFFFFFull, 0x7FFFFFFF, 0xFFFFFFFFu},
              {0x100000000ull, 0x7FFFFFFF, 0xFFFFFFFFu},  // 4 GB: no wrap around to 0
              {24ull << 30, 0x7FFFFFFF, 0xFFFFFFFFu}};
  for (const auto& row : rows) {
    EXPECT_EQ(CapDiskSpace(row.m_nBytes), row.m_nDisk) << row.m_nBytes;
    EXPECT_EQ(CapMemorySize(row.m_nBytes), row.m_nMemory) << row.m_nBytes;
  }
}

TEST(ReportLog, OsNames) {
  EXPECT_STREQ(OsNameOf(1, 4, 10), "Windows 98");
  EXPECT_STREQ(OsNameOf(2, 6, 1), "Windows 7");
  EXPECT_STREQ(OsNameOf(2, 10, 0), "Windows") << "an unknown version still has a name";
  EXPECT_EQ(FormatOsVersion(2, 6, 1, 7601, "Service Pack 1"), "Windows 7 Service Pack 1 PID 2 Build 7601");
}

TEST(ReportLog, ErrorLogStaysOffAndDebugBoxesAreSilent) {
  cScratchFolder folder;
  cFakeShell shell;
  SetErrorLog(0, "EC_Editor.txt");
  LogError("x");
  EXPECT_EQ(LogErrorF("%d", 1), 0);
  EXPECT_EQ(DebugBoxF("%s", "never"), 0);
  EXPECT_TRUE(shell.m_vBoxes.empty());
  EXPECT_FALSE(FileThere("EC_Editor.txt"));
}

TEST(MessageBoxes, ErrorBoxesAndOutOfMemory) {
  cFakeShell shell;
  ErrorBoxF("%s の読み込みに失敗しました！", "a.dat");
  std::string huge(5000, 'x');
  ErrorBoxF("%s", huge.c_str());
  OutOfMemory();
  ASSERT_EQ(shell.m_vBoxes.size(), 3u);
  EXPECT_EQ(shell.m_vBoxes[0].m_strText, "a.dat の読み込みに失敗しました！");
  EXPECT_EQ(shell.m_vBoxes[0].m_strCaption, "エラー");
  EXPECT_EQ(shell.m_vBoxes[0].m_nType, kMbOk);
  EXPECT_EQ(shell.m_vBoxes[1].m_strText.size(), 1023u) << "cut, never overrun";
  EXPECT_EQ(shell.m_vBoxes[2].m_strText, "メモリが不足しています！");
  EXPECT_EQ(shell.m_nCloseRequests, 1);
}

TEST(MessageBoxes, OwnerIsTheGivenWindowTheActiveOneOrNone) {
  cFakeShell shell;
  int owner = 0, active = 0;
  shell.m_pActive = &active;
  ShowMessageBox(&owner, "a", "c", kMbOk);
  ShowMessageBox(nullptr, "b", "c", kMbOk);
  MessageBoxActive("c", "c", kMbOk);
  ErrorBox("d");
  ErrorBoxF("%s", "e");
  ErrorBoxOwnerF(&owner, "%s", "f");
  ErrorBoxOwnerF(nullptr, "%s", "g");
  const void* expected[] = {&owner, nullptr, &active, &active, &active, &owner, nullptr};
  ASSERT_EQ(shell.m_vBoxes.size(), 7u);
  for (size_t i = 0; i < 7; ++i) EXPECT_EQ(shell.m_vBoxes[i].m_pOwner, expected[i]) << shell.m_vBoxes[i].m_strText;
}
