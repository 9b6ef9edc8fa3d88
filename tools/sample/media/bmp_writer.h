#pragma once
// BMP files (BITMAPINFOHEADER, rows padded to four bytes): 8-bit with a
// 256-colour table and 24-bit true colour for the sample project; for tests also
// 1, 4, 16 and 32 bits, bit fields, RLE, short colour tables and top-down rows.

#include <array>
#include <cstdint>
#include <vector>

struct cRgb {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  friend bool operator==(const cRgb&, const cRgb&) = default;
};

using cPalette256 = std::array<cRgb, 256>;

// A picture of palette indices, top row first.
struct cIndexedImage {
  int32_t nWidth = 0;
  int32_t nHeight = 0;
  std::vector<uint8_t> pixels;

  cIndexedImage() = default;
  cIndexedImage(int32_t width, int32_t height, uint8_t fill = 0)
      : nWidth(width), nHeight(height), pixels(static_cast<std::size_t>(width) * height, fill) {}

  bool Contains(int32_t x, int32_t y) const { return x >= 0 && y >= 0 && x < nWidth && y < nHeight; }
  uint8_t At(int32_t x, int32_t y) const { return pixels[static_cast<std::size_t>(y) * nWidth + x]; }
  // Writes inside the picture only, so drawing code may overlap the edges.
  void Set(int32_t x, int32_t y, uint8_t index) {
    if (Contains(x, y)) pixels[static_cast<std::size_t>(y) * nWidth + x] = index;
  }
};

// A true-colour picture, top row first.
struct cRgbImage {
  int32_t nWidth = 0;
  int32_t nHeight = 0;
  std::vector<cRgb> pixels;

  cRgbImage() = default;
  cRgbImage(int32_t width, int32_t height, cRgb fill = {})
      : nWidth(width), nHeight(height), pixels(static_cast<std::size_t>(width) * height, fill) {}

  void Set(int32_t x, int32_t y, cRgb colour) {
    if (x >= 0 && y >= 0 && x < nWidth && y < nHeight) pixels[static_cast<std::size_t>(y) * nWidth + x] = colour;
  }
};

std::vector<uint8_t> EncodeBmp8(const cIndexedImage& image, const cPalette256& palette);
std::vector<uint8_t> EncodeBmp24(const cRgbImage& image);

// Every header field of a written file; the pixel data is given as bytes, so a
// test can write RLE streams and damaged files of its own.
struct cBmpLayout {
  int32_t nWidth = 1;
  int32_t nHeight = 1;  // negative: top-down
  uint16_t nBitCount = 8;
  uint32_t nCompression = 0;   // 0 RGB, 1 RLE8, 2 RLE4, 3 bit fields
  uint32_t nTableColours = 0;  // biClrUsed, and the entries written
  std::vector<cRgb> table;     // entries written (may differ from nTableColours)
  uint32_t masks[3] = {};      // written after the header with bit fields
};
std::vector<uint8_t> EncodeBmpRaw(const cBmpLayout& layout, const std::vector<uint8_t>& pixelData);

// An indexed picture at 1, 4 or 8 bits with a table of tableColours entries of
// palette (0: the full table, biClrUsed 0).
std::vector<uint8_t> EncodeBmpIndexed(const cIndexedImage& image, const cPalette256& palette, uint16_t bitCount,
                                      uint32_t tableColours, bool topDown);
// An 8-bit or 4-bit picture compressed as RLE8 or RLE4 runs (no absolute blocks).
std::vector<uint8_t> EncodeBmpRle(const cIndexedImage& image, const cPalette256& palette, uint16_t bitCount);
// 16 bits: 5-5-5 BI_RGB, or 5-6-5 with bit fields.
std::vector<uint8_t> EncodeBmp16(const cRgbImage& image, bool bitfields565, bool topDown);
// 32 bits: BI_RGB, or bit fields with the usual masks.
std::vector<uint8_t> EncodeBmp32(const cRgbImage& image, bool bitfields, bool topDown);
