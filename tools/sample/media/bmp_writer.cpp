#include "tools/sample/media/bmp_writer.h"

#include "tools/sample/media/byte_writer.h"

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr int32_t kPixelsPerMetre = 2835;  // 72 dots per inch

uint32_t RowStride(int32_t width, int32_t bitsPerPixel) {
  return ((static_cast<uint32_t>(width) * bitsPerPixel + 31) / 32) * 4;
}

// BITMAPFILEHEADER and BITMAPINFOHEADER of an uncompressed bottom-up picture.
void WriteHeaders(cByteWriter& out, int32_t width, int32_t height, int32_t bitsPerPixel, uint32_t colours) {
  const uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + colours * 4;
  const uint32_t imageSize = RowStride(width, bitsPerPixel) * static_cast<uint32_t>(height);
  out.Text("BM").U32LE(pixelOffset + imageSize).U16LE(0).U16LE(0).U32LE(pixelOffset);
  out.U32LE(kInfoHeaderSize).I32LE(width).I32LE(height).U16LE(1).U16LE(bitsPerPixel);
  out.U32LE(0).U32LE(imageSize).I32LE(kPixelsPerMetre).I32LE(kPixelsPerMetre);
  out.U32LE(colours).U32LE(0);
}

}  // namespace

std::vector<uint8_t> EncodeBmp8(const cIndexedImage& image, const cPalette256& palette) {
  cByteWriter out;
  WriteHeaders(out, image.nWidth, image.nHeight, 8, 256);
  for (const cRgb& colour : palette) out.U8(colour.b).U8(colour.g).U8(colour.r).U8(0);
  const uint32_t padding = RowStride(image.nWidth, 8) - static_cast<uint32_t>(image.nWidth);
  for (int32_t y = image.nHeight - 1; y >= 0; --y) {
    for (int32_t x = 0; x < image.nWidth; ++x) out.U8(image.At(x, y));
    out.Zeros(padding);
  }
  return out.Take();
}

std::vector<uint8_t> EncodeBmp24(const cRgbImage& image) {
  cByteWriter out;
  WriteHeaders(out, image.nWidth, image.nHeight, 24, 0);
  const uint32_t padding = RowStride(image.nWidth, 24) - static_cast<uint32_t>(image.nWidth) * 3;
  for (int32_t y = image.nHeight - 1; y >= 0; --y) {
    for (int32_t x = 0; x < image.nWidth; ++x) {
      const cRgb& c = image.pixels[static_cast<std::size_t>(y) * image.nWidth + x];
      out.U8(c.b).U8(c.g).U8(c.r);
    }
    out.Zeros(padding);
  }
  return out.Take();
}

std::vector<uint8_t> EncodeBmpRaw(const cBmpLayout& layout, const std::vector<uint8_t>& pixelData) {
  const uint32_t masksSize = layout.nCompression == 3 ? 12 : 0;
  const auto tableSize = static_cast<uint32_t>(layout.table.size() * 4);
  const uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + masksSize + tableSize;
  cByteWriter out;
  out.Text("BM").U32LE(pixelOffset + static_cast<uint32_t>(pixelData.size())).U16LE(0).U16LE(0).U32LE(pixelOffset);
  out.U32LE(kInfoHeaderSize).I32LE(layout.nWidth).I32LE(layout.nHeight).U16LE(1).U16LE(layout.nBitCount);
  out.U32LE(layout.nCompression).U32LE(static_cast<uint32_t>(pixelData.size()));
  out.I32LE(kPixelsPerMetre).I32LE(kPixelsPerMetre).U32LE(layout.nTableColours).U32LE(0);
  if (masksSize != 0) out.U32LE(layout.masks[0]).U32LE(layout.masks[1]).U32LE(layout.masks[2]);
  for (const cRgb& colour : layout.table) out.U8(colour.b).U8(colour.g).U8(colour.r).U8(0);
  out.Raw(pixelData);
  return out.Take();
}

namespace {

// Rows in file order: bottom-up unless topDown.
template <class RowFn>
std::vector<uint8_t> PackRows(int32_t width, int32_t height, int32_t bitCount, bool topDown, RowFn writeRow) {
  cByteWriter out;
  const uint32_t stride = RowStride(width, bitCount);
  for (int32_t i = 0; i < height; ++i) {
    const int32_t y = topDown ? i : height - 1 - i;
    std::vector<uint8_t> row(stride, 0);
    writeRow(y, row);
    out.Raw(row);
  }
  return out.Take();
}

cBmpLayout LayoutOf(int32_t width, int32_t height, uint16_t bitCount, bool topDown) {
  cBmpLayout layout;
  layout.nWidth = width;
  layout.nHeight = topDown ? -height : height;
  layout.nBitCount = bitCount;
  return layout;
}

void Put16(std::vector<uint8_t>& row, int32_t x, uint32_t v) {
  row[static_cast<std::size_t>(x) * 2] = static_cast<uint8_t>(v);
  row[static_cast<std::size_t>(x) * 2 + 1] = static_cast<uint8_t>(v >> 8);
}

}  // namespace

