#include "platform/dd/number_draw.h"

#include <array>

#include "platform/dd/blit.h"

namespace {

constexpr int kMaxDecimalDigits = 10;  // of a non-negative int32_t

}  // namespace

void DDDrawNumber(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, DDSURFACEDATA* lpSrcSD,
                  int32_t sx, int32_t sy, int32_t flags, int32_t number, int32_t nField, int32_t bCenter) {
  if (number < 0) return;
  std::array<int32_t, kMaxDecimalDigits> digits{};
  int32_t count = 0;
  do {
    digits[static_cast<std::size_t>(count++)] = number % 10;
    number /= 10;
  } while (number > 0);
  if (count < nField) {
    // 64 bits: a field width from data must not overflow the shift.
    const int64_t shift = static_cast<int64_t>(nField - count) * w;
    x = static_cast<int32_t>(x + (bCenter != 0 ? shift / 2 : shift));
  }
  for (int32_t i = count - 1; i >= 0; --i) {
    DDBlt(lpDstSD, x, y, w, h, lpSrcSD, sx + w * digits[static_cast<std::size_t>(i)], sy, flags);
    x += w;
  }
}
