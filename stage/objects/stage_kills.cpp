// Defeats: a chara killed by a pass, a command or the kill pass.

#include "records/settings/system_data.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/object_walk.h"
#include "stage/objects/stage_play.h"
#include "stage/services/stage_services.h"

namespace stage_kills {

constexpr int32_t kSoundHeroDies = 8;
constexpr int32_t kSoundCharaDefeated = 9;

}  // namespace stage_kills

int32_t cStagePlay::KillChara(cCharaBase& chara) {
  if (chara.m_nControl == 0) return kPlayDeath;
  if (chara.m_bDead != 0) return 0;
  return chara.Die();
}

int32_t cStagePlay::DefeatChara(cCharaBase& chara) {
  const int32_t r = KillChara(chara);
  if (r == kPlayClear) {
    EnterStageClear();
  } else if (r == kPlayDeath) {
    Services().PlaySE(stage_kills::kSoundHeroDies);
    if (!g_Heroes.empty() && g_Heroes.front().Die() == 1) {
      EnterStageClear();
    } else if (m_nPlayEnd == kPlayGoOn) {
      m_nPlayEnd = kPlayDeath;
    }
  }
  return r;
}

int32_t cStagePlay::ProcessKills() {
  cHero& hero = g_Heroes.front();
  if (hero.m_nHp <= 0) {
    Services().PlaySE(stage_kills::kSoundHeroDies);
    if (hero.Die() == 1) {
      EnterStageClear();
    } else if (m_nPlayEnd == kPlayGoOn) {
      m_nPlayEnd = kPlayDeath;
    }
    return 1;
  }
  const bool keepDefeated = g_SystemData.m_bSwitch272 != 0;
  cCharaWalk walk(*this);
  for (cChara& chara : g_CharaList) {
    if (!IsLive(*this, chara)) continue;
    if (chara.m_bVanish != 0) {
      EraseStageChara(chara);
      continue;
    }
    if (chara.m_nHp > 0) continue;
    const int32_t r = DefeatChara(chara);
    if (keepDefeated) {
      if (r == 1) {
        EraseStageChara(chara);
        return 1;
      }
      Services().PlaySE(stage_kills::kSoundCharaDefeated);
    } else {
      EraseStageChara(chara);
    }
    if (r != 0) return 1;
  }
  return 0;
}

void cStagePlay::EnterStageClear() {
  Services().OnStageClear();
  m_nPlayEnd = kPlayClear;
}
