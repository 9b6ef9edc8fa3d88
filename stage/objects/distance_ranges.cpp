// The state half of the distance ranges shown on the play screen: the
// colour phase, and the screen rectangle of a disabled chara whose range
// shows (later distance conditions measure from it).

#include "records/script/condition.h"
#include "stage/objects/chara_base.h"
#include "stage/objects/chara_conditions.h"
#include "stage/objects/chara_draw_list.h"
#include "stage/objects/judge_range.h"
#include "stage/objects/stage_play.h"

namespace distance_ranges {

constexpr int32_t kPhaseCycle = 32;  // 4 shades, 8 frames each

enum eShown : int8_t { kHidden = 0, kShown = 1, kShownInTestPlay = 2 };

// The two edges of a band, or the circle's centre, in screen dots.
void PlaceRange(const cCharaBase& chara, const cCondition& cond, int32_t length, CHARADRAW& entry) {
  int32_t before = 0, after = 0;
  if (DistanceBandSides(chara, cond.m_nShape, length, &before, &after)) {
    const bool vertical = cond.m_nShape >= kShapeVertical;
    CalcJudgeRange(vertical ? chara.m_rcScreen.top : chara.m_rcScreen.left,
                   vertical ? chara.m_nGraphicH : chara.m_nGraphicW, before, after, 0, &entry.nRangeFrom,
                   &entry.nRangeTo);
  } else {
    entry.nRangeFrom = chara.ScreenCenterX();
    entry.nRangeTo = chara.ScreenCenterY();
  }
}

// One range of chara; 1 when it shows.
int32_t StepRange(const cStagePlay& play, cCharaBase& chara, const cCondition& cond, cCharaDrawList* lpDraw) {
  if (cond.m_nLeftType == kHidden) return 0;
  if (cond.m_nLeftType == kShownInTestPlay && play.m_Run.bFromEditor == 0) return 0;
  if (chara.m_bEnabled == 0) {
    if (cond.m_nRightType != 1) return 0;
    chara.UpdateScreenRect();
  }
  if ((chara.m_bTransparentNow != 0 || chara.m_Def.m_bTransparent != 0) && cond.m_nRightSubject != 1) return 0;
  if (lpDraw == nullptr) return 1;
  CHARADRAW entry;
  entry.nKind = kDrawDistanceRange;
  entry.nCharaId = chara.m_nId;
  entry.rcScreen = chara.m_rcScreen;
  entry.nRangeShape = cond.m_nShape;
  entry.nRangeColour = cond.m_nSelector;
  entry.nRangePhase = play.m_nRangePhase;
  entry.nRangeLength = DistanceRangeDots(cond);
  PlaceRange(chara, cond, entry.nRangeLength, entry);
  lpDraw->Entries.push_back(entry);
  return 1;
}

void StepRanges(const cStagePlay& play, cCharaBase& chara, cVector<cCondition>& conds, cCharaDrawList* lpDraw) {
  for (const cCondition& cond : conds) {
    if (cond.m_nKind == kCondDistance) StepRange(play, chara, cond, lpDraw);
  }
}

}  // namespace distance_ranges

void cStagePlay::StepDistanceRanges(cCharaDrawList* lpDraw) {
  if (lpDraw == nullptr || lpDraw->bPaletteCycles == 0) {
    m_nRangePhase = (m_nRangePhase + 1) % distance_ranges::kPhaseCycle;
  }
  // The charas' own lists first, then their flows', group by group.
  for (int32_t pass = 0; pass < 2; ++pass) {
    for (const cList<int32_t>& group : m_ObjGroup) {
      for (int32_t id : group) {
        cCharaBase* chara = FindCharaById(id);
        if (chara == nullptr || chara->m_bDead != 0 || chara->IsOnScreen() == 0) continue;
        cCharaDef& def = chara->m_Def;
        if (pass == 0) {
          if (def.m_bCondOnce == 0 || chara->m_bCondMet == 0) {
            distance_ranges::StepRanges(*this, *chara, def.m_Conditions, lpDraw);
          }
          continue;
        }
        for (int32_t i = 0; i < def.m_Flows.VectorSize(); ++i) {
          cFlow& flow = def.m_Flows.CheckedVectorAt(i);
          const bool met = i < chara->m_Flows.VectorSize() && chara->m_Flows.CheckedVectorAt(i).m_bCondMet != 0;
          if (flow.m_bCondOnce != 0 && met) continue;
          distance_ranges::StepRanges(*this, *chara, flow.m_Conditions, lpDraw);
        }
      }
    }
  }
}
