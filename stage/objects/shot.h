#pragma once
// cShot: a shot of the running stage (cStagePlay::m_ShotList): a projectile
// fired by a shot command, or the blade of a sword command that follows its
// owner through the steps of a sword type. Known by its serial (m_nId).
//
//   cShot shot;                                        // empty, default settings
//   shot.Init(play.m_nNextShotId, shooter, 11, settings, launch);
//   AddShot(play, shot);                               // the list holds the copy
//   ++play.m_nNextShotId;
//   ...
//   if (shot.Update() != 0) it = play.RemoveShotNode(it);   // one pass
//
// Every shot keeps a full copy of the settings it was made from. The charas it
// names are held by run-time id (m_lpTarget, m_lpShooter, m_HitList): an
// erased chara resolves to none, and a later chara never inherits a hit. The
// target and the shooter know the shot through their m_ShotLinks
// ({serial, kShotLinkHoming} / {serial, kShotLinkOwner}) and clear these ids
// when they die or are erased; ReleaseLinks removes the pairs when the shot
// goes first.
//
// Speeds are dots per pass (one physics sub-step); D is g_Stage's sub-step
// count as a double.

#include <cstdint>

#include "core/containers/checked_vector.h"
#include "records/script/ed_shot.h"
#include "stage/objects/drect.h"
#include "stage/objects/game_object.h"

class cCharaBase;
class cSwordTypeEntry;
struct cCharaDrawList;

// Shot command kinds: a projectile, a sword.
inline constexpr int32_t kShotKindProjectile = 11;
inline constexpr int32_t kShotKindSword = 12;

// An attack box: offset within the body and size.
struct SHOTBOX {
  int32_t nOffsetX = 0;
  int32_t nOffsetY = 0;
  int32_t nWidth = 0;
  int32_t nHeight = 0;

  void VisitState(cStateVisitor& visitor);
};

// The launch record a formation fills for each projectile (one object per
// firing: what a step writes into it carries over to the later projectiles).
// Speeds are dots per frame.
struct SHOTLAUNCH {
  int16_t nIndex = 0;    // clone index
  double dSpeed = 0;     // launch speed ("速度" x 0.1 plus the clone steps)
  int32_t nAngle = 0;    // angle offset, degrees
  int32_t nRange = 0;    // half blocks
  int32_t nLife = 0;     // tenths of a second
  double dVX = 0;        // launch velocity: the speed split by the direction
  double dVY = 0;
  int32_t nX = 0;        // top-left of the projectile, stage dots
  int32_t nY = 0;
  int32_t nOriginX = 0;  // first position of the formation
  int32_t nOriginY = 0;
  int32_t nStepX = 0;    // between projectiles of a row
  int32_t nStepY = 0;
  int32_t nColStepX = 0; // between columns (落雷)
  int32_t nColStepY = 0;
  int32_t nW = 0;        // projectile size in dots
  int32_t nH = 0;
  int32_t nOffX = 0;     // launch offsets
  int32_t nOffY = 0;
  int32_t nDir = 0;      // resolved direction code
};

class cShot final : public cGameObject {
 public:
  // First, next to the end of the base part: what the contact pass reads of
  // every shot (the attack box and the pending mark) and the state every
  // pass steps, so that the walks over all the shots touch few cache lines.
  int32_t m_bVanishPending = 0;  // removed at the end of the contact pass
  int32_t m_bShot = 0;       // 1 projectile, 0 sword
  double m_dAtkLeft = 0;     // the attack box in stage dots, edges included
  double m_dAtkTop = 0;
  double m_dAtkRight = 0;
  double m_dAtkBottom = 0;
  int32_t m_nRangeLeft = 0;  // passes left until the range is reached
  int32_t m_nLifeLeft = 0;   // passes left of the lifetime
  double m_dTrajVX = 0;      // the trajectory's own velocity
  double m_dTrajVY = 0;
  int32_t m_nTrajPasses = 0; // passes counted by the trajectory (sword: of its step)
  int32_t m_bTrajDone = 0;
  int32_t m_bAccel = 0;
  SHOTBOX m_rcAtk;           // scaled
  int32_t m_nOwnerId = -1;   // the chara that fired it (the sword follows it)
  int32_t m_nSwordStep = 0;
  double m_dAccel = 0;       // per pass, 0 when off
  double m_dTrajSpeed = 0;   // per pass, when the trajectory re-aims or homes
  int32_t m_nTrajStart = 0;  // pass of the trajectory's turn
  int32_t m_nTrajEnd = 0;    // pass at which homing ends
  double m_dWavePhase = 0;
  double m_dWaveSpare = 0;   // zeroed when the wave starts
  double m_dWaveSin = 0;     // unit vector across the direction of travel
  double m_dWaveCos = 0;
  SHOTBOX m_rcAtkBase;       // unscaled
  cVector<int32_t> m_HitList;  // ids of the charas already hit (each once)
  cEdShot m_Settings;
  int32_t m_lpTarget = -1;   // the shooter's target (trajectories 3 and 6), -1 none
  int32_t m_lpShooter = -1;  // the chara that fired it, -1 once it died or went
  int32_t m_bHitTrigger = 0;     // a hit fires trigger 20 on the shooter
  uint8_t m_byHitFlowId = 0;     // with this flow id
  int32_t m_nWaveAmplitude = 0;  // the wave's amplitude in dots

