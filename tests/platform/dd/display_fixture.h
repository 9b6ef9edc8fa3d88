#pragma once
// Tests of the surface library: a display set up headless in one mode, released
// again at the end of the test, and small helpers to fill and read surfaces.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/dd/surface_data.h"

struct cDisplayMode {
  int32_t bDirect3D = 1;
  int32_t nBpp = 32;
  int32_t nWindowMode = 1;
  std::string Name() const;
};

// The modes the program can run in: Direct3D 16 and 32 bits in a window or full
// screen; DirectDraw 8 (full screen), 16 (full screen) and 32 bits.
const cDisplayMode kAllModes[] = {
    {1, 32, 1}, {1, 32, 0}, {1, 16, 1}, {1, 16, 0}, {0, 32, 1}, {0, 32, 0}, {0, 16, 0}, {0, 8, 0},
};

// Sets up the display in a mode (asserting success) and releases it.
class ScopedDisplay {
 public:
  explicit ScopedDisplay(const cDisplayMode& mode);
  ~ScopedDisplay();
  ScopedDisplay(const ScopedDisplay&) = delete;
  ScopedDisplay& operator=(const ScopedDisplay&) = delete;
  bool ok() const { return ok_; }

 private:
  bool ok_ = false;
};

// Palette entry i of a test palette: distinct colours, entry 0 magenta.
void SetTestPalette();

// Pixel reading and writing of a surface's store, in the store's own format.
uint32_t PixelAt(DDSURFACEDATA& sd, int32_t x, int32_t y);
void SetPixel(DDSURFACEDATA& sd, int32_t x, int32_t y, uint32_t pixel);
// The store's pixel as 0xAARRGGBB (alpha 255 for formats without one).
uint32_t ArgbAt(DDSURFACEDATA& sd, int32_t x, int32_t y);

// Palette indices the drawing tests paint with: the ground a drawing goes onto,
// and the first of the colours a source picture's pixels count up from.
constexpr uint32_t kGround = 5;
constexpr uint32_t kFirstColour = 30;
// The top-left w x h of an 8-bit surface as text, one line a row: '.' for the
// ground, 'a' + (index - kFirstColour) elsewhere.
std::string IndexPicture(DDSURFACEDATA& sd, int32_t w, int32_t h);

// An 8-bit display with the test palette; Make gives a surface filled with the
// ground colour for a drawing to go onto.
class GroundedDisplayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(display_.ok());
    SetTestPalette();
  }
  void Make(DDSURFACEDATA& sd, int32_t w, int32_t h);

  ScopedDisplay display_{{0, 8, 0}};
};
