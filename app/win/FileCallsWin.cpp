// The flush to disk, the one-step replace and the target's check of a checked save on Windows.
#include <windows.h>
#include <io.h>

#include "app/FileCalls.h"

int FlushFileToDisk(FILE* file) {
  if (std::fflush(file) != 0) return EOF;
  HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
  return handle != INVALID_HANDLE_VALUE && FlushFileBuffers(handle) ? 0 : EOF;
}

// The C runtime's rename will not replace an existing file; MoveFileExA does, in one step, and
// returns only once the move is on the disk.
int RenameOver(const char* source, const char* target) {
  return MoveFileExA(source, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) ? 0 : -1;
}

// MoveFileExA replaces a read-only file under some systems and refuses it under others: the
// attribute is looked at here, before anything is written.
int CanReplaceFile(const char* target) {
  DWORD attributes = GetFileAttributesA(target);
  if (attributes == INVALID_FILE_ATTRIBUTES) return 1;
  return attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY) ? 0 : 1;
}
