#pragma once
// gamedata check (gamedata_command.h): the data steps of start-up
// (RunDataStartup) on a project folder, one line per step. Boxes are not
// shown: the failing step's line carries what the player would have shown. The
// project is left as it is, but for the default data: a project without its
// data folder gets its copy of the default folder, as the player would after a
// yes, and the line says so.

#include <ostream>
#include <span>
#include <string>

// args: DIR.
int CheckCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
