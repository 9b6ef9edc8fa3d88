#include "tools/sample/data/sample_bench_stage.h"

#include "records/script/ed_shot.h"
#include "records/stage/erase_area.h"

#include "tools/sample/data/sample_commands.h"
#include "tools/sample/data/sample_database.h"
#include "tools/sample/data/sample_palette.h"
#include "tools/sample/sample_catalog.h"

namespace sample_bench_stage {

constexpr char kPath[] = "data\\stg4\\bench.stg4_000";
constexpr char kTitle[] = "ベンチマーク";

// Rows: the floor's top row, and the two ledges above it. The hero stands
// left of a low wall that keeps the walkers from it; the shooters hover in
// the open rows above the upper ledge, so their shots fly unhindered.
constexpr int32_t kFloorRow = 37;
constexpr int32_t kLowerLedgeRow = 26;
constexpr int32_t kUpperLedgeRow = 14;
constexpr int32_t kWallColumn = 4;
constexpr int32_t kWallHeight = 3;
constexpr int32_t kLedgeFirstColumn = 6;
constexpr int32_t kLedgePeriod = 30;  // each run of ledge is followed by a gap
constexpr int32_t kLedgeRun = 24;
constexpr int32_t kShooterTopRow = 2;
constexpr int32_t kShooterRows = 6;

// Everyone acts wherever the view is.
constexpr int8_t kActiveEverywhere = 3;
constexpr int8_t kFlyHittingBlocks = 2;

struct cEnemyLook {
  int8_t graphicSource;
  int16_t graphic;
  int16_t animeSet;
};

cCharaDef EnemyAt(const cEnemyLook& look, int32_t x, int32_t y) {
  cCharaDef chara;
  chara.m_nGraphicSource = look.graphicSource;
  chara.m_nGraphic = look.graphic;
  chara.m_nAnimeSet = look.animeSet;
  chara.m_nControl = cCharaDef::kControlComputer;
  chara.m_nGroup = kGroupEnemy;
  chara.m_nZ = 4;
  chara.m_nFacing = kFacingLeft;
  chara.m_nGiant = 1;
  chara.m_nMaxHp = 1;
  chara.m_nPower = 1;
  chara.m_nStop = 10;
  chara.m_nActiveRange = kActiveEverywhere;
  chara.m_nCarriedItem = -1;
  chara.m_nX = static_cast<int16_t>(x);
  chara.m_nY = static_cast<int16_t>(y);
  return chara;
}

// A brick-faced solid that hovers and sways four blocks left and back.
cCharaDef PlatformAt(int32_t x, int32_t y) {
  cCharaDef platform = EnemyAt({kPartGraphicBlock, kBlockBrick, kAnimeSetStill}, x, y);
  platform.m_strName = "足場";
  platform.m_bBlockChara = 1;
  platform.m_nFly = kFlyHittingBlocks;
  platform.m_Flows = {FlowOf({MoveCmd(kFlowCmdLinearMove, kDirLeft, 10, 20), MoveCmd(kFlowCmdLinearMove, kDirRight, 10, 20)})};
  return platform;
}

// Hovers and fires a long-lived shot to the front every 0.3 s (a wait of
// 0.2 s and the shot's own tenth): with 100 of them about 2000 shots are in
// the air at once.
cCharaDef ShooterAt(int32_t x, int32_t y, int8_t facing) {
  cCharaDef shooter = EnemyAt({kPartGraphicChara, kCharaShooter, kAnimeSetStill}, x, y);
  shooter.m_strName = "連射ドン";
  shooter.m_nFly = kFlyHittingBlocks;
  shooter.m_nFacing = facing;
  shooter.m_bFixedFacing = 1;
  // 67 half blocks at 3 dots a frame: each shot lives about 350 frames.
  cFlowCmd shot = ShotCmd({kShotEnemy, 30, 67, 1, kGroupEnemy, kSoundNone});
  shot.m_Shot->m_bShotOpt6 = 1;  // the range ends the shot
  shooter.m_Flows = {FlowOf({WaitCmd(2), shot})};
  return shooter;
}

cCharaDef WalkerAt(int32_t x, int32_t y) {
  cCharaDef walker = EnemyAt({kPartGraphicChara, kCharaWalker, kAnimeSetWalker}, x, y);
  walker.m_strName = "テクテク";
  walker.m_Flows = {FlowOf({MoveCmd(kFlowCmdGroundMove, kDirFront, 10, 50)})};
  return walker;
}

// Stands where it lands: on a platform, it rides it.
cCharaDef RiderAt(int32_t x, int32_t y) {
  cCharaDef rider = EnemyAt({kPartGraphicChara, kCharaWalker, kAnimeSetWalker}, x, y);
  rider.m_strName = "のっかり";
  rider.m_Flows = {FlowOf({WaitCmd(10)})};
  return rider;
}

cCharaDef HopperAt(int32_t x, int32_t y) {
  cCharaDef hopper = EnemyAt({kPartGraphicChara, kCharaHopper, kAnimeSetWalker}, x, y);
  hopper.m_strName = "ピョン";
  hopper.m_Flows = {FlowOf({WaitCmd(12), JumpCmd(5, kSoundNone)})};
  return hopper;
}

bool IsLedgeColumn(int32_t x) { return x >= kLedgeFirstColumn && x % kLedgePeriod < kLedgeRun; }

void PlaceBlocks(cStageData& stage, const cCommonPalette& palette) {
  for (int32_t y = kFloorRow; y < kHeight; ++y) {
    for (int32_t x = 0; x < kWidth; ++x) PlaceBlock(stage, palette, kBlockGround, x, y);
  }
  for (int32_t y = kFloorRow - kWallHeight; y < kFloorRow; ++y) PlaceBlock(stage, palette, kBlockBrick, kWallColumn, y);
  for (int32_t row : {kLowerLedgeRow, kUpperLedgeRow}) {
    for (int32_t x = 0; x < kWidth; ++x) {
      if (IsLedgeColumn(x)) PlaceBlock(stage, palette, kBlockBrick, x, row);
    }
  }
}

// The platforms hang three rows over the floor and the lower ledge, each
// with a rider dropped onto it; the shooters fill the sky; the rest walk or
// hop on the floor and both ledges.
void PlaceCharas(cStageData& stage) {
  for (int32_t p = 0; p < kPlatforms; ++p) {
    const int32_t x = 8 + p * 5;
    const int32_t y = (p % 2 == 0 ? kFloorRow : kLowerLedgeRow) - 4;
    stage.m_PlacedCharas.push_back(PlatformAt(x, y));
    stage.m_PlacedCharas.push_back(RiderAt(x, y - 2));
  }
  for (int32_t s = 0; s < kShooters; ++s) {
    const int8_t facing = s % 2 == 0 ? kFacingLeft : kFacingRight;
    stage.m_PlacedCharas.push_back(ShooterAt(1 + s * 3, kShooterTopRow + s % kShooterRows, facing));
  }
  constexpr int32_t kFloorRows[] = {kFloorRow - 1, kLowerLedgeRow - 1, kUpperLedgeRow - 1};
  const int32_t rest = kCharas - 2 * kPlatforms - kShooters;
  for (int32_t i = 0; i < rest; ++i) {
    const int32_t x = kWallColumn + 2 + (i * 7) % (kWidth - kWallColumn - 3);
    const int32_t y = kFloorRows[i % 3];
    stage.m_PlacedCharas.push_back(i % 2 == 0 ? WalkerAt(x, y) : HopperAt(x, y));
  }
}

void WriteHeader(cStageData& stage) {
  stage.m_strText = kTitle;
  stage.m_nWidth = kWidth;
  stage.m_nHeight = kHeight;
  stage.m_nFps = 60;
  stage.m_dGravity = 1.5;
  stage.m_nCollisionLevel = 10;
  // The grid probes and the scroll reach the whole stage.
  stage.m_nScrollExtraX = kWidth * 32;
  stage.m_nScrollExtraY = kHeight * 32;
  stage.m_nScrollLimitRight = kWidth - 1;
  stage.m_nScrollLimitBottom = kHeight - 1;
  stage.m_nBgm = kBgmStage;
  stage.m_nBgmOption = 1;
  cBackLayer sky;
  sky.m_strImage = kStageBackFile;
  sky.m_dSpeedX = 0.25;
  stage.m_BackLayers = {sky};
  stage.m_VarNames.assign(kStageVarNames, cVarName());
  // The shots live out their range wherever the view is.
  stage.m_EraseAreas.CheckedVectorAt(kEraseOtherShots) = cEraseArea();
}

}  // namespace sample_bench_stage

cSampleStage BuildSampleBenchStage(const cCommonPalette& palette) {
  using namespace sample_bench_stage;
  cSampleStage sample{kPath, cStageData()};
  cStageData& stage = sample.stage;
  WriteHeader(stage);
  cCharaDef hero = palette.m_CharaPalette.CheckedVectorAt(kCharaHero);
  hero.m_nX = 1;
  hero.m_nY = kFloorRow - 1;
  hero.m_nCarriedItem = -1;
  stage.m_PlacedCharas.push_back(hero);
  PlaceBlocks(stage, palette);
  PlaceCharas(stage);
  return sample;
}
