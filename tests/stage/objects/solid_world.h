#pragma once
// Charas as boxes for the solid-chara and contact tests: bare bodies placed
// by their top-left corner on the 30 x 20 stage of CharaWorld, members of
// object groups with their body boxes, with the triggers they receive and
// the system sounds recorded.
//
//   cChara& platform = Body(5, 400, 500, 64, 32, true);   // a solid 64 x 32
//   cChara& walker = Body(6, 410, 470, 32, 32, false);    // standing on it
//   play_.CollideSolidCharas(walker, g_CharaList);

#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "chara_world.h"
#include "stage/grid/block_grid.h"
#include "support/recording_chara_flow_calls.h"

class SolidWorld : public CharaWorld {
 protected:
  void SetUp() override {
    CharaWorld::SetUp();
    hero_ = &AddTestHero(1);
    Shape(*hero_, 32, 32);
    hero_->m_nControl = 0;
    Put(*hero_, 40, 40);
    play_.m_ScrollX.m_nProbeBound = 1 << 20;
    play_.m_ScrollY.m_nProbeBound = 1 << 20;
  }

  static void Shape(cCharaBase& c, int32_t w, int32_t h) {
    c.m_Def.m_nGiant = 1;
    c.m_nWidth = c.m_nWidthBase = w;
    c.m_nHeight = c.m_nHeightBase = h;
    c.m_bEnabled = 1;
    c.m_bFlying = 0;
    c.m_nFlyBlockMode = 1;
    c.m_bInAir = 0;
  }

  // Top-left corner at (x, y), saved there as at the start of a sub-step.
  static void Put(cCharaBase& c, double x, double y) {
    c.m_dX = x;
    c.m_dY = y;
    c.ClampXMode(-1);
    c.ClampYMode(-1);
    c.SavePosition();
  }

  cChara& Body(int32_t id, double x, double y, int32_t w, int32_t h, bool solid) {
    cChara& c = AddTestChara(id);
    Shape(c, w, h);
    c.m_nControl = 1;
    c.m_Def.m_bBlockChara = solid ? 1 : 0;
    Put(c, x, y);
    return c;
  }

  // The started triggers {chara, trigger, other} and the fired ones {chara, trigger}.
  std::vector<std::vector<int32_t>> Started() const {
    std::vector<std::vector<int32_t>> started;
    for (const std::vector<int32_t>& s : calls_.m_Started) started.push_back({s[0], s[1], s[2]});
    return started;
  }

  // A chara of group whose body and shot boxes are 32 x 32 at (x, y), HP 100.
  cChara& Member(int32_t id, int32_t group, double x, double y) {
    cChara& c = Body(id, x, y, 32, 32, false);
    c.m_nBlockKey = group;
    c.m_HitBox.dLeft = x;
    c.m_HitBox.dTop = y;
    c.m_HitBox.dRight = x + 31;
    c.m_HitBox.dBottom = y + 31;
    c.m_AttackBox = c.m_HitBox;
    c.m_Def.m_nMaxHp = c.m_nHp = 100;
    c.m_bOnScreen = 1;
    play_.m_ObjGroup.CheckedVectorAt(group).push_back(id);
    return c;
  }

  int CountSounds(int32_t n) const {
    int count = 0;
    for (const cStageEvent& event : services_.m_Events) {
      if (event.strName == "PlaySE" && std::get<int64_t>(event.Args[0].value) == n) ++count;
    }
    return count;
  }

  void SolidBlock(int32_t column, int32_t row) {
    const int32_t cell = g_BlockGrid.CellIndex(column, row);
    cBlock& block = g_BlockGrid.CheckedVectorAt(cell);
    block.m_nGraphic = 1;
    block.m_nHitClass = kBlockSolid;
    block.m_nExemptGroup = kNoExemptGroup;
    g_BlockGrid.RefreshCell(cell);
  }

  cHero* hero_ = nullptr;
  cRecordingCharaFlowCalls calls_;
  cCharaFlowCallsScope callsScope_{&calls_};
};
