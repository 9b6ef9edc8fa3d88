#pragma once
// The shared in-memory stage (support/stage_world.h) at 30 x 20 blocks, with
// helpers for the object operations: the whole extent is 1600 x 1280 dots,
// the stage's own area 320..1280 x 320..960, and the view starts at
// (320, 320).

#include <gtest/gtest.h>

#include "core/math/truncate.h"
#include "stage/objects/game_object.h"
#include "support/stage_world.h"

class ObjectWorld : public StageWorld {
 protected:
  static constexpr int32_t kWidth = 30;
  static constexpr int32_t kHeight = 20;

  void SetUp() override {
    StageWorld::SetUp();
    cStageLayout layout;
    layout.nWidth = kWidth;
    layout.nHeight = kHeight;
    ASSERT_TRUE(Build(layout));
    RemoveBuiltObjects();
    X().m_dPos = 320;
    Y().m_dPos = 320;
  }

  // Collision level: 1 to 10 is that many sub-steps of at most 6 dots.
  void SetLevel(int32_t level) {
    g_Stage.m_dGravity = 1.5;
    g_Stage.SetCollisionLevel(level);
  }

  cScroll& X() { return play_.m_ScrollX; }
  cScroll& Y() { return play_.m_ScrollY; }

  // Horizontal (vertical) auto-scroll at speed dots per sub-step, not clamped.
  static void AutoScroll(cScroll& axis, double speed) {
    axis.m_dAutoSpeed = speed;
    axis.m_bAutoScroll = 1;
    axis.m_bClamped = 0;
  }

  // An object w x h at (x, y) with its graphic the size of its body.
  template <class T = cGameObject>
  static T Object(double x, double y, int32_t w = 32, int32_t h = 32, int32_t flyMode = 0) {
    T object;
    object.Init(1, 1, 0, 0, 0, nullptr, 0, 0, 0, w, h, w, h, 1, flyMode, 0);
    object.m_dX = x;
    object.m_dY = y;
    object.m_dRight = x + w - 1;
    object.m_dBottom = y + h - 1;
    return object;
  }
};
