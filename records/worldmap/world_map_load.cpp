#include "records/worldmap/world_map_load.h"

#include <string>

#include "core/globals/global_order.h"
#include "core/log/report_log.h"
#include "records/project/path_table.h"

VP_GLOBAL(kGlobalWorldMap, cWorldMap g_WorldMap);

int LoadWorldMapFile(cWorldMap& map, std::string_view path) {
  if (map.LoadFromFile(path) == 1) return 1;
  const std::string text(path);
  ReportLogMesBox("%s のロードに失敗！", text.c_str());
  return 0;
}

int LoadWorldMap() { return LoadWorldMapFile(g_WorldMap, g_PathTable[kPathWorldMap]); }
