#pragma once
// The glyph face over SDL2_ttf: the font file fontconfig matches for the face
// name, rendered solid (no anti-aliasing) with monochrome hinting.

#include <cstdint>
#include <memory>

class cGlyphFace;

std::unique_ptr<cGlyphFace> OpenTtfGlyphFace(const char* faceCp932, int32_t nPixelHeight);
