// The objects of a stage build: the hero, placed charas and their copies,
// carried items, object groups, the stage-start trigger, and the builds that
// must fail.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>

#include "core/math/truncate.h"
#include "records/replay/replay_file.h"
#include "stage/objects/sub_step_mask.h"
#include "support/recording_chara_flow_calls.h"
#include "support/stage_world.h"
#include "support/temp_dir.h"

namespace {

cCharaDef Placed(int32_t x, int32_t y) {
  cCharaDef def;
  def.m_nX = static_cast<int16_t>(x);
  def.m_nY = static_cast<int16_t>(y);
  def.m_nControl = cCharaDef::kControlComputer;
  def.m_nGraphic = 1;
  def.m_nMaxHp = 10;
  def.m_nCarriedItem = -1;
  return def;
}

cItemDef PlacedItem(int32_t x, int32_t y, int16_t graphic) {
  cItemDef item;
  item.m_nX = static_cast<int16_t>(x);
  item.m_nY = static_cast<int16_t>(y);
  item.m_nGraphic = graphic;
  return item;
}

// Reacts to a trigger the way a flow would (sets a flag, drops HP).
class cTriggerHooks : public cRecordingCharaFlowCalls {
 public:
  std::function<void(cCharaBase&, int32_t)> m_OnTrigger;
  void FireTrigger(cCharaBase& chara, int32_t trigger) override {
    cRecordingCharaFlowCalls::FireTrigger(chara, trigger);
    if (m_OnTrigger) m_OnTrigger(chara, trigger);
  }
};

class StageBuildObjectsTest : public StageWorld {
 protected:
  bool BuildWith(const cStageLayout& layout, const std::vector<cCharaDef>& charas,
                 const std::vector<cItemDef>& items = {}) {
    WriteStage(layout, g_Stage);
    for (const cCharaDef& def : charas) g_Stage.m_PlacedCharas.push_back(def);
    for (const cItemDef& item : items) g_Stage.m_PlacedItems.push_back(item);
    g_StageInitial.TakeHeaderOf(g_Stage);
    return play_.SetStage(0, 1);
  }

  std::vector<int32_t> CharaIds() const {
    std::vector<int32_t> ids;
    for (const cChara& chara : g_CharaList) ids.push_back(chara.m_nId);
    return ids;
  }

