#include "editors/VariableRename.h"

#include "app/DataFile.h"
#include "app/DataPaths.h"
#include "app/cValInfoData.h"
#include "model/VariableNames.h"
#include "stage/cStageDoc.h"

namespace {
cVector<cValInfoData>* NameTable(int scope) {
  if (scope == kVarScopeCommon) return &g_vValInfo;
  return scope == kVarScopeStage ? &g_StageDoc.m_vStageVarName : nullptr;
}
}  // namespace

cString* VariableNameSlot(int scope, int number) {
  cVector<cValInfoData>* table = NameTable(scope);
  if (!table || number <= 0 || number >= table->Count()) return nullptr;
  return &(*table)[number].m_strName;
}

int RenameSavesAtOnce(int site, int scope) {
  if (scope != kVarScopeCommon) return 0;
  return site == kRenameCommonVarCond || site == kRenameMessage || site == kRenameCode ? 1 : 0;
}

int FinishVariableRename(int site, int scope) {
  if (!RenameSavesAtOnce(site, scope)) return 1;
  return SaveTableFileReported(g_vValInfo, g_DataPaths[kPathValInfo].GetStr());
}
