// Font: the size of a text, in cells or by the glyphs' own widths.
#include <algorithm>

#include "core/text/sjis.h"
#include "platform/dd/font.h"
#include "platform/dd/font_lines.h"
#include "platform/dd/fonts.h"

TEXTSIZE Font::MeasureTextFixed(const char* text) const {
  if (text == nullptr) text = "";
  int32_t widest = 0, lines = 0;
  for (const char* line = text;; ++lines) {
    const int32_t n = LineLength(line);
    // Only the first kFontLineBytes bytes of a line are drawn, so only they count.
    const int32_t kept = static_cast<int32_t>(
        SjisCutLength(std::string_view(line, static_cast<std::size_t>(n)), static_cast<std::size_t>(kFontLineBytes)));
    widest = std::max(widest, CharsOfLine(line, kept));
    if (line[n] == '\0') {
      ++lines;
      break;
    }
    line += n + 1;
  }
  return {widest * nAdvance, lines * nLineHeight};
}

TEXTSIZE Font::MeasureTextGdi(const char* text) {
  if (text == nullptr) text = "";
  cGlyphFace* face = Face();
  int32_t widest = 0, lines = 1, width = 0;
  for (const char* p = text; *p != '\0';) {
    if (*p == '\n') {
      widest = std::max(widest, width);
      width = 0;
      ++lines;
      ++p;
      continue;
    }
    const int32_t n = IsSjisDoubleByte(p) ? 2 : 1;
    const cGlyphMask* mask = face != nullptr ? face->Glyph(p, n) : nullptr;
    if (mask != nullptr) width += mask->nWidth;
    p += n;
  }
  return {std::max(widest, width), lines * nLineHeight};
}
