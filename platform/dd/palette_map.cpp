#include "platform/dd/palette_map.h"

#include <new>
#include <unordered_map>

#include "core/log/ec_log.h"
#include "core/mesbox/error_mesbox.h"
#include "platform/dd/blit.h"
#include "platform/dd/device_config.h"
#include "platform/dd/device_records.h"
#include "platform/dd/palette.h"
#include "platform/dd/surface_data.h"
#include "platform/dd/surface_lock.h"
#include "platform/dd/virtual_back_buffer.h"

namespace {

uint32_t EntryRgb(const PALETTEENTRY& e) {
  return static_cast<uint32_t>(e.peRed) << 16 | static_cast<uint32_t>(e.peGreen) << 8 | e.peBlue;
}

// The value a pixel is compared with, per entry; the first entry wins.
std::unordered_map<uint32_t, uint8_t> EntryIndex(bool directDraw16) {
  std::unordered_map<uint32_t, uint8_t> index;
  for (int i = 255; i >= 0; --i) {
    const PALETTEENTRY& e = g_Palette[static_cast<std::size_t>(i)];
    index[directDraw16 ? DDPalToRGB16(&e) : EntryRgb(e)] = static_cast<uint8_t>(i);
  }
  return index;
}

// A pixel as the key it is looked up by.
uint32_t LookupKey(uint32_t pixel, int32_t bytes, bool directDraw16) {
  if (bytes == 4 || directDraw16) return bytes == 4 ? pixel & 0xFFFFFFu : pixel;
  const PIXELCHANNELS c = g_PixelChannels;  // a copy: the lambdas capture it
  const auto widen = [&c, pixel](int32_t ch) {
    const auto max = static_cast<uint32_t>(c.nMax[ch]);
    return max == 0 ? 0u : ChannelOf(c, pixel, ch) * 255u / max;
  };
  return widen(kChRed) << 16 | widen(kChGreen) << 8 | widen(kChBlue);
}

}  // namespace

int32_t DDMakePalMap(DDSURFACEDATA* lpSD) {
  if (lpSD == nullptr) return 0;
  DDSURFACEDATA* target = lpSD;
  if (lpDTCon != nullptr) {
    DDResolveShareSD(&target);
    DDRedirectBackBuffer(&target);
  }
  cSurfaceLock lock;
  if (target == nullptr || !lock.Lock(target)) {
    OutOfMemoryClose();
    return 0;
  }
  const std::size_t pitch = static_cast<std::size_t>(lock.m_nPitch);
  const std::size_t size = pitch * static_cast<std::size_t>(lpSD->nHeight);
  std::unique_ptr<uint8_t[]> map(new (std::nothrow) uint8_t[size]());
  if (!map) {
    OutOfMemoryClose();
    return 0;
  }
  const bool directDraw16 = lpDTCon == nullptr && lock.m_nBytesPerPixel == 2;
  const bool keyedTexture16 = lpDTCon != nullptr && lock.m_nBytesPerPixel == 2 && target->lpDT && target->lpDT->bColorKey != 0;
  const auto index = EntryIndex(directDraw16);
  const cPixelStore& store = *lock.Store();
  for (int32_t y = 0; y < lpSD->nHeight && y < store.Height(); ++y) {
    for (int32_t x = 0; x < lpSD->nWidth && x < store.Width(); ++x) {
      const uint32_t pixel = store.Get(x, y);
      if (keyedTexture16 && pixel == 0) continue;
      const auto found = index.find(LookupKey(pixel, lock.m_nBytesPerPixel, directDraw16));
      if (found != index.end()) map[static_cast<std::size_t>(y) * pitch + static_cast<std::size_t>(x)] = found->second;
    }
  }
  if (lpSD->lpDT) lpSD->lpDT->lpPalMap = std::move(map);
  else if (lpSD->lpDDS) lpSD->lpDDS->lpPalMap = std::move(map);
  return 1;
}

uint16_t DDPalToRGB16(const PALETTEENTRY* entry) {
  if (lpDTCon != nullptr) {
    EcLog("DDPalToRGB16はDirect3Dでは未対応");
    return 0;
  }
  if (entry == nullptr) return 0;
  const PIXELCHANNELS c = g_PixelChannels;  // a copy: the lambdas capture it
  const auto part = [&c](uint32_t v, int32_t ch) { return (v & static_cast<uint32_t>(c.nMax[ch])) << c.nShift[ch]; };
  return static_cast<uint16_t>(part(entry->peBlue, kChBlue) | part(entry->peGreen, kChGreen) | part(entry->peRed, kChRed));
}
