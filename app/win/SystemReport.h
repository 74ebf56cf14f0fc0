#pragma once
// The system report of the log: operating system, processor, memory and free disk space.

#include <windows.h>

#include "app/ReportLog.h"

struct cCpuInfo {
  char m_szBrand[256];
  char m_szVendor[256];
  double m_dClock;
};

void GetOsVersion(char* text);
void GetMemoryStatus(MEMORYSTATUS& status);
void GetCpuInfo(cCpuInfo& info);
double MeasureCpuClock();
int32_t FreeDiskSpace(const char* root);
int SystemReport();

// The clock measurement busy-waits one second; tests and quick starts put a faster one here.
using CpuClockFn = double (*)();
void SetCpuClockMeasure(CpuClockFn measure);
