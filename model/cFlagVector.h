#pragma once
// Lists of small values stored after a record body: inheritance flags, key states, parameters.
//
// cFlagVector keeps up to N flags inside the record, so that a stage full of empty blocks, and
// every undo snapshot of it, allocates nothing per cell. A damaged file may hold more; they go
// to the heap and are written back as they were read.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <stdexcept>

#include "app/cDataStream.h"
#include "app/cVector.h"

template <int N>
class cFlagVector {
public:
  using value_type = int8_t;

  // A new record has one flag per inheritance group, all 0.
  cFlagVector() : m_nSize(N) {}
  cFlagVector(const cFlagVector& other) : m_nSize(0) { assign(other); }
  cFlagVector& operator=(const cFlagVector& other) {
    if (this != &other) assign(other);
    return *this;
  }
  ~cFlagVector() { delete[] m_pHeap; }

  // Takes the length and values of any list of small integers.
  template <class List>
  void assign(const List& list) {
    resize(static_cast<uint32_t>(list.size()));
    uint32_t i = 0;
    for (auto value : list) data()[i++] = static_cast<int8_t>(value);
  }

  uint32_t size() const { return m_nSize; }
  int Count() const { return static_cast<int>(m_nSize); }
  bool empty() const { return m_nSize == 0; }
  int8_t* data() { return m_pHeap ? m_pHeap : m_aInline; }
  const int8_t* data() const { return m_pHeap ? m_pHeap : m_aInline; }
  int8_t* begin() { return data(); }
  int8_t* end() { return data() + m_nSize; }
  const int8_t* begin() const { return data(); }
  const int8_t* end() const { return data() + m_nSize; }
  int8_t& operator[](size_t i) { return data()[i]; }
  const int8_t& operator[](size_t i) const { return data()[i]; }

  // Checked access, as cVector::At.
  int8_t& At(int index) {
    if (index >= 0 && static_cast<uint32_t>(index) < m_nSize) return data()[index];
    ReportBadIndex('V', index, Count(), 1, false);
    if (m_nSize == 0) throw std::out_of_range("invalid vector<T> subscript");
    return data()[0];
  }

  // New flags are 0; surplus flags are dropped from the end.
  void resize(uint32_t count) {
    if (count > N && !m_pHeap) {
      m_pHeap = new int8_t[count];
      std::memcpy(m_pHeap, m_aInline, m_nSize);
    } else if (count > N && count > m_nSize) {
      int8_t* grown = new int8_t[count];
      std::memcpy(grown, m_pHeap, m_nSize);
      delete[] m_pHeap;
      m_pHeap = grown;
    } else if (count <= N && m_pHeap) {
      std::memcpy(m_aInline, m_pHeap, count);
      delete[] m_pHeap;
      m_pHeap = nullptr;
    }
    if (count > m_nSize) std::memset(data() + m_nSize, 0, count - m_nSize);
    m_nSize = count;
  }

  friend bool operator==(const cFlagVector& a, const cFlagVector& b) {
    return a.m_nSize == b.m_nSize && std::memcmp(a.data(), b.data(), a.m_nSize) == 0;
  }
  friend bool operator!=(const cFlagVector& a, const cFlagVector& b) { return !(a == b); }

private:
  uint32_t m_nSize;
  int8_t* m_pHeap = nullptr;  // only beyond N flags
  int8_t m_aInline[N] = {};
};

// The stored form of a byte list: a 32-bit count, then one byte each. The count is bounded by
// what the stream still holds; 0 when the stream fails.
template <class List>
int ReadByteVector(List& list, cReadStream& stream) {
  uint32_t count;
  if (!stream.ReadCount(count, 1)) return 0;
  list.resize(count);
  return count == 0 || stream.Read(&list[0], count);
}

template <class List>
void WriteByteVector(const List& list, cWriteStream& stream) {
  stream.WriteU32(static_cast<uint32_t>(list.size()));
  if (!list.empty()) stream.Write(&list[0], list.size());
}

// Parameters: a 32-bit count, then 4 bytes each.
int ReadIntVector(cVector<int32_t>& list, cReadStream& stream);
void WriteIntVector(const cVector<int32_t>& list, cWriteStream& stream);

// Opens slot i for an inserted value: entries from i on move up one place within the list's
// length, the last value is lost, and entry i keeps its value until the caller sets it.
template <class List>
void ShiftUp(List& list, int i) {
  if (i < 0) return;
  for (int j = static_cast<int>(list.size()) - 1; j > i; --j) list[j] = list[j - 1];
}
inline void ShiftParamsUp(cVector<int32_t>& list, int i) { ShiftUp(list, i); }
template <class List>
void ShiftFlagsUp(List& list, int i) {
  ShiftUp(list, i);
}
