#include <gtest/gtest.h>

#include <stdexcept>

#include "app/cVector.h"
#include "tests/support/TestSupport.h"

namespace {
struct Blob {
  char bytes[76] = {};
  int id = 0;
};
static_assert(sizeof(Blob) == 80, "fixture size");

class ContainerTest : public ::testing::Test {
protected:
  cScratchFolder m_Folder;
  cTestReportLog m_Log;
  cFakeShell m_Shell;
};
}  // namespace

TEST_F(ContainerTest, BadVectorIndexLogsDestroysAndReturnsFirst) {
  cVector<Blob> v(3);
  v[0].id = 10;
  EXPECT_EQ(v.At(-1).id, 10);
  EXPECT_EQ(v.At(3).id, 10);
  EXPECT_EQ(m_Shell.m_nDestroys, 2);
  EXPECT_EQ(m_Shell.m_nCloseRequests, 0);
  cVector<Blob> empty;
  EXPECT_THROW(empty.At(0), std::out_of_range);
  ASSERT_EQ(m_Log.Lines().size(), 3u);
  EXPECT_EQ(m_Log.Lines()[0], "err V[-1] ( 3 , 80 )");
  EXPECT_EQ(m_Log.Lines()[1], "err V[3] ( 3 , 80 )");
  EXPECT_EQ(m_Log.Lines()[2], "err V[0] ( 0 , 80 )");
}

TEST_F(ContainerTest, CoreVectorAsksTheMainWindowToClose) {
  cCoreVector<int> v(2);
  v[0] = 7;
  EXPECT_EQ(v.At(5), 7);
  EXPECT_EQ(m_Shell.m_nCloseRequests, 1);
  EXPECT_EQ(m_Shell.m_nDestroys, 0);
  EXPECT_EQ(m_Log.Lines().at(0), "err V[5] ( 2 , 4 )");
}

TEST_F(ContainerTest, BadListIndexReturnsOneSharedFallback) {
  cList<Blob> list(2);
  Blob& a = list.At(7);
  Blob& b = list.At(-1);
  EXPECT_EQ(&a, &b);
  EXPECT_EQ(m_Log.Lines().at(0), "err L[7] ( 2 , 80 )");
  EXPECT_EQ(m_Shell.m_nDestroys, 2);
}

TEST(Vector, InsertAndErase) {
  cVector<int> v;
  v.InsertAt(0, 1);
  EXPECT_EQ(v, (std::vector<int>{1}));
  v.InsertAt(5, 3);
  v.InsertAt(1, 2);
  EXPECT_EQ(v, (std::vector<int>{1, 2, 3}));
  v.InsertAt(-1, 4);
  EXPECT_EQ(v.back(), 4);
  EXPECT_EQ(v.EraseAt(4), 0);
  EXPECT_EQ(v.EraseAt(-1), 0);
  EXPECT_EQ(v.EraseAt(0), 1);
  EXPECT_EQ(v, (std::vector<int>{2, 3, 4}));
  EXPECT_EQ(v.Fill(9), 3);
  v.Reset(2);
  EXPECT_EQ(v, (std::vector<int>{0, 0}));
  v.Release();
  EXPECT_EQ(v.capacity(), 0u);
}

TEST(Vector, StringLists) {
  cVector<cString> names;
  EXPECT_EQ(names.AddUnique("a"), 1);
  EXPECT_EQ(names.AddUnique("a"), 0);
  cVector<cString> more;
  more.Add("a");
  more.Add("b");
  EXPECT_EQ(names.AppendUnique(more), 1);
  EXPECT_EQ(names.AppendUnique(more), 0);
  EXPECT_EQ(names.size(), 2u);
  EXPECT_EQ(names.Contains("b"), 1);
  names.Append(more);
  EXPECT_EQ(names.size(), 4u);
}

TEST(Vector, StoredStringList) {
  cVector<cString> names;
  names.Add("ab");
  names.Add("");
  cWriteStream out;
  names.Save(out);
  EXPECT_EQ(ToHex(out.Bytes()), "02 00 00 00 03 00 00 00 61 62 00 01 00 00 00");
  cVector<cString> back;
  cReadStream in(out.Bytes());
  EXPECT_EQ(back.Load(in), 1);
  EXPECT_EQ(back, names);
}

TEST(Vector, HugeCountFailsWithoutAllocating) {
  cVector<cString> names;
  names.Add("keep");
  cReadStream in(Hex("FF FF FF FF 01 00 00 00"));
  EXPECT_EQ(names.Load(in), 0);
  EXPECT_EQ(in.Failed(), 1);
  cVector<int> empty;
  cWriteStream out;
  empty.Save(out);
  EXPECT_EQ(ToHex(out.Bytes()), "00 00 00 00");
}
