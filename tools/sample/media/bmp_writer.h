#pragma once
// BMP files (BITMAPINFOHEADER, uncompressed, rows bottom-up and padded to four
// bytes): 8-bit with a 256-colour table, and 24-bit true colour.

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
