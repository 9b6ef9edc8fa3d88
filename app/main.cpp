// Entry point of the player. The project folder is the current directory.
//
// Start-up so far: the logs and the system report, then the data steps. The
// window, the scenes and play are not there yet, so the program ends after the
// data has loaded and says how far it got.
#include <cstdio>
#include <string>

#include "app/startup/data_startup.h"
#include "core/log/report_log.h"
#include "core/log/system_report.h"
#include "core/path/path_relative.h"
#include "core/thread/messages.h"
#include "platform/ui/sdl_message_box.h"
#include "records/record/record_version.h"

namespace {

bool OpenLogs() {
  SetEcLog(0, "EC_Game.txt");
  std::string logPath = "Report_Game.txt";
  PathToAbsolute(logPath);
  if (!OpenReportLog(logPath.c_str())) return false;
  ReportLog("App : ver %d", g_nDataVersion);
  WriteSystemReport();
  return true;
}

}  // namespace

int main() {
  SetWindowThread();
  InstallMesBoxPresenter();
  if (!OpenLogs()) {
    std::fprintf(stderr, "game: cannot create Report_Game.txt in the current folder\n");
    return 1;
  }
  cDataStartupResult result = RunDataStartup();
  if (!result.bOk) {
    std::fprintf(stderr, "game: start-up stopped after: %s (see Report_Game.txt)\n",
                 result.strReached.empty() ? "logs" : result.strReached.c_str());
    return 1;
  }
  std::printf("game: start-up reached: logs, %s. The window and the scenes are not built yet.\n",
              result.strReached.c_str());
  return 0;
}
