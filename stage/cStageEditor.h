#pragma once
// The stage editor window's logic, without the window: its command table and what each command
// does, the states of its menu items and toolbar buttons, the title, the keys, the mouse wheel and
// the map under the mouse, the close prompts and what its map view shows. The window
// (cStageEditorWnd) owns one, feeds it messages and carries out what comes back; everything that
// takes a window goes through cStageEditorHost.

#include <cstdint>
#include <vector>

#include "app/cEditConfig.h"
#include "stage/cMapEditor.h"
#include "stage/cMapView.h"
#include "stage/cStageFileCommands.h"
#include "stage/cTestPlay.h"

// Command ids: menu items (kIdm), their accelerators (kIda) and toolbar buttons (kIdt).
enum : uint16_t {
  kIdmNewStage = 40079, kIdaNewStage = 40003,
  kIdmOpenStage = 40074, kIdaOpenStage = 40004,
  kIdmCloseStage = 40130,
  kIdmSaveAll = 40077, kIdaSaveAll = 40005,
  kIdmSaveAllAs = 40076,
  kIdmSaveCommon = 40129,
  kIdmUndo = 40052, kIdaUndo = 40011,
  kIdmRedo = 40053, kIdaRedo = 40010,
  kIdmBlockLayer = 40054, kIdtBlockLayer = 40048,
  kIdmCharaLayer = 40055, kIdtCharaLayer = 40049,
  kIdmItemLayer = 40056, kIdtItemLayer = 40050,
  kIdmClearAll = 40161,
  kIdmClearBlocks = 40057,
  kIdmClearCharas = 40058,
  kIdmClearItems = 40059,
  kIdmViewCommon = 40148,
  kIdmViewStage = 40149,
  kIdmViewGroup = 40150,
  kIdmStageSettings = 40013,
  kIdmLoadStagePalette = 40083,
  kIdmSaveStagePalette = 40084,
  kIdmStageOptions = 40085,
  kIdmEditOptions = 40086,  // no menu item, accelerator or control sends it
  kIdmDatabase = 40063,
  kIdmWorldMap = 40064,
  kIdmSystemSettings = 40122,
  kIdmProjectOptions = 40062,
  kIdmTestPlay = 40060, kIdaTestPlay = 40006, kIdtTestPlay = 40081, kIdaTestPlayF5 = 40165,
  kIdmTestPlayGame = 40131, kIdaTestPlayGame = 40133, kIdtTestPlayGame = 40134,
  kIdmBitmapTool = 40061,
  kIdaLayerKey = 40163,  // Space in the shared table; the editor's Space is the key itself
};

// What a command does; one handler serves the menu item, the accelerator and the button.
enum : int {
  kCmdNewStage, kCmdOpenStage, kCmdCloseStage, kCmdSaveAll, kCmdSaveAllAs, kCmdSaveCommon,
  kCmdUndo, kCmdRedo, kCmdBlockLayer, kCmdCharaLayer, kCmdItemLayer,
  kCmdClearAll, kCmdClearBlocks, kCmdClearCharas, kCmdClearItems,
  kCmdViewCommon, kCmdViewStage, kCmdViewGroup,
  kCmdStageSettings, kCmdLoadStagePalette, kCmdSaveStagePalette, kCmdStageOptions,
  kCmdDatabase, kCmdWorldMap, kCmdSystemSettings, kCmdProjectOptions,
  kCmdTestPlay, kCmdTestPlayGame, kCmdBitmapTool, kCmdEditOptions,
  kCmdIgnored,  // ids of the shared accelerator table that serve the database lists
};

struct cStageCommand {
  uint16_t m_nId;
  int m_nHandler;
  const char* m_pHandlerName;
  int32_t m_bNeedsStage;  // does nothing unless a stage is open
};
extern const cStageCommand kStageCommands[];
extern const int kStageCommandCount;
// The command of an id, or null for an id that is not the stage editor's.
const cStageCommand* FindStageCommand(int id);

// The menu items the editor grays, and the toolbar's ten buttons, in order.
extern const uint16_t kMenuItemsAlways[9];
extern const uint16_t kMenuItemsWithStage[16];
extern const uint16_t kToolbarButtons[10];

struct cCommandState {
  int32_t m_bEnabled = 1;
  int32_t m_bChecked = 0;
};
// A menu item's (toolbar button's) enabled and checked state for the edit state and the saved
// placements; ids the editor leaves alone are enabled and unchecked.
cCommandState MenuItemState(int id, const cStageEditState& state, const cEditConfig& config);
cCommandState ToolbarButtonState(int id, const cStageEditState& state);
// "ヴォンタリス", followed by the open stage's path.
cString StageEditorTitle(const cStageEditState& state);

class cStageEditor {
public:
  cStageEditor(cStageDoc& stage, cStageEditState& state, cStageEditorHost& host);

  // The window's initialisation: the client size and the view at the player.
  void OnInit(int32_t clientWidth, int32_t clientHeight);
  // 1 for a command of the stage editor (done, or nothing to do), 0 for any other id.
  int RunCommand(int id);
  // WM_KEYDOWN by virtual-key code; 1 when the key did something.
  int OnKeyDown(int key, int shift);
  int OnWheel(int32_t delta, int ctrl) { return m_View.Wheel(delta, ctrl); }
  void OnMouse(const cMapMouse& mouse) { m_Map.OnMouse(mouse, m_View.ScrollX(), m_View.ScrollY()); }
  int OnIdle(const cMapMouse& mouse) { return m_Map.OnIdle(mouse, m_View.ScrollX(), m_View.ScrollY()); }
  // WM_CLOSE: 1 when the editor may close (every save asked for succeeded).
  int OnClose() { return m_Files.ConfirmClose(); }
  // What to repaint after a message.
  void TakePaint(const cViewInput& input, const cSheetExtents& sheets, std::vector<cPaintList>& out) {
    m_View.TakePaint(m_Map.Changes(), input, sheets, out);
  }

  cMapEditor& Map() { return m_Map; }
  cMapView& View() { return m_View; }
  cStageFileCommands& Files() { return m_Files; }
  cTestPlay& TestPlayer() { return m_TestPlay; }

private:
  void Run(const cStageCommand& command);
  // After a new, opened or closed stage: fresh undo buffers, the windows rebuilt.
  void StageReplaced(int modified);
  void CloseStage();
  void SaveAll(int overwrite);
  void UndoOrRedo(int redo);
  void AskClear(const char* question, int flags);
  void ToggleView(int handler);

  cStageDoc& m_Stage;
  cStageEditState& m_State;
  cStageEditorHost& m_Host;
  cMapEditor m_Map;
  cMapView m_View;
  cStageFileCommands m_Files;
  cTestPlay m_TestPlay;
};
