#include "app/cDataStream.h"

#include <algorithm>

#include "app/FileCalls.h"
#include "app/cString.h"

namespace {
constexpr size_t kReadChunk = 1 << 16;
}

cReadStream::cReadStream(std::vector<unsigned char> bytes) : m_vBuffer(std::move(bytes)), m_nSize(m_vBuffer.size()) {}

cReadStream::cReadStream(const void* data, size_t size)
    : m_vBuffer(static_cast<const unsigned char*>(data), static_cast<const unsigned char*>(data) + size),
      m_nSize(size) {}

cReadStream::~cReadStream() {
  if (m_pFile) std::fclose(m_pFile);
}

int cReadStream::OpenFile(const char* path) {
  if (m_pFile) std::fclose(m_pFile);
  m_vBuffer.clear();
  m_nBufferStart = m_nSize = m_nPos = 0;
  m_bFailed = false;
  m_pFile = std::fopen(HostPath(path).c_str(), "rb");
  if (!m_pFile) return 0;
  long size = -1;
  if (std::fseek(m_pFile, 0, SEEK_END) == 0) size = std::ftell(m_pFile);
  if (size < 0 || std::fseek(m_pFile, 0, SEEK_SET) != 0) {
    std::fclose(m_pFile);
    m_pFile = nullptr;
    return 0;
  }
  m_nSize = static_cast<size_t>(size);
  return 1;
}

bool cReadStream::Ensure(size_t size) {
  if (m_bFailed || size > m_nSize - m_nPos) {
    m_bFailed = true;
    return false;
  }
  if (m_nPos >= m_nBufferStart && m_nPos + size <= m_nBufferStart + m_vBuffer.size()) return true;
  if (!m_pFile || size > kReadChunk) return false;
  // Refill from the current position; the file is read forward only.
  size_t want = std::min(kReadChunk, m_nSize - m_nPos);
  size_t keep = 0;
  if (m_nPos < m_nBufferStart + m_vBuffer.size()) {
    keep = m_nBufferStart + m_vBuffer.size() - m_nPos;
    std::memmove(m_vBuffer.data(), Here(), keep);
  }
  m_vBuffer.resize(std::max(want, keep));
  size_t got = want > keep ? std::fread(m_vBuffer.data() + keep, 1, want - keep, m_pFile) : 0;
  m_nBufferStart = m_nPos;
  if (keep + got < size || got != (want > keep ? want - keep : 0)) {
    m_bFailed = true;
    return false;
  }
  return true;
}

int cReadStream::ReadSlow(void* destination, size_t size) {
  if (Ensure(size)) {
    if (size) std::memcpy(destination, Here(), size);
    m_nPos += size;
    return 1;
  }
  if (m_bFailed) return 0;
  // Longer than a chunk: straight from the file, after what the buffer still holds.
  unsigned char* out = static_cast<unsigned char*>(destination);
  size_t buffered = m_nBufferStart + m_vBuffer.size() - m_nPos;
  std::memcpy(out, Here(), buffered);
  if (std::fread(out + buffered, 1, size - buffered, m_pFile) != size - buffered) {
    m_bFailed = true;
    return 0;
  }
  m_nPos += size;
  m_nBufferStart = m_nPos;
  m_vBuffer.clear();
  return 1;
}

int cReadStream::ReadCount(uint32_t& count, size_t minBytesEach) {
  uint32_t n;
  if (!ReadU32(n)) return 0;
  if (minBytesEach && static_cast<uint64_t>(n) * minBytesEach > Left()) {
    m_bFailed = true;
    return 0;
  }
  count = n;
  return 1;
}

