// ワープ: the chara jumps to a new place at once: by direction and distance,
// from a target, or to a point; cancelled when the place is outside the
// stage or blocked.

#include <cstdint>

#include "records/script/direction_codes.h"
#include "records/script/ed_move.h"
#include "records/script/flow_cmd.h"
#include "records/settings/system_data.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/stage_play.h"
#include "stage/objects/wave.h"
#include "stage/script/flow_cmd_executors.h"
#include "stage/script/move_velocity.h"

namespace exec_warp {

constexpr int32_t kHalfBlockDots = 16;
constexpr int32_t kBlockDots = 32;
// Half a cell, plus the half dot that puts a centred body on whole dots.
constexpr double kCellCentre = 16.5;
enum eTargetCoord : int32_t { kRelative = 0, kAbsolute = 1, kScreen = 2 };

void SetX(cCharaBase& c, double x) {
  c.m_dX = x;
  c.m_dRight = x + c.m_nWidth - 1;
}
void SetY(cCharaBase& c, double y) {
  c.m_dY = y;
  c.m_dBottom = y + c.m_nHeight - 1;
}

// Moves by d in direction code (diagonals d / sqrt 2 per axis), each changed
// axis clamped.
void MoveBy(cCharaBase& c, int32_t code, double d) {
  const double k = d * g_dInvSqrt2;
  double dx = 0;
  double dy = 0;
  switch (code) {
    case kDirLeft: dx = -d; break;
    case kDirRight: dx = d; break;
    case kDirUp: dy = -d; break;
    case kDirDown: dy = d; break;
    case kDirUpLeft: dx = -k; dy = -k; break;
    case kDirDownLeft: dx = -k; dy = k; break;
    case kDirUpRight: dx = k; dy = -k; break;
    case kDirDownRight: dx = k; dy = k; break;
    default: break;
  }
  if (dx != 0) {
    SetX(c, c.m_dX + dx);
    c.ClampX();
  }
  if (dy != 0) {
    SetY(c, c.m_dY + dy);
    c.ClampY();
  }
}

bool KeepDiagonals(bool flying) { return g_SystemData.m_bLegacy721 == 0 || flying; }

// The warp's direction, oriented by the chara it starts from (the chara
// itself or its target): that one's facing turns the relative codes and,
// under the old rule, its flying keeps "入力方向"'s diagonals. The input is
// the warping chara's, held now; "any" faces on (input argument 0).
int32_t WarpDirection(const cCharaBase& c, const cEdMove& move, const cCharaBase& oriented) {
  return ResolveMoveDirection(c, move.m_nDirection, 1, 0, KeepDiagonals(oriented.m_bFlying != 0), &oriented);
}

void FromTarget(cCharaBase& c, const cCharaBase& target, const cEdMove& move, double d) {
  const int32_t code = WarpDirection(c, move, target);
  SetX(c, target.m_dX + target.m_nWidth / 2.0 - c.m_nWidth / 2.0);
  SetY(c, target.m_dY + target.m_nHeight / 2.0 - c.m_nHeight / 2.0);
  MoveBy(c, code, d);
  c.ClampX();
  c.ClampY();
}

void ToPoint(cStagePlay& play, cCharaBase& c, const cEdMove& move) {
  double tx = static_cast<double>(move.m_nTargetX) * kBlockDots + move.m_nTargetDotX;
  double ty = static_cast<double>(move.m_nTargetY) * kBlockDots + move.m_nTargetDotY;
  const bool legacy = g_SystemData.m_bLegacy822 != 0;
  switch (move.m_nTargetCoord) {
    case kRelative:
      if (c.m_nFacing == kFacingRight) {
        if (move.m_bMirrorTargetX) tx = -tx;
        if (move.m_bMirrorTargetY) ty = -ty;
      }
      SetX(c, c.m_dX + tx);
      SetY(c, c.m_dY + ty);
      break;
    case kAbsolute:
      if (!legacy && c.m_bFlying) {
        SetX(c, kWorldMargin + tx + kCellCentre - c.m_nWidth / 2);
        SetY(c, kWorldMargin + ty + kCellCentre - c.m_nHeight / 2);
        break;
      }
      c.SetBlockX(move.m_nTargetX);
      c.SetBlockY(move.m_nTargetY, 0);
      SetX(c, c.m_dX + move.m_nTargetDotX);
      SetY(c, c.m_dY + move.m_nTargetDotY);
      break;
    case kScreen:
      if (legacy) {
        SetX(c, tx + c.m_nGraphicOffsetX + play.m_ScrollX.m_dPos);
        SetY(c, ty + c.m_nGraphicOffsetY + play.m_ScrollY.m_dPos);
        break;
      }
      SetX(c, tx + play.m_ScrollX.m_dPos - c.m_nWidth / 2 + kCellCentre);
      // A walking chara stands with its feet on the cell's bottom.
      SetY(c, c.m_bFlying ? ty + play.m_ScrollY.m_dPos - c.m_nHeight / 2 + kCellCentre
                          : ty + play.m_ScrollY.m_dPos - (c.m_nHeight - kBlockDots) + kCellCentre);
      break;
    default:
      return;
  }
  c.ClampX();
  c.ClampY();
}

}  // namespace exec_warp

int32_t ExecWarp(cCharaBase* lpChara, cFlowCmd* lpCmd) {
  using namespace exec_warp;
  cStagePlay* play = g_lpSceneStagePlay;
  // A command stored without its move settings has nowhere to go.
  const cEdMove* move = lpCmd != nullptr ? lpCmd->m_Move.get() : nullptr;
  if (lpChara == nullptr || move == nullptr || play == nullptr) return 0;
  cCharaBase& c = *lpChara;
  const cCharaBase* target = nullptr;
  if (move->m_nMode >= kWarpFromTarget1 && move->m_nMode < kWarpToTargetPoint) {
    target = FindCharaById(c.m_Targets.CheckedVectorAt(move->m_nMode - kWarpFromTarget1));
    if (target == nullptr) return 0;
  }
  c.m_bHoldScreenPos = 0;
  c.m_nHoldMode = 0;
  const double x = c.m_dX, y = c.m_dY, right = c.m_dRight, bottom = c.m_dBottom;
  const double d = (static_cast<double>(move->m_nDistancePerClone) * c.m_nIndex + move->m_nDistance) * kHalfBlockDots;
  if (move->m_nMode == kWarpByDirection) {
    MoveBy(c, WarpDirection(c, *move, c), d);
  } else if (target != nullptr) {
    FromTarget(c, *target, *move, d);
  } else if (move->m_nMode == kWarpToTargetPoint) {
    ToPoint(*play, c, *move);
  }
  c.UpdateScreenRect();
  if (c.IsInsideStage(0) == 0 || play->IsPlaceBlocked(c) != 0) {
    c.m_dX = x;
    c.m_dY = y;
    c.m_dRight = right;
    c.m_dBottom = bottom;
    c.ClampY();
    c.ClampX();
    c.UpdateScreenRect();
  } else if (c.m_bFlying == 0) {
    c.m_dVY = 0;
  }
  if (move->m_nMode == kWarpToTargetPoint && move->m_nTargetCoord == kScreen) {
    c.m_nHoldScreenX = c.m_rcScreen.left;
    c.m_nHoldScreenY = c.m_rcScreen.top;
    c.m_bHoldScreenPos = 1;
    c.m_nHoldMode = 1;
  }
  return 0;
}
