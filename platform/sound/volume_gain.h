#pragma once
// Sound-effect volumes are hundredths of a decibel, -10000 (silent) to 0 (full).

#include <cstdint>

inline constexpr int32_t kVolumeSilent = -10000;
inline constexpr int32_t kVolumeFull = 0;

// The linear factor of a volume: 10^(v/2000); -10000 and below give exactly 0, 0
// and above exactly 1.
float VolumeToGain(int32_t volume);
