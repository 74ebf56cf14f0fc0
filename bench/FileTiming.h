#pragma once
// Timing a load or a save against plain fread or fwrite of the same bytes.
// Counters vs_fread / vs_fwrite: the time of the load (save) divided by the time of reading
// (writing) the file whole; bytes: the file's size.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

inline double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

inline size_t FileSize(const char* path) {
  FILE* file = std::fopen(path, "rb");
  std::fseek(file, 0, SEEK_END);
  size_t size = static_cast<size_t>(std::ftell(file));
  std::fclose(file);
  return size;
}

inline double FreadSeconds(const char* path) {
  auto start = Clock::now();
  FILE* file = std::fopen(path, "rb");
  std::vector<char> bytes(FileSize(path));
  benchmark::DoNotOptimize(std::fread(bytes.data(), 1, bytes.size(), file));
  std::fclose(file);
  return SecondsSince(start);
}

inline double FwriteSeconds(size_t size) {
  std::vector<char> bytes(size, 1);
  auto start = Clock::now();
  FILE* file = std::fopen("bench_raw.bin", "wb");
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
  return SecondsSince(start);
}

// load() reads the file at path, which the caller has written; the file is removed afterwards.
template <class Load>
void TimeLoad(benchmark::State& state, const char* path, Load load) {
  double loading = 0, raw = 0;
  for (auto _ : state) {
    auto start = Clock::now();
    benchmark::DoNotOptimize(load());
    loading += SecondsSince(start);
    raw += FreadSeconds(path);
  }
  state.counters["vs_fread"] = loading / raw;
  state.counters["bytes"] = static_cast<double>(FileSize(path));
  std::remove(path);
}

// save() writes the file at path; the file is removed afterwards.
template <class Save>
void TimeSave(benchmark::State& state, const char* path, Save save) {
  double saving = 0, raw = 0;
  for (auto _ : state) {
    auto start = Clock::now();
    benchmark::DoNotOptimize(save());
    saving += SecondsSince(start);
    raw += FwriteSeconds(FileSize(path));
  }
  state.counters["vs_fwrite"] = saving / raw;
  state.counters["bytes"] = static_cast<double>(FileSize(path));
  std::remove(path);
  std::remove("bench_raw.bin");
}

}  // namespace bench
