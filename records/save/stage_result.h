#pragma once
// cStageResult: the challenge result of one stage number: cleared, and the best
// score.

#include <cstdint>

#include "records/record/record.h"

class cStageResult : public cRecordOf<cStageResult> {
 public:
  int32_t m_bCleared = 0;
  int32_t m_nBestScore = 0;

  cStageResult() { RegisterFields(g_nDataVersion); }

  void RegisterFields(int32_t nVersion) override;
};
