#pragma once
// Movement commands for the flow world's charas: a command of a kind with new
// move settings and its run state, called once through the flow table, or
// placed in a flow the chara runs.
//
//   cEdMove& move = NewMove(kFlowCmdLinearMove);
//   move.m_nDirection = kDirLeft;
//   state_.m_byDir = kDirLeft;  state_.m_dSpeed = 2;
//   Call(chara);                          // chara.m_dVX == -2
//
// The world runs one sub-step per frame (L = 1), so a speed setting of n
// tenths is n / 10 dots per call.

#include <cstdint>

#include "flow_world.h"
#include "records/script/ed_move.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/flow_cmd_state.h"
#include "stage/script/flow_cmd_table.h"

class MoveWorld : public FlowWorld {
 protected:
  void SetUp() override {
    FlowWorld::SetUp();
    ASSERT_EQ(g_Stage.m_nSubSteps, 1);
  }

  // cmd_ of kind with new move settings (speed 10, the six switches that
  // start on), and a fresh state_ for it.
  cEdMove& NewMove(int8_t kind) {
    cmd_ = Cmd(kind);
    NewEdMove(cmd_.m_Move.Shared());
    state_ = cFlowCmdState();
    state_.m_lpCmd = &cmd_;
    return *cmd_.m_Move;
  }

  void Call(cCharaBase& chara) { DispatchFlowCmd(&chara, &state_); }

  // A flow command of kind with the move settings, lasting tenths.
  static cFlowCmd MoveCmd(int8_t kind, const cEdMove& move, int16_t tenths = 0) {
    cFlowCmd cmd = Cmd(kind);
    NewEdMove(cmd.m_Move.Shared());
    *cmd.m_Move = move;
    cmd.m_nDuration = tenths;
    return cmd;
  }

  // A chara free to turn (new definitions fix the facing) with a screen box
  // of size 0 whose centre is at screen (x, y), the view at the world's
  // origin.
  cChara& Mover(int32_t id, int32_t flying, int32_t facing, int32_t x = 100, int32_t y = 100) {
    cChara& chara = AddTestChara(id);
    chara.m_Def.m_bFixedFacing = 0;
    chara.m_bFlying = flying;
    chara.m_nFacing = facing;
    PlaceScreen(chara, x, y);
    return chara;
  }

  static void PlaceScreen(cCharaBase& chara, int32_t x, int32_t y) {
    chara.m_nGraphicW = chara.m_nGraphicH = 0;
    chara.m_rcScreen = {x, y, x - 1, y - 1};
  }

  cFlowCmd cmd_;
  cFlowCmdState state_;
};
