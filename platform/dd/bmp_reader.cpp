#include "platform/dd/bmp_reader.h"

#include <fstream>
#include <iterator>

#include "core/path/host_path.h"

namespace {

constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiRle8 = 1;
constexpr uint32_t kBiRle4 = 2;
constexpr uint32_t kBiBitfields = 3;
constexpr std::size_t kFileHeaderSize = 14;
constexpr int64_t kMaxSide = 32767;

// Little-endian reads at checked offsets.
class cBmpBytes {
 public:
  cBmpBytes(const uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
  bool Has(std::size_t offset, std::size_t count) const { return offset <= m_size && count <= m_size - offset; }
  uint8_t U8(std::size_t o) const { return m_data[o]; }
  uint16_t U16(std::size_t o) const { return static_cast<uint16_t>(m_data[o] | m_data[o + 1] << 8); }
  uint32_t U32(std::size_t o) const {
    return static_cast<uint32_t>(m_data[o]) | static_cast<uint32_t>(m_data[o + 1]) << 8 |
           static_cast<uint32_t>(m_data[o + 2]) << 16 | static_cast<uint32_t>(m_data[o + 3]) << 24;
  }
  std::size_t Size() const { return m_size; }

 private:
  const uint8_t* m_data;
  std::size_t m_size;
};

struct cBmpHeader {
  uint32_t headerSize = 0;
  int64_t width = 0, height = 0;
  bool topDown = false;
  uint32_t bitCount = 0, compression = 0, colours = 0;
  uint32_t masks[3] = {};
  std::size_t tableOffset = 0, tableEntrySize = 4;
  uint32_t pixelOffset = 0;
};

bool Fail(std::string* reason, const char* text) {
  if (reason != nullptr) *reason = text;
  return false;
}

bool ReadHeader(const cBmpBytes& in, cBmpHeader* h, std::string* reason) {
  if (!in.Has(0, kFileHeaderSize + 4)) return Fail(reason, "file shorter than its headers");
  if (in.U8(0) != 'B' || in.U8(1) != 'M') return Fail(reason, "not a BMP file");
  h->pixelOffset = in.U32(10);
  h->headerSize = in.U32(kFileHeaderSize);
  const std::size_t info = kFileHeaderSize;
  if (h->headerSize == 12) {
    if (!in.Has(info, 12)) return Fail(reason, "file shorter than its headers");
    h->width = in.U16(info + 4);
    h->height = static_cast<int16_t>(in.U16(info + 6));
    if (in.U16(info + 8) != 1) return Fail(reason, "planes not 1");
    h->bitCount = in.U16(info + 10);
    h->tableEntrySize = 3;
  } else if (h->headerSize == 40 || h->headerSize == 52 || h->headerSize == 56 || h->headerSize == 108 ||
             h->headerSize == 124) {
    if (!in.Has(info, h->headerSize)) return Fail(reason, "file shorter than its headers");
    h->width = static_cast<int32_t>(in.U32(info + 4));
    h->height = static_cast<int32_t>(in.U32(info + 8));
    if (in.U16(info + 12) != 1) return Fail(reason, "planes not 1");
    h->bitCount = in.U16(info + 14);
    h->compression = in.U32(info + 16);
    h->colours = in.U32(info + 32);
  } else {
    return Fail(reason, "unknown header size");
  }
  h->tableOffset = info + h->headerSize;
  h->topDown = h->height < 0;
  if (h->topDown) h->height = -h->height;
  if (h->width < 1 || h->width > kMaxSide || h->height < 1 || h->height > kMaxSide) {
    return Fail(reason, "size outside 1 to 32767");
  }
  return true;
}

bool CheckFormat(const cBmpBytes& in, cBmpHeader* h, std::string* reason) {
  const uint32_t b = h->bitCount;
  switch (h->compression) {
    case kBiRgb:
      if (b != 1 && b != 4 && b != 8 && b != 16 && b != 24 && b != 32) return Fail(reason, "bit count");
      if (b == 16) {
        h->masks[0] = 0x7C00, h->masks[1] = 0x03E0, h->masks[2] = 0x001F;
      } else if (b == 32) {
        h->masks[0] = 0xFF0000, h->masks[1] = 0xFF00, h->masks[2] = 0xFF;
      }
      break;
    case kBiRle8:
    case kBiRle4:
      if (b != (h->compression == kBiRle8 ? 8u : 4u)) return Fail(reason, "RLE with a wrong bit count");
      if (h->topDown) return Fail(reason, "top-down RLE");
      break;
    case kBiBitfields: {
      if (b != 16 && b != 32) return Fail(reason, "bit fields with a wrong bit count");
      // Masks follow a 40-byte header; later headers hold them inside.
      const std::size_t at = kFileHeaderSize + 40;
      if (!in.Has(at, 12)) return Fail(reason, "bit fields past the end");
      for (int i = 0; i < 3; ++i) h->masks[i] = in.U32(at + 4 * static_cast<std::size_t>(i));
      if (h->headerSize == 40) h->tableOffset += 12;
      for (uint32_t mask : h->masks) {
        if (mask == 0) return Fail(reason, "empty bit field");
      }
      break;
    }
    default: return Fail(reason, "unknown compression");
  }
  return true;
}

bool ReadColourTable(const cBmpBytes& in, const cBmpHeader& h, cBmpImage* out, std::string* reason) {
  if (h.bitCount > 8) return true;
  const uint32_t full = 1u << h.bitCount;
  const uint32_t count = h.headerSize == 12 || h.colours == 0 ? full : h.colours;
  if (count > full) return Fail(reason, "colour table longer than the bit count allows");
  if (!in.Has(h.tableOffset, static_cast<std::size_t>(count) * h.tableEntrySize)) {
    return Fail(reason, "colour table past the end");
  }
  out->palette.assign(full, cBmpColour{});
  for (uint32_t i = 0; i < count; ++i) {
    const std::size_t at = h.tableOffset + static_cast<std::size_t>(i) * h.tableEntrySize;
    out->palette[i] = {in.U8(at + 2), in.U8(at + 1), in.U8(at)};
  }
  out->nTableColours = static_cast<int32_t>(count);
  return true;
}

// The image row a file row fills.
int32_t TargetRow(const cBmpHeader& h, int64_t fileRow) {
  return static_cast<int32_t>(h.topDown ? fileRow : h.height - 1 - fileRow);
}

// A bit-field channel widened to 8 bits by repeating its bits, so the full
// value is 255 and the 5- and 6-bit layouts read as the display widens them.
uint32_t ExtractChannel(uint32_t pixel, uint32_t mask) {
  int shift = 0;
  while (((mask >> shift) & 1u) == 0) ++shift;
  const uint32_t v = (pixel & mask) >> shift;
  int bits = 0;
  while (bits < 32 && ((mask >> shift) >> bits) != 0) ++bits;
  if (bits >= 8) return v >> (bits - 8);
  uint32_t wide = 0;
  int filled = 0;
  while (filled < 8) {
    wide = wide << bits | v;
    filled += bits;
  }
  return wide >> (filled - 8);
}

bool ReadUncompressed(const cBmpBytes& in, const cBmpHeader& h, cBmpImage* out, std::string* reason) {
  const uint64_t stride = (static_cast<uint64_t>(h.width) * h.bitCount + 31) / 32 * 4;
  const uint64_t needed = stride * static_cast<uint64_t>(h.height);
  if (h.pixelOffset > in.Size() || needed > in.Size() - h.pixelOffset) return Fail(reason, "pixel data past the end");
  const auto w = static_cast<int32_t>(h.width);
  for (int64_t fileRow = 0; fileRow < h.height; ++fileRow) {
    const std::size_t row = h.pixelOffset + static_cast<std::size_t>(stride * static_cast<uint64_t>(fileRow));
    const std::size_t outRow = static_cast<std::size_t>(TargetRow(h, fileRow)) * static_cast<std::size_t>(w);
    for (int32_t x = 0; x < w; ++x) {
      const auto ux = static_cast<std::size_t>(x);
      switch (h.bitCount) {
        case 1: out->indices[outRow + ux] = (in.U8(row + ux / 8) >> (7 - ux % 8)) & 1; break;
        case 4: out->indices[outRow + ux] = (in.U8(row + ux / 2) >> (ux % 2 == 0 ? 4 : 0)) & 0xF; break;
        case 8: out->indices[outRow + ux] = in.U8(row + ux); break;
        case 24: {
          const std::size_t at = row + ux * 3;
          out->pixels[outRow + ux] = static_cast<uint32_t>(in.U8(at + 2)) << 16 |
                                     static_cast<uint32_t>(in.U8(at + 1)) << 8 | in.U8(at);
          break;
        }
        default: {
          const uint32_t p = h.bitCount == 16 ? in.U16(row + ux * 2) : in.U32(row + ux * 4);
          out->pixels[outRow + ux] = ExtractChannel(p, h.masks[0]) << 16 | ExtractChannel(p, h.masks[1]) << 8 |
                                     ExtractChannel(p, h.masks[2]);
          break;
        }
      }
    }
  }
  return true;
}

// RLE8 and RLE4: runs and absolute blocks, with end-of-line, end-of-bitmap and
// delta escapes. Pixels no run reaches stay index 0.
bool ReadRle(const cBmpBytes& in, const cBmpHeader& h, cBmpImage* out, std::string* reason) {
  const bool four = h.compression == kBiRle4;
  const int64_t w = h.width;
  std::size_t at = h.pixelOffset;
  int64_t x = 0, fileRow = 0;
  const auto put = [&](uint8_t index) {
    out->indices[static_cast<std::size_t>(TargetRow(h, fileRow)) * static_cast<std::size_t>(w) +
                 static_cast<std::size_t>(x)] = index;
    ++x;
  };
  while (true) {
    if (!in.Has(at, 2)) return Fail(reason, "RLE data past the end");
    const uint8_t count = in.U8(at), value = in.U8(at + 1);
    at += 2;
    if (count > 0) {
      if (fileRow >= h.height || x + count > w) return Fail(reason, "RLE run leaves the row");
      for (int i = 0; i < count; ++i) put(four ? ((i % 2 == 0) ? value >> 4 : value & 0xF) : value);
      continue;
    }
    if (value == 0) {
      x = 0;
      ++fileRow;
      continue;
    }
    if (value == 1) return true;
    if (value == 2) {
      if (!in.Has(at, 2)) return Fail(reason, "RLE data past the end");
      x += in.U8(at);
      fileRow += in.U8(at + 1);
      at += 2;
      if (x > w || fileRow > h.height) return Fail(reason, "RLE delta leaves the image");
      continue;
    }
    const std::size_t bytes = four ? (value + 1u) / 2u : value;
    const std::size_t padded = (bytes + 1u) & ~static_cast<std::size_t>(1);
    if (!in.Has(at, padded)) return Fail(reason, "RLE data past the end");
    if (fileRow >= h.height || x + value > w) return Fail(reason, "RLE run leaves the row");
    for (std::size_t i = 0; i < value; ++i) {
      const uint8_t byte = in.U8(at + (four ? i / 2 : i));
      put(four ? ((i % 2 == 0) ? byte >> 4 : byte & 0xF) : byte);
    }
    at += padded;
  }
}

}  // namespace

uint32_t cBmpImage::Rgb(int32_t x, int32_t y) const {
  if (!Indexed()) return pixels[static_cast<std::size_t>(y) * nWidth + x];
  const cBmpColour& c = palette[IndexAt(x, y)];
  return static_cast<uint32_t>(c.r) << 16 | static_cast<uint32_t>(c.g) << 8 | c.b;
}

bool ReadBmp(const uint8_t* data, std::size_t size, cBmpImage* out, std::string* reason) {
  if (data == nullptr || out == nullptr) return Fail(reason, "no data");
  const cBmpBytes in(data, size);
  cBmpHeader h;
  if (!ReadHeader(in, &h, reason) || !CheckFormat(in, &h, reason)) return false;
  cBmpImage image;
  if (!ReadColourTable(in, h, &image, reason)) return false;
  image.nWidth = static_cast<int32_t>(h.width);
  image.nHeight = static_cast<int32_t>(h.height);
  image.nBitCount = static_cast<int32_t>(h.bitCount);
  const std::size_t count = static_cast<std::size_t>(h.width) * static_cast<std::size_t>(h.height);
  if (image.Indexed()) image.indices.assign(count, 0);
  else image.pixels.assign(count, 0);
  const bool ok = h.compression == kBiRle8 || h.compression == kBiRle4 ? ReadRle(in, h, &image, reason)
                                                                          : ReadUncompressed(in, h, &image, reason);
  if (!ok) return false;
  *out = std::move(image);
  return true;
}

bool LoadBmpFile(const char* dataPath, cBmpImage* out, std::string* reason) {
  if (dataPath == nullptr || *dataPath == '\0') return Fail(reason, "no file name");
  const std::string host = ResolveDataPath(dataPath);
  std::ifstream file(host, std::ios::binary);
  if (!file) return Fail(reason, "cannot be opened");
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  return ReadBmp(bytes.data(), bytes.size(), out, reason);
}
