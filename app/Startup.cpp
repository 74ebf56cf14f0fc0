#include "app/Startup.h"

#include "app/DataFile.h"
#include "app/DataPaths.h"
#include "app/PathUtil.h"
#include "app/ProjectLoad.h"
#include "app/ReportLog.h"
#include "app/cEditConfig.h"
#include "stage/cStageEditState.h"

namespace {
// The editor's own folders, then the project's; each table ends with a null entry.
const char* const kEditorFolders[] = {"e_data", "e_bmp", nullptr};
const char* const kProjectFolders[] = {
    "user_data", "user_data\\story", "user_data\\challenge", "user_data\\free", "user_data\\rpl4",
    "data", "data\\database", "data\\stg4", "data\\stg4\\old_ver", "data\\work", "data\\plt4",
    "bmp", "bmp\\back", "bmp\\chara_sp", "bmp\\effect", "bmp\\picture", "bmp\\sword", "bmp\\convert",
    "bmp\\plt", "bmp\\hbt", "wave", "bgm", nullptr,
};

int CreateFolders(const char* const* folders) {
  int failed = 0;
  for (; *folders; ++folders) failed += MakeDirectory(*folders) ? 0 : 1;
  return failed;
}
}  // namespace

int CreateFolderTree() { return CreateFolders(kEditorFolders) + CreateFolders(kProjectFolders); }

int SaveAtExit(int stageHeld) {
  int saved = 1;
  if (stageHeld) {
    // The configuration names the open stage, whose document a loader that never ended still holds.
    LogReport("WorkerThread : %s を保存しません", g_DataPaths[kPathEditConfig].GetStr());
  } else {
    EditConfig.m_strLastStagePath = g_StageEditState.m_strStagePath;
    saved = SaveFileReported(EditConfig, g_DataPaths[kPathEditConfig].GetStr());
  }
  return SaveTableFileReported(g_vValInfo, g_DataPaths[kPathValInfo].GetStr()) && saved;
}

int LoadEditConfigAtStart() {
  const char* path = g_DataPaths[kPathEditConfig].GetStr();
  if (EditConfig.LoadFile(path)) return 1;
  if (ReportNewerDataFile(path)) return 0;
  LogErrorF("EditConfig.Load 失敗");
  return 1;
}
