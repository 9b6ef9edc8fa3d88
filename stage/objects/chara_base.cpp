#include "stage/objects/chara_base.h"

#include "records/database/database.h"
#include "records/settings/system_data.h"
#include "records/stage/stage_globals.h"
#include "stage/objects/flow_cmd_state.h"
#include "stage/objects/object_lists.h"
#include "stage/objects/stage_play.h"
#include "stage/objects/state_visitor.h"

namespace chara_base {

// Sight bytes are in half blocks.
constexpr int32_t kSightUnit = 16;

template <class T>
void ResizeAndZero(cVector<T>& vector, int32_t count) {
  vector.resize(static_cast<std::size_t>(count));
  vector.FillVector(T{});
}

template <class T>
void AddOnce(cVector<T>& vector, const T& entry) {
  for (const T& existing : vector) {
    if (existing == entry) return;
  }
  vector.push_back(entry);
}

template <class T>
void RemoveAll(cVector<T>& vector, const T& entry) {
  std::erase(vector, entry);
}

// The blink, translucent and wave counters (m_nCounter1, m_nCounter2) are the
// drawing's: a blink's toggle flips in the frozen passes of a pause, which a
// replay does not repeat, so they stay out of the state.
void VisitEffectState(cStateVisitor& visitor, cCharaEffectState& effect) {
  visitor.Group("m_CharaEffect", [&] {
    visitor.Value("m_nRecord", effect.m_nRecord);
    visitor.Value("m_bReversed", effect.m_bReversed);
    visitor.Value("m_nEffect", effect.m_nEffect);
    visitor.Value("m_nMode", effect.m_nMode);
    visitor.Value("m_bLoop", effect.m_bLoop);
    visitor.Value("m_nCleared", effect.m_nCleared);
    visitor.Value("m_nStart", effect.m_nStart);
    visitor.Value("m_nEnd", effect.m_nEnd);
    visitor.Value("m_dValue", effect.m_dValue);
    visitor.Value("m_dStep", effect.m_dStep);
    visitor.Value("m_dElapsed", effect.m_dElapsed);
    visitor.Value("m_nDuration", effect.m_nDuration);
  });
}

}  // namespace chara_base

cCharaBase::cCharaBase() = default;

cCharaBase::~cCharaBase() {
  // Only the chara a stage list holds releases its links: a temporary copy
  // shares them, and so does a copy left behind when a list moves its
  // elements (it has the same id as the registered one).
  if (m_bTemporaryCopy || g_lpSceneStagePlay == nullptr) return;
  if (g_lpSceneStagePlay->FindCharaById(m_nId) != this) return;
  ReleaseTargetLinks();
}

void cCharaBase::Reset(const cCharaDef* lpDef, double homeX, double homeY, int16_t index) {
  m_nIndex = index;

  m_TargetedBy.clear();
  m_ShotLinks.clear();
  m_Targets.resize(kCharaTargetSlots);
  m_Targets.FillVector(kNoLink);
  m_nParentId = kNoLink;
  m_nFlowSerial = 0;

  chara_base::ResizeAndZero(m_FlowFlagBusy, kFlowFlagCount);
  chara_base::ResizeAndZero(m_FlowFlagRelease, kFlowFlagCount);
  chara_base::ResizeAndZero(m_FlowFlagFrame, kFlowFlagCount);

  m_bFlagReleasePending = 0;
  m_bFlowDeletePending = 0;
  m_dHomeX = homeX;
  m_dHomeY = homeY;
  m_dPushVX = m_dPushVY = 0;
  m_bPushed = 0;
  m_dPushVYPrev = 0;
  m_bMoveDisabled = 0;
  m_nWallSide = -1;
  m_bInAir = 1;
  m_bJumpHit = m_bJumpRising = m_bJumpLocked = 0;
  m_nNoFloorSteps = 0;
  m_nFloorBlock = m_nLastFloorBlock = m_nPrevFloorBlock = kNoLink;
  m_nPostureFrames = 0;
  m_bHoldScreenPos = m_nHoldMode = m_nHoldScreenX = m_nHoldScreenY = 0;
  m_bDead = 0;
  m_nDeathFrames = 0;
  m_bContactLeft = m_bContactRight = m_bContactTop = m_bContactBottom = 0;
  m_bSolidPushed = 0;
  m_bRiding = 0;
  m_nRiddenId = 0;
  m_nHp = m_nSp = 0;
  m_HpGauge = GAUGEANIM{};
  m_SpGauge = GAUGEANIM{};
  chara_base::ResizeAndZero(m_Vars, kCharaVarCount);

  if (lpDef != nullptr) {
    m_Def = *lpDef;
    // The flows may now hold other triggers behind the same addresses.
    m_nFlowTriggers = kFlowTriggersUnknown;
    m_nHp = m_Def.m_nMaxHp;
    m_nSp = m_Def.m_nMaxSp;
  }

  m_bVanish = 0;
  m_bTransparentNow = 0;
  m_bFollowScroll = m_Def.m_bAutoScrollSync;
  m_nSightDots = m_Def.m_nSight * chara_base::kSightUnit;
  // Before a stage is built there are no sub-steps to spread the friction
  // over; 0 instead of a division by zero.
  m_dFriction = g_Stage.m_dSubSteps2 > 0 ? m_Def.m_nStop * 0.01 / g_Stage.m_dSubSteps2 : 0;

  m_CharaEffect.Clear();
  if (m_Def.m_nStartEffect != 0) {
    m_CharaEffect.Start(m_Def.m_nStartEffect, m_Def.m_nStartEffectMode,
                        static_cast<uint8_t>(m_Def.m_bStartEffectLoop));
  }

  m_nInvincible = 0;
  m_Immunities.clear();
  SetAnimeSet(m_Def.m_nAnimeSet, 1);
  m_AnimePlayers.clear();
  m_bParentAttack = 0;
  m_nParentFlowId = 0;
}

