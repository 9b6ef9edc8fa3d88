#include "stage/objects/chara_conditions.h"

#include <optional>

#include "records/script/condition.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/stage_play.h"
#include "stage/script/compare.h"

namespace chara_conditions {

// The value a kind-5 selector reads from a chara, none for a selector that
// is never tested.
std::optional<int32_t> StateFlag(const cCharaBase& chara, int32_t selector) {
  const cCharaDef& def = chara.m_Def;
  switch (selector) {
    case 1: return static_cast<uint8_t>(def.m_bTransparent);
    case 2: return def.m_bFixedFacing;
    case 3: return def.m_nFly;
    case 4: return def.m_nInvincible;
    case 5: return def.m_nGiant;
    case 6: return static_cast<uint8_t>(def.m_bAutoScrollSync);
    default: return std::nullopt;
  }
}

std::optional<int32_t> SystemValue(int32_t selector) {
  if (selector == 0) return g_Stage.m_nAutoScrollSpeedX;
  if (selector == 1) return g_Stage.m_nAutoScrollSpeedY;
  return std::nullopt;
}

int32_t IsOnBlock(const cCharaBase& chara) {
  if (chara.m_Def.m_nFly != 0) return 0;
  return chara.m_bRiding || (!chara.m_bInAir && !chara.m_bJumpRising) ? 1 : 0;
}

int32_t IsOnScreenNow(const cCharaBase& chara) {
  return chara.m_nControl == 0 ? chara.IsOnScreen() : chara.m_bOnScreen;
}

}  // namespace chara_conditions

const cCharaBase* ConditionSubject(const cCharaBase& chara, int32_t subject) {
  if (subject == kSubjectSelf) return &chara;
  if (subject < kSubjectTarget1 || subject >= kSubjectTarget1 + kCharaTargetSlots) return nullptr;
  const int32_t slot = subject - kSubjectTarget1;
  if (slot >= chara.m_Targets.VectorSize()) return nullptr;
  const int32_t id = chara.m_Targets.CheckedVectorAt(slot);
  return id == kNoLink ? nullptr : FindCharaById(id);
}

int32_t EvalStatusCondition2(const cCharaBase& chara, const cCondition& cond) {
  std::optional<int32_t> value;
  if (cond.m_nSubject == kSubjectSystem) {
    value = chara_conditions::SystemValue(cond.m_nSelector);
  } else if (const cCharaBase* subject = ConditionSubject(chara, cond.m_nSubject)) {
    value = chara_conditions::StateFlag(*subject, cond.m_nSelector);
  }
  if (!value) return 0;
  return CompareByCode(*value, cond.m_nIndex, static_cast<uint8_t>(cond.m_nCompare));
}

int32_t EvalStatusCondition3(const cCharaBase& chara, const cCondition& cond) {
  const cCharaBase* subject = ConditionSubject(chara, cond.m_nSubject);
  int32_t holds = 0;
  if (cond.m_nSelector == kStateExists) {
    holds = subject != nullptr && (subject == &chara || !subject->m_bDead) ? 1 : 0;
  } else {
    if (subject == nullptr) return 0;
    switch (cond.m_nSelector) {
      case kStateFacingLeft: holds = subject->m_nFacing == 0; break;
      case kStateFacingRight: holds = subject->m_nFacing == 1; break;
      case kStateOnBlock: holds = chara_conditions::IsOnBlock(*subject); break;
      case kStateOnScreen: holds = chara_conditions::IsOnScreenNow(*subject); break;
      default: return 0;
    }
  }
  return cond.m_nCompare == 1 ? !holds : holds;
}
