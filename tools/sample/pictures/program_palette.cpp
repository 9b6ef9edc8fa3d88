#include "tools/sample/pictures/program_palette.h"

#include <array>

namespace {

struct NamedColour {
  uint8_t index;
  cRgb rgb;
};

constexpr NamedColour kNamed[] = {
    {kClear, {255, 0, 255}},      {kBlack, {16, 16, 24}},        {kWhite, {255, 255, 255}},
    {kGreyDark, {64, 64, 72}},    {kGrey, {128, 128, 136}},      {kGreyLight, {200, 200, 208}},
    {kRed, {224, 48, 48}},        {kRedDark, {136, 24, 32}},     {kGreen, {64, 184, 72}},
    {kGreenDark, {32, 112, 48}},  {kBlue, {56, 96, 224}},        {kBlueDark, {32, 48, 136}},
    {kYellow, {248, 224, 64}},    {kOrange, {240, 144, 40}},     {kBrown, {152, 96, 48}},
    {kSkin, {252, 200, 160}},     {kNight, {24, 32, 72}},        {kSky, {96, 168, 240}},
    {kSkyLight, {176, 216, 252}}, {kPink, {248, 152, 184}},      {kPurple, {136, 80, 184}},
    {kCyan, {72, 208, 216}},      {kBrownDark, {88, 56, 32}},    {kGold, {232, 184, 40}},
    {kGreenLight, {152, 224, 112}}, {kFrame, {216, 228, 255}},   {kText, {255, 255, 255}},
};

struct Ramp {
  uint8_t first;
  cRgb dark;
  cRgb light;
};

constexpr Ramp kRamps[] = {
    {kRampSky, {24, 48, 120}, {200, 232, 255}},   {kRampGrass, {16, 72, 24}, {168, 240, 120}},
    {kRampEarth, {56, 32, 16}, {216, 168, 104}},  {kRampStone, {40, 40, 56}, {208, 208, 224}},
    {kRampFire, {144, 16, 16}, {255, 240, 96}},   {kRampWater, {8, 40, 104}, {120, 216, 248}},
    {kRampPurple, {48, 16, 80}, {216, 176, 248}}, {kRampPink, {112, 24, 64}, {255, 208, 224}},
    {kRampGold, {96, 64, 8}, {255, 240, 160}},    {kRampGrey, {8, 8, 8}, {248, 248, 248}},
    {kRampSkin, {120, 72, 48}, {255, 224, 200}},
};

uint8_t Mix(uint8_t a, uint8_t b, int32_t step, int32_t steps) {
  return static_cast<uint8_t>(a + (static_cast<int32_t>(b) - a) * step / (steps - 1));
}

// Six hues around the colour circle, blended, for the rotating entries.
cRgb Rainbow(int32_t i) {
  constexpr std::array<cRgb, 6> kHues = {{{255, 64, 64}, {255, 224, 64}, {64, 224, 96},
                                          {64, 224, 255}, {80, 96, 255}, {232, 80, 240}}};
  const int32_t position = i * 6 * 8 / kAnimatedCount;  // 0 .. 47 in eighths of a hue
  const cRgb& a = kHues[static_cast<std::size_t>(position / 8)];
  const cRgb& b = kHues[static_cast<std::size_t>((position / 8 + 1) % 6)];
  const int32_t t = position % 8;
  return {static_cast<uint8_t>(a.r + (b.r - a.r) * t / 8), static_cast<uint8_t>(a.g + (b.g - a.g) * t / 8),
          static_cast<uint8_t>(a.b + (b.b - a.b) * t / 8)};
}

cPalette256 Build() {
  cPalette256 palette{};
  // Unnamed entries are a grey ramp, so nothing is left black by accident.
  for (int32_t i = 0; i < 256; ++i) {
    const uint8_t v = static_cast<uint8_t>(i);
    palette[static_cast<std::size_t>(i)] = {v, v, v};
  }
  for (const Ramp& ramp : kRamps) {
    for (int32_t step = 0; step < kRampLength; ++step) {
      palette[static_cast<std::size_t>(ramp.first + step)] = {Mix(ramp.dark.r, ramp.light.r, step, kRampLength),
                                                              Mix(ramp.dark.g, ramp.light.g, step, kRampLength),
                                                              Mix(ramp.dark.b, ramp.light.b, step, kRampLength)};
    }
  }
  for (int32_t i = 0; i < kAnimatedCount; ++i) palette[static_cast<std::size_t>(kAnimatedFirst + i)] = Rainbow(i);
  for (const NamedColour& named : kNamed) palette[named.index] = named.rgb;
  return palette;
}

}  // namespace

const cPalette256& ProgramPalette() {
  static const cPalette256 palette = Build();
  return palette;
}

cIndexedImage PalettePicture() {
  cIndexedImage image(16, 24, kClear);
  for (int32_t entry = 0; entry < 256; ++entry) image.Set(entry % 16, 8 + entry / 16, static_cast<uint8_t>(entry));
  return image;
}
