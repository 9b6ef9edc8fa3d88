#include "stage/script/flow_triggers.h"

#include "stage/script/key_conditions.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <vector>

#include "core/input/input_state.h"
#include "flow_world.h"
#include "records/script/condition.h"
#include "stage/objects/hero.h"

namespace {

class FlowTriggersTest : public FlowWorld {
 protected:
  // A flow of trigger that holds only while stage variable 1 is 1.
  static cFlow Gated(int8_t trigger) {
    cFlow flow = Flow(trigger, {Cmd(kFlowCmdWait)});
    cCondition& cond = flow.m_Conditions.emplace_back();
    cond.m_nKind = kCondStageVar;
    cond.m_nIndex = 1;
    cond.m_nValue = 1;
    return flow;
  }
};

TEST_F(FlowTriggersTest, AFlaggedAlwaysFlowStoppedMidFrameWaitsForTheNextFrame) {
  cFlow first = Flow(kTriggerAlways, {Cmd(kFlowCmdWait)});
  first.m_nFlagNo = 3;
  cFlow second = first;
  cChara& chara = WithFlows(4, {first, second});
  SetFrames(chara, 0, 0, 1);
  chara.FireTrigger(kTriggerAlways);
  EXPECT_TRUE(Running(chara, 0));
  EXPECT_FALSE(Running(chara, 1));  // the number is busy
  Pass(chara);                      // the flow ends and releases its number
  EXPECT_FALSE(Running(chara, 0));
  chara.FireTrigger(kTriggerAlways);
  EXPECT_FALSE(Running(chara, 0));  // started this frame
  EXPECT_FALSE(Running(chara, 1));  // the number started this frame
  chara.ResetFlowFrameFlags();
  chara.FireTrigger(kTriggerAlways);
  EXPECT_TRUE(Running(chara, 0));
}

TEST_F(FlowTriggersTest, AFlagNumberOutsideTheTableCountsAsNone) {
  for (int8_t flag : {int8_t{27}, int8_t{100}, int8_t{-3}}) {
    SCOPED_TRACE(int{flag});
    cFlow flow = Flow(kTriggerAlways, {Cmd(kFlowCmdWait)});
    flow.m_nFlagNo = flag;
    cChara& chara = WithFlows(30 + flag, {flow, flow});
    SetFrames(chara, 0, 0, 1);
    chara.FireTrigger(kTriggerAlways);
    EXPECT_TRUE(Running(chara, 0));
    EXPECT_TRUE(Running(chara, 1));  // no number holds the second back
    Pass(chara);
    EXPECT_EQ(chara.m_bFlagReleasePending, 0);
    EXPECT_EQ(TakeCloseRequests(), 0);
  }
}

TEST_F(FlowTriggersTest, AFlowTriedTwiceInAFrameByTheSettings) {
  struct Case {
    int32_t legacy744, legacy525;
    bool startsOnSecondTry;
  } cases[] = {{0, 0, true}, {1, 0, false}, {0, 1, true}, {1, 1, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.legacy744 << c.legacy525);
    g_SystemData.m_bLegacy744 = c.legacy744;
    g_SystemData.m_bLegacy525 = c.legacy525;
    cFlow flow = Flow(kTriggerDamaged, {Cmd(kFlowCmdWait)});
    flow.m_nFlowId = 2;
    cChara& chara = WithFlows(10 + static_cast<int32_t>(&c - cases), {flow});
    chara.StartFlowsByTrigger(kTriggerDamaged, kNoLink, 5);  // another flow id: passed over
    chara.StartFlowsByTrigger(kTriggerDamaged, kNoLink, 2);
    EXPECT_EQ(Running(chara, 0), c.startsOnSecondTry);
  }
  // Tried and failed on its conditions: not tried again in the frame, except under 525.
  for (int32_t legacy525 : {0, 1}) {
    g_SystemData.m_bLegacy744 = 0;
    g_SystemData.m_bLegacy525 = legacy525;
    play_.m_StageVar.CheckedVectorAt(1) = 0;
    cChara& chara = WithFlows(20 + legacy525, {Gated(kTriggerDamaged)});
    chara.FireTrigger(kTriggerDamaged);
    play_.m_StageVar.CheckedVectorAt(1) = 1;
    chara.FireTrigger(kTriggerDamaged);
    EXPECT_EQ(Running(chara, 0), legacy525 == 1);
  }
}

TEST_F(FlowTriggersTest, TheEventsCauseBecomesATargetOnlyWhenTheConditionsHold) {
  cFlow flow = Flow(kTriggerTouchChara, {Cmd(kFlowCmdWait)});
  flow.m_bTargetFromEvent = 1;
  flow.m_nTargetSlot = 1;
  cCondition& cond = flow.m_Conditions.emplace_back();
  cond.m_nKind = kCondStatus3;
  cond.m_nSubject = kSubjectTarget1 + 1;
  cond.m_nSelector = kStateFacingRight;
  cChara& chara = WithFlows(4, {flow});
  cChara& old = AddTestChara(5);
  cChara& cause = AddTestChara(6);
  Target(chara, 1, old);
  cause.m_nFacing = 0;
  chara.StartFlowsByTrigger(kTriggerTouchChara, cause.m_nId, 0);
  EXPECT_FALSE(Running(chara, 0));
  EXPECT_EQ(chara.m_Targets.CheckedVectorAt(1), old.m_nId);  // put back
  EXPECT_EQ(BrokenLinks(), "");
  chara.ResetFlowFrameFlags();
  cause.m_nFacing = 1;
  chara.StartFlowsByTrigger(kTriggerTouchChara, cause.m_nId, 0);
  EXPECT_TRUE(Running(chara, 0));
  EXPECT_EQ(chara.m_Targets.CheckedVectorAt(1), cause.m_nId);
  EXPECT_EQ(BrokenLinks(), "");
  EXPECT_EQ(play_.m_nFlowOwnerId, kNoLink);
}

TEST_F(FlowTriggersTest, TheFlowsConditionsHoldOnceForGoodWithTheOnceFlag) {
  cFlow flow = Gated(kTriggerByOperation);
  flow.m_bCondOnce = 1;
  cChara& chara = WithFlows(4, {flow});
  cFlowInstance& instance = chara.m_Flows.CheckedVectorAt(0);
  EXPECT_EQ(CheckFlowConditions(play_, instance, chara), 0);
  play_.m_StageVar.CheckedVectorAt(1) = 1;
  EXPECT_EQ(CheckFlowConditions(play_, instance, chara), 1);
  play_.m_StageVar.CheckedVectorAt(1) = 0;
  EXPECT_EQ(CheckFlowConditions(play_, instance, chara), 1);
  EXPECT_EQ(instance.m_bCondMet, 1);
}

// A trigger walk passes over a chara whose flows carry no flow of the
// trigger, and over other triggers' flows, by what the chara remembers of
// its flows' triggers; whatever changed the flow list, every flow of the
// trigger must still start and no other.
TEST_F(FlowTriggersTest, EveryFlowOfTheTriggerStartsAfterTheFlowListChanged) {
  const auto withId = [](int8_t trigger, int8_t id) {
    cFlow flow = Flow(trigger, {Cmd(kFlowCmdWait)});
    flow.m_nFlowId = id;
    return flow;
  };
  const auto flows = [](std::initializer_list<cFlow> list) {
    cVector<cFlow> out;
    for (const cFlow& flow : list) out.push_back(flow);
    return out;
  };
  // The change made to a chara of flows {always, died, touched a block}; the
  // chara to test afterwards (a copy is another chara).
  struct Case {
    const char* name;
    std::function<cChara&(cChara&, cChara&)> change;
  };
  const Case cases[] = {
      {"replaced", [&](cChara& c, cChara&) -> cChara& {
         cVector<cFlow> list = flows({withId(kTriggerBlockLeft, 3), withId(40, 3)});
         c.SetFlows(list, 0, -1);
         return c;
       }},
      {"inserted in front", [&](cChara& c, cChara&) -> cChara& {
         cVector<cFlow> list = flows({withId(kTriggerBlockLeft, 3)});
         c.SetFlows(list, 1, 0);
         return c;
       }},
      {"inserted between", [&](cChara& c, cChara&) -> cChara& {
         cVector<cFlow> list = flows({withId(-5, 3), withId(kTriggerDied, 3)});
         c.SetFlows(list, 1, 1);
         return c;
       }},
      {"appended", [&](cChara& c, cChara&) -> cChara& {
         cVector<cFlow> list = flows({withId(kTriggerByOperation, 3)});
         c.SetFlows(list, 1, -1);
         return c;
       }},
      {"the first deleted", [](cChara& c, cChara&) -> cChara& {
         c.DeleteFlowAt(0);
         return c;
       }},
      {"deleted by id", [](cChara& c, cChara&) -> cChara& {
         c.DeleteFlowsById(1);
         return c;
       }},
      {"all deleted, then one set", [&](cChara& c, cChara&) -> cChara& {
         c.DeleteFlowsById(0);
         cVector<cFlow> list = flows({withId(kTriggerDied, 3)});
         c.SetFlows(list, 1, -1);
         return c;
       }},
      {"copied with its flows", [](cChara& c, cChara& other) -> cChara& {
         other.CopyFrom(c);
         return other;
       }},
      {"copied plainly", [](cChara& c, cChara& other) -> cChara& {
         other = c;
         return other;
       }},
      {"a definition of as many flows taken over", [&](cChara& c, cChara&) -> cChara& {
         cCharaDef def = c.m_Def;
         def.m_Flows.CheckedVectorAt(0).m_nTrigger = kTriggerDamaged;
         def.m_Flows.CheckedVectorAt(2).m_nTrigger = kTriggerAlways;
         c.Reset(&def, 0, 0, 0);
         return c;
       }},
  };
  const int32_t triggers[] = {kTriggerAlways, kTriggerDamaged, kTriggerDied, kTriggerTouchBlock, kTriggerBlockLeft,
                              kTriggerByOperation, 40, -5};
  int32_t id = 10;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    cChara& original =
        WithFlows(id++, {withId(kTriggerAlways, 1), withId(kTriggerDied, 2), withId(kTriggerTouchBlock, 1)});
    cChara& other = AddTestChara(id++);
    cChara& chara = c.change(original, other);
    for (int32_t trigger : triggers) {
      SCOPED_TRACE(trigger);
      for (cFlowInstance& instance : chara.m_Flows) instance.Stop(chara);
      chara.ResetFlowFrameFlags();
      StartFlowsNow(chara, trigger, kNoLink, 0);
      ASSERT_EQ(chara.m_Flows.size(), chara.m_Def.m_Flows.size());
      for (int32_t i = 0; i < chara.m_Flows.VectorSize(); ++i) {
        EXPECT_EQ(Running(chara, i), chara.m_Def.m_Flows.CheckedVectorAt(i).m_nTrigger == trigger) << "flow " << i;
      }
    }
  }
}

