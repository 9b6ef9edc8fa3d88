#include "stage/script/status_condition.h"

#include <gtest/gtest.h>

#include "../objects/chara_world.h"
#include "records/save/save_data.h"
#include "records/script/condition.h"
#include "records/settings/system_data.h"
#include "stage/objects/chara.h"

namespace {

class StatusConditionTest : public CharaWorld {
 protected:
  void SetUp() override {
    CharaWorld::SetUp();
    savedSystem_ = g_SystemData;
    g_SaveData.m_Vars.assign(1001, 0);
    self_ = &AddTestChara(2);
    target_ = &AddTestChara(3);
    self_->m_Def.m_nMaxHp = 200;
    self_->m_nHp = 100;
    self_->m_Targets.assign(4, kNoLink);
    Target(*self_, 0, *target_);
  }
  void TearDown() override {
    g_SystemData = savedSystem_;
    CharaWorld::TearDown();
  }

  // Kind 4 on a chara status of the chara itself against a constant.
  static cCondition Status(int8_t selector, int8_t compare, int32_t value) {
    cCondition cond;
    cond.m_nKind = kCondStatus;
    cond.m_nSelector = selector;
    cond.m_nCompare = compare;
    cond.m_nValue = value;
    return cond;
  }

  bool Eval(cCondition cond) { return EvalStatusCondition(play_, cond, self_); }

  cSystemData savedSystem_;
  cChara* self_ = nullptr;
  cChara* target_ = nullptr;
};

TEST_F(StatusConditionTest, ComparesStatusesSystemValuesAndVariables) {
  self_->m_Def.m_nCharaId = 50;
  self_->m_Def.m_nDefence = 30;
  g_SaveData.m_Vars.CheckedVectorAt(7) = -12;
  play_.m_nRemainTime = 45;
  play_.m_bNoTimeLimit = 1;
  struct Case {
    const char* name;
    cCondition cond;
    bool holds;
  };
  auto with = [](cCondition cond, auto&& change) {
    change(cond);
    return cond;
  };
  const Case cases[] = {
      {"HP >= 100", Status(1, kCompareAtLeast, 100), true},
      {"HP > 100", Status(1, kCompareGreater, 100), false},
      {"ID >= 256 (not cut to 0)", Status(5, kCompareAtLeast, 256), false},
      {"ID < 256", Status(5, kCompareLess, 256), true},
      {"status 15 holds", Status(15, kCompareEqual, 12345), true},
      {"code -1 fails", Status(1, -1, 100), false},
      {"HP >= 50 % of max", with(Status(1, kCompareAtLeast, 50), [](cCondition& c) { c.m_bPercent = 1; }), true},
      {"HP >= 51 % of max", with(Status(1, kCompareAtLeast, 51), [](cCondition& c) { c.m_bPercent = 1; }), false},
      {"defence with percent: against 0",
       with(Status(11, kCompareEqual, 30), [](cCondition& c) { c.m_bPercent = 1; }), false},
      {"defence with percent > 0", with(Status(11, kCompareGreater, 99), [](cCondition& c) { c.m_bPercent = 1; }),
       true},
      {"empty left slot", with(Status(1, kCompareAtLeast, 0), [](cCondition& c) { c.m_nSubject = 2; }), false},
      {"target 1", with(Status(1, kCompareEqual, 0), [](cCondition& c) { c.m_nSubject = 1; }), true},
      {"empty right slot", with(Status(1, kCompareAtLeast, 0), [](cCondition& c) {
         c.m_nRightType = kRightStatus;
         c.m_nRightSubject = 3;
       }), false},
      {"common variable multiple of -5 fails", with(Status(0, kCompareNotDivisible, -5), [](cCondition& c) {
         c.m_nLeftType = 1;
         c.m_nIndex = 7;
       }), true},
      {"variable -1", with(Status(0, kCompareEqual, 0), [](cCondition& c) {
         c.m_nLeftType = 1;
         c.m_nIndex = -1;
       }), false},
      {"variable 1001", with(Status(0, kCompareEqual, 0), [](cCondition& c) {
         c.m_nLeftType = 1;
         c.m_nIndex = 1001;
       }), false},
      {"time without a limit: the remaining time",
       with(Status(0, kCompareEqual, 45), [](cCondition& c) { c.m_nSubject = kSubjectSystem; }), true},
      {"system value 5 fails", with(Status(5, kCompareAtLeast, -999999), [](cCondition& c) {
         c.m_nSubject = kSubjectSystem;
       }), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Eval(c.cond), c.holds);
  }
  EXPECT_FALSE(services_.m_Events.size() > 0 && services_.m_Events.back().strName == "RequestClose");
}

TEST_F(StatusConditionTest, UnlimitedLivesCountAsHundredOrFail) {
  g_SaveData.m_nLives = kInfiniteLives;
  cCondition cond = Status(4, kCompareEqual, 100);
  cond.m_nSubject = kSubjectSystem;
  EXPECT_TRUE(Eval(cond));
  g_SystemData.m_bLegacy819 = 1;
  EXPECT_FALSE(Eval(cond));
  cond.m_nCompare = kCompareNotEqual;
  EXPECT_FALSE(Eval(cond));
}

TEST_F(StatusConditionTest, RandomOperandIsWrittenBack) {
  cCondition cond = Status(1, kCompareAtLeast, 0);
  cond.m_nRightType = kRightRandom;
  cond.m_nRandomMin = 5;
  cond.m_nRandomMax = 3;
  for (int32_t i = 0; i < 30; ++i) {
    const uint32_t before = play_.m_Random.m_nState;
    EXPECT_TRUE(EvalStatusCondition(play_, cond, self_));
    EXPECT_NE(play_.m_Random.m_nState, before);
    ASSERT_GE(cond.m_nValue, 3);
    ASSERT_LE(cond.m_nValue, 5);
  }
}

}  // namespace
