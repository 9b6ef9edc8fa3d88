#include "records/worldmap/world_map.h"

#include "records/record/record_list.h"
#include "records/record/record_visitor.h"
#include "records/worldmap/world_grid.h"

cWorldMap::cWorldMap() {
  RegisterFields(g_nDataVersion);
  SetDefaults();
}

void cWorldMap::SetDefaults() {
  ClearFields();
  m_strName = "ワールド";
  m_nStartX = 9;
  m_nStartY = 7;
  m_nBackColor = 16;
  m_bBackPicture = 0;
  SetSize(20, 15);
  m_Nodes.clear();
  m_Nodes2.clear();
  m_Nodes2.emplace_back();
  m_Nodes2.CheckedVectorAt(0).m_strName = "デフォルト";
}

void cWorldMap::RegisterFields(int32_t) {
  ResetFieldTables();
  AddIntField(&m_nWidth);
  AddIntField(&m_nHeight);
  AddIntField(&m_nPitch);
  AddIntField(&m_nPitchShift);
  AddIntField(&m_nStartX);
  AddIntField(&m_nStartY);
  AddIntField(&m_nBackColor);
  AddIntField(&m_bBackPicture);
  AddStringField(&m_strName);
  AddStringField(&m_strBackPicture);
}

bool cWorldMap::Load(cRecordReader& reader) {
  if (!cRecord::Load(reader)) return false;
  // A size that cannot make a grid is no map; refuse it before reading cells.
  if (!WorldGridHolds(m_nWidth, m_nHeight)) return reader.Fail();
  if (!LoadRecordList(reader, m_Chips) || !LoadValueList(reader, m_Grid) ||
      !LoadRecordList(reader, m_Nodes) || !LoadRecordList(reader, m_Nodes2)) {
    return false;
  }
  if (reader.FileVersion() < kWorldChipListVersion) SetLegacyChips();
  FitGridToSize();
  Normalize();
  return true;
}

void cWorldMap::Save(cRecordWriter& writer) {
  Normalize();
  cRecord::Save(writer);
  SaveRecordList(writer, m_Chips);
  SaveValueList(writer, m_Grid);
  SaveRecordList(writer, m_Nodes);
  SaveRecordList(writer, m_Nodes2);
}

void cWorldMap::VisitAppended(cRecordVisitor& visitor) {
  visitor.List("m_Chips", m_Chips);
  visitor.List("m_Grid", m_Grid);
  visitor.List("m_Nodes", m_Nodes);
  visitor.List("m_Nodes2", m_Nodes2);
}

// The ten chip kinds of old files: the first five block the hero, the last five
// let it pass; each shows the picture of its own number.
void cWorldMap::SetLegacyChips() {
  constexpr int32_t kLegacyChips = 10;
  constexpr int32_t kLegacyBlocked = 5;
  m_Chips.resize(kLegacyChips);
  for (int32_t i = 0; i < kLegacyChips; ++i) {
    cWorldChip& chip = m_Chips.CheckedVectorAt(i);
    const bool blocked = i < kLegacyBlocked;
    chip.m_nPattern = i;
    chip.m_strNote.clear();
    chip.m_bBlocked = blocked ? 1 : 0;
    chip.m_strName = blocked ? "移動不可" : "移動可";
  }
}
