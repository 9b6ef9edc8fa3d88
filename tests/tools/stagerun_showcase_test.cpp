// The showcase stage through build/stagerun: its turrets fire every formation
// along every trajectory and its stations run every other command, and the
// run is the same bytes every time, ends in a recorded digest (the same in
// the optimised and the sanitizer build) and replays to the same digests.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "tools/sample/sample_catalog.h"
#include "tools/stagerun_fixture.h"

namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kShowcaseStage = "data\\stg4\\f02-1.stg4";
constexpr const char* kShowcaseFrames = "600";
// The digest after the scripted 600 frames. A change of the simulation, of
// the stage or of the script changes it: look at what changed before
// writing the new number here.
constexpr const char* kShowcaseEndDigest = "efb73ee78e48b2d8";

// Walks right under fire, jumps, throws stars, swings the sword (down, then
// button 3) and walks back, staying in the gallery.
constexpr const char* kShowcaseKeys =
    "1 right\n"
    "30 right b1\n"
    "40 right\n"
    "90 b2\n"
    "106 down\n"
    "110 b3\n"
    "112 left\n"
    "200 left b1\n"
    "215 left\n"
    "260 right\n"
    "330 b2\n"
    "406 down\n"
    "410 b3\n"
    "420 left\n"
    "520 left b1\n"
    "540 -\n";

// Runs right and jumps every 40 frames: over the gallery to the gatekeeper.
std::string ClearKeys() {
  std::string keys = "1 right\n";
  for (int frame = 20; frame < 1200; frame += 40) {
    keys += std::to_string(frame) + " right b1\n" + std::to_string(frame + 12) + " right\n";
  }
  return keys;
}

class StagerunShowcase : public StagerunTest {
 protected:
  cStagerunRun Scripted(const std::string& replay) const {
    return Run({Project(), kShowcaseStage, "--frames", kShowcaseFrames, "--every", "60", "--keys", "keys.txt",
                "--save-replay", replay});
  }
};

std::vector<std::pair<int, std::string>> Digests(const cStagerunRun& run) {
  std::vector<std::pair<int, std::string>> digests;
  for (const Json& state : run.Kind("state")) digests.emplace_back(state["frame"].get<int>(), state["digest"]);
  return digests;
}

TEST_F(StagerunShowcase, TwoRunsAreTheSameBytesEndInTheRecordedDigestAndReplayAlike) {
  WriteScratch("keys.txt", kShowcaseKeys);
  const cStagerunRun first = Scripted("first.rpl4");
  ASSERT_EQ(first.exitCode, 0) << first.err;
  const cStagerunRun second = Scripted("second.rpl4");
  ASSERT_EQ(second.exitCode, 0) << second.err;
  EXPECT_EQ(first.out, second.out);
  EXPECT_EQ(ReadFileBytes(scratch_.file("first.rpl4")), ReadFileBytes(scratch_.file("second.rpl4")));

  const Json end = first.Kind("end").front();
  EXPECT_EQ(end["reason"], "frames");
  EXPECT_EQ(end["digest"], kShowcaseEndDigest);

  const cStagerunRun replayed = Run({Project(), "-", "--replay", "first.rpl4", "--frames", kShowcaseFrames, "--every", "60"});
  ASSERT_EQ(replayed.exitCode, 0) << replayed.err;
  const std::vector<std::pair<int, std::string>> recorded = Digests(first);
  EXPECT_EQ(recorded.size(), 11u);
  EXPECT_EQ(Digests(replayed), recorded);
  EXPECT_EQ(replayed.Kind("end").front()["digest"], kShowcaseEndDigest);
}

TEST_F(StagerunShowcase, EveryTurretFiresTheHeroSwingsItsSwordAndThePresentationIsAsked) {
  WriteScratch("keys.txt", kShowcaseKeys);
  const cStagerunRun run =
      Run({Project(), kShowcaseStage, "--frames", kShowcaseFrames, "--every", "30", "--keys", "keys.txt"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::vector<Json> states = run.Kind("state");
  ASSERT_FALSE(states.empty());
  // The six turrets are the first charas placed after the hero, one for
  // each formation: the lowest ids.
  std::vector<int> ids;
  for (const Json& chara : states.front()["charas"]) ids.push_back(chara["m_nId"].get<int>());
  ASSERT_GE(ids.size(), 6u);
  std::sort(ids.begin(), ids.end());
  const std::set<int> turrets(ids.begin(), ids.begin() + 6);
  const int hero = states.front()["heroes"].front()["m_nId"].get<int>();

  std::set<int> shooters;
  std::set<int> swingers;
  for (const Json& state : states) {
    for (const Json& shot : state["shots"]) {
      (shot["m_bShot"] != 0 ? shooters : swingers).insert(shot["m_nOwnerId"].get<int>());
    }
  }
  for (int turret : turrets) EXPECT_EQ(shooters.count(turret), 1u) << "turret " << turret;
  EXPECT_EQ(swingers.count(hero), 1u);

  // What the stations ask of the scene, each at least once.
  std::set<std::string> names;
  for (const Json& request : run.Kind("request")) names.insert(request["name"].get<std::string>());
  for (const char* name : {"RequestStageBgm", "SetScreenColor", "ShowMessage", "ShowPicture", "StartScreenEffect",
                           "PlayProjectSE", "PauseWait"}) {
    EXPECT_EQ(names.count(name), 1u) << name;
  }
  EXPECT_EQ(names.count("ShowErrorMessage"), 0u);

  // The director's own sound and the one of the flow it starts by its id,
  // as the project's database numbers them: checked against a database of
  // the default size they would both come out as sound 1.
  std::set<int> sounds;
  for (const Json& request : run.Kind("request")) {
    if (request["name"] == "PlayProjectSE") sounds.insert(request["args"]["n"].get<int>());
  }
  EXPECT_EQ(sounds.count(kSoundCoin), 1u);
  EXPECT_EQ(sounds.count(kSoundHeal), 1u);
}

TEST_F(StagerunShowcase, TheGatekeeperClearsTheStageAndNamesThePlazaNext) {
  WriteScratch("keys.txt", ClearKeys());
  const cStagerunRun run = Run({Project(), kShowcaseStage, "--frames", "1200", "--keys", "keys.txt"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const Json end = run.Kind("end").front();
  EXPECT_EQ(end["reason"], "clear");
  EXPECT_LT(end["frame"].get<int>(), 600);
  // The scene adds the number and the extension to the name it is given.
  EXPECT_EQ(run.Kind("state").back()["play"]["m_strNextStage"], "data\\stg4\\f01-1.");
}

}  // namespace
