// ピクチャーの表示: a picture of the scene shown, replaced by its ID, hidden,
// or all of them removed; with P10 the game waits for it.

#include "records/script/flow_cmd.h"
#include "records/settings/system_data.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/stage_play.h"
#include "stage/script/cmd_param.h"
#include "stage/script/flow_cmd_executors.h"
#include "stage/script/scene_pause.h"
#include "stage/services/stage_services.h"

namespace exec_picture {

enum eFollow : int32_t { kFollowChara = 1, kFollowHero = 2 };
// The scene's mode of a picture wait.
constexpr int32_t kPictureWaitMode = 3;

const cCharaBase* Followed(const cCharaBase* lpChara, int32_t position) {
  if (position == kFollowChara) return lpChara;
  if (position == kFollowHero) return g_Heroes.empty() ? nullptr : &g_Heroes.CheckedVectorAt(0);
  return nullptr;
}

PICTUREREQUEST Request(const cCharaBase* lpChara, const cFlowCmd& cmd) {
  PICTUREREQUEST p;
  p.nPicture = CmdParam(cmd, 0);
  p.nPosMode = CmdParam(cmd, 1);
  p.nBlockX = CmdParam(cmd, 2);
  p.nBlockY = CmdParam(cmd, 3);
  p.nDotX = CmdParam(cmd, 4);
  p.nDotY = CmdParam(cmd, 5);
  p.nStay = CmdParam(cmd, 11);
  p.nLevel = CmdParam(cmd, 6);
  p.nPercent = CmdParam(cmd, 7);
  p.nDurationMode = CmdParam(cmd, 8);
  p.nFrames = CmdParam(cmd, 14) != 0 ? 1 : TenthsToFrames(CmdParam(cmd, 9));
  p.bStopGame = CmdParam(cmd, 10);
  p.bUseId = CmdParam(cmd, 12);
  p.nId = CmdParam(cmd, 13);
  if (const cCharaBase* followed = Followed(lpChara, p.nPosMode)) {
    p.nCharaId = followed->m_nId;
    p.bCharaPresent = 1;
    p.nCharaCenterX = followed->ScreenCenterX();
    p.nCharaCenterY = followed->ScreenCenterY();
  }
  p.bPlaceNow = g_SystemData.m_bLegacy833 == 0 ? 1 : 0;
  return p;
}

}  // namespace exec_picture

int32_t ExecShowPicture(cCharaBase* lpChara, cFlowCmd* lpCmd) {
  cStagePlay* play = g_lpSceneStagePlay;
  if (lpCmd == nullptr || play == nullptr || play->m_bQuit != 0) return 0;
  const cFlowCmd& cmd = *lpCmd;
  if (CmdParam(cmd, 0) == 0) {
    if (CmdParam(cmd, 12) == 0) {
      play->Services().ClearPictures();
    } else {
      play->Services().HidePicture(CmdParam(cmd, 13));
    }
    return 0;
  }
  const PICTUREREQUEST request = exec_picture::Request(lpChara, cmd);
  const int32_t handle = play->Services().ShowPicture(request);
  if (request.bStopGame == 0) return 0;
  PauseForShown(*play, exec_picture::kPictureWaitMode, request.nDurationMode, request.nFrames, 0);
  play->Services().RemovePicture(handle);
  return 0;
}
