#include "tools/sample/pictures/scene_pictures.h"

#include <array>

#include "tools/sample/data/sample_palette.h"
#include "tools/sample/data/sample_world_map.h"
#include "tools/sample/media/canvas.h"
#include "tools/sample/media/pixel_font.h"
#include "tools/sample/pictures/program_palette.h"
#include "tools/sample/pictures/sprites.h"

namespace {

constexpr int32_t kScreenW = 640;
constexpr int32_t kScreenH = 480;

// Rolling hills: a band of grass whose top follows a gentle wave.
void Hills(cCanvas& c, int32_t baseY, int32_t amplitude, int32_t period, uint8_t colour) {
  for (int32_t x = 0; x < c.Width(); ++x) {
    // A triangle wave smoothed into a rounded hill: integer-only, so exact.
    const int32_t phase = x % period;
    const int32_t t = phase < period / 2 ? phase : period - phase;
    const int32_t top = baseY - amplitude * t * (period - t) / (period * period / 4);
    c.Fill(x, top, 1, c.Height() - top, colour);
  }
}

void Clouds(cCanvas& c, int32_t count, int32_t y, int32_t spacing) {
  for (int32_t i = 0; i < count; ++i) {
    const int32_t x = 40 + i * spacing;
    const int32_t dy = (i % 3) * 18;
    c.Oval(x, y + dy + 6, 48, 20, kSkyLight);
    c.Oval(x + 18, y + dy, 44, 26, kWhite);
    c.Oval(x + 44, y + dy + 8, 36, 18, kSkyLight);
  }
}

// A banner: the text in two-dot letters on a transparent ground, outlined.
void Banner(cCanvas& c, int32_t x, int32_t y, int32_t w, const char* text, uint8_t colour) {
  const int32_t cx = x + w / 2;
  for (int32_t dy = -1; dy <= 1; ++dy) {
    for (int32_t dx = -1; dx <= 1; ++dx) DrawTextCentred(c, cx + dx, y + 9 + dy, text, kBlack, 2);
  }
  DrawTextCentred(c, cx, y + 9, text, colour, 2);
}

void Digits(cCanvas& c, int32_t y, uint8_t colour) {
  for (int32_t d = 0; d < 10; ++d) {
    const char text[2] = {static_cast<char>('0' + d), '\0'};
    for (int32_t dy = -1; dy <= 1; ++dy) {
      for (int32_t dx = -1; dx <= 1; ++dx) DrawTextCentred(c, d * 32 + 16 + dx, y + 5 + dy, text, kBlack, 3);
    }
    DrawTextCentred(c, d * 32 + 16, y + 5, text, colour, 3);
  }
}

// A gauge frame or bar of 50 x 16 at (x, y).
void Gauge(cCanvas& c, int32_t x, int32_t y, uint8_t fill, bool frame) {
  if (frame) {
    c.Frame(x, y, 50, 16, kFrame);
    c.Frame(x + 1, y + 1, 48, 14, kBlack);
    return;
  }
  c.Fill(x + 2, y + 2, 46, 12, fill);
  c.Fill(x + 2, y + 3, 46, 2, kWhite);
}

}  // namespace

cIndexedImage TitlePicture() {
  cIndexedImage image(kScreenW, kScreenH);
  cCanvas c(image);
  c.VerticalRamp(0, 0, kScreenW, 440, kRampSky, kRampLength);
  Clouds(c, 5, 40, 130);
  Hills(c, 380, 60, 320, kRampGrass + 6);
  Hills(c, 420, 40, 200, kRampGrass + 9);
  c.Fill(0, 440, kScreenW, 40, kRampEarth + 6);
  // The hero, large, standing on the hill.
  cIndexedImage hero(32, 32);
  cCanvas heroCanvas(hero);
  DrawChara(heroCanvas, 0, 0, kCharaHero, kPoseJump, kLookPlain);
  for (int32_t y = 0; y < 32; ++y) {
    for (int32_t x = 0; x < 32; ++x) {
      // Mirrored so that he looks at the title.
      if (hero.At(31 - x, y) != kClear) c.Fill(440 + x * 4, 232 + y * 4, 4, 4, hero.At(31 - x, y));
    }
  }
  DrawTextCentred(c, 320, 60, "PICO'S LITTLE", kWhite, 5, kBlueDark);
  DrawTextCentred(c, 320, 110, "ADVENTURE", kYellow, 6, kRedDark);
  DrawText(c, 8, 466, "A SAMPLE GAME MADE BY CODE", kWhite, 1, kBlack);
  return image;
}

