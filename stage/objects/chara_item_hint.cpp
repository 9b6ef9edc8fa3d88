// The hint that a chara carries an item: its icon blinks above the chara.

#include "stage/objects/chara.h"
#include "stage/objects/chara_draw_list.h"

namespace chara_item_hint {

constexpr int32_t kShownFrom = 64;
constexpr int32_t kCycle = 96;

}  // namespace chara_item_hint

void cChara::StepCarriedItemHint(cCharaDrawList* lpDraw) {
  if (!m_Item.m_bCarried || !m_bOnScreen || m_bTransparentNow || m_Def.m_bTransparent || m_Item.m_Def.m_bHidden) {
    return;
  }
  if (++m_nHintFrames >= chara_item_hint::kCycle) m_nHintFrames = 0;
  if (m_nHintFrames >= chara_item_hint::kShownFrom && lpDraw != nullptr) {
    CHARADRAW entry;
    entry.nKind = kDrawItemHint;
    entry.nCharaId = m_nId;
    entry.nSource = m_Item.m_Def.m_nGraphicSource;
    entry.nGraphic = m_Item.m_Def.m_nGraphic;
    entry.nPattern = m_Item.m_Def.m_nGraphicCell;
    entry.rcScreen.left = m_rcScreen.left + m_nGraphicW / 2 - m_Item.m_nGraphicW / 4;
    entry.rcScreen.top = m_rcScreen.top - m_Item.m_nGraphicH / 2;
    entry.rcScreen.right = entry.rcScreen.left + 15;
    entry.rcScreen.bottom = entry.rcScreen.top + 15;
    lpDraw->Entries.push_back(entry);
  }
}
