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

#if defined(__SSE2__)
// Bit 4k set when the k-th of four solids meets box. The masks are narrowed
// to bytes, four to a solid (x, x, y, y), so that one byte mask and two
// integer ands stand for the unpacking of the lanes.
inline int32_t FourMeet(const cGameObject& a, const cGameObject& b, const cGameObject& c, const cGameObject& d,
                        const DRECT& box) {
  const __m128i ab = _mm_packs_epi32(_mm_castpd_si128(AxesMeet(a, box)), _mm_castpd_si128(AxesMeet(b, box)));
  const __m128i cd = _mm_packs_epi32(_mm_castpd_si128(AxesMeet(c, box)), _mm_castpd_si128(AxesMeet(d, box)));
  const int32_t lanes = _mm_movemask_epi8(_mm_packs_epi16(ab, cd));
  return lanes & (lanes >> 2) & 0x1111;
}
#endif

// met(s) for each solid whose position box meets box, in the order of
// solids. Solids are tested four to a branch, nearly all of them missing, so
// the rest of a four are tested before met runs for the first: met may
// write the object it collects for, never a solid's position nor the list.
template <class Met>
void ForEachMeeting(const std::vector<cChara*>& solids, const DRECT& box, Met met) {
  // Read once: met changes no list, and the opaque call would have the
  // vector reloaded on every round.
  cChara* const* const s = solids.data();
  const std::size_t n = solids.size();
  std::size_t i = 0;
#if defined(__SSE2__)
  for (;;) {
    // The search for the next four with a meeting calls nothing, so the box
    // stays in registers across it.
    int32_t meets = 0;
    for (; i + 4 <= n; i += 4) {
      meets = FourMeet(*s[i], *s[i + 1], *s[i + 2], *s[i + 3], box);
      if (meets != 0) break;
    }
    if (meets == 0) break;
    for (; meets != 0; meets &= meets - 1) met(*s[i + static_cast<std::size_t>(__builtin_ctz(meets) >> 2)]);
    i += 4;
  }
#endif
  for (; i < n; ++i) {
    if (PositionBoxMeets(*s[i], box)) met(*s[i]);
  }
}

inline bool Contains(const DRECT& box, double x, double y) {
  return box.left <= x && x <= box.right && box.top <= y && y <= box.bottom;
}

}  // namespace solid_chara_rules
