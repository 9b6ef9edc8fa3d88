#include "stage/script/evaluate_code.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "../objects/chara_world.h"
#include "records/save/save_data.h"
#include "records/settings/system_data.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/chara.h"

namespace {

class EvaluateCodeTest : public CharaWorld {
 protected:
  void SetUp() override {
    CharaWorld::SetUp();
    savedSystem_ = g_SystemData;
    g_SaveData.m_Vars.assign(1001, 0);
    hero_ = &AddTestHero(1);
    self_ = &AddTestChara(2);
    target_ = &AddTestChara(3);
    for (cCharaBase* chara : {static_cast<cCharaBase*>(self_), static_cast<cCharaBase*>(target_)}) {
      chara->m_Def.m_nMaxHp = 100;
      chara->m_nHp = 80;
      chara->m_Def.m_nMaxSp = 50;
      chara->m_nSp = 50;
      chara->m_nControl = 1;
    }
    self_->m_Targets.assign(4, kNoLink);
    Target(*self_, 0, *target_);
    services_.m_Events.clear();
  }

  void TearDown() override {
    g_SystemData = savedSystem_;
    CharaWorld::TearDown();
  }

  int32_t Run(const std::string& text) { return EvaluateCode(play_, text, self_); }

  int32_t& Common(int32_t index) { return g_SaveData.m_Vars.CheckedVectorAt(index); }

  // The texts of the message boxes shown since the last clear.
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const cStageEvent& event : services_.m_Events) {
      if (event.strName == "ShowErrorMessage") texts.push_back(std::get<std::string>(event.Args[1].value));
    }
    return texts;
  }

  bool CloseRequested() const {
    for (const cStageEvent& event : services_.m_Events) {
      if (event.strName == "RequestClose") return true;
    }
    return false;
  }

  cSystemData savedSystem_;
  cHero* hero_ = nullptr;
  cChara* self_ = nullptr;
  cChara* target_ = nullptr;
};

TEST_F(EvaluateCodeTest, ArithmeticFollowsPrecedenceWordsAndWrapping) {
  struct Case {
    const char* text;
    int32_t c1;
  };
  const Case cases[] = {
      {"C1 = 1+2", 1},  // one word: atoi stops at '+'
      {"C1 = 1 + 2", 3},
      {"C1 = 1 + 2 * 3", 7},
      {"C1 = 10 - 4 - 3", 3},
      {"C1 = -7 / 2", -3},
      {"C1 = -7 % 2", -1},
      {"C1 = 7 % -3", 1},
      {"C1 = (0 - 5) * 2", -10},
      {"C1 = ((2 + 3) * (1 + 1)) - 1", 9},
      {"C1 = 2 - -3", 5},
      {"C1 = 2 * 5 + 3", 13},
      {"C1 = 2147483647 + 1", -999999},  // wraps, then the variable's range
      {"C1 = -2147483648 / -1", -999999},
      {"C1 = -2147483648 % -1", 0},
      {"C1 = 99999999999", 999999},  // saturated literal
      {"C1 = 1.5", 5},               // "1." dropped after a completed word
      {"C1 = abs(3)", 0},            // not a function: a word reading 0
      {"C1 = 12ab", 12},
      {"C1 = 1\t+ 2", 1},  // a tab belongs to its word
      {"C1  =  4 ", 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Common(1) = 42;
    EXPECT_EQ(Run(c.text), 1);
    EXPECT_EQ(Common(1), c.c1);
    EXPECT_TRUE(Messages().empty());
  }
}

TEST_F(EvaluateCodeTest, ResultIsTheLastOperationOrOperand) {
  struct Case {
    const char* text;
    int32_t legacy;
    int32_t result;
  };
  const Case cases[] = {{"2 * 5 + 3", 0, 13}, {"2 * 5 + 3", 1, 8}, {"7", 0, 7}, {"", 0, 0}, {"3 4", 0, 4}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " legacy " + std::to_string(c.legacy));
    g_SystemData.m_bLegacy752 = c.legacy;
    int32_t error = 0;
    EXPECT_EQ(EvaluateParens(play_, c.text, self_, &error), c.result);
    EXPECT_EQ(error, 0);
  }
  g_SystemData.m_bLegacy752 = 1;
  Common(1) = 0;
  EXPECT_EQ(Run("C1 = 2 * 5 + 3"), 1);
  EXPECT_EQ(Common(1), 10);  // the old reduction leaves 5 behind the product
}

