#pragma once
// The sample's sprites, drawn into 32 x 32 cells (16 x 16 for shots) with the
// top-left corner given. Charas are drawn facing left, as the chara sheets hold
// them; the player mirrors them for the other facing.

#include <cstdint>

#include "tools/sample/media/canvas.h"

// Chara poses: the columns 0 to 3 of a chara's row.
enum eCharaPose : int32_t { kPoseStand, kPoseStepA, kPoseStepB, kPoseJump, kPoseCount };
// Looks: columns 0-3 plain, 4-7 invincible, 8-11 the second state.
enum eCharaLook : int32_t { kLookPlain, kLookInvincible, kLookSecond, kLookCount };

// chara: an eSampleChara number.
void DrawChara(cCanvas& canvas, int32_t x, int32_t y, int32_t chara, int32_t pose, int32_t look);
// block: an eSampleBlock number.
void DrawBlock(cCanvas& canvas, int32_t x, int32_t y, int32_t block);
// item: an eSampleItem number; frame 0 or 1.
void DrawItem(cCanvas& canvas, int32_t x, int32_t y, int32_t item, int32_t frame);
// shot: an eSampleShot number; frame 0 or 1; a 16 x 16 cell.
void DrawShot(cCanvas& canvas, int32_t x, int32_t y, int32_t shot, int32_t frame);
