// Blitter speed against SDL's own keyed blit on the same pixels, and the other
// per-frame costs of the surface library. Every figure must leave most of a
// 60 fps frame (16.7 ms) free.

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <vector>

#include "core/thread/messages.h"
#include "platform/dd/blit.h"
#include "platform/dd/dd_init.h"
#include "platform/dd/device_records.h"
#include "platform/dd/draw_batches.h"
#include "platform/dd/fill.h"
#include "platform/dd/frame_handoff.h"
#include "platform/dd/palette.h"
#include "platform/dd/pixel_format.h"
#include "platform/dd/screen_surfaces.h"
#include "platform/dd/surface_create.h"

namespace {

constexpr int kW = 640;
constexpr int kH = 480;

struct BenchDisplay {
  BenchDisplay(int32_t direct3D, int32_t bpp) {
    DDInit(direct3D, g_hWnd, kW, kH, bpp, 0, direct3D != 0 ? 1 : 0, 1, 60, 0, nullptr, nullptr, 0);
  }
  ~BenchDisplay() { DDReleaseAll(); }
};

// Whether pixel (x, y) of the sheet is key colour: about half, in runs.
bool IsKey(int x, int y) { return ((x / 7) + (y / 5)) % 2 == 0; }

// A 640 x 480 keyed sheet in the mode's texture or surface format.
void FillSheet(DDSURFACEDATA& sheet, int32_t bpp) {
  cPixelStore& store = *sheet.Pixels();
  const bool direct3D = lpDTCon != nullptr;
  for (int y = 0; y < store.Height(); ++y) {
    for (int x = 0; x < store.Width(); ++x) {
      const uint32_t colour = 0xFF000000u | static_cast<uint32_t>(x * 3) << 8 | static_cast<uint32_t>(y);
      uint32_t pixel = ArgbToPixel(colour, store.Format());
      if (bpp == 8) pixel = 1 + (x + y) % 200;
      if (IsKey(x, y)) pixel = direct3D ? 0u : g_dwColorKey;
      store.Set(x, y, pixel);
    }
  }
}

void KeyedBlt(benchmark::State& state, int32_t direct3D, int32_t bpp) {
  BenchDisplay display(direct3D, bpp);
  g_dwColorKey = bpp == 8 ? 0 : 0x00FF00FF & (bpp == 16 ? 0xFFFF : 0xFFFFFF);
  DDSURFACEDATA sheet;
  DDCreateSurface(&sheet, kW, kH, 1, 0, DTMEMORYTYPE_VIDEO_RT, nullptr, 0);
  FillSheet(sheet, bpp);
  for (auto _ : state) {
    DDBlt(&g_SDBackBuffer, 0, 0, kW, kH, &sheet, 0, 0, 1);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kW * kH);
}

void SdlKeyedBlit(benchmark::State& state, int32_t bpp) {
  const Uint32 format = bpp == 8 ? SDL_PIXELFORMAT_INDEX8 : bpp == 16 ? SDL_PIXELFORMAT_RGB565 : SDL_PIXELFORMAT_RGB888;
  SDL_Surface* src = SDL_CreateRGBSurfaceWithFormat(0, kW, kH, bpp, format);
  SDL_Surface* dst = SDL_CreateRGBSurfaceWithFormat(0, kW, kH, bpp, format);
  const Uint32 key = bpp == 8 ? 0 : SDL_MapRGB(src->format, 255, 0, 255);
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) {
      Uint32 pixel = bpp == 8 ? static_cast<Uint32>(1 + (x + y) % 200) : SDL_MapRGB(src->format, 0, static_cast<Uint8>(x * 3), static_cast<Uint8>(y));
      if (IsKey(x, y)) pixel = key;
      auto* row = static_cast<Uint8*>(src->pixels) + y * src->pitch;
      if (bpp == 8) row[x] = static_cast<Uint8>(pixel);
      else if (bpp == 16) reinterpret_cast<Uint16*>(row)[x] = static_cast<Uint16>(pixel);
      else reinterpret_cast<Uint32*>(row)[x] = pixel;
    }
  }
  SDL_SetColorKey(src, SDL_TRUE, key);
  SDL_SetSurfaceRLE(src, 0);
  for (auto _ : state) {
    SDL_BlitSurface(src, nullptr, dst, nullptr);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kW * kH);
  SDL_FreeSurface(src);
  SDL_FreeSurface(dst);
}

