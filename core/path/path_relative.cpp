#include "core/path/path_relative.h"

#include <filesystem>
#include <string_view>
#include <vector>

#include "core/path/path_parts.h"
#include "core/text/cp932.h"

namespace {

using Parts = std::vector<std::string_view>;

// The components of an absolute path with "." dropped and "name\\.." folded
// away; ".." at the root stays at the root.
Parts Normalise(const Parts& parts) {
  Parts out;
  for (std::string_view part : parts) {
    if (part == ".") continue;
    if (part == "..") {
      if (!out.empty()) out.pop_back();
      continue;
    }
    out.push_back(part);
  }
  return out;
}

std::string Join(const Parts& parts, char separator) {
  std::string joined;
  for (std::string_view part : parts) {
    if (!joined.empty()) joined += separator;
    joined.append(part);
  }
  return joined;
}

}  // namespace

std::optional<std::string> CurrentDirCp932() {
  std::error_code ec;
  std::filesystem::path cwd = std::filesystem::current_path(ec);
  if (ec) return std::nullopt;
  return Utf8ToCp932(cwd.string());
}

int PathToAbsolute(std::string& path) {
  if (IsAbsoluteDataPath(path)) return 1;
  std::optional<std::string> cwd = CurrentDirCp932();
  if (!cwd) return 0;
  Parts parts = SplitPathComponents(*cwd);
  Parts rest = SplitPathComponents(path);
  parts.insert(parts.end(), rest.begin(), rest.end());
  std::string result = "/" + Join(Normalise(parts), '/');
  if (EndsWithSeparator(path) && result.back() != '/') result += '/';
  return AssignWithinPathLimit(path, std::move(result));
}

int PathToRelative(std::string& path) {
  if (!IsAbsoluteDataPath(path)) return 1;
  std::optional<std::string> cwd = CurrentDirCp932();
  if (!cwd) return 0;
  Parts base = Normalise(SplitPathComponents(*cwd));
  Parts target = Normalise(SplitPathComponents(path));
  std::size_t common = 0;
  while (common < base.size() && common < target.size() && base[common] == target[common]) {
    ++common;
  }
  Parts relative(base.size() - common, "..");
  relative.insert(relative.end(), target.begin() + common, target.end());
  std::string result = relative.empty() ? "." : Join(relative, '\\');
  if (EndsWithSeparator(path) && result != ".") result += '\\';
  return AssignWithinPathLimit(path, std::move(result));
}

int PathToRelativeStr(std::string& path) { return PathToRelative(path); }
