#include "tools/sample/data/sample_world_map.h"

#include "tools/sample/sample_catalog.h"

namespace {

constexpr int32_t kWidth = 20;
constexpr int32_t kHeight = 15;
constexpr int32_t kRoadRow = 7;

struct ChipDesc {
  const char* name;
  int32_t blocked;
};
constexpr std::array<ChipDesc, kChipCount> kChipDescs = {{
    {"草原", 0}, {"道", 0}, {"水", 1}, {"木", 1}, {"橋", 0}}};

// Cell kind by position: water round the edge, a pond, trees in rows above and
// below the road, the road itself with a bridge over the pond's channel.
int32_t ChipAt(int32_t x, int32_t y) {
  if (x == 0 || y == 0 || x == kWidth - 1 || y == kHeight - 1) return kChipWater;
  if (y == kRoadRow && x >= 3 && x <= 16) return x == 9 ? kChipBridge : kChipRoad;
  if (x == 9 && y >= 5 && y <= 12) return kChipWater;
  if ((y == 3 || y == 11) && x % 3 == 1) return kChipTree;
  return kChipGrass;
}

cWorldStage EntryOf(int32_t kind, int32_t mark) {
  cWorldStage entry;
  entry.m_nKind = kind;
  entry.m_nMark = mark;
  return entry;
}

cWorldNode NodeOf(int32_t x, int32_t y, const char* name, cWorldStage entry) {
  cWorldNode node;
  node.m_nX = x;
  node.m_nY = y;
  node.m_strName = name;
  node.m_Stages = {entry};
  return node;
}

cWorldStage StageEntry(int32_t index, int32_t afterClear) {
  cWorldStage entry = EntryOf(kWorldStagePlay, index + 1 == static_cast<int32_t>(kStoryStageFiles.size())
                                                   ? kMarkCastle
                                                   : kMarkStage);
  entry.m_nClearFlag = index + 1;
  entry.m_bReplay = 1;
  entry.m_nAfterClear = afterClear;
  entry.m_strStageFile = kStoryStageFiles[static_cast<std::size_t>(index)];
  return entry;
}

}  // namespace

cWorldMap BuildSampleWorldMap() {
  cWorldMap map;
  map.m_strName = "はじまりの草原";
  map.SetSize(kWidth, kHeight);
  map.m_Chips.clear();
  for (const ChipDesc& desc : kChipDescs) {
    cWorldChip chip;
    chip.m_strName = desc.name;
    chip.m_bBlocked = desc.blocked;
    chip.m_nPattern = static_cast<int32_t>(map.m_Chips.size());
    map.m_Chips.push_back(chip);
  }
  for (int32_t y = 0; y < kHeight; ++y) {
    for (int32_t x = 0; x < kWidth; ++x) map.Cell(x, y) = ChipAt(x, y);
  }
  map.m_nStartX = 3;
  map.m_nStartY = kRoadRow;
  map.m_nBackColor = 16;
  map.m_bBackPicture = 0;
  map.m_strBackPicture = kWorldBackFile;
  map.m_Nodes = {
      NodeOf(3, kRoadRow, "スタート", EntryOf(kWorldStageRoad, kMarkStart)),
      NodeOf(7, kRoadRow, "草原", StageEntry(0, kAfterClearNothing)),
      NodeOf(12, kRoadRow, "洞くつ", StageEntry(1, kAfterClearNothing)),
      NodeOf(14, kRoadRow, "雲の上", StageEntry(2, kAfterClearNothing)),
      NodeOf(16, kRoadRow, "お城", StageEntry(3, kAfterClearTitle)),
  };
  return map;
}
