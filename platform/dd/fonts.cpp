#include "platform/dd/fonts.h"

#include <algorithm>

#include "core/globals/global_order.h"
#include "core/log/ec_log.h"
#include "platform/dd/bitmap_data.h"
#include "platform/dd/device_config.h"
#include "platform/dd/fill.h"
#include "platform/dd/surface_create.h"

VP_GLOBAL(kGlobalFontList, std::vector<Font*> g_FontList);
VP_GLOBAL(kGlobalFonts, std::array<Font, kFontCount> g_Fonts);

namespace {

constexpr int32_t kDigitCount = 10;

// A table index outside the surface table names no surface.
DDSURFACEDATA* SurfaceTableEntry(int32_t index) {
  if (g_lpSurfaceTable == nullptr || index < 0 || index >= g_nSurfaceCount) return nullptr;
  return &g_lpSurfaceTable[index];
}

}  // namespace

int32_t CreateFontTable(Font* fonts, const FONTDATA* table, int32_t n) {
  for (int32_t i = 0; i < n; ++i) {
    const FONTDATA& d = table[i];
    fonts[i].Create(d.szFace, d.nFontWidth, d.nFontHeight, d.nAdvance, d.nLineHeight, d.nColor,
                    SurfaceTableEntry(d.nWindowSurface), d.nFrameWidth, d.nFrameColor,
                    SurfaceTableEntry(d.nSymbolSurface), d.nFontCache);
  }
  return 1;
}

int32_t CreateNumberSurfaces(DDSURFACEDATA* sheets, const BITMAPDATA* bitmaps, int32_t n, Font* fonts,
                             const FONTDATA* table) {
  for (int32_t i = 0; i < n; ++i) {
    const BITMAPDATA& b = bitmaps[i];
    DDCreateSurface(&sheets[i], table[i].nAdvance * kDigitCount, table[i].nLineHeight, b.bTransparent,
                    b.bSystemMemory, b.nMemoryType, b.bShare != 0 ? sheets[i].lpShareSD : nullptr, 0);
    DrawDigitSheet(&sheets[i], &fonts[i]);
  }
  return 1;
}

void DrawDigitSheet(DDSURFACEDATA* lpSD, Font* font) {
  DDFillSurface(lpSD, 0);
  font->DrawText(lpSD, 0, 0, "0123456789");
}

int32_t LineLength(const char* text) {
  int32_t n = 0;
  while (text[n] != '\0' && text[n] != '\n') ++n;
  return n;
}

void FontsOnLostDevice() {
  for (Font* font : g_FontList) {
    for (cGlyphFace* object : {font->lpFont.get(), font->lpSprite}) {
      if (object == nullptr) continue;
      const int32_t hr = object->OnLostDevice();
      if (hr != 0) EcLog("lpFont->OnLostDevice hr = %d", hr);
    }
  }
}

void RestoreFonts() {
  // A copy: a font's restore never lists or unlists, but the list is global.
  const std::vector<Font*> fonts = g_FontList;
  for (Font* font : fonts) font->Restore();
}
