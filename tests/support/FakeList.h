#pragma once
// A record list over the tests' own list box, attached with the parameter block a page gives its
// list control: what the list control of a page is in the portable tests. The test acts as the
// user on its rows; the page then hears LBN_SELCHANGE.

#include <initializer_list>

#include "listctrl/cCtrlListCore.h"
#include "tests/support/FakeListBox.h"

template <class T>
class cFakeList {
public:
  explicit cFakeList(const cListParam<T>& param) : m_View(param.m_bMultiSel) {
    m_List.Attach(&m_View, param);
    m_View.m_bFocus = 1;
  }
  cFakeList(const cFakeList&) = delete;
  cFakeList& operator=(const cFakeList&) = delete;

  // A click on the first row, Ctrl-clicks on the others; the caret stays on the last.
  void Click(std::initializer_list<int> rows) {
    bool first = true;
    for (int row : rows) {
      if (first) m_View.Click(row);
      else m_View.CtrlClick(row);
      first = false;
    }
  }

  cFakeListBox m_View;
  cCtrlListCore<T> m_List;
};
