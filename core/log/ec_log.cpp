#include "core/log/ec_log.h"

#include <atomic>
#include <cstdarg>
#include <string>

#include "core/log/log_file.h"
#include "core/log/log_path.h"
#include "core/text/str_format.h"

namespace {

std::atomic<int> g_ecEnabled{0};
// Set by the first write after SetEcLog, which truncates the file; later writes
// append.
std::atomic<bool> g_ecFirstWriteDone{false};

cLogPath& EcPath() {
  static cLogPath path;
  return path;
}

void EcLogV(const char* format, va_list args) {
  if (!IsEcLogEnabled()) return;
  std::string text = StrVFormatLimited(kNoTextLimit, format, args);
  EcLogText(text.c_str());
}

}  // namespace

void SetEcLog(int enable, const char* path) {
  EcPath().Set(path != nullptr ? path : "");
  g_ecFirstWriteDone = false;
  g_ecEnabled = enable != 0 ? 1 : 0;
}

bool IsEcLogEnabled() { return g_ecEnabled.load() != 0; }

int EcLogText(const char* text) {
  if (!IsEcLogEnabled()) return 0;
  const LogOpen mode = g_ecFirstWriteDone.exchange(true) ? LogOpen::kAppend : LogOpen::kCreate;
  return AppendLogLine(EcPath().Get(), text != nullptr ? text : "", mode) ? 1 : 0;
}

void EcLogString(const char* text) { EcLogText(text); }

void EcLog(const char* format, ...) {
  va_list args;
  va_start(args, format);
  EcLogV(format, args);
  va_end(args);
}

void EcLogClose(HWND window, const char* format, ...) {
  va_list args;
  va_start(args, format);
  EcLogV(format, args);
  va_end(args);
  PostMessage(window, WM_CLOSE, 0, 0);
}
