// The gamedata tool (gamedata_command.h).
#include <iostream>
#include <string>
#include <vector>

#include "tools/gamedata/gamedata_command.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return RunGamedata(args, std::cout, std::cerr);
}
