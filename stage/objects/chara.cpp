#include "stage/objects/chara.h"

#include "core/math/truncate.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/chara_flow_calls.h"
#include "stage/objects/game_object_clamp.h"
#include "stage/objects/scene_scroll.h"
#include "stage/objects/state_visitor.h"

namespace chara {

constexpr int32_t kCellDots = 32;
constexpr int32_t kMarginCells = 10;

enum eActiveRange : int32_t { kRangeScreen = 0, kRangeXOnly = 1, kRangeYOnly = 2, kRangeEverywhere = 3 };
enum eHitBoxKind : int32_t { kHitCharaSize = 0, kHitShotSize = 1, kHitShotOnChara = 2, kHitCell = 3 };

struct cSize {
  int32_t w, h, bottom;
};

}  // namespace chara

void cChara::Init(int32_t id, const cCharaDef* lpDef, const cItem* lpCarried, double x, double y,
                  int16_t index) {
  Reset(lpDef, x, y, index);
  if (m_Def.m_nGiant == 0) m_Def.m_nGiant = 1;

  const bool blockChara = m_Def.m_bBlockChara != 0;
  const bool flying = m_Def.m_nFly != 0;
  chara::cSize body{chara::kCellDots, chara::kCellDots, 1};
  if (!blockChara) {
    body = flying ? chara::cSize{g_Stage.m_nCharaBoxW2, g_Stage.m_nCharaBoxH2, g_Stage.m_bCharaBoxBottom2}
                  : chara::cSize{g_Stage.m_nCharaBoxW, g_Stage.m_nCharaBoxH, g_Stage.m_bCharaBoxBottom};
  }
  const int32_t offsetX = blockChara ? 0 : (chara::kCellDots - body.w) >> 1;
  const int32_t offsetY =
      blockChara ? 0 : body.bottom ? chara::kCellDots - body.h : (chara::kCellDots - body.h) >> 1;
  cGameObject::Init(id, m_Def.m_nControl, m_Def.m_nPlayerNo, m_Def.m_nGroup, m_Def.m_nGraphic, nullptr, 0, offsetX,
                    offsetY, body.w, body.h, chara::kCellDots, chara::kCellDots, m_Def.m_nFacing, m_Def.m_nFly,
                    index);

  const int32_t shotW = g_Stage.m_nCharaShotHitW;
  const int32_t shotH = g_Stage.m_nCharaShotHitH;
  if (blockChara) {
    m_HitBox.SetShape(0, 0, 0, 0);
    m_AttackBox.SetShape(0, 0, chara::kCellDots, chara::kCellDots);
  } else {
    switch (m_Def.m_nHitRange) {
      case chara::kHitCharaSize:
        if (flying) {
          SetHitBox(g_Stage.m_bCharaHitBottom2, g_Stage.m_nCharaHitW2, g_Stage.m_nCharaHitH2);
        } else {
          SetHitBox(g_Stage.m_bCharaHitBottom, g_Stage.m_nCharaHitW, g_Stage.m_nCharaHitH);
        }
        break;
      case chara::kHitShotSize: SetHitBox(0, shotW, shotH); break;
      case chara::kHitShotOnChara: SetHitBox(0, g_Stage.m_ShotBox[4], g_Stage.m_ShotBox[5]); break;
      case chara::kHitCell: SetHitBox(0, m_nGraphicWBase, m_nGraphicHBase); break;
      default: break;
    }
    m_AttackBox.SetShape(16 - (shotW >> 1) - m_nGraphicOffsetX, 16 - (shotH >> 1) - m_nGraphicOffsetY, shotW,
                  shotH);
  }

  SetScale(m_Def.m_nGiant, 1, 1);

  m_bActive = 0;
  m_nHintFrames = 0;
  if (lpCarried != nullptr) {
    m_Item = *lpCarried;
  } else {
    m_Item.m_nGraphicNo = 0;
  }
  m_bIgnoreX = m_Def.m_nActiveRange == chara::kRangeYOnly || m_Def.m_nActiveRange == chara::kRangeEverywhere;
  m_bIgnoreY = m_Def.m_nActiveRange == chara::kRangeXOnly || m_Def.m_nActiveRange == chara::kRangeEverywhere;
  m_bActivated = 0;
  m_nReserved = 0;

  m_Anime.SetSequence(m_bFlying ? 0 : 1, 1);
  SetCharaFlows(*this);
}

void cChara::PlaceAtBlock(int32_t column, int32_t row) {
  m_dX = (static_cast<double>(column) + chara::kMarginCells) * chara::kCellDots + m_nGraphicOffsetXBase + 0.5;
  m_dY = (static_cast<double>(row) + chara::kMarginCells) * chara::kCellDots + m_nGraphicOffsetYBase;
  RecenterForScale(m_Def.m_nGiant, 1, 1);
  ClampX();
  ClampY();
}

