// The range of the distance condition along one axis.
#include <gtest/gtest.h>

#include <climits>

#include "object_world.h"
#include "stage/objects/judge_range.h"

namespace {

class JudgeRangeTest : public ObjectWorld {};

TEST_F(JudgeRangeTest, RangeFromLengths) {
  struct Case {
    const char* name;
    int32_t pos, size, left, right, ownExtent;
    int32_t expectLeft, expectRight;
  };
  const Case cases[] = {
      {"no lengths: the centre", 400, 32, 0, 0, 0, 416, 416},
      {"no lengths, own extent", 400, 32, 0, 0, 1, 400, 432},
      {"left only", 400, 32, 64, 0, 0, 336, 416},
      {"right only", 400, 32, 0, 64, 0, 416, 496},
      {"both, own extent ignored", 400, 33, 10, 20, 1, 390, 452},
      {"huge left saturates", -2000000000, 32, 2000000000, 0, 0, INT_MIN, -1999999984},
      {"huge right saturates", 2000000000, 32, 0, 2000000000, 0, 2000000016, INT_MAX},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    int32_t left = 0, right = 0;
    CalcJudgeRange(c.pos, c.size, c.left, c.right, c.ownExtent, &left, &right);
    EXPECT_EQ(left, c.expectLeft);
    EXPECT_EQ(right, c.expectRight);
  }
}

TEST_F(JudgeRangeTest, TargetInsideTheRange) {
  cGameObject self;
  struct Case {
    const char* name;
    int32_t targetLeft, targetRight, trueTo;
    int32_t expect;
  };
  // Range 336..496 (position 400, size 32, 64 either side).
  const Case cases[] = {
      {"overlapping", 480, 520, 0, 1},
      {"touching the right end", 496, 520, 0, 1},
      {"past the right end", 497, 520, 0, 0},
      {"touching the left end", 300, 336, 0, 1},
      {"shortened off the left end", 300, 340, 5, 0},
      {"shortened, still inside", 300, 341, 5, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(self.JudgeRange(400, 32, c.targetLeft, c.targetRight, c.trueTo, 64, 64, 0, 0, nullptr), c.expect);
  }
}

TEST_F(JudgeRangeTest, HugeLengthsCoverEverything) {
  cGameObject self;
  // Without saturation both ranges would wrap round and hold nothing.
  EXPECT_EQ(self.JudgeRange(2000000000, 32, 2100000000, 2100000001, 0, INT_MAX, INT_MAX, 0, 0, nullptr), 1);
  EXPECT_EQ(self.JudgeRange(-2000000000, 32, INT_MIN + 5, INT_MIN + 6, 0, INT_MAX, INT_MAX, 0, 0, nullptr), 1);
}

// Vertically, a target whose body covers its graphic is not shortened at its
// far end, unless the project keeps the old distance condition.
TEST_F(JudgeRangeTest, VerticalFarEndRule) {
  cGameObject self;
  cGameObject target = Object(0, 100, 32, 40);  // body 40 tall
  target.m_nGraphicH = 48;
  struct Case {
    const char* name;
    int32_t legacy, vertical, trueTo, graphicH;
    int32_t expect;
  };
  // Range 336..496; target 300..340: inside only when its far end is not shortened by 5.
  const Case cases[] = {
      {"body + shortening reaches the graphic", 0, 1, 8, 48, 1},
      {"body + shortening short of the graphic", 0, 1, 7, 48, 0},
      {"old distance condition", 1, 1, 8, 48, 0},
      {"horizontal axis", 0, 0, 8, 48, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    g_SystemData.m_bLegacy733 = c.legacy;
    target.m_nGraphicH = c.graphicH;
    EXPECT_EQ(self.JudgeRange(400, 32, 300, 340 + c.trueTo - 5, c.trueTo, 64, 64, 0, c.vertical, &target), c.expect);
  }
}

}  // namespace
