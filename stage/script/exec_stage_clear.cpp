// ステージクリア: where the game goes after the stage, and the stage-end
// request itself (the play step ends the stage at the end of the sub-step).

#include <algorithm>
#include <string>

#include "core/path/path_ext.h"
#include "records/save/save_data.h"
#include "records/script/flow_cmd.h"
#include "records/worldmap/world_map.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/stage_play.h"
#include "stage/script/cmd_param.h"
#include "stage/script/flow_cmd_executors.h"
#include "stage/services/stage_services.h"

namespace exec_stage_clear {

enum eNextStage : int32_t { kNextInOrder = 0, kNextByNumber = 1, kNextByPath = 2, kWorldClear = 3 };
// P8: the facing the next stage starts with is the hero's at the clear.
constexpr int32_t kFacingAsNow = 2;

void SetNextStage(cStagePlay& play, const cFlowCmd& cmd) {
  switch (CmdParam(cmd, 0)) {
    case kNextInOrder:
      play.m_nNextStage = g_SaveData.m_nStageNumber + 1;
      play.m_strNextStage.clear();
      break;
    case kNextByNumber:
      play.m_nNextStage = CmdParam(cmd, 1);
      play.m_strNextStage.clear();
      break;
    case kNextByPath:
      play.m_nNextStage = g_SaveData.m_nStageNumber;
      play.m_strNextStage.clear();
      if (cmd.m_strText.empty()) {
        play.Services().ShowErrorMessage("ステージファイル  が不正です。\nステージファイルとして認識できません。");
        break;
      }
      // The stage files of a path share its name up to the extension; the
      // scene adds the number and the extension back.
      play.m_strNextStage = cmd.m_strText;
      PathRemoveExtStr(play.m_strNextStage);
      play.m_strNextStage += ".";
      break;
    case kWorldClear:
      play.m_nNextStage = 0;
      play.m_strNextStage.clear();
      break;
    default:
      break;
  }
}

// A map position outside the world map would index past its grid when the
// map is shown next: both ends are held to the map.
int32_t OnMap(int32_t value, int32_t size) { return std::max(0, std::min(value, size - 1)); }

void SetNextStart(const cFlowCmd& cmd) {
  if (CmdParam(cmd, 5) == 0) {
    g_SaveData.m_bNextStart = 0;
    return;
  }
  g_SaveData.m_bNextStart = 1;
  g_SaveData.m_nNextX = CmdParam(cmd, 6);
  g_SaveData.m_nNextY = CmdParam(cmd, 7);
  int32_t facing = CmdParam(cmd, 8);
  if (facing == kFacingAsNow) facing = g_Heroes.CheckedVectorAt(0).m_nFacing;
  g_SaveData.m_nNextFacing = facing;
}

}  // namespace exec_stage_clear

int32_t ExecStageClear(cCharaBase*, cFlowCmd* lpCmd) {
  if (lpCmd == nullptr || g_lpSceneStagePlay == nullptr) return 0;
  exec_stage_clear::SetNextStage(*g_lpSceneStagePlay, *lpCmd);
  if (CmdParam(*lpCmd, 2) != 0) {
    g_SaveData.m_nMapX = exec_stage_clear::OnMap(CmdParam(*lpCmd, 3), g_WorldMap.m_nWidth);
    g_SaveData.m_nMapY = exec_stage_clear::OnMap(CmdParam(*lpCmd, 4), g_WorldMap.m_nHeight);
    g_SaveData.m_nClearValue = 0;
  }
  exec_stage_clear::SetNextStart(*lpCmd);
  return 1;
}