namespace chara {

// The chara's activation group; -1 when it is in none (a group number outside
// the scene's flags counts as none rather than writing past them).
int32_t ActGroupOf(const cCharaDef& def, std::size_t flagCount) {
  if (!def.m_bInActGroup) return -1;
  const int32_t group = def.m_nActGroup;
  return group >= 0 && group < kActGroupCount && static_cast<std::size_t>(group) < flagCount ? group : -1;
}

}  // namespace chara

int32_t cChara::UpdateInRange(std::span<uint8_t> groupFlags) {
  m_bInRange = IsOnScreenAxes(m_bIgnoreX, m_bIgnoreY);
  const int32_t group = chara::ActGroupOf(m_Def, groupFlags.size());
  if (m_bInRange && group >= 0) groupFlags[static_cast<std::size_t>(group)] = 1;
  return m_bInRange;
}

int32_t cChara::UpdateActivation(std::span<const uint8_t> groupFlags) {
  const int32_t group = chara::ActGroupOf(m_Def, groupFlags.size());
  const bool active = m_bInRange || (group >= 0 && groupFlags[static_cast<std::size_t>(group)] != 0) ||
                      (!m_bFlying && m_bJumpRising) || (!m_bFlying && m_bActivated && m_bInAir);
  if (!active) return 0;
  m_bActivated = 1;
  // Mode 1 keeps a chara running once it has been active; mode 2 has no rule
  // of its own and acts as mode 0.
  if (m_Def.m_nActivation == 1) m_bIgnoreX = m_bIgnoreY = 1;
  UpdateScreenRect();
  return 1;
}

int32_t cChara::OverlapsRect(double left, double top, double right, double bottom) const {
  return m_dX <= right && m_dRight >= left && m_dY <= bottom && m_dBottom >= top ? 1 : 0;
}

void cChara::OnScaleChanged(int32_t newScale) {
  if (m_Def.m_bBlockChara) {
    m_HitBox.SetShape(0, 0, m_nWidth, m_nHeight);
    m_AttackBox.SetShape(0, 0, m_nWidth, m_nHeight);
  } else {
    m_HitBox.ScaleShape(newScale);
    m_AttackBox.ScaleShape(newScale);
  }
  ClampX();
  ClampY();
}

void cChara::UpdateBoxX() {
  const int32_t x = TruncToInt(m_dX);
  m_HitBox.PlaceX(x);
  m_AttackBox.PlaceX(x);
}

void cChara::UpdateBoxY() {
  const int32_t y = TruncToInt(m_dY);
  m_HitBox.PlaceY(y);
  m_AttackBox.PlaceY(y);
}

cItem* cChara::GetCarriedItem() { return m_Item.m_bCarried ? &m_Item : nullptr; }

int32_t cChara::ClampX() { return ClampXOf(*this, 2); }
int32_t cChara::ClampY() { return ClampYOf(*this, 2); }

int32_t cChara::MoveX() {
  if (m_dPushVX != 0) {
    m_dVX = m_dPushVX;
  } else if (m_dInertiaX != 0) {
    ApplyFriction(&m_dInertiaX, m_bFrictionX);
    m_dVX += m_dInertiaX;
  }
  const int32_t code = StepXOf(*this, 2);
  if (SecondClampMoves(m_nWidth, SceneScrollX())) ClampX();
  return code == kEdgePushedBack ? 4 : code;
}

int32_t cChara::MoveY() {
  ApplyPushY();
  if (m_dPushVY == 0 && m_bFlying && m_dInertiaY != 0) {
    ApplyFriction(&m_dInertiaY, m_bFrictionY);
    m_dVY += m_dInertiaY;
  }
  const int32_t code = StepYOf(*this, 2);
  if (SecondClampMoves(m_nHeight, SceneScrollY())) ClampY();
  if (m_bFlying) return code == kEdgePushedBack || code == kEdgePushedBackBottom ? 8 : code;
  return code == kEdgeBottomMargin || code == kEdgePushedBackBottom ? 7 : code;
}

void cChara::VisitState(cStateVisitor& visitor) {
  cCharaBase::VisitState(visitor);
  visitor.Value("m_bInRange", m_bInRange);
  visitor.Value("m_bActive", m_bActive);
  visitor.Object("m_Item", m_Item);
  visitor.Value("m_bIgnoreX", m_bIgnoreX);
  visitor.Value("m_bIgnoreY", m_bIgnoreY);
  visitor.Value("m_bActivated", m_bActivated);
  visitor.Value("m_nReserved", m_nReserved);
}
