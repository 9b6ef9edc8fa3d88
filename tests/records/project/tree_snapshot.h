#pragma once
// A folder tree as a map from relative path to file bytes ("<dir>" for folders), to
// compare trees before and after an operation.

#include <filesystem>
#include <map>
#include <string>

#include "support/temp_dir.h"

inline std::map<std::string, std::string> TreeSnapshot(const std::filesystem::path& root) {
  std::map<std::string, std::string> tree;
  std::error_code ec;
  for (std::filesystem::recursive_directory_iterator it(root, ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string rel = std::filesystem::relative(it->path(), root).generic_string();
    if (it->is_symlink() || !(it->is_directory() || it->is_regular_file())) {
      tree[rel] = "<special>";
    } else {
      tree[rel] = it->is_directory() ? "<dir>" : ReadFileBytes(it->path());
    }
  }
  return tree;
}

// A small tree with nested and empty folders and binary bytes.
inline void MakeSampleTree(const std::filesystem::path& root) {
  std::filesystem::create_directories(root / "database");
  std::filesystem::create_directories(root / "stg4" / "old_ver");
  WriteFileBytes(root / "System.dat", std::string("\x44\x03\0\0sys", 7));
  WriteFileBytes(root / "database" / "Bgm.dat", "bgm");
  WriteFileBytes(root / "database" / "Anime.dat", std::string(5000, '\xab'));
  WriteFileBytes(root / "stg4" / "Default.stg4_836", "stage");
}
