#include "core/log/system_info.h"

#include <sys/statvfs.h>
#include <sys/sysinfo.h>
#include <sys/utsname.h>

#include <charconv>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace {

std::string_view Trim(std::string_view s) {
  const char* spaces = " \t\r\n";
  std::size_t b = s.find_first_not_of(spaces);
  if (b == std::string_view::npos) return {};
  std::size_t e = s.find_last_not_of(spaces);
  return s.substr(b, e - b + 1);
}

std::string ReadWholeFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Reads a leading decimal number; false when there is none.
bool ReadNumber(std::string_view& s, int32_t* value) {
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), *value);
  if (ec != std::errc() || end == s.data()) return false;
  s.remove_prefix(static_cast<std::size_t>(end - s.data()));
  return true;
}

}  // namespace

bool ParseOsRelease(std::string_view release, int32_t* major, int32_t* minor) {
  int32_t ma = 0;
  int32_t mi = 0;
  bool ok = ReadNumber(release, &ma) && release.starts_with('.');
  if (ok) {
    release.remove_prefix(1);
    ok = ReadNumber(release, &mi);
  }
  if (!ok) ma = mi = 0;
  if (major != nullptr) *major = ma;
  if (minor != nullptr) *minor = mi;
  return ok;
}

std::string GetOSName(int32_t* major, int32_t* minor) {
  struct utsname u {};
  if (uname(&u) != 0) {
    ParseOsRelease("", major, minor);
    return std::string();
  }
  ParseOsRelease(u.release, major, minor);
  return std::string(u.sysname) + " " + u.release + " " + u.version + " " + u.machine;
}

bool IsOSVersionAtLeast(int32_t major, int32_t minor) {
  int32_t haveMajor = 0;
  int32_t haveMinor = 0;
  GetOSName(&haveMajor, &haveMinor);
  return VersionAtLeast(haveMajor, haveMinor, major, minor);
}

CPUINFO ParseCpuInfo(std::string_view text) {
  CPUINFO info;
  bool haveVendor = false, haveBrand = false, haveClock = false;
  while (!text.empty()) {
    std::size_t nl = text.find('\n');
    std::string_view line = text.substr(0, nl);
    text.remove_prefix(nl == std::string_view::npos ? text.size() : nl + 1);
    // A blank line ends the first processor's block.
    if (Trim(line).empty() && (haveVendor || haveBrand || haveClock)) break;
    std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) continue;
    std::string_view key = Trim(line.substr(0, colon));
    std::string_view value = Trim(line.substr(colon + 1));
    if (key == "vendor_id" && !haveVendor) {
      info.vendor = value;
      haveVendor = true;
    } else if (key == "model name" && !haveBrand) {
      info.brand = value;
      haveBrand = true;
    } else if (key == "cpu MHz" && !haveClock) {
      info.clockHz = std::strtod(std::string(value).c_str(), nullptr) * 1e6;
      haveClock = true;
    }
  }
  return info;
}

void GetCpuInfo(CPUINFO* info) {
  if (info != nullptr) *info = ParseCpuInfo(ReadWholeFile("/proc/cpuinfo"));
}

double MeasureCpuClock() { return ParseCpuInfo(ReadWholeFile("/proc/cpuinfo")).clockHz; }

MemoryStatus GetMemoryStatus() {
  MemoryStatus status;
  struct sysinfo si {};
  if (sysinfo(&si) != 0) return status;
  const double unit = si.mem_unit != 0 ? static_cast<double>(si.mem_unit) : 1.0;
  status.totalPhys = static_cast<double>(si.totalram) * unit;
  status.availPhys = static_cast<double>(si.freeram) * unit;
  status.totalVirtual = static_cast<double>(si.totalram + si.totalswap) * unit;
  status.availVirtual = static_cast<double>(si.freeram + si.freeswap) * unit;
  return status;
}

int32_t GetDiskFreeBytes(const char* directory) {
  struct statvfs fs {};
  if (statvfs(directory != nullptr ? directory : ".", &fs) != 0) return 0;
  return CapDiskFreeBytes(static_cast<uint64_t>(fs.f_bavail) * fs.f_frsize);
}

void GetVramMB(int32_t* total, int32_t* free) {
  if (total != nullptr) *total = 0;
  if (free != nullptr) *free = 0;
}
