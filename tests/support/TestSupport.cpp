#include "tests/support/TestSupport.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#ifdef _WIN32
#include <windows.h>
#include <process.h>
#define getpid _getpid
#else
#include <unistd.h>
#endif

#include "app/MessageBox.h"
#include "app/ReportLog.h"

namespace fs = std::filesystem;

std::string BuildTreePath(const char* relative) {
#ifdef _WIN32
  char module[MAX_PATH];
  GetModuleFileNameA(nullptr, module, sizeof module);
  std::string folder(module);
  folder.erase(folder.rfind('\\'));
  return folder + "\\..\\" + relative;
#else
  std::string path = fs::read_symlink("/proc/self/exe").parent_path().string() + "/../" + relative;
  for (char& c : path)
    if (c == '\\') c = '/';
  return path;
#endif
}

Bytes Hex(const std::string& text) {
  Bytes bytes;
  int nibble = -1;
  for (char c : text) {
    int v;
    if (c >= '0' && c <= '9') v = c - '0';
    else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
    else continue;
    if (nibble < 0) nibble = v;
    else {
      bytes.push_back(static_cast<unsigned char>(nibble * 16 + v));
      nibble = -1;
    }
  }
  return bytes;
}

std::string ToHex(const Bytes& bytes) {
  std::string text;
  char part[4];
  for (size_t i = 0; i < bytes.size(); ++i) {
    std::snprintf(part, sizeof part, i ? " %02X" : "%02X", bytes[i]);
    text += part;
  }
  return text;
}

std::string Joined(const cVector<cString>& rows) {
  std::string text;
  for (const cString& row : rows) text += row + "|";
  return text;
}

Bytes U32(uint32_t value) {
  return Bytes{static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
               static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)};
}

Bytes Cat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

Bytes StoredString(const std::string& text) {
  if (text.empty()) return U32(1);
  Bytes bytes = U32(static_cast<uint32_t>(text.size() + 1));
  bytes.insert(bytes.end(), text.begin(), text.end());
  bytes.push_back(0);
  return bytes;
}

Bytes ReadFileBytes(const std::string& path) {
  std::ifstream in(HostPath(path.c_str()), std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const Bytes& bytes) {
  std::ofstream out(HostPath(path.c_str()), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

bool FileThere(const std::string& path) {
  std::error_code error;
  return fs::exists(HostPath(path.c_str()), error);
}

namespace {
uint32_t Crc32(const Bytes& bytes) {
  uint32_t crc = 0xFFFFFFFFu;
  for (unsigned char byte : bytes) {
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit) crc = crc >> 1 ^ (0xEDB88320u & (0u - (crc & 1)));
  }
  return ~crc;
}
}  // namespace

std::string FileState(const std::string& path) {
  std::error_code error;
  fs::file_status status = fs::status(HostPath(path.c_str()), error);
  if (!fs::exists(status)) return "missing";
  if (fs::is_directory(status)) return "folder";
  Bytes bytes = ReadFileBytes(path);
  bool writable = (status.permissions() & fs::perms::owner_write) != fs::perms::none;
  char text[80];
  std::snprintf(text, sizeof text, "%zu bytes, CRC-32 %08X, %s", bytes.size(), static_cast<unsigned>(Crc32(bytes)),
                writable ? "writable" : "read-only");
  return text;
}

void SetReadOnly(const std::string& path, bool readOnly) {
  const fs::perms write = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  fs::permissions(HostPath(path.c_str()), write, readOnly ? fs::perm_options::remove : fs::perm_options::add);
}

cScratchFolder::cScratchFolder() {
  static std::atomic<int> counter{0};
  m_strPrevious = fs::current_path().string();
  fs::path folder = fs::current_path() / ("scratch_" + std::to_string(getpid()) + "_" + std::to_string(counter++));
  std::error_code error;
  fs::remove_all(folder, error);
  fs::create_directories(folder);
  fs::current_path(folder);
  m_strPath = folder.string();
}

cScratchFolder::~cScratchFolder() {
  fs::current_path(m_strPrevious);
  std::error_code error;
  fs::remove_all(m_strPath, error);
}

cFakeShell::cFakeShell() { SetShell(this); }

cFakeShell::~cFakeShell() { SetShell(nullptr); }

int cFakeShell::ShowBox(void* owner, const char* text, const char* caption, unsigned type) {
  m_vBoxes.push_back(cBox{text ? text : "", caption ? caption : "", type, owner});
  if (!m_vAnswers.empty()) {
    int answer = m_vAnswers.front();
    m_vAnswers.erase(m_vAnswers.begin());
    return answer;
  }
  unsigned buttons = type & 0xF;
  return buttons == kMbYesNo || buttons == kMbYesNoCancel ? kIdYes : kIdOk;
}

cTestReportLog::cTestReportLog() { CreateReportLog("Report_Editor.txt"); }

std::string cTestReportLog::Text() const {
  Bytes bytes = ReadFileBytes("Report_Editor.txt");
  return std::string(bytes.begin(), bytes.end());
}

std::vector<std::string> cTestReportLog::Lines() const {
  std::vector<std::string> lines;
  std::string text = Text();
  size_t start = 0;
  for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  return lines;
}
