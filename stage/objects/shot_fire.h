#pragma once
// One firing of a shot command or a summon command: the settings and the
// chara's facing become a launch record (SHOTLAUNCH), a formation spawner
// lays out one volley and hands each member to CreateProjectile.
//
//   cShotFiring fire{&play.m_ShotList, &chara, &state, &settings};
//   FireShot(fire);          // "発射数に対する分身数" + 1 volleys of shots
//   SummonCharas(fire2);     // one volley of charas (no shot list)
//
// The launch record is one object per firing: what a step writes into it
// (the speed AimAngleAtTarget rewrites included) carries over to the later
// members and clones. Only FireShot draws random numbers.

#include <cstdint>

#include "core/containers/checked_list.h"
#include "stage/objects/shot.h"

class cCharaBase;
class cEdShot;
class cFlowCmdState;

struct cShotFiring {
  cList<cShot>* lpList = nullptr;  // the scene's shot list; null for a summon
  cCharaBase* lpChara = nullptr;   // the firing chara
  cFlowCmdState* lpState = nullptr;  // its command's state (the command's kind decides what is made)
  cEdShot* lpSet = nullptr;
};

void FireShot(const cShotFiring& fire);
void SummonCharas(const cShotFiring& fire);
void SummonItems(const cShotFiring& fire);
void SummonBlocks(const cShotFiring& fire);

// The absolute direction code of the settings for the chara (2, 3, 6 to 11;
// anything else fires nothing): "入力方向" is the direction pressed when the
// running flow started.
int32_t ResolveFiringDirection(const cShotFiring& fire);
// The same for a setting, facing, start input and replay (bReplay, its file
// version); 0 for a code no formation knows.
int32_t ResolveDirectionSetting(int32_t setting, int32_t facing, int32_t inputDirection, int32_t bReplay,
                                int32_t nReplayVersion);
// Angle of a direction code in degrees; 0 for codes without one.
int32_t DirectionAngle(int32_t code);

// The degrees from (x, y) to the chara's target (the settings' aiming slot);
// may rewrite launch->dSpeed when the target rides the auto-scroll.
double AimAngleAtTarget(int32_t x, int32_t y, const cShotFiring& fire, SHOTLAUNCH* launch);

// Runs formation spawner m_nFormation of the settings (0 to 5; others fire
// nothing) for one volley.
void SpawnFormation(const cShotFiring& fire, SHOTLAUNCH& launch);

// What one placed member of a volley stands for, by the state's command
// kind: 11 a shot, 13 a block, 14 charas, 15 an item; always 0.
int32_t CreateProjectile(const cShotFiring& fire, const SHOTLAUNCH& launch);
// The pairs a newly listed shot puts at its target (trajectories 3 and 6
// only; others forget the target) and its shooter, never twice. The shot
// and sword commands share it.
void LinkShotToCharas(cShot& shot);
