// Repairs of what lies outside the world map, after a load and before a save.

#include <cstdint>
#include <vector>

#include "records/worldmap/world_map.h"

namespace {

// value pulled into [0, size - 1] (0 when size is not positive).
int32_t PullInside(int32_t value, int32_t size) {
  if (value >= size) value = size - 1;
  return value < 0 ? 0 : value;
}

}  // namespace

void cWorldMap::Normalize() {
  ClampStart();
  ClearUnknownCells();
  FitNodes();
}

void cWorldMap::ClampStart() {
  m_nStartX = PullInside(m_nStartX, m_nWidth);
  m_nStartY = PullInside(m_nStartY, m_nHeight);
}

// A cell naming no chip becomes 0 (negative values included). Padding cells
// are left as they are.
void cWorldMap::ClearUnknownCells() {
  // A grid that does not match its size (a caller set the size by hand) is
  // not walked rather than walked out of bounds.
  if (!GridMatchesSize()) return;
  const uint32_t chips = static_cast<uint32_t>(m_Chips.VectorSize());
  for (int32_t y = 0; y < m_nHeight; ++y) {
    for (int32_t x = 0; x < m_nWidth; ++x) {
      int32_t& cell = Cell(x, y);
      if (static_cast<uint32_t>(cell) >= chips) cell = 0;
    }
  }
}

// Nodes beyond the right or bottom edge go; nodes at negative positions are
// pulled onto the edge, where the hero can reach them.
void cWorldMap::FitNodes() {
  for (cWorldNode& node : m_Nodes) {
    if (node.m_nX < 0) node.m_nX = 0;
    if (node.m_nY < 0) node.m_nY = 0;
  }
  std::erase_if(m_Nodes, [this](const cWorldNode& node) {
    return node.m_nX >= m_nWidth || node.m_nY >= m_nHeight;
  });
}
