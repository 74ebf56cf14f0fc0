// An edit that runs out of memory: the copy of a chunk shared with an undo step fails. The undo
// steps are given up with a message and the edit is kept; when even that does not help the edit
// stops with the out-of-memory message, and no exception leaves the editor.
#include <atomic>
#include <cstdlib>
#include <new>

#include "tests/stage/StageEditorTest.h"

namespace {
// The next this many allocations of at least this size fail.
std::atomic<size_t> g_nFailFrom{0};
std::atomic<int> g_nFailCount{0};

void* Allocate(size_t size) {
  if (g_nFailCount.load() > 0 && size >= g_nFailFrom.load()) {
    --g_nFailCount;
    throw std::bad_alloc();
  }
  if (void* block = std::malloc(size ? size : 1)) return block;
  throw std::bad_alloc();
}
}  // namespace

void* operator new(size_t size) { return Allocate(size); }
void* operator new[](size_t size) { return Allocate(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, size_t) noexcept { std::free(block); }
void operator delete[](void* block, size_t) noexcept { std::free(block); }

namespace {

// Fails the next count allocations of a chunk of blocks (or anything larger).
void FailChunkCopies(int count) {
  g_nFailFrom = sizeof(cEdBlock) * cStageLayer<cEdBlock>::kChunkCells;
  g_nFailCount = count;
}

}  // namespace

using OutOfMemoryTest = StageEditorTest;

TEST_F(OutOfMemoryTest, EditGoesOnWithoutUndo) {
  struct Case {
    const char* m_pName;
    int m_nFailures;
    int m_nY;  // the row painted: row 0's chunk is shared with a step, row 1's was never allocated
    const char* m_pRows;
    int m_nCloseRequests;
  } cases[] = {
      {"the steps free the chunk", 1, 0, "12....../........", 0},
      {"memory stays short", 2, 1, "1......./........", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m_pName);
    g_StageDoc.SetDefaults();
    OpenStage(8, 4);
    m_Shell.m_vBoxes.clear();
    m_Shell.m_nCloseRequests = 0;
    g_StageDoc.m_vBlockLayer.At(0) = Record<cEdBlock>(1);
    g_StageEditState.m_vBrushBlock.assign(1, Record<cEdBlock>(2));
    cMapEditor map(g_StageDoc, g_StageEditState, m_Host);
    map.PushUndo(kLayerFlagBlock);
    map.Undo();
    ASSERT_EQ(g_StageEditState.RedoCount(), 1);
    FailChunkCopies(c.m_nFailures);
    map.OnMouse(MouseAt(kLButtonDown, 1, c.m_nY), 0, 0);
    g_nFailCount = 0;
    EXPECT_EQ(LayerText(g_StageDoc.m_vBlockLayer, g_StageDoc).substr(0, 17), c.m_pRows);
    EXPECT_EQ(g_StageEditState.UndoCount(), 0);
    EXPECT_EQ(g_StageEditState.RedoCount(), 0);
    ASSERT_FALSE(m_Shell.m_vBoxes.empty());
    EXPECT_EQ(m_Shell.m_vBoxes[0].m_strText, "メモリが不足しています！");
    EXPECT_EQ(m_Shell.m_nCloseRequests, c.m_nCloseRequests);
    // Undo goes on afterwards.
    map.OnMouse(MouseAt(kLButtonDown, 2, 2), 0, 0);
    EXPECT_EQ(g_StageEditState.UndoCount(), 1);
    EXPECT_EQ(g_StageDoc.m_vBlockLayer.Get(g_StageDoc.CellIndex(2, 2)).m_nGraphic, 2);
  }
}
