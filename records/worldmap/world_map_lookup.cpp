// Lookups of the world map: nodes by position, stages by name.

#include <algorithm>

#include "records/worldmap/world_map.h"
#include "records/worldmap/world_stage_name.h"

namespace {

template <class Nodes>
auto FirstNodeAt(Nodes& nodes, int32_t x, int32_t y) -> decltype(&*nodes.begin()) {
  const auto found = std::find_if(nodes.begin(), nodes.end(), [x, y](const cWorldNode& node) {
    return node.m_nX == x && node.m_nY == y;
  });
  return found == nodes.end() ? nullptr : &*found;
}

bool KeysMatch(const cWorldStage& entry, int32_t useKey, int32_t key1, int32_t key2) {
  if (useKey == 0) return entry.m_bUseKey == 0;
  return entry.m_bUseKey != 0 && entry.m_nKey1 == key1 && entry.m_nKey2 == key2;
}

}  // namespace

cWorldNode* cWorldMap::FindNode(int32_t x, int32_t y) { return FirstNodeAt(m_Nodes, x, y); }

const cWorldNode* cWorldMap::FindNode(int32_t x, int32_t y) const {
  return FirstNodeAt(m_Nodes, x, y);
}

int cWorldMap::HasStage(std::string_view name, int32_t useKey, int32_t key1, int32_t key2) const {
  for (const cWorldNode& node : m_Nodes) {
    for (const cWorldStage& entry : node.m_Stages) {
      if (entry.m_nKind != kWorldStagePlay) continue;
      if (WorldStageBaseName(entry.m_strStageFile) != name) continue;
      if (KeysMatch(entry, useKey, key1, key2)) return 1;
    }
  }
  return 0;
}
