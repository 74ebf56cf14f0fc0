#include <gtest/gtest.h>

#include "app/DataFile.h"
#include "app/PathUtil.h"
#include "app/cApplication.h"
#include "tests/support/FileCallFaults.h"
#include "tests/support/TestSupport.h"

namespace {

class cEntry : public cDataRecord {
public:
  int32_t m_nValue = 0;
  cString m_strName;
  cVector<cString> m_vTags;
  cEntry() {
    RegisterFields(kDataVersion);
    Clear();
    m_nValue = 3;  // the default that LoadList starts from
  }
  void RegisterFields(uint32_t) override {
    ClearFields();
    RegisterInt(&m_nValue);
    RegisterString(&m_strName);
  }
  void Load(cReadStream& stream) override {
    cDataRecord::Load(stream);
    LoadList(m_vTags, stream);
  }
  void Save(cWriteStream& stream) override {
    cDataRecord::Save(stream);
    SaveList(m_vTags, stream);
  }
};

class cHolder : public cDataRecord {
public:
  int32_t m_nFlag = 1;
  cVector<cEntry> m_vEntries;
  cHolder() { RegisterFields(kDataVersion); }
  void RegisterFields(uint32_t) override {
    ClearFields();
    RegisterInt(&m_nFlag);
  }
  void Load(cReadStream& stream) override {
    cDataRecord::Load(stream);
    LoadList(m_vEntries, stream);
  }
  void Save(cWriteStream& stream) override {
    cDataRecord::Save(stream);
    SaveList(m_vEntries, stream);
  }
};

cEntry MakeEntry(int value, const char* name) {
  cEntry e;
  e.m_nValue = value;
  e.m_strName = name;
  e.m_vTags.Add("t");
  return e;
}

class DataFileTest : public ::testing::Test {
protected:
  cScratchFolder m_Folder;
  cVersionReadGuard m_VersionGuard;
};

}  // namespace

TEST_F(DataFileTest, EmptyTableIsEightBytes) {
  cVector<cEntry> table;
  ASSERT_EQ(SaveTableFile(table, "t.dat"), 1);
  EXPECT_EQ(ToHex(ReadFileBytes("t.dat")), "03 03 00 00 00 00 00 00");
  table.push_back(cEntry());
  cApplication::m_nVersionRead = 5;
  ASSERT_EQ(LoadTableFile(table, "t.dat"), 1);
  EXPECT_TRUE(table.empty());
  EXPECT_EQ(cApplication::m_nVersionRead, 771u);
}

TEST_F(DataFileTest, TableRoundTripIsByteIdentical) {
  cVector<cEntry> table;
  table.push_back(MakeEntry(1, "a"));
  table.push_back(MakeEntry(2, "ソ表"));
  ASSERT_EQ(SaveTableFile(table, "t.dat"), 1);
  Bytes first = ReadFileBytes("t.dat");
  cVector<cEntry> back;
  ASSERT_EQ(LoadTableFile(back, "t.dat"), 1);
  ASSERT_EQ(back.size(), 2u);
  EXPECT_EQ(back[1].m_strName, "ソ表");
  ASSERT_EQ(SaveTableFile(back, "u.dat"), 1);
  EXPECT_EQ(ReadFileBytes("u.dat"), first);
}

TEST_F(DataFileTest, DamagedTableFailsAndKeepsTheTable) {
  cVector<cEntry> source;
  source.push_back(MakeEntry(1, "abc"));
  SaveTableFile(source, "t.dat");
  Bytes good = ReadFileBytes("t.dat");
  std::vector<Bytes> damaged;
  for (size_t cut = 4; cut < good.size(); ++cut) damaged.push_back(Bytes(good.begin(), good.begin() + cut));
  damaged.push_back(Cat({U32(771), U32(0x7FFFFFFF)}));
  damaged.push_back(Hex("03 03"));
  for (const Bytes& bytes : damaged) {
    WriteFileBytes("bad.dat", bytes);
    cVector<cEntry> table;
    table.push_back(MakeEntry(9, "keep"));
    EXPECT_EQ(LoadTableFile(table, "bad.dat"), 0) << ToHex(bytes);
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].m_strName, "keep");
    EXPECT_EQ(ReadFileBytes("bad.dat"), bytes) << "the file is untouched";
  }
}

