#include "stage/script/status_operation.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <utility>

#include "../objects/chara_world.h"
#include "records/save/save_data.h"
#include "records/script/flow_cmd.h"
#include "stage/objects/chara.h"
#include "stage/script/status_op.h"

namespace {

class StatusOperationTest : public CharaWorld {
 protected:
  void SetUp() override {
    CharaWorld::SetUp();
    g_SaveData.m_Vars.assign(1001, 0);
    self_ = &AddTestChara(2);
    target_ = &AddTestChara(3);
    for (cCharaBase* chara : {static_cast<cCharaBase*>(self_), static_cast<cCharaBase*>(target_)}) {
      chara->m_Def.m_nMaxHp = 200;
      chara->m_nHp = 100;
      chara->m_Def.m_nMaxSp = 50;
      chara->m_nSp = 50;
      chara->m_nControl = 1;
    }
    self_->m_Targets.assign(4, kNoLink);
    Target(*self_, 0, *target_);
    services_.m_Events.clear();
  }

  // A ステータスの操作 command: a chara status of object 0 by a constant,
  // with the given parameters changed.
  static cFlowCmd Cmd(std::initializer_list<std::pair<int32_t, int32_t>> params) {
    cFlowCmd cmd;
    cmd.m_nKind = 22;
    cmd.m_Params.assign(18, 0);
    for (const auto& [n, value] : params) cmd.m_Params.CheckedVectorAt(n) = value;
    return cmd;
  }

  void Run(const cFlowCmd& cmd) { ExecStatusOperation(play_, self_, cmd); }

  bool CloseRequested() const {
    for (const cStageEvent& event : services_.m_Events) {
      if (event.strName == "RequestClose") return true;
    }
    return false;
  }

