// Every sample stage under random key scripts: build/stagerun finishes each
// run without a sanitizer report and without asking to close the program.
// The scripts come from fixed seeds, so a failing run can be repeated.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <future>
#include <random>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "tools/stagerun_fixture.h"

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

constexpr int kScriptsPerStage = 20;
constexpr std::size_t kRunsAtOnce = 4;
// Long enough to reach the first enemies and shots of every stage, short
// enough that all the runs take seconds in the optimised build.
constexpr int kFrames = 240;
// The crowded stage costs a hundred small stages a frame; its first second
// already runs every pass with hundreds of charas and shots.
constexpr const char* kCrowdedStage = "data\\stg4\\bench.stg4";
constexpr int kCrowdedFrames = 60;
constexpr const char* kKeyNames[] = {"left", "right", "up", "down", "b1", "b2", "b3"};

// A key script of changes at random frames, each holding a random set of
// keys (or none); raw generator bits keep it the same on every library.
std::string RandomKeys(uint32_t seed) {
  std::mt19937 random(seed);
  std::string script;
  for (int frame = 1 + static_cast<int>(random() % 20); frame < kFrames; frame += 1 + static_cast<int>(random() % 30)) {
    std::string keys;
    const uint32_t bits = random();
    for (std::size_t k = 0; k < std::size(kKeyNames); ++k) {
      if ((bits >> (3 * k)) % 3 == 0) keys += std::string(" ") + kKeyNames[k];
    }
    script += std::to_string(frame) + (keys.empty() ? " -" : keys) + "\n";
  }
  return script;
}

// The stages of the written project as stagerun names them: the first
// numbered file of each, less its number.
std::vector<std::string> SampleStages(const fs::path& project) {
  std::vector<std::string> stages;
  for (const fs::directory_entry& entry : fs::directory_iterator(project / "data" / "stg4")) {
    const std::string name = entry.path().filename().string();
    const std::string first = ".stg4_000";
    if (name.size() > first.size() && name.compare(name.size() - first.size(), first.size(), first) == 0) {
      stages.push_back("data\\stg4\\" + name.substr(0, name.size() - 4));
    }
  }
  std::sort(stages.begin(), stages.end());
  return stages;
}

bool HasSanitizerReport(const std::string& err) {
  return err.find("Sanitizer") != std::string::npos || err.find("runtime error:") != std::string::npos;
}

class StagerunRandomKeys : public StagerunTest {
 protected:
  // Writes the script of seed and runs it on stage, with files of its own.
  cStagerunRun RunScript(const std::string& stage, uint32_t seed) const {
    const std::string name = "seed" + std::to_string(seed);
    WriteScratch(name + ".keys", RandomKeys(seed));
    const int frames = stage == kCrowdedStage ? kCrowdedFrames : kFrames;
    return Run({Project(), stage, "--frames", std::to_string(frames), "--keys", name + ".keys", "--seed",
                std::to_string(seed)},
               name);
  }
};

TEST_F(StagerunRandomKeys, EverySampleStageStandsRandomKeysWithoutAReportOrACloseRequest) {
  const std::vector<std::string> stages = SampleStages(Project());
  ASSERT_GE(stages.size(), 8u);
  struct Case {
    std::string stage;
    uint32_t seed;
  };
  std::vector<Case> cases;
  for (std::size_t s = 0; s < stages.size(); ++s) {
    for (int n = 0; n < kScriptsPerStage; ++n) cases.push_back({stages[s], static_cast<uint32_t>(1000 * s + n)});
  }
  // Starting a run costs more than its frames: a few run side by side.
  for (std::size_t first = 0; first < cases.size(); first += kRunsAtOnce) {
    const std::size_t last = std::min(cases.size(), first + kRunsAtOnce);
    std::vector<std::future<cStagerunRun>> runs;
    for (std::size_t i = first; i < last; ++i) {
      runs.push_back(std::async(std::launch::async, [this, &cases, i] { return RunScript(cases[i].stage, cases[i].seed); }));
    }
    for (std::size_t i = first; i < last; ++i) {
      SCOPED_TRACE(cases[i].stage + " seed " + std::to_string(cases[i].seed));
      const cStagerunRun run = runs[i - first].get();
      EXPECT_EQ(run.exitCode, 0) << run.err;
      EXPECT_FALSE(HasSanitizerReport(run.err)) << run.err;
      const std::vector<Json> ends = run.Kind("end");
      ASSERT_EQ(ends.size(), 1u);
      EXPECT_NE(ends.front()["reason"], "close");
      for (const Json& request : run.Kind("request")) EXPECT_NE(request["name"], "RequestClose") << request.dump();
    }
  }
}

}  // namespace
