#include "stage/cStageEditor.h"

#include <algorithm>

#include "app/DataPaths.h"
#include "app/MessageBox.h"
#include "app/ReportLog.h"

namespace {

// Virtual-key codes the window passes on.
constexpr int kKeySpace = 0x20, kKeyF5 = 0x74, kKeyF7 = 0x76;

template <size_t N>
bool Contains(const uint16_t (&ids)[N], int id) {
  return std::find(ids, ids + N, id) != ids + N;
}

}  // namespace

const cStageCommand kStageCommands[] = {
    {kIdmNewStage, kCmdNewStage, "OnNewStage", 0},
    {kIdaNewStage, kCmdNewStage, "OnNewStage", 0},
    {kIdmOpenStage, kCmdOpenStage, "OnOpenStage", 0},
    {kIdaOpenStage, kCmdOpenStage, "OnOpenStage", 0},
    {kIdmCloseStage, kCmdCloseStage, "OnCloseStage", 0},
    {kIdmSaveAll, kCmdSaveAll, "OnSaveAll", 1},
    {kIdaSaveAll, kCmdSaveAll, "OnSaveAll", 1},
    {kIdmSaveAllAs, kCmdSaveAllAs, "OnSaveAllAs", 0},
    {kIdmSaveCommon, kCmdSaveCommon, "OnSaveCommon", 0},
    {kIdmUndo, kCmdUndo, "OnUndo", 1},
    {kIdaUndo, kCmdUndo, "OnUndo", 1},
    {kIdmRedo, kCmdRedo, "OnRedo", 1},
    {kIdaRedo, kCmdRedo, "OnRedo", 1},
    {kIdmBlockLayer, kCmdBlockLayer, "OnBlockLayer", 1},
    {kIdtBlockLayer, kCmdBlockLayer, "OnBlockLayer", 1},
    {kIdmCharaLayer, kCmdCharaLayer, "OnCharaLayer", 1},
    {kIdtCharaLayer, kCmdCharaLayer, "OnCharaLayer", 1},
    {kIdmItemLayer, kCmdItemLayer, "OnItemLayer", 1},
    {kIdtItemLayer, kCmdItemLayer, "OnItemLayer", 1},
    {kIdmClearAll, kCmdClearAll, "OnClearAll", 0},
    {kIdmClearBlocks, kCmdClearBlocks, "OnClearBlocks", 0},
    {kIdmClearCharas, kCmdClearCharas, "OnClearCharas", 0},
    {kIdmClearItems, kCmdClearItems, "OnClearItems", 0},
    {kIdmViewCommon, kCmdViewCommon, "OnViewCommonPalette", 1},
    {kIdmViewStage, kCmdViewStage, "OnViewStagePalette", 1},
    {kIdmViewGroup, kCmdViewGroup, "OnViewGroup", 1},
    {kIdmStageSettings, kCmdStageSettings, "OnStageSettings", 0},
    {kIdmLoadStagePalette, kCmdLoadStagePalette, "OnLoadStagePalette", 0},
    {kIdmSaveStagePalette, kCmdSaveStagePalette, "OnSaveStagePalette", 0},
    {kIdmStageOptions, kCmdStageOptions, "OnStageOptions", 0},
    {kIdmDatabase, kCmdDatabase, "OnDatabase", 0},
    {kIdmWorldMap, kCmdWorldMap, "OnWorldMap", 0},
    {kIdmSystemSettings, kCmdSystemSettings, "OnSystemSettings", 0},
    {kIdmProjectOptions, kCmdProjectOptions, "OnProjectOptions", 0},
    {kIdmTestPlay, kCmdTestPlay, "OnTestPlay", 1},
    {kIdaTestPlay, kCmdTestPlay, "OnTestPlay", 1},
    {kIdtTestPlay, kCmdTestPlay, "OnTestPlay", 1},
    {kIdaTestPlayF5, kCmdTestPlay, "OnTestPlay", 1},
    {kIdmTestPlayGame, kCmdTestPlayGame, "OnTestPlayGame", 0},
    {kIdaTestPlayGame, kCmdTestPlayGame, "OnTestPlayGame", 0},
    {kIdtTestPlayGame, kCmdTestPlayGame, "OnTestPlayGame", 0},
    {kIdmBitmapTool, kCmdBitmapTool, "OnBitmapTool", 0},
    {kIdmEditOptions, kCmdEditOptions, "OnEditOptions", 0},
    {40001, kCmdIgnored, "", 0},
    {40162, kCmdIgnored, "", 0},
    {40002, kCmdIgnored, "", 0},
    {40007, kCmdIgnored, "", 0},
    {40008, kCmdIgnored, "", 0},
    {40163, kCmdIgnored, "", 0},
    {40009, kCmdIgnored, "", 0},
};
const int kStageCommandCount = static_cast<int>(sizeof kStageCommands / sizeof kStageCommands[0]);

