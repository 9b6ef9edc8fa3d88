#include "platform/dd/number_draw.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/dd/fill.h"
#include "platform/dd/surface_create.h"
#include "platform/dd/surface_data.h"
#include "tests/platform/dd/display_fixture.h"

namespace {

constexpr int32_t kRowWidth = 16;
constexpr uint32_t kFirstDigitColour = 30;

// The 8-bit row as text: digit d where cell d of the strip was drawn, '.' elsewhere.
std::string Row(DDSURFACEDATA& sd) {
  std::string out;
  for (int32_t x = 0; x < kRowWidth; ++x) {
    const uint32_t p = PixelAt(sd, x, 0);
    out += p == kGround ? '.' : p >= kFirstDigitColour && p < kFirstDigitColour + 10 ? char('0' + p - kFirstDigitColour) : '?';
  }
  return out;
}

TEST(NumberDrawTest, DigitsAreAlignedInTheirField) {
  struct Case {
    int32_t number, field, centre, x;
    const char* row;
  };
  const Case cases[] = {
      {7, 3, 0, 0, "..7............."},   {7, 3, 1, 0, ".7.............."},
      {12345, 3, 0, 1, ".12345.........."}, {0, 1, 0, 0, "0..............."},
      {90, 5, 1, 2, "...90..........."},  // (5 - 2) / 2 rounds toward zero
      {2147483647, 0, 0, 0, "2147483647......"},
      {-1, 3, 0, 0, "................"},  {7, -4, 0, 3, "...7............"},
  };
  ScopedDisplay display({0, 8, 0});
  SetTestPalette();
  DDSURFACEDATA strip, dst;
  ASSERT_TRUE(DDCreateSurface(&strip, 10, 1, 0, 0, 0, nullptr, 0));
  ASSERT_TRUE(DDCreateSurface(&dst, kRowWidth, 1, 0, 0, 0, nullptr, 0));
  for (int32_t d = 0; d < 10; ++d) DDFillRect(&strip, d, 0, 1, 1, kFirstDigitColour + static_cast<uint32_t>(d));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.number);
    DDFillSurface(&dst, kGround);
    DDDrawNumber(&dst, c.x, 0, 1, 1, &strip, 0, 0, 0, c.number, c.field, c.centre);
    EXPECT_EQ(Row(dst), c.row);
  }
}

TEST(NumberDrawTest, WideCellsTakeTheirDigitFromTheStripOffset) {
  ScopedDisplay display({0, 8, 0});
  SetTestPalette();
  DDSURFACEDATA strip, dst;
  // Cells 2 wide, the strip starting 1 dot in: digit d is at 1 + 2 d.
  ASSERT_TRUE(DDCreateSurface(&strip, 21, 1, 0, 0, 0, nullptr, 0));
  ASSERT_TRUE(DDCreateSurface(&dst, kRowWidth, 1, 0, 0, 0, nullptr, 0));
  DDFillSurface(&strip, kGround);
  for (int32_t d = 0; d < 10; ++d) DDFillRect(&strip, 1 + 2 * d, 0, 2, 1, kFirstDigitColour + static_cast<uint32_t>(d));
  DDFillSurface(&dst, kGround);
  DDDrawNumber(&dst, 0, 0, 2, 1, &strip, 1, 0, 0, 7, 3, 1);
  EXPECT_EQ(Row(dst), "..77............");
}

}  // namespace
