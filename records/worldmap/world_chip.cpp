#include "records/worldmap/world_chip.h"

void cWorldChip::RegisterFields(int32_t) {
  ResetFieldTables();
  AddIntField(&m_nExtra);
  AddIntField(&m_bBlocked);
  AddIntField(&m_nPattern);
  AddStringField(&m_strName);
  AddStringField(&m_strNote);
}
