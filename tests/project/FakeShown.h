#pragma once

#include <map>
#include <set>
#include <utility>

#include "editors/CtrlStates.h"

// What a page shows, as a test sets it.
class cFakeShown : public cShownCtrls {
public:
  cFakeShown(std::set<uint16_t> checked, std::map<uint16_t, int> rows = {})
      : m_Checked(std::move(checked)), m_Rows(std::move(rows)) {}
  int Checked(uint16_t id) const override { return m_Checked.count(id) ? 1 : 0; }
  int Row(uint16_t id) const override {
    auto it = m_Rows.find(id);
    return it == m_Rows.end() ? 0 : it->second;
  }

private:
  std::set<uint16_t> m_Checked;
  std::map<uint16_t, int> m_Rows;
};
