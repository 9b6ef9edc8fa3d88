#pragma once
// Resolution of the relative direction codes of move and shot settings.

#include <cstdint>

#include "records/replay/replay_playback.h"
#include "records/script/direction_codes.h"

// During replay playback the replay's version decides between the two input
// mappings: replays recorded by older versions keep the mapping they were
// recorded with.

// Maps the player's direction input (0 none, 1 left, 2 right, 3 up, 4 down,
// 5 up-left, 6 down-left, 7 up-right, 8 down-right, 9 any) to a direction code.
// bFlag 0: no input and "any" give the facing direction. bFlag not 0: no input
// gives the facing direction, "any" gives 0. During replay playback the
// replay's version decides instead of bFlag: up to 777 as bFlag 1, 778 and 779
// as bFlag 0, from 780 on bFlag itself.
int32_t ResolveShotDirection(int32_t inputDirection, int32_t bFlag, int32_t facing,
                             const cReplayPlayback& playback = {});

// The absolute direction of a stored direction code for a facing: "前", "後",
// "前Y", "後Y" by the facing, "入力方向" through ResolveShotDirection, absolute
// codes as they are.
int32_t ResolveDirectionCode(int32_t code, int32_t facing, int32_t inputDirection,
                             int32_t bFlag, const cReplayPlayback& playback = {});
