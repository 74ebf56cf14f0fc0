#pragma once
// The same-as-file-name flag of the media records: on, the page keeps the name equal to the file
// name of the path.

#include <cstdint>

// Flags stored before 153 are not trusted: such records start with the flag off.
inline void ResetOldSameAsFileName(int32_t& flag, uint32_t version) {
  if (version < 153) flag = 0;
}
