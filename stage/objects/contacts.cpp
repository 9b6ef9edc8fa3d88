// The contact pass of a sub-step, between the object groups: shots against
// charas, charas against charas, shots against shots. Groups never touch
// themselves; each pair of groups is walked in group order and each group in
// list order, the order replays were recorded with.

#include "records/settings/system_data.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/contact_rules.h"
#include "stage/objects/object_walk.h"
#include "stage/objects/stage_play.h"
#include "stage/services/stage_services.h"

namespace contacts {

using contact_rules::BoxOf;
using contact_rules::EndsPass;

constexpr int32_t kTouchCharaTrigger = 4;

// Charas that meet other charas: not solid (solids meet by collision), and
// on screen when the stage asks for that.
bool MeetsCharas(const cCharaBase& c) {
  return contact_rules::OnScreenRule(c) && c.m_Def.m_bBlockChara == 0 &&
         c.m_bEnabled != 0 && c.m_bDead == 0;
}

// The touch of toucher seen by touched: a chara attacking for its parent is
// taken for the parent, which learns whom its child hit.
void Touch(cStagePlay& play, cCharaBase& touched, cCharaBase& toucher) {
  cCharaBase* parent = toucher.m_bParentAttack != 0 ? play.FindCharaById(toucher.m_nParentId) : nullptr;
  if (parent == nullptr) {
    touched.StartFlowsByTrigger(kTouchCharaTrigger, toucher.m_nId, 0);
    return;
  }
  touched.StartFlowsByTrigger(kTouchCharaTrigger, parent->m_nId, 0);
  parent->StartFlowsByTrigger(contact_rules::kAttackHitTrigger, touched.m_nId, toucher.m_nParentFlowId);
}

bool HasBodyAttack(const cCharaBase& c) { return c.m_Def.m_nPower != 0 || c.m_Def.m_nImpact != 0; }

// Clears the contact flag on every way out of the pass.
class cContactPassScope {
 public:
  explicit cContactPassScope(cStagePlay& play) : m_Play(play) { m_Play.m_bContactPass = 1; }
  ~cContactPassScope() { m_Play.m_bContactPass = 0; }
  cContactPassScope(const cContactPassScope&) = delete;
  cContactPassScope& operator=(const cContactPassScope&) = delete;

 private:
  cStagePlay& m_Play;
};

}  // namespace contacts

int32_t cStagePlay::ResolveContacts(cList<cChara>&) {
  contacts::cContactPassScope scope(*this);
  cCharaWalk walk(*this);
  int32_t r = ResolveShotContacts();
  if (contacts::EndsPass(r)) return r;
  r = ResolveCharaContacts();
  if (contacts::EndsPass(r)) return r;
  ResolveShotClashes();
  return 0;
}

int32_t cStagePlay::ResolveCharaContacts() {
  for (int32_t i = 0; i < kObjGroupCount; ++i) {
    cList<int32_t>& first = m_ObjGroup.CheckedVectorAt(i);
    if (first.empty()) continue;
    for (int32_t j = i + 1; j < kObjGroupCount; ++j) {
      cList<int32_t>& second = m_ObjGroup.CheckedVectorAt(j);
      if (second.empty()) continue;
      for (const int32_t idA : first) {
        const cCharaBase* a = FindCharaById(idA);
        if (a == nullptr || !contacts::MeetsCharas(*a)) continue;
        for (const int32_t idB : second) {
          // A pair's kill or flows may have erased either chara.
          cCharaBase* pa = FindCharaById(idA);
          if (pa == nullptr || !contacts::MeetsCharas(*pa)) break;
          cCharaBase* pb = FindCharaById(idB);
          if (pb == nullptr || !contacts::MeetsCharas(*pb)) continue;
          if (!contacts::BoxOf(pa->m_HitBox).Overlaps(contacts::BoxOf(pb->m_HitBox))) continue;
          const int32_t r = ResolveCharaPair(*pa, *pb);
          if (contacts::EndsPass(r)) return r;
        }
      }
    }
  }
  return 0;
}

int32_t cStagePlay::ResolveCharaPair(cCharaBase& a, cCharaBase& b) {
  const bool hitA = a.IsImmuneTo(b.m_nId) == 0;
  const bool hitB = b.IsImmuneTo(a.m_nId) == 0;
  if (hitA) contacts::Touch(*this, a, b);
  if (hitB) contacts::Touch(*this, b, a);
  const bool attackedA = hitA && contacts::HasBodyAttack(b);
  const bool attackedB = hitB && contacts::HasBodyAttack(a);
  const bool legacy = g_SystemData.m_bLegacy763A != 0;
  int32_t killedA = 0;
  int32_t killedB = 0;
  if (attackedA) {
    killedA = a.TakeBodyDamage(b);
    if (legacy) a.TakeBodyImpact(b);
  }
  if (attackedB) {
    killedB = b.TakeBodyDamage(a);
    if (legacy) b.TakeBodyImpact(a);
  }
  // Both damages first, then both impacts: the second damage must not see
  // the first impact's knock-back.
  if (!legacy) {
    if (attackedA) a.TakeBodyImpact(b);
    if (attackedB) b.TakeBodyImpact(a);
  }
  if (!attackedA && !attackedB) return 0;
  Services().PlaySE(contact_rules::kSoundHit);
  const int32_t idA = a.m_nId;
  const int32_t idB = b.m_nId;
  struct cSide {
    bool attacked;
    int32_t killed;
    int32_t victim;
    int32_t attacker;
  };
  for (const cSide& side : {cSide{attackedA, killedA, idA, idB}, cSide{attackedB, killedB, idB, idA}}) {
    if (!side.attacked) continue;
    cCharaBase* victim = FindCharaById(side.victim);
    if (victim == nullptr) continue;
    if (side.killed == 0) {
      victim->StartImmunity(side.attacker);
      continue;
    }
    if (victim->m_nControl == 1) Services().PlaySE(contact_rules::kSoundDefeated);
    const int32_t r = KillChara(*victim);
    if (contacts::EndsPass(r)) return r;
  }
  return 0;
}

