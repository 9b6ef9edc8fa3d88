#include "records/script/flow.h"

#include <vector>

#include "records/record/record_list.h"
#include "records/script/flow_list.h"
#include "records/script/record_fields_equal.h"
#include "records/record/record_visitor.h"

cFlow::cFlow() { ClearFields(); }

void cFlow::RegisterFields(int32_t nVersion) {
  ResetFieldTables();
  AddCharField(&m_nFlowId);
  AddCharField(&m_nFlagNo);
  AddCharField(&m_bDropAfterLoad);
  AddCharField(&m_nCondMode);
  AddCharField(&m_bCondOnce);
  AddCharField(&m_nTrigger);
  if (nVersion >= kFlowTargetFromEventFrom) AddCharField(&m_bTargetFromEvent);
  if (nVersion >= kFlowTargetSlotFrom) AddCharField(&m_nTargetSlot);
  AddCharField(&m_nKeySlack);
  AddCharField(&m_bKeyHold);
  if (nVersion >= kFlowMemoFrom) AddStringField(&m_strMemo);
}

bool cFlow::Load(cRecordReader& reader) {
  if (!cRecord::Load(reader) || !LoadConditionList(reader, m_Conditions) ||
      !LoadKeyCondList(reader, m_KeyConds) || !LoadFlowCmdList(reader, m_Commands)) {
    return false;
  }
  MigrateFlowTrigger(*this, reader.FileVersion());
  m_strMemo.clear();
  Validate(CurrentValidateContext());
  return true;
}

void cFlow::Save(cRecordWriter& writer) {
  Validate(CurrentValidateContext());
  cRecord::Save(writer);
  SaveConditionList(writer, m_Conditions);
  SaveRecordList(writer, m_KeyConds);
  SaveRecordList(writer, m_Commands);
}

void cFlow::VisitAppended(cRecordVisitor& visitor) {
  visitor.List("m_Conditions", m_Conditions);
  visitor.List("m_KeyConds", m_KeyConds);
  visitor.List("m_Commands", m_Commands);
}

void cFlow::Validate(const cValidateContext& context) {
  for (cFlowCmd& cmd : m_Commands) cmd.Validate(context);
}

void cFlow::ValidatePaletteRefs(const cValidateContext& context) {
  for (cFlowCmd& cmd : m_Commands) cmd.ValidatePaletteRefs(context);
}

bool cFlow::operator==(const cFlow& other) const {
  return SameRegisteredFields(*this, other) &&
         static_cast<const std::vector<cCondition>&>(m_Conditions) == other.m_Conditions &&
         static_cast<const std::vector<cKeyCond>&>(m_KeyConds) == other.m_KeyConds &&
         static_cast<const std::vector<cFlowCmd>&>(m_Commands) == other.m_Commands;
}
