#include "stage/grid/block_grid.h"

#include <new>

#include "core/globals/global_order.h"

VP_GLOBAL(kGlobalBlockGrid, cBlockGrid g_BlockGrid);

int32_t BlockGridShift(int32_t nWidth) {
  uint32_t value = static_cast<uint32_t>(nWidth) + 2 * kBlockGridMargin - 1;
  int32_t digits = 0;
  while (value != 0) {
    value >>= 1;
    ++digits;
  }
  return digits;
}

bool cBlockGrid::Build(int32_t nWidth, int32_t nHeight) {
  Release();
  if (nWidth < 0 || nHeight < 0) return false;
  const int32_t shift = BlockGridShift(nWidth);
  const int64_t rows = int64_t{nHeight} + 2 * kBlockGridMargin;
  // A shift of 23 or more alone passes the cap, and would overflow the stride.
  if (shift > 22 || (rows << shift) > kMaxBlockGridCells) return false;
  cBlock empty;
  empty.m_nGraphic = 0;
  empty.m_nHitClass = 0;
  empty.m_bNoReplace = 0;
  try {
    assign(static_cast<std::size_t>(rows << shift), empty);
    RefreshCells();
  } catch (const std::bad_alloc&) {
    Release();
    return false;
  }
  m_nColumns = nWidth + 2 * kBlockGridMargin;
  m_nRows = static_cast<int32_t>(rows);
  m_nShift = shift;
  return true;
}

void cBlockGrid::RefreshCells() {
  m_CellHits.resize(size());
  for (int32_t cell = 0; cell < VectorSize(); ++cell) RefreshCell(cell);
}

void cBlockGrid::Release() {
  VectorReleaseAll();
  m_CellHits.VectorReleaseAll();
  m_nColumns = 0;
  m_nRows = 0;
  m_nShift = 0;
}