void cCharaBase::SetHitBox(int32_t bottomAligned, int32_t width, int32_t height) {
  const int32_t offsetX = 16 - m_nGraphicOffsetX - (width >> 1);
  const int32_t offsetY = bottomAligned ? 32 - m_nGraphicOffsetY - height : 16 - m_nGraphicOffsetY - (height >> 1);
  m_HitBox.nOffsetX = m_HitBox.nOffsetXBase = offsetX;
  m_HitBox.nOffsetY = m_HitBox.nOffsetYBase = offsetY;
  m_HitBox.nWidth = m_HitBox.nWidthBase = width;
  m_HitBox.nHeight = m_HitBox.nHeightBase = height;
}

void cCharaBase::SetAnimeSet(int16_t animeSet, int32_t force) {
  if (!force && animeSet == m_Def.m_nAnimeSet) return;
  m_Def.m_nAnimeSet = animeSet;
  m_Anime.Clear();
  const cAnimeSet& set = g_Database.m_AnimeSets.CheckedVectorAt(animeSet);
  cAnimeStepTable table;
  table.resize(set.m_Animes.size());
  for (int32_t i = 0; i < set.m_Animes.VectorSize(); ++i) {
    cAnimeStepList& steps = table.CheckedVectorAt(i);
    for (const cAnimeFrame& frame : set.m_Animes.CheckedVectorAt(i).m_Frames) {
      steps.push_back({frame.m_nPattern, frame.m_nDuration * kFramesPerTenth, 1});
    }
    steps.push_back({kAnimeStepLoop, 0, 1});
  }
  m_Anime.SetTable(table);
  m_Anime.m_nSequence = 0;
  m_Anime.m_nStep = 0;
}

void cCharaBase::LinkHeroAndParent(int32_t parentId) {
  cCharaBase* hero = g_Heroes.empty() ? nullptr : &g_Heroes.front();
  m_Targets.CheckedVectorAt(0) = hero != nullptr ? hero->m_nId : kNoLink;
  if (hero != nullptr) chara_base::AddOnce(hero->m_TargetedBy, CHARALINK{m_nId, 0});

  // A parent that no longer exists is no parent: a slot naming a chara that
  // does not hold the back-reference could never be cleared.
  cCharaBase* parent = parentId == kNoLink ? nullptr : FindCharaById(parentId);
  m_nParentId = parent != nullptr ? parentId : kNoLink;
  if (parent != nullptr) chara_base::AddOnce(parent->m_TargetedBy, CHARALINK{m_nId, kLinkSlotParent});
}

