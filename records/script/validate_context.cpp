#include "records/script/validate_context.h"

#include <algorithm>
#include <atomic>
#include <limits>

namespace {

std::size_t ListSlot(eDatabaseList list) { return static_cast<std::size_t>(list); }

// Entries of the database's default content, per list in load order.
constexpr std::array<uint32_t, kDatabaseListCount> kDefaultListSizes = {1, 2, 2, 1, 2,
                                                                        2, 2, 2, 2, 2};

const cValidateContext& DefaultContext() {
  static const cValidateContext context = cValidateContext::Defaults();
  return context;
}

// Atomic: a stage file loads on a worker thread under the scope its caller set.
std::atomic<const cValidateContext*> g_lpCurrentContext{nullptr};

}  // namespace

cValidateContext cValidateContext::Defaults() {
  cValidateContext context;
  context.listSizes = kDefaultListSizes;
  // The default sword type has one step of 1/10 s.
  context.swordStepDurations = {{1}};
  return context;
}

uint32_t cValidateContext::ListSize(eDatabaseList list) const {
  if (list == eDatabaseList::SwordType) return static_cast<uint32_t>(swordStepDurations.size());
  return listSizes[ListSlot(list)];
}

bool cValidateContext::InRange(eDatabaseList list, int32_t index) const {
  return static_cast<uint32_t>(index) < ListSize(list);
}

void cValidateContext::SetListSize(eDatabaseList list, uint32_t size) {
  if (list == eDatabaseList::SwordType) {
    swordStepDurations.resize(size, std::vector<int32_t>{1});
    return;
  }
  listSizes[ListSlot(list)] = size;
}

int16_t cValidateContext::SwordDuration(int32_t swordType) const {
  if (!InRange(eDatabaseList::SwordType, swordType)) return 0;
  // Summed wide: stored step durations are int32 and could overflow a narrower
  // sum; the cap applies after every step as the swing is built step by step.
  int64_t sum = 0;
  for (const int32_t step : swordStepDurations[static_cast<std::size_t>(swordType)]) {
    sum = std::min<int64_t>(sum + step, kMaxSwordDuration);
  }
  return static_cast<int16_t>(std::max<int64_t>(sum, std::numeric_limits<int16_t>::min()));
}

const cPaletteSizes* cValidateContext::Palette(int32_t palette) const {
  if (palette == kCommonPalette) return &commonPalette;
  if (palette == kStagePalette) return &stagePalette;
  return nullptr;
}

const cValidateContext& CurrentValidateContext() {
  const cValidateContext* context = g_lpCurrentContext.load();
  return context ? *context : DefaultContext();
}

cValidateContextScope::cValidateContextScope(const cValidateContext& context)
    : m_lpPrevious(g_lpCurrentContext.exchange(&context)) {}

cValidateContextScope::~cValidateContextScope() { g_lpCurrentContext.store(m_lpPrevious); }
