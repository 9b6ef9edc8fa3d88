#pragma once
// The sample's program palette (bmp\plt\Palette.bmp): every picture of the
// sample is drawn with these 256 colours. Entry 0 is the transparent colour,
// 16 the menu background, 208 to 239 the colours the palette animation
// rotates, 240 the window frame and 241 the text colour of the fonts.

#include <cstdint>

#include "tools/sample/media/bmp_writer.h"

enum eColour : uint8_t {
  kClear = 0,  // transparent
  kBlack = 1,
  kWhite = 2,
  kGreyDark = 3,
  kGrey = 4,
  kGreyLight = 5,
  kRed = 6,
  kRedDark = 7,
  kGreen = 8,
  kGreenDark = 9,
  kBlue = 10,
  kBlueDark = 11,
  kYellow = 12,
  kOrange = 13,
  kBrown = 14,
  kSkin = 15,
  kNight = 16,  // menu and world-map background
  kSky = 17,
  kSkyLight = 18,
  kPink = 19,
  kPurple = 20,
  kCyan = 21,
  kBrownDark = 22,
  kGold = 23,
  kGreenLight = 24,
  kFrame = 240,
  kText = 241,
};

// Ramps of 16 shades, dark to light.
enum eRamp : uint8_t {
  kRampSky = 32,
  kRampGrass = 48,
  kRampEarth = 64,
  kRampStone = 80,
  kRampFire = 96,
  kRampWater = 112,
  kRampPurple = 128,
  kRampPink = 144,
  kRampGold = 160,
  kRampGrey = 176,
  kRampSkin = 192,
};
inline constexpr int32_t kRampLength = 16;
inline constexpr uint8_t kAnimatedFirst = 208;
inline constexpr int32_t kAnimatedCount = 32;

const cPalette256& ProgramPalette();

// The palette picture: 16 dots wide; row 0 to 7 the transparent colour (its
// top-left dot is the colour key), then 16 rows of 16 dots, entry 16 r + c at
// (c, 8 + r), from which the palette is read back in the modes above 8 bits.
cIndexedImage PalettePicture();
