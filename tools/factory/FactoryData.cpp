#include "tools/factory/FactoryData.h"

#include <cstdio>

#include "app/DataFile.h"
#include "app/DataPaths.h"
#include "app/PathUtil.h"
#include "app/ProjectLoad.h"
#include "app/cApplication.h"
#include "database/cDatabaseSet.h"
#include "project/cProjectSettings.h"
#include "project/cSystemSettings.h"
#include "project/cWorldMapDoc.h"
#include "stage/cPaletteDoc.h"
#include "stage/cStageDoc.h"

namespace {
// The documents are saved where the editor keeps them, in data\, which then becomes default\.
const char* const kSavedFolder = "data";
const char* const kFactoryFolder = "default";
const char* const kFolders[] = {"data", "data\\database", "data\\stg4"};

int Saved(int written, const char* path) {
  if (!written) std::fprintf(stderr, "factory: %s cannot be written\n", path);
  return written;
}

int SaveDocument(cDataRecord& record, int pathIndex) {
  const char* path = g_DataPaths[pathIndex].GetStr();
  return Saved(record.SaveFile(path), path);
}

int SaveDatabase() {
  if (!g_DatabaseSet.SaveDatabaseTables()) return Saved(0, "the database");
  for (const char* path : cDatabaseSet::kTableFiles)
    if (!FileExists(path)) return Saved(0, path);
  return 1;
}

int SaveVariableNames() {
  cVector<cValInfoData> names;
  FitValInfo(names);
  const char* path = g_DataPaths[kPathValInfo].GetStr();
  return Saved(SaveTableFile(names, path), path);
}

// The template that new stages start from, numbered with the data version that wrote it.
int SaveDefaultStage() {
  cString base;
  ChangeExtension(base, g_DataPaths[kPathDefaultStage].GetStr(), g_FileExtensions[kExtStage].GetStr());
  cString path;
  path.Format("%s_%u", base.GetStr(), VersionWritten());
  g_StageDoc.SetDefaults();
  return Saved(g_StageDoc.SaveFile(path.GetStr()), path.GetStr());
}
}  // namespace

int WriteFactoryData() {
  SetDataVersion(kDataVersion, 0);
  for (const char* folder : kFolders)
    if (!MakeDirectory(folder)) return Saved(0, folder);
  int written = SaveDatabase() && SaveDocument(g_SystemSettings, kPathSystem) &&
                SaveDocument(g_CommonPalette, kPathCommonPalette) &&
                SaveDocument(g_ProjectSettings, kPathProjectOptions) && SaveDocument(g_WorldMap, kPathWorldMap) &&
                SaveVariableNames() && SaveDefaultStage();
  if (!written) return 0;
  return Saved(std::rename(kSavedFolder, kFactoryFolder) == 0, kFactoryFolder);
}
