#include "records/save/stage_result.h"

void cStageResult::RegisterFields(int32_t /*nVersion*/) {
  ResetFieldTables();
  AddIntField(&m_bCleared);
  AddIntField(&m_nBestScore);
}
