#include "stage/objects/item.h"

#include "records/palette/common_palette.h"
#include "records/palette/template_source.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/anime_sequence.h"
#include "stage/objects/state_visitor.h"
#include "stage/script/flow_unroll.h"

namespace item_setup {

constexpr int32_t kCellDots = 32;
constexpr int32_t kMarginCells = 10;
constexpr int32_t kFlyThroughBlocks = 1;  // items never fall

}  // namespace item_setup

void cItem::InitFromDef(int32_t id, const cItemDef* lpDef, int32_t carried) {
  if (lpDef != nullptr) m_Def = *lpDef;
  // The byte is unsigned in the editor: a stored 0, or a value past 127 read
  // back as negative, would size the item to nothing.
  if (m_Def.m_nScale <= 0) m_Def.m_nScale = 1;
  const int32_t w = g_Stage.m_nItemBoxW;
  const int32_t h = g_Stage.m_nItemBoxH;
  cGameObject::Init(id, 0, 0, 0, m_Def.m_nGraphic, kItemAnimeTables, 0, 16 - (w >> 1), 16 - (h >> 1), w, h,
                    item_setup::kCellDots, item_setup::kCellDots, 0, item_setup::kFlyThroughBlocks, 0);
  m_bFollowScroll = 0;
  m_bCarried = carried;
  if (carried != 0) {
    m_bEnabled = 1;
  } else {
    SetScale(m_Def.m_nScale, 1, 1);
  }
  UnrollLoops(m_Def.m_Commands);
}

int32_t cItem::PlaceAtBlock(int32_t column, int32_t row, int32_t flag) {
  m_dX = (static_cast<double>(column) + item_setup::kMarginCells) * item_setup::kCellDots + m_nGraphicOffsetXBase +
         0.5;
  m_dY = m_nGraphicOffsetYBase + (static_cast<double>(row) + item_setup::kMarginCells) * item_setup::kCellDots;
  RecenterForScale(m_Def.m_nScale, 1, flag);
  ClampXMode(2);
  return ClampYMode(2);
}

void cItem::OnScaleChanged(int32_t) {}

void cItem::AdjustYForScale(int32_t newScale, int32_t oldScale, int32_t) {
  if (newScale == oldScale) return;
  m_dY -= static_cast<double>(newScale - oldScale) * (m_nHeightBase + m_nGraphicOffsetYBase);
  ClampYMode(2);
}

int32_t cItem::StepDraw(int32_t paused) {
  if (m_Def.m_bHidden != 0) return -1;
  return paused != 0 ? m_Anime.GetPattern() : m_Anime.Step();
}

void cItem::VisitState(cStateVisitor& visitor) {
  cGameObject::VisitState(visitor);
  visitor.Record("m_Def", m_Def);
  visitor.Value("m_bCarried", m_bCarried);
}

const cItemDef* GetPaletteItem(int32_t kind, int32_t index) {
  switch (kind) {
    case kTemplateCommon: return TemplateAt(g_CommonPalette.m_ItemPalette, index);
    case kTemplateStage: return TemplateAt(g_Stage.m_ItemPalette, index);
    default: return nullptr;
  }
}
