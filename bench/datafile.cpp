// Loading and saving data files against plain fread/fwrite of the same bytes.
// Counter vs_fread: time of the load (or save) divided by the time of reading (writing) the file.
#include <cstdio>

#include "app/DataFile.h"
#include "bench/FileTiming.h"
#include "tests/support/SampleRecords.h"

namespace {

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

void RunTable(benchmark::State& state, int records, int leaves, const char* path) {
  cVector<cSampleNode> table;
  for (int i = 0; i < records; ++i) table.push_back(MakeNode(i, leaves));
  SaveTableFile(table, path);
  double load = 0, raw = 0;
  for (auto _ : state) {
    cVector<cSampleNode> loaded;
    auto start = bench::Clock::now();
    benchmark::DoNotOptimize(LoadTableFile(loaded, path));
    load += bench::SecondsSince(start);
    raw += bench::FreadSeconds({path});
  }
  state.counters["vs_fread"] = load / raw;
  state.counters["bytes"] = static_cast<double>(bench::FileSize(path));
  std::remove(path);
}

void SaveTable(benchmark::State& state, int records, int leaves, const char* path) {
  cVector<cSampleNode> table;
  for (int i = 0; i < records; ++i) table.push_back(MakeNode(i, leaves));
  bench::TimeSave(state, path, [&] { return SaveTableFile(table, path); });
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