TEST_F(DataFileTest, LoadListStartsFromDefaultsButVectorLoadKeeps) {
  cHolder h;
  h.m_vEntries.push_back(MakeEntry(1, "a"));
  h.m_vEntries.push_back(MakeEntry(2, "b"));
  cWriteStream out;
  h.Save(out);

  // An older version without numeric fields in the entries: LoadList gives the defaults.
  cVector<cEntry> five(5, MakeEntry(8, "x"));
  cWriteStream body;
  body.WriteU32(2);
  for (int i = 0; i < 2; ++i) {
    body.WriteU32(0);  // no numeric fields stored
    body.WriteU32(0);  // no strings
    body.WriteU32(0);  // no tags
  }
  cReadStream in1(body.Bytes());
  cApplication::m_nVersionRead = kDataVersion;
  ASSERT_EQ(cDataRecord::LoadList(five, in1), 1);
  ASSERT_EQ(five.size(), 2u);
  EXPECT_EQ(five[0].m_nValue, 3) << "from the defaults, not from the element before";
  EXPECT_EQ(five[1].m_nValue, 3);

  cVector<cString> kept{cString("a"), cString("b"), cString("c")};
  cReadStream in2(Cat({U32(2), StoredString("x"), StoredString("y")}));
  ASSERT_EQ(kept.Load(in2), 1);
  EXPECT_EQ(kept.size(), 2u);
}

TEST_F(DataFileTest, RecordFileRoundTripAndFailures) {
  cHolder h;
  h.m_nFlag = 5;
  h.m_vEntries.push_back(MakeEntry(4, "d"));
  ASSERT_EQ(h.SaveFile("h.dat"), 1);
  cHolder back;
  ASSERT_EQ(back.LoadFile("h.dat"), 1);
  EXPECT_EQ(back.m_nFlag, 5);
  ASSERT_EQ(back.m_vEntries.size(), 1u);
  EXPECT_EQ(back.m_vEntries[0].m_strName, "d");

  cApplication::m_nVersionRead = 123;
  EXPECT_EQ(back.LoadFile("missing.dat"), 0);
  EXPECT_EQ(cApplication::m_nVersionRead, 123u);
  EXPECT_EQ(back.LoadFile(""), 0);

  // A damaged file fails and leaves the record exactly as it was.
  Bytes good = ReadFileBytes("h.dat");
  WriteFileBytes("cut.dat", Bytes(good.begin(), good.end() - 3));
  back.m_nFlag = 6;
  EXPECT_EQ(back.LoadFile("cut.dat"), 0);
  EXPECT_EQ(back.m_nFlag, 6);
  EXPECT_EQ(back.m_vEntries.size(), 1u);
  WriteFileBytes("short.dat", Hex("03 03 00"));
  EXPECT_EQ(back.LoadFile("short.dat"), 0);
}

TEST_F(DataFileTest, FailedSaveKeepsThePreviousFile) {
  cHolder h;
  ASSERT_EQ(h.SaveFile("h.dat"), 1);
  Bytes before = ReadFileBytes("h.dat");
  EXPECT_EQ(h.SaveFile("no_such_folder\\h.dat"), 0);
  std::string longPath(300, 'a');
  EXPECT_EQ(h.SaveFile(longPath.c_str()), 0);
  cWriteStream* stream = OpenDataFileWrite("h.dat");
  ASSERT_NE(stream, nullptr);
  stream->WriteU32(1);
  stream->Fail();  // as a full disk would
  EXPECT_EQ(CloseDataFile(stream), 0);
  EXPECT_EQ(ReadFileBytes("h.dat"), before);
  EXPECT_FALSE(FileThere("h.dat.~tmp"));
}

TEST_F(DataFileTest, EveryFailedFileCallKeepsThePreviousFile) {
  // Big enough to be written in several parts.
  cVector<cEntry> table;
  for (int i = 0; i < 12000; ++i) table.push_back(MakeEntry(i, "entry"));
  ASSERT_EQ(SaveTableFile(table, "t.dat"), 1);
  table[5].m_strName = "changed";
  int calls = ExpectEveryFailureKeepsTheFile("t.dat", [&] { return SaveTableFile(table, "t.dat"); });
  EXPECT_GE(calls, 6) << "three writes, the flush, the close and the rename";
  cVector<cEntry> back;
  ASSERT_EQ(LoadTableFile(back, "t.dat"), 1);
  EXPECT_EQ(back[5].m_strName, "changed");

  cHolder h;
  ASSERT_EQ(h.SaveFile("h.dat"), 1);
  h.m_nFlag = 9;
  EXPECT_EQ(ExpectEveryFailureKeepsTheFile("h.dat", [&] { return h.SaveFile("h.dat"); }), 4);
}

