#include "records/stage/stage_data.h"

cStageData::cStageData() { SetDefaults(); }

void cStageData::SetDefaults() {
  ClearFields();
  m_PlacedBlocks.clear();
  m_PlacedCharas.clear();
  m_PlacedItems.clear();
  m_BlockPalette.assign(1, cBlockDef());
  m_CharaPalette.assign(1, cCharaDef());
  m_ItemPalette.assign(1, cItemDef());
  SetHeaderDefaults();
  m_BackLayers.assign(1, cBackLayer());
  m_VarNames.clear();
  m_ResultSwitches.assign(kStageResultSwitches, 1);
  m_EraseAreas.resize(kEraseAreaCount);
  for (int32_t kind = 0; kind < kEraseAreaCount; ++kind) {
    m_EraseAreas.CheckedVectorAt(kind).SetDefaults(kind);
  }
  SetCollisionLevel(m_nCollisionLevel);
}

int32_t cStageData::FindHero() const {
  for (int32_t i = 0; i < m_PlacedCharas.VectorSize(); ++i) {
    const cCharaDef& chara = m_PlacedCharas.CheckedVectorAt(i);
    if (chara.m_nGraphic != 0 && chara.m_nControl == cCharaDef::kControlPlayer) return i;
  }
  return -1;
}

void cStageData::TakeHeaderOf(const cStageData& source) {
  CopyFields(source);
  m_BackLayers = source.m_BackLayers;
  m_VarNames = source.m_VarNames;
  m_EraseAreas = source.m_EraseAreas;
  m_ResultSwitches = source.m_ResultSwitches;
  m_PlacedBlocks.clear();
  m_PlacedCharas.clear();
  m_PlacedItems.clear();
  m_BlockPalette.clear();
  m_CharaPalette.clear();
  m_ItemPalette.clear();
}

cPaletteSizes cStageData::PaletteSizes() const {
  return cPaletteSizes{static_cast<uint32_t>(m_BlockPalette.size()),
                       static_cast<uint32_t>(m_CharaPalette.size()),
                       static_cast<uint32_t>(m_ItemPalette.size())};
}
