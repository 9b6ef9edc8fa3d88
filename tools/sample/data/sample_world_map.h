#pragma once
// The sample world map: a 20 x 15 meadow crossed by a road, with a start node
// and four stage nodes, the last one (the boss's castle) ending the story.

#include <array>

#include "records/worldmap/world_map.h"

// Story stages, in the order of the road (data paths as the map stores them;
// the files are their numbered versions, name_000).
inline constexpr std::array<const char*, 4> kStoryStageFiles = {
    "data\\stg4\\w01-1.stg4", "data\\stg4\\w02-1.stg4", "data\\stg4\\w03-1.stg4", "data\\stg4\\w04-1.stg4"};

// Chip pictures of WorldMapChip.bmp, in chip order.
enum eWorldChipKind : int32_t { kChipGrass, kChipRoad, kChipWater, kChipTree, kChipBridge, kChipCount };
// Rows of WorldEvent.bmp.
enum eWorldMarkRow : int32_t { kMarkStart, kMarkStage, kMarkCastle, kMarkRowCount };

cWorldMap BuildSampleWorldMap();
