#pragma once
// cFlagList: the ranking switches of one play mode: whether the mode has rankings
// at all, and one flag per ranking table.

#include <cstdint>

#include "core/containers/checked_vector.h"
#include "records/record/record.h"

// Ranking tables a mode can have.
inline constexpr int32_t kRankingTableCount = 5;

class cFlagList : public cRecordOf<cFlagList> {
 public:
  int32_t m_bEnabled = 0;
  cVector<uint8_t> m_Flags = cVector<uint8_t>(kRankingTableCount, 0);

  void RegisterFields(int32_t nVersion) override;
  // The field, then the flags as an appended byte list.
  bool Load(cRecordReader& reader) override;
  void Save(cRecordWriter& writer) override;
  void VisitAppended(cRecordVisitor& visitor) override;
};
