// Loading and saving the ten database tables filled to the most rows the database pages allow,
// against plain fread/fwrite of the same bytes.
// Counters vs_fread / vs_fwrite: time of the load (save) divided by the time of reading (writing)
// the ten files whole.
#include <iterator>
#include <vector>

#include "app/PathUtil.h"
#include "bench/FileTiming.h"
#include "database/cDatabaseSet.h"

namespace {

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

const std::vector<const char*> kTables(std::begin(cDatabaseSet::kTableFiles), std::end(cDatabaseSet::kTableFiles));

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

void BM_LoadFullDatabase(benchmark::State& state) {
  cTableFolder folder;
  cDatabaseSet full = FullSet();
  full.SaveDatabaseTables();
  double load = 0, raw = 0;
  for (auto _ : state) {
    cDatabaseSet set;
    auto start = bench::Clock::now();
    if (!set.LoadDatabaseTables()) state.SkipWithError("load failed");
    load += bench::SecondsSince(start);
    raw += bench::FreadSeconds(kTables);
  }
  state.counters["vs_fread"] = load / raw;
  state.counters["bytes"] = bench::FilesSize(kTables);
}

void BM_SaveFullDatabase(benchmark::State& state) {
  cTableFolder folder;
  cDatabaseSet full = FullSet();
  full.SaveDatabaseTables();
  std::vector<size_t> sizes = bench::FileSizes(kTables);
  double save = 0, raw = 0;
  for (auto _ : state) {
    auto start = bench::Clock::now();
    if (!full.SaveDatabaseTables()) state.SkipWithError("save failed");
    save += bench::SecondsSince(start);
    raw += bench::FwriteSeconds(sizes);
  }
  state.counters["vs_fwrite"] = save / raw;
  state.counters["bytes"] = bench::FilesSize(kTables);
}

}  // namespace

BENCHMARK(BM_LoadFullDatabase)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveFullDatabase)->Unit(benchmark::kMillisecond);
