// The stage editor's map view on a 512 x 512 stage with every cell of the three layers used: the
// paint list of the whole view scrolled to the middle of the map; a pen dragged across 100 cells,
// each mouse move with its changed-cell repaint (the press, with its undo step of the three full
// layers, timed apart); and that press alone.
// Counters: ops (drawing operations of one paint), per move: areas and ops repainted.
#include <benchmark/benchmark.h>

#include "app/cShellSeam.h"
#include "app/cStateStack.h"
#include "stage/cStageEditor.h"

namespace {

class cPlentyShell : public cShellSeam {
public:
  uint64_t FreePhysicalMemory() override { return 64ull << 30; }
};

cSheetExtents Sheets() {
  cSheetExtents sheets;
  for (cSheetExtent& sheet : sheets.m_aSheet) sheet = {640, 480};
  return sheets;
}

// Every cell used: a block, a character and an item, each with its mark shown.
void FillStage(cStageDoc& stage) {
  stage.SetSize(512, 512, 0, 0);
  cEdBlock block;
  block.m_nGraphic = 12;
  block.m_cMarkShow = 1;
  cEdChara chara;
  chara.m_nGraphic = 3;
  cEdItem item;
  item.m_nGraphic = 5;
  for (int i = 0; i < stage.m_vBlockLayer.Count(); ++i) {
    stage.m_vBlockLayer.At(i) = block;
    stage.m_vCharaLayer.At(i) = chara;
    stage.m_vItemLayer.At(i) = item;
  }
}

void BM_PaintWholeView(benchmark::State& state) {
  cStageDoc stage;
  FillStage(stage);
  cStageEditState edit;
  edit.m_bStageOpen = 1;
  g_StateStack.Reset();
  cMapView view(stage, edit);
  view.SetClientSize(640, 480);
  view.ScrollTo(246, 248);
  cSheetExtents sheets = Sheets();
  cPaintList list;
  for (auto _ : state) {
    view.Paint(list, cViewInput(), sheets, 0, 0, 640, 480);
    benchmark::DoNotOptimize(list.m_vOps.data());
  }
  state.counters["ops"] = static_cast<double>(list.m_vOps.size());
}

// A full stage open in an editor with one undo step, the view in the middle of the map.
struct cFullStageEditor {
  cFullStageEditor() {
    SetShell(&m_Shell);
    FillStage(m_Stage);
    m_Edit.m_bStageOpen = 1;
    m_Edit.AllocateUndo(1, m_Stage.m_nPitch, m_Stage.m_nHeight);
    g_StateStack.Reset();
    m_Editor.OnInit(640, 480);
    m_Editor.View().ScrollTo(246, 248);
  }
  ~cFullStageEditor() { SetShell(nullptr); }
  // A left press at the view's cell (0, 0) with a graphic the cells do not hold yet, so that every
  // cell the drag paints changes.
  cMapMouse Press() {
    m_Edit.m_vBrushBlock.assign(1, cEdBlock());
    m_Edit.m_vBrushBlock[0].m_nGraphic = static_cast<int16_t>(m_nGraphic);
    m_nGraphic = m_nGraphic == 1 ? 2 : 1;
    cMapMouse mouse;
    mouse.m_nMessage = kLButtonDown;
    mouse.m_bLDown = mouse.m_bLPressed = 1;
    m_Editor.OnMouse(mouse);
    return mouse;
  }

  cPlentyShell m_Shell;
  cStageDoc m_Stage;
  cStageEditState m_Edit;
  cStageEditorHost m_Host;
  cStageEditor m_Editor{m_Stage, m_Edit, m_Host};
  int m_nGraphic = 1;
};

void BM_PenDrag100Cells(benchmark::State& state) {
  cFullStageEditor full;
  cSheetExtents sheets = Sheets();
  std::vector<cPaintList> lists;
  cViewInput held;
  held.m_bLDown = 1;
  full.m_Editor.TakePaint(held, sheets, lists);
  size_t areas = 0, ops = 0, moves = 0;
  for (auto _ : state) {
    state.PauseTiming();
    cMapMouse mouse = full.Press();
    full.m_Editor.TakePaint(held, sheets, lists);
    mouse.m_nMessage = kMouseMove;
    mouse.m_bLPressed = 0;
    state.ResumeTiming();
    for (int step = 1; step <= 100; ++step) {
      // A staircase through the view: 20 columns, 5 rows.
      mouse.m_nViewX = step % 20;
      mouse.m_nViewY = step / 20;
      full.m_Editor.OnMouse(mouse);
      full.m_Editor.TakePaint(held, sheets, lists);
      for (const cPaintList& list : lists) ops += list.m_vOps.size();
      areas += lists.size();
      ++moves;
    }
    state.PauseTiming();
    mouse.m_nMessage = kLButtonUp;
    mouse.m_bLDown = 0;
    full.m_Editor.OnMouse(mouse);
    state.ResumeTiming();
  }
  state.SetItemsProcessed(static_cast<int64_t>(moves));
  state.counters["areas_per_move"] = static_cast<double>(areas) / moves;
  state.counters["ops_per_move"] = static_cast<double>(ops) / moves;
}

// The press: one undo step of the three full layers, the first cell painted.
void BM_PenPress(benchmark::State& state) {
  cFullStageEditor full;
  for (auto _ : state) full.Press();
}

}  // namespace

BENCHMARK(BM_PaintWholeView)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PenPress)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PenDrag100Cells)->Unit(benchmark::kMicrosecond);
