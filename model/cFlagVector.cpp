#include "model/cFlagVector.h"

int ReadIntVector(cVector<int32_t>& list, cReadStream& stream) {
  uint32_t count;
  if (!stream.ReadCount(count, 4)) return 0;
  list.resize(count);
  return count == 0 || stream.Read(list.data(), static_cast<size_t>(count) * 4);
}

void WriteIntVector(const cVector<int32_t>& list, cWriteStream& stream) {
  stream.WriteU32(static_cast<uint32_t>(list.size()));
  if (!list.empty()) stream.Write(list.data(), list.size() * 4);
}
