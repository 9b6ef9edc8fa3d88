// Per-frame costs of the screen and chara effects at 640 x 480. Each must
// leave most of a 60 fps frame (16.7 ms) free: the target is under 2 ms.

#include <benchmark/benchmark.h>

#include "core/thread/messages.h"
#include "platform/dd/dd_init.h"
#include "platform/dd/fill.h"
#include "platform/dd/screen_surfaces.h"
#include "platform/dd/surface_create.h"
#include "platform/dd/blend_table.h"
#include "platform/dd/blur_filter.h"
#include "platform/dd/change_color.h"
#include "platform/dd/circle_blit.h"
#include "platform/dd/color_change_blit.h"
#include "platform/dd/fade_unpal.h"
#include "platform/dd/lens_blit.h"
#include "platform/dd/mosaic_filter.h"
#include "platform/dd/palette.h"
#include "platform/dd/rotate_blit.h"
#include "platform/dd/surface_data.h"
#include "platform/dd/translucent_blit.h"
#include "platform/dd/wave_blit.h"

namespace {

constexpr int kEffectsW = 640;
constexpr int kEffectsH = 480;

struct EffectsBenchDisplay {
  EffectsBenchDisplay(int32_t direct3D, int32_t bpp) {
    DDInit(direct3D, g_hWnd, kEffectsW, kEffectsH, bpp, 0, direct3D != 0 ? 1 : 0, 1, 60, 0, nullptr, nullptr, 0);
  }
  ~EffectsBenchDisplay() { DDReleaseAll(); }
};

// The whole screen copy waved onto the back buffer, one row per band: 480 blits.
void WaveOneRowBands(benchmark::State& state, int32_t direct3D, int32_t bpp) {
  EffectsBenchDisplay display(direct3D, bpp);
  DDFillSurface(&g_SDScreenCopy, 10);
  int32_t phase = 0;
  for (auto _ : state) {
    DDBltWave(&g_SDBackBuffer, 0, 0, kEffectsW, kEffectsH, 3, 12.0, phase, 1, &g_SDScreenCopy, 0, 0, 0, 0);
    phase = (phase + 1) % 360;
    benchmark::ClobberMemory();
  }
}

// A whole-screen source: the screen copy in DirectDraw; in Direct3D a texture
// of the given memory type (0 a render target: the quad path where there is
// one; 1 system memory: the CPU path).
struct EffectsBenchSource {
  EffectsBenchSource(int32_t direct3D, int32_t memoryType) {
    if (direct3D == 0) {
      sd = &g_SDScreenCopy;
    } else {
      DDCreateSurface(&own, kEffectsW, kEffectsH, 0, memoryType == 1 ? 1 : 0, memoryType, nullptr, 0);
      sd = &own;
    }
    for (int32_t i = 0; i < kEffectsW / 16; ++i) DDFillRect(sd, i * 16, 0, 16, kEffectsH, 20 + static_cast<uint32_t>(i));
  }
  ~EffectsBenchSource() { DDReleaseSurface(&own); }
  DDSURFACEDATA own;
  DDSURFACEDATA* sd = nullptr;
};

using EffectsBenchCall = void (*)(DDSURFACEDATA* src, int32_t frame);

// One effect over the whole screen per iteration, onto the back buffer.
void WholeScreenEffect(benchmark::State& state, int32_t direct3D, int32_t bpp, int32_t memoryType,
                       EffectsBenchCall call) {
  EffectsBenchDisplay display(direct3D, bpp);
  EffectsBenchSource source(direct3D, memoryType);
  int32_t frame = 0;
  for (auto _ : state) {
    call(source.sd, frame++);
    benchmark::ClobberMemory();
  }
}

DDSURFACEDATA* Back() { return &g_SDBackBuffer; }

void BlurRadius2(DDSURFACEDATA* src, int32_t) { DDBlur(Back(), 0, 0, kEffectsW, kEffectsH, 2, 2, src, 0, 0, 0); }
void BlurRadius16(DDSURFACEDATA* src, int32_t) { DDBlur(Back(), 0, 0, kEffectsW, kEffectsH, 16, 16, src, 0, 0, 0); }
void Lens240(DDSURFACEDATA* src, int32_t) { DDBltLens(Back(), 320, 240, 240, 60, src, 320, 240, 0, 0); }
void Rotate30(DDSURFACEDATA* src, int32_t) {
  DDBltRotate(Back(), 320, 240, kEffectsW, kEffectsH, 320, 240, 30, src, 0, 0, 0);
}
void ColorChangeLevel2(DDSURFACEDATA* src, int32_t) {
  DDBltColorChange(Back(), 0, 0, kEffectsW, kEffectsH, src, 0, 0, 1, g_PaletteWork.data(), g_BlendTable.data(), 31, 2);
}
void ChangeColorBack(DDSURFACEDATA*, int32_t frame) {
  DDChangeColor(Back(), 0, 0, kEffectsW, kEffectsH, frame % 256, 255, 0, 0);
}
void Translucent(DDSURFACEDATA* src, int32_t) {
  DDBltTranslucent(Back(), 0, 0, kEffectsW, kEffectsH, src, 0, 0, 1, g_BlendTable.data(), 96);
}
void FadeUnPal(DDSURFACEDATA* src, int32_t frame) { DDFade_UnPal(Back(), frame % 257, 0, 0, 0, src); }
void Mosaic8(DDSURFACEDATA* src, int32_t) { DDMosaic(Back(), 0, 0, kEffectsW, kEffectsH, 8, src, 0, 0, 0); }
void Circle240(DDSURFACEDATA* src, int32_t) {
  DDBltCircle(Back(), 320, 240, 320, 240, 240, 1, src, 320, 240, 0);
}

}  // namespace

