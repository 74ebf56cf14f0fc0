#include "app/win/FileDialogs.h"

#include <shlobj.h>

#include <cstring>

#include "app/DataFile.h"
#include "app/MessageBox.h"
#include "app/PathUtil.h"

namespace {

cFileDialogSeam g_DefaultDialogs;
cFileDialogSeam* g_pDialogs = &g_DefaultDialogs;

int CALLBACK SelectInitialFolder(HWND window, UINT message, LPARAM, LPARAM data) {
  if (message == BFFM_INITIALIZED) SendMessageA(window, BFFM_SETSELECTIONA, TRUE, data);
  return 0;
}

void FillRecord(OPENFILENAMEA& record, HWND owner, char* path, int size, const char* initialFolder,
                const char* title, const char* filter, const char* defaultExtension) {
  std::memset(&record, 0, sizeof record);
  record.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
  record.hwndOwner = owner;
  record.lpstrFilter = filter;
  record.lpstrFile = path;
  record.nMaxFile = static_cast<DWORD>(size);
  record.lpstrInitialDir = initialFolder;
  record.lpstrTitle = title;
  record.lpstrDefExt = defaultExtension;
}

// The buffer holds the folder and then each chosen name, zero-separated, ended by an empty text;
// a single choice is one whole path.
void CollectChoices(const char* buffer, int size, cVector<cString>& results) {
  int at = static_cast<int>(strnlen(buffer, size)) + 1;
  cString first(std::string(buffer, at - 1));
  while (at < size && buffer[at]) {
    int length = static_cast<int>(strnlen(buffer + at, size - at));
    results.Add(cString(std::string(buffer + at, length)));
    at += length + 1;
  }
  if (results.empty()) {
    results.Add(first);
    return;
  }
  for (cString& name : results) {
    cString full;
    full.Format("%s\\%s", first.GetStr(), name.GetStr());
    name = full;
  }
}

}  // namespace

BOOL cFileDialogSeam::RunOpen(OPENFILENAMEA& record) { return GetOpenFileNameA(&record); }

BOOL cFileDialogSeam::RunSave(OPENFILENAMEA& record) { return GetSaveFileNameA(&record); }

BOOL cFileDialogSeam::RunFolder(HWND owner, const char* initialFolder, const char* title, char* folder) {
  BROWSEINFOA info;
  std::memset(&info, 0, sizeof info);
  info.hwndOwner = owner;
  info.lpszTitle = title;
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  info.lpfn = SelectInitialFolder;
  info.lParam = reinterpret_cast<LPARAM>(initialFolder);
  LPITEMIDLIST chosen = SHBrowseForFolderA(&info);
  if (!chosen) return FALSE;
  BOOL ok = SHGetPathFromIDListA(chosen, folder);
  CoTaskMemFree(chosen);
  return ok;
}

void SetFileDialogSeam(cFileDialogSeam* seam) { g_pDialogs = seam ? seam : &g_DefaultDialogs; }

int OpenFileDialog(HWND owner, char* path, int size, const char* initialFolder, const char* title,
                   const char* filter, const char* defaultExtension, int multiSelect, cVector<cString>* results) {
  std::memset(path, 0, size);
  OPENFILENAMEA record;
  FillRecord(record, owner, path, size, initialFolder, title, filter, defaultExtension);
  record.hInstance = reinterpret_cast<HINSTANCE>(GetModuleHandleA(nullptr));
  record.Flags = OFN_EXPLORER | OFN_NONETWORKBUTTON | OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
  if (multiSelect) record.Flags |= OFN_ALLOWMULTISELECT;
  if (!g_pDialogs->RunOpen(record)) return 0;
  if (results) CollectChoices(path, size, *results);
  return 1;
}

int SaveFileDialog(HWND owner, char* path, const char* initialFolder, const char* title, const char* filter,
                   const char* defaultExtension, int keepName) {
  if (!keepName) std::memset(path, 0, kMaxPath);
  OPENFILENAMEA record;
  FillRecord(record, owner, path, kMaxPath, initialFolder, title, filter, defaultExtension);
  record.Flags = OFN_EXPLORER | OFN_NONETWORKBUTTON | OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT | OFN_NOCHANGEDIR |
                 OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
  return g_pDialogs->RunSave(record) ? 1 : 0;
}

int ChooseFolder(HWND owner, char* folder, const char* initialFolder, const char* title) {
  std::memset(folder, 0, kMaxPath);
  char initial[kMaxPath];
  lstrcpynA(initial, initialFolder ? initialFolder : "", kMaxPath);
  MakeAbsolutePath(initial);
  if (!g_pDialogs->RunFolder(owner, initial, title, folder)) {
    folder[0] = 0;
    return 0;
  }
  return 1;
}

int ConfirmExit(HWND owner) {
  return ShowMessageBox(owner, "終了しますか？\n", "終了確認", kMbYesNo) == kIdYes ? 1 : 0;
}

void SetWaitCursor() { SetCursor(LoadCursor(nullptr, IDC_WAIT)); }

void SetArrowCursor() { SetCursor(LoadCursor(nullptr, IDC_ARROW)); }
