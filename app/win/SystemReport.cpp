#include "app/win/SystemReport.h"

#include <cpuid.h>
#include <x86intrin.h>

#include <cstring>

namespace {

CpuClockFn g_pfnClock = MeasureCpuClock;

void Cpuid(unsigned leaf, unsigned regs[4]) { __cpuid(leaf, regs[0], regs[1], regs[2], regs[3]); }

}  // namespace

void SetCpuClockMeasure(CpuClockFn measure) { g_pfnClock = measure ? measure : MeasureCpuClock; }

void GetOsVersion(char* text) {
  OSVERSIONINFOA info;
  std::memset(&info, 0, sizeof info);
  info.dwOSVersionInfoSize = sizeof info;
  GetVersionExA(&info);
  std::string os = FormatOsVersion(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion,
                                   info.dwBuildNumber, info.szCSDVersion);
  lstrcpynA(text, os.c_str(), 256);
}

void GetMemoryStatus(MEMORYSTATUS& status) {
  status.dwLength = sizeof status;
  GlobalMemoryStatus(&status);
}

void GetCpuInfo(cCpuInfo& info) {
  std::memset(info.m_szBrand, 0, sizeof info.m_szBrand);
  std::memset(info.m_szVendor, 0, sizeof info.m_szVendor);
  unsigned regs[4];
  if (__get_cpuid_max(0, nullptr) != 0) {
    Cpuid(0, regs);
    std::memcpy(info.m_szVendor, &regs[1], 4);
    std::memcpy(info.m_szVendor + 4, &regs[3], 4);
    std::memcpy(info.m_szVendor + 8, &regs[2], 4);
  }
  if (__get_cpuid_max(0x80000000, nullptr) >= 0x80000004) {
    for (unsigned i = 0; i < 3; ++i) {
      Cpuid(0x80000002 + i, regs);
      std::memcpy(info.m_szBrand + 16 * i, regs, 16);
    }
  }
  info.m_dClock = g_pfnClock();
}

double MeasureCpuClock() {
  LARGE_INTEGER c0, c1, c2, frequency;
  QueryPerformanceCounter(&c0);
  QueryPerformanceCounter(&c1);
  unsigned long long t0 = __rdtsc();
  DWORD start = GetTickCount();
  while (GetTickCount() - start < 1000) {
  }
  QueryPerformanceCounter(&c2);
  unsigned long long t1 = __rdtsc();
  QueryPerformanceFrequency(&frequency);
  double seconds = static_cast<double>((c2.QuadPart - c1.QuadPart) - (c1.QuadPart - c0.QuadPart)) /
                   static_cast<double>(frequency.QuadPart);
  return seconds > 0 ? static_cast<double>(t1 - t0) / seconds : 0;
}

int32_t FreeDiskSpace(const char* root) {
  using FreeSpaceFn = BOOL(WINAPI*)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  auto freeSpace = kernel ? reinterpret_cast<FreeSpaceFn>(
                                reinterpret_cast<void*>(GetProcAddress(kernel, "GetDiskFreeSpaceExA")))
                          : nullptr;
  if (!freeSpace) return 0;
  ULARGE_INTEGER available, total;
  if (!freeSpace(root, &available, &total, nullptr)) return 0;
  return CapDiskSpace(available.QuadPart);
}

int SystemReport() {
  cSystemFacts facts;
  char os[256];
  GetOsVersion(os);
  facts.m_strOs = os;
  cCpuInfo cpu;
  GetCpuInfo(cpu);
  facts.m_strCpuVendor = cpu.m_szVendor;
  facts.m_strCpuBrand = cpu.m_szBrand;
  facts.m_dClockHz = cpu.m_dClock;
  MEMORYSTATUS memory;
  GetMemoryStatus(memory);
  facts.m_nMemTotal = CapMemorySize(memory.dwTotalPhys);
  facts.m_nMemFree = CapMemorySize(memory.dwAvailPhys);
  facts.m_nVirTotal = CapMemorySize(memory.dwTotalVirtual);
  facts.m_nVirFree = CapMemorySize(memory.dwAvailVirtual);
  facts.m_nDiskFree = FreeDiskSpace(nullptr);
  return WriteSystemReport(facts);
}
