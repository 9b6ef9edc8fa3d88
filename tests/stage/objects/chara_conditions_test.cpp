#include <gtest/gtest.h>

#include "chara_world.h"
#include "records/script/condition.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/chara_conditions.h"

namespace {

class CharaConditionsTest : public CharaWorld {
 protected:
  void SetUp() override {
    CharaWorld::SetUp();
    self_ = &AddTestChara(1);
    target_ = &AddTestChara(2);
    Target(*self_, 1, *target_);  // target 2 (subject 2); slot 0 stays empty
  }

  static cCondition Condition(int8_t kind, int8_t subject, int8_t selector, int8_t compare, int16_t index = 0) {
    cCondition cond;
    cond.m_nKind = kind;
    cond.m_nSubject = subject;
    cond.m_nSelector = selector;
    cond.m_nCompare = compare;
    cond.m_nIndex = index;
    return cond;
  }

  cChara* self_ = nullptr;
  cChara* target_ = nullptr;
};

TEST_F(CharaConditionsTest, StatusCondition2ReadsEachStateByte) {
  self_->m_Def.m_bTransparent = -1;  // read unsigned: 255
  self_->m_Def.m_nGiant = 3;
  target_->m_Def.m_nFly = 2;
  target_->m_Def.m_nInvincible = 1;
  target_->m_Def.m_bFixedFacing = 1;
  target_->m_Def.m_bAutoScrollSync = 1;
  g_Stage.m_nAutoScrollSpeedX = 15;
  g_Stage.m_nAutoScrollSpeedY = -4;
  struct Case {
    const char* name;
    int8_t subject, selector, compare;
    int16_t index;
    int32_t holds;
  };
  const Case cases[] = {
      {"transparent unsigned", 0, 1, kCompareEqual, 255, 1},
      {"giant", 0, 5, kCompareAtLeast, 3, 1},
      {"target's flying", 2, 3, kCompareEqual, 2, 1},
      {"target's fixed facing", 2, 2, kCompareEqual, 1, 1},
      {"target's invincible", 2, 4, kCompareGreater, 1, 0},
      {"target's auto-scroll sync", 2, 6, kCompareEqual, 1, 1},
      {"empty slot fails even for not-equal", 1, 3, kCompareNotEqual, 99, 0},
      {"selector 0 never holds", 0, 0, kCompareEqual, 0, 0},
      {"selector 7 never holds", 0, 7, kCompareNotEqual, 99, 0},
      {"system x speed", kSubjectSystem, 0, kCompareEqual, 15, 1},
      {"system y speed", kSubjectSystem, 1, kCompareLess, 0, 1},
      {"system selector 2 fails", kSubjectSystem, 2, kCompareNotEqual, 99, 0},
      {"divisible by 0 holds", 0, 5, kCompareDivisible, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(EvalStatusCondition2(*self_, Condition(kCondStatus2, c.subject, c.selector, c.compare, c.index)),
              c.holds);
  }
}

TEST_F(CharaConditionsTest, StatusCondition3States) {
  target_->m_nFacing = 1;
  target_->m_bInAir = 0;
  target_->m_bOnScreen = 1;
  target_->m_nControl = 1;
  self_->m_nFacing = 0;
  self_->m_bInAir = 0;
  self_->m_bJumpRising = 1;  // a rising jump counts as in the air
  struct Case {
    const char* name;
    int8_t subject, selector, invert;
    int32_t holds;
  };
  const Case cases[] = {
      {"self faces left", 0, 0, 0, 1},
      {"target faces right", 2, 1, 0, 1},
      {"target not facing left", 2, 0, 1, 1},
      {"self rising: not on a block", 0, 2, 0, 0},
      {"target on a block", 2, 2, 0, 1},
      {"computer target on screen by its flag", 2, 3, 0, 1},
      {"missing target fails, inverted too", 1, 1, 1, 0},
      {"self exists", 0, 4, 0, 1},
      {"target exists", 2, 4, 0, 1},
      {"missing target does not exist", 1, 4, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(EvalStatusCondition3(*self_, Condition(kCondStatus3, c.subject, c.selector, c.invert)), c.holds);
  }

  target_->m_Def.m_nFly = 1;  // flying by definition is never on a block, even riding
  target_->m_bRiding = 1;
  EXPECT_EQ(EvalStatusCondition3(*self_, Condition(kCondStatus3, 2, 2, 0)), 0);
  target_->m_bDead = 1;
  EXPECT_EQ(EvalStatusCondition3(*self_, Condition(kCondStatus3, 2, 4, 0)), 0);
  self_->m_bDead = 1;  // the chara itself always exists for its own conditions
  EXPECT_EQ(EvalStatusCondition3(*self_, Condition(kCondStatus3, 0, 4, 0)), 1);
}

}  // namespace
