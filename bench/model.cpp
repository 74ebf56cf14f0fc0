// Loading and saving a palette-sized list of characters with full behaviour (999 characters,
// 10 flows of 20 commands each), against plain fread/fwrite of the same bytes.
// Counters vs_fread / vs_fwrite: time of the load (save) divided by the time of reading
// (writing) the file whole.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <vector>

#include "app/DataFile.h"
#include "model/cEdChara.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kCharas = 999;
constexpr int kFlows = 10;
constexpr int kCommands = 20;
const char* kPath = "bench_charas.dat";

// A mix of kinds: plain waits and parameter kinds, movement and shot payloads, a flow operation
// with run conditions and a message with its text.
cCommandData MakeCommand(int i) {
  static const int kinds[] = {kCmdWait,    kCmdStraightMove, kCmdShot,   kCmdMessage, kCmdStatus,
                              kCmdJump,    kCmdHomingMove,   kCmdFlowOp, kCmdAnime,   kCmdSetTarget};
  cCommandData command;
  command.m_cKind = static_cast<int8_t>(kinds[i % 10]);
  command.m_nTime = static_cast<int16_t>(10 + i);
  command.CreateNeededPayload();
  command.SizeParams();
  for (size_t p = 0; p < command.m_vParam.size(); ++p) command.m_vParam[p] = static_cast<int32_t>(p % 3);
  if (command.m_cKind == kCmdMessage) command.m_strText = "こんにちは、勇者よ。";
  if (command.m_cKind == kCmdFlowOp) command.m_pCondList->m_vCond.resize(2);
  return command;
}

cVector<cEdChara> MakeCharas() {
  cFlowData flow;
  flow.m_strMemo = "攻撃パターン";
  flow.m_cTrigger = 3;
  flow.m_vCond.resize(2);
  flow.m_vKeyCond.resize(1);
  for (int c = 0; c < kCommands; ++c) flow.m_vCommand.push_back(MakeCommand(c));
  cEdChara chara;
  chara.m_nGraphic = 1;
  chara.m_strName = "敵キャラクター";
  chara.m_vAppearCond.resize(1);
  chara.m_vFlow.assign(kFlows, flow);
  return cVector<cEdChara>(kCharas, chara);
}

size_t FileSize(const char* path) {
  FILE* file = std::fopen(path, "rb");
  std::fseek(file, 0, SEEK_END);
  size_t size = static_cast<size_t>(std::ftell(file));
  std::fclose(file);
  return size;
}

double FreadSeconds(const char* path) {
  auto start = Clock::now();
  FILE* file = std::fopen(path, "rb");
  std::vector<char> bytes(FileSize(path));
  benchmark::DoNotOptimize(std::fread(bytes.data(), 1, bytes.size(), file));
  std::fclose(file);
  return std::chrono::duration<double>(Clock::now() - start).count();
}

double FwriteSeconds(size_t size) {
  std::vector<char> bytes(size, 1);
  auto start = Clock::now();
  FILE* file = std::fopen("bench_raw.bin", "wb");
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
  return std::chrono::duration<double>(Clock::now() - start).count();
}

void BM_LoadCharas999(benchmark::State& state) {
  cVector<cEdChara> charas = MakeCharas();
  SaveTableFile(charas, kPath);
  double load = 0, raw = 0;
  for (auto _ : state) {
    cVector<cEdChara> loaded;
    auto start = Clock::now();
    benchmark::DoNotOptimize(LoadTableFile(loaded, kPath));
    load += std::chrono::duration<double>(Clock::now() - start).count();
    raw += FreadSeconds(kPath);
  }
  state.counters["vs_fread"] = load / raw;
  state.counters["bytes"] = static_cast<double>(FileSize(kPath));
  std::remove(kPath);
}

void BM_SaveCharas999(benchmark::State& state) {
  cVector<cEdChara> charas = MakeCharas();
  double save = 0, raw = 0;
  for (auto _ : state) {
    auto start = Clock::now();
    benchmark::DoNotOptimize(SaveTableFile(charas, kPath));
    save += std::chrono::duration<double>(Clock::now() - start).count();
    raw += FwriteSeconds(FileSize(kPath));
  }
  state.counters["vs_fwrite"] = save / raw;
  state.counters["bytes"] = static_cast<double>(FileSize(kPath));
  std::remove(kPath);
  std::remove("bench_raw.bin");
}

}  // namespace

BENCHMARK(BM_LoadCharas999)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveCharas999)->Unit(benchmark::kMillisecond);
