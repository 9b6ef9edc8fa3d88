#pragma once
// Surfaces for the effect tests, set pixel by pixel in their store's format.
// In Direct3D a render-target texture (a destination there takes the quad
// path) or a system-memory texture (a source there sends the effect to the CPU
// path); in DirectDraw an ordinary surface either way.

#include <cstdint>

#include "platform/dd/surface_create.h"
#include "platform/dd/surface_data.h"

enum class eEffectSurface { kRenderTarget, kSystemMemory };

void MakeEffectSurface(DDSURFACEDATA& sd, int32_t w, int32_t h, eEffectSurface kind = eEffectSurface::kRenderTarget);
// Every pixel of the store (the whole texture) set to the raw value.
void FillPixels(DDSURFACEDATA& sd, uint32_t pixel);

// 0x00RRGGBB from the pixel at (x, y), channels widened to 0..255.
uint32_t RgbAt(DDSURFACEDATA& sd, int32_t x, int32_t y);

#include <gtest/gtest.h>

#include <memory>

#include "tests/platform/dd/display_fixture.h"

struct cEffectSurfaceSpec {
  int32_t w = 0;
  int32_t h = 0;
  eEffectSurface kind = eEffectSurface::kSystemMemory;
};

// A display in one mode with a source and a destination surface, all released
// again at the end of the test (or by Close, to open another mode).
class EffectPairTest : public ::testing::Test {
 protected:
  void Open(const cDisplayMode& mode, const cEffectSurfaceSpec& source, const cEffectSurfaceSpec& destination);
  void Close();
  void TearDown() override { Close(); }

  std::unique_ptr<ScopedDisplay> display_;
  DDSURFACEDATA src_, dst_;
};
