// Giant scaling and the fly modes of an object.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "object_world.h"

namespace {

class GameObjectScale : public ObjectWorld {};

// Records the virtual steps of a scale change in order.
struct cScaleWatcher : cGameObject {
  std::vector<std::string> calls;
  void OnScaleChanged(int32_t newScale) override { calls.push_back("changed " + std::to_string(newScale)); }
  void AdjustYForScale(int32_t newScale, int32_t oldScale, int32_t flag) override {
    calls.push_back("adjustY " + std::to_string(newScale) + " " + std::to_string(oldScale) + " " +
                    std::to_string(flag));
  }
};

cScaleWatcher Giant(double x) {
  cScaleWatcher object;
  object.Init(1, 1, 0, 0, 0, nullptr, 0, 3, 5, 20, 30, 40, 50, 1, 0, 0);
  object.m_dX = x;
  object.m_dY = 500;
  return object;
}

TEST_F(GameObjectScale, EqualScalesChangeNothing) {
  cScaleWatcher object = Giant(600);
  object.m_nWidth = 77;  // a stale scaled size stays: nothing is recomputed
  object.SetScale(3, 3, 1);
  EXPECT_EQ(object.m_nWidth, 77);
  EXPECT_EQ(object.m_dX, 600);
  EXPECT_TRUE(object.calls.empty());
}

TEST_F(GameObjectScale, DoublingGrowsAroundTheHorizontalCentre) {
  cScaleWatcher object = Giant(600);
  object.SetScale(2, 1, 1);
  EXPECT_EQ(object.m_nWidth, 40);
  EXPECT_EQ(object.m_nHeight, 60);
  EXPECT_EQ(object.m_nGraphicOffsetX, 6);
  EXPECT_EQ(object.m_nGraphicOffsetY, 10);
  EXPECT_EQ(object.m_nGraphicW, 80);
  EXPECT_EQ(object.m_nGraphicH, 100);
  EXPECT_EQ(object.m_nWidthBase, 20);
  EXPECT_EQ(object.m_nGraphicWBase, 40);
  EXPECT_EQ(object.m_dX, 590);  // half the unscaled width
  EXPECT_EQ(object.m_dRight, 629);
  EXPECT_EQ(object.calls, (std::vector<std::string>{"adjustY 2 1 1", "changed 2"}));

  object.calls.clear();
  object.SetScale(1, 2, 0);  // back: right by the same
  EXPECT_EQ(object.m_dX, 600);
  EXPECT_EQ(object.m_nWidth, 20);
  EXPECT_EQ(object.calls, (std::vector<std::string>{"adjustY 1 2 0", "changed 1"}));
}

TEST_F(GameObjectScale, GrowingAtTheWorldEdgeIsClampedBack) {
  cScaleWatcher object = Giant(4);
  object.SetScale(4, 1, 1);  // x 4 - 3 x 10 = -26
  EXPECT_EQ(object.m_dX, 0);
  EXPECT_EQ(object.m_nCellLeft, 0);
}

TEST_F(GameObjectScale, FlyModes) {
  struct Case {
    int32_t mode, flying;
    uint8_t blockMode;
  };
  // Mode 7 is no mode: the previous setting (mode 3) stays.
  const Case cases[] = {{0, 0, 1}, {1, 1, 0}, {2, 1, 1}, {3, 1, 2}, {7, 1, 2}, {-1, 1, 2}};
  cGameObject object;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    object.SetFlyMode(c.mode);
    EXPECT_EQ(object.m_bFlying, c.flying);
    EXPECT_EQ(object.m_nFlyBlockMode, c.blockMode);
  }
}

TEST_F(GameObjectScale, InitSetsUpAFreshObject) {
  cGameObject object;
  object.m_dVX = 5;
  object.m_dInertiaY = 2;
  object.m_bEnabled = 1;
  object.m_bCondMet = 1;
  object.Init(7, 1, 2, 3, 44, kItemAnimeTables, 0, 1, 2, 10, 20, 30, 40, 1, 2, 5);
  EXPECT_EQ(object.m_nId, 7);
  EXPECT_EQ(object.m_nPlayer, 2);
  EXPECT_EQ(object.m_nBlockKey, 3);
  EXPECT_EQ(object.m_nGraphicNo, 44);
  EXPECT_EQ(object.m_nIndex, 5);
  EXPECT_EQ(object.m_nLife, INT32_MAX);
  EXPECT_EQ(object.m_Anime.m_Sequences.VectorSize(), 1);
  EXPECT_EQ(object.m_nHeightBase, 20);
  EXPECT_EQ(object.m_nGraphicHBase, 40);
  EXPECT_EQ(object.m_dVX, 0);
  EXPECT_EQ(object.m_dInertiaY, 0);
  EXPECT_EQ(object.m_bEnabled, 0);
  EXPECT_EQ(object.m_bCondMet, 0);
  EXPECT_EQ(object.m_bFlying, 1);
  EXPECT_EQ(object.m_nFlyBlockMode, 1);
}

}  // namespace
