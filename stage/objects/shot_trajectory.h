#pragma once
// The trajectories of the projectiles, one updater per kind of "移動タイプ",
// run once per pass by cShot::Update.
//
//   shot.m_Settings.m_nMoveType = kShotWave;
//   RunShotTrajectory(shot);     // g_ShotTrajectoryTable[8]: the wave's first pass
//
// An updater turns the shot's own velocity (m_dTrajVX, m_dTrajVY), its
// inertia pair (the acceleration's direction) or its flying flag; the charas
// it aims at are looked up again on the pass it aims.

#include "records/script/ed_shot.h"

class cShot;

using ShotTrajectoryFn = void (*)(cShot& shot);

extern const ShotTrajectoryFn g_ShotTrajectoryTable[kShotMoveTypeCount];

// The updater of the shot's kind; a kind the table does not hold flies
// straight.
void RunShotTrajectory(cShot& shot);