cIndexedImage GameModePicture() {
  constexpr std::array<const char*, 7> kModes = {"NEW GAME", "CONTINUE", "CHALLENGE", "FREE PLAY",
                                                 "REPLAY",   "OPTIONS",  "QUIT"};
  cIndexedImage image(192, 32 * static_cast<int32_t>(kModes.size()));
  cCanvas c(image);
  for (std::size_t i = 0; i < kModes.size(); ++i) {
    const int32_t y = static_cast<int32_t>(i) * 32;
    for (int32_t dy = -1; dy <= 1; ++dy) {
      for (int32_t dx = -1; dx <= 1; ++dx) DrawText(c, 4 + dx, y + 9 + dy, kModes[i], kBlueDark, 2);
    }
    DrawText(c, 4, y + 9, kModes[i], kWhite, 2);
  }
  return image;
}

cIndexedImage WindowPicture() {
  cIndexedImage image(64, 64);
  cCanvas c(image);
  c.VerticalRamp(0, 0, 64, 64, kRampSky, 4);
  return image;
}

cIndexedImage StatusWindowPicture() {
  cIndexedImage image(kScreenW, 20);
  cCanvas c(image);
  c.VerticalRamp(0, 0, kScreenW, 20, kRampSky + 1, 4);
  c.Fill(0, 19, kScreenW, 1, kFrame);
  return image;
}

cIndexedImage AccessoryPicture() {
  cIndexedImage image(128, 192);
  cCanvas c(image);
  // (0, 0) the 32 x 32 menu cursor: an arrow pointing right.
  for (int32_t i = 0; i < 12; ++i) c.Fill(6 + i, 4 + i, 1, 24 - 2 * i, kYellow);
  c.Line(6, 4, 18, 16, kOrange);
  c.Line(6, 28, 18, 16, kOrange);
  // (64, 0) the 16 x 16 cursor, (80, 0) the mark of the entry chosen before.
  for (int32_t i = 0; i < 6; ++i) c.Fill(66 + i, 2 + i, 1, 12 - 2 * i, kYellow);
  c.Oval(83, 3, 10, 10, kCyan);
  // (96, 0) the 32 x 32 clear sign: a gold star badge.
  c.Oval(96, 0, 32, 32, kRampGold + 4);
  c.Oval(98, 2, 28, 28, kGold);
  DrawTextCentred(c, 112, 12, "OK", kWhite, 1, kBrownDark);
  // (0, 32) score, (16, 32) stage score, (32, 32) HP, (48, 32) SP, (0, 48) life.
  c.Oval(2, 34, 12, 12, kGold);
  c.Fill(7, 37, 2, 6, kRampGold + 14);
  c.Oval(18, 34, 12, 12, kSkyLight);
  c.Fill(23, 37, 2, 6, kWhite);
  c.Oval(33, 35, 7, 7, kRed);
  c.Oval(39, 35, 7, 7, kRed);
  for (int32_t row = 0; row < 6; ++row) c.Fill(33 + row, 39 + row, 13 - 2 * row, 1, kRed);
  c.Oval(50, 34, 12, 12, kBlue);
  c.Fill(55, 36, 2, 8, kSkyLight);
  c.Oval(2, 50, 12, 12, kOrange);
  c.Fill(5, 53, 2, 3, kBlack);
  c.Fill(9, 53, 2, 3, kBlack);
  // (0, 128) gauge frame, (0, 144) the bar, (0, 160) the bar when low.
  Gauge(c, 0, 128, kClear, true);
  Gauge(c, 0, 144, kGreen, false);
  Gauge(c, 0, 160, kRed, false);
  return image;
}

cIndexedImage SymbolPicture() {
  // 26 symbols of 16 x 16 that stand for the letters a to z in messages.
  cIndexedImage image(26 * 16, 16);
  cCanvas c(image);
  const uint8_t colours[] = {kRed, kOrange, kYellow, kGreen, kCyan, kBlue, kPurple, kPink};
  for (int32_t i = 0; i < 26; ++i) {
    const int32_t x = i * 16;
    const uint8_t colour = colours[i % 8];
    switch (i % 4) {
      case 0: c.Oval(x + 2, 2, 12, 12, colour); break;
      case 1: c.Fill(x + 3, 3, 10, 10, colour); break;
      case 2:
        for (int32_t row = 0; row < 10; ++row) c.Fill(x + 8 - row / 2, 3 + row, row + 1, 1, colour);
        break;
      default:
        c.Fill(x + 7, 2, 2, 12, colour);
        c.Fill(x + 2, 7, 12, 2, colour);
        break;
    }
  }
  return image;
}

cIndexedImage WordPicture() {
  cIndexedImage image(320, 192);
  cCanvas c(image);
  Banner(c, 0, 0, 128, "STAGE", kWhite);
  Banner(c, 160, 0, 80, "GO!", kYellow);
  Banner(c, 0, 32, 128, "REPLAY", kCyan);
  Banner(c, 0, 64, 128, "CLEAR!", kYellow);
  Banner(c, 0, 96, 144, "GAME OVER", kRed);
  Digits(c, 128, kWhite);
  Digits(c, 160, kYellow);
  return image;
}

