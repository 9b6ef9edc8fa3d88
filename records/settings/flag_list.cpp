#include "records/settings/flag_list.h"

void cFlagList::RegisterFields(int32_t) {
  ResetFieldTables();
  AddIntField(&m_bEnabled);
}

bool cFlagList::Load(cRecordReader& reader) {
  return cRecord::Load(reader) && LoadValueList(reader, m_Flags);
}

void cFlagList::Save(cRecordWriter& writer) {
  cRecord::Save(writer);
  SaveValueList(writer, m_Flags);
}
