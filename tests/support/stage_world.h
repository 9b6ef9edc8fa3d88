#pragma once
// A stage built in memory for the simulation's tests: g_Stage holds a W x H
// stage with the given solid blocks, collision level and scroll limits, the
// stage build runs over it, and a cStagePlay with recording services is
// installed as g_lpSceneStagePlay. Every global the simulation touches is
// emptied before and after each test.
//
//   class MyTest : public StageWorld {};
//   TEST_F(MyTest, Falls) {
//     cStageLayout layout;                        // 20 x 15, level 1
//     layout.Solid = {{0, 14}, {1, 14}};          // two floor blocks (stage blocks)
//     ASSERT_TRUE(Build(layout));
//     BlockAt(10, 24)->GetHitClass(0);          // 1: block (0, 14) behind the margin
//     services_.m_Events;                       // what the build asked for
//     StepFrame(2, 1);                          // a frame with right and button 1 held
//   }
//
// Header-only: tests/support's library links core only.

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "core/input/input_state.h"
#include "core/thread/window_queue.h"
#include "records/palette/block_def.h"
#include "records/replay/input_log.h"
#include "records/save/save_data.h"
#include "records/settings/system_data.h"
#include "records/stage/stage_globals.h"
#include "stage/grid/block_grid.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/stage_play.h"
#include "stage/services/recording_stage_services.h"

struct cStageLayout {
  int32_t nWidth = 20;  // blocks
  int32_t nHeight = 15;
  int32_t nCollisionLevel = 1;
  int32_t nFps = 60;
  std::vector<std::pair<int32_t, int32_t>> Solid;  // stage block positions (x, y)
  int32_t nExemptGroup = 255;                        // of every solid block
  // Scroll limits in blocks, each used when its switch is set.
  int32_t bLimitLeft = 0, nLimitLeft = 0, bLimitRight = 0, nLimitRight = 0;
  int32_t bLimitTop = 0, nLimitTop = 0, bLimitBottom = 0, nLimitBottom = 0;
  // The hero's placement (a stage without one is refused). By default it
  // flies through blocks in the top-left corner, out of every test's way.
  int32_t bHero = 1;
  int32_t nHeroX = 1, nHeroY = 1;
  int8_t nHeroFly = 1;
};

class StageWorld : public ::testing::Test {
 protected:
  void SetUp() override {
    EmptyGlobals();
    g_lpSceneStagePlay = &play_;
    play_.SetServices(&services_);
  }

  void TearDown() override { EmptyGlobals(); }

  // g_Stage from layout (the pristine header too), then SetStage (0, 1).
  bool Build(const cStageLayout& layout) {
    WriteStage(layout, g_Stage);
    g_StageInitial.TakeHeaderOf(g_Stage);
    return play_.SetStage(0, 1);
  }

  static void WriteStage(const cStageLayout& layout, cStageData& stage) {
    stage = cStageData();
    stage.m_nWidth = layout.nWidth;
    stage.m_nHeight = layout.nHeight;
    stage.m_nCollisionLevel = layout.nCollisionLevel;
    stage.m_nFps = layout.nFps;
    stage.m_dGravity = 1.5;
    stage.m_bScrollLimitLeft = layout.bLimitLeft;
    stage.m_nScrollLimitLeft = layout.nLimitLeft;
    stage.m_bScrollLimitRight = layout.bLimitRight;
    stage.m_nScrollLimitRight = layout.bLimitRight ? layout.nLimitRight : layout.nWidth - 1;
    stage.m_bScrollLimitTop = layout.bLimitTop;
    stage.m_nScrollLimitTop = layout.nLimitTop;
    stage.m_bScrollLimitBottom = layout.bLimitBottom;
    stage.m_nScrollLimitBottom = layout.bLimitBottom ? layout.nLimitBottom : layout.nHeight - 1;
    stage.m_PlacedBlocks.clear();
    for (const auto& [x, y] : layout.Solid) {
      cBlockDef& block = stage.m_PlacedBlocks.emplace_back();
      block.m_nX = static_cast<int16_t>(x);
      block.m_nY = static_cast<int16_t>(y);
      block.m_nGraphic = 1;
      block.m_nHitClass = kBlockSolid;
      block.m_nExemptGroup = static_cast<uint8_t>(layout.nExemptGroup);
    }
    if (layout.bHero != 0) {
      cCharaDef& hero = stage.m_PlacedCharas.emplace_back(HeroPart(layout));
      g_HeroDef = hero;
    }
  }

  // The hero's part as the layout places it; its HP 100 so it lives.
  static cCharaDef HeroPart(const cStageLayout& layout) {
    cCharaDef hero;
    hero.m_nX = static_cast<int16_t>(layout.nHeroX);
    hero.m_nY = static_cast<int16_t>(layout.nHeroY);
    hero.m_nControl = cCharaDef::kControlPlayer;
    hero.m_nGroup = 0;  // the player's side
    hero.m_nGraphic = 1;
    hero.m_nFly = layout.nHeroFly;
    hero.m_nMaxHp = 100;
    hero.m_nCarriedItem = -1;
    return hero;
  }

  cHero& Hero() { return g_Heroes.front(); }

  // The built stage without its objects, the view unmoved by a hero (at 0,
  // not clamped): for tests that add their own hero and charas to a bare
  // grid (nothing may be stepped with PhasePlay then).
  void RemoveBuiltObjects() {
    for (cScroll* axis : {&play_.m_ScrollX, &play_.m_ScrollY}) {
      axis->m_dPos = 0;
      axis->m_bClamped = 0;
    }
    ClearCharas(play_);
    ClearItems(play_);
    ClearHeroes(play_);
    for (cList<int32_t>& group : play_.m_ObjGroup) group.clear();
  }

  // One play frame with the words held, as the scene's poll leaves them.
  int32_t StepFrame(int16_t wDir, int16_t wButton) {
    cInput& input = g_InputList.CheckedVectorAt(0);
    input.wDir = wDir;
    input.wButton = wButton;
    input.nKeypad = DirBitsToKeypad(wDir);
    return play_.PhasePlay();
  }

  // Close requests waiting in the main window's queue, taken out.
  static int TakeCloseRequests() {
    int closes = 0;
    MSG msg;
    while (g_hWnd->Peek(&msg, true)) {
      if (msg.message == WM_CLOSE) ++closes;
    }
    return closes;
  }

  // The names of the recorded requests, in order.
  std::vector<std::string> EventNames() const {
    std::vector<std::string> names;
    for (const cStageEvent& event : services_.m_Events) names.push_back(event.strName);
    return names;
  }

  void EmptyGlobals() {
    g_lpSceneStagePlay = nullptr;
    ClearShots(play_);
    ClearCharas(play_);
    ClearItems(play_);
    ClearHeroes(play_);
    g_BlockGrid.Release();
    g_Stage = cStageData();
    g_StageInitial = cStageData();
    g_HeroDef = cCharaDef();
    g_SystemData = cSystemData();
    g_SaveData.ResetProgress();
    g_SaveDataAtStart.ResetProgress();
    g_SaveDataAtStartPrev.ResetProgress();
    g_InputLog.Clear();
    g_InputLogPrev.Clear();
    g_InputList.assign(1, cInput());
    g_hWnd->Reset();
  }

  cStagePlay play_;
  cRecordingStageServices services_{play_};
};
