#pragma once
// A small 5 x 7 dot font of capitals, digits and a few signs, drawn for the
// sample's pictures (banners, menu labels, the title). Lower-case letters draw
// as capitals; characters the font lacks draw as blanks.

#include <cstdint>
#include <string_view>

#include "tools/sample/media/canvas.h"

inline constexpr int32_t kGlyphWidth = 5;
inline constexpr int32_t kGlyphHeight = 7;
// Advance of one character at scale 1: the glyph and one dot of space.
inline constexpr int32_t kGlyphAdvance = 6;

// Width in dots of text at scale (the trailing space not counted).
int32_t TextWidth(std::string_view text, int32_t scale);

// Draws text with its top-left corner at (x, y), each font dot a square of
// scale dots; with shadow set, a copy in shadow colour one scale step down
// and right goes under it.
void DrawText(cCanvas& canvas, int32_t x, int32_t y, std::string_view text, uint8_t colour, int32_t scale = 1,
              int shadow = -1);

// The same, centred on cx.
void DrawTextCentred(cCanvas& canvas, int32_t cx, int32_t y, std::string_view text, uint8_t colour,
                     int32_t scale = 1, int shadow = -1);