BENCHMARK_CAPTURE(KeyedBlt, DirectDraw32, 0, 32)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(KeyedBlt, Direct3D32, 1, 32)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SdlKeyedBlit, Sdl32, 32)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(KeyedBlt, DirectDraw16, 0, 16)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(KeyedBlt, Direct3D16, 1, 16)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SdlKeyedBlit, Sdl16, 16)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(KeyedBlt, DirectDraw8, 0, 8)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SdlKeyedBlit, Sdl8, 8)->Unit(benchmark::kMicrosecond);

void SortedSpriteBatch(benchmark::State& state) {
  BenchDisplay display(1, 32);
  std::vector<DDSURFACEDATA> sheets(4);
  for (DDSURFACEDATA& sheet : sheets) {
    DDCreateSurface(&sheet, 256, 256, 1, 0, DTMEMORYTYPE_VIDEO_RT, nullptr, 0);
    FillSheet(sheet, 32);
    sheet.Pixels()->MarkBinaryAlpha();  // as a sheet loaded from its file
  }
  for (auto _ : state) {
    DDBeginSpriteBatch(1);
    for (DDSURFACEDATA& sheet : sheets) DDGetBatchKey(&sheet);
    for (int i = 0; i < 2000; ++i) {
      DDSURFACEDATA& sheet = sheets[static_cast<std::size_t>(i % 4)];
      DDBlt(&g_SDBackBuffer, (i * 37) % 608, (i * 53) % 448, 32, 32, &sheet, (i % 8) * 32, (i / 8 % 8) * 32, 1);
    }
    DDEndSpriteBatch();
    benchmark::ClobberMemory();
  }
}
BENCHMARK(SortedSpriteBatch)->Unit(benchmark::kMicrosecond);

void HandOff(benchmark::State& state, int32_t direct3D, int32_t bpp) {
  BenchDisplay display(direct3D, bpp);
  cHandoffFrame frame;
  const PALETTEENTRY* palette = g_lpDDPalette != nullptr ? g_lpDDPalette->Entries().data() : nullptr;
  for (auto _ : state) {
    ConvertFrame(*g_SDBackBuffer.Pixels(), palette, &frame);
    benchmark::DoNotOptimize(frame.pixels.data());
  }
}
BENCHMARK_CAPTURE(HandOff, Frame8, 0, 8)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(HandOff, Frame16, 0, 16)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(HandOff, Frame32, 1, 32)->Unit(benchmark::kMicrosecond);

void UploadAndScale(benchmark::State& state) {
  SDL_InitSubSystem(SDL_INIT_VIDEO);
  SDL_Window* window = SDL_CreateWindow("", 0, 0, 1280, 960, SDL_WINDOW_HIDDEN);
  SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
  SDL_Texture* texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, kW, kH);
  SDL_SetTextureScaleMode(texture, SDL_ScaleModeNearest);
  std::vector<uint32_t> frame(kW * kH, 0x336699);
  const SDL_Rect rect{0, 0, 1280, 960};
  for (auto _ : state) {
    SDL_UpdateTexture(texture, nullptr, frame.data(), kW * 4);
    SDL_RenderCopy(renderer, texture, nullptr, &rect);
    benchmark::ClobberMemory();
  }
  SDL_DestroyTexture(texture);
  SDL_DestroyRenderer(renderer);
  SDL_DestroyWindow(window);
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}
BENCHMARK(UploadAndScale)->Unit(benchmark::kMicrosecond);

void FullScreenFill(benchmark::State& state, int32_t direct3D) {
  BenchDisplay display(direct3D, 32);
  for (auto _ : state) {
    DDFillRect(&g_SDBackBuffer, 0, 0, kW, kH, 5);
    benchmark::ClobberMemory();
  }
}
BENCHMARK_CAPTURE(FullScreenFill, DirectDraw, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FullScreenFill, Direct3D, 1)->Unit(benchmark::kMicrosecond);

void Stretch2x(benchmark::State& state, int32_t direct3D, int32_t targetType) {
  BenchDisplay display(direct3D, 32);
  DDSURFACEDATA sheet, target;
  DDCreateSurface(&sheet, 320, 240, 1, 0, DTMEMORYTYPE_VIDEO_RT, nullptr, 0);
  FillSheet(sheet, 32);
  DDCreateSurface(&target, kW, kH, 0, 0, targetType, nullptr, 0);
  for (auto _ : state) {
    DDStretchBlt(&target, 0, 0, kW, kH, &sheet, 0, 0, 320, 240, 1);
    benchmark::ClobberMemory();
  }
}
BENCHMARK_CAPTURE(Stretch2x, DirectDraw, 0, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Stretch2x, QuadPath, 1, DTMEMORYTYPE_VIDEO_RT)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Stretch2x, CpuPath, 1, DTMEMORYTYPE_SYSTEM)->Unit(benchmark::kMicrosecond);

}  // namespace
