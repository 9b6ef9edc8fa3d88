#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "stage/objects/object_lists.h"
#include "shot_world.h"

namespace {

class ShotListTest : public ShotWorld {
 protected:
  cShot& Listed(int32_t faction) {
    cShot shot;
    shot.m_nId = play_.m_nNextShotId++;
    shot.m_Settings.m_nGroup = static_cast<int8_t>(faction);
    return AddShot(play_, shot);
  }

  // Empty when every listed shot sits exactly once in its faction's list and
  // the lists hold nothing else.
  std::string Misfiled() {
    std::string wrong;
    size_t listed = 0;
    for (const cList<int32_t>& layer : play_.m_ShotLayers) listed += layer.size();
    if (listed != play_.m_ShotList.size()) wrong += "counts differ\n";
    for (const cShot& shot : play_.m_ShotList) {
      const cList<int32_t>& layer = play_.m_ShotLayers.CheckedVectorAt(shot.Faction());
      if (std::count(layer.begin(), layer.end(), shot.m_nId) != 1) wrong += std::to_string(shot.m_nId) + "\n";
    }
    return wrong;
  }
};

TEST_F(ShotListTest, RandomAddsAndRemovalsKeepEveryShotInItsFactionsList) {
  std::mt19937 random(17);
  for (int32_t round = 0; round < 400; ++round) {
    if (play_.m_ShotList.empty() || random() % 3 != 0) {
      Listed(static_cast<int32_t>(random() % kObjGroupCount));
    } else {
      auto it = play_.m_ShotList.begin();
      std::advance(it, random() % play_.m_ShotList.size());
      play_.RemoveShotNode(it);
    }
    ASSERT_EQ(Misfiled(), "") << round;
  }
}

TEST_F(ShotListTest, AFactionOutsideTheListsIsLoggedAndUsesListZeroBothWays) {
  cShot& stray = Listed(9);
  EXPECT_EQ(TakeCloseRequests(), 1);
  EXPECT_EQ(play_.m_ShotLayers.CheckedVectorAt(0).size(), 1u);
  play_.RemoveShotNode(play_.m_ShotList.begin());
  (void)stray;
  TakeCloseRequests();
  EXPECT_TRUE(play_.m_ShotLayers.CheckedVectorAt(0).empty());
}

TEST_F(ShotListTest, RemovalTakesTheShotsPairsOutOfItsCharas) {
  cChara& shooter = AddShooter(1);
  cChara& target = AddShooter(2);
  cShot& shot = AddTestShot(play_.m_nNextShotId++, &shooter, &target);
  ASSERT_EQ(BrokenLinks(), "");
  play_.RemoveShotNode(play_.m_ShotList.begin());
  (void)shot;
  EXPECT_TRUE(shooter.m_ShotLinks.empty());
  EXPECT_TRUE(target.m_ShotLinks.empty());
}

TEST_F(ShotListTest, ADeadShooterIsNoLongerTheShotsShooter) {
  cChara& shooter = AddShooter(1);
  cShot& shot = AddTestShot(play_.m_nNextShotId++, &shooter, nullptr);
  shooter.ReleaseTargetLinks();  // its death
  EXPECT_EQ(shot.m_lpShooter, kNoLink);
  EXPECT_EQ(shot.m_nOwnerId, 1);
}

}  // namespace
