#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "flow_world.h"
#include "records/script/cond_list.h"
#include "records/script/flow.h"
#include "stage/script/flow_cmd_executors.h"

namespace {

enum : int32_t { kOpStart = 0, kOpEnd = 1, kOpPause = 2, kOpResume = 3, kOpDelete = 4, kOpStopForever = 5 };
enum : int32_t { kThisFlow = 0, kOtherFlows = 1, kById = 2 };

class FlowOperationTest : public FlowWorld {
 protected:
  // フローの操作 (op, scope, flow id, whose), one call.
  static cFlowCmd Op(int32_t op, int32_t scope, int32_t id = 0, int32_t who = 0) {
    return Cmd(kFlowCmdFlowOperation, {op, scope, id, who});
  }
  static cFlow WithId(cFlow flow, int8_t id) {
    flow.m_nFlowId = id;
    return flow;
  }
  // The project sounds played, in order.
  std::vector<int64_t> Sounds() const {
    std::vector<int64_t> n;
    for (const cStageEvent& e : services_.m_Events) {
      if (e.strName == "PlayProjectSE") n.push_back(std::get<int64_t>(e.Args[0].value));
    }
    return n;
  }
  static void SetAllFrames(cCharaBase& chara, int32_t frames) {
    for (cFlowInstance& flow : chara.m_Flows) {
      for (cFlowCmdState& state : flow.m_States) state.m_nFrames = frames;
    }
  }
  static cFlow Idle() { return Flow(kTriggerByOperation, {Cmd(kFlowCmdWait)}); }
};

TEST_F(FlowOperationTest, StartOnItsOwnFlowRestartsItFromItsFirstCommand) {
  cChara& chara = WithFlows(4, {Flow(kTriggerByOperation, {Cmd(kFlowCmdSound, {7}), Op(kOpStart, kThisFlow),
                                                          Cmd(kFlowCmdSound, {8})})});
  SetAllFrames(chara, 1);
  Start(chara, 0);
  for (int pass = 0; pass < 4; ++pass) Pass(chara);
  // 7, the restart, 7 again, then the command after the operation.
  EXPECT_EQ(Sounds(), (std::vector<int64_t>{7, 7, 8}));
}

TEST_F(FlowOperationTest, ScopeAndSubjectChooseTheFlowsActedOn) {
  struct Case {
    const char* name;
    int32_t op, scope, id, who;
    std::vector<int> running;  // flows 1..3 after the operation (flow 0 runs it)
    std::vector<int> paused;
  } cases[] = {
      {"end every other flow, whatever P3 says", kOpEnd, kOtherFlows, 0, 1, {0, 0, 0}, {0, 0, 0}},
      {"pause by ID 2", kOpPause, kById, 2, 0, {1, 1, 1}, {0, 1, 0}},
      {"stop for ever by ID 3", kOpStopForever, kById, 3, 0, {1, 1, 1}, {0, 0, 0}},
      {"flow ID 0 never matches", kOpEnd, kById, 0, 0, {1, 1, 1}, {0, 0, 0}},
      {"an unknown scope acts on nothing", kOpEnd, 3, 2, 0, {1, 1, 1}, {0, 0, 0}},
      {"an empty target slot acts on nothing", kOpEnd, kOtherFlows, 0, 2, {1, 1, 1}, {0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const int32_t id = 10 + static_cast<int32_t>(&c - cases);
    cChara& chara = WithFlows(id, {Flow(kTriggerByOperation, {Op(c.op, c.scope, c.id, c.who)}), WithId(Idle(), 0),
                                   WithId(Idle(), 2), WithId(Idle(), 3)});
    Target(chara, 0, chara);
    SetAllFrames(chara, 5);
    for (int32_t i = 0; i < 4; ++i) Start(chara, i);
    Pass(chara);
    for (int32_t i = 1; i <= 3; ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(Running(chara, i), c.running[static_cast<std::size_t>(i - 1)] != 0);
      EXPECT_EQ(chara.m_Flows.CheckedVectorAt(i).m_bPaused, c.paused[static_cast<std::size_t>(i - 1)]);
    }
    EXPECT_EQ(chara.m_Flows.CheckedVectorAt(3).m_bStoppedForever, c.op == kOpStopForever ? 1 : 0);
  }
}

TEST_F(FlowOperationTest, DeleteByIdIsAtOnceOnAnotherCharaAndWaitsForTheFlowPassOnItself) {
  cChara& other = WithFlows(5, {WithId(Idle(), 2), WithId(Idle(), 4), WithId(Idle(), 2), WithId(Idle(), 2)});
  cChara& self = WithFlows(4, {Flow(kTriggerByOperation, {Op(kOpDelete, kById, 2, 1)}), WithId(Idle(), 2)});
  Target(self, 0, other);
  SetAllFrames(self, 5);
  Start(self, 0);
  Pass(self);
  // Adjacent matches are all removed: the walk does not skip past an erased one.
  ASSERT_EQ(other.m_Flows.VectorSize(), 1);
  EXPECT_EQ(other.m_Flows.CheckedVectorAt(0).Flow().m_nFlowId, 4);

  // The flow that deletes has ID 2 itself.
  cChara& own = WithFlows(
      6, {WithId(Flow(kTriggerByOperation, {Op(kOpDelete, kById, 2, 0), Cmd(kFlowCmdSound, {9})}), 2),
          WithId(Idle(), 2)});
  SetAllFrames(own, 1);
  Start(own, 0);
  Start(own, 1);
  Pass(own);
  // Both went at the end of the pass, and the flow that asked went no further.
  EXPECT_EQ(own.m_Flows.VectorSize(), 0);
  EXPECT_EQ(own.m_bFlowDeletePending, 0);
  EXPECT_TRUE(Sounds().empty());
}

TEST_F(FlowOperationTest, AFailingConditionListDoesNothing) {
  for (int8_t mode : {int8_t{0}, int8_t{2}}) {
    SCOPED_TRACE(mode);
    cFlowCmd op = Op(kOpEnd, kOtherFlows);
    NewCondList(op.m_CondList.Shared());
    op.m_CondList->m_bUseConditions = 1;
    op.m_CondList->m_nMode = mode;  // mode 2 never holds; mode 0 holds on an empty list
    cChara& chara = WithFlows(20 + mode, {Flow(kTriggerByOperation, {op}), Idle()});
    SetAllFrames(chara, 5);
    Start(chara, 0);
    Start(chara, 1);
    Pass(chara);
    EXPECT_EQ(Running(chara, 1), mode == 2);
  }
}

TEST_F(FlowOperationTest, StartOnATargetsFlowsRunsThemAsTheTargets) {
  // A flagged 常時 flow and a trigger-21 flow of the target, both ID 3.
  cFlow flagged = WithId(Flow(kTriggerAlways, {Cmd(kFlowCmdWait)}), 3);
  flagged.m_nFlagNo = 5;
  cFlow before = WithId(Flow(kTriggerBeforeStart, {Cmd(kFlowCmdSound, {7}, 1)}), 3);
  cChara& target = WithFlows(5, {flagged, before});
  cChara& self = WithFlows(4, {Flow(kTriggerByOperation, {Op(kOpStart, kById, 3, 1), Cmd(kFlowCmdSound, {8})})});
  Target(self, 0, target);
  SetAllFrames(self, 1);
  SetAllFrames(target, 5);
  Start(self, 0);
  Pass(self);
  EXPECT_TRUE(Running(target, 0));
  EXPECT_EQ(target.m_FlowFlagBusy.CheckedVectorAt(5), 1);
  EXPECT_EQ(self.m_FlowFlagBusy.CheckedVectorAt(5), 0);
  // The trigger-21 flow ran its concurrent sound for the target and stopped;
  // the calling flow went on with its own next command.
  EXPECT_FALSE(Running(target, 1));
  Pass(self);
  EXPECT_EQ(Sounds(), (std::vector<int64_t>{7, 8}));
}

TEST_F(FlowOperationTest, ADeletionFromInsideAFlowRunFurtherUpTheCallIsDeferred) {
  // Chara 4 starts its target's trigger-21 flow, which deletes chara 4's flows of ID 2.
  cChara& self = WithFlows(4, {WithId(Flow(kTriggerByOperation, {Op(kOpStart, kById, 6, 1), Cmd(kFlowCmdWait)}), 2)});
  cChara& target =
      WithFlows(5, {WithId(Flow(kTriggerBeforeStart, {Cmd(kFlowCmdFlowOperation, {kOpDelete, kById, 2, 1}, 1)}), 6)});
  Target(self, 0, target);
  Target(target, 0, self);
  SetAllFrames(self, 1);
  SetAllFrames(target, 1);
  Start(self, 0);
  Pass(self);
  // The running flow's commands were still there for the rest of its pass;
  // the deletion happened at the pass's end.
  EXPECT_EQ(self.m_Flows.VectorSize(), 0);
}

}  // namespace
