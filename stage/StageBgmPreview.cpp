#include "stage/StageBgmPreview.h"

#include "database/DbPageRules.h"
#include "database/cDatabaseSet.h"

int PreviewStageBgm(int row) {
  if (row <= 0 || row >= g_DatabaseSet.m_vBgm.Count()) return 1;
  return PlayBgmPreview(g_DatabaseSet.m_vBgm[row].m_strPath);
}
