#pragma once
// What a combo box shows and stores, apart from any window: the data of an item is its position
// plus the offset of the first item (or an element of a conversion table), and the items of a
// database table or a palette are its entries' names, numbered.

#include <cstdint>
#include <vector>

#include "app/Utility.h"
#include "app/cString.h"
#include "app/cVector.h"

// Items of an array that ends with its first empty string.
int CountComboItems(const cString* items);

// The position of a data value: the index of the first equal table element (-1 when none), or
// data - offset.
template <class T>
int ComboDataToPos(T data, int32_t offset, const cVector<T>* table) {
  if (!table) return static_cast<int>(data) - offset;
  for (int i = 0; i < table->Count(); ++i)
    if ((*table)[i] == data) return i;
  return -1;
}

// The data of a position: offset + position, or the table element there. *overrun is set when a
// table has no element at the position; the data is then T(-1).
template <class T>
T ComboPosToData(int position, int32_t offset, const cVector<T>* table, int32_t* overrun) {
  *overrun = 0;
  if (!table || position == -1) return static_cast<T>(offset + position);
  if (position < 0 || position >= table->Count()) {
    *overrun = 1;
    return static_cast<T>(-1);
  }
  return (*table)[position];
}

// "%s %s": a number with leading zeros and the entry's name.
cString NumberedLabel(int32_t number, int digits, const cString& name);

// One label per record from index 1 on, numbered with three digits ("001 name"); index 0, the
// entry that stands for none, gets no label.
template <class R>
void MakeComboLabels(std::vector<cString>& labels, const cVector<R>& table) {
  labels.clear();
  for (int i = 1; i < table.Count(); ++i) labels.push_back(NumberedLabel(i, 3, table[i].m_strName));
}

// Labels from the first index on, numbered base + index with the given digits; a first-row text,
// when given, is the whole label of the first index.
template <class R>
void MakeComboLabels(std::vector<cString>& labels, const cVector<R>& table, const char* firstRow, int first,
                     int digits, int base) {
  labels.clear();
  for (int i = first < 0 ? 0 : first; i < table.Count(); ++i) {
    if (i == first && firstRow) labels.push_back(cString(firstRow));
    else labels.push_back(NumberedLabel(base + i, digits, table[i].m_strName));
  }
}
