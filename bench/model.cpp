// Loading and saving a palette-sized list of characters with full behaviour (999 characters,
// 10 flows of 20 commands each), against plain fread/fwrite of the same bytes.
// Counters vs_fread / vs_fwrite: time of the load (save) divided by the time of reading
// (writing) the file whole.
#include "app/DataFile.h"
#include "bench/FileTiming.h"
#include "model/cEdChara.h"

namespace {

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

void BM_LoadCharas999(benchmark::State& state) {
  cVector<cEdChara> charas = MakeCharas();
  SaveTableFile(charas, kPath);
  cVector<cEdChara> loaded;
  bench::TimeLoad(state, kPath, [&] { return LoadTableFile(loaded, kPath); });
}

void BM_SaveCharas999(benchmark::State& state) {
  cVector<cEdChara> charas = MakeCharas();
  bench::TimeSave(state, kPath, [&] { return SaveTableFile(charas, kPath); });
}

}  // namespace

BENCHMARK(BM_LoadCharas999)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveCharas999)->Unit(benchmark::kMillisecond);
