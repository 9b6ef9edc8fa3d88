#include "tools/sample/media/canvas.h"

#include <cstdlib>

void cCanvas::Fill(int32_t x, int32_t y, int32_t w, int32_t h, uint8_t colour) {
  for (int32_t row = y; row < y + h; ++row) {
    for (int32_t col = x; col < x + w; ++col) m_Image.Set(col, row, colour);
  }
}

void cCanvas::Frame(int32_t x, int32_t y, int32_t w, int32_t h, uint8_t colour) {
  Fill(x, y, w, 1, colour);
  Fill(x, y + h - 1, w, 1, colour);
  Fill(x, y, 1, h, colour);
  Fill(x + w - 1, y, 1, h, colour);
}

void cCanvas::Oval(int32_t x, int32_t y, int32_t w, int32_t h, uint8_t colour) {
  // Inside when (2dx/w)^2 + (2dy/h)^2 <= 1, tested in integers at dot centres.
  const int64_t w2 = static_cast<int64_t>(w) * w;
  const int64_t h2 = static_cast<int64_t>(h) * h;
  for (int32_t row = 0; row < h; ++row) {
    for (int32_t col = 0; col < w; ++col) {
      const int64_t dx = 2 * col + 1 - w;
      const int64_t dy = 2 * row + 1 - h;
      if (dx * dx * h2 + dy * dy * w2 <= w2 * h2) m_Image.Set(x + col, y + row, colour);
    }
  }
}

void cCanvas::Line(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint8_t colour) {
  const int32_t dx = std::abs(x1 - x0);
  const int32_t dy = -std::abs(y1 - y0);
  const int32_t sx = x0 < x1 ? 1 : -1;
  const int32_t sy = y0 < y1 ? 1 : -1;
  int32_t error = dx + dy;
  for (;;) {
    m_Image.Set(x0, y0, colour);
    if (x0 == x1 && y0 == y1) break;
    const int32_t twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x0 += sx;
    }
    if (twice <= dx) {
      error += dx;
      y0 += sy;
    }
  }
}

void cCanvas::VerticalRamp(int32_t x, int32_t y, int32_t w, int32_t h, uint8_t first, int32_t count) {
  for (int32_t row = 0; row < h; ++row) {
    const int32_t step = h > 1 ? row * (count - 1) / (h - 1) : 0;
    Fill(x, y + row, w, 1, static_cast<uint8_t>(first + step));
  }
}

void cCanvas::Copy(const cIndexedImage& source, int32_t sx, int32_t sy, int32_t w, int32_t h, int32_t dx, int32_t dy,
                   bool half, bool keyed) {
  const int32_t scale = half ? 2 : 1;
  for (int32_t row = 0; row < h / scale; ++row) {
    for (int32_t col = 0; col < w / scale; ++col) {
      const int32_t x = sx + col * scale;
      const int32_t y = sy + row * scale;
      if (!source.Contains(x, y)) continue;
      const uint8_t colour = source.At(x, y);
      if (keyed && colour == 0) continue;
      m_Image.Set(dx + col, dy + row, colour);
    }
  }
}

void cCanvas::Recolour(int32_t x, int32_t y, int32_t w, int32_t h, uint8_t from, uint8_t to) {
  for (int32_t row = y; row < y + h; ++row) {
    for (int32_t col = x; col < x + w; ++col) {
      if (m_Image.Contains(col, row) && m_Image.At(col, row) == from) m_Image.Set(col, row, to);
    }
  }
}
