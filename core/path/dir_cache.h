#pragma once
// Cached listings of host folders, for matching data-path components without
// regard to ASCII case. Safe to use from several threads (stage loads run on
// their own thread while the game thread opens pictures and sounds).
//
// Staleness: a name that is missing from a cached listing makes the folder be
// listed again once, so files created since are found without any call here.
// A removed or renamed entry stays in the listing until Invalidate.

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct HostDirEntry {
  std::string name;  // as on disk (host bytes, normally UTF-8)
  bool isFile = false;    // a regular file (links followed)
  bool isFolder = false;  // a folder (links followed)
};

class HostDirCache {
 public:
  // The on-disk name in folder dirKey (an absolute, normalised host path) that
  // matches name: the exact spelling when present, else the first entry, in
  // byte order, equal to it without regard to ASCII case. nullopt when the folder
  // cannot be listed or holds no such entry.
  std::optional<std::string> Find(const std::string& dirKey, std::string_view name);

  // Lists the folder afresh, keeps the listing and returns its entries (sorted by
  // name); nullopt when it cannot be listed.
  std::optional<std::vector<HostDirEntry>> Relist(const std::string& dirKey);

  // Forgets one folder's listing.
  void Invalidate(const std::string& dirKey);
  // Forgets every listing.
  void Clear();

  // How many folder listings were read from disk so far.
  uint64_t ListingsRead() const;

 private:
  struct Listing {
    std::vector<HostDirEntry> entries;
    std::unordered_map<std::string, std::size_t> exact;   // name -> entry
    std::unordered_map<std::string, std::size_t> folded;  // folded name -> first entry
  };

  // Reads the folder into folders_; null when it cannot be listed. Lock held.
  const Listing* LoadLocked(const std::string& dirKey);
  static std::optional<std::string> Match(const Listing& listing, std::string_view name);

  mutable std::mutex mutex_;
  std::unordered_map<std::string, Listing> folders_;
  uint64_t listingsRead_ = 0;
};
