// Where an object is on the screen, and whether it is inside the stage or
// beyond an erase area.
#include "core/math/truncate.h"
#include "stage/objects/game_object.h"
#include "stage/objects/scene_scroll.h"

namespace game_object_screen {

int32_t FlyingLeft(const cGameObject& object, const cScroll& axis) {
  const double sx = axis.m_dPos;
  if (!axis.IsAutoScrolling()) return TruncToInt(object.m_dX) - TruncToInt(sx) - object.m_nGraphicOffsetX;
  if (object.m_bFollowScroll != 0) return TruncToInt(object.m_dX - sx) - object.m_nGraphicOffsetX;
  return TruncToInt((object.m_dX - object.m_nGraphicOffsetX) - TruncToInt(sx));
}

// During vertical auto-scroll a flying object is drawn one dot lower whether
// or not it follows the scroll; stored replays show it so.
int32_t FlyingTop(const cGameObject& object, const cScroll& axis) {
  const double sy = axis.m_dPos;
  if (!axis.IsAutoScrolling()) return TruncToInt(object.m_dY) - TruncToInt(sy) - object.m_nGraphicOffsetY;
  return TruncToInt(object.m_dY - sy) - object.m_nGraphicOffsetY + 1;
}

}  // namespace game_object_screen

void cGameObject::UpdateScreenRect() {
  const cScroll& ax = SceneScrollX();
  const cScroll& ay = SceneScrollY();
  if (m_bFlying == 0) {
    m_rcScreen.left = TruncToInt((m_dX - m_nGraphicOffsetX) - TruncToInt(ax.m_dPos));
    m_rcScreen.top = TruncToInt((m_dY - m_nGraphicOffsetY) - TruncToInt(ay.m_dPos));
  } else {
    m_rcScreen.left = game_object_screen::FlyingLeft(*this, ax);
    m_rcScreen.top = game_object_screen::FlyingTop(*this, ay);
  }
  m_rcScreen.right = m_rcScreen.left + m_nGraphicW - 1;
  m_rcScreen.bottom = m_rcScreen.top + m_nGraphicH - 1;
}

int32_t cGameObject::IsOnScreen() const { return IsOnScreenAxes(0, 0); }

int32_t cGameObject::IsOnScreenAxes(int32_t ignoreX, int32_t ignoreY) const {
  const double sx = SceneScrollX().m_dPos;
  const double sy = SceneScrollY().m_dPos;
  if (ignoreX == 0 && !(m_dRight >= sx && sx + kViewWidth > m_dX)) return 0;
  if (ignoreY == 0 && !(m_dBottom >= sy && sy + kViewHeight > m_dY)) return 0;
  return 1;
}

int32_t cGameObject::IsInsideStage(int32_t withMargins) const {
  const cScroll& ax = SceneScrollX();
  const cScroll& ay = SceneScrollY();
  if (withMargins != 0) {
    return m_dX >= 0 && m_dRight < ax.Total() && m_dY >= 0 && m_dBottom < ay.Total();
  }
  return kWorldMargin <= m_dX && m_dRight < ax.m_nFurthest && kWorldMargin <= m_dY && m_dBottom < ay.m_nFurthest;
}

int32_t cGameObject::IsOutsideEraseArea(const cEraseArea& area) const {
  if (m_bOnScreen != 0) return 0;
  const cScroll& ax = SceneScrollX();
  const cScroll& ay = SceneScrollY();
  const double sx = ax.m_dPos;
  const double sy = ay.m_dPos;
  if (area.m_bLeft != 0 && m_dRight <= TruncToInt(sx - 32 * area.m_nLeft)) return 1;
  if (area.m_bRight != 0 && m_dX >= TruncToInt(sx + 32 * area.m_nRight + kViewWidth)) return 1;
  if (area.m_bBottom != 0 && m_dY >= TruncToInt(sy + 32 * area.m_nBottom + kViewHeight)) return 1;
  if (area.m_bTop != 0 && m_dBottom <= TruncToInt(sy - 32 * area.m_nTop)) return 1;
  if (m_dX <= 0 || m_dRight >= ax.Total() - 1) return 1;
  if (m_dY <= 0 || m_dBottom >= ay.Total() - 1) return 1;
  return 0;
}
