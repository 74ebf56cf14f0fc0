#include "stage/cStageFileCommands.h"

#include "app/DataFile.h"
#include "app/DataPaths.h"
#include "app/MessageBox.h"
#include "app/PathUtil.h"
#include "app/cApplication.h"
#include "project/cProjectSettings.h"
#include "stage/StageFile.h"
#include "stage/cPaletteDoc.h"

namespace {

const char* const kOtherDriveText =
    "ヴォンタリス本体が存在するドライブとステージファイルが存在するドライブとが異なります！\n"
    "ヴォンタリスにおける全てのデータファイルは同一ドライブに保存することを推奨します。";

// A dialog filter of one label and one pattern.
cString Filter(const cString& label, const cString& pattern) {
  cString filter = label;
  filter.push_back('\0');
  filter.append(pattern);
  filter.push_back('\0');
  return filter;
}

cFileChoice Choice(int save, const char* folder, const char* title, const cString& filter, const char* extension) {
  cFileChoice choice;
  choice.m_bSave = save;
  choice.m_strFolder = folder;
  choice.m_strTitle = title;
  choice.m_strFilter = filter;
  choice.m_strDefaultExtension = extension;
  return choice;
}

// A stored path made relative to the working folder; a file on another drive keeps its whole path.
cString RelativeStagePath(const cString& path) {
  cString relative = path;
  if (!MakeRelativePath(relative)) {
    ErrorBox(kOtherDriveText);
    relative = path;
  }
  return relative;
}

// The same stage file whatever its version: the path without its extension.
cString StageStem(const cString& path) {
  cString stem = WithoutDotFolder(path);
  RemoveExtension(stem);
  return stem;
}

}  // namespace

cString CurrentStageExtension() {
  cString extension;
  extension.Format("%s_%u", g_FileExtensions[kExtStage].GetStr(), static_cast<unsigned>(VersionWritten()));
  return extension;
}

cFileChoice OpenStageChoice() {
  return Choice(0, "data\\stg4", "読み込むファイルの選択", Filter("StageFile ( *.stg4_ )", "*.stg4_*"), "");
}

cFileChoice SaveStageChoice(const cString& initialName) {
  cString extension = CurrentStageExtension(), label, pattern;
  label.Format("StageFile ( *.%s )", extension.GetStr());
  pattern.Format("*.%s", extension.GetStr());
  cFileChoice choice = Choice(1, "data\\stg4\\", "保存先のファイルの選択", Filter(label, pattern), extension.GetStr());
  choice.m_strInitialName = initialName;
  return choice;
}

cFileChoice OpenStagePaletteChoice() {
  return Choice(0, "data\\plt4", "読み込むファイルの選択", Filter("StagePaletteFile ( *.plt4 )", "*.plt4"), "plt4");
}

cFileChoice SaveStagePaletteChoice() {
  return Choice(1, "data\\plt4\\", "保存先のファイルの選択", Filter("StagePaletteFile ( *.plt4 )", "*.plt4"), "plt4");
}

cFileChoice NewStageTemplateChoice() {
  return Choice(0, "data\\stg4\\", "ステージの選択", Filter("StageFile ( *.stg4_* )", "*.stg4_*"), "stg4_*");
}

cFileChoice NewStagePaletteChoice() {
  return Choice(0, "data\\plt4\\", "ステージパレットの選択", Filter("PaletteFile ( *.plt4 )", "*.plt4"), "plt4");
}

cStageFileCommands::cStageFileCommands(cStageDoc& stage, cStageEditState& state, cStageEditorHost& host, cMapEditor& map)
    : m_Stage(stage), m_State(state), m_Host(host), m_Map(map) {}

int cStageFileCommands::OpenStage() {
  cString path;
  if (!m_Host.ChooseFile(OpenStageChoice(), path)) {
    WarnIfStageFileMissing();
    return 0;
  }
  m_Host.ShowStatusPopup("ステージを読み込んでいます...", "ステージの読み込み");
  path = RelativeStagePath(path);
  // The file loads into a document of its own: a file that fails leaves the open stage as it was.
  int loaded = m_Host.LoadStageFile(path.GetStr());
  m_Host.CloseStatusPopup();
  if (!loaded) return 0;
  m_Map.ClearUndo();
  m_State.m_bStageOpen = 1;
  m_State.m_strStagePath = path;
  return 1;
}

int cStageFileCommands::SaveStage(int overwrite, int* cancelled) {
  if (cancelled) *cancelled = 0;
  if (!m_Stage.HasPlayer())
    ShowMessageBox(m_Host.BoxOwner(), "まだプレイヤーが配置されていないので遊ぶことはできません！", "警告", kMbOk);
  m_Stage.RemoveExtraPlayers();
  cString extension;
  GetExtension(extension, m_State.m_strStagePath.GetStr());
  if (!overwrite || m_State.m_strStagePath.IsEmpty() || extension != CurrentStageExtension())
    return SaveUnderName(overwrite, cancelled);
  if (!m_State.m_bStageModified) return 1;
  m_Host.ShowStatusPopup("ステージを保存しています...", "ステージの保存");
  int saved = SaveStageOver(m_Stage, m_State);
  m_Host.CloseStatusPopup();
  return saved;
}

