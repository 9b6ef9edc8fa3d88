#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/math/truncate.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/chara_base.h"

namespace chara_jump {

// Half blocks and sight bytes are 16 dots.
constexpr int32_t kHalfBlockDots = 16;
// Frames per tenth of a second.
constexpr int32_t kFramesPerTenthI = 6;
// A rise time becomes a 16-bit duration.
constexpr int32_t kMaxRiseTime = 32767;

}  // namespace chara_jump

double cCharaBase::JumpSpeed(double height) const {
  const double g = g_Stage.m_dSubGravity;
  // Without gravity nothing brings a jump down; a negative height (a negative
  // spring byte or jump parameter) would take the root of a negative number.
  if (!(g > 0)) return 0;
  const double h = height > 0 ? height : 0;
  double v = (-g - std::sqrt(g * (g + 8 * h))) * 0.5;
  if (m_nControl == 0) v *= 0.99 - g_Stage.m_dGravity * 0.025;
  return v;
}

double cCharaBase::JumpSpeedHbl(int8_t halfBlocks) const {
  return JumpSpeed(static_cast<double>(halfBlocks) * chara_jump::kHalfBlockDots);
}

int32_t cCharaBase::ApexSteps(double v) const {
  const double g = g_Stage.m_dSubGravity;
  if (!(g > 0)) return g_Stage.m_nSubSteps;
  return TruncToInt(g_Stage.m_dSubSteps - v / g);
}

int32_t cCharaBase::JumpRiseTime(int8_t halfBlocks) const {
  const int32_t steps = g_Stage.m_nSubSteps > 0 ? g_Stage.m_nSubSteps : 1;
  const int64_t tenths = ApexSteps(JumpSpeedHbl(halfBlocks)) / steps / chara_jump::kFramesPerTenthI + 1;
  return static_cast<int32_t>(std::clamp<int64_t>(tenths, 1, chara_jump::kMaxRiseTime));
}

int32_t cCharaBase::SightDots(int8_t sight) { return sight * chara_jump::kHalfBlockDots; }

double cCharaBase::StopToFriction(int16_t stop) {
  return g_Stage.m_dSubSteps2 > 0 ? stop * 0.01 / g_Stage.m_dSubSteps2 : 0;
}
