#pragma once
// Helpers for the stage tests: stage files of any version, written from the layout by hand, and a
// clean global stage, palette and database for each test.

#include <gtest/gtest.h>

#include "app/cApplication.h"
#include "app/cDataRecord.h"
#include "database/cDatabaseSet.h"
#include "project/cProjectSettings.h"
#include "stage/cPaletteDoc.h"
#include "stage/cStageDoc.h"
#include "stage/cStageEditState.h"
#include "tests/model/ModelTest.h"
#include "tests/stage/StageFixture.h"
#include "tests/support/TestSupport.h"

// What a stage file of a data version holds for a document: its body, ranking, rules, the palette
// and layers given, backgrounds, variable names and, from 173 on, the end marker.
struct cStageFileParts {
  Bytes m_Palette = Cat({U32(0), U32(0), U32(0)});
  Bytes m_Layers = Cat({U32(0), U32(0), U32(0)});
  int m_nBackgrounds = 1;
  int m_nVarNames = 1000;
};

inline Bytes StageFileAt(uint32_t version, const cStageDoc& doc, const cStageFileParts& parts = cStageFileParts()) {
  Bytes file = Cat({U32(version), StageBodyAt(doc, version), U32(static_cast<uint32_t>(doc.m_vRankingItem.size()))});
  for (int32_t entry : doc.m_vRankingItem) file = Cat({file, U32(static_cast<uint32_t>(entry))});
  for (const cAutoVanishData& rule : doc.m_aAutoVanish) file = Cat({file, AutoVanishBodyAt(rule, version)});
  file = Cat({file, parts.m_Palette, parts.m_Layers, U32(static_cast<uint32_t>(parts.m_nBackgrounds))});
  cBackgroundData background;
  for (int i = 0; i < parts.m_nBackgrounds; ++i) file = Cat({file, BackgroundBodyAt(background, version)});
  file = Cat({file, U32(static_cast<uint32_t>(parts.m_nVarNames))});
  for (int i = 0; i < parts.m_nVarNames; ++i) file = Cat({file, Hex("00000000 01000000 01000000")});
  if (version >= 173) file = Cat({file, U32(kStageEndMarker)});
  return file;
}

// Free memory as the machine reports it while the undo history's steps hold m_nHeld bytes of it,
// which their release gives back.
class cHistoryMemoryShell : public cFakeShell {
public:
  uint64_t FreePhysicalMemory() override { return m_nFreeMemory + (g_StageEditState.UndoLevels() ? 0 : m_nHeld); }
  uint64_t m_nHeld = 0;
};

// Gives every cell of the three layers the graphic, so that the stage owns a copy of every chunk
// that an earlier snapshot shared with it.
inline void PaintEveryCell(cStageDoc& stage, int16_t graphic) {
  for (int cell = 0; cell < stage.m_vBlockLayer.Count(); ++cell) {
    stage.m_vBlockLayer.At(cell).m_nGraphic = graphic;
    stage.m_vCharaLayer.At(cell).m_nGraphic = graphic;
    stage.m_vItemLayer.At(cell).m_nGraphic = graphic;
  }
}

// A stage of the size whose undo history holds one whole picture of it: every cell painted, a
// step of all three layers taken, and every cell painted again.
inline void MakeHistoryHoldAPicture(cStageDoc& stage, cStageEditState& state, int32_t width, int32_t height) {
  stage.SetSize(width, height, 0, 0);
  PaintEveryCell(stage, 1);
  state.AllocateUndo(1, stage.m_nPitch, stage.m_nHeight);
  state.PushUndo(kLayerFlagAll, stage);
  PaintEveryCell(stage, 2);
}

// Each test starts from a new stage, a new common palette, an edit state without undo, the default
// project options, and the default database tables with a BGM table of three entries; all is put
// back afterwards.
class StageTest : public testing::Test {
protected:
  void SetUp() override { Clean(); }
  void TearDown() override { Clean(); }
  static void Clean() {
    g_StageDoc.SetDefaults();
    g_StageDoc.m_nWheelAxis = 0;
    g_CommonPalette.SetDefaults();
    g_StageEditState.Reset();
    g_StageEditState.ReleaseUndo();
    g_bTestPlayRunning = 0;
    g_DatabaseSet.SetDefaults();
    g_DatabaseSet.m_vBgm.resize(3);
    g_ProjectSettings.SetDefaults();
  }

  cScratchFolder m_Folder;
  cFakeShell m_Shell;
};
