// Record bodies, record files and table files from arbitrary bytes: every load either succeeds or
// fails cleanly, and a refused record file leaves the record as it was.
#include "app/DataFile.h"
#include "fuzz/FuzzSupport.h"
#include "tests/support/SampleRecords.h"

namespace {

// The current input, as a file.
std::string g_strInput;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // In memory: the bytes as a body list of the version they start with.
  cReadStream memory(data, size);
  uint32_t version = 0;
  if (memory.ReadU32(version)) {
    cApplication::m_nVersionRead = version % 1024;
    cVector<cSampleNode> nodes;
    nodes.Load(memory);
  }

  g_strInput = WriteFuzzInput("datafile", data, size);
  if (g_strInput.empty()) return 0;

  cVector<cSampleNode> table(1);
  table[0].m_strTitle = "keep";
  if (!LoadTableFile(table, g_strInput.c_str()) && (table.size() != 1 || table[0].m_strTitle != "keep"))
    __builtin_trap();

  cSampleNode node;
  node.m_anParams[0] = 42;
  node.m_vNames.Add("x");
  if (!node.LoadFile(g_strInput.c_str()) && (node.m_anParams[0] != 42 || node.m_vNames.size() != 1))
    __builtin_trap();
  return 0;
}
