// A 512 x 512 stage: loading and saving it with every cell of the three layers used, with one cell
// in 64 used and with none, against plain fread/fwrite of the same bytes; and the process memory
// that three undo steps of the full stage take.
// Counters: vs_fread / vs_fwrite (time of the load or save divided by the time of reading or
// writing the file whole), bytes (file size); for undo, rss_* in MB.
#include <cstdio>
#include <memory>

#include "app/cShellSeam.h"
#include "bench/FileTiming.h"
#include "stage/cStageDoc.h"
#include "stage/cStageEditState.h"

namespace {

const char* kPath = "bench_stage.stg4_771";

// Enough free memory for any undo depth, so that the depth asked for is the depth used.
class cPlentyShell : public cShellSeam {
public:
  uint64_t FreePhysicalMemory() override { return 64ull << 30; }
};

cEdBlock MakeBlock() {
  cEdBlock block;
  block.m_nGraphic = 12;
  block.m_strName = "レンガ";
  return block;
}

// A placed enemy with one flow of three commands.
cEdChara MakeChara() {
  cEdChara chara;
  chara.m_nGraphic = 3;
  chara.m_strName = "敵キャラクター";
  cFlowData flow;
  flow.m_cTrigger = 1;
  flow.m_vCommand.resize(3);
  for (int c = 0; c < 3; ++c) flow.m_vCommand[c].m_nTime = static_cast<int16_t>(10 * c);
  chara.m_vFlow.push_back(flow);
  return chara;
}

cEdItem MakeItem() {
  cEdItem item;
  item.m_nGraphic = 5;
  item.m_strName = "コイン";
  item.m_vEffect.resize(1);
  item.m_vEffect[0].m_cSet = 1;
  return item;
}

// Every step-th cell of the three layers used.
void Fill(cStageDoc& stage, int step) {
  stage.SetSize(512, 512, 0, 0);
  if (step == 0) return;
  cEdBlock block = MakeBlock();
  cEdChara chara = MakeChara();
  cEdItem item = MakeItem();
  for (int i = 0; i < stage.m_vBlockLayer.Count(); i += step) {
    stage.m_vBlockLayer.At(i) = block;
    stage.m_vCharaLayer.At(i) = chara;
    stage.m_vItemLayer.At(i) = item;
  }
}

void Load(benchmark::State& state, int step) {
  {
    cStageDoc stage;
    Fill(stage, step);
    stage.SaveFile(kPath);
  }
  cStageDoc loaded;
  bench::TimeLoad(state, kPath, [&] { return loaded.LoadStageFile(kPath); });
}

void Save(benchmark::State& state, int step) {
  cStageDoc stage;
  Fill(stage, step);
  bench::TimeSave(state, kPath, [&] { return stage.SaveFile(kPath); });
}

void BM_LoadFullStage(benchmark::State& state) { Load(state, 1); }
void BM_SaveFullStage(benchmark::State& state) { Save(state, 1); }
void BM_LoadSparseStage(benchmark::State& state) { Load(state, 64); }
void BM_SaveSparseStage(benchmark::State& state) { Save(state, 64); }
void BM_LoadEmptyStage(benchmark::State& state) { Load(state, 0); }
void BM_SaveEmptyStage(benchmark::State& state) { Save(state, 0); }

double ResidentMB() {
  long pages = 0, resident = 0;
  FILE* file = std::fopen("/proc/self/statm", "r");
  if (!file) return 0;
  if (std::fscanf(file, "%ld %ld", &pages, &resident) != 2) resident = 0;
  std::fclose(file);
  return resident * 4096.0 / (1 << 20);
}

// Three steps, each before an edit that paints a 16 x 16 rectangle of all three layers.
void BM_UndoMemoryFullStage(benchmark::State& state) {
  cPlentyShell shell;
  SetShell(&shell);
  for (auto _ : state) {
    double before = ResidentMB();
    std::unique_ptr<cStageDoc> stage(new cStageDoc);
    Fill(*stage, 1);
    double filled = ResidentMB();
    cStageEditState edit;
    edit.AllocateUndo(3, stage->m_nPitch, stage->m_nHeight);
    cEdBlock block = MakeBlock();
    block.m_nGraphic = 13;
    for (int step = 0; step < 3; ++step) {
      edit.PushUndo(kLayerFlagAll, *stage);
      for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
          int i = stage->CellIndex(100 * step + x, 100 * step + y);
          stage->m_vBlockLayer.At(i) = block;
          stage->m_vCharaLayer.At(i).m_nHp = 20;
          stage->m_vItemLayer.At(i).m_nSound = 1;
        }
    }
    double threeSteps = ResidentMB();
    edit.Undo(*stage);
    edit.Undo(*stage);
    edit.Undo(*stage);
    double undone = ResidentMB();
    state.counters["rss_stage_MB"] = filled - before;
    state.counters["rss_3_undo_steps_MB"] = threeSteps - filled;
    state.counters["rss_after_3_undos_MB"] = undone - filled;
    state.counters["estimate_3_steps_MB"] =
        3.0 * 2 * cStageEditState::EstimateSnapshotBytes(stage->m_nPitch, stage->m_nHeight) / (1 << 20);
  }
  SetShell(nullptr);
}

}  // namespace

BENCHMARK(BM_LoadFullStage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveFullStage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadSparseStage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveSparseStage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadEmptyStage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveEmptyStage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoMemoryFullStage)->Unit(benchmark::kMillisecond)->Iterations(1);
