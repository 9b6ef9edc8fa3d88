// Carrying the hero status over: what each item stores from the hero and where
// it goes back. Items of the chara part copy the same members both ways; the
// others are ints kept beside it.

#include "records/save/carry_items.h"

#include <algorithm>

#include "records/save/save_data.h"

namespace {

using CharaCopy = void (*)(const cCharaDef& from, cCharaDef& to);

template <auto... Members>
void CopyMembers(const cCharaDef& from, cCharaDef& to) {
  ((to.*Members = from.*Members), ...);
}

struct cCarryItem {
  CharaCopy copy = nullptr;                 // an item of the chara part
  int32_t cHeroCarry::*value = nullptr;     // an int kept beside it ...
  int32_t cHeroStatus::*source = nullptr;   // ... stored from the hero's status
};

using C = cCharaDef;
constexpr cCarryItem kCarryItems[kCarryItemCount] = {
    {CopyMembers<&C::m_nGraphicSource, &C::m_nGraphic, &C::m_nGraphicCell>},
    {CopyMembers<&C::m_nAnimeSet>},
    {CopyMembers<&C::m_nZ>},
    {CopyMembers<&C::m_bTransparent>},
    {CopyMembers<&C::m_nStartEffect, &C::m_nStartEffectMode, &C::m_bStartEffectLoop>},
    {CopyMembers<&C::m_bFixedFacing>},
    {CopyMembers<&C::m_nFly>},
    {CopyMembers<&C::m_nInvincible>},
    {CopyMembers<&C::m_nGiant>},
    {CopyMembers<&C::m_bAutoScrollSync>},
    {CopyMembers<&C::m_nSightShape, &C::m_nSight>},
    {nullptr, &cHeroCarry::m_nHp, &cHeroStatus::nHp},
    {nullptr, &cHeroCarry::m_nSp, &cHeroStatus::nSp},
    {CopyMembers<&C::m_nMaxHp>},
    {CopyMembers<&C::m_nMaxSp>},
    {CopyMembers<&C::m_nHitRange>},
    {CopyMembers<&C::m_nPower>},
    {CopyMembers<&C::m_nImpact>},
    {CopyMembers<&C::m_nDefence>},
    {CopyMembers<&C::m_nImpactResist>},
    {CopyMembers<&C::m_nStop>},
    {CopyMembers<&C::m_Flows>},
    {nullptr, &cHeroCarry::m_nTimeLeft, &cHeroStatus::nTimeLeft},
    {nullptr, &cHeroCarry::m_nLives, &cHeroStatus::nLives},
    {nullptr, &cHeroCarry::m_nBgm, &cHeroStatus::nBgm},
};

// The running effect is stored as the part's start effect.
void StoreEffect(cCharaDef& carried, const cHeroStatus& status) {
  carried.m_nStartEffect = status.nEffect;
  carried.m_nStartEffectMode = status.nEffectMode;
  carried.m_bStartEffectLoop = status.bEffectLoop;
}

}  // namespace

cHeroCarry& cSaveData::CarryEntry(int32_t slot) {
  if (slot >= m_HeroCarry.VectorSize()) m_HeroCarry.resize(static_cast<std::size_t>(slot) + 1);
  return m_HeroCarry.CheckedVectorAt(slot);
}

void cSaveData::StoreHeroStatus(int32_t slot, const cCharaDef& hero, const cHeroStatus& status) {
  m_bHasCarry = 1;
  cHeroCarry& entry = CarryEntry(slot);
  for (int32_t i = 0; i < kCarryItemCount; ++i) {
    if (!Settings().m_CarryOver.CheckedVectorAt(i)) continue;
    const cCarryItem& item = kCarryItems[i];
    if (i == kCarryEffect) {
      StoreEffect(entry.m_Chara, status);
    } else if (item.copy) {
      item.copy(hero, entry.m_Chara);
    } else {
      entry.*item.value = status.*item.source;
    }
    m_CarryValid.CheckedVectorAt(i) = 1;
  }
}

void cSaveData::RestoreHeroStatus(int32_t slot, cCharaDef& part, int32_t& stageTimeLimit,
                                  int32_t& stageBgm) {
  // A slot never stored has nothing to give back.
  if (!m_bHasCarry || slot < 0 || slot >= m_HeroCarry.VectorSize()) return;
  const cHeroCarry& entry = m_HeroCarry.CheckedVectorAt(slot);
  for (int32_t i = 0; i < kCarryItemCount; ++i) {
    if (!Settings().m_CarryOver.CheckedVectorAt(i) || !m_CarryValid.CheckedVectorAt(i)) continue;
    const cCarryItem& item = kCarryItems[i];
    if (item.copy) {
      item.copy(entry.m_Chara, part);
      if (i == kCarryGraphic && part.m_nGraphic == 0) part.m_nGraphic = 1;
    } else if (i == kCarryTimeLeft) {
      stageTimeLimit = entry.m_nTimeLeft;
    } else if (i == kCarryLives) {
      m_nLives = entry.m_nLives;
    } else if (i == kCarryBgm) {
      stageBgm = entry.m_nBgm;
    }
  }
}

void cSaveData::RestoreHeroValues(int32_t slot, int32_t& hp, int32_t& sp) const {
  if (!m_bHasCarry || slot < 0 || slot >= m_HeroCarry.VectorSize()) return;
  const cHeroCarry& entry = m_HeroCarry.CheckedVectorAt(slot);
  const auto carried = [this](int32_t item) {
    return Settings().m_CarryOver.CheckedVectorAt(item) && m_CarryValid.CheckedVectorAt(item);
  };
  if (carried(kCarryHp)) hp = entry.m_nHp;
  if (carried(kCarrySp)) sp = entry.m_nSp;
}

void cSaveData::ClearFlaggedEntries() {
  // A project list longer than the flags has nothing more to clear.
  const int32_t count =
      std::min(Settings().m_ResetOnDeath.VectorSize(), m_CarryValid.VectorSize());
  for (int32_t i = 0; i < count; ++i) {
    if (Settings().m_ResetOnDeath.CheckedVectorAt(i)) m_CarryValid.CheckedVectorAt(i) = 0;
  }
}
