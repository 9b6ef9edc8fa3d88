#pragma once
// The 25 items of the hero status that can be carried from a cleared stage into
// the next. The project switches m_CarryOver (which items are carried) and
// m_ResetOnDeath (which lose their stored value after a death) are indexed by
// these numbers, and so are the save data's m_CarryValid flags.

#include <cstdint>

enum eCarryItem : int32_t {
  kCarryGraphic = 0,         // graphic source, graphic and cell; a graphic of 0 comes back as 1
  kCarryAnimeSet = 1,
  kCarryZ = 2,
  kCarryTransparent = 3,
  kCarryEffect = 4,          // the running chara effect, as the part's start effect
  kCarryFixedFacing = 5,
  kCarryFly = 6,
  kCarryInvincible = 7,
  kCarryGiant = 8,
  kCarryAutoScrollSync = 9,
  kCarrySight = 10,          // sight shape and radius
  kCarryHp = 11,             // restored by RestoreHeroValues
  kCarrySp = 12,             // restored by RestoreHeroValues
  kCarryMaxHp = 13,
  kCarryMaxSp = 14,
  kCarryHitRange = 15,
  kCarryPower = 16,
  kCarryImpact = 17,
  kCarryDefence = 18,
  kCarryImpactResist = 19,
  kCarryStop = 20,
  kCarryFlows = 21,
  kCarryTimeLeft = 22,       // into the stage's time limit
  kCarryLives = 23,          // into the save data's lives
  kCarryBgm = 24,            // into the stage's music
};
