#pragma once
// What a stage's parts resolve and validate against while the stage loads or
// saves: stage templates (kind 2) from the stage's own palettes, common ones
// (kind 1) from g_CommonPalette, and a validation context whose palette sizes
// are those two palettes' and whose database sizes are the caller's.

#include "records/palette/template_source.h"
#include "records/script/validate_context.h"

class cStageData;

// Templates of kind 2 from one stage's palettes, as they stand at each look
// (a palette being read holds default parts past the entry loading).
class cStagePaletteSource : public cTemplateSource {
 public:
  // stage must outlive the source.
  explicit cStagePaletteSource(const cStageData& stage) : m_Stage(stage) {}

  const cBlockDef* BlockTemplate(int32_t kind, int32_t index) const override;
  const cCharaDef* CharaTemplate(int32_t kind, int32_t index) const override;
  const cItemDef* ItemTemplate(int32_t kind, int32_t index) const override;

 private:
  const cStageData& m_Stage;
};

// base with g_CommonPalette's sizes as the common palette and stage's as the
// stage palette.
cValidateContext StageValidateContext(const cValidateContext& base, const cStageData& stage);
