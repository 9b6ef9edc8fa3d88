#pragma once
// What the solid-chara passes share: which charas act as moving blocks for an
// object, and the boxes they are tested with (position boxes, edges
// included).

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <cstddef>
#include <cstdint>
#include <vector>

#include "stage/objects/chara.h"
#include "stage/objects/drect.h"
#include "stage/objects/object_walk.h"

namespace solid_chara_rules {

// A live, enabled, living solid chara other than obj.
inline bool IsSolidFor(const cStagePlay& play, const cChara& s, const cCharaBase& obj) {
  return s.m_Def.m_bBlockChara != 0 && s.m_bDead == 0 && s.m_bEnabled != 0 && s.m_nId != obj.m_nId &&
         IsLive(play, s);
}

// Flying objects that pass through blocks pass through solid charas too.
inline bool PassesSolids(const cCharaBase& obj) { return obj.m_bFlying != 0 && obj.m_nFlyBlockMode == 0; }

inline DRECT PositionBox(const cGameObject& o) { return DRECT{o.m_dX, o.m_dY, o.m_dRight, o.m_dBottom}; }
inline DRECT SavedBox(const cCharaBase& c) { return DRECT{c.m_dSavedX, c.m_dSavedY, c.m_dSavedRight, c.m_dSavedBottom}; }

// PositionBox(s).Overlaps(box) as a mask of two lanes, the x axis and the
// y axis: the walks test every solid, and whether one lies left or right of
// the box flips from solid to solid, which a branch per edge keeps
// mispredicting. Two packed comparisons do the four: scalar ones queue on
// the one port that compares doubles. A NaN edge fails either way.
#if defined(__SSE2__)
inline __m128d AxesMeet(const cGameObject& s, const DRECT& box) {
  const __m128d starts = _mm_set_pd(s.m_dY, s.m_dX);
  const __m128d ends = _mm_set_pd(s.m_dBottom, s.m_dRight);
  return _mm_and_pd(_mm_cmple_pd(starts, _mm_set_pd(box.bottom, box.right)),
                    _mm_cmpge_pd(ends, _mm_set_pd(box.top, box.left)));
}
#endif

inline bool PositionBoxMeets(const cGameObject& s, const DRECT& box) {
#if defined(__SSE2__)
  return _mm_movemask_pd(AxesMeet(s, box)) == 3;
#else
  return static_cast<int>(s.m_dX <= box.right) & static_cast<int>(s.m_dRight >= box.left) &
         static_cast<int>(s.m_dY <= box.bottom) & static_cast<int>(s.m_dBottom >= box.top);
#endif
}

// Bit 0 when a meets box, bit 1 when b does.
inline int32_t PositionBoxesMeet(const cGameObject& a, const cGameObject& b, const DRECT& box) {
#if defined(__SSE2__)
  const __m128d ma = AxesMeet(a, box);
  const __m128d mb = AxesMeet(b, box);
  return _mm_movemask_pd(_mm_and_pd(_mm_unpacklo_pd(ma, mb), _mm_unpackhi_pd(ma, mb)));
#else
  return static_cast<int32_t>(PositionBoxMeets(a, box)) | static_cast<int32_t>(PositionBoxMeets(b, box)) << 1;
#endif
}

// met(s) for each solid whose position box meets box, in the order of
// solids. Solids are tested two to a branch, nearly all of them missing, so
// the second of a pair is tested before met runs for the first: met may
// write the object it collects for, never a solid's position nor the list.
template <class Met>
void ForEachMeeting(const std::vector<cChara*>& solids, const DRECT& box, Met met) {
  const std::size_t n = solids.size();
  std::size_t i = 0;
  for (; i + 1 < n; i += 2) {
    const int32_t meets = PositionBoxesMeet(*solids[i], *solids[i + 1], box);
    if (meets == 0) continue;
    if ((meets & 1) != 0) met(*solids[i]);
    if ((meets & 2) != 0) met(*solids[i + 1]);
  }
  if (i < n && PositionBoxMeets(*solids[i], box)) met(*solids[i]);
}

inline bool Contains(const DRECT& box, double x, double y) {
  return box.left <= x && x <= box.right && box.top <= y && y <= box.bottom;
}

}  // namespace solid_chara_rules
