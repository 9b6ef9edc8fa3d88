#pragma once
// Drawing on a picture of palette indices: the few shapes the sample's
// pictures are made of. Everything is clipped to the picture.

#include <cstdint>

#include "tools/sample/media/bmp_writer.h"

class cCanvas {
 public:
  explicit cCanvas(cIndexedImage& image) : m_Image(image) {}

  int32_t Width() const { return m_Image.nWidth; }
  int32_t Height() const { return m_Image.nHeight; }

  void Dot(int32_t x, int32_t y, uint8_t colour) { m_Image.Set(x, y, colour); }
  void Fill(int32_t x, int32_t y, int32_t w, int32_t h, uint8_t colour);
  // A one-dot outline.
  void Frame(int32_t x, int32_t y, int32_t w, int32_t h, uint8_t colour);
  // A filled ellipse inside the box.
  void Oval(int32_t x, int32_t y, int32_t w, int32_t h, uint8_t colour);
  void Line(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint8_t colour);
  // Rows from top to bottom through count consecutive palette entries.
  void VerticalRamp(int32_t x, int32_t y, int32_t w, int32_t h, uint8_t first, int32_t count);
  // Copies a rectangle of another picture, halving it when half is set;
  // transparent (index 0) dots of the source are skipped when keyed.
  void Copy(const cIndexedImage& source, int32_t sx, int32_t sy, int32_t w, int32_t h, int32_t dx, int32_t dy,
            bool half = false, bool keyed = false);
  // Replaces every dot of colour from by to inside the rectangle.
  void Recolour(int32_t x, int32_t y, int32_t w, int32_t h, uint8_t from, uint8_t to);

 private:
  cIndexedImage& m_Image;
};
