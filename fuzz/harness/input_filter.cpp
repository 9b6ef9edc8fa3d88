#include "fuzz/harness/input_filter.h"

#include <cstring>
#include <string_view>

#include "records/worldmap/world_grid.h"

namespace {

// The grids the world map target loads: 64 Ki cells.
constexpr int64_t kMaxFuzzGridCells = int64_t{1} << 16;

int32_t Int32At(const uint8_t* data, std::size_t offset) {
  int32_t value = 0;
  std::memcpy(&value, data + offset, sizeof(value));
  return value;
}

// A world map file: version, field count, then the width and the height.
bool SmallWorldGrid(const uint8_t* data, std::size_t size) {
  if (size < 16) return true;
  const int32_t width = Int32At(data, 8);
  const int32_t height = Int32At(data, 12);
  if (!WorldGridHolds(width, height)) return true;  // refused by the load itself
  return (int64_t{height} << WorldPitchShift(width)) <= kMaxFuzzGridCells;
}

struct cInputFilter {
  std::string_view fileName;
  bool (*accept)(const uint8_t* data, std::size_t size);
};

const cInputFilter kInputFilters[] = {
    {"WorldMap.dat", SmallWorldGrid},
};

}  // namespace

bool AcceptFuzzInput(const char* fileName, const uint8_t* data, std::size_t size) {
  for (const cInputFilter& filter : kInputFilters) {
    if (filter.fileName == fileName && !filter.accept(data, size)) return false;
  }
  return true;
}
