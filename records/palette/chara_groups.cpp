#include "records/palette/chara_groups.h"

#include <array>

#include "records/palette/chara_def.h"

namespace {

template <auto... Members>
void CopyMembers(cCharaDef& target, const cCharaDef& source) {
  ((target.*Members = source.*Members), ...);
}

// The empty flow a part receives when it inherits an empty flow list.
constexpr int8_t kInheritedEmptyFlowKeySlack = 3;

void CopyFlows(cCharaDef& target, const cCharaDef& source) {
  target.m_Flows = source.m_Flows;
  if (target.m_Flows.empty()) {
    cFlow flow;
    flow.m_nKeySlack = kInheritedEmptyFlowKeySlack;
    target.m_Flows.push_back(flow);
  }
}

using D = cCharaDef;

}  // namespace

constexpr std::array<cGroupCopy<cCharaDef>, kCharaGroupCount> kCharaGroupCopies = {
    &CopyMembers<&D::m_strName>,
    &CopyMembers<&D::m_nControl, &D::m_nPlayerNo>,
    &CopyMembers<&D::m_nGroup>,
    &CopyMembers<&D::m_nCharaId>,
    &CopyMembers<&D::m_Conditions, &D::m_nCondMode, &D::m_bCondOnce>,
    &CopyMembers<&D::m_nFacing>,
    &CopyMembers<&D::m_nCopies>,
    &CopyMembers<&D::m_nOffsetX, &D::m_nOffsetXStep, &D::m_bMirrorOffsetX>,
    &CopyMembers<&D::m_nOffsetY, &D::m_nOffsetYStep, &D::m_bMirrorOffsetY>,
    &CopyMembers<&D::m_nGraphicSource, &D::m_nGraphic, &D::m_nGraphicCell>,
    &CopyMembers<&D::m_nAnimeSet>,
    &CopyMembers<&D::m_nZ>,
    &CopyMembers<&D::m_bTransparent>,
    &CopyMembers<&D::m_nStartEffect, &D::m_nStartEffectMode, &D::m_bStartEffectLoop>,
    &CopyMembers<&D::m_nDeathEffect, &D::m_nDeathEffectMode>,
    &CopyMembers<&D::m_nMarkShow, &D::m_nMark>,
    &CopyMembers<&D::m_bFixedFacing>,
    &CopyMembers<&D::m_nFly>,
    &CopyMembers<&D::m_nInvincible, &D::m_nInvincibleLook>,
    &CopyMembers<&D::m_bBlockChara>,
    &CopyMembers<&D::m_nGiant>,
    &CopyMembers<&D::m_bAutoScrollSync>,
    &CopyMembers<&D::m_nSightShape, &D::m_nSight>,
    &CopyMembers<&D::m_nMaxHp>,
    &CopyMembers<&D::m_nMaxSp>,
    &CopyMembers<&D::m_nHitRange>,
    &CopyMembers<&D::m_nPower>,
    &CopyMembers<&D::m_nImpact>,
    &CopyMembers<&D::m_nAttackEffect>,
    &CopyMembers<&D::m_nDefence>,
    &CopyMembers<&D::m_nImpactResist>,
    &CopyMembers<&D::m_nStop>,
    &CopyMembers<&D::m_nActiveRange, &D::m_nActivation>,
    &CopyMembers<&D::m_nActGroup, &D::m_bInActGroup>,
    &CopyMembers<&D::m_nScore>,
    &CopyMembers<&D::m_nExtra1>,
    &CopyFlows,
};
static_assert(kCharaGroupCopies[kCharaGroupFlows] == &CopyFlows);
