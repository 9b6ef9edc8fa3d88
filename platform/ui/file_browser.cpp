#include "platform/ui/file_browser.h"

#include <filesystem>

#include "core/path/ascii_fold.h"
#include "core/path/host_path.h"
#include "core/path/path_parts.h"
#include "core/path/path_relative.h"
#include "core/text/cp932.h"
#include "core/text/sjis.h"

namespace file_browser {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

std::size_t CharLen(std::string_view s, std::size_t i) {
  return i + 1 < s.size() && IsSjisDoubleByte(s.data() + i) ? 2 : 1;
}

bool SameChar(std::string_view a, std::size_t i, std::string_view b, std::size_t j, std::size_t n) {
  if (n == 2) return a.substr(i, 2) == b.substr(j, 2);
  return AsciiLower(a[i]) == AsciiLower(b[j]);
}

bool Match(std::string_view p, std::size_t pi, std::string_view n, std::size_t ni) {
  while (pi < p.size()) {
    if (p[pi] == '*') {
      for (std::size_t at = ni;; at += CharLen(n, at)) {
        if (Match(p, pi + 1, n, at)) return true;
        if (at >= n.size()) return false;
      }
    }
    if (ni >= n.size()) return false;
    const std::size_t nn = CharLen(n, ni);
    if (p[pi] == '?') {
      ++pi;
      ni += nn;
      continue;
    }
    const std::size_t pn = CharLen(p, pi);
    if (pn != nn || !SameChar(p, pi, n, ni, pn)) return false;
    pi += pn;
    ni += nn;
  }
  return ni == n.size();
}

// A name a data path can hold: no separator byte of its own.
bool Spellable(std::string_view cp932) {
  for (std::size_t i = 0; i < cp932.size(); i += CharLen(cp932, i)) {
    if (CharLen(cp932, i) == 1 && IsPathSeparatorByte(cp932[i])) return false;
  }
  return !cp932.empty();
}

std::string WithoutTrailingSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

}  // namespace file_browser

std::vector<std::string> SplitPatterns(std::string_view list) {
  std::vector<std::string> out;
  while (!list.empty()) {
    const std::size_t semi = list.find(';');
    const std::string_view part = file_browser::Trim(list.substr(0, semi));
    if (!part.empty()) out.emplace_back(part);
    if (semi == std::string_view::npos) break;
    list.remove_prefix(semi + 1);
  }
  return out;
}

bool MatchWildcard(std::string_view pattern, std::string_view name) { return file_browser::Match(pattern, 0, name, 0); }

std::string FirstFilterPatterns(const char* filter) {
  if (filter == nullptr || *filter == '\0') return "*";
  const char* patterns = filter + std::char_traits<char>::length(filter) + 1;
  return *patterns != '\0' ? std::string(patterns) : std::string("*");
}

bool cFileBrowser::Open(const std::string& dataFolder) {
  std::string folder = dataFolder.empty() ? std::string(".") : dataFolder;
  if (PathToAbsolute(folder) == 1 && ListInto(file_browser::WithoutTrailingSlash(folder))) return true;
  std::string project = ".";
  return PathToAbsolute(project) == 1 && ListInto(file_browser::WithoutTrailingSlash(project));
}

bool cFileBrowser::Enter(const cBrowserEntry& entry) {
  if (entry.bUp) {
    const std::size_t slash = m_strFolder.find_last_of('/');
    return ListInto(slash == 0 || slash == std::string::npos ? std::string("/") : m_strFolder.substr(0, slash));
  }
  if (!entry.bFolder) return false;
  return ListInto(PathOf(entry.name));
}

bool cFileBrowser::Refresh() { return ListInto(m_strFolder); }

std::string cFileBrowser::PathOf(std::string_view name) const {
  std::string path = m_strFolder;
  if (path.empty() || path.back() != '/') path += '/';
  path.append(name);
  return path;
}

std::optional<std::string> cFileBrowser::RelativePathOf(std::string_view name) const {
  std::string path = PathOf(name);
  if (PathToRelative(path) != 1) return std::nullopt;
  return path;
}

std::optional<std::string> cFileBrowser::RelativeFolder() const {
  std::string path = m_strFolder;
  if (PathToRelative(path) != 1) return std::nullopt;
  return path;
}

bool cFileBrowser::IsFile(std::string_view name) const {
  std::error_code ec;
  return std::filesystem::is_regular_file(ResolveDataPath(PathOf(name)), ec);
}

bool cFileBrowser::IsFolder(std::string_view name) const {
  std::error_code ec;
  return std::filesystem::is_directory(ResolveDataPath(PathOf(name)), ec);
}

bool cFileBrowser::ListInto(const std::string& folder) {
  const auto listing = HostPaths().ListFolder(folder);
  if (!listing) return false;
  std::vector<cBrowserEntry> folders, files;
  for (const HostDirEntry& entry : *listing) {
    const std::optional<std::string> name = Utf8ToCp932(entry.name);
    if (!name || !file_browser::Spellable(*name) || *name == "." || *name == "..") continue;
    if (entry.isFolder) {
      folders.push_back({*name, true, false});
      continue;
    }
    if (!entry.isFile) continue;
    for (const std::string& pattern : m_Patterns) {
      if (!MatchWildcard(pattern, *name)) continue;
      files.push_back({*name, false, false});
      break;
    }
  }
  m_strFolder = folder;
  m_Entries.clear();
  if (folder != "/") m_Entries.push_back({"..", true, true});
  m_Entries.insert(m_Entries.end(), folders.begin(), folders.end());
  m_Entries.insert(m_Entries.end(), files.begin(), files.end());
  return true;
}
