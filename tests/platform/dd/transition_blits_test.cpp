#include "platform/dd/transition_blits.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/dd/fill.h"
#include "platform/dd/surface_create.h"
#include "platform/dd/surface_data.h"
#include "tests/platform/dd/display_fixture.h"

namespace {

class TransitionBlitsTest : public GroundedDisplayTest {};

TEST_F(TransitionBlitsTest, StripesMoveAlternatelyAndDropTheRemainder) {
  // Source columns (or rows) coloured by tens: 'a' for 0-9, 'b' for 10-19, ...
  DDSURFACEDATA cols, rows;
  Make(cols, 100, 2);
  Make(rows, 2, 100);
  for (int32_t i = 0; i < 10; ++i) {
    DDFillRect(&cols, 10 * i, 0, 10, 2, kFirstColour + static_cast<uint32_t>(i));
    DDFillRect(&rows, 0, 10 * i, 2, 10, kFirstColour + static_cast<uint32_t>(i));
  }
  DDSURFACEDATA dst;
  Make(dst, 100, 8);
  DDBltStripe(&dst, 0, 3, 100, 2, 30, 2, &cols, 0, 0, 0, 1);
  for (int32_t x = 0; x < 100; ++x) {
    SCOPED_TRACE(x);
    const int32_t stripe = x / 30;
    const int32_t top = stripe == 3 ? -1 : stripe % 2 == 0 ? 5 : 1;
    for (int32_t y = 0; y < 8; ++y) {
      const bool drawn = top >= 0 && y >= top && y < top + 2;
      EXPECT_EQ(PixelAt(dst, x, y), drawn ? kFirstColour + static_cast<uint32_t>(x / 10) : kGround) << "y " << y;
    }
  }
  DDSURFACEDATA tall;
  Make(tall, 8, 100);
  DDBltStripe(&tall, 3, 0, 2, 100, 30, 2, &rows, 0, 0, 0, 0);
  for (int32_t y = 0; y < 100; ++y) {
    SCOPED_TRACE(y);
    const int32_t stripe = y / 30;
    const int32_t left = stripe == 3 ? -1 : stripe % 2 == 0 ? 5 : 1;
    for (int32_t x = 0; x < 8; ++x) {
      const bool drawn = left >= 0 && x >= left && x < left + 2;
      EXPECT_EQ(PixelAt(tall, x, y), drawn ? kFirstColour + static_cast<uint32_t>(y / 10) : kGround) << "x " << x;
    }
  }
}

TEST_F(TransitionBlitsTest, StripeWidthZeroIsAPlainBlitAndNegativeDrawsNothing) {
  DDSURFACEDATA src, dst;
  Make(src, 3, 1);
  DDFillSurface(&src, kFirstColour);
  Make(dst, 5, 1);
  DDBltStripe(&dst, 1, 0, 3, 1, 0, 7, &src, 0, 0, 0, 1);
  EXPECT_EQ(IndexPicture(dst, 5, 1), ".aaa.\n");
  DDFillSurface(&dst, kGround);
  DDBltStripe(&dst, 1, 0, 3, 1, -1, 0, &src, 0, 0, 0, 1);
  EXPECT_EQ(IndexPicture(dst, 5, 1), ".....\n");
}

TEST_F(TransitionBlitsTest, SplitMovesTheQuartersOutward) {
  DDSURFACEDATA src, dst;
  Make(src, 5, 3);
  for (int32_t y = 0; y < 3; ++y) {
    for (int32_t x = 0; x < 5; ++x) DDFillRect(&src, x, y, 1, 1, kFirstColour + static_cast<uint32_t>(5 * y + x));
  }
  Make(dst, 10, 8);
  DDBltSplit(&dst, 3, 3, 5, 3, &src, 0, 0, 1, 0);
  // Odd sizes: the last column and row of the source are not drawn.
  EXPECT_EQ(IndexPicture(dst, 10, 8),
            "..........\n"
            "..........\n"
            "..ab..cd..\n"
            "..........\n"
            "..........\n"
            "..fg..hi..\n"
            "..........\n"
            "..........\n");
}

TEST_F(TransitionBlitsTest, FlipRunsATriangleWaveAndTurnsAtTheNarrowestPoint) {
  struct Case {
    int32_t frame;
    int32_t inset;
    char side;
  };
  const Case cases[] = {
      {0, 0, 'a'},   {31, 31, 'a'}, {32, 31, 'b'}, {63, 0, 'b'}, {64, 0, 'b'},
      {95, 31, 'b'}, {96, 31, 'a'}, {-5, 0, 'a'},  {2147483647, 0, 'a'},
  };
  DDSURFACEDATA front, back, dst, tall;
  Make(front, 64, 64);
  Make(back, 64, 64);
  DDFillSurface(&front, kFirstColour);
  DDFillSurface(&back, kFirstColour + 1);
  Make(dst, 64, 1);
  Make(tall, 1, 64);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.frame);
    const std::string drawn = std::string(static_cast<std::size_t>(c.inset), '.') +
                              std::string(static_cast<std::size_t>(64 - 2 * c.inset), c.side) +
                              std::string(static_cast<std::size_t>(c.inset), '.');
    DDFillSurface(&dst, kGround);
    DDBltFlip(&dst, 0, 0, 64, 1, &front, 0, 0, &back, 0, 0, 64, 1, 0, c.frame, 0);
    EXPECT_EQ(IndexPicture(dst, 64, 1), drawn + "\n");
    DDFillSurface(&tall, kGround);
    DDBltFlip(&tall, 0, 0, 1, 64, &front, 0, 0, &back, 0, 0, 1, 64, 0, c.frame, 1);
    std::string column;
    for (char ch : drawn) column += std::string(1, ch) + "\n";
    EXPECT_EQ(IndexPicture(tall, 1, 64), column);
  }
}

