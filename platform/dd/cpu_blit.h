#pragma once
// The Direct3D CPU path of a blit: used when the destination is not a render
// target or the source is a system-memory texture. Nothing is clipped before:
// every pixel is tested against both stores. Scaling truncates (j x sh / h as a
// float), a negative sw reads leftwards from sx - 1; keyed texels (alpha 0, or
// at 16 bits neither bit 15 nor bit 13) are skipped. Pixels are copied as they
// are, or at 16 bits converted to the full-screen back buffer's layout
// (toBackBuffer16: green doubled into its six bits).

#include <cstdint>

#include "platform/dd/pixel_format.h"
#include "platform/dd/pixel_store.h"

struct cCpuBlt {
  int32_t x, y, w, h, sx, sy, sw, sh;
  bool keyed;
  bool toBackBuffer16;
};

void CpuBlt(cPixelStore& dst, const cPixelStore& src, const cCpuBlt& b, const PIXELCHANNELS& texChannels,
            const PIXELCHANNELS& backChannels);
