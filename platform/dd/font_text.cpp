// Font: drawing text, in both modes, and the character walk.
#include <cstdarg>
#include <string>

#include "core/text/sjis.h"
#include "core/text/str_format.h"
#include "platform/dd/blit.h"
#include "platform/dd/device_records.h"
#include "platform/dd/draw_batches.h"
#include "platform/dd/draw_state.h"
#include "platform/dd/fill.h"
#include "platform/dd/font.h"
#include "platform/dd/font_lines.h"
#include "platform/dd/glyph_draw.h"
#include "platform/dd/virtual_back_buffer.h"

namespace {

// The full-width space: one empty cell.
bool IsIdeographicSpace(const char* p) {
  return static_cast<unsigned char>(p[0]) == 0x81 && static_cast<unsigned char>(p[1]) == 0x40;
}

bool IsSymbolLetter(char c) { return c >= 'a' && c <= 'z'; }

bool HasPixels(DDSURFACEDATA* lpSD) { return lpSD != nullptr && lpSD->Pixels() != nullptr; }

// Direct3D's text bracket: nothing is drawn outside a scene. Glyphs are
// written by the CPU, so the render target is switched only as the device
// expects it to be around text.
bool OpenTextBracket(DDSURFACEDATA* lpSD) {
  if (DDBeginScene() == 0) return false;
  DDSetRenderTarget(lpSD);
  return true;
}

void CloseTextBracket() {
  if (lpDTCon != nullptr && lpDTCon->lpTargetSD != nullptr) DDSetRenderTarget(lpDTCon->lpTargetSD);
}

}  // namespace

void Font::DrawText(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, const char* text) {
  if (text == nullptr) return;
  std::string cut;
  text = LinesWithin(text, kFontLineBytes, cut);
  if (lpDTCon != nullptr) {
    DrawTextDirect3D(lpDstSD, x, y, text);
  } else {
    DrawTextDirectDraw(lpDstSD, x, y, text);
  }
}

TEXTSIZE Font::Measure(const char* text) { return nAdvance != 0 ? MeasureTextFixed(text) : MeasureTextGdi(text); }

void Font::DrawTextDirectDraw(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, const char* text) {
  const TEXTSIZE size = Measure(text);
  // The keyed blit below leaves out what stays in the transparent colour.
  DDFillRect(&Work, 0, 0, size.cx, size.cy, 0);
  DrawTextFixed(&Work, 0, 0, lpDstSD, x, y, text, bSymbol);
  DDBlt(lpDstSD, x, y, size.cx, size.cy, &Work, 0, 0, 1);
  DrawSymbols(lpDstSD, x, y, text);
}

void Font::DrawTextDirect3D(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, const char* text) {
  DDResolveShareSD(&lpDstSD);
  if (lpDstSD == nullptr || !lpDstSD->lpDT) return;
  DDRedirectBackBuffer(&lpDstSD);
  const bool bracket = bFontCache == 0;
  if (lpDstSD->lpDT->nMemoryType == DTMEMORYTYPE_VIDEO_RT) {
    if (bracket && !OpenTextBracket(lpDstSD)) return;
    DrawTextFixed(lpDstSD, x, y, lpDstSD, x, y, text, bSymbol);
    DrawSymbols(lpDstSD, x, y, text);
    if (bracket) CloseTextBracket();
    return;
  }
  const TEXTSIZE size = Measure(text);
  DDFillRect(&Work, 0, 0, size.cx, size.cy, 0);
  if (bracket && !OpenTextBracket(&Work)) return;
  DrawTextFixed(&Work, 0, 0, lpDstSD, x, y, text, bSymbol);
  DrawSymbols(&Work, 0, 0, text);
  if (bracket) CloseTextBracket();
  DDBlt(lpDstSD, x, y, size.cx, size.cy, &Work, 0, 0, 1);
}

void Font::DrawTextF(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, const char* format, ...) {
  va_list args;
  va_start(args, format);
  const std::string text = StrVFormatLimited(kDrawTextFBytes, format, args);
  va_end(args);
  DrawText(lpDstSD, x, y, text.c_str());
}

void Font::DrawTextFixed(DDSURFACEDATA* target, int32_t x0, int32_t y0, DDSURFACEDATA* lpDstSD, int32_t dx,
                         int32_t dy, const char* text, int32_t symbols) {
  DDBeginSpriteBatch(1);
  if (nAdvance == 0) {
    DrawProportional(target, x0, y0, text);
    DDEndSpriteBatch();
    return;
  }
  const bool cached = bFontCache != 0 && lpDstSD != nullptr && m_lpFastFont_Half && m_lpFastFont_FullAdd;
  const bool letters = symbols != 0 && HasPixels(lpSymbolSD);
  int32_t cx = 0, cy = 0;
  for (const char* p = text; *p != '\0';) {
    if (IsSjisDoubleByte(p)) {
      if (!IsIdeographicSpace(p)) DrawFullWidth(target, x0 + cx, y0 + cy, cached ? lpDstSD : nullptr, dx + cx, dy + cy, p);
      cx += nAdvance;
      p += 2;
      continue;
    }
    const char c = *p++;
    if (c == '\n') {
      cy += nLineHeight;
      cx = 0;
      continue;
    }
    if (c != ' ' && !(letters && IsSymbolLetter(c))) {
      if (cached) {
        m_lpFastFont_Half->DrawCell(lpDstSD, dx + cx, dy + cy, static_cast<unsigned char>(c), 1);
      } else {
        DrawChar(target, x0 + cx, y0 + cy, p - 1, 1);
      }
    }
    cx += nAdvance;
  }
  DDEndSpriteBatch();
}