const uint16_t kMenuItemsAlways[9] = {kIdmNewStage,      kIdmOpenStage,  kIdmSaveCommon,   kIdmDatabase,  kIdmWorldMap,
                                      kIdmSystemSettings, kIdmProjectOptions, kIdmTestPlayGame, kIdmBitmapTool};
const uint16_t kMenuItemsWithStage[16] = {
    kIdmCloseStage,  kIdmSaveAllAs,   kIdmSaveAll,       kIdmUndo,         kIdmRedo,
    kIdmBlockLayer,  kIdmCharaLayer,  kIdmItemLayer,     kIdmClearBlocks,  kIdmClearCharas,
    kIdmClearItems,  kIdmStageSettings, kIdmLoadStagePalette, kIdmSaveStagePalette, kIdmStageOptions,
    kIdmTestPlay};
const uint16_t kToolbarButtons[10] = {kIdmNewStage,   kIdmOpenStage,  kIdmSaveAll,    kIdmUndo,     kIdmRedo,
                                      kIdtBlockLayer, kIdtCharaLayer, kIdtItemLayer, kIdtTestPlay, kIdtTestPlayGame};

const cStageCommand* FindStageCommand(int id) {
  for (const cStageCommand& command : kStageCommands)
    if (command.m_nId == id) return &command;
  return nullptr;
}

cCommandState MenuItemState(int id, const cStageEditState& state, const cEditConfig& config) {
  cCommandState result;
  if (Contains(kMenuItemsWithStage, id)) result.m_bEnabled = state.m_bStageOpen != 0;
  // The undo items follow their steps, whatever the stage.
  if (id == kIdmUndo) result.m_bEnabled = state.UndoCount() > 0;
  if (id == kIdmRedo) result.m_bEnabled = state.RedoCount() > 0;
  if (id >= kIdmBlockLayer && id <= kIdmItemLayer) result.m_bChecked = id - kIdmBlockLayer == state.m_nLayer;
  if (id == kIdmViewCommon) result.m_bChecked = config.m_wpCommonBlocks.m_bShown != 0;
  if (id == kIdmViewStage) result.m_bChecked = config.m_wpStageBlocks.m_bShown != 0;
  if (id == kIdmViewGroup) result.m_bChecked = config.m_wpCharaGroup.m_bShown != 0;
  return result;
}

cCommandState ToolbarButtonState(int id, const cStageEditState& state) {
  cCommandState result;
  bool open = state.m_bStageOpen != 0;
  switch (id) {
    case kIdmSaveAll:
    case kIdtTestPlay:
      result.m_bEnabled = open;
      break;
    case kIdmUndo:
      result.m_bEnabled = state.UndoCount() > 0;
      break;
    case kIdmRedo:
      result.m_bEnabled = state.RedoCount() > 0;
      break;
    case kIdtBlockLayer:
    case kIdtCharaLayer:
    case kIdtItemLayer:
      result.m_bEnabled = open;
      result.m_bChecked = open && id - kIdtBlockLayer == state.m_nLayer;
      break;
  }
  return result;
}

cString StageEditorTitle(const cStageEditState& state) {
  cString title;
  if (state.m_strStagePath.IsEmpty()) title.Format("%s", "ヴォンタリス");
  else title.Format("%s  %s", "ヴォンタリス", state.m_strStagePath.GetStr());
  return title;
}

cStageEditor::cStageEditor(cStageDoc& stage, cStageEditState& state, cStageEditorHost& host)
    : m_Stage(stage),
      m_State(state),
      m_Host(host),
      m_Map(stage, state, host),
      m_View(stage, state),
      m_Files(stage, state, host, m_Map),
      m_TestPlay(stage, state, host, m_Map, m_Files) {}

void cStageEditor::OnInit(int32_t clientWidth, int32_t clientHeight) {
  m_View.SetClientSize(clientWidth, clientHeight);
  m_View.StartAtPlayer();
}

int cStageEditor::RunCommand(int id) {
  const cStageCommand* command = FindStageCommand(id);
  if (!command) return 0;
  if (command->m_nHandler == kCmdUndo) LogErrorF("Undo !!! LOWORD(wParam) = %d", id);
  if (command->m_bNeedsStage && !m_State.m_bStageOpen) return 1;
  Run(*command);
  m_View.InvalidateAll();
  return 1;
}