class KeyConditionsTest : public FlowWorld {
 protected:
  void SetUp() override {
    FlowWorld::SetUp();
    g_InputList.resize(1);
    g_InputList.CheckedVectorAt(0).ResetPressHistory();
    AddTestHero(1);
  }

  static cVector<PRESSRUNDATA>& Runs(int32_t slot) {
    cInput& input = g_InputList.CheckedVectorAt(0);
    return slot < kDirPatternCount ? input.vDirPress.CheckedVectorAt(slot)
                                   : input.vButtonPress.CheckedVectorAt(slot - kDirPatternCount);
  }
  // Slot's history from the newest run: {pressed, frames} pairs.
  static void History(int32_t slot, std::vector<PRESSRUNDATA> runs) {
    runs.push_back({0, 1000});
    Runs(slot).assign(runs.begin(), runs.end());
  }

  static cKeyCond Step(int32_t slot, int8_t mirror = 0) {
    cKeyCond cond;
    cond.m_Keys.CheckedVectorAt(slot) = kKeyPressed;
    cond.m_nHoldMin = 1;
    cond.m_nHoldMax = 99;
    cond.m_bMirror = mirror;
    return cond;
  }

  cChara& Keyed(std::vector<cKeyCond> steps, int8_t slack, int8_t hold = 0) {
    cFlow flow = Flow(kTriggerByOperation, {Cmd(kFlowCmdWait)});
    flow.m_nKeySlack = slack;
    flow.m_bKeyHold = hold;
    for (const cKeyCond& step : steps) flow.m_KeyConds.push_back(step);
    return WithFlows(4, {flow});
  }

