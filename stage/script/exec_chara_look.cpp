// The chara's own look: its graphic, its base animation set, an extra
// animation and its chara effect. All of it is simulation state (the
// animation decides the pattern, the effect its own steps).

#include <cstdint>

#include "records/database/runtime/anime_steps.h"
#include "stage/objects/anime_player.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/flow_instance.h"
#include "stage/objects/stage_play.h"
#include "stage/script/cmd_param.h"
#include "stage/script/flow_cmd_executors.h"
#include "stage/script/flow_handover.h"

namespace exec_chara_look {

// The flow that keys a new anime player: the running flow when the chara
// runs it. An item command run on the hero inside another chara's flow
// keys none, else a hero flow of the same serial would end it.
int32_t OwnerKey(const cCharaBase& chara) {
  const cStagePlay* play = g_lpSceneStagePlay;
  if (play == nullptr || FlowOwner(*play) != &chara) return -1;
  const cFlowInstance* flow = RunningFlow(*play);
  return flow != nullptr ? flow->m_nSerial : -1;
}

}  // namespace exec_chara_look

int32_t ExecChangeGraphic(cCharaBase* lpChara, cFlowCmd* lpCmd) {
  if (lpChara == nullptr || lpCmd == nullptr) return 0;
  const int8_t source = static_cast<int8_t>(static_cast<uint8_t>(CmdParam(*lpCmd, 0) & 0xFF));
  const int16_t graphic = static_cast<int16_t>(static_cast<uint16_t>(CmdParam(*lpCmd, 1) & 0xFFFF));
  lpChara->m_Def.m_nGraphicSource = source;
  lpChara->m_Def.m_nGraphic = graphic;
  lpChara->m_Def.m_nGraphicCell = static_cast<int16_t>(static_cast<uint16_t>(CmdParam(*lpCmd, 2) & 0xFFFF));
  lpChara->m_nGraphicNo = graphic;
  return 0;
}

int32_t ExecChangeAnimeSet(cCharaBase* lpChara, cFlowCmd* lpCmd) {
  if (lpChara == nullptr || lpCmd == nullptr) return 0;
  lpChara->SetAnimeSet(static_cast<int16_t>(CmdParam(*lpCmd, 0)), 0);
  return 0;
}

int32_t ExecRunAnime(cCharaBase* lpChara, cFlowCmd* lpCmd) {
  if (lpChara == nullptr || lpCmd == nullptr) return 0;
  cAnimeStepTable table;
  table.push_back(g_AnimeSteps.CheckedVectorAt(CmdParam(*lpCmd, 0)));
  ANIMEPLAYER player;
  player.Anime.SetTable(table);
  player.Anime.SetSequence(0, 1);
  player.nOwnerKey = exec_chara_look::OwnerKey(*lpChara);
  lpChara->m_AnimePlayers.push_front(player);
  return 0;
}

int32_t ExecRunCharaEffect(cCharaBase* lpChara, cFlowCmd* lpCmd) {
  if (lpChara == nullptr || lpCmd == nullptr) return 0;
  lpChara->m_CharaEffect.Start(static_cast<int16_t>(CmdParam(*lpCmd, 0)), CmdParam(*lpCmd, 1), CmdParam(*lpCmd, 2));
  return 0;
}
