#include "records/palette/grid_block.h"
#include "stage/objects/stage_play.h"

int8_t cBlock::GetConditionalHitClass(int8_t nKey) {
  if (g_lpSceneStagePlay != nullptr && g_lpSceneStagePlay->CheckBlockConditions(this) == 0) return 0;
  if (static_cast<int8_t>(m_nExemptGroup) == nKey) return 0;
  return m_nHitClass;
}
