#pragma once
// Row labels shared by many lists: a record's name, or the text itself in a list of names.

#include <cstdint>

#include "app/cString.h"

// "%s" with the record's name (m_strName).
template <class T>
void NameRowLabel(cString* text, int32_t, const T* record) {
  text->Set(record->m_strName.GetStr());
}

// "%s" with the text of a list of names.
inline void TextRowLabel(cString* text, int32_t, const cString* name) { text->Set(name->GetStr()); }
