#include "tools/sample/data/sample_showcase_stages.h"

#include <array>

#include "records/script/condition.h"
#include "records/script/ed_move.h"
#include "records/script/ed_shot.h"
#include "tools/sample/data/sample_commands.h"
#include "tools/sample/data/sample_conditions.h"
#include "tools/sample/data/sample_database.h"
#include "tools/sample/data/sample_palette.h"
#include "tools/sample/sample_catalog.h"

namespace sample_showcase_stages {

constexpr int32_t kWidth = 40;
constexpr int32_t kHeight = 15;
constexpr int32_t kGroundRow = 12;
// Sides besides the hero's and the enemies': the lift and the gatekeeper
// belong to nobody's fight, the director to a side of its own.
constexpr int8_t kGroupNeutral = 6;
constexpr int8_t kGroupDirector = 7;
constexpr int8_t kInvincibleShotsPass = 2;
constexpr int8_t kFlyThroughBlocks = 1;
constexpr int8_t kActiveEverywhere = 3;
constexpr int8_t kSlotFirst = 0;

// Parameters of the commands this stage gives by number.
constexpr int32_t kWhomHero = 0;
constexpr int32_t kTurnTowardTarget1 = 2;
constexpr int32_t kFlowOpStart = 0;
constexpr int32_t kFlowScopeById = 2;
constexpr int32_t kVanishDescendants = 2;
constexpr int32_t kVanishOwnShots = 3;
constexpr int32_t kStateVanish = 0;
constexpr int32_t kStateTransparent = 1;
constexpr int32_t kNextStageByPath = 2;
constexpr int32_t kBackgroundToggle = 2;
constexpr int32_t kTimedShow = 2;
constexpr int32_t kCommonPaletteRef = 0;
constexpr int32_t kStagePaletteRef = 1;
constexpr int8_t kFlowIdB = 2;
constexpr int8_t kFlagInvincible = 4;  // of the state-flag condition
constexpr int8_t kStatusHp = 1;
constexpr int8_t kSystemScore = 3;
// The shot command's row of its speed, for a variable link.
constexpr int32_t kShotSpeedRow = 18;
constexpr int32_t kLinkAssign = 0;
constexpr int32_t kLinkStageVar = 1;

// The child the summoner calls: entry 1 of the stage's own chara palette.
constexpr int16_t kStageChild = 1;

cCharaDef ComputerChara(const char* name, int16_t graphic, int16_t animeSet, int8_t group, int32_t hp) {
  cCharaDef chara;
  chara.m_strName = name;
  chara.m_nGraphicSource = kPartGraphicChara;
  chara.m_nGraphic = graphic;
  chara.m_nAnimeSet = animeSet;
  chara.m_nControl = cCharaDef::kControlComputer;
  chara.m_nGroup = group;
  chara.m_nZ = 4;
  chara.m_nFacing = kFacingLeft;
  chara.m_nGiant = 1;
  chara.m_nMaxHp = hp;
  chara.m_nImpact = 4;
  chara.m_nStop = 10;
  chara.m_nDeathEffect = 1;
  // Every station keeps running while the hero is elsewhere, so a run of
  // the stage shows all of them at work.
  chara.m_nActiveRange = kActiveEverywhere;
  return chara;
}

cCharaDef Placed(cCharaDef chara, int32_t x, int32_t y) {
  chara.m_nX = static_cast<int16_t>(x);
  chara.m_nY = static_cast<int16_t>(y);
  chara.m_nCarriedItem = -1;
  return chara;
}

cFlowCmd Timed(cFlowCmd command, int16_t tenths) {
  command.m_nDuration = tenths;
  return command;
}

// Commands before the stage starts run only when they run alongside the
// flow's others.
cFlowCmd Parallel(cFlowCmd command) {
  command.m_bParallel = 1;
  return command;
}

// Heard wherever the chara is, so every station is heard whichever part of
// the gallery the screen shows.
cFlowCmd SoundCmd(int32_t sound) {
  cFlowCmd command = CommandOf(kCmdSetFlow, kFlowCmdSound, {sound});
  command.m_bSoundOnScreenOnly = 0;
  return command;
}
cFlowCmd CharaEffectCmd() { return CommandOf(kCmdSetFlow, kFlowCmdCharaEffect, {1, 0, 0}); }
cFlowCmd TargetHeroCmd() { return CommandOf(kCmdSetFlow, kFlowCmdSetTarget, {kSlotFirst, kWhomHero}); }
cFlowCmd SetStateCmd(int32_t state, int32_t value) {
  return CommandOf(kCmdSetFlow, kFlowCmdStatus2, {0, state, value});
}

cFlow WithConditions(cFlow flow, std::initializer_list<cCondition> conditions) {
  flow.m_Conditions = conditions;
  flow.m_nCondMode = kCondListAll;
  return flow;
}

// The shooting gallery: each turret fires its formation along two
// trajectories, so the six of them show every formation and every
// trajectory.
struct TurretDesc {
  int8_t formation;
  int8_t count;
  std::array<int16_t, 3> formationParams;
  std::array<int8_t, 2> trajectories;
};
constexpr TurretDesc kTurrets[] = {
    {kFormationStraightA, 3, {1, 0, 0}, {kShotStraight, kShotHomeTarget}},
    {kFormationStraightB, 3, {1, 0, 0}, {kShotAimHero, kShotHomeNearestNext}},
    {kFormationSpread, 5, {30, 0, 0}, {kShotAimNearest, kShotWave}},
    {kFormationStrike, 2, {2, 3, 2}, {kShotAimTarget, kShotFall}},
    {kFormationBurst, 8, {0, 0, 0}, {kShotHomeHero, kShotWave}},
    {kFormationSurround, 6, {6, 0, 0}, {kShotHomeNearest, kShotAimTarget}},
};

// Trajectory parameters by eShotMoveType: the course change, the side aimed
// at (the hero's) and the homing span; the wave's height and speed.
constexpr std::array<std::array<int16_t, 3>, kShotMoveTypeCount> kTrajectoryParams = {{
    {0, 0, 0}, {0, 0, 0}, {0, kGroupHero, 0}, {0, 0, 0}, {0, 999, 0},
    {0, 999, kGroupHero}, {0, 999, 0}, {0, 999, kGroupHero}, {4, 4, 0}, {2, 0, 0},
}};

cFlowCmd TurretVolley(const TurretDesc& turret, int8_t trajectory) {
  cVolleyDesc volley{};
  volley.shot = {kShotEnemy, 30, 24, 1, kGroupEnemy, kSoundNone};
  volley.nFormation = turret.formation;
  volley.nCount = turret.count;
  volley.formationParams = turret.formationParams;
  volley.nMoveType = trajectory;
  volley.moveTypeParams = kTrajectoryParams[static_cast<std::size_t>(trajectory)];
  // A falling shot is thrown upward first.
  volley.nDirection = trajectory == kShotFall ? kDirUpLeft : kDirFront;
  volley.nTargetSlot = kSlotFirst;
  // Hits hurt but do not push: a hero under fire can still jump the wall.
  cFlowCmd command = VolleyCmd(volley);
  command.m_Shot->m_nImpact = 0;
  return command;
}

cCharaDef Turret(const TurretDesc& turret) {
  cCharaDef chara = ComputerChara("砲台", kCharaShooter, kAnimeSetStill, kGroupEnemy, 3);
  chara.m_nPower = 1;
  chara.m_nScore = 100;
  chara.m_Flows = {FlowOf({TargetHeroCmd(), WaitCmd(15), TurretVolley(turret, turret.trajectories[0]), WaitCmd(15),
                           TurretVolley(turret, turret.trajectories[1])})};
  return chara;
}

// Runs through every kind of movement, then stands a moment.
cCharaDef Mover() {
  cCharaDef chara = ComputerChara("うごくん", kCharaWalker, kAnimeSetWalker, kGroupEnemy, 5);
  cFlowCmd circle = MoveCmd(kFlowCmdCircleMove, 0, 30, 20);
  circle.m_Move->m_nDistance = 2;
  circle.m_Move->m_nAngle = 0;
  circle.m_Move->m_nHoming = 360;
  cFlowCmd homing = MoveCmd(kFlowCmdHomingMove, kDirFront, 15, 15);
  homing.m_Move->m_nTargetSlot = kSlotFirst;
  chara.m_Flows = {
      FlowOf({TargetHeroCmd(), MoveCmd(kFlowCmdLinearMove, kDirRight, 20, 10), MoveCmd(kFlowCmdGroundMove, kDirFront, 15, 10),
              Timed(CommandOf(kCmdSetFlow, kFlowCmdFacing, {kTurnTowardTarget1}), 1), circle,
              MoveCmd(kFlowCmdChargeMove, kDirFront, 40, 10), homing,
              MoveCmd(kFlowCmdAvoidMove, kDirFront, 20, 10), Timed(CommandOf(kCmdSetFlow, kFlowCmdDisableMove), 10),
              WaitCmd(5)}),
      // Hops when it stands and the hero comes near.
      WithConditions(FlowOf({JumpCmd(4, kSoundNone), WaitCmd(10)}),
                     {CharaStateCondition(kSubjectSelf, kStateOnBlock, false),
                      DistanceCondition(0, kShapeHorizontal, 6, false)}),
      // Counts its turns in variable 1 and flashes every third.
      FlowOf({WaitCmd(10), TextCmd(kFlowCmdRunCode, "my.v1 = my.v1 + 1")}),
      WithConditions(FlowOf({CharaEffectCmd(), TextCmd(kFlowCmdRunCode, "my.v1 = 0")}),
                     {VariableCondition(kCondCharaVar, 0, kCompareAtLeast, 3)}),
  };
  return chara;
}

// A moving platform the hero can ride; it sounds when ridden.
cCharaDef Lift() {
  cCharaDef chara = ComputerChara("リフト", kCharaHopper, kAnimeSetStill, kGroupNeutral, 1);
  chara.m_bBlockChara = 1;
  chara.m_nFly = kFlyThroughBlocks;
  chara.m_nInvincible = kInvincibleShotsPass;
  chara.m_bFixedFacing = 1;
  chara.m_Flows = {
      FlowOf({MoveCmd(kFlowCmdLinearMove, kDirLeft, 10, 20), MoveCmd(kFlowCmdLinearMove, kDirRight, 10, 20)}),
      TriggeredFlow(kTriggerRiddenByHero, {CharaEffectCmd(), WaitCmd(5)}),
      TriggeredFlow(kTriggerRiddenByChara, {SoundCmd(kSoundJump), WaitCmd(5)}),
  };
  return chara;
}

// Swings a sword while it is not invincible; its hits are answered.
cCharaDef Swordsman() {
  cCharaDef chara = ComputerChara("けんし", kCharaWalker, kAnimeSetWalker, kGroupEnemy, 3);
  chara.m_nPower = 1;
  chara.m_nScore = 200;
  chara.m_Flows = {
      WithConditions(FlowOf({WaitCmd(15), SwordCmd(0, 1, kGroupEnemy, kSoundNone)}),
                     {StateFlagCondition(kSubjectSelf, kFlagInvincible, kCompareEqual, 0)}),
      TriggeredFlow(kTriggerAttackDamaged, {SoundCmd(kSoundDamage)}),
      TriggeredFlow(kTriggerAttackImpacted, {CharaEffectCmd()}),
      TriggeredFlow(kTriggerAttackHit,
                    {CommandOf(kCmdSetFlow, kFlowCmdEffect, {kEffectHit, 1, 0, 0, 0, 0, 100, 0})}),
  };
  return chara;
}

// Puts a block ahead, toggles one, erases it again, calls a child and a coin,
// then clears away what it called.
cCharaDef Summoner() {
  cCharaDef chara = ComputerChara("しょうかんし", kCharaShooter, kAnimeSetStill, kGroupEnemy, 3);
  chara.m_bFixedFacing = 1;
  chara.m_Flows = {FlowOf({
      WaitCmd(10),
      SummonCmd(kFlowCmdSummonBlock, {kCommonPaletteRef, kBlockBrick, -64, -32, 0}),
      WaitCmd(10),
      SummonCmd(kFlowCmdSummonBlock, {kCommonPaletteRef, kBlockBrick, -96, -32, 2}),
      WaitCmd(10),
      SummonCmd(kFlowCmdSummonBlock, {kCommonPaletteRef, kBlockBrick, -64, -32, 1}),
      SummonCmd(kFlowCmdSummonChara, {kStagePaletteRef, kStageChild, -32, 0, 0}),
      SummonCmd(kFlowCmdSummonItem, {kCommonPaletteRef, kItemCoin, -32, -64, 0}),
      WaitCmd(40),
      CommandOf(kCmdSetFlow, kFlowCmdVanish, {kVanishDescendants}),
  })};
  return chara;
}

// The summoner's child walks a while and then vanishes.
cCharaDef Child() {
  cCharaDef chara = ComputerChara("こぶん", kCharaWalker, kAnimeSetWalker, kGroupEnemy, 1);
  chara.m_Flows = {FlowOf({MoveCmd(kFlowCmdGroundMove, kDirFront, 15, 30), SetStateCmd(kStateVanish, 1)})};
  return chara;
}

// Stands in the gallery's fire and answers everything that happens to it.
cCharaDef Dummy() {
  cCharaDef chara = ComputerChara("まと", kCharaHopper, kAnimeSetWalker, kGroupEnemy, 999);
  chara.m_nScore = 500;
  // It never pushes: a hero pressed against it still jumps over.
  chara.m_nImpact = 0;
  chara.m_Flows = {
      TriggeredFlow(kTriggerDamaged, {SoundCmd(kSoundDamage)}),
      TriggeredFlow(kTriggerImpacted, {CharaEffectCmd()}),
      TriggeredFlow(kTriggerDied, {SoundCmd(kSoundOneUp)}),
      TriggeredFlow(kTriggerTouchChara, {CharaEffectCmd()}),
      TriggeredFlow(kTriggerTouchBlockChara, {CharaEffectCmd()}),
      TriggeredFlow(kTriggerOnBlockChara, {CharaEffectCmd()}),
      TriggeredFlow(kTriggerTouchShot, {TextCmd(kFlowCmdRunCode, "S4 = S4 + 1")}),
      TriggeredFlow(kTriggerTouchItem, {SoundCmd(kSoundCoin)}),
      TriggeredFlow(kTriggerTouchBlock, {CharaEffectCmd()}),
      TriggeredFlow(kTriggerBlockSide, {CharaEffectCmd()}),
      TriggeredFlow(kTriggerBlockLeft, {CharaEffectCmd()}),
      TriggeredFlow(kTriggerBlockRight, {CharaEffectCmd()}),
      TriggeredFlow(kTriggerBlockUpDown, {CharaEffectCmd()}),
      TriggeredFlow(kTriggerBlockAbove, {CharaEffectCmd()}),
      TriggeredFlow(kTriggerBlockBelow, {CharaEffectCmd()}),
      // Heals itself back to full once it has lost a tenth.
      WithConditions(FlowOf({TextCmd(kFlowCmdRunCode, "my.hp = my.mhp")}),
                     {StatusCondition(kSubjectSelf, kStatusHp, kCompareAtMost, 900)}),
      FlowOf({MoveCmd(kFlowCmdGroundMove, kDirFront, 5, 30)}),
  };
  return chara;
}

// The message of the stage's start: 3 s on screen, the game going on.
cFlowCmd WelcomeMessage() {
  cFlowCmd message = CommandOf(kCmdSetFlow, kFlowCmdMessage);
  message.m_strText = "コマンドの見本市へようこそ！";
  message.m_Params.CheckedVectorAt(6) = kTimedShow;
  message.m_Params.CheckedVectorAt(7) = 30;
  return message;
}

cFlowCmd SignPicture() {
  cFlowCmd picture = CommandOf(kCmdSetFlow, kFlowCmdPicture, {1});
  picture.m_Params.CheckedVectorAt(7) = 100;
  picture.m_Params.CheckedVectorAt(8) = kTimedShow;
  picture.m_Params.CheckedVectorAt(9) = 30;
  return picture;
}

// Unseen, it runs the commands of presentation, variables and flows.
cCharaDef Director() {
  cCharaDef chara = ComputerChara("かんとく", kCharaShooter, kAnimeSetStill, kGroupDirector, 1);
  chara.m_bTransparent = 1;
  chara.m_nFly = kFlyThroughBlocks;
  chara.m_nInvincible = kInvincibleShotsPass;
  cVolleyDesc ring{};
  ring.shot = {kShotHero, 20, 6, 0, kGroupDirector, kSoundNone};
  ring.nFormation = kFormationBurst;
  ring.nCount = 4;
  ring.nMoveType = kShotStraight;
  cFlow byOperation = TriggeredFlow(kTriggerByOperation, {SoundCmd(kSoundHeal),
                                                          CommandOf(kCmdSetFlow, kFlowCmdBackground, {1, kBackgroundToggle})});
  byOperation.m_nFlowId = kFlowIdB;
  cFlow show = FlowOf({
      WaitCmd(10),
      CommandOf(kCmdSetFlow, kFlowCmdEffect, {kEffectHit, 2, 0, 0, 0, -32, 100, 0}),
      CharaEffectCmd(),
      CommandOf(kCmdSetFlow, kFlowCmdScrEffect, {1, 0, 0}),
      SoundCmd(kSoundCoin),
      CommandOf(kCmdSetFlow, kFlowCmdGameWait, {3}),
      TextCmd(kFlowCmdRunCode, "S1 = S1 + 1"),
      TextCmd(kFlowCmdRunCode, "S2 = 20 + S1 % 5 * 10 + rand(0, 4)"),
      CommandOf(kCmdSetFlow, kFlowCmdStatus, {1, 1, 3, 0, 0, 1, 0, 1}),
      SetStateCmd(kStateTransparent, 1),
      CommandOf(kCmdSetFlow, kFlowCmdGraphic, {kPartGraphicChara, kCharaHopper, 0}),
      CommandOf(kCmdSetFlow, kFlowCmdAnimeSet, {kAnimeSetWalker}),
      CommandOf(kCmdSetFlow, kFlowCmdAnime, {1}),
      // The ring's speed follows stage variable 2.
      CommandOf(kCmdSetFlow, kFlowCmdArrange, {kFlowCmdShot, kShotSpeedRow, kLinkAssign, kLinkStageVar, 2}),
      CommandOf(kCmdSetFlow, kFlowCmdLoop, {3, 2}),
      VolleyCmd(ring),
      WaitCmd(2),
      CommandOf(kCmdSetFlow, kFlowCmdVanish, {kVanishOwnShots}),
      WarpCmd(kDirRight, 2),
      WarpCmd(kDirLeft, 2),
      CommandOf(kCmdSetFlow, kFlowCmdGetItem, {kCommonPaletteRef, kItemCoin}),
      CommandOf(kCmdSetFlow, kFlowCmdFlowOperation, {kFlowOpStart, kFlowScopeById, kFlowIdB, 0}),
  });
  chara.m_Flows = {
      TriggeredFlow(kTriggerBeforeStart,
                    {Parallel(CommandOf(kCmdSetFlow, kFlowCmdBgm, {kBgmStage, 1})),
                     Parallel(CommandOf(kCmdSetFlow, kFlowCmdScreenColor, {1, 0, 0, 64, 50, 10, 0, 0})),
                     Parallel(CommandOf(kCmdSetFlow, kFlowCmdBackground, {1, 0})), Parallel(WelcomeMessage()),
                     Parallel(SignPicture())}),
      // Common variable 1 is 0 unless another stage set it.
      WithConditions(show, {VariableCondition(kCondCommonVar, 1, kCompareEqual, 0)}),
      byOperation,
      // After three rounds the screen takes another colour.
      WithConditions(FlowOf({CommandOf(kCmdSetFlow, kFlowCmdScreenColor, {1, 0, 64, 0, 50, 10, 0, 0}), WaitCmd(50)}),
                     {VariableCondition(kCondStageVar, 1, kCompareAtLeast, 3),
                      StatusCondition(kSubjectSystem, kSystemScore, kCompareAtLeast, 0)}),
  };
  return chara;
}

// Waits at the far end: the hero reaching it clears the stage, and play goes
// on in the free-play plaza.
cCharaDef Gatekeeper() {
  cCharaDef chara = ComputerChara("もんばん", kCharaHopper, kAnimeSetStill, kGroupNeutral, 1);
  chara.m_nInvincible = kInvincibleShotsPass;
  chara.m_Flows = {WithConditions(FlowOf({TextCmd(kFlowCmdStageClear, kShowcaseNextStage, {kNextStageByPath})}),
                                  {DistanceCondition(0, kShapeCircle, 3, false)})};
  return chara;
}

// The palette's hero, tougher for the gallery, with a sword on down then
// button 3.
cCharaDef ShowcaseHero(const cCommonPalette& palette) {
  cCharaDef hero = palette.m_CharaPalette.CheckedVectorAt(kCharaHero);
  hero.m_nMaxHp = 99;
  hero.m_Flows.push_back(KeySequenceFlow({SwordCmd(0, 1, kGroupHero, kSoundNone)}, {kKeyDown, kKeyButton1 + 2}, 10));
  return hero;
}

void PlaceBlocks(cStageData& stage, const cCommonPalette& palette) {
  for (int32_t y = kGroundRow; y < kHeight; ++y) {
    for (int32_t x = 0; x < kWidth; ++x) PlaceBlock(stage, palette, kBlockGround, x, y);
  }
  // The turrets' ledges, and a block over the dummy's walk for it to bump.
  for (std::size_t i = 0; i < std::size(kTurrets); ++i) PlaceBlock(stage, palette, kBlockBrick, 8 + 5 * static_cast<int32_t>(i), 5);
  PlaceBlock(stage, palette, kBlockBrick, 27, kGroundRow - 3);
}

void PlaceItems(cStageData& stage, const cCommonPalette& palette) {
  for (int32_t x : {5, 6, 7}) {
    cItemDef coin = palette.m_ItemPalette.CheckedVectorAt(kItemCoin);
    coin.m_nX = static_cast<int16_t>(x);
    coin.m_nY = 9;
    stage.m_PlacedItems.push_back(coin);
  }
}

void PlaceCharas(cStageData& stage, const cCommonPalette& palette) {
  // The hero first, so that it is the stage's hero.
  stage.m_PlacedCharas.push_back(Placed(ShowcaseHero(palette), 2, kGroundRow - 1));
  for (std::size_t i = 0; i < std::size(kTurrets); ++i) {
    stage.m_PlacedCharas.push_back(Placed(Turret(kTurrets[i]), 8 + 5 * static_cast<int32_t>(i), 4));
  }
  stage.m_PlacedCharas.push_back(Placed(Director(), 1, 1));
  stage.m_PlacedCharas.push_back(Placed(Lift(), 12, 9));
  stage.m_PlacedCharas.push_back(Placed(Mover(), 20, kGroundRow - 1));
  stage.m_PlacedCharas.push_back(Placed(Dummy(), 25, kGroundRow - 1));
  stage.m_PlacedCharas.push_back(Placed(Swordsman(), 30, kGroundRow - 1));
  stage.m_PlacedCharas.push_back(Placed(Summoner(), 35, kGroundRow - 1));
  stage.m_PlacedCharas.push_back(Placed(Gatekeeper(), 38, kGroundRow - 1));
}

cStageData ShowcaseStage(const cCommonPalette& palette) {
  cStageData stage;
  stage.m_strText = "コマンドの見本市";
  stage.m_nWidth = kWidth;
  stage.m_nHeight = kHeight;
  // The grid probes reach over the whole stage, so summoned blocks anywhere
  // meet what moves there.
  stage.m_nScrollExtraX = kWidth * 32;
  stage.m_nScrollExtraY = kHeight * 32;
  stage.m_nBgm = kBgmStage;
  stage.m_nBgmOption = 1;
  stage.m_bBgmContinue = 1;
  stage.m_bStartBanner2 = 1;
  cBackLayer sky;
  sky.m_strImage = kStageBackFile;
  sky.m_dSpeedX = 0.25;
  stage.m_BackLayers = {sky};
  stage.m_VarNames.assign(kStageVarNames, cVarName());
  stage.m_CharaPalette.resize(1);
  stage.m_CharaPalette.push_back(Child());
  PlaceBlocks(stage, palette);
  PlaceItems(stage, palette);
  PlaceCharas(stage, palette);
  return stage;
}

}  // namespace sample_showcase_stages

std::vector<cSampleStage> BuildShowcaseStages(const cCommonPalette& palette) {
  return {{kShowcaseStageFile, sample_showcase_stages::ShowcaseStage(palette)}};
}
