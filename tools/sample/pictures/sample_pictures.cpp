#include "tools/sample/pictures/sample_pictures.h"

#include <string>

#include "tools/sample/data/sample_palette.h"
#include "tools/sample/media/canvas.h"
#include "tools/sample/media/pixel_font.h"
#include "tools/sample/pictures/program_palette.h"
#include "tools/sample/pictures/scene_pictures.h"
#include "tools/sample/pictures/sprites.h"
#include "tools/sample/sample_catalog.h"

namespace {

// Sheets of 32-dot cells are 15 cells high: graphic g lies in column g / 15,
// row g % 15.
constexpr int32_t kSheetRows = 15;
constexpr int32_t kSheetHeight = kSheetRows * 32;

cIndexedImage BlockSheet() {
  cIndexedImage image(256, kSheetHeight);
  cCanvas c(image);
  for (int32_t block = 1; block < kBlockCount; ++block) {
    DrawBlock(c, (block / kSheetRows) * 32, (block % kSheetRows) * 32, block);
  }
  return image;
}

// Each chara's row: the four poses plain, invincible, then in the second state.
cIndexedImage CharaSheet() {
  cIndexedImage image(32 * kPoseCount * kLookCount, kSheetHeight);
  cCanvas c(image);
  for (int32_t chara = 1; chara < kCharaCount; ++chara) {
    for (int32_t look = 0; look < kLookCount; ++look) {
      for (int32_t pose = 0; pose < kPoseCount; ++pose) {
        DrawChara(c, (look * kPoseCount + pose) * 32, chara * 32, chara, pose, look);
      }
    }
  }
  return image;
}

// 16-dot frames, 30 rows: shot g's frames f lie at ((f + (g / 30) x 2) x 16,
// (g % 30) x 16).
cIndexedImage ShotSheet() {
  cIndexedImage image(128, 30 * 16);
  cCanvas c(image);
  for (int32_t shot = 1; shot < kShotRowsDrawn; ++shot) {
    for (int32_t frame = 0; frame < 2; ++frame) DrawShot(c, frame * 16, shot * 16, shot, frame);
  }
  return image;
}

// Item g's two frames at ((g / 15) x 64 + frame x 32, (g % 15) x 32).
cIndexedImage ItemSheet() {
  cIndexedImage image(256, kSheetHeight);
  cCanvas c(image);
  for (int32_t item = 1; item < kItemCount; ++item) {
    for (int32_t frame = 0; frame < 2; ++frame) {
      DrawItem(c, (item / kSheetRows) * 64 + frame * 32, (item % kSheetRows) * 32, item, frame);
    }
  }
  return image;
}

// The item sheet at half size: item g's icon at ((g / 15) x 32, (g % 15) x 16).
cIndexedImage ItemMiniSheet(const cIndexedImage& items) {
  cIndexedImage image(items.nWidth / 2, items.nHeight / 2);
  cCanvas(image).Copy(items, 0, 0, items.nWidth, items.nHeight, 0, 0, true);
  return image;
}

// Marks n at ((n / 15) x 32, (n % 15) x 32): numbered tags.
cIndexedImage MarkSheet() {
  cIndexedImage image(64, kSheetHeight);
  cCanvas c(image);
  for (int32_t mark = 1; mark < 2 * kSheetRows; ++mark) {
    const int32_t x = (mark / kSheetRows) * 32;
    const int32_t y = (mark % kSheetRows) * 32;
    c.Oval(x + 4, y + 4, 24, 24, static_cast<uint8_t>(kAnimatedFirst + (mark * 5) % kAnimatedCount));
    DrawTextCentred(c, x + 16, y + 12, std::to_string(mark), kBlack);
  }
  return image;
}

// Effect strips: four 32 x 32 cells in a row.
cIndexedImage HitStrip() {
  cIndexedImage image(32 * kEffectCells, 32);
  cCanvas c(image);
  for (int32_t cell = 0; cell < kEffectCells; ++cell) {
    const int32_t x = cell * 32;
    const int32_t r = 4 + cell * 3;
    c.Line(x + 16 - r, 16, x + 16 + r, 16, kYellow);
    c.Line(x + 16, 16 - r, x + 16, 16 + r, kYellow);
    c.Line(x + 16 - r + 2, 18 - r, x + 14 + r, 14 + r, kWhite);
    c.Line(x + 14 + r, 18 - r, x + 18 - r, 14 + r, kWhite);
  }
  return image;
}

cIndexedImage SmokeStrip() {
  cIndexedImage image(32 * kEffectCells, 32);
  cCanvas c(image);
  for (int32_t cell = 0; cell < kEffectCells; ++cell) {
    const int32_t x = cell * 32;
    const int32_t size = 10 + cell * 5;
    const uint8_t colour = cell < 2 ? kGreyLight : kGrey;
    c.Oval(x + 16 - size / 2, 16 - size / 2, size, size, colour);
    c.Oval(x + 16 - size / 4, 16 - size / 2, size / 2, size / 2, kWhite);
  }
  return image;
}

// The exclusive chara bitmap: the walker at twice the size, cells of 64 x 64.
cIndexedImage BigCharaSheet() {
  cIndexedImage image(8 * 64, 64);
  cCanvas c(image);
  for (int32_t pose = 0; pose < kPoseCount; ++pose) {
    cIndexedImage cell(32, 32);
    cCanvas cellCanvas(cell);
    DrawChara(cellCanvas, 0, 0, kCharaWalker, pose, kLookPlain);
    for (int32_t y = 0; y < 32; ++y) {
      for (int32_t x = 0; x < 32; ++x) c.Fill(pose * 64 + x * 2, y * 2, 2, 2, cell.At(x, y));
    }
  }
  return image;
}

// The sword's three steps: raised, level, lowered.
cIndexedImage SwordStrip() {
  cIndexedImage image(96, 32);
  cCanvas c(image);
  const int32_t ends[3][4] = {{4, 4, 26, 26}, {2, 16, 28, 16}, {4, 28, 26, 6}};
  for (int32_t step = 0; step < 3; ++step) {
    const int32_t* e = ends[step];
    c.Line(step * 32 + e[0], e[1], step * 32 + e[2], e[3], kGreyLight);
    c.Line(step * 32 + e[0], e[1] + 1, step * 32 + e[2], e[3] + 1, kWhite);
    c.Oval(step * 32 + e[2] - 3, e[3] - 3, 7, 7, kGold);
  }
  return image;
}

}  // namespace

