#include "core/path/path_ext.h"

#include "core/path/path_parts.h"

int PathChangeExt(std::string& dest, std::string_view src,
                  std::optional<std::string_view> ext) {
  std::size_t dot = FindExtensionDot(src);
  if (dot == std::string_view::npos) {
    // The plain copy is part of the result: callers take it as the base name.
    AssignWithinPathLimit(dest, std::string(src));
    return 0;
  }
  std::string result(src.substr(0, ext ? dot + 1 : dot));
  if (ext) result.append(*ext);
  return AssignWithinPathLimit(dest, std::move(result));
}

int PathRemoveExt(std::string& path) {
  std::size_t dot = FindExtensionDot(path);
  if (dot == std::string::npos) return 0;
  path.erase(dot);
  return 1;
}

int PathRemoveExtStr(std::string& path) { return PathRemoveExt(path); }

int PathGetExt(std::string& dest, std::string_view src) {
  std::size_t dot = FindExtensionDot(src);
  if (dot == std::string_view::npos) return 0;
  dest.assign(src.substr(dot + 1));
  return 1;
}

int PathNumberedName(std::string& dest, std::string_view src, int n) {
  std::size_t dot = FindExtensionDot(src);
  if (dot == std::string_view::npos) return 0;
  std::string result(src.substr(0, dot));
  result.append(" (").append(std::to_string(n)).append(").").append(src.substr(dot + 1));
  return AssignWithinPathLimit(dest, std::move(result));
}
