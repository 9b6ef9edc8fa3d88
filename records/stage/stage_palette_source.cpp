#include "records/stage/stage_palette_source.h"

#include "records/palette/common_palette.h"
#include "records/stage/stage_data.h"

const cBlockDef* cStagePaletteSource::BlockTemplate(int32_t kind, int32_t index) const {
  return kind == kTemplateStage ? TemplateAt(m_Stage.m_BlockPalette, index) : nullptr;
}

const cCharaDef* cStagePaletteSource::CharaTemplate(int32_t kind, int32_t index) const {
  return kind == kTemplateStage ? TemplateAt(m_Stage.m_CharaPalette, index) : nullptr;
}

const cItemDef* cStagePaletteSource::ItemTemplate(int32_t kind, int32_t index) const {
  return kind == kTemplateStage ? TemplateAt(m_Stage.m_ItemPalette, index) : nullptr;
}

cValidateContext StageValidateContext(const cValidateContext& base, const cStageData& stage) {
  cValidateContext context = base;
  context.commonPalette = g_CommonPalette.Sizes();
  context.stagePalette = stage.PaletteSizes();
  return context;
}
