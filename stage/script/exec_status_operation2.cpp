// ステータスの操作2: the state flags of a chara (kept as bytes in its
// definition copy) and the system's auto-scroll switches.

#include <cstdint>

#include "records/settings/system_data.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/hero.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/stage_play.h"
#include "stage/script/cmd_param.h"
#include "stage/script/command_kill.h"
#include "stage/script/flow_cmd_executors.h"

namespace exec_status_operation2 {

constexpr int32_t kSystem = 5;
enum eState : int32_t {
  kVanish = 0,
  kTransparent = 1,
  kFixedFacing = 2,
  kFlying = 3,
  kInvincible = 4,
  kGiant = 5,
  kAutoScrollSync = 6,
};
// The posture window a scale change opens, in flow passes.
constexpr int32_t kPostureFrames = 2;

int8_t LowByte(int32_t v) { return static_cast<int8_t>(static_cast<uint8_t>(v & 0xFF)); }

// The running chara (P0 0 and any value but 1..5) or its target P0; null
// for an empty slot.
cCharaBase* Subject(cCharaBase& chara, int32_t who) {
  if (who < 1 || who > kCharaTargetSlots) return &chara;
  return FindCharaById(chara.m_Targets.CheckedVectorAt(who - 1));
}

void SetAutoScroll(cStagePlay& play, int32_t axis, int32_t v) {
  if (axis == 0) {
    g_Stage.m_bAutoScrollX = v;
    play.m_ScrollX.SetAutoScroll(v, g_Stage.m_nAutoScrollSpeedX);
  } else if (axis == 1) {
    g_Stage.m_bAutoScrollY = v;
    play.m_ScrollY.SetAutoScroll(v, g_Stage.m_nAutoScrollSpeedY);
  }
}

// A scale of 0 or below would divide by zero where the chara's floor cell
// is picked: it becomes 1, as a loaded definition's does.
void SetGiant(cCharaBase& c, int32_t v) {
  int8_t scale = LowByte(v);
  if (scale <= 0) scale = 1;
  const int8_t old = c.m_Def.m_nGiant;
  if (g_SystemData.m_bLegacy831 == 0 && scale != old) c.m_nPostureFrames = kPostureFrames;
  c.SetScale(scale, old, 0);
  c.m_Def.m_nGiant = scale;
  if (c.m_nControl == 0 && !g_Heroes.empty()) g_Heroes.front().RebuildBoxes();
}

// Only the hero flies by this command; the first hero takes the state.
void SetFlying(const cCharaBase& c, int32_t v, int32_t savePosition, int32_t markChanged) {
  if (c.m_nControl != 0 || g_Heroes.empty()) return;
  g_Heroes.front().SetFlyingState(v, 1, savePosition, markChanged);
}

void SetState(cStagePlay& play, cCharaBase& c, const cCharaBase& runner, int32_t state, int32_t v, int32_t p3,
              int32_t p4) {
  switch (state) {
    case kVanish: KillByCommand(play, c, &runner); break;
    case kTransparent: c.m_Def.m_bTransparent = LowByte(v); break;
    case kFixedFacing: c.m_Def.m_bFixedFacing = LowByte(v); break;
    case kFlying: SetFlying(c, v, p3, p4); break;
    case kInvincible: c.m_Def.m_nInvincible = LowByte(v); break;
    case kGiant: SetGiant(c, v); break;
    case kAutoScrollSync:
      c.m_Def.m_bAutoScrollSync = LowByte(v);
      c.m_bFollowScroll = static_cast<uint8_t>(v & 0xFF);
      break;
    default: break;
  }
}

}  // namespace exec_status_operation2

int32_t ExecStatusOperation2(cCharaBase* lpChara, cFlowCmd* lpCmd) {
  using namespace exec_status_operation2;
  cStagePlay* play = g_lpSceneStagePlay;
  if (lpChara == nullptr || lpCmd == nullptr || play == nullptr) return 0;
  const int32_t who = CmdParam(*lpCmd, 0);
  const int32_t v = CmdParam(*lpCmd, 2);
  if (who == kSystem) {
    SetAutoScroll(*play, CmdParam(*lpCmd, 1), v);
    return 0;
  }
  cCharaBase* subject = Subject(*lpChara, who);
  if (subject == nullptr) return 0;
  SetState(*play, *subject, *lpChara, CmdParam(*lpCmd, 1), v, CmdParam(*lpCmd, 3), CmdParam(*lpCmd, 4));
  return 0;
}
