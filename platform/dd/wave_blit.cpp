#include "platform/dd/wave_blit.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "platform/dd/blit.h"
#include "platform/dd/draw_batches.h"

int32_t WaveBandOffset(int32_t k, int32_t nBand, int32_t n, int32_t nWaves, double amplitude, int32_t nPhase) {
  const double s = static_cast<double>(k) * nBand * 360.0 / n;
  const double offset = std::trunc(amplitude * std::sin(nWaves * (nPhase + s) * std::numbers::pi / 180.0));
  // Saturate: converting a value outside int32_t (or NaN) is undefined.
  if (std::isnan(offset)) return 0;
  constexpr double kLow = std::numeric_limits<int32_t>::min();
  constexpr double kHigh = std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(std::clamp(offset, kLow, kHigh));
}

namespace {

// A position moved by a saturated offset, kept inside int32_t for the clipper.
int32_t WaveMovedPosition(int32_t at, int32_t offset) {
  const int64_t moved = static_cast<int64_t>(at) + offset;
  return static_cast<int32_t>(
      std::clamp<int64_t>(moved, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

}  // namespace

void DDBltWave(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, int32_t nWaves, double amplitude,
               int32_t nPhase, int32_t nBand, DDSURFACEDATA* lpSrcSD, int32_t sx, int32_t sy, int32_t flags,
               int32_t bVertical) {
  const int32_t n = bVertical != 0 ? w : h;
  if (nBand <= 0 || n <= 0) return;
  DDBeginSpriteBatch(0);
  int32_t k = 1;
  for (int32_t at = 0; at < n; at += nBand, ++k) {
    const int32_t lines = std::min(nBand, n - at);
    const int32_t offset = WaveBandOffset(k, nBand, n, nWaves, amplitude, nPhase);
    if (bVertical != 0) {
      DDBlt(lpDstSD, x + at, WaveMovedPosition(y, offset), lines, h, lpSrcSD, sx + at, sy, flags);
    } else {
      DDBlt(lpDstSD, WaveMovedPosition(x, offset), y + at, w, lines, lpSrcSD, sx, sy + at, flags);
    }
    if (n - at <= nBand) break;  // the last band; at + nBand could overflow
  }
  DDEndSpriteBatch();
}
