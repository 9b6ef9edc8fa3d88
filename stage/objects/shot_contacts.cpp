// Shots in the contact pass: shots against the charas of other groups
// (hits, damage, pierce, the items shots carry), then shots against shots
// (clashes). While the pass runs, whatever else removes a shot only marks it
// (m_bVanishPending); the pass removes marked shots itself.

#include <algorithm>
#include <cassert>

#include "records/settings/system_data.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/contact_rules.h"
#include "stage/objects/item.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/stage_play.h"
#include "stage/services/stage_services.h"

namespace shot_contacts {

using contact_rules::BoxOf;
using contact_rules::EndsPass;
using contact_rules::OnScreenRule;

constexpr int32_t kShotHitTrigger = 7;
constexpr int8_t kShotsPassThrough = 2;  // the chara's invincible state "ON (ショットがすり抜ける)"

DRECT PositionOf(const cGameObject& o) { return DRECT{o.m_dX, o.m_dY, o.m_dRight, o.m_dBottom}; }

bool CanBeShot(const cCharaBase& c) {
  return OnScreenRule(c) && c.m_bEnabled != 0 && c.m_bDead == 0 && c.m_Def.m_nInvincible != kShotsPassThrough;
}

bool HasHit(const cShot& shot, int32_t id) {
  return std::find(shot.m_HitList.begin(), shot.m_HitList.end(), id) != shot.m_HitList.end();
}

// A shot with a power, an impact or an item is an attack; one with none only
// touches.
bool IsAttack(const cShot& shot) {
  const cEdShot& set = shot.m_Settings;
  return set.m_nPower != 0 || set.m_nImpact != 0 || set.m_nItemPalette != 0;
}

// A projectile stays after a hit only when it pierces that kind of chara.
bool Pierces(const cShot& shot, const cCharaBase& c) {
  const cEdShot& set = shot.m_Settings;
  return (c.m_Def.m_bBlockChara != 0 ? set.m_bShotOpt11 : set.m_bShotOpt10) != 0;
}

// The sub-steps of a frame that test shots against charas.
bool ShotsMeetCharasNow(const cStagePlay& play) {
  if (g_Stage.m_nContactSteps == 0) return true;
  const int32_t i = play.m_nSubStep - 1;
  return i < 0 || i >= play.m_SubStepMask.VectorSize() || play.m_SubStepMask.CheckedVectorAt(i) == 1;
}

bool Clashes(const cShot& shot) { return shot.m_Settings.m_bShotOpt12 != 0; }
int32_t ClashStrength(const cShot& shot) { return shot.m_Settings.m_nVanishValue; }

bool AnyShotAfter(cVector<cList<int32_t>>& layers, int32_t faction) {
  for (int32_t j = faction + 1; j < kObjGroupCount; ++j) {
    if (!layers.CheckedVectorAt(j).empty()) return true;
  }
  return false;
}

}  // namespace shot_contacts

int32_t cStagePlay::ResolveShotContacts() {
  if (shot_contacts::ShotsMeetCharasNow(*this)) {
    for (int32_t a = 0; a < kObjGroupCount; ++a) {
      cList<int32_t>& layer = m_ShotLayers.CheckedVectorAt(a);
      for (int32_t b = 0; b < kObjGroupCount; ++b) {
        cList<int32_t>& group = m_ObjGroup.CheckedVectorAt(b);
        if (b == a || group.empty()) continue;
        // A used-up shot leaves the layer at once: step on before it goes.
        for (auto it = layer.begin(); it != layer.end();) {
          const int32_t shotId = *it++;
          const int32_t r = ResolveShotAgainstGroup(shotId, group);
          if (shot_contacts::EndsPass(r)) return r;
        }
      }
    }
  }
  RemoveMarkedShots();
  return 0;
}

void cStagePlay::MarkShotForRemoval(cShot& shot) {
  shot.m_bVanishPending = 1;
  m_bShotsMarked = 1;
}

void cStagePlay::RemoveMarkedShots() {
  if (m_bShotsMarked == 0) {
    assert(std::none_of(m_ShotList.begin(), m_ShotList.end(),
                        [](const cShot& shot) { return shot.m_bVanishPending != 0; }));
    return;
  }
  m_bShotsMarked = 0;
  for (auto it = m_ShotList.begin(); it != m_ShotList.end();) {
    it = it->m_bVanishPending != 0 ? RemoveShotNode(it) : std::next(it);
  }
}

int32_t cStagePlay::ResolveShotAgainstGroup(int32_t shotId, cList<int32_t>& group) {
  bool usedUp = false;
  // Only a hit runs anything that could remove the shot or move it: the shot
  // is looked up again after each hit alone.
  cShot* shot = FindShotById(shotId);
  for (const int32_t charaId : group) {
    // The on-screen flag first: most shots are off the screen, and it shares
    // its cache line with the body the other passes read.
    if (shot == nullptr || !shot_contacts::OnScreenRule(*shot) || shot->m_bVanishPending != 0) return 0;
    cCharaBase* chara = FindCharaById(charaId);
    if (chara == nullptr || !shot_contacts::CanBeShot(*chara)) continue;
    if (!shot_contacts::BoxOf(chara->m_AttackBox).Overlaps(shot->AttackRect())) continue;
    if (shot_contacts::HasHit(*shot, charaId)) continue;
    const int32_t r = ResolveShotHit(*shot, *chara, &usedUp);
    if (r != 0) return r;
    shot = FindShotById(shotId);
  }
  if (usedUp && shot != nullptr && shot->m_bVanishPending == 0) RemoveShotById(shotId);
  return 0;
}

