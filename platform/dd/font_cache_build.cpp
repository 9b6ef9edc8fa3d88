// Font: filling the glyph caches by drawing composed texts into them.
#include <string>

#include "platform/dd/fill.h"
#include "platform/dd/font.h"
#include "platform/dd/full_width_set.h"

namespace {

constexpr int32_t kHalfCacheRows = 16;

// An empty first line (codes 0 to 15 are never drawn), then line r holding the
// codes 16r to 16r + 15. A lead byte pairs with the code after it as in any
// text, so cells of lead bytes carry no usable glyph; the rest land in place.
std::string HalfCacheText() {
  std::string text;
  for (int32_t r = 1; r < kHalfCacheRows; ++r) {
    text += '\n';
    for (int32_t c = 16 * r; c < 16 * r + 16; ++c) text += static_cast<char>(c);
  }
  return text;
}

}  // namespace

// Both builds draw through DrawText with the caches and symbols switched off,
// so the glyphs land in their cells by the fixed-advance walk.
void Font::DrawCacheText(FastFont& cache, const char* text) {
  DDFillSurface(&cache.Surface, 0);
  const int32_t symbols = bSymbol, fontCache = bFontCache;
  bSymbol = 0;
  bFontCache = 0;
  DrawText(&cache.Surface, 0, 0, text);
  bSymbol = symbols;
  bFontCache = fontCache;
}

void Font::BuildHalfCache() {
  if (!m_lpFastFont_Half) return;
  static const std::string text = HalfCacheText();
  DrawCacheText(*m_lpFastFont_Half, text.c_str());
}

void Font::BuildFullCache(int32_t bRebuild) {
  if (!m_lpFastFont_FullAdd) return;
  FastFont& cache = *m_lpFastFont_FullAdd;
  if (bRebuild == 0) {
    for (int32_t i = 0; i < kFullWidthSetCount && cache.AddGlyph(kFullWidthSet + 2 * i) != 0; ++i) {
    }
  }
  std::string text;
  for (std::size_t i = 0; i < cache.GlyphList.size(); ++i) {
    if (i > 0 && cache.nColumns > 0 && i % static_cast<std::size_t>(cache.nColumns) == 0) text += '\n';
    text.append(cache.GlyphList[i].szGlyph, 2);
  }
  DrawCacheText(cache, text.c_str());
}
