#pragma once
// What the fuzz targets share: the input as a file of its own, and what a record or list saves.

#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

#include "app/cDataStream.h"

// Writes the input to a file named after the target and the process; empty when it cannot.
inline std::string WriteFuzzInput(const char* name, const uint8_t* data, size_t size) {
  std::string path = std::string("/tmp/vx_fuzz_") + name + "_" + std::to_string(getpid());
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return std::string();
  std::fwrite(data, 1, size, file);
  std::fclose(file);
  return path;
}

template <class T>
std::vector<unsigned char> SavedBody(T& saved) {
  cWriteStream out;
  saved.Save(out);
  return out.Bytes();
}
