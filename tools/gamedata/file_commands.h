#pragma once
// gamedata dump and gamedata resave (gamedata_command.h).

#include <ostream>
#include <span>
#include <string>

// args: PATH.
int DumpCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
// args: PATH, OUT.
int ResaveCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
