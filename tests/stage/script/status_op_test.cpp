#include "stage/script/status_op.h"

#include <gtest/gtest.h>

#include <climits>

TEST(StatusOpTest, Int32OperationsAreExactThenClamped) {
  struct Case {
    const char* name;
    int32_t value, operand, op, lo, hi;
    int32_t expected;
  } const cases[] = {
      {"assign", 5, 12, kStatusOpAssign, 0, 10, 10},
      {"add", 5, 12, kStatusOpAdd, -999999, 999999, 17},
      {"add past int32 ends at max", 999999, INT_MAX, kStatusOpAdd, -999999, 999999, 999999},
      {"subtract past int32 ends at min", -999999, INT_MAX, kStatusOpSub, -999999, 999999, -999999},
      {"multiply clamps", 600000, 2, kStatusOpMul, -999999, 999999, 999999},
      {"multiply past int32", 65536, 65537, kStatusOpMul, -999999, 999999, 999999},
      {"multiply mixed signs", 65536, -65537, kStatusOpMul, -999999, 999999, -999999},
      {"multiply negatives", -50000, -50000, kStatusOpMul, -999999, 999999, 999999},
      {"divide truncates", -7, 2, kStatusOpDiv, -999999, 999999, -3},
      {"divide by 0 keeps", 42, 0, kStatusOpDiv, -999999, 999999, 42},
      {"INT_MIN / -1", INT_MIN, -1, kStatusOpDiv, INT_MIN, INT_MAX, INT_MAX},
      {"remainder has the left's sign", -7, 3, kStatusOpRem, -999999, 999999, -1},
      {"remainder by 0 keeps", 42, 0, kStatusOpRem, -999999, 999999, 42},
      {"INT_MIN % -1", INT_MIN, -1, kStatusOpRem, INT_MIN, INT_MAX, 0},
      {"percent rounds up", 15, 50, kStatusOpPercent, -999999, 999999, 8},
      {"percent rounds down", -15, 50, kStatusOpPercent, -999999, 999999, -8},
      {"7 at 50 %", 7, 50, kStatusOpPercent, -999999, 999999, 4},
      {"-7 at 50 %", -7, 50, kStatusOpPercent, -999999, 999999, -4},
      {"999999 at 5000 %", 999999, 5000, kStatusOpPercent, -999999, 999999, 999999},
      {"-999999 at 5000 %", -999999, 5000, kStatusOpPercent, -999999, 999999, -999999},
      {"unknown operator clamps only", 1200, 3, 7, 0, 999, 999},
      {"range inverted: max wins", 5, 0, kStatusOpAdd, 10, 3, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    int32_t v = c.value;
    EXPECT_EQ(ApplyStatusOp(&v, c.operand, c.op, c.lo, c.hi), c.expected);
    EXPECT_EQ(v, c.expected);
  }
}

TEST(StatusOpTest, NarrowTwinsComputeWideAndStoreNarrow) {
  int8_t z = 3;
  EXPECT_EQ(ApplyStatusOpByte(&z, 256, kStatusOpAssign, 0, 7), 7);  // not 256 cut to 0
  EXPECT_EQ(z, 7);
  int8_t id = 50;
  EXPECT_EQ(ApplyStatusOpByte(&id, 100, kStatusOpAdd, 0, 99), 99);  // not a wrapped -106
  int8_t impact = 5;
  EXPECT_EQ(ApplyStatusOpByte(&impact, -30, kStatusOpAdd, -20, 20), -20);
  int8_t product = 100;
  EXPECT_EQ(ApplyStatusOpByte(&product, 100, kStatusOpMul, -20, 20), 20);
  int8_t percent = 15;
  EXPECT_EQ(ApplyStatusOpByte(&percent, 50, kStatusOpPercent, -20, 20), 8);
  int16_t mark = 100;
  EXPECT_EQ(ApplyStatusOpShort(&mark, 65536, kStatusOpAdd, 0, 119), 119);
  int16_t stop = 150;
  EXPECT_EQ(ApplyStatusOpShort(&stop, 0, kStatusOpDiv, 0, 200), 150);
  EXPECT_EQ(ApplyStatusOpShort(&stop, 1000, kStatusOpMul, 0, 200), 200);
  int8_t clamped = -100;
  EXPECT_EQ(ClampByte(&clamped, 0, 40), 0);
}

TEST(StatusOpTest, PercentagesRoundHalvesAwayFromZeroAndSaturate) {
  struct Case {
    int32_t value, percent, expected;
  } const cases[] = {
      {15, 50, 8}, {-15, 50, -8}, {200, 10, 20}, {100, 10, 10}, {1, 49, 0}, {-1, 49, 0},
      {INT_MAX, INT_MAX, INT_MAX}, {INT_MIN, INT_MAX, INT_MIN}, {0, INT_MIN, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.value << " at " << c.percent);
    EXPECT_EQ(PercentOfInt(c.value, c.percent), c.expected);
  }
  EXPECT_EQ(PercentOfShort(30000, 200), 32767);
  EXPECT_EQ(PercentOfShort(-15, 50), -8);
  EXPECT_EQ(PercentOfByte(100, 100), 100);
  EXPECT_EQ(PercentOfByte(-128, 127), -128);
}