  cTriggerHooks calls_;
  cCharaFlowCallsScope scope_{&calls_};
};

TEST_F(StageBuildObjectsTest, TheHeroStandsOnItsCellAndTheViewFollowsIt) {
  cStageLayout layout;
  layout.nWidth = 60;
  layout.nHeight = 40;
  layout.nHeroX = 30;
  layout.nHeroY = 25;
  ASSERT_TRUE(BuildWith(layout, {}));
  ASSERT_EQ(g_Heroes.VectorSize(), 1);
  const cHero& hero = Hero();
  EXPECT_EQ(hero.m_nId, 0);
  EXPECT_EQ(TruncToInt(hero.m_dX) >> 5, 30 + 10);
  EXPECT_EQ(TruncToInt(hero.m_dY) >> 5, 25 + 10);
  EXPECT_EQ(play_.FindCharaById(0), &hero);
  EXPECT_DOUBLE_EQ(play_.m_ScrollX.m_dPos, hero.m_dX - 320 + hero.m_nWidth / 2);
  EXPECT_DOUBLE_EQ(play_.m_ScrollY.m_dPos, hero.m_dY - 240 + hero.m_nHeight / 2);
  EXPECT_EQ(play_.m_ObjGroup.CheckedVectorAt(0), (cList<int32_t>{0}));
}

TEST_F(StageBuildObjectsTest, CopiesTakeConsecutiveIdsWithTheirOffsetsAndACopyOutsideTakesNone) {
  cCharaDef def = Placed(5, 5);
  def.m_nCopies = 2;
  def.m_nOffsetXStep = 40;
  cCharaDef edge = Placed(0, 3);
  edge.m_nCopies = 1;
  edge.m_nOffsetXStep = -400;  // copy 1 lands left of the whole extent
  cCharaDef after = Placed(9, 9);
  ASSERT_TRUE(BuildWith(cStageLayout(), {def, edge, after}));
  EXPECT_EQ(CharaIds(), (std::vector<int32_t>{1, 2, 3, 4, 5}));
  auto it = g_CharaList.begin();
  const double x0 = it->m_dX;
  EXPECT_EQ((++it)->m_dX, x0 + 40);
  EXPECT_EQ((++it)->m_dX, x0 + 80);
  EXPECT_EQ((++it)->m_nIndex, 0);  // the edge chara's first copy; its second was dropped
  EXPECT_EQ((++it)->m_nId, 5);     // ... and took no id
  EXPECT_EQ(play_.m_nNextObjectId, 6);
  for (const cChara& chara : g_CharaList) EXPECT_EQ(chara.m_Targets.CheckedVectorAt(0), 0);  // hero linked
}

TEST_F(StageBuildObjectsTest, CarriedItemsLeaveTheLooseItemsOnlyForOrdinaryCharas) {
  std::vector<cItemDef> items;
  for (int16_t i = 0; i < 5; ++i) items.push_back(PlacedItem(2 + i, 8, static_cast<int16_t>(10 + i)));
  cCharaDef carrier = Placed(4, 4);
  carrier.m_nCarriedItem = 3;
  cCharaDef player = Placed(6, 4);  // a second player chara: not spawned, its item stays
  player.m_nControl = cCharaDef::kControlPlayer;
  player.m_nCarriedItem = 1;
  cCharaDef wild = Placed(8, 4);
  wild.m_nCarriedItem = 99;  // past the list: carries nothing
  ASSERT_TRUE(BuildWith(cStageLayout(), {carrier, player, wild}, items));
  ASSERT_EQ(g_CharaList.size(), 2u);
  const cChara& first = g_CharaList.front();
  EXPECT_EQ(first.m_Item.m_bCarried, 1);
  EXPECT_EQ(first.m_Item.m_nGraphicNo, 13);
  EXPECT_EQ(first.m_Item.m_nId, 0);
  EXPECT_EQ(g_CharaList.back().m_Item.m_nGraphicNo, 0);
  std::vector<int32_t> loose;
  for (const cItem& item : g_ItemList) loose.push_back(item.m_nGraphicNo);
  EXPECT_EQ(loose, (std::vector<int32_t>{10, 11, 12, 14}));
  std::vector<int32_t> ids;
  for (const cItem& item : g_ItemList) ids.push_back(item.m_nId);
  EXPECT_EQ(ids, (std::vector<int32_t>{1, 2, 3, 4}));
  EXPECT_EQ(TakeCloseRequests(), 0);
}

TEST_F(StageBuildObjectsTest, EveryObjectIsListedInItsGroup) {
  cCharaDef a = Placed(3, 3);
  a.m_nGroup = 2;
  cCharaDef b = Placed(5, 3);
  b.m_nGroup = 7;
  cCharaDef c = Placed(7, 3);
  c.m_nGroup = 2;
  ASSERT_TRUE(BuildWith(cStageLayout(), {a, b, c}));
  EXPECT_EQ(play_.m_ObjGroup.VectorSize(), kObjGroupCount);
  EXPECT_EQ(play_.m_ObjGroup.CheckedVectorAt(0), (cList<int32_t>{0}));
  EXPECT_EQ(play_.m_ObjGroup.CheckedVectorAt(2), (cList<int32_t>{1, 3}));
  EXPECT_EQ(play_.m_ObjGroup.CheckedVectorAt(7), (cList<int32_t>{2}));
}

TEST_F(StageBuildObjectsTest, ContactMaskSpreadsTheChecksOverTheSubSteps) {
  struct Case {
    int32_t n, l;
    std::vector<int32_t> mask;
  } const cases[] = {
      {3, 4, {1, 1, 1, 0}},
      {2, 4, {1, 0, 1, 0}},
      {1, 4, {1, 0, 0, 0}},
      {0, 4, {1, 1, 1, 1}},
      {6, 8, {1, 1, 1, 0, 1, 1, 1, 1}},
      {-1, 4, {1, 1, 1, 1}},
      {INT_MAX, 1, {1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.n << ", " << c.l);
    const cVector<int32_t> mask = BuildSubStepMask(c.n, c.l);
    EXPECT_EQ(std::vector<int32_t>(mask.begin(), mask.end()), c.mask);
  }
  cStageLayout layout;
  layout.nCollisionLevel = 4;
  g_Stage.m_nContactSteps = 0;
  WriteStage(layout, g_Stage);
  g_Stage.m_nContactSteps = 3;
  g_StageInitial.TakeHeaderOf(g_Stage);
  ASSERT_TRUE(play_.SetStage(0, 1));
  EXPECT_EQ(play_.m_SubStepMask, (cVector<int32_t>{1, 1, 1, 0}));
}

TEST_F(StageBuildObjectsTest, TheMusicIsAskedForByTheRestartRule) {
  struct Case {
    int32_t restart, keep, bgm, playing;
    bool asked;
    int32_t n;
  } const cases[] = {
      {1, 0, 3, 3, true, 3},   // restart without keep: asked again, same music
      {1, 1, 3, 3, false, 0},  // keep and the same music: nothing
      {1, 1, 3, 2, true, 3},   // keep, other music
      {1, 1, 0, 0, true, 0},   // keep, no music: stopped again
      {0, 0, 3, 3, false, 0},  // restart 0: only another music
      {0, 0, 4, 3, true, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.restart << c.keep << c.bgm << c.playing);
    cStageLayout layout;
    WriteStage(layout, g_Stage);
    g_Stage.m_nBgm = c.bgm;
    g_Stage.m_nBgmOption = 1;
    g_Stage.m_bBgmContinue = c.keep;
    g_StageInitial.TakeHeaderOf(g_Stage);
    g_SaveData.m_nBgmPlaying = c.playing;
    services_.m_Events.clear();
    ASSERT_TRUE(play_.SetStage(0, c.restart));
    const auto names = EventNames();
    const auto found = std::find(names.begin(), names.end(), "RequestStageBgm");
    ASSERT_EQ(found != names.end(), c.asked);
    if (c.asked) {
      const cStageEvent& bgm = services_.m_Events[static_cast<std::size_t>(found - names.begin())];
      EXPECT_EQ(std::get<int64_t>(bgm.Args[0].value), c.n);
      EXPECT_EQ(g_SaveData.m_nBgmPlaying, c.n);
    }
  }
}

TEST_F(StageBuildObjectsTest, StageStartTriggerFollowsTheOldRuleSwitch) {
  // Chara 1 is disabled by its condition (variable 1 must be 1); chara 2
  // vanishes and chara 3 is defeated by their stage-start flows.
  cCharaDef disabled = Placed(3, 3);
  cCondition& cond = disabled.m_Conditions.emplace_back();
  cond.m_nKind = 1;
  cond.m_nIndex = 1;
  cond.m_nValue = 1;
  cCharaDef vanishing = Placed(5, 3);
  cCharaDef defeated = Placed(7, 3);
  calls_.m_OnTrigger = [](cCharaBase& chara, int32_t trigger) {
    if (trigger != 21) return;
    if (chara.m_nId == 2) chara.m_bVanish = 1;
    if (chara.m_nId == 3) chara.m_nHp = 0;
  };
  for (int32_t legacy : {0, 1}) {
    SCOPED_TRACE(legacy);
    g_SystemData.m_bLegacy697 = legacy;
    calls_.m_Calls.clear();
    ASSERT_TRUE(BuildWith(cStageLayout(), {disabled, vanishing, defeated}));
    std::vector<std::pair<int32_t, int32_t>> expected = {{0, 21}};
    if (legacy == 1) expected.emplace_back(1, 21);
    expected.emplace_back(2, 21);
    expected.emplace_back(3, 21);
    expected.emplace_back(3, 3);  // the defeat's death trigger
    EXPECT_EQ(calls_.m_Calls, expected);
    EXPECT_EQ(CharaIds(), (std::vector<int32_t>{1}));
    EXPECT_EQ(play_.FindCharaById(2), nullptr);
    EXPECT_EQ(play_.m_ObjGroup.CheckedVectorAt(1), (cList<int32_t>{1}));
  }
}

TEST_F(StageBuildObjectsTest, EraseAreasTimeAndLightAreSetFromTheStage) {
  cStageLayout layout;
  WriteStage(layout, g_Stage);
  g_Stage.m_EraseAreas.CheckedVectorAt(0).m_bLeft = 0;
  g_Stage.m_EraseAreas.CheckedVectorAt(0).m_bRight = 0;
  g_Stage.m_EraseAreas.CheckedVectorAt(0).m_bTop = 0;
  g_Stage.m_EraseAreas.CheckedVectorAt(0).m_bBottom = 0;
  g_Stage.m_EraseAreas.CheckedVectorAt(1).m_bBottom = 1;
  g_Stage.m_EraseAreas.CheckedVectorAt(2).m_bLeft = 0;
  g_Stage.m_EraseAreas.CheckedVectorAt(2).m_bRight = 0;
  g_Stage.m_EraseAreas.CheckedVectorAt(2).m_bTop = 0;
  g_Stage.m_EraseAreas.CheckedVectorAt(2).m_bBottom = 0;
  g_Stage.m_bTimeLimit = 1;
  g_Stage.m_nTimeLimit = 45;
  g_Stage.m_PlacedCharas.CheckedVectorAt(0).m_nSight = 4;  // the hero lights the dark
  g_Stage.m_BackLayers.CheckedVectorAt(0).m_dOffsetX = 12;
  g_StageInitial.TakeHeaderOf(g_Stage);
  ASSERT_TRUE(play_.SetStage(0, 1));
  EXPECT_EQ(play_.m_EraseActive[0], 0);
  EXPECT_EQ(play_.m_EraseActive[1], 1);
  EXPECT_EQ(play_.m_EraseActive[2], 0);
  EXPECT_EQ(play_.m_nRemainTime, 45);
  EXPECT_EQ(play_.m_bNoTimeLimit, 0);
  EXPECT_EQ(g_Stage.m_BackLayers.CheckedVectorAt(0).m_dOffsetX, 0);
  const std::vector<std::string> names = EventNames();
  EXPECT_EQ(std::count(names.begin(), names.end(), "RebuildDarkness"), 1);

  g_Stage.m_bTimeLimit = 0;
  g_StageInitial.TakeHeaderOf(g_Stage);
  ASSERT_TRUE(play_.SetStage(0, 1));
  EXPECT_EQ(play_.m_nRemainTime, 999);
  EXPECT_EQ(play_.m_bNoTimeLimit, 1);
}

TEST_F(StageBuildObjectsTest, CopyOffsetsMoveTheHomeUnlessTheOldRuleSaysNot) {
  cCharaDef def = Placed(5, 5);
  def.m_nCopies = 1;
  def.m_nOffsetXStep = 40;
  def.m_nOffsetY = -8;
  for (int32_t legacy : {0, 1}) {
    SCOPED_TRACE(legacy);
    g_SystemData.m_bLegacy768 = legacy;
    ASSERT_TRUE(BuildWith(cStageLayout(), {def}));
    ASSERT_EQ(g_CharaList.size(), 2u);
    const cChara& first = g_CharaList.front();
    const cChara& second = g_CharaList.back();
    EXPECT_EQ(second.m_dX - first.m_dX, 40);
    EXPECT_EQ(second.m_dHomeX - first.m_dHomeX, legacy ? 0 : 40);
    EXPECT_EQ(first.m_dHomeY, (5 + 10) * 32 + 16 + (legacy ? 0 : -8));
  }
}

class SceneTimeTest : public StageWorld {};

TEST_F(SceneTimeTest, TheTimeLimitMovesEverySixtiethCallWithinItsRange) {
  struct Case {
    const char* name;
    int32_t noLimit, remain, delta;
    int32_t result, after;
  } const cases[] = {
      {"counting down", 0, 5, -1, 0, 4},
      {"time up", 0, 1, -1, 1, 0},
      {"already up", 0, 0, -1, 1, 0},
      {"held at 999", 0, 999, 5, 0, 999},
      {"no limit", 1, 5, -1, 0, 5},
  };
  ASSERT_TRUE(Build(cStageLayout()));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    play_.m_bNoTimeLimit = c.noLimit;
    play_.m_nRemainTime = c.remain;
    play_.m_nTimeCycle = 0;
    for (int32_t call = 1; call < 60; ++call) ASSERT_EQ(play_.TickTimeLimit(c.delta), 0);
    EXPECT_EQ(play_.m_nRemainTime, c.remain);
    EXPECT_EQ(play_.TickTimeLimit(c.delta), c.result);
    EXPECT_EQ(play_.m_nRemainTime, c.after);
  }
}

TEST_F(SceneTimeTest, ThePlayTimeCountsHundredthsAndStopsAtItsLimit) {
  ASSERT_TRUE(Build(cStageLayout()));
  for (int32_t f = 0; f < 3; ++f) play_.CountPlayTime();
  EXPECT_EQ(play_.m_nPlayFrames, 3);
  EXPECT_EQ(play_.m_nPlayTime, 5);  // 300 / 60
  play_.m_nPlayFrames = 359999;
  play_.CountPlayTime();
  EXPECT_EQ(play_.m_nPlayTime, 599999);
  play_.CountPlayTime();
  EXPECT_EQ(play_.m_nPlayFrames, 360000);  // no longer counted
  EXPECT_EQ(play_.m_nPlayTime, 599999);
}

class StageBuildFailureTest : public StageWorld {
 protected:
  void ExpectFailedAndInert() {
    const std::vector<std::string> names = EventNames();
    EXPECT_GE(std::count(names.begin(), names.end(), "RequestClose"), 1);
    EXPECT_TRUE(g_Heroes.empty());
    EXPECT_TRUE(g_CharaList.empty());
    EXPECT_TRUE(g_BlockGrid.empty());
    services_.m_Events.clear();
    EXPECT_EQ(StepFrame(2, 1), kPlayClose);
    EXPECT_EQ(play_.m_nFrameCount, 0);
    EXPECT_TRUE(services_.m_Events.empty());
  }
};

TEST_F(StageBuildFailureTest, AStageWithoutAHeroIsRefused) {
  cStageLayout layout;
  layout.bHero = 0;
  EXPECT_FALSE(Build(layout));
  ExpectFailedAndInert();
}

TEST_F(StageBuildFailureTest, ANegativeOrHugeSizeIsRefused) {
  for (const auto& [w, h] : {std::pair{-1, 10}, std::pair{2000, 2029}}) {
    SCOPED_TRACE(testing::Message() << w << " x " << h);
    cStageLayout layout;
    layout.nWidth = w;
    layout.nHeight = h;
    services_.m_Events.clear();
    EXPECT_FALSE(Build(layout));
    ExpectFailedAndInert();
  }
}

TEST_F(StageBuildFailureTest, AReplayWithoutAHeroIsRefused) {
  TempDir dir;
  const std::string path = dir.file("nohero.rpl4_836");
  g_SystemData.m_bReplay = 1;
  ASSERT_TRUE(Build(cStageLayout()));
  StepFrame(0, 0);
  // The replay's stage lost its hero (a damaged or hand-made file).
  g_Stage.m_PlacedCharas.clear();
  ASSERT_EQ(g_InputLog.SaveReplay(path, g_Stage, g_StageInitial, g_SaveDataAtStart), 1);
  ASSERT_EQ(OpenReplayForPlay(path), 1);
  play_.m_Run = cRunFacts{4, 3, 0, 0};
  services_.m_Events.clear();
  EXPECT_FALSE(play_.SetStage(1, 1));
  ExpectFailedAndInert();
}

}  // namespace
