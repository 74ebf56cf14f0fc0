#pragma once
// Failing file calls for the checked save: every write, flush, close and rename of a save is
// counted, and the one chosen fails as a full disk, a lost device or a locked target would.

#include <functional>
#include <string>

#include "app/FileCalls.h"

class cFileCallFaults {
public:
  // failAt: the number of the call that fails (from 1); 0 lets every call through. atEachCall runs
  // before each call, as if the program stopped there.
  explicit cFileCallFaults(int failAt = 0, std::function<void()> atEachCall = {});
  ~cFileCallFaults();
  cFileCallFaults(const cFileCallFaults&) = delete;
  cFileCallFaults& operator=(const cFileCallFaults&) = delete;

  int Calls() const { return m_nCalls; }
  // The kinds of call seen, one letter each in order: w write, f flush, c close, r rename.
  const std::string& Trace() const { return m_strTrace; }

private:
  static size_t Write(const void* data, size_t size, size_t count, FILE* file);
  static int Flush(FILE* file);
  static int Close(FILE* file);
  static int Rename(const char* source, const char* target);
  // Counts a call; true when it is the one to fail.
  static bool Fails(char kind);

  int m_nFailAt;
  std::function<void()> m_AtEachCall;
  int m_nCalls = 0;
  std::string m_strTrace;
  cFileCalls m_Calls;
};

// Runs save (which must succeed) to count its file calls, then once failing at each call in turn:
// every failing save must return 0 and leave the file at path, and restore's result, as before.
// restore runs before each save (to put back a document's modified flag), checkAfter after each
// failed one. The number of calls of a whole save, for the caller to check that the save was
// watched at all.
int ExpectEveryFailureKeepsTheFile(const std::string& path, const std::function<int()>& save,
                                   const std::function<void()>& restore = {},
                                   const std::function<void()>& checkAfter = {});
