#pragma once
// The play modes of a run (the world map's story, the stage list's challenge and
// free play of a stage file), as save data and the project settings number them.

#include <cstdint>

constexpr int32_t kPlayModeStory = 0;
constexpr int32_t kPlayModeChallenge = 1;
constexpr int32_t kPlayModeFree = 2;
