#pragma once
// Name tables: fixed arrays of texts ended by one empty entry, indexed by a stored value. A value
// that a damaged or foreign file puts outside its table shows a placeholder instead of reaching
// past the table.

#include <cstddef>

#include "app/cString.h"
#include "app/cVector.h"

// What a reader shows for a value outside its table.
extern const cString kUnknownName;

// Row of a table; its rows are every entry but the empty end entry.
template <size_t N>
const cString& NameRow(const cString (&table)[N], int row) {
  int rows = table[N - 1].empty() ? static_cast<int>(N) - 1 : static_cast<int>(N);
  return row >= 0 && row < rows ? table[row] : kUnknownName;
}

const cString& NameRow(const cVector<cString>& list, int row);

// Counts and copies the rows of a table that ends with an empty entry, up to that entry.
int NameListCount(const cString* table);
cVector<cString> NameList(const cString* table);
