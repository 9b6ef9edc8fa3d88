#include <algorithm>
#include <cstdint>
#include <limits>

#include "records/script/condition.h"
#include "records/settings/system_data.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/chara_conditions.h"
#include "stage/objects/judge_range.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/stage_play.h"

namespace chara_distance_condition {

constexpr int32_t kHalfBlockDots = 16;
constexpr int32_t kOutside = 1;
// Replays recorded up to this data version keep the old measure of the
// subject, whatever the project says.
constexpr int32_t kLastOldJudgeVersion = 781;

// 0 names the hero, 1..4 the target slots.
const cCharaBase* Subject(const cCharaBase& chara, int32_t subject) {
  if (subject == kSubjectSelf) return g_Heroes.empty() ? nullptr : &g_Heroes.front();
  return ConditionSubject(chara, subject);
}

bool OldJudge() {
  if (g_SystemData.m_bLegacy782 != 0) return true;
  const cStagePlay* play = g_lpSceneStagePlay;
  return play != nullptr && play->m_Replay.bPlaying != 0 && play->m_Replay.nFileVersion <= kLastOldJudgeVersion;
}

struct cAxis {
  int32_t pos, size, offset, left, right;
};

// The subject's extent on one axis: its screen rectangle, or (the current
// judge) its own judge edges.
cAxis SubjectAxis(const cCharaBase& subject, bool vertical) {
  cAxis axis{vertical ? subject.m_rcScreen.top : subject.m_rcScreen.left,
             vertical ? subject.m_nGraphicH : subject.m_nGraphicW,
             vertical ? subject.m_nGraphicOffsetY : subject.m_nGraphicOffsetX,
             vertical ? subject.m_rcScreen.top : subject.m_rcScreen.left,
             vertical ? subject.m_rcScreen.bottom : subject.m_rcScreen.right};
  if (!OldJudge()) CalcJudgeRange(axis.pos, axis.size, 0, 0, 1, &axis.left, &axis.right);
  return axis;
}

bool InBand(const cCharaBase& chara, const cCharaBase& subject, int32_t shape, int32_t length) {
  int32_t before = 0, after = 0;
  if (!DistanceBandSides(chara, shape, length, &before, &after)) return false;
  const bool vertical = shape >= kShapeVertical;
  const cAxis target = SubjectAxis(subject, vertical);
  const int32_t pos = vertical ? chara.m_rcScreen.top : chara.m_rcScreen.left;
  const int32_t size = vertical ? chara.m_nGraphicH : chara.m_nGraphicW;
  return chara.JudgeRange(pos, size, target.left, target.right, target.offset, before, after, 0, vertical ? 1 : 0,
                          &subject) != 0;
}

bool InCircle(const cCharaBase& chara, const cCharaBase& subject, int64_t length) {
  if (length < 0) return false;
  const double dx = (chara.m_dX + chara.m_nWidth / 2) - (subject.m_dX + subject.m_nWidth / 2);
  const double dy = (chara.m_dY + chara.m_nHeight / 2) - (subject.m_dY + subject.m_nHeight / 2);
  const double d = static_cast<double>(length);
  return dx * dx + dy * dy <= d * d;
}

int64_t RangeDotsWide(const cCondition& cond) {
  return int64_t{cond.m_nValue} * kHalfBlockDots + cond.m_nRightIndex;
}

}  // namespace chara_distance_condition

int32_t DistanceRangeDots(const cCondition& cond) {
  return static_cast<int32_t>(std::clamp<int64_t>(chara_distance_condition::RangeDotsWide(cond),
                                                  std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

bool DistanceBandSides(const cCharaBase& chara, int32_t shape, int32_t length, int32_t* before, int32_t* after) {
  const bool facingRight = chara.m_nFacing == 1;
  switch (shape) {
    case kShapeHorizontal:
    case kShapeVertical: *before = *after = length; return true;
    case kShapeAhead:
    case kShapeAheadY:
      *before = facingRight ? 0 : length;
      *after = facingRight ? length : 0;
      return true;
    case kShapeBehind:
    case kShapeBehindY:
      *before = facingRight ? length : 0;
      *after = facingRight ? 0 : length;
      return true;
    default: return false;
  }
}

int32_t EvalDistanceCondition(const cCharaBase& chara, const cCondition& cond) {
  const cCharaBase* subject = chara_distance_condition::Subject(chara, cond.m_nSubject);
  if (subject == nullptr) return 0;
  bool inside = false;
  if (cond.m_nShape == kShapeCircle) {
    inside = chara_distance_condition::InCircle(chara, *subject, chara_distance_condition::RangeDotsWide(cond));
  } else if (cond.m_nShape >= kShapeHorizontal && cond.m_nShape <= kShapeBehindY) {
    inside = chara_distance_condition::InBand(chara, *subject, cond.m_nShape, DistanceRangeDots(cond));
  } else {
    return 0;
  }
  return cond.m_nCompare == chara_distance_condition::kOutside ? !inside : inside;
}
