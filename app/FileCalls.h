#pragma once
// The file calls of a checked save, in one table: the writes, the flush to disk, the close and the
// replace of the target. They keep the C library's meaning (fwrite's count, 0 for success of the
// others). Tests put failing calls in their place to show that no failure of a save is lost.

#include <cstddef>
#include <cstdio>
#include <string>

struct cFileCalls {
  size_t (*m_pfnWrite)(const void* data, size_t size, size_t count, FILE* file);
  // Empties the C library's buffer and has the system put the file's data on the disk.
  int (*m_pfnFlush)(FILE* file);
  int (*m_pfnClose)(FILE* file);
  // Puts source in the place of target in one step, an existing target included.
  int (*m_pfnRename)(const char* source, const char* target);
};

const cFileCalls& FileCalls();
// Installs calls for a test; null brings back the real ones.
void SetFileCalls(const cFileCalls* calls);

// The real flush and rename; each system has its own.
int FlushFileToDisk(FILE* file);
int RenameOver(const char* source, const char* target);
// 1 when a save may put its file at target (a host path): nothing is there, or a file that the
// author has not made read-only. A folder or a read-only file is never replaced.
int CanReplaceFile(const char* target);

// Replaces a file by another on the same volume in one step; 1 on success, the target untouched
// otherwise. Host paths.
int ReplaceFileWith(const char* target, const char* source);
// The name a save of an earlier version moved the previous file to while it put the new one in.
std::string AsideName(const char* path);
