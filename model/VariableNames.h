#pragma once
// The names of the common variables and of the current stage's variables, as the texts of
// conditions and commands show them. The two documents that own a name table register it here,
// so that the model's texts depend on neither document.

#include "app/cString.h"
#include "app/cVector.h"

enum : int { kVarScopeCommon = 0, kVarScopeStage = 1, kVarScopeCount = 2 };

namespace vx_detail {
using tNameAt = const cString* (*)(const void* names, int number);
void SetVariableNames(int scope, const void* names, tNameAt nameAt);

template <class T>
const cString* NameAt(const void* names, int number) {
  const cVector<T>& list = *static_cast<const cVector<T>*>(names);
  return number >= 0 && number < list.Count() ? &list[number].m_strName : nullptr;
}
}  // namespace vx_detail

// Registers a list of records with a name (m_strName) as the names of a scope, entry n naming
// variable n; null withdraws it.
template <class T>
void RegisterVariableNames(int scope, const cVector<T>* names) {
  vx_detail::SetVariableNames(scope, names, names ? &vx_detail::NameAt<T> : nullptr);
}

// The name of a variable; the placeholder for a number outside its table or a scope without one.
const cString& VariableName(int scope, int number);
