#include "app/cDataRecord.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <typeinfo>
#include <unordered_map>
#include <vector>

#include "app/DataFile.h"
#include "app/cApplication.h"

// The stored fields of one record class in one data version, as offsets from the record.
class cRecordLayout {
public:
  struct cField {
    ptrdiff_t m_nOffset;
    int32_t m_nCount;
    int8_t m_nWidth;
    bool m_bDiscard;
    size_t Bytes() const { return static_cast<size_t>(m_nWidth) * static_cast<size_t>(m_nCount); }
  };
  struct cText {
    ptrdiff_t m_nOffset;
    bool m_bDiscard;
  };
  // Neighbouring fields that lie next to each other in the record, read and written in one go.
  struct cRun {
    ptrdiff_t m_nOffset;
    size_t m_nBytes;
  };
  std::vector<cField> m_vFields;
  std::vector<cText> m_vStrings;
  std::vector<cRun> m_vRuns;  // only when no field is discarded
  size_t m_nFieldBytes = 0;

  void MakeRuns() {
    m_vRuns.clear();
    m_nFieldBytes = 0;
    for (const cField& field : m_vFields) {
      if (field.m_bDiscard) {
        m_vRuns.clear();
        return;
      }
      m_nFieldBytes += field.Bytes();
      if (!m_vRuns.empty() && m_vRuns.back().m_nOffset + static_cast<ptrdiff_t>(m_vRuns.back().m_nBytes) == field.m_nOffset)
        m_vRuns.back().m_nBytes += field.Bytes();
      else
        m_vRuns.push_back({field.m_nOffset, field.Bytes()});
    }
  }

  bool operator==(const cRecordLayout& other) const {
    auto sameField = [](const cField& a, const cField& b) {
      return a.m_nOffset == b.m_nOffset && a.m_nCount == b.m_nCount && a.m_nWidth == b.m_nWidth &&
             a.m_bDiscard == b.m_bDiscard;
    };
    auto sameText = [](const cText& a, const cText& b) {
      return a.m_nOffset == b.m_nOffset && a.m_bDiscard == b.m_bDiscard;
    };
    return std::equal(m_vFields.begin(), m_vFields.end(), other.m_vFields.begin(), other.m_vFields.end(), sameField) &&
           std::equal(m_vStrings.begin(), m_vStrings.end(), other.m_vStrings.begin(), other.m_vStrings.end(), sameText);
  }
};

namespace {

struct cBuilder {
  const cDataRecord* m_pOwner;
  cRecordLayout* m_pLayout;
};
thread_local cBuilder* t_pBuilder = nullptr;

struct cLayoutKey {
  const std::type_info* m_pType;
  uint32_t m_nVersion;
  bool operator==(const cLayoutKey& other) const {
    return m_pType == other.m_pType && m_nVersion == other.m_nVersion;
  }
};
struct cLayoutKeyHash {
  size_t operator()(const cLayoutKey& key) const {
    return std::hash<const void*>()(key.m_pType) * 31 + key.m_nVersion;
  }
};
using cLayoutCache = std::unordered_map<cLayoutKey, std::unique_ptr<cRecordLayout>, cLayoutKeyHash>;

// One cache for every thread, behind a lock. A thread-local cache would be destroyed when the stage
// loader's thread ends, and the platform's thread-local storage may free its memory first.
cLayoutCache& LayoutCache() {
  static cLayoutCache cache;
  return cache;
}
std::recursive_mutex& LayoutLock() {
  static std::recursive_mutex lock;
  return lock;
}

char* At(cDataRecord* record, ptrdiff_t offset) { return reinterpret_cast<char*>(record) + offset; }

bool SameFieldValue(const char* a, const char* b, const cRecordLayout::cField& field) {
  if (field.m_nWidth != 8) return std::memcmp(a, b, field.Bytes()) == 0;
  for (int32_t i = 0; i < field.m_nCount; ++i) {
    double x, y;
    std::memcpy(&x, a + 8 * i, 8);
    std::memcpy(&y, b + 8 * i, 8);
    if (x != y) return false;
  }
  return true;
}

}  // namespace

