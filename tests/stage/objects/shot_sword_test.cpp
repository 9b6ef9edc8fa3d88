#include <gtest/gtest.h>

#include "stage/objects/object_lists.h"
#include "shot_world.h"

namespace {

class ShotSwordTest : public ShotWorld {
 protected:
  // A sword type of one step: 20 x 10, offset (4, 2), duration 1 tenth.
  int8_t OneStepSword(int32_t placement, int32_t mirrorX, int32_t mirrorY) {
    cSwordType type;
    cSwordTypeEntry& step = type.m_Entries.CheckedVectorAt(0);
    step.m_nWidth = 20;
    step.m_nHeight = 10;
    step.m_nOffsetX = 4;
    step.m_nOffsetY = 2;
    step.m_bMirrorX = mirrorX;
    step.m_bMirrorY = mirrorY;
    step.m_nDirection = placement;
    step.m_nDuration = 1;
    g_Database.m_SwordTypes.push_back(type);
    return static_cast<int8_t>(g_Database.m_SwordTypes.VectorSize() - 1);
  }

  cShot Sword(cChara& owner, int8_t type) {
    cEdShot set = Settings();
    set.m_nMoveType = type;
    set.m_nSize = 2;
    return Made(&owner, set, SHOTLAUNCH{}, kShotKindSword);
  }
};

TEST_F(ShotSwordTest, PlacementsBesideTheOwnerWithMirroredOffsets) {
  // The owner's screen box: 320..351 x 320..351 (view at 320): L 320, T 320,
  // R 351, B 351; the sword at size 2 is 40 x 20 with offsets (8, 4).
  struct Case {
    int32_t placement, facing, mirrorX, mirrorY;
    double x, y;
    int32_t swordFacing;
  } const cases[] = {
      {0, 1, 1, 0, 320 + 351 + 1 - 8, 320 + 320 + 16 - 10 + 4, 1},
      {0, 0, 1, 0, 320 + 320 - 40 + 8, 320 + 320 + 16 - 10 + 4, 0},
      {0, 1, 0, 1, 320 + 351 + 1 + 8, 320 + 320 + 16 - 10 - 4, 1},
      {1, 1, 1, 0, 320 + 320 - 40 - 8, 320 + 320 + 16 - 10 + 4, 0},
      {1, 0, 1, 0, 320 + 351 + 1 + 8, 320 + 320 + 16 - 10 + 4, 1},
      {2, 1, 1, 0, 320 + 16 + 320 - 20 - 8, 320 + 320 - 20 + 4, 1},
      {3, 0, 1, 1, 320 + 16 + 320 - 20 + 8, 320 + 351 + 1 + 4, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.placement << " facing " << c.facing);
    cChara& owner = AddShooter(1, 1, 640, 640);
    owner.m_nFacing = c.facing;
    cShot sword = Sword(owner, OneStepSword(c.placement, c.mirrorX, c.mirrorY));
    ASSERT_EQ(sword.Update(), 0);
    EXPECT_EQ(sword.m_nWidth, 40);
    EXPECT_EQ(sword.m_nHeight, 20);
    EXPECT_EQ(sword.m_rcAtk.nWidth, 40);
    EXPECT_EQ(sword.m_dX, c.x);
    EXPECT_EQ(sword.m_dY, c.y);
    EXPECT_EQ(sword.m_nFacing, c.swordFacing);
    ClearCharas(play_);
  }
}

TEST_F(ShotSwordTest, StepsLastTheirDurationThenTheSwordEnds) {
  SetLevel(2);
  cSwordType type;
  type.m_Entries.CheckedVectorAt(0).m_nWidth = 8;
  type.m_Entries.CheckedVectorAt(0).m_nDuration = 1;  // 12 passes at L = 2
  cSwordTypeEntry second = type.m_Entries.CheckedVectorAt(0);
  second.m_nWidth = 30;
  second.m_nDuration = 0;
  type.m_Entries.push_back(second);
  g_Database.m_SwordTypes.push_back(type);
  cChara& owner = AddShooter(1);
  cShot sword = Sword(owner, static_cast<int8_t>(g_Database.m_SwordTypes.VectorSize() - 1));
  // A step runs until its pass count exceeds duration x L x 6.
  for (int32_t pass = 1; pass <= 12; ++pass) ASSERT_EQ(sword.Update(), 0) << pass;
  EXPECT_EQ(sword.m_nSwordStep, 0);
  EXPECT_EQ(sword.Update(), 0);
  EXPECT_EQ(sword.m_nSwordStep, 1);
  EXPECT_EQ(sword.Update(), 1);  // the last step, of duration 0, ends after one pass
  EXPECT_EQ(sword.m_nWidth, 60);
}

TEST_F(ShotSwordTest, EndsWhenItsOwnerIsGoneOrItsTypeHasNoSteps) {
  cChara& owner = AddShooter(1);
  cSwordType empty;
  empty.m_Entries.clear();
  g_Database.m_SwordTypes.push_back(empty);
  const int8_t emptyType = static_cast<int8_t>(g_Database.m_SwordTypes.VectorSize() - 1);
  EXPECT_EQ(Sword(owner, emptyType).Update(), 1);
  EXPECT_EQ(Sword(owner, 120).Update(), 1);  // a type past the database

  cShot orphan = Sword(owner, OneStepSword(0, 1, 0));
  ClearCharas(play_);
  EXPECT_EQ(orphan.Update(), 1);
}

}  // namespace
