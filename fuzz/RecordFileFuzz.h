#pragma once
// The property every record file loader must keep, whatever the bytes: a refused file leaves the
// record exactly as it was, and an accepted one saves, loads back and saves to the same bytes.

#include <cstdio>
#include <string>
#include <unistd.h>

#include "app/cApplication.h"
#include "app/cDataRecord.h"

template <class T>
std::vector<unsigned char> SavedBody(T& record) {
  cWriteStream out;
  record.Save(out);
  return out.Bytes();
}

template <class T>
int FuzzRecordFile(const char* name, const uint8_t* data, size_t size, void (*prepare)(T&)) {
  static std::string path = std::string("/tmp/vx_fuzz_") + name + "_" + std::to_string(getpid());
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return 0;
  std::fwrite(data, 1, size, file);
  std::fclose(file);

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
