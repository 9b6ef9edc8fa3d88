#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/math/random.h"
#include "core/math/truncate.h"
#include "records/palette/common_palette.h"
#include "records/script/flow_cmd.h"
#include "stage/objects/flow_cmd_state.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/shot_fire.h"
#include "stage/objects/shot_pass.h"
#include "stage/objects/state_digest.h"
#include "shot_world.h"

namespace {

// A chara 32 x 32 at screen (100, 100) with the view at (0, 0), firing with
// the state of a command of the given kind.
class ShotFireTest : public ShotWorld {
 protected:
  void SetUp() override {
    ShotWorld::SetUp();
    savedCommon_ = g_CommonPalette;
    play_.m_ScrollX.m_dPos = 0;
    play_.m_ScrollY.m_dPos = 0;
    chara_ = &AddShooter(1, 1, 100, 100);
    chara_->m_bFlying = 1;
    chara_->UpdateScreenRect();
    Command(kShotKindProjectile);
    set_ = Settings();
    set_.m_nCount = 1;
    set_.m_nSpeed = 40;
    set_.m_nDirection = 2;  // "左"
    set_.m_bMirrorAngle = 0;
    set_.m_bMirrorOffsetX = 0;
  }

  void TearDown() override {
    g_CommonPalette = savedCommon_;
    ShotWorld::TearDown();
  }

  void Command(int32_t kind) {
    cmd_.m_nKind = static_cast<int8_t>(kind);
    state_.m_lpCmd = &cmd_;
  }

  cShotFiring Firing() { return {&play_.m_ShotList, chara_, &state_, &set_}; }

  std::vector<std::pair<int32_t, int32_t>> Positions() const {
    std::vector<std::pair<int32_t, int32_t>> at;
    for (const cShot& shot : play_.m_ShotList) at.emplace_back(TruncToInt(shot.m_dX), TruncToInt(shot.m_dY));
    return at;
  }

  // The flight angle of each shot: velocity (-cos a, -sin a), rounded degrees.
  std::vector<int32_t> Angles() const {
    std::vector<int32_t> angles;
    for (const cShot& shot : play_.m_ShotList) {
      double a = std::atan2(-shot.m_dTrajVY, -shot.m_dTrajVX) * 57.29577951308232;
      angles.push_back(static_cast<int32_t>(std::lround(a)));
    }
    return angles;
  }