cIndexedImage WorldMapChipPicture() {
  cIndexedImage image(5 * 32, 32);
  cCanvas c(image);
  for (int32_t chip = 0; chip < kChipCount; ++chip) {
    const int32_t x = chip * 32;
    switch (chip) {
      case kChipGrass:
        c.Fill(x, 0, 32, 32, kRampGrass + 9);
        c.Fill(x + 6, 8, 2, 3, kRampGrass + 6);
        c.Fill(x + 20, 20, 2, 3, kRampGrass + 6);
        break;
      case kChipRoad:
        c.Fill(x, 0, 32, 32, kRampGrass + 9);
        c.Fill(x, 8, 32, 16, kRampEarth + 11);
        c.Fill(x, 8, 32, 1, kRampEarth + 8);
        c.Fill(x, 23, 32, 1, kRampEarth + 8);
        break;
      case kChipWater:
        c.Fill(x, 0, 32, 32, kRampWater + 6);
        c.Line(x + 4, 10, x + 12, 10, kRampWater + 12);
        c.Line(x + 16, 22, x + 26, 22, kRampWater + 12);
        break;
      case kChipTree:
        c.Fill(x, 0, 32, 32, kRampGrass + 9);
        c.Fill(x + 14, 20, 4, 10, kBrown);
        c.Oval(x + 4, 2, 24, 22, kGreenDark);
        c.Oval(x + 7, 4, 16, 14, kGreen);
        break;
      default:  // the bridge
        c.Fill(x, 0, 32, 32, kRampWater + 6);
        c.Fill(x, 6, 32, 20, kBrown);
        for (int32_t plank = 0; plank < 4; ++plank) c.Fill(x + plank * 8, 6, 1, 20, kBrownDark);
        break;
    }
  }
  return image;
}

cIndexedImage WorldEventPicture() {
  cIndexedImage image(64, 32 * kMarkRowCount);
  cCanvas c(image);
  for (int32_t row = 0; row < kMarkRowCount; ++row) {
    for (int32_t cleared = 0; cleared < 2; ++cleared) {
      const int32_t x = cleared * 32;
      const int32_t y = row * 32;
      const uint8_t colour = cleared ? kGold : kRed;
      switch (row) {
        case kMarkStart:
          c.Oval(x + 8, y + 8, 16, 16, kWhite);
          c.Oval(x + 11, y + 11, 10, 10, kSky);
          break;
        case kMarkStage:
          c.Oval(x + 4, y + 4, 24, 24, kBlack);
          c.Oval(x + 6, y + 6, 20, 20, colour);
          if (cleared) DrawTextCentred(c, x + 16, y + 12, "OK", kWhite);
          break;
        default:  // the castle
          c.Fill(x + 4, y + 10, 24, 20, kGreyLight);
          for (int32_t t = 0; t < 3; ++t) c.Fill(x + 4 + t * 10, y + 4, 4, 6, kGreyLight);
          c.Fill(x + 13, y + 18, 6, 12, kBlack);
          c.Fill(x + 14, y + 0, 2, 6, kGreyDark);
          c.Fill(x + 16, y + 0, 6, 4, colour);
          break;
      }
    }
  }
  return image;
}

cIndexedImage WorldBackPicture() {
  cIndexedImage image(kScreenW, kScreenH);
  cCanvas c(image);
  c.VerticalRamp(0, 0, kScreenW, kScreenH, kRampWater, 8);
  return image;
}

cIndexedImage DebugPicture() {
  cIndexedImage image(128, 32);
  cCanvas c(image);
  for (int32_t y = 0; y < 32; y += 8) {
    for (int32_t x = (y / 8) % 2 * 8; x < 128; x += 16) c.Fill(x, y, 8, 8, kGreyDark);
  }
  DrawTextCentred(c, 64, 9, "DEBUG", kYellow, 2, kBlack);
  return image;
}

cIndexedImage SignPicture() {
  cIndexedImage image(128, 96);
  cCanvas c(image);
  c.Fill(58, 60, 12, 36, kBrown);
  c.Fill(4, 4, 120, 60, kBrownDark);
  c.Fill(8, 8, 112, 52, kRampEarth + 11);
  DrawTextCentred(c, 64, 18, "GOAL", kRedDark, 2);
  DrawTextCentred(c, 64, 40, "--->", kBrownDark, 2);
  return image;
}

cIndexedImage SkyPicture() {
  cIndexedImage image(kScreenW, kScreenH);
  cCanvas c(image);
  c.VerticalRamp(0, 0, kScreenW, kScreenH, kRampSky + 6, 10);
  Clouds(c, 5, 50, 124);
  Hills(c, 400, 70, 400, kRampGrass + 11);
  Hills(c, 440, 40, 260, kRampGrass + 13);
  return image;
}
