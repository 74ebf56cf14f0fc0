#include "app/ProjectLoad.h"

#include <cstring>

#include "app/DataFile.h"
#include "app/DataPaths.h"
#include "app/PathUtil.h"
#include "database/ReportFileLoadFailure.h"
#include "database/cDatabaseSet.h"
#include "model/VariableNames.h"
#include "project/cProjectSettings.h"
#include "project/cSystemSettings.h"
#include "project/cWorldMapDoc.h"
#include "stage/StageFile.h"
#include "stage/cPaletteDoc.h"
#include "stage/cStageDoc.h"
#include "stage/cStageEditState.h"

namespace {
constexpr int kEmptyStageSize = 32;

int LoadDocument(cDataRecord& record, int pathIndex) {
  const cString& path = g_DataPaths[pathIndex];
  if (record.LoadFile(path.GetStr())) return 1;
  ReportFileLoadFailure(path);
  return 0;
}
}  // namespace

int LoadValInfoFile(cVector<cValInfoData>& names, const char* path) { return LoadTableFile(names, path); }

void FitValInfo(cVector<cValInfoData>& names) {
  if (names.Count() != kValInfoCount) names.resize(kValInfoCount);
}

int LoadProjectDocuments() {
  const cString& names = g_DataPaths[kPathValInfo];
  if (!LoadValInfoFile(g_vValInfo, names.GetStr())) {
    ReportFileLoadFailure(names);
    return 0;
  }
  FitValInfo(g_vValInfo);
  // Conditions and commands show the common variables by these names, and the stage variables by
  // those of the stage loaded at the time.
  RegisterVariableNames(kVarScopeCommon, &g_vValInfo);
  RegisterVariableNames(kVarScopeStage, &g_StageDoc.m_vStageVarName);
  if (!g_DatabaseSet.LoadDatabaseTables()) return 0;
  if (!LoadDocument(g_SystemSettings, kPathSystem) || !LoadDocument(g_CommonPalette, kPathCommonPalette) ||
      !LoadDocument(g_ProjectSettings, kPathProjectOptions))
    return 0;
  // The palette was filled up before the project said what its default entries are.
  g_CommonPalette.ApplyProjectDefaults();
  if (!LoadDocument(g_WorldMap, kPathWorldMap)) return 0;
  ProvideDefaultStageTemplate();
  return 1;
}

void ProvideDefaultStageTemplate() {
  const char* extension = g_FileExtensions[kExtStage].GetStr();
  char found[kMaxPath];
  if (FindNewestNumberedFile(found, g_DataPaths[kPathDefaultStage].GetStr(), extension)) return;
  if (!FindNewestNumberedFile(found, g_DataPaths[kPathFactoryDefaultStage].GetStr(), extension)) return;
  cString base;
  ChangeExtension(base, g_DataPaths[kPathDefaultStage].GetStr(), extension);
  cString target;
  target.Format("%s_%s", base.GetStr(), found + std::strlen(found) - 3);
  CopyNewFile(found, target.GetStr());
}

void ForgetOpenStage() {
  g_StageEditState.m_bStageOpen = 0;
  g_StageEditState.m_strStagePath.Set("");
}

int OpenLastStage(const cString& path) {
  // A stage that is gone stays quiet; one that is there but does not load is named, as at an open.
  int loaded = !path.IsEmpty() && PathExists(path.GetStr()) && LoadStage(path.GetStr());
  if (loaded) {
    g_StageEditState.m_bStageOpen = 1;
    g_StageEditState.m_strStagePath = path;
  } else {
    g_StageDoc.SetDefaults();
    g_StageDoc.SetSize(kEmptyStageSize, kEmptyStageSize, 0, 0);
    ForgetOpenStage();
  }
  g_StageEditState.AllocateUndo(g_StageDoc.m_nUndoDepth, g_StageDoc.m_nPitch, g_StageDoc.m_nHeight);
  return loaded;
}