TEST_F(EvaluateCodeTest, ErrorsEndTheEvaluationKeepingTheVariable) {
  struct Case {
    const char* text;
    const char* message;  // null: no box
  };
  const Case cases[] = {
      {"C1 = 7 / 0", "0除算が行われました！(C1 = 7 / 0)"},
      {"C1 = 7 % 0", "0除算が行われました！(C1 = 7 % 0)"},
      {"5 = 3", "代入先が不正です！"},
      {"1.5", "オブジェクト \"1.\" が認識できません！"},
      {"my.foo.hp = 1", "オブジェクト \"foo.\" が認識できません！"},
      {"C1 = (3", "\")\"が見つかりません！"},
      {"C1 = rand(5)", "関数 rand の引数が不正です！"},
      {"C1 = rand()", "関数 rand の引数が不正です！"},
      {"C1 = rand(1,,)", "関数 rand の引数が不正です！"},
      {"C-1 = 5", nullptr},
      {"C1001 = 5", nullptr},
      {"C1 = C5000", nullptr},
      {"= 5", nullptr},
      {"5 +", nullptr},
      {"C1 = - 5", nullptr},
      {"C1 = sys.hp", nullptr},
      {"C1 = tg2.hp", nullptr},  // empty target slot
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    services_.m_Events.clear();
    Common(1) = 42;
    EXPECT_EQ(Run(c.text), 0);
    EXPECT_EQ(Common(1), 42);
    const std::vector<std::string> expected = c.message ? std::vector<std::string>{c.message}
                                                        : std::vector<std::string>{};
    EXPECT_EQ(Messages(), expected);
    EXPECT_FALSE(CloseRequested());
  }
}

TEST_F(EvaluateCodeTest, AnErrorInAGroupCountsZeroAndTheOuterTextGoesOn) {
  Common(1) = 42;
  EXPECT_EQ(Run("C1 = (7 / 0)"), 0);
  EXPECT_EQ(Messages(), std::vector<std::string>{"0除算が行われました！(7 / 0)"});
  EXPECT_EQ(Common(1), 0);

  Common(2) = 42;
  EXPECT_EQ(Run("C2 = rand(1 / 0, 3) + 10"), 0);  // the argument counts 0
  EXPECT_GE(Common(2), 10);
  EXPECT_LE(Common(2), 13);
}