int cStageFileCommands::SaveUnderName(int overwrite, int* cancelled) {
  cString oldPath = m_State.m_strStagePath, offered;
  if (overwrite && !oldPath.IsEmpty()) ChangeExtension(offered, oldPath.GetStr(), CurrentStageExtension().GetStr());
  cString chosen;
  if (!m_Host.ChooseFile(SaveStageChoice(offered), chosen)) {
    WarnIfStageFileMissing();
    if (cancelled) *cancelled = 1;
    return 0;
  }
  m_Host.ShowStatusPopup("ステージを保存しています...", "ステージの保存");
  int saved = SaveStageFile(m_Stage, chosen.GetStr());
  if (saved) {
    m_State.m_strStagePath = RelativeStagePath(chosen);
    // The same stage saved from a file of an older version; never the file just written.
    const cString& newPath = m_State.m_strStagePath;
    if (overwrite && !oldPath.IsEmpty() && StageStem(oldPath) == StageStem(newPath) &&
        WithoutDotFolder(oldPath) != WithoutDotFolder(newPath))
      HandleOldVersionFile(oldPath);
    m_State.m_bStageModified = 0;
  }
  m_Host.CloseStatusPopup();
  return saved;
}

void cStageFileCommands::HandleOldVersionFile(const cString& oldPath) {
  switch (g_ProjectSettings.m_nOldStageMode) {
    case cProjectSettings::kOldStageMove: {
      cString target = g_DataPaths[kPathOldStages], name = oldPath;
      FileNameOfPath(name);
      MakeDirectory(g_DataPaths[kPathOldStages].GetStr());
      target.append(name);
      MoveFileOver(target.GetStr(), oldPath.GetStr());
      break;
    }
    case cProjectSettings::kOldStageDelete:
      DeletePath(oldPath.GetStr());
      break;
  }
}

void cStageFileCommands::WarnIfStageFileMissing() {
  const cString& path = m_State.m_strStagePath;
  if (path.IsEmpty() || FileExists(path.GetStr())) return;
  ShowMessageBox(m_Host.BoxOwner(),
                 "現在編集中のステージのファイル名が変更された可能性があります。\n"
                 "ステージファイルを開き直さないとデータの上書き保存やテストプレイに失敗する可能性があります。",
                 "警告", kMbOk);
}

int cStageFileCommands::LoadStagePaletteFile() {
  cString path;
  if (!m_Host.ChooseFile(OpenStagePaletteChoice(), path)) return 0;
  // The palette loads into lists of its own: a file that fails leaves the stage palette as it was.
  if (!m_Stage.LoadStagePalette(path.GetStr())) {
    if (!ReportNewerDataFile(path.GetStr())) ErrorBoxF("ステージパレットファイル %s の読み込みに失敗しました！", path.GetStr());
    return 0;
  }
  m_State.m_bStageModified = 0;
  return 1;
}

int cStageFileCommands::SaveStagePaletteFile() {
  cString path;
  if (!m_Host.ChooseFile(SaveStagePaletteChoice(), path)) return 0;
  if (m_Stage.SaveStagePalette(path.GetStr())) return 1;
  ErrorBoxF("ステージパレットファイル %s の保存に失敗しました！", path.GetStr());
  return 0;
}

int cStageFileCommands::SaveCommonPalette() {
  const cString& path = g_DataPaths[kPathCommonPalette];
  if (!g_CommonPalette.SaveFile(path.GetStr())) {
    ErrorBoxF("コモンパレットファイル %s の保存に失敗しました！", path.GetStr());
    return 0;
  }
  m_State.m_bCommonModified = 0;
  return 1;
}

int cStageFileCommands::ConfirmDiscardStage() {
  if (!m_State.m_bStageOpen || !m_State.m_bStageModified) return 1;
  int answer = ShowMessageBox(m_Host.BoxOwner(), "ステージが変更された可能性があります。\n保存しますか？", "保存確認",
                              kMbYesNoCancel);
  if (answer == kIdCancel) return 0;
  if (answer != kIdYes) return 1;
  int saved = SaveStage(1);
  m_Host.UpdateTitle();
  return saved;
}

int cStageFileCommands::ConfirmClose() {
  if (!ConfirmDiscardStage()) return 0;
  if (!m_State.m_bCommonModified) return 1;
  int answer = ShowMessageBox(m_Host.BoxOwner(), "コモンパレットが変更された可能性があります。\n保存しますか？",
                              "保存確認", kMbYesNoCancel);
  if (answer == kIdCancel) return 0;
  return answer == kIdYes ? SaveCommonPalette() : 1;
}
