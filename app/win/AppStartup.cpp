#include "app/win/AppStartup.h"

#include <commctrl.h>
#include <mmsystem.h>
#include <shellapi.h>
#include <shlwapi.h>

#include <cstring>

#include "app/DataFile.h"
#include "app/DataPaths.h"
#include "app/MessageBox.h"
#include "app/PathUtil.h"
#include "app/ProjectLoad.h"
#include "app/Startup.h"
#include "app/cApplication.h"
#include "app/cBgmManager.h"
#include "app/cEditConfig.h"
#include "app/cMciSound.h"
#include "app/win/ProjectSheets.h"
#include "app/win/cMainFrame.h"
#include "app/win/cWorkerThread.h"
#include "editors/win/ElementEditors.h"
#include "model/CmdParamTable.h"
#include "model/FlowVocabulary.h"
#include "stage/cStageDoc.h"
#include "stage/cStageEditState.h"
#include "stage/win/cStageEditorWnd.h"
#include "ui/win/cKeyboardHook.h"
#include "ui/win/cWindow.h"

namespace {
// A shell file list: one absolute folder path, without its final backslash, followed by two zero
// bytes; 0 when it does not fit. The copy's destination names the copy itself: with a final
// backslash the shell may copy into it instead (data\default\).
int MakeFileList(char (&list)[kMaxPath + 1], const char* path) {
  std::memset(list, 0, sizeof list);
  lstrcpynA(list, path, kMaxPath);
  if (!MakeAbsolutePath(list)) return 0;
  PathRemoveBackslashA(list);
  return 1;
}

int ShellFileOperation(HWND owner, UINT operation, const char* from, const char* to) {
  SHFILEOPSTRUCTA request = {};
  request.hwnd = owner;
  request.wFunc = operation;
  request.pFrom = from;
  request.pTo = to;
  request.fFlags = FOF_MULTIDESTFILES | FOF_SILENT | FOF_NOCONFIRMATION;
  return SHFileOperationA(&request);
}

int LoadEditConfig() {
  if (!LoadEditConfigAtStart()) return 0;
  g_nToolbarRowHeight = EditConfig.m_nToolbarRowHeight;
  g_nStatusBarHeight = EditConfig.m_nStatusBarHeight;
  return 1;
}

// The project cannot be used: the next start must not try the last stage again.
void ReportProjectLoadFailure() {
  ErrorBoxF("プロジェクトのロードに失敗しました！フォルダやファイルの位置や名称が変更された可能性があります！");
  EditConfig.m_strLastStagePath.Set("");
  EditConfig.SaveFile(g_DataPaths[kPathEditConfig].GetStr());
}

void CreateWorkingWindow() {
  InstallStageEditor(g_MainFrame);
  InstallElementEditors();
  g_MainFrame.CreateStageEditor();
  cEditorWindow* editor = g_MainFrame.m_lpStageEditor;
  if (!editor) return;
  editor->CreatePaletteWindows();
  SetFocus(editor->m_hWnd);
}
}  // namespace

int EnsureDataFolder(HWND owner) {
  if (PathIsDirectoryA(g_DataPaths[kPathData].GetStr())) return 1;
  if (!PathIsDirectoryA(g_DataPaths[kPathDefault].GetStr())) return 0;
  if (ShowMessageBox(owner, "データが存在しません！デフォルトデータを作成しますか？\n", "デフォルトデータ作成の確認",
                     kMbYesNo) != kIdYes)
    return 0;
  char source[kMaxPath + 1];
  char target[kMaxPath + 1];
  if (!MakeFileList(source, g_DataPaths[kPathDefault].GetStr()) ||
      !MakeFileList(target, g_DataPaths[kPathData].GetStr()))
    return 0;
  if (ShellFileOperation(owner, FO_COPY, source, target) == 0) return 1;
  ShellFileOperation(owner, FO_DELETE, target, nullptr);
  return 0;
}

int AppStartup() {
  SetDataVersion(kDataVersion, 0);
  BuildCmdParamTable();
  FillScrollStatusTable(ScrollStatusTable, ScrollKindNames);
  if (!EnsureDataFolder(g_MainFrame.m_hWnd)) return 0;
  CreateFolderTree();
  InitDefaultBgm(g_BgmManager);
  if (!OpenDefaultWave(g_MciSound)) return 0;
  if (!LoadEditConfig()) return 0;
  if (!LoadProject()) {
    ReportProjectLoadFailure();
    return 0;
  }
  OpenLastStage(EditConfig.m_strLastStagePath);
  InitCommonControls();
  if (!CreateMainFrameWindow(static_cast<HINSTANCE>(App.m_hInstance))) {
    OutOfMemory();
    return 0;
  }
  CreateWorkingWindow();
  return 1;
}

void AppShutdown() {
  timeEndPeriod(1);
  SaveAtExit(g_WorkerThread.StillRunning());
  g_MciSound.Shutdown();
  g_BgmManager.Shutdown();
  RemoveKeyboardHook();
}
