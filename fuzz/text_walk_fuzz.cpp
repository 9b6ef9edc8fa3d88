// Arbitrary bytes as text for the fonts' character walk: measured, drawn and
// drawn in a framed box by fonts with and without their glyph caches, symbol
// letters and centred glyphs, on a 640 x 480 surface. Glyphs are boxes, so no
// font file is needed. Whatever the bytes, nothing is read or written outside
// a buffer, the size is a whole number of cells within the line limit, and a
// cache never lists more glyphs than it has cells.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/mesbox/mesbox.h"
#include "core/thread/messages.h"
#include "platform/dd/box_glyph_face.h"
#include "platform/dd/dd_init.h"
#include "platform/dd/fill.h"
#include "platform/dd/font.h"
#include "platform/dd/glyph_face.h"
#include "platform/dd/palette.h"
#include "platform/dd/surface_create.h"

namespace {

constexpr int32_t kFuzzCell = 16;

struct cTextWalkWorld {
  DDSURFACEDATA dst;
  DDSURFACEDATA symbols;
  DDSURFACEDATA window;
  std::array<Font, 4> fonts;  // caches off/on, each with and without symbols and centring
};

cTextWalkWorld* SetUpWorld() {
  SetMesBoxAnswerer([](const std::string&, const std::string&, unsigned) { return 1; });
  if (!DDInit(1, g_hWnd, 640, 480, 32, 0, 1, 1, 60, 0, nullptr, nullptr, 0)) std::abort();
  SetGlyphFaceFactory([](const char*, int32_t height) { return MakeBoxGlyphFace(height); });
  auto* world = new cTextWalkWorld;
  DDCreateSurface(&world->dst, 640, 480, 0, 0, DTMEMORYTYPE_VIDEO_RT, nullptr, 0);
  DDCreateSurface(&world->symbols, 26 * kFuzzCell, kFuzzCell, 1, 0, DTMEMORYTYPE_VIDEO_RT, nullptr, 0);
  DDCreateSurface(&world->window, 640, 480, 1, 0, DTMEMORYTYPE_VIDEO_RT, nullptr, 0);
  DDFillSurface(&world->symbols, 30);
  DDFillSurface(&world->window, 3);
  for (std::size_t i = 0; i < world->fonts.size(); ++i) {
    Font& font = world->fonts[i];
    font.Create("fuzz", 0, 16, kFuzzCell, kFuzzCell, 241, &world->window, 1, 240,
                (i & 1) != 0 ? &world->symbols : nullptr, static_cast<int32_t>(i >> 1));
    font.bCenter = static_cast<int32_t>(i & 1);
  }
  return world;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static cTextWalkWorld* world = SetUpWorld();
  if (size == 0) return 0;
  // The first byte picks the font and the place; the rest is the text.
  Font& font = world->fonts[data[0] & 3u];
  const int32_t x = static_cast<int32_t>(data[0] >> 2) * 16 - 200;
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  const TEXTSIZE fixed = font.MeasureTextFixed(text.c_str());
  if (fixed.cx % kFuzzCell != 0 || fixed.cx > kFontLineBytes * kFuzzCell) std::abort();
  if (fixed.cy % kFuzzCell != 0 || fixed.cy < kFuzzCell) std::abort();
  font.DrawText(&world->dst, x, 10, text.c_str());
  font.DrawTextBox(&world->dst, x, 200, 0, 0, text.c_str(), 8);
  font.DrawTextBox(&world->dst, 10000, 10000, 0, 0, text.c_str(), 0);
  if (font.m_lpFastFont_FullAdd && font.m_lpFastFont_FullAdd->nCount > font.m_lpFastFont_FullAdd->nCapacity) {
    std::abort();
  }
  return 0;
}
