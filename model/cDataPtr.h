#pragma once
// The holder of a command's optional payload (movement block, shot block, condition list).
// Stored as a 32-bit presence flag followed by the record. Every holder owns its payload alone:
// copying a holder copies the payload into a new object.

#include <boost/make_shared.hpp>
#include <boost/shared_ptr.hpp>

#include <cstdint>

#include "app/cDataStream.h"

template <class T>
class cDataPtr {
public:
  cDataPtr() = default;
  cDataPtr(const cDataPtr& other) { CopyFrom(other); }
  cDataPtr(cDataPtr&& other) noexcept = default;
  cDataPtr& operator=(const cDataPtr& other) {
    if (this != &other) CopyFrom(other);
    return *this;
  }
  cDataPtr& operator=(cDataPtr&& other) noexcept = default;

  // A new payload with its defaults, in place of any previous one.
  void Create() { m_pData = boost::make_shared<T>(); }
  void Reset() { m_pData.reset(); }
  T* Get() const { return m_pData.get(); }
  T* operator->() const { return m_pData.get(); }
  T& operator*() const { return *m_pData; }
  explicit operator bool() const { return m_pData.get() != nullptr; }

  void Load(cReadStream& stream) {
    uint32_t present = 0;
    stream.ReadU32(present);
    Reset();
    if (present == 0 || stream.Failed()) return;
    Create();
    m_pData->Load(stream);
  }
  void Save(cWriteStream& stream) const {
    stream.WriteU32(m_pData ? 1 : 0);
    if (m_pData) m_pData->Save(stream);
  }
  void CopyFrom(const cDataPtr& other) {
    Reset();
    if (!other.m_pData) return;
    Create();
    *m_pData = *other.m_pData;
  }
  static bool Equal(const cDataPtr& a, const cDataPtr& b) {
    if (!a.m_pData || !b.m_pData) return !a.m_pData && !b.m_pData;
    return *a.m_pData == *b.m_pData;
  }

private:
  boost::shared_ptr<T> m_pData;
};
