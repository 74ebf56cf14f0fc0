#include "tests/support/FileCallFaults.h"

#include <gtest/gtest.h>

#include "tests/support/TestSupport.h"

namespace {
cFileCallFaults* g_pFaults = nullptr;
}

cFileCallFaults::cFileCallFaults(int failAt, std::function<void()> atEachCall)
    : m_nFailAt(failAt), m_AtEachCall(std::move(atEachCall)), m_Calls{Write, Flush, Close, Rename} {
  g_pFaults = this;
  SetFileCalls(&m_Calls);
}

cFileCallFaults::~cFileCallFaults() {
  SetFileCalls(nullptr);
  g_pFaults = nullptr;
}

bool cFileCallFaults::Fails(char kind) {
  cFileCallFaults& self = *g_pFaults;
  self.m_strTrace += kind;
  if (self.m_AtEachCall) self.m_AtEachCall();
  return ++self.m_nCalls == self.m_nFailAt;
}

size_t cFileCallFaults::Write(const void* data, size_t size, size_t count, FILE* file) {
  // A disk that fills up takes part of the data.
  if (Fails('w')) return count / 2;
  return std::fwrite(data, size, count, file);
}

int cFileCallFaults::Flush(FILE* file) {
  if (Fails('f')) return EOF;
  return FlushFileToDisk(file);
}

int cFileCallFaults::Close(FILE* file) {
  // The file is closed all the same; only the result says that its last data were lost.
  bool fails = Fails('c');
  int result = std::fclose(file);
  return fails ? EOF : result;
}

int cFileCallFaults::Rename(const char* source, const char* target) {
  if (Fails('r')) return -1;
  return RenameOver(source, target);
}

int ExpectEveryFailureKeepsTheFile(const std::string& path, const std::function<int()>& save,
                                   const std::function<void()>& restore, const std::function<void()>& checkAfter) {
  Bytes before = ReadFileBytes(path);
  int calls = 0;
  {
    if (restore) restore();
    cFileCallFaults count;
    EXPECT_EQ(save(), 1) << path << ": the save without a failure";
    calls = count.Calls();
  }
  Bytes after = ReadFileBytes(path);
  for (int k = 1; k <= calls; ++k) {
    WriteFileBytes(path, before);
    if (restore) restore();
    cFileCallFaults faults(k);
    int saved = save();
    SCOPED_TRACE(testing::Message() << path << ": call " << k << " of " << faults.Trace() << " failed");
    EXPECT_EQ(saved, 0);
    Bytes now = ReadFileBytes(path);
    EXPECT_TRUE(now == before) << "the file changed: " << before.size() << " bytes before, " << now.size() << " now";
    EXPECT_FALSE(FileThere(path + ".~tmp")) << "the temporary is removed";
    if (checkAfter) checkAfter();
  }
  WriteFileBytes(path, after);
  return calls;
}
