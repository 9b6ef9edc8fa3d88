// FireShot, the summon contexts, the direction settings and the aiming.
#include "stage/objects/shot_fire.h"

#include <cmath>

#include "core/math/random.h"
#include "core/math/truncate.h"
#include "records/palette/common_palette.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/flow_instance.h"
#include "stage/objects/scene_scroll.h"
#include "stage/objects/stage_play.h"
#include "stage/script/flow_handover.h"

namespace shot_fire {

constexpr double kDegreesPerRadian = 57.29577951308232;

// Indexed by direction code; 0 for the codes that never reach a formation.
constexpr int32_t kDirectionAngle[] = {0, 0, 0, 180, 0, 0, 90, 270, 45, 315, 135, 225};

int32_t StartInputDirection() {
  const cFlowInstance* flow = RunningFlow(*g_lpSceneStagePlay);
  return flow != nullptr ? flow->m_nStartInputDir : 0;
}

cCharaBase* SlotChara(const cCharaBase& chara, int32_t slot) {
  return FindCharaById(chara.m_Targets.CheckedVectorAt(slot));
}

void RefreshComputerChara(cCharaBase* chara) {
  if (chara != nullptr && chara->m_nControl == 1) chara->UpdateScreenRect();
}

// The launch angle of clone i: the offset, mirrored facing right, spread.
int32_t CloneAngle(const cEdShot& set, const cCharaBase& chara, int32_t i) {
  int32_t angle = set.m_nAngle + set.m_nAnglePerClone * i;
  if (set.m_bMirrorAngle != 0 && chara.m_nFacing == 1) angle = 360 - angle;
  if (set.m_nSpread != 0) angle += RandomRange(g_lpSceneStagePlay->m_Random, -set.m_nSpread, set.m_nSpread);
  return angle;
}

// The launch of a summon: one volley at speed 1 without motion.
SHOTLAUNCH SummonLaunch(const cShotFiring& fire, int32_t size) {
  SHOTLAUNCH launch;
  launch.nW = launch.nH = size;
  launch.nDir = ResolveFiringDirection(fire);
  launch.dSpeed = 1.0;
  fire.lpChara->UpdateScreenRect();
  launch.nOffX = TruncToInt(fire.lpSet->OffsetX(0, fire.lpChara->m_nFacing));
  launch.nOffY = TruncToInt(fire.lpSet->OffsetY(0, fire.lpChara->m_nFacing));
  return launch;
}

// The palette of a summon: 0 the common palette, else the stage's; an index
// outside it (taken as unsigned) names nothing.
template <class T>
const T* SummonPart(const cEdShot& set, const cVector<T>& common, const cVector<T>& stage) {
  const cVector<T>& list = set.m_nSummonPalette == 0 ? common : stage;
  const auto index = static_cast<uint16_t>(set.m_nSummonIndex);
  return index < list.size() ? &list.CheckedVectorAt(index) : nullptr;
}

int32_t ScaleDots(int32_t scale) { return (scale <= 0 ? 1 : scale) * 32; }

}  // namespace shot_fire

int32_t DirectionAngle(int32_t code) {
  if (code < 0 || code >= static_cast<int32_t>(std::size(shot_fire::kDirectionAngle))) return 0;
  return shot_fire::kDirectionAngle[code];
}

int32_t ResolveFiringDirection(const cShotFiring& fire) {
  const cReplayPlayback& replay = g_lpSceneStagePlay->m_Replay;
  return ResolveDirectionSetting(fire.lpSet->m_nDirection, fire.lpChara->m_nFacing, shot_fire::StartInputDirection(),
                                 replay.bPlaying, replay.nFileVersion);
}