TEST_F(EvaluateCodeTest, AssignmentsClampToWhatTheyWrite) {
  struct Case {
    const char* text;
    std::function<int32_t()> read;
    int32_t expect;
  };
  cChara& self = *self_;
  cChara& target = *target_;
  const Case cases[] = {
      {"my.v1 = 2000000", [&] { return self.m_Vars.CheckedVectorAt(1); }, 999999},
      {"v8 = -5", [&] { return self.m_Vars.CheckedVectorAt(8); }, -5},
      {"my.z = 9", [&] { return int32_t{self.m_Def.m_nZ}; }, 7},
      {"my.z = 256", [&] { return int32_t{self.m_Def.m_nZ}; }, 7},
      {"tg.imp = -25", [&] { return int32_t{target.m_Def.m_nImpact}; }, -20},
      {"tg1.impd = 30", [&] { return int32_t{target.m_Def.m_nImpactResist}; }, 20},
      {"my.cid = 150", [&] { return int32_t{self.m_Def.m_nCharaId}; }, 99},
      {"my.mark = 500", [&] { return int32_t{self.m_Def.m_nMark}; }, 119},
      {"my.stop = -1", [&] { return int32_t{self.m_Def.m_nStop}; }, 0},
      {"my.def = -1", [&] { return self.m_Def.m_nDefence; }, 0},
      {"my.getsc = -2000000", [&] { return self.m_Def.m_nScore; }, -999999},
      {"my.hp = (1 + 2) * 3", [&] { return self.m_nHp; }, 9},
      {"hp = 500", [&] { return self.m_nHp; }, 100},
      {"my.sp = -3", [&] { return self.m_nSp; }, 0},
      {"pl.power = 77", [&] { return hero_->m_Def.m_nPower; }, 77},
      {"score = 1000000", [] { return g_SaveData.m_nScore; }, 999999},
      {"time = 1000", [&] { return play_.m_nRemainTime; }, 999},
      {"sys.scrlx = 600", [] { return g_Stage.m_nAutoScrollSpeedX; }, 480},
      {"S3 = my.cid + 1", [&] { return play_.m_StageVar.CheckedVectorAt(3); }, 100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(Run(c.text), 1);
    EXPECT_EQ(c.read(), c.expect);
  }
}

TEST_F(EvaluateCodeTest, MaxHpAndSpPullTheCurrentValueIntoRange) {
  EXPECT_EQ(Run("my.mhp = 50"), 1);
  EXPECT_EQ(self_->m_nHp, 50);
  self_->m_nHp = 0;
  EXPECT_EQ(Run("my.mhp = 60"), 1);
  EXPECT_EQ(self_->m_nHp, 1);
  EXPECT_EQ(Run("my.msp = 0"), 1);  // max SP 1 at least
  EXPECT_EQ(self_->m_Def.m_nMaxSp, 1);
  EXPECT_EQ(self_->m_nSp, 1);
}

TEST_F(EvaluateCodeTest, UnlimitedLivesStayAndReadAsHundredOrZero) {
  g_SaveData.m_nLives = kInfiniteLives;
  EXPECT_EQ(Run("life = 5"), 1);
  EXPECT_EQ(g_SaveData.m_nLives, kInfiniteLives);
  EXPECT_EQ(Run("C1 = life"), 1);
  EXPECT_EQ(Common(1), 100);
  g_SystemData.m_bLegacy819 = 1;
  EXPECT_EQ(Run("C1 = life"), 1);
  EXPECT_EQ(Common(1), 0);
  g_SaveData.m_nLives = 3;
  EXPECT_EQ(Run("life = 150"), 1);
  EXPECT_EQ(g_SaveData.m_nLives, 99);
}

TEST_F(EvaluateCodeTest, AnotherCharaBroughtToZeroHpAsksForTheKillPass) {
  EXPECT_EQ(Run("my.hp = 0"), 1);
  EXPECT_EQ(play_.m_bKill, 0);
  EXPECT_EQ(Run("tg.hp = 0"), 1);
  EXPECT_EQ(target_->m_nHp, 0);
  EXPECT_EQ(play_.m_bKill, 1);
}

TEST_F(EvaluateCodeTest, OperandsAreTakenWhenRead) {
  self_->m_Vars.CheckedVectorAt(1) = 4;
  self_->m_Vars.CheckedVectorAt(2) = 9;
  EXPECT_EQ(Run("my.v1 = my.v1 + 1"), 1);
  EXPECT_EQ(self_->m_Vars.CheckedVectorAt(1), 5);
  EXPECT_EQ(Run("my.v1 = 7 my.v2 = my.v1"), 1);
  EXPECT_EQ(self_->m_Vars.CheckedVectorAt(1), 7);
  EXPECT_EQ(self_->m_Vars.CheckedVectorAt(2), 5);  // the old v1

  services_.m_Events.clear();
  EXPECT_EQ(Run("my.v1 = my.v2 = 3"), 0);
  EXPECT_EQ(self_->m_Vars.CheckedVectorAt(1), 5);  // the old v2, then the result is no target
  EXPECT_EQ(Messages(), std::vector<std::string>{"代入先が不正です！"});

  g_SystemData.m_bLegacy752 = 1;
  EXPECT_EQ(Run("my.v1 = my.v2 = 3"), 1);
  EXPECT_EQ(self_->m_Vars.CheckedVectorAt(1), 5);
  EXPECT_EQ(self_->m_Vars.CheckedVectorAt(2), 3);
}

TEST_F(EvaluateCodeTest, GaugesStartOnlyAfterAnEvaluationWithoutError) {
  EXPECT_EQ(Run("my.hp = my.hp - 10"), 1);
  EXPECT_EQ(self_->m_nHp, 70);
  EXPECT_GT(self_->m_HpGauge.nFrames, 0);
  EXPECT_LT(self_->m_HpGauge.dChange, 0);

  self_->m_HpGauge = GAUGEANIM();
  EXPECT_EQ(Run("my.hp = my.hp - 10 5 = 3"), 0);
  EXPECT_EQ(self_->m_nHp, 60);  // the earlier assignment stays
  EXPECT_EQ(self_->m_HpGauge.nFrames, 0);
}

TEST_F(EvaluateCodeTest, RandDrawsBetweenItsBoundsInEitherOrder) {
  for (const char* text : {"S3 = rand(1, 6)", "S3 = rand(6, 1)", "S3 = rand((0 + 1), 2 * 3)"}) {
    SCOPED_TRACE(text);
    bool low = false, high = false;
    for (int32_t i = 0; i < 200; ++i) {
      ASSERT_EQ(Run(text), 1);
      const int32_t v = play_.m_StageVar.CheckedVectorAt(3);
      ASSERT_GE(v, 1);
      ASSERT_LE(v, 6);
      low |= v == 1;
      high |= v == 6;
    }
    EXPECT_TRUE(low && high);
  }
  EXPECT_EQ(Run("C1 = rand(-2147483648, 2147483647)"), 1);
}

TEST_F(EvaluateCodeTest, SightOfAPlayerCharaRebuildsTheDarkness) {
  auto rebuilds = [&] {
    int32_t n = 0;
    for (const cStageEvent& event : services_.m_Events) n += event.strName == "RebuildDarkness";
    return n;
  };
  EXPECT_EQ(Run("my.sight = 50"), 1);
  EXPECT_EQ(self_->m_Def.m_nSight, 40);
  EXPECT_EQ(rebuilds(), 0);  // a computer chara keeps its light
  self_->m_nControl = 0;
  EXPECT_EQ(Run("my.sight = 3"), 1);
  EXPECT_EQ(self_->m_nSightDots, cCharaBase::SightDots(3));
  EXPECT_EQ(rebuilds(), 1);
}

}  // namespace
