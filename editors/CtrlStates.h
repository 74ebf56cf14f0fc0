#pragma once
// What the rules of a page or dialog decide for its controls: enabled, shown, checked, a text and
// a value range, by control id. The window applies them to its bound controls; the rules never
// touch a window, so they run and are tested anywhere. A later decision on the same id and aspect
// replaces an earlier one, which lets a rule refine what a broader rule said.

#include <cstdint>

#include "app/cString.h"
#include "app/cVector.h"

class cCtrlStates {
public:
  // -1 in an aspect that no rule decided.
  struct cState {
    uint16_t m_nId = 0;
    int8_t m_nEnabled = -1;
    int8_t m_nShown = -1;
    int8_t m_nChecked = -1;
    int8_t m_bHasText = 0;
    int8_t m_bHasRange = 0;
    cString m_strText;
    int32_t m_nMin = 0;
    int32_t m_nMax = 0;
  };

  void Enable(uint16_t id, bool on) { At(id).m_nEnabled = on ? 1 : 0; }
  void Show(uint16_t id, bool on) { At(id).m_nShown = on ? 1 : 0; }
  void Check(uint16_t id, bool on) { At(id).m_nChecked = on ? 1 : 0; }
  void SetText(uint16_t id, const cString& text);
  void SetRange(uint16_t id, int32_t min, int32_t max);
  // The same decision for every id of a list.
  void EnableAll(const uint16_t* ids, int count, bool on);

  int Enabled(uint16_t id) const;
  int Shown(uint16_t id) const;
  int Checked(uint16_t id) const;
  // Null when no rule set a text.
  const cString* Text(uint16_t id) const;
  // 0 when no rule set a range.
  int Range(uint16_t id, int32_t& min, int32_t& max) const;
  const cVector<cState>& States() const { return m_vState; }

private:
  cState& At(uint16_t id);
  const cState* Find(uint16_t id) const;

  // A page has a few dozen controls: a list searched in order is all it needs.
  cVector<cState> m_vState;
};

// What a page shows now, for the rules that decide over it: the check state of a box and the row
// of a combo box.
class cShownCtrls {
public:
  virtual ~cShownCtrls() = default;
  virtual int Checked(uint16_t id) const = 0;
  virtual int Row(uint16_t id) const = 0;
};
