#include "platform/dd/wave_blit.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "platform/dd/fill.h"
#include "platform/dd/surface_create.h"
#include "platform/dd/surface_data.h"
#include "tests/platform/dd/display_fixture.h"

namespace {

TEST(WaveBlitTest, BandOffsetsFollowTheSine) {
  struct Case {
    int32_t k, band, n, waves;
    double amplitude;
    int32_t phase, offset;
  };
  const Case cases[] = {
      {1, 1, 4, 1, 2.0, 0, 2},   {2, 1, 4, 1, 2.0, 0, 0},   {3, 1, 4, 1, 2.0, 0, -2},
      {4, 1, 4, 1, 2.0, 0, 0},   {1, 1, 4, 1, 2.9, 0, 2},   {3, 1, 4, 1, 2.9, 0, -2},  // toward zero
      {1, 1, 4, 1, 2.0, 90, 0},  {1, 1, 8, 2, 5.0, 0, 5},   {1, 3, 4, 1, 2.0, 0, -2},
      {1, 1, 4, 1, 1e300, 0, std::numeric_limits<int32_t>::max()},
      {3, 1, 4, 1, 1e300, 0, std::numeric_limits<int32_t>::min()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "k " << c.k << " band " << c.band << " phase " << c.phase << " amp " << c.amplitude);
    EXPECT_EQ(WaveBandOffset(c.k, c.band, c.n, c.waves, c.amplitude, c.phase), c.offset);
  }
}

class WaveBlitPictureTest : public GroundedDisplayTest {};

TEST_F(WaveBlitPictureTest, BandsMoveAlongTheWave) {
  DDSURFACEDATA rows, cols, dst, tall;
  Make(rows, 3, 4);
  Make(cols, 4, 3);
  for (int32_t i = 0; i < 4; ++i) {
    DDFillRect(&rows, 0, i, 3, 1, kFirstColour + static_cast<uint32_t>(i));
    DDFillRect(&cols, i, 0, 1, 3, kFirstColour + static_cast<uint32_t>(i));
  }
  Make(dst, 9, 4);
  DDBltWave(&dst, 3, 0, 3, 4, 1, 2.0, 0, 1, &rows, 0, 0, 0, 0);
  EXPECT_EQ(IndexPicture(dst, 9, 4),
            ".....aaa.\n"
            "...bbb...\n"
            ".ccc.....\n"
            "...ddd...\n");
  // Bands of 3 over 4 lines: rows 0-2 move together, the short last band alone.
  DDFillSurface(&dst, kGround);
  DDBltWave(&dst, 3, 0, 3, 4, 1, 2.0, 0, 3, &rows, 0, 0, 0, 0);
  EXPECT_EQ(IndexPicture(dst, 9, 4),
            ".aaa.....\n"
            ".bbb.....\n"
            ".ccc.....\n"
            "...ddd...\n");
  Make(tall, 4, 9);
  DDBltWave(&tall, 0, 3, 4, 3, 1, 2.0, 0, 1, &cols, 0, 0, 0, 1);
  EXPECT_EQ(IndexPicture(tall, 4, 9),
            "....\n"
            "..c.\n"
            "..c.\n"
            ".bcd\n"
            ".b.d\n"
            "ab.d\n"
            "a...\n"
            "a...\n"
            "....\n");
}

TEST_F(WaveBlitPictureTest, NoBandsOrAHugeAmplitudeDrawNothing) {
  DDSURFACEDATA src, dst;
  Make(src, 3, 4);
  DDFillSurface(&src, kFirstColour);
  Make(dst, 9, 4);
  std::string blank;
  for (int i = 0; i < 4; ++i) blank += ".........\n";
  DDBltWave(&dst, 3, 0, 3, 4, 1, 2.0, 0, 0, &src, 0, 0, 0, 0);
  DDBltWave(&dst, 3, 0, 3, 4, 1, 2.0, 0, -3, &src, 0, 0, 0, 0);
  DDBltWave(&dst, 3, 0, 3, 0, 1, 2.0, 0, 1, &src, 0, 0, 0, 0);
  EXPECT_EQ(IndexPicture(dst, 9, 4), blank);
  // Even sin(180 degrees), about 1e-16, moves every band far off the surface.
  DDBltWave(&dst, 3, 0, 3, 4, 1, 1e300, 0, 1, &src, 0, 0, 0, 0);
  EXPECT_EQ(IndexPicture(dst, 9, 4), blank);
}

}  // namespace
