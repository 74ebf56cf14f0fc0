#pragma once
// Data files: a 32-bit data version, then the document's record bodies and lists.

#include <cstdint>

#include "app/cApplication.h"
#include "app/cDataRecord.h"
#include "app/cDataStream.h"
#include "app/cVector.h"

// Path buffers hold at most 259 bytes and the zero.
constexpr int kMaxPath = 260;

// A stream after the data version, which has become the version read; null when the file cannot
// be opened, is shorter than its version, its path is too long, or a newer version of the editor
// wrote it (a data version above the one written here): such a file is never read as this one's.
cReadStream* OpenDataFileRead(const char* path);
// Shows the box of a file that the last OpenDataFileRead refused as a newer version's, in place of
// the load's own failure box; 1 when it did, 0 when the load failed otherwise.
int ReportNewerDataFile(const char* path);
// 1 when a save may write the file at path: nothing is there, or a file that is neither read-only
// nor of a newer data version (which this editor would write over in its older layout).
int CanSaveDataFile(const char* path);
// A stream with the version written already written; null when the file cannot be created or
// CanSaveDataFile refuses it (nothing is written then).
cWriteStream* OpenDataFileWrite(const char* path);
void CloseDataFile(cReadStream* stream);
// Finishes the file; 0 when anything written failed (the previous file then stays whole).
int CloseDataFile(cWriteStream* stream);

// Tells the user that the file at path was not saved and that the file as it was stays; 0.
int ReportSaveFailure(const char* path);
// Saves a document to its data file; a failed write is told with the path, and the file as it
// was before stays whole. 1 when saved.
int SaveFileReported(cDataRecord& document, const char* path);

// A table file: version, count, records. A damaged file fails and leaves the table as it was.
template <class T>
int LoadTableFile(cVector<T>& table, const char* path);
template <class T>
int SaveTableFile(cVector<T>& table, const char* path);
// SaveTableFile, telling a failure as SaveFileReported does.
template <class T>
int SaveTableFileReported(cVector<T>& table, const char* path) {
  return SaveTableFile(table, path) ? 1 : ReportSaveFailure(path);
}

// Finds base_999 down to base_000 (the base with its extension replaced); 1 and the path, or 0.
int FindNewestNumberedFile(char* result, const char* path, const char* extension);

template <class T>
int LoadTableFile(cVector<T>& table, const char* path) {
  cReadStream* stream = OpenDataFileRead(path);
  if (!stream) return 0;
  cVector<T> loaded(table);
  int ok = loaded.Load(*stream) && !stream->Failed();
  CloseDataFile(stream);
  if (!ok) return 0;
  if (cApplication::m_bStripCR)
    for (T& record : loaded) record.StripCR();
  table.swap(loaded);
  return 1;
}

template <class T>
int SaveTableFile(cVector<T>& table, const char* path) {
  cWriteStream* stream = OpenDataFileWrite(path);
  if (!stream) return 0;
  table.Save(*stream);
  return CloseDataFile(stream);
}
