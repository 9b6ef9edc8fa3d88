#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "chara_world.h"
#include "records/save/save_data.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/item.h"
#include "stage/objects/shot.h"
#include "support/recording_chara_flow_calls.h"

namespace {

class CharaDamageTest : public CharaWorld {
 protected:
  void SetUp() override {
    CharaWorld::SetUp();
    m_lpSavedCalls = g_lpCharaFlowCalls;
    g_lpCharaFlowCalls = &calls_;
  }
  // The flow engine's calls are the default the other tests run with.
  void TearDown() override {
    g_lpCharaFlowCalls = m_lpSavedCalls;
    CharaWorld::TearDown();
  }
  cCharaFlowCalls* m_lpSavedCalls = nullptr;

  static void SetHp(cCharaBase& chara, int32_t hp, int32_t max) {
    chara.m_Def.m_nMaxHp = max;
    chara.m_nHp = hp;
  }

  std::vector<std::string> EffectEvents() const {
    std::vector<std::string> names = EventNames();
    std::erase_if(names, [](const std::string& name) { return name != "AddHitEffect"; });
    return names;
  }

  cRecordingCharaFlowCalls calls_;
};

TEST_F(CharaDamageTest, PowerAgainstDefence) {
  struct Case {
    const char* name;
    int32_t power, defence, invincible, hp, max;
    int32_t hpAfter, result;
  };
  const Case cases[] = {
      {"defence above power", 10, 15, 0, 50, 100, 50, 0},
      {"power less defence", 10, 3, 0, 50, 100, 43, 0},
      {"negative power heals without defence, also invincible", -5, 3, 1, 50, 100, 55, 0},
      {"a heal stops at max", -5, 0, 0, 98, 100, 100, 0},
      {"extremes do not wrap into 0", 2'000'000'000, -2'000'000'000, 0, 2'000'000, 2'000'000, 1'000'001, 0},
      {"INT32_MIN heals", INT_MIN, 0, 0, 1, 100, 100, 0},
      {"invincible loses nothing", 10, 0, 2, 50, 100, 50, 0},
      {"out of HP", 60, 0, 0, 50, 100, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    cChara attacker;
    attacker.m_Def.m_nPower = c.power;
    cChara chara;
    chara.m_Def.m_nDefence = c.defence;
    chara.m_Def.m_nInvincible = static_cast<int8_t>(c.invincible);
    SetHp(chara, c.hp, c.max);
    EXPECT_EQ(chara.TakeBodyDamage(attacker), c.result);
    EXPECT_EQ(chara.m_nHp, c.hpAfter);
  }
}

TEST_F(CharaDamageTest, AnInvincibleCharaStillShowsTheHitAndIsPushedAndTriggered) {
  cChara& attacker = AddTestChara(1);
  attacker.m_Def.m_nPower = 10;
  attacker.m_Def.m_nImpact = 5;
  attacker.m_Def.m_nAttackEffect = 3;
  attacker.m_dVX = 2;
  cChara& chara = AddTestChara(2);
  chara.m_Def.m_nInvincible = 1;
  SetHp(chara, 40, 40);
  const uint32_t before = play_.m_Random.m_nState;

  EXPECT_EQ(chara.TakeBodyDamage(attacker), 0);
  chara.TakeBodyImpact(attacker);
  EXPECT_EQ(chara.m_nHp, 40);
  EXPECT_EQ(EffectEvents(), std::vector<std::string>{"AddHitEffect"});
  EXPECT_GT(chara.m_dPushVX, 0);
  EXPECT_EQ(calls_.m_Started, (std::vector<std::vector<int32_t>>{{2, 1, 1, 0}, {2, 2, 1, 0}}));

  cRandom expected;  // the jitter's two draws, x then y
  expected.m_nState = before;
  const int32_t x = RandomRange(expected, -4, 4);
  const int32_t y = RandomRange(expected, -4, 4);
  EXPECT_EQ(play_.m_Random.m_nState, expected.m_nState);
  const cStageEvent& event = services_.m_Events.back();
  EXPECT_EQ(std::get<int64_t>(event.Args[10].value), x);
  EXPECT_EQ(std::get<int64_t>(event.Args[11].value), y);
}

TEST_F(CharaDamageTest, TriggersGoToTheParentWhenTheHitCountsAsItsAttack) {
  cChara& parent = AddTestChara(1);
  cChara& summoned = AddTestChara(2);
  summoned.LinkHeroAndParent(parent.m_nId);
  summoned.m_bParentAttack = 1;
  summoned.m_nParentFlowId = 7;
  summoned.m_Def.m_nPower = 1;
  summoned.m_Def.m_nImpact = 1;
  cChara& hit = AddTestChara(3);
  hit.FireBodyHitTriggers(summoned);
  EXPECT_EQ(calls_.m_Started,
            (std::vector<std::vector<int32_t>>{{3, 1, 1, 0}, {1, 18, 3, 7}, {3, 2, 1, 0}, {1, 19, 3, 7}}));

  calls_.m_Started.clear();
  cShot& shot = AddTestShot(20, &parent, nullptr);
  shot.m_Settings.m_nPower = 5;
  shot.m_bHitTrigger = 1;
  shot.m_byHitFlowId = 4;
  hit.FireShotHitTriggers(shot);  // no impact: no 2 and 19
  EXPECT_EQ(calls_.m_Started, (std::vector<std::vector<int32_t>>{{3, 1, 1, 0}, {1, 18, 3, 4}}));

  calls_.m_Started.clear();
  cShot& orphan = AddTestShot(21, nullptr, nullptr);
  orphan.m_Settings.m_nImpact = 2;
  orphan.m_bHitTrigger = 1;
  hit.FireShotHitTriggers(orphan);
  EXPECT_EQ(calls_.m_Started, (std::vector<std::vector<int32_t>>{{3, 2, kNoLink, 0}}));
}

TEST_F(CharaDamageTest, InvincibilityAndImmunityRunDownPerSubStep) {
  g_Stage.m_nCharaInvincibleFrames = 2;
  g_Stage.m_nCharaImmuneFrames = 3;
  cChara chara;
  chara.m_nControl = 1;
  chara.StartImmunity(7);
  EXPECT_EQ(chara.m_nInvincible, 2);  // L 1
  EXPECT_EQ(chara.IsImmuneTo(8), 1);
  chara.TickInvincibility();
  chara.TickInvincibility();
  EXPECT_EQ(chara.IsInvincible(), 0);
  EXPECT_EQ(chara.IsImmuneTo(8), 0);
  EXPECT_EQ(chara.IsImmuneTo(7), 1);
  chara.m_Immunities.push_back({9, 1});
  chara.TickInvincibility();  // 7's last frame and 9's only frame end together
  EXPECT_TRUE(chara.m_Immunities.empty());
  EXPECT_EQ(chara.m_nInvincible, 0);
}

TEST_F(CharaDamageTest, DeathScoreStaysWithinItsRange) {
  struct Case {
    int32_t score, value, expected;
  };
  const Case cases[] = {{999989, 50, 999999}, {30, -50, 0}, {999999, INT_MAX, 999999}, {5, INT_MIN, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    g_SaveData.m_nScore = c.score;
    cChara chara;
    chara.m_Def.m_nScore = c.value;
    chara.Die();
    EXPECT_EQ(g_SaveData.m_nScore, c.expected);
  }
}

// A chara that carries an item.
class cCarrier : public cChara {
 public:
  cItem m_Carried;
  cItem* GetCarriedItem() override { return &m_Carried; }
};

TEST_F(CharaDamageTest, DeathUnlinksAndStartsTheDeathEffectUnlessTheStageEnds) {
  cChara& dying = AddTestChara(1);
  cChara& watcher = AddTestChara(2);
  Target(watcher, 0, dying);
  EXPECT_EQ(dying.Die(), 0);
  EXPECT_EQ(dying.m_bDead, 1);
  EXPECT_FALSE(Named(1));
  EXPECT_EQ(calls_.m_Calls, (std::vector<std::pair<int32_t, int32_t>>{{1, 3}}));
  EXPECT_EQ(BrokenLinks(), "");

  cCarrier carrier;
  carrier.m_nId = 5;
  carrier.Reset(nullptr, 0, 0, 0);
  calls_.m_nGiveAnswer = 1;  // the item clears the stage
  EXPECT_EQ(carrier.Die(), 1);
  EXPECT_EQ(calls_.m_nItemsGiven, 1);
  EXPECT_EQ(carrier.m_bDead, 0);

  calls_.m_nGiveAnswer = 0;
  play_.m_nStageClear = 1;  // the death's own flows cleared the stage
  cChara& last = AddTestChara(3);
  Target(watcher, 1, last);
  EXPECT_EQ(last.Die(), 1);
  EXPECT_EQ(last.m_bDead, 0);
  EXPECT_EQ(watcher.m_Targets.CheckedVectorAt(1), 3);
}

}  // namespace
