#include "platform/dd/font_table.h"

#include "platform/dd/bitmap_table.h"

namespace {

struct FontSize {
  int32_t height;
  int32_t advance;
  int32_t lineHeight;
  int32_t cache;
};

constexpr int32_t kTextColor = 241;
constexpr int32_t kFrameColor = 240;
constexpr int32_t kFrameThickness = 1;

constexpr FONTDATA FontRow(const FontSize& size) {
  FONTDATA font;
  constexpr char kFace[] = "ＭＳ ゴシック";
  for (std::size_t i = 0; i + 1 < sizeof(kFace); ++i) font.szFace[i] = kFace[i];
  font.nFontHeight = size.height;
  font.nAdvance = size.advance;
  font.nLineHeight = size.lineHeight;
  font.nColor = kTextColor;
  font.nWindowSurface = kBmpWindow;
  font.nFrameWidth = kFrameThickness;
  font.nFrameColor = kFrameColor;
  font.nSymbolSurface = kBmpSymbol;
  font.nFontCache = size.cache;
  return font;
}

}  // namespace

// Not const: start-up writes the face and the cache choice into it.
constinit std::array<FONTDATA, kFontCount> g_FontTable = {
    FontRow({.height = 9, .advance = 10, .lineHeight = 10, .cache = kFontCacheFromIni}),
    FontRow({.height = 16, .advance = 16, .lineHeight = 16, .cache = kFontCacheFromIni}),
    FontRow({.height = 30, .advance = 32, .lineHeight = 32, .cache = 0}),
};