int32_t cStagePlay::ResolveShotHit(cShot& shot, cCharaBase& chara, bool* pUsedUp) {
  const bool attack = shot_contacts::IsAttack(shot);
  if (attack && chara.IsInvincible() != 0) return 0;
  const bool apply = attack || g_SystemData.m_bLegacy763B == 0;
  const int32_t shotId = shot.m_nId;
  const int32_t charaId = chara.m_nId;
  chara.StartFlowsByTrigger(shot_contacts::kShotHitTrigger, shot.m_lpShooter, 0);
  cCharaBase* shooter = shot.m_lpShooter != kNoLink ? FindCharaById(shot.m_lpShooter) : nullptr;
  if (shooter != nullptr && shot.m_bHitTrigger != 0) {
    shooter->StartFlowsByTrigger(contact_rules::kAttackHitTrigger, charaId, shot.m_byHitFlowId);
  }
  // A shot without an attack, under the old rule, passes through: it touches
  // again at every test while they overlap.
  if (!apply) return 0;
  const int32_t killed = chara.TakeShotDamage(shot);
  chara.TakeShotImpact(shot);
  if (killed != 0) {
    if (chara.m_nControl == 1) Services().PlaySE(contact_rules::kSoundDefeated);
    const int32_t r = KillChara(chara);
    if (shot_contacts::EndsPass(r)) return r;
  } else {
    Services().PlaySE(contact_rules::kSoundHit);
    if (g_SystemData.m_bLegacy763B != 0 || attack) chara.StartInvincibility();
  }
  // The kill may have run flows; both are looked up again.
  cShot* live = FindShotById(shotId);
  cCharaBase* hit = FindCharaById(charaId);
  if (live == nullptr) return 0;
  const bool keeps = live->m_bShot == 0 || (hit != nullptr && shot_contacts::Pierces(*live, *hit));
  if (keeps) {
    live->m_HitList.push_back(charaId);
  } else {
    *pUsedUp = true;
  }
  const cItemDef* def = live->m_Settings.m_nItemPalette != 0
                            ? GetPaletteItem(live->m_Settings.m_nItemPalette, live->m_Settings.m_nItemIndex)
                            : nullptr;
  if (def == nullptr || g_Heroes.empty()) return 0;
  cItem item;
  item.InitFromDef(0, def, 0);
  item.m_bEnabled = 1;
  return GiveItemToHero(&item, &g_Heroes.CheckedVectorAt(0));
}

void cStagePlay::ResolveShotClashes() {
  for (int32_t i = 0; i < kObjGroupCount; ++i) {
    // The later factions only lose shots while this one is walked: with
    // none left there, its shots meet nothing and need no walk.
    if (!shot_contacts::AnyShotAfter(m_ShotLayers, i)) break;
    cList<int32_t>& first = m_ShotLayers.CheckedVectorAt(i);
    for (auto pIt = first.begin(); pIt != first.end();) {
      const int32_t pId = *pIt++;
      bool removeP = false;
      for (int32_t j = i + 1; j < kObjGroupCount && !removeP; ++j) {
        cList<int32_t>& second = m_ShotLayers.CheckedVectorAt(j);
        for (auto qIt = second.begin(); qIt != second.end();) {
          const int32_t qId = *qIt++;
          cShot* p = FindShotById(pId);
          cShot* q = FindShotById(qId);
          if (p == nullptr || q == nullptr) continue;
          const bool pClash = shot_contacts::Clashes(*p);
          const bool qClash = shot_contacts::Clashes(*q);
          if (!(pClash || qClash) || !shot_contacts::PositionOf(*p).Overlaps(shot_contacts::PositionOf(*q))) continue;
          bool removeQ = false;
          if (pClash && qClash) {
            const int32_t ps = shot_contacts::ClashStrength(*p);
            const int32_t qs = shot_contacts::ClashStrength(*q);
            removeP = removeP || ps <= qs;
            removeQ = qs <= ps;
          } else {
            removeP = removeP || pClash;
            removeQ = qClash;
          }
          if (removeQ) RemoveShotById(qId);
        }
        // p meets every shot of this group before it goes.
        if (removeP) RemoveShotById(pId);
      }
    }
  }
}

void cStagePlay::RemoveShotById(int32_t id) {
  const cShot* shot = FindShotById(id);
  if (shot == nullptr) return;
  for (auto it = m_ShotList.begin(); it != m_ShotList.end(); ++it) {
    if (&*it == shot) {
      RemoveShotNode(it);
      return;
    }
  }
}
