#pragma once
// FastFont: a glyph cache of a font, a keyed surface of equal cells that text
// drawing blits from instead of rendering each character.
//
// The half-width cache (kind 0) holds single-byte code c in cell c of a 16 x 16
// grid. The full-width cache (kind 1) lists double-byte characters as they are
// added; a character's cell is its place in the list. Adding only lists the
// character: the font renders it into its cell.
//
//   FastFont cache(1, 16, 16, 32, 30);        // 960 cells of 16 x 16
//   cache.AddGlyph("\x82\xa0");               // "あ" gets cell 0
//   ... the font draws the glyph at (GlyphList[0].nCellX, GlyphList[0].nCellY) ...
//   cache.DrawGlyph(&g_SDBackBuffer, 100, 20, "\x82\xa0", 1);   // 1: found and drawn

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "platform/dd/surface_data.h"

struct FASTFONTGLYPH {
  char szGlyph[4] = {};  // the two bytes and a zero
  int32_t nIndex = 0;    // cell number: the count at which it was added
  int32_t nCellX = 0;
  int32_t nCellY = 0;
};

inline constexpr int32_t kFastFontHalf = 0;
inline constexpr int32_t kFastFontFull = 1;

// Cells per row and rows of a cache.
struct FASTFONTGEOMETRY {
  int32_t nColumns = 0;
  int32_t nRows = 0;
};

// The half-width cache: 16 x 16 cells, one per byte value.
FASTFONTGEOMETRY HalfCacheGeometry();
// The full-width cache: as many cells as fit a 1024 x 1024 texture (Direct3D)
// or the back buffer (DirectDraw), at most 32 columns and 32 (Direct3D) or 30
// (DirectDraw) rows. An advance or line height of 0 gives no cells.
FASTFONTGEOMETRY FullCacheGeometry(int32_t bDirect3D, int32_t nAdvance, int32_t nLineHeight,
                                   int32_t nBackBufferWidth, int32_t nBackBufferHeight);

class FastFont {
 public:
  FastFont(int32_t kind, int32_t cellWidth, int32_t cellHeight, int32_t columns, int32_t rows);
  FastFont(const FastFont&) = delete;
  FastFont& operator=(const FastFont&) = delete;

  // 0 when the cache is full; else lists the glyph in the next cell and returns 1.
  int32_t AddGlyph(const char* glyph);
  // The cell of single-byte code (0 to 255) at (x, y).
  void DrawCell(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t code, int32_t flags);
  // The cell of the first listed glyph with the same two bytes at (x, y); 0 when
  // the glyph is not listed.
  int32_t DrawGlyph(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, const char* glyph, int32_t flags);

  int32_t nKind = 0;
  int32_t nCellWidth = 0;
  int32_t nCellHeight = 0;
  int32_t nColumns = 0;
  int32_t nRows = 0;
  int32_t nCapacity = 0;
  DDSURFACEDATA Surface;
  std::vector<FASTFONTGLYPH> GlyphList;
  int32_t nCount = 0;

 private:
  // The first list entry of each two-byte code: the same answer as a search of
  // the list from its start, without walking up to 1024 entries per character.
  std::unordered_map<uint32_t, int32_t> m_firstOfCode;
};
