#include "core/containers/bad_index_report.h"

#include <cstdio>

#include "core/log/report_log.h"
#include "core/thread/messages.h"

namespace {

const char* const kLineFormat[] = {
    "err V[%d] ( %d , %d )",  // ContainerKind::Vector
    "err L[%d] ( %d , %d )",  // ContainerKind::List
};

}  // namespace

void LogBadIndex(ContainerKind kind, int32_t index, int32_t count, int32_t elementSize) {
  char line[64];
  std::snprintf(line, sizeof line, kLineFormat[static_cast<int>(kind)], index, count, elementSize);
  EcLogText(line);
  // The line goes in as an argument, never as the format: it is logged as it stands.
  ReportLog("%s", line);
}

void ReportBadIndex(ContainerKind kind, int32_t index, int32_t count, int32_t elementSize) {
  LogBadIndex(kind, index, count, elementSize);
  PostMessage(g_hWnd, WM_CLOSE, 0, 0);
}
