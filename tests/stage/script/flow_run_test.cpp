#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "flow_world.h"
#include "records/stage/stage_globals.h"
#include "stage/script/flow_cmd_table.h"

namespace {

class FlowRunTest : public FlowWorld {
 protected:
  // Passes until the flow stops (at most limit); the pass it stopped in, 0 if never.
  static int32_t PassesToEnd(cChara& chara, int32_t index, int32_t limit = 100) {
    for (int32_t pass = 1; pass <= limit; ++pass) {
      Pass(chara);
      if (!Running(chara, index)) return pass;
    }
    return 0;
  }

  int32_t Sounds() const {
    int32_t n = 0;
    for (const cStageEvent& event : services_.m_Events) n += event.strName == "PlayProjectSE";
    return n;
  }
};

TEST_F(FlowRunTest, SequentialCommandsLastTheirCallsAndTheFlowEndsWithTheLast) {
  struct Case {
    const char* name;
    std::vector<int32_t> frames;  // of sequential waits
    int32_t endPass;
  } cases[] = {
      {"a command of length 0 gets one call", {0}, 1},
      {"a negative length likewise", {-5}, 1},
      {"3 then 2: passes 1-3 and 4-5", {3, 2}, 5},
      {"a wait of 4 calls", {4}, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    cFlow flow = Flow(kTriggerByOperation, {});
    for (std::size_t i = 0; i < c.frames.size(); ++i) flow.m_Commands.push_back(Cmd(kFlowCmdWait));
    cChara& chara = WithFlows(10 + static_cast<int32_t>(&c - cases), {flow});
    for (std::size_t i = 0; i < c.frames.size(); ++i) SetFrames(chara, 0, static_cast<int32_t>(i), c.frames[i]);
    Start(chara, 0);
    EXPECT_EQ(PassesToEnd(chara, 0), c.endPass);
  }
}

TEST_F(FlowRunTest, ConcurrentCommandsRunWithTheNextAndTheFlowEndsWithItsLastCommand) {
  // A sound every call for 10 calls, beside a wait of 2: both from pass 1, the
  // flow ends at pass 2 and the sound is cut off.
  cChara& cut = WithFlows(4, {Flow(kTriggerByOperation, {Cmd(kFlowCmdSound, {7}, 1), Cmd(kFlowCmdWait)})});
  SetFrames(cut, 0, 0, 10);
  SetFrames(cut, 0, 1, 2);
  Start(cut, 0);
  EXPECT_EQ(PassesToEnd(cut, 0), 2);
  EXPECT_EQ(Sounds(), 2);

  // A concurrent last command keeps being stepped past the end and ends the flow on its last call.
  services_.m_Events.clear();
  cChara& last = WithFlows(5, {Flow(kTriggerByOperation, {Cmd(kFlowCmdWait), Cmd(kFlowCmdSound, {7}, 1)})});
  SetFrames(last, 0, 0, 1);
  SetFrames(last, 0, 1, 3);
  Start(last, 0);
  EXPECT_EQ(PassesToEnd(last, 0), 4);
  EXPECT_EQ(Sounds(), 3);
}

TEST_F(FlowRunTest, KindsOutsideTheTableAndLeftoverLoopsDoNothing) {
  for (int32_t kind : {-1, 40, 127, int32_t{kFlowCmdLoop}, int32_t{kFlowCmdNone}}) {
    SCOPED_TRACE(kind);
    cFlowCmd cmd = Cmd(kFlowCmdWait);
    cmd.m_nKind = static_cast<int8_t>(kind);
    cFlowCmdState state;
    state.m_lpCmd = &cmd;
    EXPECT_EQ(DispatchFlowCmd(nullptr, &state), 0);
  }
  EXPECT_TRUE(services_.m_Events.empty());
}

TEST_F(FlowRunTest, AFlowWithoutCommandsIsDoneAtOnce) {
  cFlowInstance empty;
  EXPECT_EQ(empty.RunFrame(), 1);
}

TEST_F(FlowRunTest, HandlerResultsNeverEndACommand) {
  // A status operation (which returns 0 either way) lasting 3 calls adds 1 three times.
  cFlowCmd add = Cmd(kFlowCmdStatus, {1, 1, 5, 0, 0, 1, 0, 1});
  cChara& chara = WithFlows(4, {Flow(kTriggerByOperation, {add})});
  SetFrames(chara, 0, 0, 3);
  Start(chara, 0);
  EXPECT_EQ(PassesToEnd(chara, 0), 3);
  EXPECT_EQ(play_.m_StageVar.CheckedVectorAt(5), 3);
}

TEST_F(FlowRunTest, ArrangeLinksGoToTheNextCommandAndAreEmptiedThere) {
  play_.m_StageVar.CheckedVectorAt(1) = 5;
  play_.m_StageVar.CheckedVectorAt(2) = 3;
  // Two links on the background command's layer number (index 34, row 0):
  // assign S1 = 5, then subtract S2 = 3: layer 2.
  cChara& chara = WithFlows(4, {Flow(kTriggerByOperation, {Cmd(kFlowCmdArrange, {34, 0, 0, 1, 1}),
                                                           Cmd(kFlowCmdArrange, {34, 0, 2, 1, 2}),
                                                           Cmd(kFlowCmdBackground, {1, 1}),
                                                           Cmd(kFlowCmdArrange, {34, 0, 0, 1, 1})})});
  for (int32_t i = 0; i < 4; ++i) SetFrames(chara, 0, i, 1);
  Start(chara, 0);
  for (int32_t i = 0; i < 3; ++i) Pass(chara);
  EXPECT_EQ(chara.m_Def.m_Flows.CheckedVectorAt(0).m_Commands.CheckedVectorAt(2).m_Params.CheckedVectorAt(0), 2);
  EXPECT_TRUE(chara.m_Flows.CheckedVectorAt(0).m_Links.empty());
  // The last アレンジ (queueing once per call) leaves its links until the flow stops.
  Pass(chara);
  ASSERT_FALSE(Running(chara, 0));
  SetFrames(chara, 0, 3, 5);
  Start(chara, 0);
  for (int32_t i = 0; i < 5; ++i) Pass(chara);
  EXPECT_EQ(chara.m_Flows.CheckedVectorAt(0).m_Links.size(), 2U);
  chara.m_Flows.CheckedVectorAt(0).Stop(chara);
  EXPECT_TRUE(chara.m_Flows.CheckedVectorAt(0).m_Links.empty());
}

TEST_F(FlowRunTest, ABeforeStartFlowRunsOnlyItsConcurrentSharedCommandsOnceInsideStart) {
  cFlowCmd move = Cmd(kFlowCmdLinearMove, {}, 1);
  cChara& chara = WithFlows(4, {Flow(kTriggerBeforeStart, {move, Cmd(kFlowCmdSound, {9}, 1), Cmd(kFlowCmdSound, {8})})});
  chara.m_bOnScreen = 1;
  Start(chara, 0);
  EXPECT_EQ(Sounds(), 1);  // the concurrent sound only, once; the sequential one is passed over
  EXPECT_FALSE(Running(chara, 0));
  EXPECT_EQ(play_.m_nFlowOwnerId, kNoLink);  // the hand-over as it was
}

TEST_F(FlowRunTest, ABeforeStartFlowStartedFromARunningFlowLeavesItItsOwnInstance) {
  cChara& target = WithFlows(5, {Flow(kTriggerBeforeStart, {Cmd(kFlowCmdSound, {9}, 1)})});
  cChara& runner = WithFlows(4, {Flow(kTriggerByOperation, {Cmd(kFlowCmdWait)})});
  play_.m_nFlowOwnerId = runner.m_nId;
  play_.m_nFlowIndex = 0;
  play_.m_nFlowCmdIndex = 0;
  Start(target, 0);
  EXPECT_EQ(play_.m_nFlowOwnerId, runner.m_nId);
  EXPECT_EQ(play_.m_nFlowIndex, 0);
  EXPECT_EQ(play_.m_nFlowCmdIndex, 0);
}

TEST_F(FlowRunTest, StartingAFlaggedFlowMarksTheCharaThatHoldsIt) {
  cFlow flagged = Flow(kTriggerAlways, {Cmd(kFlowCmdWait)});
  flagged.m_nFlagNo = 3;
  cChara& target = WithFlows(5, {flagged});
  cChara& runner = WithFlows(4, {Flow(kTriggerByOperation, {Cmd(kFlowCmdWait)})});
  play_.m_nFlowOwnerId = runner.m_nId;
  Start(target, 0);
  EXPECT_EQ(target.m_FlowFlagBusy.CheckedVectorAt(3), 1);
  EXPECT_EQ(target.m_FlowFlagFrame.CheckedVectorAt(3), 1);
  EXPECT_EQ(runner.m_FlowFlagBusy.CheckedVectorAt(3), 0);
  target.m_Flows.CheckedVectorAt(0).Stop(target);
  EXPECT_EQ(target.m_FlowFlagRelease.CheckedVectorAt(3), 1);
  EXPECT_EQ(target.m_bFlagReleasePending, 1);
}

TEST_F(FlowRunTest, AKeyWaitMessageChainsToTheNextMessageUntilAnotherCommandStarts) {
  cChara& chara = WithFlows(4, {Flow(kTriggerByOperation, {Cmd(kFlowCmdMessage), Cmd(kFlowCmdSound, {1}, 1),
                                                           Cmd(kFlowCmdMessage), Cmd(kFlowCmdWait)})});
  for (int32_t i = 0; i < 4; ++i) SetFrames(chara, 0, i, 1);
  const cFlowInstance& flow = chara.m_Flows.CheckedVectorAt(0);
  Start(chara, 0);
  Pass(chara);
  EXPECT_EQ(flow.m_bMessageChain, 1);  // the first message finished
  Pass(chara);                          // the concurrent sound leaves it, the second message keeps it
  EXPECT_EQ(flow.m_bMessageChain, 1);
  Pass(chara);                          // the wait starts: cleared
  EXPECT_EQ(flow.m_bMessageChain, 0);

  cChara& timed = WithFlows(5, {Flow(kTriggerByOperation, {Cmd(kFlowCmdMessage, std::vector<int32_t>(7, 1)),
                                                           Cmd(kFlowCmdWait)})});
  SetFrames(timed, 0, 0, 1);
  Start(timed, 0);
  Pass(timed);
  EXPECT_EQ(timed.m_Flows.CheckedVectorAt(0).m_bMessageChain, 0);  // P6 1: not a key wait
}

TEST_F(FlowRunTest, SharedExecutorsActOnEveryCall) {
  g_Stage.m_BackLayers.resize(2);
  struct Case {
    std::vector<int32_t> params;
    int32_t layer0;
  } cases[] = {{{1, 1}, 0}, {{1, 2}, 0}, {{0, 1}, 1}, {{3, 1}, 1}, {{1, 7}, 1}, {{-1, 1}, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.params));
    for (cBackLayer& layer : g_Stage.m_BackLayers) layer.m_bVisible = 1;
    cFlowCmd cmd = Cmd(kFlowCmdBackground, c.params);
    cFlowCmdState state;
    state.m_lpCmd = &cmd;
    DispatchFlowCmd(nullptr, &state);
    EXPECT_EQ(g_Stage.m_BackLayers.CheckedVectorAt(0).m_bVisible, c.layer0);
  }
  // A toggle lasting two calls toggles twice.
  cChara& chara = WithFlows(4, {Flow(kTriggerByOperation, {Cmd(kFlowCmdBackground, {2, 2})})});
  SetFrames(chara, 0, 0, 2);
  Start(chara, 0);
  EXPECT_EQ(PassesToEnd(chara, 0), 2);
  EXPECT_EQ(g_Stage.m_BackLayers.CheckedVectorAt(1).m_bVisible, 1);
}

TEST_F(FlowRunTest, SoundsOnScreenOnlyMusicColourAndCodeGoThroughTheServices) {
  cChara& chara = WithFlows(4, {Flow(kTriggerByOperation, {})});
  cFlowCmd sound = Cmd(kFlowCmdSound, {12});
  sound.m_bSoundOnScreenOnly = 1;
  chara.m_bOnScreen = 0;
  cFlowCmdState state;
  state.m_lpCmd = &sound;
  DispatchFlowCmd(&chara, &state);
  EXPECT_TRUE(services_.m_Events.empty());
  chara.m_bOnScreen = 1;
  DispatchFlowCmd(&chara, &state);
  cFlowCmd bgm = Cmd(kFlowCmdBgm, {3, 1});
  state.m_lpCmd = &bgm;
  DispatchFlowCmd(&chara, &state);
  cFlowCmd colour = Cmd(kFlowCmdScreenColor, {1, 2, 3, 4, 5, 6, 7, 8});
  state.m_lpCmd = &colour;
  DispatchFlowCmd(&chara, &state);
  cFlowCmd code = Cmd(kFlowCmdRunCode);
  code.m_strText = "S7 = 2 * 3";
  state.m_lpCmd = &code;
  DispatchFlowCmd(&chara, &state);
  EXPECT_EQ(EventNames(), (std::vector<std::string>{"PlayProjectSE", "RequestStageBgm", "SetScreenColor"}));
  EXPECT_EQ(std::get<int64_t>(services_.m_Events.at(2).Args.at(7).value), 8);
  EXPECT_EQ(play_.m_StageVar.CheckedVectorAt(7), 6);
}

TEST_F(FlowRunTest, AMoveTakesItsLengthFromDistanceAndSpeed) {
  struct Case {
    int8_t mode;
    int16_t distance;
    double speed;
    int32_t frames;
    int32_t keepNegative;
    int32_t expectFrames;
    double expectSpeed;
  } cases[] = {
      {kSpeedSpeedAndDistance, 10, 4, 99, 0, 40, 4},     // 160 dots at 4
      {kSpeedSpeedAndDistance, -10, 4, 99, 0, 40, 4},    // made positive
      {kSpeedSpeedAndDistance, -10, 4, 99, 1, -40, 4},   // kept negative
      {kSpeedSpeedAndDistance, 10, 0, 99, 0, 99, 0},     // no speed: the length stays
      {kSpeedTimeAndDistance, 10, 0, 40, 0, 40, 4},      // 160 dots in 40 calls
      {kSpeedTimeAndDistance, 10, 0, 0, 0, 0, 160},      // no length: the whole distance at once
      {kSpeedTimeAndSpeed, 10, 2, 7, 0, 7, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(&c - cases);
    g_SystemData.m_bLegacy695 = c.keepNegative;
    cFlowCmd cmd = Cmd(kFlowCmdLinearMove);
    NewEdMove(cmd.m_Move.Shared());
    cmd.m_Move->m_nSpeedMode = c.mode;
    cmd.m_Move->m_nDistance = c.distance;
    cFlowCmdState state;
    state.m_dSpeed = c.speed;
    state.m_nFrames = c.frames;
    state.SetSpeedOrDuration(&cmd, 0);
    EXPECT_EQ(state.m_nFrames, c.expectFrames);
    EXPECT_DOUBLE_EQ(state.m_dSpeed, c.expectSpeed);
  }
}

}  // namespace