void FireShot(const cShotFiring& fire) {
  using namespace shot_fire;
  cCharaBase& chara = *fire.lpChara;
  const cEdShot& set = *fire.lpSet;
  SHOTLAUNCH launch;
  launch.nW = launch.nH = (set.m_nSize <= 0 ? 1 : set.m_nSize) * 16;
  launch.nDir = ResolveFiringDirection(fire);
  RefreshComputerChara(&chara);
  RefreshComputerChara(SlotChara(chara, set.m_nTargetSlot));
  if (set.m_nTargetSlot2 != set.m_nTargetSlot) RefreshComputerChara(SlotChara(chara, set.m_nTargetSlot2));
  launch.nAngle = CloneAngle(set, chara, 0);
  launch.dSpeed = set.m_nSpeed * 0.1;
  launch.nRange = set.m_nRange;
  launch.nLife = set.m_nLife;
  for (int32_t i = 0; i <= set.m_nClones; ++i) {
    launch.nIndex = static_cast<int16_t>(i);
    launch.nOffX = TruncToInt(set.OffsetX(i, chara.m_nFacing));
    launch.nOffY = TruncToInt(set.OffsetY(i, chara.m_nFacing));
    SpawnFormation(fire, launch);
    launch.dSpeed += set.m_nSpeedPerClone * 0.1;
    launch.nAngle = CloneAngle(set, chara, i + 1);
    launch.nRange += set.m_nRangePerClone;
    launch.nLife += set.m_nLifePerClone;
  }
}

void SummonCharas(const cShotFiring& fire) {
  const cEdShot& set = *fire.lpSet;
  const cCharaDef* def = shot_fire::SummonPart(set, g_CommonPalette.m_CharaPalette, g_Stage.m_CharaPalette);
  if (def == nullptr || def->m_nControl != cCharaDef::kControlComputer) return;
  SHOTLAUNCH launch = shot_fire::SummonLaunch(fire, shot_fire::ScaleDots(def->m_nGiant));
  SpawnFormation(fire, launch);
}

void SummonItems(const cShotFiring& fire) {
  const cEdShot& set = *fire.lpSet;
  const cItemDef* def = shot_fire::SummonPart(set, g_CommonPalette.m_ItemPalette, g_Stage.m_ItemPalette);
  if (def == nullptr) return;
  SHOTLAUNCH launch = shot_fire::SummonLaunch(fire, shot_fire::ScaleDots(def->m_nScale));
  SpawnFormation(fire, launch);
}

void SummonBlocks(const cShotFiring& fire) {
  const cEdShot& set = *fire.lpSet;
  if (shot_fire::SummonPart(set, g_CommonPalette.m_BlockPalette, g_Stage.m_BlockPalette) == nullptr) return;
  // A toggling volley changes each cell once: the record of toggled cells
  // starts empty with every volley, so the next one can toggle it back.
  if (set.m_nBlockMode == 2) g_lpSceneStagePlay->m_ToggledCells.clear();
  SHOTLAUNCH launch = shot_fire::SummonLaunch(fire, 32);
  SpawnFormation(fire, launch);
}

double AimAngleAtTarget(int32_t x, int32_t y, const cShotFiring& fire, SHOTLAUNCH* launch) {
  using namespace shot_fire;
  const cCharaBase& chara = *fire.lpChara;
  const cEdShot& set = *fire.lpSet;
  const cCharaBase* target = SlotChara(chara, set.m_nTargetSlot);
  if (target == nullptr) return chara.m_nFacing == 1 ? 180.0 : 0.0;
  const double sx = TruncToInt(SceneScrollX().m_dPos);
  const double sy = TruncToInt(SceneScrollY().m_dPos);
  const double tcx = target->ScreenCenterX();
  const double tcy = target->ScreenCenterY();
  const bool still = !SceneScrollX().IsAutoScrolling() && !SceneScrollY().IsAutoScrolling();
  if (still || set.m_bHoming != 0 || target->m_bFollowScroll == 0) {
    return std::atan2(sy + tcy - y, sx + tcx - x) * kDegreesPerRadian + 180 + 0.5;
  }
  // The target rides the scroll and the shot does not: lead it.
  cShot probe;
  cEdShot copy = set;
  probe.Init(kNoLink, fire.lpChara, kShotKindProjectile, &copy, launch);
  probe.m_bFollowScroll = 0;
  const double D = g_Stage.m_dSubSteps;
  const double v = (set.m_nSpeed + set.m_nSpeedPerClone * launch->nIndex) * 0.1 / D;
  double vx = 0;
  double vy = 0;
  int32_t dir = 0;
  probe.CalcAimVelocity(&vx, &vy, &dir, target, x - sx, y - sy, tcx, tcy, v, 0, 1, 0);
  launch->dSpeed = std::sqrt(vx * vx + vy * vy) * D;
  return std::atan2(vy, vx) * kDegreesPerRadian + 180;
}
