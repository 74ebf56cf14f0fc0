#pragma once
// Loading and saving single record bodies for the database record tests.

#include <gtest/gtest.h>

#include <cstdint>

#include "app/cApplication.h"
#include "app/cDataRecord.h"
#include "tests/support/TestSupport.h"

// Restores the data version read after each test.
class RecordTest : public ::testing::Test {
protected:
  cVersionReadGuard m_VersionGuard;
};

// A default record that has read one body stored under the given version; the body must be whole.
template <class T>
T LoadBody(uint32_t version, const Bytes& body) {
  cApplication::m_nVersionRead = version;
  T record;
  cReadStream stream(body);
  record.Load(stream);
  EXPECT_FALSE(stream.Failed()) << "version " << version << ": " << ToHex(body);
  EXPECT_TRUE(stream.AtEnd()) << "version " << version << ": " << ToHex(body);
  return record;
}

// What a record writes reads back as the same record: saving it again gives the same bytes.
template <class T>
void ExpectStableSave(T& record) {
  Bytes saved = SavedBytes(record);
  T back = LoadBody<T>(kDataVersion, saved);
  EXPECT_EQ(ToHex(SavedBytes(back)), ToHex(saved));
}

// A record body in the stored form: numeric count and bytes, then the strings.
inline Bytes Body(uint32_t numericCount, const Bytes& numerics, std::initializer_list<const char*> strings) {
  Bytes body = Cat({U32(numericCount), numerics, U32(static_cast<uint32_t>(strings.size()))});
  for (const char* text : strings) body = Cat({body, StoredString(text)});
  return body;
}
