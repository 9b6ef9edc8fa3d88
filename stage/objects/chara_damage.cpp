#include <algorithm>
#include <cstdint>

#include "core/math/random.h"
#include "records/database/database.h"
#include "records/save/save_data.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/chara_flow_calls.h"
#include "stage/objects/shot.h"
#include "stage/objects/stage_play.h"
#include "stage/services/stage_services.h"

namespace chara_damage {

constexpr int64_t kMaxDamage = 999999;
constexpr int64_t kMaxScore = 999999;
constexpr int32_t kJitterDots = 4;

// Flow triggers of a hit: on the chara hit, and on the attacker's side.
struct cHitTriggers {
  int32_t nTaken;  // 1 damage taken, 2 impact taken
  int32_t nGiven;  // 18 damage given by an attack, 19 impact given
};
constexpr cHitTriggers kDamageTriggers{1, 18};
constexpr cHitTriggers kImpactTriggers{2, 19};
constexpr int32_t kDeathTrigger = 3;

DRECT RectOf(const CHARABOX& box) { return DRECT{box.dLeft, box.dTop, box.dRight, box.dBottom}; }

// HP change of a hit of power against defence: a positive power less the
// defence within 0..999999 (in 64 bits: no wrap for extreme values); a
// non-positive power heals by its size, INT32_MIN included.
int32_t HpChangeOf(int32_t power, int32_t defence) {
  if (power > 0) {
    return static_cast<int32_t>(-std::clamp<int64_t>(static_cast<int64_t>(power) - defence, 0, kMaxDamage));
  }
  return static_cast<int32_t>(std::min<int64_t>(-static_cast<int64_t>(power), INT32_MAX));
}

// The hit effect where boxes a and b overlap. Its jitter is drawn here, from
// the game's generator, x first: the random sequence must not depend on
// whether a scene shows the effect.
void AddHitEffect(int32_t effect, const DRECT& a, const DRECT& b, int32_t scale) {
  if (effect == 0 || g_lpSceneStagePlay == nullptr) return;
  const bool scalable = effect >= 0 && effect < g_Database.m_Effects.VectorSize() &&
                        g_Database.m_Effects.CheckedVectorAt(effect).m_bScaleWithHit != 0;
  const int32_t j = scalable && scale > 1 ? scale : 1;
  cRandom& random = g_lpSceneStagePlay->m_Random;
  const int32_t jitterX = RandomRange(random, -kJitterDots * j, kJitterDots * j);
  const int32_t jitterY = RandomRange(random, -kJitterDots * j, kJitterDots * j);
  g_lpSceneStagePlay->Services().AddHitEffect(effect, a, b, scale, jitterX, jitterY);
}

// One kind of hit triggers of a chara's body attack on hit.
void FireBodyTriggers(cCharaBase& hit, cCharaBase& attacker, const cHitTriggers& triggers) {
  cCharaBase* parent = attacker.m_nParentId != kNoLink ? FindCharaById(attacker.m_nParentId) : nullptr;
  if (parent != nullptr && attacker.m_bParentAttack) {
    hit.StartFlowsByTrigger(triggers.nTaken, parent->m_nId, 0);
    parent->StartFlowsByTrigger(triggers.nGiven, hit.m_nId, static_cast<uint8_t>(attacker.m_nParentFlowId));
  } else {
    hit.StartFlowsByTrigger(triggers.nTaken, attacker.m_nId, 0);
  }
}

// One kind of hit triggers of a shot; the owner is named even when gone.
void FireShotTriggers(cCharaBase& hit, const cShot& shot, const cHitTriggers& triggers) {
  hit.StartFlowsByTrigger(triggers.nTaken, shot.m_lpShooter, 0);
  cCharaBase* owner = shot.m_lpShooter != kNoLink ? FindCharaById(shot.m_lpShooter) : nullptr;
  if (owner != nullptr && shot.m_bHitTrigger) owner->StartFlowsByTrigger(triggers.nGiven, hit.m_nId, shot.m_byHitFlowId);
}

}  // namespace chara_damage

void cCharaBase::StartInvincibility() {
  const int32_t frames = m_nControl == 0 ? g_Stage.m_nHeroInvincibleFrames : g_Stage.m_nCharaInvincibleFrames;
  m_nInvincible = g_Stage.m_nSubSteps * frames;
}

