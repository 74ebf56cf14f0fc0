#pragma once
// Path functions. Stored paths are relative to the working folder and use backslashes; a backslash
// that is the second byte of a double-byte character belongs to that character, and an extension
// is a dot after the last backslash that counts.

#include "app/cString.h"
#include "app/cVector.h"

// Index of the last backslash that separates folders, or -1.
int LastSeparator(const char* path);
// Index of the dot that begins the extension, or -1.
int ExtensionDot(const char* path);

int FileNameOfPath(char* path);
void FileNameOfPath(cString& path);
int RemoveFileName(char* path);
void RemoveFileName(cString& path);
// dest receives at most 259 bytes; 0 when the source has no extension (dest gets the copy).
int ChangeExtension(char* dest, const char* source, const char* extension);
int ChangeExtension(cString& dest, const char* source, const char* extension);
int RemoveExtension(char* path);
int RemoveExtension(cString& path);
int GetExtension(char* dest, const char* path);
int GetExtension(cString& dest, const char* path);
int HasExtension(const char* path, const char* extension);

int PathExists(const char* path);
int FileExists(const char* path);
int DirectoryExists(const char* path);
int MakeDirectory(const char* path);
int DeletePath(const char* path);
// Copies a file to a path where no file is yet; 0 when the target exists or anything fails (a
// partly written target is removed).
int CopyNewFile(const char* source, const char* target);
// Appends folder\name for each entry matching folder\*.extension; 0 when none matches.
int FindFiles(cVector<cString>& files, const char* folder, const char* extension);
int FindNewestNumberedFile(cString& result, const cString& path, const char* extension);

// A relative path without its leading ".\", which the shell's relative paths have: the same file.
cString WithoutDotFolder(const cString& path);
// Relative to and absolute against the working folder (the Windows shell has its own versions).
int MakeRelativePath(char* path);
int MakeRelativePath(cString& path);
// A chosen file's path, relative to the working folder, into target; 0 and target unchanged when
// the path is empty or cannot be made relative (another drive).
int AssignRelativePath(cString& target, const char* chosenPath);
int MakeAbsolutePath(char* path);
