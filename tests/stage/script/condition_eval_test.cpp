#include "stage/script/condition_eval.h"

#include <gtest/gtest.h>

#include <climits>

#include "../objects/chara_world.h"
#include "records/save/save_data.h"
#include "records/script/condition.h"
#include "stage/objects/chara.h"

namespace {

class ConditionEvalTest : public CharaWorld {
 protected:
  void SetUp() override {
    CharaWorld::SetUp();
    g_SaveData.m_Vars.assign(1001, 0);
    self_ = &AddTestChara(2);
  }

  static cCondition Var(int8_t kind, int16_t index, int8_t compare, int32_t value) {
    cCondition cond;
    cond.m_nKind = kind;
    cond.m_nIndex = index;
    cond.m_nCompare = compare;
    cond.m_nValue = value;
    return cond;
  }

  // A kind-4 condition with a random right operand: it draws once when evaluated.
  static cCondition Drawing() {
    cCondition cond;
    cond.m_nKind = kCondStatus;
    cond.m_nSelector = 1;
    cond.m_nCompare = kCompareAtLeast;
    cond.m_nRightType = kRightRandom;
    return cond;
  }

  bool List(cVector<cCondition> conds, int32_t mode) { return EvalConditionList(play_, conds, mode, self_); }

  cChara* self_ = nullptr;
};

TEST_F(ConditionEvalTest, KindsAndCodes) {
  g_SaveData.m_Vars.CheckedVectorAt(3) = INT_MIN;
  play_.m_StageVar.CheckedVectorAt(4) = -12;
  self_->m_Vars.CheckedVectorAt(5) = 5;
  struct Case {
    const char* name;
    cCondition cond;
    bool holds;
  } const cases[] = {
      {"common INT_MIN multiple of -1", Var(kCondCommonVar, 3, kCompareDivisible, -1), true},
      {"common INT_MIN not multiple of 3", Var(kCondCommonVar, 3, kCompareNotDivisible, 3), true},
      {"stage -12 multiple of 4", Var(kCondStageVar, 4, kCompareDivisible, 4), true},
      {"chara 5 at least 5", Var(kCondCharaVar, 5, kCompareAtLeast, 5), true},
      {"chara 5 above 5", Var(kCondCharaVar, 5, kCompareGreater, 5), false},
      {"code 8", Var(kCondCharaVar, 5, 8, 5), false},
      {"code -1", Var(kCondCharaVar, 5, -1, 5), false},
      {"kind 0", Var(kCondNone, 5, kCompareEqual, 0), false},
      {"kind 9", Var(9, 5, kCompareEqual, 0), false},
      {"common -1", Var(kCondCommonVar, -1, kCompareEqual, 0), false},
      {"common 1001", Var(kCondCommonVar, 1001, kCompareEqual, 0), false},
      {"chara variable 9", Var(kCondCharaVar, 9, kCompareEqual, 0), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    cCondition cond = c.cond;
    EXPECT_EQ(EvalCondition(play_, cond, self_), c.holds);
  }
  for (const cStageEvent& event : services_.m_Events) EXPECT_NE(event.strName, "RequestClose");
}

TEST_F(ConditionEvalTest, ModesAndShortCircuit) {
  const cCondition yes = Var(kCondCommonVar, 1, kCompareEqual, 0);
  const cCondition no = Var(kCondCommonVar, 1, kCompareEqual, 1);
  EXPECT_TRUE(List({}, 0));
  EXPECT_FALSE(List({}, 1));
  EXPECT_FALSE(List({yes}, 2));
  EXPECT_TRUE(List({yes, yes}, 0));
  EXPECT_FALSE(List({yes, no}, 0));
  EXPECT_TRUE(List({no, yes}, 1));
  EXPECT_FALSE(List({no, no}, 1));

  const uint32_t before = play_.m_Random.m_nState;
  EXPECT_FALSE(List({no, Drawing()}, 0));
  EXPECT_TRUE(List({yes, Drawing()}, 1));
  EXPECT_EQ(play_.m_Random.m_nState, before);  // later operands drew nothing
  EXPECT_TRUE(List({yes, Drawing()}, 0));
  EXPECT_NE(play_.m_Random.m_nState, before);
}

TEST_F(ConditionEvalTest, GateHoldsOnceMetAndNeverClearsTheFlag) {
  cVector<cCondition> conds;
  conds.push_back(Var(kCondCommonVar, 1, kCompareEqual, 0));
  int8_t met = 0;
  EXPECT_TRUE(CheckConditions(play_, conds, 0, 1, met, self_));
  EXPECT_EQ(met, 1);
  g_SaveData.m_Vars.CheckedVectorAt(1) = 7;  // now failing
  EXPECT_TRUE(CheckConditions(play_, conds, 0, 1, met, self_));  // once: stays held
  EXPECT_FALSE(CheckConditions(play_, conds, 0, 0, met, self_));  // without once: fails at once
  EXPECT_EQ(met, 1);
  cVector<cCondition> none;
  int32_t unset = 0;
  EXPECT_TRUE(CheckConditions(play_, none, 1, 0, unset, self_));
  EXPECT_EQ(unset, 0);
}

}  // namespace
