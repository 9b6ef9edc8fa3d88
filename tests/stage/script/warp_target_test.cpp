#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/input/input_state.h"
#include "flow_world.h"
#include "records/script/direction_codes.h"
#include "records/script/ed_move.h"
#include "records/settings/system_data.h"
#include "stage/objects/wave.h"
#include "stage/script/flow_cmd_executors.h"

namespace {

constexpr double kStageLeft = kWorldMargin;

class WarpTest : public FlowWorld {
 protected:
  void SetUp() override {
    FlowWorld::SetUp();
    cStageLayout layout;
    layout.nWidth = 30;
    layout.nHeight = 20;
    layout.Solid = {{3, 5}};
    ASSERT_TRUE(Build(layout));
    RemoveBuiltObjects();
  }

  // A 32 x 32 chara with its body at stage dots (x, y).
  cChara& Body(int32_t id, double x, double y, int32_t flying) {
    cChara& chara = AddTestChara(id);
    chara.m_nWidth = chara.m_nHeight = chara.m_nWidthBase = chara.m_nHeightBase = 32;
    chara.m_nGraphicW = chara.m_nGraphicH = chara.m_nGraphicWBase = chara.m_nGraphicHBase = 32;
    chara.m_bFlying = flying;
    chara.m_dX = kStageLeft + x;
    chara.m_dY = kWorldMargin + y;
    chara.m_dRight = chara.m_dX + 31;
    chara.m_dBottom = chara.m_dY + 31;
    chara.ClampX();
    chara.ClampY();
    return chara;
  }

  static cFlowCmd Warp(int8_t mode, int8_t direction, int16_t distance) {
    cFlowCmd cmd = Cmd(kFlowCmdWarp);
    NewEdMove(cmd.m_Move.Shared());
    cmd.m_Move->m_nMode = mode;
    cmd.m_Move->m_nDirection = direction;
    cmd.m_Move->m_nDistance = distance;
    return cmd;
  }

  static void PressUpLeft() {
    cInput& input = g_InputList.CheckedVectorAt(0);
    input.vDirPress.assign(kDirPatternCount, {});
    input.vDirPress.CheckedVectorAt(5).push_back({1, 1});
  }
};

TEST_F(WarpTest, ByDirectionAndDistance) {
  const double k = 32 * g_dInvSqrt2;
  struct Case {
    const char* name;
    int8_t direction;
    int32_t flying;
    int32_t legacy721;
    double dx, dy;
  } cases[] = {
      {"left 3 half blocks", kDirLeft, 0, 0, -48, 0},
      {"down", kDirDown, 1, 0, 0, 32},
      {"up-left moves a walking chara diagonally", kDirUpLeft, 0, 0, -k, -k},
      {"the input up-left, diagonally", kDirInput, 0, 0, -k, -k},
      {"the input up-left, left for a walking chara under the old rule", kDirInput, 0, 1, -32, 0},
      {"the input up-left, diagonally for a flying one under it", kDirInput, 1, 1, -k, -k},
  };
  PressUpLeft();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    g_SystemData.m_bLegacy721 = c.legacy721;
    cChara& chara = Body(10 + static_cast<int32_t>(&c - cases), 300, 200, c.flying);
    chara.m_dVY = 3;
    cFlowCmd cmd = Warp(kWarpByDirection, c.direction, c.direction == kDirLeft ? 3 : 2);
    ExecWarp(&chara, &cmd);
    EXPECT_DOUBLE_EQ(chara.m_dX, kStageLeft + 300 + c.dx);
    EXPECT_DOUBLE_EQ(chara.m_dY, kWorldMargin + 200 + c.dy);
    EXPECT_EQ(chara.m_dVY, c.flying ? 3 : 0);  // a walking chara lands where it warped
  }
}