  int32_t Test(cChara& chara) { return chara.CheckKeyConditions(chara.m_Flows.CheckedVectorAt(0)); }

  static constexpr int32_t kButton1 = kKeyButton1;
};

TEST_F(KeyConditionsTest, ASequenceMatchesWithinItsSlack) {
  struct Case {
    int32_t releasedFor;  // frames between letting go of right and pressing button 1
    int8_t slack;
    int32_t holds;
  } cases[] = {{0, 0, 1}, {1, 0, 0}, {1, 1, 1}, {3, 3, 1}, {3, 2, 0}, {4, 3, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.releasedFor << " slack " << int{c.slack});
    // Button 1 held 2 frames now; before it right was released for releasedFor frames after 4 held.
    History(kButton1, {{1, 2}});
    if (c.releasedFor > 0) {
      History(kKeyRight, {{0, 2 + c.releasedFor}, {1, 4}});
    } else {
      History(kKeyRight, {{0, 2}, {1, 4}});
    }
    cChara& chara = Keyed({Step(kKeyRight), Step(kButton1)}, c.slack);
    EXPECT_EQ(Test(chara), c.holds);
  }
}

TEST_F(KeyConditionsTest, KeysPressedTogetherAreASequenceOnlyUnderTheOldRule) {
  // Right and button 1 went down in the same frame: right is found only one
  // frame into button 1's run, where button 1 holds too.
  for (int32_t legacy669 : {0, 1}) {
    g_SystemData.m_bLegacy669 = legacy669;
    History(kButton1, {{1, 2}});
    History(kKeyRight, {{1, 2}});
    cChara& chara = Keyed({Step(kKeyRight), Step(kButton1)}, 1);
    EXPECT_EQ(Test(chara), legacy669) << legacy669;
  }
}

