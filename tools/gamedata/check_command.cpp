#include "tools/gamedata/check_command.h"

#include <filesystem>
#include <system_error>

#include "app/startup/data_startup.h"
#include "core/text/cp932.h"
#include "tools/gamedata/box_capture.h"
#include "tools/gamedata/gamedata_command.h"

namespace fs = std::filesystem;

namespace {

// Box texts may span lines; a step keeps to one.
std::string OneLine(std::string text) {
  for (char& c : text) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  return text;
}

void PrintStep(std::ostream& out, const cDataStepReport& report, cBoxCapture& boxes) {
  out << (report.bOk ? "ok    " : "FAIL  ") << report.lpName;
  std::string said = report.strDetail.empty() ? std::string() : Cp932ToUtf8Lossy(report.strDetail);
  for (const std::string& text : boxes.Take()) {
    if (!said.empty()) said += " | ";
    said += text;
  }
  if (!said.empty()) out << ": " << OneLine(said);
  out << "\n";
}

}  // namespace

int CheckCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  std::error_code ec;
  if (!fs::is_directory(args[0], ec)) {
    err << "gamedata: " << args[0] << ": not a folder\n";
    return kExitFailed;
  }
  // The steps work in the current folder, as the player does in its project.
  fs::current_path(args[0], ec);
  if (ec) {
    err << "gamedata: " << args[0] << ": cannot be entered: " << ec.message() << "\n";
    return kExitFailed;
  }
  cBoxCapture boxes;
  cDataStartupOptions options;
  options.bCreateWorkingFolders = false;
  options.onStep = [&](const cDataStepReport& report) { PrintStep(out, report, boxes); };
  return RunDataStartup(options).bOk ? kExitOk : kExitFailed;
}
