#include "platform/dd/debug_text.h"

#include <cstdarg>
#include <string>

#include "core/text/str_format.h"
#include "platform/dd/blit.h"
#include "platform/dd/device_config.h"
#include "platform/dd/draw_batches.h"

namespace {

constexpr std::size_t kDebugTextLimit = 255;

int32_t GlyphRow(uint8_t g) {
  int32_t row = g / 16;
  if (g >= 0xA6 && g <= 0xBF) row -= 10;
  else if (g >= 0xC0 && g <= 0xDD) row -= 4;
  return row;
}

}  // namespace

void DDDebugText(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t nCellW, int32_t nCellH,
                 DDSURFACEDATA* lpGlyphSD, const char* text) {
  if (text == nullptr || nCellW <= 0) return;
  DDBeginSpriteBatch(0);
  int32_t offset = 0, line = y;
  for (const char* p = text; *p != '\0'; ++p) {
    const auto g = static_cast<uint8_t>(*p);
    if (g == '\n') {
      offset = 0;
      line += nCellH;
      continue;
    }
    DDBlt(lpDstSD, x + offset, line, nCellW, nCellH, lpGlyphSD, nCellW * (g % 16), nCellH * GlyphRow(g), 1);
    offset += nCellW;
    if (offset >= g_nScreenWidth) {
      offset = 0;
      line += nCellH;
    }
  }
  DDEndSpriteBatch();
}

void DDDebugPrintf(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t nCellW, int32_t nCellH,
                   DDSURFACEDATA* lpGlyphSD, const char* format, ...) {
  va_list args;
  va_start(args, format);
  const std::string text = StrVFormatLimited(kDebugTextLimit, format, args);
  va_end(args);
  DDDebugText(lpDstSD, x, y, nCellW, nCellH, lpGlyphSD, text.c_str());
}
