#pragma once
// What the passes of the play step share: the codes the moves answer, the
// system sounds of deaths and defeats, and which charas a pass runs.

#include <cstdint>

#include "stage/objects/chara.h"

namespace play_step {

inline constexpr int32_t kSoundHeroDies = 8;
inline constexpr int32_t kSoundCharaDefeated = 9;
inline constexpr int32_t kAlwaysTrigger = 0;  // "常時"
inline constexpr int32_t kEraseMove = 4;      // MoveX: pushed back at a world end
inline constexpr int32_t kKilledMove = 7;     // MoveY: fell out below
inline constexpr int32_t kEraseMoveY = 8;     // MoveY: a flying chara at a world end
inline constexpr int32_t kKilledByBlocks = 2;

enum eEraseArea : int32_t { kAreaCharas = 0, kAreaSolids = 1, kAreaItems = 2, kAreaHeroShots = 3, kAreaShots = 4 };

inline bool IsSolid(const cCharaBase& chara) { return chara.m_Def.m_bBlockChara != 0; }

inline bool Squeezed(const cCharaBase& c) {
  return (c.m_bContactLeft != 0 && c.m_bContactRight != 0) || (c.m_bContactTop != 0 && c.m_bContactBottom != 0);
}

// Enabled, activated and alive: the charas whose flows run and which move.
inline bool Runs(const cChara& chara) {
  return chara.m_bDead == 0 && chara.m_bEnabled != 0 && chara.m_bActive != 0;
}

}  // namespace play_step
