#include "platform/sound/midi_path.h"

#include <string>

#include "core/path/path_ext.h"

bool IsMidPath(const char* path) {
  std::string ext;
  return PathGetExt(ext, path) != 0 && ext == "mid";
}
