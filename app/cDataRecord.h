#pragma once
// The base of every stored record.
//
// A record registers, for a data version, which members are stored and in which order; the base
// reads, writes, clears, copies and compares the record by walking that registry. A field added in
// a later version is simply not registered while an older file is read and keeps its value.
//
// Record body: u32 numeric count, each field's bytes (width x count), u32 string count, each
// string as u32 length counting its zero byte (1 for empty) followed by the bytes unless it is 1.
//
// A class registers the same members for the same version every time, so the registry is built
// once per class and version and kept as member offsets: a record object carries no registry of
// its own, which keeps stage cells and undo snapshots small. Rules for RegisterFields:
//  - register only members of the record itself (plain fields and fixed arrays, or members of
//    member structs), never heap memory such as vector elements;
//  - let the registration depend on the version only;
//  - a value an older file holds but the record no longer keeps is registered with
//    RegisterDiscard / RegisterDiscardString: it is read and dropped.

#include <cstddef>
#include <cstdint>

#include "app/cDataStream.h"
#include "app/cString.h"
#include "app/cVector.h"

class cDataRecord;
class cRecordLayout;

struct cFieldDesc {
  cDataRecord* m_pOwner = nullptr;
  void* m_pMember = nullptr;  // null for a discarded field
  int32_t m_nCount = 0;
  int8_t m_nWidth = 0;
};

struct cStringDesc {
  cDataRecord* m_pOwner = nullptr;
  cString* m_pMember = nullptr;  // null for a discarded string
};

class cDataRecord {
public:
  cDataRecord() = default;
  cDataRecord(const cDataRecord&) = default;
  virtual ~cDataRecord() = default;
  cDataRecord& operator=(const cDataRecord& source);

  virtual void OnAssignFrom(uint32_t) {}
  virtual void RegisterFields(uint32_t) { ClearFields(); }
  virtual void Load(cReadStream& stream);
  virtual void Save(cWriteStream& stream);

  void Clear();
  void CopyFrom(cDataRecord& source);
  static int Equal(cDataRecord& a, cDataRecord& b);
  void StripCR();

  // Record files: the data version, then what Save writes. A damaged file fails the load and
  // leaves the record as it was; a save that fails leaves the previous file whole.
  int LoadFile(const char* path);
  int SaveFile(const char* path);
  int LoadNumberedFile(const char* basePath, const char* extension);

  // Lists inside a record: LoadList starts every element from its defaults.
  template <class T>
  static int LoadList(cVector<T>& list, cReadStream& stream);
  template <class T>
  static void SaveList(cVector<T>& list, cWriteStream& stream);

  // The registry of this record for a version, as descriptors naming its own members.
  cVector<cFieldDesc> Fields(uint32_t version);
  cVector<cStringDesc> Strings(uint32_t version);

protected:
  void ClearFields();
  void RegisterNoFields() { ClearFields(); }
  void RegisterField(void* member, int count, int width);
  void RegisterChar(int8_t* member, int count = 1) { RegisterField(member, count, 1); }
  void RegisterChar(uint8_t* member, int count = 1) { RegisterField(member, count, 1); }
  void RegisterChar(char* member, int count = 1) { RegisterField(member, count, 1); }
  void RegisterShort(int16_t* member, int count = 1) { RegisterField(member, count, 2); }
  void RegisterShort(uint16_t* member, int count = 1) { RegisterField(member, count, 2); }
  void RegisterInt(int32_t* member, int count = 1) { RegisterField(member, count, 4); }
  void RegisterInt(uint32_t* member, int count = 1) { RegisterField(member, count, 4); }
  void AddDoubleField(double* member, int count = 1) { RegisterField(member, count, 8); }
  void RegisterString(cString* member, int count = 1);
  void RegisterDiscard(int width, int count = 1);
  void RegisterDiscardString();

private:
  const cRecordLayout& Layout(uint32_t version);
  void Restore(const cWriteStream& snapshot);
};

template <class T>
int cDataRecord::LoadList(cVector<T>& list, cReadStream& stream) {
  uint32_t count;
  if (!stream.ReadCount(count, cStoredSize<T>::kMin)) return 0;
  list.Release();
  list.resize(count);
  for (T& element : list) {
    element.Load(stream);
    if (stream.Failed()) return 0;
  }
  return 1;
}

template <class T>
void cDataRecord::SaveList(cVector<T>& list, cWriteStream& stream) {
  list.Save(stream);
}
