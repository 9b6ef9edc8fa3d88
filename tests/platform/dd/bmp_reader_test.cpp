#include "platform/dd/bmp_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/sample/media/bmp_writer.h"

namespace {

cPalette256 TestPalette() {
  cPalette256 palette{};
  for (int i = 0; i < 256; ++i) {
    palette[static_cast<std::size_t>(i)] = {static_cast<uint8_t>(i), static_cast<uint8_t>(i * 3),
                                            static_cast<uint8_t>(255 - i)};
  }
  return palette;
}

uint32_t Rgb(const cRgb& c) { return static_cast<uint32_t>(c.r) << 16 | static_cast<uint32_t>(c.g) << 8 | c.b; }

// An odd-sized picture with a different colour in every pixel.
cRgbImage Gradient(int32_t w, int32_t h) {
  cRgbImage image(w, h);
  for (int32_t y = 0; y < h; ++y) {
    for (int32_t x = 0; x < w; ++x) {
      image.Set(x, y, {static_cast<uint8_t>(x * 40), static_cast<uint8_t>(y * 60), static_cast<uint8_t>(x * 8 + y * 16)});
    }
  }
  return image;
}

cIndexedImage Indices(int32_t w, int32_t h, int32_t modulo) {
  cIndexedImage image(w, h);
  for (int32_t y = 0; y < h; ++y) {
    for (int32_t x = 0; x < w; ++x) image.Set(x, y, static_cast<uint8_t>((x + 3 * y) % modulo));
  }
  return image;
}

bool Read(const std::vector<uint8_t>& bytes, cBmpImage* image, std::string* reason = nullptr) {
  std::string ignored;
  return ReadBmp(bytes.data(), bytes.size(), image, reason != nullptr ? reason : &ignored);
}

TEST(BmpReaderTest, TrueColourFormatsGiveTheirPixels) {
  const cRgbImage source = Gradient(5, 3);  // odd width: padded rows
  // Quantised formats keep the high bits; widening repeats them.
  const auto to555 = [](const cRgb& c) {
    const auto w = [](uint32_t v) { return (v >> 3) << 3 | (v >> 3) >> 2; };
    return w(c.r) << 16 | w(c.g) << 8 | w(c.b);
  };
  const auto to565 = [](const cRgb& c) {
    const auto w5 = [](uint32_t v) { return (v >> 3) << 3 | (v >> 3) >> 2; };
    const auto w6 = [](uint32_t v) { return (v >> 2) << 2 | (v >> 2) >> 4; };
    return w5(c.r) << 16 | w6(c.g) << 8 | w5(c.b);
  };
  const struct {
    const char* what;
    std::vector<uint8_t> bytes;
    int32_t bits;
    uint32_t (*expected)(const cRgb&);
  } cases[] = {
      {"24 bits", EncodeBmp24(source), 24, [](const cRgb& c) { return Rgb(c); }},
      {"32 bits", EncodeBmp32(source, false, false), 32, [](const cRgb& c) { return Rgb(c); }},
      {"32 bits bit fields, top-down", EncodeBmp32(source, true, true), 32, [](const cRgb& c) { return Rgb(c); }},
      {"16 bits 5-5-5", EncodeBmp16(source, false, false), 16, +to555},
      {"16 bits 5-6-5, top-down", EncodeBmp16(source, true, true), 16, +to565},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    cBmpImage image;
    ASSERT_TRUE(Read(c.bytes, &image));
    EXPECT_EQ(image.nWidth, 5);
    EXPECT_EQ(image.nHeight, 3);
    EXPECT_EQ(image.nBitCount, c.bits);
    EXPECT_FALSE(image.Indexed());
    for (int32_t y = 0; y < 3; ++y) {
      for (int32_t x = 0; x < 5; ++x) {
        EXPECT_EQ(image.Rgb(x, y), c.expected(source.pixels[static_cast<std::size_t>(y * 5 + x)])) << x << "," << y;
      }
    }
  }
}

TEST(BmpReaderTest, IndexedFormatsGiveTheirIndicesAndTables) {
  const cPalette256 palette = TestPalette();
  const struct {
    const char* what;
    uint16_t bits;
    int32_t modulo;
    std::vector<uint8_t> bytes;
  } cases[] = {
      {"1 bit", 1, 2, EncodeBmpIndexed(Indices(11, 3, 2), palette, 1, 0, false)},
      {"4 bits", 4, 16, EncodeBmpIndexed(Indices(7, 4, 16), palette, 4, 0, false)},
      {"4 bits top-down", 4, 16, EncodeBmpIndexed(Indices(7, 4, 16), palette, 4, 0, true)},
      {"8 bits", 8, 256, EncodeBmp8(Indices(5, 3, 256), palette)},
      {"RLE8", 8, 3, EncodeBmpRle(Indices(9, 3, 3), palette, 8)},
      {"RLE4", 4, 5, EncodeBmpRle(Indices(9, 3, 5), palette, 4)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    cBmpImage image;
    std::string reason;
    ASSERT_TRUE(Read(c.bytes, &image, &reason)) << reason;
    const cIndexedImage expected = Indices(image.nWidth, image.nHeight, c.modulo);
    EXPECT_EQ(image.nBitCount, c.bits);
    ASSERT_EQ(image.palette.size(), std::size_t{1} << c.bits);
    EXPECT_EQ(image.palette[1], (cBmpColour{1, 3, 254}));
    EXPECT_EQ(image.indices, expected.pixels);
  }
}

TEST(BmpReaderTest, AShortColourTableLeavesTheRestBlack) {
  const std::vector<uint8_t> bytes = EncodeBmpIndexed(Indices(4, 2, 8), TestPalette(), 8, 10, false);
  cBmpImage image;
  ASSERT_TRUE(Read(bytes, &image));
  EXPECT_EQ(image.nTableColours, 10);
  ASSERT_EQ(image.palette.size(), 256u);
  EXPECT_EQ(image.palette[9], (cBmpColour{9, 27, 246}));
  EXPECT_EQ(image.palette[10], cBmpColour{});
  EXPECT_EQ(image.palette[255], cBmpColour{});
}

// RLE8 by hand: a run, a delta, an absolute block, end of line, end of bitmap.
TEST(BmpReaderTest, RleEscapesPlacePixelsAndLeaveSkippedOnesAtZero) {
  cBmpLayout layout;
  layout.nWidth = 6;
  layout.nHeight = 3;
  layout.nCompression = 1;
  layout.table.assign(256, cRgb{});
  // File row 0 is the bottom row.
  const std::vector<uint8_t> rle = {
      2, 7,          // row 0: 7 7
      0, 2, 1, 1,    // delta right 1, up 1 -> row 1, x 3
      0, 3, 4, 5, 6, 0,  // absolute 4 5 6 (padded)
      0, 0,          // end of line -> row 2
      1, 9,          // 9
      0, 1,          // end of bitmap
  };
  cBmpImage image;
  std::string reason;
  ASSERT_TRUE(Read(EncodeBmpRaw(layout, rle), &image, &reason)) << reason;
  const std::vector<uint8_t> expected = {
      9, 0, 0, 0, 0, 0,  // top: file row 2
      0, 0, 0, 4, 5, 6,  // file row 1
      7, 7, 0, 0, 0, 0,  // bottom: file row 0
  };
  EXPECT_EQ(image.indices, expected);
}

TEST(BmpReaderTest, DamagedFilesAreRefusedWithAReason) {
  const cPalette256 palette = TestPalette();
  cBmpLayout wide;
  wide.nWidth = 4;
  wide.nHeight = 1;
  wide.nCompression = 1;
  wide.table.assign(256, cRgb{});
  cBmpLayout tooManyColours = wide;
  tooManyColours.nCompression = 0;
  tooManyColours.nTableColours = 300;
  tooManyColours.table.assign(300, cRgb{});
  const auto withSize = [](int32_t w, int32_t h) {
    cBmpLayout l;
    l.nWidth = w;
    l.nHeight = h;
    l.nBitCount = 24;
    return l;
  };
  std::vector<uint8_t> offsetPastEnd = EncodeBmp24(Gradient(2, 2));
  offsetPastEnd[10] = 0xFF;
  offsetPastEnd[11] = 0xFF;
  const struct {
    const char* what;
    std::vector<uint8_t> bytes;
  } cases[] = {
      {"RLE run past the row", EncodeBmpRaw(wide, {5, 1, 0, 1})},
      {"RLE absolute block past the row", EncodeBmpRaw(wide, {0, 5, 1, 2, 3, 4, 5, 0, 0, 1})},
      {"RLE delta past the image", EncodeBmpRaw(wide, {0, 2, 0, 3, 0, 1})},
      {"RLE without an end", EncodeBmpRaw(wide, {2, 1})},
      {"300 colour entries", EncodeBmpRaw(tooManyColours, std::vector<uint8_t>(4, 0))},
      {"width 0", EncodeBmpRaw(withSize(0, 2), std::vector<uint8_t>(16, 0))},
      {"negative width", EncodeBmpRaw(withSize(-3, 2), std::vector<uint8_t>(16, 0))},
      {"width over 32767", EncodeBmpRaw(withSize(40000, 1), std::vector<uint8_t>(16, 0))},
      {"width x height beyond the data", EncodeBmpRaw(withSize(32767, 32767), std::vector<uint8_t>(16, 0))},
      {"offset past the end", offsetPastEnd},
      {"not a BMP", std::vector<uint8_t>(64, 'x')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    cBmpImage image;
    std::string reason;
    EXPECT_FALSE(Read(c.bytes, &image, &reason));
    EXPECT_FALSE(reason.empty());
  }
  (void)palette;
}

TEST(BmpReaderTest, EveryTruncationIsRefusedWithoutReadingPastTheEnd) {
  const std::vector<std::vector<uint8_t>> files = {
      EncodeBmp24(Gradient(3, 2)),
      EncodeBmpIndexed(Indices(5, 2, 16), TestPalette(), 4, 0, false),
      EncodeBmpRle(Indices(9, 3, 3), TestPalette(), 8),
      EncodeBmp16(Gradient(3, 2), true, false),
  };
  for (const auto& file : files) {
    for (std::size_t length = 0; length < file.size(); ++length) {
      // A copy of exactly that length, so a read past it is caught by the sanitizer.
      const std::vector<uint8_t> cut(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(length));
      cBmpImage image;
      EXPECT_FALSE(Read(cut, &image)) << "length " << length;
    }
    cBmpImage image;
    EXPECT_TRUE(Read(file, &image));
  }
}

}  // namespace
