#pragma once
// A running stage reduced to what the object operations measure against:
// g_Stage's size and physics, a cStagePlay with both camera axes filled as a
// stage build fills them, installed as g_lpSceneStagePlay, and an empty
// main-window queue to count close requests. Everything is put back after
// each test.
//
// Stage 30 x 20 blocks: the whole extent is 1600 x 1280 dots, the stage's own
// area 320..1280 x 320..960; the view starts at (320, 320).

#include <gtest/gtest.h>

#include "core/math/truncate.h"
#include "core/thread/window_queue.h"
#include "records/settings/system_data.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/game_object.h"
#include "stage/objects/stage_play.h"

class ObjectWorld : public ::testing::Test {
 protected:
  static constexpr int32_t kWidth = 30;
  static constexpr int32_t kHeight = 20;

  void SetUp() override {
    g_hWnd->Reset();
    g_Stage = cStageData();
    g_SystemData.m_bLegacy214 = 0;
    g_SystemData.m_bLegacy733 = 0;
    SetLevel(1);
    FillAxis(play_.m_ScrollX, 0, kWidth);
    FillAxis(play_.m_ScrollY, 1, kHeight);
    play_.m_ScrollX.m_dPos = 320;
    play_.m_ScrollY.m_dPos = 320;
    g_lpSceneStagePlay = &play_;
  }

  void TearDown() override {
    g_lpSceneStagePlay = nullptr;
    g_Stage = cStageData();
    g_SystemData.m_bLegacy214 = 0;
    g_SystemData.m_bLegacy733 = 0;
    g_hWnd->Reset();
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

  int TakeCloseRequests() {
    int closes = 0;
    MSG msg;
    while (g_hWnd->Peek(&msg, true)) {
      if (msg.message == WM_CLOSE) ++closes;
    }
    return closes;
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

  cStagePlay play_;

 private:
  static void FillAxis(cScroll& axis, int32_t nAxis, int32_t blocks) {
    axis.m_nAxis = nAxis;
    axis.m_nView = nAxis == 0 ? kViewWidth : kViewHeight;
    axis.m_nMarginCells = 10;
    axis.m_nCells = blocks + 20;
    axis.m_nMargin = kWorldMargin;
    axis.m_nFurthest = (blocks + 10) * 32;
    axis.m_nProbeBound = 640;
    axis.SetAutoScroll(0, 0);
    axis.SetLimits(0, blocks - 1, 0, 0);
  }
};
