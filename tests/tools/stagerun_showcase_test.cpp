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
constexpr const char* kShowcaseEndDigest = "79e5b12d2e0166c9";

// Walks right under fire, jumps, throws stars, swings the sword (down, then
// button 3) and rides the lift.
constexpr const char* kShowcaseKeys =
    "1 right\n"
    "30 right b1\n"
    "40 right\n"
    "90 b2\n"
    "100 down\n"
    "104 b3\n"
    "110 right\n"
    "200 right b1\n"
    "215 right\n"
    "300 left\n"
    "330 right b2\n"
    "400 down\n"
    "403 b3\n"
    "420 right\n"
    "520 right b1\n"
    "540 right\n";

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
      Run({Project(), kShowcaseStage, "--frames", kShowcaseFrames, "--every", "10", "--keys", "keys.txt"});
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

}  // namespace
