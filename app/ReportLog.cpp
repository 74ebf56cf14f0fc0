#include "app/ReportLog.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <mutex>

#include "app/cDataStream.h"
#include "app/cString.h"

namespace {

constexpr size_t kPathSize = 260;

// Entries come from the user-interface thread and from the MIDI player threads.
std::mutex g_LogLock;
std::string g_strReportPath;

struct cErrorLogState {
  int m_bEnable = 0;
  std::string m_strPath;
  bool m_bWritten = false;
};
cErrorLogState g_ErrorLog;

std::string FormatArgs(const char* format, va_list args) {
  va_list copy;
  va_copy(copy, args);
  int n = vsnprintf(nullptr, 0, format ? format : "", copy);
  va_end(copy);
  if (n <= 0) return std::string();
  std::string text(static_cast<size_t>(n) + 1, '\0');
  vsnprintf(&text[0], text.size(), format, args);
  text.resize(static_cast<size_t>(n));
  return text;
}

// The log holds CR LF line ends, as a text-mode stream writes them on the editor's platform.
void WriteLines(FILE* file, const std::string& text) {
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\n') continue;
    std::fwrite(text.data() + start, 1, i - start, file);
    std::fwrite("\r\n", 1, 2, file);
    start = i + 1;
  }
  std::fwrite(text.data() + start, 1, text.size() - start, file);
}

int AppendEntry(const std::string& path, const std::string& text) {
  if (path.empty()) return 0;
  FILE* file = std::fopen(HostPath(path.c_str()).c_str(), "rb+");
  if (!file) return 0;
  std::fseek(file, 0, SEEK_END);
  WriteLines(file, text);
  std::fclose(file);
  return 1;
}

}  // namespace

int CreateReportLog(const char* path) {
  if (!path || std::strlen(path) >= kPathSize) return 0;
  FILE* file = std::fopen(HostPath(path).c_str(), "wb");
  if (!file) return 0;
  std::fclose(file);
  std::lock_guard<std::mutex> lock(g_LogLock);
  g_strReportPath = path;
  return 1;
}

const char* ReportLogPath() { return g_strReportPath.c_str(); }

int LogReport(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = FormatArgs(format, args);
  va_end(args);
  std::lock_guard<std::mutex> lock(g_LogLock);
  return AppendEntry(g_strReportPath, text + "\n");
}

int LogReportAndError(const char* format, ...) {
  char buffer[1024];
  va_list args;
  va_start(args, format);
  FormatBounded(buffer, sizeof buffer, format, args);
  va_end(args);
  int ok;
  {
    std::lock_guard<std::mutex> lock(g_LogLock);
    ok = AppendEntry(g_strReportPath, std::string(buffer) + "\n");
  }
  if (ok) LogError(buffer);
  return ok;
}

void SetErrorLog(int enable, const char* path) {
  std::lock_guard<std::mutex> lock(g_LogLock);
  g_ErrorLog.m_bEnable = enable;
  g_ErrorLog.m_strPath = path ? path : "";
}

int ErrorLogEnabled() { return g_ErrorLog.m_bEnable; }

void LogError(const char* text) {
  std::lock_guard<std::mutex> lock(g_LogLock);
  if (!g_ErrorLog.m_bEnable) return;
  std::string path = HostPath(g_ErrorLog.m_strPath.c_str());
  FILE* file;
  if (!g_ErrorLog.m_bWritten) {
    g_ErrorLog.m_bWritten = true;
    file = std::fopen(path.c_str(), "wb");
  } else {
    file = std::fopen(path.c_str(), "rb+");
    if (file) std::fseek(file, 0, SEEK_END);
  }
  if (!file) return;
  WriteLines(file, std::string(text ? text : "") + "\n");
  std::fclose(file);
}

int LogErrorF(const char* format, ...) {
  if (!g_ErrorLog.m_bEnable) return 0;
  va_list args;
  va_start(args, format);
  std::string text = FormatArgs(format, args);
  va_end(args);
  LogError(text.c_str());
  return 1;
}

int WriteSystemReport(const cSystemFacts& facts) {
  const double mb = 1048576.0;
  cString report;
  report.Format("OS : %s\n", facts.m_strOs.c_str());
  report.AppendFormat("CPU : %s %s %d\n", facts.m_strCpuVendor.c_str(), facts.m_strCpuBrand.c_str(),
                      static_cast<int>(facts.m_dClockHz * 0.000001));
  report.AppendFormat("Mem Total : %.3fMB\n", facts.m_nMemTotal / mb);
  report.AppendFormat("Mem Free : %3.fMB\n", facts.m_nMemFree / mb);
  report.AppendFormat("Vir Total : %.3fMB\n", facts.m_nVirTotal / mb);
  report.AppendFormat("Vir Free : %3.fMB\n", facts.m_nVirFree / mb);
  report.AppendFormat("HD Free : %3.fMB\n", facts.m_nDiskFree / mb);
  std::lock_guard<std::mutex> lock(g_LogLock);
  return AppendEntry(g_strReportPath, report);
}

const char* OsNameOf(uint32_t platformId, uint32_t major, uint32_t minor) {
  if (platformId == 0) return "Windows 3.1";
  if (platformId == 1) {
    if (minor == 0) return "Windows 95";
    if (minor == 10) return "Windows 98";
    if (minor == 90) return "Windows Me";
  }
  if (platformId == 2) {
    if (major == 3) return "Windows NT 3.51";
    if (major == 4) return "Windows NT 4.0";
    if (major == 5 && minor == 0) return "Windows 2000";
    if (major == 5 && minor == 1) return "Windows XP";
    if (major == 5 && minor == 2) return "Windows XP Professional x64 Edition ?";
    if (major == 6 && minor == 0) return "Windows Vista";
    if (major == 6 && minor == 1) return "Windows 7";
  }
  return "Windows";
}

std::string FormatOsVersion(uint32_t platformId, uint32_t major, uint32_t minor, uint32_t build,
                            const char* servicePack) {
  cString text;
  text.Format("%s %s PID %d Build %d", OsNameOf(platformId, major, minor), servicePack ? servicePack : "",
              static_cast<int>(platformId), static_cast<int>(build));
  return text;
}

int32_t CapDiskSpace(uint64_t bytes) {
  return bytes > 0x7FFFFFFFull ? 0x7FFFFFFF : static_cast<int32_t>(bytes);
}

uint32_t CapMemorySize(uint64_t bytes) {
  return bytes > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<uint32_t>(bytes);
}
