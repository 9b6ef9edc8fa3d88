#pragma once
// Runs of build/stagerun on a sample project written once for a test suite:
// the exit status, both output streams and the JSON lines.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "support/temp_dir.h"
#include "tools/sample/sample_project.h"

struct cStagerunRun {
  using Json = nlohmann::ordered_json;

  int exitCode = -1;
  std::string out;
  std::string err;

  std::vector<Json> Lines() const {
    std::vector<Json> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) lines.push_back(Json::parse(line));
    return lines;
  }
  std::vector<Json> Kind(const std::string& kind) const {
    std::vector<Json> lines;
    for (Json& line : Lines()) {
      if (line["kind"] == kind) lines.push_back(std::move(line));
    }
    return lines;
  }
};

// One sample project for the whole suite: writing it takes a while.
class StagerunTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_Dir = new TempDir();
    std::string error;
    s_bWritten = WriteSampleProject(s_Dir->path() / "sample", error);
    s_strError = error;
  }
  static void TearDownTestSuite() {
    delete s_Dir;
    s_Dir = nullptr;
  }
  void SetUp() override { ASSERT_TRUE(s_bWritten) << s_strError; }

  static std::string Project() { return (s_Dir->path() / "sample").string(); }

  // Runs build/stagerun in scratch_ (FILE arguments are relative to it). Its
  // outputs go through files named after outputs, so runs with different
  // names may go on at the same time.
  cStagerunRun Run(const std::vector<std::string>& args, const std::string& outputs = "run") const {
    const std::string out = scratch_.file(outputs + ".out");
    const std::string err = scratch_.file(outputs + ".err");
    std::string command = "cd '" + scratch_.path().string() + "' && '" + std::string(STAGERUN_EXE) + "'";
    for (const std::string& arg : args) command += " '" + arg + "'";
    command += " >'" + out + "' 2>'" + err + "'";
    const int status = std::system(command.c_str());
    cStagerunRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadFileBytes(out);
    run.err = ReadFileBytes(err);
    return run;
  }

  void WriteScratch(const std::string& name, const std::string& text) const {
    WriteFileBytes(scratch_.path() / name, text);
  }

  TempDir scratch_;
  inline static TempDir* s_Dir = nullptr;
  inline static bool s_bWritten = false;
  inline static std::string s_strError;
};
