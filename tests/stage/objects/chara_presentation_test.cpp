#include <gtest/gtest.h>

#include "chara_world.h"
#include "records/database/runtime/effect_state_tables.h"
#include "records/settings/system_data.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/chara_draw_list.h"
#include "stage/objects/state_digest.h"

namespace {

constexpr int32_t kLoop7[] = {7, 100, 0, kAnimeStepLoop, 0, 0};
constexpr int32_t kLoop8[] = {8, 100, 0, kAnimeStepLoop, 0, 0};
constexpr int32_t kLoop9[] = {9, 100, 0, kAnimeStepLoop, 0, 0};
constexpr int32_t kEnds[] = {6, 2, 0, kAnimeStepEnd, 0, 0};  // 6 once, then the end
constexpr int32_t kBase[] = {1, 100, 0, kAnimeStepLoop, 0, 0};
constexpr const int32_t* kTables7[] = {kLoop7, nullptr};
constexpr const int32_t* kTables8[] = {kLoop8, nullptr};
constexpr const int32_t* kTables9[] = {kLoop9, nullptr};
constexpr const int32_t* kTablesEnds[] = {kEnds, nullptr};
constexpr const int32_t* kTablesBase[] = {kBase, nullptr};

ANIMEPLAYER Player(const int32_t* const* tables, int32_t owner, int32_t timed = 0, int32_t counter = 0) {
  ANIMEPLAYER player;
  player.Anime.Build(tables);
  player.Anime.SetSequence(0, 1);
  player.nOwnerKey = owner;
  player.bTimed = timed;
  player.nCounter = counter;
  return player;
}

class CharaPresentationTest : public CharaWorld {
 protected:
  void SetUp() override {
    CharaWorld::SetUp();
    chara_.m_Anime.Build(kTablesBase);
    chara_.m_Anime.SetSequence(0, 1);
  }

  void TearDown() override {
    g_CharaEffectStates.clear();
    g_CharaEffectStatesRev.clear();
    CharaWorld::TearDown();
  }

  // Record 1 of kind with P0..P2, its templates built, started on chara_.
  void StartEffect(int32_t kind, int32_t duration, int32_t p1, int32_t p2 = 0) {
    g_Database.m_CharaEffects.resize(2);
    cCharaEffect& record = g_Database.m_CharaEffects.CheckedVectorAt(1);
    record.m_nKind = kind;
    record.m_nParams[0] = duration;
    record.m_nParams[1] = p1;
    record.m_nParams[2] = p2;
    BuildCharaEffectStates(g_CharaEffectStates, g_CharaEffectStatesRev);
    chara_.m_CharaEffect.Start(1, 0, 0);
  }