TEST_F(KeyConditionsTest, AMirroredSequenceReadsLeftForRightWhenFacingLeft) {
  History(kButton1, {{1, 2}});
  History(kKeyLeft, {{0, 2}, {1, 4}});
  History(kKeyRight, {{0, 50}});
  for (int32_t facing : {0, 1}) {
    cChara& chara = Keyed({Step(kKeyRight, 1), Step(kButton1)}, 0);
    chara.m_nFacing = facing;
    EXPECT_EQ(Test(chara), facing == 0 ? 1 : 0) << facing;
  }
}

TEST_F(KeyConditionsTest, AHeldKeyDoesNotRestartAnEdgeFlow) {
  History(kButton1, {{1, 2}});
  cFlow flow = Flow(kTriggerAlways, {Cmd(kFlowCmdWait)});
  flow.m_nFlagNo = 5;
  flow.m_KeyConds.push_back(Step(kButton1));
  cChara& chara = WithFlows(4, {flow});
  EXPECT_EQ(Test(chara), 1);
  EXPECT_EQ(Test(chara), 0);  // still held
  EXPECT_EQ(chara.m_FlowFlagBusy.CheckedVectorAt(5), 1);
  EXPECT_EQ(chara.m_FlowFlagRelease.CheckedVectorAt(5), 1);
  EXPECT_EQ(chara.m_bFlagReleasePending, 1);
  History(kButton1, {{0, 1}, {1, 5}});
  EXPECT_EQ(Test(chara), 0);  // let go: the latch opens
  History(kButton1, {{1, 1}});
  EXPECT_EQ(Test(chara), 1);

  cChara& held = Keyed({Step(kButton1)}, 0, 1);  // hold mode: every frame
  EXPECT_EQ(Test(held), 1);
  EXPECT_EQ(Test(held), 1);
}

TEST_F(KeyConditionsTest, TheKeysAsTheyAreNowAndTheFirstPressedDirection) {
  History(kKeyUp, {{1, 3}});
  History(kButton1, {{0, 3}});
  cInput& input = g_InputList.CheckedVectorAt(0);
  cKeyCond cond;
  cond.m_Keys.CheckedVectorAt(kKeyUp) = kKeyPressed;
  cond.m_Keys.CheckedVectorAt(kButton1) = kKeyPressed;
  struct Case {
    int8_t mode;
    int32_t holds;
  } cases[] = {{kKeyAllTrue, 0}, {kKeyAnyTrue, 1}, {kKeyExactlyOne, 1}, {7, 0}};
  for (const Case& c : cases) {
    cond.m_nKeyMode = c.mode;
    EXPECT_EQ(CheckKeyCondNow(&input, &cond), c.holds) << int{c.mode};
  }
  cKeyCond shortCond;
  shortCond.m_Keys.assign(4, kKeyIgnored);  // fewer than 19 slots: the missing ones are ignored
  shortCond.m_Keys.CheckedVectorAt(kKeyUp) = kKeyPressed;
  EXPECT_EQ(CheckKeyCondNow(&input, &shortCond), 1);
  EXPECT_EQ(FirstPressedDirection(&input), kKeyUp);
  History(kKeyUp, {{0, 3}});
  EXPECT_EQ(FirstPressedDirection(&input), 0);
}

}  // namespace
