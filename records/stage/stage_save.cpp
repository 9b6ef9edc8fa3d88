#include "records/record/record_list.h"
#include "records/record/record_visitor.h"
#include "records/stage/stage_data.h"
#include "records/stage/stage_palette_source.h"
#include "records/stage/stage_part_lists.h"

void cStageData::Save(cRecordWriter& writer) { SaveForReplay(writer, *this); }

void cStageData::SaveForReplay(cRecordWriter& writer, cStageData& header) {
  Normalize();
  // The parts validate again as they save: against this stage's palettes.
  const cValidateContext context = StageValidateContext(CurrentValidateContext(), *this);
  const cValidateContextScope contextScope(context);
  header.SaveHeaderParts(writer);
  SavePartLists(writer);
  header.SaveTail(writer);
}

void cStageData::VisitAppended(cRecordVisitor& visitor) {
  visitor.List("m_ResultSwitches", m_ResultSwitches);
  visitor.List("m_EraseAreas", m_EraseAreas);
  visitor.List("m_BlockPalette", m_BlockPalette);
  visitor.List("m_CharaPalette", m_CharaPalette);
  visitor.List("m_ItemPalette", m_ItemPalette);
  visitor.List("m_PlacedBlocks", m_PlacedBlocks);
  visitor.List("m_PlacedCharas", m_PlacedCharas);
  visitor.List("m_PlacedItems", m_PlacedItems);
  visitor.List("m_BackLayers", m_BackLayers);
  visitor.List("m_VarNames", m_VarNames);
}

void cStageData::SaveHeaderParts(cRecordWriter& writer) {
  cRecord::Save(writer);
  SaveValueList(writer, m_ResultSwitches);
  for (cEraseArea& area : m_EraseAreas) area.Save(writer);
}

void cStageData::SavePartLists(cRecordWriter& writer) {
  SaveRecordList(writer, m_BlockPalette);
  SaveRecordList(writer, m_CharaPalette);
  SaveRecordList(writer, m_ItemPalette);
  SavePlacedParts(writer, m_PlacedBlocks);
  SavePlacedParts(writer, m_PlacedCharas);
  SavePlacedParts(writer, m_PlacedItems);
}

// Back layers, variable names and, in the layouts that have it, the end mark.
void cStageData::SaveTail(cRecordWriter& writer) {
  SaveRecordList(writer, m_BackLayers);
  SaveRecordList(writer, m_VarNames);
  if (writer.Version() >= kStageEndMarkFrom) writer.Write(kStageEndMark);
}
