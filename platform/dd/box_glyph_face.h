#pragma once
// A glyph face that needs no font file: every character is a box of the face's
// height (half as wide for a single byte), one pixel short of its cell on the
// right and at the bottom, filled with a pattern taken from the character's
// code so that different characters give different pixels. The fuzz targets and
// the tests that compare pixels use it through SetGlyphFaceFactory.

#include <cstdint>
#include <memory>

class cGlyphFace;

std::unique_ptr<cGlyphFace> MakeBoxGlyphFace(int32_t nPixelHeight);

// How many characters the box faces made so far have rendered (each character
// of a face once): lets a test see that masks are kept after their first use.
int32_t BoxGlyphRenderCount();
