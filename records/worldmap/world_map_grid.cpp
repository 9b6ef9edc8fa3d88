// The grid of the world map: its size, pitch and cell positions.

#include <algorithm>
#include <cstddef>
#include <utility>

#include "core/mesbox/error_mesbox.h"
#include "records/worldmap/world_grid.h"
#include "records/worldmap/world_map.h"

int32_t cWorldMap::CellIndex(int32_t x, int32_t y) const {
  return WorldCellIndex(x, y, m_nPitchShift);
}

int cWorldMap::SetSize(int32_t width, int32_t height) {
  if (width == 0 || height == 0) {
    DebugMesBoxF("SetSize()で 0 を指定しました！");
    return 0;
  }
  if (!WorldGridHolds(width, height)) return 0;

  const int32_t oldWidth = m_nWidth;
  const int32_t oldHeight = m_nHeight;
  const int32_t oldShift = m_nPitchShift;
  cVector<int32_t> oldGrid;
  if (!m_Grid.empty()) {
    DebugMesBoxF("nBeforeWidth = %d,nBeforePitch = %d,nBeforePitch_Shift = %d", oldWidth,
                 m_nPitch, oldShift);
    oldGrid.swap(m_Grid);
  }

  m_nWidth = width;
  m_nHeight = height;
  m_Grid.clear();
  FitGridToSize();

  const int32_t rows = std::min(oldHeight, height);
  const int32_t columns = std::min(oldWidth, width);
  for (int32_t y = 0; y < rows; ++y) {
    for (int32_t x = 0; x < columns; ++x) {
      const int32_t from = WorldCellIndex(x, y, oldShift);
      // An old grid shorter than its size had no value there: the cell stays 0.
      if (from >= 0 && from < oldGrid.VectorSize()) Cell(x, y) = oldGrid.CheckedVectorAt(from);
    }
  }
  return 1;
}

bool cWorldMap::FitGridToSize() {
  if (!WorldGridHolds(m_nWidth, m_nHeight)) return false;
  m_nPitchShift = WorldPitchShift(m_nWidth);
  m_nPitch = int32_t{1} << m_nPitchShift;
  m_Grid.resize(static_cast<std::size_t>(m_nHeight) << m_nPitchShift);
  return true;
}

bool cWorldMap::GridMatchesSize() const {
  return WorldGridHolds(m_nWidth, m_nHeight) && m_nPitchShift == WorldPitchShift(m_nWidth) &&
         m_nPitch == (int32_t{1} << m_nPitchShift) &&
         m_Grid.size() == (static_cast<std::size_t>(m_nHeight) << m_nPitchShift);
}
