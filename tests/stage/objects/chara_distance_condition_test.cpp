// The distance condition (kind 7): bands on either axis by the chara's
// facing, the circle, inside and outside, and the subject's old measure.
#include <gtest/gtest.h>

#include "chara_world.h"
#include "records/script/condition.h"
#include "records/settings/system_data.h"
#include "stage/objects/chara_conditions.h"
#include "stage/objects/chara_draw_list.h"
#include "stage/script/condition_eval.h"

namespace {

// The chara's screen rectangle is (300, 200) 32 x 32; its target (subject 2)
// and the hero (subject 0) are 32 x 32 too, placed by each case.
class DistanceConditionTest : public CharaWorld {
 protected:
  void SetUp() override {
    CharaWorld::SetUp();
    hero_ = &AddTestHero(0);
    self_ = &AddTestChara(1);
    target_ = &AddTestChara(2);
    Target(*self_, 1, *target_);  // slot 0 stays empty (subject 1)
    Shape(*self_, 300, 200);
    Shape(*hero_, 300, 200);
  }

  // Screen rectangle and body at (left, top), graphic and body 32 x 32.
  static void Shape(cCharaBase& chara, int32_t left, int32_t top) {
    chara.m_nGraphicW = chara.m_nGraphicH = chara.m_nWidth = chara.m_nHeight = 32;
    chara.m_rcScreen = {left, top, left + 31, top + 31};
    chara.m_dX = left;
    chara.m_dY = top;
  }

  // Within (compare 0) or outside (1) halfBlocks x 16 + dots of the shape.
  static cCondition Distance(int8_t subject, int8_t shape, int32_t halfBlocks, int8_t compare = 0,
                             int16_t dots = 0) {
    cCondition cond;
    cond.m_nKind = kCondDistance;
    cond.m_nSubject = subject;
    cond.m_nShape = shape;
    cond.m_nValue = halfBlocks;
    cond.m_nRightIndex = dots;
    cond.m_nCompare = compare;
    return cond;
  }

