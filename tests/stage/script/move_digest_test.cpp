#include <gtest/gtest.h>

#include <cstdint>

#include "move_world.h"
#include "records/script/direction_codes.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/state_digest.h"

namespace move_digest_test {

// A flying chara running every movement kind at once and a walking one
// patrolling, each homing and charging at the other.
class MoveDigestTest : public MoveWorld {
 protected:
  cChara& Runner(int32_t id, int32_t flying) {
    cEdMove move;
    move.m_nDirection = kDirUpRight;
    move.m_nDistance = 3;
    move.m_nHoming = 360;
    move.m_nSpeed = 25;
    cFlow flow = Flow(kTriggerByOperation, {});
    for (int8_t kind = kFlowCmdLinearMove; kind <= kFlowCmdJump; ++kind) {
      cFlowCmd cmd = MoveCmd(kind, move, 5);
      cmd.m_bParallel = 1;
      flow.m_Commands.push_back(cmd);
    }
    flow.m_Commands.push_back(Cmd(kFlowCmdWait));
    cChara& chara = WithFlows(id, {flow});
    chara.m_bFlying = flying;
    chara.m_bInAir = 0;
    chara.m_Def.m_bFixedFacing = 0;
    PlaceScreen(chara, 100 + 50 * id, 200);
    return chara;
  }

  // The digest after 40 passes of a fresh pair.
  uint64_t Run() {
    ClearCharas(play_);
    cChara& a = Runner(1, 1);
    cChara& b = Runner(2, 0);
    Target(a, 0, b);
    Target(b, 0, a);
    SetFrames(a, 0, 10, 40);
    SetFrames(b, 0, 10, 40);
    Start(a, 0);
    Start(b, 0);
    for (int32_t pass = 0; pass < 40; ++pass) {
      Pass(a);
      Pass(b);
    }
    return StateDigest(play_);
  }
};

TEST_F(MoveDigestTest, MovementReplaysToTheSameDigest) {
  const uint64_t first = Run();
  EXPECT_EQ(Run(), first);
}

TEST_F(MoveDigestTest, TheMovesRunStateIsPartOfTheDigest) {
  Run();
  cFlowCmdState& circle = g_CharaList.front().m_Flows.CheckedVectorAt(0).m_States.CheckedVectorAt(2);
  const uint64_t before = StateDigest(play_);
  circle.m_dWork2 += 1;
  EXPECT_NE(StateDigest(play_), before);
  circle.m_dWork2 -= 1;
  circle.m_Points.push_back({1, 2});
  EXPECT_NE(StateDigest(play_), before);
}

}  // namespace move_digest_test
