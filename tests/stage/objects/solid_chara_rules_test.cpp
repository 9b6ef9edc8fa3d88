// The one-branch box test of the solid walks against the plain overlap of two
// boxes: a solid it missed would let an object fall through a platform, one
// it invented would stop an object in the air.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "stage/objects/solid_chara_rules.h"

namespace solid_chara_rules_test {

using solid_chara_rules::ForEachMeeting;
using solid_chara_rules::PositionBox;
using solid_chara_rules::PositionBoxMeets;

void Place(cChara& s, const DRECT& box) {
  s.m_dX = box.left;
  s.m_dY = box.top;
  s.m_dRight = box.right;
  s.m_dBottom = box.bottom;
}

TEST(SolidCharaRulesTest, PositionBoxMeetsAgreesWithTheOverlapOfTheBoxes) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  constexpr double kInf = std::numeric_limits<double>::infinity();
  const DRECT body{100, 200, 131, 231};
  struct cCase {
    const char* name;
    DRECT solid;
    bool meets;
  };
  const cCase cases[] = {
      {"inside", {110, 210, 120, 220}, true},
      {"around", {0, 0, 500, 500}, true},
      {"touching the right edge", {131, 200, 160, 231}, true},
      {"a dot right of it", {131.5, 200, 160, 231}, false},
      {"touching the left edge", {60, 200, 100, 231}, true},
      {"a dot left of it", {60, 200, 99.75, 231}, false},
      {"touching the bottom edge", {100, 231, 131, 260}, true},
      {"a dot below it", {100, 232, 131, 260}, false},
      {"touching the top edge", {100, 150, 131, 200}, true},
      {"a dot above it", {100, 150, 131, 199.5}, false},
      {"beside but above", {140, 150, 160, 190}, false},
      {"level but beside", {140, 210, 160, 220}, false},
      {"a corner on a corner", {131, 231, 140, 240}, true},
      {"infinite width", {-kInf, 210, kInf, 220}, true},
      {"NaN left edge", {kNaN, 210, 120, 220}, false},
      {"NaN top edge", {110, kNaN, 120, 220}, false},
      {"NaN right edge", {110, 210, kNaN, 220}, false},
      {"NaN bottom edge", {110, 210, 120, kNaN}, false},
      {"inverted (no width)", {120, 210, 110, 220}, true},
  };
  cChara s;
  for (const cCase& c : cases) {
    SCOPED_TRACE(c.name);
    Place(s, c.solid);
    EXPECT_EQ(PositionBoxMeets(s, body), c.meets);
    EXPECT_EQ(PositionBoxMeets(s, body), PositionBox(s).Overlaps(body));
  }
  // The same cases through the walk, in each place of a four tested
  // together: each lane of the packed test must keep its own edges (a NaN
  // among the others still fails only its own solid).
  std::vector<cChara> four(4);
  std::vector<cChara*> solids;
  for (cChara& f : four) solids.push_back(&f);
  for (const cCase& c : cases) {
    for (std::size_t slot = 0; slot < four.size(); ++slot) {
      SCOPED_TRACE(std::string(c.name) + " in place " + std::to_string(slot));
      for (std::size_t k = 0; k < four.size(); ++k) {
        Place(four[k], k == slot ? c.solid : DRECT{kNaN, 1000, 2000, kNaN});
      }
      std::vector<const cChara*> met;
      ForEachMeeting(solids, body, [&](const cChara& m) { met.push_back(&m); });
      EXPECT_EQ(met, c.meets ? std::vector<const cChara*>{&four[slot]} : std::vector<const cChara*>{});
    }
  }
  // Negative zero equals zero: a solid ending at -0 meets a body at 0.
  Place(s, DRECT{-10, -10, -0.0, -0.0});
  EXPECT_TRUE(PositionBoxMeets(s, DRECT{0, 0, 5, 5}));
}

TEST(SolidCharaRulesTest, PositionBoxMeetsAgreesWithTheOverlapOnRandomBoxes) {
  std::mt19937 random(20261211);
  std::uniform_int_distribution<int32_t> quarter(-400, 2400);  // quarter dots, edges often shared
  std::uniform_int_distribution<int32_t> size(0, 400);
  auto box = [&] {
    const double x = quarter(random) / 4.0;
    const double y = quarter(random) / 4.0;
    return DRECT{x, y, x + size(random) / 4.0, y + size(random) / 4.0};
  };
  cChara s;
  for (int32_t i = 0; i < 20000; ++i) {
    const DRECT solid = box();
    const DRECT body = box();
    Place(s, solid);
    ASSERT_EQ(PositionBoxMeets(s, body), solid.Overlaps(body)) << "case " << i;
  }
}

// The walk that tests solids four at a time meets the solids the plain walk
// meets, in the same order, whatever the count (some counts leave a few over).
TEST(SolidCharaRulesTest, ForEachMeetingMeetsWhatThePlainWalkMeetsInOrder) {
  std::mt19937 random(20261212);
  std::uniform_int_distribution<int32_t> place(0, 40);  // 8-dot steps: shared edges are common
  std::uniform_int_distribution<int32_t> size(0, 8);
  auto box = [&] {
    const double x = place(random) * 8.0;
    const double y = place(random) * 8.0;
    return DRECT{x, y, x + size(random) * 8.0 - 1, y + size(random) * 8.0 - 1};
  };
  for (std::size_t count = 0; count <= 9; ++count) {
    std::vector<cChara> store(count);
    std::vector<cChara*> solids;
    for (cChara& s : store) solids.push_back(&s);
    for (int32_t round = 0; round < 500; ++round) {
      for (cChara& s : store) Place(s, box());
      const DRECT body = box();
      std::vector<const cChara*> plain;
      for (const cChara* s : solids) {
        if (PositionBox(*s).Overlaps(body)) plain.push_back(s);
      }
      std::vector<const cChara*> walked;
      ForEachMeeting(solids, body, [&](const cChara& s) { walked.push_back(&s); });
      ASSERT_EQ(walked, plain) << count << " solids, round " << round;
    }
  }
}

}  // namespace solid_chara_rules_test
