#include <gtest/gtest.h>

#include "stage/objects/hero.h"
#include "support/stage_world.h"

// A 32 x 32 walking hero whose graphic is its body, on a 40 x 30 stage.
class HeroScreenEdgesTest : public StageWorld {
 protected:
  void SetUp() override {
    StageWorld::SetUp();
    cStageLayout layout;
    layout.nWidth = 40;
    layout.nHeight = 30;
    ASSERT_TRUE(Build(layout));
    hero_.m_nControl = 0;
    hero_.m_nWidth = hero_.m_nHeight = hero_.m_nGraphicW = hero_.m_nGraphicH = 32;
  }
  void PlaceAt(double x, double y) {
    hero_.m_dX = x;
    hero_.m_dY = y;
    hero_.m_dRight = x + 31;
    hero_.m_dBottom = y + 31;
  }
  cHero hero_;
};

TEST_F(HeroScreenEdgesTest, TheViewsSidesAreWallsOnlyWhileItScrollsByItself) {
  play_.m_ScrollX.m_dPos = 400;
  struct Case {
    int32_t autoScroll;
    double x, expectedX;
    int32_t contactLeft, contactRight;
  } const cases[] = {
      {1, 390, 400, 1, 0},     // 10 dots past the left side
      {1, 1000, 1000, 0, 0},   // right edge 1031: the view's dot 631
      {1, 1010, 1007, 0, 1},   // right edge on the view's dot 641
      {0, 390, 390, 0, 0},     // no auto-scroll, walking: free
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.autoScroll << " " << c.x);
    play_.m_ScrollX.m_bAutoScroll = c.autoScroll;
    hero_.m_bContactLeft = hero_.m_bContactRight = 0;
    PlaceAt(c.x, 500);
    play_.KeepHeroInScreenX(hero_);
    EXPECT_EQ(hero_.m_dX, c.expectedX);
    EXPECT_EQ(hero_.m_bContactLeft, c.contactLeft);
    EXPECT_EQ(hero_.m_bContactRight, c.contactRight);
  }
}

TEST_F(HeroScreenEdgesTest, AWalkingHeroPushedOutAtTheBottomDies) {
  play_.m_ScrollY.m_dPos = 320;
  play_.m_ScrollY.m_bAutoScroll = 1;
  PlaceAt(500, 320 + 460);  // bottom edge on the view's row 491
  EXPECT_EQ(play_.KeepHeroInScreenY(hero_), 2);
  EXPECT_EQ(hero_.m_dY, 320 + 480 - 33);
  EXPECT_EQ(hero_.m_bContactBottom, 1);
  PlaceAt(500, 310);  // above the view: held at its top, alive
  EXPECT_EQ(play_.KeepHeroInScreenY(hero_), 0);
  EXPECT_EQ(hero_.m_dY, 320);
  EXPECT_EQ(hero_.m_bContactTop, 1);
  play_.m_ScrollY.m_bAutoScroll = 0;
  PlaceAt(500, 320 + 460);
  EXPECT_EQ(play_.KeepHeroInScreenY(hero_), 0);
  EXPECT_EQ(hero_.m_dY, 780);
}