// Every stored direction code for both facings: the relative ones turn with
// the facing, the absolute ones (diagonals included, whatever the old rule
// says of walking charas) move as named; "入力方向" without input faces on.
TEST_F(WarpTest, EveryDirectionCodeForBothFacings) {
  const double k = 32 * g_dInvSqrt2;
  struct Case {
    int8_t direction;
    double leftDx, leftDy, rightDx, rightDy;
  } const cases[] = {
      {kDirFront, -32, 0, 32, 0},   {kDirBack, 32, 0, -32, 0},     {kDirLeft, -32, 0, -32, 0},
      {kDirRight, 32, 0, 32, 0},    {kDirFrontY, 0, -32, 0, 32},   {kDirBackY, 0, 32, 0, -32},
      {kDirUp, 0, -32, 0, -32},     {kDirDown, 0, 32, 0, 32},      {kDirUpLeft, -k, -k, -k, -k},
      {kDirDownLeft, -k, k, -k, k}, {kDirUpRight, k, -k, k, -k},   {kDirDownRight, k, k, k, k},
      {kDirInput, -32, 0, 32, 0},
  };
  int32_t id = 10;
  for (int32_t legacy721 : {0, 1}) {
    g_SystemData.m_bLegacy721 = legacy721;
    for (const Case& c : cases) {
      for (int32_t facing : {kFacingLeft, kFacingRight}) {
        SCOPED_TRACE(testing::Message() << "code " << int32_t{c.direction} << " facing " << facing << " legacy "
                                        << legacy721);
        cChara& chara = Body(id++, 300, 200, 0);
        chara.m_nFacing = facing;
        cFlowCmd cmd = Warp(kWarpByDirection, c.direction, 2);
        ExecWarp(&chara, &cmd);
        EXPECT_DOUBLE_EQ(chara.m_dX, kStageLeft + 300 + (facing == kFacingRight ? c.rightDx : c.leftDx));
        EXPECT_DOUBLE_EQ(chara.m_dY, kWorldMargin + 200 + (facing == kFacingRight ? c.rightDy : c.leftDy));
      }
    }
  }
}

// "入力方向" reads the input pressed now: each input, "any" (the facing, or
// nothing in the replays recorded before 778) and the old rule that keeps
// a walking chara's diagonals to left or right.
TEST_F(WarpTest, TheInputDirectionAsPressed) {
  const double k = 32 * g_dInvSqrt2;
  struct Case {
    const char* name;
    int32_t input;  // 0 none pressed
    int32_t facing, flying, legacy721, replayVersion;  // version 0: no replay
    double dx, dy;
  } const cases[] = {
      {"none: the facing", 0, 1, 0, 0, 0, 32, 0},
      {"left", 1, 1, 0, 0, 0, -32, 0},
      {"right", 2, 0, 0, 0, 0, 32, 0},
      {"up", 3, 0, 0, 0, 0, 0, -32},
      {"down", 4, 0, 0, 0, 0, 0, 32},
      {"up-left", 5, 1, 0, 0, 0, -k, -k},
      {"down-left", 6, 1, 0, 0, 0, -k, k},
      {"up-right", 7, 0, 0, 0, 0, k, -k},
      {"down-right", 8, 0, 0, 0, 0, k, k},
      {"any: the facing", 9, 0, 0, 0, 0, -32, 0},
      {"any in a replay of 777: nowhere", 9, 0, 0, 0, 777, 0, 0},
      {"any in a replay of 778: the facing", 9, 1, 0, 0, 778, 32, 0},
      {"any in a replay of 780: the facing", 9, 1, 0, 0, 780, 32, 0},
      {"old rule, walking: up-left is left", 5, 1, 0, 1, 0, -32, 0},
      {"old rule, walking: down-left is left", 6, 1, 0, 1, 0, -32, 0},
      {"old rule, walking: up-right is right", 7, 0, 0, 1, 0, 32, 0},
      {"old rule, walking: down-right is right", 8, 0, 0, 1, 0, 32, 0},
      {"old rule, walking: up stays up", 3, 0, 0, 1, 0, 0, -32},
      {"old rule, flying: diagonal", 8, 0, 1, 1, 0, k, k},
  };
  cInput& input = g_InputList.CheckedVectorAt(0);
  int32_t id = 10;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    input.vDirPress.assign(kDirPatternCount, {});
    if (c.input != 0) input.vDirPress.CheckedVectorAt(c.input).push_back({1, 1});
    g_SystemData.m_bLegacy721 = c.legacy721;
    play_.m_Replay.bPlaying = c.replayVersion != 0 ? 1 : 0;
    play_.m_Replay.nFileVersion = c.replayVersion;
    cChara& chara = Body(id++, 300, 200, c.flying);
    chara.m_nFacing = c.facing;
    cFlowCmd cmd = Warp(kWarpByDirection, kDirInput, 2);
    ExecWarp(&chara, &cmd);
    EXPECT_DOUBLE_EQ(chara.m_dX, kStageLeft + 300 + c.dx);
    EXPECT_DOUBLE_EQ(chara.m_dY, kWorldMargin + 200 + c.dy);
  }
  play_.m_Replay = {};
}

