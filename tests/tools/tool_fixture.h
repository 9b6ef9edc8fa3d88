#pragma once
// Runs of the built gamedata tool with its exit status and both output
// streams.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "support/temp_dir.h"
#include "tools/tool_project.h"

struct cToolRun {
  int exitCode = -1;
  std::string out;
  std::string err;

  nlohmann::ordered_json Json() const { return nlohmann::ordered_json::parse(out); }
};

// Runs build/gamedata with args; its outputs go through files in scratch.
inline cToolRun RunGamedataTool(const std::vector<std::string>& args) {
  TempDir scratch;
  std::string command = std::string("'") + GAMEDATA_EXE + "'";
  for (const std::string& arg : args) command += " '" + arg + "'";
  command += " >'" + scratch.file("out") + "' 2>'" + scratch.file("err") + "'";
  const int status = std::system(command.c_str());
  cToolRun run;
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = ReadFileBytes(scratch.file("out"));
  run.err = ReadFileBytes(scratch.file("err"));
  return run;
}
