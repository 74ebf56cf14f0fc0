#pragma once
// Finds the game program that a test play launches: the path the project options name, or the
// first program file of the working folder whose string resource 1 reads "GAME".

#include <windows.h>

#include "app/cString.h"
#include "app/cVector.h"

// buffer: 260 bytes. automatic: the project option "自動で取得"; configuredPath: its path.
// 1 with the game program's path in the buffer; 0 with an empty buffer.
int FindGameProgram(char* buffer, int automatic, const char* configuredPath);
// 1 with the bare name of the first tagged program file of the working folder; 0 leaves the buffer.
int ProbeGameProgram(char* buffer);
// Appends the name of every *.exe of the working folder, in the order the file system lists them.
int ListExeFiles(cVector<cString>& names);
// A new copy of the string, or null when the block is missing or the entry empty; the caller frees
// it with DeleteAndNull.
wchar_t* LoadStringResource(HMODULE module, int id);

template <class T>
void DeleteAndNull(T** pointer) {
  delete[] *pointer;
  *pointer = nullptr;
}
