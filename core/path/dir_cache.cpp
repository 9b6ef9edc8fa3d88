#include "core/path/dir_cache.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/path/ascii_fold.h"

namespace fs = std::filesystem;

namespace {

std::optional<std::vector<HostDirEntry>> ReadFolder(const std::string& dir) {
  std::error_code ec;
  fs::directory_iterator it(dir, ec);
  if (ec) return std::nullopt;
  std::vector<HostDirEntry> entries;
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    if (ec) return std::nullopt;
    HostDirEntry entry;
    entry.name = it->path().filename().string();
    std::error_code typeEc;
    entry.isFile = it->is_regular_file(typeEc);
    entry.isFolder = it->is_directory(typeEc);
    entries.push_back(std::move(entry));
  }
  if (ec) return std::nullopt;
  std::sort(entries.begin(), entries.end(),
            [](const HostDirEntry& a, const HostDirEntry& b) { return a.name < b.name; });
  return entries;
}

}  // namespace

const HostDirCache::Listing* HostDirCache::LoadLocked(const std::string& dirKey) {
  ++listingsRead_;
  auto entries = ReadFolder(dirKey);
  if (!entries) {
    folders_.erase(dirKey);
    return nullptr;
  }
  Listing listing;
  listing.entries = std::move(*entries);
  for (std::size_t i = 0; i < listing.entries.size(); ++i) {
    const std::string& name = listing.entries[i].name;
    listing.exact.emplace(name, i);
    listing.folded.emplace(AsciiFold(name), i);  // keeps the first in byte order
  }
  return &(folders_[dirKey] = std::move(listing));
}

std::optional<std::string> HostDirCache::Match(const Listing& listing, std::string_view name) {
  auto exact = listing.exact.find(std::string(name));
  if (exact != listing.exact.end()) return listing.entries[exact->second].name;
  auto folded = listing.folded.find(AsciiFold(name));
  if (folded != listing.folded.end()) return listing.entries[folded->second].name;
  return std::nullopt;
}

std::optional<std::string> HostDirCache::Find(const std::string& dirKey, std::string_view name) {
  std::lock_guard<std::mutex> lock(mutex_);
  auto cached = folders_.find(dirKey);
  if (cached != folders_.end()) {
    if (auto found = Match(cached->second, name)) return found;
  }
  // Not listed yet, or listed before the entry was made: read the folder now.
  const Listing* fresh = LoadLocked(dirKey);
  if (fresh == nullptr) return std::nullopt;
  return Match(*fresh, name);
}

std::optional<std::vector<HostDirEntry>> HostDirCache::Relist(const std::string& dirKey) {
  std::lock_guard<std::mutex> lock(mutex_);
  const Listing* fresh = LoadLocked(dirKey);
  if (fresh == nullptr) return std::nullopt;
  return fresh->entries;
}

void HostDirCache::Invalidate(const std::string& dirKey) {
  std::lock_guard<std::mutex> lock(mutex_);
  folders_.erase(dirKey);
}

void HostDirCache::Clear() {
  std::lock_guard<std::mutex> lock(mutex_);
  folders_.clear();
}

uint64_t HostDirCache::ListingsRead() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return listingsRead_;
}