TEST_F(TransitionBlitsTest, FlipAlongASizeBelowTwoOrInAnotherModeDrawsNothing) {
  DDSURFACEDATA front, dst;
  Make(front, 4, 4);
  DDFillSurface(&front, kFirstColour);
  Make(dst, 4, 4);
  const std::string empty = "....\n....\n....\n....\n";
  DDBltFlip(&dst, 0, 0, 1, 4, &front, 0, 0, &front, 0, 0, 1, 4, 0, 7, 0);
  DDBltFlip(&dst, 0, 0, 4, 1, &front, 0, 0, &front, 0, 0, 4, 1, 0, 7, 1);
  DDBltFlip(&dst, 0, 0, 4, 4, &front, 0, 0, &front, 0, 0, 4, 4, 0, 0, 2);
  EXPECT_EQ(IndexPicture(dst, 4, 4), empty);
}

}  // namespace

namespace {

// The batched pieces reach a Direct3D target as well (drawn when the batch ends).
TEST(TransitionBlitsDirect3DTest, BatchedPiecesAreDrawnByTheBatchEnd) {
  ScopedDisplay display({1, 32, 1});
  ASSERT_TRUE(display.ok());
  SetTestPalette();
  DDSURFACEDATA src, dst;
  ASSERT_TRUE(DDCreateSurface(&src, 4, 2, 0, 0, 0, nullptr, 0));
  ASSERT_TRUE(DDCreateSurface(&dst, 8, 6, 0, 0, 0, nullptr, 0));
  DDFillSurface(&src, kFirstColour);
  DDFillSurface(&dst, kGround);
  const uint32_t piece = PixelAt(src, 0, 0);
  const uint32_t ground = PixelAt(dst, 0, 0);
  ASSERT_NE(piece, ground);
  DDBltSplit(&dst, 2, 2, 4, 2, &src, 0, 0, 1, 0);
  std::string picture;
  for (int32_t y = 0; y < 6; ++y) {
    for (int32_t x = 0; x < 8; ++x) picture += PixelAt(dst, x, y) == piece ? 'a' : PixelAt(dst, x, y) == ground ? '.' : '?';
    picture += '\n';
  }
  EXPECT_EQ(picture,
            "........\n"
            ".aa..aa.\n"
            "........\n"
            "........\n"
            ".aa..aa.\n"
            "........\n");
}

}  // namespace
