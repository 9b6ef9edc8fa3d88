#include "platform/dd/fast_font.h"

#include <algorithm>

#include "platform/dd/blit.h"
#include "platform/dd/surface_create.h"

namespace {

constexpr int32_t kHalfCacheSide = 16;

// The full-width cache's bounds per mode: the area its surface may take and
// the most columns and rows.
struct cFullCacheBounds {
  int32_t nMaxColumns;
  int32_t nMaxRows;
};
constexpr int32_t kDirect3DCacheSide = 1024;
constexpr cFullCacheBounds kDirect3DBounds{32, 32};
constexpr cFullCacheBounds kDirectDrawBounds{32, 30};

uint32_t GlyphCode(const char* glyph) {
  return static_cast<uint32_t>(static_cast<unsigned char>(glyph[0])) << 8 | static_cast<unsigned char>(glyph[1]);
}

}  // namespace

FASTFONTGEOMETRY HalfCacheGeometry() { return {kHalfCacheSide, kHalfCacheSide}; }

FASTFONTGEOMETRY FullCacheGeometry(int32_t bDirect3D, int32_t nAdvance, int32_t nLineHeight,
                                   int32_t nBackBufferWidth, int32_t nBackBufferHeight) {
  if (nAdvance <= 0 || nLineHeight <= 0) return {};
  const cFullCacheBounds bounds = bDirect3D != 0 ? kDirect3DBounds : kDirectDrawBounds;
  const int32_t width = bDirect3D != 0 ? kDirect3DCacheSide : nBackBufferWidth;
  const int32_t height = bDirect3D != 0 ? kDirect3DCacheSide : nBackBufferHeight;
  return {std::min(width / nAdvance, bounds.nMaxColumns), std::min(height / nLineHeight, bounds.nMaxRows)};
}

FastFont::FastFont(int32_t kind, int32_t cellWidth, int32_t cellHeight, int32_t columns, int32_t rows)
    : nKind(kind), nCellWidth(cellWidth), nCellHeight(cellHeight), nColumns(columns), nRows(rows),
      nCapacity(columns * rows) {
  // A cache without a surface is not reported: its blits then draw nothing.
  DDCreateSurface(&Surface, cellWidth * columns, cellHeight * rows, 1, 0, DTMEMORYTYPE_VIDEO_RT, nullptr, 0);
}

int32_t FastFont::AddGlyph(const char* glyph) {
  if (nCount >= nCapacity || nColumns <= 0) return 0;
  FASTFONTGLYPH entry;
  entry.szGlyph[0] = glyph[0];
  entry.szGlyph[1] = glyph[1];
  entry.nIndex = nCount;
  entry.nCellX = (nCount % nColumns) * nCellWidth;
  entry.nCellY = (nCount / nColumns) * nCellHeight;
  GlyphList.push_back(entry);
  m_firstOfCode.emplace(GlyphCode(glyph), static_cast<int32_t>(GlyphList.size()) - 1);
  ++nCount;
  return 1;
}

void FastFont::DrawCell(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, int32_t code, int32_t flags) {
  if (nColumns <= 0) return;
  const int32_t c = code & 0xFF;
  DDBlt(lpDstSD, x, y, nCellWidth, nCellHeight, &Surface, (c % nColumns) * nCellWidth, (c / nColumns) * nCellHeight,
        flags);
}

int32_t FastFont::DrawGlyph(DDSURFACEDATA* lpDstSD, int32_t x, int32_t y, const char* glyph, int32_t flags) {
  const auto found = m_firstOfCode.find(GlyphCode(glyph));
  if (found == m_firstOfCode.end()) return 0;
  const FASTFONTGLYPH& entry = GlyphList[static_cast<std::size_t>(found->second)];
  DDBlt(lpDstSD, x, y, nCellWidth, nCellHeight, &Surface, entry.nCellX, entry.nCellY, flags);
  return 1;
}
