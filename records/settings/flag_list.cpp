#include "records/settings/flag_list.h"
#include "records/record/record_visitor.h"

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

void cFlagList::VisitAppended(cRecordVisitor& visitor) {
  visitor.List("m_Flags", m_Flags);
}
