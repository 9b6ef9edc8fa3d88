// The physics values a stage derives from its collision level.

#include <algorithm>

#include "records/stage/stage_data.h"

namespace {

// Levels 11 to 19 run level - 10 sub-steps but keep level 10's speed limit.
constexpr int32_t kSharedLimitFirst = 11;
constexpr int32_t kSharedLimitLast = 19;
constexpr int32_t kSharedLimitOffset = 10;
constexpr double kSharedMaxSpeed = 60.0;
constexpr double kMaxSpeedPerSubStep = 6.0;
constexpr int32_t kFallFrames = 8;
constexpr int32_t kCycleFrames = 6;

// The level played: a level of 0 or below would give no sub-steps (and a
// division by zero), a huge one billions of sub-steps a frame.
int32_t PlayedLevel(int32_t level) {
  if (level <= 0) return kDefaultCollisionLevel;
  return std::min(level, kMaxCollisionLevel);
}

bool SharesLimit(int32_t level) { return level >= kSharedLimitFirst && level <= kSharedLimitLast; }

}  // namespace

void cStageData::SetCollisionLevel(int32_t level) {
  m_nCollisionLevel = level;
  const int32_t played = PlayedLevel(level);
  const int32_t steps = SharesLimit(played) ? played - kSharedLimitOffset : played;
  m_nSubSteps = steps;
  m_dSubSteps = static_cast<double>(steps);
  m_dSubSteps2 = static_cast<double>(steps * steps);
  m_dMaxSpeed = SharesLimit(played) ? kSharedMaxSpeed : kMaxSpeedPerSubStep * steps;
  m_dMaxSubSpeed = m_dMaxSpeed / steps;
  m_dSubGravity = m_dGravity / (steps * steps);
  m_nFallSteps = kFallFrames * steps;
  m_nCycleSteps = kCycleFrames * steps;
}
