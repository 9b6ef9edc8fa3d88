// The stage-play scene's operations that hold simulation state: object
// states per sub-step, the time limit, the play time, and the presentation
// step of every drawn frame (animations, death presentations).

#include <array>
#include <span>
#include <vector>

#include "records/save/save_data.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/object_walk.h"
#include "stage/objects/shot.h"
#include "stage/objects/stage_play.h"
#include "stage/script/condition_eval.h"
#include "stage/services/stage_services.h"

namespace scene_states {

constexpr int32_t kMaxPlayTime = 599999;  // 1/100 s: 99 minutes 59.99 seconds
constexpr int32_t kMaxRemainTime = 999;
constexpr uint32_t kFramesPerTimeUnit = 60;

// The HP and SP gauges count their shown frames while drawn, not while frozen.
void StepGauges(cCharaBase& chara, int32_t bFrozen, cCharaDrawList* lpDraw) {
  if (bFrozen != 0) return;
  chara.StepGauge(chara.m_HpGauge, lpDraw);
  chara.StepGauge(chara.m_SpGauge, lpDraw);
}

void DrawShot(cShot& shot, int32_t bFrozen, cCharaDrawList* lpDraw) {
  shot.UpdateScreenRect();
  shot.StepDraw(bFrozen, lpDraw);
}

}  // namespace scene_states

int32_t cStagePlay::CheckItemConditions(cItem& item) {
  // An item's conditions read variables only: no subject chara.
  return CheckConditions(*this, item.m_Def.m_Conditions, item.m_Def.m_nCondMode, item.m_Def.m_bCondOnce,
                         item.m_bCondMet, nullptr)
             ? 1
             : 0;
}

void cStagePlay::UpdateObjectStates() {
  if (!g_Heroes.empty()) {
    cHero& hero = g_Heroes.front();
    hero.m_bEnabled = 1;
    hero.m_bOnScreen = 1;
    hero.m_bHeroActive = 1;
  }
  m_ActGroups.assign(static_cast<std::size_t>(kActGroupCount), 0);
  const std::span<uint8_t> groups(m_ActGroups.data(), m_ActGroups.size());
  cCharaWalk walk(*this);
  for (cChara& chara : g_CharaList) {
    if (!IsLive(*this, chara)) continue;
    chara.m_bEnabled = CheckCharaConditions(&chara);
    if (chara.m_bEnabled != 0) {
      chara.m_bOnScreen = chara.IsOnScreen();
      chara.UpdateInRange(groups);
    } else {
      chara.m_bOnScreen = 0;
    }
  }
  for (cChara& chara : g_CharaList) {
    if (!IsLive(*this, chara)) continue;
    chara.m_bActive = chara.m_bEnabled != 0 && chara.UpdateActivation(groups) != 0 ? 1 : 0;
  }
  for (cItem& item : g_ItemList) {
    item.m_bEnabled = CheckItemConditions(item);
    item.m_bOnScreen = item.m_bEnabled != 0 ? item.IsOnScreen() : 0;
  }
  for (cShot& shot : m_ShotList) {
    shot.m_bEnabled = 1;
    shot.m_bOnScreen = shot.IsOnScreen();
  }
}

int32_t cStagePlay::TickTimeLimit(int32_t delta) {
  if (m_bNoTimeLimit != 0) return 0;
  // Every 60th call moves the time; the counter is the play's own, so a
  // replay counts from the same place whatever else counted cycles.
  if (++m_nTimeCycle < scene_states::kFramesPerTimeUnit) return 0;
  m_nTimeCycle = 0;
  const int64_t remain = int64_t{m_nRemainTime} + delta;
  if (remain > scene_states::kMaxRemainTime) {
    m_nRemainTime = scene_states::kMaxRemainTime;
    return 0;
  }
  if (remain <= 0) {
    m_nRemainTime = 0;
    return 1;
  }
  m_nRemainTime = static_cast<int32_t>(remain);
  return 0;
}

void cStagePlay::CountPlayTime() {
  if (m_nPlayTime >= scene_states::kMaxPlayTime) return;
  ++m_nPlayFrames;
  const int64_t time = int64_t{m_nPlayFrames} * 100 / 60;
  m_nPlayTime = time > scene_states::kMaxPlayTime ? scene_states::kMaxPlayTime : static_cast<int32_t>(time);
}

