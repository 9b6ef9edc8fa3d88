// Font: framed windows and text boxes.
#include <cstdarg>
#include <string>

#include "core/text/str_format.h"
#include "platform/dd/font.h"
#include "platform/dd/font_lines.h"
#include "platform/dd/frame_draw.h"

namespace {

// kFontCentre centres the box on the window background.
int32_t CentredOn(int32_t v, int32_t backgroundSide, int32_t side) {
  return v == kFontCentre ? (backgroundSide >> 1) - (side >> 1) : v;
}

}  // namespace

void Font::DrawWindow(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h) {
  const int32_t bgWidth = lpWindowSD != nullptr ? lpWindowSD->nWidth : 0;
  const int32_t bgHeight = lpWindowSD != nullptr ? lpWindowSD->nHeight : 0;
  DDBltFramed(lpDstSD, CentredOn(x, bgWidth, w), CentredOn(y, bgHeight, h), w, h, lpWindowSD, nFrameWidth,
              static_cast<uint32_t>(nFrameColor));
}

void Font::DrawTextBox(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, const char* text,
                       int32_t margin) {
  if (text == nullptr) text = "";
  if (w == 0 || h == 0) {
    std::string cut;
    const TEXTSIZE size = Measure(LinesWithin(text, kFontLineBytes, cut));
    if (w == 0) w = size.cx + margin;
    if (h == 0) h = size.cy;
  }
  const int32_t bgWidth = lpWindowSD != nullptr ? lpWindowSD->nWidth : 0;
  const int32_t bgHeight = lpWindowSD != nullptr ? lpWindowSD->nHeight : 0;
  x = CentredOn(x, bgWidth, w);
  y = CentredOn(y, bgHeight, h);
  DDBltFramed(lpDstSD, x, y, w, h, lpWindowSD, nFrameWidth, static_cast<uint32_t>(nFrameColor));
  DrawText(lpDstSD, x + margin, y, text);
}

void Font::DrawTextBoxF(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, const char* format,
                        ...) {
  va_list args;
  va_start(args, format);
  const std::string text = StrVFormatLimited(kDrawTextBoxFBytes, format, args);
  va_end(args);
  DrawTextBox(lpDstSD, x, y, w, h, text.c_str(), 0);
}
