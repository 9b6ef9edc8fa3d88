#pragma once
// The program's three fonts and their digit sheets.
//
//   CreateFontTable(g_Fonts.data(), g_FontTable.data(), kFontCount);
//   CreateNumberSurfaces(g_SDNumbers.data(), g_BDNumbers.data(), kFontCount, g_Fonts.data(), g_FontTable.data());
//   ... g_Fonts[1].DrawText(...), DDDrawNumber(..., &g_SDNumbers[1], ...) ...
//   for (Font& font : g_Fonts) font.Release();
//
// g_FontList holds every created font that was not released since; the surface
// recovery rebuilds their caches through it (Font::Create installs the hook).

#include <array>
#include <cstdint>
#include <vector>

#include "platform/dd/font.h"
#include "platform/dd/font_table.h"

struct BITMAPDATA;

extern std::array<Font, kFontCount> g_Fonts;
extern std::vector<Font*> g_FontList;

// Font::Create for each of the n descriptors, with the surface-table entries
// they name as window and symbol sheet. Returns 1: a failing font has closed
// the program by itself.
int32_t CreateFontTable(Font* fonts, const FONTDATA* table, int32_t n);

// Digit sheet i: (nAdvance x 10) x nLineHeight of descriptor i with the
// surface flags of bitmap entry i, then drawn with font i. Returns 1.
int32_t CreateNumberSurfaces(DDSURFACEDATA* sheets, const BITMAPDATA* bitmaps, int32_t n, Font* fonts,
                             const FONTDATA* table);

// Clears the sheet to palette number 0 and draws "0123456789" at (0, 0).
void DrawDigitSheet(DDSURFACEDATA* lpSD, Font* font);

// Bytes before the first '\n' or the end.
int32_t LineLength(const char* text);

// The surface recovery's part for the fonts: the device objects are told of
// the loss (a failure is logged), then every listed font is restored.
void FontsOnLostDevice();
void RestoreFonts();
