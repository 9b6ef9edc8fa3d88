#include "stage/grid/block_probes.h"

#include <algorithm>
#include <cstdlib>

#include "core/math/truncate.h"

int32_t ProbeEdgeCell(cBlockGrid& grid, const cProbeArea& area, const cProbeBody& body, int32_t x1,
                      int32_t y1, int32_t x2, int32_t y2) {
  using block_probes::ClampPoint;
  x1 = ClampPoint(x1, area.nBoundX);
  x2 = ClampPoint(x2, area.nBoundX);
  y1 = ClampPoint(y1, area.nBoundY);
  y2 = ClampPoint(y2, area.nBoundY);
  const int64_t points = int64_t{body.nScale} + 1;
  block_probes::cBestCell best;
  if (x1 == x2) {
    const int32_t column = x1 >> 5;
    int32_t y = y1;
    for (int64_t i = 0; i < points; ++i) {
      best.Offer(grid, column, y >> 5, body.nKey, 0);
      const int32_t next = ClampPoint(int64_t{y} + body.nHeightBase - 1, area.nBoundY);
      // Once the points stand still every further one repeats the same cell.
      if (next == y) break;
      y = next;
    }
    return best.Cell();
  }
  if (y1 == y2) {
    const int32_t row = y1 >> 5;
    const int32_t mid = (x1 + x2) >> 1;
    int32_t x = x1;
    for (int64_t i = 0; i < points; ++i) {
      best.Offer(grid, x >> 5, row, body.nKey, std::llabs(int64_t{x} - mid));
      const int32_t next = ClampPoint(int64_t{x} + body.nWidthBase - 1, area.nBoundX);
      if (next == x) break;
      x = next;
    }
    return best.Cell();
  }
  return 0;
}

int32_t PickFloorCell(cBlockGrid& grid, const cProbeArea& area, int8_t nKey, int32_t nScale,
                      int32_t nWidth, double dX, double dRight, double dBottom) {
  const int64_t scale = std::max(nScale, 1);
  const int64_t count = (scale % 2 != 0) ? scale + 2 : scale + 1;
  const int64_t step = nWidth / (count - 1);
  const int32_t left = TruncToInt(dX);
  const int32_t right = TruncToInt(dRight);
  const int32_t row = TruncToInt(dBottom) >> 5;
  const int64_t mid = (int64_t{left} + right) >> 1;
  block_probes::cBestCell best;
  int64_t x = left;
  for (int64_t i = 0; i < count; ++i) {
    // The first point may lie off the grid: the lookup reads it as passable.
    best.Offer(grid, static_cast<int32_t>(x >> 5), row, nKey, std::llabs(x - mid));
    const int64_t next = (i + 1 == count - 1) ? right : x + step;
    x = std::min<int64_t>(next, int64_t{area.nBoundX} - 1);
  }
  return best.Cell();
}

int32_t PickCornerCell(cBlockGrid& grid, int32_t nLeft, int32_t nTop, int32_t nRight,
                       int32_t nBottom, int8_t nKey) {
  const int32_t corners[4][2] = {{nLeft, nTop}, {nRight, nTop}, {nLeft, nBottom}, {nRight, nBottom}};
  int8_t best = -1;
  int32_t cell = -1;
  for (const auto& [column, row] : corners) {
    const int8_t hit = CellHitClass(grid, column, row, nKey);
    if (hit > best) {
      best = hit;
      cell = grid.CellIndex(column, row);
    }
  }
  return cell;
}
