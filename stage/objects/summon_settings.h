#pragma once
// The switches of a summon command's shot settings (cEdShot) that the
// spawners read, by what they mean for a summon. The record keeps them under
// the shot's names; the summons reuse those slots.

#include <cstdint>

#include "records/script/ed_shot.h"

// The summoned object lives m_nRange tenths of a second ("存在時間").
inline bool SummonHasLifeTime(const cEdShot& set) { return set.m_bShotOpt6 != 0; }
inline int32_t SummonLifeTime(const cEdShot& set) { return set.m_nRange; }
// A block summon is undone when the new block would enclose the hero, or a chara.
inline bool SummonUndoOnHero(const cEdShot& set) { return set.m_bShotOpt14 != 0; }
inline bool SummonUndoOnChara(const cEdShot& set) { return set.m_bShotOpt15 != 0; }
// A summoned chara gives no score when defeated.
inline bool SummonNoDefeatScore(const cEdShot& set) { return set.m_bShotOpt16 != 0; }
// A summoned chara's hits count as its parent's, with this flow id.
inline bool SummonParentAttack(const cEdShot& set) { return set.m_bShotOpt17 != 0; }
inline int8_t SummonParentFlowId(const cEdShot& set) { return set.m_bShotOpt18; }
