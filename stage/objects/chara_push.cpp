#include <algorithm>
#include <cstdint>

#include "records/stage/stage_globals.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/shot.h"

namespace chara_push {

constexpr int32_t kMaxStrength = 20;
constexpr double kEpsilon = 1e-8;

// True when speed opposes a push (both clearly non-zero, opposite signs).
bool Opposes(double push, double speed) {
  return (push > kEpsilon && speed < -kEpsilon) || (push < -kEpsilon && speed > kEpsilon);
}

}  // namespace chara_push

void cCharaBase::StartPush(int8_t impact, double dx, double dy) {
  if (impact == 0) return;
  const int32_t resist = m_Def.m_nImpactResist;
  const int32_t strength = impact < 0 ? std::clamp(impact + resist, -chara_push::kMaxStrength, 0)
                                      : std::clamp(impact - resist, 0, chara_push::kMaxStrength);
  CalcPushSpeed(&m_dPushVX, &m_dPushVY, static_cast<int8_t>(strength), dx, dy);
  if (chara_push::Opposes(m_dPushVX, m_dInertiaX)) m_dInertiaX = 0;
  if (chara_push::Opposes(m_dPushVY, m_dInertiaY)) m_dInertiaY = 0;
  if (chara_push::Opposes(m_dPushVY, m_dVY)) m_dVY = 0;
  m_bPushed = 1;
}

void cCharaBase::PushFromAttacker(const cCharaBase& attacker) {
  // A walking attacker's own fall speed is no push unless it falls fast.
  const double fastFall = 8 * g_Stage.m_dSubSteps * g_Stage.m_dSubGravity;
  const double dy = attacker.m_Def.m_nFly != 0 || !(attacker.m_dVY < fastFall) ? attacker.m_dVY : 0;
  StartPush(attacker.m_Def.m_nImpact, attacker.m_dVX, dy);
}

void cCharaBase::PushFromShot(const cShot& shot) {
  if (shot.m_bShot) {
    StartPush(shot.m_Settings.m_nImpact, shot.m_dVX, shot.m_dVY);
  } else {
    StartPush(shot.m_Settings.m_nImpact, shot.FacingSign(), 0);
  }
}

void cCharaBase::ApplyPushY() {
  double push = m_dPushVY;
  if (push != 0) {
    if (m_bFlying) {
      m_dVY += push;
    } else if (push > 0 && IsOnFloor()) {
      push = 0;
      m_dPushVY = 0;
    } else {
      m_dVY = push + (m_dVY - m_dPushVYPrev);
    }
  }
  m_dPushVYPrev = push;
}

namespace chara_push {

// One sub-step's decay of a push speed towards 0, never past it.
void Decay(double& push) {
  const double step = g_Stage.m_dSubSteps > 0 ? 1.0 / g_Stage.m_dSubSteps : 1.0;
  if (push > 0) {
    push = push - step > 0 ? push - step : 0;
  } else if (push < 0) {
    push = push + step < 0 ? push + step : 0;
  }
}

}  // namespace chara_push

void cCharaBase::DecayPushX() { chara_push::Decay(m_dPushVX); }
void cCharaBase::DecayPushY() { chara_push::Decay(m_dPushVY); }