void cCharaBase::ReleaseTargetLinks() {
  for (const CHARALINK& link : m_TargetedBy) {
    cCharaBase* other = FindCharaById(link.nCharaId);
    if (other == nullptr) continue;
    if (link.nSlot == kLinkSlotParent) {
      other->m_nParentId = kNoLink;
    } else {
      other->m_Targets.CheckedVectorAt(link.nSlot) = kNoLink;
    }
  }
  m_TargetedBy.clear();

  for (int32_t slot = 0; slot < m_Targets.VectorSize(); ++slot) {
    int32_t& target = m_Targets.CheckedVectorAt(slot);
    if (target == kNoLink) continue;
    if (cCharaBase* other = FindCharaById(target)) chara_base::RemoveAll(other->m_TargetedBy, CHARALINK{m_nId, slot});
    target = kNoLink;
  }

  if (m_nParentId != kNoLink) {
    if (cCharaBase* parent = FindCharaById(m_nParentId)) {
      chara_base::RemoveAll(parent->m_TargetedBy, CHARALINK{m_nId, kLinkSlotParent});
    }
    m_nParentId = kNoLink;
  }

  for (const SHOTLINK& link : m_ShotLinks) {
    cShot* shot = g_lpSceneStagePlay != nullptr ? g_lpSceneStagePlay->FindShotById(link.nShotId) : nullptr;
    if (shot == nullptr) continue;
    if (link.nKind == kShotLinkHoming) shot->m_lpTarget = kNoLink;
    if (link.nKind == kShotLinkOwner) shot->m_lpShooter = kNoLink;
  }
  m_ShotLinks.clear();
}

void cCharaBase::AdjustYForScale(int32_t newScale, int32_t oldScale, int32_t flag) {
  if (newScale == oldScale) return;
  const double d = static_cast<double>(newScale) - oldScale;
  const bool boxFormula = g_SystemData.m_bLegacy831 ? !g_SystemData.m_bLegacy261 : flag != 0;
  if (boxFormula) {
    m_dY = m_dY - d * m_nGraphicHBase + d * m_nGraphicOffsetYBase;
  } else {
    m_dY = m_dY - d * m_nHeightBase;
  }
  ClampY();
}

void cCharaBase::SetCenterX(int32_t x) {
  const int32_t centre = m_rcScreen.left + (m_nGraphicW >> 1);
  m_dX += static_cast<double>(x) - centre;
  ClampX();
}

void cCharaBase::SetCenterY(int32_t y) {
  const int32_t centre = m_rcScreen.top + (m_nGraphicH >> 1);
  m_dY += static_cast<double>(y) - centre;
  ClampY();
}

void cCharaBase::SetCenter(int32_t x, int32_t y) {
  SetCenterX(x);
  SetCenterY(y);
}

namespace chara_base {

void StopCommand(cFlowCmdState* lpState) {
  if (lpState == nullptr) return;
  lpState->m_dVX = 0;
  lpState->m_dVY = 0;
}

}  // namespace chara_base

void cCharaBase::SetCenterAndStop(int32_t x, int32_t y, cFlowCmdState* lpState) {
  SetCenter(x, y);
  chara_base::StopCommand(lpState);
}

void cCharaBase::SetCenterXAndStop(int32_t x, cFlowCmdState* lpState) {
  SetCenterX(x);
  chara_base::StopCommand(lpState);
}

void cCharaBase::SetCenterYAndStop(int32_t y, cFlowCmdState* lpState) {
  SetCenterY(y);
  chara_base::StopCommand(lpState);
}

void cCharaBase::CopyFrom(const cCharaBase& other) {
  if (&other == this) return;
  const int32_t temporaryCopy = m_bTemporaryCopy;
  const int32_t moveDisabled = m_bMoveDisabled;
  const int32_t animePriority = m_nAnimePriority;
  cCharaBase::operator=(other);
  m_bTemporaryCopy = temporaryCopy;
  m_bMoveDisabled = moveDisabled;
  m_nAnimePriority = animePriority;
  CopyFlows(other.m_Flows);
}

void cCharaBase::CopyFlows(const cVector<cFlowInstance>& flows) {
  m_Flows = flows;
  // The copies point into the source's definition until relinked.
  RelinkFlows();
}

cItem* cCharaBase::GetCarriedItem() { return nullptr; }
int32_t cCharaBase::ClampX() { return 0; }
int32_t cCharaBase::ClampY() { return 0; }
int32_t cCharaBase::MoveX() { return 0; }
int32_t cCharaBase::MoveY() { return 0; }
int32_t cCharaBase::RunFlows(int32_t) { return 0; }
void cCharaBase::StepJump(cFlowCmdState&) {}

