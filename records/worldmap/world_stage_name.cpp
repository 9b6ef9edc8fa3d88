#include "records/worldmap/world_stage_name.h"

#include "core/path/path_ext.h"

std::string WorldStageBaseName(std::string_view stageFile) {
  std::string name(stageFile);
  PathRemoveExtStr(name);
  const std::size_t part = name.rfind("-1");
  if (part == std::string::npos) {
    name += '.';
  } else {
    name.resize(part);
    name += '.';
  }
  return name;
}
