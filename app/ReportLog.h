#pragma once
// The report log Report_Editor.txt: created empty at start, one CR LF line per entry.
// Beside it the error-code log, switched off for the life of the process.

#include <cstdint>
#include <string>

int CreateReportLog(const char* path);
// The report-log path, empty until CreateReportLog succeeds.
const char* ReportLogPath();
int LogReport(const char* format, ...) __attribute__((format(printf, 1, 2)));
int LogReportAndError(const char* format, ...) __attribute__((format(printf, 1, 2)));

void SetErrorLog(int enable, const char* path);
int ErrorLogEnabled();
void LogError(const char* text);
int LogErrorF(const char* format, ...) __attribute__((format(printf, 1, 2)));

// What the system report prints, gathered by the shell.
struct cSystemFacts {
  std::string m_strOs;
  std::string m_strCpuVendor;
  std::string m_strCpuBrand;
  double m_dClockHz = 0;
  uint32_t m_nMemTotal = 0;
  uint32_t m_nMemFree = 0;
  uint32_t m_nVirTotal = 0;
  uint32_t m_nVirFree = 0;
  int32_t m_nDiskFree = 0;
};

// Appends the seven lines of the system report; 0 when the log cannot be opened.
int WriteSystemReport(const cSystemFacts& facts);
// The name of a Windows version; an unknown one gets a fixed name so the line always says something.
const char* OsNameOf(uint32_t platformId, uint32_t major, uint32_t minor);
// "%s %s PID %d Build %d": name, service pack, platform id, build.
std::string FormatOsVersion(uint32_t platformId, uint32_t major, uint32_t minor, uint32_t build,
                            const char* servicePack);
// Free bytes as the report shows them: capped at the largest signed 32-bit value.
int32_t CapDiskSpace(uint64_t bytes);
// A memory size as the report's 32-bit fields hold it: at most 4 GB less one byte, as the 32-bit
// program's memory status gives it, so that a 64-bit build's larger sizes never wrap around.
uint32_t CapMemorySize(uint64_t bytes);
