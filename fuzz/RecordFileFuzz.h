#pragma once
// The property every record file loader must keep, whatever the bytes: a refused file leaves the
// record exactly as it was, and an accepted one saves, loads back and saves to the same bytes.

#include "app/cApplication.h"
#include "app/cDataRecord.h"
#include "fuzz/FuzzSupport.h"

template <class T>
int FuzzRecordFile(const char* name, const uint8_t* data, size_t size, void (*prepare)(T&)) {
  std::string path = WriteFuzzInput(name, data, size);
  if (path.empty()) return 0;

  T record;
  prepare(record);
  std::vector<unsigned char> before = SavedBody(record);
  if (!record.LoadFile(path.c_str())) {
    if (SavedBody(record) != before) __builtin_trap();
    return 0;
  }
  std::vector<unsigned char> first = SavedBody(record);
  T again;
  cApplication::m_nVersionRead = kDataVersion;
  cReadStream in(first);
  again.Load(in);
  if (in.Failed() || !in.AtEnd() || SavedBody(again) != first) __builtin_trap();
  return 0;
}
