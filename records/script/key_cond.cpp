#include "records/script/key_cond.h"

#include <vector>

#include "records/record/record_list.h"
#include "records/script/record_fields_equal.h"
#include "records/record/record_visitor.h"

cKeyCond::cKeyCond() { SetDefaults(); }

void cKeyCond::SetDefaults() {
  ClearFields();
  m_Keys.assign(kKeySlotCount, kKeyIgnored);
}

// The same layout in every data version.
void cKeyCond::RegisterFields(int32_t) {
  ResetFieldTables();
  AddCharField(&m_bMirror);
  AddShortField(&m_nHoldMin);
  AddShortField(&m_nHoldMax);
  AddCharField(&m_bAnyHold);
  AddCharField(&m_nKeyMode);
}

bool cKeyCond::Load(cRecordReader& reader) {
  return cRecord::Load(reader) && LoadValueList(reader, m_Keys);
}

void cKeyCond::Save(cRecordWriter& writer) {
  cRecord::Save(writer);
  SaveValueList(writer, m_Keys);
}

void cKeyCond::VisitAppended(cRecordVisitor& visitor) {
  visitor.List("m_Keys", m_Keys);
}

bool cKeyCond::operator==(const cKeyCond& other) const {
  return SameRegisteredFields(*this, other) &&
         static_cast<const std::vector<uint8_t>&>(m_Keys) == other.m_Keys;
}
