#pragma once
// Our own BMP reader, free of SDL: the pictures of a project, checked against the
// file before a byte is read.
//
// Takes core (OS/2) and info headers (also V4 and V5), 1, 4 and 8 bits with
// colour tables (biClrUsed; 0 = 2^n), RLE4 and RLE8, 16 and 32 bits as BI_RGB
// or BI_BITFIELDS, 24 bits, bottom-up and top-down. Sides 1 to 32767. A damaged
// file is refused with a reason: header fields, the colour table's length, the
// pixel offset, row stride and data length, and every RLE run (none may leave
// its row or the image) are checked.
//
//   cBmpImage image;
//   std::string reason;
//   if (!ReadBmp(bytes.data(), bytes.size(), &image, &reason)) ReportLog("%s", reason.c_str());
//   uint32_t rgb = image.Rgb(0, 0);   // 0x00RRGGBB of the top-left pixel

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct cBmpColour {
  uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const cBmpColour&, const cBmpColour&) = default;
};

struct cBmpImage {
  int32_t nWidth = 0;
  int32_t nHeight = 0;
  int32_t nBitCount = 0;  // as the file has it: 1, 4, 8, 16, 24 or 32
  // Pictures of 8 bits or fewer: 2^n entries; those the file's table does not
  // hold are black. nTableColours counts the ones it holds.
  std::vector<cBmpColour> palette;
  int32_t nTableColours = 0;
  // One byte per pixel for pictures of 8 bits or fewer (palette indices), else
  // 0x00RRGGBB; top row first.
  std::vector<uint8_t> indices;
  std::vector<uint32_t> pixels;

  bool Indexed() const { return nBitCount <= 8; }
  uint8_t IndexAt(int32_t x, int32_t y) const { return indices[static_cast<std::size_t>(y) * nWidth + x]; }
  // The pixel's colour as 0x00RRGGBB, through the palette when indexed.
  uint32_t Rgb(int32_t x, int32_t y) const;
};

bool ReadBmp(const uint8_t* data, std::size_t size, cBmpImage* out, std::string* reason);

// Reads a data path (CP932, backslashes) through ResolveDataPath.
bool LoadBmpFile(const char* dataPath, cBmpImage* out, std::string* reason);
