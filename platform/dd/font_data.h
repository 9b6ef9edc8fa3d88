#pragma once
// FONTDATA: how to create one of the program's fonts.

#include <cstdint>

inline constexpr int kFontFaceSize = 256;

struct FONTDATA {
  char szFace[kFontFaceSize] = {};
  int32_t nFontWidth = 0;
  int32_t nFontHeight = 0;
  int32_t nAdvance = 0;
  int32_t nLineHeight = 0;
  int32_t nColor = 0;          // text colour, a palette number
  int32_t nWindowSurface = 0;  // g_BitmapTable entry of the window frame picture
  int32_t nFrameWidth = 0;     // frame thickness
  int32_t nFrameColor = 0;     // frame colour, a palette number
  int32_t nSymbolSurface = 0;  // g_BitmapTable entry of the symbol picture
  int32_t nFontCache = 0;      // glyph cache; kFontCacheFromIni takes the System.ini key
};

// The cache value that start-up replaces by System.ini's D3D_FontCache or
// DD_FontCache.
inline constexpr int32_t kFontCacheFromIni = 2;