std::vector<cSamplePicture> BuildSamplePictures() {
  const cIndexedImage items = ItemSheet();
  std::vector<cSamplePicture> pictures;
  const auto add = [&](const char* path, cIndexedImage image) { pictures.push_back({path, std::move(image)}); };
  add("bmp\\plt\\Palette.bmp", PalettePicture());
  add("bmp\\Debug.bmp", DebugPicture());
  add("bmp\\Block.bmp", BlockSheet());
  add("bmp\\Character1.bmp", CharaSheet());
  add("bmp\\Shot.bmp", ShotSheet());
  add("bmp\\Item.bmp", items);
  add("bmp\\Item_Mini.bmp", ItemMiniSheet(items));
  add("bmp\\Mark.bmp", MarkSheet());
  add("bmp\\Window.bmp", WindowPicture());
  add("bmp\\StatusWindow.bmp", StatusWindowPicture());
  add("bmp\\Title.bmp", TitlePicture());
  add("bmp\\GameMode.bmp", GameModePicture());
  add("bmp\\Accessory.bmp", AccessoryPicture());
  add("bmp\\Symbol.bmp", SymbolPicture());
  add("bmp\\Word.bmp", WordPicture());
  add("bmp\\WorldMapChip.bmp", WorldMapChipPicture());
  add("bmp\\WorldEvent.bmp", WorldEventPicture());
  add(kWorldBackFile, WorldBackPicture());
  add(kEffectHitFile, HitStrip());
  add(kEffectSmokeFile, SmokeStrip());
  add(kExclusiveCharaFile, BigCharaSheet());
  add(kSwordFile, SwordStrip());
  add(kPictureFile, SignPicture());
  add(kStageBackFile, SkyPicture());
  return pictures;
}

bool WriteSamplePictures(cProjectFiles& files) {
  for (const cSamplePicture& picture : BuildSamplePictures()) {
    if (!files.Write(picture.strPath, EncodeBmp8(picture.image, ProgramPalette()))) return false;
  }
  return true;
}
