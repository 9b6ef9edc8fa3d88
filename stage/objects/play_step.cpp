// PhasePlay: one frame of play.
//
// The order below is the one stored replays were recorded with: input, time,
// then per sub-step the solid charas, the hero, the other charas and the
// shots, then erase areas, block items, contacts and item touches. A clear
// or a death ends the frame at once without drawing.

#include <climits>

#include "core/input/input_state.h"
#include "core/log/ec_log.h"
#include "records/replay/input_log.h"
#include "records/save/save_data.h"
#include "records/settings/system_data.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/object_walk.h"
#include "stage/objects/stage_play.h"
#include "stage/services/stage_services.h"

namespace play_step {

constexpr int32_t kSoundHeroDies = 8;
constexpr int32_t kSoundCharaDefeated = 9;
constexpr int32_t kAlwaysTrigger = 0;  // "常時"
constexpr int32_t kEraseMove = 4;      // MoveX: pushed back at a world end
constexpr int32_t kKilledMove = 7;     // MoveY: fell out below
constexpr int32_t kEraseMoveY = 8;     // MoveY: a flying chara at a world end
constexpr int32_t kKilledByBlocks = 2;

enum eEraseArea : int32_t { kAreaCharas = 0, kAreaSolids = 1, kAreaItems = 2, kAreaHeroShots = 3, kAreaShots = 4 };

bool IsSolid(const cCharaBase& chara) { return chara.m_Def.m_bBlockChara != 0; }

bool Squeezed(const cCharaBase& c) {
  return (c.m_bContactLeft != 0 && c.m_bContactRight != 0) || (c.m_bContactTop != 0 && c.m_bContactBottom != 0);
}

bool Runs(const cChara& chara) { return chara.m_bDead == 0 && chara.m_bEnabled != 0 && chara.m_bActive != 0; }

// Once a frame: which flows were tried or started this frame is forgotten.
void ResetFlowFrameFlags(cCharaBase& chara) {
  for (cFlowInstance& flow : chara.m_Flows) {
    flow.m_bTriggered = 0;
    flow.m_bStartedThisFrame = 0;
  }
  chara.m_FlowFlagFrame.FillVector(0);
}

// A squeezed hero survives while a posture change's window is open; the
// position the change saved comes back once.
int32_t RecoverFromSqueeze(cHero& hero) {
  if (hero.m_nPostureFrames <= 0) return 0;
  if (hero.m_bPositionSaved != 0 && hero.m_bPostureChanged != 0) {
    hero.m_bPostureChanged = 0;
    hero.m_dX = hero.m_dPostureX;
    hero.m_dY = hero.m_dPostureY;
    hero.m_dRight = hero.m_dPostureRight;
    hero.m_dBottom = hero.m_dPostureBottom;
  }
  return 1;
}

}  // namespace play_step

int32_t cStagePlay::PhasePlay() {
  m_bCloseAsked = 0;
  // A stage that failed to build has nothing to step; the program is closing.
  if (m_bBuilt == 0 || g_Heroes.empty()) return kPlayClose;
  if (m_bQuit != 0) {
    RequestClose();
    return kPlayClose;
  }
  if (Services().CheckPauseKey() != 0) return kPlayPause;
  if (Services().CheckReplaySaveKeys() != 0) return kPlayGoOn;
  m_nPlayEnd = kPlayGoOn;
  ++m_nFrameCount;
  if (!StepInput()) return m_bCloseAsked != 0 ? kPlayClose : kPlayReplayRestart;
  CountPlayTime();
  cHero& hero = g_Heroes.front();
  if (TickTimeLimit(-1) != 0 && hero.m_bDead == 0) {
    DeathTail(nullptr);
    return m_nPlayEnd;
  }
  ResetFrameFlags();
  if (!StepSubSteps()) return m_bCloseAsked != 0 ? kPlayClose : m_nPlayEnd;
  const int32_t presentation = UpdatePresentation(0);
  if (presentation == kPlayReplayRestart) return kPlayReplayRestart;
  Services().DrawPlayScreen(1, 0, 1, 1);
  if (m_bCloseAsked != 0) return kPlayClose;
  return presentation != kPlayGoOn ? presentation : m_nPlayEnd;
}

