#include "platform/dd/glyph_draw.h"

#include <algorithm>

#include "platform/dd/device_records.h"
#include "platform/dd/fill.h"
#include "platform/dd/glyph_face.h"
#include "platform/dd/surface_data.h"

namespace {

template <typename Pixel>
void WriteCovered(cPixelStore& store, int32_t x, int32_t y, const cGlyphMask& mask, uint32_t pixel) {
  // Bounds in 64 bits: a position far off the surface must not wrap into it.
  const int64_t left = std::max<int64_t>(0, -int64_t{x});
  const int64_t top = std::max<int64_t>(0, -int64_t{y});
  const int64_t right = std::min<int64_t>(mask.nWidth, int64_t{store.Width()} - x);
  const int64_t bottom = std::min<int64_t>(mask.nHeight, int64_t{store.Height()} - y);
  const auto value = static_cast<Pixel>(pixel);
  for (int64_t my = top; my < bottom; ++my) {
    Pixel* row = reinterpret_cast<Pixel*>(store.Row8(static_cast<int32_t>(y + my)));
    const uint8_t* covered = mask.covered.data() + my * mask.nWidth;
    for (int64_t mx = left; mx < right; ++mx) {
      if (covered[mx] != 0) row[x + mx] = value;
    }
  }
}

}  // namespace

uint32_t TextPixelOf(DDSURFACEDATA* lpSD, int32_t nColor, uint32_t dwColor) {
  if (lpDTCon != nullptr) {
    const cPixelStore* store = lpSD != nullptr ? lpSD->Pixels() : nullptr;
    return store != nullptr ? ArgbToPixel(dwColor | 0xFF000000u, store->Format()) : 0;
  }
  return PalNumToRGB(static_cast<uint32_t>(nColor));
}

void DrawGlyphMask(DDSURFACEDATA* lpSD, int32_t x, int32_t y, const cGlyphMask& mask, uint32_t pixel) {
  cPixelStore* store = lpSD != nullptr ? lpSD->Pixels() : nullptr;
  if (store == nullptr || store->Empty()) return;
  if (mask.covered.size() < static_cast<std::size_t>(mask.nWidth) * static_cast<std::size_t>(mask.nHeight)) return;
  switch (store->BytesPerPixel()) {
    case 1: WriteCovered<uint8_t>(*store, x, y, mask, pixel); break;
    case 2: WriteCovered<uint16_t>(*store, x, y, mask, pixel); break;
    case 4: WriteCovered<uint32_t>(*store, x, y, mask, pixel); break;
    default: break;
  }
}
