#pragma once
// cStageClear: the record of one cleared stage and its best score. Stages are
// told apart by their base name (the cut stage file name, with the challenge
// suffix when the stage carries keys); files from before the keys existed hold
// only the cut file name, which then serves as the base name.

#include <cstdint>
#include <string>

#include "records/record/record.h"

// First data version that stored the base name and the keys.
inline constexpr int32_t kStageClearKeysVersion = 759;

class cStageClear : public cRecordOf<cStageClear> {
 public:
  std::string m_strStageFile;
  std::string m_strStageBase;
  int32_t m_bUseKey = 0;
  int32_t m_nKey1 = 0;
  int32_t m_nKey2 = 0;
  int32_t m_nScore = 0;

  cStageClear();

  void RegisterFields(int32_t nVersion) override;
  bool Load(cRecordReader& reader) override;
};
