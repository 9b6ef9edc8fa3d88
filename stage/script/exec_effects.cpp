// エフェクトの実行 and 画面エフェクトの実行: effects and screen effects of the
// scene. The simulation decides the entry, the place and the size, and how
// long the game waits for the effect.

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "records/database/database.h"
#include "records/database/effect.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/stage_play.h"
#include "stage/script/cmd_param.h"
#include "stage/script/flow_cmd_executors.h"
#include "stage/script/scene_pause.h"
#include "stage/services/stage_services.h"

namespace exec_effects {

enum ePosition : int32_t { kScreenCentre = 0, kCharaCentre = 1, kHeroCentre = 2, kScreenPoint = 3, kStagePoint = 4 };
constexpr int32_t kBlockDots = 32;
// The scene's mode of an effect wait.
constexpr int32_t kEffectWaitMode = 2;

// percent of size, rounded half away from zero; held to int32 for any stored
// percentage.
int32_t Scaled(int32_t percent, int32_t size) {
  const double scaled = std::round(percent * static_cast<double>(size) * 0.01);
  if (scaled >= static_cast<double>(INT32_MAX)) return INT32_MAX;
  if (scaled <= static_cast<double>(INT32_MIN)) return INT32_MIN;
  return static_cast<int32_t>(scaled);
}

// The frames of all the entry's frames, each a duration in tenths.
int32_t EffectFrames(const cEffect& effect) {
  int64_t frames = 0;
  for (const cEffectFrame& frame : effect.m_Frames) frames += static_cast<int64_t>(frame.m_nDuration) * 6;
  return static_cast<int32_t>(std::clamp<int64_t>(frames, INT32_MIN, INT32_MAX));
}

}  // namespace exec_effects

void CalcEffectPosition(double* lpX, double* lpY, int32_t width, int32_t height, const cCharaBase* lpChara,
                        int32_t mode, int32_t blockX, int32_t blockY, int32_t dotX, int32_t dotY) {
  using namespace exec_effects;
  *lpX = 0;
  *lpY = 0;
  const cStagePlay* play = g_lpSceneStagePlay;
  const double scrollX = play != nullptr ? play->m_ScrollX.m_dPos : 0;
  const double scrollY = play != nullptr ? play->m_ScrollY.m_dPos : 0;
  const cCharaBase* hero = g_Heroes.empty() ? nullptr : &g_Heroes.CheckedVectorAt(0);
  const cCharaBase* centred = mode == kCharaCentre ? lpChara : mode == kHeroCentre ? hero : nullptr;
  switch (mode) {
    case kScreenCentre:
      *lpX = scrollX + kViewWidth / 2 - width / 2 + dotX;
      *lpY = scrollY + kViewHeight / 2 - height / 2 + dotY;
      break;
    case kCharaCentre:
    case kHeroCentre:
      if (centred == nullptr) break;
      *lpX = centred->ScreenCenterX() + scrollX - width / 2 + dotX;
      *lpY = centred->ScreenCenterY() + scrollY - height / 2 + dotY;
      break;
    case kScreenPoint:
      *lpX = scrollX + static_cast<double>(blockX) * kBlockDots + dotX;
      *lpY = scrollY + static_cast<double>(blockY) * kBlockDots + dotY;
      break;
    case kStagePoint:
      *lpX = static_cast<double>(blockX) * kBlockDots + kWorldMargin + dotX;
      *lpY = static_cast<double>(blockY) * kBlockDots + kWorldMargin + dotY;
      break;
    default:
      break;
  }
}

int32_t ExecRunEffect(cCharaBase* lpChara, cFlowCmd* lpCmd) {
  using namespace exec_effects;
  cStagePlay* play = g_lpSceneStagePlay;
  if (lpCmd == nullptr || play == nullptr || play->m_bQuit != 0) return 0;
  const cFlowCmd& cmd = *lpCmd;
  const int16_t index = static_cast<int16_t>(CmdParam(cmd, 0));
  if (index == 0) {
    play->Services().ClearEffects();
    return 0;
  }
  const cEffect& effect = g_Database.m_Effects.CheckedVectorAt(index);
  EFFECTREQUEST request;
  request.nEffect = index;
  request.nWidth = Scaled(CmdParam(cmd, 6), effect.m_nWidth);
  request.nHeight = Scaled(CmdParam(cmd, 6), effect.m_nHeight);
  CalcEffectPosition(&request.dX, &request.dY, request.nWidth, request.nHeight, lpChara, CmdParam(cmd, 1),
                     CmdParam(cmd, 2), CmdParam(cmd, 3), CmdParam(cmd, 4), CmdParam(cmd, 5));
  request.bWait = CmdParam(cmd, 7);
  play->Services().AddEffect(request);
  if (request.bWait == 0) return 0;
  WAITDATA wait;
  wait.Set(kEffectWaitMode, 0, EffectFrames(effect), 0);
  PauseForWait(*play, &wait);
  return 0;
}

int32_t ExecRunScreenEffect(cCharaBase*, cFlowCmd* lpCmd) {
  if (lpCmd == nullptr || g_lpSceneStagePlay == nullptr) return 0;
  g_lpSceneStagePlay->Services().StartScreenEffect(CmdParam(*lpCmd, 0), CmdParam(*lpCmd, 1), CmdParam(*lpCmd, 2));
  return 0;
}
