#pragma once
// Controls declared as data: each row names a control id, the member of the record it shows, its
// limits or its rows, and the inheritance group it belongs to. A page or dialog binds its control
// wrappers from these rows once, and the rules and tests read the same rows, so an id, a member
// and a range are written in one place.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <variant>

#include "app/cString.h"

// An integer member of any stored width.
template <class R>
using tIntMember = std::variant<int8_t R::*, int16_t R::*, int32_t R::*>;

// No inheritance group: the control is not covered by a "継承→" button.
constexpr int8_t kNoGroup = -1;

// A numeric edit with its up-down control (0: none).
template <class R>
struct cNumField {
  uint16_t m_nId;
  uint16_t m_nSpinId;
  tIntMember<R> m_Member;
  int32_t m_nMin;
  int32_t m_nMax;
  int8_t m_nGroup;
};

// A check box bound to a flag, 8-bit unless the record keeps wider ones.
template <class R, class V = int8_t>
struct cCheckField {
  uint16_t m_nId;
  V R::*m_pMember;
  int8_t m_nGroup;
};

// A floating-point edit with its up-down control, stepping by m_dStep.
template <class R>
struct cRealField {
  uint16_t m_nId;
  uint16_t m_nSpinId;
  double R::*m_pMember;
  double m_dMin;
  double m_dMax;
  double m_dStep;
};

// A combo box: the stored value is the row plus the offset. Rows come from a name table that ends
// with an empty entry, or, when m_pRows is null, from a list the window builds when it opens.
template <class R>
struct cComboField {
  uint16_t m_nId;
  tIntMember<R> m_Member;
  const cString* m_pRows;
  int32_t m_nOffset;
  int8_t m_nGroup;
};

// A text edit of at most m_nMaxBytes bytes.
template <class R>
struct cTextField {
  uint16_t m_nId;
  cString R::*m_pMember;
  int32_t m_nMaxBytes;
  int8_t m_nGroup;
};

template <class R>
int32_t ReadMember(const R& record, const tIntMember<R>& member) {
  return std::visit([&record](auto pointer) { return static_cast<int32_t>(record.*pointer); }, member);
}

// Stores a value into the member's own width; the caller has brought it into range.
template <class R>
void WriteMember(R& record, const tIntMember<R>& member, int32_t value) {
  std::visit(
      [&record, value](auto pointer) {
        using T = std::remove_reference_t<decltype(record.*pointer)>;
        record.*pointer = static_cast<T>(value);
      },
      member);
}

// What a numeric edit stores for a typed value: the value held to the field's limits.
template <class R>
void StoreClamped(R& record, const cNumField<R>& field, int64_t value) {
  int64_t held = std::max<int64_t>(field.m_nMin, std::min<int64_t>(field.m_nMax, value));
  WriteMember(record, field.m_Member, static_cast<int32_t>(held));
}

// The row of a field table with that control id; null when the table has none.
template <class Field, size_t N>
const Field* FindField(const Field (&table)[N], uint16_t id) {
  for (const Field& field : table)
    if (field.m_nId == id) return &field;
  return nullptr;
}
