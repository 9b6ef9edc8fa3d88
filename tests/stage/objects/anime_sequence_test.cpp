// Frame animations: building tables, stepping through control codes, and
// data that ends badly never stepping out of its sequence.
#include <gtest/gtest.h>

#include <vector>

#include "core/thread/window_queue.h"
#include "stage/objects/anime_sequence.h"

namespace {

class AnimeSequence : public ::testing::Test {
 protected:
  void SetUp() override { g_hWnd->Reset(); }
  void TearDown() override { g_hWnd->Reset(); }

  // No checked access failed: nothing asked the program to close.
  static bool NoCloseRequested() {
    MSG msg;
    return !g_hWnd->Peek(&msg, false);
  }

  static std::vector<int32_t> Steps(cAnimeSequence& anime, int count) {
    std::vector<int32_t> patterns;
    for (int i = 0; i < count; ++i) patterns.push_back(anime.Step());
    return patterns;
  }

  static cAnimeSequence Built(const int32_t* const* tables) {
    cAnimeSequence anime;
    anime.Build(tables);
    return anime;
  }
};

using Patterns = std::vector<int32_t>;

TEST_F(AnimeSequence, BuildCountsStepsUpToTheFirstCode) {
  static constexpr int32_t kA[] = {4, 10, 0x101, 5, 10, 0, kAnimeStepLoop, 0, 0, 99, 99, 99};
  static constexpr int32_t kB[] = {kAnimeStepEnd, 0, 0, 7, 7, 7};
  static constexpr const int32_t* kTables[] = {kA, kB, nullptr};
  cAnimeSequence anime;
  anime.m_nSequence = 1;
  anime.m_nStep = 1;
  anime.m_nTick = 3;
  anime.Build(kTables);
  ASSERT_EQ(anime.m_Sequences.VectorSize(), 2);
  EXPECT_EQ(anime.m_Sequences.CheckedVectorAt(0),
            (cAnimeStepList{{4, 10, 1}, {5, 10, 0}, {kAnimeStepLoop, 0, 0}}));  // flag: low byte
  EXPECT_EQ(anime.m_Sequences.CheckedVectorAt(1), (cAnimeStepList{{kAnimeStepEnd, 0, 0}}));
  EXPECT_EQ(anime.m_nSequence, 1);  // the position is left as it was
  EXPECT_EQ(anime.m_nStep, 1);
  EXPECT_EQ(anime.m_nTick, 3);

  anime.Build(nullptr);  // nothing
  EXPECT_EQ(anime.m_Sequences.VectorSize(), 2);
}

TEST_F(AnimeSequence, DurationsAndControlCodes) {
  struct Case {
    const char* name;
    std::vector<int32_t> steps;  // triples
    Patterns expect;             // the first Step results
  };
  const Case cases[] = {
      {"duration 1 shows one tick", {1, 1, 0, 2, 1, 0, 3, 5, 0, kAnimeStepEnd, 0, 0}, {2, 3, 3, 3}},
      {"duration 0 changes on the next tick", {1, 0, 0, 2, -3, 0, 3, 9, 0, kAnimeStepEnd, 0, 0}, {2, 3, 3}},
      {"hold keeps the step before it", {1, 1, 0, 2, 2, 0, kAnimeStepStay, 0, 0}, {2, 2, 2, 2, 2, 2}},
      {"loop shows step 0 on the tick it is reached", {1, 1, 0, 2, 1, 0, kAnimeStepLoop, 0, 0}, {2, 1, 2, 1}},
      {"end stays on -4", {1, 2, 0, kAnimeStepEnd, 0, 0}, {1, kAnimeStepEnd, kAnimeStepEnd, kAnimeStepEnd}},
      {"list without a closing code holds its last step", {1, 1, 0, 2, 1, 0}, {2, 2, 2}},
      {"one-step loop list", {kAnimeStepLoop, 0, 0}, {kAnimeStepLoop, kAnimeStepLoop}},
      {"one-step hold list", {kAnimeStepStay, 0, 0}, {kAnimeStepStay, kAnimeStepStay}},
      {"one-step end list", {kAnimeStepEnd, 0, 0}, {kAnimeStepEnd, kAnimeStepEnd, kAnimeStepEnd}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    cAnimeStepTable table(1);
    for (size_t i = 0; i + 2 < c.steps.size(); i += 3) {
      table.CheckedVectorAt(0).push_back({c.steps[i], c.steps[i + 1], c.steps[i + 2]});
    }
    cAnimeSequence anime;
    anime.SetTable(table);
    EXPECT_EQ(Steps(anime, static_cast<int>(c.expect.size())), c.expect);
    EXPECT_LT(anime.m_nStep, anime.m_Sequences.CheckedVectorAt(0).VectorSize());
    EXPECT_TRUE(NoCloseRequested());
  }
}

TEST_F(AnimeSequence, JumpIsForcedAndAJumpNowhereEnds) {
  static constexpr int32_t kS0[] = {1, 1, 1, kAnimeStepJump, 2, 1};
  static constexpr int32_t kS1[] = {5, 1, 0, kAnimeStepJump, 9, 0};  // sequence 9 does not exist
  static constexpr int32_t kS2[] = {8, 3, 0, kAnimeStepEnd, 0, 0};
  static constexpr const int32_t* kTables[] = {kS0, kS1, kS2, nullptr};
  cAnimeSequence anime = Built(kTables);
  EXPECT_EQ(anime.Step(), 8);  // straight on to step 0 of sequence 2, though step 0 held
  EXPECT_EQ(anime.m_nSequence, 2);
  EXPECT_EQ(anime.m_nStep, 0);

  anime.SetSequence(1, 1);
  EXPECT_EQ(Steps(anime, 3), (Patterns{kAnimeStepEnd, kAnimeStepEnd, kAnimeStepEnd}));
  EXPECT_EQ(anime.GetPattern(), kAnimeStepEnd);
  EXPECT_EQ(anime.m_nSequence, 1);
  EXPECT_TRUE(NoCloseRequested());
}

// Anime numbers come from the data and may name a sequence past the table.
TEST_F(AnimeSequence, ASequenceSetPastTheTablePlaysAsAnEnd) {
  static constexpr int32_t kS0[] = {1, 4, 1, kAnimeStepLoop, 0, 0};
  static constexpr const int32_t* kTables[] = {kS0, nullptr};
  for (int32_t sequence : {1, 9, -1}) {
    SCOPED_TRACE(sequence);
    cAnimeSequence anime = Built(kTables);
    EXPECT_EQ(anime.SetSequence(sequence, 1), 1);
    EXPECT_EQ(Steps(anime, 3), (Patterns{kAnimeStepEnd, kAnimeStepEnd, kAnimeStepEnd}));
    EXPECT_EQ(anime.GetPattern(), kAnimeStepEnd);
    EXPECT_EQ(anime.SetSequence(0, 0), 1);  // nothing there holds the change back
    EXPECT_EQ(anime.Step(), 1);
    EXPECT_TRUE(NoCloseRequested());
  }
}

TEST_F(AnimeSequence, EmptyTableAnswersZero) {
  cAnimeSequence anime;
  EXPECT_EQ(anime.Step(), 0);
  EXPECT_EQ(anime.GetPattern(), 0);
  EXPECT_EQ(anime.m_nTick, 0);
  EXPECT_EQ(anime.SetSequence(3, 0), 1);
  EXPECT_TRUE(NoCloseRequested());
}

TEST_F(AnimeSequence, SetAndChangeSequence) {
  static constexpr int32_t kS0[] = {1, 4, 0, 2, 4, 1, kAnimeStepLoop, 0, 0};
  static constexpr int32_t kS1[] = {6, 4, 0, kAnimeStepLoop, 0, 0};
  static constexpr const int32_t* kTables[] = {kS0, kS1, nullptr};
  cAnimeSequence anime = Built(kTables);
  Steps(anime, 2);
  EXPECT_EQ(anime.ChangeSequence(0, 0), 1);  // current: not restarted
  EXPECT_EQ(anime.m_nTick, 2);
  EXPECT_EQ(anime.SetSequence(0, 0), 1);  // restarted
  EXPECT_EQ(anime.m_nTick, 0);

  Steps(anime, 4);  // now on step 1, not interruptible
  EXPECT_EQ(anime.SetSequence(1, 0), 0);
  EXPECT_EQ(anime.ChangeSequence(1, 0), 0);
  EXPECT_EQ(anime.m_nSequence, 0);
  EXPECT_EQ(anime.ChangeSequence(1, 1), 1);
  EXPECT_EQ(anime.GetPattern(), 6);
}

TEST_F(AnimeSequence, ItemTableAlternatesEveryFifteenTicksAndRefusesChanges) {
  cAnimeSequence anime = Built(kItemAnimeTables);
  Patterns seen = Steps(anime, 60);
  for (int i = 0; i < 60; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(seen[i], ((i + 1) / 15) % 2);
    EXPECT_EQ(anime.SetSequence(0, 0), 0);
  }
}

TEST_F(AnimeSequence, ShotTables) {
  cAnimeSequence anime = Built(kShotAnimeTables);
  Patterns burst = Steps(anime, 22);
  EXPECT_EQ(burst[5], 0);
  EXPECT_EQ(burst[6], 1);
  EXPECT_EQ(burst[13], 2);
  EXPECT_EQ(burst[19], 2);
  EXPECT_EQ(burst[20], kAnimeStepEnd);
  EXPECT_EQ(burst[21], kAnimeStepEnd);

  anime.SetSequence(1, 0);
  Patterns loop = Steps(anime, 17);
  EXPECT_EQ(loop[6], 0);
  EXPECT_EQ(loop[7], 1);
  EXPECT_EQ(loop[14], 1);
  EXPECT_EQ(loop[15], 0);
}

TEST_F(AnimeSequence, ClearEmptiesAndRestarts) {
  cAnimeSequence anime = Built(kShotAnimeTables);
  anime.SetSequence(1, 1);
  Steps(anime, 3);
  anime.Clear();
  EXPECT_TRUE(anime.m_Sequences.empty());
  EXPECT_EQ(anime.m_nSequence, 0);
  EXPECT_EQ(anime.m_nTick, 0);
  EXPECT_EQ(anime.Step(), 0);
}

}  // namespace