void cStageEditor::Run(const cStageCommand& command) {
  switch (command.m_nHandler) {
    case kCmdNewStage:
      // Unsaved changes are offered for saving before anything replaces the stage.
      if (m_Files.ConfirmDiscardStage() && m_Host.RunNewStageDialog() == 1) StageReplaced(0);
      return;
    case kCmdOpenStage:
      if (m_Files.ConfirmDiscardStage() && m_Files.OpenStage() == 1) StageReplaced(0);
      return;
    case kCmdCloseStage:
      if (m_Files.ConfirmDiscardStage()) CloseStage();
      return;
    case kCmdSaveAll:
      return SaveAll(1);
    case kCmdSaveAllAs:
      return SaveAll(0);
    case kCmdSaveCommon:
      m_Files.SaveCommonPalette();
      return;
    case kCmdUndo:
    case kCmdRedo:
      return UndoOrRedo(command.m_nHandler == kCmdRedo);
    case kCmdBlockLayer:
    case kCmdCharaLayer:
    case kCmdItemLayer:
      m_State.SetLayer(command.m_nHandler - kCmdBlockLayer);
      m_Host.TakeFocus();
      return;
    case kCmdClearAll:
      return AskClear("全ての配置データ（ブロック・キャラ・アイテム）をクリアしますか？", kLayerFlagAll);
    case kCmdClearBlocks:
      return AskClear("全てのブロックをクリアしますか？", kLayerFlagBlock);
    case kCmdClearCharas:
      return AskClear("全てのキャラをクリアしますか？", kLayerFlagChara);
    case kCmdClearItems:
      return AskClear("全てのアイテムをクリアしますか？", kLayerFlagItem);
    case kCmdViewCommon:
    case kCmdViewStage:
    case kCmdViewGroup:
      return ToggleView(command.m_nHandler);
    case kCmdStageSettings:
      return m_Host.OpenTool(kToolStageSettings);
    case kCmdLoadStagePalette:
      if (m_Files.LoadStagePaletteFile() == 1) StageReplaced(1);
      return;
    case kCmdSaveStagePalette:
      m_Files.SaveStagePaletteFile();
      return;
    case kCmdStageOptions:
      return m_Host.OpenTool(kToolStageOptions);
    case kCmdDatabase:
      return m_Host.OpenTool(kToolDatabase);
    case kCmdWorldMap:
      return m_Host.OpenTool(kToolWorldMap);
    case kCmdSystemSettings:
      return m_Host.OpenTool(kToolSystemSettings);
    case kCmdProjectOptions:
      return m_Host.OpenTool(kToolProjectOptions);
    case kCmdTestPlay:
      return m_TestPlay.TestPlay(0);
    case kCmdTestPlayGame:
      return m_TestPlay.TestPlay(1);
    case kCmdBitmapTool:
      return m_Host.OpenTool(kToolBitmapConverter);
    case kCmdEditOptions:
      return m_Host.OpenTool(kToolEditOptions);
  }
}

void cStageEditor::StageReplaced(int modified) {
  m_State.AllocateUndo(m_Stage.m_nUndoDepth, m_Stage.m_nPitch, m_Stage.m_nHeight);
  m_Host.UndoChanged();
  m_Host.PostRebuild();
  m_State.m_bStageModified = modified;
}

void cStageEditor::CloseStage() {
  m_Host.SetBusy(1);
  m_State.m_bStageOpen = 0;
  m_State.m_strStagePath = "";
  m_Stage.SetDefaults();
  StageReplaced(0);
  m_Host.SetBusy(0);
}

void cStageEditor::SaveAll(int overwrite) {
  m_Files.SaveCommonPalette();
  m_Files.SaveStage(overwrite);
  m_Host.UpdateTitle();
  if (overwrite) m_Host.ActivateEditor();
}

void cStageEditor::UndoOrRedo(int redo) {
  if (redo) m_Map.Redo();
  else m_Map.Undo();
  m_Host.RepaintPaletteWindows();
  m_State.m_bStageModified = 1;
}

void cStageEditor::AskClear(const char* question, int flags) {
  if (ShowMessageBox(m_Host.BoxOwner(), question, "データクリアの確認", kMbYesNo) == kIdYes) m_Map.ClearLayers(flags);
}

void cStageEditor::ToggleView(int handler) {
  cEditConfig& config = EditConfig;
  if (handler == kCmdViewCommon) {
    int shown = !config.m_wpCommonBlocks.m_bShown;
    config.m_wpCommonBlocks.m_bShown = config.m_wpCommonCharas.m_bShown = config.m_wpCommonItems.m_bShown = shown;
  } else if (handler == kCmdViewStage) {
    int shown = !config.m_wpStageBlocks.m_bShown;
    config.m_wpStageBlocks.m_bShown = config.m_wpStageCharas.m_bShown = config.m_wpStageItems.m_bShown = shown;
  } else {
    config.m_wpCharaGroup.m_bShown = !config.m_wpCharaGroup.m_bShown;
  }
  config.SaveFile(g_DataPaths[kPathEditConfig].GetStr());
  // Only the current layer's windows show the change now; the others follow when their layer does.
  m_Host.ShowLayer(m_State.m_nLayer);
}

int cStageEditor::OnKeyDown(int key, int shift) {
  switch (key) {
    case kKeyF5:
      return RunCommand(kIdaTestPlay);
    case kKeyF7:
      return RunCommand(kIdaTestPlayGame);
    case kKeySpace:
      m_State.CycleLayer();
      m_Host.TakeFocus();
      m_View.InvalidateAll();
      return 1;
  }
  return m_Map.OnSelectionKey(key, shift);
}
