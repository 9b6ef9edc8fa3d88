// The step lists and effect state tables built from the database.

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "records/database/database.h"
#include "records/database/runtime/anime_steps.h"
#include "records/database/runtime/effect_state_tables.h"

namespace {

struct Frame {
  int32_t pattern;
  int32_t duration;
  int32_t hold;
};

// An Anime or Effect record with these frames (effect frames have no hold flag).
template <class Record>
Record RecordOf(const std::vector<Frame>& frames) {
  Record record;
  record.m_Frames.clear();
  for (const Frame& f : frames) {
    auto& frame = record.m_Frames.emplace_back();
    frame.m_nPattern = f.pattern;
    frame.m_nDuration = f.duration;
    if constexpr (requires { frame.m_bHold; }) frame.m_bHold = f.hold;
  }
  return record;
}

std::vector<ANIMESTEP> Steps(const cAnimeStepTable& table, int32_t index) {
  const cAnimeStepList& list = table.CheckedVectorAt(index);
  return std::vector<ANIMESTEP>(list.begin(), list.end());
}

const std::vector<Frame> kThreeFrames = {{5, 2, 0}, {6, 1, 1}, {7, 3, 0}};

}  // namespace

void PrintTo(const ANIMESTEP& step, std::ostream* os) {
  *os << "{" << step.nPattern << ", " << step.nTicks << ", " << step.bHold << "}";
}

struct StepCase {
  const char* name;
  int32_t index;
  std::vector<Frame> frames;
  std::vector<ANIMESTEP> expected;
};

TEST(AnimeStepsTest, OneStepPerFrameThenTheClosingStep) {
  const StepCase cases[] = {
      {"ordinary anime", 4, kThreeFrames, {{5, 12, 0}, {6, 6, 1}, {7, 18, 1}, {-4, 0, 0}}},
      {"anime 0 loops in zero time", 0, kThreeFrames, {{5, 0, 1}, {6, 0, 1}, {7, 0, 1}, {-2, 0, 1}}},
      {"no frames", 2, {}, {{-4, 0, 0}}},
      {"no frames at 0", 0, {}, {{-2, 0, 1}}},
      {"hold from the first frame", 1, {{1, 1, 1}, {2, 1, 0}}, {{1, 6, 1}, {2, 6, 1}, {-4, 0, 0}}},
      {"durations beyond int32 are clamped", 1, {{1, 0x7FFFFFFF, 0}, {2, -0x7FFFFFFF, 0}},
       {{1, 0x7FFFFFFF, 0}, {2, INT32_MIN, 0}, {-4, 0, 0}}},
  };
  for (const StepCase& c : cases) {
    SCOPED_TRACE(c.name);
    cDatabase db;
    db.m_Animes.resize(static_cast<std::size_t>(c.index) + 2);
    db.m_Animes.CheckedVectorAt(c.index) = RecordOf<cAnime>(c.frames);
    cAnimeStepTable table;
    table.resize(9);  // a table built before is replaced
    BuildAnimeSteps(table, db);
    ASSERT_EQ(table.VectorSize(), db.m_Animes.VectorSize());
    EXPECT_EQ(Steps(table, c.index), c.expected);
  }
}

TEST(AnimeStepsTest, EffectFramesNeverHoldExceptEffectZero) {
  cDatabase db;
  db.m_Effects.clear();
  db.m_Effects.push_back(RecordOf<cEffect>({{3, 4, 0}}));
  db.m_Effects.push_back(RecordOf<cEffect>({{0, 1, 0}, {1, 2, 0}}));
  BuildEffectSteps(g_EffectSteps, db);
  ASSERT_EQ(g_EffectSteps.size(), 2u);
  EXPECT_EQ(Steps(g_EffectSteps, 0), (std::vector<ANIMESTEP>{{3, 0, 1}, {-2, 0, 1}}));
  EXPECT_EQ(Steps(g_EffectSteps, 1), (std::vector<ANIMESTEP>{{0, 6, 0}, {1, 12, 0}, {-4, 0, 0}}));
  g_EffectSteps.clear();
}

TEST(AnimeStepsTest, EmptyListsGiveEmptyTables) {
  cDatabase db;
  db.m_Animes.clear();
  db.m_Effects.clear();
  cAnimeStepTable animes(3), effects(3);
  BuildAnimeSteps(animes, db);
  BuildEffectSteps(effects, db);
  EXPECT_TRUE(animes.empty());
  EXPECT_TRUE(effects.empty());
}

TEST(EffectStateTablesTest, OneForwardAndOneReversedStatePerRecord) {
  for (std::size_t count : {0u, 1u, 5u}) {
    SCOPED_TRACE(count);
    cDatabase db;
    db.m_CharaEffects.resize(count);
    db.m_ScrEffects.resize(count + 1);
    BuildCharaEffectStates(g_CharaEffectStates, g_CharaEffectStatesRev,
                           StateSetupOf<cCharaEffectState>(), db);
    BuildScrEffectStates(g_ScrEffectStates, g_ScrEffectStatesRev, StateSetupOf<cScrEffectState>(),
                         db);
    ASSERT_EQ(g_CharaEffectStates.size(), count);
    ASSERT_EQ(g_CharaEffectStatesRev.size(), count);
    ASSERT_EQ(g_ScrEffectStates.size(), count + 1);
    ASSERT_EQ(g_ScrEffectStatesRev.size(), count + 1);
    for (int32_t i = 0; i < static_cast<int32_t>(count); ++i) {
      EXPECT_EQ(g_CharaEffectStates.CheckedVectorAt(i).m_nRecord, i);
      EXPECT_EQ(g_CharaEffectStates.CheckedVectorAt(i).m_bReversed, 0);
      EXPECT_EQ(g_CharaEffectStatesRev.CheckedVectorAt(i).m_nRecord, i);
      EXPECT_EQ(g_CharaEffectStatesRev.CheckedVectorAt(i).m_bReversed, 1);
    }
    EXPECT_EQ(g_ScrEffectStatesRev.back().m_nRecord, static_cast<int32_t>(count));
    EXPECT_EQ(g_ScrEffectStatesRev.back().m_bReversed, 1);
  }
  g_CharaEffectStates.clear();
  g_CharaEffectStatesRev.clear();
  g_ScrEffectStates.clear();
  g_ScrEffectStatesRev.clear();
}

// The effect code prepares the states through its own setup, forward then
// reversed for each record in order.
TEST(EffectStateTablesTest, TheSetupSeamIsCalledInOrder) {
  cDatabase db;
  db.m_ScrEffects.resize(3);
  std::vector<std::pair<int32_t, int32_t>> calls;
  cVector<cScrEffectState> forward(7), reversed;
  BuildScrEffectStates(
      forward, reversed,
      [&](cScrEffectState& state, int32_t index, int32_t rev) {
        calls.push_back({index, rev});
        state.m_nRecord = 100 + index;
      },
      db);
  EXPECT_EQ(calls, (std::vector<std::pair<int32_t, int32_t>>{{0, 0}, {0, 1}, {1, 0}, {1, 1}, {2, 0}, {2, 1}}));
  ASSERT_EQ(forward.size(), 3u);
  EXPECT_EQ(forward.CheckedVectorAt(2).m_nRecord, 102);
  EXPECT_EQ(reversed.CheckedVectorAt(2).m_nRecord, 102);
}
