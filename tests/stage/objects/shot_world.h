#pragma once
// The shared in-memory stage for the shot tests: the chara world (30 x 20
// blocks, the view at the stage's top-left corner, (320, 320)) with a
// shooter, settings of a plain projectile and the launch record a formation
// would fill.

#include <gtest/gtest.h>

#include <cmath>

#include "records/database/database.h"
#include "records/settings/system_data.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/shot.h"
#include "chara_world.h"

class ShotWorld : public CharaWorld {
 protected:
  void SetUp() override {
    CharaWorld::SetUp();
    savedSwordTypes_ = g_Database.m_SwordTypes;
    savedSystem_ = g_SystemData;
    play_.m_ScrollX.m_dPos = 320;
    play_.m_ScrollY.m_dPos = 320;
  }

  void TearDown() override {
    g_Database.m_SwordTypes = savedSwordTypes_;
    g_SystemData = savedSystem_;
    CharaWorld::TearDown();
  }

  // L sub-steps per frame (collision levels 1 to 10).
  static void SetLevel(int32_t level) { g_Stage.SetCollisionLevel(level); }

  // A living chara standing at (x, y) in world dots, 32 x 32, facing right.
  cChara& AddShooter(int32_t id, int32_t control = 1, double x = 640, double y = 640) {
    cChara& chara = AddTestChara(id);
    chara.m_nControl = control;
    chara.m_nFacing = 1;
    chara.m_dX = x;
    chara.m_dY = y;
    chara.m_nWidth = chara.m_nWidthBase = chara.m_nGraphicW = chara.m_nGraphicWBase = 32;
    chara.m_nHeight = chara.m_nHeightBase = chara.m_nGraphicH = chara.m_nGraphicHBase = 32;
    chara.m_bEnabled = 1;
    chara.UpdateScreenRect();
    return chara;
  }

  // Settings of a projectile of size 1, group 1, flying straight.
  static cEdShot Settings() {
    cEdShot set;
    set.m_nGroup = 1;
    set.m_bShotOpt3 = 0;
    set.m_nSpeed = 40;
    return set;
  }

  // A launch at (x, y) with velocity (vx, vy) dots per frame and that speed.
  static SHOTLAUNCH Launch(int32_t x, int32_t y, double vx, double vy) {
    SHOTLAUNCH launch;
    launch.nX = x;
    launch.nY = y;
    launch.dVX = vx;
    launch.dVY = vy;
    launch.dSpeed = vx != 0 || vy != 0 ? std::fabs(vx) + std::fabs(vy) : 0;
    launch.nW = launch.nH = 16;
    return launch;
  }

  static cShot Made(cCharaBase* shooter, cEdShot set, const SHOTLAUNCH& launch, int32_t kind = kShotKindProjectile,
                    int32_t id = 0) {
    cShot shot;
    shot.Init(id, shooter, kind, &set, &launch);
    return shot;
  }

  cVector<cSwordType> savedSwordTypes_;
  cSystemData savedSystem_;
};