const cRecordLayout& cDataRecord::Layout(uint32_t version) {
  cLayoutKey key{&typeid(*this), version};
#ifdef NDEBUG
  // Loads walk a few classes over and over: a small direct-mapped table in front of the map.
  struct cRecent {
    cLayoutKey m_Key{nullptr, 0};
    const cRecordLayout* m_pLayout = nullptr;
  };
  thread_local cRecent recent[16];
  cRecent& slot = recent[(reinterpret_cast<uintptr_t>(key.m_pType) >> 4 ^ version) & 15];
  if (slot.m_Key == key) return *slot.m_pLayout;
#endif
  std::lock_guard<std::recursive_mutex> hold(LayoutLock());
  cLayoutCache& cache = LayoutCache();
  auto build = [&](cRecordLayout& layout) {
    cBuilder builder{this, &layout};
    cBuilder* outer = t_pBuilder;
    t_pBuilder = &builder;
    RegisterFields(version);
    t_pBuilder = outer;
    layout.MakeRuns();
  };
  auto found = cache.find(key);
  if (found != cache.end()) {
#ifndef NDEBUG
    // Debug builds check the rules: registering heap memory or registering by value shows here.
    cRecordLayout again;
    build(again);
    if (!(again == *found->second)) {
      std::fprintf(stderr, "record %s registers different fields for version %u\n", key.m_pType->name(),
                   static_cast<unsigned>(version));
      std::abort();
    }
#endif
#ifdef NDEBUG
    slot.m_Key = key;
    slot.m_pLayout = found->second.get();
#endif
    return *found->second;
  }
  auto layout = std::make_unique<cRecordLayout>();
  build(*layout);
  const cRecordLayout& made = *cache.emplace(key, std::move(layout)).first->second;
#ifdef NDEBUG
  slot.m_Key = key;
  slot.m_pLayout = &made;
#endif
  return made;
}

void cDataRecord::ClearFields() {
  if (!t_pBuilder || t_pBuilder->m_pOwner != this) return;
  t_pBuilder->m_pLayout->m_vFields.clear();
  t_pBuilder->m_pLayout->m_vStrings.clear();
}

void cDataRecord::RegisterField(void* member, int count, int width) {
  if (!t_pBuilder || t_pBuilder->m_pOwner != this) return;
  ptrdiff_t offset = static_cast<char*>(member) - reinterpret_cast<char*>(this);
  t_pBuilder->m_pLayout->m_vFields.push_back({offset, count, static_cast<int8_t>(width), false});
}

void cDataRecord::RegisterString(cString* member, int count) {
  if (!t_pBuilder || t_pBuilder->m_pOwner != this) return;
  ptrdiff_t offset = reinterpret_cast<char*>(member) - reinterpret_cast<char*>(this);
  for (int i = 0; i < count; ++i) t_pBuilder->m_pLayout->m_vStrings.push_back({offset, false});
}

void cDataRecord::RegisterDiscard(int width, int count) {
  if (!t_pBuilder || t_pBuilder->m_pOwner != this) return;
  t_pBuilder->m_pLayout->m_vFields.push_back({0, count, static_cast<int8_t>(width), true});
}

void cDataRecord::RegisterDiscardString() {
  if (!t_pBuilder || t_pBuilder->m_pOwner != this) return;
  t_pBuilder->m_pLayout->m_vStrings.push_back({0, true});
}

cDataRecord& cDataRecord::operator=(const cDataRecord& source) {
  if (this != &source) const_cast<cDataRecord&>(source).OnAssignFrom(VersionWritten());
  return *this;
}

void cDataRecord::Load(cReadStream& stream) {
  const cRecordLayout& layout = Layout(VersionRead());
  uint32_t numericCount;
  // Widths are not stored, so fields beyond the registry could not be skipped: a damaged file.
  if (stream.ReadU32(numericCount) && numericCount > layout.m_vFields.size()) stream.Fail();
  if (numericCount == layout.m_vFields.size() && !layout.m_vRuns.empty()) {
    // A whole body is all there or the load fails, so no field is ever half read.
    if (stream.Left() < layout.m_nFieldBytes) stream.Fail();
    for (const cRecordLayout::cRun& run : layout.m_vRuns) stream.Read(At(this, run.m_nOffset), run.m_nBytes);
  } else {
    for (uint32_t i = 0; i < numericCount && !stream.Failed(); ++i) {
      const cRecordLayout::cField& field = layout.m_vFields[i];
      if (field.m_bDiscard) stream.Skip(field.Bytes());
      else stream.Read(At(this, field.m_nOffset), field.Bytes());
    }
  }
  uint32_t stringCount;
  if (stream.ReadU32(stringCount) && stringCount > layout.m_vStrings.size()) stream.Fail();
  std::string text;
  for (uint32_t i = 0; i < stringCount && !stream.Failed(); ++i) {
    const cRecordLayout::cText& field = layout.m_vStrings[i];
    if (stream.ReadString(text) && !field.m_bDiscard)
      reinterpret_cast<cString*>(At(this, field.m_nOffset))->assign(text);
  }
  if (cApplication::m_bStripCR) StripCR();
}