TEST_F(DataFileTest, AStopBetweenAnyTwoStepsLeavesAWholeFile) {
  cVector<cEntry> table;
  for (int i = 0; i < 12000; ++i) table.push_back(MakeEntry(i, "old"));
  ASSERT_EQ(SaveTableFile(table, "t.dat"), 1);
  Bytes before = ReadFileBytes("t.dat");
  for (cEntry& entry : table) entry.m_strName = "new";
  // Where the program may stop, the file in place is the previous one or the new one, never a part
  // or none.
  std::vector<Bytes> seen;
  std::string trace;
  {
    cFileCallFaults watch(0, [&] { seen.push_back(ReadFileBytes("t.dat")); });
    ASSERT_EQ(SaveTableFile(table, "t.dat"), 1);
    trace = watch.Trace();
  }
  seen.push_back(ReadFileBytes("t.dat"));
  Bytes after = seen.back();
  EXPECT_EQ(trace.substr(trace.size() - 3), "fcr") << "flushed to the disk before the one replace";
  ASSERT_NE(after, before);
  for (size_t k = 0; k < seen.size(); ++k) EXPECT_TRUE(seen[k] == before || seen[k] == after) << "stopped before call " << k + 1;
}

TEST_F(DataFileTest, ACopyLeftAsideTakesThePlaceOfAMissingFile) {
  // What a save of an earlier version left when it stopped between its two renames.
  cVector<cEntry> table;
  table.push_back(MakeEntry(4, "aside"));
  ASSERT_EQ(SaveTableFile(table, "t.dat"), 1);
  Bytes saved = ReadFileBytes("t.dat");
  WriteFileBytes("t.dat.~old", saved);
  DeletePath("t.dat");
  cVector<cEntry> back;
  ASSERT_EQ(LoadTableFile(back, "t.dat"), 1);
  EXPECT_EQ(back[0].m_strName, "aside");
  EXPECT_EQ(ReadFileBytes("t.dat"), saved);
  EXPECT_FALSE(FileThere("t.dat.~old"));

  // Beside a file that is there, the copy is left alone.
  WriteFileBytes("t.dat.~old", Hex("03 03 00 00 05 00 00 00"));
  ASSERT_EQ(LoadTableFile(back, "t.dat"), 1);
  EXPECT_EQ(back.size(), 1u);
  EXPECT_TRUE(FileThere("t.dat.~old"));
}

TEST_F(DataFileTest, NewestNumberedFile) {
  char found[kMaxPath] = "untouched";
  EXPECT_EQ(FindNewestNumberedFile(found, "a.stg4", "stg4"), 0);
  EXPECT_STREQ(found, "untouched");
  WriteFileBytes("a.stg4_099", Hex("00"));
  ASSERT_EQ(FindNewestNumberedFile(found, "a.stg4", "stg4"), 1);
  EXPECT_STREQ(found, "a.stg4_099");
  WriteFileBytes("a.stg4_754", Hex("00"));
  WriteFileBytes("a.stg4_771", Hex("00"));
  ASSERT_EQ(FindNewestNumberedFile(found, "a.stg4_***", "stg4"), 1);
  EXPECT_STREQ(found, "a.stg4_771");
  cString result;
  ASSERT_EQ(FindNewestNumberedFile(result, cString("a.x"), "stg4"), 1);
  EXPECT_EQ(result, "a.stg4_771");
}

TEST_F(DataFileTest, AFolderWhereTheFileGoesStaysAFolder) {
  MakeDirectory("h.dat");
  cHolder h;
  EXPECT_EQ(h.SaveFile("h.dat"), 0);
  EXPECT_EQ(DirectoryExists("h.dat"), 1);
  EXPECT_FALSE(FileThere("h.dat.~tmp"));
  EXPECT_FALSE(FileThere("h.dat.~old"));
}
