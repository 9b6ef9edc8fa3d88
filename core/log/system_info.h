#pragma once
// What the machine is: operating system, processor, memory, free disk space and
// video memory, for the system report and for the few parts that size things by
// them. Read from Linux (uname, /proc/cpuinfo, sysinfo, statvfs).

#include <cstdint>
#include <string>
#include <string_view>

// The system's name line ("Linux 6.1.0-13-amd64 #1 SMP ... x86_64") and the
// kernel's major and minor version (0 and 0 when the release cannot be read).
std::string GetOSName(int32_t* major = nullptr, int32_t* minor = nullptr);

// Reads "6.1.0-13-amd64" as 6 and 1. False, and both 0, when it does not start so.
bool ParseOsRelease(std::string_view release, int32_t* major, int32_t* minor);

// True when (haveMajor, haveMinor) is at least (major, minor).
constexpr bool VersionAtLeast(int32_t haveMajor, int32_t haveMinor, int32_t major,
                              int32_t minor) {
  return haveMajor > major || (haveMajor == major && haveMinor >= minor);
}

// True when the running kernel's version is at least major.minor.
bool IsOSVersionAtLeast(int32_t major, int32_t minor);

struct CPUINFO {
  std::string vendor;  // "GenuineIntel"; empty when the system does not say
  std::string brand;   // "Intel(R) Core(TM) ..."; empty when the system does not say
  double clockHz = 0;  // 0 when unknown
};

// The first processor's vendor, brand and clock from /proc/cpuinfo text.
CPUINFO ParseCpuInfo(std::string_view procCpuinfo);
// The same for this machine.
void GetCpuInfo(CPUINFO* info);
// The processor clock in Hz as the kernel last saw it ("cpu MHz"), 0 when it does
// not say. Never measured by waiting: start-up must not stall for it.
double MeasureCpuClock();

// Bytes of physical memory and of memory for programs (physical plus swap).
struct MemoryStatus {
  double totalPhys = 0;
  double availPhys = 0;
  double totalVirtual = 0;
  double availVirtual = 0;
};
MemoryStatus GetMemoryStatus();

// Free bytes for the user on the file system of directory (null: the current
// folder), capped at 2147483647; 0 when it cannot be asked.
int32_t GetDiskFreeBytes(const char* directory = nullptr);
constexpr int32_t CapDiskFreeBytes(uint64_t bytes) {
  return bytes > 2147483647u ? 2147483647 : static_cast<int32_t>(bytes);
}

// Total and free video memory in MB. The software renderer has none: both 0.
void GetVramMB(int32_t* total, int32_t* free);
