#include "core/path/host_path.h"

#include <algorithm>
#include <filesystem>

#include "core/text/cp932.h"

namespace fs = std::filesystem;

namespace {

std::optional<std::string> CurrentHostDir() {
  std::error_code ec;
  fs::path cwd = fs::current_path(ec);
  if (ec) return std::nullopt;
  return cwd.string();
}

std::vector<std::string_view> SplitSlashes(std::string_view path) {
  std::vector<std::string_view> parts;
  std::size_t begin = 0;
  while (begin <= path.size()) {
    std::size_t end = std::min(path.find('/', begin), path.size());
    if (end > begin) parts.push_back(path.substr(begin, end - begin));
    begin = end + 1;
  }
  return parts;
}

// An entry spelled exactly as asked needs no listing: the check is live and
// spares listing large folders such as those above the project.
bool ExistsAsSpelled(const std::string& path) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(path, ec));
}

std::string ChildKey(const std::string& dirKey, std::string_view name) {
  if (name == ".") return dirKey;
  if (name == "..") return fs::path(dirKey).parent_path().string();
  std::string key = dirKey;
  if (key.empty() || key.back() != '/') key += '/';
  key.append(name);
  return key;
}

}  // namespace

std::optional<std::string> HostPathResolver::MatchComponent(const std::string& dirKey,
                                                            std::string_view part) {
  if (part == "." || part == ".." || ExistsAsSpelled(ChildKey(dirKey, part))) {
    return std::string(part);
  }
  return cache_.Find(dirKey, part);
}

std::optional<HostPathResolver::Walk> HostPathResolver::WalkPath(std::string_view cp932Path) {
  std::optional<std::string> utf8 = Cp932ToUtf8(cp932Path);
  if (!utf8) return std::nullopt;
  // Decoded, a backslash is always a separator: no trail byte is left.
  std::replace(utf8->begin(), utf8->end(), '\\', '/');
  bool absolute = !utf8->empty() && utf8->front() == '/';
  std::optional<std::string> start = absolute ? std::optional<std::string>("/") : CurrentHostDir();

  Walk walk;
  walk.hostPath = absolute ? "/" : "";
  walk.dirKey = start.value_or("");
  bool matching = start.has_value();
  for (std::string_view part : SplitSlashes(*utf8)) {
    std::optional<std::string> found;
    if (matching) found = MatchComponent(walk.dirKey, part);
    matching = found.has_value();
    std::string name = found ? std::move(*found) : std::string(part);
    if (matching) walk.dirKey = ChildKey(walk.dirKey, name);
    if (!walk.hostPath.empty() && walk.hostPath.back() != '/') walk.hostPath += '/';
    walk.hostPath += name;
  }
  if (utf8->size() > 1 && utf8->back() == '/' && !walk.hostPath.empty() &&
      walk.hostPath.back() != '/') walk.hostPath += '/';
  walk.allFound = matching;
  return walk;
}

std::string HostPathResolver::Resolve(std::string_view cp932Path) {
  std::optional<Walk> walk = WalkPath(cp932Path);
  return walk ? walk->hostPath : std::string();
}

std::optional<std::vector<HostDirEntry>> HostPathResolver::ListFolder(std::string_view cp932Dir) {
  std::optional<Walk> walk = WalkPath(cp932Dir);
  if (!walk || !walk->allFound) return std::nullopt;
  return cache_.Relist(walk->dirKey);
}

void HostPathResolver::Invalidate(std::string_view hostDir) {
  fs::path dir(hostDir);
  if (dir.is_relative()) {
    std::optional<std::string> cwd = CurrentHostDir();
    if (!cwd) return;
    dir = fs::path(*cwd) / dir;
  }
  dir = dir.lexically_normal();
  if (!dir.has_filename() && dir != dir.root_path()) dir = dir.parent_path();
  cache_.Invalidate(dir.string());
}

void HostPathResolver::Clear() { cache_.Clear(); }

HostPathResolver& HostPaths() {
  static HostPathResolver resolver;
  return resolver;
}

std::string ResolveDataPath(std::string_view cp932Path) { return HostPaths().Resolve(cp932Path); }

void InvalidatePathCache(std::string_view hostDir) { HostPaths().Invalidate(hostDir); }