// Inside a flow the warp still reads the input held now, not the one the
// flow remembered when it started.
TEST_F(WarpTest, TheInputIsTheOneHeldNotTheFlowsRemembered) {
  const double k = 32 * g_dInvSqrt2;
  PressUpLeft();
  cChara& chara = WithFlows(10, {Flow(kTriggerByOperation, {Warp(kWarpByDirection, kDirInput, 2)})});
  chara.m_nWidth = chara.m_nHeight = chara.m_nGraphicW = chara.m_nGraphicH = 32;
  chara.m_bFlying = 1;
  chara.m_dX = kStageLeft + 300;
  chara.m_dY = kWorldMargin + 200;
  chara.m_dRight = chara.m_dX + 31;
  chara.m_dBottom = chara.m_dY + 31;
  Start(chara, 0);
  chara.m_Flows.CheckedVectorAt(0).m_nStartInputDir = 8;  // down-right
  Pass(chara);
  EXPECT_DOUBLE_EQ(chara.m_dX, kStageLeft + 300 - k);
  EXPECT_DOUBLE_EQ(chara.m_dY, kWorldMargin + 200 - k);
}

// From a target the relative codes turn with the target's facing and the
// old rule asks whether the target flies; the input is still the warping
// chara's.
TEST_F(WarpTest, FromATargetItsFacingAndFlyingDecide) {
  const double k = 32 * g_dInvSqrt2;
  struct Case {
    const char* name;
    int8_t direction;
    int32_t targetFacing, targetFlying, charaFlying, legacy721;
    double dx, dy;
  } const cases[] = {
      {"前 of a target facing right", kDirFront, 1, 0, 0, 0, 32, 0},
      {"前 of a target facing left", kDirFront, 0, 0, 0, 0, -32, 0},
      {"後Y of a target facing right", kDirBackY, 1, 0, 0, 0, 0, -32},
      {"input up-left, old rule, flying target", kDirInput, 0, 1, 0, 1, -k, -k},
      {"input up-left, old rule, walking target", kDirInput, 0, 0, 1, 1, -32, 0},
      {"input up-left, new rule", kDirInput, 0, 0, 0, 0, -k, -k},
  };
  PressUpLeft();
  int32_t id = 10;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    g_SystemData.m_bLegacy721 = c.legacy721;
    cChara& chara = Body(id++, 100, 100, c.charaFlying);
    chara.m_nFacing = c.targetFacing == 0 ? 1 : 0;  // the chara's own facing is not read
    cChara& target = Body(id++, 400, 200, c.targetFlying);
    target.m_nFacing = c.targetFacing;
    Target(chara, 0, target);
    cFlowCmd cmd = Warp(kWarpFromTarget1, c.direction, 2);
    ExecWarp(&chara, &cmd);
    EXPECT_DOUBLE_EQ(chara.m_dX, kStageLeft + 400 + c.dx);
    EXPECT_DOUBLE_EQ(chara.m_dY, kWorldMargin + 200 + c.dy);
  }
}

