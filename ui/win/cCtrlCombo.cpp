#include "ui/win/cCtrlCombo.h"

#include "app/DataFile.h"
#include "app/MessageBox.h"
#include "app/cMciSound.h"
#include "database/cDatabaseSet.h"

void ReportComboTableRefusal(const char* text) { DebugBoxF("%s", text); }

int PlayComboSound(HWND dialog, int32_t data) {
  const cVector<cSoundData>& sounds = g_DatabaseSet.m_vSound;
  if (data <= 0 || data >= sounds.Count()) return 0;
  char path[kMaxPath] = {};
  lstrcpynA(path, sounds[data].m_strPath.GetStr(), sizeof path);
  if (!PlaySoundFile(g_MciSound, 0, path, 0)) {
    ShowMessageBox(dialog, "読み込み失敗！", kErrorCaption, kMbOk);
    return 0;
  }
  return 1;
}
