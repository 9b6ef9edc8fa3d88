#include "stage/objects/judge_range.h"

#include <algorithm>
#include <limits>

#include "core/log/ec_log.h"
#include "core/math/truncate.h"
#include "records/settings/system_data.h"
#include "stage/objects/game_object.h"

namespace judge_range {

int32_t Saturate(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                   std::numeric_limits<int32_t>::max()));
}

}  // namespace judge_range

void CalcJudgeRange(int32_t pos, int32_t size, int32_t nLenghLeft, int32_t nLenghRight, int32_t ownExtent,
                    int32_t* nJudgeLeft, int32_t* nJudgeRight) {
  const int64_t half = size >> 1;
  const int64_t centre = static_cast<int64_t>(pos) + half;
  int64_t left = centre;
  int64_t right = centre;
  if (nLenghLeft != 0) left = static_cast<int64_t>(pos) - nLenghLeft;
  if (nLenghRight != 0) right = centre + half + nLenghRight;
  if (ownExtent != 0 && nLenghLeft == 0 && nLenghRight == 0) {
    left = pos;
    right = centre + half;
  }
  *nJudgeLeft = judge_range::Saturate(left);
  *nJudgeRight = judge_range::Saturate(right);
}

int32_t cGameObject::JudgeRange(int32_t pos, int32_t size, int32_t nTargetBltLeft, int32_t nTargetBltRight,
                                int32_t nTargetTrueTo, int32_t nLenghLeft, int32_t nLenghRight, int32_t ownExtent,
                                int32_t vertical, const cGameObject* target) const {
  int32_t nJudgeLeft = 0;
  int32_t nJudgeRight = 0;
  CalcJudgeRange(pos, size, nLenghLeft, nLenghRight, ownExtent, &nJudgeLeft, &nJudgeRight);
  if (m_nControl == 1) {
    // The object's run-time id stands where an address would not repeat between runs.
    EcLog("Addr = %u\nnJudgeLeft(Up) = %d, nJudgeRight(Down) = %d\nnTargetBltLeft(Up) = %d, "
          "nTargetBltRight(Down) = %d, nTargetTrueToX(Y) = %d\nnLenghLeft(Up) = %d, nLenghRight(Down) = %d",
          static_cast<uint32_t>(m_nId), nJudgeLeft, nJudgeRight, nTargetBltLeft, nTargetBltRight, nTargetTrueTo,
          nLenghLeft, nLenghRight);
  }
  int64_t farEnd = static_cast<int64_t>(nTargetBltRight) - nTargetTrueTo;
  // A target whose body covers its whole graphic is not shortened at the far
  // end vertically (unless the project keeps the old distance condition).
  if (vertical != 0 && g_SystemData.m_bLegacy733 == 0 && target != nullptr) {
    const int64_t bodyHeight = static_cast<int64_t>(TruncToInt(target->m_dBottom - target->m_dY)) + 1;
    if (bodyHeight + nTargetTrueTo >= target->m_nGraphicH) farEnd = nTargetBltRight;
  }
  const int64_t nearEnd = static_cast<int64_t>(nTargetBltLeft) + nTargetTrueTo;
  return nJudgeLeft <= farEnd && nearEnd <= nJudgeRight ? 1 : 0;
}
