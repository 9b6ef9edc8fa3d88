#include "records/project/folder_copy.h"

#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// Followed links can form a cycle; a tree this deep is treated as one.
constexpr int kMaxDepth = 64;
constexpr int kMaxTempAttempts = 100;

bool CopyTree(const fs::path& from, const fs::path& to, int depth);

bool CopyEntry(const fs::path& from, const fs::path& to, int depth) {
  std::error_code ec;
  const fs::file_status status = fs::status(from, ec);
  if (ec) return false;
  if (fs::is_directory(status)) {
    return fs::create_directory(to, ec) && !ec && CopyTree(from, to, depth + 1);
  }
  if (fs::is_regular_file(status)) {
    return fs::copy_file(from, to, fs::copy_options::none, ec) && !ec;
  }
  return false;
}

bool CopyTree(const fs::path& from, const fs::path& to, int depth) {
  if (depth > kMaxDepth) return false;
  std::error_code ec;
  fs::directory_iterator it(from, ec);
  for (const fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
    if (!CopyEntry(it->path(), to / it->path().filename(), depth)) return false;
  }
  return !ec;
}

// Creates a folder beside target that did not exist before, so removing it later
// cannot touch anything of the user's. Empty path when none could be made.
fs::path MakeTempSibling(const fs::path& target) {
  const std::string base = target.filename().string() + ".copying";
  for (int n = 0; n < kMaxTempAttempts; ++n) {
    const fs::path candidate =
        target.parent_path() / (n == 0 ? base : base + std::to_string(n));
    std::error_code ec;
    if (fs::create_directory(candidate, ec) && !ec) return candidate;
  }
  return {};
}

}  // namespace

bool CopyFolderWhole(const fs::path& source, const fs::path& target) {
  std::error_code ec;
  if (!fs::is_directory(source, ec) || fs::exists(fs::symlink_status(target, ec))) return false;
  const fs::path temp = MakeTempSibling(target);
  if (temp.empty()) return false;
  if (CopyTree(source, temp, 0)) {
    fs::rename(temp, target, ec);
    if (!ec) return true;
  }
  fs::remove_all(temp, ec);
  return false;
}
