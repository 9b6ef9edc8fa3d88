#include "core/path/path_parts.h"

#include "core/text/sjis.h"

int AssignWithinPathLimit(std::string& dest, std::string result) {
  if (result.size() > kMaxPathBytes) return 0;
  dest = std::move(result);
  return 1;
}

std::size_t PathCharBytesAt(std::string_view path, std::size_t i) {
  if (i + 1 < path.size() && IsSjisLeadByte(static_cast<unsigned char>(path[i])) &&
      IsSjisTrailByte(static_cast<unsigned char>(path[i + 1]))) {
    return 2;
  }
  return 1;
}

bool IsAbsoluteDataPath(std::string_view path) {
  // The first byte of a path can only be a lead byte, never a trail byte.
  return !path.empty() && IsPathSeparatorByte(path.front());
}

std::size_t FindLastSeparator(std::string_view path) {
  std::size_t last = std::string_view::npos;
  for (std::size_t i = 0; i < path.size();) {
    std::size_t step = PathCharBytesAt(path, i);
    if (step == 1 && IsPathSeparatorByte(path[i])) last = i;
    i += step;
  }
  return last;
}

bool EndsWithSeparator(std::string_view path) {
  std::size_t last = FindLastSeparator(path);
  return last != std::string_view::npos && last + 1 == path.size();
}

std::size_t FindExtensionDot(std::string_view path) {
  std::size_t sep = FindLastSeparator(path);
  std::size_t start = sep == std::string_view::npos ? 0 : sep + 1;
  std::string_view name = path.substr(start);
  if (name == "." || name == "..") return std::string_view::npos;
  // A dot (0x2E) is never a trail byte, so a plain search of the file name is safe.
  std::size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? dot : start + dot;
}

std::vector<std::string_view> SplitPathComponents(std::string_view path) {
  std::vector<std::string_view> parts;
  std::size_t begin = 0;
  for (std::size_t i = 0; i <= path.size();) {
    bool end = i == path.size();
    std::size_t step = end ? 1 : PathCharBytesAt(path, i);
    if (end || (step == 1 && IsPathSeparatorByte(path[i]))) {
      if (i > begin) parts.push_back(path.substr(begin, i - begin));
      begin = i + 1;
    }
    i += step;
  }
  return parts;
}

void PathStripDir(std::string& path) {
  if (path.size() < 2) return;
  std::size_t sep = FindLastSeparator(std::string_view(path).substr(0, path.size() - 1));
  if (sep != std::string_view::npos) path.erase(0, sep + 1);
}
