#include "model/NameTable.h"

const cString kUnknownName = "？";

const cString& NameRow(const cVector<cString>& list, int row) {
  return row >= 0 && row < list.Count() ? list[row] : kUnknownName;
}

int NameListCount(const cString* table) {
  int count = 0;
  while (table && !table[count].empty()) ++count;
  return count;
}

cVector<cString> NameList(const cString* table) {
  int count = NameListCount(table);
  return cVector<cString>(table, table + count);
}
