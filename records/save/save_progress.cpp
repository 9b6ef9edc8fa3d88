// The story's rounds and the choice of the ranking table shown.

#include <cstdlib>

#include "records/save/save_data.h"

namespace {

int32_t WrapRankTable(int32_t table) {
  return ((table % kRankTableCount) + kRankTableCount) % kRankTableCount;
}

}  // namespace

void cSaveData::NewGame() {
  m_nRound = static_cast<int32_t>(static_cast<uint32_t>(m_nRound) + 1u);
  m_MapFlags.FillVector(0);
  m_MapFlags.CheckedVectorAt(0) = 1;
  m_nMapX = WorldMap().m_nStartX;
  m_nMapY = WorldMap().m_nStartY;
}

void cSaveData::StepSelection(int32_t playMode, int32_t count) {
  const cVector<uint8_t>& flags = Settings().m_ModeFlagList.CheckedVectorAt(playMode).m_Flags;
  const auto isSet = [&flags](int32_t table) {
    return table < flags.VectorSize() && flags.CheckedVectorAt(table) != 0;
  };
  int32_t setCount = 0;
  for (int32_t table = 0; table < kRankTableCount; ++table) setCount += isSet(table) ? 1 : 0;
  if (setCount == 0) return;

  int32_t table = WrapRankTable(m_nRankTable);
  if (count == 0) {
    while (!isSet(table)) table = WrapRankTable(table + 1);
  } else {
    // After the first step the walk only visits set tables, so it repeats
    // every setCount steps.
    const int64_t steps = std::llabs(static_cast<int64_t>(count));
    const int64_t repeats = (steps - 1) % setCount + 1;
    const int32_t direction = count > 0 ? 1 : -1;
    for (int64_t i = 0; i < repeats; ++i) {
      do {
        table = WrapRankTable(table + direction);
      } while (!isSet(table));
    }
  }
  m_nRankTable = table;
}
