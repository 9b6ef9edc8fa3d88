#pragma once
// The shots' pass of a physics sub-step (the play step's StepShots), on its
// own so that it can be measured and driven alone.

#include <cstdint>

class cStagePlay;

// Every shot in list order: Update (1 removes it), gravity, MoveY, MoveX;
// in sub-step 1 a projectile outside its erase area (3 for the player's
// side, 4 for the others) is removed; then one touching a solid block.
void RunShotPass(cStagePlay& play, int32_t subStep);