TEST_F(WarpTest, AWarpIntoAWallOrOutOfTheStageIsCancelled) {
  cChara& chara = Body(4, 100, 160, 1);
  cFlowCmd left = Warp(kWarpByDirection, kDirLeft, 3);
  ExecWarp(&chara, &left);
  EXPECT_EQ(chara.m_dX, kStageLeft + 52);
  // Block (3, 5) is at stage x 96: a warp of 6 half blocks ends in it (a
  // flying chara that passes through blocks would stay there).
  cChara& walled = Body(5, 192, 160, 0);
  cFlowCmd intoWall = Warp(kWarpByDirection, kDirLeft, 6);
  ExecWarp(&walled, &intoWall);
  EXPECT_EQ(walled.m_dX, kStageLeft + 192);
  cFlowCmd out = Warp(kWarpByDirection, kDirLeft, 20);
  ExecWarp(&chara, &out);
  EXPECT_EQ(chara.m_dX, kStageLeft + 52);
}

TEST_F(WarpTest, ScreenCoordinatesHoldTheScreenPlaceEvenWhenCancelled) {
  cChara& chara = Body(4, 100, 100, 1);
  play_.m_ScrollX.m_dPos = play_.m_ScrollY.m_dPos = kWorldMargin;  // the view on the stage's corner
  for (int16_t blockX : {int16_t{5}, int16_t{-40}}) {
    SCOPED_TRACE(blockX);
    cFlowCmd cmd = Warp(kWarpToTargetPoint, 0, 0);
    cmd.m_Move->m_nTargetCoord = 2;
    cmd.m_Move->m_nTargetX = blockX;
    cmd.m_Move->m_nTargetY = 3;
    ExecWarp(&chara, &cmd);
    EXPECT_EQ(chara.m_bHoldScreenPos, 1);
    EXPECT_EQ(chara.m_nHoldMode, 1);
    EXPECT_EQ(chara.m_nHoldScreenX, chara.m_rcScreen.left);
  }
  // The first landed centred on screen cell (5, 3), the second was refused.
  EXPECT_EQ(chara.m_dX, kWorldMargin + 5 * 32 - 16 + 16.5);
  EXPECT_EQ(chara.m_dY, kWorldMargin + 3 * 32 - 16 + 16.5);
}

TEST_F(WarpTest, NothingHappensWithoutATargetOrMoveSettings) {
  cChara& chara = Body(4, 100, 100, 1);
  chara.m_bHoldScreenPos = 1;
  cFlowCmd fromTarget = Warp(kWarpFromTarget1, kDirLeft, 3);
  ExecWarp(&chara, &fromTarget);
  cFlowCmd bare = Cmd(kFlowCmdWarp);
  ExecWarp(&chara, &bare);
  EXPECT_EQ(chara.m_dX, kStageLeft + 100);
  EXPECT_EQ(chara.m_bHoldScreenPos, 1);

  cChara& target = Body(5, 400, 200, 1);
  Target(chara, 0, target);
  ExecWarp(&chara, &fromTarget);
  EXPECT_EQ(chara.m_dX, kStageLeft + 400 - 48);
  EXPECT_EQ(chara.m_dY, kWorldMargin + 200);
}

class SetTargetTest : public FlowWorld {
 protected:
  cChara& At(int32_t id, int32_t group, int32_t x) {
    cChara& chara = AddTestChara(id);
    chara.m_bEnabled = 1;
    chara.m_bOnScreen = 1;
    chara.m_rcScreen.left = x;
    chara.m_nGraphicW = 32;
    chara.m_nBlockKey = group;
    play_.m_ObjGroup.CheckedVectorAt(group).push_back(id);
    return chara;
  }
  // P0 slot, P1 whom, P2 group, P3 any group, P4 range, P5.. filters, P15.
  static void Set(cCharaBase& chara, std::vector<int32_t> params) {
    params.resize(16, 0);
    cFlowCmd cmd = Cmd(kFlowCmdSetTarget, params);
    ExecSetTarget(&chara, &cmd);
  }
  static int32_t BackRefs(const cCharaBase& chara, int32_t id) {
    return static_cast<int32_t>(std::count(chara.m_TargetedBy.begin(), chara.m_TargetedBy.end(), CHARALINK{id, 0}));
  }
};

