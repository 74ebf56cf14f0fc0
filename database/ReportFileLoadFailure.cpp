#include "database/ReportFileLoadFailure.h"

#include "app/MessageBox.h"

void ReportFileLoadFailure(const cString& path) {
  ErrorBoxF("%s の読み込みに失敗しました！\nこのファイルが存在しない場合は「default」フォルダから「data」フォルダへ同名のファイルをコピーして下さい。",
            path.GetStr());
}
