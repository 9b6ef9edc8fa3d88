#include "core/log/system_report.h"

#include "core/log/report_log.h"
#include "core/text/str_format.h"

namespace {

constexpr double kBytesPerMB = 1048576.0;

}  // namespace

SystemFacts GatherSystemFacts() {
  SystemFacts facts;
  facts.osName = GetOSName();
  GetCpuInfo(&facts.cpu);
  facts.memory = GetMemoryStatus();
  facts.diskFreeBytes = GetDiskFreeBytes(nullptr);
  return facts;
}

std::vector<std::string> SystemReportLines(const SystemFacts& f) {
  const MemoryStatus& m = f.memory;
  return {
      StrFormatLimited(kNoTextLimit, "OS : %s", f.osName.c_str()),
      StrFormatLimited(kNoTextLimit, "CPU : %s %s %d", f.cpu.vendor.c_str(), f.cpu.brand.c_str(),
                       static_cast<int>(f.cpu.clockHz * 0.000001)),
      StrFormatLimited(kNoTextLimit, "Mem Total : %.3fMB", m.totalPhys / kBytesPerMB),
      StrFormatLimited(kNoTextLimit, "Mem Free : %3.fMB", m.availPhys / kBytesPerMB),
      StrFormatLimited(kNoTextLimit, "Vir Total : %.3fMB", m.totalVirtual / kBytesPerMB),
      StrFormatLimited(kNoTextLimit, "Vir Free : %3.fMB", m.availVirtual / kBytesPerMB),
      StrFormatLimited(kNoTextLimit, "HD Free : %3.fMB", f.diskFreeBytes / kBytesPerMB),
  };
}

int WriteSystemReport() {
  std::vector<std::string> lines = SystemReportLines(GatherSystemFacts());
  return ReportLogLines(lines);
}