bool cStagePlay::StepInput() {
  Services().PollInput();
  cInput& input = g_InputList.CheckedVectorAt(0);
  if (!m_Run.IsReplayPlayback()) {
    const cHero& hero = g_Heroes.front();
    if (hero.m_bDirectionLock != 0) input.ResetDirection();
    if (hero.m_bButtonLock != 0) input.ClearButtons();
    if (input.wButton == 0) {
      m_bHoldButtons = 0;
    } else if (m_bHoldButtons != 0) {
      input.wButton = 0;
    }
    input.PushHistory();
    input.BuildPressHistory();
    if (g_SystemData.m_bReplay != 0) {
      g_InputLog.Append(INPUTWORDS{static_cast<uint16_t>(input.wDir), static_cast<uint16_t>(input.wButton)});
    }
    return true;
  }
  input.ResetDirection();
  input.ClearButtons();
  INPUTWORDS words;
  if (g_InputLog.Playback(words) != 0) {
    g_SaveData.RestoreOnRetry(1, m_Run.nPlayMode, m_Run.bFreeStage);
    SetStage(1, 1);
    return false;
  }
  input.wDir = static_cast<int16_t>(words.wDir);
  input.wButton = static_cast<int16_t>(words.wButton);
  input.nKeypad = DirBitsToKeypad(input.wDir);
  input.PushHistory();
  input.BuildPressHistory();
  return true;
}

void cStagePlay::ResetFrameFlags() {
  cHero& hero = g_Heroes.front();
  play_step::ResetFlowFrameFlags(hero);
  hero.m_bHoldScreenPos = 0;
  hero.m_nHoldMode = 0;
  for (cChara& chara : g_CharaList) {
    if (chara.m_bDead == 0) play_step::ResetFlowFrameFlags(chara);
    chara.m_bHoldScreenPos = 0;
    chara.m_nHoldMode = 0;
  }
}

bool cStagePlay::StepSubSteps() {
  for (int32_t s = 1; s <= g_Stage.m_nSubSteps; ++s) {
    if (!StepSubStep(s)) return false;
  }
  return true;
}

bool cStagePlay::StepSubStep(int32_t s) {
  m_nSubStep = s;
  ++m_nSubStepTotal;
  UpdateObjectStates();
  cHero& hero = g_Heroes.front();
  const bool heroAlive = hero.m_bDead == 0;
  if (heroAlive && !StepLifeCounters()) return false;
  for (cChara& chara : g_CharaList) {
    chara.TickInvincibility();
    chara.ClearBlockContacts();
    chara.SavePosition();
  }
  hero.TickInvincibility();
  hero.ClearBlockContacts();
  hero.SavePosition();
  hero.RememberFacing();
  hero.RememberFloorBlock();
  m_ScrollX.Advance();
  m_ScrollY.Advance();
  if (hero.m_bDead == 0) {
    if (!StepSolidCharas()) return false;
  }
  if (hero.m_bDead == 0) {
    if (!StepHero()) return false;
  }
  if (hero.m_bDead == 0) {
    if (!StepCharas()) return false;
  }
  StepShots(s);
  if (s == 1 && hero.m_bDead == 0) ApplyEraseAreas();
  if (hero.m_bDead == 0) {
    int32_t r = GiveBlockItem(hero);
    if (r == kPlayClear) return ClearTail(), false;
    if (r == kPlayDeath) return DeathTail(nullptr), false;
    r = ResolveContacts(g_CharaList);
    if (r == kPlayClear) return ClearTail(), false;
    if (r == kPlayDeath) return DeathTail(nullptr), false;
    if (m_nPlayEnd != kPlayGoOn) return false;
  }
  if (hero.m_bDead == 0) {
    const int32_t r = HeroTouchItems(hero);
    if (r == kPlayClear) return ClearTail(), false;
    if (r == kPlayDeath) return DeathTail(nullptr), false;
    if (m_nPlayEnd != kPlayGoOn) return false;
  }
  return true;
}

bool cStagePlay::StepLifeCounters() {
  {
    cCharaWalk walk(*this);
    for (cChara& chara : g_CharaList) {
      if (!IsLive(*this, chara) || chara.m_bDead != 0 || chara.m_nLife == INT_MAX) continue;
      if (--chara.m_nLife < 0) EraseStageChara(chara);
    }
  }
  cItemWalk walk(*this);
  for (cItem& item : g_ItemList) {
    if (!IsLive(*this, item) || item.m_nLife == INT_MAX) continue;
    if (--item.m_nLife < 0) EraseStageItem(item);
  }
  return true;
}

