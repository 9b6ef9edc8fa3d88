// build/stagerun on the sample project: exit codes, the shape of its lines,
// repeatable runs, and a saved replay played back to the same digest.

#include <gtest/gtest.h>

#include <algorithm>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "records/project/tree_snapshot.h"
#include "records/settings/system_data.h"
#include "records/stage/stage_data.h"
#include "support/temp_dir.h"
#include "tools/stagerun_fixture.h"
#include "tools/tool_project.h"
#include "tools/sample/data/sample_palette.h"
#include "tools/sample/data/sample_stages.h"
#include "tools/sample/sample_project.h"

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

constexpr const char* kFreeStage = "data\\stg4\\f01-1.stg4";

std::vector<std::string> Keys(const Json& object) {
  std::vector<std::string> keys;
  for (const auto& item : object.items()) keys.push_back(item.key());
  return keys;
}

}  // namespace

TEST_F(StagerunTest, LinesHaveTheirShapeAndTheRunEndsAfterItsFrames) {
  WriteScratch("keys.txt", "# run right, jump at frame 4\n1 right\n4 right b1\n6 -\n");
  const cStagerunRun run = Run({Project(), kFreeStage, "--frames", "6", "--every", "2", "--keys", "keys.txt"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::vector<Json> lines = run.Lines();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back()["kind"], "end");
  EXPECT_EQ(Keys(lines.back()), (std::vector<std::string>{"kind", "frame", "reason", "digest"}));
  EXPECT_EQ(lines.back()["reason"], "frames");
  EXPECT_EQ(lines.back()["frame"], 6);

  const std::vector<Json> states = run.Kind("state");
  std::vector<int> frames;
  for (const Json& state : states) frames.push_back(state["frame"]);
  EXPECT_EQ(frames, (std::vector<int>{0, 2, 4, 6}));
  const Json& state = states.back();
  EXPECT_EQ(Keys(state), (std::vector<std::string>{"kind", "frame", "digest", "play", "input", "save", "heroes",
                                                   "charas", "items", "shots", "blocks"}));
  EXPECT_EQ(state["digest"], lines.back()["digest"]);
  EXPECT_EQ(state["digest"].get<std::string>().size(), 16u);
  const Json& play = state["play"];
  for (const char* name : {"m_ScrollX", "m_ScrollY", "m_Random", "m_nSeed", "m_nFrameCount", "m_nSubStep",
                           "m_nSubStepTotal", "m_nStageClear", "m_nNextObjectId", "m_nTargetFps", "m_StageVar",
                           "m_bHoldButtons", "m_Replay", "m_Run"}) {
    EXPECT_TRUE(play.contains(name)) << name;
  }
  EXPECT_TRUE(play["m_ScrollX"].contains("m_dPos"));
  EXPECT_TRUE(play["m_StageVar"].is_object());
  EXPECT_EQ(play["m_Run"], (Json{{"nGameMode", 3}, {"nPlayMode", 2}, {"bFreeStage", 1}, {"bFromEditor", 0}}));
  EXPECT_EQ(Keys(state["input"]), (std::vector<std::string>{"wDir", "wButton", "nKeypad"}));
  EXPECT_EQ(Keys(state["save"]),
            (std::vector<std::string>{"m_nScore", "m_nLives", "m_nResultScore", "m_nBgmPlaying", "m_Vars"}));
  // Frame 4 held right and button 1; frame 6 nothing.
  EXPECT_EQ(states[2]["input"], (Json{{"wDir", 2}, {"wButton", 1}, {"nKeypad", 6}}));
  EXPECT_EQ(state["input"], (Json{{"wDir", 0}, {"wButton", 0}, {"nKeypad", 5}}));

  const std::vector<Json> requests = run.Kind("request");
  ASSERT_GE(requests.size(), 2u);
  EXPECT_EQ(requests[0], (Json{{"kind", "request"}, {"frame", 0}, {"subStep", 0}, {"name", "TickCount"},
                               {"args", Json::object()}, {"answer", 0}}));
  const auto fps = std::find_if(requests.begin(), requests.end(),
                                [](const Json& request) { return request["name"] == "SetTargetFps"; });
  ASSERT_NE(fps, requests.end());
  EXPECT_EQ((*fps)["frame"], 0);
  EXPECT_EQ(Keys(*fps), (std::vector<std::string>{"kind", "frame", "subStep", "name", "args"}));
  EXPECT_EQ(requests.back()["name"], "PollInput");
  EXPECT_EQ(requests.back()["frame"], 6);
}

TEST_F(StagerunTest, EqualArgumentsGiveTheSameBytesAndAnotherSeedOtherNumbers) {
  const std::vector<std::string> args = {Project(), kFreeStage, "--frames", "30", "--every", "10"};
  const cStagerunRun first = Run(args);
  const cStagerunRun second = Run(args);
  ASSERT_EQ(first.exitCode, 0) << first.err;
  EXPECT_EQ(first.out, second.out);

  std::vector<std::string> seeded = args;
  seeded.insert(seeded.end(), {"--seed", "4000000000"});
  const cStagerunRun other = Run(seeded);
  ASSERT_EQ(other.exitCode, 0) << other.err;
  const Json a = first.Kind("state").front()["play"];
  const Json b = other.Kind("state").front()["play"];
  EXPECT_EQ(b["m_nSeed"], 4000000000u);
  EXPECT_NE(a["m_Random"], b["m_Random"]);
  EXPECT_NE(first.Kind("end").front()["digest"], other.Kind("end").front()["digest"]);
}

TEST_F(StagerunTest, ASavedRunPlayedBackEndsWithTheSameDigest) {
  WriteScratch("keys.txt", "1 right\n10 right b1\n14 left\n20 -\n");
  const cStagerunRun recorded =
      Run({Project(), kFreeStage, "--frames", "25", "--keys", "keys.txt", "--seed", "77", "--save-replay", "run.rpl4"});
  ASSERT_EQ(recorded.exitCode, 0) << recorded.err;
  ASSERT_TRUE(fs::exists(scratch_.path() / "run.rpl4"));

  const cStagerunRun played = Run({Project(), "-", "--replay", "run.rpl4", "--frames", "25"});
  ASSERT_EQ(played.exitCode, 0) << played.err;
  const Json end = played.Kind("end").front();
  EXPECT_EQ(end["reason"], "frames");
  EXPECT_EQ(end["digest"], recorded.Kind("end").front()["digest"]);
  const Json play = played.Kind("state").front()["play"];
  EXPECT_EQ(play["m_nSeed"], 77);
  EXPECT_EQ(play["m_Replay"]["bPlaying"], 1);
  EXPECT_EQ(play["m_Run"]["nGameMode"], 4);

  // Past the log's end the replay starts again, and the run ends there.
  const cStagerunRun past = Run({Project(), "-", "--replay", "run.rpl4", "--frames", "100"});
  ASSERT_EQ(past.exitCode, 0) << past.err;
  const Json pastEnd = past.Kind("end").front();
  EXPECT_EQ(pastEnd["reason"], "replay_end");
  EXPECT_EQ(pastEnd["digest"], past.Kind("state").front()["digest"]);  // frame 0's state again
}

TEST_F(StagerunTest, ExitStatusSaysWhatFailed) {
  WriteScratch("bad_keys.txt", "1 right\n2 jump\n");
  WriteScratch("damaged.rpl4", "not a replay");
  struct Case {
    std::vector<std::string> args;
    int exitCode;
    const char* err;  // a part of standard error
  } const cases[] = {
      {{Project(), "data\\stg4\\missing.stg4"}, 1, "missing.stg4"},
      {{Project(), "-", "--replay", "damaged.rpl4"}, 1, "damaged.rpl4"},
      {{Project(), "-", "--replay", "nowhere.rpl4"}, 1, "nowhere.rpl4"},
      {{(s_Dir->path() / "no_project").string(), kFreeStage}, 1, "no_project"},
      {{Project(), kFreeStage, "--frames", "-1"}, 2, "--frames"},
      {{Project(), kFreeStage, "--speed", "3"}, 2, "unknown option --speed"},
      {{Project()}, 2, "usage"},
      {{Project(), kFreeStage, "--keys", "bad_keys.txt"}, 2, "keys:2: unknown key \"jump\""},
      {{Project(), kFreeStage, "--keys", "no_keys.txt"}, 2, "no_keys.txt"},
      {{Project(), "-", "--replay", "damaged.rpl4", "--seed", "3"}, 2, "--replay"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.back());
    const cStagerunRun run = Run(c.args);
    EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
    EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty()) << run.out;
  }
}

