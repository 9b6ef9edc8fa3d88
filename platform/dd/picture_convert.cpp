#include "platform/dd/picture_convert.h"

#include <array>
#include <limits>

#include "platform/dd/device_config.h"
#include "platform/dd/device_records.h"
#include "platform/dd/palette.h"

namespace {

uint32_t Narrow16(uint32_t rgb, const PIXELCHANNELS& c) {
  const auto part = [&c, rgb](int32_t ch, int shift) {
    return NarrowChannelTruncated((rgb >> shift) & 0xFF, static_cast<uint32_t>(c.nMax[ch])) << c.nShift[ch];
  };
  return (part(kChBlue, 0) | part(kChGreen, 8) | part(kChRed, 16)) & 0xFFFFu;
}

// The display palette: the 8-bit display shows g_lpDDPalette's entries.
const std::array<PALETTEENTRY, 256>& DisplayPalette() {
  return g_lpDDPalette != nullptr ? g_lpDDPalette->Entries() : g_Palette;
}

uint8_t NearestEntry(uint32_t rgb) {
  const auto& entries = DisplayPalette();
  int64_t best = std::numeric_limits<int64_t>::max();
  uint8_t index = 0;
  for (int i = 0; i < 256; ++i) {
    const PALETTEENTRY& e = entries[static_cast<std::size_t>(i)];
    const int64_t dr = static_cast<int64_t>((rgb >> 16) & 0xFF) - e.peRed;
    const int64_t dg = static_cast<int64_t>((rgb >> 8) & 0xFF) - e.peGreen;
    const int64_t db = static_cast<int64_t>(rgb & 0xFF) - e.peBlue;
    const int64_t d = dr * dr + dg * dg + db * db;
    if (d < best) {
      best = d;
      index = static_cast<uint8_t>(i);
    }
  }
  return index;
}

// The source coordinate a destination coordinate shows; -1 once the mirrored
// coordinate runs past the surface (the rest of the row or image is skipped).
int32_t MirrorOf(int32_t c, int32_t cell, int32_t size) {
  if (cell < 1) return c;
  const int64_t m = static_cast<int64_t>(cell) * (c / cell + 1) - c % cell - 1;
  return m >= size ? -1 : static_cast<int32_t>(m);
}

uint32_t DisplayPixel16(const cBmpImage& image, int32_t x, int32_t y) {
  const uint32_t rgb = image.Rgb(x, y);
  if (image.Indexed() || image.nBitCount == 16) return Narrow16(rgb, g_PixelChannels);
  const RGBTRIPLE key = lpDDCon != nullptr ? lpDDCon->rgbTransmitKey : RGBTRIPLE{};
  const uint32_t keyRgb = static_cast<uint32_t>(key.rgbtRed) << 16 | static_cast<uint32_t>(key.rgbtGreen) << 8 | key.rgbtBlue;
  if (rgb == keyRgb) return g_dwColorKey;
  uint32_t p = Narrow16(rgb, g_PixelChannels);
  if (p == g_dwColorKey) {
    const bool blueAtMax = ChannelOf(g_PixelChannels, p, kChBlue) == static_cast<uint32_t>(g_PixelChannels.nMax[kChBlue]);
    p = blueAtMax ? p - 1 : p + 1;
  }
  return p & 0xFFFFu;
}

uint32_t DisplayPixel(const cBmpImage& image, int32_t nBpp, int32_t x, int32_t y) {
  switch (nBpp) {
    case 8: return image.nBitCount == 8 ? image.IndexAt(x, y) : NearestEntry(image.Rgb(x, y));
    case 16: return DisplayPixel16(image, x, y);
    default: return image.Rgb(x, y);
  }
}

}  // namespace

void ConvertPictureToTexture(const cBmpImage& image, uint32_t keyRgb, cPixelStore* texture) {
  if (texture == nullptr || texture->Empty()) return;
  const bool wide = texture->BytesPerPixel() == 4;
  const PIXELCHANNELS c = ChannelsOf(texture->Format());
  for (int32_t y = 0; y < image.nHeight && y < texture->Height(); ++y) {
    for (int32_t x = 0; x < image.nWidth && x < texture->Width(); ++x) {
      const uint32_t rgb = image.Rgb(x, y);
      if (rgb == keyRgb) {
        texture->Set(x, y, 0);
      } else if (wide) {
        texture->Set(x, y, 0xFF000000u | rgb);
      } else {
        texture->Set(x, y, Narrow16(rgb, c) | 1u << c.nShift[kChAlpha]);
      }
    }
  }
  texture->MarkBinaryAlpha();
}

void ConvertPictureToDisplay(const cBmpImage& image, int32_t nBpp, const cPictureMirror& mirror, cPixelStore* store) {
  if (store == nullptr || store->Empty()) return;
  const int32_t w = std::min(image.nWidth, store->Width());
  const int32_t h = std::min(image.nHeight, store->Height());
  for (int32_t y = 0; y < h; ++y) {
    const int32_t sy = MirrorOf(y, mirror.nCellH, h);
    if (sy < 0) return;
    for (int32_t x = 0; x < w; ++x) {
      const int32_t sx = MirrorOf(x, mirror.nCellW, w);
      if (sx < 0) break;
      store->Set(x, y, DisplayPixel(image, nBpp, sx, sy));
    }
  }
}
