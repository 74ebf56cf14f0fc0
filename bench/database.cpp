// Loading and saving the ten database tables filled to the most rows the database pages allow,
// against plain fread/fwrite of the same bytes.
// Counters vs_fread / vs_fwrite: time of the load (save) divided by the time of reading (writing)
// the ten files whole.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/PathUtil.h"
#include "database/cDatabaseSet.h"

namespace {

using Clock = std::chrono::steady_clock;

// Rows of the table pages (999 shown, plus entry 0 where it is reserved) and of their inner lists.
constexpr int kShownRows = 999;
constexpr int kInnerRows = 99;

const char* kName = "ソードマスター１２";  // twelve characters at most on the pages
const char* kPath = "bmp\\chara_sp\\ソードマスター_sheet.bmp";

template <class T>
void Fill(cVector<T>& table, int count) {
  table.resize(count);
  for (T& record : table) record.m_strName = kName;
}

cDatabaseSet FullSet() {
  cDatabaseSet set;
  Fill(set.m_vAnimeSet, kShownRows);
  for (cAnimeSetData& animeSet : set.m_vAnimeSet)
    for (cAnimeData& motion : animeSet.m_vMotion) motion.m_vFrame.resize(kInnerRows);
  Fill(set.m_vAnime, kShownRows + 1);
  for (cAnimeData& anime : set.m_vAnime) anime.m_vFrame.resize(kInnerRows);
  Fill(set.m_vCharaExc, kShownRows + 1);
  for (cCharaExcData& record : set.m_vCharaExc) record.m_strPath = kPath;
  Fill(set.m_vSwordType, kShownRows);
  for (cSwordTypeData& sword : set.m_vSwordType) {
    sword.m_strPathLeft = sword.m_strPathRight = kPath;
    sword.m_vPos.resize(kInnerRows);
  }
  Fill(set.m_vEffect, kShownRows + 1);
  for (cEffectData& effect : set.m_vEffect) {
    effect.m_strPath = kPath;
    effect.m_vFrame.resize(kInnerRows);
  }
  Fill(set.m_vCharaEffect, kShownRows + 1);
  Fill(set.m_vScrEffect, kShownRows + 1);
  Fill(set.m_vPicture, kShownRows + 1);
  Fill(set.m_vSound, kShownRows + 1);
  Fill(set.m_vBgm, kShownRows + 1);
  return set;
}

size_t FileSize(const char* path) {
  FILE* file = std::fopen(HostPath(path).c_str(), "rb");
  if (!file) return 0;
  std::fseek(file, 0, SEEK_END);
  size_t size = static_cast<size_t>(std::ftell(file));
  std::fclose(file);
  return size;
}

double FreadSeconds() {
  auto start = Clock::now();
  for (const char* path : cDatabaseSet::kTableFiles) {
    FILE* file = std::fopen(HostPath(path).c_str(), "rb");
    std::fseek(file, 0, SEEK_END);
    std::vector<char> bytes(static_cast<size_t>(std::ftell(file)));
    std::fseek(file, 0, SEEK_SET);
    benchmark::DoNotOptimize(std::fread(bytes.data(), 1, bytes.size(), file));
    std::fclose(file);
  }
  return std::chrono::duration<double>(Clock::now() - start).count();
}

double FwriteSeconds(const std::vector<size_t>& sizes) {
  std::vector<char> bytes(*std::max_element(sizes.begin(), sizes.end()), 1);
  auto start = Clock::now();
  for (size_t size : sizes) {
    FILE* file = std::fopen("bench_raw.bin", "wb");
    std::fwrite(bytes.data(), 1, size, file);
    std::fclose(file);
  }
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// The tables live in data\database\ below the working folder while the benchmark runs.
struct cTableFolder {
  cTableFolder() {
    MakeDirectory("data");
    MakeDirectory("data\\database");
  }
  ~cTableFolder() {
    for (const char* path : cDatabaseSet::kTableFiles) DeletePath(path);
    DeletePath("bench_raw.bin");
  }
};

double TotalBytes() {
  double total = 0;
  for (const char* path : cDatabaseSet::kTableFiles) total += static_cast<double>(FileSize(path));
  return total;
}

void BM_LoadFullDatabase(benchmark::State& state) {
  cTableFolder folder;
  cDatabaseSet full = FullSet();
  full.SaveDatabaseTables();
  double load = 0, raw = 0;
  for (auto _ : state) {
    cDatabaseSet set;
    auto start = Clock::now();
    if (!set.LoadDatabaseTables()) state.SkipWithError("load failed");
    load += std::chrono::duration<double>(Clock::now() - start).count();
    raw += FreadSeconds();
  }
  state.counters["vs_fread"] = load / raw;
  state.counters["bytes"] = TotalBytes();
}

void BM_SaveFullDatabase(benchmark::State& state) {
  cTableFolder folder;
  cDatabaseSet full = FullSet();
  full.SaveDatabaseTables();
  std::vector<size_t> sizes;
  for (const char* path : cDatabaseSet::kTableFiles) sizes.push_back(FileSize(path));
  double save = 0, raw = 0;
  for (auto _ : state) {
    auto start = Clock::now();
    if (!full.SaveDatabaseTables()) state.SkipWithError("save failed");
    save += std::chrono::duration<double>(Clock::now() - start).count();
    raw += FwriteSeconds(sizes);
  }
  state.counters["vs_fwrite"] = save / raw;
  state.counters["bytes"] = TotalBytes();
}

}  // namespace

BENCHMARK(BM_LoadFullDatabase)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveFullDatabase)->Unit(benchmark::kMillisecond);
