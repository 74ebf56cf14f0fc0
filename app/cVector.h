#pragma once
// The editor's containers: the standard vector and list with a checked element access.
//
// A bad index can only come from a fault in the program: it is logged ("err V[%d] ( %d , %d )")
// and the main window is destroyed, while the caller gets the first element so that it can finish.
// cCoreVector, used inside the core services, asks the main window to close instead.

#include <cstdint>
#include <iterator>
#include <list>
#include <stdexcept>
#include <type_traits>
#include <vector>

#include "app/cDataStream.h"
#include "app/cString.h"

// Logs the bad index and destroys the main window (or asks it to close).
void ReportBadIndex(char kind, int index, int count, int elementSize, bool closeRequest);

template <class T>
struct cStoredSize {
  // The fewest bytes one stored element can take: a record body holds two counts.
  static constexpr size_t kMin = std::is_arithmetic<T>::value ? sizeof(T) : 8;
};
template <>
struct cStoredSize<cString> {
  static constexpr size_t kMin = 4;
};

template <class T>
class cVector : public std::vector<T> {
  using Base = std::vector<T>;

public:
  using Base::Base;
  cVector() = default;

  T& At(int index) { return Checked(index, false); }
  const T& At(int index) const { return const_cast<cVector*>(this)->Checked(index, false); }

  int Count() const { return static_cast<int>(this->size()); }

  void Release() { Base().swap(*this); }
  void Reset(int count) {
    Release();
    this->resize(count > 0 ? static_cast<size_t>(count) : 0);
  }
  int Fill(const T& value) {
    for (T& element : *this) element = value;
    return Count();
  }
  void InsertAt(int index, const T& element) {
    if (static_cast<uint32_t>(index) < this->size()) this->insert(this->begin() + index, element);
    else this->push_back(element);
  }
  int EraseAt(int index) {
    if (static_cast<uint32_t>(index) >= this->size()) return 0;
    this->erase(this->begin() + index);
    return 1;
  }
  typename Base::iterator IterAt(int n) { return this->begin() + n; }

  // The stored form: a 32-bit count, then each element as its own Save writes it. The count is
  // checked against what the stream still holds; elements already present are kept and reloaded.
  int Load(cReadStream& stream) {
    uint32_t count;
    if (!stream.ReadCount(count, cStoredSize<T>::kMin)) return 0;
    this->resize(count);
    for (T& element : *this) {
      LoadElement(element, stream);
      if (stream.Failed()) return 0;
    }
    return 1;
  }
  void Save(cWriteStream& stream) {
    stream.WriteU32(static_cast<uint32_t>(this->size()));
    for (T& element : *this) SaveElement(element, stream);
  }

  // Name lists.
  int Contains(const T& text) const {
    for (const T& element : *this)
      if (element == text) return 1;
    return 0;
  }
  void Add(const T& text) { this->push_back(text); }
  int AddUnique(const T& text) {
    if (Contains(text)) return 0;
    Add(text);
    return 1;
  }
  void Append(const cVector& other) { this->insert(this->end(), other.begin(), other.end()); }
  int AppendUnique(const cVector& other) {
    int added = 0;
    for (const T& text : other) added |= AddUnique(text);
    return added;
  }

protected:
  T& Checked(int index, bool closeRequest) {
    if (index >= 0 && static_cast<size_t>(index) < this->size()) return (*this)[index];
    ReportBadIndex('V', index, Count(), static_cast<int>(sizeof(T)), closeRequest);
    if (this->empty()) throw std::out_of_range("invalid vector<T> subscript");
    return this->front();
  }

private:
  template <class U>
  static auto LoadElement(U& element, cReadStream& stream) -> decltype(element.Load(stream), void()) {
    element.Load(stream);
  }
  template <class U, class = std::enable_if_t<std::is_arithmetic<U>::value>>
  static void LoadElement(U& element, cReadStream& stream, int = 0) {
    stream.Read(&element, sizeof(U));
  }
  template <class U>
  static auto SaveElement(U& element, cWriteStream& stream) -> decltype(element.Save(stream), void()) {
    element.Save(stream);
  }
  template <class U, class = std::enable_if_t<std::is_arithmetic<U>::value>>
  static void SaveElement(U& element, cWriteStream& stream, int = 0) {
    stream.Write(&element, sizeof(U));
  }
};

// The vectors inside the core services: a bad index asks the main window to close.
template <class T>
class cCoreVector : public cVector<T> {
public:
  using cVector<T>::cVector;
  T& At(int index) { return this->Checked(index, true); }
  const T& At(int index) const { return const_cast<cCoreVector*>(this)->Checked(index, true); }
};

template <class T>
class cList : public std::list<T> {
public:
  using std::list<T>::list;
  cList() = default;

  // Walks from the first element; a bad index hands out one shared fallback element.
  T& At(int index) {
    if (index >= 0 && static_cast<size_t>(index) < this->size()) return *std::next(this->begin(), index);
    ReportBadIndex('L', index, static_cast<int>(this->size()), static_cast<int>(sizeof(T)), false);
    static T fallback;
    return fallback;
  }
};
