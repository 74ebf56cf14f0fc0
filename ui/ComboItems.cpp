#include "ui/ComboItems.h"

int CountComboItems(const cString* items) {
  int count = 0;
  if (items)
    while (!items[count].empty()) ++count;
  return count;
}

cString NumberedLabel(int32_t number, int digits, const cString& name) {
  cString padded;
  IntToPaddedText(padded, number, digits);
  cString label;
  label.Format("%s %s", padded.GetStr(), name.GetStr());
  return label;
}
