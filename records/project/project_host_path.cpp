#include "records/project/project_host_path.h"

#include <optional>
#include <string>

#include "core/path/host_path.h"
#include "core/text/cp932.h"

std::filesystem::path ProjectHostPath(const std::filesystem::path& projectDir,
                                      std::string_view dataPath) {
  while (!dataPath.empty() && dataPath.back() == '\\') dataPath.remove_suffix(1);
  std::string full(dataPath);
  if (!projectDir.empty()) {
    // The resolver takes data paths only, so the project folder joins as one.
    const std::optional<std::string> base = Utf8ToCp932(projectDir.generic_string());
    if (!base) return {};
    full = *base + "\\" + full;
  }
  return std::filesystem::path(ResolveDataPath(full));
}
