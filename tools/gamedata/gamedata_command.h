#pragma once
// The gamedata tool: reads, shows and writes back the project's data files with
// the program's own loaders, and checks a project folder as start-up would.
//
//   gamedata dump PATH        the file's record tree as JSON on standard output
//   gamedata resave PATH OUT  loads PATH and writes it to OUT at the current version
//   gamedata check DIR        the data steps of start-up on project folder DIR
//
// Exit status: 0 done, 1 the file did not load or write (or a step failed), 2 a
// usage error. Reasons go to standard error.

#include <ostream>
#include <span>
#include <string>

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// args: the arguments after the program name.
int RunGamedata(std::span<const std::string> args, std::ostream& out, std::ostream& err);
