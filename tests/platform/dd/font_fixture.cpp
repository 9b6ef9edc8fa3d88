#include "tests/platform/dd/font_fixture.h"

#include "platform/dd/box_glyph_face.h"
#include "platform/dd/fill.h"
#include "platform/dd/glyph_draw.h"
#include "platform/dd/glyph_face.h"
#include "platform/dd/palette.h"
#include "platform/dd/palette_load.h"
#include "platform/dd/surface_create.h"
#include "platform/dd/surface_from_file.h"
#include "tools/sample/media/bmp_writer.h"

namespace {

// The picture as the display's depth loads it: palette indices at 8 bits,
// their test-palette colours otherwise.
void LoadFontFixturePicture(DDSURFACEDATA& sd, const TempDir& files, const std::string& name, const cIndexedImage& image,
                 int32_t bpp) {
  cPalette256 palette{};
  for (std::size_t i = 0; i < palette.size(); ++i) palette[i] = {g_Palette[i].peRed, g_Palette[i].peGreen, g_Palette[i].peBlue};
  std::vector<uint8_t> bytes;
  if (bpp == 8) {
    bytes = EncodeBmp8(image, palette);
  } else {
    cRgbImage rgb(image.nWidth, image.nHeight);
    for (int32_t y = 0; y < image.nHeight; ++y) {
      for (int32_t x = 0; x < image.nWidth; ++x) rgb.Set(x, y, palette[image.At(x, y)]);
    }
    bytes = EncodeBmp24(rgb);
  }
  WriteFileBytes(files.path() / name, std::string(bytes.begin(), bytes.end()));
  EXPECT_EQ(DDCreateSurfaceFromFile(&sd, files.file(name).c_str(), 1, bpp, 0, DTMEMORYTYPE_VIDEO_RT, nullptr, 0, 0, 0, 0),
            kCreateOk)
      << name;
}

}  // namespace

cFontWorld::cFontWorld(const cDisplayMode& mode, int32_t dstWidth, int32_t dstHeight) : display_(mode) {
  if (!display_.ok()) return;
  SetTestPalette();
  // Palette entry 0 is the transparent colour, as start-up makes it (at 8 bits
  // the key is the index itself).
  if (mode.nBpp == 8 && mode.bDirect3D == 0) {
    g_dwColorKey = 0;
  } else {
    DDSetTransmit(255, 0, 255);
  }
  SetGlyphFaceFactory([](const char*, int32_t height) { return MakeBoxGlyphFace(height); });
  cIndexedImage sheet(26 * kFontCell, kFontCell);
  for (int32_t x = 0; x < sheet.nWidth; ++x) {
    for (int32_t y = 0; y < kFontCell; ++y) sheet.Set(x, y, static_cast<uint8_t>(kFontFirstSymbolColour + x / kFontCell));
  }
  LoadFontFixturePicture(symbols, files_, "Symbol.bmp", sheet, mode.nBpp);
  LoadFontFixturePicture(window, files_, "Window.bmp", cIndexedImage(640, 64, 3), mode.nBpp);
  EXPECT_TRUE(DDCreateSurface(&dst, dstWidth, dstHeight, 0, 0, DTMEMORYTYPE_VIDEO_RT, nullptr, 0));
  ClearDestination();
}

cFontWorld::~cFontWorld() { SetGlyphFaceFactory({}); }

void cFontWorld::CreateFont(Font& font, int32_t fontCache, bool withSymbols) {
  ASSERT_TRUE(font.Create("test face", 0, 16, kFontCell, kFontCell, kFontTextColour, &window, 1, kFontFrameColour,
                          withSymbols ? &symbols : nullptr, fontCache));
}

void cFontWorld::ClearDestination() {
  DDFillSurface(&dst, kGround);
  ground = PixelAt(dst, 0, 0);
}

uint32_t cFontWorld::TextPixel() { return TextPixelOf(&dst, kFontTextColour, 0xFF000000u | 0xF10E97u); }

::testing::AssertionResult cFontWorld::OnlyTextOrGround(int32_t* textPixels) {
  const uint32_t text = TextPixel();
  *textPixels = 0;
  for (int32_t y = 0; y < dst.nHeight; ++y) {
    for (int32_t x = 0; x < dst.nWidth; ++x) {
      const uint32_t p = PixelAt(dst, x, y);
      if (p == text) {
        ++*textPixels;
      } else if (p != ground) {
        return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << std::hex << p;
      }
    }
  }
  return ::testing::AssertionSuccess();
}

bool cFontWorld::TextIn(int32_t x, int32_t y, int32_t w, int32_t h) {
  const uint32_t text = TextPixel();
  for (int32_t yy = y; yy < y + h; ++yy) {
    for (int32_t xx = x; xx < x + w; ++xx) {
      if (xx >= 0 && yy >= 0 && xx < dst.nWidth && yy < dst.nHeight && PixelAt(dst, xx, yy) == text) return true;
    }
  }
  return false;
}