void cDataRecord::Save(cWriteStream& stream) {
  const cRecordLayout& layout = Layout(VersionWritten());
  stream.WriteU32(static_cast<uint32_t>(layout.m_vFields.size()));
  if (!layout.m_vRuns.empty() || layout.m_vFields.empty()) {
    for (const cRecordLayout::cRun& run : layout.m_vRuns) stream.Write(At(this, run.m_nOffset), run.m_nBytes);
  } else {
    // A discarded field is written as zeros.
    static const char zeros[64] = {};
    for (const cRecordLayout::cField& field : layout.m_vFields) {
      if (!field.m_bDiscard) {
        stream.Write(At(this, field.m_nOffset), field.Bytes());
        continue;
      }
      for (size_t left = field.Bytes(); left;) {
        size_t part = std::min(left, sizeof zeros);
        stream.Write(zeros, part);
        left -= part;
      }
    }
  }
  stream.WriteU32(static_cast<uint32_t>(layout.m_vStrings.size()));
  for (const cRecordLayout::cText& field : layout.m_vStrings) {
    if (field.m_bDiscard) {
      stream.WriteU32(1);
      continue;
    }
    cString& text = *reinterpret_cast<cString*>(At(this, field.m_nOffset));
    text.TrimAtNul();
    stream.WriteString(text);
  }
}

void cDataRecord::Clear() {
  const cRecordLayout& layout = Layout(VersionWritten());
  for (const cRecordLayout::cField& field : layout.m_vFields)
    if (!field.m_bDiscard) std::memset(At(this, field.m_nOffset), 0, field.Bytes());
  for (const cRecordLayout::cText& field : layout.m_vStrings)
    if (!field.m_bDiscard) reinterpret_cast<cString*>(At(this, field.m_nOffset))->clear();
}

void cDataRecord::CopyFrom(cDataRecord& source) {
  const cRecordLayout& layout = Layout(VersionWritten());
  for (const cRecordLayout::cField& field : layout.m_vFields)
    if (!field.m_bDiscard) std::memmove(At(this, field.m_nOffset), At(&source, field.m_nOffset), field.Bytes());
  for (const cRecordLayout::cText& field : layout.m_vStrings)
    if (!field.m_bDiscard)
      *reinterpret_cast<cString*>(At(this, field.m_nOffset)) = *reinterpret_cast<cString*>(At(&source, field.m_nOffset));
}

int cDataRecord::Equal(cDataRecord& a, cDataRecord& b) {
  if (typeid(a) != typeid(b)) return 0;
  const cRecordLayout& layout = a.Layout(VersionWritten());
  for (const cRecordLayout::cField& field : layout.m_vFields)
    if (!field.m_bDiscard && !SameFieldValue(At(&a, field.m_nOffset), At(&b, field.m_nOffset), field)) return 0;
  for (const cRecordLayout::cText& field : layout.m_vStrings) {
    if (field.m_bDiscard) continue;
    if (*reinterpret_cast<cString*>(At(&a, field.m_nOffset)) != *reinterpret_cast<cString*>(At(&b, field.m_nOffset)))
      return 0;
  }
  return 1;
}

void cDataRecord::StripCR() {
  for (const cRecordLayout::cText& field : Layout(VersionWritten()).m_vStrings) {
    if (field.m_bDiscard) continue;
    cString& text = *reinterpret_cast<cString*>(At(this, field.m_nOffset));
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
  }
}

cVector<cFieldDesc> cDataRecord::Fields(uint32_t version) {
  cVector<cFieldDesc> fields;
  for (const cRecordLayout::cField& field : Layout(version).m_vFields)
    fields.push_back({this, field.m_bDiscard ? nullptr : At(this, field.m_nOffset), field.m_nCount, field.m_nWidth});
  return fields;
}

cVector<cStringDesc> cDataRecord::Strings(uint32_t version) {
  cVector<cStringDesc> strings;
  for (const cRecordLayout::cText& field : Layout(version).m_vStrings)
    strings.push_back({this, field.m_bDiscard ? nullptr : reinterpret_cast<cString*>(At(this, field.m_nOffset))});
  return strings;
}

int cDataRecord::LoadFile(const char* path) {
  cReadStream* stream = OpenDataFileRead(path);
  if (!stream) return 0;
  cWriteStream snapshot;
  Save(snapshot);
  Load(*stream);
  bool ok = !stream->Failed();
  CloseDataFile(stream);
  if (!ok) Restore(snapshot);
  return ok ? 1 : 0;
}

void cDataRecord::Restore(const cWriteStream& snapshot) {
  uint32_t versionRead = cApplication::m_nVersionRead;
  cApplication::m_nVersionRead = VersionWritten();
  cReadStream stream(snapshot.Bytes());
  Load(stream);
  cApplication::m_nVersionRead = versionRead;
}

int cDataRecord::SaveFile(const char* path) {
  cWriteStream* stream = OpenDataFileWrite(path);
  if (!stream) return 0;
  Save(*stream);
  return CloseDataFile(stream);
}

int cDataRecord::LoadNumberedFile(const char* basePath, const char* extension) {
  char path[kMaxPath];
  if (!FindNewestNumberedFile(path, basePath, extension)) return 0;
  return LoadFile(path);
}
