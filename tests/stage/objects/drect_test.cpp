#include <gtest/gtest.h>

#include "stage/objects/drect.h"

TEST(DrectTest, OverlapIncludesEveryEdgeAndCopyClearAreWhole) {
  const DRECT box{0, 0, 31, 31};
  struct Case {
    DRECT other;
    bool overlaps;
  } const cases[] = {
      {{31, 31, 40, 40}, true},   // corners touch
      {{31.5, 0, 40, 31}, false}, {{-10, -10, -0.5, 5}, false}, {{0, 32, 31, 40}, false},
      {{10, 10, 12, 12}, true},   // inside
      {{-5, -5, 50, 50}, true},   // around
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.other.left);
    EXPECT_EQ(box.Overlaps(c.other), c.overlaps);
    EXPECT_EQ(c.other.Overlaps(box), c.overlaps);
  }
  DRECT copy;
  copy.Copy(box);
  EXPECT_EQ(copy.right, 31);
  EXPECT_EQ(copy.bottom, 31);
  copy.Clear();
  EXPECT_EQ(copy.left + copy.top + copy.right + copy.bottom, 0);
}
