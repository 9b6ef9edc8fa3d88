#include "platform/dd/blend_table.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "core/log/report_log.h"
#include "core/path/host_path.h"
#include "platform/dd/device_records.h"

// Constant-initialised: exists before any start-up code loads it.
constinit std::array<uint8_t, kBlendTableSize> g_BlendTable{};

namespace {

struct BlendFileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

bool DDLoadBlendTable(uint8_t* lpTable, const char* file) {
  if (lpDTCon != nullptr) return true;
  const char* name = file != nullptr ? file : "";
  if (lpTable == nullptr || *name == '\0') return false;
  const std::string host = ResolveDataPath(name);
  std::unique_ptr<std::FILE, BlendFileCloser> f(host.empty() ? nullptr : std::fopen(host.c_str(), "rb"));
  if (!f) {
    ReportLog("%s: the blend table cannot be opened", name);
    return false;
  }
  // Read into a scratch table first: a refused file leaves every entry as it was.
  std::vector<uint8_t> scratch(kBlendTableSize);
  const std::size_t got = std::fread(scratch.data(), 1, scratch.size(), f.get());
  if (got < kBlendTableSize) {
    ReportLog("%s: the blend table has %zu bytes, not %zu", name, got, kBlendTableSize);
    return false;
  }
  std::copy(scratch.begin(), scratch.end(), lpTable);
  return true;
}
