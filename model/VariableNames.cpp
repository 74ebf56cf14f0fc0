#include "model/VariableNames.h"

#include "model/NameTable.h"

namespace {
struct cVariableNameTable {
  const void* m_pNames = nullptr;
  vx_detail::tNameAt m_pfnNameAt = nullptr;
};
cVariableNameTable g_aVariableNames[kVarScopeCount];
}  // namespace

void vx_detail::SetVariableNames(int scope, const void* names, tNameAt nameAt) {
  if (scope < 0 || scope >= kVarScopeCount) return;
  g_aVariableNames[scope].m_pNames = names;
  g_aVariableNames[scope].m_pfnNameAt = nameAt;
}

const cString& VariableName(int scope, int number) {
  if (scope < 0 || scope >= kVarScopeCount || !g_aVariableNames[scope].m_pfnNameAt) return kUnknownName;
  const cVariableNameTable& table = g_aVariableNames[scope];
  const cString* name = table.m_pfnNameAt(table.m_pNames, number);
  return name ? *name : kUnknownName;
}
