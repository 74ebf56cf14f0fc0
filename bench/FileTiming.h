#pragma once
// Timing a load or a save against plain fread or fwrite of the same bytes.
// Counters vs_fread / vs_fwrite: the time of the load (save) divided by the time of reading
// (writing) the files whole; bytes: their size.
//
// The baselines move the bytes as the editor's streams do: in 64 KiB pieces through one buffer
// made and written to before the clock starts. Neither the page faults of a new buffer nor the
// cache misses of one as large as the file count as reading, as the streams pay for neither. A
// written file goes to the disk with the flush of the editor's own save.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <vector>

#include "app/FileCalls.h"
#include "app/cDataStream.h"

namespace bench {

using Clock = std::chrono::steady_clock;
constexpr size_t kPiece = 1 << 16;

inline double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// The size of a file named as the editor names it (backslashes); 0 when it is not there.
inline size_t FileSize(const char* path) {
  FILE* file = std::fopen(HostPath(path).c_str(), "rb");
  if (!file) return 0;
  std::fseek(file, 0, SEEK_END);
  size_t size = static_cast<size_t>(std::ftell(file));
  std::fclose(file);
  return size;
}

inline double FilesSize(const std::vector<const char*>& paths) {
  double total = 0;
  for (const char* path : paths) total += static_cast<double>(FileSize(path));
  return total;
}

// Reads each file to its end.
inline double FreadSeconds(const std::vector<const char*>& paths) {
  std::vector<char> piece(kPiece, 1);
  size_t total = 0;
  auto start = Clock::now();
  for (const char* path : paths) {
    FILE* file = std::fopen(HostPath(path).c_str(), "rb");
    for (size_t got; (got = std::fread(piece.data(), 1, piece.size(), file)) > 0;) total += got;
    std::fclose(file);
  }
  double seconds = SecondsSince(start);
  benchmark::DoNotOptimize(total);
  return seconds;
}

// Writes a file of each size, one after another over the same name, each put on the disk.
inline double FwriteSeconds(const std::vector<size_t>& sizes) {
  std::vector<char> piece(kPiece, 1);
  auto start = Clock::now();
  for (size_t size : sizes) {
    FILE* file = std::fopen("bench_raw.bin", "wb");
    for (size_t left = size; left > 0;) {
      size_t part = left < kPiece ? left : kPiece;
      std::fwrite(piece.data(), 1, part, file);
      left -= part;
    }
    FlushFileToDisk(file);
    std::fclose(file);
  }
  return SecondsSince(start);
}

inline std::vector<size_t> FileSizes(const std::vector<const char*>& paths) {
  std::vector<size_t> sizes;
  for (const char* path : paths) sizes.push_back(FileSize(path));
  return sizes;
}

// load() reads the file at path, which the caller has written; the file is removed afterwards.
template <class Load>
void TimeLoad(benchmark::State& state, const char* path, Load load) {
  double loading = 0, raw = 0;
  for (auto _ : state) {
    auto start = Clock::now();
    benchmark::DoNotOptimize(load());
    loading += SecondsSince(start);
    raw += FreadSeconds({path});
  }
  state.counters["vs_fread"] = loading / raw;
  state.counters["bytes"] = static_cast<double>(FileSize(path));
  std::remove(HostPath(path).c_str());
}

// save() writes the file at path; the file is removed afterwards.
template <class Save>
void TimeSave(benchmark::State& state, const char* path, Save save) {
  double saving = 0, raw = 0;
  for (auto _ : state) {
    auto start = Clock::now();
    benchmark::DoNotOptimize(save());
    saving += SecondsSince(start);
    raw += FwriteSeconds({FileSize(path)});
  }
  state.counters["vs_fwrite"] = saving / raw;
  state.counters["bytes"] = static_cast<double>(FileSize(path));
  std::remove(HostPath(path).c_str());
  std::remove("bench_raw.bin");
}

}  // namespace bench
