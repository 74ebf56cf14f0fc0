#include "stage/cTestPlay.h"

#include "app/MessageBox.h"
#include "app/cApplication.h"
#include "app/cShellSeam.h"

uint32_t g_nLastLaunchTime = 0;

namespace {

// The stage's undo buffers, as a new or opened stage gets them.
void GiveUndoBack(cStageDoc& stage, cStageEditState& state, cStageEditorHost* host) {
  if (state.m_strStagePath.IsEmpty()) return;
  state.AllocateUndo(stage.m_nUndoDepth, stage.m_nPitch, stage.m_nHeight);
  if (host) host->UndoChanged();
}

}  // namespace

cTestPlay::cTestPlay(cStageDoc& stage, cStageEditState& state, cStageEditorHost& host, cMapEditor& map,
                     cStageFileCommands& files)
    : m_Stage(stage), m_State(state), m_Host(host), m_Map(map), m_Files(files) {}

void cTestPlay::TestPlay(int wholeGame) {
  cString program;
  if (!m_Host.FindGameProgram(program)) {
    ErrorBox("ゲームプログラムが見つかりません！");
    return;
  }
  uint32_t now = Shell().TickCount();
  if (g_bTestPlayRunning) {
    if (now - g_nLastLaunchTime >= kLaunchGuardMs)
      ErrorBox("二重起動はできません！\n二重起動でないのにこのエラーが出る場合はエディタープログラムとゲームプログラムの"
               "バージョンが合っていない可能性があります。");
    return;
  }
  g_nLastLaunchTime = now;
  g_bTestPlayRunning = 1;
  if (m_State.m_bStageOpen && !PrepareStage()) {
    g_bTestPlayRunning = 0;
    return;
  }
  // The game starts in the editor's working folder, against which the stored stage path resolves.
  if (!m_Host.LaunchGame(program.GetStr(), wholeGame ? nullptr : m_State.m_strStagePath.GetStr())) {
    g_bTestPlayRunning = 0;
    ErrorBoxOwnerF(m_Host.FrameOwner(), "ゲームプログラムが呼び出せません！");
    GiveUndoBack(m_Stage, m_State, &m_Host);
  }
  m_Host.DeactivateApp();
}

int cTestPlay::PrepareStage() {
  if (m_State.m_strStagePath.IsEmpty()) {
    ErrorBox("ステージファイルのパスが無効です！\n1度はステージを保存しないと、テストプレイは実行できません！");
    return 0;
  }
  if (!m_Stage.HasPlayer()) {
    ShowMessageBox(m_Host.BoxOwner(), "プレイヤーが配置されていません！", kErrorCaption, kMbOk);
    return 0;
  }
  int cancelled = 0;
  if (!m_Files.SaveStage(1, &cancelled)) {
    // A failed save has named its file already.
    if (cancelled) ErrorBox("ステージファイルのパスが無効です！\n1度ステージを保存する必要があります！");
    return 0;
  }
  if (!m_Files.SaveCommonPalette()) return 0;
  m_State.m_bStageModified = 0;
  // The game may need the memory; the buffers come back when it ends.
  m_Map.ClearUndo();
  return 1;
}

void EndTestPlay(cStageDoc& stage, cStageEditState& state, cStageEditorHost* host) {
  if (host) host->ForgetGame();
  GiveUndoBack(stage, state, host);
  if (host) host->ActivateEditor();
  g_bTestPlayRunning = 0;
}
