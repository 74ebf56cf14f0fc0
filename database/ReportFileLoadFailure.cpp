#include "database/ReportFileLoadFailure.h"

#include "app/DataFile.h"
#include "app/MessageBox.h"

void ReportFileLoadFailure(const cString& path) {
  // Copying the factory file over one of a newer version would lose it: that file gets its own box.
  if (ReportNewerDataFile(path.GetStr())) return;
  ErrorBoxF("%s の読み込みに失敗しました！\nこのファイルが存在しない場合は「default」フォルダから「data」フォルダへ同名のファイルをコピーして下さい。",
            path.GetStr());
}
