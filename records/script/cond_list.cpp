#include "records/script/cond_list.h"

#include <vector>

#include "records/record/record_list.h"
#include "records/script/record_fields_equal.h"
#include "records/record/record_visitor.h"

cCondList::cCondList() {
  RegisterFields(g_nDataVersion);
  ClearFields();
}

void cCondList::RegisterFields(int32_t) {
  ResetFieldTables();
  AddCharField(&m_bUseConditions);
  AddCharField(&m_nMode);
}

bool cCondList::Load(cRecordReader& reader) {
  if (!cRecord::Load(reader)) return false;
  if (reader.FileVersion() < kCondListConditionsVersion) return true;
  return LoadConditionList(reader, m_Conditions);
}

void cCondList::Save(cRecordWriter& writer) {
  cRecord::Save(writer);
  if (writer.Version() >= kCondListConditionsVersion) SaveConditionList(writer, m_Conditions);
}

void cCondList::VisitAppended(cRecordVisitor& visitor) {
  visitor.List("m_Conditions", m_Conditions);
}

bool cCondList::operator==(const cCondList& other) const {
  return SameRegisteredFields(*this, other) &&
         static_cast<const std::vector<cCondition>&>(m_Conditions) == other.m_Conditions;
}

void NewCondList(cCondListHolder& holder) { holder = std::make_shared<cCondList>(); }
