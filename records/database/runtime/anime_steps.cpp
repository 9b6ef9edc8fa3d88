#include "records/database/runtime/anime_steps.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "core/globals/global_order.h"

VP_GLOBAL(kGlobalAnimeSteps, cAnimeStepTable g_AnimeSteps);
VP_GLOBAL(kGlobalEffectSteps, cAnimeStepTable g_EffectSteps);

namespace {

constexpr ANIMESTEP kNoneClosingStep = {kAnimeStepLoop, 0, 1};
constexpr ANIMESTEP kClosingStep = {kAnimeStepEnd, 0, 0};

// A duration in tenths of a second as frames, kept within int32 however large
// the stored value.
int32_t DurationTicks(int32_t tenths) {
  const int64_t ticks = int64_t{tenths} * kFramesPerTenth;
  return static_cast<int32_t>(std::clamp<int64_t>(ticks, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

// holds(frame) tells whether a frame starts the part that must not be interrupted.
template <class Frame, class Holds>
cAnimeStepList BuildStepList(const cVector<Frame>& frames, bool isNone, Holds holds) {
  cAnimeStepList steps;
  steps.reserve(frames.size() + 1);
  bool holding = false;
  for (const Frame& frame : frames) {
    holding = holding || holds(frame);
    if (isNone) {
      steps.push_back({frame.m_nPattern, 0, 1});
    } else {
      steps.push_back({frame.m_nPattern, DurationTicks(frame.m_nDuration), holding ? 1 : 0});
    }
  }
  steps.push_back(isNone ? kNoneClosingStep : kClosingStep);
  return steps;
}

template <class Record, class Holds>
void BuildStepTable(cAnimeStepTable& table, const cVector<Record>& records, Holds holds) {
  table.clear();
  table.reserve(records.size());
  for (const Record& record : records) {
    table.push_back(BuildStepList(record.m_Frames, table.empty(), holds));
  }
}

}  // namespace

void BuildAnimeSteps(cAnimeStepTable& table, const cDatabase& database) {
  BuildStepTable(table, database.m_Animes,
                 [](const cAnimeFrame& frame) { return frame.m_bHold != 0; });
}

void BuildEffectSteps(cAnimeStepTable& table, const cDatabase& database) {
  BuildStepTable(table, database.m_Effects, [](const cEffectFrame&) { return false; });
}
