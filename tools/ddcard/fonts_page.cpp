#include "tools/ddcard/fonts_page.h"

#include <cstring>
#include <string>

#include "core/text/sjis.h"
#include "platform/dd/blit.h"
#include "platform/dd/fill.h"
#include "platform/dd/fonts.h"
#include "platform/dd/full_width_set.h"
#include "platform/dd/screen_surfaces.h"
#include "platform/dd/surface_create.h"
#include "platform/dd/surface_tables.h"
#include "records/project/font_face_names.h"
#include "records/settings/system_data.h"

namespace {

// The automatic cache switch is on in both modes here (a new project's
// System.ini has it off in Direct3D): cached text clips each glyph to its
// cell and direct text does not, so only with one switch do the pages of the
// two modes compare pixel for pixel.
constexpr int32_t kPageFontCache = 1;

std::array<FONTDATA, kFontCount> StartupFontTable(const cSystemData& settings) {
  std::array<FONTDATA, kFontCount> table = g_FontTable;
  const bool known = settings.m_nFontFace >= 0 && static_cast<std::size_t>(settings.m_nFontFace) <= kFontFaceCount;
  const char* face = known ? g_FontFaceNames[settings.m_nFontFace] : "";
  for (FONTDATA& font : table) {
    std::strncpy(font.szFace, face, sizeof(font.szFace) - 1);
    if (font.nFontCache == kFontCacheFromIni) font.nFontCache = kPageFontCache;
  }
  return table;
}

// count characters of the full-width set from first, in rows of perRow.
std::string FullWidthRows(int32_t first, int32_t count, int32_t perRow) {
  std::string text;
  for (int32_t i = 0; i < count; ++i) {
    if (i > 0 && i % perRow == 0) text += '\n';
    text.append(kFullWidthSet + 2 * (first + i), 2);
  }
  return text;
}

// The printable single-byte codes from..to, in rows of perRow.
std::string HalfWidthRows(int32_t from, int32_t to, int32_t perRow) {
  std::string text;
  for (int32_t c = from; c <= to; ++c) {
    if (c > from && (c - from) % perRow == 0) text += '\n';
    text += static_cast<char>(c);
  }
  return text;
}

void DrawCharacterSets() {
  Font& small = g_Fonts[0];
  Font& message = g_Fonts[1];
  Font& heading = g_Fonts[2];
  DDSURFACEDATA* back = &g_SDBackBuffer;
  small.DrawText(back, 8, 8, HalfWidthRows(0x20, 0x7E, 48).c_str());
  small.DrawText(back, 8, 32, HalfWidthRows(0xA1, 0xDF, 63).c_str());
  small.DrawText(back, 8, 48, FullWidthRows(0, kFullWidthSetCount, 32).c_str());
  message.DrawText(back, 8, 136, FullWidthRows(0, kFullWidthSetCount, 32).c_str());
  message.DrawText(back, 8, 272, HalfWidthRows(0x20, 0x5F, 32).c_str());
  // Letters from the symbol sheet: font 1 is the one start-up may switch them on for.
  message.bSymbol = 1;
  message.DrawText(back, 8, 304, "abcdefghijklmnopqrstuvwxyz");
  message.bSymbol = 0;
  heading.DrawText(back, 8, 328, FullWidthRows(0, 19, 19).c_str());
  heading.DrawText(back, 8, 360, "ABCxyz0189ｱｲｳ");
}

void DrawBoxAndSheets() {
  DDSURFACEDATA* back = &g_SDBackBuffer;
  g_Fonts[1].DrawTextBox(back, 344, 400, 0, 0, "テキストボックス\nText box 123", 8);
  g_Fonts[0].DrawWindow(back, 344, 448, 120, 20);
  for (int32_t i = 0; i < kFontCount; ++i) {
    DDSURFACEDATA& sheet = g_SDNumbers[static_cast<std::size_t>(i)];
    DDBlt(back, 8, 400 + 24 * i, sheet.nWidth, sheet.nHeight, &sheet, 0, 0, 1);
  }
}

}  // namespace

void DrawFontsPage(const cSystemData& settings) {
  DDFillRect(&g_SDBackBuffer, 0, 0, 640, 480, 16);
  const std::array<FONTDATA, kFontCount> table = StartupFontTable(settings);
  CreateFontTable(g_Fonts.data(), table.data(), kFontCount);
  g_Fonts[0].bSymbol = 0;
  g_Fonts[1].bSymbol = 0;
  g_Fonts[2].bSymbol = 0;
  g_Fonts[1].bCenter = settings.m_bCenterGlyphs;
  CreateNumberSurfaces(g_SDNumbers.data(), g_BDNumbers.data(), kFontCount, g_Fonts.data(), table.data());
  DrawCharacterSets();
  DrawBoxAndSheets();
  for (Font& font : g_Fonts) font.Release();
  for (DDSURFACEDATA& sheet : g_SDNumbers) DDReleaseSurface(&sheet);
}
