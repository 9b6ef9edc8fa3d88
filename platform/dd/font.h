#pragma once
// Font: one text style of the program. Shift-JIS text is laid out in fixed
// cells of nAdvance x nLineHeight pixels (a full-width and a half-width
// character take one cell each), in one text colour, optionally with the
// letters a to z taken from a symbol sheet, and drawn through two glyph caches
// (FastFont) that turn characters into blits of pre-rendered cells.
//
//   Font& font = g_Fonts[1];
//   font.Create(face, 0, 16, 16, 16, 241, &g_SDTable[kBmpWindow], 1, 240, &g_SDTable[kBmpSymbol], 1);
//   font.DrawText(&g_SDBackBuffer, 32, 32, "ステージ１\nSTART");
//   font.DrawTextBox(&g_SDBackBuffer, 10000, 200, 0, 0, "OK", 8);   // framed, centred
//   font.Release();
//
// The glyph shapes come from one renderer (cGlyphFace) in both modes: hFont in
// DirectDraw mode, lpFont (drawn "through" lpSprite) in Direct3D mode. Text
// without a cache is composed on the keyed work surface Work and blitted to
// its destination; cached characters are blitted straight to the destination.
// Lines hold at most kFontLineBytes bytes: a longer line is cut there, at a
// character boundary.
//
// Every created font is in g_FontList, which the surface recovery walks to
// rebuild the caches (Font::Restore). A font is drawn from one thread at a time.

#include <cstdint>
#include <memory>

#include "platform/dd/fast_font.h"
#include "platform/dd/glyph_face.h"
#include "platform/dd/surface_data.h"

// The longest line the text functions take, and the formatting limits.
inline constexpr int32_t kFontLineBytes = 511;
inline constexpr int32_t kDrawTextFBytes = 255;
inline constexpr int32_t kDrawTextBoxFBytes = 511;
// x or y of a window or text box that centres it on the window background.
inline constexpr int32_t kFontCentre = 10000;

// The width and height of a text.
struct TEXTSIZE {
  int32_t cx = 0;
  int32_t cy = 0;
};

class Font {
 public:
  Font() = default;
  ~Font();
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  // False when the DirectDraw work surface cannot be made (logged, WM_CLOSE
  // posted; the font is then not listed and has no caches).
  bool Create(const char* face, int32_t glyphWidth, int32_t glyphHeight, int32_t advance, int32_t lineHeight,
              int32_t color, DDSURFACEDATA* lpWindow, int32_t frameWidth, int32_t frameColor,
              DDSURFACEDATA* lpSymbol, int32_t fontCache);
  void Release();
  void Restore();

  void DrawText(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, const char* text);
  void DrawTextF(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, const char* format, ...)
      __attribute__((format(printf, 5, 6)));
  void DrawWindow(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h);
  void DrawTextBox(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, const char* text,
                   int32_t margin);
  void DrawTextBoxF(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t w, int32_t h, const char* format, ...)
      __attribute__((format(printf, 7, 8)));
  // Size in cells: the most characters of a line x nAdvance, lines x nLineHeight.
  TEXTSIZE MeasureTextFixed(const char* text) const;
  // Size by the glyphs' own widths: the widest non-empty line, lines x nLineHeight.
  TEXTSIZE MeasureTextGdi(const char* text);

  // The character walk: glyphs not taken from a cache are drawn on target at
  // (x0, y0) + cell; cached ones are blitted to lpDstSD at (dx, dy) + cell.
  void DrawTextFixed(DDSURFACEDATA* target, int32_t x0, int32_t y0, DDSURFACEDATA* lpDstSD, int32_t dx,
                     int32_t dy, const char* text, int32_t symbols);
  // One character of n bytes with the face, placed in its cell at (x, y).
  void DrawChar(DDSURFACEDATA* target, int32_t x, int32_t y, const char* character, int32_t n);
  void DrawSymbols(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, const char* text);
  void BuildHalfCache();
  // bRebuild: draw the listed glyphs again instead of listing the set first.
  void BuildFullCache(int32_t bRebuild);

  // The face the running mode draws with (hFont or lpFont); null before Create.
  cGlyphFace* Face() const;

  int32_t nSerial = 0;
  std::unique_ptr<cGlyphFace> hFont;   // DirectDraw mode
  std::unique_ptr<cGlyphFace> lpFont;  // Direct3D mode
  cGlyphFace* lpSprite = nullptr;      // what lpFont draws through: the same face
  int32_t nFontWidth = 0;              // kept for the table; the face's own aspect is used
  int32_t nFontHeight = 0;
  int32_t nAdvance = 0;
  int32_t nLineHeight = 0;
  int32_t nColor = 0;
  uint32_t dwColor = 0;
  int32_t bCenter = 0;
  DDSURFACEDATA Work;
  DDSURFACEDATA* lpWindowSD = nullptr;
  int32_t nFrameWidth = 0;
  int32_t nFrameColor = 0;
  DDSURFACEDATA* lpSymbolSD = nullptr;
  int32_t bSymbol = 0;
  int32_t bFontCache = 0;
  std::unique_ptr<FastFont> m_lpFastFont_Half;
  std::unique_ptr<FastFont> m_lpFastFont_FullAdd;

 private:
  void ComputeColor();
  bool CreateFace(const char* face);
  void CreateCaches();
  void DestroyCaches();
  void DrawTextDirectDraw(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, const char* text);
  void DrawTextDirect3D(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, const char* text);
  TEXTSIZE Measure(const char* text);
  void DrawFullWidth(DDSURFACEDATA* target, int32_t x0, int32_t y0, DDSURFACEDATA* lpDstSD, int32_t dx,
                     int32_t dy, const char* glyph);
  void RenderIntoCell(const FASTFONTGLYPH& glyph);
  void DrawProportional(DDSURFACEDATA* target, int32_t x0, int32_t y0, const char* text);
  void DrawCacheText(FastFont& cache, const char* text);
  void RestoreDirectDraw();
  void RestoreDirect3D();
};
