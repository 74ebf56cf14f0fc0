#pragma once
// Helpers for the record tests: bodies in and out of memory at a chosen data version.

#include <gtest/gtest.h>

#include <functional>

#include "app/cApplication.h"
#include "app/cDataStream.h"
#include "model/cPaletteLists.h"
#include "tests/support/TestSupport.h"

// Loads bytes written at a data version; true when the load used exactly all of them.
template <class T>
bool LoadBytes(T& record, uint32_t version, const Bytes& bytes) {
  cVersionReadGuard scope(version);
  cReadStream in(bytes);
  record.Load(in);
  return !in.Failed() && in.AtEnd();
}

// One row of a table-driven load test: a body of a data version and what it loads as.
template <class T>
struct cLoadRow {
  uint32_t m_nVersion;
  Bytes m_Body;
  std::function<void(const T&)> m_Check;
};

template <class T>
void RunLoadRows(const std::vector<cLoadRow<T>>& rows) {
  for (const cLoadRow<T>& row : rows) {
    SCOPED_TRACE(testing::Message() << "version " << row.m_nVersion << ": " << ToHex(row.m_Body));
    T record;
    ASSERT_TRUE(LoadBytes(record, row.m_nVersion, row.m_Body));
    row.m_Check(record);
  }
}

// Save, load at the current version, save again: the same bytes, and an equal record.
template <class T>
void ExpectRoundTrip(T& record) {
  Bytes first = SavedBytes(record);
  T loaded;
  ASSERT_TRUE(LoadBytes(loaded, kDataVersion, first));
  EXPECT_EQ(ToHex(SavedBytes(loaded)), ToHex(first));
  EXPECT_TRUE(loaded == record);
}

// Every strict prefix of a body fails to load (the truncation is never taken for a record).
template <class T>
void ExpectPrefixesFail(const Bytes& body) {
  for (size_t n = 0; n < body.size(); ++n) {
    T record;
    EXPECT_FALSE(LoadBytes(record, kDataVersion, Bytes(body.begin(), body.begin() + n))) << n << " bytes";
  }
}

// Names the lists of a palette for one test and puts the previous ones back.
class cPaletteScope {
public:
  explicit cPaletteScope(int palette, cPaletteLists lists = cPaletteLists()) : m_pLists(PaletteLists(palette)) {
    m_Saved = *m_pLists;
    *m_pLists = lists;
  }
  ~cPaletteScope() { *m_pLists = m_Saved; }

private:
  cPaletteLists* m_pLists;
  cPaletteLists m_Saved;
};
