#pragma once
// Text from a 16-column glyph sheet: the frame-rate overlay and tools.
// Half-width katakana sit on rows 0-1 and 8-9 of the sheet, ASCII on rows 2-7.

#include <cstdint>

struct DDSURFACEDATA;

void DDDebugText(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t nCellW, int32_t nCellH,
                 DDSURFACEDATA* lpGlyphSD, const char* text);
// Formats at most 255 bytes, cut at a character boundary, then DDDebugText.
void DDDebugPrintf(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t nCellW, int32_t nCellH,
                   DDSURFACEDATA* lpGlyphSD, const char* format, ...) __attribute__((format(printf, 7, 8)));
