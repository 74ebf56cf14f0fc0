#include "tests/support/RefusedAllocation.h"

#include <cstdlib>
#include <new>

namespace {
// While above 0, counts down the allocations without exceptions; the one that reaches 0 is refused.
int g_nRefuseAt = 0;
}  // namespace

void RefuseNothrowAllocation(int at) { g_nRefuseAt = at; }

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  if (g_nRefuseAt > 0 && --g_nRefuseAt == 0) return nullptr;
  return std::malloc(size ? size : 1);
}
