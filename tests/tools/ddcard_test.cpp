#include "tools/ddcard/test_card.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/tools/ddcard_fixture.h"

namespace {

class TestCardTest : public DdcardProjectTest {
 protected:
  static cTestCardResult Card(int32_t direct3D, int32_t bpp, int32_t fullScreen) {
    return Run({direct3D, bpp, fullScreen});
  }
};

// The largest difference of any channel between two frames, counted in steps
// of 2^bits (bits 0: exact values).
int32_t MaxChannelStep(const cTestCardResult& a, const cTestCardResult& b, int32_t bits) {
  int32_t worst = 0;
  for (std::size_t i = 0; i < a.pixels.size() && i < b.pixels.size(); ++i) {
    for (int shift : {0, 8, 16}) {
      const int32_t d = std::abs(static_cast<int32_t>(((a.pixels[i] >> shift) & 0xFF) >> bits) -
                                 static_cast<int32_t>(((b.pixels[i] >> shift) & 0xFF) >> bits));
      worst = std::max(worst, d);
    }
  }
  return worst;
}

TEST_F(TestCardTest, BothModesDrawTheSameCard) {
  const cTestCardResult reference = Card(0, 32, 0);
  ASSERT_EQ(reference.nWidth, 640);
  ASSERT_EQ(reference.pixels.size(), 640u * 480u);
  const struct {
    const char* what;
    int32_t direct3D, bpp, fullScreen;
    int32_t bits;  // 3 at 16 bits: compared as 5-bit channels, one step apart at most
  } cases[] = {
      {"Direct3D 32 window", 1, 32, 0, 0}, {"Direct3D 32 full screen", 1, 32, 1, 0},
      {"DirectDraw 32 window", 0, 32, 1, 0}, {"DirectDraw 8 (through the palette)", 0, 8, 1, 0},
      {"Direct3D 16 full screen", 1, 16, 1, 3}, {"DirectDraw 16", 0, 16, 1, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const cTestCardResult card = Card(c.direct3D, c.bpp, c.fullScreen);
    ASSERT_EQ(card.pixels.size(), reference.pixels.size());
    EXPECT_LE(MaxChannelStep(card, reference, c.bits), c.bits == 0 ? 0 : 1);
  }
}

TEST_F(TestCardTest, WritesTheFrameAsABmp) {
  const cTestCardResult card = Card(1, 32, 0);
  TempDir out;
  ASSERT_TRUE(WriteFrameBmp(out.file("card.bmp"), card));
  const std::string bytes = ReadFileBytes(out.file("card.bmp"));
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  EXPECT_EQ(bytes.size(), 54u + 640u * 480u * 3u);
}

TEST_F(TestCardTest, AMissingProjectFailsWithItsStep) {
  TempDir empty;
  const cTestCardResult result = RunTestCard(empty.path().string(), {1, 32, 0});
  EXPECT_FALSE(result.bOk);
  EXPECT_EQ(result.strFailedStep, "System.dat");
}

}  // namespace
