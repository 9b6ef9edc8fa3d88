// The trajectory updaters of g_ShotTrajectoryTable and cShot::SteerTo.
#include "stage/objects/shot_trajectory.h"

#include <cmath>

#include "core/math/truncate.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/chara.h"
#include "stage/objects/chara_search.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/shot.h"
#include "stage/objects/stage_play.h"
#include "stage/objects/wave.h"

namespace shot_trajectory {

constexpr double kDegreesPerRadian = 57.29577951308232;
constexpr double kRadiansPerDegree = 0.017453292519943295;

int32_t Param(const cShot& shot, int32_t i) { return shot.m_Settings.m_nMoveTypeParam[i]; }

// Passes until a distance of `halfBlocks` is covered at v per pass; 0 for a
// shot that does not move.
int32_t PassesToCover(int32_t halfBlocks, double v) {
  return v != 0 ? TruncToInt(halfBlocks * 16 / v) : 0;
}

cCharaBase* Hero() { return g_Heroes.empty() ? nullptr : &g_Heroes.front(); }

// The nearest chara of a faction's object group to the shot; a faction the
// data names outside the groups has no charas.
cCharaBase* NearestOfFaction(const cShot& shot, int32_t faction) {
  cVector<cList<int32_t>>& groups = g_lpSceneStagePlay->m_ObjGroup;
  if (faction < 0 || faction >= groups.VectorSize()) return nullptr;
  return FindNearestCharaAt(shot.ScreenCenterX(), shot.ScreenCenterY(), groups.CheckedVectorAt(faction));
}

cCharaBase* LiveTarget(const cShot& shot) {
  cCharaBase* target = FindCharaById(shot.m_lpTarget);
  return target != nullptr && target->m_bDead == 0 ? target : nullptr;
}

// The chara an aiming or homing kind turns to, looked up on the pass it does.
cCharaBase* TargetOfKind(const cShot& shot) {
  switch (shot.m_Settings.m_nMoveType) {
    case kShotAimHero:
    case kShotHomeHero:
      return Hero();
    case kShotAimNearest:
      return NearestOfFaction(shot, Param(shot, 1));
    case kShotHomeNearest:
    case kShotHomeNearestNext:
      return NearestOfFaction(shot, Param(shot, 2));
    case kShotAimTarget:
    case kShotHomeTarget:
      return LiveTarget(shot);
    default:
      return nullptr;
  }
}

void AimVelocity(const cShot& shot, const cCharaBase& target, double* vx, double* vy) {
  int32_t dir = 0;
  shot.CalcAimVelocity(vx, vy, &dir, &target, shot.ScreenCenterX(), shot.ScreenCenterY(), target.ScreenCenterX(),
                       target.ScreenCenterY(), shot.m_dTrajSpeed, shot.m_bFollowScroll, 1, 0);
}

void StartTurn(cShot& shot) {
  shot.m_dTrajSpeed = shot.CloneSpeedPerPass();
  if (Param(shot, 0) != 0) shot.m_nTrajStart = PassesToCover(Param(shot, 0), shot.m_dTrajSpeed);
}

void DoNothing(cShot&) {}

// Kinds 1 to 3: one re-aim at the target on the pass the turn comes.
void Traj_Aim(cShot& shot) {
  if (shot.m_bTrajDone != 0) return;
  if (shot.m_nTrajPasses == 0) StartTurn(shot);
  if (shot.m_nTrajPasses == shot.m_nTrajStart) {
    shot.UpdateScreenRect();
    if (const cCharaBase* target = TargetOfKind(shot)) {
      AimVelocity(shot, *target, &shot.m_dTrajVX, &shot.m_dTrajVY);
      if (shot.m_bAccel != 0) {
        shot.SplitAcceleration(&shot.m_dInertiaX, &shot.m_dInertiaY, shot.m_dTrajVX, shot.m_dTrajVY);
      }
    }
    shot.m_bTrajDone = 1;
  }
  ++shot.m_nTrajPasses;
}

void Traj_AimHero(cShot& shot) { Traj_Aim(shot); }
void Traj_AimNearest(cShot& shot) { Traj_Aim(shot); }
void Traj_AimTarget(cShot& shot) { Traj_Aim(shot); }

// Kinds 4 to 7: steering at the target from the start to the end of homing;
// the target is looked up again on every pass.
void Traj_Home(cShot& shot) {
  if (shot.m_bTrajDone != 0) return;
  if (shot.m_nTrajPasses == 0) {
    StartTurn(shot);
    if (Param(shot, 1) != 0) shot.m_nTrajEnd = PassesToCover(Param(shot, 1), shot.m_dTrajSpeed);
  }
  if (shot.m_nTrajPasses >= shot.m_nTrajEnd) {
    shot.m_bTrajDone = 1;
  } else if (shot.m_nTrajPasses >= shot.m_nTrajStart) {
    shot.UpdateScreenRect();
    if (const cCharaBase* target = TargetOfKind(shot)) shot.SteerTo(*target);
  }
  ++shot.m_nTrajPasses;
}

void Traj_HomeHero(cShot& shot) { Traj_Home(shot); }
void Traj_HomeNearest(cShot& shot) { Traj_Home(shot); }
void Traj_HomeTarget(cShot& shot) { Traj_Home(shot); }

// A component of the wave's velocity that would cross zero stops at it.
double AddWithoutCrossing(double v, double dv) {
  const double next = v + dv;
  return (v < 0 && next > 0) || (v > 0 && next < 0) ? 0 : next;
}

void StartWave(cShot& shot) {
  const double D = g_Stage.m_dSubSteps;
  const int32_t speed = Param(shot, 1);
  shot.m_nTrajPasses = 1;
  shot.m_nWaveAmplitude = Param(shot, 0) * 16;
  shot.m_dWaveSpare = 0;
  const double a = shot.m_nFacing == 1 ? Param(shot, 2) : Param(shot, 2) + 180.0;
  // A wave of speed 0 does not wave: its phase would be infinite.
  shot.m_dWavePhase = speed != 0 ? D * a / speed : 0;
  const double h = WaveVelocity(shot.m_nWaveAmplitude, speed, &shot.m_dWavePhase, 1, 0);
  double theta = std::atan2(shot.m_dTrajVY, shot.m_dTrajVX) * kDegreesPerRadian;
  if (theta < 0) theta += 360;
  const double c = (theta - 90) * kRadiansPerDegree;
  shot.m_dWaveCos = std::cos(c);
  shot.m_dWaveSin = std::sin(c);
  shot.m_dTrajVX += h * shot.m_dWaveCos;
  shot.m_dTrajVY += h * shot.m_dWaveSin;
}

void Traj_Wave(cShot& shot) {
  if (shot.m_nTrajPasses == 0) {
    StartWave(shot);
  } else {
    const double g = WaveAcceleration(shot.m_nWaveAmplitude, Param(shot, 1), &shot.m_dWavePhase, 1, 0);
    shot.m_dTrajVX = AddWithoutCrossing(shot.m_dTrajVX, g * shot.m_dWaveCos);
    shot.m_dTrajVY = AddWithoutCrossing(shot.m_dTrajVY, g * shot.m_dWaveSin);
  }
  if (shot.m_bAccel != 0) {
    shot.SplitAcceleration(&shot.m_dInertiaX, &shot.m_dInertiaY, shot.m_dTrajVX, shot.m_dTrajVY);
  }
}

// Kind 9: from the turn on the shot walks, so gravity takes it.
void Traj_Fall(cShot& shot) {
  if (shot.m_bTrajDone != 0) return;
  if (shot.m_nTrajPasses == 0) StartTurn(shot);
  if (shot.m_nTrajPasses >= shot.m_nTrajStart) {
    shot.m_dVY = shot.m_dTrajVY;
    shot.m_bFlying = 0;
    shot.m_bTrajDone = 1;
  }
  ++shot.m_nTrajPasses;
}

}  // namespace shot_trajectory

const ShotTrajectoryFn g_ShotTrajectoryTable[kShotMoveTypeCount] = {
    shot_trajectory::DoNothing,        shot_trajectory::Traj_AimHero,     shot_trajectory::Traj_AimNearest,
    shot_trajectory::Traj_AimTarget,   shot_trajectory::Traj_HomeHero,    shot_trajectory::Traj_HomeNearest,
    shot_trajectory::Traj_HomeTarget,  shot_trajectory::Traj_HomeNearest, shot_trajectory::Traj_Wave,
    shot_trajectory::Traj_Fall,
};

void RunShotTrajectory(cShot& shot) {
  const int32_t kind = shot.m_Settings.m_nMoveType;
  if (kind < 0 || kind >= kShotMoveTypeCount) return;
  g_ShotTrajectoryTable[kind](shot);
}

void cShot::SteerTo(const cCharaBase& target) {
  double vx = 0;
  double vy = 0;
  shot_trajectory::AimVelocity(*this, target, &vx, &vy);
  if (m_bAccel == 0 || m_nTrajPasses == m_nTrajStart) {
    m_dTrajVX = vx;
    m_dTrajVY = vy;
  }
  SplitAcceleration(&m_dInertiaX, &m_dInertiaY, vx, vy);
}
