// cShot::Init: a shot made ready to run from its settings and launch record.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/math/truncate.h"
#include "records/database/database.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/anime_sequence.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/shot.h"
#include "stage/objects/shot_sword.h"

namespace shot_init {

// Projectiles are drawn from 16-dot cells; their attack box is centred on one.
constexpr int32_t kCell = 16;
constexpr int32_t kStartSequenceSword = 0;
constexpr int32_t kStartSequenceProjectile = 1;
constexpr int32_t kFlyThroughBlocks = 1;

int32_t FacingOf(double vx, const cCharaBase* shooter) {
  if (vx > 0) return 1;
  if (vx < 0) return 0;
  return shooter != nullptr ? shooter->m_nFacing : 0;
}

// The stage's shot attack box: entries 0 and 1 for the player's side,
// 4 and 5 for the computer's.
SHOTBOX ProjectileAttackBox(int32_t shooterControl) {
  const int32_t first = shooterControl == 0 ? 0 : 4;
  const int32_t w = g_Stage.m_ShotBox[first];
  const int32_t h = g_Stage.m_ShotBox[first + 1];
  return {kCell / 2 - (w >> 1), kCell / 2 - (h >> 1), w, h};
}

}  // namespace shot_init

void cShot::Init(int32_t id, cCharaBase* shooter, int32_t kind, cEdShot* settings, const SHOTLAUNCH* launch) {
  using namespace shot_init;
  const SHOTLAUNCH none;
  const SHOTLAUNCH& fire = launch != nullptr ? *launch : none;
  // The size is a signed byte of the data: 0 and below both mean 1.
  if (settings->m_nSize <= 0) settings->m_nSize = 1;
  m_Settings = *settings;

  const int32_t facing = FacingOf(fire.dVX, shooter);
  int32_t width = kCell;
  int32_t height = kCell;
  m_bShot = kind == kShotKindSword ? 0 : 1;
  if (m_bShot == 0) {
    const cSwordTypeEntry* first = SwordStep(m_Settings.m_nMoveType, 0);
    width = first != nullptr ? first->m_nWidth : 0;
    height = first != nullptr ? first->m_nHeight : 0;
  }

  const int32_t control = shooter != nullptr ? shooter->m_nControl : 0;
  m_nOwnerId = shooter != nullptr ? shooter->m_nId : kNoLink;
  cGameObject::Init(id, control, shooter != nullptr ? shooter->m_nPlayer : 0, m_Settings.m_nGroup,
                    m_Settings.m_nGraphic, kShotAnimeTables,
                    m_bShot != 0 ? kStartSequenceProjectile : kStartSequenceSword, 0, 0, width, height, kCell, kCell,
                    facing, kFlyThroughBlocks, fire.nIndex);
  if (m_Settings.m_bShotOpt3 != 0 && shooter != nullptr) {
    m_Settings.m_nGroup = static_cast<int8_t>(shooter->m_nBlockKey);
    m_nBlockKey = shooter->m_nBlockKey;
  }

  m_rcAtk = m_bShot == 0 ? SHOTBOX{0, 0, width, height} : ProjectileAttackBox(control);
  m_rcAtkBase = m_rcAtk;
  SetScale(m_Settings.m_nSize, 1, 1);

  m_dX = fire.nX;
  ClampX();
  m_dY = fire.nY;
  ClampYMode(2);

  const double D = g_Stage.m_dSubSteps;
  m_dTrajVX = fire.dVX / D;
  m_dTrajVY = fire.dVY / D;
  m_bAccel = m_Settings.m_bAccel != 0 ? 1 : 0;
  m_dAccel = 0;
  m_dInertiaX = m_dInertiaY = 0;
  if (m_bAccel != 0) {
    m_dAccel = (m_Settings.m_nAccel + m_Settings.m_nAccelPerClone * fire.nIndex) * 0.1 / D;
    SplitAcceleration(&m_dInertiaX, &m_dInertiaY, fire.dVX, fire.dVY);
  }
  m_dVX = m_dVY = 0;
  m_bFollowScroll = m_Settings.m_bHoming;

  if (m_Settings.m_bShotOpt8 != 0) m_nLifeLeft = PassesOfTenths(fire.nLife);
  if (m_Settings.m_bShotOpt6 != 0) SetRange(fire);

  m_nTrajPasses = m_nSwordStep = m_nTrajStart = m_nTrajEnd = m_bTrajDone = 0;
  m_lpTarget = shooter != nullptr ? shooter->m_Targets.CheckedVectorAt(m_Settings.m_nTargetSlot2) : kNoLink;
  m_lpShooter = m_nOwnerId;
  m_bVanishPending = 0;
  m_bHitTrigger = m_Settings.m_bShotOpt17;
  m_byHitFlowId = static_cast<uint8_t>(m_Settings.m_bShotOpt18);
}

void cShot::SetRange(const SHOTLAUNCH& fire) {
  const double D = g_Stage.m_dSubSteps;
  const double v = std::max<double>(0, static_cast<double>(fire.nRange) * 16 - m_nWidth);
  const double B = std::fabs(fire.dSpeed / D);
  if (v > 0 && B > 0) {
    m_nRangeLeft = TruncToInt(v / B);
  } else {
    m_nRangeLeft = TruncToInt(D);
    if (TruncToInt(D * B) > m_nWidth) m_nRangeLeft = TruncToInt(m_nWidth / B);
  }
  if (m_nRangeLeft >= D) return;
  // Covered within one frame: the whole range in exactly one frame, split by
  // the launch direction (a launch without one stays where it is).
  const double F = v / D;
  const double sum = std::fabs(fire.dVX) + std::fabs(fire.dVY);
  m_dTrajVX = sum != 0 ? F * fire.dVX / sum : 0;
  m_dTrajVY = sum != 0 ? F * fire.dVY / sum : 0;
  m_nRangeLeft = TruncToInt(D);
}