// Direct3D runs the quad path where the effect has one (memory type 0) and the
// CPU path from a system-memory texture (1).
#define VP_EFFECT_BENCH(call)                                                                          \
  BENCHMARK_CAPTURE(WholeScreenEffect, call##_DirectDraw32, 0, 32, 0, call)->Unit(benchmark::kMicrosecond); \
  BENCHMARK_CAPTURE(WholeScreenEffect, call##_DirectDraw16, 0, 16, 0, call)->Unit(benchmark::kMicrosecond); \
  BENCHMARK_CAPTURE(WholeScreenEffect, call##_Direct3D32, 1, 32, 0, call)->Unit(benchmark::kMicrosecond)
#define VP_EFFECT_BENCH_8(call) \
  BENCHMARK_CAPTURE(WholeScreenEffect, call##_DirectDraw8, 0, 8, 0, call)->Unit(benchmark::kMicrosecond)

VP_EFFECT_BENCH(BlurRadius2);
VP_EFFECT_BENCH(BlurRadius16);
VP_EFFECT_BENCH(Lens240);
VP_EFFECT_BENCH_8(Lens240);
VP_EFFECT_BENCH(Rotate30);
VP_EFFECT_BENCH_8(Rotate30);
BENCHMARK_CAPTURE(WholeScreenEffect, Rotate30_Direct3D32_Cpu, 1, 32, 1, Rotate30)->Unit(benchmark::kMicrosecond);
VP_EFFECT_BENCH(ColorChangeLevel2);
VP_EFFECT_BENCH_8(ColorChangeLevel2);
BENCHMARK_CAPTURE(WholeScreenEffect, ColorChangeLevel2_Direct3D32_Cpu, 1, 32, 1, ColorChangeLevel2)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WholeScreenEffect, ChangeColorBack_Direct3D32, 1, 32, 0, ChangeColorBack)
    ->Unit(benchmark::kMicrosecond);
VP_EFFECT_BENCH(Translucent);
VP_EFFECT_BENCH_8(Translucent);
BENCHMARK_CAPTURE(WholeScreenEffect, Translucent_Direct3D32_Cpu, 1, 32, 1, Translucent)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WholeScreenEffect, FadeUnPal_DirectDraw32, 0, 32, 0, FadeUnPal)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WholeScreenEffect, FadeUnPal_DirectDraw16, 0, 16, 0, FadeUnPal)->Unit(benchmark::kMicrosecond);
VP_EFFECT_BENCH(Mosaic8);
VP_EFFECT_BENCH_8(Mosaic8);
VP_EFFECT_BENCH(Circle240);
VP_EFFECT_BENCH_8(Circle240);

BENCHMARK_CAPTURE(WaveOneRowBands, DirectDraw32, 0, 32)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WaveOneRowBands, Direct3D32, 1, 32)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WaveOneRowBands, DirectDraw16, 0, 16)->Unit(benchmark::kMicrosecond);