  cCommonPalette savedCommon_;
  cChara* chara_ = nullptr;
  cFlowCmd cmd_;
  cFlowCmdState state_;
  cEdShot set_;
};

TEST_F(ShotFireTest, StraightARowStartsBesideTheCharaAndMovesAway) {
  set_.m_nCount = 3;
  FireShot(Firing());
  EXPECT_EQ(Positions(), (std::vector<std::pair<int32_t, int32_t>>{{85, 92}, {85, 108}, {85, 124}}));
  for (const cShot& shot : play_.m_ShotList) EXPECT_LT(shot.m_dTrajVX, 0);
  EXPECT_EQ(play_.m_nNextShotId, 3);
}

TEST_F(ShotFireTest, AnglesOfTheFormations) {
  struct Case {
    const char* name;
    int8_t formation, count;
    int16_t param;
    std::vector<int32_t> angles;
  } const cases[] = {
      {"spread of 4 at 30", kFormationSpread, 4, 30, {-45, -15, 15, 45}},
      {"burst of 8", kFormationBurst, 8, 0, {0, 45, 90, 135, 180, -135, -90, -45}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ClearShots(play_);
    set_.m_nFormation = c.formation;
    set_.m_nCount = c.count;
    set_.m_nFormationParam[0] = c.param;
    FireShot(Firing());
    EXPECT_EQ(Angles(), c.angles);
  }
}

TEST_F(ShotFireTest, SurroundPlacesTheRingAroundTheTargetAndAimsAtItsCentre) {
  set_.m_nFormation = kFormationSurround;
  set_.m_nCount = 4;
  set_.m_nFormationParam[0] = 6;
  set_.m_nStrikeRef = 2;  // the firing chara
  FireShot(Firing());
  const int32_t cx = 100 + 16 - 8;
  const int32_t cy = 100 + 16 - 8;
  EXPECT_EQ(Positions(), (std::vector<std::pair<int32_t, int32_t>>{
                             {cx + 96, cy}, {cx, cy + 96}, {cx - 95, cy}, {cx, cy - 95}}));
  EXPECT_EQ(Angles(), (std::vector<int32_t>{0, 90, 180, -90}));
}

TEST_F(ShotFireTest, ClonesStepTheirAngleAndMirrorItFacingRight) {
  set_.m_nFormation = kFormationBurst;
  set_.m_nClones = 2;
  set_.m_nAnglePerClone = 10;
  for (int8_t mirror : {0, 1}) {
    SCOPED_TRACE(int{mirror});
    ClearShots(play_);
    set_.m_bMirrorAngle = mirror;
    FireShot(Firing());
    const std::vector<int32_t> expected = mirror ? std::vector<int32_t>{0, -10, -20} : std::vector<int32_t>{0, 10, 20};
    EXPECT_EQ(Angles(), expected);
  }
}

TEST_F(ShotFireTest, SettingsThatFireNothing) {
  struct Case {
    const char* name;
    void (*change)(cEdShot&);
  } const cases[] = {
      {"no members", [](cEdShot& s) { s.m_nCount = 0; }},
      {"burst of none", [](cEdShot& s) { s.m_nFormation = kFormationBurst, s.m_nCount = 0; }},
      {"surround of a negative count", [](cEdShot& s) { s.m_nFormation = kFormationSurround, s.m_nCount = -2; }},
      {"formation 6", [](cEdShot& s) { s.m_nFormation = 6; }},
      {"direction 13", [](cEdShot& s) { s.m_nDirection = 13; }},
      {"selector 3", [](cEdShot& s) { s.m_nFormation = kFormationStrike, s.m_nStrikeRef = 3; }},
      {"no columns", [](cEdShot& s) { s.m_nFormation = kFormationStrike, s.m_nStrikeRef = 2; }},
      {"an empty target slot", [](cEdShot& s) { s.m_nFormation = kFormationSurround, s.m_nTargetSlot = 1; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const cEdShot saved = set_;
    c.change(set_);
    FireShot(Firing());
    EXPECT_TRUE(play_.m_ShotList.empty());
    set_ = saved;
  }
  EXPECT_EQ(TakeCloseRequests(), 0);
}

TEST_F(ShotFireTest, DirectionSettingsByFacing) {
  // Settings 0 to 12 facing left and right ("入力方向" with no flow: forward).
  const int32_t left[] = {2, 3, 2, 3, 6, 7, 6, 7, 8, 9, 10, 11, 2};
  const int32_t right[] = {3, 2, 2, 3, 7, 6, 6, 7, 8, 9, 10, 11, 3};
  for (int8_t setting = 0; setting <= 12; ++setting) {
    SCOPED_TRACE(int{setting});
    set_.m_nDirection = setting;
    chara_->m_nFacing = 0;
    EXPECT_EQ(ResolveFiringDirection(Firing()), left[setting]);
    chara_->m_nFacing = 1;
    EXPECT_EQ(ResolveFiringDirection(Firing()), right[setting]);
  }
}

TEST_F(ShotFireTest, RandomDrawsOnlyWithASpread) {
  set_.m_nFormation = kFormationBurst;
  set_.m_nClones = 3;
  for (int16_t spread : {0, 20}) {
    SCOPED_TRACE(spread);
    set_.m_nSpread = spread;
    cRandom expected = play_.m_Random;
    const int32_t draws = spread != 0 ? set_.m_nClones + 2 : 0;
    for (int32_t i = 0; i < draws; ++i) RandomRange(expected, -spread, spread);
    FireShot(Firing());
    EXPECT_EQ(play_.m_Random.m_nState, expected.m_nState);
  }
}

TEST_F(ShotFireTest, LinksOnlyTargetTrajectoriesAndNeverTwice) {
  cChara& target = AddShooter(2, 1, 300, 100);
  Target(*chara_, 0, target);
  for (int8_t kind : {kShotStraight, kShotAimTarget}) {
    SCOPED_TRACE(int{kind});
    ClearShots(play_);
    target.m_ShotLinks.clear();
    chara_->m_ShotLinks.clear();
    set_.m_nMoveType = kind;
    FireShot(Firing());
    cShot& shot = play_.m_ShotList.front();
    EXPECT_EQ(shot.m_lpTarget, kind == kShotStraight ? kNoLink : 2);
    EXPECT_EQ(target.m_ShotLinks.size(), kind == kShotStraight ? 0u : 1u);
    LinkShotToCharas(shot);  // the same volley again
    EXPECT_EQ(target.m_ShotLinks.size(), kind == kShotStraight ? 0u : 1u);
    EXPECT_EQ(chara_->m_ShotLinks.size(), 1u);
    EXPECT_EQ(BrokenLinks(), "");
  }
}

TEST_F(ShotFireTest, ASwordCommandMakesNothingHere) {
  Command(kShotKindSword);
  FireShot(Firing());
  EXPECT_TRUE(play_.m_ShotList.empty());
}

TEST_F(ShotFireTest, SummonedCharas) {
  Command(14);
  cCharaDef def;
  def.m_nControl = cCharaDef::kControlComputer;
  def.m_nGiant = 1;
  def.m_nGroup = 4;
  def.m_nMaxHp = 1;
  g_CommonPalette.m_CharaPalette.push_back(def);
  g_Stage.m_CharaPalette.push_back(def);
  chara_->m_nBlockKey = 6;
  set_.m_nSummonIndex = 1;
  set_.m_nGroup = 2;
  struct Case {
    const char* name;
    int8_t palette, control, reverse, groupMode;
    size_t made;
    int32_t facing, group;
  } const cases[] = {
      {"common palette, the part's group", 0, 1, 0, 0, 1, 1, 4},
      {"stage palette, the user's group, reversed", 1, 1, 1, 1, 1, 0, 6},
      {"numbered group", 0, 1, 0, 2, 1, 1, 2},
      {"a player-controlled part is not summoned", 0, 0, 0, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ClearCharas(play_);
    chara_ = &AddShooter(1, 1, 100, 100);
    chara_->m_nBlockKey = 6;
    g_CommonPalette.m_CharaPalette.CheckedVectorAt(1).m_nControl = c.control;
    g_Stage.m_CharaPalette.CheckedVectorAt(1).m_nControl = c.control;
    set_.m_nSummonPalette = c.palette;
    set_.m_bReverseFacing = c.reverse;
    set_.m_nGroupMode = c.groupMode;
    SummonCharas({nullptr, chara_, &state_, &set_});
    ASSERT_EQ(g_CharaList.size(), 1 + c.made);
    if (c.made == 0) continue;
    const cChara& made = g_CharaList.back();
    EXPECT_EQ(made.m_nFacing, c.facing);
    EXPECT_EQ(made.m_nBlockKey, c.group);
  }
}

TEST_F(ShotFireTest, ATogglingVolleyChangesACellOnceAndTheNextTogglesItBack) {
  Command(13);
  cBlockDef block;
  block.m_nGraphic = 1;
  block.m_nHitClass = kBlockSolid;
  g_CommonPalette.m_BlockPalette.push_back(block);
  set_.m_nSummonIndex = static_cast<int16_t>(g_CommonPalette.m_BlockPalette.VectorSize() - 1);
  set_.m_nBlockMode = 2;
  set_.m_nFormation = kFormationSpread;  // two members on one cell
  set_.m_nCount = 2;
  cBlock* cell = nullptr;
  const auto solidCells = [&] {
    int32_t solid = 0;
    for (cBlock& b : g_BlockGrid) solid += b.m_nGraphic == 1 ? 1 : 0;
    return solid;
  };
  SummonBlocks({nullptr, chara_, &state_, &set_});
  EXPECT_EQ(solidCells(), 1);  // the second member found the cell recorded
  SummonBlocks({nullptr, chara_, &state_, &set_});
  EXPECT_EQ(solidCells(), 0);
  (void)cell;
}

TEST_F(ShotFireTest, StraightBStandsOnTheCharasBottomLine) {
  set_.m_nFormation = kFormationStraightB;
  set_.m_nCount = 3;
  struct Case {
    int8_t direction;
    int32_t facing;
    int32_t x;
  } const cases[] = {{2, 1, 85}, {3, 0, 132}, {6, 1, 132}, {6, 0, 85}, {9, 1, 85}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << int{c.direction} << " facing " << c.facing);
    ClearShots(play_);
    set_.m_nDirection = c.direction;
    chara_->m_nFacing = c.facing;
    FireShot(Firing());
    EXPECT_EQ(Positions(), (std::vector<std::pair<int32_t, int32_t>>{{c.x, 116}, {c.x, 100}, {c.x, 84}}));
  }
}

TEST_F(ShotFireTest, ThunderRowsEnterFromTheViewsEdge) {
  // The view at (320, 320), the chara (and target) at screen (100, 100).
  play_.m_ScrollX.m_dPos = 320;
  play_.m_ScrollY.m_dPos = 320;
  chara_->m_dX = chara_->m_dY = 420;
  chara_->UpdateScreenRect();
  set_.m_nFormation = kFormationStrike;
  set_.m_nStrikeRef = 2;
  set_.m_nFormationParam[0] = 1;  // interval 1 hbl
  set_.m_nFormationParam[2] = 1;  // columns 1 hbl apart
  using Points = std::vector<std::pair<int32_t, int32_t>>;
  struct Case {
    const char* name;
    int8_t direction, rows;
    int16_t cols;
    int32_t legacy555;
    Points at;
  } const cases[] = {
      {"left, one column, two rows", 2, 2, 1, 0, {{944, 428}, {912, 428}}},
      {"left, interval left out", 2, 2, 1, 1, {{944, 428}, {928, 428}}},
      {"left, two columns", 2, 1, 2, 0, {{944, 420}, {944, 436}}},
      {"left, three columns", 2, 1, 3, 0, {{944, 412}, {944, 428}, {944, 444}}},
      {"up-left, one column", 8, 1, 1, 0, {{784, 784}}},
      {"down-right, two columns", 11, 1, 2, 0, {{315, 325}, {326, 314}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ClearShots(play_);
    g_SystemData.m_bLegacy555 = c.legacy555;
    set_.m_nDirection = c.direction;
    set_.m_nCount = c.rows;
    set_.m_nFormationParam[1] = c.cols;
    FireShot(Firing());
    EXPECT_EQ(Positions(), c.at);
  }
}

TEST_F(ShotFireTest, AimAngleAtTheTarget) {
  cShotFiring fire = Firing();
  SHOTLAUNCH launch;
  launch.nW = launch.nH = 16;
  launch.dSpeed = 9;  // not the settings' 4 dots per frame: the lead rewrites it
  chara_->m_nFacing = 1;
  EXPECT_EQ(AimAngleAtTarget(116, 116, fire, &launch), 180.0);  // no target: ahead
  chara_->m_nFacing = 0;
  EXPECT_EQ(AimAngleAtTarget(116, 116, fire, &launch), 0.0);

  cChara& target = AddShooter(2, 1, 300, 100);
  Target(*chara_, 0, target);
  EXPECT_DOUBLE_EQ(AimAngleAtTarget(116, 116, fire, &launch), 180.5);  // straight right, rounded up
  EXPECT_EQ(launch.dSpeed, 9);

  // The target rides the auto-scroll and the shot does not: it is led, and
  // the launch speed becomes the course's.
  play_.m_ScrollX.m_dAutoSpeed = 2;
  play_.m_ScrollX.m_bAutoScroll = 1;
  target.m_bFollowScroll = 1;
  const double led = AimAngleAtTarget(116, 116, fire, &launch);
  EXPECT_TRUE(std::isfinite(led));
  EXPECT_DOUBLE_EQ(launch.dSpeed, 4);
}

TEST_F(ShotFireTest, EveryFormationAndTrajectoryRunsTheSameTwice) {
  cChara& target = AddShooter(2, 1, 400, 300);
  Target(*chara_, 0, target);
  const auto run = [&] {
    ClearShots(play_);
    play_.m_nNextShotId = 0;
    play_.m_Random.Seed(7);
    for (int8_t formation = 0; formation < kFormationCount; ++formation) {
      for (int8_t kind = 0; kind < kShotMoveTypeCount; ++kind) {
        set_.m_nFormation = formation;
        set_.m_nMoveType = kind;
        set_.m_nCount = 3;
        set_.m_nClones = 1;
        set_.m_nSpread = 15;
        set_.m_bAim = static_cast<int8_t>(kind % 2);
        set_.m_nFormationParam[0] = 2;
        set_.m_nFormationParam[1] = 2;
        set_.m_nFormationParam[2] = 1;
        set_.m_nMoveTypeParam[0] = 1;
        set_.m_nMoveTypeParam[1] = 20;
        set_.m_nDirection = static_cast<int8_t>(kind);
        FireShot(Firing());
      }
    }
    for (int32_t pass = 1; pass <= 60; ++pass) RunShotPass(play_, pass % 2);
    return StateDigest(play_);
  };
  const uint64_t first = run();
  EXPECT_GT(play_.m_nNextShotId, 100);
  EXPECT_EQ(run(), first);
}

}  // namespace