bool cStagePlay::DefeatInPass(cChara& chara) {
  const int32_t r = DefeatChara(chara);
  if (g_SystemData.m_bSwitch272 != 0) {
    if (r == kPlayClear) {
      EraseStageChara(chara);
      return false;
    }
    Services().PlaySE(play_step::kSoundCharaDefeated);
  } else {
    EraseStageChara(chara);
  }
  return r == 0;
}

bool cStagePlay::DefeatKilled(cChara& chara) {
  Services().PlaySE(play_step::kSoundCharaDefeated);
  const int32_t r = DefeatChara(chara);
  if (r == kPlayClear) {
    EraseStageChara(chara);
    return false;
  }
  return r == 0;
}

bool cStagePlay::StepSolidCharas() {
  cCharaWalk walk(*this);
  for (cChara& chara : g_CharaList) {
    if (!IsLive(*this, chara) || !play_step::IsSolid(chara) || !play_step::Runs(chara)) continue;
    chara.FireTrigger(play_step::kAlwaysTrigger);
    if (!IsLive(*this, chara)) continue;
    if (chara.RunFlows(0) != 0) {
      // A solid chara whose flows end it is defeated even when it vanishes.
      if (!IsLive(*this, chara)) continue;
      if (!DefeatInPass(chara)) return false;
      continue;
    }
    if (m_bKill != 0 && ProcessKills() == 1) return false;
    if (!IsLive(*this, chara)) continue;
    bool erase = false;
    bool killed = false;
    if (chara.MoveX() == play_step::kEraseMove) erase = true;
    if (CollideBlocksX(chara) == play_step::kKilledByBlocks) killed = true;
    chara.ApplyGravity();
    const int32_t y = chara.MoveY();
    if (y == play_step::kKilledMove) killed = true;
    if (y == play_step::kEraseMoveY) erase = true;
    if (CollideBlocksY(chara) == play_step::kKilledByBlocks) killed = true;
    if (killed) {
      if (!DefeatKilled(chara)) return false;
    } else if (erase) {
      EraseStageChara(chara);
    } else {
      chara.DecayPushX();
      chara.DecayPushY();
    }
  }
  return true;
}

bool cStagePlay::StepHero() {
  cHero& hero = g_Heroes.front();
  hero.FireTrigger(play_step::kAlwaysTrigger);
  if (hero.RunFlows(0) != 0) return DeathTail(nullptr), false;
  if (m_nStageClear == 1) return ClearTail(), false;
  if (m_nStageClear == 2) return DeathTail(nullptr), false;
  if (m_bKill != 0 && ProcessKills() == 1) return false;
  const int32_t floor = ApplyFloorEffect(hero);
  if (floor == kPlayClear) return ClearTail(), false;
  if (floor == kPlayDeath) return DeathTail(nullptr), false;
  if (hero.m_bRiding != 0) FollowRiddenChara(hero, g_CharaList);
  hero.MoveX();
  KeepHeroInScreenX(hero);
  if (CollideBlocksX(hero) == play_step::kKilledByBlocks) return DeathTail("Dead 1"), false;
  KeepHeroInScreenX(hero);
  hero.ApplyGravity();
  if (hero.MoveY() == play_step::kKilledMove) return DeathTail("Dead 2"), false;
  if (KeepHeroInScreenY(hero) == 2) return DeathTail("Dead 3"), false;
  if (CollideBlocksY(hero) == play_step::kKilledByBlocks) return DeathTail("Dead 4"), false;
  if (KeepHeroInScreenY(hero) == 2) return DeathTail("Dead 5"), false;
  if (play_step::Squeezed(hero) && play_step::RecoverFromSqueeze(hero) == 0) {
    hero.RestorePosition();
    return DeathTail("Dead SP"), false;
  }
  if (CollideSolidCharas(hero, g_CharaList) == 2 && hero.m_bDead == 0 && play_step::RecoverFromSqueeze(hero) == 0) {
    return DeathTail("Dead 6"), false;
  }
  if (hero.m_bContactLeft != 0 || hero.m_bContactRight != 0) {
    if (RecheckBlocksX(hero) == 2 && hero.m_bDead == 0) {
      // Rescued: the frame ends here, without the other sub-steps or drawing.
      if (play_step::RecoverFromSqueeze(hero) != 0) return false;
      return DeathTail("Dead 7"), false;
    }
  }
  if (hero.m_bContactTop != 0 || hero.m_bContactBottom != 0) {
    if (RecheckBlocksY(hero) == 2 && hero.m_bDead == 0 && play_step::RecoverFromSqueeze(hero) == 0) {
      return DeathTail("Dead 8"), false;
    }
  }
  if (play_step::Squeezed(hero) && play_step::RecoverFromSqueeze(hero) == 0) {
    hero.RestorePosition();
    return DeathTail("Dead 9"), false;
  }
  hero.DecayPushX();
  hero.DecayPushY();
  return true;
}

