// Repairs of a stage after every load and before every save: what is out of
// range is brought back or reset, never followed.

#include <algorithm>
#include <cstdint>

#include "records/palette/palette_list.h"
#include "records/stage/stage_data.h"
#include "records/stage/stage_palette_source.h"

namespace {

// The view spans 20 columns and 15 rows.
constexpr int32_t kViewColumns = 20;
constexpr int32_t kViewRows = 15;

// Only the upper bound is enforced; computed wide, as size may be anything.
void ClampAtMost(int32_t& limit, int32_t size, int32_t span) {
  const int64_t most = std::max<int64_t>(static_cast<int64_t>(size) - span, INT32_MIN);
  if (limit > most) limit = static_cast<int32_t>(most);
}

template <class List>
void ValidateBlocks(List& blocks, const cValidateContext& context) {
  for (cBlockDef& block : blocks) {
    block.ValidateTemplate(context);
    block.ValidateItemRef(context);
  }
}

template <class List>
void ValidateCharas(List& charas, const cValidateContext& context) {
  for (cCharaDef& chara : charas) {
    chara.Validate(context);
    chara.ValidateFlowRefs(context);
  }
}

template <class List>
void ValidateItems(List& items, const cValidateContext& context) {
  for (cItemDef& item : items) {
    item.Validate(context);
    item.ValidatePaletteRefs(context);
  }
}

}  // namespace

void cStageData::Normalize() { Normalize(CurrentValidateContext()); }

void cStageData::Normalize(const cValidateContext& base) {
  ClampAtMost(m_nScrollLimitLeft, m_nWidth, kViewColumns);
  ClampAtMost(m_nScrollLimitRight, m_nWidth, 1);
  ClampAtMost(m_nScrollLimitTop, m_nHeight, kViewRows);
  ClampAtMost(m_nScrollLimitBottom, m_nHeight, 1);
  // This stage's own values: a stage loading beside the play stage must not
  // take the play stage's.
  SetCollisionLevel(m_nCollisionLevel);
  if (!base.InRange(eDatabaseList::Bgm, m_nBgm)) m_nBgm = 0;
  PadPaletteList(m_BlockPalette);
  PadPaletteList(m_CharaPalette);
  PadPaletteList(m_ItemPalette);
  const cValidateContext context = StageValidateContext(base, *this);
  ValidateBlocks(m_BlockPalette, context);
  ValidateBlocks(m_PlacedBlocks, context);
  ValidateCharas(m_CharaPalette, context);
  ValidateCharas(m_PlacedCharas, context);
  ValidateItems(m_ItemPalette, context);
  ValidateItems(m_PlacedItems, context);
}
