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
#include "stage/objects/play_step_rules.h"
#include "stage/objects/stage_play.h"
#include "stage/services/stage_services.h"

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
  if (presentation == kPlayReplayRestart) return m_bCloseAsked != 0 ? kPlayClose : kPlayReplayRestart;
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
  hero.ResetFlowFrameFlags();
  hero.m_bHoldScreenPos = 0;
  hero.m_nHoldMode = 0;
  for (cChara& chara : g_CharaList) {
    if (chara.m_bDead == 0) chara.ResetFlowFrameFlags();
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
  if (hero.m_bDead == 0) StepLifeCounters();
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

void cStagePlay::StepLifeCounters() {
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