TEST_F(StagerunTest, SavingAReplayOfAProjectThatRecordsNoneIsAUsageError) {
  const fs::path copy = scratch_.path() / "project";
  fs::copy(Project(), copy, fs::copy_options::recursive);
  const std::string system = (copy / "data" / "System.dat").string();
  cSystemData settings;
  ASSERT_EQ(settings.LoadFromFile(system), 1);
  settings.m_bReplay = 0;
  ASSERT_EQ(settings.SaveToFile(system), 1);
  const cStagerunRun run = Run({copy.string(), kFreeStage, "--frames", "3", "--save-replay", "run.rpl4"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.err.find("--save-replay"), std::string::npos) << run.err;
  EXPECT_FALSE(fs::exists(scratch_.path() / "run.rpl4"));
  // Without the option the project plays.
  EXPECT_EQ(Run({copy.string(), kFreeStage, "--frames", "3"}).exitCode, 0);
}

TEST_F(StagerunTest, AStageTheGridCannotHoldEndsTheRunAsAClose) {
  const fs::path copy = scratch_.path() / "project";
  fs::copy(Project(), copy, fs::copy_options::recursive);
  const std::string file = (copy / "data" / "stg4" / "f01-1.stg4_000").string();
  cStageData stage;
  ASSERT_EQ(stage.LoadFromFile(file), 1);
  stage.m_nWidth = 70000;  // a grid of 2^17 x 32 cells: past 2^22
  ASSERT_EQ(stage.SaveToFile((copy / "data" / "stg4" / "f01-1.stg4_001").string()), 1);
  const cStagerunRun run = Run({copy.string(), kFreeStage, "--frames", "10"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::vector<Json> requests = run.Kind("request");
  ASSERT_FALSE(requests.empty());
  EXPECT_EQ(requests.back()["name"], "RequestClose");
  const Json end = run.Kind("end").front();
  EXPECT_EQ(end["reason"], "close");
  EXPECT_EQ(end["frame"], 0);
  EXPECT_TRUE(run.Kind("state").front()["blocks"].empty());
  EXPECT_NE(run.err.find(Utf8(u8"メモリ不足により、ステージの初期設定に失敗しました！")), std::string::npos) << run.err;
}

TEST_F(StagerunTest, BuildingOnlyWritesTheBuildStateAndLeavesTheProjectAlone) {
  const auto before = TreeSnapshot(s_Dir->path() / "sample");
  const cStagerunRun run = Run({Project(), "data/stg4/f01-1.stg4", "--frames", "0"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::vector<Json> states = run.Kind("state");
  ASSERT_EQ(states.size(), 1u);
  EXPECT_EQ(states[0]["frame"], 0);
  EXPECT_EQ(run.Kind("end").front()["reason"], "frames");
  EXPECT_EQ(TreeSnapshot(s_Dir->path() / "sample"), before);
}

namespace {

// The charas besides the hero and the loose items a built stage places (an
// item a chara carries shows only when the chara drops it).
std::pair<std::size_t, std::size_t> PlacedCounts(const cStageData& stage) {
  std::size_t charas = 0;
  std::size_t carried = 0;
  for (const cCharaDef& chara : stage.m_PlacedCharas) {
    if (chara.m_nControl != cCharaDef::kControlComputer) continue;
    ++charas;
    carried += chara.m_nCarriedItem >= 0 ? 1 : 0;
  }
  return {charas, stage.m_PlacedItems.size() - carried};
}

TEST_F(StagerunTest, EverySampleStagePlacesItsMapAndStandsSixHundredIdleFrames) {
  const std::vector<cSampleStage> stages = BuildSampleStages(BuildSamplePalette());
  for (std::size_t i = 0; i < stages.size(); ++i) {
    const std::string stage = stages[i].strPath.substr(0, stages[i].strPath.rfind('_'));
    SCOPED_TRACE(stage);
    const cStagerunRun run = Run({Project(), stage, "--frames", "600"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<Json> states = run.Kind("state");
    ASSERT_EQ(states.size(), 2u);
    const std::vector<std::string>& map = SampleStageMap(i);
    const auto [charas, items] = PlacedCounts(stages[i].stage);
    EXPECT_EQ(states.front()["heroes"].size(), 1u);
    EXPECT_EQ(states.front()["charas"].size(), charas);
    EXPECT_EQ(states.front()["items"].size(), items);
    EXPECT_EQ(run.Kind("end").front()["reason"], "frames");
    // Nothing fell through a floor into the bottom margin.
    const double bottomOfStage = (static_cast<double>(map.size()) + 10) * 32;
    for (const Json& chara : states.back()["charas"]) EXPECT_LT(chara["m_dBottom"].get<double>(), bottomOfStage);
    for (const Json& hero : states.back()["heroes"]) EXPECT_LT(hero["m_dBottom"].get<double>(), bottomOfStage);
  }
}

TEST_F(StagerunTest, AnIdleChallengeRunsOutOfTimeAndEndsWithTheDeathPresentation) {
  // Challenge stages allow 120 s: the hero dies at frame 7200 and the run
  // ends when its death presentation does.
  const cStagerunRun run = Run({Project(), "data\\stg4\\c01-1.stg4", "--frames", "8000"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const Json end = run.Kind("end").front();
  EXPECT_EQ(end["reason"], "death");
  EXPECT_GT(end["frame"].get<int>(), 7200);
  EXPECT_LT(end["frame"].get<int>(), 7300);
  int deaths = 0;
  int deathEnds = 0;
  for (const Json& request : run.Kind("request")) {
    deaths += request["name"] == "PlaySE" && request["args"]["n"] == 8;
    deathEnds += request["name"] == "OnDeathEnd";
  }
  EXPECT_EQ(deaths, 1);
  EXPECT_EQ(deathEnds, 1);
}

// The keys scripts kept with the sample (tools/sample/keys): each plays its
// stage to the end written beside it, so a change of the simulation that
// breaks the game shows here.
struct cKeysRun {
  const char* script;  // file in the keys folder
  const char* stage;
  const char* reason;
  int frame;
};
constexpr cKeysRun kKeysRuns[] = {
    {"w01-1.keys", "w01-1", "clear", 570},
    {"w02-1.keys", "w02-1", "clear", 588},
    {"w03-1.keys", "w03-1", "clear", 699},
    {"w04-1.keys", "w04-1", "clear", 466},
    {"c01-1.keys", "c01-1", "clear", 367},
    {"c02-1.keys", "c02-1", "clear", 383},
    {"c03-1.keys", "c03-1", "clear", 355},
    {"c04-1.keys", "c04-1", "clear", 2470},
    {"w01-1-fall.keys", "w01-1", "death", 340},
};

std::vector<std::string> KeysRunArgs(const std::string& project, const cKeysRun& run) {
  return {project, std::string("data\\stg4\\") + run.stage + ".stg4", "--keys",
          std::string(SAMPLE_KEYS_DIR) + "/" + run.script, "--frames", "9000", "--every", "60"};
}

TEST_F(StagerunTest, EveryKeysScriptEndsItsStageAsWritten) {
  for (const cKeysRun& c : kKeysRuns) {
    SCOPED_TRACE(c.script);
    const cStagerunRun run = Run(KeysRunArgs(Project(), c));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const Json end = run.Kind("end").front();
    EXPECT_EQ(end["reason"], c.reason);
    EXPECT_EQ(end["frame"], c.frame);
  }
}

// The digests of the state lines and the end line, in order.
std::vector<std::string> StateDigestsOf(const cStagerunRun& run) {
  std::vector<std::string> digests;
  for (const Json& line : run.Lines()) {
    if (line["kind"] != "request") digests.push_back(line["digest"]);
  }
  return digests;
}

TEST_F(StagerunTest, EveryScriptedRunPlaysBackFromItsReplayWithTheSameDigests) {
  for (const cKeysRun& c : kKeysRuns) {
    SCOPED_TRACE(c.script);
    std::vector<std::string> args = KeysRunArgs(Project(), c);
    args.insert(args.end(), {"--save-replay", "run.rpl4"});
    const cStagerunRun recorded = Run(args);
    ASSERT_EQ(recorded.exitCode, 0) << recorded.err;
    // The replay ends where the recording did, so it is not started again.
    const int frames = recorded.Kind("end").front()["frame"];
    const cStagerunRun played = Run({Project(), "-", "--replay", "run.rpl4", "--frames", std::to_string(frames),
                                     "--every", "60"});
    ASSERT_EQ(played.exitCode, 0) << played.err;
    std::vector<std::string> digests = StateDigestsOf(recorded);
    std::vector<std::string> playedDigests = StateDigestsOf(played);
    ASSERT_GT(digests.size(), 2u);
    ASSERT_EQ(playedDigests.size(), digests.size());
    const bool death = std::string(c.reason) == "death";
    if (death) {
      // A replay's attempt that ends in a death plays again: the stage is
      // built anew in that frame, so its last state line and end line hold
      // the fresh stage. Everything before them matches.
      EXPECT_EQ(playedDigests.back(), playedDigests.front());
      digests.resize(digests.size() - 2);
      playedDigests.resize(playedDigests.size() - 2);
    }
    EXPECT_EQ(playedDigests, digests);
    const Json end = played.Kind("end").front();
    EXPECT_EQ(end["reason"], death ? "replay_end" : c.reason);
    if (!death) {
      EXPECT_EQ(end["frame"], frames);
    }
  }
}

}  // namespace
