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