bool cStagePlay::StepCharas() {
  cCharaWalk walk(*this);
  for (cChara& chara : g_CharaList) {
    if (!IsLive(*this, chara) || play_step::IsSolid(chara) || !play_step::Runs(chara)) continue;
    chara.FireTrigger(play_step::kAlwaysTrigger);
    if (!IsLive(*this, chara)) continue;
    if (chara.RunFlows(0) != 0) {
      if (!IsLive(*this, chara)) continue;
      if (chara.m_bVanish != 0) {
        EraseStageChara(chara);
        continue;
      }
      if (!DefeatInPass(chara)) return false;
      continue;
    }
    if (m_bKill != 0 && ProcessKills() == 1) return false;
    if (!IsLive(*this, chara)) continue;
    if (chara.m_bRiding != 0) FollowRiddenChara(chara, g_CharaList);
    bool erase = false;
    bool killed = false;
    if (chara.MoveX() == play_step::kEraseMove) erase = true;
    if (CollideBlocksX(chara) == play_step::kKilledByBlocks) killed = true;
    chara.ApplyGravity();
    const int32_t y = chara.MoveY();
    if (y == play_step::kKilledMove) killed = true;
    if (y == play_step::kEraseMoveY) erase = true;
    if (CollideBlocksY(chara) == play_step::kKilledByBlocks) killed = true;
    if (CollideSolidCharas(chara, g_CharaList) == 2) killed = true;
    RecheckBlocksX(chara);
    RecheckBlocksY(chara);
    if (play_step::Squeezed(chara) || killed) {
      if (!DefeatKilled(chara)) return false;
    } else if (erase) {
      EraseStageChara(chara);
    } else {
      chara.DecayPushX();
      chara.DecayPushY();
    }
  }
  return true;
}

void cStagePlay::StepShots(int32_t s) {
  for (auto it = m_ShotList.begin(); it != m_ShotList.end();) {
    cShot& shot = *it;
    if (shot.Update() != 0) {
      it = RemoveShotNode(it);
      continue;
    }
    shot.ApplyGravity();
    shot.MoveY();
    shot.MoveX();
    if (s == 1 && shot.m_bProjectile != 0) {
      const int32_t area = shot.m_nControl == 0 ? play_step::kAreaHeroShots : play_step::kAreaShots;
      if (shot.IsOutsideEraseArea(g_Stage.m_EraseAreas.CheckedVectorAt(area)) != 0) {
        it = RemoveShotNode(it);
        continue;
      }
    }
    if (shot.HitsBlock() != 0) {
      it = RemoveShotNode(it);
      continue;
    }
    ++it;
  }
}

void cStagePlay::ApplyEraseAreas() {
  const cVector<cEraseArea>& areas = g_Stage.m_EraseAreas;
  {
    cCharaWalk walk(*this);
    for (cChara& chara : g_CharaList) {
      if (!IsLive(*this, chara) || chara.m_bDead != 0 || chara.m_bEnabled == 0) continue;
      const int32_t area = play_step::IsSolid(chara) ? play_step::kAreaSolids : play_step::kAreaCharas;
      if (m_EraseActive[area] == 0) continue;
      if (chara.IsOutsideEraseArea(areas.CheckedVectorAt(area)) != 0) EraseStageChara(chara);
    }
  }
  if (m_EraseActive[play_step::kAreaItems] == 0) return;
  cItemWalk walk(*this);
  for (cItem& item : g_ItemList) {
    if (IsLive(*this, item) && item.IsOutsideEraseArea(areas.CheckedVectorAt(play_step::kAreaItems)) != 0) {
      EraseStageItem(item);
    }
  }
}

void cStagePlay::ClearTail() { EnterStageClear(); }

void cStagePlay::DeathTail(const char* lpLabel) {
  if (lpLabel != nullptr) EcLog("%s", lpLabel);
  Services().PlaySE(play_step::kSoundHeroDies);
  if (g_Heroes.front().Die() == 1) {
    EnterStageClear();
  } else if (m_nPlayEnd == kPlayGoOn) {
    m_nPlayEnd = kPlayDeath;
  }
}
