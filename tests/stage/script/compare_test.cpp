#include <gtest/gtest.h>

#include <climits>

#include "stage/script/compare.h"

TEST(CompareByCodeTest, EachCodeAgainstItsTable) {
  struct Case {
    int32_t a, b;
    uint32_t code;
    int32_t expected;
  } const cases[] = {
      {5, 5, 0, 1},   {5, 5, 1, 0},   {5, 5, 2, 1},   {5, 5, 3, 1},   {5, 5, 4, 0},   {5, 5, 5, 0},
      {6, 5, 2, 1},   {6, 5, 4, 1},   {4, 5, 3, 1},   {4, 5, 5, 1},   {-1, 0, 5, 1},
      {0, 0, 6, 1},   {0, 0, 7, 0},   {7, 0, 6, 1},   {7, 0, 7, 0},   // b == 0 divides all, fails none
      {-12, 4, 6, 1}, {-12, -5, 7, 1}, {-12, -4, 6, 1}, {12, 5, 6, 0},
      {INT_MIN, -1, 6, 1},  // |INT_MIN| mod -1: no overflow, no trap
      {INT_MIN, -1, 7, 0},
      {INT_MIN, 2, 6, 1},  {INT_MIN, 3, 7, 1}, {INT_MIN, INT_MIN, 6, 1},
      {INT_MIN, INT_MAX, 5, 1},
      {5, 5, 8, 0},   {5, 5, 0xFFFFFFFFu, 0},  // no such code
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.a << " " << c.code << " " << c.b);
    EXPECT_EQ(CompareByCode(c.a, c.b, c.code), c.expected);
  }
}

TEST(CompareByCodeTest, NarrowStatusesCompareWithTheUncutValue) {
  struct Case {
    int32_t a;  // cut to the width under test
    int32_t b;
    uint32_t code;
    int32_t expected;
  } const cases[] = {
      {50, 256, 2, 0},     // 256 is not cut to 0 (which would hold)
      {50, 256, 5, 1},     {0, 65536, 0, 0},  // not cut to 0
      {-12, 4, 6, 1},      {-128, -1, 6, 1},  {-128, 3, 7, 1},
      {7, 7, 0, 1},        {7, 7, 8, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.a << " " << c.code << " " << c.b);
    EXPECT_EQ(CompareByte(static_cast<int8_t>(c.a), c.b, c.code), c.expected);
    EXPECT_EQ(CompareShort(static_cast<int16_t>(c.a), c.b, c.code), c.expected);
  }
  EXPECT_EQ(CompareShort(-32768, -1, 6), 1);
  EXPECT_EQ(CompareShort(300, 256, 2), 1);
  EXPECT_EQ(CompareShort(300, 44, 0), 0);  // 300 is no byte
}