int32_t cStagePlay::UpdatePresentation(int32_t bFrozen, cCharaDrawList* lpDraw) {
  // The block map is drawn first; its condition checks draw random operands,
  // so they keep that place whether or not pixels are drawn.
  CheckDrawnBlockConditions();
  {
    cCharaWalk walk(*this);
    for (cChara& chara : g_CharaList) {
      if (!IsLive(*this, chara)) continue;
      if (chara.m_bDead != 0) {
        chara.UpdateScreenRect();
        // A defeated chara stays listed (dead) until its presentation ends.
        if (chara.StepDeathEffect(bFrozen, lpDraw) != 0) EraseStageChara(chara);
      } else if (chara.m_bOnScreen != 0) {
        chara.StepDrawnChara(bFrozen, lpDraw);
        scene_states::StepGauges(chara, bFrozen, lpDraw);
        chara.StepCarriedItemHint(lpDraw);
      } else if (chara.m_bActive != 0) {
        chara.StepAnimation(bFrozen);
        chara.StepCharaEffect(bFrozen);
      }
    }
  }
  StepDrawnItems(bFrozen);
  StepDrawnShots(bFrozen, lpDraw);
  const int32_t end = UpdateDeath(bFrozen, lpDraw);
  // A replay's restart has built the stage again: nothing of it is drawn.
  if (end != kPlayReplayRestart) {
    StepDistanceRanges(lpDraw);
    if (!g_Heroes.empty()) g_Heroes.front().AppendLightMask(lpDraw);
  }
  return end;
}

void cStagePlay::StepDrawnItems(int32_t bFrozen) {
  // The stage drawing shows the loose items on the screen; their animations
  // move only when they are drawn.
  cItemWalk walk(*this);
  for (cItem& item : g_ItemList) {
    if (!IsLive(*this, item) || item.m_bOnScreen == 0 || item.m_bCarried != 0) continue;
    item.UpdateScreenRect();
    item.StepDraw(bFrozen);
  }
}

void cStagePlay::StepDrawnShots(int32_t bFrozen, cCharaDrawList* lpDraw) {
  // Like the items, a shot's animation moves only when it is drawn: the
  // shots on the screen, layer by layer when the stage draws by layers (a
  // shot whose layer lies outside 0..7 then is not drawn), else in list
  // order. Each is drawn at its screen place of now, which the passes
  // refresh only where they read it.
  if (g_Stage.m_bObjectLayers == 0) {
    for (cShot& shot : m_ShotList) {
      if (shot.m_bOnScreen != 0) scene_states::DrawShot(shot, bFrozen, lpDraw);
    }
    return;
  }
  // One walk of the long list sorts the drawn shots into their layers, list
  // order kept within each; drawing a shot changes nothing of another, so
  // this is the order of one walk per layer.
  std::array<std::vector<cShot*>, kObjectDrawLayers>& layers = m_DrawnShotLayers;
  for (std::vector<cShot*>& layer : layers) layer.clear();
  for (cShot& shot : m_ShotList) {
    const int32_t z = shot.m_Settings.m_nZ;
    if (shot.m_bOnScreen == 0 || z < 0 || z >= kObjectDrawLayers) continue;
    layers[static_cast<std::size_t>(z)].push_back(&shot);
  }
  for (const std::vector<cShot*>& layer : layers) {
    for (cShot* shot : layer) scene_states::DrawShot(*shot, bFrozen, lpDraw);
  }
}

int32_t cStagePlay::UpdateDeath(int32_t bFrozen, cCharaDrawList* lpDraw) {
  if (g_Heroes.empty()) return kPlayGoOn;
  cHero& hero = g_Heroes.front();
  hero.UpdateScreenRect();
  if (hero.m_bDead == 0) {
    hero.StepDrawnWithBoxes(bFrozen, lpDraw);
    scene_states::StepGauges(hero, bFrozen, lpDraw);
    return kPlayGoOn;
  }
  if (hero.StepDeathEffect(bFrozen, lpDraw) == 0) return kPlayGoOn;
  if (m_Run.IsReplayPlayback()) {
    // A death in a replay ends the replay's attempt: it plays again.
    g_SaveData.RestoreOnRetry(1, m_Run.nPlayMode, m_Run.bFreeStage);
    SetStage(1, 1);
    return kPlayReplayRestart;
  }
  Services().OnDeathEnd();
  return kPlayDeathEnd;
}
