// The stage runner (stagerun_command.h).
#include <iostream>
#include <string>
#include <vector>

#include "tools/stagerun/stagerun_command.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return RunStagerun(args, std::cout, std::cerr);
}