TEST_F(SetTargetTest, NothingFoundClearsOrKeepsTheSlot) {
  cChara& self = At(4, 1, 0);
  cChara& old = At(5, 1, 500);
  for (int32_t whenNone : {1, 0, 2}) {
    SCOPED_TRACE(whenNone);
    self.SetTargetSlot(0, &old, 1);
    Set(self, {0, 2, 6, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, whenNone});  // group 6 is empty
    EXPECT_EQ(self.m_Targets.CheckedVectorAt(0), whenNone == 0 ? kNoLink : old.m_nId);
    EXPECT_EQ(BackRefs(old, self.m_nId), whenNone == 0 ? 0 : 1);
  }
  EXPECT_EQ(BrokenLinks(), "");
}

TEST_F(SetTargetTest, TheSearchesThatFindAChara) {
  cChara& self = At(4, 1, 0);
  cChara& near2 = At(5, 2, 100);
  cChara& far2 = At(6, 2, 300);
  cChara& nearer3 = At(7, 3, 60);
  cChara& child1 = At(9, 2, 900);
  cChara& child2 = At(10, 3, 900);
  child1.m_nParentId = child2.m_nParentId = self.m_nId;
  self.m_TargetedBy.push_back({child1.m_nId, kLinkSlotParent});
  self.m_TargetedBy.push_back({child2.m_nId, kLinkSlotParent});
  child2.m_Def.m_nCharaId = 12;
  struct Case {
    const char* name;
    std::vector<int32_t> params;
    int32_t found;
  } cases[] = {
      {"the nearest of group 2", {1, 2, 2, 0, 1}, near2.m_nId},
      {"any side: the nearest of each group's nearest (not itself)", {1, 2, 0, 1, 1, 1}, nearer3.m_nId},
      {"the first of group 2", {1, 3, 2, 0, 1}, near2.m_nId},
      {"the first of group 2 with chara ID 12: none there", {1, 3, 2, 0, 1, 0, 0, 0, 0, 1, 12}, kNoLink},
      {"the last child", {1, 5}, child2.m_nId},
      {"a child of group 2", {1, 6, 2}, child1.m_nId},
      {"a child of any group with chara ID 12", {1, 6, 0, 1, 0, 0, 0, 0, 0, 1, 12}, child2.m_nId},
      {"itself", {1, 1}, self.m_nId},
      {"its own target 1", {1, 7}, far2.m_nId},
  };
  self.SetTargetSlot(0, &far2, 1);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    self.SetTargetSlot(1, nullptr, 1);
    Set(self, c.params);
    EXPECT_EQ(self.m_Targets.CheckedVectorAt(1), c.found);
  }
  EXPECT_EQ(BrokenLinks(), "");
}

TEST_F(SetTargetTest, AnySideTiesKeepTheLowerGroup) {
  cChara& self = At(4, 1, 0);
  At(5, 5, 100);
  const cChara& in3 = At(6, 3, 100);
  Set(self, {0, 2, 0, 1, 1, 1});
  EXPECT_EQ(self.m_Targets.CheckedVectorAt(0), in3.m_nId);
}

TEST_F(SetTargetTest, TheSameCharaTwiceLeavesOneBackReference) {
  cChara& self = At(4, 1, 0);
  cChara& other = At(5, 2, 100);
  Set(self, {0, 2, 2, 0, 1});
  Set(self, {0, 2, 2, 0, 1});
  EXPECT_EQ(BackRefs(other, self.m_nId), 1);
  // A slot outside 0..3 changes nothing.
  Set(self, {4, 1});
  EXPECT_EQ(BrokenLinks(), "");
}

}  // namespace
