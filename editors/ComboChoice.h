#pragma once
// A combo box over a stored value that a damaged or foreign file may have put outside its rows.
// Such a value is shown as one extra row "？" and is never used to index a table; it stays stored
// as it is until the user picks a real row.

#include <cstdint>

#include "app/cString.h"
#include "app/cVector.h"

struct cComboChoice {
  cVector<cString> m_vRows;
  // The row that shows the stored value; the "？" row when the value names none.
  int m_nSel = 0;
  int m_bUnknown = 0;
};

// The rows a combo shows for value, whose row is value - offset among rows.
cComboChoice ComboChoice(const cVector<cString>& rows, int32_t value, int32_t offset);
// The same for a name table that ends with an empty entry.
cComboChoice ComboChoice(const cString* table, int32_t value, int32_t offset);

// The value a chosen row stores: row + offset for a real row, the stored value for the "？" row
// (and for a row outside the list, which a window without a selection reports).
int32_t ComboChoiceValue(const cComboChoice& choice, int row, int32_t offset, int32_t stored);

// How a combo of numbered rows shows a stored value outside them: a row of the value's number and
// a blank name (digits > 0; the number shown is the value plus shift), "？" (digits 0), or no row
// at all (digits < 0: an empty table shows an empty combo, with nothing selected).
struct cRowNumbering {
  int8_t m_nDigits = 0;
  int32_t m_nShift = 0;
};
cComboChoice ComboChoice(const cVector<cString>& rows, int32_t value, int32_t offset, cRowNumbering numbering);
