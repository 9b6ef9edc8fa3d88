#pragma once
// From data paths to host paths. Data paths are CP932 bytes with backslashes,
// written on a case-insensitive file system; the host wants UTF-8 names with
// slashes in their exact case. The resolver decodes the whole path first (a
// trail byte may be 0x5C), turns backslashes into slashes, then matches each
// component against a cached listing of its folder, ignoring ASCII case.
//
// A relative data path gives a relative host path (the project folder is the
// current folder); an absolute one ('/' or '\\' first) gives an absolute one.
// "." and ".." pass through unmatched; doubled separators collapse; a trailing
// separator is kept.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/path/dir_cache.h"

class HostPathResolver {
 public:
  // The host path of the existing entry when every component is found; otherwise
  // the found components in their on-disk spelling and the rest as given, which
  // is where a writer creates the entry. "" when the path is not valid CP932.
  std::string Resolve(std::string_view cp932Path);

  // The entries of the folder a data path names, listed afresh (names as on
  // disk); nullopt when some component is missing or it is no folder.
  std::optional<std::vector<HostDirEntry>> ListFolder(std::string_view cp932Dir);

  // Forgets the listing of a host folder (relative to the current folder, or
  // absolute). Needed after an entry was removed or renamed; new entries are
  // found without it.
  void Invalidate(std::string_view hostDir);
  void Clear();

  const HostDirCache& cache() const { return cache_; }

 private:
  struct Walk {
    std::string hostPath;  // as returned by Resolve
    std::string dirKey;    // absolute host path of the last matched component
    bool allFound = false;
  };
  std::optional<Walk> WalkPath(std::string_view cp932Path);
  // The on-disk name of part inside folder dirKey: as spelled when that exists,
  // else the listing's match; nullopt when there is none.
  std::optional<std::string> MatchComponent(const std::string& dirKey, std::string_view part);

  HostDirCache cache_;
};

// The program's resolver, shared by every thread.
HostPathResolver& HostPaths();

// HostPaths().Resolve: the one way from a data path to a name for the host's
// file functions.
std::string ResolveDataPath(std::string_view cp932Path);

// HostPaths().Invalidate, for writers that removed or renamed an entry of hostDir.
void InvalidatePathCache(std::string_view hostDir);
