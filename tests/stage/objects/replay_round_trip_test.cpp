// A recorded attempt saved as a replay file and played back: the same state
// digest every frame, the replay starting again at its log's end, the
// previous attempt after a restart, and the carried start position.

#include <gtest/gtest.h>

#include "core/math/truncate.h"
#include "records/database/database.h"
#include "records/replay/replay_file.h"
#include "records/save/carry_items.h"
#include "stage/objects/state_digest.h"
#include "support/stage_world.h"
#include "support/temp_dir.h"

namespace {

class ReplayRoundTripTest : public StageWorld {
 protected:
  void SetUp() override {
    StageWorld::SetUp();
    g_SystemData.m_bReplay = 1;
    services_.m_nTickCount = 90210;
    // The charas' base animations come from anime set 0.
    savedAnimeSets_ = g_Database.m_AnimeSets;
    g_Database.m_AnimeSets.resize(1);
    cAnimeSet& set = g_Database.m_AnimeSets.CheckedVectorAt(0);
    set.m_Animes.resize(4);
    for (auto& anime : set.m_Animes) anime.m_Frames.resize(1);
    // As a load leaves it, so the state the replay brings back is the state
    // the attempt started with.
    g_SaveData.Normalize();
  }

  void TearDown() override {
    StageWorld::TearDown();
    g_Database.m_AnimeSets = savedAnimeSets_;
  }

  // A stage where something moves by itself: two charas falling to a floor.
  static void WriteMovingStage() {
    cStageLayout layout;
    layout.nCollisionLevel = 3;
    for (int32_t x = 0; x < 20; ++x) layout.Solid.emplace_back(x, 12);
    WriteStage(layout, g_Stage);
    g_Stage.m_nScrollExtraX = 20 * 32;  // the probes reach the floor
    g_Stage.m_nScrollExtraY = 15 * 32;
    for (int32_t x : {6, 9}) {
      cCharaDef& def = g_Stage.m_PlacedCharas.emplace_back();
      def.m_nX = static_cast<int16_t>(x);
      def.m_nY = 4;
      def.m_nControl = cCharaDef::kControlComputer;
      def.m_nGraphic = 1;
      def.m_nMaxHp = 3;
      def.m_nCarriedItem = -1;
    }
    g_StageInitial.TakeHeaderOf(g_Stage);
  }

  // n frames of scripted keys; the digest after each.
  std::vector<uint64_t> Record(int32_t n, int32_t salt) {
    std::vector<uint64_t> digests;
    for (int32_t f = 0; f < n; ++f) {
      EXPECT_EQ(StepFrame(static_cast<int16_t>(((f + salt) / 7) % 16), static_cast<int16_t>((f / 5) % 4)), kPlayGoOn);
      digests.push_back(StateDigest(play_));
    }
    return digests;
  }

  // Opens the file as the window thread does and builds its stage.
  void OpenForPlay(const std::string& path) {
    ASSERT_EQ(OpenReplayForPlay(path), 1);
    play_.m_Run = cRunFacts{4, 3, 0, 0};
    services_.m_nTickCount = 1;  // must not be asked
    services_.m_Events.clear();
    ASSERT_TRUE(play_.SetStage(0, 1));
  }

  void ExpectPlayback(const std::vector<uint64_t>& digests) {
    for (std::size_t f = 0; f < digests.size(); ++f) {
      SCOPED_TRACE(f + 1);
      ASSERT_EQ(StepFrame(15, 255), kPlayGoOn);  // live keys do not count
      ASSERT_EQ(StateDigest(play_), digests[f]);
    }
  }