void cCharaBase::StartImmunity(int32_t attackerId) {
  StartInvincibility();
  const int32_t frames = m_nControl == 0 ? g_Stage.m_nHeroImmuneFrames : g_Stage.m_nCharaImmuneFrames;
  m_Immunities.push_back({attackerId, g_Stage.m_nSubSteps * frames});
}

void cCharaBase::TickInvincibility() {
  m_nInvincible = m_nInvincible - 1 > 0 ? m_nInvincible - 1 : 0;
  for (auto it = m_Immunities.begin(); it != m_Immunities.end();) {
    if (--it->nFrames <= 0) {
      it = m_Immunities.erase(it);
    } else {
      ++it;
    }
  }
}

int32_t cCharaBase::IsImmuneTo(int32_t attackerId) const {
  if (m_nInvincible > 0) return 1;
  return std::any_of(m_Immunities.begin(), m_Immunities.end(),
                     [&](const IMMUNITY& entry) { return entry.nAttackerId == attackerId; })
             ? 1
             : 0;
}

int32_t cCharaBase::TakeBodyDamage(cCharaBase& attacker) {
  const int32_t result = ChangeHp(chara_damage::HpChangeOf(attacker.m_Def.m_nPower, m_Def.m_nDefence), 0, 1);
  chara_damage::AddHitEffect(static_cast<uint16_t>(attacker.m_Def.m_nAttackEffect), chara_damage::RectOf(m_HitBox),
                             chara_damage::RectOf(attacker.m_HitBox), attacker.m_Def.m_nGiant);
  if (attacker.m_Def.m_nPower != 0) chara_damage::FireBodyTriggers(*this, attacker, chara_damage::kDamageTriggers);
  return result;
}

void cCharaBase::TakeBodyImpact(cCharaBase& attacker) {
  PushFromAttacker(attacker);
  if (attacker.m_Def.m_nImpact != 0) chara_damage::FireBodyTriggers(*this, attacker, chara_damage::kImpactTriggers);
}

int32_t cCharaBase::TakeShotDamage(cShot& shot) {
  const int32_t result = ChangeHp(chara_damage::HpChangeOf(shot.m_Settings.m_nPower, m_Def.m_nDefence), 0, 1);
  chara_damage::AddHitEffect(static_cast<uint16_t>(shot.m_Settings.m_nEffect), chara_damage::RectOf(m_AttackBox),
                             shot.AttackRect(), shot.m_Settings.m_nSize);
  if (shot.m_Settings.m_nPower != 0) chara_damage::FireShotTriggers(*this, shot, chara_damage::kDamageTriggers);
  return result;
}

void cCharaBase::TakeShotImpact(cShot& shot) {
  PushFromShot(shot);
  if (shot.m_Settings.m_nImpact != 0) chara_damage::FireShotTriggers(*this, shot, chara_damage::kImpactTriggers);
}

void cCharaBase::FireBodyHitTriggers(cCharaBase& attacker) {
  if (attacker.m_Def.m_nPower != 0) chara_damage::FireBodyTriggers(*this, attacker, chara_damage::kDamageTriggers);
  if (attacker.m_Def.m_nImpact != 0) chara_damage::FireBodyTriggers(*this, attacker, chara_damage::kImpactTriggers);
}

void cCharaBase::FireShotHitTriggers(cShot& shot) {
  if (shot.m_Settings.m_nPower != 0) chara_damage::FireShotTriggers(*this, shot, chara_damage::kDamageTriggers);
  if (shot.m_Settings.m_nImpact != 0) chara_damage::FireShotTriggers(*this, shot, chara_damage::kImpactTriggers);
}

int32_t cCharaBase::Die() {
  FireTrigger(chara_damage::kDeathTrigger);
  RunFlows(1);
  g_SaveData.m_nScore = static_cast<int32_t>(
      std::clamp<int64_t>(static_cast<int64_t>(g_SaveData.m_nScore) + m_Def.m_nScore, 0, chara_damage::kMaxScore));
  int32_t itemClears = 0;
  if (cItem* item = GetCarriedItem()) itemClears = GiveItemToHero(*item);
  const int32_t stageClear = g_lpSceneStagePlay != nullptr ? g_lpSceneStagePlay->m_nStageClear : 0;
  if (stageClear == 1 || itemClears == 1) return 1;
  ReleaseTargetLinks();
  m_bDead = 1;
  m_CharaEffect.Start(m_Def.m_nDeathEffect, m_Def.m_nDeathEffectMode, 0);
  return 0;
}
