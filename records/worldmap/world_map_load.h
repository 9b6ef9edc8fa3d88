#pragma once
// The start-up load of the world map.

#include <string_view>

#include "records/worldmap/world_map.h"

// Loads map from the file at a data path. When the file is missing, too new or
// damaged: logs and shows "<path> のロードに失敗！", returns 0 and leaves map as
// it was. The program ends after such a failure.
int LoadWorldMapFile(cWorldMap& map, std::string_view path);

// LoadWorldMapFile of g_WorldMap from "data\WorldMap.dat".
int LoadWorldMap();