void cCharaBase::VisitState(cStateVisitor& visitor) {
  cGameObject::VisitState(visitor);
  visitor.Value("m_bTemporaryCopy", m_bTemporaryCopy);
  visitor.List("m_Targets", m_Targets);
  visitor.Value("m_nParentId", m_nParentId);
  visitor.List("m_TargetedBy", m_TargetedBy);
  visitor.List("m_ShotLinks", m_ShotLinks);
  visitor.Value("m_bParentAttack", m_bParentAttack);
  visitor.Value("m_nParentFlowId", m_nParentFlowId);
  visitor.Record("m_Def", m_Def);
  visitor.Value("m_nFlowSerial", m_nFlowSerial);
  visitor.List("m_Flows", m_Flows);
  visitor.List("m_FlowFlagBusy", m_FlowFlagBusy);
  visitor.List("m_FlowFlagRelease", m_FlowFlagRelease);
  visitor.List("m_FlowFlagFrame", m_FlowFlagFrame);
  visitor.Value("m_bFlagReleasePending", m_bFlagReleasePending);
  visitor.Value("m_bFlowDeletePending", m_bFlowDeletePending);
  visitor.Value("m_dHomeX", m_dHomeX);
  visitor.Value("m_dHomeY", m_dHomeY);
  visitor.Value("m_bAnimeChosen", m_bAnimeChosen);
  visitor.Value("m_nAnimeChosen", m_nAnimeChosen);
  visitor.Value("m_nAnimePriority", m_nAnimePriority);
  visitor.Value("m_dPushVX", m_dPushVX);
  visitor.Value("m_dPushVY", m_dPushVY);
  visitor.Value("m_bPushed", m_bPushed);
  visitor.Value("m_dPushVYPrev", m_dPushVYPrev);
  visitor.Value("m_bMoveDisabled", m_bMoveDisabled);
  visitor.Value("m_nWallSide", m_nWallSide);
  visitor.Value("m_bInAir", m_bInAir);
  visitor.Value("m_bJumpHit", m_bJumpHit);
  visitor.Value("m_bJumpRising", m_bJumpRising);
  visitor.Value("m_bJumpLocked", m_bJumpLocked);
  visitor.Value("m_nNoFloorSteps", m_nNoFloorSteps);
  visitor.Value("m_nFloorBlock", m_nFloorBlock);
  visitor.Value("m_nLastFloorBlock", m_nLastFloorBlock);
  visitor.Value("m_nPrevFloorBlock", m_nPrevFloorBlock);
  visitor.Value("m_nPostureFrames", m_nPostureFrames);
  visitor.Value("m_bHoldScreenPos", m_bHoldScreenPos);
  visitor.Value("m_nHoldMode", m_nHoldMode);
  visitor.Value("m_nHoldScreenX", m_nHoldScreenX);
  visitor.Value("m_nHoldScreenY", m_nHoldScreenY);
  visitor.Value("m_bDead", m_bDead);
  visitor.Value("m_nDeathFrames", m_nDeathFrames);
  visitor.Value("m_bContactLeft", m_bContactLeft);
  visitor.Value("m_bContactRight", m_bContactRight);
  visitor.Value("m_bContactTop", m_bContactTop);
  visitor.Value("m_bContactBottom", m_bContactBottom);
  visitor.Value("m_bSolidPushed", m_bSolidPushed);
  visitor.Value("m_bRiding", m_bRiding);
  visitor.Value("m_nRiddenId", m_nRiddenId);
  visitor.Group("m_RiddenPos", [&] {
    visitor.Value("left", m_RiddenPos.left);
    visitor.Value("top", m_RiddenPos.top);
    visitor.Value("right", m_RiddenPos.right);
    visitor.Value("bottom", m_RiddenPos.bottom);
  });
  visitor.Value("m_dSavedX", m_dSavedX);
  visitor.Value("m_dSavedY", m_dSavedY);
  visitor.Value("m_dSavedRight", m_dSavedRight);
  visitor.Value("m_dSavedBottom", m_dSavedBottom);
  visitor.Value("m_nHp", m_nHp);
  visitor.Object("m_HpGauge", m_HpGauge);
  visitor.Value("m_nSp", m_nSp);
  visitor.Object("m_SpGauge", m_SpGauge);
  visitor.List("m_Vars", m_Vars);
  visitor.Value("m_nInvincible", m_nInvincible);
  visitor.List("m_Immunities", m_Immunities);
  visitor.List("m_AnimePlayers", m_AnimePlayers);
  chara_base::VisitEffectState(visitor, m_CharaEffect);
  visitor.Value("m_bVanish", m_bVanish);
  visitor.Value("m_bHeroActive", m_bHeroActive);
  visitor.Value("m_nSightDots", m_nSightDots);
  visitor.Value("m_bTransparentNow", m_bTransparentNow);
  visitor.Object("m_HitBox", m_HitBox);
  visitor.Object("m_AttackBox", m_AttackBox);
}