  cShot();
  cShot(const cShot&) = default;
  cShot& operator=(const cShot&) = default;
  // ReleaseLinks first.
  ~cShot() override;

  // Ready to run: a projectile (kind 11) from a launch record, or a sword
  // (kind 12) from the first step of its sword type. settings' size is
  // raised to at least 1 where it lies; the shot keeps a copy of all of it.
  void Init(int32_t id, cCharaBase* shooter, int32_t kind, cEdShot* settings, const SHOTLAUNCH* launch);

  // One pass of the shot's own state (trajectory, lifetime, range, sword
  // steps); 1 asks for its removal.
  int32_t Update();
  // One pass of motion on each axis; always 0.
  int32_t MoveX();
  int32_t MoveY();
  // 1 when a cell the shot covers is solid for it.
  int32_t HitsBlock() const;
  // Keeps x inside the stage; 3 when the shot had to be moved, else 0.
  int32_t ClampX();
  // What drawing the shot changes: a projectile's animation steps unless
  // paused; the pattern drawn, -1 for a hidden shot or a sword (a sword's
  // picture is its sword type's step). With a list, appends what the pixels
  // need (nothing for a hidden shot or a picture that does not exist).
  int32_t StepDraw(int32_t paused, cCharaDrawList* lpDraw = nullptr);
  // m_dAccel split along (vx, vy), each component per pass.
  void SplitAcceleration(double* ax, double* ay, double vx, double vy) const;
  // One pass of a sword; 1 when it ends.
  int32_t StepSword();
  // Turns the trajectory velocity at target (a homing pass).
  void SteerTo(const cCharaBase& target);
  // Takes the shot's pairs out of its target's and shooter's link lists (only
  // the listed shot owns pairs; a temporary of the same serial has none) and
  // forgets both.
  void ReleaseLinks();

  // The faction list of m_ShotLayers the shot sits in.
  int32_t Faction() const { return m_Settings.m_nGroup; }
  // The trajectory's speed per pass: ("速度" + the clone steps) x 0.1 / D.
  double CloneSpeedPerPass() const;
  // The attack box as a rectangle.
  DRECT AttackRect() const { return {m_dAtkLeft, m_dAtkTop, m_dAtkRight, m_dAtkBottom}; }

  void OnScaleChanged(int32_t newScale) override;
  void AdjustYForScale(int32_t newScale, int32_t oldScale, int32_t flag) override;
  void UpdateBoxX() override;
  void UpdateBoxY() override;

  void VisitState(cStateVisitor& visitor) override;

 private:
  // Base velocity of a pass: the auto-scroll it follows, if any.
  void SetBaseVelocity();
  // The range switch's part of a pass; 1 when the shot ends at its range.
  int32_t StepRange();
  // Init's range rule: the passes to the range, or one frame for a range
  // covered within one.
  void SetRange(const SHOTLAUNCH& fire);
  // StepSword's placement of the sword beside its owner.
  void PlaceSword(const cCharaBase& owner, const cSwordTypeEntry& step);
};

// tenths of a second as passes of g_Stage (x L x 6), formed in 64 bits and
// held to the int32 range: data may hold any duration.
int32_t PassesOfTenths(int64_t tenths);