  cChara* self_ = nullptr;
  cChara* target_ = nullptr;
};

constexpr int32_t kTargetKind = 0, kVarKind = 1, kIndex = 2, kObject = 3, kStatus = 4, kOp = 5, kSource = 6,
                  kConstant = 7, kPercent = 14, kHpMode = 15, kSkip = 17;

TEST_F(StatusOperationTest, EachTargetAgainstItsRangeAndRules) {
  struct Case {
    const char* name;
    cFlowCmd cmd;
    std::function<int32_t()> read;
    int32_t expect;
  };
  cChara& self = *self_;
  cChara& target = *target_;
  const Case cases[] = {
      {"HP - 10 % of max", Cmd({{kStatus, 1}, {kOp, kStatusOpSub}, {kConstant, 10}, {kHpMode, 1}}),
       [&] { return self.m_nHp; }, 80},
      {"HP - 10 % of current", Cmd({{kStatus, 1}, {kOp, kStatusOpSub}, {kConstant, 10}, {kHpMode, 2}}),
       [&] { return self.m_nHp; }, 90},
      {"HP above max", Cmd({{kStatus, 1}, {kConstant, 5000}}), [&] { return self.m_nHp; }, 200},
      {"common variable assigned",
       Cmd({{kTargetKind, 1}, {kIndex, 5}, {kOp, kStatusOpAssign}, {kConstant, 600000}}),
       [] { return g_SaveData.m_Vars.CheckedVectorAt(5); }, 600000},
      {"Z 9", Cmd({{kStatus, 6}, {kConstant, 9}}), [&] { return int32_t{self.m_Def.m_nZ}; }, 7},
      {"Z 256", Cmd({{kStatus, 6}, {kConstant, 256}}), [&] { return int32_t{self.m_Def.m_nZ}; }, 7},
      {"impact -25 of target 1", Cmd({{kObject, 1}, {kStatus, 10}, {kConstant, -25}}),
       [&] { return int32_t{target.m_Def.m_nImpact}; }, -20},
      {"mark 500", Cmd({{kStatus, 7}, {kConstant, 500}}), [&] { return int32_t{self.m_Def.m_nMark}; }, 119},
      {"chara variable 3", Cmd({{kStatus, 0}, {kIndex, 3}, {kConstant, -7}}),
       [&] { return self.m_Vars.CheckedVectorAt(3); }, -7},
      {"max HP below HP lowers HP", Cmd({{kStatus, 3}, {kConstant, 40}}), [&] { return self.m_nHp; }, 40},
      {"percent switch: 15 at 50 %", Cmd({{kStatus, 9}, {kOp, kStatusOpAssign}, {kConstant, 50}, {kPercent, 1}}),
       [&] { return self.m_Def.m_nPower; }, 0},  // power 0: 50 % of 0
      {"score", Cmd({{kObject, 5}, {kStatus, 3}, {kOp, kStatusOpAdd}, {kConstant, 2000000}}),
       [] { return g_SaveData.m_nScore; }, 999999},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    self.m_Def.m_nMaxHp = 200;
    self.m_nHp = 100;
    Run(c.cmd);
    EXPECT_EQ(c.read(), c.expect);
  }
}

TEST_F(StatusOperationTest, WideSumsAndProductsEndAtTheRange) {
  self_->m_Def.m_nCharaId = 50;
  Run(Cmd({{kStatus, 5}, {kOp, kStatusOpAdd}, {kConstant, 100}}));
  EXPECT_EQ(self_->m_Def.m_nCharaId, 99);

  g_SaveData.m_Vars.CheckedVectorAt(1) = 65536;
  Run(Cmd({{kTargetKind, 1}, {kIndex, 1}, {kOp, kStatusOpMul}, {kConstant, 65537}}));
  EXPECT_EQ(g_SaveData.m_Vars.CheckedVectorAt(1), 999999);

  g_SaveData.m_Vars.CheckedVectorAt(1) = 999999;
  Run(Cmd({{kTargetKind, 1}, {kIndex, 1}, {kOp, kStatusOpAdd}, {kConstant, 2147483647}}));
  EXPECT_EQ(g_SaveData.m_Vars.CheckedVectorAt(1), 999999);

  Run(Cmd({{kTargetKind, 1}, {kIndex, 1}, {kOp, kStatusOpDiv}, {kConstant, 0}}));
  EXPECT_EQ(g_SaveData.m_Vars.CheckedVectorAt(1), 999999);
}

TEST_F(StatusOperationTest, UntouchedTargets) {
  g_SaveData.m_nLives = kInfiniteLives;
  Run(Cmd({{kObject, 5}, {kStatus, 4}, {kConstant, 5}}));
  EXPECT_EQ(g_SaveData.m_nLives, kInfiniteLives);

  Run(Cmd({{kStatus, 8}, {kConstant, 5}}));  // sight of a computer chara
  EXPECT_EQ(self_->m_Def.m_nSight, 0);

  self_->m_nInvincible = 10;
  Run(Cmd({{kStatus, 11}, {kConstant, 5}, {kSkip, 1}}));
  EXPECT_EQ(self_->m_Def.m_nDefence, 0);
  Run(Cmd({{kStatus, 11}, {kConstant, 5}}));
  EXPECT_EQ(self_->m_Def.m_nDefence, 5);

  Run(Cmd({{kObject, 2}, {kStatus, 11}, {kConstant, 5}}));  // empty target slot 2: no chara
  EXPECT_EQ(target_->m_Def.m_nDefence, 0);

  for (int32_t index : {-1, 1001}) {
    SCOPED_TRACE(index);
    Run(Cmd({{kTargetKind, 1}, {kIndex, index}, {kConstant, 5}}));
    Run(Cmd({{kTargetKind, 1}, {kVarKind, 1}, {kIndex, index}, {kConstant, 5}}));
    Run(Cmd({{kStatus, 0}, {kIndex, index + 10}, {kConstant, 5}}));
  }
  EXPECT_EQ(g_SaveData.m_Vars.CheckedVectorAt(0), 0);
  EXPECT_EQ(self_->m_Vars.CheckedVectorAt(0), 0);
  EXPECT_FALSE(CloseRequested());
}

TEST_F(StatusOperationTest, KillFlagOnlyForAnotherChara) {
  Run(Cmd({{kStatus, 1}, {kConstant, 0}}));
  EXPECT_EQ(self_->m_nHp, 0);
  EXPECT_EQ(play_.m_bKill, 0);
  Run(Cmd({{kObject, 1}, {kStatus, 1}, {kConstant, 0}}));
  EXPECT_EQ(target_->m_nHp, 0);
  EXPECT_EQ(play_.m_bKill, 1);
}

TEST_F(StatusOperationTest, SightOfAPlayerCharaRebuildsTheDarkness) {
  self_->m_nControl = 0;
  Run(Cmd({{kStatus, 8}, {kConstant, 50}}));
  EXPECT_EQ(self_->m_Def.m_nSight, 40);
  EXPECT_EQ(self_->m_nSightDots, cCharaBase::SightDots(40));
  ASSERT_EQ(services_.m_Events.size(), 1u);
  EXPECT_EQ(services_.m_Events[0].strName, "RebuildDarkness");
}

TEST_F(StatusOperationTest, OperandSources) {
  for (int32_t i = 0; i < 50; ++i) {
    Run(Cmd({{kStatus, 11}, {kSource, 1}, {8, 5}, {9, 3}}));
    ASSERT_GE(self_->m_Def.m_nDefence, 3);
    ASSERT_LE(self_->m_Def.m_nDefence, 5);
  }
  target_->m_Def.m_nPower = 321;
  Run(Cmd({{kStatus, 9}, {kSource, 2}, {12, 1}, {13, 9}}));  // target 1's power
  EXPECT_EQ(self_->m_Def.m_nPower, 321);
  Run(Cmd({{kStatus, 9}, {kSource, 2}, {12, 3}, {13, 9}, {kConstant, 7}}));  // empty slot: nothing
  EXPECT_EQ(self_->m_Def.m_nPower, 321);

  g_SaveData.m_nLives = kInfiniteLives;
  Run(Cmd({{kStatus, 9}, {kSource, 2}, {12, 5}, {13, 4}}));
  EXPECT_EQ(self_->m_Def.m_nPower, 100);
  play_.m_bNoTimeLimit = 1;
  play_.m_nRemainTime = 30;
  Run(Cmd({{kStatus, 9}, {kSource, 2}, {12, 5}, {13, 0}}));
  EXPECT_EQ(self_->m_Def.m_nPower, 0);
  play_.m_StageVar.CheckedVectorAt(4) = 44;
  Run(Cmd({{kStatus, 9}, {kSource, 3}, {10, 1}, {11, 4}}));
  EXPECT_EQ(self_->m_Def.m_nPower, 44);
}

}  // namespace
