#pragma once
// Tests of the fonts: a display in one mode with the test palette, fonts drawn
// with the box glyph face (no font file, each character a distinct pattern
// inside its cell), a window background and a symbol sheet of 26 cells in
// distinct colours loaded from BMP files the fixture writes, and a
// destination filled with the ground colour.

#include <cstdint>
#include <memory>

#include "platform/dd/font.h"
#include "platform/dd/surface_data.h"
#include "support/temp_dir.h"
#include "tests/platform/dd/display_fixture.h"

// Font 1's geometry: 16 x 16 cells, text colour 241, frame colour 240.
inline constexpr int32_t kFontCell = 16;
inline constexpr int32_t kFontTextColour = 241;
inline constexpr int32_t kFontFrameColour = 240;
// Symbol cell i is filled with palette number kFontFirstSymbolColour + i.
inline constexpr uint32_t kFontFirstSymbolColour = 30;

class cFontWorld {
 public:
  explicit cFontWorld(const cDisplayMode& mode, int32_t dstWidth = 640, int32_t dstHeight = 64);
  ~cFontWorld();
  cFontWorld(const cFontWorld&) = delete;
  cFontWorld& operator=(const cFontWorld&) = delete;

  bool ok() const { return display_.ok(); }
  // Creates font with font 1's table row and the given cache switch.
  void CreateFont(Font& font, int32_t fontCache, bool withSymbols = false);
  void ClearDestination();

  // The text colour as the destination stores it.
  uint32_t TextPixel();
  // Counts the destination's pixels in the text colour; false (with a message)
  // when a pixel is neither that nor the ground.
  ::testing::AssertionResult OnlyTextOrGround(int32_t* textPixels);
  // True when some pixel of the w x h box at (x, y) is in the text colour.
  bool TextIn(int32_t x, int32_t y, int32_t w, int32_t h);

  ScopedDisplay display_;
  TempDir files_;
  DDSURFACEDATA window;   // 640 x 64 background of windows in palette colour 3
  DDSURFACEDATA symbols;  // 26 cells of 16 x 16 in distinct colours
  DDSURFACEDATA dst;
  uint32_t ground = 0;    // the destination's untouched pixel
};
