#include "records/worldmap/world_grid.h"

#include <bit>
#include <limits>

namespace {

// The largest shift a holding grid can have (a one-row grid of the most cells).
constexpr int32_t kMaxShift = std::bit_width(static_cast<uint64_t>(kMaxWorldGridCells)) - 1;

}  // namespace

int32_t WorldPitchShift(int32_t width) {
  if (width < 1) return 0;
  return static_cast<int32_t>(std::bit_width(static_cast<uint32_t>(width - 1)));
}

bool WorldGridHolds(int32_t width, int32_t height) {
  if (width < 1 || height < 1) return false;
  const int64_t pitch = int64_t{1} << WorldPitchShift(width);
  return pitch * height <= kMaxWorldGridCells;
}

int32_t WorldCellIndex(int32_t x, int32_t y, int32_t shift) {
  if (shift < 0 || shift > kMaxShift) return -1;
  const int64_t index = int64_t{x} + int64_t{y} * (int64_t{1} << shift);
  if (index < 0 || index > std::numeric_limits<int32_t>::max()) return -1;
  return static_cast<int32_t>(index);
}
