#pragma once
// Test play: the open stage is saved with the common palette, then the game program starts on it
// (or on the whole game) as a process of its own. A guard keeps a second game from starting while
// one runs; the game's end message, or the end of its process, ends the test play.

#include <cstdint>

#include "stage/cMapEditor.h"
#include "stage/cStageFileCommands.h"

// When the last launch that passed the guard was asked for (the shell's millisecond clock).
extern uint32_t g_nLastLaunchTime;
// A second request this soon after the last is the same key press seen twice: dropped silently.
constexpr uint32_t kLaunchGuardMs = 3000;

class cTestPlay {
public:
  cTestPlay(cStageDoc& stage, cStageEditState& state, cStageEditorHost& host, cMapEditor& map,
            cStageFileCommands& files);
  // wholeGame 0: the open stage; otherwise the game from its beginning (saving an open stage first).
  void TestPlay(int wholeGame);

private:
  // The checks and saves before a launch with a stage open; 0 stops the test play.
  int PrepareStage();

  cStageDoc& m_Stage;
  cStageEditState& m_State;
  cStageEditorHost& m_Host;
  cMapEditor& m_Map;
  cStageFileCommands& m_Files;
};

// The end of a test play: the game's end message (WM_COPYDATA with dwData 0) or the end of the game
// process the window kept, whichever comes first. The stage gets its undo buffers back, the editor
// is activated and the guard opens. host: the stage editor window, null when there is none.
void EndTestPlay(cStageDoc& stage, cStageEditState& state, cStageEditorHost* host);
