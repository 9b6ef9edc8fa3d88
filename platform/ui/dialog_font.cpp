#include "platform/ui/dialog_font.h"

#include <algorithm>

#include "core/text/sjis.h"
#include "platform/dd/glyph_face.h"

namespace dialog_font {

// Without a font file the layout still needs sizes: those of a 9-point face.
constexpr int32_t kFallbackBaseX = 6;
constexpr int32_t kFallbackLineHeight = 12;

}  // namespace dialog_font

int32_t TextCharBytes(std::string_view text, std::size_t i) {
  return i + 1 < text.size() && IsSjisDoubleByte(text.data() + i) ? 2 : 1;
}

cDialogFont::cDialogFont(const char* faceCp932, int32_t pointSize) {
  const int32_t pixels = std::max(1, (pointSize * 96 + 36) / 72);
  m_lpFace = OpenGlyphFace(faceCp932 != nullptr ? faceCp932 : "", pixels);
  m_nLineHeight = m_lpFace ? m_lpFace->LineHeight() : 0;
  if (m_nLineHeight <= 0) m_nLineHeight = dialog_font::kFallbackLineHeight;
  m_nBaseY = m_nLineHeight;
  static constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  const int32_t total = TextWidth(kLetters);
  m_nBaseX = total > 0 ? (total / 26 + 1) / 2 : dialog_font::kFallbackBaseX;
}

cDialogFont::~cDialogFont() = default;

int32_t cDialogFont::CharWidth(const char* bytes, int32_t n) const {
  const cGlyphMask* mask = m_lpFace ? m_lpFace->Glyph(bytes, n) : nullptr;
  if (mask != nullptr) return mask->nWidth;
  return n * dialog_font::kFallbackBaseX;
}

int32_t cDialogFont::TextWidth(std::string_view text) const {
  int32_t width = 0;
  for (std::size_t i = 0; i < text.size();) {
    const int32_t n = TextCharBytes(text, i);
    width += CharWidth(text.data() + i, n);
    i += static_cast<std::size_t>(n);
  }
  return width;
}

void cDialogFont::Draw(cDialogLayer& layer, const RECT& clip, int32_t x, int32_t y, std::string_view text,
                       uint32_t argb, bool underline) const {
  const int32_t startX = x;
  for (std::size_t i = 0; i < text.size();) {
    const int32_t n = TextCharBytes(text, i);
    const cGlyphMask* mask = m_lpFace ? m_lpFace->Glyph(text.data() + i, n) : nullptr;
    if (mask != nullptr) {
      for (int32_t my = 0; my < mask->nHeight; ++my) {
        for (int32_t mx = 0; mx < mask->nWidth; ++mx) {
          const int32_t px = x + mx, py = y + my;
          if (mask->covered[static_cast<std::size_t>(my * mask->nWidth + mx)] == 0) continue;
          if (px < clip.left || px >= clip.right || py < clip.top || py >= clip.bottom) continue;
          layer.Put(px, py, argb);
        }
      }
    }
    x += CharWidth(text.data() + i, n);
    i += static_cast<std::size_t>(n);
  }
  if (underline) {
    const int32_t lineY = y + m_nLineHeight - 1;
    if (lineY >= clip.top && lineY < clip.bottom) {
      layer.Fill({std::max(startX, clip.left), lineY, std::min(x, clip.right), lineY + 1}, argb);
    }
  }
}
