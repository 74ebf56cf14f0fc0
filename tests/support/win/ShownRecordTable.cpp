#include "tests/support/win/ShownRecordTable.h"

#include <gtest/gtest.h>

#include "app/cDataStream.h"

Bytes RecordBytes(cDataRecord& record) {
  cWriteStream stream;
  record.Save(stream);
  return stream.Bytes();
}

void ExpectShowingKeepsTheRecord(const cShownRecordRow& row) {
  for (const cShownRecordStep& showing : row.m_vShowings)
    for (const cShownRecordStep& store : row.m_vStores) {
      SCOPED_TRACE(row.m_strWindow + ": " + showing.m_strName + ", then " + store.m_strName);
      Bytes before = row.m_fnStored();
      row.m_fnOpen();
      showing.m_fnRun();
      store.m_fnRun();
      EXPECT_EQ(ToHex(row.m_fnStored()), ToHex(before));
      row.m_fnClose();
    }
}
