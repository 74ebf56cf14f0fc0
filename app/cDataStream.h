#pragma once
// Bounded reading and checked writing of data files.
//
// A reader holds the whole file and knows the bytes left, so a count or length that the file
// cannot hold fails the load instead of allocating or reading beyond it. A failure is sticky:
// every later read fails too, and the load reports it once at the end.
// A writer writes to a temporary file beside the target, puts it on the disk and replaces the
// target in one step only when every write, the flush and the close succeeded, so a failed save
// leaves the previous file whole and a crash leaves the previous file or the new one.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

class cReadStream {
public:
  cReadStream() = default;
  explicit cReadStream(std::vector<unsigned char> bytes);
  cReadStream(const void* data, size_t size);
  ~cReadStream();
  cReadStream(const cReadStream&) = delete;
  cReadStream& operator=(const cReadStream&) = delete;

  // Opens a file for reading in chunks; 0 when it cannot be opened.
  int OpenFile(const char* path);

  int Read(void* destination, size_t size) {
    // Most reads are a few bytes inside the current chunk.
    size_t end = m_nBufferStart + m_vBuffer.size();
    if (!m_bFailed && m_nPos <= end && size <= end - m_nPos) {
      if (size) std::memcpy(destination, Here(), size);
      m_nPos += size;
      return 1;
    }
    return ReadSlow(destination, size);
  }
  int ReadU32(uint32_t& value) { return Read(&value, 4); }
  int ReadI32(int32_t& value) { return Read(&value, 4); }
  // A list count whose elements, at least minBytesEach bytes each, must fit in what is left.
  int ReadCount(uint32_t& count, size_t minBytesEach);
  // The data-file string form: length counting the zero byte, then the bytes unless it is 1.
  int ReadString(std::string& text);
  int Skip(size_t size);

  size_t Left() const { return m_bFailed ? 0 : m_nSize - m_nPos; }
  size_t Position() const { return m_nPos; }
  size_t Size() const { return m_nSize; }
  int Failed() const { return m_bFailed ? 1 : 0; }
  void Fail() { m_bFailed = true; }
  int AtEnd() const { return m_nPos == m_nSize ? 1 : 0; }

private:
  int ReadSlow(void* destination, size_t size);
  // Makes the next size bytes (at most one chunk) lie in the buffer from m_nPos on.
  bool Ensure(size_t size);
  const unsigned char* Here() const { return m_vBuffer.data() + (m_nPos - m_nBufferStart); }

  FILE* m_pFile = nullptr;
  std::vector<unsigned char> m_vBuffer;
  size_t m_nBufferStart = 0;  // file offset of the buffer's first byte
  size_t m_nSize = 0;
  size_t m_nPos = 0;
  bool m_bFailed = false;
};

class cWriteStream {
public:
  cWriteStream() = default;
  ~cWriteStream();
  cWriteStream(const cWriteStream&) = delete;
  cWriteStream& operator=(const cWriteStream&) = delete;

  // Starts writing a file through its temporary; 0 when the temporary cannot be created, or when
  // the target is a folder or a read-only file (nothing is written then).
  // Without a file the stream collects its bytes in memory.
  int OpenFile(const char* path);
  // Finishes the file: flush, close and replace the target; 0 and the target untouched on any error.
  int Commit();
  // Drops the temporary, leaving the target as it was.
  void Abandon();

  void Write(const void* data, size_t size) {
    if (size <= kChunk - m_nFill && m_pFile) {
      std::memcpy(m_aChunk + m_nFill, data, size);
      m_nFill += size;
      return;
    }
    WriteSlow(data, size);
  }
  void WriteU32(uint32_t value) { Write(&value, 4); }
  void WriteI32(int32_t value) { Write(&value, 4); }
  void WriteString(const std::string& text);

  int Failed() const { return m_bFailed ? 1 : 0; }
  void Fail() { m_bFailed = true; }
  // Everything written when the stream writes to memory.
  const std::vector<unsigned char>& Bytes() const { return m_vBytes; }

private:
  static constexpr size_t kChunk = 1 << 16;
  void WriteSlow(const void* data, size_t size);
  void Flush();

  std::vector<unsigned char> m_vBytes;
  FILE* m_pFile = nullptr;
  unsigned char* m_aChunk = nullptr;
  size_t m_nFill = 0;
  std::string m_strTarget;
  std::string m_strTemp;
  bool m_bFailed = false;
};

// The host's form of a stored path: backslashes that separate folders become slashes off Windows.
std::string HostPath(const char* path);
