#include "platform/sound/volume_gain.h"

#include <cmath>

float VolumeToGain(int32_t volume) {
  if (volume <= kVolumeSilent) return 0.0f;
  if (volume >= kVolumeFull) return 1.0f;
  return static_cast<float>(std::pow(10.0, volume / 2000.0));
}