int cReadStream::ReadString(std::string& text) {
  uint32_t length;
  if (!ReadU32(length)) return 0;
  if (length == 1) {
    text.clear();
    return 1;
  }
  // A stored string always holds its terminating zero, so 0 and texts without one are damage.
  if (length == 0 || length > Left()) {
    m_bFailed = true;
    return 0;
  }
  std::string bytes;
  const char* at;
  if (Ensure(length)) {
    at = reinterpret_cast<const char*>(Here());
  } else {
    if (m_bFailed) return 0;
    bytes.resize(length);
    if (!Read(&bytes[0], length)) return 0;
    m_nPos -= length;
    at = bytes.data();
  }
  const void* nul = std::memchr(at, 0, length);
  if (!nul) {
    m_bFailed = true;
    return 0;
  }
  text.assign(at, static_cast<const char*>(nul) - at);
  m_nPos += length;
  return 1;
}

int cReadStream::Skip(size_t size) {
  if (m_bFailed || size > m_nSize - m_nPos) {
    m_bFailed = true;
    return 0;
  }
  m_nPos += size;
  if (m_pFile && m_nPos > m_nBufferStart + m_vBuffer.size()) {
    if (std::fseek(m_pFile, static_cast<long>(m_nPos), SEEK_SET) != 0) m_bFailed = true;
    m_vBuffer.clear();
    m_nBufferStart = m_nPos;
  }
  return m_bFailed ? 0 : 1;
}

cWriteStream::~cWriteStream() {
  Abandon();
  delete[] m_aChunk;
}

int cWriteStream::OpenFile(const char* path) {
  Abandon();
  m_strTarget = HostPath(path);
  m_strTemp = m_strTarget + ".~tmp";
  m_pFile = CanReplaceFile(m_strTarget.c_str()) ? std::fopen(m_strTemp.c_str(), "wb") : nullptr;
  m_bFailed = m_pFile == nullptr;
  if (!m_pFile) {
    m_strTemp.clear();
    return 0;
  }
  if (!m_aChunk) m_aChunk = new unsigned char[kChunk];
  m_nFill = 0;
  return 1;
}

void cWriteStream::WriteSlow(const void* data, size_t size) {
  if (size == 0) return;
  if (!m_pFile) {
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    m_vBytes.insert(m_vBytes.end(), bytes, bytes + size);
    return;
  }
  Flush();
  if (size <= kChunk) {
    std::memcpy(m_aChunk, data, size);
    m_nFill = size;
  } else if (!m_bFailed && FileCalls().m_pfnWrite(data, 1, size, m_pFile) != size) {
    m_bFailed = true;
  }
}

void cWriteStream::WriteString(const std::string& text) {
  size_t nul = text.find('\0');
  size_t length = nul == std::string::npos ? text.size() : nul;
  WriteU32(static_cast<uint32_t>(length + 1));
  if (length == 0) return;
  Write(text.data(), length);
  Write("", 1);
}

void cWriteStream::Flush() {
  if (!m_pFile || m_nFill == 0) return;
  if (!m_bFailed && FileCalls().m_pfnWrite(m_aChunk, 1, m_nFill, m_pFile) != m_nFill) m_bFailed = true;
  m_nFill = 0;
}

int cWriteStream::Commit() {
  if (!m_pFile) return 0;
  Flush();
  // On the disk before it takes the target's place: a crash after the replace finds it whole.
  if (!m_bFailed && FileCalls().m_pfnFlush(m_pFile) != 0) m_bFailed = true;
  if (FileCalls().m_pfnClose(m_pFile) != 0) m_bFailed = true;
  m_pFile = nullptr;
  if (!m_bFailed && ReplaceFileWith(m_strTarget.c_str(), m_strTemp.c_str())) {
    m_strTemp.clear();
    return 1;
  }
  m_bFailed = true;
  std::remove(m_strTemp.c_str());
  m_strTemp.clear();
  return 0;
}

void cWriteStream::Abandon() {
  if (m_pFile) {
    std::fclose(m_pFile);
    m_pFile = nullptr;
  }
  if (!m_strTemp.empty()) std::remove(m_strTemp.c_str());
  m_strTemp.clear();
}

std::string HostPath(const char* path) {
  std::string host(path ? path : "");
#ifndef _WIN32
  for (size_t i = 0; i < host.size(); ++i) {
    if (IsDoubleByteChar(host.c_str() + i)) ++i;
    else if (host[i] == '\\') host[i] = '/';
  }
#endif
  return host;
}
