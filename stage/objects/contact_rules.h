#pragma once
// What the two halves of the contact pass (contacts.cpp, shot_contacts.cpp)
// share: the boxes, the on-screen rule, the sounds, the results that end it.

#include <cstdint>

#include "records/stage/stage_globals.h"
#include "stage/objects/chara_box.h"
#include "stage/objects/drect.h"
#include "stage/objects/game_object.h"
#include "stage/objects/stage_play.h"

namespace contact_rules {

inline constexpr int32_t kAttackHitTrigger = 20;  // "アタックを当てた時"
inline constexpr int32_t kSoundHit = 7;
inline constexpr int32_t kSoundDefeated = 9;

inline DRECT BoxOf(const CHARABOX& box) { return DRECT{box.dLeft, box.dTop, box.dRight, box.dBottom}; }

// With the stage's contact setting on, only objects on the screen meet.
inline bool OnScreenRule(const cGameObject& o) { return g_Stage.m_nContactSetting == 0 || o.m_bOnScreen != 0; }

// A clear or the hero's death ends the pass at once.
inline bool EndsPass(int32_t r) { return r == kPlayClear || r == kPlayDeath; }

}  // namespace contact_rules
