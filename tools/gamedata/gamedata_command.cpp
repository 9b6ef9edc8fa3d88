#include "tools/gamedata/gamedata_command.h"

#include <string_view>

#include "tools/gamedata/check_command.h"
#include "tools/gamedata/file_commands.h"
#include "tools/gamedata/file_kinds.h"

namespace {

void PrintUsage(std::ostream& err) {
  err << "usage: gamedata dump PATH\n"
         "       gamedata resave PATH OUT\n"
         "       gamedata check DIR\n"
         "files: "
      << KnownFileKinds() << "\n";
}

struct cCommand {
  std::string_view name;
  std::size_t nArgs;
  int (*run)(std::span<const std::string> args, std::ostream& out, std::ostream& err);
};

constexpr cCommand kCommands[] = {
    {"dump", 1, DumpCommand},
    {"resave", 2, ResaveCommand},
    {"check", 1, CheckCommand},
};

}  // namespace

int RunGamedata(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  if (!args.empty()) {
    for (const cCommand& command : kCommands) {
      if (args[0] == command.name && args.size() == command.nArgs + 1) {
        return command.run(args.subspan(1), out, err);
      }
    }
  }
  PrintUsage(err);
  return kExitUsage;
}
