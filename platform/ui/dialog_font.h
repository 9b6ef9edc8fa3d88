#pragma once
// The text of dialogs: the template's face (matched by fontconfig to the
// installed Japanese font, as the game's fonts are) at its point size, drawn
// without anti-aliasing into the dialog layer. Texts are CP932 bytes.

#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/ui/dialog_layer.h"

class cGlyphFace;

class cDialogFont {
 public:
  // 96 dots per inch, as the templates were laid out for.
  cDialogFont(const char* faceCp932, int32_t pointSize);
  ~cDialogFont();
  cDialogFont(const cDialogFont&) = delete;
  cDialogFont& operator=(const cDialogFont&) = delete;

  int32_t LineHeight() const { return m_nLineHeight; }
  // The dialog base units of the face: the average width of the Latin
  // letters (rounded as the dialog manager rounds it) and the line height.
  int32_t BaseX() const { return m_nBaseX; }
  int32_t BaseY() const { return m_nBaseY; }
  // Advance of one character (1 or 2 bytes) and of a text.
  int32_t CharWidth(const char* bytes, int32_t n) const;
  int32_t TextWidth(std::string_view text) const;
  // Draws text with its top-left at (x, y), clipped to clip; an underline
  // under it when asked.
  void Draw(cDialogLayer& layer, const RECT& clip, int32_t x, int32_t y, std::string_view text, uint32_t argb,
            bool underline = false) const;

 private:
  std::unique_ptr<cGlyphFace> m_lpFace;
  int32_t m_nLineHeight = 0;
  int32_t m_nBaseX = 0;
  int32_t m_nBaseY = 0;
};

// Bytes of the character at text[i]: 2 for a double-byte character, else 1.
int32_t TextCharBytes(std::string_view text, std::size_t i);
