#include "editors/ComboChoice.h"

#include "model/NameTable.h"
#include "ui/ComboItems.h"

cComboChoice ComboChoice(const cVector<cString>& rows, int32_t value, int32_t offset) {
  cComboChoice choice;
  choice.m_vRows = rows;
  int64_t row = static_cast<int64_t>(value) - offset;
  if (row >= 0 && row < rows.Count()) {
    choice.m_nSel = static_cast<int>(row);
    return choice;
  }
  choice.m_bUnknown = 1;
  choice.m_nSel = rows.Count();
  choice.m_vRows.push_back(kUnknownName);
  return choice;
}

cComboChoice ComboChoice(const cString* table, int32_t value, int32_t offset) {
  return ComboChoice(NameList(table), value, offset);
}

int32_t ComboChoiceValue(const cComboChoice& choice, int row, int32_t offset, int32_t stored) {
  int real = choice.m_vRows.Count() - (choice.m_bUnknown ? 1 : 0);
  if (row < 0 || row >= real) return stored;
  return static_cast<int32_t>(static_cast<int64_t>(row) + offset);
}

cComboChoice ComboChoice(const cVector<cString>& rows, int32_t value, int32_t offset, cRowNumbering numbering) {
  cComboChoice choice = ComboChoice(rows, value, offset);
  if (!choice.m_bUnknown || numbering.m_nDigits == 0) return choice;
  choice.m_vRows.pop_back();
  if (numbering.m_nDigits < 0) {
    choice.m_bUnknown = 0;
    choice.m_nSel = -1;
    return choice;
  }
  choice.m_vRows.push_back(NumberedLabel(value + numbering.m_nShift, numbering.m_nDigits, cString()));
  return choice;
}
