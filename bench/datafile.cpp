// Loading and saving data files against plain fread/fwrite of the same bytes.
// Counter vs_fread: time of the load (or save) divided by the time of reading (writing) the file.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <vector>

#include "app/DataFile.h"
#include "tests/support/SampleRecords.h"

namespace {

using Clock = std::chrono::steady_clock;

cSampleNode MakeNode(int i, int leaves) {
  cSampleNode node;
  for (int p = 0; p < 5; ++p) node.m_anParams[p] = i * 5 + p;
  node.m_strTitle.Format("record %d", i);
  node.m_strPath = "bmp\\chara\\sheet.bmp";
  for (int l = 0; l < leaves; ++l) {
    cSampleLeaf leaf;
    leaf.m_nValue = l;
    leaf.m_strName.Format("leaf %d", l);
    node.m_vLeaves.push_back(leaf);
  }
  node.m_vNames.Add("one");
  node.m_vNames.Add("two");
  return node;
}

double FreadSeconds(const char* path) {
  auto start = Clock::now();
  FILE* file = std::fopen(path, "rb");
  std::fseek(file, 0, SEEK_END);
  long size = std::ftell(file);
  std::fseek(file, 0, SEEK_SET);
  std::vector<char> bytes(size);
  benchmark::DoNotOptimize(std::fread(bytes.data(), 1, bytes.size(), file));
  std::fclose(file);
  return std::chrono::duration<double>(Clock::now() - start).count();
}

double FwriteSeconds(const char* path, size_t size) {
  std::vector<char> bytes(size, 1);
  auto start = Clock::now();
  FILE* file = std::fopen(path, "wb");
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
  return std::chrono::duration<double>(Clock::now() - start).count();
}

void RunTable(benchmark::State& state, int records, int leaves, const char* path) {
  cVector<cSampleNode> table;
  for (int i = 0; i < records; ++i) table.push_back(MakeNode(i, leaves));
  SaveTableFile(table, path);
  double load = 0, raw = 0;
  for (auto _ : state) {
    cVector<cSampleNode> loaded;
    auto start = Clock::now();
    benchmark::DoNotOptimize(LoadTableFile(loaded, path));
    load += std::chrono::duration<double>(Clock::now() - start).count();
    raw += FreadSeconds(path);
  }
  state.counters["vs_fread"] = load / raw;
  std::FILE* f = std::fopen(path, "rb");
  std::fseek(f, 0, SEEK_END);
  state.counters["bytes"] = static_cast<double>(std::ftell(f));
  std::fclose(f);
  std::remove(path);
}

void SaveTable(benchmark::State& state, int records, int leaves, const char* path) {
  cVector<cSampleNode> table;
  for (int i = 0; i < records; ++i) table.push_back(MakeNode(i, leaves));
  double save = 0, raw = 0;
  for (auto _ : state) {
    auto start = Clock::now();
    benchmark::DoNotOptimize(SaveTableFile(table, path));
    save += std::chrono::duration<double>(Clock::now() - start).count();
    std::FILE* f = std::fopen(path, "rb");
    std::fseek(f, 0, SEEK_END);
    size_t size = static_cast<size_t>(std::ftell(f));
    std::fclose(f);
    raw += FwriteSeconds("bench_raw.bin", size);
  }
  state.counters["vs_fwrite"] = save / raw;
  std::remove(path);
  std::remove("bench_raw.bin");
}

void BM_LoadTable999(benchmark::State& state) { RunTable(state, 999, 8, "bench_table.dat"); }
void BM_SaveTable999(benchmark::State& state) { SaveTable(state, 999, 8, "bench_table.dat"); }
// About 12 MB of record bodies.
void BM_LoadBodies10MB(benchmark::State& state) { RunTable(state, 6000, 40, "bench_big.dat"); }
void BM_SaveBodies10MB(benchmark::State& state) { SaveTable(state, 6000, 40, "bench_big.dat"); }

}  // namespace

BENCHMARK(BM_LoadTable999)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveTable999)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadBodies10MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveBodies10MB)->Unit(benchmark::kMillisecond);