  TempDir dir_;
  cVector<cAnimeSet> savedAnimeSets_;
};

TEST_F(ReplayRoundTripTest, PlaybackMatchesEveryFrameAndStartsAgainAtTheLogsEnd) {
  WriteMovingStage();
  ASSERT_TRUE(play_.SetStage(0, 1));
  const std::vector<uint64_t> recorded = Record(90, 0);
  ASSERT_NE(recorded.front(), recorded.back());  // the charas fell ...
  ASSERT_EQ(g_CharaList.size(), 2u);             // ... onto the floor
  const std::string path = dir_.file("attempt.rpl4_836");
  ASSERT_EQ(SaveAttemptReplay(path, 0), 1);

  OpenForPlay(path);
  ExpectPlayback(recorded);
  EXPECT_EQ(StepFrame(0, 0), kPlayReplayRestart);
  EXPECT_EQ(play_.m_nFrameCount, 0);
  ExpectPlayback(recorded);
  for (const cStageEvent& event : services_.m_Events) EXPECT_NE(event.strName, "TickCount");
  EXPECT_EQ(TakeCloseRequests(), 0);
}


TEST_F(ReplayRoundTripTest, ThePreviousAttemptIsKeptThroughARestart) {
  WriteMovingStage();
  ASSERT_TRUE(play_.SetStage(0, 1));
  const std::vector<uint64_t> first = Record(40, 3);
  services_.m_nTickCount = 777;  // the second attempt has its own seed
  ASSERT_TRUE(play_.SetStage(1, 0));
  const std::vector<uint64_t> second = Record(25, 11);
  const std::string previous = dir_.file("previous.rpl4_836");
  const std::string current = dir_.file("current.rpl4_836");
  ASSERT_EQ(SaveAttemptReplay(previous, 1), 1);
  ASSERT_EQ(SaveAttemptReplay(current, 0), 1);

  OpenForPlay(previous);
  EXPECT_EQ(play_.m_nSeed, 90210u);
  ExpectPlayback(first);
  OpenForPlay(current);
  EXPECT_EQ(play_.m_nSeed, 777u);
  ExpectPlayback(second);
}

TEST_F(ReplayRoundTripTest, TheCarriedStartPositionIsPartOfTheReplay) {
  WriteMovingStage();
  g_SaveData.m_bNextStart = 1;
  g_SaveData.m_nNextX = 14;
  g_SaveData.m_nNextY = 7;
  g_SaveData.m_nNextFacing = 0;
  ASSERT_TRUE(play_.SetStage(0, 1));
  EXPECT_EQ(TruncToInt(Hero().m_dX) >> 5, 14 + 10);
  EXPECT_EQ(TruncToInt(Hero().m_dY) >> 5, 7 + 10);
  EXPECT_EQ(Hero().m_nFacing, 0);
  const std::vector<uint64_t> recorded = Record(30, 5);
  const std::string path = dir_.file("carried.rpl4_836");
  ASSERT_EQ(SaveAttemptReplay(path, 0), 1);

  g_SaveData.m_bNextStart = 0;  // what the replay brings back, not what is left
  OpenForPlay(path);
  EXPECT_EQ(TruncToInt(Hero().m_dX) >> 5, 14 + 10);
  ExpectPlayback(recorded);
}

TEST_F(ReplayRoundTripTest, AHeroDeathsEndInPlaybackStartsTheReplayAgain) {
  WriteMovingStage();
  g_Stage.m_bTimeLimit = 1;  // 2 s: the hero dies at frame 120
  g_Stage.m_nTimeLimit = 2;
  g_StageInitial.TakeHeaderOf(g_Stage);
  ASSERT_TRUE(play_.SetStage(0, 1));
  int32_t deathEnd = 0;
  for (int32_t f = 1; f <= 200 && deathEnd == 0; ++f) {
    if (StepFrame(0, 0) == kPlayDeathEnd) deathEnd = f;
  }
  ASSERT_GT(deathEnd, 120);
  for (int32_t f = 0; f < 10; ++f) StepFrame(0, 0);  // the scene would have taken a life by now
  const std::string path = dir_.file("death.rpl4_836");
  ASSERT_EQ(SaveAttemptReplay(path, 0), 1);

  OpenForPlay(path);
  const uint64_t start = StateDigest(play_);
  for (int32_t f = 1; f < deathEnd; ++f) ASSERT_EQ(StepFrame(0, 0), f == 120 ? kPlayDeath : kPlayGoOn) << f;
  EXPECT_EQ(StepFrame(0, 0), kPlayReplayRestart);
  EXPECT_EQ(play_.m_nFrameCount, 0);
  EXPECT_EQ(Hero().m_bDead, 0);
  EXPECT_EQ(StateDigest(play_), start);
  const std::vector<std::string> names = EventNames();
  EXPECT_EQ(std::count(names.begin(), names.end(), "OnDeathEnd"), 0);
}

TEST_F(ReplayRoundTripTest, TheCarriedHeroStatusIsRestoredAndReplayed) {
  WriteMovingStage();
  g_Stage.m_bCarryHeroStatus = 1;
  g_Stage.m_bTimeLimit = 1;
  g_Stage.m_nTimeLimit = 90;
  g_StageInitial.TakeHeaderOf(g_Stage);
  g_SystemData.m_CarryOver.assign(static_cast<std::size_t>(kCarryBgm) + 1, 0);
  for (eCarryItem item : {kCarryHp, kCarryTimeLeft}) g_SystemData.m_CarryOver.CheckedVectorAt(item) = 1;
  cHeroStatus status;
  status.nHp = 7;
  status.nTimeLeft = 33;
  g_SaveData.StoreHeroStatus(0, g_HeroDef, status);
  ASSERT_TRUE(play_.SetStage(0, 1));
  EXPECT_EQ(Hero().m_nHp, 7);
  EXPECT_EQ(play_.m_nRemainTime, 33);
  const std::vector<uint64_t> recorded = Record(20, 2);
  const std::string path = dir_.file("status.rpl4_836");
  ASSERT_EQ(SaveAttemptReplay(path, 0), 1);

  g_SaveData.m_bHasCarry = 0;  // what the replay brings back, not what is left
  OpenForPlay(path);
  EXPECT_EQ(Hero().m_nHp, 7);
  ExpectPlayback(recorded);
}

}  // namespace