  cHero* hero_ = nullptr;
  cChara* self_ = nullptr;
  cChara* target_ = nullptr;
};

// Range of 2 half blocks: the band 268 .. 364 across, 168 .. 264 down; in
// front (facing right) from the centre 316 to 364, behind 268 to 316.
TEST_F(DistanceConditionTest, BandsBySideAndFacing) {
  struct Case {
    const char* name;
    int8_t shape;
    int32_t facing, left, top;
    int32_t holds;
  };
  const Case cases[] = {
      {"across, touching the right end", kShapeHorizontal, 1, 364, 900, 1},
      {"across, past the right end", kShapeHorizontal, 1, 365, 900, 0},
      {"across, touching the left end", kShapeHorizontal, 1, 236, 900, 1},
      {"ahead facing right", kShapeAhead, 1, 340, 200, 1},
      {"ahead facing right, target behind", kShapeAhead, 1, 250, 200, 0},
      {"ahead facing left", kShapeAhead, 0, 250, 200, 1},
      {"behind facing right", kShapeBehind, 1, 250, 200, 1},
      {"behind facing left, target in front", kShapeBehind, 0, 250, 200, 0},
      {"down the column", kShapeVertical, 1, 900, 250, 1},
      {"down the column, too far", kShapeVertical, 1, 900, 300, 0},
      {"ahead down (facing right)", kShapeAheadY, 1, 900, 250, 1},
      {"ahead up (facing left)", kShapeAheadY, 0, 900, 250, 0},
      {"behind up (facing right)", kShapeBehindY, 1, 900, 150, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    self_->m_nFacing = c.facing;
    Shape(*target_, c.left, c.top);
    EXPECT_EQ(EvalDistanceCondition(*self_, Distance(2, c.shape, 2)), c.holds);
    EXPECT_EQ(EvalDistanceCondition(*self_, Distance(2, c.shape, 2, 1)), 1 - c.holds);  // "外"
  }
}

TEST_F(DistanceConditionTest, CircleBetweenTheBodyCentresWithExtraDots) {
  struct Case {
    double x, y;
    int16_t dots;
    int32_t holds;
  } const cases[] = {{324, 200, 0, 1}, {332, 200, 0, 1}, {333, 200, 0, 0}, {324, 224, 0, 0}, {333, 200, 1, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
    Shape(*target_, 0, 0);  // the screen rectangle plays no part
    target_->m_dX = c.x;
    target_->m_dY = c.y;
    EXPECT_EQ(EvalDistanceCondition(*self_, Distance(2, kShapeCircle, 2, 0, c.dots)), c.holds);
  }
}

// Subject 0 is the hero; an empty slot or a gone chara fails, inside and
// outside alike, and so does a shape the data does not know.
TEST_F(DistanceConditionTest, SubjectsAndWhatFails) {
  Shape(*hero_, 2000, 200);
  EXPECT_EQ(EvalDistanceCondition(*self_, Distance(0, kShapeHorizontal, 2, 1)), 1);
  Shape(*hero_, 340, 200);
  EXPECT_EQ(EvalDistanceCondition(*self_, Distance(0, kShapeHorizontal, 2)), 1);
  for (int8_t compare : {0, 1}) {
    SCOPED_TRACE(compare);
    EXPECT_EQ(EvalDistanceCondition(*self_, Distance(1, kShapeHorizontal, 2, compare)), 0);
    EXPECT_EQ(EvalDistanceCondition(*self_, Distance(5, kShapeHorizontal, 2, compare)), 0);
    EXPECT_EQ(EvalDistanceCondition(*self_, Distance(2, 7, 2, compare)), 0);
  }
  self_->m_Targets.CheckedVectorAt(1) = 99;  // a chara that is gone
  EXPECT_EQ(EvalDistanceCondition(*self_, Distance(2, kShapeHorizontal, 2, 1)), 0);
}

// 200,000,000 half blocks are 3,200,000,000 dots: beyond int32, yet a range
// that covers everything rather than one that wrapped round to nothing.
TEST_F(DistanceConditionTest, HugeRangesCoverEverything) {
  Shape(*target_, 1000000, 1000000);
  EXPECT_EQ(DistanceRangeDots(Distance(2, kShapeHorizontal, 200000000)), INT32_MAX);
  EXPECT_EQ(DistanceRangeDots(Distance(2, kShapeHorizontal, -200000000)), INT32_MIN);
  for (int8_t shape : {kShapeHorizontal, kShapeVertical, kShapeCircle}) {
    SCOPED_TRACE(static_cast<int32_t>(shape));
    EXPECT_EQ(EvalDistanceCondition(*self_, Distance(2, shape, 200000000)), 1);
  }
}

// The old measure takes the subject's screen rectangle as it stands (one dot
// shorter than its judge edges): a target touching the band's left end by its
// judge edge is outside by its rectangle. The project's switch, or a replay
// recorded at version 781 or older, asks for it.
TEST_F(DistanceConditionTest, OldMeasureOfTheSubjectBySwitchOrReplayVersion) {
  Shape(*target_, 236, 900);
  struct Case {
    const char* name;
    int32_t legacy, playing, version;
    int32_t holds;
  } const cases[] = {
      {"current measure", 0, 0, 700, 1},
      {"project switch", 1, 0, 900, 0},
      {"replay of version 781", 0, 1, 781, 0},
      {"replay of version 782", 0, 1, 782, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    g_SystemData.m_bLegacy782 = c.legacy;
    play_.m_Replay = cReplayPlayback{c.playing, c.version};
    EXPECT_EQ(EvalDistanceCondition(*self_, Distance(2, kShapeHorizontal, 2)), c.holds);
  }
}

// In a running stage the condition lists reach the chara's distance test.
TEST_F(DistanceConditionTest, ConditionListsEvaluateIt) {
  Shape(*target_, 340, 200);
  cCondition cond = Distance(2, kShapeHorizontal, 2);
  EXPECT_TRUE(EvalCondition(play_, cond, self_));
  Shape(*target_, 1340, 200);
  EXPECT_FALSE(EvalCondition(play_, cond, self_));
}

// The ranges the play screen shows: display 1 always, 2 in test plays only;
// a disabled chara's range only when its condition asks, and then its screen
// rectangle is brought up to date (later conditions measure from it, with a
// list or without). Its own conditions come first, then its flows'.
TEST_F(DistanceConditionTest, ShownRangesAndTheStateTheyKeep) {
  play_.m_ObjGroup.CheckedVectorAt(0).push_back(self_->m_nId);
  self_->m_dRight = 331;
  self_->m_dBottom = 231;
  self_->m_bEnabled = 1;
  cCondition shown = Distance(2, kShapeHorizontal, 2);
  shown.m_nLeftType = 1;
  cCondition testPlayOnly = Distance(2, kShapeVertical, 1);
  testPlayOnly.m_nLeftType = 2;
  self_->m_Def.m_Conditions.assign({shown, testPlayOnly});
  self_->m_Def.m_Flows.emplace_back().m_Conditions.push_back(shown);

  cCharaDrawList draw;
  play_.m_nRangePhase = 31;
  play_.StepDistanceRanges(&draw);
  ASSERT_EQ(draw.Entries.VectorSize(), 2);  // its own range, then its flow's
  const CHARADRAW& range = draw.Entries.CheckedVectorAt(0);
  EXPECT_EQ(range.nKind, kDrawDistanceRange);
  EXPECT_EQ(range.nRangeFrom, 268);
  EXPECT_EQ(range.nRangeTo, 364);
  EXPECT_EQ(range.nRangePhase, 0);  // wrapped after 31

  play_.m_Run.bFromEditor = 1;
  draw.Entries.clear();
  play_.StepDistanceRanges(&draw);
  EXPECT_EQ(draw.Entries.VectorSize(), 3);

  self_->m_bEnabled = 0;
  self_->m_rcScreen.left = 0;  // as the chara was last drawn
  for (int8_t evenDisabled : {0, 1}) {
    SCOPED_TRACE(evenDisabled);
    for (cCondition& cond : self_->m_Def.m_Conditions) cond.m_nRightType = evenDisabled;
    draw.Entries.clear();
    play_.StepDistanceRanges(nullptr);
    EXPECT_EQ(self_->m_rcScreen.left, evenDisabled ? 300 : 0);
  }

  draw.bPaletteCycles = 1;  // the palette shades the ranges by itself
  const int32_t phase = play_.m_nRangePhase;
  play_.StepDistanceRanges(&draw);
  EXPECT_EQ(play_.m_nRangePhase, phase);
}

}  // namespace
