#include "stage/cNewStage.h"

#include "app/DataFile.h"
#include "app/DataPaths.h"
#include "app/MessageBox.h"
#include "app/PathUtil.h"
#include "stage/ProjectDefaults.h"
#include "stage/cStageFileCommands.h"

namespace {

// Entry 0 is the empty entry; every other entry follows the common entry of its number.
template <class T>
void CopyFollowing(cVector<T>& stageList, const cVector<T>& commonList) {
  stageList = commonList;
  if (stageList.empty()) return;
  stageList[0] = T();
  for (int i = 1; i < stageList.Count(); ++i)
    SetNewStageEntrySource(stageList[static_cast<size_t>(i)], static_cast<int16_t>(i));
}

}  // namespace

cNewStage::cNewStage(cStageDoc& stage, cPaletteDoc& common, cStageEditState& state, cStageEditorHost& host,
                     cEditConfig& config)
    : m_Stage(stage), m_Common(common), m_State(state), m_Host(host), m_Config(config) {}

cNewStageChoice cNewStage::Remembered() const {
  cNewStageChoice choice;
  choice.m_strTemplate = m_Config.m_strNewStageTemplate;
  choice.m_nPaletteSource = m_Config.m_nNewStagePaletteSource;
  choice.m_strPaletteFile = m_Config.m_strNewStagePaletteFile;
  return choice;
}

int cNewStage::PaletteFileEnabled(int source) {
  if (source < kNewPaletteOfTemplate || source > kNewPaletteOfFile) return -1;
  return source == kNewPaletteOfFile;
}

int cNewStage::BrowseTemplate(cString& path, void* owner) { return Browse(NewStageTemplateChoice(), path, owner); }

int cNewStage::BrowsePaletteFile(cString& path, void* owner) { return Browse(NewStagePaletteChoice(), path, owner); }

int cNewStage::Browse(cFileChoice choice, cString& path, void* owner) {
  choice.m_pOwner = owner;
  cString chosen;
  if (!m_Host.ChooseFile(choice, chosen)) return 0;
  return AssignRelativePath(path, chosen.GetStr());
}

int cNewStage::Refuse(int result, const char* format, const char* path, const char* loaded) {
  m_Host.CloseStatusPopup();
  if (!loaded || !ReportNewerDataFile(loaded)) ErrorBoxF(format, path);
  return result;
}

int cNewStage::Create(const cNewStageChoice& choice, void* owner) {
  if (m_State.m_bStageOpen &&
      ShowMessageBox(owner, "現在のステージは破棄されます。\n新規作成しますか？\n", "新規作成の確認", kMbYesNo) != kIdYes)
    return kNewStageNotMade;
  m_Config.m_strNewStageTemplate = choice.m_strTemplate;
  m_Config.m_nNewStagePaletteSource = choice.m_nPaletteSource;
  m_Config.m_strNewStagePaletteFile = choice.m_strPaletteFile;
  m_Host.ShowStatusPopup("ステージを作成しています...", "ステージの新規作成");

  const char* palettePath = choice.m_strPaletteFile.GetStr();
  cStagePaletteFile paletteFile;
  if (choice.m_nPaletteSource == kNewPaletteOfFile) {
    if (!FileExists(palettePath))
      return Refuse(kNewStageNotMade, "ステージパレットファイル %s が見つかりません！", palettePath);
    if (!paletteFile.Read(palettePath))
      return Refuse(kNewStageKeepOpen, "ステージパレットファイル %s の読み込みに失敗しました！", palettePath, palettePath);
  }
  // The template loads into a document of its own: one that is missing or damaged leaves the open
  // stage, and its undo steps, as they were.
  if (!choice.m_strTemplate.IsEmpty()) {
    cString newest;
    const char* missing = "ステージファイル %s が見つかりません！";
    if (!FindNewestNumberedFile(newest, choice.m_strTemplate, g_FileExtensions[kExtStage].GetStr()))
      return Refuse(kNewStageNotMade, missing, choice.m_strTemplate.GetStr());
    if (!m_Stage.LoadStageFile(newest.GetStr()))
      return Refuse(kNewStageNotMade, missing, choice.m_strTemplate.GetStr(), newest.GetStr());
  } else {
    m_Stage.SetDefaults();
    m_Stage.Normalise();
  }
  m_State.ReleaseUndo();

  switch (choice.m_nPaletteSource) {
    case kNewPaletteEmpty:
      m_Stage.m_vStageBlock.Reset(1);
      m_Stage.m_vStageChara.Reset(1);
      m_Stage.m_vStageItem.Reset(1);
      break;
    case kNewPaletteOfCommon:
      SetPaletteFromCommon();
      break;
    case kNewPaletteOfFile:
      m_Stage.TakeStagePalette(paletteFile);
      break;
  }
  m_Stage.Normalise();
  m_State.m_bStageOpen = 1;
  m_State.m_strStagePath = "";
  m_Config.SaveFile(g_DataPaths[kPathEditConfig].GetStr());
  m_Host.CloseStatusPopup();
  return kNewStageMade;
}

void cNewStage::SetPaletteFromCommon() {
  CopyFollowing(m_Stage.m_vStageBlock, m_Common.m_vBlock);
  CopyFollowing(m_Stage.m_vStageChara, m_Common.m_vChara);
  CopyFollowing(m_Stage.m_vStageItem, m_Common.m_vItem);
}