// A full-width character from the cache, listed and rendered into its cell on
// first use; drawn directly when there is no cache or it is full.
void Font::DrawFullWidth(DDSURFACEDATA* target, int32_t x0, int32_t y0, DDSURFACEDATA* lpDstSD, int32_t dx,
                         int32_t dy, const char* glyph) {
  if (lpDstSD != nullptr) {
    FastFont& cache = *m_lpFastFont_FullAdd;
    if (cache.DrawGlyph(lpDstSD, dx, dy, glyph, 1) != 0) return;
    if (cache.AddGlyph(glyph) != 0) {
      RenderIntoCell(cache.GlyphList.back());
      cache.DrawGlyph(lpDstSD, dx, dy, glyph, 1);
      return;
    }
  }
  DrawChar(target, x0, y0, glyph, 2);
}

void Font::RenderIntoCell(const FASTFONTGLYPH& glyph) {
  DDSURFACEDATA* cache = &m_lpFastFont_FullAdd->Surface;
  if (lpDTCon == nullptr) {
    DrawChar(cache, glyph.nCellX, glyph.nCellY, glyph.szGlyph, 2);
    return;
  }
  // The device font draws at the cell's corner, without the cell placement of DrawChar.
  if (!OpenTextBracket(cache)) return;
  const cGlyphMask* mask = Face() != nullptr ? Face()->Glyph(glyph.szGlyph, 2) : nullptr;
  if (mask != nullptr) DrawGlyphMask(cache, glyph.nCellX, glyph.nCellY, *mask, TextPixelOf(cache, nColor, dwColor));
  CloseTextBracket();
}

void Font::DrawChar(DDSURFACEDATA* target, int32_t x, int32_t y, const char* character, int32_t n) {
  cGlyphFace* face = Face();
  const cGlyphMask* mask = face != nullptr ? face->Glyph(character, n) : nullptr;
  if (mask == nullptr || target == nullptr) return;
  if (bCenter != 0) {
    x += (nAdvance >> 1) - (mask->nWidth >> 1);
    y += (nLineHeight >> 1) - (mask->nHeight >> 1);
  } else if (n == 1) {
    x += nAdvance >> 3;
    y += (nLineHeight >> 4) - 1;
  }
  // With the cache on, no bracket is open around a character drawn directly.
  const bool ownBracket = lpDTCon != nullptr && bFontCache != 0;
  if (ownBracket && !OpenTextBracket(target)) return;
  DrawGlyphMask(target, x, y, *mask, TextPixelOf(target, nColor, dwColor));
  if (ownBracket) CloseTextBracket();
}

void Font::DrawProportional(DDSURFACEDATA* target, int32_t x0, int32_t y0, const char* text) {
  cGlyphFace* face = Face();
  int32_t x = x0, y = y0;
  for (const char* p = text; *p != '\0';) {
    if (*p == '\n') {
      x = x0;
      y += nLineHeight;
      ++p;
      continue;
    }
    const int32_t n = IsSjisDoubleByte(p) ? 2 : 1;
    const cGlyphMask* mask = face != nullptr ? face->Glyph(p, n) : nullptr;
    if (mask != nullptr) {
      DrawGlyphMask(target, x, y, *mask, TextPixelOf(target, nColor, dwColor));
      x += mask->nWidth;
    }
    p += n;
  }
}

void Font::DrawSymbols(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, const char* text) {
  if (bSymbol == 0 || !HasPixels(lpSymbolSD) || nAdvance == 0) return;
  DDBeginSpriteBatch(0);
  int32_t cx = 0, cy = 0;
  for (const char* p = text; *p != '\0';) {
    if (IsSjisDoubleByte(p)) {
      cx += nAdvance;
      p += 2;
      continue;
    }
    const char c = *p++;
    if (c == '\n') {
      cy += nLineHeight;
      cx = 0;
      continue;
    }
    if (IsSymbolLetter(c)) {
      DDBlt(lpDstSD, x + cx, y + cy, nAdvance, nLineHeight, lpSymbolSD, (c - 'a') * nAdvance, 0, 1);
    }
    cx += nAdvance;
  }
  DDEndSpriteBatch();
}
