#pragma once
// Combo rows of database tables and palette lists: "%s %s" of a zero-padded number and the
// record's name, one row per record, row r storing r (database rows) or entry r + 1 (palette rows,
// which never offer entry 0).

#include "app/cString.h"
#include "app/cVector.h"

// One row per record: the record's index plus numberOffset, padded to digits, and its name; row 0
// reads firstRow instead when one is given ("なし").
template <class T>
cVector<cString> DatabaseRows(const cVector<T>& table, int digits, int numberOffset, const char* firstRow) {
  cVector<cString> rows;
  rows.reserve(table.size());
  for (int i = 0; i < table.Count(); ++i) {
    if (i == 0 && firstRow) {
      rows.push_back(firstRow);
      continue;
    }
    cString row;
    row.Format("%0*d %s", digits, i + numberOffset, table[i].m_strName.c_str());
    rows.push_back(row);
  }
  return rows;
}

// Entries 1 .. count - 1 of a palette list, numbered with three digits.
template <class T>
cVector<cString> PaletteRows(const cVector<T>& list) {
  cVector<cString> rows;
  for (int i = 1; i < list.Count(); ++i) {
    cString row;
    row.Format("%03d %s", i, list[i].m_strName.c_str());
    rows.push_back(row);
  }
  return rows;
}