  cChara chara_;
};

TEST_F(CharaPresentationTest, ThePlayerDrawnIsChosenByPositionPauseAndCounter) {
  struct Case {
    const char* name;
    std::vector<ANIMEPLAYER> players;
    int32_t pattern;
  };
  ANIMEPLAYER paused = Player(kTables7, 1);
  paused.bPaused = 1;
  const Case cases[] = {
      {"no player: the base pattern", {}, 1},
      {"two untimed: the front one", {Player(kTables7, 1), Player(kTables8, 2)}, 7},
      {"a paused player is never drawn", {paused, Player(kTables8, 2)}, 8},
      {"only paused: the base pattern", {paused}, 1},
      {"timed: the lowest counter", {Player(kTables7, 1, 1, 5), Player(kTables8, 2, 1, 3)}, 8},
      {"timed before untimed wins", {Player(kTables9, 1, 1, 50), Player(kTables7, 2)}, 9},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    chara_.m_AnimePlayers.assign(c.players.begin(), c.players.end());
    EXPECT_EQ(chara_.StepAnimation(1), c.pattern);
  }
}

TEST_F(CharaPresentationTest, AnEndedPlayerIsRemovedInThatStep) {
  chara_.m_AnimePlayers.push_back(Player(kTablesEnds, 1));
  chara_.m_AnimePlayers.push_back(Player(kTables8, 2));
  EXPECT_EQ(chara_.StepAnimation(0), 6);
  EXPECT_EQ(chara_.m_AnimePlayers.front().nCounter, -1);
  EXPECT_EQ(chara_.StepAnimation(0), 8);  // the first reached its end
  EXPECT_EQ(chara_.m_AnimePlayers.size(), 1U);
  EXPECT_EQ(chara_.StepAnimation(1), 8);  // paused: nothing steps
  EXPECT_EQ(chara_.m_AnimePlayers.front().nCounter, -2);
}

TEST_F(CharaPresentationTest, PausingRemovesPlayersWithNothingLeftAndResumeRestarts) {
  ANIMEPLAYER ran = Player(kTables7, 4, 0, -1);    // has run: counter + extra - 1 < 0
  ANIMEPLAYER fresh = Player(kTables8, 4, 0, 0);   // 0 + 0 - 1 < 0 too
  ANIMEPLAYER extra = Player(kTables9, 4, 0, -1);  // -1 + 2 - 1 = 0: kept
  extra.nExtra = 2;
  ANIMEPLAYER other = Player(kTables7, 5, 0, -3);
  chara_.m_AnimePlayers.assign({ran, fresh, extra, other});
  chara_.PauseAnimePlayers(4);
  ASSERT_EQ(chara_.m_AnimePlayers.size(), 2U);
  EXPECT_EQ(chara_.m_AnimePlayers.front().bPaused, 1);
  EXPECT_EQ(chara_.m_AnimePlayers.back().bPaused, 0);
  chara_.ResumeAnimePlayers(4);
  EXPECT_EQ(chara_.m_AnimePlayers.front().bPaused, 0);
  chara_.EndAnimePlayers(4);
  ASSERT_EQ(chara_.m_AnimePlayers.size(), 1U);
  EXPECT_EQ(chara_.m_AnimePlayers.front().nOwnerKey, 5);
}

TEST_F(CharaPresentationTest, BlinkWithIntervalZeroFlipsEveryFrameTranslucentLikewise) {
  for (int32_t kind : {6, 14}) {
    SCOPED_TRACE(kind);
    StartEffect(kind, 10, 0);
    std::vector<int32_t> toggles;
    for (int32_t frame = 0; frame < 4; ++frame) {
      chara_.StepCharaEffect(0);
      toggles.push_back(chara_.m_CharaEffect.m_nCounter2);
    }
    EXPECT_EQ(toggles, (std::vector<int32_t>{1, 0, 1, 0}));
  }
  StartEffect(6, 10, 2);  // interval 2: the toggle flips every other frame, also while paused
  chara_.StepCharaEffect(0);
  chara_.StepCharaEffect(0);
  chara_.StepCharaEffect(1);
  EXPECT_EQ(chara_.m_CharaEffect.m_nCounter2, 1);
  EXPECT_EQ(chara_.m_CharaEffect.m_nCounter1, 0);
}

TEST_F(CharaPresentationTest, AHiddenCharasEffectEndsOnTime) {
  StartEffect(11, 1, 32, 68);  // 6 frames, ends at the 7th step
  chara_.m_bTransparentNow = 1;
  for (int32_t frame = 1; frame <= 6; ++frame) chara_.StepDrawnChara(0);
  EXPECT_EQ(chara_.m_CharaEffect.m_nEffect, 1);
  chara_.StepDrawnChara(0);
  EXPECT_EQ(chara_.m_CharaEffect.m_nEffect, 0);
}

TEST_F(CharaPresentationTest, DeathPresentationLength) {
  play_.m_nTargetFps = 60;
  cChara computer;
  computer.m_nControl = 1;
  EXPECT_EQ(computer.StepDeathEffect(0), 1);

  cChara hero;
  hero.m_nControl = 0;
  int32_t frames = 0;
  while (!hero.StepDeathEffect(0) && frames < 1000) {
    ++frames;
    EXPECT_EQ(hero.StepDeathEffect(1), 0);  // a paused frame does not count
  }
  EXPECT_EQ(frames + 1, 61);

  StartEffect(11, 1, 32, 68);
  chara_.m_nControl = 1;
  for (int32_t frame = 1; frame <= 6; ++frame) EXPECT_EQ(chara_.StepDeathEffect(0), 0);
  EXPECT_EQ(chara_.StepDeathEffect(0), 1);
  EXPECT_EQ(chara_.m_CharaEffect.m_nEffect, 0);
}

TEST_F(CharaPresentationTest, GaugeShowsTheChangeForItsFirstSixtyFrames) {
  chara_.m_Def.m_nMaxHp = 100;
  chara_.m_nHp = 100;
  chara_.ChangeHp(-60, 0, 1);  // 30 fiftieths lost, half a fiftieth a frame
  for (int32_t frame = 1; frame <= 60; ++frame) chara_.StepGauge(chara_.m_HpGauge);
  EXPECT_EQ(chara_.m_HpGauge.nFrames, 60);
  EXPECT_DOUBLE_EQ(chara_.m_HpGauge.dChange, 0);  // shrunk away in 60 steps
  chara_.StepGauge(chara_.m_HpGauge);
  EXPECT_EQ(chara_.m_HpGauge.dChange, 0);
  for (int32_t frame = 0; frame < 100; ++frame) chara_.StepGauge(chara_.m_HpGauge);
  EXPECT_EQ(chara_.m_HpGauge.nFrames, 0);
}

// Offsets 4 (invincible), 8 (block chara), 16 (flying) on graphic 100; the
// tint needs the project's switch and a group the table holds.
TEST_F(CharaPresentationTest, GraphicIndexAddsTheStateOffsetsAndChoosesTheTint) {
  cAnimeSet set;
  set.m_nPatternAdd1 = 4;
  set.m_nPatternAdd2 = 8;
  set.m_nPatternAdd3 = 16;
  g_Database.m_AnimeSets.assign({set});
  struct Case {
    const char* name;
    int8_t fly, block, invincible, look;
    int32_t tintSwitch;
    int32_t graphic, tint;
  } const cases[] = {
      {"plain", 0, 0, 0, 3, 1, 100, 0},
      {"flying", 2, 0, 0, 0, 0, 116, 0},
      {"block chara", 0, 1, 0, 0, 0, 108, 0},
      {"invincible, tinted", 0, 0, 2, 3, 1, 104, 3},
      {"all three", 1, 1, 1, 9, 1, 128, 9},
      {"tint switch off", 0, 0, 1, 3, 0, 104, 0},
      {"group 0: no tint", 0, 0, 1, 0, 1, 104, 0},
      {"group past the table", 0, 0, 1, 10, 1, 104, 0},
      {"negative group", 0, 0, 1, -1, 1, 104, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    chara_.m_Def.m_nGraphic = 100;
    chara_.m_Def.m_nFly = c.fly;
    chara_.m_Def.m_bBlockChara = c.block;
    chara_.m_Def.m_nInvincible = c.invincible;
    chara_.m_Def.m_nInvincibleLook = c.look;
    g_SystemData.m_bSwitch287 = c.tintSwitch;
    int32_t tint = -1;
    EXPECT_EQ(chara_.GetGraphicIndex(&tint), c.graphic);
    EXPECT_EQ(tint, c.tint);
  }
  EXPECT_EQ(TakeCloseRequests(), 0);
}

// Effect 0 (a definition without an effect) needs no template: starting it
// leaves no effect running and reports nothing, even with no templates built.
TEST_F(CharaPresentationTest, StartingEffectZeroRunsNone) {
  StartEffect(11, 1, 32, 68);
  g_CharaEffectStates.clear();
  g_CharaEffectStatesRev.clear();
  chara_.m_CharaEffect.Start(0, 1, 1);
  EXPECT_EQ(chara_.m_CharaEffect.m_nEffect, 0);
  EXPECT_EQ(chara_.m_CharaEffect.m_nMode, 0);
  EXPECT_EQ(TakeCloseRequests(), 0);
}

TEST_F(CharaPresentationTest, TheDrawListKeepsWhatTheDrawingSawBeforeTheStep) {
  g_Database.m_AnimeSets.assign({cAnimeSet()});
  StartEffect(6, 10, 0);  // blink: the toggle flips at every step
  chara_.m_nId = 7;
  chara_.m_Def.m_nMarkShow = 1;
  chara_.m_Def.m_nMark = 16;
  chara_.m_Def.m_nMaxHp = 100;
  chara_.m_nHp = 100;
  chara_.ChangeHp(-10, 0, 1);
  cCharaDrawList draw;
  const int32_t pattern = chara_.StepDrawnChara(0, &draw);
  chara_.StepGauge(chara_.m_HpGauge, &draw);
  ASSERT_EQ(draw.Entries.VectorSize(), 2);
  const CHARADRAW& body = draw.Entries.CheckedVectorAt(0);
  EXPECT_EQ(body.nKind, kDrawLivingChara);
  EXPECT_EQ(body.nCharaId, 7);
  EXPECT_EQ(body.nPattern, pattern);
  EXPECT_EQ(body.nEffectKind, 6);
  EXPECT_EQ(body.nEffectToggle, 0);  // the state has flipped to 1 since
  EXPECT_EQ(chara_.m_CharaEffect.m_nCounter2, 1);
  EXPECT_EQ(body.nMark, 16);
  const CHARADRAW& gauge = draw.Entries.CheckedVectorAt(1);
  EXPECT_EQ(gauge.nKind, kDrawHpGauge);
  EXPECT_EQ(gauge.Gauge.nFrames, 120);
  EXPECT_EQ(gauge.nValue, 90);

  chara_.m_bDead = 1;
  chara_.StepDeathEffect(0, &draw);
  EXPECT_EQ(draw.Entries.back().nKind, kDrawDeadChara);
  EXPECT_EQ(draw.Entries.back().nPattern, 0);
  chara_.m_CharaEffect.Clear();  // without a death effect the dead are not shown
  chara_.StepDeathEffect(0, &draw);
  EXPECT_EQ(draw.Entries.VectorSize(), 3);
}

// The carried item's icon shows during frames 64..95 of every 96, centred
// above the chara; not for a hidden item or a transparent chara.
TEST_F(CharaPresentationTest, CarriedItemHintBlinksAboveTheChara) {
  chara_.m_Item.m_bCarried = 1;
  chara_.m_Item.m_nGraphicW = chara_.m_Item.m_nGraphicH = 32;
  chara_.m_bOnScreen = 1;
  chara_.m_nGraphicW = 32;
  chara_.m_rcScreen = {100, 200, 131, 231};
  cCharaDrawList draw;
  std::vector<int32_t> starts;  // frames on which the icon appears
  bool wasShown = false;
  for (int32_t frame = 1; frame <= 192; ++frame) {
    const int32_t before = draw.Entries.VectorSize();
    chara_.StepCarriedItemHint(&draw);
    const bool isShown = draw.Entries.VectorSize() > before;
    if (isShown && !wasShown) starts.push_back(frame);
    wasShown = isShown;
  }
  EXPECT_EQ(draw.Entries.VectorSize(), 64);  // 32 frames of each 96
  EXPECT_EQ(starts, (std::vector<int32_t>{64, 160}));
  const CHARADRAW& icon = draw.Entries.back();
  EXPECT_EQ(icon.nKind, kDrawItemHint);
  EXPECT_EQ(icon.rcScreen.left, 100 + 16 - 8);
  EXPECT_EQ(icon.rcScreen.top, 200 - 16);

  for (int32_t hidden : {0, 1}) {
    chara_.m_Item.m_Def.m_bHidden = static_cast<int8_t>(hidden);
    chara_.m_bTransparentNow = 1 - hidden;
    const int32_t frames = chara_.m_nHintFrames;
    chara_.StepCarriedItemHint(&draw);
    EXPECT_EQ(chara_.m_nHintFrames, frames);
  }
}

}  // namespace
