// Text drawing at 640 x 480: a screen of message text, 28 lines of 40
// full-width characters in font 1 (16 x 16 cells). With warm glyph caches
// every character is one blit of a cell: the target is under 1 ms. With the
// caches off every character is written from the renderer's kept coverage
// mask: the target is under 2 ms.

#include <benchmark/benchmark.h>

#include <string>

#include "core/thread/messages.h"
#include "platform/dd/dd_init.h"
#include "platform/dd/fill.h"
#include "platform/dd/font.h"
#include "platform/dd/full_width_set.h"
#include "platform/dd/screen_surfaces.h"

namespace {

constexpr int32_t kTextBenchLines = 28;
constexpr int32_t kTextBenchColumns = 40;

struct TextBenchDisplay {
  TextBenchDisplay(int32_t direct3D, int32_t bpp) {
    DDInit(direct3D, g_hWnd, 640, 480, bpp, 0, direct3D != 0 ? 1 : 0, 1, 60, 0, nullptr, nullptr, 0);
  }
  ~TextBenchDisplay() { DDReleaseAll(); }
};

// Characters of the full-width set in order, wrapping, one line feed a line.
std::string ScreenOfText() {
  std::string text;
  int32_t n = 0;
  for (int32_t line = 0; line < kTextBenchLines; ++line) {
    if (line > 0) text += '\n';
    for (int32_t column = 0; column < kTextBenchColumns; ++column, ++n) {
      text.append(kFullWidthSet + 2 * (n % kFullWidthSetCount), 2);
    }
  }
  return text;
}

void DrawScreenOfText(benchmark::State& state, int32_t direct3D, int32_t bpp, int32_t fontCache) {
  TextBenchDisplay display(direct3D, bpp);
  Font font;
  font.Create("ＭＳ ゴシック", 0, 16, 16, 16, 241, nullptr, 1, 240, nullptr, fontCache);
  const std::string text = ScreenOfText();
  font.DrawText(&g_SDBackBuffer, 0, 0, text.c_str());  // warms the caches or the masks
  for (auto _ : state) {
    font.DrawText(&g_SDBackBuffer, 0, 16, text.c_str());
    benchmark::ClobberMemory();
  }
  font.Release();
}

}  // namespace

BENCHMARK_CAPTURE(DrawScreenOfText, WarmCachesDirectDraw32, 0, 32, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(DrawScreenOfText, WarmCachesDirect3D32, 1, 32, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(DrawScreenOfText, WarmCachesDirectDraw16, 0, 16, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(DrawScreenOfText, MasksDirectDraw32, 0, 32, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(DrawScreenOfText, MasksDirect3D32, 1, 32, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(DrawScreenOfText, MasksDirectDraw16, 0, 16, 0)->Unit(benchmark::kMicrosecond);
