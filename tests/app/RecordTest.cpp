#include <gtest/gtest.h>

#include "app/DataFile.h"
#include "app/cApplication.h"
#include "app/cDataRecord.h"
#include "tests/support/TestSupport.h"

namespace {

class cSample : public cDataRecord {
public:
  int32_t m_nValue = 0;
  int16_t m_asTriple[3] = {};
  cString m_strName;
  int32_t m_nUnregistered = 0;

  cSample() {
    RegisterFields(kDataVersion);
    Clear();
  }
  void RegisterFields(uint32_t) override {
    ClearFields();
    RegisterInt(&m_nValue);
    RegisterShort(m_asTriple, 3);
    RegisterString(&m_strName);
  }
};

// Numeric fields exist from version 55 on; the string in every version.
class cVersioned : public cDataRecord {
public:
  int32_t m_nA = 0;
  uint8_t m_byB = 0;
  double m_dC = 0;
  cString m_strName;
  cVersioned() { RegisterFields(kDataVersion); }
  void RegisterFields(uint32_t version) override {
    ClearFields();
    if (version >= 55) {
      RegisterInt(&m_nA);
      RegisterChar(&m_byB);
      AddDoubleField(&m_dC);
    }
    RegisterString(&m_strName);
  }
};

const char* kSampleBody = "02 00 00 00 05 00 00 00 01 00 02 00 03 00 01 00 00 00 04 00 00 00 61 62 63 00";

cSample MakeSample() {
  cSample s;
  s.m_nValue = 5;
  s.m_asTriple[0] = 1;
  s.m_asTriple[1] = 2;
  s.m_asTriple[2] = 3;
  s.m_strName = "abc";
  return s;
}

}  // namespace

TEST(Record, BodyBytes) {
  cSample s = MakeSample();
  EXPECT_EQ(ToHex(SavedBytes(s)), kSampleBody);
  s.m_strName.clear();
  EXPECT_EQ(ToHex(SavedBytes(s)), "02 00 00 00 05 00 00 00 01 00 02 00 03 00 01 00 00 00 01 00 00 00");
}

TEST(Record, LoadOverwritesExactlyTheRegisteredFields) {
  cVersionReadGuard guard;
  cApplication::m_nVersionRead = kDataVersion;
  cSample s;
  s.m_nValue = 99;
  s.m_nUnregistered = 42;
  cReadStream in(Hex(kSampleBody));
  s.Load(in);
  EXPECT_FALSE(in.Failed());
  EXPECT_EQ(s.m_nValue, 5);
  EXPECT_EQ(s.m_asTriple[2], 3);
  EXPECT_EQ(s.m_strName, "abc");
  EXPECT_EQ(s.m_nUnregistered, 42);
}

TEST(Record, OlderVersionReadsOnlyItsFields) {
  cVersionReadGuard guard;
  cVersioned v;
  v.m_nA = 7;
  v.m_byB = 8;
  v.m_dC = 9.5;
  cApplication::m_nVersionRead = 54;
  cReadStream in(Cat({U32(0), U32(1), StoredString("old")}));
  v.Load(in);
  EXPECT_FALSE(in.Failed());
  EXPECT_EQ(v.m_nA, 7);
  EXPECT_EQ(v.m_byB, 8);
  EXPECT_EQ(v.m_dC, 9.5);
  EXPECT_EQ(v.m_strName, "old");
  EXPECT_EQ(v.Fields(54).size(), 0u);
  EXPECT_EQ(v.Fields(kDataVersion).size(), 3u);
  EXPECT_EQ(v.Strings(kDataVersion).size(), 1u);
}

TEST(Record, DamagedBodiesFail) {
  cVersionReadGuard guard;
  cApplication::m_nVersionRead = kDataVersion;
  const char* damaged[] = {
      "03 00 00 00 05 00 00 00",                          // more numeric fields than registered
      "02 00 00 00 05 00 00 00 01 00",                    // truncated array
      "02 00 00 00 05 00 00 00 01 00 02 00 03 00 02 00 00 00 01 00 00 00 01 00 00 00",  // two strings
      "02 00 00 00 05 00 00 00 01 00 02 00 03 00 01 00 00 00 09 00 00 00 61",  // string cut short
  };
  for (const char* hex : damaged) {
    cSample s;
    cReadStream in(Hex(hex));
    s.Load(in);
    EXPECT_TRUE(in.Failed()) << hex;
  }
  cSample s;
  cReadStream in(Hex(damaged[1]));
  s.Load(in);
  EXPECT_EQ(s.m_asTriple[0], 0) << "a truncated field is never half written";
}

TEST(Record, ClearCopyEqual) {
  cSample a = MakeSample();
  cSample b;
  EXPECT_EQ(cDataRecord::Equal(a, b), 0);
  b.CopyFrom(a);
  EXPECT_EQ(cDataRecord::Equal(a, b), 1);
  b.m_asTriple[1] = 20;
  EXPECT_EQ(cDataRecord::Equal(a, b), 0);
  b.m_asTriple[1] = 2;
  b.m_nUnregistered = 5;
  EXPECT_EQ(cDataRecord::Equal(a, b), 1);
  b.m_strName = "abd";
  EXPECT_EQ(cDataRecord::Equal(a, b), 0);
  a.Clear();
  EXPECT_EQ(a.m_nValue, 0);
  EXPECT_EQ(a.m_asTriple[0] | a.m_asTriple[1] | a.m_asTriple[2], 0);
  EXPECT_TRUE(a.m_strName.empty());
}

TEST(Record, CopiesDescribeTheirOwnMembers) {
  cSample a = MakeSample();
  cSample b;
  b = a;
  cVector<cFieldDesc> fa = a.Fields(kDataVersion), fb = b.Fields(kDataVersion);
  ASSERT_EQ(fb.size(), fa.size());
  for (size_t i = 0; i < fb.size(); ++i) {
    EXPECT_EQ(fb[i].m_pOwner, &b);
    EXPECT_EQ(static_cast<char*>(fb[i].m_pMember) - reinterpret_cast<char*>(&b),
              static_cast<char*>(fa[i].m_pMember) - reinterpret_cast<char*>(&a));
    EXPECT_EQ(fb[i].m_nWidth, fa[i].m_nWidth);
    EXPECT_EQ(fb[i].m_nCount, fa[i].m_nCount);
  }
  EXPECT_EQ(b.Strings(kDataVersion)[0].m_pMember, &b.m_strName);
  b.m_nValue = 6;
  EXPECT_EQ(a.m_nValue, 5);
  cSample c(a);
  c.m_nValue = 11;
  Bytes body = SavedBytes(c);
  EXPECT_EQ(body[4], 11);
  EXPECT_EQ(a.m_nValue, 5);
}

TEST(Record, SaveCutsAStringAtItsZeroByte) {
  cSample s = MakeSample();
  s.m_strName = std::string("ab\0cd", 5);
  Bytes body = SavedBytes(s);
  EXPECT_EQ(ToHex(Bytes(body.end() - 7, body.end())), "03 00 00 00 61 62 00");
  EXPECT_EQ(s.m_strName, "ab");
}
