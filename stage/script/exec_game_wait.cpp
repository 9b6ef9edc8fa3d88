// ゲームウエイト: the game stands still for a time. The scene shows an empty
// timed window for it so its pause loop has something that ends.

#include "records/script/flow_cmd.h"
#include "stage/objects/stage_play.h"
#include "stage/script/cmd_param.h"
#include "stage/script/flow_cmd_executors.h"
#include "stage/script/scene_pause.h"
#include "stage/services/stage_services.h"

namespace exec_game_wait {

constexpr int32_t kDurationTimed = 2;

}  // namespace exec_game_wait

int32_t ExecGameWait(cCharaBase*, cFlowCmd* lpCmd) {
  if (lpCmd == nullptr || g_lpSceneStagePlay == nullptr) return 0;
  cStagePlay& play = *g_lpSceneStagePlay;
  const int32_t frames = TenthsToFrames(CmdParam(*lpCmd, 0));
  cMessageSetup window;
  window.m_nStay = 1;
  window.m_nDurationMode = exec_game_wait::kDurationTimed;
  window.m_nDurationFrames = frames;
  window.m_nCountWhileFrozen = 1;
  play.Services().ShowMessage(window);
  WAITDATA wait;
  wait.nFrames = frames;
  PauseForWait(play, &wait);
  play.Services().RemoveShownMessage();
  return 0;
}
