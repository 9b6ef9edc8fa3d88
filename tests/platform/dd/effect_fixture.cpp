#include "tests/platform/dd/effect_fixture.h"

#include <gtest/gtest.h>

#include "platform/dd/surface_create.h"
#include "tests/platform/dd/display_fixture.h"

void MakeEffectSurface(DDSURFACEDATA& sd, int32_t w, int32_t h, eEffectSurface kind) {
  const bool system = kind == eEffectSurface::kSystemMemory;
  ASSERT_TRUE(DDCreateSurface(&sd, w, h, 0, system ? 1 : 0, system ? DTMEMORYTYPE_SYSTEM : DTMEMORYTYPE_VIDEO_RT,
                              nullptr, 0));
  FillPixels(sd, 0);
}

void FillPixels(DDSURFACEDATA& sd, uint32_t pixel) {
  cPixelStore* store = sd.Pixels();
  ASSERT_NE(store, nullptr);
  store->FillRect(0, 0, store->Width(), store->Height(), pixel);
}

uint32_t RgbAt(DDSURFACEDATA& sd, int32_t x, int32_t y) { return ArgbAt(sd, x, y) & 0xFFFFFFu; }

void EffectPairTest::Open(const cDisplayMode& mode, const cEffectSurfaceSpec& source,
                          const cEffectSurfaceSpec& destination) {
  Close();
  display_ = std::make_unique<ScopedDisplay>(mode);
  ASSERT_TRUE(display_->ok());
  MakeEffectSurface(src_, source.w, source.h, source.kind);
  MakeEffectSurface(dst_, destination.w, destination.h, destination.kind);
}

void EffectPairTest::Close() {
  DDReleaseSurface(&src_);
  DDReleaseSurface(&dst_);
  display_.reset();
}
