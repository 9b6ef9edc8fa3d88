#include "stage/script/command_kill.h"

#include "stage/objects/chara_base.h"
#include "stage/objects/stage_play.h"

void KillByCommand(cStagePlay& play, cCharaBase& chara, const cCharaBase* lpRunner) {
  if (chara.m_nControl == 0) {
    chara.m_nHp = 0;
  } else {
    chara.m_bVanish = 1;
  }
  if (&chara != lpRunner) play.m_bKill = 1;
}
