#include "core/log/report_log.h"

#include <cstdarg>

#include "core/log/log_file.h"
#include "core/log/log_path.h"
#include "core/mesbox/error_mesbox.h"
#include "core/text/str_format.h"

namespace {

cLogPath& StoredPath() {
  static cLogPath path;
  return path;
}

// Writes the text to the report log and, when that worked, to the EC log.
int WriteBoth(const std::string& text) {
  if (!AppendLogLine(ReportLogPath(), text, LogOpen::kExisting)) return 0;
  EcLogText(text.c_str());
  return 1;
}

}  // namespace

int OpenReportLog(const char* path) {
  if (path == nullptr || !CreateEmptyLogFile(path)) return 0;
  StoredPath().Set(path);
  return 1;
}

std::string ReportLogPath() { return StoredPath().Get(); }

int ReportLog(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = StrVFormatLimited(kNoTextLimit, format, args);
  va_end(args);
  return AppendLogLine(ReportLogPath(), text, LogOpen::kExisting) ? 1 : 0;
}

int ReportLogLines(const std::vector<std::string>& lines) {
  return AppendLogLines(ReportLogPath(), lines.data(), lines.size(), LogOpen::kExisting) ? 1 : 0;
}

int ReportLogBoth(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = StrVFormatLimited(kBoxTextLimit, format, args);
  va_end(args);
  return WriteBoth(text);
}

int ReportLogMesBox(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = StrVFormatLimited(kBoxTextLimit, format, args);
  va_end(args);
  int written = WriteBoth(text);
  ErrMesBox(text.c_str());
  return written;
}