std::vector<uint8_t> EncodeBmpIndexed(const cIndexedImage& image, const cPalette256& palette, uint16_t bitCount,
                                      uint32_t tableColours, bool topDown) {
  cBmpLayout layout = LayoutOf(image.nWidth, image.nHeight, bitCount, topDown);
  const uint32_t full = 1u << bitCount;
  layout.nTableColours = tableColours;
  layout.table.assign(palette.begin(), palette.begin() + (tableColours == 0 ? full : tableColours));
  const auto pixels = PackRows(image.nWidth, image.nHeight, bitCount, topDown, [&](int32_t y, std::vector<uint8_t>& row) {
    for (int32_t x = 0; x < image.nWidth; ++x) {
      const uint32_t index = image.At(x, y) & (full - 1);
      const std::size_t bit = static_cast<std::size_t>(x) * bitCount;
      row[bit / 8] |= static_cast<uint8_t>(index << (8 - bitCount - bit % 8));
    }
  });
  return EncodeBmpRaw(layout, pixels);
}

std::vector<uint8_t> EncodeBmpRle(const cIndexedImage& image, const cPalette256& palette, uint16_t bitCount) {
  cBmpLayout layout = LayoutOf(image.nWidth, image.nHeight, bitCount, false);
  layout.nCompression = bitCount == 8 ? 1 : 2;
  layout.table.assign(palette.begin(), palette.begin() + (1 << bitCount));
  cByteWriter out;
  for (int32_t y = image.nHeight - 1; y >= 0; --y) {
    int32_t x = 0;
    while (x < image.nWidth) {
      int32_t run = 1;
      while (x + run < image.nWidth && run < 255 && image.At(x + run, y) == image.At(x, y)) ++run;
      const uint32_t v = image.At(x, y);
      out.U8(static_cast<uint32_t>(run)).U8(bitCount == 8 ? v : (v & 0xF) << 4 | (v & 0xF));
      x += run;
    }
    out.U8(0).U8(0);
  }
  out.U8(0).U8(1);
  return EncodeBmpRaw(layout, out.Take());
}

std::vector<uint8_t> EncodeBmp16(const cRgbImage& image, bool bitfields565, bool topDown) {
  cBmpLayout layout = LayoutOf(image.nWidth, image.nHeight, 16, topDown);
  if (bitfields565) {
    layout.nCompression = 3;
    layout.masks[0] = 0xF800, layout.masks[1] = 0x07E0, layout.masks[2] = 0x001F;
  }
  const auto pixels = PackRows(image.nWidth, image.nHeight, 16, topDown, [&](int32_t y, std::vector<uint8_t>& row) {
    for (int32_t x = 0; x < image.nWidth; ++x) {
      const cRgb& c = image.pixels[static_cast<std::size_t>(y) * image.nWidth + x];
      const uint32_t v = bitfields565 ? (c.r >> 3) << 11 | (c.g >> 2) << 5 | c.b >> 3
                                      : (c.r >> 3) << 10 | (c.g >> 3) << 5 | c.b >> 3;
      Put16(row, x, v);
    }
  });
  return EncodeBmpRaw(layout, pixels);
}

std::vector<uint8_t> EncodeBmp32(const cRgbImage& image, bool bitfields, bool topDown) {
  cBmpLayout layout = LayoutOf(image.nWidth, image.nHeight, 32, topDown);
  if (bitfields) {
    layout.nCompression = 3;
    layout.masks[0] = 0xFF0000, layout.masks[1] = 0xFF00, layout.masks[2] = 0xFF;
  }
  const auto pixels = PackRows(image.nWidth, image.nHeight, 32, topDown, [&](int32_t y, std::vector<uint8_t>& row) {
    for (int32_t x = 0; x < image.nWidth; ++x) {
      const cRgb& c = image.pixels[static_cast<std::size_t>(y) * image.nWidth + x];
      const std::size_t at = static_cast<std::size_t>(x) * 4;
      row[at] = c.b, row[at + 1] = c.g, row[at + 2] = c.r, row[at + 3] = 0;
    }
  });
  return EncodeBmpRaw(layout, pixels);
}
