#include "core/log/display_report.h"

#include <atomic>

#include "core/log/report_log.h"
#include "core/text/str_format.h"

namespace {

std::atomic<DisplayReportSource> g_source{nullptr};

}  // namespace

void SetDisplayReportSource(DisplayReportSource source) { g_source = source; }

std::vector<std::string> DisplayReportLines(const DisplayReportFacts& facts) {
  std::vector<std::string> lines;
  lines.push_back(facts.windowMode != 0 ? "Mode : Window" : "Mode : Fullscreen");
  lines.push_back(StrFormatLimited(kNoTextLimit, "Bpp : %d", static_cast<int>(facts.bpp)));
  lines.insert(lines.end(), facts.extraLines.begin(), facts.extraLines.end());
  return lines;
}

int WriteDisplayReport(int flag) {
  DisplayReportSource source = g_source.load();
  DisplayReportFacts facts = source != nullptr ? source(flag) : DisplayReportFacts{};
  std::vector<std::string> lines = DisplayReportLines(facts);
  return ReportLogLines(lines);
}
