#include "records/worldmap/world_node.h"

#include "records/record/record_list.h"
#include "records/record/record_visitor.h"

cWorldNode::cWorldNode() : m_Stages(1) { ClearFields(); }

void cWorldNode::RegisterFields(int32_t) {
  ResetFieldTables();
  AddIntField(&m_nX);
  AddIntField(&m_nY);
  AddStringField(&m_strName);
}

bool cWorldNode::Load(cRecordReader& reader) {
  return cRecord::Load(reader) && LoadRecordList(reader, m_Stages);
}

void cWorldNode::Save(cRecordWriter& writer) {
  cRecord::Save(writer);
  SaveRecordList(writer, m_Stages);
}

void cWorldNode::VisitAppended(cRecordVisitor& visitor) {
  visitor.List("m_Stages", m_Stages);
}
