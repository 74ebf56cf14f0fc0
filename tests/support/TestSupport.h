#pragma once
// Shared test helpers: hex byte fixtures, scratch folders, a shell seam that records and answers.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/cApplication.h"
#include "app/cDataStream.h"
#include "app/cShellSeam.h"
#include "app/cString.h"
#include "app/cVector.h"

using Bytes = std::vector<unsigned char>;

// "02 00 00 00 61" -> bytes; blanks, commas and line breaks are ignored.
Bytes Hex(const std::string& text);
std::string ToHex(const Bytes& bytes);
// The rows of a list in one text, each followed by "|".
std::string Joined(const cVector<cString>& rows);
// A little-endian 32-bit value as four bytes, for building fixtures.
Bytes U32(uint32_t value);
Bytes Cat(std::initializer_list<Bytes> parts);
// The data-file string form of a text.
Bytes StoredString(const std::string& text);

// The path of relative (backslashes) below the build folder, found from the running test program
// (which lies in <build>/tests), e.g. "project\\bmp\\Block.bmp".
std::string BuildTreePath(const char* relative);

Bytes ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const Bytes& bytes);
bool FileThere(const std::string& path);
// What lies at path, for checking that it is left as it was: "missing", "folder", or a file's size,
// CRC-32 and read-only attribute.
std::string FileState(const std::string& path);
// Sets or clears a file's read-only attribute (its write permissions off Windows).
void SetReadOnly(const std::string& path, bool readOnly);

// What a record, list or document writes with its Save.
template <class T>
Bytes SavedBytes(T& saved) {
  cWriteStream out;
  saved.Save(out);
  return out.Bytes();
}

// Puts the data version read back after a test; may set one for the test meanwhile.
class cVersionReadGuard {
public:
  cVersionReadGuard() = default;
  explicit cVersionReadGuard(uint32_t version) { cApplication::m_nVersionRead = version; }
  ~cVersionReadGuard() { cApplication::m_nVersionRead = m_nRead; }
  cVersionReadGuard(const cVersionReadGuard&) = delete;
  cVersionReadGuard& operator=(const cVersionReadGuard&) = delete;

private:
  uint32_t m_nRead = cApplication::m_nVersionRead;
};

// A fresh folder below the test's working folder, made current for the test and removed after.
class cScratchFolder {
public:
  cScratchFolder();
  ~cScratchFolder();
  const std::string& Path() const { return m_strPath; }

private:
  std::string m_strPath;
  std::string m_strPrevious;
};

// Records every box and bad-index consequence; answers boxes from a queue (default: first button).
class cFakeShell : public cShellSeam {
public:
  struct cBox {
    std::string m_strText;
    std::string m_strCaption;
    unsigned m_nType;
    void* m_pOwner;
  };
  cFakeShell();
  ~cFakeShell() override;
  int ShowBox(void* owner, const char* text, const char* caption, unsigned type) override;
  void* ActiveWindow() override { return m_pActive; }
  void DestroyMainWindow() override { ++m_nDestroys; }
  void PostCloseRequest() override { ++m_nCloseRequests; }
  uint64_t FreePhysicalMemory() override { return m_nFreeMemory; }
  uint32_t TickCount() override { return m_nTick; }
  void FullScreenSize(int32_t& width, int32_t& height) override {
    width = m_nScreenWidth;
    height = m_nScreenHeight;
  }
  void Beep() override { ++m_nBeeps; }

  std::vector<cBox> m_vBoxes;
  std::vector<int> m_vAnswers;
  void* m_pActive = nullptr;  // the window that stands for the active one
  int m_nDestroys = 0;
  int m_nCloseRequests = 0;
  int m_nBeeps = 0;
  uint64_t m_nFreeMemory = 1ull << 30;
  uint32_t m_nTick = 0;
  int32_t m_nScreenWidth = 1024;
  int32_t m_nScreenHeight = 749;
};

// The report log of a test, created in the current folder; Lines() reads it back.
class cTestReportLog {
public:
  cTestReportLog();
  std::string Text() const;
  std::vector<std::string> Lines() const;
};
